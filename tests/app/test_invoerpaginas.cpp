// The input pages 0, 1, 2, 6, 7 and 8 driven as a user does: typing into the edits,
// choosing list items, clicking radio buttons, and the messages their checks give.
#include "NumEdit.h"
#include "Paginas.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Venster.h"
#include "Voorbeeldbedrijf.h"

#include "Excretion.h"
#include "Getallen.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTest>

#include "QtPrinten.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>

namespace {
class InvoerTest : public VensterTest {
protected:
    // A complete herd page of dairy cows.
    void VulPagina1() {
        Typ(w->SpenKoe, "80");
        Typ(w->SpenKalf, "20");
        Typ(w->SpenPink, "25");
        KiesAlsGebruiker(w->CbxRas, 0);
        Typ(w->SpeMelklev, "700000");
        Typ(w->SpeVet, "4.4");
        Typ(w->SpeEiwit, "3.5");
        Typ(w->SpeUreum, "22");
        for (NumEdit* e :
             {w->SpeOppGrasH, w->SpeOppGrasN, w->SpeOppGrasL, w->SpeOppBouwH, w->SpeOppBouwN, w->SpeOppBouwL})
            Typ(e, "10");
    }
    // A module item whose text names young stock, the only way to the young-stock layouts.
    void KiesJongvee() {
        w->CbxModule->addItem(QStringLiteral("BEX JONGVEE"));
        KiesAlsGebruiker(w->CbxModule, w->CbxModule->count() - 1);
        ASSERT_EQ(w->Diercategorie, "JV");
    }
};

// --- Page 0: module choice and year ---

struct ModuleGeval {
    int Index;
    std::vector<const char*> Invoer;    // module input tabs
    std::vector<const char*> Resultaat; // module result tabs
};
class ModuleTabs : public InvoerTest, public ::testing::WithParamInterface<ModuleGeval> {};

TEST_P(ModuleTabs, AlleenDeTabbladenVanDeModuleInVolgorde) {
    KiesAlsGebruiker(w->CbxModule, 4); // first all, so that hiding is tested too
    KiesAlsGebruiker(w->CbxModule, GetParam().Index);
    QStringList zichtbaar;
    for (int p = 0; p < w->TabTarvolingrader->count(); ++p)
        if (w->TabTarvolingrader->isTabVisible(p)) zichtbaar << w->TabTarvolingrader->tabText(p);
    QStringList verwacht = {"Common ",         "Company/farm   ", "Other grazing animals ",
                            "Starting stock ", "Stock increase ", "Closing stock "};
    for (const char* t : GetParam().Invoer)
        verwacht << t;
    verwacht << "Result   BEX ";
    for (const char* t : GetParam().Resultaat)
        verwacht << t;
    verwacht << "Analysis ";
    EXPECT_EQ(zichtbaar, verwacht);
    for (int p : {6, 7, 8, 10, 11, 12})
        EXPECT_EQ(ZelfZichtbaar(w->ScrollBoxen[static_cast<std::size_t>(p)]),
                  w->TabTarvolingrader->isTabVisible(p));
    EXPECT_EQ(w->Diercategorie, "MK");
}

INSTANTIATE_TEST_SUITE_P(
    Modules, ModuleTabs,
    ::testing::Values(ModuleGeval{0, {}, {}}, ModuleGeval{1, {"Input BEA  "}, {"Result   BEA "}},
                      ModuleGeval{2, {"Input BEP  "}, {"Result   BEP "}},
                      ModuleGeval{3, {"Input BEA  ", "Input BEP  "}, {"Result   BEA ", "Result   BEP "}},
                      ModuleGeval{4,
                                  {"Input BEA  ", "Input BEP  ", "Input BEN  "},
                                  {"Result   BEA ", "Result   BEP ", "Result   BEN "}},
                      ModuleGeval{5, {}, {}}));

TEST_F(InvoerTest, ModulekeuzeControleertDePaginas1Tot8) {
    w->TabbladOK.fill(false);
    KiesAlsGebruiker(w->CbxModule, 4);
    // A new farm's pages 2, 6, 7 and 8 are valid as they stand; page 0 is not re-checked.
    for (int p : {2, 6, 7, 8})
        EXPECT_TRUE(w->TabbladOK[static_cast<std::size_t>(p)]) << p;
    EXPECT_FALSE(w->TabbladOK[0]);
    EXPECT_FALSE(w->TabbladOK[1]);
    EXPECT_TRUE(Meldingen().isEmpty());
    // An index set in code runs no handler.
    w->CbxModule->setCurrentIndex(0);
    EXPECT_TRUE(w->ModuleBEA && w->ModuleBEP && w->ModuleBEN);
}

TEST_F(InvoerTest, JaartalZetDeJarenVanDeBepPagina) {
    Typ(w->SpeJaartal, "2012");
    EXPECT_EQ(w->LblJaar2->text(), "2010");
    EXPECT_EQ(w->LblJaar1->text(), "2011");
    const auto* basis = w->GrpResultBEP->widget()->findChild<QLabel*>("SttBepBasis");
    const auto* drie = w->GrpResultBEP->widget()->findChild<QLabel*>("SttBepJaar3");
    const auto* een = w->GrpResultBEP->widget()->findChild<QLabel*>("SttBepJaar");
    ASSERT_TRUE(basis && drie && een);
    Typ(w->SpeJaartal, "2010");
    EXPECT_EQ(een->text(), "afgelopen jaar: 2010");
    EXPECT_EQ(drie->text(), "gemiddelde afgelopen jaren: 2008, 2009, 2010");
    EXPECT_EQ(basis->text(), "* NB: Gebruiksnormen fosfaat en mestafzet zijn berekend o.b.v. arealen en "
                             "fosfaattoestanden in 2010");
}

// --- Page 1: milk and norm excretion ---

TEST_F(InvoerTest, TeveelKoeienGetyptWordtBegrensdMetEenNotitie) {
    Toon();
    w->TabTarvolingrader->setCurrentIndex(1);
    w->SpenKoe->setFocus();
    Typ(w->SpenKoe, "5000");
    QTest::keyClick(w->SpenKoe, Qt::Key_Return); // Enter moves on
    EXPECT_NE(QApplication::focusWidget(), w->SpenKoe);
    EXPECT_EQ(w->SpenKoe->text(), "1500.0");
    EXPECT_EQ(w->SpenKoe->limitMessage(), "5000 is above the maximum 1500.0: set to 1500.0");
    EXPECT_TRUE(Meldingen().isEmpty());
    // A farm file's value: no note.
    w->SpenKalf->setValue(99999);
    w->SpenKalf->setFocus();
    w->SpenPink->setFocus();
    EXPECT_EQ(w->SpenKalf->limitMessage(), "");
}

TEST_F(InvoerTest, MelkproductiePerKoe) {
    Typ(w->SpeMelklev, "3000000");
    EXPECT_EQ(w->LblMelkprod->text(), "");
    Typ(w->SpenKoe, "400");
    EXPECT_EQ(w->LblMelkprod->text(), "7500");
    Typ(w->SpenKoe, "0");
    EXPECT_EQ(w->LblMelkprod->text(), "0");
    Typ(w->SpenKoe, "");
    EXPECT_EQ(w->LblMelkprod->text(), "");
}

struct NormGeval {
    const char* Jaar;
    const char* Drijf; // % liquid manure of cows and of both young-stock groups
    const char* N1;
    const char* P1;
    const char* N2;
    const char* P2;
    const char* N3;
    const char* P3;
};
class NormExcretie : public InvoerTest, public ::testing::WithParamInterface<NormGeval> {};

TEST_P(NormExcretie, PerDierUitDeNormtabellen) {
    const NormGeval& g = GetParam();
    Typ(w->SpeJaartal, g.Jaar);
    Typ(w->SpenKoe, "400");
    Typ(w->SpeMelklev, "3000000"); // 7500 kg per cow
    Typ(w->SpeUreum, "25");
    Typ(w->SpenPink, "30");
    Typ(w->SpenKalf, "35");
    for (NumEdit* e : {w->SpeDrijfMk, w->SpeDrijfPi, w->SpeDrijfKa})
        Typ(e, g.Drijf);
    if (g.N1) {
        EXPECT_EQ(w->LblExcretieN1->text(), g.N1);
    }
    EXPECT_EQ(w->LblExcretieP1->text(), g.P1);
    EXPECT_EQ(w->LblExcretieN2->text(), g.N2);
    EXPECT_EQ(w->LblExcretieP2->text(), g.P2);
    EXPECT_EQ(w->LblExcretieN3->text(), g.N3);
    EXPECT_EQ(w->LblExcretieP3->text(), g.P3);
}

// Cows: milk class 9 at urea 25 gives 113.0 (2009) and 111.0 (2010) kg N on slurry.
INSTANTIATE_TEST_SUITE_P(
    JarenEnMest, NormExcretie,
    ::testing::Values(NormGeval{"2009", "100", "113.0", "41.5", "70.2", "24.1", "32.8", "9.3"},
                      NormGeval{"2010", "100", "111.0", "39.8", "66.7", "22.3", "35.1", "9.7"},
                      NormGeval{"2009", "0", nullptr, "41.5", "60.0", "24.1", "28.0", "9.3"},
                      NormGeval{"2010", "50", nullptr, "39.8", "61.8", "22.3", "32.5", "9.7"}));

TEST_F(InvoerTest, GemengdeMestVanKoeienWeegtBeideTabellen) {
    Typ(w->SpeJaartal, "2010");
    Typ(w->SpenKoe, "400");
    Typ(w->SpeMelklev, "3000000");
    Typ(w->SpeUreum, "25");
    Typ(w->SpeDrijfMk, "60");
    const long double s = 60 / 100.0L;
    const long double n =
        Zoek_Excretie_Drijf_N(2010, 7500, 25) * s + Zoek_Excretie_Vast_N(2010, 7500, 25) * (1 - s);
    EXPECT_EQ(w->LblExcretieN1->text().toStdString(), FormatFloat("0.0", n));
    EXPECT_NE(w->LblExcretieN1->text(), "111.0");
    // Back to 2009 by typing the year.
    Typ(w->SpeJaartal, "2009");
    const long double n9 =
        Zoek_Excretie_Drijf_N(2009, 7500, 25) * s + Zoek_Excretie_Vast_N(2009, 7500, 25) * (1 - s);
    EXPECT_EQ(w->LblExcretieN1->text().toStdString(), FormatFloat("0.0", n9));
}

// --- Page 1: grazing ---

TEST_F(InvoerTest, TeveelMaandenWeidenMeldtZichBijHetTypen) {
    VulPagina1();
    w->TabTarvolingrader->setCurrentIndex(1);
    Typ(w->SpeMndWeidBMk, "6");
    EXPECT_TRUE(w->TabbladOK[1]);
    Typ(w->SpeMndWeidOMk, "7");
    EXPECT_EQ(Meldingen(), QStringList({"Totaal aantal maanden weiden mag niet groter zijn dan 12"}));
    EXPECT_EQ(w->LblMndWeiden->text(), "13.0 months of grazing");
    EXPECT_FALSE(w->TabbladOK[1]);
    EXPECT_EQ(w->TabTarvolingrader->currentIndex(), 1);

    // The OK button's check speaks too; the silent one does not.
    omg.Berichten->Lijst.clear();
    w->ControleerPagina(1, false);
    EXPECT_TRUE(Meldingen().isEmpty());
    w->ControleerPagina(1, true);
    EXPECT_EQ(Meldingen(), QStringList({"Totaal aantal maanden weiden mag niet groter zijn dan 12"}));
}

TEST_F(InvoerTest, MaandenUitCodeOfUitEenBestandSpreken_niet) {
    VulPagina1();
    w->SpeMndWeidBMk->setValue(6);
    w->SpeMndZstvOMk->setValue(7); // as the batch run fills the page
    EXPECT_FALSE(w->TabbladOK[1]);
    w->BezigMetInlezen = true;
    Typ(w->SpeMndZstvBMk, "1");
    w->BezigMetInlezen = false;
    EXPECT_TRUE(Meldingen().isEmpty());
    // An incomplete page does not come to the months.
    Typ(w->SpenKoe, "");
    Typ(w->SpeMndWeidOMk, "2");
    EXPECT_TRUE(Meldingen().isEmpty());
}

TEST_F(InvoerTest, ZesPlusZesMaandenIsGoed) {
    VulPagina1();
    Typ(w->SpeMndWeidBMk, "6");
    Typ(w->SpeMndZstvOMk, "6");
    EXPECT_TRUE(w->TabbladOK[1]);
    EXPECT_EQ(w->LblMndWeiden->text(), "12.0 months of grazing");
    Typ(w->SpeMndWeidBMk, "4.1");
    Typ(w->SpeMndZstvOMk, "4.1");
    Typ(w->SpeMndWeidOMk, "3.8");
    EXPECT_TRUE(w->TabbladOK[1]);
    EXPECT_TRUE(Meldingen().isEmpty());
    Typ(w->SpeMndZstvOMk, "");
    EXPECT_EQ(w->LblMndWeiden->text(), "");
}

TEST_F(InvoerTest, UrenVerschijnenMetHunMaandenEnBeginnenBinnenHunBereik) {
    EXPECT_FALSE(ZelfZichtbaar(w->SpeUurWeidBMk));
    EXPECT_EQ(w->SpeUurWeidBMk->text(), "0"); // the reset's value, below the range 2..9
    Typ(w->SpeMndWeidBMk, "3");
    Typ(w->SpeMndWeidOMk, "2");
    EXPECT_TRUE(ZelfZichtbaar(w->SpeUurWeidBMk));
    EXPECT_EQ(w->SpeUurWeidBMk->text(), "2.0");
    EXPECT_EQ(w->SpeUurWeidOMk->text(), "9.0");
    Typ(w->SpeUurWeidBMk, "5");
    Typ(w->SpeMndWeidBMk, "0");
    EXPECT_FALSE(ZelfZichtbaar(w->SpeUurWeidBMk));
    EXPECT_EQ(w->SpeUurWeidBMk->text(), "5"); // a hidden hour keeps its value
    EXPECT_TRUE(ZelfZichtbaar(w->SpeUurWeidOMk));
}

// --- Page 1: areas ---

struct ArealenGeval {
    const char* Jaar;
    int Module;
    bool EenTotaal;
};
class Arealen : public InvoerTest, public ::testing::WithParamInterface<ArealenGeval> {};

TEST_P(Arealen, EenTotaalTot2009ZonderBep) {
    KiesAlsGebruiker(w->CbxModule, GetParam().Module);
    Typ(w->SpeJaartal, GetParam().Jaar);
    const bool een = GetParam().EenTotaal;
    EXPECT_EQ(ZelfZichtbaar(w->SpeOppGras), een);
    EXPECT_EQ(ZelfZichtbaar(w->SpeOppBouw), een);
    for (QWidget* c : std::initializer_list<QWidget*>{w->SpeOppGrasH, w->SpeOppGrasN, w->SpeOppGrasL,
                                                      w->SpeOppBouwH, w->SpeOppBouwL, w->LblOppGras,
                                                      w->LblOppBouw, w->SttFosfaatG1, w->SttFosfaatB3})
        EXPECT_EQ(ZelfZichtbaar(c), !een) << c->objectName().toStdString();
    // A new farm's shown areas are not filled.
    w->ControleerPagina(1, true);
    const QStringList m = Meldingen();
    EXPECT_EQ(m.contains("Oppervlakte grasland was not filled in or has no current value"), een);
    EXPECT_EQ(m.contains("Oppervlakte grasland laag was not filled in or has no current value"), !een);
}

INSTANTIATE_TEST_SUITE_P(JaarEnModule, Arealen,
                         ::testing::Values(ArealenGeval{"2009", 0, true}, ArealenGeval{"2010", 0, false},
                                           ArealenGeval{"2009", 2, false}, ArealenGeval{"2006", 1, true},
                                           ArealenGeval{"2015", 4, false}));

TEST_F(InvoerTest, EenAfwijkendTotaalGaatNaarKlasseHoog) {
    Typ(w->SpeJaartal, "2009");
    for (NumEdit* e : {w->SpeOppGrasH, w->SpeOppGrasN, w->SpeOppGrasL})
        e->setText("5");
    EXPECT_EQ(w->LblOppGras->text(), "15.00");
    // Set as the farm file does: equal to the classes, so they stay.
    w->SpeOppGras->setText("15");
    EXPECT_EQ(w->SpeOppGrasN->text(), "5");
    Typ(w->SpeOppGras, "20");
    EXPECT_EQ(w->SpeOppGrasH->text(), "20");
    EXPECT_EQ(w->SpeOppGrasN->text(), "0");
    EXPECT_EQ(w->SpeOppGrasL->text(), "0");
    EXPECT_EQ(w->LblOppGras->text(), "20.00");
    Typ(w->SpeOppBouw, "7.5");
    EXPECT_EQ(w->SpeOppBouwH->text(), "7.5");
    EXPECT_EQ(w->SpeOppMaisH->text(), "7.50");
    // From 2010 the classes show what the single total became.
    Typ(w->SpeJaartal, "2010");
    EXPECT_TRUE(ZelfZichtbaar(w->SpeOppGrasH));
    EXPECT_EQ(w->SpeOppGras->text(), "20.00");
}

// The classes keep what the farmer typed when the grazing months redo the layout: an
// area takes no more decimals than its total shows, so the hidden single total always
// equals the classes and moves nothing to "high".
TEST_F(InvoerTest, KlassenBlijvenStaanBijHetWeiden) {
    Typ(w->SpeJaartal, "2010");
    Typ(w->SpeOppGrasH, "12.345");
    Typ(w->SpeOppGrasN, "5");
    Typ(w->SpeOppGrasL, "3");
    Typ(w->SpeOppBouwN, "4.567");
    Typ(w->SpeOppBouwL, "2");
    EXPECT_EQ(w->SpeOppGrasH->text(), "12.34");
    EXPECT_EQ(w->LblOppGras->text(), "20.34");
    Typ(w->SpeMndWeidBMk, "6");
    Typ(w->SpeMndWeidOMk, "2");
    EXPECT_EQ(w->SpeOppGrasH->text(), "12.34");
    EXPECT_EQ(w->SpeOppGrasN->text(), "5");
    EXPECT_EQ(w->SpeOppGrasL->text(), "3");
    EXPECT_EQ(w->SpeOppBouwN->text(), "4.56");
    EXPECT_EQ(w->SpeOppBouwL->text(), "2");
    EXPECT_EQ(w->SpeOppBouwH->text(), "");
}

TEST_F(InvoerTest, SnijmaisVolgtHetBouwlandPerKlasse) {
    Typ(w->SpeOppBouwH, "10");
    Typ(w->SpeOppBouwN, "0");
    Typ(w->SpeOppBouwL, "5");
    EXPECT_EQ(w->LblOppBouw->text(), "15.00");
    const std::array<std::pair<NumEdit*, const char*>, 3> mais = {
        {{w->SpeOppMaisH, "10.00"}, {w->SpeOppMaisN, "0.00"}, {w->SpeOppMaisL, "5.00"}}};
    for (const auto& [e, tekst] : mais) {
        EXPECT_EQ(e->text(), tekst) << e->objectName().toStdString();
        EXPECT_EQ(e->toolTip(), QStringLiteral("Minimum: 0.00  -  Maximum: ") + tekst);
    }
    EXPECT_EQ(w->LblOppBouwHBEP->text(), "10.00");
    EXPECT_EQ(w->LblOppBouwLBEP->text(), "5.00");
    EXPECT_TRUE(ZelfZichtbaar(w->CbxMaisGrond));
    EXPECT_TRUE(w->SpeToedNKmMais->isEnabled());
    // No more maize than arable land in the class.
    w->SpeOppMaisL->setValue(8);
    EXPECT_EQ(w->SpeOppMaisL->text(), "5.00");

    Typ(w->SpeToedNKmMais, "300");
    Typ(w->SpeOppBouwH, "0");
    Typ(w->SpeOppBouwL, "0");
    EXPECT_FALSE(ZelfZichtbaar(w->CbxMaisGrond));
    EXPECT_FALSE(ZelfZichtbaar(w->CbxMaisGttrap));
    EXPECT_FALSE(w->SpeToedNKmMais->isEnabled());
    EXPECT_EQ(w->SpeToedNKmMais->text(), "0");
}

// --- Page 1: young stock only ---

TEST_F(InvoerTest, JongveeIndeling) {
    Typ(w->SpenKoe, "80");
    KiesJongvee();
    EXPECT_FALSE(ZelfZichtbaar(w->SpenKoe));
    EXPECT_EQ(w->SpenKoe->text(), "0.0");
    EXPECT_EQ(w->CbxRas->currentIndex(), 0);
    EXPECT_TRUE(ZelfZichtbaar(w->SpeLftJvAan));
    EXPECT_EQ(w->SttnKalf->text(), "No. of youngstock < 1 yr (cat. 101)");
    EXPECT_EQ(w->SttRas->text(), "Youngstock breed");
    EXPECT_EQ(w->SttDrijfPi->text(), "%  youngst. > 1 yr with liq.manure");
    EXPECT_EQ(w->SttSysteem[3]->text(), "Youngstock > 1 year: limited grazing");
    EXPECT_FALSE(ZelfZichtbaar(w->GrpMelk));
    EXPECT_FALSE(ZelfZichtbaar(w->LblExcretieN1));
    EXPECT_FALSE(ZelfZichtbaar(w->SpeMndWeidBMk));
    EXPECT_TRUE(ZelfZichtbaar(w->SpeMndWeidBKa));
    EXPECT_FALSE(ZelfZichtbaar(w->SpeUurWeidBKa));
    Typ(w->SpeMndWeidBKa, "4");
    EXPECT_TRUE(ZelfZichtbaar(w->SpeUurWeidBKa));
    EXPECT_EQ(w->SpeUurWeidBKa->text(), "10");

    // The calves' months speak above 12, the heifers' apart from them.
    w->SpenKalf->setText("10");
    w->SpenPink->setText("10");
    for (NumEdit* e :
         {w->SpeOppGrasH, w->SpeOppGrasN, w->SpeOppGrasL, w->SpeOppBouwH, w->SpeOppBouwN, w->SpeOppBouwL})
        e->setText("10");
    omg.Berichten->Lijst.clear();
    Typ(w->SpeMndWeidOKa, "9");
    EXPECT_EQ(Meldingen(), QStringList({"Calves: total no. of grazing months should be smaller than 12"}));
    omg.Berichten->Lijst.clear();
    Typ(w->SpeMndWeidOKa, "8");
    Typ(w->SpeMndWeidBPi, "12");
    EXPECT_TRUE(Meldingen().isEmpty());
    EXPECT_TRUE(w->TabbladOK[1]);
    Typ(w->SpeMndWeidOPi, "0.5");
    EXPECT_EQ(Meldingen(), QStringList({"Pinken: total no. of grazing months should be smaller than 12"}));
    omg.Berichten->Lijst.clear();
    Typ(w->SpeMndWeidOKa, "9");
    EXPECT_EQ(Meldingen(), QStringList({"Calves: total no. of grazing months should be smaller than 12",
                                        "Pinken: total no. of grazing months should be smaller than 12"}));

    // Back to cows: the ages hidden again with their cow values.
    KiesAlsGebruiker(w->CbxModule, 0);
    EXPECT_TRUE(ZelfZichtbaar(w->SpenKoe));
    EXPECT_FALSE(ZelfZichtbaar(w->SpeLftJvAan));
    EXPECT_EQ(w->SpeLftJvAfv->text(), "24.0");
    EXPECT_EQ(w->SttRas->text(), "Dairy breed");
}

struct LeeftijdGeval {
    bool Aanvoer; // leaving the arrival age, else the removal age
    const char* Leeftijd;
    const char* Aantal; // calves for the arrival age, heifers for the removal age
    const char* Melding;
};
class Leeftijden : public InvoerTest, public ::testing::WithParamInterface<LeeftijdGeval> {};

TEST_P(Leeftijden, VerlatenVanDeLeeftijd) {
    KiesJongvee();
    Toon();
    w->TabTarvolingrader->setCurrentIndex(1);
    const LeeftijdGeval& g = GetParam();
    (g.Aanvoer ? w->SpenKalf : w->SpenPink)->setText(g.Aantal);
    NumEdit* leeftijd = g.Aanvoer ? w->SpeLftJvAan : w->SpeLftJvAfv;
    leeftijd->setFocus();
    omg.Berichten->Lijst.clear();
    Typ(leeftijd, g.Leeftijd);
    w->SpeMndWeidBKa->setFocus();
    if (*g.Melding)
        EXPECT_EQ(Meldingen(), QStringList({QString::fromUtf8(g.Melding)}));
    else
        EXPECT_TRUE(Meldingen().isEmpty()) << Meldingen().join('|').toStdString();
    const double l = QString::fromUtf8(g.Leeftijd).toDouble();
    if (g.Aanvoer)
        EXPECT_DOUBLE_EQ(w->SpeLftJvAfv->minimum(), std::max(l + 1, 4.0));
    else
        EXPECT_DOUBLE_EQ(w->SpeLftJvAan->maximum(), std::min(l - 1, 20.0));
}

INSTANTIATE_TEST_SUITE_P(
    VierMeldingen, Leeftijden,
    ::testing::Values(
        LeeftijdGeval{true, "12", "5",
                      "There are calves present on the farm.\nArrival age should be lower than 12 months."},
        LeeftijdGeval{
            true, "2", "0",
            "There are no calves present on the farm.\nArrival age should be higher than 12 months."},
        LeeftijdGeval{true, "2", "5", ""}, LeeftijdGeval{true, "15", "0", ""},
        LeeftijdGeval{
            false, "12", "5",
            "There are calves > 1 year present on the farm.\nRemoval age should be higher than 12 months."},
        LeeftijdGeval{false, "20", "0",
                      "There are no calves > 1 year ppresent on the farm.\nRemoval age should be lower than "
                      "12 months."},
        LeeftijdGeval{false, "20", "5", ""}, LeeftijdGeval{false, "8", "0", ""}));

// --- Page 2: other grazing animals ---

TEST_F(InvoerTest, OverigeGraasdierenPerJaar) {
    Typ(w->SpeJaartal, "2009");
    EXPECT_EQ(w->LblExcretieGraasGem3->text(), "0.0"); // no animals
    w->RbtGraasJa->click();
    Typ(w->SpeGraas[1], "10");
    const std::array<const char*, 5> rij2009 = {"", "76.4", "30.3", "764.0", "303.0"};
    for (std::size_t c = 1; c <= 4; ++c)
        EXPECT_EQ(w->LblGraasExc[1][c]->text(), rij2009[c]) << c;
    EXPECT_EQ(w->LblnGraas->text(), "10.0");
    EXPECT_EQ(w->LblExcretieGraas3->text(), "764.0");
    EXPECT_EQ(w->LblExcretieGraas4->text(), "303.0");
    EXPECT_EQ(w->LblExcretieGraasGem3->text(), "76.4");
    EXPECT_EQ(w->LblGraasExc[13][1]->text(), "47.6");

    Typ(w->SpeJaartal, "2010");
    const std::array<const char*, 5> rij2010 = {"", "71.2", "27.2", "712.0", "272.0"};
    for (std::size_t c = 1; c <= 4; ++c)
        EXPECT_EQ(w->LblGraasExc[1][c]->text(), rij2010[c]) << c;
    EXPECT_EQ(w->LblExcretieGraas4->text(), "272.0");

    Typ(w->SpeGraas[13], "10");
    EXPECT_EQ(w->LblnGraas->text(), "20.0");
    EXPECT_EQ(w->LblExcretieGraas3->text(), "1188.0"); // 712 + 10 x 47.6
    EXPECT_EQ(w->LblExcretieGraas4->text(), "492.0");
    EXPECT_EQ(w->LblExcretieGraasGem3->text(), "59.4");
}

TEST_F(InvoerTest, GeenGraasdierenMaaktDeTabelNulEnVerbergtHem) {
    EXPECT_FALSE(ZelfZichtbaar(w->SpeGraas[1]));
    w->RbtGraasJa->click();
    for (std::size_t i : {1u, 5u, 13u}) {
        EXPECT_TRUE(ZelfZichtbaar(w->SpeGraas[i]));
        EXPECT_TRUE(ZelfZichtbaar(w->LblGraas[i]));
        EXPECT_TRUE(ZelfZichtbaar(w->RbtGraasJaCat[i]));
    }
    Typ(w->SpeGraas[5], "12");
    w->RbtGraasJaCat[5]->click();
    w->RbtGraasNee->click();
    for (std::size_t i = 1; i <= 13; ++i) {
        EXPECT_EQ(w->SpeGraas[i]->text(), "0.0") << i;
        EXPECT_FALSE(ZelfZichtbaar(w->SpeGraas[i])) << i;
        EXPECT_FALSE(ZelfZichtbaar(w->LblGraasExc[i][3])) << i;
    }
    EXPECT_FALSE(ZelfZichtbaar(w->LblnGraas));
    EXPECT_EQ(w->LblnGraas->text(), "0.0");
    EXPECT_TRUE(ZelfZichtbaar(w->RbtGraasNee));
    EXPECT_TRUE(w->TabbladOK[2]);
    w->RbtGraasJa->click();
    EXPECT_TRUE(ZelfZichtbaar(w->SpeGraas[5]));
    EXPECT_EQ(w->SpeGraas[5]->text(), "0.0");
}

// --- Page 6 ---

struct MethodeGeval {
    bool Gras;
    int Share; // 1..3
    const char* Tekst;
    std::array<const char*, 3> Na;
};
class Methoden : public InvoerTest, public ::testing::WithParamInterface<MethodeGeval> {};

TEST_P(Methoden, DrieAandelenBlijven100) {
    const MethodeGeval& g = GetParam();
    // Arable methods are shown with slurry on arable land.
    Typ(w->SpeDrijfMais, "500");
    const std::array<NumEdit*, 3> m =
        g.Gras ? std::array<NumEdit*, 3>{w->SpeMethGras1, w->SpeMethGras2, w->SpeMethGras3}
               : std::array<NumEdit*, 3>{w->SpeMethBouw1, w->SpeMethBouw2, w->SpeMethBouw3};
    Typ(m[static_cast<std::size_t>(g.Share - 1)], g.Tekst);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(m[i]->text(), g.Na[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Cyclus, Methoden,
                         ::testing::Values(MethodeGeval{true, 1, "70", {"70", "30", "0"}},
                                           MethodeGeval{false, 3, "30", {"70", "0", "30"}},
                                           MethodeGeval{true, 2, "100", {"0", "100", "0"}},
                                           MethodeGeval{false, 1, "", {"0", "100", "0"}},
                                           MethodeGeval{true, 3, "45", {"55", "0", "45"}}));

TEST_F(InvoerTest, LeegAandeelWordtNulEnDeRestVult) {
    Typ(w->SpeMethGras1, "70"); // 70, 30, 0
    Typ(w->SpeMethGras2, "");
    EXPECT_EQ(w->SpeMethGras1->text(), "70");
    EXPECT_EQ(w->SpeMethGras2->text(), "0");
    EXPECT_EQ(w->SpeMethGras3->text(), "30");
}

TEST_F(InvoerTest, DrijfmestOpBouwlandToontDeMethoden) {
    EXPECT_FALSE(ZelfZichtbaar(w->SpeMethBouw1));
    Typ(w->SpeDrijfBouw, "200");
    for (NumEdit* e : {w->SpeMethBouw1, w->SpeMethBouw2, w->SpeMethBouw3})
        EXPECT_TRUE(ZelfZichtbaar(e));
    Typ(w->SpeDrijfBouw, "0");
    EXPECT_FALSE(ZelfZichtbaar(w->SpeMethBouw3));
}

TEST_F(InvoerTest, MestafvoerAlleenOpgegevenTeZien) {
    EXPECT_FALSE(ZelfZichtbaar(w->SpeDrijfAfv));
    w->RbtMstafvOpg->click();
    EXPECT_TRUE(ZelfZichtbaar(w->SpeDrijfAfv));
    Typ(w->SpeDrijfAfv, "2500");
    w->RbtMstafvStand->click();
    EXPECT_FALSE(ZelfZichtbaar(w->SpeDrijfAfv));
    EXPECT_EQ(w->SpeDrijfAfv->text(), "0");
}

TEST_F(InvoerTest, FosfaatafvoerControleertPagina7) {
    {
        const QSignalBlocker stil(w->SpeAfvoerGkP);
        w->SpeAfvoerGkP->setText("");
    }
    w->ControleerPagina(7, false);
    ASSERT_FALSE(w->TabbladOK[7]);
    w->TabbladOK[6] = false;
    Typ(w->SpeAfvoerGkP, "3.5");
    EXPECT_TRUE(w->TabbladOK[7]);
    EXPECT_FALSE(w->TabbladOK[6]);
}

// --- The messages of each page ---

struct PaginaMeldingen {
    int Pagina;
    std::vector<const char*> Meldingen;
};
class Paginacontrole : public InvoerTest, public ::testing::WithParamInterface<PaginaMeldingen> {};

// Every input of the page emptied (lists without a choice), the page checked with messages.
TEST_P(Paginacontrole, LegePaginaMetDeNamenVanDeControle) {
    KiesAlsGebruiker(w->CbxModule, 4);
    if (GetParam().Pagina == 7 || GetParam().Pagina == 8) Typ(w->SpeOppBouwH, "10"); // maize shown
    if (GetParam().Pagina == 2) w->RbtGraasJa->click();                              // the table shown
    for (const TBesturingDef& def : PaginaBesturingen(GetParam().Pagina)) {
        if (!*def.Naam) continue;
        QWidget* c = w->findChild<QWidget*>(QString::fromLatin1(def.Naam));
        const QSignalBlocker stil(c);
        if (auto* e = qobject_cast<NumEdit*>(c)) e->setText("");
        if (auto* e = qobject_cast<QLineEdit*>(c)) e->setText("");
        if (auto* l = qobject_cast<QComboBox*>(c)) l->setCurrentIndex(-1);
        if (auto* r = qobject_cast<QRadioButton*>(c)) {
            r->setAutoExclusive(false);
            r->setChecked(false);
        }
    }
    omg.Berichten->Lijst.clear();
    w->ControleerPagina(GetParam().Pagina, true);
    EXPECT_FALSE(w->TabbladOK[static_cast<std::size_t>(GetParam().Pagina)]);
    QStringList verwacht;
    for (const char* m : GetParam().Meldingen)
        verwacht << QString::fromUtf8(m);
    EXPECT_EQ(Meldingen(), verwacht);
}

const char* const kNiet = " was not filled in or has no current value";

std::vector<const char*> Namen(std::initializer_list<const char*> namen) {
    static std::deque<std::string> teksten;
    std::vector<const char*> v;
    for (const char* n : namen) {
        teksten.push_back(std::string(n) + kNiet);
        v.push_back(teksten.back().c_str());
    }
    return v;
}

std::vector<const char*> Pagina0Meldingen() {
    std::vector<const char*> v = Namen({"Modules", "Jaartal"});
    v.insert(v.end(), {"Farmers name was not filled", "Street + number were not filled",
                       "Zip code + City were not filled"});
    return v;
}

std::vector<const char*> Pagina1Meldingen() {
    std::vector<const char*> v =
        Namen({"Oppervlakte grasland laag", "Oppervlakte grasland neutraal", "Oppervlakte grasland hoog",
               "Oppervlakte bouwland laag", "Oppervlakte bouwland neutraal", "Oppervlakte bouwland hoog",
               "Aantal koeien", "Ras koeien", "Aantal pinken", "Aantal kalveren", "Percentage drijfmest mk",
               "Percentage drijfmest ka", "Percentage drijfmest pi", "Melkleverantie", "Vetgehalte",
               "Eiwitgehalte", "Melkureumgehalte"});
    v.push_back("Melkproductie has no current value(s)");
    const auto maanden = Namen({"Aantal maanden beperkt weiden", "Aantal maanden onbeperkt weiden",
                                "Aantal maanden beperkt zstv", "Aantal maanden onbeperkt zstv"});
    v.insert(v.end(), maanden.begin(), maanden.end());
    return v;
}

std::vector<const char*> Pagina2Meldingen() {
    std::vector<const char*> v = Namen({"Graasdieren aanwezig"});
    const auto graas = Namen(
        {"Graze- and suckler cows, liq. manure (cat.120)", "Graze- and suckler cows, solid manure (cat. 120)",
         "Breeding bulls > 2 year (cat. 104)", "Bulls, breeding crossling > 3 months (cat. 122)",
         "Bulls, meat > 3 months (cat. 122)", "Startcalves for meat bulls < 3 months (cat. 121)",
         "Rosécalves, 2 wk - 8 month (cat. 117)", "Breeding sheep + lambs (cat. 550)",
         "Other sheep (cat. 552)", "Pony's < 250 kg (cat. 941)", "Pony's 250 - 450 kg (cat.942)",
         "Horses 250 - 450 kg (cat. 943)", "Horses > 450 kg (cat. 944)"});
    v.insert(v.end(), graas.begin(), graas.end());
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Paginas, Paginacontrole,
    ::testing::Values(
        PaginaMeldingen{0, Pagina0Meldingen()}, PaginaMeldingen{1, Pagina1Meldingen()},
        PaginaMeldingen{2, Pagina2Meldingen()},
        // The disposal is hidden with "Based on BEX" and arable methods without slurry on arable land.
        PaginaMeldingen{
            6, Namen({"Type stal", "Drijfmest aanvoer", "Drijfmest maisland", "Drijfmest ov bouwland",
                      "Ureum bouwland", "Ureum grasland", "Overige N-kunstmest bouwland",
                      "Overige N-kunstmest grasland", "Grasland: zodebemesten", "Grasland: sleepvoeten",
                      "Grasland: sleufkouteren"})},
        PaginaMeldingen{
            7,
            Namen({"Snijmais: oppervlate HOOG", "Snijmais: oppervlate NEUTRAAL", "Snijmais: oppervlate LAAG",
                   "Vers gras: afvoer hoev ds", "Graskuil: afvoer hoev ds", "Snijmais: afvoer hoev ds",
                   "Vers gras: afvoer P-gehalte", "Graskuil: afvoer P-gehalte", "Snijmais: afvoer P-gehalte",
                   "Grasland: norm 1 jaar geleden", "Grasland: norm 2 jaar geleden",
                   "Snijmais: norm 1 jaar geleden", "Snijmais: norm 2 jaar geleden"})},
        PaginaMeldingen{8, Namen({"Grondsoort grasland", "Grondsoort snijmais", "Gttrap grasland",
                                  "Gttrap snijmais", "Snijmais: toedienin K-kunstmes",
                                  "Mestvoorraad: 1 januari", "Mestvoorraad: 31 december",
                                  "N-gehalte mest: 1 januari", "N-gehalte mest: 31 december"})}));

// --- New farm ---

// Everything a user could see or change of a control of the input pages.
std::map<QString, QString> Staat(const TFrmHoofdFormulier& f) {
    std::map<QString, QString> s;
    for (const TBesturingDef* def : AlleBesturingen()) {
        if (!*def->Naam) continue;
        const QWidget* c = f.findChild<QWidget*>(QString::fromLatin1(def->Naam));
        QString t = ControleTekst(c) + '|' + QString::number(ZelfZichtbaar(c)) +
                    QString::number(c->isEnabled()) + '|' + c->toolTip();
        if (const auto* e = qobject_cast<const NumEdit*>(c))
            t += '|' + QString::number(e->minimum()) + ".." + QString::number(e->maximum());
        if (const auto* r = qobject_cast<const QRadioButton*>(c)) t += '|' + QString::number(r->isChecked());
        if (const auto* l = qobject_cast<const QComboBox*>(c)) t += '|' + QString::number(l->currentIndex());
        s[c->objectName()] = t;
    }
    for (int p = 0; p <= 8; ++p)
        s[QStringLiteral("TabbladOK") + QString::number(p)] =
            QString::number(f.TabbladOK[static_cast<std::size_t>(p)]);
    return s;
}

TEST_F(InvoerTest, NieuwNaEenVolledigBedrijfLaatNietsAchter) {
    TFrmHoofdFormulier nieuw(omg.Omgeving());
    nieuw.Afsluiten = [] {};
    KiesAlsGebruiker(nieuw.CbxModule, 4);
    KiesAlsGebruiker(w->CbxModule, 4);

    Typ(w->SpeJaartal, "2014");
    w->EdtNaam->setText("Jansen");
    w->EdtOmschrijving->setText("Proef");
    VulPagina1();
    Typ(w->SpeDrijfMk, "60");
    Typ(w->SpeMndWeidBMk, "6");
    Typ(w->SpeUurWeidBMk, "7");
    w->RbtGraasJa->click();
    Typ(w->SpeGraas[3], "4");
    w->RbtGraasJaCat[3]->click();
    w->RbtMstafvOpg->click();
    Typ(w->SpeDrijfAfv, "1000");
    Typ(w->SpeDrijfBouw, "300");
    Typ(w->SpeMethBouw2, "40");
    Typ(w->SpeMethGras3, "20");
    KiesAlsGebruiker(w->CbxTypeStal, 5);
    KiesAlsGebruiker(w->CbxRas, 2);
    w->CbxGrasGttrap->setCurrentIndex(2);
    w->SpeUurWeidBKa->setValue(5); // hidden with cows
    Typ(w->SpeOppMaisN, "4");
    Typ(w->SpeAfvoerSmP, "3.2");
    Typ(w->SpeBEPnormGk2, "80");
    KiesAlsGebruiker(w->CbxGrasGrond, 2);
    KiesAlsGebruiker(w->CbxMaisGttrap, 0);
    Typ(w->SpeToedNKmMais, "200");
    Typ(w->SpeMestNgeh1jan, "5.5");
    w->CbxEvaluatie->setCurrentIndex(4);

    w->InitInvoer();

    const auto na = Staat(*w);
    const auto fris = Staat(nieuw);
    for (const auto& [naam, waarde] : fris)
        EXPECT_EQ(na.at(naam).toStdString(), waarde.toStdString()) << naam.toStdString();
}
} // namespace

namespace {
TEST_F(InvoerTest, NieuwGeeftDeLeeftijdenHunBereikTerug) {
    KiesJongvee();
    Typ(w->SpeLftJvAfv, "8");
    emit w->SpeLftJvAfv->editingFinished();
    Typ(w->SpeLftJvAan, "3");
    emit w->SpeLftJvAan->editingFinished();
    ASSERT_DOUBLE_EQ(w->SpeLftJvAan->maximum(), 7);
    ASSERT_DOUBLE_EQ(w->SpeLftJvAfv->minimum(), 4);
    Typ(w->SpeLftJvAan, "5");
    emit w->SpeLftJvAan->editingFinished();
    ASSERT_DOUBLE_EQ(w->SpeLftJvAfv->minimum(), 6);
    w->InitInvoer();
    EXPECT_DOUBLE_EQ(w->SpeLftJvAan->maximum(), 20);
    EXPECT_DOUBLE_EQ(w->SpeLftJvAfv->minimum(), 4);
    EXPECT_EQ(w->SpeLftJvAan->toolTip(), "Minimum: 0.0  -  Maximum: 20.0");
}
} // namespace
