#pragma once

#include <QString>

namespace pelavorine {

struct ReglagesExportTexte;

// What the open dialog returns: the file and the parts to read.
struct ChoixOuverture {
    QString nom; // empty: cancelled
    int parties = 15;
};

// What the save dialog returns.
struct ChoixEnregistrement {
    QString nom; // empty: cancelled
    QString description;
    bool compatible = false; // the second file type: the older form (.PLC)
};

// The dialogs of the open and save commands, and what the desk does around them. The desk
// shows real dialogs; the headless tool and the tests answer without asking.
class DialoguesFichier {
public:
    virtual ~DialoguesFichier() = default;

    virtual ChoixOuverture DemanderOuverture() = 0;
    // nomPropose: the current file name; description: the work's current description.
    virtual ChoixEnregistrement DemanderEnregistrement(const QString& nomPropose,
                                                       const QString& description) = 0;
    // The text export dialog: chooses the variables and separators; false when cancelled.
    virtual bool ReglerExportTexte(ReglagesExportTexte& reglages) = 0;
    // A file was read or written: the desk adds it to the history and remembers its folder
    // and pattern for the next dialog.
    virtual void FichierUtilise(const QString& /*nom*/) {}
    // The current file name or the modified flag changed: the desk refreshes its title.
    virtual void TitreChange() {}
};

} // namespace pelavorine
