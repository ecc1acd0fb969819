#include "TravailDeTest.h"

#include "core/files/EcritureDos.h"
#include "core/files/ExportTexte.h"
#include "core/files/ImportTexte.h"
#include "core/files/LectureTableTexte.h"
#include "core/texte/CodageTexte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "FichiersDeTest.h"

using namespace pelavorine;

namespace {

QByteArray Octet(QChar c, codage::Champ champ) {
    unsigned char b = 0;
    EXPECT_TRUE(codage::OctetDe(c, champ, b)) << S(c);
    return QByteArray(1, static_cast<char>(b));
}

const QChar kTheta(0x03B8);

} // namespace

class FichierTexteTest : public TravailDeTest {
protected:
    QTemporaryDir dossier;
    int nbVariablesAvant = table.DerniereCase();

    ReglagesExportTexte Reglages(std::initializer_list<int> cases) {
        ReglagesExportTexte r;
        int k = 0;
        for (int s : cases)
            r.variables[static_cast<std::size_t>(k++)] = s;
        return r;
    }

    ResultatImportTexte Importer(const QByteArray& texte, const OptionsImportTexte& options) {
        return ImporterTexteMemoire(travail, texte, options);
    }
    ResultatImportTexte Importer(const QByteArray& texte) {
        return Importer(texte, OptionsImportTexte{});
    }

    bool Existe(const QString& nom) const { return table.IndexVariable(nom) != 0; }
};

// --- Export ------------------------------------------------------------------------------

TEST_F(FichierTexteTest, ExportWritesHeaderLinesAndKeepsAnAbsentFirstValueInItsColumn) {
    const int a = Table("A", {1.5, -2, 1e-7});
    const int b = Table("B", {10, 20, 30, 40, 123456.78901234567});
    Var(b).Unite = "V";
    Var(b).FixerAbscisseLineaire("T", 0.5, 0);
    ReglagesExportTexte r = Reglages({a, b});
    r.titre = "Essai";
    const QByteArray attendu = "Essai\r\n"
                               "[T(s) 200  Ech.X=0/2.5  Ech.Y=-1/1]\r\n"
                               "A\tB\r\n"
                               "\tV\r\n"
                               "dt=0\tdt=0.5\r\n"
                               "1,5\t10\r\n"
                               "-2\t20\r\n"
                               "1E-007\t30\r\n"
                               "\t40\r\n"
                               "\t123456,78901235\r\n";
    const QByteArray ecrit = TexteExport(travail, r, {0, 2.5, -1, 1});
    EXPECT_EQ(ecrit.toStdString(), attendu.toStdString());
}

TEST_F(FichierTexteTest, ExportWithSemicolonsPointAndNoConfigurationOmitsEmptyUnits) {
    const int a = Table("A", {1.25, 2});
    const int b = Table("B", {3, 4});
    ReglagesExportTexte r = Reglages({a, 0, b});
    r.ligneConfiguration = false;
    r.separateurDecimal = '.';
    r.separateurValeurs = ';';
    r.titre = "   ";
    EXPECT_EQ(TexteExport(travail, r, {}).toStdString(),
              std::string("A;B\r\ndt=0;dt=0\r\n1.25;3\r\n2;4\r\n"));
}

TEST_F(FichierTexteTest, ExportWritesGreekNamesAndUnitsAtTheirFontBytes) {
    const int v = Table(QString(kTheta) + "1", {1, 2});
    Var(v).Unite = QString(QChar(0x03A9)); // Ω
    ReglagesExportTexte r = Reglages({v});
    r.ligneConfiguration = false;
    r.titre = QString::fromUtf8("Température");
    int remplaces = -1;
    const QByteArray ecrit = TexteExport(travail, r, {}, &remplaces);
    const QByteArray attendu = "Temp\xe9rature\r\n" + Octet(kTheta, codage::Champ::Grec) + "1\r\n" +
                               Octet(QChar(0x03A9), codage::Champ::Grec) + "\r\ndt=0\r\n1\r\n2\r\n";
    EXPECT_EQ(ecrit.toHex().toStdString(), attendu.toHex().toStdString());
    EXPECT_EQ(remplaces, 0);
}

TEST_F(FichierTexteTest, ExportFileErrorsAndEmptyChoice) {
    const int a = Table("A", {1, 2});
    const QString nom = dossier.filePath("sortie.txt");

    ResultatExportTexte r = EcrireFichierTexte(travail, Reglages({}), {}, nom);
    EXPECT_FALSE(r.ecrit);
    EXPECT_EQ(r.code, 0);
    EXPECT_FALSE(QFile::exists(nom));

    r = EcrireFichierTexte(travail, Reglages({a}), {}, dossier.filePath("absent/sortie.txt"));
    EXPECT_EQ(r.code, -2);

    r = EcrireFichierTexte(travail, Reglages({a}), {}, nom);
    EXPECT_TRUE(r.ecrit);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(Lire(nom), TexteExport(travail, Reglages({a}), {}));
}

// --- Round trip ----------------------------------------------------------------------------

TEST_F(FichierTexteTest, ExportedFileReadsBackWithValuesUnitsStepsAndGreekNames) {
    const QString nomGrec = QString(kTheta) + "A";
    const int a = Table(nomGrec, {1.5, -2.25, 3e-12});
    const int b = Table("B", {10, 20, 30, 40, 50});
    Var(a).Unite = QString::fromUtf8("°C");
    Var(b).Unite = "V";
    Var(b).FixerAbscisseLineaire("T", 0.5, 0);
    ReglagesExportTexte r = Reglages({a, b});
    r.titre = "Essai";
    const QString nom = dossier.filePath("aller-retour.txt");
    ASSERT_TRUE(EcrireFichierTexte(travail, r, {0, 2, 0, 50}, nom).ecrit);

    HoteScripte autreHote;
    Travail autre(autreHote);
    const ResultatImportTexte lu = ImporterTexte(autre, nom, {});
    EXPECT_EQ(lu.code, 0);
    EXPECT_EQ(lu.ligneArret, 0);
    TableVariables& t = autre.Variables();
    const TypeId* va = t.Variable(t.IndexVariable(nomGrec));
    const TypeId* vb = t.Variable(t.IndexVariable("B"));
    ASSERT_TRUE(va && vb);
    EXPECT_EQ(va->Unite, QString::fromUtf8("°C"));
    EXPECT_EQ(vb->Unite, "V");
    ASSERT_EQ(va->NbPoints, 3);
    EXPECT_EQ(va->LirePoint(1), 1.5);
    EXPECT_EQ(va->LirePoint(2), -2.25);
    EXPECT_EQ(va->LirePoint(3), 3e-12);
    // The two values beyond A's end stay in B's column.
    ASSERT_EQ(vb->NbPoints, 5);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(vb->LirePoint(i), 10.0 * i) << "point " << i;
    double origine = 0, pas = 0;
    EXPECT_TRUE(vb->AbscisseLineaireDefinie(origine, pas));
    EXPECT_EQ(pas, 0.5);
    EXPECT_TRUE(lu.configuration.presente);
    EXPECT_EQ(lu.configuration.xMax, 2);
    EXPECT_EQ(lu.configuration.yMax, 50);
    EXPECT_TRUE(autreHote.messages.empty());
}

// --- Header forms and separators ---------------------------------------------------------------

struct CasEntete {
    const char* cas;
    QByteArray texte;
    // Expected variables: name and points (a single point is a scalar at index 0).
    std::vector<std::pair<QString, std::vector<double>>> variables;
};

void PrintTo(const CasEntete& c, std::ostream* os) {
    *os << c.cas;
}

class FormesEntete : public FichierTexteTest, public ::testing::WithParamInterface<CasEntete> {};

TEST_P(FormesEntete, ReadsTheVariables) {
    const CasEntete& c = GetParam();
    const ResultatImportTexte r = Importer(c.texte);
    EXPECT_EQ(r.code, 0);
    for (const auto& [nom, points] : c.variables) {
        ASSERT_TRUE(Existe(nom)) << S(nom);
        const TypeId& v = Var(nom);
        if (points.size() == 1) {
            EXPECT_TRUE(v.EstScalaire()) << S(nom);
            EXPECT_EQ(v.Genre, genre::Acquise);
            EXPECT_EQ(v.LirePoint(0), points[0]) << S(nom);
            continue;
        }
        ASSERT_EQ(v.NbPoints, static_cast<int>(points.size())) << S(nom);
        for (std::size_t i = 0; i < points.size(); ++i)
            EXPECT_EQ(v.LirePoint(static_cast<int>(i) + 1), points[i])
                << S(nom) << " point " << i + 1;
    }
    EXPECT_TRUE(hote.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    FichierTexteTest, FormesEntete,
    ::testing::Values(
        CasEntete{
            "semicolons_comma_decimal_single_line", "U1;U2\n1,5;2\n", {{"U1", {1.5}}, {"U2", {2}}}},
        CasEntete{"title_names_units_crlf",
                  "Mesures du jour\r\nX\tY\r\ns\tV\r\n1\t2\r\n3\t4\r\n",
                  {{"X", {1, 3}}, {"Y", {2, 4}}}},
        CasEntete{"title_used_as_names", "Tension\n1\n2\n-3\n", {{"TENSION", {1, 2, -3}}}},
        CasEntete{"title_then_four_spaces_names",
                  "Essai\nX    Y\n1 2\n+3   4E-1\n",
                  {{"X", {1, 3}}, {"Y", {2, 0.4}}}},
        CasEntete{"comments_blank_lines_and_cr",
                  "; fichier\r\r\nA;B\r; encore\r5;6\r7;8\r",
                  {{"A", {5, 7}}, {"B", {6, 8}}}},
        CasEntete{
            "column_T_becomes_T_EXT", "T\tU\n0\t1\n1\t2\n", {{"T_EXT", {0, 1}}, {"U", {1, 2}}}},
        CasEntete{"names_cleaned",
                  "U(1)\t:[k]\t1z\t()\n1\t2\t3\t4\n5\t6\t7\t8\n",
                  {{"U1", {1, 5}}, {"K", {2, 6}}, {"Z", {3, 7}}, {"Y4", {4, 8}}}},
        CasEntete{"data_stop_at_first_text_line", "A\n1\n2\nfin\n3\n", {{"A", {1, 2}}}},
        // An absent value keeps its column: the values after it do not move left.
        CasEntete{"empty_field_keeps_column",
                  "A\tB\tC\n1\t\t3\n4\t5\t6\n",
                  {{"B", {0, 5}}, {"C", {3, 6}}}},
        CasEntete{"leading_tab_keeps_column",
                  "A\tB\n1\t2\n3\t4\n\t6\n",
                  {{"A", {1, 3}}, {"B", {2, 4, 6}}}},
        CasEntete{"spaces_only_data", "A;B\n1   2\n3 4\n", {{"A", {1, 3}}, {"B", {2, 4}}}}),
    [](const ::testing::TestParamInfo<CasEntete>& i) { return std::string(i.param.cas); });

TEST_F(FichierTexteTest, UnitsKeepEmptyFieldsAndStepsGiveLinearAbscissae) {
    Importer("A\tB\tC\n\t[mV]\t(s)\ndt=0,5\tdt=-1\tdt=x\n1\t2\t3\n4\t5\t6\n");
    EXPECT_EQ(Var("A").Unite, "");
    EXPECT_EQ(Var("B").Unite, "mV");
    EXPECT_EQ(Var("C").Unite, "s");
    double origine = 1, pas = 0;
    ASSERT_TRUE(Var("A").AbscisseLineaireDefinie(origine, pas));
    EXPECT_EQ(pas, 0.5);
    EXPECT_EQ(origine, 0);
    EXPECT_FALSE(Var("B").AbscisseLineaireDefinie(origine, pas));
    EXPECT_FALSE(Var("C").AbscisseLineaireDefinie(origine, pas));
}

TEST_F(FichierTexteTest, ConfigurationLineGivesPointCountAbscissaAndLimits) {
    const ResultatImportTexte r =
        Importer("[Temps(ms) 3  ECHX=0/2  Ech.Y=-1,5/abc]\nA\n1\n2\n3\n4\n", {false, true, 0});
    const ConfigurationTexte& c = r.configuration;
    ASSERT_TRUE(c.presente);
    EXPECT_EQ(c.nomAbscisse, "Temps");
    EXPECT_EQ(c.uniteAbscisse, "ms");
    EXPECT_EQ(c.nbPoints, 3);
    EXPECT_TRUE(c.limitesXLues);
    EXPECT_EQ(c.xMax, 2);
    EXPECT_FALSE(c.limitesYLues);
    EXPECT_EQ(LireTableTexte("[X(s) 7]\nA\n1\n").configuration.nbPoints, 7); // count ends the line
    // Only the announced points are read.
    EXPECT_EQ(Points(table.IndexVariable("A")), (std::vector<double>{1, 2, 3}));
    // The window shows A against the abscissa of the configuration line, filled evenly.
    ASSERT_EQ(r.fenetre, 1);
    EXPECT_TRUE(Var("A").EstAffichee(1));
    EXPECT_EQ(travail.TableDesFenetres().NomAbscisse(1), "Temps");
    EXPECT_EQ(travail.TableDesFenetres().Donnees(1)->abscisse.unite, "ms");
    EXPECT_EQ(Points(table.IndexVariable("TEMPS")), (std::vector<double>{0, 1, 2}));
    EXPECT_FALSE(Var("TEMPS").EstAffichee(1));
}

// --- The window of an import ----------------------------------------------------------------

struct CasAxes {
    const char* cas;
    QByteArray texte;
    QString abscisse;
    QString unite;              // of the window's abscissa
    std::vector<double> points; // of the abscissa variable
    double xMin, xMax;          // manual limits of the X scale
    double yMin, yMax;          // manual limits of the Y scale, widened
    QString legende;
};

void PrintTo(const CasAxes& c, std::ostream* os) {
    *os << c.cas;
}

class AxesImport : public FichierTexteTest, public ::testing::WithParamInterface<CasAxes> {};

TEST_P(AxesImport, SettleTheWindow) {
    const CasAxes& c = GetParam();
    const ResultatImportTexte r = Importer(c.texte, {false, true, 0});
    const DonneesFenetre* f = travail.TableDesFenetres().Donnees(r.fenetre);
    ASSERT_TRUE(f);
    const int x = table.IndexVariable(c.abscisse);
    ASSERT_NE(x, 0);
    EXPECT_EQ(f->abscisse.variable, x);
    EXPECT_EQ(table.IndexVariable(f->abscisse.nom), x);
    EXPECT_EQ(f->abscisse.unite, c.unite);
    EXPECT_EQ(Points(x), c.points);
    EXPECT_EQ(Var(x).Fenetres, 0u) << "the abscissa is shown as a curve";
    EXPECT_EQ(f->echelleX.variable, x);
    EXPECT_EQ(f->echelleX.minimumManuel, c.xMin);
    EXPECT_EQ(f->echelleX.maximumManuel, c.xMax);
    EXPECT_DOUBLE_EQ(f->echelleY.minimumManuel, c.yMin);
    EXPECT_DOUBLE_EQ(f->echelleY.maximumManuel, c.yMax);
    EXPECT_DOUBLE_EQ(f->echelleY.minimum, c.yMin) << "Y scale not evaluated";
    EXPECT_EQ(f->Legende(), c.legende);
}

// The shown column A holds 1, 2, 4: widened by 0.3 each side, 0.7..4.3. A lone "A" line is the
// title, used as names line, and goes into the caption.
INSTANTIATE_TEST_SUITE_P(
    FichierTexteTest, AxesImport,
    ::testing::Values(
        CasAxes{"configuration_limits",
                "Essai\n[Temps(ms) 3  Ech.X=0/2  Ech.Y=-1,5/2]\nA\n1\n2\n4\n",
                "TEMPS",
                "ms",
                {0, 1, 2},
                0,
                2,
                -1.85,
                2.35,
                QString::fromUtf8("Fenêtre n° 1 : Essai")},
        CasAxes{"T_becomes_T_EXT_and_Y_unreadable",
                "[T(s) 3  Ech.X=0/4  Ech.Y=x/1]\nA\n1\n2\n4\n",
                "T_EXT",
                "s",
                {0, 2, 4},
                0,
                4,
                0.7,
                4.3,
                QString::fromUtf8("Fenêtre n° 1 : A")},
        CasAxes{"column_as_abscissa_keeps_its_points",
                "[X(V) 3  Ech.X=0/9]\nA\tX\n1\t5\n2\t7\n4\t6\n",
                "X",
                "V",
                {5, 7, 6},
                0,
                9,
                0.7,
                4.3,
                QString::fromUtf8("Fenêtre n° 1")},
        // Without X limits the abscissa counts the points and its range becomes the limits.
        CasAxes{"no_x_limits",
                "[X(s) 3  Ech.Y=/]\nA\n1\n2\n4\n",
                "X",
                "s",
                {0, 1, 2},
                0,
                2,
                0.7,
                4.3,
                QString::fromUtf8("Fenêtre n° 1 : A")}),
    [](const ::testing::TestParamInfo<CasAxes>& i) { return std::string(i.param.cas); });

TEST_F(FichierTexteTest, TimeColumnWithAStepSpansItElseItsOwnRange) {
    struct {
        QByteArray pas;
        QString unite;
        double xMin, xMax;
    } const cas[] = {
        {"dt=0,5\tdt=0", "s", 0, 1}, // (3 − 1) × 0.5
        {"dt=0\tdt=0", "ms", 10, 30},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.pas.toStdString());
        HoteScripte h;
        Travail w(h);
        TableVariables& t = w.Variables();
        const ResultatImportTexte r = ImporterTexteMemoire(
            w, "T\tU\nms\tV\n" + c.pas + "\n10\t1\n20\t2\n30\t4\n", {false, true, 0});
        const DonneesFenetre* f = w.TableDesFenetres().Donnees(r.fenetre);
        ASSERT_TRUE(f);
        const int x = t.IndexVariable("T_EXT");
        EXPECT_EQ(f->abscisse.variable, x);
        EXPECT_EQ(f->abscisse.unite, c.unite);
        EXPECT_EQ(f->echelleX.variable, x);
        EXPECT_EQ(f->echelleX.minimumManuel, c.xMin);
        EXPECT_EQ(f->echelleX.maximumManuel, c.xMax);
        EXPECT_EQ(f->echelleX.maximum, 30) << "X scale not following T_EXT";
        EXPECT_EQ(t.Variable(x)->Fenetres, 0u);
        // Only U is shown: 1..4 widened.
        EXPECT_DOUBLE_EQ(f->echelleY.minimumManuel, 0.7);
        EXPECT_DOUBLE_EQ(f->echelleY.maximumManuel, 4.3);
    }
}

TEST_F(FichierTexteTest, YLimitsAreTheShownDataWidenedAndRoundedOutwards) {
    const ResultatImportTexte r = Importer("A\tB\n0\t-1\n1,234\t0,5\n", {false, true, 0});
    const DonneesFenetre* f = travail.TableDesFenetres().Donnees(r.fenetre);
    ASSERT_TRUE(f);
    // -1..1.234 widened by 0.2234 each side, then to 3 digits away from the data.
    EXPECT_DOUBLE_EQ(f->echelleY.minimumManuel, -1.23);
    EXPECT_DOUBLE_EQ(f->echelleY.maximumManuel, 1.46);
    // Without a time column the window keeps T.
    EXPECT_EQ(f->abscisse.nom, "T");
    // Variables already shown in a reused window count too: -1..6.
    OptionsImportTexte meme{false, true, mode_import::MemeFenetre};
    meme.fenetrePrecedente = r.fenetre;
    Importer("C\n5\n6\n", meme);
    EXPECT_DOUBLE_EQ(f->echelleY.minimumManuel, -1.7);
    EXPECT_DOUBLE_EQ(f->echelleY.maximumManuel, 6.7);
}

TEST_F(FichierTexteTest, ConfigurationGoesToTheCurrentWindowWhenNoneIsSettled) {
    ASSERT_EQ(travail.TableDesFenetres().FenetreCourante(), 1);
    const DonneesFenetre* f = travail.TableDesFenetres().Donnees(1);
    Importer("Essai\n[X(V) 3  Ech.X=0/9  Ech.Y=-2/2]\nX\tA\n1\t5\n2\t7\n3\t6\n");
    EXPECT_EQ(f->Legende(), QString::fromUtf8("Fenêtre n° 1 : Essai"));
    EXPECT_EQ(f->abscisse.variable, table.IndexVariable("X"));
    EXPECT_EQ(f->echelleX.maximumManuel, 9);
    EXPECT_EQ(f->echelleY.minimumManuel, -2) << "widened without a settled window";
    // An abscissa never made, here because the read stopped, falls back to T.
    const ResultatImportTexte r = Importer("[Temps(s) 4]\nB\n1\n2\nx\n3\n", {false, true, 0});
    const DonneesFenetre* g = travail.TableDesFenetres().Donnees(r.fenetre);
    ASSERT_TRUE(g);
    EXPECT_FALSE(Existe("TEMPS"));
    EXPECT_EQ(g->abscisse.nom, "T");
    EXPECT_EQ(g->abscisse.variable, table.CaseTemps());
}

TEST_F(FichierTexteTest, ShowingUsesTheFirstFourValueColumnsAndRaisesNbPoint) {
    std::string lignes = "A\tB\tC_EXT\tD\tE\tF\n";
    for (int i = 0; i < 250; ++i)
        lignes += "1\t2\t3\t4\t5\t6\n";
    const ResultatImportTexte r = Importer(QByteArray::fromStdString(lignes), {false, true, 0});
    EXPECT_EQ(table.NbPoint(), 250);
    ASSERT_EQ(r.fenetre, 1);
    for (const char* nom : {"A", "B", "D", "E"})
        EXPECT_TRUE(Var(nom).EstAffichee(1)) << nom;
    for (const char* nom : {"C_EXT", "F"})
        EXPECT_FALSE(Var(nom).EstAffichee(1)) << nom;
    EXPECT_EQ(Var("F").NbPoints, 250);

    // A single data line makes scalars and shows nothing.
    EXPECT_EQ(Importer("G\tH\n1\t2\n", {false, true, 0}).fenetre, 0);
    EXPECT_FALSE(Var("G").EstAffichee(1));
}

TEST_F(FichierTexteTest, ImportsGoToAFreeWindowOrTheRememberedOne) {
    Table("A", {1, 2});
    Var("A").AfficherDans(1, true);
    const ResultatImportTexte premier = Importer("B\tC\n1\t2\n3\t4\n", {false, true, 0});
    EXPECT_EQ(premier.fenetre, 2);
    EXPECT_TRUE(Var("B").EstAffichee(2));
    EXPECT_EQ(travail.Fenetres().FenetreCourante(), 2);
    const ResultatImportTexte suivant = Importer("D\tE\n1\t2\n3\t4\n", {false, true, 0});
    EXPECT_EQ(suivant.fenetre, 3);
    OptionsImportTexte meme{false, true, mode_import::MemeFenetre};
    meme.fenetrePrecedente = premier.fenetre;
    EXPECT_EQ(Importer("F\tG\n1\t2\n3\t4\n", meme).fenetre, 2);
    EXPECT_TRUE(Var("F").EstAffichee(2));
}

TEST_F(FichierTexteTest, ResetEmptiesTheWorkAndShowsInWindow1) {
    Table("ANCIEN", {1, 2});
    travail.TableDesFenetres().Creer(3);
    travail.TableDesFenetres().FixerCourante(3);
    const ResultatImportTexte r = Importer("A\tB\n1\t2\n3\t4\n", {true, true, 0});
    EXPECT_FALSE(Existe("ANCIEN"));
    EXPECT_EQ(r.fenetre, 1);
    EXPECT_TRUE(Var("A").EstAffichee(1));
}

TEST_F(FichierTexteTest, MoreLinesThanATableHoldsAreCutAndSaid) {
    std::string lignes = "A\tB\n";
    for (int i = 1; i <= 0xFFFF + 2; ++i)
        lignes += std::to_string(i) + "\t1\n";
    const ResultatImportTexte r = Importer(QByteArray::fromStdString(lignes));
    EXPECT_TRUE(r.tronque);
    EXPECT_EQ(table.NbPoint(), 0xFFFF);
    EXPECT_EQ(Var("A").NbPoints, 0xFFFF);
    EXPECT_EQ(Var("A").LirePoint(0xFFFF), 0xFFFF);
}

TEST_F(FichierTexteTest, AbscissaColumnFillsTheOwnAbscissaOfItsVariable) {
    Importer("Y_X\tY\n0.1\t5\n0.3\t6\n");
    const TypeId& y = Var("Y");
    EXPECT_FALSE(Existe("Y_X"));
    EXPECT_EQ(y.NbPoints, 2);
    EXPECT_EQ(y.AbscissePropre(1), 0.1);
    EXPECT_EQ(y.AbscissePropre(2), 0.3);
}

TEST_F(FichierTexteTest, ChannelsAndTimeAreNeverOverwritten) {
    Importer("EA0\tT\n1\t2\n3\t4\n");
    EXPECT_EQ(Var("EA0").Genre, 6) << "channel redefined";
    EXPECT_EQ(Var("T").NbPoints, 200);
    EXPECT_EQ(Points(table.IndexVariable("T_EXT")), (std::vector<double>{2, 4}));
    int copie = 0;
    for (int slot = table.PremiereCaseUtilisateur(); slot <= table.DerniereCase(); ++slot)
        if (table.Variable(slot) && Var(slot).Nom.startsWith("EA0")) copie = slot;
    ASSERT_NE(copie, 0);
    EXPECT_EQ(Points(copie), (std::vector<double>{1, 3}));
}

TEST_F(FichierTexteTest, AddModeWithUniqueNamesKeepsTheExistingVariable) {
    Table("A", {9, 9});
    Importer("A\n1\n2\n", {false, false, mode_import::Ajouter | mode_import::NomsUniques});
    EXPECT_EQ(Points(table.IndexVariable("A")), (std::vector<double>{9, 9}));
    EXPECT_EQ(Points(table.IndexVariable("A1")), (std::vector<double>{1, 2}));
    // Without those bits the variable is redefined.
    Importer("A\n1\n2\n");
    EXPECT_EQ(Points(table.IndexVariable("A")), (std::vector<double>{1, 2}));
}

// --- Malformed data ----------------------------------------------------------------------------

TEST_F(FichierTexteTest, BadFirstLineRefusedLeavesTheWorkIntact) {
    Table("A", {7, 8});
    const int derniere = table.DerniereCase();
    hote.reponses = {false};
    const ResultatImportTexte r = Importer("A\tB\n1\tx\n2\t3\n");
    EXPECT_TRUE(r.abandonne);
    EXPECT_EQ(hote.Textes(HoteScripte::Genre::Question),
              QStringList{QString::fromUtf8("ERREUR en lecture de données. Continuer ?")});
    EXPECT_EQ(table.DerniereCase(), derniere);
    EXPECT_FALSE(Existe("B"));
    EXPECT_EQ(Points(table.IndexVariable("A")), (std::vector<double>{7, 8}));
}

TEST_F(FichierTexteTest, BadFirstLineAcceptedStoresZero) {
    hote.reponses = {true};
    Importer("A\tB\n1\tx\n2\t3\n");
    EXPECT_EQ(Points(table.IndexVariable("B")), (std::vector<double>{0, 3}));
    EXPECT_EQ(Points(table.IndexVariable("A")), (std::vector<double>{1, 2}));
}

TEST_F(FichierTexteTest, BadLaterLineStopsThereAndSaysSo) {
    // With a configuration line every announced line is data.
    const ResultatImportTexte r = Importer("[T(s) 4]\nA;B\n1;2\n3;4\n5;6e\n7;8\n");
    EXPECT_EQ(r.ligneArret, 3);
    EXPECT_EQ(hote.Textes(HoteScripte::Genre::Erreur),
              QStringList{QString::fromUtf8("Donnée incorrecte à la ligne 3 : lecture arrêtée")});
    EXPECT_EQ(Points(table.IndexVariable("A")), (std::vector<double>{1, 3}));
    EXPECT_EQ(Points(table.IndexVariable("B")), (std::vector<double>{2, 4}));
    EXPECT_TRUE(hote.Textes(HoteScripte::Genre::Question).isEmpty());
}

TEST_F(FichierTexteTest, NothingToReadChangesNothing) {
    const int derniere = table.DerniereCase();
    for (const QByteArray& texte :
         {QByteArray(), QByteArray("Titre\nA\tB\n"), QByteArray("; rien\n\n")}) {
        const ResultatImportTexte r = Importer(texte);
        EXPECT_EQ(r.nbLignes, 0) << texte.toStdString();
        EXPECT_EQ(table.DerniereCase(), derniere) << texte.toStdString();
    }
    EXPECT_TRUE(hote.messages.empty());
}

// --- Encodings ------------------------------------------------------------------------------

struct CasCodage {
    const char* cas;
    QByteArray texte;
};

void PrintTo(const CasCodage& c, std::ostream* os) {
    *os << c.cas;
}

class Codages : public FichierTexteTest, public ::testing::WithParamInterface<CasCodage> {};

// The same table in UTF-8, in Windows-1252 with the Greek-font byte, and typed in code page 850.
TEST_P(Codages, GiveTheSameNamesAndUnits) {
    Importer(GetParam().texte);
    ASSERT_TRUE(Existe(QString(kTheta) + "A")) << GetParam().cas;
    const TypeId& v = Var(QString(kTheta) + "A");
    EXPECT_EQ(v.Unite, QString::fromUtf8("°C"));
    EXPECT_EQ(Points(table.IndexVariable(QString(kTheta) + "A")), (std::vector<double>{1, 2}));
    EXPECT_EQ(Var(QString::fromUtf8("ÉTÉ")).NbPoints, 2) << GetParam().cas;
}

INSTANTIATE_TEST_SUITE_P(
    FichierTexteTest, Codages,
    ::testing::Values(
        CasCodage{"utf8", QByteArray::fromStdString("\xce\xb8"
                                                    "A\t\xc3\x89T\xc3\x89\n\xc2\xb0"
                                                    "C\n1\t3\n2\t4\n")},
        CasCodage{"utf8_bom", QByteArray::fromStdString("\xef\xbb\xbf\xce\xb8"
                                                        "A\t\xc3\x89T\xc3\x89\n\xc2\xb0"
                                                        "C\n1\t3\n2\t4\n")},
        CasCodage{"windows1252", Octet(kTheta, codage::Champ::Grec) + "A\t\xc9T\xc9\n\xb0"
                                                                      "C\n1\t3\n2\t4\n"}),
    [](const ::testing::TestParamInfo<CasCodage>& i) { return std::string(i.param.cas); });

TEST_F(FichierTexteTest, Windows1252ByteThatIsNotUtf8IsReadAsWindows1252) {
    // 0xE9 alone is not valid UTF-8: the whole file is Windows-1252 (é in the unit).
    Importer("A\tB\nd\xe9g\n1\t1\n2\t2\n");
    EXPECT_EQ(Var("A").Unite, QString::fromUtf8("dég"));
}

TEST_F(FichierTexteTest, LineTypedInCodePage850IsConverted) {
    // "é" is 0x82 in code page 850.
    Importer("A\tB\nd\x82g\n1\t1\n2\t2\n");
    EXPECT_EQ(Var("A").Unite, QString::fromUtf8("dég"));
}

// Line by line, a Windows-1252 line holding … – — “ ” (à û ù ô ö in code page 850) was
// converted from the DOS code page: the code page is now the whole file's.
TEST_F(FichierTexteTest, CodePageIsDecidedOnTheWholeFile) {
    const QString donnees = qEnvironmentVariable("PELAVORINE_TEST_DATA");
    const QDir dossier(donnees.isEmpty()
                           ? QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../data")
                           : donnees);
    struct Cas {
        const char* fichier;
        const char* titre;
        const char* unites;
    };
    for (const Cas& c :
         {Cas{"windows1252.txt", "Décharge d’un condensateur – essai “rapide”… — été", "s\tV\tms"},
          Cas{"dos850.txt", "Mesure à 20 °C : tension aux bornes, durée 5 µs", "s\tV\tμs"}}) {
        const QByteArray octets = Lire(dossier.filePath(QStringLiteral("import/") + c.fichier));
        ASSERT_FALSE(octets.isEmpty()) << c.fichier;
        const TableTexte t = LireTableTexte(octets);
        EXPECT_EQ(t.titre, QString::fromUtf8(c.titre)) << c.fichier;
        EXPECT_EQ(t.noms, QString::fromUtf8("Temps\tTension\tDurée")) << c.fichier;
        EXPECT_EQ(t.unites, QString::fromUtf8(c.unites)) << c.fichier; // μ: the Greek font's
    }
}

TEST(EcritureDos, WeighsTheBytesTypicalOfEachCodePage) {
    struct Cas {
        QByteArray octets;
        bool dos;
        const char* pourquoi;
    };
    const Cas cas[] = {
        {"dur\x82"
         "e \x85 20 \xf8"
         "C",
         true, "é à of code page 850, with its °"},
        {"\x93rapide\x94 \x96 \xe9t\xe9", false, "Windows-1252 letters outweigh … – “ ”"},
        {"l\x92"
         "eau",
         false, "’ belongs to Windows-1252"},
        {"Essai \x96 1", true, "bytes of both alone read as letters, as before"},
        {"5 \xe6s, 12 \xf8"
         "C",
         false, "µ ° alone decide nothing"},
        {"Tension", false, "nothing above 0x7F"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(EcritEnDos(c.octets), c.dos) << c.pourquoi;
}

// --- Files ----------------------------------------------------------------------------------

TEST_F(FichierTexteTest, MissingFileIsCode3AndHandedOverFileIsDeleted) {
    EXPECT_EQ(ImporterTexte(travail, dossier.filePath("absent.txt"), {}).code, 3);
    const QString transmis = dossier.filePath("DATA$$$.TXT");
    Ecrire(transmis, "A\n1\n2\n");
    EXPECT_EQ(ImporterTexte(travail, transmis, {}).code, 0);
    EXPECT_FALSE(QFile::exists(transmis));
    EXPECT_EQ(Points(table.IndexVariable("A")), (std::vector<double>{1, 2}));
}
