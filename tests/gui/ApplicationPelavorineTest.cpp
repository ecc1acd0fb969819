#include "gui/app/ApplicationPelavorine.h"
#include "gui/app/DialoguesBureau.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <QEvent>
#include <QTest>
#include <stdexcept>

using namespace pelavorine;

namespace {

// An object whose event handler fails the way an unexpected fault would.
class Fautif : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::runtime_error("violation d'accès");
        return QObject::event(e);
    }
};

} // namespace

class ApplicationPelavorineTest : public QObject {
    Q_OBJECT

private slots:
    void FaultGoesToTheHandlerAndTheProgramGoesOn() {
        auto* application = qobject_cast<ApplicationPelavorine*>(QCoreApplication::instance());
        QVERIFY(application);
        QStringList fautes;
        application->FixerGestionnaireFaute([&](const QString& texte) { fautes << texte; });
        Fautif fautif;
        QCoreApplication::postEvent(&fautif, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(fautes, QStringList{"violation d'accès"});
        // Later events are handled as usual.
        QCoreApplication::postEvent(&fautif, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(fautes.size(), 2);
    }

    void qtOwnTextsComeOutFrench() {
        auto* application = qobject_cast<ApplicationPelavorine*>(QCoreApplication::instance());
        QVERIFY(application);
        QVERIFY(application->TraductionsQtChargees());
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"),
                 QStringLiteral("&Nom de fichier :"));
        QDialogButtonBox boutons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
        QCOMPARE(boutons.button(QDialogButtonBox::Save)->text(), QStringLiteral("Enregistrer"));
        QCOMPARE(boutons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));

        // The desk's open dialog around its French panel, and the print dialog.
        DialogueFichier ouvrir(nullptr, true, QDir::tempPath(), QString(), 0, QString(), 0);
        QCOMPARE(ouvrir.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text(),
                 QStringLiteral("Voir dans :"));
        QPrinter imprimante;
        QPrintDialog impression(&imprimante);
        QStringList textes;
        for (const QAbstractButton* b : impression.findChildren<QAbstractButton*>())
            textes << b->text();
        for (const char* texte : {"Im&primer", "Annuler", "Imprimer tout"})
            QVERIFY2(textes.contains(QString::fromUtf8(texte)), qPrintable(textes.join('|')));
    }
};

int main(int argc, char** argv) {
    ApplicationPelavorine application(argc, argv);
    ApplicationPelavorineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ApplicationPelavorineTest.moc"
