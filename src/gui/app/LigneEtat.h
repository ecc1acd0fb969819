#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QStackedWidget;
class QTabBar;

namespace pelavorine {

// The desk's status bar: a notebook of three pages (the info line with the point counter,
// the window tabs, the synthesis tabs) and, at its right, the system line.
class LigneEtat : public QWidget {
    Q_OBJECT
public:
    enum Page { PageInfo = 0, PageFenetres = 1, PageSynthese = 2 };

    explicit LigneEtat(QWidget* parent = nullptr);

    QStackedWidget* Classeur() const { return classeur_; }
    QLabel* Info() const { return info_; }
    QLabel* PointCourant() const { return pointCourant_; }
    QTabBar* OngletsFenetres() const { return ongletsFenetres_; }
    QTabBar* OngletsSynthese() const { return ongletsSynthese_; }
    QLabel* InfoSynthese() const { return infoSynthese_; }
    QLabel* Systeme() const { return systeme_; }

    // The background of the bar, of the tab bars and of the info line without a text.
    void FixerCouleur(const QColor& couleur);
    QColor Couleur() const { return couleur_; }
    // With a text: shown on that background, the info page comes forward and the page it
    // replaced is remembered; without: the background and the remembered page come back.
    void AfficherInfo(const QString& texte, const QColor& couleur);
    // The system line on that background.
    void AfficherSysteme(const QString& texte, const QColor& couleur);

private:
    static void Colorer(QWidget* w, const QColor& fond);

    QStackedWidget* classeur_;
    QLabel* info_;
    QLabel* pointCourant_;
    QTabBar* ongletsFenetres_;
    QTabBar* ongletsSynthese_;
    QLabel* infoSynthese_;
    QLabel* systeme_;
    QColor couleur_{0xE0, 0xE0, 0xE0};
    int pageRetenue_ = -1; // the page the info text replaced, -1 while none is shown
};

} // namespace pelavorine
