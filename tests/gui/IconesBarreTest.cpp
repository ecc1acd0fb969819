#include "core/bureau/CommandesBureau.h"
#include "core/configuration/Configuration.h"
#include "core/travail/Travail.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/ui/HoteBureau.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QXmlStreamReader>

using namespace pelavorine;

namespace {

// The icons are plain shapes: text would hang on the fonts installed, and masks, filters,
// markers or CSS the SVG Tiny renderer skips or only partly follows, without a word.
const QSet<QString> kElementsDessines{
    QStringLiteral("svg"),   QStringLiteral("g"),        QStringLiteral("path"),
    QStringLiteral("rect"),  QStringLiteral("circle"),   QStringLiteral("ellipse"),
    QStringLiteral("line"),  QStringLiteral("polyline"), QStringLiteral("polygon"),
    QStringLiteral("title"), QStringLiteral("desc")};

// The first element or attribute the renderer would skip, empty when there is none.
QString PremierEcart(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (!kElementsDessines.contains(xml.name().toString())) return xml.name().toString();
        for (const QXmlStreamAttribute& a : xml.attributes()) {
            const QString nom = a.name().toString();
            if (nom == QLatin1String("style") || nom == QLatin1String("class") ||
                a.value().contains(QLatin1String("url(")))
                return nom;
        }
    }
    return xml.hasError() ? xml.errorString() : QString();
}

} // namespace

class IconesBarreTest : public QObject {
    Q_OBJECT

private slots:
    void eachIconOfTheBarIsAPictureInItsSquare_data() {
        QTest::addColumn<QString>("nom");
        for (const IconeBureau& icone : IconesDuBureau())
            QTest::newRow(icone.nom) << QString::fromLatin1(icone.nom);
    }

    void eachIconOfTheBarIsAPictureInItsSquare() {
        QFETCH(QString, nom);
        QFile fichier(QDir(QStringLiteral(PELAVORINE_DONNEES))
                          .filePath(QStringLiteral("icons/%1.svg").arg(nom)));
        QVERIFY2(fichier.open(QIODevice::ReadOnly), qPrintable(fichier.fileName()));
        const QByteArray svg = fichier.readAll();
        QCOMPARE(PremierEcart(svg), QString());

        QSvgRenderer rendu(svg);
        QVERIFY(rendu.isValid());
        QCOMPARE(rendu.viewBoxF(), QRectF(0, 0, 24, 24));
        QCOMPARE(rendu.defaultSize(), QSize(24, 24));

        // Drawn at 24×24 in the middle of a larger transparent image: some opaque pixels,
        // some pixels left transparent (no background square), nothing past the square's edge.
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter peintre(&image);
        rendu.render(&peintre, QRectF(4, 4, 24, 24));
        peintre.end();
        int opaques = 0, transparents = 0, dehors = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                const bool dedans = x >= 4 && x < 28 && y >= 4 && y < 28;
                if (!dedans)
                    dehors += alpha != 0;
                else if (alpha == 255)
                    ++opaques;
                else if (alpha == 0)
                    ++transparents;
            }
        QVERIFY2(opaques > 0, "nothing opaque is drawn");
        QVERIFY2(transparents > 0, "the whole square is painted");
        QCOMPARE(dehors, 0);
    }

    // The desk's bar shows those pictures (not initials), and a caption under its picture.
    void theDeskShowsThePicturesOfItsBar() {
        QTemporaryDir dossier;
        const QString donnees = QStringLiteral(PELAVORINE_DONNEES);
        Configuration configuration(
            {donnees, dossier.path(), dossier.path(), dossier.path(), dossier.path()});
        HoteBureau hote;
        Travail travail(hote);
        FenetrePrincipale bureau(travail, configuration);
        for (const IconeBureau& icone : IconesDuBureau()) {
            const QString nom = QString::fromLatin1(icone.nom);
            const QAction* action = bureau.Icone(icone.commande);
            QVERIFY2(action, icone.nom);
            const QImage vue =
                action->icon().pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage dessin = QIcon(QDir(donnees).filePath("icons/" + nom + ".svg"))
                                      .pixmap(24, 24)
                                      .toImage()
                                      .convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!dessin.isNull() && vue == dessin, icone.nom);
        }
        const auto* bouton = bureau.BarreIcones()->findChild<QToolButton*>("BoutonScientifique");
        QVERIFY(bouton);
        QCOMPARE(bouton->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(bouton->text(), QStringLiteral("µ"));
        QCOMPARE(bouton->toolTip(), QStringLiteral("Bascule notation numérique"));
    }
};

QTEST_MAIN(IconesBarreTest)
#include "IconesBarreTest.moc"
