#include "Signaux.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelavorine::simulation {

namespace {

// splitmix64: a good mixer of a counter, enough for a noise that must only be reproducible.
uint64_t Melanger(uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// Uniform in ]0, 1], never 0 so that the logarithm below stays finite.
double Uniforme(uint64_t x) {
    return (static_cast<double>(x >> 11) + 1.0) * 0x1.0p-53;
}

// Position within the period (µs), exact for whole µs.
double Phase(double tempsUs, double periodeUs) {
    const double phase = std::fmod(tempsUs, periodeUs);
    return phase < 0 ? phase + periodeUs : phase;
}

enum class Forme { Sinus, Carre, Triangle, Constante };

struct Signal {
    Forme forme = Forme::Constante;
    double amplitude = 0;
    double frequence = 0;
    double decalage = 0;
};

// The signals read from the settings; an empty entry keeps the default signal of the input.
// Set before any constructor runs: the library reads its settings while it loads.
constinit std::array<std::optional<Signal>, NbSignaux> gReglages{};

std::string_view SansEspaces(std::string_view s) {
    const auto debut = s.find_first_not_of(" \t\r");
    if (debut == std::string_view::npos) return {};
    const auto fin = s.find_last_not_of(" \t\r");
    return s.substr(debut, fin - debut + 1);
}

std::vector<std::string_view> Mots(std::string_view s) {
    std::vector<std::string_view> mots;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        const size_t debut = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t')
            ++i;
        if (i > debut) mots.push_back(s.substr(debut, i - debut));
    }
    return mots;
}

// A number written with a point, independent of the locale; "inf" and "nan" are refused.
std::optional<double> Nombre(std::string_view mot) {
    double v = 0;
    const auto [fin, erreur] = std::from_chars(mot.data(), mot.data() + mot.size(), v);
    if (erreur != std::errc{} || fin != mot.data() + mot.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool Egal(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != b[i]) return false;
    return true;
}

// "SINUS 2 50", "CARRE 1 100 0.5", "CONSTANTE 1.5"; nothing when the text does not read.
std::optional<Signal> LireSignal(std::string_view texte) {
    const auto mots = Mots(texte);
    if (mots.empty()) return std::nullopt;
    std::vector<double> nombres;
    for (size_t i = 1; i < mots.size(); ++i) {
        const auto n = Nombre(mots[i]);
        if (!n) return std::nullopt;
        nombres.push_back(*n);
    }
    Signal s;
    if (Egal(mots[0], "CONSTANTE")) {
        if (nombres.size() != 1) return std::nullopt;
        s.decalage = nombres[0];
        return s;
    }
    if (Egal(mots[0], "SINUS"))
        s.forme = Forme::Sinus;
    else if (Egal(mots[0], "CARRE"))
        s.forme = Forme::Carre;
    else if (Egal(mots[0], "TRIANGLE"))
        s.forme = Forme::Triangle;
    else
        return std::nullopt;
    if (nombres.size() != 2 && nombres.size() != 3) return std::nullopt;
    s.amplitude = nombres[0];
    s.frequence = nombres[1];
    s.decalage = nombres.size() == 3 ? nombres[2] : 0.0;
    // The period in µs must be a finite, non-zero duration.
    if (!(s.frequence > 0) || !std::isfinite(1e6 / s.frequence)) return std::nullopt;
    if (!std::isfinite(s.amplitude + s.decalage) || !std::isfinite(s.decalage - s.amplitude))
        return std::nullopt;
    return s;
}

// The program's settings file: the same place the program itself reads and writes.
std::filesystem::path FichierReglages() {
    const auto variable = [](const char* nom) -> std::string {
        const char* v = std::getenv(nom);
        return v ? v : "";
    };
    std::filesystem::path dossier = variable("PELAVORINE_CONFIG_DIR");
    if (dossier.empty()) {
        dossier = variable("XDG_CONFIG_HOME");
        if (dossier.empty() || dossier.is_relative()) {
            const std::string maison = variable("HOME");
            if (maison.empty()) return {};
            dossier = std::filesystem::path(maison) / ".config";
        }
    }
    return dossier / "Quandrel" / "Pelavorine2003.ini";
}

// The value as the settings file holds it: quotes, when present, enclose the whole text.
std::string_view SansGuillemets(std::string_view valeur) {
    if (valeur.size() >= 2 && valeur.front() == '"' && valeur.back() == '"')
        return valeur.substr(1, valeur.size() - 2);
    return valeur;
}

void LireFichierReglages() {
    const auto chemin = FichierReglages();
    if (chemin.empty()) return;
    std::ifstream fichier(chemin);
    if (!fichier) return;
    bool dansGroupe = false;
    std::string ligne;
    bool premiere = true;
    while (std::getline(fichier, ligne)) {
        std::string_view l = ligne;
        if (premiere && l.starts_with("\xEF\xBB\xBF")) l.remove_prefix(3);
        premiere = false;
        l = SansEspaces(l);
        if (l.empty() || l.front() == ';' || l.front() == '#') continue;
        if (l.front() == '[') {
            dansGroupe = l == "[SIMULATION]";
            continue;
        }
        if (!dansGroupe) continue;
        const auto egal = l.find('=');
        if (egal == std::string_view::npos) continue;
        const auto cle = SansEspaces(l.substr(0, egal));
        if (cle.size() != 3 || !cle.starts_with("EA") || cle[2] < '0' || cle[2] >= '0' + NbSignaux)
            continue;
        // The last value written for a name is the one that counts; an unreadable one leaves
        // the default signal.
        gReglages[cle[2] - '0'] = LireSignal(SansGuillemets(SansEspaces(l.substr(egal + 1))));
    }
}

} // namespace

void ChargerReglagesSignaux() {
    gReglages = {};
    // Called while loading and from an entry point: nothing may leave here, a settings file
    // that cannot be read only leaves the default signals.
    try {
        LireFichierReglages();
    } catch (...) {
        gReglages = {};
    }
}

double Bruit(double tempsUs, uint32_t lecture) {
    // The instant is taken to the nanosecond so that equal times give equal noise.
    const auto instant = static_cast<uint64_t>(std::llround(tempsUs * 1000.0));
    const uint64_t graine = Melanger(instant ^ (static_cast<uint64_t>(lecture) << 48));
    const double u1 = Uniforme(Melanger(graine));
    const double u2 = Uniforme(Melanger(graine + 1));
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
}

double TensionSignal(int entree, double tempsUs, uint32_t lecture) {
    const double t = tempsUs * 1e-6;
    if (entree >= 0 && entree < NbSignaux && gReglages[entree]) {
        const Signal& s = *gReglages[entree];
        const double periodeUs = 1e6 / s.frequence;
        switch (s.forme) {
        case Forme::Sinus:
            return s.decalage + s.amplitude * std::sin(2.0 * std::numbers::pi * s.frequence * t);
        case Forme::Carre:
            return s.decalage +
                   (Phase(tempsUs, periodeUs) < periodeUs / 2 ? s.amplitude : -s.amplitude);
        case Forme::Triangle: {
            const double u = Phase(tempsUs, periodeUs) / periodeUs; // 0..1 over one period
            return s.decalage + s.amplitude * (u < 0.5 ? 4.0 * u - 1.0 : 3.0 - 4.0 * u);
        }
        case Forme::Constante:
            return s.decalage;
        }
    }
    switch (entree) {
    case 0:
        return 2.0 * std::sin(2.0 * std::numbers::pi * 50.0 * t);
    case 1: // 50 Hz: +1 V during the first half of each 20 ms
        return Phase(tempsUs, 20000.0) < 10000.0 ? 1.0 : -1.0;
    case 2: { // 20 Hz: 0 V to 3 V in 25 ms, back to 0 V in 25 ms
        const double phase = Phase(tempsUs, 50000.0);
        return phase < 25000.0 ? 3.0 * phase / 25000.0 : 3.0 * (50000.0 - phase) / 25000.0;
    }
    case 3: // a capacitor charged through 10 ms, discharged every 100 ms
        return 5.0 * (1.0 - std::exp(-Phase(tempsUs, 100000.0) / 10000.0));
    case 4:
        return 0.5 * std::sin(2.0 * std::numbers::pi * 200.0 * t) + 0.05 * Bruit(tempsUs, lecture);
    case 5:
        return 1.5;
    default:
        return 0.0;
    }
}

} // namespace pelavorine::simulation
