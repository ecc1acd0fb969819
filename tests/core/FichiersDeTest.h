#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

// Whole files read and written by the tests of the file formats.
inline QByteArray Lire(const QString& nom) {
    QFile f(nom);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Ecrire(const QString& nom, const QByteArray& octets) {
    QFile f(nom);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

// While it lives, files cannot grow past a size: a write fails half-way, as on a full disk.
class LimiteTailleFichiers {
public:
    explicit LimiteTailleFichiers(rlim_t octets) {
        getrlimit(RLIMIT_FSIZE, &avant_);
        rlimit limite = avant_;
        limite.rlim_cur = octets;
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    }
    ~LimiteTailleFichiers() {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_);
    }
    LimiteTailleFichiers(const LimiteTailleFichiers&) = delete;
    LimiteTailleFichiers& operator=(const LimiteTailleFichiers&) = delete;

private:
    rlimit avant_{};
    void (*signal_)(int) = SIG_DFL;
};
