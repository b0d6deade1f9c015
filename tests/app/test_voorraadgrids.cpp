// The stock pages driven as a user drives them: typing into the cells, clicking the
// buttons, boxes and lists, and leaving the grids.
#include "Getallen.h"
#include "HeleGetallen.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Venster.h"
#include "Voorbeeldbedrijf.h"
#include "VoorraadGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstring>

namespace {
enum { Begin = 1, Aanleg = 2, Eind = 3 };
enum { Gk = 1, Sm = 2, Nat = 3, Kv = 4, Mp = 5 };
enum { BEX = 0, BEX_BEA = 1, BEX_BEP = 2, BEX_BEA_BEP = 3 };

class VoorraadTest : public VensterTest {
protected:
    TVoorraadGrid* G(int moment, int soort) const { return w->VoorraadGrids[moment][soort]; }
    // Opens the cell editor as a double click does: its text selected.
    QLineEdit* Open(TVoorraadGrid* g, int kolom, int rij) {
        g->setCurrentCell(rij - 1, kolom);
        g->editItem(g->item(rij - 1, kolom));
        return g->Editor();
    }
    QString Cel(int moment, int soort, int kolom, int rij) const {
        return G(moment, soort)->Cells(kolom, rij);
    }
    QString L(const QString& naam) const {
        const auto* l = w->findChild<QLabel*>(naam);
        return l ? l->text() : QStringLiteral("<no label ") + naam + ">";
    }
    QStringList Meldingen(TBerichtSoort soort = TBerichtSoort::Fout) const {
        ToonWachtende();
        return omg.Berichten->Teksten(soort);
    }
    void Module(int index) { KiesAlsGebruiker(w->CbxModule, index); }
    // A stock page that passes: grass and maize silage batches (crude ash with BEA).
    void VulPagina(int moment) {
        const QString as = w->ModuleBEA ? QStringLiteral("100") : QString();
        TypRegel(G(moment, Gk), 1, {"Kuil A", "1000", "900", "150", "", "4", as});
        TypRegel(G(moment, Sm), 1, {"Mais", "2000", "950", "70", "", "2", as});
    }
};

// --- Totals ---

TEST_F(VoorraadTest, TotalenEnGemiddeldenVanTweePartijen) {
    TypRegel(G(Begin, Gk), 1, {"Kuil A", "1000", "900", "120", "", "4"});
    TypRegel(G(Begin, Gk), 2, {"Kuil B", "3000", "1000", "160", "", "5"});
    EXPECT_EQ(L("LblBeginGkHoev"), "4000");
    EXPECT_EQ(L("LblBeginGkVem"), "975");
    EXPECT_EQ(L("LblBeginGkRe"), "150");
    EXPECT_EQ(L("LblBeginGkN"), "24.00");
    EXPECT_EQ(L("LblBeginGkP"), "4.75");
    EXPECT_EQ(L("LblBeginGkRas"), "0");
    // VRE of grass silage: 0.895 RE + 0.04 ash - 38, hidden in the grid and its total.
    EXPECT_EQ(Cel(Begin, Gk, 8, 1), "69");
    EXPECT_EQ(Cel(Begin, Gk, 8, 2), "105");
    EXPECT_EQ(L("LblBeginGkVre"), "96");
    EXPECT_FALSE(w->LblTotaal[Begin][Gk][7]->isVisibleTo(w->LblTotaal[Begin][Gk][7]->parentWidget()));
    EXPECT_TRUE(Meldingen().isEmpty());
    // The opening-stock concentrates amount keeps its own spelling.
    TypRegel(G(Begin, Kv), 1, {"Brok", "500", "940"});
    EXPECT_EQ(L("LblBeginKVHoev"), "500");
    EXPECT_EQ(L("LblBeginKvVem"), "940");
}

TEST_F(VoorraadTest, TotalenMetDeDecimaleKomma) {
    SetDecimalSeparator(',');
    TypRegel(G(Eind, Mp), 1, {"Poeder", "10,5", "2000", "", "32"});
    EXPECT_EQ(Cel(Eind, Mp, 4, 1), "204,2");
    EXPECT_EQ(L("LblEindMpHoev"), "11");
    EXPECT_EQ(L("LblEindMpN"), "32,00");
    EXPECT_TRUE(Meldingen().isEmpty());
}

// --- Large figures ---

TEST_F(VoorraadTest, GrootTotaalWordtAfgekortMetHetHeleGetalInDeTip) {
    // 2 to the power 70: a figure the totals (single precision) hold exactly.
    const QString groot = QStringLiteral("1180591620717411303424");
    TypRegel(G(Begin, Gk), 1, {"Kuil", groot, "900"});
    QLabel* totaal = w->LblTotaal[Begin][Gk][1];
    EXPECT_EQ(totaal->text(), groot);
    totaal->grab();
    EXPECT_FALSE(TekstPast(totaal));
    EXPECT_EQ(totaal->toolTip(), groot);
    // A figure that fits is drawn whole, without the tip.
    TypRegel(G(Begin, Gk), 1, {"", ""});
    QLineEdit* e = Open(G(Begin, Gk), 2, 1);
    ASSERT_NE(e, nullptr);
    e->selectAll();
    QTest::keyClicks(e, "1500");
    G(Begin, Gk)->SluitEditor();
    totaal->grab();
    EXPECT_EQ(totaal->text(), "1500");
    EXPECT_TRUE(TekstPast(totaal));
    EXPECT_EQ(totaal->toolTip(), "");
}

// --- RE and N ---

struct KoppelGeval {
    int Soort;
    int Kolom;
    const char* Tekst;
    int Partner;
    const char* Verwacht;
};

class ReNTest : public VoorraadTest, public ::testing::WithParamInterface<KoppelGeval> {};

TEST_P(ReNTest, ReEnNVolgenElkaar) {
    const KoppelGeval g = GetParam();
    for (int m = Begin; m <= Eind; ++m) {
        TypRegel(G(m, g.Soort), 1, {"Partij", "100"});
        TypCel(G(m, g.Soort), g.Kolom, 1, QString::fromLatin1(g.Tekst));
        EXPECT_EQ(Cel(m, g.Soort, g.Partner, 1), g.Verwacht) << m;
        // Emptying the typed cell empties its partner.
        QLineEdit* e = Open(G(m, g.Soort), g.Kolom, 1);
        ASSERT_NE(e, nullptr);
        QTest::keyClick(e, Qt::Key_End);
        for (std::size_t i = 0; i < std::strlen(g.Tekst); ++i)
            QTest::keyClick(e, Qt::Key_Backspace);
        G(m, g.Soort)->SluitEditor();
        EXPECT_EQ(Cel(m, g.Soort, g.Kolom, 1), "") << m;
        EXPECT_EQ(Cel(m, g.Soort, g.Partner, 1), "") << m;
    }
    EXPECT_TRUE(Meldingen().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Soorten, ReNTest,
    ::testing::Values(KoppelGeval{Kv, 4, "160", 5, "25.60"}, KoppelGeval{Mp, 4, "160", 5, "25.08"},
                      KoppelGeval{Kv, 5, "25.6", 4, "160.0"}, KoppelGeval{Mp, 5, "25", 4, "159.5"},
                      KoppelGeval{Gk, 5, "4", 4, "25.0"}, KoppelGeval{Nat, 4, "100", 5, "16.00"}));

// --- Refused input ---

TEST_F(VoorraadTest, OngeldigTekenWordtGeweigerd) {
    QLineEdit* e = Open(G(Begin, Sm), 3, 1);
    ASSERT_NE(e, nullptr);
    QTest::keyClicks(e, "9a5");
    EXPECT_EQ(e->text(), "95");
    EXPECT_EQ(Cel(Begin, Sm, 3, 1), "95");
    EXPECT_EQ(Meldingen(), QStringList({"9a is geen geldige waarde"}));
    // A sign in the middle of a number: the text before it stays and the cursor with it.
    QTest::keyClick(e, Qt::Key_Left);
    QTest::keyClick(e, Qt::Key_Minus);
    EXPECT_EQ(e->text(), "95");
    EXPECT_EQ(e->cursorPosition(), 1);
    QTest::keyClick(e, Qt::Key_0);
    EXPECT_EQ(e->text(), "905");
    G(Begin, Sm)->SluitEditor();
    EXPECT_EQ(Meldingen(), QStringList({"9a is geen geldige waarde", "9-5 is geen geldige waarde"}));
}

TEST_F(VoorraadTest, StreepjeAlleenInDeHoeveelheid) {
    TypCel(G(Aanleg, Gk), 2, 1, "-");
    TypCel(G(Aanleg, Gk), 3, 1, "-");
    EXPECT_EQ(Cel(Aanleg, Gk, 2, 1), "-");
    EXPECT_EQ(Cel(Aanleg, Gk, 3, 1), "");
    EXPECT_EQ(Meldingen(), QStringList({"- is geen geldige waarde"}));
    TypCel(G(Aanleg, Gk), 2, 2, "-500");
    EXPECT_EQ(L("LblAanlegGkHoev"), "-500");
}

TEST_F(VoorraadTest, GetalMetHetAndereDecimaaltekenWordtGeweigerd) {
    SetDecimalSeparator(',');
    TypCel(G(Begin, Kv), 2, 1, "1.5");
    EXPECT_EQ(Cel(Begin, Kv, 2, 1), "15");
    EXPECT_EQ(Meldingen(), QStringList({"1. is geen geldige waarde"}));
}

TEST_F(VoorraadTest, GeplakteTekstWordtGeweigerd) {
    QLineEdit* e = Open(G(Begin, Gk), 3, 1);
    ASSERT_NE(e, nullptr);
    QTest::keyClicks(e, "85");
    e->selectAll();
    e->insert(QStringLiteral("vijfhonderd")); // as a paste does
    EXPECT_EQ(e->text(), "85");
    EXPECT_EQ(Cel(Begin, Gk, 3, 1), "85");
    EXPECT_EQ(Meldingen(), QStringList({"vijfhonderd is geen geldige waarde"}));
}

TEST_F(VoorraadTest, OngeldigeTekstUitEenBestandKanWordenGewist) {
    // A cell read from a file may hold anything; the totals count it 0.
    G(Eind, Sm)->SetCells(1, 1, "Mais");
    G(Eind, Sm)->SetCells(2, 1, "1000");
    G(Eind, Sm)->SetCells(3, 1, "9xy");
    w->GrdBeginGkSetEditText(G(Eind, Sm), 1, 1, "0");
    EXPECT_EQ(L("LblEindSmVem"), "0");
    EXPECT_TRUE(Meldingen().isEmpty());
    QLineEdit* e = Open(G(Eind, Sm), 3, 1);
    ASSERT_NE(e, nullptr);
    QTest::keyClick(e, Qt::Key_End);
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(Cel(Eind, Sm, 3, 1), "9x");
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, "900");
    G(Eind, Sm)->SluitEditor();
    EXPECT_EQ(Cel(Eind, Sm, 3, 1), "900");
    EXPECT_EQ(L("LblEindSmVem"), "900");
    EXPECT_TRUE(Meldingen().isEmpty());
}

TEST_F(VoorraadTest, CelHoogstensHonderdTekens) {
    TypCel(G(Begin, Nat), 1, 1, QString(130, QLatin1Char('x')));
    EXPECT_EQ(Cel(Begin, Nat, 1, 1).size(), 100);
}

TEST_F(VoorraadTest, EnterBewaartDeGetypteTekst) {
    w->TabTarvolingrader->setCurrentIndex(3);
    Toon();
    QLineEdit* e = Open(G(Begin, Kv), 2, 1);
    ASSERT_NE(e, nullptr);
    QTest::keyClicks(e, "750");
    QTest::keyClick(e, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(Cel(Begin, Kv, 2, 1), "750");
    EXPECT_EQ(L("LblBeginKVHoev"), "750");
}

// --- Grid check ---

TEST_F(VoorraadTest, VerlatenMeldtDeFoutenRegelVoorRegel) {
    TypRegel(G(Begin, Sm), 1, {"Kuil A", "1000", "", "80", "", "3"});
    TypRegel(G(Begin, Sm), 2, {"", "500", "1501", "80", "", "3"});
    TypRegel(G(Begin, Sm), 3, {"Kuil C", "500", "1500", "10", "", "50"});
    EXPECT_TRUE(Meldingen().isEmpty()); // the cell editor checks silently
    EXPECT_FALSE(w->GridOK[3][Sm]);
    EXPECT_FALSE(w->TabbladOK[3]);
    w->GrdBeginGkExit(G(Begin, Sm));
    EXPECT_EQ(Meldingen(),
              QStringList({"VEM content was not filled for Kuil A", "Description was not filled for batch 2",
                           "VEM content is outside the interval [500..1500] for "}));
    // Bounds are valid values.
    TypCel(G(Begin, Sm), 3, 1, "500");
    TypCel(G(Begin, Sm), 1, 2, "Kuil B");
    QLineEdit* e = Open(G(Begin, Sm), 3, 2);
    QTest::keyClick(e, Qt::Key_End);
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(Cel(Begin, Sm, 3, 2), "150");
    QTest::keyClick(e, Qt::Key_0);
    G(Begin, Sm)->SluitEditor();
    omg.Berichten->Lijst.clear();
    w->GrdBeginGkExit(G(Begin, Sm));
    EXPECT_TRUE(Meldingen().isEmpty());
    EXPECT_TRUE(w->GridOK[3][Sm]);
}

TEST_F(VoorraadTest, FocusUitHetGridControleertMetMeldingen) {
    w->TabTarvolingrader->setCurrentIndex(3);
    Toon();
    QLineEdit* e = Open(G(Begin, Kv), 2, 1);
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(QApplication::focusWidget(), e);
    QTest::keyClicks(e, "100");
    EXPECT_TRUE(Meldingen().isEmpty());
    // Another control of the window takes the focus.
    w->VoorraadGrids[Begin][Mp]->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(Meldingen(), QStringList({"Description was not filled for batch 1",
                                        "VEM content was not filled for ", "RE content was not filled for ",
                                        "N content was not filled for ", "P content was not filled for "}));
    EXPECT_EQ(Cel(Begin, Kv, 2, 1), "100");
}

TEST_F(VoorraadTest, RuwAsWordtAlleenMetBEAGecontroleerd) {
    TypRegel(G(Aanleg, Gk), 1, {"Kuil", "1000", "900", "150", "", "4"});
    EXPECT_TRUE(w->GridOK[4][Gk]);
    Module(BEX_BEA);
    w->ControleerPagina(4, false);
    EXPECT_FALSE(w->GridOK[4][Gk]);
    EXPECT_TRUE(G(Aanleg, Gk)->isColumnHidden(8));
    EXPECT_FALSE(G(Aanleg, Gk)->isColumnHidden(7));
    TypCel(G(Aanleg, Gk), 7, 1, "110");
    EXPECT_TRUE(w->GridOK[4][Gk]);
    EXPECT_EQ(L("LblAanlegGkRas"), "110");
    Module(BEX);
    EXPECT_TRUE(G(Aanleg, Gk)->isColumnHidden(7));
}

// --- Best silage and purchased share ---

TEST_F(VoorraadTest, BesteKuilVanDeVoorraadtoename) {
    Module(BEX_BEA);
    TypRegel(G(Aanleg, Gk), 1, {"Kuil 1", "1000", "900", "120", "", "4"});
    // No batch above 130: the labels repeat the totals.
    EXPECT_EQ(L("LblAanlegGkVemMax"), "900");
    EXPECT_EQ(L("LblAanlegGkReMax"), "120");
    EXPECT_EQ(L("LblAanlegGkNMax"), "19.20");
    TypRegel(G(Aanleg, Gk), 2, {"Kuil 2", "3000", "1000", "150", "", "5", "90"});
    EXPECT_EQ(L("LblAanlegGkVem"), "975");
    EXPECT_EQ(L("LblAanlegGkVemMax"), "1000");
    EXPECT_EQ(L("LblAanlegGkReMax"), "150");
    EXPECT_EQ(L("LblAanlegGkNMax"), "24.00");
    EXPECT_EQ(L("LblAanlegGkPMax"), "5.00");
    EXPECT_EQ(L("LblAanlegGkRasMax"), "90");
    EXPECT_EQ(L("LblAanlegGkVreMax"), "100");
    // RE exactly 130 is no best silage.
    QLineEdit* e = Open(G(Aanleg, Gk), 4, 2);
    e->selectAll();
    QTest::keyClicks(e, "130");
    G(Aanleg, Gk)->SluitEditor();
    EXPECT_EQ(L("LblAanlegGkReMax"), L("LblAanlegGkRe"));
    EXPECT_EQ(L("LblAanlegGkReMax"), "128");
    // Only the stock increase has them.
    TypRegel(G(Begin, Gk), 1, {"Kuil", "1000", "900", "150"});
    EXPECT_EQ(L("LblAanlegGkReMax"), "128");
}

TEST_F(VoorraadTest, AankoopaandeelVanDeKuilen) {
    Module(BEX_BEP);
    QCheckBox* vak = w->findChild<QCheckBox*>("ChkAanlegSm2");
    ASSERT_NE(vak, nullptr);
    EXPECT_TRUE(vak->isVisibleTo(vak->parentWidget()));
    EXPECT_EQ(vak->toolTip(),
              QString::fromUtf8(
                  "Standard \u2018purchase\u2019 is checked. This can be changed. Do this carefully!"));
    TypRegel(G(Aanleg, Sm), 1, {"Eigen", "6000", "950", "70", "", "2"});
    TypRegel(G(Aanleg, Sm), 2, {"Gekocht", "2000", "1000", "80", "", "3"});
    TypRegel(G(Aanleg, Sm), 3, {"Ook gekocht", "2000", "900", "60", "", "2"});
    EXPECT_EQ(L("LblAanlegAkSmHoev"), "0");
    QTest::mouseClick(vak, Qt::LeftButton);
    QTest::mouseClick(w->findChild<QCheckBox*>("ChkAanlegSm3"), Qt::LeftButton);
    EXPECT_TRUE(w->AankoopAanleg[Sm][2]);
    EXPECT_TRUE(w->AankoopAanleg[Sm][3]);
    EXPECT_EQ(L("LblAanlegAkSmHoev"), "4000");
    EXPECT_EQ(L("LblAanlegAkSmVem"), "950.0");
    EXPECT_EQ(L("LblAanlegAkSmRe"), "70.0");
    EXPECT_EQ(L("LblAanlegAkSmP"), "2.50");
    EXPECT_EQ(L("LblAanlegSmHoev"), "10000");
    // Opening stock: amount and P only.
    TypRegel(G(Begin, Gk), 1, {"Kuil", "500", "900", "150", "", "4"});
    QTest::mouseClick(w->findChild<QCheckBox*>("ChkBeginGk1"), Qt::LeftButton);
    EXPECT_EQ(L("LblBeginAkGkHoev"), "500");
    EXPECT_EQ(L("LblBeginAkGkP"), "4.00");
    EXPECT_EQ(w->findChild<QLabel*>("LblBeginAkGkVem"), nullptr);
    EXPECT_FALSE(w->AankoopEind[Gk][1]);
    // The boxes are there only with BEP.
    Module(BEX);
    EXPECT_FALSE(vak->isVisibleTo(vak->parentWidget()));
    EXPECT_FALSE(w->LblAankoop[Aanleg][Sm][1]->isVisibleTo(w->LblAankoop[Aanleg][Sm][1]->parentWidget()));
}

// --- Fold, expand, clear, copy ---

TEST_F(VoorraadTest, InklappenSluitDeGevuldeRegelsAaneen) {
    TVoorraadGrid* g = G(Begin, Kv);
    const int ingeklapt = g->height();
    QTest::mouseClick(w->BtnUitklappen[Begin][Kv], Qt::LeftButton);
    EXPECT_FALSE(g->Ingeklapt);
    EXPECT_GT(g->height(), ingeklapt);
    TypRegel(g, 2, {"Brok 2", "200", "940"});
    TypRegel(g, 5, {"Brok 5", "500", "1000"});
    TypRegel(g, 7, {"", "0", "1000"}); // no description, amount 0: dropped
    QTest::mouseClick(w->BtnInklappen[Begin][Kv], Qt::LeftButton);
    EXPECT_TRUE(g->Ingeklapt);
    EXPECT_EQ(g->height(), ingeklapt);
    EXPECT_EQ(Cel(Begin, Kv, 1, 1), "Brok 2");
    EXPECT_EQ(Cel(Begin, Kv, 3, 1), "940");
    EXPECT_EQ(Cel(Begin, Kv, 1, 2), "Brok 5");
    EXPECT_EQ(Cel(Begin, Kv, 2, 2), "500");
    for (int r = 3; r <= 20; ++r)
        for (int c = 1; c <= 8; ++c)
            EXPECT_EQ(Cel(Begin, Kv, c, r), "") << c << "," << r;
    EXPECT_EQ(L("LblBeginKVHoev"), "700");
    EXPECT_EQ(L("LblBeginKvVem"), "983");
}

TEST_F(VoorraadTest, TypeEnAankoopBlijvenBijHunPartij) {
    Module(BEX_BEA_BEP);
    // Wet by-products: a batch in row 4 with its type, row 2 with another.
    TVoorraadGrid* nat = G(Eind, Nat);
    TypRegel(nat, 2, {"Pulp", "1000", "1100", "100"});
    TypRegel(nat, 4, {"Bostel", "2000", "1000", "100"});
    EXPECT_EQ(Cel(Eind, Nat, 8, 4), "60"); // no type chosen: "Overig"
    EXPECT_EQ(w->NatProductNr[Eind][4], 0);
    KiesAlsGebruiker(w->findChild<QComboBox*>("CbxEindNat4"), 9);  // Bierbostel
    KiesAlsGebruiker(w->findChild<QComboBox*>("CbxEindNat2"), 10); // Bietenperspulp
    EXPECT_EQ(w->NatProductNr[Eind][4], 10);
    EXPECT_EQ(Cel(Eind, Nat, 8, 4), "80");
    EXPECT_EQ(Cel(Eind, Nat, 8, 2), "65");
    QTest::mouseClick(w->BtnUitklappen[Eind][Nat], Qt::LeftButton);
    QTest::mouseClick(w->BtnInklappen[Eind][Nat], Qt::LeftButton);
    EXPECT_EQ(Cel(Eind, Nat, 1, 1), "Pulp");
    EXPECT_EQ(Cel(Eind, Nat, 1, 2), "Bostel");
    EXPECT_EQ(Cel(Eind, Nat, 8, 2), "80");
    EXPECT_EQ(w->NatProductNr[Eind][1], 11);
    EXPECT_EQ(w->NatProductNr[Eind][2], 10);
    EXPECT_EQ(w->NatProductNr[Eind][4], 0);
    EXPECT_EQ(w->findChild<QComboBox*>("CbxEindNat1")->currentText(), "Bietenperspulp");
    EXPECT_EQ(w->findChild<QComboBox*>("CbxEindNat2")->currentText(), "Bierbostel");
    EXPECT_EQ(w->findChild<QComboBox*>("CbxEindNat4")->currentIndex(), -1);
    EXPECT_EQ(L("LblEindNatVre"), "75");

    // Silage: the purchased batch in row 3 moves up to row 1, with its flag and its box.
    TVoorraadGrid* gk = G(Eind, Gk);
    TypRegel(gk, 3, {"Gekocht", "1000", "900", "150", "", "4"});
    QTest::mouseClick(w->findChild<QCheckBox*>("ChkEindGk3"), Qt::LeftButton);
    EXPECT_EQ(L("LblEindAkGkHoev"), "1000");
    w->InklappenStringGrid(gk);
    EXPECT_EQ(Cel(Eind, Gk, 1, 1), "Gekocht");
    EXPECT_TRUE(w->AankoopEind[Gk][1]);
    EXPECT_FALSE(w->AankoopEind[Gk][3]);
    EXPECT_TRUE(w->findChild<QCheckBox*>("ChkEindGk1")->isChecked());
    EXPECT_FALSE(w->findChild<QCheckBox*>("ChkEindGk3")->isChecked());
    EXPECT_EQ(L("LblEindAkGkHoev"), "1000");
    EXPECT_EQ(L("LblEindAkGkP"), "4.00");
}

TEST_F(VoorraadTest, AlleVijftienWisknoppenWerken) {
    for (int m = Begin; m <= Eind; ++m)
        for (int k = Gk; k <= Mp; ++k) {
            TypRegel(G(m, k), 1, {"Partij", "100", "1000"});
            ASSERT_EQ(w->LblTotaal[m][k][1]->text(), "100");
            QTest::mouseClick(w->BtnWissen[m][k], Qt::LeftButton);
            EXPECT_EQ(Cel(m, k, 1, 1), "") << m << k;
            EXPECT_EQ(Cel(m, k, 2, 1), "") << m << k;
            EXPECT_EQ(w->LblTotaal[m][k][1]->text(), "0") << m << k;
            EXPECT_EQ(w->LblTotaal[m][k][2]->text(), "0") << m << k;
            EXPECT_EQ(Cel(m, k, 0, 1), "Batch 1");
        }
    EXPECT_TRUE(Meldingen().isEmpty());
}

TEST_F(VoorraadTest, KopierenVanEindNaarBeginNaarAanlegNaarEind) {
    TypRegel(G(Eind, Gk), 2, {"Restant", "800", "880", "140", "", "4"});
    QTest::mouseClick(w->BtnKopie[Begin][Gk], Qt::LeftButton);
    EXPECT_EQ(Cel(Begin, Gk, 1, 2), "Restant");
    EXPECT_EQ(Cel(Begin, Gk, 5, 2), "22.40");
    EXPECT_EQ(Cel(Begin, Gk, 8, 2), Cel(Eind, Gk, 8, 2));
    EXPECT_EQ(L("LblBeginGkHoev"), "800");
    TypRegel(G(Begin, Sm), 1, {"Mais", "5000", "950"});
    QTest::mouseClick(w->BtnKopie[Aanleg][Sm], Qt::LeftButton);
    EXPECT_EQ(L("LblAanlegSmHoev"), "5000");
    TypCel(G(Aanleg, Sm), 2, 1, "50000");
    QTest::mouseClick(w->BtnKopie[Eind][Sm], Qt::LeftButton);
    EXPECT_EQ(Cel(Eind, Sm, 2, 1), "50000");
    EXPECT_EQ(L("LblEindSmHoev"), "50000");
}

TEST_F(VoorraadTest, OnbekendeKnoppen) {
    QToolButton vreemd;
    vreemd.setObjectName("BtnVreemd");
    w->BtnBeginGkClick(&vreemd);
    w->BtnCopyBeginGkClick(&vreemd);
    EXPECT_EQ(Meldingen(), QStringList({"Unknown button :BtnVreemd", "Onbekende button :BtnVreemd"}));
}

// --- Hints ---

TEST_F(VoorraadTest, HintVanDeGekozenKolom) {
    G(Aanleg, Kv)->setCurrentCell(0, 2);
    EXPECT_EQ(G(Aanleg, Kv)->toolTip(), "Amount (negative = selling)");
    G(Begin, Kv)->setCurrentCell(0, 2);
    EXPECT_EQ(G(Begin, Kv)->toolTip(), "Amount");
    G(Begin, Kv)->setCurrentCell(0, 3);
    EXPECT_EQ(G(Begin, Kv)->toolTip(), "Minimum: 0 - Maximum: 3500");
    G(Eind, Mp)->setCurrentCell(1, 6);
    EXPECT_EQ(G(Eind, Mp)->toolTip(), "Minimum: 5 - Maximum: 100");
    G(Eind, Mp)->setCurrentCell(1, 1);
    EXPECT_EQ(G(Eind, Mp)->toolTip(), "Description");
    G(Eind, Mp)->setCurrentCell(1, 0);
    EXPECT_EQ(G(Eind, Mp)->toolTip(), "");
    QCoreApplication::processEvents();
    EXPECT_TRUE(omg.Berichten->Lijst.empty());
}

TEST_F(VoorraadTest, ReVanGraskuilGeeftElkeKeerDeInformatie) {
    for (int m = Begin; m <= Eind; ++m) {
        G(m, Gk)->setCurrentCell(0, 4);
        QCoreApplication::processEvents();
        EXPECT_EQ(G(m, Gk)->toolTip(), "Minimum: 10 - Maximum: 500");
        G(m, Gk)->setCurrentCell(1, 4);
        QCoreApplication::processEvents();
    }
    G(Begin, Sm)->setCurrentCell(0, 4);
    QCoreApplication::processEvents();
    EXPECT_EQ(Meldingen(TBerichtSoort::Informatie), QStringList(6, "Crude protein inclusive NH3-fraction."));
}

// --- Page checks ---

TEST_F(VoorraadTest, KuilvoorraadEnGridvlaggen) {
    TypRegel(G(Begin, Kv), 1, {"Brok", "500", "940", "160", "", "5"});
    TypRegel(G(Begin, Mp), 1, {"Poeder", "50", "3600"});
    w->ControleerPagina(3, true);
    EXPECT_FALSE(w->TabbladOK[3]);
    EXPECT_EQ(Meldingen(), QStringList({"Melkpoeder has no current value (s) ",
                                        "There must be grass+maize silage stock present on the farm"}));
    omg.Berichten->Lijst.clear();
    TypRegel(G(Aanleg, Mp), 1, {"Poeder", "50", "3600"});
    w->ControleerPagina(4, true);
    EXPECT_EQ(Meldingen(), QStringList({"Aanvoer melkpoeder has no current value (s) ",
                                        "There must be grass+maize silage stock present on the farm"}));
    omg.Berichten->Lijst.clear();
    TypRegel(G(Eind, Nat), 1, {"Pulp", "50", "50"});
    w->ControleerPagina(5, true);
    EXPECT_EQ(Meldingen(), QStringList({"Overig ruwvoer, bijproducten has no current value (s) ",
                                        "There must be grass+maize silage stock present on the farm"}));
}

TEST_F(VoorraadTest, CelEditorHoudtDeTabkleurWaar) {
    // Only maize silage, typed as a user: the silage-stock item passes, the tab turns valid.
    TypRegel(G(Begin, Sm), 1, {"Mais", "2000", "950", "70", "", "2"});
    EXPECT_TRUE(w->TabbladOK[3]);
    // Emptying the amount leaves no silage: invalid, without a message.
    QLineEdit* e = Open(G(Begin, Sm), 2, 1);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    G(Begin, Sm)->SluitEditor();
    EXPECT_FALSE(w->TabbladOK[3]);
    EXPECT_TRUE(w->GridOK[3][Sm]);
    EXPECT_TRUE(Meldingen().isEmpty());
}

TEST_F(VoorraadTest, RijtypeMetBEAOokBuitenBeeld) {
    Module(BEX_BEA);
    VulPagina(Aanleg);
    // Row 5 of a folded grid is out of view; its type is still required.
    ASSERT_TRUE(G(Aanleg, Nat)->Ingeklapt);
    TypRegel(G(Aanleg, Nat), 5, {"Bostel", "1000", "1000", "100", "", "3"});
    EXPECT_FALSE(w->TabbladOK[4]);
    EXPECT_TRUE(w->GridOK[4][Nat]);
    w->ControleerPagina(4, true);
    EXPECT_EQ(Meldingen(), QStringList({"Bostel type was not filled"}));
    KiesAlsGebruiker(w->findChild<QComboBox*>("CbxAanlegNat5"), 9);
    EXPECT_TRUE(w->TabbladOK[4]);
    // Without BEA no type is asked for.
    KiesAlsGebruiker(w->findChild<QComboBox*>("CbxAanlegNat5"), -1);
    w->NatProductNr[Aanleg][5] = 0;
    w->ToonNatProduct(Aanleg, 5);
    w->ControleerPagina(4, false);
    EXPECT_FALSE(w->TabbladOK[4]);
    Module(BEX);
    w->ControleerPagina(4, false);
    EXPECT_TRUE(w->TabbladOK[4]);
}

TEST_F(VoorraadTest, AllesGoedEnEersteFoutePagina) {
    for (int p : {0, 1, 2})
        w->TabbladOK[static_cast<std::size_t>(p)] = true;
    for (int m = Begin; m <= Eind; ++m)
        VulPagina(m);
    for (int p = 3; p <= 5; ++p)
        w->ControleerPagina(p, true);
    EXPECT_TRUE(Meldingen().isEmpty());
    EXPECT_TRUE(w->AllesGoed());
    EXPECT_EQ(w->EersteFoutePagina(), 9);
    QTest::mouseClick(w->BtnWissen[Aanleg][Gk], Qt::LeftButton);
    QTest::mouseClick(w->BtnWissen[Aanleg][Sm], Qt::LeftButton);
    EXPECT_FALSE(w->AllesGoed());
    EXPECT_EQ(w->EersteFoutePagina(), 4);
    TypCel(G(Begin, Kv), 2, 1, "10");
    EXPECT_EQ(w->EersteFoutePagina(), 3);
}

// --- Module and reset ---

TEST_F(VoorraadTest, KoppenEnMetgezellenPerModule) {
    EXPECT_EQ(Cel(Begin, Gk, 0, 0), "");
    EXPECT_EQ(Cel(Begin, Nat, 1, 0), "Description");
    EXPECT_EQ(Cel(Begin, Kv, 3, 0), "Vem/kg (Net energy)");
    EXPECT_EQ(Cel(Begin, Sm, 7, 0), "g CA/kg DM (ash)");
    auto* lijst = w->findChild<QComboBox*>("CbxBeginNat20");
    ASSERT_NE(lijst, nullptr);
    EXPECT_FALSE(lijst->isVisibleTo(lijst->parentWidget()));
    Module(BEX_BEA_BEP);
    EXPECT_EQ(Cel(Begin, Gk, 0, 0), "       Purchase");
    EXPECT_EQ(Cel(Eind, Sm, 0, 0), "       Purchase");
    EXPECT_EQ(Cel(Aanleg, Nat, 1, 0), "Description              Feed type");
    EXPECT_TRUE(lijst->isVisibleTo(lijst->parentWidget()));
    EXPECT_EQ(lijst->count(), 16);
    EXPECT_EQ(lijst->itemText(6), "Aard.persvezel");
    EXPECT_EQ(lijst->property("tag").toInt(), 120);
    EXPECT_EQ(w->findChild<QCheckBox*>("ChkAanlegSm10")->property("tag").toInt(), 210);
    EXPECT_EQ(w->findChild<QCheckBox*>("ChkAanlegSm11"), nullptr);
    EXPECT_TRUE(w->LblAanlegGkMax[6]->isVisibleTo(w->LblAanlegGkMax[6]->parentWidget()));
    EXPECT_TRUE(w->LblTotaal[Eind][Sm][6]->isVisibleTo(w->LblTotaal[Eind][Sm][6]->parentWidget()));
    for (const char* naam : {"SttBeginGk", "SttAanlegNat", "SttEindMp"}) {
        auto* link = w->findChild<QWidget*>(naam);
        ASSERT_NE(link, nullptr) << naam;
        EXPECT_FALSE(link->isEnabled()) << naam;
    }
}

TEST_F(VoorraadTest, NieuwBedrijfMaaktAllesLeeg) {
    Module(BEX_BEA_BEP);
    TypRegel(G(Aanleg, Gk), 1, {"Kuil", "1000", "900", "150", "", "4"});
    TypRegel(G(Aanleg, Nat), 1, {"Bostel", "1000"});
    KiesAlsGebruiker(w->findChild<QComboBox*>("CbxAanlegNat1"), 9);
    QTest::mouseClick(w->findChild<QCheckBox*>("ChkAanlegGk1"), Qt::LeftButton);
    QTest::mouseClick(w->BtnUitklappen[Begin][Kv], Qt::LeftButton);
    w->InitInvoer();
    for (int m = Begin; m <= Eind; ++m)
        for (int k = Gk; k <= Mp; ++k) {
            EXPECT_TRUE(G(m, k)->Ingeklapt);
            for (int f = 1; f <= 7; ++f)
                if (QLabel* l = w->LblTotaal[m][k][f]) {
                    EXPECT_EQ(l->text(), "0");
                }
        }
    EXPECT_EQ(Cel(Aanleg, Gk, 1, 1), "");
    EXPECT_EQ(w->NatProductNr[Aanleg][1], 0);
    EXPECT_EQ(w->findChild<QComboBox*>("CbxAanlegNat1")->currentIndex(), -1);
    EXPECT_FALSE(w->AankoopAanleg[Gk][1]);
    EXPECT_FALSE(w->findChild<QCheckBox*>("ChkAanlegGk1")->isChecked());
    EXPECT_EQ(L("LblAanlegGkReMax"), "0");
    EXPECT_EQ(L("LblAanlegAkGkHoev"), "0");
}
} // namespace
