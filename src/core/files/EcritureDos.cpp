#include "core/files/EcritureDos.h"

#include <array>

namespace pelavorine {

namespace {

enum class Indice : unsigned char { Aucun, Dos, Windows, Partage };

// What each byte from 0x80 up says of the code page.
constexpr std::array<Indice, 128> Indices() {
    std::array<Indice, 128> t{};
    // Code page 850 letters that Windows-1252 French text does not use: Ç ü é â ä ç ê ë è ï î
    // É (0x81 and 0x90 mean nothing in Windows-1252).
    for (unsigned char b : {0x80, 0x81, 0x82, 0x83, 0x84, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x90})
        t[b - 0x80] = Indice::Dos;
    // à ô ö û ù in code page 850, … “ ” – — in Windows-1252.
    for (unsigned char b : {0x85, 0x93, 0x94, 0x96, 0x97})
        t[b - 0x80] = Indice::Partage;
    // ‘ ’ • ™ œ: æ Æ ò Ö £ in code page 850, foreign to French.
    for (unsigned char b : {0x91, 0x92, 0x95, 0x99, 0x9C})
        t[b - 0x80] = Indice::Windows;
    // Windows-1252 letters and signs (° µ ² « » nbsp…), box drawing and rare letters in code
    // page 850; except µ ° ² ± of code page 850 (æ ø ý ñ in Windows-1252), the signs of a
    // laboratory's units.
    for (int b = 0xA0; b <= 0xFF; ++b)
        t[static_cast<std::size_t>(b - 0x80)] = Indice::Windows;
    for (unsigned char b : {0xE6, 0xF8, 0xFD, 0xF1})
        t[b - 0x80] = Indice::Aucun;
    return t;
}

constexpr std::array<Indice, 128> kIndices = Indices();

} // namespace

bool EcritEnDos(const QByteArray& octets) {
    int dos = 0, windows = 0, partages = 0;
    for (const char c : octets) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) continue;
        switch (kIndices[b - 0x80]) {
        case Indice::Dos:
            ++dos;
            break;
        case Indice::Windows:
            ++windows;
            break;
        case Indice::Partage:
            ++partages;
            break;
        case Indice::Aucun:
            break;
        }
    }
    if (dos != windows) return dos > windows;
    // Without either kind, the shared bytes are taken as letters, as a DOS file has them.
    return dos == 0 && partages > 0;
}

} // namespace pelavorine
