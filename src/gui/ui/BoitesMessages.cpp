#include "gui/ui/BoitesMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace pelavorine {

namespace {

BoitesMessages::Interception& InterceptionCourante() {
    static BoitesMessages::Interception interception;
    return interception;
}

std::function<void(bool)>& SurBoite() {
    static std::function<void(bool)> surBoite;
    return surBoite;
}

QString Tr(const char* texte) {
    return QApplication::translate("BoitesMessages", texte);
}

// The mouse cursor of the work in progress is put back after each box.
class CurseurGarde {
public:
    CurseurGarde() : actif_(QApplication::overrideCursor() != nullptr) {
        if (actif_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~CurseurGarde() {
        if (actif_) QApplication::restoreOverrideCursor();
    }
    CurseurGarde(const CurseurGarde&) = delete;
    CurseurGarde& operator=(const CurseurGarde&) = delete;

private:
    bool actif_;
};

QAbstractButton* Executer(QMessageBox& boite, BoitesMessages::Genre genre) {
    if (SurBoite()) SurBoite()(true);
    QAbstractButton* choisi = nullptr;
    if (InterceptionCourante()) {
        choisi = InterceptionCourante()(boite, genre);
    } else {
        CurseurGarde garde;
        boite.exec();
        choisi = boite.clickedButton();
    }
    if (SurBoite()) SurBoite()(false);
    return choisi;
}

QString Titre() {
    return QApplication::applicationName();
}

} // namespace

void BoitesMessages::FixerInterception(Interception interception) {
    InterceptionCourante() = std::move(interception);
}

void BoitesMessages::FixerSurBoite(std::function<void(bool)> surBoite) {
    SurBoite() = std::move(surBoite);
}

void BoitesMessages::Erreur(QWidget* parent, const QString& texte) {
    QApplication::beep();
    QMessageBox boite(QMessageBox::Critical, Titre(), texte, QMessageBox::Ok, parent);
    boite.button(QMessageBox::Ok)->setText(Tr(QT_TRANSLATE_NOOP("BoitesMessages", "OK")));
    boite.setDefaultButton(QMessageBox::Ok);
    Executer(boite, Genre::Erreur);
}

void BoitesMessages::Information(QWidget* parent, const QString& texte) {
    QMessageBox boite(QMessageBox::Information, Titre(), texte, QMessageBox::Ok, parent);
    boite.button(QMessageBox::Ok)->setText(Tr(QT_TRANSLATE_NOOP("BoitesMessages", "OK")));
    boite.setDefaultButton(QMessageBox::Ok);
    Executer(boite, Genre::Information);
}

bool BoitesMessages::Question(QWidget* parent, const QString& texte, bool parDefaut) {
    QMessageBox boite(QMessageBox::Question, Titre(), texte, QMessageBox::Yes | QMessageBox::No,
                      parent);
    boite.button(QMessageBox::Yes)->setText(Tr(QT_TRANSLATE_NOOP("BoitesMessages", "&Oui")));
    boite.button(QMessageBox::No)->setText(Tr(QT_TRANSLATE_NOOP("BoitesMessages", "&Non")));
    boite.setDefaultButton(parDefaut ? QMessageBox::Yes : QMessageBox::No);
    boite.setEscapeButton(QMessageBox::No);
    return Executer(boite, Genre::Question) == boite.button(QMessageBox::Yes);
}

int BoitesMessages::QuestionAnnulable(QWidget* parent, const QString& texte) {
    QMessageBox boite(QMessageBox::Question, Titre(), texte,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    boite.button(QMessageBox::Yes)->setText(Tr(QT_TRANSLATE_NOOP("BoitesMessages", "&Oui")));
    boite.button(QMessageBox::No)->setText(Tr(QT_TRANSLATE_NOOP("BoitesMessages", "&Non")));
    boite.button(QMessageBox::Cancel)->setText(Tr(QT_TRANSLATE_NOOP("BoitesMessages", "Annuler")));
    boite.setDefaultButton(QMessageBox::Yes);
    boite.setEscapeButton(QMessageBox::Cancel);
    QAbstractButton* choisi = Executer(boite, Genre::Question);
    if (choisi == boite.button(QMessageBox::Yes)) return 1;
    return choisi == boite.button(QMessageBox::No) ? 0 : -1;
}

bool BoitesMessages::ErreurSaisie(QWidget* champ, const QString& texte) {
    QApplication::beep();
    QMessageBox boite(QMessageBox::Critical, Titre(), texte,
                      QMessageBox::Cancel | QMessageBox::Retry, champ);
    boite.button(QMessageBox::Cancel)->setText(Tr(QT_TRANSLATE_NOOP("BoitesMessages", "Annuler")));
    boite.button(QMessageBox::Retry)->setText(Tr(QT_TRANSLATE_NOOP("BoitesMessages", "Réessayer")));
    boite.setDefaultButton(QMessageBox::Retry);
    boite.setEscapeButton(QMessageBox::Cancel);
    QAbstractButton* choisi = Executer(boite, Genre::Saisie);
    // Closing the box without a button counts as Annuler, like Escape.
    return choisi != boite.button(QMessageBox::Retry);
}

} // namespace pelavorine
