#include "gui/app/DialogueQuitter.h"

#include <QPushButton>
#include <QTest>

using namespace pelavorine;

class DialogueQuitterTest : public QObject {
    Q_OBJECT

private slots:
    void WarningAndSaveOnlyForAModifiedWork() {
        for (bool modifie : {false, true}) {
            DialogueQuitter d(modifie);
            QCOMPARE(d.windowTitle(), " Quitter le logiciel");
            QCOMPARE(d.AvertissementVisible(), modifie);
            QCOMPARE(!d.Bouton(DialogueQuitter::Enregistrer)->isHidden(), modifie);
            QVERIFY(d.Bouton(DialogueQuitter::Quitter)->isDefault());
        }
    }

    void EachButtonGivesItsChoice() {
        for (auto choix :
             {DialogueQuitter::Quitter, DialogueQuitter::Annuler, DialogueQuitter::Enregistrer}) {
            DialogueQuitter d(true);
            d.show();
            QTest::mouseClick(d.Bouton(choix), Qt::LeftButton);
            QCOMPARE(d.Resultat(), choix);
            QCOMPARE(d.result() == QDialog::Accepted, choix == DialogueQuitter::Quitter);
        }
        DialogueQuitter d(false);
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(d.Resultat(), DialogueQuitter::Annuler);
    }
};

QTEST_MAIN(DialogueQuitterTest)
#include "DialogueQuitterTest.moc"
