#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace pelavorine {

class StockageConfiguration;

// The external modules that the configuration file "PELAVORINE.CFG" names in its section
// "Externes" (caption=path): programs the desk starts, or processing libraries it loads, from
// its "E&xécuter" menu. Only modules whose file was found are kept.
class ModulesExternes {
public:
    struct Module {
        QString titre;  // the caption, trimmed
        QString chemin; // full path of the file found
    };

    // Reads the configuration file of the program folder. A path that names no file is
    // looked for around the program folder and then among the "Externes" values of the
    // settings store (the stored full paths of modules).
    void Lire(const QString& dossierProgramme, const StockageConfiguration& stockage);
    // The same with the module lines and the stored paths given.
    void Lire(const QList<Module>& lignes, const QString& dossierProgramme,
              const QStringList& cheminsMemorises);

    const QList<Module>& Liste() const { return modules_; }
    bool Vide() const { return modules_.isEmpty(); }

    // Section "Externes" of an INI file, in file order (empty when the file cannot be read).
    static QList<Module> LireFichier(const QString& fichier);
    // Where a module's file is, or empty.
    static QString Rechercher(const QString& chemin, const QString& dossierProgramme,
                              const QStringList& cheminsMemorises);
    // The process name of a module: its file name cut to 20 characters, then before its
    // first ".", followed by ".exe".
    static QString NomProcessus(const QString& chemin);
    // A running process has the module's name (without ".exe", without regard to case).
    static bool EnCours(const QString& chemin, const QString& racineProcessus = "/proc");

private:
    QList<Module> modules_;
};

} // namespace pelavorine
