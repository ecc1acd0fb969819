#pragma once

#include <QString>

namespace pelavorine {

class DialoguesFichier;
class Travail;

// Outcome of the open and save commands.
struct ResultatCommande {
    bool fait = false; // something was read or written
    int code = 0;      // the file error code shown (0: none)
};

// The save command: asks for a name when nom is empty, is not a work file name (".PL2",
// ".PLC", ".TXT") or names a read-only file; with confirmer asks "Enregistrer sous le nom …".
// By extension writes the work file or the text table; the previous file of that name stays
// whole until the new one is complete, and stays in place when nothing could be written.
ResultatCommande EnregistrerTravail(Travail& travail, DialoguesFichier& dialogues,
                                    const QString& nom, bool confirmer);

// The open command: asks for a file when nom is empty or missing; offers to save a modified
// work first; reads ".PL2", ".PLC" and ".TXT" files.
ResultatCommande OuvrirTravail(Travail& travail, DialoguesFichier& dialogues, const QString& nom);

} // namespace pelavorine
