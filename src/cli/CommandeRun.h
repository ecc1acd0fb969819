#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace pelavorine {
class Travail;
}

namespace pelavorine::cli {

// "pelavorine-cli run": reads the file given or builds a new work, applies the options in the
// order written, runs the calculation sheet as the desk's "Lancer les calculs" does, saves the
// work when asked, then shows the results and the variables, for a person or as one JSON
// document.
class CommandeRun {
public:
    // False with a message for a usage error.
    bool Analyser(const QStringList& arguments, QString& erreur);
    int Executer();

private:
    struct Option {
        QString nom;
        QString valeur;
    };
    // False with a message when the option cannot be applied (a sheet file missing…).
    bool Appliquer(Travail& travail, const Option& option, QStringList& lignes,
                   QString& erreur) const;
    QStringList NomsMontres(const Travail& travail) const;

    QList<Option> options_;
    std::optional<QString> fichier_;
    QString enregistrer_;
    std::optional<QStringList> montrer_;
    bool json_ = false;
    bool acquerir_ = false;
};

} // namespace pelavorine::cli
