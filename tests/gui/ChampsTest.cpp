#include "core/texte/CodageTexte.h"
#include "gui/ui/BoitesMessages.h"
#include "gui/ui/ChampChaine.h"
#include "gui/ui/ChampEntier.h"
#include "gui/ui/ChampReel.h"
#include "gui/ui/ChampScientifique.h"
#include "gui/ui/HoteBureau.h"
#include "gui/ui/MenuSaisie.h"
#include "gui/ui/SaisieGrecque.h"
#include "gui/ui/SelecteurGrec.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

using namespace pelavorine;

namespace {

// What the last intercepted box held, and the button the test presses in it.
struct Boites {
    int nombre = 0;
    BoitesMessages::Genre genre{};
    QString texte;
    QStringList boutons;
    QString parDefaut;
    QString reponse; // text of the button to press; empty: close without a button

    Boites() {
        BoitesMessages::FixerInterception([this](QMessageBox& boite, BoitesMessages::Genre g) {
            ++nombre;
            genre = g;
            texte = boite.text();
            boutons.clear();
            QAbstractButton* choisi = nullptr;
            for (QAbstractButton* b : boite.buttons()) {
                boutons << b->text();
                if (b->text() == reponse) choisi = b;
            }
            boutons.sort();
            parDefaut = boite.defaultButton() ? boite.defaultButton()->text() : QString();
            return choisi;
        });
    }
    ~Boites() { BoitesMessages::FixerInterception({}); }
    Boites(const Boites&) = delete;
    Boites& operator=(const Boites&) = delete;
};

// Types a text key by key; characters outside ASCII come as keys carrying that text.
void Taper(QWidget* w, const QString& texte) {
    for (QChar c : texte) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(w, c.toLatin1());
        } else {
            QKeyEvent e(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &e);
        }
    }
}

// A window with the field under test and a second field to move the focus to.
struct Fenetre {
    QWidget fenetre;
    QLineEdit* autre = new QLineEdit;

    explicit Fenetre(QWidget* champ) {
        auto* l = new QVBoxLayout(&fenetre);
        l->addWidget(champ);
        l->addWidget(autre);
        fenetre.show();
        fenetre.activateWindow();
        champ->setFocus(Qt::TabFocusReason);
    }
};

} // namespace

class ChampsTest : public QObject {
    Q_OBJECT
private slots:
    void keysAreFilteredByTheFieldsKind_data() {
        QTest::addColumn<std::function<QLineEdit*()>>("creer");
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<QString>("attendu");
        const auto scientifique = [](FormatScientific f) {
            return [f]() -> QLineEdit* {
                auto* c = new ChampScientifique;
                c->FixerFormat(f);
                c->clear();
                return c;
            };
        };
        const auto entier = [](GenreEntier g, JeuCaracteres jeu = {}) {
            return [g, jeu]() -> QLineEdit* {
                auto* c = new ChampEntier;
                c->FixerGenre(g);
                c->FixerJeu(jeu);
                c->clear();
                return c;
            };
        };
        const auto chaine = [](GenreChaine g) {
            return [g]() -> QLineEdit* {
                auto* c = new ChampChaine;
                c->FixerGenre(g);
                return c;
            };
        };
        const auto reel = []() -> QLineEdit* {
            auto* c = new ChampReel;
            c->clear();
            return c;
        };
        JeuCaracteres binaire;
        binaire.set('0');
        binaire.set('1');
        QTest::newRow("scientifique")
            << std::function<QLineEdit*()>(scientifique(FormatScientific::scScientific))
            << QStringLiteral("5,2 kVm/zµ") << QStringLiteral("52 km/µ");
        QTest::newRow("numerique")
            << std::function<QLineEdit*()>(scientifique(FormatScientific::scNumerique))
            << QStringLiteral("1.5e-3 kx") << QStringLiteral("1.5e-3");
        QTest::newRow("temps") << std::function<QLineEdit*()>(
                                      scientifique(FormatScientific::scTemps))
                               << QStringLiteral("1h 20 min 30sVk")
                               << QStringLiteral("1h 20 min 30s");
        QTest::newRow("reel") << std::function<QLineEdit*()>(reel) << QStringLiteral("-1,5e+3e-x+")
                              << QStringLiteral("-1,5E+3-+");
        QTest::newRow("entier") << std::function<QLineEdit*()>(entier(GenreEntier::fiInteger))
                                << QStringLiteral("-12-3a.") << QStringLiteral("-123");
        QTest::newRow("mot") << std::function<QLineEdit*()>(entier(GenreEntier::fiWord))
                             << QStringLiteral("-12a") << QStringLiteral("12");
        QTest::newRow("hexa") << std::function<QLineEdit*()>(entier(GenreEntier::fiHexa))
                              << QStringLiteral("$1f$g") << QStringLiteral("$1F");
        QTest::newRow("jeu") << std::function<QLineEdit*()>(entier(GenreEntier::fiUser, binaire))
                             << QStringLiteral("0121") << QStringLiteral("011");
        QTest::newRow("nom") << std::function<QLineEdit*()>(chaine(GenreChaine::geIdent))
                             << QStringLiteral("1_aB2_é?µ ") << QStringLiteral("aB2_éµ");
        QTest::newRow("fichier") << std::function<QLineEdit*()>(chaine(GenreChaine::geFichier))
                                 << QStringLiteral("a*b:c?d;e,f.txt")
                                 << QStringLiteral("abcdef.txt");
        QTest::newRow("tout") << std::function<QLineEdit*()>(chaine(GenreChaine::geTout))
                              << QStringLiteral("a*?;é") << QStringLiteral("a*?;é");
    }
    void keysAreFilteredByTheFieldsKind() {
        QFETCH(std::function<QLineEdit*()>, creer);
        QFETCH(QString, frappe);
        QFETCH(QString, attendu);
        QLineEdit* champ = creer();
        Fenetre f(champ);
        Taper(champ, frappe);
        QCOMPARE(champ->text(), attendu);
        // Backspace and cursor keys keep working in every kind.
        QTest::keyClick(champ, Qt::Key_Home);
        QTest::keyClick(champ, Qt::Key_Delete);
        QCOMPARE(champ->text(), attendu.mid(1));
        QTest::keyClick(champ, Qt::Key_End);
        QTest::keyClick(champ, Qt::Key_Backspace);
        QCOMPARE(champ->text(), attendu.mid(1).chopped(1));
    }

    void outOfLimitsValueShowsTheLimitsAndCancelPutsTheLimitBack() {
        Boites boites;
        auto* champ = new ChampReel;
        champ->FixerLimites(ModeLimite::liMinMax, QStringLiteral("1"), QStringLiteral("10"),
                            QStringLiteral(" ms"));
        champ->FixerValeur(5);
        Fenetre f(champ);
        QTRY_VERIFY(champ->hasFocus());
        QCOMPARE(champ->toolTip(), QStringLiteral("LIMITES : 1 à 10 ms"));

        // Réessayer keeps the typed text, in red, and the focus.
        champ->selectAll();
        Taper(champ, QStringLiteral("20"));
        boites.reponse = QStringLiteral("Réessayer");
        f.autre->setFocus(Qt::TabFocusReason);
        QCOMPARE(boites.nombre, 1);
        QCOMPARE(boites.genre, BoitesMessages::Genre::Saisie);
        QCOMPARE(boites.texte, QStringLiteral("Valeur hors limites : LIMITES : 1 à 10 ms"));
        QCOMPARE(boites.boutons,
                 (QStringList{QStringLiteral("Annuler"), QStringLiteral("Réessayer")}));
        QCOMPARE(champ->text(), QStringLiteral("20"));
        QCOMPARE(champ->Valeur(), 5.0);
        QVERIFY(champ->hasFocus());
        QVERIFY(champ->EnErreur());
        QCOMPARE(champ->palette().color(QPalette::Text), QColor(Qt::red));

        // Annuler puts back the limit that was passed and reads it.
        boites.reponse = QStringLiteral("Annuler");
        f.autre->setFocus(Qt::TabFocusReason);
        QCOMPARE(boites.nombre, 2);
        QCOMPARE(champ->text(), QStringLiteral("10"));
        QCOMPARE(champ->Valeur(), 10.0);
        QVERIFY(champ->hasFocus());
        QVERIFY(!champ->EnErreur());
        QVERIFY(champ->palette().color(QPalette::Text) != QColor(Qt::red));

        // A correct text with a comma is read with its multiplier, without a box.
        champ->FixerLimites(ModeLimite::liNone, {}, {});
        champ->FixerMultiplieur(1000);
        champ->selectAll();
        Taper(champ, QStringLiteral("2,5"));
        f.autre->setFocus(Qt::TabFocusReason);
        QCOMPARE(boites.nombre, 2);
        QCOMPARE(champ->text(), QStringLiteral("2.5"));
        QCOMPARE(champ->Valeur(), 2500.0);
        QVERIFY(f.autre->hasFocus());
    }

    void leavingReadsTheTextByTheFieldsKind_data() {
        QTest::addColumn<std::function<ChampEntier*()>>("creer");
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<QString>("texte");   // after leaving
        QTest::addColumn<qint64>("valeur");   // after leaving
        QTest::addColumn<QString>("message"); // empty: no box
        const auto entier = [](GenreEntier g, int multiplieur = 1, bool videValide = false) {
            return std::function<ChampEntier*()>([=] {
                auto* c = new ChampEntier;
                c->FixerGenre(g);
                c->FixerValeur(7 * multiplieur);
                c->FixerMultiplieur(multiplieur);
                c->FixerChaineVideValide(videValide);
                return c;
            });
        };
        const QString incorrecte = QStringLiteral("Valeur saisie incorrecte");
        QTest::newRow("hexa sans $") << entier(GenreEntier::fiHexa) << QStringLiteral("1f")
                                     << QStringLiteral("$1F") << qint64(31) << QString();
        QTest::newRow("$ seul") << entier(GenreEntier::fiHexa) << QStringLiteral("$")
                                << QStringLiteral("$") << qint64(0) << QString();
        QTest::newRow("multiplieur") << entier(GenreEntier::fiInteger, 10) << QStringLiteral("-12")
                                     << QStringLiteral("-12") << qint64(-120) << QString();
        QTest::newRow("mot trop grand") << entier(GenreEntier::fiWord) << QStringLiteral("70000")
                                        << QStringLiteral("7") << qint64(7) << incorrecte;
        QTest::newRow("vide") << entier(GenreEntier::fiInteger) << QString() << QStringLiteral("7")
                              << qint64(7) << incorrecte;
        QTest::newRow("vide permis") << entier(GenreEntier::fiInteger, 1, true) << QString()
                                     << QString() << qint64(7) << QString();
    }
    void leavingReadsTheTextByTheFieldsKind() {
        QFETCH(std::function<ChampEntier*()>, creer);
        QFETCH(QString, frappe);
        QFETCH(QString, texte);
        QFETCH(qint64, valeur);
        QFETCH(QString, message);
        Boites boites;
        boites.reponse = QStringLiteral("Annuler");
        ChampEntier* champ = creer();
        Fenetre f(champ);
        QTRY_VERIFY(champ->hasFocus());
        champ->selectAll();
        QTest::keyClick(champ, Qt::Key_Backspace);
        Taper(champ, frappe);
        f.autre->setFocus(Qt::TabFocusReason);
        QCOMPARE(boites.nombre, message.isEmpty() ? 0 : 1);
        QCOMPARE(boites.texte, message);
        QCOMPARE(champ->text(), texte);
        QCOMPARE(champ->Valeur(), valeur);
    }

    void unreadableValueIsRefusedOnEnterAndCancelRestoresTheText() {
        Boites boites;
        auto* champ = new ChampScientifique;
        champ->FixerUnite(QStringLiteral("V"));
        champ->FixerValeur(2.5);
        QDialog dialogue;
        auto* l = new QVBoxLayout(&dialogue);
        l->addWidget(champ);
        auto* ok = new QPushButton(QStringLiteral("OK"));
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &dialogue, &QDialog::accept);
        l->addWidget(ok);
        dialogue.show();
        dialogue.activateWindow();
        champ->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(champ->hasFocus());
        const QString avant = champ->text();
        QCOMPARE(avant, QStringLiteral("2.5 V"));

        champ->selectAll();
        Taper(champ, QStringLiteral("1.2.3"));
        boites.reponse = QStringLiteral("Annuler");
        QTest::keyClick(champ, Qt::Key_Return);
        QCOMPARE(boites.nombre, 1);
        QCOMPARE(boites.texte, QStringLiteral("Valeur saisie incorrecte"));
        QCOMPARE(boites.parDefaut, QStringLiteral("Réessayer"));
        // The refused Enter did not close the dialog.
        QVERIFY(dialogue.isVisible());
        QCOMPARE(dialogue.result(), int(QDialog::Rejected));
        QCOMPARE(champ->text(), avant);
        QCOMPARE(champ->Valeur(), 2.5);

        // A value typed with a prefix is kept in the field's unit and shown again.
        champ->selectAll();
        Taper(champ, QStringLiteral("5m"));
        QTest::keyClick(champ, Qt::Key_Return);
        QCOMPARE(boites.nombre, 1);
        QCOMPARE(champ->Valeur(), 0.005);
        QCOMPARE(champ->text(), QStringLiteral("5 mV"));
        QCOMPARE(dialogue.result(), int(QDialog::Accepted));
    }

    void leavingWithoutEditingKeepsAllTheDigits() {
        Boites boites;
        auto* champ = new ChampScientifique;
        champ->FixerNbChiffres(3);
        champ->FixerUnite(QStringLiteral("V"));
        champ->FixerValeur(1.23456789);
        Fenetre f(champ);
        QTRY_VERIFY(champ->hasFocus());
        QCOMPARE(champ->text(), QStringLiteral("1.23 V"));
        f.autre->setFocus(Qt::TabFocusReason);
        QCOMPARE(champ->Valeur(), 1.23456789);
        QCOMPARE(boites.nombre, 0);
    }

    void thresholdDisplayShowsTheValueOnEntering() {
        auto* champ = new ChampScientifique;
        champ->FixerFormat(FormatScientific::scNumerique);
        champ->FixerNbChiffres(3);
        champ->FixerSeuil(5, true);
        champ->FixerValeur(0.0009);
        QCOMPARE(champ->text(), QStringLiteral("0+"));
        Fenetre f(champ);
        QTRY_VERIFY(champ->hasFocus());
        QCOMPARE(champ->text(), QStringLiteral("0.0009"));
    }

    void emptyNameIsRefused() {
        Boites boites;
        auto* champ = new ChampChaine;
        champ->FixerGenre(GenreChaine::geIdent);
        Fenetre f(champ);
        QTRY_VERIFY(champ->hasFocus());
        boites.reponse = QStringLiteral("Annuler");
        f.autre->setFocus(Qt::TabFocusReason);
        QCOMPARE(boites.nombre, 1);
        QCOMPARE(boites.texte, QStringLiteral("Nom de variable incorrect ou vide"));
        QVERIFY(champ->hasFocus());
        // The same field accepts an empty text when the owner allows it.
        champ->FixerChaineVideValide(true);
        f.autre->setFocus(Qt::TabFocusReason);
        QCOMPARE(boites.nombre, 1);
        QVERIFY(f.autre->hasFocus());
    }

    void altSwitchesGreekTypingAndLettersBecomeGreek() {
        SaisieGrecque grec;
        qApp->installEventFilter(&grec);
        auto* champ = new ChampChaine;
        Fenetre f(champ);
        int declenchee = 0;
        auto* action = new QAction(&f.fenetre);
        action->setShortcut(QKeySequence(Qt::ALT | Qt::Key_G));
        f.fenetre.addAction(action);
        QObject::connect(action, &QAction::triggered, [&] { ++declenchee; });
        QTRY_VERIFY(champ->hasFocus());

        QTest::keyClick(champ, Qt::Key_G, Qt::AltModifier);
        QVERIFY(grec.Active());
        QCOMPARE(champ->text(), QString());
        QCOMPARE(declenchee, 0);

        // Each key and the byte of the Greek font it types.
        const std::pair<char, unsigned char> touches[] = {
            {'A', 0xE5}, {'a', 0xE5}, {'B', 0xF1}, {'b', 0xF1}, {'C', 0xEB}, {'c', 0xEB},
            {'D', 0xC0}, {'d', 0xE4}, {'E', 0xE3}, {'e', 0xE3}, {'F', 0xD5}, {'f', 0xA9},
            {'G', 0xF3}, {'g', 0xF3}, {'H', 0xFA}, {'h', 0xFA}, {'I', 0xEC}, {'i', 0xEC},
            {'K', 0xFF}, {'k', 0xFF}, {'L', 0xF8}, {'l', 0xF8}, {'M', 0xB5}, {'m', 0xB5},
            {'N', 0x76}, {'n', 0x76}, {'P', 0xDF}, {'p', 0xDF}, {'R', 0xAB}, {'r', 0xAB},
            {'S', 0xC8}, {'s', 0xB6}, {'T', 0xB1}, {'t', 0xBB}, {'W', 0xD2}, {'w', 0xD6},
            {'X', 0xBF}, {'x', 0xBF}, {'Z', 0xD7}, {'z', 0xD7}};
        for (const auto& [touche, octet] : touches) {
            champ->clear();
            QTest::keyClick(champ, touche);
            QCOMPARE(champ->text().size(), 1);
            const QChar lettre = champ->text().front();
            QVERIFY2(lettre.unicode() >= 0x0370, qPrintable(QString(QLatin1Char(touche))));
            unsigned char obtenu = 0;
            QVERIFY(codage::OctetDe(lettre, codage::Champ::Grec, obtenu));
            QCOMPARE(int(obtenu), int(octet));
        }
        champ->clear();
        Taper(champ, QStringLiteral("JOQUVYjoquvy1."));
        QCOMPARE(champ->text(), QStringLiteral("JOQUVYjoquvy1."));

        QTest::keyClick(champ, Qt::Key_G, Qt::AltModifier);
        QVERIFY(!grec.Active());
        champ->clear();
        Taper(champ, QStringLiteral("ab"));
        QCOMPARE(champ->text(), QStringLiteral("ab"));

        // Without the Greek letters, Alt keeps its usual meaning.
        grec.FixerDisponible(false);
        QTest::keyClick(champ, Qt::Key_G, Qt::AltModifier);
        QVERIFY(!grec.Active());
        QCOMPARE(declenchee, 1);
        qApp->removeEventFilter(&grec);
    }

    void greekTypingGoesThroughTheFieldsFilter() {
        SaisieGrecque grec;
        qApp->installEventFilter(&grec);
        grec.FixerActive(true);
        auto* champ = new ChampScientifique;
        champ->clear();
        Fenetre f(champ);
        QTRY_VERIFY(champ->hasFocus());
        // "m" becomes the Greek mu, the micro prefix; "a" becomes alpha, refused here.
        Taper(champ, QStringLiteral("5ma"));
        QCOMPARE(champ->text(), QStringLiteral("5μ"));
        qApp->removeEventFilter(&grec);
    }

    void inputPopupWorksOnEveryKindOfField() {
        MenuSaisie popup;
        QWidget* choisi = nullptr;
        popup.ouvrirSelecteur = [&](QWidget* champ) { choisi = champ; };
        QComboBox combo;
        combo.setEditable(true);
        QPlainTextEdit editeur;
        QPlainTextEdit lecture;
        lecture.setReadOnly(true);
        // Each kind of field, its text and where its text lives.
        const QList<std::pair<QWidget*, std::function<QString()>>> champs = {
            {&combo, [&] { return combo.currentText(); }},
            {&editeur, [&] { return editeur.toPlainText(); }},
            {&lecture, [&] { return lecture.toPlainText(); }},
        };
        for (const auto& [champ, texte] : champs) {
            const bool modifiable = champ != &lecture;
            if (champ == &combo)
                combo.setEditText(QStringLiteral("tension"));
            else
                static_cast<QPlainTextEdit*>(champ)->setPlainText(QStringLiteral("tension"));
            QApplication::clipboard()->setText(QStringLiteral("U"));
            const auto declencher = [&](const QString& item) {
                std::unique_ptr<QMenu> menu(popup.Creer(champ));
                for (QAction* a : menu->actions())
                    if (a->text() == item) {
                        const bool actif = a->isEnabled();
                        a->trigger();
                        return actif;
                    }
                return false;
            };
            QVERIFY(declencher(QStringLiteral("Sélectionner tout")));
            QCOMPARE(declencher(QStringLiteral("Suprimer")), modifiable);
            QCOMPARE(texte(), modifiable ? QString() : QStringLiteral("tension"));
            QCOMPARE(declencher(QStringLiteral("Coller")), modifiable);
            QCOMPARE(texte(), modifiable ? QStringLiteral("U") : QStringLiteral("tension"));
            choisi = nullptr;
            QCOMPARE(declencher(QStringLiteral("Lettres grecques")), modifiable);
            // The picker types into the box's own line.
            QWidget* cible = champ == &combo ? combo.lineEdit() : champ;
            QCOMPARE(choisi, modifiable ? cible : nullptr);
        }
    }

    void pickerGridHoldsTheFontsLetters() {
        const unsigned char grille[8][7] = {
            {0x41, 0x42, 0x58, 0xC0, 0x45, 0xD5, 0xA5}, {0x48, 0x49, 0xF0, 0x4B, 0xC2, 0x4D, 0x4E},
            {0x4F, 0xC3, 0xD3, 0x50, 0xC8, 0x54, 0x59}, {0xAC, 0xD2, 0xCB, 0xD4, 0x5A, 0, 0},
            {0xE5, 0xF1, 0xEB, 0xE4, 0xE3, 0xAE, 0xF3}, {0xFA, 0xEC, 0xA9, 0xFF, 0xF8, 0xB5, 0x76},
            {0x6F, 0xDF, 0xB1, 0xAB, 0xB6, 0xBB, 0xF2}, {0xD8, 0xD6, 0xBF, 0xC1, 0xD7, 0, 0}};
        for (int k = 0; k < 56; ++k) {
            const QChar lettre = SelecteurGrec::Lettre(k);
            const unsigned char attendu = grille[k / 7][k % 7];
            if (attendu == 0) {
                QVERIFY(lettre.isNull());
                continue;
            }
            QVERIFY2(lettre.unicode() >= 0x0370, qPrintable(QString::number(k)));
            unsigned char octet = 0;
            QVERIFY(codage::OctetDe(lettre, codage::Champ::Grec, octet));
            QCOMPARE(int(octet), int(attendu));
        }
        // Cells by the picture's rule: trunc(7x / (width + 1)), trunc(8y / (height + 1)).
        const QSize taille(139, 159);
        QCOMPARE(SelecteurGrec::Case({0, 0}, taille), 0);
        QCOMPARE(SelecteurGrec::Case({19, 19}, taille), 0);
        QCOMPARE(SelecteurGrec::Case({20, 20}, taille), 8);
        QCOMPARE(SelecteurGrec::Case({139, 159}, taille), 55);
    }

    void pickerTypesIntoTheFieldThatHadTheFocus() {
        auto* champ = new ChampChaine;
        Fenetre f(champ);
        QTRY_VERIFY(champ->hasFocus());
        SelecteurGrec selecteur;
        QCOMPARE(selecteur.windowTitle(), QStringLiteral(" Lettres Grecques"));
        selecteur.Ouvrir();
        QCOMPARE(selecteur.Cible(), static_cast<QWidget*>(champ));
        const int l = selecteur.width() / 7;
        const int h = selecteur.height() / 8;
        const auto centre = [&](int colonne, int ligne) {
            return QPoint(colonne * l + l / 2, ligne * h + h / 2);
        };
        QTest::mouseClick(&selecteur, Qt::LeftButton, {}, centre(3, 0)); // Δ
        QTest::mouseClick(&selecteur, Qt::LeftButton, {}, centre(6, 3)); // empty cell
        QTest::mouseClick(&selecteur, Qt::LeftButton, {}, centre(5, 5)); // μ
        QCOMPARE(champ->text(), QStringLiteral("Δμ"));

        // The letter is typed, so the field's own filter applies: no Greek letter starts a
        // name.
        auto* nom = new ChampChaine;
        nom->FixerGenre(GenreChaine::geIdent);
        selecteur.Ouvrir(nom);
        QTest::mouseClick(&selecteur, Qt::LeftButton, {}, centre(0, 4));
        QCOMPARE(nom->text(), QString());
        delete nom;

        // Going back to the form hides the picker.
        QVERIFY(selecteur.isVisible());
        f.fenetre.activateWindow();
        QTRY_VERIFY(!selecteur.isVisible());
    }

    void hostBoxesHaveFrenchButtonsAndTheirDefault() {
        Boites boites;
        HoteBureau hote;
        boites.reponse = QStringLiteral("&Non");
        QVERIFY(!hote.Question(QStringLiteral("Tout réinitialiser"), false));
        QCOMPARE(boites.genre, BoitesMessages::Genre::Question);
        QCOMPARE(boites.texte, QStringLiteral("Tout réinitialiser"));
        QCOMPARE(boites.boutons, (QStringList{QStringLiteral("&Non"), QStringLiteral("&Oui")}));
        QCOMPARE(boites.parDefaut, QStringLiteral("&Non"));
        boites.reponse = QStringLiteral("&Oui");
        QVERIFY(hote.Question(QStringLiteral("Tout réinitialiser"), true));
        QCOMPARE(boites.parDefaut, QStringLiteral("&Oui"));
        // Closing the question without a button is No.
        boites.reponse.clear();
        QVERIFY(!hote.Question(QStringLiteral("Tout réinitialiser"), true));
        QCOMPARE(boites.nombre, 3);

        hote.Erreur(QStringLiteral("Format des données non reconnu"));
        QCOMPARE(boites.nombre, 4);
        QCOMPARE(boites.genre, BoitesMessages::Genre::Erreur);
        QCOMPARE(boites.boutons, QStringList{QStringLiteral("OK")});
        hote.Information(QStringLiteral("Système reconnu"));
        QCOMPARE(boites.genre, BoitesMessages::Genre::Information);
        QCOMPARE(boites.texte, QStringLiteral("Système reconnu"));
        QCOMPARE(boites.nombre, 5);

        // An empty error, or any error while silent, shows nothing.
        hote.Erreur(QString());
        hote.FixerMuet(true);
        hote.Erreur(QStringLiteral("Format des données non reconnu"));
        QCOMPARE(boites.nombre, 5);
    }
};

QTEST_MAIN(ChampsTest)
#include "ChampsTest.moc"
