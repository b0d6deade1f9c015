#include "Boerderij.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// A float result of that size is exact to about one part in ten million.
double Marge(double verwacht) {
    return std::max(0.01, verwacht * 1e-7);
}

} // namespace

struct ToeslagCase {
    int jaar;
    float beperkt, onbeperkt; // months of limited and of unlimited grazing
    float toeslag;
};

class VemToeslagWeiden : public ::testing::TestWithParam<ToeslagCase> {};

TEST_P(VemToeslagWeiden, BeforeAndFrom2009) {
    TTvInvoer in = Koeien("NORM", 1);
    in.Jaartal = GetParam().jaar;
    in.MndWeidBMk = GetParam().beperkt;
    in.MndWeidOMk = GetParam().onbeperkt;
    EXPECT_FLOAT_EQ(Bedrijf(in).VemToeslagWeiden(), GetParam().toeslag);
}

INSTANTIATE_TEST_SUITE_P(Maanden, VemToeslagWeiden,
                         ::testing::Values(ToeslagCase{2008, 6, 0, 45},     // limited only
                                           ToeslagCase{2008, 0, 6, 86},     // unlimited only
                                           ToeslagCase{2008, 3, 3, 65.5f},  // (135 + 258) / 6
                                           ToeslagCase{2008, 2, 6, 75.75f}, // (90 + 516) / 8
                                           ToeslagCase{2008, 0, 0, 0},      // no grazing
                                           ToeslagCase{2009, 6, 0, 72},     // 12 x 6
                                           ToeslagCase{2009, 0, 6, 96},     // 16 x 6
                                           ToeslagCase{2010, 3, 3, 84},     // 36 + 48
                                           ToeslagCase{2015, 0, 0, 0}));

TEST(VemBehoefteKoe, FixedSurcharge) {
    EXPECT_FLOAT_EQ(Bedrijf(Koeien("NORM", 1)).VemToeslagVast(), 189);
}

struct KoeCase {
    const char* ras;
    int EvalNr;
    double kvem;
};

class VemBehoefteKoe : public ::testing::TestWithParam<KoeCase> {};

TEST_P(VemBehoefteKoe, ByBreedAndVariant) {
    EXPECT_NEAR(Bedrijf(Koeien(GetParam().ras, 1, GetParam().EvalNr)).VemBehoefteKoe(), GetParam().kvem,
                0.002);
}

// F = 1.0574 x 8000 / LD kg FPCM a day, c = 1 + (F - 15) x 0.00165; VEM = LD x 442 x F x c
// + LD x 42.4 W^0.75 x c + (365 - LD) x 42.4 W^0.75 x 0.97525, plus 1000 x (189 + A + B).
// Normal breed, 307 days: F = 27.5544, c = 1.020715, W^0.75 = 121.2309; milk 3816418.2,
// maintenance 1610727.5 + 290752.4; with 189 + 194 + 131 kVEM: 6231.898 kVEM (6232).
INSTANTIATE_TEST_SUITE_P(
    Rassen, VemBehoefteKoe,
    ::testing::Values(KoeCase{"NORM", 0, 6231.898},
                      // 650 kg: W^0.75 = 128.7316; 3816418.2 + 1710384.1 + 308741.4
                      KoeCase{"NORM", 1, 6349.544},
                      // 303 days: F = 27.9182, c = 1.021315; 3818662.3 + 1590675.6 + 310804.2
                      KoeCase{"NORM", 2, 6234.142},
                      // 313 days: F = 27.0262, c = 1.019843; 3813159.6 + 1640805.3 + 260674.5
                      KoeCase{"NORM", 3, 6228.639},
                      // 500 kg: W^0.75 = 105.7371; 3816418.2 + 1404870.0 + 253593.0, 189 + 165 + 111
                      KoeCase{"KRUISLING", 0, 5939.881},
                      KoeCase{"KRUISLING", 1, 5939.881}, // 650 kg is for the normal breed only
                      // 400 kg: W^0.75 = 89.4427; 3816418.2 + 1188375.3 + 214513.6, 189 + 136 + 92
                      KoeCase{"JERSEY", 0, 5636.307},
                      KoeCase{"JERSEY", 3, 5633.048}, // 3813159.6 + 1210566.4 + 192322.5
                      KoeCase{"NORM", 4, 6231.898})); // the coverage variants leave the cow alone

TEST(VemBehoefteKoe, GrazingSurchargeIsAdded) {
    TTvInvoer in = Koeien("NORM", 1);
    in.MndWeidBMk = 6;
    EXPECT_NEAR(Bedrijf(in).VemBehoefteKoe(), 6231.898 + 72, 0.002);
    in.Jaartal = 2008;
    EXPECT_NEAR(Bedrijf(in).VemBehoefteKoe(), 6231.898 + 45, 0.002);
}

TEST(VemBehoefteKoe, UnknownBreed) {
    ExpectFout([] { Bedrijf(Koeien("HOLSTEIN", 1)).VemBehoefteKoe(); }, "Onbekend type: HOLSTEIN");
    ExpectFout([] { Bedrijf(Koeien("", 1)).VemBehoefteTotaal(); }, "Onbekend type: ");
    ExpectFout([] { Bedrijf(Koeien("jersey", 1)).VemBehoeftePink(); }, "Onbekend type: jersey");
}

struct TabelCase {
    float aan, afv;
    double A, B; // VEM per animal per year from table A and, grazing all year, table B
};

namespace {

// Table A, and table B when grazing all year: 365 grazing days take the whole of it.
void CumulatedNeed(const TabelCase& c, bool kalveren) {
    TTvInvoer in = Jongvee(c.aan, c.afv);
    const TBedrijf stal = Bedrijf(in);
    EXPECT_NEAR(kalveren ? stal.JvTabelKalverenA() : stal.JvTabelPinkenA(), c.A, Marge(c.A));
    (kalveren ? in.MndWeidOKa : in.MndWeidBPi) = 12;
    const TBedrijf weide = Bedrijf(in);
    EXPECT_NEAR(kalveren ? weide.JvTabelKalverenB() : weide.JvTabelPinkenB(), c.B, Marge(c.B));
}

} // namespace

class JvTabelPinken : public ::testing::TestWithParam<TabelCase> {};

TEST_P(JvTabelPinken, CumulatedNeedPerYearOfStay) {
    CumulatedNeed(GetParam(), false);
}

// Cumulated heifer need from 12 months: S(m + 1) = S(m) + T(m) x 30.5, ages in days
// Round(m x 30.5) with halves to even (12: 366, 13: 396.5 -> 396, 14: 427, 18: 549, 24: 732).
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Leeftijden, JvTabelPinken,
    ::testing::Values(
        // 30.5 x (5400 + ... + 7500, months 12..23 = 78750) = 2401875; B: 30.5 x 10126.
        TabelCase{12, 24, 2401875, 308843},
        // Arriving before 12 counts from 12.
        TabelCase{10, 24, 2401875, 308843},
        // Age 13: 396.5 days rounds to 396, the table point: 164700 / (1/12).
        TabelCase{12, 13, 1976400, 237900},
        // S(18) = 30.5 x 35425 = 1080462.5 rounds to the even 1080462; over half a year.
        TabelCase{12, 18, 2160924, 274500},
        // S(22) = 30.5 x 63750 = 1944375 over 10 months; in B 30.5 x 8163 = 248971.5
        // rounds to the even 248972.
        TabelCase{12, 22, 2333250, 298766.4},
        // (S(25) - S(13)) = 2630625 - 164700 in one year.
        TabelCase{13, 25, 2465925, 319518},
        // 13.5 months is day 412, between (396, 164700) and (427, 337025):
        // 164700 + 172325 x 16 / 31 = 253641.9 -> 253642, over 1.5 / 12 year.
        TabelCase{12, 13.5f, 2029136, 246752},
        // Up to the table's end at 28 months: 30.5 x 108750 over 16 months.
        TabelCase{12, 28, 2487656.25, 323132.25},
        // Beyond the end the need stays at its last value: 3316875 over 18 months.
        TabelCase{12, 30, 2211250, 287228.667},
        TabelCase{20, 20, 0, 0},    // a stay of 0 years
        TabelCase{11, 11.9f, 0, 0}, // leaving before 12 months
        TabelCase{24, 18, 0, 0},    // leaving before arriving: no need, not a positive one
        TabelCase{30, 40, 0, 0}));  // both beyond the table
// clang-format on

class JvTabelKalveren : public ::testing::TestWithParam<TabelCase> {};

TEST_P(JvTabelKalveren, CumulatedNeedPerYearOfStay) {
    CumulatedNeed(GetParam(), true);
}

// Calves from birth: ages 0, 30 (30.5), 61, 92 (91.5), 122, 152 (152.5), 183 days ...
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Leeftijden, JvTabelKalveren,
    ::testing::Values(
        // 30.5 x 43700 (months 0..11); B: 30.5 x 4725.
        TabelCase{0, 12, 1332850, 144112.5},
        // A departure above 12 counts as 12.
        TabelCase{0, 14, 1332850, 144112.5},
        // S(6) = 30.5 x 16325 = 497912.5 rounds to the even 497912, over half a year.
        TabelCase{0, 6, 995824, 86924},
        // From 497912 to the unrounded S(12) = 1332850.
        TabelCase{6, 12, 1669876, 201301},
        // Day 92 and day 152 are table points: (390400 - 205875) x 6.
        TabelCase{3, 5, 1107150, 118944},
        // Day 15 of (0, 0)..(30, 61000): 30500, over 0.5 / 12 year.
        TabelCase{0, 0.5f, 732000, 0},
        // Day 37: 61000 + 68625 x 7 / 31 -> 76496; day 67: 129625 + 76250 x 6 / 31 -> 144383.
        TabelCase{1.2f, 2.2f, 814644, 53124},
        // Day 93 of (92, 205875)..(122, 292800): 208772.5 rounds to the even 208772,
        // over 3.05 / 12 year; in B 11438 + 9150 / 30 = 11743.
        TabelCase{0, 3.05f, 821398.05, 46201.97},
        TabelCase{5, 3, 0, 0},       // leaving before arriving: no need, not a positive one
        TabelCase{12, 20, 0, 0},     // arriving at 12 months or later
        TabelCase{13, 12.5f, 0, 0}));
// clang-format on

TEST(JvTabel, PastureSurchargeFollowsTheGrazingDays) {
    TTvInvoer in = Jongvee(12, 24);
    in.MndWeidBPi = 4;
    in.MndWeidOPi = 2; // 183 days
    in.MndWeidBKa = 3; // 91.5 days
    in.LftJvAan = 0;
    const TBedrijf b = Bedrijf(in);
    // Heifers 0 to 24: counted from 12, as above: 308843 x 183 / 365.
    EXPECT_NEAR(b.JvTabelPinkenB(), 308843.0 * 183 / 365, 0.01);
    EXPECT_NEAR(b.JvPinkenB(), 308843.0 / 365, 0.001);
    EXPECT_NEAR(b.JvPinkenA(), 2401875.0 / 365, 0.001);
    // Calves 0 to 24: the first year, 144112.5 x 91.5 / 365.
    EXPECT_NEAR(b.JvTabelKalverenB(), 144112.5 * 91.5 / 365, 0.01);
    EXPECT_NEAR(b.JvKalverenB(), 144112.5 / 365, 0.001);
    EXPECT_NEAR(b.JvKalverenA(), 1332850.0 / 365, 0.001);

    // Without grazing days the surcharge per grazing day is 0, not a division by zero.
    const TBedrijf stal = Bedrijf(Jongvee(0, 24));
    EXPECT_EQ(stal.JvTabelPinkenB(), 0);
    EXPECT_EQ(stal.JvPinkenB(), 0);
    EXPECT_EQ(stal.JvKalverenB(), 0);
}

TEST(VemBehoeftePink, ByBreedWithCowsFromTheTablesWithoutThem) {
    TTvInvoer in = Koeien("NORM", 1);
    EXPECT_FLOAT_EQ(Bedrijf(in).VemBehoeftePink(), 2600);
    EXPECT_FLOAT_EQ(Bedrijf(in).VemBehoefteKalf(), 1412);
    in.Ras = "KRUISLING";
    EXPECT_FLOAT_EQ(Bedrijf(in).VemBehoeftePink(), 2210);
    EXPECT_FLOAT_EQ(Bedrijf(in).VemBehoefteKalf(), 1200);
    in.Ras = "JERSEY";
    EXPECT_FLOAT_EQ(Bedrijf(in).VemBehoeftePink(), 1820);
    EXPECT_FLOAT_EQ(Bedrijf(in).VemBehoefteKalf(), 988);

    TTvInvoer jv = Jongvee(0, 24);
    jv.MndWeidBPi = 6; // 183 days
    const TBedrijf b = Bedrijf(jv);
    // (2401875 + 308843 x 183 / 365) / 1000 and 1332850 / 1000 (calves not grazing).
    EXPECT_NEAR(b.VemBehoeftePink(), (2401875 + 308843.0 * 183 / 365) / 1000, 1e-3);
    EXPECT_NEAR(b.VemBehoefteKalf(), 1332.85, 1e-3);
}

struct TotaalCase {
    int EvalNr;
    float VemDekking;
    double factor;
};

class VemBehoefteTotaal : public ::testing::TestWithParam<TotaalCase> {};

// Ten cows as above, five heifers and four calves: 62318.98 + 13000 + 5648 = 80966.98 kVEM.
TEST_P(VemBehoefteTotaal, HerdTimesCoverage) {
    TTvInvoer in = Koeien("NORM", 1, GetParam().EvalNr);
    in.nKoe = 10;
    in.MelkLev = 80000;
    in.nPink = 5;
    in.nKalf = 4;
    in.VemDekking = GetParam().VemDekking;
    EXPECT_NEAR(Bedrijf(in).VemBehoefteTotaal(), 80966.98 * GetParam().factor, 0.03);
}

INSTANTIATE_TEST_SUITE_P(Varianten, VemBehoefteTotaal,
                         ::testing::Values(TotaalCase{0, 102, 1.02}, TotaalCase{0, 100, 1},
                                           TotaalCase{0, 110, 1.1},
                                           TotaalCase{4, 102, 0.97}, // the entered coverage is ignored
                                           TotaalCase{4, 0, 0.97}, TotaalCase{5, 102, 1.07},
                                           TotaalCase{12, 95, 0.95}));

TEST(VemBehoefteTotaal, YoungStockFarm) {
    TTvInvoer in = Jongvee(0, 24);
    in.nKoe = 50; // not counted: a young-stock farm has no cows
    in.nPink = 10;
    in.nKalf = 20;
    // 10 x 2401.875 + 20 x 1332.85 at 100 %.
    EXPECT_NEAR(Bedrijf(in).VemBehoefteTotaal(), 24018.75 + 26657, 0.01);
}
