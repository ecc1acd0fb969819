#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>

namespace pelavorine {

class Travail;

// Text data pushed by another program into the running desk: the name of a text table file,
// or "/DATA_TXT/" followed by the table itself, with an import mode word. Keeps the window of
// the first import so that later ones can reuse it.
class ReceptionDonnees {
    Q_DECLARE_TR_FUNCTIONS(ReceptionDonnees)

public:
    static constexpr const char* PrefixeTable = "/DATA_TXT/";

    explicit ReceptionDonnees(Travail& travail) : travail_(travail) {}

    // Imports the data and requests the redraws; false (after the error box) when the text is
    // neither a ".TXT" name nor a table, or the import failed. Empty data does nothing.
    bool Recevoir(std::uint32_t mode, const QString& texte);
    static QString MessageFormatInconnu();

private:
    Travail& travail_;
    int fenetrePrecedente_ = 0;
};

} // namespace pelavorine
