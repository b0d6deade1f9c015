#include "Boerderij.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// Ten heifers and no cows (2600 kVEM each at 100 %: a need of 26000 kVEM) with stocks of
// 1000 VEM per kg: grass silage 8000 kVEM, maize silage 5000, wet by-products 1000,
// concentrates 2000. Roughage need R0 = 26000 - 1000 - 2000 = 23000 kVEM.
TTvInvoer Ruwvoer(int jaar, int EvalNr, float beperkt, float onbeperkt) {
    TTvInvoer in{};
    in.Jaartal = jaar;
    in.EvalNr = EvalNr;
    in.Diercategorie = "MK";
    in.Ras = "NORM";
    in.nPink = 10;
    in.VemDekking = 100;
    in.MndWeidBMk = beperkt;
    in.UurWeidBMk = beperkt > 0 ? 8 : 0;
    in.MndWeidOMk = onbeperkt;
    in.UurWeidOMk = onbeperkt > 0 ? 20 : 0;
    in.Voorraden[mAanleg][kGK] = {8000, 1000, 160, 25.6f, 4, 0, 100};
    in.Voorraden[mAanleg][kSM] = {5000, 1000, 70, 11.2f, 2, 0, 40};
    in.Voorraden[mAanleg][kNAT] = {1000, 1000, 200, 32, 5, 0, 150};
    in.Voorraden[mAanleg][kKV] = {2000, 1000, 170, 27.2f, 4.5f, 0, 120};
    return in;
}

} // namespace

// The cows of Koeien give FPCM 8459.2 kg, so the production factor of the normal breed is
// c = 1 - (9500 - 8459.2) x 4e-05 = 0.958368.

struct UrenCase {
    float uren, factor;
};

class UrenFactorTabel : public ::testing::TestWithParam<UrenCase> {};

TEST_P(UrenFactorTabel, ShareOfTheDaysIntake) {
    EXPECT_FLOAT_EQ(::UrenFactor(GetParam().uren), GetParam().factor);
}

INSTANTIATE_TEST_SUITE_P(Uren, UrenFactorTabel,
                         ::testing::Values(UrenCase{-2, 0}, UrenCase{0, 0},
                                           UrenCase{3, 0.075f},                     // (15 - 7.5) / 100
                                           UrenCase{6, 0.15f}, UrenCase{9, 0.325f}, // (50 - 3 x 5.8333) / 100
                                           UrenCase{12, 0.5f},
                                           UrenCase{18, 0.75f},                // (100 - 6 x 4.1667) / 100
                                           UrenCase{24, 1}, UrenCase{30, 1})); // 1.25 clamped

struct AandeelCase {
    int jaar, EvalNr;
    float m1, m2, m3, m4; // months of limited, unlimited grazing, zero grazing limited, unlimited
    float a;
};

class AandeelGrasWeideperiode : public ::testing::TestWithParam<AandeelCase> {};

TEST_P(AandeelGrasWeideperiode, ByGrazingSystemYearAndVariant) {
    const AandeelCase& c = GetParam();
    TTvInvoer in = Koeien("NORM", 10);
    in.Jaartal = c.jaar;
    in.EvalNr = c.EvalNr;
    in.MndWeidBMk = c.m1;
    in.MndWeidOMk = c.m2;
    in.MndZstvBMk = c.m3;
    in.MndZstvOMk = c.m4;
    EXPECT_FLOAT_EQ(Bedrijf(in).AandeelGrasWeideperiode(), c.a);
}

// From 2009: w = the months-weighted silage share (0.8, 0.6, 0.825, 0.65), a = 1 - ((1 - w)
// (6 - M) / 6 + w). Before 2009 and in variants 6 and 11: the table's grass per cent.
INSTANTIATE_TEST_SUITE_P(
    Systemen, AandeelGrasWeideperiode,
    ::testing::Values(AandeelCase{2010, 0, 0, 0, 0, 0, 0},                 // no grazing
                      AandeelCase{2008, 0, 0, 0, 0, 0, 0},                 //
                      AandeelCase{2010, 0, 6, 0, 0, 0, 0.2f},              // 1 - 0.8
                      AandeelCase{2010, 0, 0, 6, 0, 0, 0.4f},              // 1 - 0.6
                      AandeelCase{2010, 0, 0, 0, 6, 0, 0.175f},            // 1 - 0.825
                      AandeelCase{2010, 0, 0, 0, 0, 6, 0.35f},             // 1 - 0.65
                      AandeelCase{2010, 0, 4, 0, 0, 0, 0.13333334f},       // 1 - (0.2 x 2 / 6 + 0.8)
                      AandeelCase{2010, 0, 3, 3, 0, 0, 0.3f},              // w = 0.7
                      AandeelCase{2010, 0, 0, 7, 0, 0, 0.46666667f},       // 1 - (0.4 x -1 / 6 + 0.6)
                      AandeelCase{2008, 0, 6, 0, 0, 0, 0.2f},              // 20 %
                      AandeelCase{2008, 0, 0, 6, 0, 0, 0.4f},              // 40 %
                      AandeelCase{2008, 0, 0, 0, 3, 3, 0.35f},             // 35 % for both zero grazings
                      AandeelCase{2008, 0, 2, 0, 0, 6, (0.4f + 2.1f) / 8}, // months-weighted
                      AandeelCase{2010, 6, 6, 0, 0, 0, 0.4f},              // variant 6: 40 % limited
                      AandeelCase{2010, 11, 6, 0, 0, 0, 0.15f},            // variant 11: 15 %
                      AandeelCase{2010, 11, 0, 4, 0, 0, 0.3f}));           // and 30 % unlimited

// Young stock: heifers (12 to 24 months, 6580.48 VEM a day) graze 6 months unlimited
// (share 0.4), calves (0 to 12, 3651.64 VEM a day) 6 months limited (0.2), weighed by
// need x months x number.
TEST(AandeelGrasWeideperiode, YoungStockByTheirGrazingEnergy) {
    TTvInvoer in = Jongvee(0, 24);
    in.nPink = 20;
    in.nKalf = 10;
    in.MndWeidOPi = 6;
    in.UurWeidOPi = 20;
    EXPECT_FLOAT_EQ(Bedrijf(in).AandeelGrasWeideperiode(), 0.4f); // heifers alone
    in.MndWeidBKa = 6;
    in.UurWeidBKa = 8;
    const double Ph = 2401875.0 / 365, Pc = 1332850.0 / 365;
    const double a = (Ph * 6 * 0.4 * 20 + Pc * 6 * 0.2 * 10) / (Ph * 6 * 20 + Pc * 6 * 10); // 0.35656
    EXPECT_NEAR(Bedrijf(in).AandeelGrasWeideperiode(), a, 1e-6);
    // Without grazing days nothing is grazed.
    in.MndWeidOPi = 0;
    in.MndWeidBKa = 0;
    EXPECT_EQ(Bedrijf(in).AandeelGrasWeideperiode(), 0);
}

struct RuwvoerCase {
    int jaar, EvalNr;
    float beperkt;
    float R;
};

class VemUitRuwvoer : public ::testing::TestWithParam<RuwvoerCase> {};

TEST_P(VemUitRuwvoer, RoughageNeedByRegime) {
    const RuwvoerCase& c = GetParam();
    EXPECT_FLOAT_EQ(Bedrijf(Ruwvoer(c.jaar, c.EvalNr, c.beperkt, 0)).VemUitRuwvoer(), c.R);
}

INSTANTIATE_TEST_SUITE_P(
    Varianten, VemUitRuwvoer,
    ::testing::Values(RuwvoerCase{2010, 0, 0, 23000},  // from 2009 all roughage
                      RuwvoerCase{2010, 0, 6, 23000},  //
                      RuwvoerCase{2008, 0, 0, 18000},  // before 2009 less the maize silage
                      RuwvoerCase{2008, 7, 6, 23000},  // variants 7 and 10 as from 2009
                      RuwvoerCase{2008, 10, 0, 23000}, //
                      RuwvoerCase{2010, 9, 6, 10000},  // grass the rest: less both silages
                      RuwvoerCase{2008, 9, 6, 10000},  //
                      RuwvoerCase{2010, 9, 0, 23000},  // ... only when there is grazing
                      RuwvoerCase{2008, 9, 0, 18000},  //
                      // Variant 12 adds the losses: 26000 - 970 - 1960 - 4750 - 7600.
                      RuwvoerCase{2010, 12, 6, 10720}));

TEST(VemUitRuwvoer, NeverBelowZero) {
    TTvInvoer in = Ruwvoer(2010, 0, 0, 0);
    in.Voorraden[mAanleg][kKV].Hoev = 30000; // 30000 kVEM of concentrates
    EXPECT_EQ(Bedrijf(in).VemUitRuwvoer(), 0);
    in = Ruwvoer(2010, 9, 6, 0);
    in.Voorraden[mAanleg][kGK].Hoev = 30000;
    EXPECT_EQ(Bedrijf(in).VemUitRuwvoer(), 0);
}

struct DsCase {
    const char* ras;
    float uurB, mndB, uurO, mndO, zB, zO;
    const char* systeem;
    double kg; // per cow
};

class OpnameDsGras : public ::testing::TestWithParam<DsCase> {};

TEST_P(OpnameDsGras, CowsByGrazingSystem) {
    const DsCase& c = GetParam();
    TTvInvoer in = Koeien(c.ras, 10);
    in.UurWeidBMk = c.uurB;
    in.MndWeidBMk = c.mndB;
    in.UurWeidOMk = c.uurO;
    in.MndWeidOMk = c.mndO;
    in.MndZstvBMk = c.zB;
    in.MndZstvOMk = c.zO;
    EXPECT_NEAR(Bedrijf(in).OpnameDsGras(c.systeem), c.kg * 10, 1e-3);
}

// Per cow per day: (Min(hours, 20) - 2) x 0.75 + 2 kg at pasture, 6.3075 and 13.485 kg
// zero grazing; times 30.5 days a month and c = 0.958368 (normal breed).
INSTANTIATE_TEST_SUITE_P(
    Systemen, OpnameDsGras,
    ::testing::Values(DsCase{"NORM", 20, 1, 0, 0, 0, 0, "WEIDB", 453.068472},    // 15.5 x 30.5 x c
                      DsCase{"NORM", 24, 1, 0, 0, 0, 0, "WEIDB", 453.068472},    // at most 20 hours
                      DsCase{"NORM", 2, 1, 0, 0, 0, 0, "WEIDB", 58.460448},      // 2 kg
                      DsCase{"NORM", 1, 1, 0, 0, 0, 0, "WEIDB", 58.460448},      // at least 2 kg
                      DsCase{"NORM", 10, 1, 0, 0, 0, 0, "WEIDB", 233.841792},    // 8 kg
                      DsCase{"NORM", 0, 0, 10, 2, 0, 0, "WEIDO", 467.683584},    // 8 kg, 2 months
                      DsCase{"NORM", 0, 0, 0, 0, 1, 0, "ZSTVB", 184.369638},     // 6.3075 kg
                      DsCase{"NORM", 0, 0, 0, 0, 0, 1, "ZSTVO", 394.169571},     // 13.485 kg
                      DsCase{"NORM", 20, 1, 10, 2, 1, 1, "WEIDB", 453.068472},   // one system of four
                      DsCase{"NORM", 20, 1, 10, 2, 1, 1, "ZSTVO", 394.169571},   //
                      DsCase{"NORM", 20, 1, 10, 2, 1, 1, "TOTAAL", 1499.291265}, // all four
                      // Jersey: r = 0.7, c = 1 - (6650 - 8459.2) x 4e-05 = 1.072368.
                      DsCase{"JERSEY", 20, 1, 0, 0, 0, 0, "WEIDB", 354.873380},
                      // Cross breed: r = 0.85, c = 1.015368.
                      DsCase{"KRUISLING", 20, 1, 0, 0, 0, 0, "TOTAAL", 408.012939}));

TEST(OpnameDsGras, YoungStockFromTheirNeedAndHours) {
    TTvInvoer in = Jongvee(12, 24);
    in.nPink = 10;
    in.nKalf = 5; // calves of 12 months or older need nothing
    in.MndWeidBPi = 6;
    in.UurWeidBPi = 12;
    const TBedrijf b = Bedrijf(in);
    // (6580.479 + 846.145 VEM a day) x 183 days / 960 VEM x UrenFactor(12) = 0.5.
    const double perPink = (2401875.0 / 365 + 308843.0 / 365) * 183 / 960 * 0.5;
    EXPECT_NEAR(b.OpnameDsGras("WEIDB"), 10 * perPink, 1e-2);
    EXPECT_NEAR(b.OpnameDsGras("TOTAAL"), 10 * perPink, 1e-2);
    EXPECT_EQ(b.OpnameDsGras("WEIDO"), 0);
    EXPECT_EQ(b.OpnameDsGras("ZSTVB"), 0); // young stock is not zero-grazed
    EXPECT_EQ(b.OpnameDsGras("ZSTVO"), 0);
}

TEST(OpnameDsGras, UnknownCodes) {
    TTvInvoer in = Koeien("NORM", 10);
    EXPECT_EQ(Bedrijf(in).OpnameDsGras("XYZ"), 0); // no grazing days: not looked at
    in.MndWeidBMk = 6;
    ExpectFout([&] { Bedrijf(in).OpnameDsGras("XYZ"); }, "OpnameDsGras: Onbekend systeem: XYZ");
    ExpectFout([&] { Bedrijf(in).OpnameDsGras(""); }, "OpnameDsGras: Onbekend systeem: ");
    in.Diercategorie = "XX";
    ExpectFout([&] { Bedrijf(in).OpnameDsGras("TOTAAL"); }, "Onbekend BEX type: XX");
    in.Diercategorie = "";
    ExpectFout([&] { Bedrijf(in).OpnameDsGras("WEIDB"); }, "Onbekend BEX type: ");
    in.Diercategorie = "JV";
    in.MndWeidBPi = 6;
    ExpectFout([&] { Bedrijf(in).OpnameDsGras("weidb"); }, "OpnameDsGras: Onbekend systeem: weidb");
}

struct VerdelingCase {
    const char* wat;
    int jaar, EvalNr;
    float beperkt, onbeperkt;
    bool graskuil; // grass silage in stock
    double A, B, C;
};

class VemVerdeling : public ::testing::TestWithParam<VerdelingCase> {};

TEST_P(VemVerdeling, ShareOfTheRoughage) {
    const VerdelingCase& c = GetParam();
    TTvInvoer in = Ruwvoer(c.jaar, c.EvalNr, c.beperkt, c.onbeperkt);
    if (!c.graskuil) in.Voorraden[mAanleg][kGK] = {};
    const TBedrijf b = Bedrijf(in);
    EXPECT_NEAR(b.VemVerdelingA(), c.A, 2e-3) << c.wat;
    EXPECT_NEAR(b.VemVerdelingB(), c.B, 2e-3) << c.wat;
    EXPECT_NEAR(b.VemVerdelingC(), c.C, 2e-3) << c.wat;
}

// R as above; no cows, so no grass intake G and no plain energy shares. Grass silage
// K = 8 and maize silage S = 5 million VEM: q = 8/13. With grazing share a and grass silage
// in stock x = (1 - a) / a and y = x / q x (1 - q); the shares are 1, x, y over 1 + x + y.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Systemen, VemVerdeling,
    ::testing::Values(
        // No grazing from 2009: R over the silages as 8 : 5.
        VerdelingCase{"zero grazing 2010", 2010, 0, 0, 0, true, 0, 14153.846, 8846.154},
        // No grazing before 2009: grass silage all of R = 18000, maize silage its own 5000.
        VerdelingCase{"zero grazing 2008", 2008, 0, 0, 0, true, 0, 18000, 5000},
        // Limited grazing, a = 0.2: x = 4, y = 2.5, over 7.5.
        VerdelingCase{"limited 2010", 2010, 0, 6, 0, true, 3066.667, 12266.667, 7666.667},
        // Unlimited grazing, a = 0.4: x = 1.5, y = 0.9375, over 3.4375.
        VerdelingCase{"unlimited 2010", 2010, 0, 0, 6, true, 6690.909, 10036.364, 6272.727},
        // Before 2009: R x a to grass, the rest to grass silage, maize silage its own.
        VerdelingCase{"limited 2008", 2008, 0, 6, 0, true, 3600, 14400, 5000},
        VerdelingCase{"unlimited 2008", 2008, 0, 0, 6, true, 7200, 10800, 5000},
        // Without grass silage: x = 0, y = 4, over 5.
        VerdelingCase{"limited, no grass silage", 2010, 0, 6, 0, false, 4600, 0, 18400},
        // Variant 9, grass the rest: A = R = 10000, the silages their own use.
        VerdelingCase{"variant 9", 2010, 9, 6, 0, true, 10000, 8000, 5000},
        VerdelingCase{"variant 9 without grazing", 2010, 9, 0, 0, true, 0, 23000, 5000},
        // Variant 10 before 2009 shares as from 2009, with R = 23000.
        VerdelingCase{"variant 10", 2008, 10, 6, 0, true, 3066.667, 12266.667, 7666.667},
        // Variant 7 always takes the plain energy shares: G = 0 leaves grass nothing.
        VerdelingCase{"variant 7", 2008, 7, 6, 0, true, 0, 14153.846, 8846.154}));
// clang-format on

// The dairy farm: R = 450725 kVEM, a = 0.2, G = 93210.7 kg x 960 = 89.48 million VEM,
// K = 307.15 and S = 253.7 million: g = G / (G + K + S) = 0.1376 beats fA = 1 / 8.304, so
// the roughage is shared as G : K : S.
TEST(VemVerdeling, PlainEnergySharesWhenGrassTakesMore) {
    const TBedrijf b = Bedrijf(Melkvee());
    const double G = b.OpnameDsGras("TOTAAL") * 960.0, K = 307.15e6, S = 253.7e6;
    EXPECT_NEAR(G, 89.48225e6, 100);
    const double R = b.VemUitRuwvoer();
    EXPECT_NEAR(R, 450725, 1);
    EXPECT_NEAR(b.VemVerdelingA(), R * G / (G + K + S), 0.05);
    EXPECT_NEAR(b.VemVerdelingB(), R * K / (G + K + S), 0.05);
    EXPECT_NEAR(b.VemVerdelingC(), R * S / (G + K + S), 0.05);

    // Two hours at pasture: g = 0.0412 stays below fA, which then holds.
    TTvInvoer in = Melkvee();
    in.UurWeidBMk = 2;
    const TBedrijf weinig = Bedrijf(in);
    const double q = K / (K + S), x = 4, y = x / q * (1 - q);
    const double R2 = weinig.VemUitRuwvoer();
    EXPECT_NEAR(weinig.VemVerdelingA(), R2 / (1 + x + y), 0.05);
    EXPECT_NEAR(weinig.VemVerdelingB(), R2 * x / (1 + x + y), 0.05);
    EXPECT_NEAR(weinig.VemVerdelingC(), R2 * y / (1 + x + y), 0.05);
}

TEST(VemVerdeling, YoungStockAlwaysByEnergyShares) {
    TTvInvoer in = Ruwvoer(2008, 0, 0, 0);
    in.Diercategorie = "JV";
    in.LftJvAan = 12;
    in.LftJvAfv = 24;
    in.MndWeidOPi = 6;
    in.UurWeidOPi = 20;
    const TBedrijf b = Bedrijf(in);
    // Need 10 x (2401.875 + 154.844) kVEM less 3000 and, before 2009, less the maize
    // silage's 5000: R = 17567.2. Young stock still shares it by energy.
    const double R = 10 * (2401.875 + 308.843 * 183 / 365) - 3000 - 5000;
    EXPECT_NEAR(b.VemUitRuwvoer(), R, 0.01);
    const double G = b.OpnameDsGras("TOTAAL") * 960.0, K = 8e6, S = 5e6;
    EXPECT_GT(G, 0);
    EXPECT_NEAR(b.VemVerdelingA(), R * G / (G + K + S), 0.01);
    EXPECT_NEAR(b.VemVerdelingB(), R * K / (G + K + S), 0.01);
    EXPECT_NEAR(b.VemVerdelingC(), R * S / (G + K + S), 0.01);
}

// Best grass silage N 30.4 g per 960 VEM: 0.0316667 g per VEM.
TEST(Geh_per_VEM, FreshGrassPerVemFromItsBase) {
    TTvInvoer in = Melkvee();
    in.MndZstvOMk = 2; // also zero grazing: 1.1 and 1.05 weighed by the intakes
    const TBedrijf b = Bedrijf(in);
    const double w = b.OpnameDsGras("WEIDB"), z = b.OpnameDsGras("ZSTVO");
    EXPECT_NEAR(b.Geh_per_VEM("N"), (w * 1.1 + z * 1.05) / (w + z) * 30.4 / 960, 5e-9);
    EXPECT_NEAR(b.Geh_per_VEM("P"), (w * 1.05 + z * 1.03) / (w + z) * 4.3 / 960, 5e-9);
    EXPECT_NEAR(b.Geh_per_VEM("RE"), (w * 1.1 + z * 1.05) / (w + z) * 190 / 960, 5e-8);
    EXPECT_NEAR(b.Geh_per_VEM("VRE"), (w * 1.1 + z * 1.05) / (w + z) * 120 / 960, 5e-8);

    // Before 2009 the farm's grass silage is the base: N 9.36 million g / 307.8 million VEM.
    in = Melkvee();
    in.Jaartal = 2008;
    EXPECT_NEAR(Bedrijf(in).Geh_per_VEM("N"), 1.1 * 9.36 / 307.8, 5e-9);
    in.EvalNr = 7; // ... except in variant 7
    EXPECT_NEAR(Bedrijf(in).Geh_per_VEM("N"), 1.1 * 30.4 / 960, 5e-9);
    // Without grass silage the maize silage: N 3.013 million g / 253.7 million VEM.
    in.EvalNr = 0;
    in.Voorraden[mBegin][kGK] = {};
    in.Voorraden[mAanleg][kGK] = {};
    in.Voorraden[mEind][kGK] = {};
    const TBedrijf mais = Bedrijf(in);
    EXPECT_FALSE(mais.KuilAanwezig());
    EXPECT_TRUE(mais.SnijmaisAanwezig());
    EXPECT_NEAR(mais.Geh_per_VEMKuil("N"), 3.013 / 253.7, 5e-9);
    EXPECT_NEAR(mais.Geh_per_VEM("N"), 1.1 * 3.013 / 253.7, 5e-9);
    EXPECT_NEAR(mais.Geh_per_VEMSM("N"), 3.013 / 253.7, 5e-9);
}

TEST(Geh_per_VEM, WithoutSilageOrBestSilage) {
    TTvInvoer in = Melkvee();
    in.Jaartal = 2008;
    for (int m = 1; m <= 3; ++m) {
        in.Voorraden[m][kGK] = {};
        in.Voorraden[m][kSM] = {};
    }
    const TBedrijf b = Bedrijf(in);
    EXPECT_FALSE(b.KuilAanwezig());
    EXPECT_FALSE(b.SnijmaisAanwezig());
    ExpectFout([&] { b.Geh_per_VEM("N"); }, "Geh_per_VEMKuil: Geen kuil of snijmais aanwezig");
    ExpectFout([&] { b.Gehalte("VG", "RE"); }, "Geh_per_VEMKuil: Geen kuil of snijmais aanwezig");
    // Also without grazing: the base is sought first.
    in.MndWeidBMk = 0;
    ExpectFout([&] { Bedrijf(in).Geh_per_VEM("P"); }, "Geh_per_VEMKuil: Geen kuil of snijmais aanwezig");
    // From 2009 the best grass silage serves.
    in.Jaartal = 2010;
    EXPECT_EQ(Bedrijf(in).Geh_per_VEM("P"), 0); // no grazing: nothing to weigh
    in.MndWeidBMk = 6;
    EXPECT_NEAR(Bedrijf(in).Geh_per_VEM("P"), 1.05 * 4.3 / 960, 5e-9);
    in.BesteGk.Vem = 0;
    ExpectFout([&] { Bedrijf(in).Geh_per_VEM("N"); }, "Geh_per_VEMKuil: Geen kuil of snijmais aanwezig");
}

TEST(Geh_per_VEM, UnknownContents) {
    const TBedrijf b = Bedrijf(Melkvee());
    ExpectFout([&] { b.Geh_per_VEM("VEM"); }, "Geh_per_VEM: Deze functie niet aanroepen met vem: VEM");
    ExpectFout([&] { b.Gehalte("VG", "X"); }, "Geh_per_VEM_gras: Onbekende soort: X");
    ExpectFout([&] { b.Geh_per_VEM(""); }, "Geh_per_VEM_gras: Onbekende soort: ");
    ExpectFout([&] { b.Geh_per_VEM("RAS"); }, "Geh_per_VEM: Onbekende soort: RAS");
    ExpectFout([&] { b.Geh_per_VEM("NT"); }, "Geh_per_VEM: Onbekende soort: NT");
    TTvInvoer in = Melkvee();
    in.Jaartal = 2008;
    ExpectFout([&] { Bedrijf(in).Geh_per_VEM("PP"); }, "Geh_per_VEM: Onbekende soort: PP");
}

TEST(SnijmaisAanwezig, OnlyWhatTheHerdItselfUses) {
    TTvInvoer in = Ruwvoer(2010, 0, 0, 0);
    EXPECT_TRUE(Bedrijf(in).SnijmaisAanwezig());
    // Five meat bulls eat all 5 million VEM of maize silage.
    in.Graasdieren[5] = 5;
    in.Voorraden[mAanleg][kNAT] = {};
    const TBedrijf b = Bedrijf(in);
    EXPECT_FLOAT_EQ(b.VemVerbruikGraas("SM"), 5e6f);
    EXPECT_FALSE(b.SnijmaisAanwezig());
    EXPECT_TRUE(b.KuilAanwezig());
}

TEST(Verbruik, AmountsOfEachFeedKind) {
    // Limited grazing from 2009: A, B, C = 3066.667, 12266.667, 7666.667 kVEM.
    const TBedrijf b = Bedrijf(Ruwvoer(2010, 0, 6, 0));
    EXPECT_NEAR(b.Verbruik("VG"), 3066666.7 / 960, 1e-2);
    EXPECT_NEAR(b.Verbruik("GK"), 12266.667, 1e-2);
    EXPECT_NEAR(b.Verbruik("SM"), 7666.667, 1e-2);
    EXPECT_FLOAT_EQ(b.Verbruik("NAT"), 1000);
    EXPECT_FLOAT_EQ(b.Verbruik("KV"), 2000);
    EXPECT_FLOAT_EQ(b.Verbruik("MP"), 0);
    ExpectFout([&] { b.Verbruik("X"); }, "Voorraad: Onbekende voersoort: X");
}

TEST(Verbruik, GrassSilageValuedByWhatIsThere) {
    // Before 2009 without grazing and without grass silage, maize silage at 900 VEM:
    // R = 23000 - 4500, all of it grass silage, valued at the maize silage's 900.
    TTvInvoer in = Ruwvoer(2008, 0, 0, 0);
    in.Voorraden[mAanleg][kGK] = {};
    in.Voorraden[mAanleg][kSM].Vem = 900;
    EXPECT_NEAR(Bedrijf(in).Verbruik("GK"), 18500000.0 / 900, 1e-2);
    // Neither silage: R = 23000 at 850 VEM per kg.
    in.Voorraden[mAanleg][kSM] = {};
    EXPECT_NEAR(Bedrijf(in).Verbruik("GK"), 23000000.0 / 850, 1e-2);
}

TEST(OpnameCapaciteit, RoomOfTheCowsInTheSummer) {
    TTvInvoer in = Koeien("NORM", 10);
    EXPECT_EQ(Bedrijf(in).OpnameCapaciteit(0), 0); // no summer days
    in.MndWeidBMk = 6;                             // 183 days
    // 15.5 kg x c 0.958368 x 10 cows x 183 days = 27184.11 kg.
    EXPECT_NEAR(Bedrijf(in).OpnameCapaciteit(0), 27184.108, 1e-2);
    EXPECT_NEAR(Bedrijf(in).OpnameCapaciteit(5000), 22184.108, 1e-2);
    EXPECT_EQ(Bedrijf(in).OpnameCapaciteit(30000), 0);
    in.Ras = "JERSEY"; // 0.7 x 15.5 x 1.072368 x 10 x 183
    EXPECT_NEAR(Bedrijf(in).OpnameCapaciteit(0), 21292.403, 1e-2);
}

struct VoerzCase {
    const char* wat;
    float beperkt, onbeperkt;
    double GK, SM, NAT, KV, MP;
};

class AandeelVoerz : public ::testing::TestWithParam<VoerzCase> {};

TEST_P(AandeelVoerz, SummerShareOfEachKind) {
    const VoerzCase& c = GetParam();
    TTvInvoer in = Melkvee();
    in.MndWeidBMk = c.beperkt;
    in.UurWeidBMk = c.beperkt > 0 ? 8 : 0;
    in.MndWeidOMk = c.onbeperkt;
    in.UurWeidOMk = c.onbeperkt > 0 ? 20 : 0;
    const TBedrijf b = Bedrijf(in);
    EXPECT_NEAR(b.AandeelVoerz("GK"), c.GK, 1e-5) << c.wat;
    EXPECT_NEAR(b.AandeelVoerz("SM"), c.SM, 1e-5) << c.wat;
    EXPECT_NEAR(b.AandeelVoerz("NAT"), c.NAT, 1e-5) << c.wat;
    EXPECT_NEAR(b.AandeelVoerz("KV"), c.KV, 1e-5) << c.wat;
    EXPECT_NEAR(b.AandeelVoerz("MP"), c.MP, 1e-5) << c.wat;
}

// The dairy farm with six months of limited grazing (D = 183 days): fresh grass 64601.4 kg,
// grass silage 228229.6 kg at 932.73 VEM: its summer part ((64601.4 + 228229.6) / 365 x 183
// - 64601.4) / 228229.6 = 0.36023; milk powder D / 365 = 0.50137. The cows' capacity
// 157670.3 kg is widened in steps of 0.1 while the summer ration fills less than the
// year's (fill 16.44, 17.09 against 17.69 kg a day) and stops at 1.2 (17.73); maize silage
// and by-products then share the room left (93967.4 of 175831.4 kVEM), concentrates fill
// the summer energy 329120.9 kVEM up to 85487.7 of 179440 kVEM.
// Seven months unlimited (D = 213.5): the capacity rises to 1.4.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Weiden, AandeelVoerz,
    ::testing::Values(
        VoerzCase{"limited 6", 6, 0, 0.360230, 0.534417, 0.534417, 0.476414, 0.501370},
        VoerzCase{"unlimited 7", 0, 7, 0.232064, 0.657771, 0.657771, 0.531518, 0.584932},
        VoerzCase{"zero grazing", 0, 0, 0, 0, 0, 0, 0}));
// clang-format on

TEST(AandeelVoerz, UnknownKind) {
    const TBedrijf b = Bedrijf(Ruwvoer(2010, 0, 0, 0)); // also without summer days
    ExpectFout([&] { b.AandeelVoerz("VG"); }, "AandeelVoerz: Onbekend soort voer: VG");
    ExpectFout([&] { b.AandeelVoerz("X"); }, "AandeelVoerz: Onbekend soort voer: X");
    ExpectFout([&] { b.AandeelVoerz(""); }, "AandeelVoerz: Onbekend soort voer: ");
}

TEST(AandeelVoerzTotaal, ShareOfThePeriod) {
    const TBedrijf b = Bedrijf(Melkvee());
    for (const char* k : {"VG", "GK", "SM", "NAT", "KV", "MP", "TOT"})
        EXPECT_EQ(b.AandeelVoerzTotaal(k, 'J'), 1) << k;
    EXPECT_EQ(b.AandeelVoerzTotaal("VG", 'Z'), 1); // fresh grass is all summer
    EXPECT_EQ(b.AandeelVoerzTotaal("VG", 'W'), 0);
    for (const char* k : {"GK", "SM", "NAT", "NT", "KV", "MP"}) {
        const float s = b.AandeelVoerz(k);
        EXPECT_EQ(b.AandeelVoerzTotaal(k, 'Z'), s) << k;
        EXPECT_FLOAT_EQ(b.AandeelVoerzTotaal(k, 'W'), 1 - s) << k;
    }
    ExpectFout([&] { b.AandeelVoerzTotaal("GK", 'X'); }, "AandeelVoerzTotaal: Onbekende periode: X");
    ExpectFout([&] { b.AandeelVoerzTotaal("XX", 'Z'); }, "AandeelVoerz: Onbekend soort voer: XX");
}

namespace {

// Every routine of the allocation on one farm: all finite, never NaN.
void AllesEindig(const TBedrijf& b) {
    auto eindig = [](float v, const std::string& wat) { EXPECT_TRUE(std::isfinite(v)) << wat << " = " << v; };
    eindig(b.VemBehoefteTotaal(), "VemBehoefteTotaal");
    eindig(b.AandeelGrasWeideperiode(), "AandeelGrasWeideperiode");
    eindig(b.VemUitRuwvoer(), "VemUitRuwvoer");
    eindig(b.VemVerdelingA(), "VemVerdelingA");
    eindig(b.VemVerdelingB(), "VemVerdelingB");
    eindig(b.VemVerdelingC(), "VemVerdelingC");
    eindig(b.OpnameCapaciteit(0), "OpnameCapaciteit");
    for (const char* s : {"WEIDB", "WEIDO", "ZSTVB", "ZSTVO", "TOTAAL"})
        eindig(b.OpnameDsGras(s), std::string("OpnameDsGras ") + s);
    for (const char* c : {"N", "RE", "VRE", "P"})
        eindig(b.Geh_per_VEM(c), std::string("Geh_per_VEM ") + c);
    for (const char* k : {"VG", "GK", "SM", "NAT", "KV", "MP"}) {
        eindig(b.Verbruik(k), std::string("Verbruik ") + k);
        for (const char* c : {"VEM", "RE", "VRE", "N", "P"})
            eindig(b.GehalteVerbruik(k, c), std::string("GehalteVerbruik ") + k + " " + c);
        for (char p : {'J', 'Z', 'W'})
            eindig(b.AandeelVoerzTotaal(k, p), std::string("AandeelVoerzTotaal ") + k + " " + p);
    }
}

} // namespace

// Grazing months but no cows: no summer share, as on a young-stock farm; everything else
// stays finite.
TEST(AandeelVoerz, GrazingWithoutCowsIsFinite) {
    TTvInvoer in = Melkvee();
    in.nKoe = 0;
    const TBedrijf b = Bedrijf(in);
    AllesEindig(b);
    for (const char* k : {"GK", "SM", "NAT", "KV", "MP"}) {
        EXPECT_EQ(b.AandeelVoerz(k), 0) << k;
        EXPECT_EQ(b.AandeelVoerzTotaal(k, 'W'), 1) << k;
    }
    AllesEindig(Bedrijf(Ruwvoer(2010, 0, 6, 0)));
    AllesEindig(Bedrijf(Ruwvoer(2010, 0, 0, 6)));
    AllesEindig(Bedrijf(Ruwvoer(2008, 0, 0, 0)));
}

// Closing stocks above opening stock plus increase for every kind.
TEST(AandeelVoerz, NegativeStockBalancesAreFinite) {
    TTvInvoer in = Melkvee();
    for (int k = 1; k <= 5; ++k)
        in.Voorraden[mEind][k] = {600000, 950, 180, 28.8f, 4.2f, 0, 115};
    for (int EvalNr : {0, 7, 9, 12}) {
        in.EvalNr = EvalNr;
        const TBedrijf b = Bedrijf(in);
        EXPECT_LT(b.Voorraad("GK", "HOEV"), 0);
        AllesEindig(b);
    }
    in.EvalNr = 0;
    in.Jaartal = 2008;
    in.BesteGk = {};
    in.Voorraden[mEind][kSM] = {}; // before 2009 some silage must remain
    AllesEindig(Bedrijf(in));
}
