#include "core/store/DonneesAbscisse.h"

#include "core/texte/CodageTexte.h"

#include <algorithm>
#include <cstring>

namespace pelavorine::abscisse {

namespace {
constexpr int kLongueurMax = 12;

std::size_t Octets(const std::vector<double>& donnees) {
    return donnees.size() * sizeof(double);
}
} // namespace

void EcrireChaine(std::vector<double>& donnees, int element, const QString& texte) {
    QByteArray octets = codage::Encoder(texte.left(kLongueurMax), codage::Champ::Grec);
    const std::size_t debut = static_cast<std::size_t>(element) * sizeof(double);
    if (debut >= Octets(donnees)) return;
    const std::size_t place = Octets(donnees) - debut - 1;
    octets.truncate(static_cast<int>(std::min<std::size_t>(place, octets.size())));
    auto* base = reinterpret_cast<unsigned char*>(donnees.data()) + debut;
    base[0] = static_cast<unsigned char>(octets.size());
    std::memcpy(base + 1, octets.constData(), static_cast<std::size_t>(octets.size()));
}

QString LireChaine(const std::vector<double>& donnees, int element) {
    const std::size_t debut = static_cast<std::size_t>(element) * sizeof(double);
    if (debut >= Octets(donnees)) return {};
    const auto* base = reinterpret_cast<const unsigned char*>(donnees.data()) + debut;
    const std::size_t longueur = std::min<std::size_t>(
        {base[0], static_cast<std::size_t>(kLongueurMax), Octets(donnees) - debut - 1});
    return codage::Decoder(
        QByteArray(reinterpret_cast<const char*>(base + 1), static_cast<int>(longueur)),
        codage::Champ::Grec);
}

} // namespace pelavorine::abscisse
