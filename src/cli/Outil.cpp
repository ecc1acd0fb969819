#include "cli/Outil.h"

#include "cli/AnalyseurOptions.h"
#include "cli/CommandeInfo.h"
#include "cli/CommandeRun.h"

#include <QTextStream>

namespace pelavorine::cli {

namespace {

// Usage lines are wrapped before this width, their continuations aligned after the
// subcommand's name.
constexpr int kLargeur = 90;

QString Element(const DefinitionOption& d) {
    QString e = d.valeur.isEmpty() ? d.nom : d.nom + ' ' + d.valeur;
    return '[' + e + ']' + (d.repetee ? QStringLiteral("...") : QString());
}

} // namespace

Outil::Outil() {
    Ajouter(std::make_unique<CommandeRun>());
    Ajouter(std::make_unique<CommandeInfo>());
}

void Outil::Ajouter(std::unique_ptr<SousCommande> commande) {
    commandes_.push_back(std::move(commande));
}

SousCommande* Outil::Trouver(const QString& nom) const {
    for (const auto& c : commandes_)
        if (c->Nom() == nom) return c.get();
    return nullptr;
}

QString Outil::Usage() const {
    QString texte = tr("Usage :\n");
    for (const auto& c : commandes_) {
        QStringList elements;
        elements << (c->PlaceFichier() == SousCommande::Fichier::Obligatoire
                         ? tr("FICHIER")
                         : '[' + tr("FICHIER") + ']');
        // run's options come first, as they are applied before the subcommand's own.
        if (!c->OptionsDeRun().isEmpty()) elements << tr("[options de run]");
        for (const DefinitionOption& d : c->Options())
            elements << Element(d);
        const QString debut = QStringLiteral("  pelavorine-cli ") + c->Nom();
        QString ligne = debut;
        for (const QString& e : elements) {
            if (ligne.size() > debut.size() && ligne.size() + 1 + e.size() > kLargeur) {
                texte += ligne + '\n';
                ligne = QString(debut.size(), u' ');
            }
            ligne += ' ' + e;
        }
        texte += ligne + '\n';
    }
    return texte;
}

int Outil::ErreurUsage(const QString& erreur, QTextStream& erreurs) const {
    if (!erreur.isEmpty()) erreurs << "pelavorine-cli : " << erreur << "\n";
    erreurs << Usage();
    return 2;
}

int Outil::Lancer(const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs) {
    if (arguments.isEmpty()) return ErreurUsage(QString(), erreurs);
    const QString& nom = arguments.first();
    if (nom == QLatin1String("--help") || nom == QLatin1String("-h")) {
        sortie << Usage();
        return 0;
    }
    SousCommande* commande = Trouver(nom);
    if (!commande) return ErreurUsage(tr("commande inconnue : %1").arg(nom), erreurs);
    OptionsAnalysees options;
    QString erreur;
    if (!AnalyseurOptions(*commande).Analyser(arguments.mid(1), options, erreur))
        return ErreurUsage(erreur, erreurs);
    return commande->Executer(options, sortie);
}

} // namespace pelavorine::cli
