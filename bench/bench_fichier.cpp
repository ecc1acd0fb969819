// The work file of 50 acquired variables x 10000 points (about 4 MB) against moving the same
// number of bytes through a plain file in the same run, in wall-clock time since the disk is
// part of the cost. EcrireTravail / EcrireOctets: what building the records costs on top of
// writing the bytes (both replace the file through QSaveFile, flushed to disk, as the work
// file is). LireTravail / LireOctets: what checking the records and rebuilding the variables
// costs on top of reading the bytes. ComposerTravail is the write without the disk.
#include "core/files/FichierTravail.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cmath>

namespace {

using pelavorine::FichierTravail;

constexpr int kVariables = 50;
constexpr int kPoints = 10000;
// The points alone: kVariables arrays of points 0..kPoints.
constexpr qint64 kOctetsPoints = qint64{kVariables} * (kPoints + 1) * 8;

struct Travail50x10000 {
    pelavorine::HoteScripte hote;
    pelavorine::Travail travail{hote};
    Travail50x10000() {
        auto& t = travail.Variables();
        t.ChangerNbPoints(kPoints, true);
        for (int k = 0; k < kVariables; ++k) {
            const int slot =
                t.CreerVariable(QStringLiteral("V%1").arg(k), kPoints, pelavorine::genre::Acquise);
            for (int i = 1; i <= kPoints; ++i)
                t.Variable(slot)->EcrirePoint(i, std::sin(i * 0.001 * (k + 1)) + 0.01 * k);
        }
    }
};

// The work and its file in a temporary folder, checked once: a file much smaller than the
// points would mean the bench measures something else.
struct Fixture {
    QTemporaryDir dossier;
    QString nom = dossier.filePath(QStringLiteral("travail.PL2"));
    Travail50x10000 w;
    pelavorine::EnregistrementsConserves conserves;
    qint64 taille = 0;

    bool Preparer(benchmark::State& state) {
        if (!dossier.isValid()) {
            state.SkipWithError("dossier temporaire impossible");
            return false;
        }
        if (FichierTravail::EcrireTravail(w.travail, nom, conserves) != 0) {
            state.SkipWithError("ecriture du travail en erreur");
            return false;
        }
        taille = QFileInfo(nom).size();
        if (taille < kOctetsPoints) {
            state.SkipWithError("le fichier ne contient pas les points");
            return false;
        }
        return true;
    }
};

// Bytes of the same size as the work file (not constant, so nothing compresses them).
QByteArray Octets(qint64 taille) {
    QByteArray octets(taille, '\0');
    for (qint64 i = 0; i < taille; ++i)
        octets[i] = static_cast<char>((i * 2654435761u) >> 13);
    return octets;
}

void BM_EcrireTravail(benchmark::State& state) {
    Fixture f;
    if (!f.Preparer(state)) return;
    for (auto _ : state)
        if (FichierTravail::EcrireTravail(f.w.travail, f.nom, f.conserves) != 0)
            state.SkipWithError("ecriture du travail en erreur");
    state.SetBytesProcessed(state.iterations() * f.taille);
    state.counters["octets"] = static_cast<double>(f.taille);
}

void BM_ComposerTravail(benchmark::State& state) {
    Fixture f;
    if (!f.Preparer(state)) return;
    for (auto _ : state) {
        QByteArray octets = FichierTravail::Composer(f.w.travail, f.conserves, QString());
        benchmark::DoNotOptimize(octets.data());
    }
    state.SetBytesProcessed(state.iterations() * f.taille);
}

void BM_EcrireOctets(benchmark::State& state) {
    Fixture f;
    if (!f.Preparer(state)) return;
    const QByteArray octets = Octets(f.taille);
    const QString nom = f.dossier.filePath(QStringLiteral("octets.bin"));
    for (auto _ : state) {
        QSaveFile fichier(nom);
        if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size() ||
            !fichier.commit())
            state.SkipWithError("ecriture des octets en erreur");
    }
    state.SetBytesProcessed(state.iterations() * f.taille);
}

void BM_LireTravail(benchmark::State& state) {
    Fixture f;
    if (!f.Preparer(state)) return;
    // Read into a second work, as a fresh start-up builds it; every read resets it.
    pelavorine::HoteScripte hote;
    pelavorine::Travail lu{hote};
    pelavorine::EnregistrementsConserves conserves;
    for (auto _ : state)
        if (FichierTravail::LireTravail(lu, f.nom, FichierTravail::Toutes, conserves) != 0)
            state.SkipWithError("lecture du travail en erreur");
    const auto& t = lu.Variables();
    const auto& ecrite = f.w.travail.Variables();
    const pelavorine::TypeId* v = t.Variable(t.IndexVariable(QStringLiteral("V49")));
    const pelavorine::TypeId* w = ecrite.Variable(ecrite.IndexVariable(QStringLiteral("V49")));
    if (!v || !w || v->NbPoints != kPoints || v->LirePoint(kPoints) != w->LirePoint(kPoints))
        state.SkipWithError("les points relus ne sont pas ceux ecrits");
    state.SetBytesProcessed(state.iterations() * f.taille);
}

void BM_LireOctets(benchmark::State& state) {
    Fixture f;
    if (!f.Preparer(state)) return;
    const QString nom = f.dossier.filePath(QStringLiteral("octets.bin"));
    {
        QFile fichier(nom);
        if (!fichier.open(QIODevice::WriteOnly) || fichier.write(Octets(f.taille)) != f.taille) {
            state.SkipWithError("ecriture des octets en erreur");
            return;
        }
    }
    for (auto _ : state) {
        QFile fichier(nom);
        if (!fichier.open(QIODevice::ReadOnly)) state.SkipWithError("lecture des octets en erreur");
        const QByteArray octets = fichier.readAll();
        if (octets.size() != f.taille) state.SkipWithError("lecture des octets incomplete");
        benchmark::DoNotOptimize(octets.constData());
    }
    state.SetBytesProcessed(state.iterations() * f.taille);
}

} // namespace

BENCHMARK(BM_EcrireTravail)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ComposerTravail)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EcrireOctets)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LireTravail)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LireOctets)->Unit(benchmark::kMillisecond)->UseRealTime();
