#include "core/configuration/Teintes.h"

#include "core/store/Couleurs.h"

#include <QCoreApplication>
#include <array>

namespace pelavorine {

namespace {

constexpr std::int32_t c(std::uint32_t rvb) {
    return CouleurRvb(rvb);
}

const std::array<Teintes::Teinte, Teintes::Nombre> kTeintes = {{
    {QT_TRANSLATE_NOOP("Teintes", "Windows"), true, 0, 0, 0, 0},
    {QT_TRANSLATE_NOOP("Teintes", "Gris "), false, c(0xC0C0C0), c(0xC0C0C0), c(0x000000),
     c(0x000000)},
    {QT_TRANSLATE_NOOP("Teintes", "Gris clair"), false, c(0xE2E2E2), c(0xC0C0C0), c(0x0000FF),
     c(0x000000)},
    {QT_TRANSLATE_NOOP("Teintes", "Cyan"), false, c(0x00E0E0), c(0x00FFFF), c(0x0000FF),
     c(0x000000)},
    {QT_TRANSLATE_NOOP("Teintes", "Bleu"), false, c(0x0050F0), c(0x0000FF), c(0x00FFFF),
     c(0xFFFFFF)},
    {QT_TRANSLATE_NOOP("Teintes", "Vert"), false, c(0x00E0B6), c(0xE6FFC8), c(0x008080),
     c(0x000000)},
    {QT_TRANSLATE_NOOP("Teintes", "Rouge"), false, c(0xF05050), c(0xFF0000), c(0xFFFFFF),
     c(0xFFFF00)},
    {QT_TRANSLATE_NOOP("Teintes", "Beige"), false, c(0xF8EDD1), c(0xF5DDAF), c(0xD38918),
     c(0x000000)},
}};

} // namespace

const Teintes::Teinte& Teintes::Numero(int numero) {
    return kTeintes[numero >= 0 && numero < Nombre ? numero : 0];
}

QString Teintes::Nom(int numero) {
    return QCoreApplication::translate("Teintes", Numero(numero).nom);
}

} // namespace pelavorine
