// The calculation driver, the page navigation and the result pages, driven as a user:
// typing, the OK buttons and clicks on the tabs.
#include "Berekening.h"
#include "NumEdit.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Voorbeeldbedrijf.h"
#include "VoorraadGrid.h"

#include "Bedrijf_u.h"
#include "Getallen.h"
#include "NatteProducten.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {
enum { Gk = 1, Sm = 2, Nat = 3, Kv = 4, Mp = 5 };

class BerekeningTest : public ::testing::Test {
protected:
    void SetUp() override {
        w = std::make_unique<TFrmHoofdFormulier>(omg.Omgeving());
        w->Afsluiten = [] {};
        // Counts the model's calls; the model itself still calculates.
        auto model = w->Rekenmodel;
        w->Rekenmodel = [this, model](const TTvInvoer& in, TTvUitvoer& uit) {
            ++modelAanroepen;
            model(in, uit);
        };
        omg.Berichten->Lijst.clear();
    }
    void TearDown() override { SetDecimalSeparator('.'); }
    void Toon() {
        w->show();
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        QCoreApplication::processEvents();
        omg.Berichten->Lijst.clear();
    }
    QStringList Meldingen(TBerichtSoort soort) const {
        QStringList t;
        for (const auto& b : omg.Berichten->Lijst)
            if (b.Soort == soort) t << b.Tekst;
        return t;
    }
    QStringList Meldingen() const {
        QStringList t;
        for (const auto& b : omg.Berichten->Lijst)
            t << b.Tekst;
        return t;
    }
    int Pagina() const { return w->TabTarvolingrader->currentIndex(); }
    QLabel* L(const QString& naam) const {
        auto* l = w->findChild<QLabel*>(naam);
        EXPECT_NE(l, nullptr) << naam.toStdString();
        return l;
    }
    QString T(const QString& naam) const {
        const QLabel* l = L(naam);
        return l ? l->text() : QString();
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

    TTestOmgeving omg;
    std::unique_ptr<TFrmHoofdFormulier> w;
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

// --- The end-to-end farm ---

// The record the example farm must give: the model's example farm of the complete BEX
// calculation with the inputs of the modules.
TTvInvoer VerwachtRecord(const TFrmHoofdFormulier& w) {
    TTvInvoer in{};
    in.Jaartal = 2012;
    in.Diercategorie = "MK";
    in.Ras = "NORM";
    in.VemDekking = 102;
    in.nKoe = 80;
    in.nPink = 30;
    in.nKalf = 25;
    in.LftJvAfv = 24; // the hidden removal age of a dairy herd
    in.MelkLev = 680000;
    in.Vet = 4.4f;
    in.Eiwit = 3.5f;
    in.Ureum = 22;
    in.PcDrijfMk = 80;
    in.PcDrijfPi = 50;
    in.MndWeidBMk = 6;
    in.UurWeidBMk = 8;
    in.OppGrasL = 5;
    in.OppGrasN = 15;
    in.OppGrasH = 10;
    in.OppBouwN = 5;
    in.Graasdieren[8] = 10;
    auto& V = in.Voorraden;
    //                 Hoev     Vem   Re   N      P     Ras  Vre (below)
    V[mBegin][kGK] = {150000, 900, 170, 27.2f, 4.0f, 100, 0};
    V[mAanleg][kGK] = {300000, 940, 180, 28.8f, 4.2f, 100, 0};
    V[mEind][kGK] = {120000, 910, 175, 28, 4.1f, 100, 0};
    V[mBegin][kSM] = {100000, 960, 75, 12, 2, 100, 0};
    V[mAanleg][kSM] = {250000, 980, 72, 11.5f, 2.1f, 100, 0};
    V[mEind][kSM] = {90000, 970, 74, 11.8f, 2, 100, 0};
    V[mAanleg][kNAT] = {20000, 1000, 200, 32, 5, 0, 0};
    V[mAanleg][kKV] = {180000, 1000, 170, 27.2f, 4.5f, 0, 0};
    V[mAanleg][kMP] = {500, 1100, 230, 36, 7, 0, 0};
    // The VRE the grids computed from each batch (their formulas are tested with the grids).
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kMP; ++k)
            V[m][k].Vre = static_cast<float>(*TryStrToFloat(w.LblTotaal[m][k][7]->text().toStdString()));
    in.BesteGk = {0, 960, 190, 30.4f, 4.3f, 100, 0};
    in.BesteGk.Vre = static_cast<float>(*TryStrToFloat(FormatFloat("0", VRE_Gk(190, 100))));
    //                           Hoev    P     Re     Vem
    in.Aankoop[mAanleg][kSM] = {250000, 2.1f, 71.9f, 980};
    in.ModuleBEA = in.ModuleBEP = in.ModuleBEN = true;
    in.TypeStal = "NIETEMARM1";
    in.DrijfMais = 600;
    in.DrijfBouw = 100;
    in.KasGras = 4500;
    in.UreumGras = 300;
    in.KasBouw = 400;
    in.UreumBouw = 50;
    in.MethGras1 = 70;
    in.MethGras2 = 30;
    in.MethBouw1 = 50;
    in.MethBouw3 = 50;
    in.OppMaisN = 4;
    in.AfvoerGkP = 60; // 15000 kg x 4 g / 1000
    in.BepNormGk1 = 95;
    in.BepNormGk2 = 100;
    in.BepNormSm1 = 70;
    in.BepNormSm2 = 60;
    in.GrondGras = "ZAND";
    in.GtGras = "VI";
    in.GrondMais = "ZAND";
    in.GtMais = "VII-VIII";
    in.ToedNKmMais = 300;
    in.MestNgeh1jan = 4; // the design's N content of manure
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
