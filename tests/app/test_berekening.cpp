// The calculation driver, the page navigation and the result pages, driven as a user:
// typing, the OK buttons and clicks on the tabs.
#include "Berekening.h"
#include "NumEdit.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Venster.h"
#include "Voorbeeldbedrijf.h"
#include "VoorraadGrid.h"

#include "Bedrijf_u.h"
#include "Getallen.h"
#include "NatteProducten.h"
#include "Voorbeeldbedrijven.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

#include "QtPrinten.h"

#include <gtest/gtest.h>

#include <map>

namespace {
enum { Gk = 1, Sm = 2, Nat = 3, Kv = 4, Mp = 5 };

class BerekeningTest : public VensterTest {
protected:
    void SetUp() override {
        Maak();
        // Counts the model's calls; the model itself still calculates.
        auto model = w->Rekenmodel;
        w->Rekenmodel = [this, model](const TTvInvoer& in, TTvUitvoer& uit) {
            ++modelAanroepen;
            model(in, uit);
        };
    }
    void Toon() {
        VensterTest::Toon();
        omg.Berichten->Lijst.clear();
    }
    QColor Kleur(const QString& naam) const {
        const QLabel* l = L(naam);
        return l ? l->palette().color(QPalette::WindowText) : QColor();
    }
    // The identity of page 0, so that it passes.
    void VulIdentiteit() {
        w->EdtNaam->setText("J. Jansen");
        w->EdtStraat->setText("Dorpsweg 1");
        w->EdtPlaats->setText("Ergens");
    }

    int modelAanroepen = 0;
};

// --- The gate ---

TEST_F(BerekeningTest, LeegBedrijfBerekentNietEnBlijftOpDeEerstePagina) {
    Toon();
    const TTvUitvoer voor = w->Uitvoer;
    KlikTab(*w, 9);
    EXPECT_EQ(Pagina(), 0);
    EXPECT_EQ(Meldingen(), QStringList({"Vul eerst alle tabbladen goed in"}));
    EXPECT_EQ(omg.Berichten->Lijst.at(0).Soort, TBerichtSoort::Fout);
    EXPECT_EQ(modelAanroepen, 0);
    EXPECT_EQ(w->Uitvoer, voor);
    EXPECT_FALSE(w->Bereken());
    EXPECT_EQ(modelAanroepen, 0);
}

TEST_F(BerekeningTest, EenBatchBerekentOokMetOngeldigePaginas) {
    w->Haken.BatchBezig = [] { return true; };
    KiesAlsGebruiker(w->CbxRas, 0);
    EXPECT_FALSE(w->AllesGoed());
    EXPECT_TRUE(w->Bereken());
    EXPECT_EQ(modelAanroepen, 1);
    EXPECT_EQ(w->Invoer.Ras, "NORM");
}

// --- OK buttons ---

struct OkGeval {
    const char* Naam;
    int Pagina;
    int Module;
    bool Voorbereiden; // a valid identity and a silage stock on the stock pages
    QStringList Meldingen;
    int Doel;
};
class OkKnoppen : public BerekeningTest, public ::testing::WithParamInterface<OkGeval> {};

TEST_P(OkKnoppen, ControleertMetMeldingenEnGaatVerder) {
    const OkGeval& g = GetParam();
    KiesAlsGebruiker(w->CbxModule, g.Module);
    if (g.Voorbereiden) {
        VulIdentiteit();
        for (int m = 1; m <= 3; ++m)
            TypRegel(w->VoorraadGrids[m][Gk], 1, {"Kuil", "1000", "900", "", "25", "4", "100"});
    }
    w->ZetActievePagina(g.Pagina);
    omg.Berichten->Lijst.clear();
    w->BtnSheet[static_cast<std::size_t>(g.Pagina)]->click();
    EXPECT_EQ(Meldingen(TBerichtSoort::Fout), g.Meldingen);
    EXPECT_EQ(Pagina(), g.Doel);
    EXPECT_EQ(modelAanroepen, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Paginas, OkKnoppen,
    ::testing::Values(
        OkGeval{"Pagina0",
                0,
                0,
                false,
                {"Farmers name was not filled", "Street + number were not filled",
                 "Zip code + City were not filled"},
                0},
        OkGeval{"Pagina0Geldig", 0, 0, true, {}, 1}, OkGeval{"Pagina2", 2, 0, false, {}, 3},
        OkGeval{"Pagina3", 3, 0, false, {"There must be grass+maize silage stock present on the farm"}, 3},
        OkGeval{"Pagina4Geldig", 4, 0, true, {}, 5},
        // With BEX alone the closing stock leads to the BEX results: the calculation's gate
        // sends the user back to the first page that is not valid.
        OkGeval{"Pagina5NaarResultaat", 5, 0, true, {"Vul eerst alle tabbladen goed in"}, 1},
        OkGeval{"Pagina5NaarBEP", 5, 2, true, {}, 7}, OkGeval{"Pagina6", 6, 4, false, {}, 7},
        OkGeval{"Pagina8NaarResultaat", 8, 4, false, {"Vul eerst alle tabbladen goed in"}, 0}),
    [](const auto& info) { return std::string(info.param.Naam); });

TEST_F(BerekeningTest, OkOpPagina1NoemtWatOntbreekt) {
    w->ZetActievePagina(1);
    w->BtnSheet[1]->click();
    const QStringList m = Meldingen(TBerichtSoort::Fout);
    ASSERT_FALSE(m.isEmpty());
    EXPECT_EQ(m.first(), "Oppervlakte grasland laag was not filled in or has no current value");
    EXPECT_TRUE(m.contains("Aantal koeien was not filled in or has no current value"));
    EXPECT_TRUE(m.contains("Ras koeien was not filled in or has no current value"));
    EXPECT_EQ(Pagina(), 1);
}

TEST_F(BerekeningTest, OkOpDeSlotvoorraadMetAlleenBexBerekent) {
    Toon();
    ASSERT_EQ(TypVoorbeeldbedrijf(*w), "");
    KlikTab(*w, 0);
    KiesAlsGebruiker(w->CbxModule, 0);
    w->ZetActievePagina(5);
    omg.Berichten->Lijst.clear();
    const int voor = modelAanroepen;
    w->BtnSheet[5]->click();
    EXPECT_EQ(Pagina(), 9);
    EXPECT_EQ(modelAanroepen, voor + 1);
    EXPECT_FALSE(w->Invoer.ModuleBEA);
    EXPECT_TRUE(w->Uitvoer.EmNh3Tot[1].empty());
    EXPECT_EQ(T("LblExc21"), "10015");
    EXPECT_EQ(Meldingen(), QStringList());
}

// --- Navigation by the tabs ---

TEST_F(BerekeningTest, TerugGaatAltijdEnControleertDeVerlatenPaginaStil) {
    Toon();
    w->ZetActievePagina(3);
    w->TabbladOK[3] = true; // stale: no silage stock
    KlikTab(*w, 1);
    EXPECT_EQ(Pagina(), 1);
    EXPECT_FALSE(w->TabbladOK[3]);
    EXPECT_EQ(Meldingen(), QStringList());
}

TEST_F(BerekeningTest, EenVerderAlleenVoorbijEenGeldigePagina) {
    Toon();
    KlikTab(*w, 1);
    EXPECT_EQ(Pagina(), 0);
    EXPECT_EQ(Meldingen(TBerichtSoort::Fout),
              QStringList({"Farmers name was not filled", "Street + number were not filled",
                           "Zip code + City were not filled"}));
    omg.Berichten->Lijst.clear();
    VulIdentiteit();
    KlikTab(*w, 1);
    EXPECT_EQ(Pagina(), 1);
    EXPECT_EQ(Meldingen(), QStringList());
    EXPECT_FALSE(w->TabbladOK[1]); // checked on arrival, silently
}

TEST_F(BerekeningTest, SprongVooruitEindigtOpDeEersteOngeldigePagina) {
    Toon();
    VulIdentiteit();
    KlikTab(*w, 4);
    EXPECT_EQ(Pagina(), 1);
    EXPECT_EQ(Meldingen(), QStringList());
}

TEST_F(BerekeningTest, VerlatenVanEenVoorraadpaginaKlaptDeGridsIn) {
    Toon();
    w->ZetActievePagina(4);
    for (int k = Gk; k <= Mp; ++k) {
        QTest::mouseClick(w->BtnUitklappen[2][k], Qt::LeftButton);
        ASSERT_FALSE(w->VoorraadGrids[2][k]->Ingeklapt) << k;
    }
    KlikTab(*w, 2);
    EXPECT_EQ(Pagina(), 2);
    for (int k = Gk; k <= Mp; ++k)
        EXPECT_TRUE(w->VoorraadGrids[2][k]->Ingeklapt) << k;
}

TEST_F(BerekeningTest, EenPaginaDieDeCodeKiestVolgtGeenRegels) {
    w->TabTarvolingrader->setCurrentIndex(9);
    EXPECT_EQ(Pagina(), 9);
    EXPECT_EQ(modelAanroepen, 0);
    EXPECT_EQ(Meldingen(), QStringList());
    // The page control's Tag follows: the user's next choice leaves page 9.
    EXPECT_EQ(w->TabTarvolingrader->property("tag").toInt(), 9);
}

// A page whose inputs have no handler keeps a stale flag; entering a result page checks
// the page left afresh, so incomplete input never reaches the model.
TEST_F(BerekeningTest, VerouderdeVlagHoudtDeBerekeningTegen) {
    Toon();
    ASSERT_EQ(TypVoorbeeldbedrijf(*w), "");
    KlikTab(*w, 0);
    w->ZetActievePagina(7);
    Typ(w->SpeBEPnormGk1, "");
    ASSERT_TRUE(w->TabbladOK[7]);
    omg.Berichten->Lijst.clear();
    const int voor = modelAanroepen;
    KlikTab(*w, 9);
    EXPECT_EQ(Pagina(), 7);
    EXPECT_EQ(Meldingen(), QStringList({"Vul eerst alle tabbladen goed in"}));
    EXPECT_EQ(modelAanroepen, voor);
}

// --- The input record ---

TEST_F(BerekeningTest, RecordUitDeInvoer) {
    w->Haken.BatchBezig = [] { return true; };
    KiesAlsGebruiker(w->CbxModule, 4);
    KiesAlsGebruiker(w->CbxRas, 1);
    KiesAlsGebruiker(w->CbxTypeStal, 4);
    KiesAlsGebruiker(w->CbxGrasGrond, 2);
    KiesAlsGebruiker(w->CbxGrasGttrap, 0);
    KiesAlsGebruiker(w->CbxMaisGrond, 1);
    KiesAlsGebruiker(w->CbxMaisGttrap, 2);
    w->CbxEvaluatie->setCurrentIndex(3);
    w->SpeJaartal->setText("2011.6");
    Typ(w->SpeAfvoerGkHoev, "10000");
    Typ(w->SpeAfvoerGkP, "4");
    Typ(w->SpeAfvoerVgHoev, "2500");
    Typ(w->SpeAfvoerVgP, "3.3");
    Typ(w->SpeMndWeidBMk, "0");
    w->SpeUurWeidBMk->setText("5");
    Typ(w->SpeMndWeidOMk, "3");
    Typ(w->SpeUurWeidOMk, "15");
    // The young stock's grazing does not count for a dairy herd.
    w->SpeMndWeidBKa->setText("4");
    w->SpeMndWeidOPi->setText("5");
    w->RbtMstafvOpg->click();
    Typ(w->SpeDrijfAfv, "1200");
    w->RbtGraasJa->click();
    w->RbtGraasJaCat[3]->click();
    Typ(w->SpeGraas[3], "7.5");
    omg.Berichten->Lijst.clear();

    ASSERT_TRUE(w->Bereken());
    const TTvInvoer& in = w->Invoer;
    EXPECT_EQ(in.Ras, "KRUISLING");
    EXPECT_EQ(in.TypeStal, "EMARM1");
    EXPECT_EQ(in.GrondGras, "VEEN");
    EXPECT_EQ(in.GtGras, "I-V");
    EXPECT_EQ(in.GrondMais, "KLEI");
    EXPECT_EQ(in.GtMais, "VII-VIII");
    EXPECT_EQ(in.EvalNr, 3);
    EXPECT_EQ(in.Jaartal, 2012);
    EXPECT_EQ(in.AfvoerGkP, 40.0f);
    EXPECT_EQ(in.AfvoerVgP, 8.25f);
    EXPECT_EQ(in.AfvoerSmP, 0.0f);
    EXPECT_EQ(in.MndWeidBMk, 0.0f);
    EXPECT_EQ(in.UurWeidBMk, 0.0f);
    EXPECT_EQ(in.MndWeidOMk, 3.0f);
    EXPECT_EQ(in.UurWeidOMk, 15.0f);
    EXPECT_EQ(in.MndWeidBKa, 0.0f);
    EXPECT_EQ(in.MndWeidOPi, 0.0f);
    EXPECT_EQ(in.UurWeidBKa, 0.0f);
    EXPECT_EQ(in.Diercategorie, "MK");
    EXPECT_TRUE(in.ModuleBEA && in.ModuleBEP && in.ModuleBEN);
    EXPECT_TRUE(in.MstAfvOpg);
    EXPECT_EQ(in.DrijfAfv, 1200.0f);
    EXPECT_EQ(in.Graasdieren[3], 7.5f);
    EXPECT_TRUE(in.GraasJa[3]);
    EXPECT_FALSE(in.GraasJa[4]);
    EXPECT_EQ(in.VemDekking, 102.0f);
    EXPECT_EQ(in.MestNgeh1jan, 4.0f);
    EXPECT_EQ(in.BepNormGk1, 90.0f);
    // Every list text had its code; the model speaks only of the farm that has no silage.
    EXPECT_EQ(Meldingen(TBerichtSoort::Fout).filter("Unknown string"), QStringList());
}

TEST_F(BerekeningTest, JongveeVultAlleenDeWeideVanHetJongvee) {
    w->Haken.BatchBezig = [] { return true; };
    w->CbxModule->addItem(QStringLiteral("BEX JONGVEE"));
    KiesAlsGebruiker(w->CbxModule, w->CbxModule->count() - 1);
    ASSERT_EQ(w->Diercategorie, "JV");
    w->SpeMndWeidBMk->setText("6");
    Typ(w->SpeMndWeidBKa, "4");
    Typ(w->SpeUurWeidBKa, "12");
    Typ(w->SpeMndWeidOPi, "5");
    Typ(w->SpeMndWeidBPi, "0");
    w->SpeUurWeidBPi->setText("7");
    ASSERT_TRUE(w->Bereken());
    const TTvInvoer& in = w->Invoer;
    EXPECT_EQ(in.Diercategorie, "JV");
    EXPECT_EQ(in.MndWeidBMk, 0.0f);
    EXPECT_EQ(in.MndWeidBKa, 4.0f);
    EXPECT_EQ(in.UurWeidBKa, 12.0f);
    EXPECT_EQ(in.MndWeidOPi, 5.0f);
    EXPECT_EQ(in.UurWeidOPi, 24.0f);
    EXPECT_EQ(in.MndWeidBPi, 0.0f);
    EXPECT_EQ(in.UurWeidBPi, 0.0f);
    EXPECT_EQ(in.UurWeidOKa, 0.0f);
}

TEST_F(BerekeningTest, OnbekendeTekstWordtGemeldEnDoorgegeven) {
    EXPECT_EQ(w->TekstNaarCode("Half Bred Cow"), "Half Bred Cow");
    EXPECT_EQ(w->TekstNaarCode(""), "");
    EXPECT_EQ(w->TekstNaarCode("Cross breed JERSEY"), "KRUISLING");
    EXPECT_EQ(Meldingen(TBerichtSoort::Fout),
              QStringList({"Unknown string :halfbredcow", "Unknown string :"}));
    // A batch row without a breed: the message, and the model names the empty code.
    w->Haken.BatchBezig = [] { return true; };
    omg.Berichten->Lijst.clear();
    ASSERT_TRUE(w->Bereken());
    EXPECT_EQ(w->Invoer.Ras, "");
    const QStringList m = Meldingen(TBerichtSoort::Fout);
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m.at(0), "Unknown string :");
    EXPECT_EQ(m.at(1), "Onbekend type: ");
}

// --- Errors ---

TEST_F(BerekeningTest, FoutVanHetModelWordtGetoondEnDeSchermenKomenTerug) {
    Toon();
    ASSERT_EQ(TypVoorbeeldbedrijf(*w), "");
    bool wachtCursor = false;
    bool ingeschakeld = true;
    w->Rekenmodel = [&](const TTvInvoer&, TTvUitvoer& uit) {
        ++modelAanroepen;
        const QCursor* c = QGuiApplication::overrideCursor();
        wachtCursor = c && c->shape() == Qt::WaitCursor;
        ingeschakeld = w->TabTarvolingrader->isEnabled();
        uit.MelkPerHa = "123";
        throw EModelFout("OpnameDsGras: Onbekend systeem: X");
    };
    omg.Berichten->Lijst.clear();
    KlikTab(*w, 13);
    EXPECT_TRUE(wachtCursor);
    EXPECT_FALSE(ingeschakeld);
    EXPECT_EQ(Meldingen(TBerichtSoort::Fout), QStringList({"OpnameDsGras: Onbekend systeem: X"}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(w->TabTarvolingrader->isEnabled());
    // It calculated: the page is entered with what the model left.
    EXPECT_EQ(Pagina(), 13);
    EXPECT_EQ(w->Uitvoer.MelkPerHa, "123");
    EXPECT_TRUE(w->Uitvoer.ExcrSpecExc[1].empty());
    EXPECT_EQ(T("LblBedrijf1"), "123");
    EXPECT_EQ(T("LblBedrijf2"), "");
    EXPECT_EQ(w->Invoer.Jaartal, 2012);
}

TEST_F(BerekeningTest, GeenGetalInEenTotaalLaatAllesStaan) {
    Toon();
    ASSERT_EQ(TypVoorbeeldbedrijf(*w), "");
    const TTvInvoer invoer = w->Invoer;
    const TTvUitvoer uitvoer = w->Uitvoer;
    const int voor = modelAanroepen;
    w->LblTotaal[3][Sm][4]->setText("abc");
    KlikTab(*w, 13);
    EXPECT_EQ(Pagina(), 9);
    ASSERT_EQ(omg.Berichten->Lijst.size(), 1u);
    EXPECT_EQ(omg.Berichten->Lijst[0].Soort, TBerichtSoort::Waarschuwing);
    EXPECT_EQ(omg.Berichten->Lijst[0].Tekst, "'abc' is not a valid floating point value");
    EXPECT_EQ(modelAanroepen, voor);
    EXPECT_EQ(w->Invoer, invoer);
    EXPECT_EQ(w->Uitvoer, uitvoer);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(w->TabTarvolingrader->isEnabled());
    // Bereken itself lets the error out to its caller.
    w->Haken.BatchBezig = [] { return true; };
    EXPECT_THROW(w->Bereken(), std::runtime_error);
}

TEST_F(BerekeningTest, JaarNa2015GeeftDeMeldingVanHetModel) {
    w->Haken.BatchBezig = [] { return true; };
    KiesAlsGebruiker(w->CbxRas, 0);
    w->SpeJaartal->setText("2016");
    omg.Berichten->Lijst.clear();
    ASSERT_TRUE(w->Bereken());
    ASSERT_FALSE(omg.Berichten->Lijst.empty());
    EXPECT_EQ(omg.Berichten->Lijst[0].Soort, TBerichtSoort::Informatie);
    EXPECT_EQ(omg.Berichten->Lijst[0].Tekst, "Voor 2016 zijn nog geen gebruiksnormen ingebouwd.\n"
                                             "Er wordt gerekend met de gebruiksnormen van 2015.");
    EXPECT_EQ(w->Invoer.Jaartal, 2016);
}

// --- Result labels ---

TEST_F(BerekeningTest, VoordeelGroenNadeelRoodNulZwart) {
    w->Uitvoer.ExcrVoordeel[1] = "+12";
    w->Uitvoer.ExcrVoordeel[2] = "0";
    w->Uitvoer.MestafzVoordeel[1] = "-3";
    w->Uitvoer.MestafzVoordeel[2] = "";
    w->VulResultBEX();
    EXPECT_EQ(Kleur("LblExc41"), QColor(0, 128, 0));
    EXPECT_EQ(Kleur("LblExc42"), QColor(0, 0, 0));
    EXPECT_EQ(Kleur("LblAfzet41"), QColor(255, 0, 0));
    EXPECT_EQ(Kleur("LblAfzet42"), QColor(0, 0, 0));
    // A later calculation without the advantage turns the label black again.
    w->Uitvoer.ExcrVoordeel[1] = "5";
    w->VulResultBEX();
    EXPECT_EQ(Kleur("LblExc41"), QColor(0, 0, 0));

    // On the BEN page a surplus above the permitted one is a disadvantage.
    w->Uitvoer.NoverGrasVerschil = "+12";
    w->Uitvoer.NoverMaisVerschil = "-3";
    w->VulResultBEN();
    EXPECT_EQ(Kleur("LblNOverGrasVerschil"), QColor(255, 0, 0));
    EXPECT_EQ(Kleur("LblNOverMaisVerschil"), QColor(0, 128, 0));

    // BEP: the percentage follows the advantage in kg.
    w->Uitvoer.FosfVoordeel = "-40";
    w->Uitvoer.FosfPcVoordeel = "+2.0";
    w->Uitvoer.BepMestafzetVoor = "+40";
    w->VulResultBEP();
    EXPECT_EQ(Kleur("LblFosfNormVoordeel"), QColor(255, 0, 0));
    EXPECT_EQ(Kleur("LblFosfNormPcVoordeel"), QColor(255, 0, 0));
    EXPECT_EQ(Kleur("LblBepMestafzetVoordeel"), QColor(0, 128, 0));
}

TEST_F(BerekeningTest, IntensiteitAlleenBijEenGetal) {
    w->Uitvoer.MelkPerHa = "19429";
    w->VulResultBEA();
    EXPECT_EQ(T("LblIntensiteit"), "19.4");
    SetDecimalSeparator(',');
    w->VulResultBEA();
    EXPECT_EQ(T("LblIntensiteit"), "19,4");
    SetDecimalSeparator('.');
    for (const char* geen : {"NAN", "INF", ""}) {
        w->Uitvoer.MelkPerHa = geen;
        w->VulResultBEA();
        EXPECT_EQ(T("LblIntensiteit"), "") << geen;
    }
    // The emission labels appear with their first results.
    EXPECT_TRUE(ZelfZichtbaar(L("LblEmissie01")));
}

TEST_F(BerekeningTest, VoorraadZonderVemGeeftNulPerKvem) {
    w->Invoer.Voorraden[mBegin][kKV] = {5000, 0, 170, 27.2f, 4.5f, 0, 0};
    w->Invoer.Voorraden[mEind][kKV] = {5000.4f, 0, 170, 27.2f, 4.5f, 0, 0};
    w->VulAnalyse();
    EXPECT_EQ(T("LblVoor41"), "5000");
    EXPECT_EQ(T("LblVoor42"), "0");
    EXPECT_EQ(T("LblVoor43"), "0.0");
    EXPECT_EQ(T("LblVoor47"), "+0");
}

TEST_F(BerekeningTest, JongveeVerbergtDeMelkcijfersMetHunEenheden) {
    w->CbxModule->addItem(QStringLiteral("BEX JONGVEE"));
    KiesAlsGebruiker(w->CbxModule, w->CbxModule->count() - 1);
    for (int i : {1, 2, 3, 6, 7}) {
        EXPECT_FALSE(ZelfZichtbaar(L(QStringLiteral("LblBedrijf%1").arg(i)))) << i;
        EXPECT_FALSE(ZelfZichtbaar(L(QStringLiteral("SttEenheid%1").arg(i)))) << i;
    }
    EXPECT_TRUE(ZelfZichtbaar(L("SttEenheid4")));
    EXPECT_EQ(T("SttKopVoeding"), "Voeding veestapel (jongvee)");
    KiesAlsGebruiker(w->CbxModule, 0);
    EXPECT_TRUE(ZelfZichtbaar(L("SttEenheid1")));
    EXPECT_EQ(T("SttKopVoeding"), "Voeding veestapel (melkkoeien, incl. jongvee)");
}

// --- The end-to-end farm ---

// The record the example farm must give: the model's farm with every module as the window
// fills it, with the crude ash typed for the silages, the VRE the grids computed from each
// batch (their formulas are tested with the grids), the maize silage of the stock increase
// bought instead of part of the silages, and the design values of the inputs left alone.
TTvInvoer VerwachtRecord(const TFrmHoofdFormulier& w) {
    TTvInvoer in = AlleModulesBedrijf();
    in.LftJvAfv = 24; // the hidden removal age of a dairy herd
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kMP; ++k) {
            in.Voorraden[m][k].Ras = k <= kSM ? 100 : 0;
            in.Voorraden[m][k].Vre =
                static_cast<float>(*TryStrToFloat(w.LblTotaal[m][k][7]->text().toStdString()));
        }
    in.BesteGk.Ras = 100;
    in.BesteGk.Vre = static_cast<float>(*TryStrToFloat(FormatFloat("0", VRE_Gk(190, 100))));
    //                           Hoev    P     Re     Vem
    in.Aankoop[mAanleg][kGK] = {};
    in.Aankoop[mAanleg][kSM] = {250000, 2.1f, 71.9f, 980};
    in.BepNormSm2 = 60;
    in.MestNgeh1jan = 4;
    in.MestNgeh31dec = 4;
    return in;
}

TEST_F(BerekeningTest, VoorbeeldbedrijfPaginaVoorPaginaTotDeResultaten) {
    Toon();
    ASSERT_EQ(TypVoorbeeldbedrijf(*w), "") << Meldingen().join(" | ").toStdString();
    EXPECT_EQ(Meldingen(), QStringList());
    ASSERT_EQ(modelAanroepen, 1);

    // The record from the widgets.
    const TTvInvoer verwacht = VerwachtRecord(*w);
    EXPECT_EQ(w->Invoer, verwacht);
    EXPECT_EQ(w->Invoer.Voorraden, verwacht.Voorraden);
    EXPECT_EQ(w->Invoer.Aankoop, verwacht.Aankoop);
    EXPECT_EQ(w->Invoer.BesteGk, verwacht.BesteGk);

    // The model's own results for that record.
    TBedrijf model;
    TTvUitvoer u{};
    model.Bereken(w->Invoer, u);
    EXPECT_EQ(w->Uitvoer, u);

    const auto Q = [](const std::string& s) { return QString::fromStdString(s); };
    // BEX: every label, figures worked out by hand for the model's example farm.
    for (int c = 1; c <= 2; ++c) {
        EXPECT_EQ(T(QStringLiteral("LblExc1%1").arg(c)), Q(u.ExcrSpecExc[c]));
        EXPECT_EQ(T(QStringLiteral("LblExc2%1").arg(c)), Q(u.ExcrSpecInc[c]));
        EXPECT_EQ(T(QStringLiteral("LblExc3%1").arg(c)), Q(u.ExcrForf[c]));
        EXPECT_EQ(T(QStringLiteral("LblExc4%1").arg(c)), Q(u.ExcrVoordeel[c]));
        EXPECT_EQ(T(QStringLiteral("LblAfzet1%1").arg(c)), Q(u.GebrNorm[c]));
        EXPECT_EQ(T(QStringLiteral("LblAfzet2%1").arg(c)), Q(u.MestafzSpec[c]));
        EXPECT_EQ(T(QStringLiteral("LblAfzet3%1").arg(c)), Q(u.MestafzForf[c]));
        EXPECT_EQ(T(QStringLiteral("LblAfzet4%1").arg(c)), Q(u.MestafzVoordeel[c]));
        EXPECT_EQ(T(QStringLiteral("LblVoer") + QString::number(c) + QLatin1Char('0')), Q(u.Efficientie[c]));
    }
    EXPECT_EQ(T("LblExc21"), "10015");
    EXPECT_EQ(T("LblExc31"), "11696");
    EXPECT_EQ(T("LblExc41"), "+1681");
    EXPECT_EQ(T("LblExc22"), "3800");
    EXPECT_EQ(T("LblExc42"), "+556");
    EXPECT_EQ(T("LblAfzet11"), "8750");
    EXPECT_EQ(T("LblAfzet12"), "3125");
    EXPECT_EQ(T("LblVoer10"), "26");
    EXPECT_EQ(T("LblVoer20"), "32");
    // An advantage is green; every other label of the page black.
    EXPECT_EQ(Kleur("LblExc41"), QColor(0, 128, 0));
    EXPECT_EQ(Kleur("LblAfzet42"), QColor(0, 128, 0));
    EXPECT_EQ(Kleur("LblExc21"), QColor(0, 0, 0));

    // BEA
    KlikTab(*w, 10);
    ASSERT_EQ(Pagina(), 10);
    EXPECT_EQ(modelAanroepen, 2);
    EXPECT_EQ(T("LblIntensiteit"), "19.4"); // 19429 kg milk per ha
    const ars4* emissies[] = {&u.EmNh3Tot, &u.EmNh3Stal, &u.EmNh3Omb,   &u.EmNh3Omg,
                              &u.EmNh3Kmb, &u.EmNh3Kmg,  &u.EmNh3Beweid};
    for (int r = 0; r <= 6; ++r)
        for (int c = 1; c <= 4; ++c) {
            QLabel* l = L(QStringLiteral("LblEmissie%1%2").arg(r).arg(c));
            ASSERT_NE(l, nullptr);
            EXPECT_EQ(l->text(), Q((*emissies[r])[c])) << r << c;
            EXPECT_TRUE(ZelfZichtbaar(l));
        }
    EXPECT_FALSE(u.EmNh3Tot[1].empty());

    // BEP
    KlikTab(*w, 11);
    ASSERT_EQ(Pagina(), 11);
    const std::map<QString, const std::string*> bep = {
        {"LblFosfGewasnormGrasH", &u.AfgGrasH},       {"LblFosfGewasnormGrasN", &u.AfgGrasN},
        {"LblFosfGewasnormGrasL", &u.AfgGrasL},       {"LblFosfGewasnormMaisH", &u.AfgMaisH},
        {"LblFosfGewasnormMaisN", &u.AfgMaisN},       {"LblFosfGewasnormMaisL", &u.AfgMaisL},
        {"LblFosfGewasnormBouwH", &u.AfgBouwH},       {"LblFosfGewasnormBouwN", &u.AfgBouwN},
        {"LblFosfGewasnormBouwL", &u.AfgBouwL},       {"LblFosfGewasnormGrasH3", &u.AfgGrasH3},
        {"LblFosfGewasnormGrasN3", &u.AfgGrasN3},     {"LblFosfGewasnormGrasL3", &u.AfgGrasL3},
        {"LblFosfGewasnormMaisH3", &u.AfgMaisH3},     {"LblFosfGewasnormMaisN3", &u.AfgMaisN3},
        {"LblFosfGewasnormMaisL3", &u.AfgMaisL3},     {"LblFosfGewasnormBouwH3", &u.AfgBouwH3},
        {"LblFosfGewasnormBouwN3", &u.AfgBouwN3},     {"LblFosfGewasnormBouwL3", &u.AfgBouwL3},
        {"LblFosfHaNormForfait", &u.FosfHaGeneriek},  {"LblFosfHaNormSpecifiek3", &u.FosfHaSpecifiek3},
        {"LblFosfNormSpecifiek3", &u.FosfSpecifiek3}, {"LblFosfNormForfait", &u.FosfGeneriek},
        {"LblFosfNormVoordeel", &u.FosfVoordeel},     {"LblFosfNormPcVoordeel", &u.FosfPcVoordeel},
        {"LblBepExcretieBex", &u.BepExcretieBex},     {"LblBepMestafzetSpec", &u.BepMestafzetSpec},
        {"LblBepMestafzetForf", &u.BepMestafzetForf}, {"LblBepMestafzetVoordeel", &u.BepMestafzetVoor},
    };
    for (const auto& [naam, veld] : bep)
        EXPECT_EQ(T(naam), Q(*veld)) << naam.toStdString();
    EXPECT_EQ(T("LblBepExcretieBex"), "3800");
    EXPECT_FALSE(u.FosfVoordeel.empty());
    const QColor voordeel = VanTColor(KleurVoordeel(Q(u.FosfVoordeel)));
    EXPECT_EQ(Kleur("LblFosfNormVoordeel"), voordeel);
    EXPECT_EQ(Kleur("LblFosfNormPcVoordeel"), voordeel);
    EXPECT_EQ(Kleur("LblBepMestafzetVoordeel"), VanTColor(KleurVoordeel(Q(u.BepMestafzetVoor))));

    // BEN
    KlikTab(*w, 12);
    ASSERT_EQ(Pagina(), 12);
    const std::map<QString, const std::string*> ben = {
        {"LblNOverGrasBerek", &u.NoverGrasBerek},
        {"LblNOverGrasToeg", &u.NoverGrasToeg},
        {"LblNOverGrasVerschil", &u.NoverGrasVerschil},
        {"LblNOverMaisBerek", &u.NoverMaisBerek},
        {"LblNOverMaisToeg", &u.NoverMaisToeg},
        {"LblNOverMaisVerschil", &u.NoverMaisVerschil},
        {"LblNitraatGras", &u.NitraatGras},
        {"LblNitraatMais", &u.NitraatMais},
        {"LblDenitriGras", &u.DenitriGras},
        {"LblDenitriMais", &u.DenitriMais},
        {"LblLachgasGras", &u.LachgasGras},
        {"LblLachgasMais", &u.LachgasMais},
    };
    for (const auto& [naam, veld] : ben)
        EXPECT_EQ(T(naam), Q(*veld)) << naam.toStdString();
    EXPECT_FALSE(u.NoverMaisBerek.empty());
    EXPECT_EQ(Kleur("LblNOverGrasVerschil"), VanTColor(KleurNadeel(Q(u.NoverGrasVerschil))));
    EXPECT_EQ(Kleur("LblNOverMaisVerschil"), VanTColor(KleurNadeel(Q(u.NoverMaisVerschil))));

    // Analysis
    KlikTab(*w, 13);
    ASSERT_EQ(Pagina(), 13);
    EXPECT_EQ(modelAanroepen, 5);
    const std::string* bedrijf[] = {&u.MelkPerHa,         &u.JvPer10Mk,         &u.KvPer100kgMelk,
                                    &u.PcVoordeelSpec[1], &u.PcVoordeelSpec[2], &u.MelkProdMax[1],
                                    &u.MelkProdMax[2]};
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(T(QStringLiteral("LblBedrijf%1").arg(i)), Q(*bedrijf[i - 1])) << i;
    EXPECT_EQ(T("LblBedrijf1"), "19429");
    EXPECT_EQ(T("LblBedrijf4"), "+14.4");
    EXPECT_EQ(T("LblBedrijf6"), "16975");
    // Stocks by hand: grass silage 170 RE and 4 P per 0.9 kVEM, 150000 down to 120000 kg.
    const QStringList gk = {"150000", "189", "4.4", "120000", "192", "4.5", "-30000"};
    const QStringList sm = {"100000", "78", "2.1", "90000", "76", "2.1", "-10000"};
    const QStringList nat = {"0", "0", "0.0", "0", "0", "0.0", "0"};
    for (int c = 1; c <= 7; ++c) {
        EXPECT_EQ(T(QStringLiteral("LblVoor1%1").arg(c)), gk[c - 1]) << c;
        EXPECT_EQ(T(QStringLiteral("LblVoor2%1").arg(c)), sm[c - 1]) << c;
        EXPECT_EQ(T(QStringLiteral("LblVoor3%1").arg(c)), nat[c - 1]) << c;
        EXPECT_EQ(T(QStringLiteral("LblVoor4%1").arg(c)), nat[c - 1]) << c;
    }
    // The ration: concentrates before milk powder, the whole ration last.
    const int soort[] = {0, 1, 2, 3, 4, 6, 5, 0};
    const ars06* figuren[] = {nullptr,       &u.RantsVerbruik, &u.RantsAandeel, &u.RantsGehVem,
                              &u.RantsGehRe, &u.RantsGehP,     &u.RantsReKvem,  &u.RantsPKvem};
    for (int r = 1; r <= 7; ++r)
        for (int c = 1; c <= 7; ++c)
            EXPECT_EQ(T(QStringLiteral("LblVoed%1%2").arg(r).arg(c)), Q((*figuren[c])[soort[r]])) << r << c;
    EXPECT_EQ(T("LblVoed71"), "654968");
    EXPECT_EQ(T("LblVoed51"), "161464");
    EXPECT_EQ(T("LblVoed61"), "475");
    EXPECT_EQ(Meldingen(), QStringList());
}
} // namespace
