#include "core/texte/CodageTexte.h"

#include <array>
#include <utility>

namespace pelavorine::codage {
namespace {

// Windows-1252, 0x80..0x9F; the five undefined bytes keep their C1 code points so that
// every byte reads back to itself.
constexpr std::array<char16_t, 32> kWindows1252Haut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Code page 850, 0x80..0xFF.
constexpr std::array<char16_t, 128> kCp850Haut = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557,
    0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB,
    0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9,
    0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

struct LettreFonte {
    char16_t lettre;
    unsigned char octet;
};

// The Greek font's letters and the bytes they stand at (the picker grid).
constexpr std::array<LettreFonte, 52> kFonteGrecque = {{
    {0x0391, 0x41}, {0x0392, 0x42}, {0x03A7, 0x58}, {0x0394, 0xC0}, {0x0395, 0x45}, {0x03A6, 0xD5},
    {0x0393, 0xA5}, {0x0397, 0x48}, {0x0399, 0x49}, {0x03D1, 0xF0}, {0x039A, 0x4B}, {0x039B, 0xC2},
    {0x039C, 0x4D}, {0x039D, 0x4E}, {0x039F, 0x4F}, {0x03A0, 0xC3}, {0x0398, 0xD3}, {0x03A1, 0x50},
    {0x03A3, 0xC8}, {0x03A4, 0x54}, {0x03A5, 0x59}, {0x03C2, 0xAC}, {0x03A9, 0xD2}, {0x039E, 0xCB},
    {0x03A8, 0xD4}, {0x0396, 0x5A}, {0x03B1, 0xE5}, {0x03B2, 0xF1}, {0x03C7, 0xEB}, {0x03B4, 0xE4},
    {0x03B5, 0xE3}, {0x03C6, 0xAE}, {0x03B3, 0xF3}, {0x03B7, 0xFA}, {0x03B9, 0xEC}, {0x03D5, 0xA9},
    {0x03BA, 0xFF}, {0x03BB, 0xF8}, {0x03BC, 0xB5}, {0x03BD, 0x76}, {0x03BF, 0x6F}, {0x03C0, 0xDF},
    {0x03B8, 0xB1}, {0x03C1, 0xAB}, {0x03C3, 0xB6}, {0x03C4, 0xBB}, {0x03C5, 0xF2}, {0x03D6, 0xD8},
    {0x03C9, 0xD6}, {0x03BE, 0xBF}, {0x03C8, 0xC1}, {0x03B6, 0xD7},
}};

template <typename F> bool PourChaqueLettre(F&& f) {
    for (const auto& l : kFonteGrecque)
        if (f(l)) return true;
    return false;
}

bool OctetWindows1252(QChar c, unsigned char& octet) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        octet = static_cast<unsigned char>(u);
        return true;
    }
    for (int i = 0; i < 32; ++i)
        if (kWindows1252Haut[i] == u) {
            octet = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    return false;
}

// The Latin key that types each Greek letter of the font: the plain letter closest to it.
constexpr std::array<std::pair<unsigned char, char>, 25> kFrappeGrecque = {{
    {0xE5, 'a'}, {0xF1, 'b'}, {0xEB, 'c'}, {0xC0, 'D'}, {0xE4, 'd'}, {0xE3, 'e'}, {0xD5, 'F'},
    {0xA9, 'f'}, {0xF3, 'g'}, {0xFA, 'h'}, {0xEC, 'i'}, {0xFF, 'k'}, {0xF8, 'l'}, {0xB5, 'm'},
    {0x76, 'n'}, {0xDF, 'p'}, {0xAB, 'r'}, {0xC8, 'S'}, {0xB6, 's'}, {0xB1, 'T'}, {0xBB, 't'},
    {0xD2, 'W'}, {0xD6, 'w'}, {0xBF, 'x'}, {0xD7, 'z'},
}};

// The plain letter closest to a character: the key of a Greek letter, else its base letter
// without accents.
QChar LettreSimple(QChar c) {
    unsigned char octetGrec = 0;
    const bool grec = PourChaqueLettre([&](const LettreFonte& l) {
        if (l.lettre != c.unicode()) return false;
        octetGrec = l.octet;
        return true;
    });
    if (grec) {
        if (octetGrec < 0x80) return QLatin1Char(static_cast<char>(octetGrec));
        for (const auto& [octet, lettre] : kFrappeGrecque)
            if (octet == octetGrec) return QLatin1Char(lettre);
        return QLatin1Char('?');
    }
    const QString decompose = QString(c).normalized(QString::NormalizationForm_KD);
    for (QChar d : decompose)
        if (d.unicode() < 0x80 && d.isLetterOrNumber()) return d;
    return QLatin1Char('?');
}

} // namespace

QChar DepuisWindows1252(unsigned char octet) {
    if (octet >= 0x80 && octet < 0xA0) return QChar(kWindows1252Haut[octet - 0x80]);
    return QChar(octet);
}

QString DepuisWindows1252(const QByteArray& octets) {
    QString s;
    s.reserve(octets.size());
    for (char o : octets)
        s.append(DepuisWindows1252(static_cast<unsigned char>(o)));
    return s;
}

QChar LettreGrecque(unsigned char octet) {
    QChar trouvee;
    PourChaqueLettre([&](const LettreFonte& l) {
        if (l.octet == octet && octet >= 0x80) {
            trouvee = QChar(l.lettre);
            return true;
        }
        return false;
    });
    return trouvee;
}

bool OctetDe(QChar c, Champ champ, unsigned char& octet) {
    if (champ == Champ::Grec) {
        if (c.unicode() == 0x00B5) { // micro sign: the same byte as mu
            octet = 0xB5;
            return true;
        }
        const bool grec = PourChaqueLettre([&](const LettreFonte& l) {
            if (l.lettre == c.unicode()) {
                octet = l.octet;
                return true;
            }
            return false;
        });
        if (grec) return true;
        if (!OctetWindows1252(c, octet)) return false;
        // A byte that the Greek font uses for a letter no longer carries its French letter.
        return octet < 0x80 || LettreGrecque(octet).isNull();
    }
    return OctetWindows1252(c, octet);
}

QString Decoder(const QByteArray& octets, Champ champ) {
    QString s;
    s.reserve(octets.size());
    for (char o : octets) {
        const auto b = static_cast<unsigned char>(o);
        const QChar grec = champ == Champ::Grec ? LettreGrecque(b) : QChar();
        s.append(grec.isNull() ? DepuisWindows1252(b) : grec);
    }
    return s;
}

QByteArray Encoder(const QString& texte, Champ champ, int* remplaces) {
    QByteArray octets;
    octets.reserve(texte.size());
    for (QChar c : texte) {
        unsigned char b = 0;
        if (OctetDe(c, champ, b)) {
            octets.append(static_cast<char>(b));
            continue;
        }
        if (remplaces) ++*remplaces;
        const QChar simple = LettreSimple(c);
        octets.append(static_cast<char>(simple.unicode()));
    }
    return octets;
}

QByteArray Cp850VersWindows1252(const QByteArray& octets) {
    QByteArray r;
    r.reserve(octets.size());
    for (char o : octets) {
        const auto b = static_cast<unsigned char>(o);
        if (b < 0x80) {
            r.append(o);
            continue;
        }
        unsigned char w = '?';
        if (!OctetWindows1252(QChar(kCp850Haut[b - 0x80]), w)) w = '?';
        r.append(static_cast<char>(w));
    }
    return r;
}

QString FormeCanonique(const QString& texte) {
    QString s = texte;
    for (QChar& c : s) {
        if (c.unicode() == 0x00B5) {
            c = QChar(0x03BC);
            continue;
        }
        if (c.unicode() < 0x0391 || c.unicode() > 0x03D6) continue;
        unsigned char b = 0;
        if (OctetDe(c, Champ::Grec, b) && b < 0x80) c = QLatin1Char(static_cast<char>(b));
    }
    return s;
}

} // namespace pelavorine::codage
