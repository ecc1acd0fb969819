#pragma once

#include <QCoreApplication>
#include <QString>

namespace pelavorine {

class Travail;

// The emergency save: the work written aside when the program meets an unexpected fault, and
// a mark that tells the next start whether this run ended cleanly. The user's own file is
// never replaced by it: the next start offers to reopen the emergency save instead.
class Secours {
    Q_DECLARE_TR_FUNCTIONS(Secours)

public:
    explicit Secours(const QString& fichier) : fichier_(fichier) {}

    const QString& Fichier() const { return fichier_; }

    // At start: whether the previous run ended without closing and left an emergency save,
    // then marks this run as running.
    bool DebutSession();
    // At a clean end: the mark goes, and with it the emergency save.
    void FinSession();
    // Writes the work to the emergency save (its folder is created); true when written.
    bool Sauver(Travail& travail);

    static QString MessageInstabilite();
    static QString QuestionReprise();

private:
    QString Marque() const { return fichier_ + QStringLiteral(".actif"); }
    QString fichier_;
};

} // namespace pelavorine
