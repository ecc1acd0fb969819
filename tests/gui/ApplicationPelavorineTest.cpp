#include "gui/app/ApplicationPelavorine.h"

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
};

int main(int argc, char** argv) {
    ApplicationPelavorine application(argc, argv);
    ApplicationPelavorineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ApplicationPelavorineTest.moc"
