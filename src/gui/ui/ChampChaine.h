#pragma once

#include "core/store/ChampsNumeriques.h"
#include "gui/ui/ChampSaisie.h"

namespace pelavorine {

// Edit field of a text: any text, a variable name, a file name or the owner's character
// set. A name field refuses, on leaving, an empty text (unless allowed) or a text that does
// not start with a letter.
class ChampChaine : public ChampSaisie {
    Q_OBJECT
public:
    explicit ChampChaine(QWidget* parent = nullptr);

    GenreChaine Genre() const { return genre_; }
    void FixerGenre(GenreChaine genre) { genre_ = genre; }
    bool ChaineVideValide() const { return chaineVideValide_; }
    void FixerChaineVideValide(bool valide) { chaineVideValide_ = valide; }
    // The characters a geUser field accepts (Windows-1252 bytes).
    void FixerJeu(const JeuCaracteres& jeu) { jeu_ = jeu; }
    // The origin-code base that the owner's name check uses.
    quint8 User() const { return user_; }
    void FixerUser(quint8 user) { user_ = user; }

protected:
    QChar Touche(QChar c) override;
    Resultat Lire() override;

private:
    GenreChaine genre_ = GenreChaine::geTout;
    bool chaineVideValide_ = false;
    JeuCaracteres jeu_;
    quint8 user_ = 0;
};

} // namespace pelavorine
