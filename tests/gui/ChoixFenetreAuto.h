#pragma once

#include "core/windows/DonneesFenetre.h"
#include "gui/windows/DialogueChoixFenetre.h"

#include <QComboBox>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <optional>

// Window-number dialogs answered without showing, for as long as the object lives: each one's
// caption, offered titles and preselected title are noted, then OK is pressed (when it can be)
// on the title offered, or on the title of window `choix` when set; `choix` 0 cancels.
struct ChoixFenetreAuto {
    struct Demande {
        QString titre;
        QStringList offerts;
        QString preselection;
    };
    QList<Demande> demandes;
    std::optional<int> choix;

    ChoixFenetreAuto() {
        pelavorine::DialogueChoixFenetre::FixerInterception(
            [this](pelavorine::DialogueChoixFenetre& d) {
                Demande demande{d.windowTitle(), {}, d.Liste()->currentText()};
                for (int i = 0; i < d.Liste()->count(); ++i)
                    demande.offerts << d.Liste()->itemText(i);
                demandes << demande;
                if (choix == 0) return false;
                if (choix)
                    d.Liste()->setCurrentIndex(
                        d.Liste()->findText(pelavorine::DonneesFenetre::TitreDe(*choix)));
                return d.BoutonOk()->isEnabled();
            });
    }
    ~ChoixFenetreAuto() { pelavorine::DialogueChoixFenetre::FixerInterception(nullptr); }
};
