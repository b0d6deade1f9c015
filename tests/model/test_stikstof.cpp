#include "Boerderij.h"
#include "Stikstofnormen.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NormCase {
    const char* land;
    const char* grond;
    const char* gt;
    float noverschot, neerslag, fractie;
};

} // namespace

class Stikstofnorm : public ::testing::TestWithParam<NormCase> {};

TEST_P(Stikstofnorm, ByLandUseSoilAndGroundwaterClass) {
    const NormCase& c = GetParam();
    EXPECT_EQ(NormNoverschot(c.land, c.grond, c.gt), c.noverschot);
    EXPECT_EQ(NormNeerslagoverschot(c.land, c.grond, c.gt), c.neerslag);
    EXPECT_EQ(NormUitspoelingFractie(c.land, c.grond, c.gt), c.fractie);
}

// Land use and soil by their first letter, the class as a whole text and only on sand.
INSTANTIATE_TEST_SUITE_P(Tabel, Stikstofnorm,
                         ::testing::Values(NormCase{"GRAS", "ZAND", "I-V", 165, 268, 0.18f},
                                           NormCase{"GRAS", "ZAND", "VI", 134, 329, 0.28f},
                                           NormCase{"GRAS", "ZAND", "VII-VIII", 103, 355, 0.39f},
                                           NormCase{"GRAS", "KLEI", "I-V", 296, 311, 0.12f},
                                           NormCase{"GRAS", "KLEI", "", 296, 311, 0.12f},
                                           NormCase{"GRAS", "VEEN", "VI", 300, 320, 0.04f},
                                           NormCase{"GRAS", "VEEN", "onbekend", 300, 320, 0.04f},
                                           NormCase{"G", "Z", "VI", 134, 329, 0.28f},
                                           NormCase{"MAIS", "ZAND", "I-V", 88, 387, 0.5f},
                                           NormCase{"MAIS", "ZAND", "VI", 65, 434, 0.75f},
                                           NormCase{"MAIS", "ZAND", "VII-VIII", 48, 453, 1.06f},
                                           NormCase{"MAIS", "KLEI", "VII-VIII", 112, 353, 0.36f},
                                           NormCase{"MAIS", "KLEI", "", 112, 353, 0.36f}));

namespace {

using TNormLookup = float (*)(std::string_view, std::string_view, std::string_view);

struct NormFoutCase {
    TNormLookup lookup;
    const char* land;
    const char* grond;
    const char* gt;
    const char* melding;
};

} // namespace

class StikstofnormFout : public ::testing::TestWithParam<NormFoutCase> {};

TEST_P(StikstofnormFout, MessageNamesTheLookupAndTheCode) {
    const NormFoutCase& c = GetParam();
    ExpectFout([&] { c.lookup(c.land, c.grond, c.gt); }, c.melding);
}

INSTANTIATE_TEST_SUITE_P(
    Meldingen, StikstofnormFout,
    ::testing::Values(
        NormFoutCase{NormNoverschot, "BOS", "ZAND", "VI", "Norm-Noverschot: Onbekende grondcat: BOS"},
        NormFoutCase{NormNoverschot, "GRAS", "LEEM", "VI",
                     "Norm-Noverschot, gras: Onbekende grondsoort: LEEM"},
        NormFoutCase{NormNoverschot, "GRAS", "ZAND", "VIII", "Norm-Noverschot, gras: Onbekende gttrap: VIII"},
        NormFoutCase{NormNoverschot, "MAIS", "VEEN", "VI",
                     "Norm-Noverschot, mais: Onbekende grondsoort: VEEN"},
        NormFoutCase{NormNoverschot, "MAIS", "ZAND", "I - V",
                     "Norm-Noverschot, mais: Onbekende gttrap: I - V"},
        NormFoutCase{NormNeerslagoverschot, "", "ZAND", "VI", "Norm-Neerslagoverschot: Onbekende grondcat: "},
        NormFoutCase{NormNeerslagoverschot, "GRAS", "", "VI",
                     "Norm-Neerslagoverschot, gras: Onbekende grondsoort: "},
        NormFoutCase{NormNeerslagoverschot, "GRAS", "ZAND", "vi",
                     "Norm-Neerslagoverschot, gras: Onbekende gttrap: vi"},
        NormFoutCase{NormNeerslagoverschot, "MAIS", "klei", "VI",
                     "Norm-Neerslagoverschot, mais: Onbekende grondsoort: klei"},
        NormFoutCase{NormNeerslagoverschot, "MAIS", "ZAND", "",
                     "Norm-Neerslagoverschot, mais: Onbekende gttrap: "},
        NormFoutCase{NormUitspoelingFractie, "gras", "ZAND", "VI",
                     "Norm-UitspoelingFractie: Onbekende grondcat: gras"},
        NormFoutCase{NormUitspoelingFractie, "GRAS", "X", "VI",
                     "Norm-UitspoelingFractie, gras: Onbekende grondsoort: X"},
        NormFoutCase{NormUitspoelingFractie, "GRAS", "ZAND", "V",
                     "Norm-UitspoelingFractie, gras: Onbekende gttrap: V"},
        NormFoutCase{NormUitspoelingFractie, "MAIS", "VEEN", "I-V",
                     "Norm-UitspoelingFractie, mais: Onbekende grondsoort: VEEN"},
        NormFoutCase{NormUitspoelingFractie, "MAIS", "ZAND", "VII",
                     "Norm-UitspoelingFractie, mais: Onbekende gttrap: VII"}));

// The all-modules farm's grassland (30 ha), kg N per ha:
// - manure: 6735.32 kg N less the application's 990.72 kg NH3 / (17/14) = 815.89: 197.31;
// - fertiliser: 4800 kg less 211.57 / (17/14) = 174.23: 154.19;
// - grazing manure: 2040.05 kg less 50.04 / (17/14) = 41.21: 66.63;
// - other sources 36; together 454.13.
// Removal: the neutral standard 83.62 kg P2O5 / 2.29 = 36.51 kg P at the N:P ratio of the
// grass eaten and stored, 29.8236 / 4.26949 (64601 kg fresh grass at 33.44 g N and 4.515 g P,
// 228230 kg grass silage at 28.8 and 4.2), / 0.95: 268.49. Surplus 185.64, rounded 186.
// Maize land (4 ha): 600 / 4 - 58.56 / (17/14) / 5 ha arable land = 140.36; 300 / 4 -
// 12.89 / (17/14) / 5 = 72.88; 36; removal 52.97 / 2.29 x 11.5 / 2.1 / 0.95 = 133.35:
// surplus 115.88, rounded 116.
TEST(Stikstofbalans, SupplyAndRemoval) {
    const TBedrijf b = Bedrijf(AlleModulesBedrijf());
    EXPECT_NEAR(b.NAanvoer('G', "DM"), 197.314, 1e-3);
    EXPECT_NEAR(b.NAanvoer('G', "KM"), 154.192, 1e-3);
    EXPECT_NEAR(b.NAanvoer('G', "WM"), 66.628, 1e-3);
    EXPECT_EQ(b.NAanvoer('G', "OVERIG"), 36);
    EXPECT_NEAR(b.NAanvoer('G', "T"), 454.134, 1e-3);
    EXPECT_NEAR(b.GehalteGrasproduct("N"), 29.8236, 1e-4);
    EXPECT_NEAR(b.GehalteGrasproduct("P"), 4.26949, 1e-5);
    EXPECT_NEAR(b.NAfvoer('G'), 268.494, 1e-3);
    EXPECT_EQ(b.NOverschot('G', 'B'), 186);
    EXPECT_NEAR(b.NAanvoer('M', "DM"), 140.355, 1e-3);
    EXPECT_NEAR(b.NAanvoer('M', "KM"), 72.877, 1e-3);
    EXPECT_NEAR(b.NAanvoer('M', "T"), 249.232, 1e-3);
    EXPECT_NEAR(b.NAfvoer('M'), 133.348, 1e-3);
    EXPECT_EQ(b.NOverschot('M', 'B'), 116);
}

TEST(Stikstofbalans, WithoutLand) {
    TTvInvoer in = AlleModulesBedrijf();
    in.OppMaisN = 0;
    TBedrijf b = Bedrijf(in);
    for (const char* s : {"DM", "KM", "OVERIG", "T", "X"})
        EXPECT_EQ(b.NAanvoer('M', s), 0) << s;
    EXPECT_EQ(b.NAfvoer('M'), 0);
    in = AlleModulesBedrijf();
    in.OppGrasL = in.OppGrasN = in.OppGrasH = 0;
    b = Bedrijf(in);
    EXPECT_EQ(b.NAanvoer('G', "T"), 0);
    EXPECT_EQ(b.NAanvoer('G', "OVERIG"), 0);
    // Maize without other arable land in the record: the arable land's emission is spread
    // over nothing, not divided by zero.
    in = AlleModulesBedrijf();
    in.OppBouwN = 0;
    b = Bedrijf(in);
    EXPECT_EQ(b.NAanvoer('M', "DM"), 150);
    EXPECT_EQ(b.NAanvoer('M', "KM"), 75);
}

TEST(Stikstofbalans, UnknownCodes) {
    const TBedrijf b = Bedrijf(AlleModulesBedrijf());
    ExpectFout([&] { b.NAanvoer('G', "X"); }, "N-Aanvoer, gras: Onbekende soort berekening: X");
    ExpectFout([&] { b.NAanvoer('M', "WM"); }, "N-AAnvoer, mais: Onbekende soort berekening: WM");
    ExpectFout([&] { b.NAanvoer('B', "T"); }, "N-aanvoer: Onbekende grondcat: B");
    ExpectFout([&] { b.NAfvoer('B'); }, "NAfvoer: Onbekende grondcat: B");
    ExpectFout([&] { b.NOverschot('B', 'T'); }, "N-overschot: Onbekende grondcat: B");
    ExpectFout([&] { b.NOverschot('G', 'X'); }, "N-overschot: Onbekende soort: X");
    ExpectFout([&] { b.Uitspoeling('B'); }, "Uitspoeling: Onbekende grondcat: B");
    ExpectFout([&] { b.Neerslagoverschot('B'); }, "Neerslagoverschot: Onbekende grondcat: B");
    ExpectFout([&] { b.GehalteGrasproduct("RE"); }, "GehalteGrasproduct: Onbekende soort: RE");
}

namespace {

struct BodemCase {
    const char* grond;
    const char* gt;
    const char* toeg; // the norm surplus
    const char *verschil, *nitraat, *denitri, *lachgas;
};

} // namespace

class Grasland : public ::testing::TestWithParam<BodemCase> {};

// The farm's surplus of 186 kg N per ha against each soil's norm. Leaching is the surplus
// times the soil's fraction; nitrate is the leached N over the precipitation surplus (kg per
// ha over mm is 100 mg per litre) times 62/14; denitrification the rest of the surplus, a
// tenth of it as N2O (x 44/28).
TEST_P(Grasland, SurplusAgainstTheSoilsNorm) {
    const BodemCase& c = GetParam();
    TTvInvoer in = AlleModulesBedrijf();
    in.GrondGras = c.grond;
    in.GtGras = c.gt;
    const TTvUitvoer u = Bereken(in);
    EXPECT_EQ(u.NoverGrasBerek, "186");
    EXPECT_EQ(u.NoverGrasToeg, c.toeg);
    EXPECT_EQ(u.NoverGrasVerschil, c.verschil);
    EXPECT_EQ(u.NitraatGras, c.nitraat);
    EXPECT_EQ(u.DenitriGras, c.denitri);
    EXPECT_EQ(u.LachgasGras, c.lachgas);
}

INSTANTIATE_TEST_SUITE_P(
    Bodems, Grasland,
    ::testing::Values(
        // 186 x 0.18 = 33.48 kg; 3348 / 268 x 62/14 = 55.32 mg/l; 152.52 kg; 23.97 kg N2O.
        BodemCase{"ZAND", "I-V", "165", "21", "55", "153", "24"},
        // 52.08 kg; 5208 / 329 x 62/14 = 70.10; 133.92; 21.04.
        BodemCase{"ZAND", "VI", "134", "52", "70", "134", "21"},
        // 72.54 kg; 7254 / 355 x 62/14 = 90.49; 113.46; 17.83.
        BodemCase{"ZAND", "VII-VIII", "103", "83", "90", "113", "18"},
        // 22.32 kg; 2232 / 311 x 62/14 = 31.78; 163.68; 25.72.
        BodemCase{"KLEI", "VI", "296", "-110", "32", "164", "26"},
        // 7.44 kg; 744 / 320 x 62/14 = 10.30; 178.56; 28.06.
        BodemCase{"VEEN", "VII-VIII", "300", "-114", "10", "179", "28"}));

// Without maize land the six maize results stay empty; the grassland's are the same.
TEST(Grasland, WithoutMaizeLand) {
    TTvInvoer in = AlleModulesBedrijf();
    in.OppMaisN = 0;
    in.GrondMais = "VEEN"; // not looked at without maize land
    const TTvUitvoer zonder = Bereken(in);
    for (const std::string* leeg : {&zonder.NoverMaisBerek, &zonder.NoverMaisToeg, &zonder.NoverMaisVerschil,
                                    &zonder.NitraatMais, &zonder.DenitriMais, &zonder.LachgasMais})
        EXPECT_EQ(*leeg, "");
    EXPECT_EQ(zonder.NoverGrasBerek, "186");
    EXPECT_EQ(zonder.NitraatGras, "70");
    EXPECT_EQ(zonder.LachgasGras, "21");

    // With maize land its soil must be one maize can have.
    in.OppMaisN = 4;
    TBedrijf b;
    TTvUitvoer u{};
    ExpectFout([&] { b.Bereken(in, u); }, "Norm-Noverschot, mais: Onbekende grondsoort: VEEN");
    EXPECT_EQ(u.NoverGrasBerek, "186"); // written before the error
}

// Much grass silage sold and no fertiliser: more N leaves with the crop than comes in. The
// leaching follows the surplus below zero; nothing denitrifies.
TEST(Grasland, NegativeSurplus) {
    TTvInvoer in = AlleModulesBedrijf();
    in.AfvoerGkP = 3000;
    in.KasGras = in.UreumGras = 0;
    const TBedrijf b = Bedrijf(in);
    const float overschot = b.NOverschot('G', 'B');
    ASSERT_LT(overschot, 0);
    EXPECT_FLOAT_EQ(b.Uitspoeling('G'), overschot * 0.28f);
    EXPECT_LT(b.NitraatConcentratie('G'), 0);
    EXPECT_EQ(b.Denitrificatie('G'), 0);
    EXPECT_EQ(b.Lachgas('G'), 0);
    EXPECT_EQ(b.NOverschot('G', 'V'), overschot - 134);
}
