#include "core/store/ReglesNoms.h"

#include "core/texte/CodageTexte.h"

#include <array>

namespace pelavorine::noms {

namespace {

// Bytes, in the Greek-font name table, of the French accented letters and of the Greek
// letters that may start a name.
constexpr std::array<unsigned char, 52> kDebutHaut = {
    0xA5, 0xA9, 0xAB, 0xAC, 0xAE, 0xB1, 0xB5, 0xB6, 0xBB, 0xBF, 0xC0, 0xC1, 0xC2,
    0xC3, 0xC7, 0xC8, 0xC9, 0xCA, 0xCB, 0xCE, 0xCF, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6,
    0xD7, 0xD8, 0xD9, 0xDB, 0xDF, 0xE0, 0xE2, 0xE3, 0xE4, 0xE5, 0xE7, 0xE8, 0xE9,
    0xEA, 0xEB, 0xEC, 0xEE, 0xEF, 0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF8, 0xF9, 0xFA};

bool Octet(QChar c, unsigned char& b) {
    if (codage::OctetDe(c, codage::Champ::Grec, b)) return true;
    // A French letter whose byte the Greek font takes is still a letter in memory; the
    // work file writes it as its plain letter.
    return codage::OctetDe(c, codage::Champ::Texte, b);
}

bool OctetDebut(unsigned char b) {
    if (b == '?' || b == '_' || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) return true;
    if (b == 0xFA || b == 0xFB || b == 0xFF) return true;
    for (unsigned char d : kDebutHaut)
        if (d == b) return true;
    return false;
}

bool OctetInterieur(unsigned char b) {
    if (OctetDebut(b)) return true;
    switch (b) {
    case 0x20:
    case 0x22:
    case 0x27:
    case 0x2A:
    case 0x2B:
    case 0x2D:
    case 0x2E:
    case 0x2F:
    case 0xB0:
    case 0xB2:
        return true;
    default:
        return b >= '0' && b <= '9';
    }
}

QString MajusculesAscii(QString s) {
    for (QChar& c : s)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
    return s;
}

QString SansBlancs(const QString& s) {
    qsizetype debut = 0, fin = s.size();
    auto blanc = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (debut < fin && blanc(s[debut]))
        ++debut;
    while (fin > debut && blanc(s[fin - 1]))
        --fin;
    return s.mid(debut, fin - debut);
}

} // namespace

bool PeutCommencer(QChar c) {
    unsigned char b = 0;
    return Octet(c, b) && OctetDebut(b);
}

bool PeutContenir(QChar c) {
    unsigned char b = 0;
    return Octet(c, b) && OctetInterieur(b);
}

QString Comparable(const QString& nom, bool casse) {
    const QString canonique = codage::FormeCanonique(nom);
    return casse ? canonique : MajusculesAscii(canonique);
}

QString Normaliser(const QString& nom, bool casse) {
    return Comparable(SansBlancs(nom.left(12)), casse);
}

bool Valide(const QString& nom) {
    if (nom.isEmpty() || !PeutCommencer(nom[0])) return false;
    for (QChar c : nom)
        if (!PeutContenir(c)) return false;
    return true;
}

} // namespace pelavorine::noms
