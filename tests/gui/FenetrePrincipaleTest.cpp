#include "app/FenetrePrincipale.h"

#include <QtTest>

class FenetrePrincipaleTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsTitleAndClosesCleanly() {
        pelavorine::FenetrePrincipale bureau;
        bureau.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bureau));
        QCOMPARE(bureau.windowTitle(), QStringLiteral(" PELAVORINE 2003"));
        QVERIFY(bureau.close());
        QVERIFY(!bureau.isVisible());
    }
};

QTEST_MAIN(FenetrePrincipaleTest)
#include "FenetrePrincipaleTest.moc"
