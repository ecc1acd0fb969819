#include "core/store/ConversionOem.h"

#include "core/texte/CodageTexte.h"

#include <algorithm>
#include <string_view>

namespace pelavorine {

namespace {
// The French accented letters of code page 850: à â ç é è ê ë ï î ô ù û ü.
constexpr std::string_view kLettresCp850 = "\x85\x83\x87\x82\x8A\x88\x89\x8B\x8C\x93\x97\x96\x81";

bool EstLettreCp850(char c) {
    return kLettresCp850.find(c) != std::string_view::npos;
}
} // namespace

QByteArray ConvertirTexteOEM(const QByteArray& texte, int longueur) {
    if (std::none_of(texte.begin(), texte.end(), EstLettreCp850)) return texte;
    const QByteArray converti = codage::Cp850VersWindows1252(texte);
    return longueur >= 0 ? converti.left(longueur) : converti;
}

} // namespace pelavorine
