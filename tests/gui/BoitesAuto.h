#pragma once

#include "gui/ui/BoitesMessages.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QStringList>

// Message boxes answered "Oui" (or OK) without showing, noting their texts, for as long as the
// object lives.
struct BoitesAuto {
    QStringList textes;
    BoitesAuto() {
        pelavorine::BoitesMessages::FixerInterception(
            [this](QMessageBox& boite, pelavorine::BoitesMessages::Genre) {
                textes << boite.text();
                QAbstractButton* oui = boite.button(QMessageBox::Yes);
                return oui ? oui : boite.button(QMessageBox::Ok);
            });
    }
    ~BoitesAuto() { pelavorine::BoitesMessages::FixerInterception(nullptr); }
};
