#include "Boerderij.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The heifer farm with every silage purchased, no grazing and nothing sold: its own land
// harvested nothing to scale the balance by. 10 ha grassland, 5 ha arable land of which
// 2 ha maize, all neutral.
TTvInvoer ZonderEigenOogst() {
    TTvInvoer in = Pinkenbedrijf();
    in.ModuleBEP = true;
    in.Aankoop[mAanleg][kGK] = {200000, 4, 160, 900};
    in.Aankoop[mAanleg][kSM] = {100000, 2, 70, 1000};
    in.OppGrasN = 10;
    in.OppBouwN = 5;
    in.OppMaisN = 2;
    return in;
}

} // namespace

// The all-modules farm (2012), figures in kg P:
// - excretion 3962.00 kg P2O5 / 2.29 = 1730.13;
// - purchased wet by-products, concentrates and milk powder, eaten whole: 100 + 807.51 + 3.5
//   = 911.01;
// - purchased silage: of grass silage 30000 x 4.0 = 120 kg of (600 + 1260 - 492) = 1368 kg P
//   in the stocks, 8.772 %, of the 228229.6 kg used at 4.1455 g: 82.99; of maize silage
//   190000 x 2.1 = 399 of (200 + 525 - 180) = 545 kg, 73.21 %, of 180197.8 kg at 2.0962 g:
//   276.53; together 359.53;
// - stock change (600 - 492 + 200 - 180) = 128;
// - removal: retention 1823.74 / 2.29 = 796.39 plus 60 kg sold in grass silage = 856.39.
// Own yield 856.39 + 1730.13 - 911.01 - 359.53 - 128 = 1187.99 kg P, 2720.49 kg P2O5 over
// 34 ha of grass and maize land: 80.01 per ha.
TEST(Fosfaatbalans, OwnYieldFromTheBalance) {
    const TBedrijf b = Bedrijf(AlleModulesBedrijf());
    EXPECT_NEAR(b.PExcretie(), 1730.130, 1e-3);
    EXPECT_NEAR(b.PAankoopKrachtvoer(), 911.010, 1e-3);
    EXPECT_NEAR(b.AankoopAanleg("GK", "P"), 82.993, 1e-3);
    EXPECT_NEAR(b.AankoopAanleg("SM", "P"), 276.534, 1e-3);
    EXPECT_NEAR(b.PAankoopRuwvoer(), 359.527, 1e-3);
    EXPECT_NEAR(b.PVoorraadMutatie(), 128, 1e-3);
    EXPECT_NEAR(b.PAfvoer(), 856.393, 1e-3);
    EXPECT_NEAR(b.POpbrengst(), 1187.986, 1e-3);
    EXPECT_NEAR(b.POpbrengstPerHa(), 80.0144, 1e-4);
    // The content argument is not looked at; the other kinds are bought in whole.
    EXPECT_EQ(b.AankoopAanleg("KV", "N"), b.Voeropname("KV", "P", 'J'));
    EXPECT_EQ(b.AankoopAanleg("NAT", "P"), 100);
    ExpectFout([&] { b.AankoopAanleg("VG", "P"); }, "Aankoop aanleg: Onbekende voersoort: VG");
    ExpectFout([&] { b.AankoopAanleg("", "P"); }, "Aankoop aanleg: Onbekende voersoort: ");
}

// Previous years at 150 (grassland) and 120 (maize land): (83.62 + 300) / 3 = 127.87 and
// (52.97 + 240) / 3 = 97.66; 5 x 137.87 + 15 x 127.87 + 10 x 117.87 + 4 x 97.66 + 60 =
// 4236.83 kg, 1111.83 above the generic standard, +35.6 %.
TEST(Fosfaatnorm, AboveTheGenericStandard) {
    TTvInvoer in = AlleModulesBedrijf();
    in.BepNormGk1 = in.BepNormGk2 = 150;
    in.BepNormSm1 = in.BepNormSm2 = 120;
    const TBedrijf b = Bedrijf(in);
    EXPECT_NEAR(b.BepBedrijfPerHa(), 4236.8296, 1e-3);
    EXPECT_EQ(b.BepVerschilTekst(), "+1112");
    EXPECT_EQ(b.BepVerschilProcentTekst(), "(+36%)");
    EXPECT_EQ(b.BepRuimte(), 0);
    EXPECT_EQ(b.RuimteVerschilTekst(), "+675");
}

// Without this year's figure the three-year figure is the mean of the years entered.
TEST(Fosfaatnorm, ThreeYearFigureOfTheYearsEntered) {
    TTvInvoer in = AlleModulesBedrijf();
    in.OppGrasL = in.OppGrasN = in.OppGrasH = 0; // no grassland: no figure this year
    in.BepNormGk1 = 95;
    in.BepNormGk2 = 95;
    TBedrijf b = Bedrijf(in);
    EXPECT_EQ(b.BepGras('N'), 0);
    EXPECT_FLOAT_EQ(b.BepGrasKlasse('N'), 95);
    EXPECT_FLOAT_EQ(b.BepGrasKlasse('L'), 105);
    EXPECT_FLOAT_EQ(b.BepGrasKlasse('H'), 85);
    in.BepNormGk2 = 0;
    in.BepNormGk1 = 8; // a standard below 10 ends at 0 on high status
    b = Bedrijf(in);
    EXPECT_FLOAT_EQ(b.BepGrasKlasse('H'), 0);
    EXPECT_FLOAT_EQ(b.BepGrasKlasse('L'), 18);
    in.BepNormGk1 = 0;
    b = Bedrijf(in);
    EXPECT_EQ(b.BepGrasKlasse('L'), 0);
}

// Nothing harvested from the farm's own land: no scale, every derived standard 0 (and no
// division by zero); the other arable land keeps its fixed standard.
TEST(Fosfaatnorm, NoOwnHarvest) {
    const TBedrijf b = Bedrijf(ZonderEigenOogst());
    for (char k : {'L', 'N', 'H'}) {
        EXPECT_EQ(b.BepGras(k), 0) << k;
        EXPECT_EQ(b.BepMais(k), 0) << k;
        EXPECT_EQ(b.BepGrasKlasse(k), 0) << k;
    }
    EXPECT_EQ(b.BepBouwland('N'), 60);
    EXPECT_NEAR(b.BepTotaal(), 60 * 3 / 15.0, 1e-5); // 3 ha of other arable land of 15
}

TEST(Fosfaatnorm, NoMaizeLand) {
    TTvInvoer in = AlleModulesBedrijf();
    in.OppMaisN = 0;
    const TBedrijf b = Bedrijf(in);
    for (char k : {'L', 'N', 'H'})
        EXPECT_EQ(b.BepMais(k), 0) << k;
    // The whole 5 ha of arable land has the fixed standard.
    EXPECT_NEAR(b.BepTotaal(), (5 * 93.6197 + 15 * 83.6197 + 10 * 73.6197 + 5 * 60) / 35, 1e-3);
}

TEST(Fosfaatnorm, UnknownClass) {
    const TBedrijf b = Bedrijf(AlleModulesBedrijf());
    ExpectFout([&] { b.BepGras('X'); }, "BepGras: Onbekende klasse: X");
    ExpectFout([&] { b.BepMais('n'); }, "BepMais: Onbekende klasse: n");
    ExpectFout([&] { b.BepBouwlandKlasse('T'); }, "BepBouwland: Onbekende klasse: T");
}

class Afgeleid : public ::testing::TestWithParam<char> {};

// A derived standard that shows as zero is left empty under either decimal sign; the
// other figures keep their text.
TEST_P(Afgeleid, ZeroStandardsAreEmpty) {
    DecimaalTeken teken(GetParam());
    const TTvUitvoer u = Bereken(ZonderEigenOogst());
    const std::string zestig = std::string("60") + GetParam() + "0";
    for (const std::string* leeg :
         {&u.AfgGrasH, &u.AfgGrasN, &u.AfgGrasL, &u.AfgMaisH, &u.AfgMaisN, &u.AfgMaisL, &u.AfgGrasH3,
          &u.AfgGrasN3, &u.AfgGrasL3, &u.AfgMaisH3, &u.AfgMaisN3, &u.AfgMaisL3})
        EXPECT_EQ(*leeg, "");
    EXPECT_EQ(u.AfgBouwN, zestig);
    EXPECT_EQ(u.AfgBouwN3, zestig);
    EXPECT_EQ(u.AfgBouwH, std::string("50") + GetParam() + "0");
    EXPECT_EQ(u.AfgBouwL3, std::string("75") + GetParam() + "0");
    // 180 kg over 15 ha.
    EXPECT_EQ(u.FosfHaSpecifiek, std::string("12") + GetParam() + "0");
    EXPECT_EQ(u.FosfSpecifiek, "180");
}

INSTANTIATE_TEST_SUITE_P(Decimaalteken, Afgeleid, ::testing::Values('.', ','));
