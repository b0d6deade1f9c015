// Messages shown from inside a widget's own event, with real message boxes: each box
// opens, is closed as a user closes it (Return, Escape or its button), and the user goes on
// in the same field. No recording stand-in here: a box must never open while the event
// that raised it is still running in a widget the box can make disappear.
#include "NumEdit.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "UitgesteldeBerichten.h"
#include "Voorbeeldbedrijf.h"
#include "VoorraadGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {
enum { Begin = 1, Aanleg = 2, Eind = 3 };
enum { Gk = 1, Sm = 2, Nat = 3, Kv = 4, Mp = 5 };

class EchteBerichtenTest : public ::testing::Test {
protected:
    void SetUp() override {
        TOmgeving o = omg.Omgeving();
        o.Berichten = std::make_shared<TQtBerichten>();
        w = std::make_unique<TFrmHoofdFormulier>(o);
        w->Afsluiten = [] {};
        w->show();
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    // Waits until n boxes have been closed; the window is active again, as the window
    // manager makes it when its box has gone.
    bool Wacht(int n) {
        const bool gesloten = sluiter.WachtOp(n);
        QApplication::setActiveWindow(w.get());
        return QTest::qWaitForWindowActive(w.get()) && gesloten;
    }
    TVoorraadGrid* G(int moment, int soort) const { return w->VoorraadGrids[moment][soort]; }
    QString L(const char* naam) const {
        const auto* l = w->findChild<QLabel*>(QLatin1String(naam));
        return l ? l->text() : QStringLiteral("<none>");
    }
    // Opens a cell's editor with the focus in it, as a double click does.
    QLineEdit* Open(TVoorraadGrid* g, int kolom, int rij) {
        w->TabTarvolingrader->setCurrentIndex(g->Pagina());
        g->setFocus();
        g->setCurrentCell(rij - 1, kolom);
        g->editItem(g->item(rij - 1, kolom));
        QCoreApplication::processEvents();
        return g->Editor();
    }

    TTestOmgeving omg;
    std::unique_ptr<TFrmHoofdFormulier> w;
    TBerichtSluiter sluiter;
};

// --- Held-back messages ---

// An error box reads "Error" in its caption; the other boxes carry the program's name.
TEST(QtBerichten, EenFoutmeldingHeetError) {
    TBerichtSluiter sluiter;
    TQtBerichten berichten;
    berichten.Fout(QStringLiteral("Gebruik BeginDoc voor de printer setup"));
    berichten.Informatie(QStringLiteral("Klaar"));
    ASSERT_TRUE(sluiter.WachtOp(2));
    EXPECT_EQ(sluiter.Titels, (QStringList{QStringLiteral("Error"), QCoreApplication::applicationName()}));
    EXPECT_EQ(sluiter.Teksten.first(), QStringLiteral("Gebruik BeginDoc voor de printer setup"));
}

TEST(UitgesteldeBerichten, WachtenTotHetEindeVanDeGebeurtenisInVolgorde) {
    auto eerste = std::make_shared<TOpgenomenBerichten>();
    auto tweede = std::make_shared<TOpgenomenBerichten>();
    std::shared_ptr<TBerichten> doel = eerste;
    TUitgesteldeBerichten b([&doel] { return doel; });
    {
        const TUitgesteldeBerichten::TNaAfloop buiten(b);
        b.Fout(QStringLiteral("een"));
        {
            const TUitgesteldeBerichten::TNaAfloop binnen(b);
            b.Informatie(QStringLiteral("twee"));
        }
        // A question needs its answer here and now.
        EXPECT_EQ(b.Vraag(QStringLiteral("vraag")), TAntwoord::Nee);
        b.WaarschuwingOK(QStringLiteral("drie"));
        EXPECT_EQ(eerste->Teksten(), QStringList({"vraag"}));
        // A sink swapped later does not take what was raised before.
        doel = tweede;
    }
    EXPECT_EQ(b.Wachtend(), 3);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(eerste->Teksten(), QStringList({"vraag", "een", "twee", "drie"}));
    EXPECT_EQ(eerste->Lijst[3].Soort, TBerichtSoort::Waarschuwing);
    EXPECT_TRUE(tweede->Lijst.empty());
    // Outside a scope a message is shown at once.
    b.Fout(QStringLiteral("vier"));
    EXPECT_EQ(tweede->Teksten(), QStringList({"vier"}));
}

// --- Typing in a cell editor ---

struct CelGeval {
    int Soort;
    int Kolom;
    const char* Getypt;  // typed key by key; the last key is refused
    const char* Verder;  // typed on after the box
    const char* Melding; // the text of the box
    const char* Cel;     // the cell at the end
    const char* Label;   // a total under the grid
    const char* Totaal;
};

class CelTypen : public EchteBerichtenTest, public ::testing::WithParamInterface<CelGeval> {};

TEST_P(CelTypen, GeweigerdTekenEnDoortypenInDezelfdeCel) {
    const CelGeval& g = GetParam();
    TypCel(G(Begin, g.Soort), 1, 1, QStringLiteral("Partij"));
    QPointer<QLineEdit> e = Open(G(Begin, g.Soort), g.Kolom, 1);
    ASSERT_TRUE(e);
    ASSERT_EQ(QApplication::focusWidget(), e.data());
    QTest::keyClicks(e, QString::fromLatin1(g.Getypt));
    ASSERT_TRUE(Wacht(1));
    EXPECT_EQ(sluiter.Teksten, QStringList({QString::fromLatin1(g.Melding)}));
    // The same editor is still open with the text that was accepted, and takes more keys.
    ASSERT_TRUE(e);
    EXPECT_EQ(G(Begin, g.Soort)->Editor(), e.data());
    QTest::keyClicks(e, QString::fromLatin1(g.Verder));
    QCoreApplication::processEvents();
    EXPECT_EQ(e->text(), QString::fromLatin1(g.Cel));
    G(Begin, g.Soort)->SluitEditor();
    EXPECT_EQ(G(Begin, g.Soort)->Cells(g.Kolom, 1), QString::fromLatin1(g.Cel));
    EXPECT_EQ(L(g.Label), QString::fromLatin1(g.Totaal));
    EXPECT_EQ(sluiter.Teksten.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cellen, CelTypen,
    ::testing::Values(
        CelGeval{Gk, 2, "12a", "5", "12a is geen geldige waarde", "125", "LblBeginGkHoev", "125"},
        CelGeval{Gk, 3, "9,", "50", "9, is geen geldige waarde", "950", "LblBeginGkVem", "0"},
        CelGeval{Sm, 2, "a", "7", "a is geen geldige waarde", "7", "LblBeginSmHoev", "7"},
        CelGeval{Kv, 4, "16x", "0", "16x is geen geldige waarde", "160", "LblBeginKvN", "0.00"}));

// --- Leaving a grid ---

TEST_F(EchteBerichtenTest, EnterUitDeCelVerlaatHetGridMetZijnMeldingen) {
    QPointer<QLineEdit> e = Open(G(Begin, Kv), 2, 1);
    ASSERT_TRUE(e);
    QTest::keyClicks(e, "100");
    // Enter moves on as Tab does; the focus leaves the grid and its check speaks, box by box.
    QTest::keyClick(e, Qt::Key_Return);
    ASSERT_TRUE(Wacht(5));
    EXPECT_EQ(sluiter.Teksten,
              QStringList({"Description was not filled for batch 1", "VEM content was not filled for ",
                           "RE content was not filled for ", "N content was not filled for ",
                           "P content was not filled for "}));
    EXPECT_FALSE(G(Begin, Kv)->isAncestorOf(QApplication::focusWidget()));
    EXPECT_EQ(G(Begin, Kv)->Cells(2, 1), "100");
    EXPECT_EQ(L("LblBeginKVHoev"), "100");
    // The grid takes more input afterwards.
    TypCel(G(Begin, Kv), 1, 1, QStringLiteral("Brok"));
    EXPECT_EQ(G(Begin, Kv)->Cells(1, 1), "Brok");
    QTest::qWait(20);
    EXPECT_EQ(sluiter.Teksten.size(), 5);
}

TEST_F(EchteBerichtenTest, NaDeMeldingEenAnderGridKiezenVerlaatHetEerste) {
    QPointer<QLineEdit> e = Open(G(Begin, Sm), 2, 1);
    ASSERT_TRUE(e);
    QTest::keyClicks(e, "5a");
    ASSERT_TRUE(sluiter.WachtOp(1));
    // Without a window manager nothing makes the window active again; the user clicks
    // into the next grid, which activates it.
    TVoorraadGrid* volgende = G(Begin, Kv);
    QTest::mouseClick(volgende->viewport(), Qt::LeftButton, Qt::NoModifier,
                      volgende->visualItemRect(volgende->item(0, 1)).center());
    volgende->setFocus();
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(sluiter.WachtOp(6));
    EXPECT_EQ(sluiter.Teksten,
              QStringList({"5a is geen geldige waarde", "Description was not filled for batch 1",
                           "VEM content was not filled for ", "RE content was not filled for ",
                           "N content was not filled for ", "P content was not filled for "}));
    EXPECT_EQ(G(Begin, Sm)->Cells(2, 1), "5");
}

TEST_F(EchteBerichtenTest, KlikInDeReKolomVanGraskuilGeeftDeInformatie) {
    TVoorraadGrid* g = G(Aanleg, Gk);
    w->TabTarvolingrader->setCurrentIndex(4);
    QCoreApplication::processEvents();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier,
                      g->visualItemRect(g->item(0, 4)).center());
    ASSERT_TRUE(Wacht(1));
    EXPECT_EQ(sluiter.Teksten, QStringList({"Crude protein inclusive NH3-fraction."}));
    EXPECT_EQ(g->currentColumn(), 4);
    // Typing over the selected cell opens its editor as usual.
    QTest::keyClick(g, Qt::Key_1);
    QTest::keyClicks(QApplication::focusWidget(), "50");
    QCoreApplication::processEvents();
    EXPECT_EQ(g->Cells(4, 1), "150");
    EXPECT_EQ(g->Cells(5, 1), "24.00");
}

// --- The herd page ---

TEST_F(EchteBerichtenTest, TeveelMaandenWeidenBijHetTypenEnDoortypen) {
    for (NumEdit* e :
         {w->SpenKoe, w->SpenKalf, w->SpenPink, w->SpeMelklev, w->SpeVet, w->SpeEiwit, w->SpeUreum,
          w->SpeOppGrasH, w->SpeOppGrasN, w->SpeOppGrasL, w->SpeOppBouwH, w->SpeOppBouwN, w->SpeOppBouwL})
        e->setValue(e->maximum() / 2);
    w->CbxRas->setCurrentIndex(0);
    w->TabTarvolingrader->setCurrentIndex(1);
    Typ(w->SpeMndWeidBMk, "6");
    ASSERT_TRUE(w->TabbladOK[1]);
    w->SpeMndWeidOMk->setFocus();
    Typ(w->SpeMndWeidOMk, "7");
    ASSERT_TRUE(Wacht(1));
    EXPECT_EQ(sluiter.Teksten, QStringList({"Totaal aantal maanden weiden mag niet groter zijn dan 12"}));
    EXPECT_EQ(w->LblMndWeiden->text(), "13.0 months of grazing");
    // Back in the same edit, the user puts it right.
    EXPECT_EQ(QApplication::focusWidget(), w->SpeMndWeidOMk);
    QTest::keyClick(w->SpeMndWeidOMk, Qt::Key_Backspace);
    QTest::keyClicks(w->SpeMndWeidOMk, "5");
    QTest::qWait(20);
    EXPECT_EQ(w->SpeMndWeidOMk->text(), "5");
    EXPECT_EQ(w->LblMndWeiden->text(), "11.0 months of grazing");
    EXPECT_TRUE(w->TabbladOK[1]);
    EXPECT_EQ(sluiter.Teksten.size(), 1);
}

struct LeeftijdGeval {
    bool Aanvoer;
    const char* Leeftijd;
    const char* Melding;
};

class LeeftijdVerlaten : public EchteBerichtenTest, public ::testing::WithParamInterface<LeeftijdGeval> {};

TEST_P(LeeftijdVerlaten, TabUitDeLeeftijdToontDeMelding) {
    const LeeftijdGeval& g = GetParam();
    w->CbxModule->addItem(QStringLiteral("BEX JONGVEE"));
    KiesAlsGebruiker(w->CbxModule, w->CbxModule->count() - 1);
    ASSERT_EQ(w->Diercategorie, "JV");
    w->TabTarvolingrader->setCurrentIndex(1);
    w->SpenKalf->setText("5");
    w->SpenPink->setText("5");
    NumEdit* leeftijd = g.Aanvoer ? w->SpeLftJvAan : w->SpeLftJvAfv;
    leeftijd->setFocus();
    Typ(leeftijd, QString::fromLatin1(g.Leeftijd));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(Wacht(1));
    EXPECT_EQ(sluiter.Teksten, QStringList({QString::fromUtf8(g.Melding)}));
    EXPECT_NE(QApplication::focusWidget(), leeftijd);
    // The user goes back and puts the age right: no box this time.
    leeftijd->setFocus();
    Typ(leeftijd, QString::fromLatin1(g.Aanvoer ? "2" : "20"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::qWait(20);
    EXPECT_EQ(sluiter.Teksten.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Leeftijden, LeeftijdVerlaten,
    ::testing::Values(
        LeeftijdGeval{true, "12",
                      "There are calves present on the farm.\nArrival age should be lower than 12 months."},
        LeeftijdGeval{false, "12",
                      "There are calves > 1 year present on the farm.\nRemoval age should be higher than 12 "
                      "months."}));

// --- The tabs ---

TEST_F(EchteBerichtenTest, TabVanDeResultatenOpEenNieuwBedrijf) {
    KlikTab(*w, 9);
    ASSERT_TRUE(Wacht(1));
    EXPECT_EQ(sluiter.Teksten, QStringList({"Vul eerst alle tabbladen goed in"}));
    EXPECT_EQ(w->TabTarvolingrader->currentIndex(), 0);
    // The page control takes the next click as usual.
    KlikTab(*w, 13);
    ASSERT_TRUE(Wacht(2));
    EXPECT_EQ(sluiter.Teksten, QStringList(2, "Vul eerst alle tabbladen goed in"));
    EXPECT_EQ(w->TabTarvolingrader->currentIndex(), 0);
}
} // namespace
