#include "gui/app/InstanceUnique.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace pelavorine;

class InstanceUniqueTest : public QObject {
    Q_OBJECT

private slots:
    void LaterStartHandsItsArgumentsOver() {
        QTemporaryDir configuration;
        InstanceUnique seconde(configuration.path());
        QVERIFY(!seconde.TransmettreAPremiere({"essai.PL2"})); // no desk running yet

        InstanceUnique premiere(configuration.path());
        QVERIFY(premiere.Ecouter());
        QSignalSpy arguments(&premiere, &InstanceUnique::ArgumentsRecus);
        QVERIFY(seconde.TransmettreAPremiere({"/home/élève/essai.PL2", "/TAMIS"}));
        QVERIFY(arguments.wait(2000));
        QCOMPARE(arguments.at(0).at(0).toStringList(),
                 (QStringList{"/home/élève/essai.PL2", "/TAMIS"}));

        // Another configuration folder is another desk.
        QTemporaryDir autre;
        QVERIFY(InstanceUnique::NomServeur(autre.path()) !=
                InstanceUnique::NomServeur(configuration.path()));
        QVERIFY(!InstanceUnique(autre.path()).TransmettreAPremiere({}));
    }

    void OtherProgramsSendTextData() {
        QTemporaryDir configuration;
        InstanceUnique desk(configuration.path());
        QVERIFY(desk.Ecouter());
        QSignalSpy donnees(&desk, &InstanceUnique::DonneesRecues);
        const QString table = "/DATA_TXT/U\tθ\n1\t2\n";
        QVERIFY(InstanceUnique::EnvoyerDonnees(InstanceUnique::NomServeur(configuration.path()), 9,
                                               table));
        QVERIFY(donnees.wait(2000));
        QCOMPARE(donnees.at(0).at(0).value<std::uint32_t>(), 9u);
        QCOMPARE(donnees.at(0).at(1).toString(), table);
    }
};

QTEST_MAIN(InstanceUniqueTest)
#include "InstanceUniqueTest.moc"
