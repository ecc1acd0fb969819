#include "ui/HoteBureau.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace pelavorine {

namespace {

// The mouse cursor of the work in progress is put back after each box.
class CurseurGarde {
public:
    CurseurGarde() : actif_(QApplication::overrideCursor() != nullptr) {
        if (actif_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~CurseurGarde() {
        if (actif_) QApplication::restoreOverrideCursor();
    }

private:
    bool actif_;
};

QString Titre() { return QApplication::applicationName(); }

} // namespace

void HoteBureau::LigneInfo(const QString& texte) {
    if (surLigneInfo) surLigneInfo(texte);
}

void HoteBureau::LigneSysteme(const QString& texte) {
    if (surLigneSysteme) surLigneSysteme(texte);
}

void HoteBureau::MiseAJourDemandee() {
    if (surMiseAJour) surMiseAJour();
}

QString HoteBureau::DemanderNomFichier(const QString& titre, const QStringList& filtres,
                                       bool enregistrer) {
    const QString filtre = filtres.join(QStringLiteral(";;"));
    return enregistrer ? QFileDialog::getSaveFileName(parent_, titre, QString(), filtre)
                       : QFileDialog::getOpenFileName(parent_, titre, QString(), filtre);
}

void HoteBureau::MontrerErreur(const QString& texte) {
    CurseurGarde garde;
    QMessageBox boite(QMessageBox::Critical, Titre(), texte, QMessageBox::Ok, parent_);
    boite.button(QMessageBox::Ok)->setText(QApplication::translate("Hote", "OK"));
    boite.exec();
}

void HoteBureau::MontrerInformation(const QString& texte) {
    CurseurGarde garde;
    QMessageBox boite(QMessageBox::Information, Titre(), texte, QMessageBox::Ok, parent_);
    boite.button(QMessageBox::Ok)->setText(QApplication::translate("Hote", "OK"));
    boite.exec();
}

bool HoteBureau::PoserQuestion(const QString& texte, bool parDefaut) {
    CurseurGarde garde;
    QMessageBox boite(QMessageBox::Question, Titre(), texte, QMessageBox::Yes | QMessageBox::No,
                      parent_);
    boite.button(QMessageBox::Yes)->setText(QApplication::translate("Hote", "&Oui"));
    boite.button(QMessageBox::No)->setText(QApplication::translate("Hote", "&Non"));
    boite.setDefaultButton(parDefaut ? QMessageBox::Yes : QMessageBox::No);
    return boite.exec() == QMessageBox::Yes;
}

} // namespace pelavorine
