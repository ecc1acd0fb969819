#pragma once

#include <QDialog>
#include <QtGlobal>

class QLabel;

namespace pelavorine {

// The machine's memory as the resources box shows it.
struct EtatMemoire {
    qint64 totalKo = 0;     // physical memory
    int chargePourcent = 0; // memory in use
};

// The modal box " Ressources mémoire": the physical memory and the share in use.
class BoiteRessources : public QDialog {
    Q_OBJECT
public:
    BoiteRessources(QWidget* parent, const QString& icone, const EtatMemoire& memoire);

    // Reads the memory status from the text of /proc/meminfo (zeros when unreadable).
    static EtatMemoire LireMemoire(const QByteArray& meminfo);
    static EtatMemoire MemoireDuSysteme();
    // "16 318 808 ko": the digits grouped by thousands.
    static QString TexteMemoire(qint64 ko);
    // "37 %".
    static QString TexteCharge(int pourcent);

    QLabel* PhysMem() const { return physMem_; }
    QLabel* FreeRes() const { return freeRes_; }

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* physMem_ = nullptr;
    QLabel* freeRes_ = nullptr;
};

} // namespace pelavorine
