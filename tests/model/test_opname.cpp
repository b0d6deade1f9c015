#include "Boerderij.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct OpnameCase {
    const char* soort;
    const char* gehalte;
    float kg;
};

} // namespace

class Voeropname : public ::testing::TestWithParam<OpnameCase> {};

TEST_P(Voeropname, ByFeedKindAndComponentOverTheYear) {
    const OpnameCase& c = GetParam();
    EXPECT_NEAR(Bedrijf(Pinkenbedrijf()).Voeropname(c.soort, c.gehalte, 'J'), c.kg, c.kg * 1e-6f);
}

// The heifer farm: maize silage 11.2 g N per 1000 VEM x 75000 kVEM = 840 kg N; grass silage
// 25.6 / 900 x 135000 = 3840; concentrates 27.2 x 50000 kg / 1000 = 1360; no fresh grass.
// P: 150 + 600 + 225 = 975 kg, as P2O5 x 2.29. VRE: 3000 + 15000 + 6000 = 24000 kg, as
// digestible N / 6.25.
INSTANTIATE_TEST_SUITE_P(
    Pinken, Voeropname,
    ::testing::Values(OpnameCase{"SM", "N", 840}, OpnameCase{"GK", "N", 3840}, OpnameCase{"KV", "N", 1360},
                      OpnameCase{"VG", "N", 0}, OpnameCase{"NAT", "N", 0}, OpnameCase{"MP", "N", 0},
                      OpnameCase{"TOT", "N", 6040}, OpnameCase{"TOT", "P", 975},
                      OpnameCase{"TOT", "P2O5", 975 * 2.29f}, OpnameCase{"SM", "P2O5", 150 * 2.29f},
                      OpnameCase{"TOT", "VN", 24000 / 6.25f}, OpnameCase{"GK", "VN", 15000 / 6.25f}));

TEST(Voeropname, DigestibleNOfMilkPowderUsesItsOwnFactor) {
    TTvInvoer in = Pinkenbedrijf();
    in.Voorraden[mAanleg][kMP] = {500, 1100, 230, 36, 7, 0, 200};
    const TBedrijf b = Bedrijf(in);
    EXPECT_FLOAT_EQ(b.Voeropname("MP", "VN", 'J'), 200 * 0.5f / 6.38f);
    EXPECT_FLOAT_EQ(b.Voeropname("MP", "N", 'J'), 36 * 0.5f);
}

// A farm that grazes: the year is the winter plus the summer, and fresh grass is summer food.
TEST(Voeropname, YearIsWinterPlusSummer) {
    const TBedrijf b = Bedrijf(Melkvee());
    for (const char* soort : {"TOT", "SM", "NAT", "KV", "MP", "GK", "VG"}) {
        const float jaar = b.Voeropname(soort, "N", 'J');
        EXPECT_GT(jaar, 0) << soort;
        EXPECT_NEAR(b.Voeropname(soort, "N", 'W') + b.Voeropname(soort, "N", 'Z'), jaar, jaar * 1e-5f)
            << soort;
    }
    EXPECT_EQ(b.Voeropname("VG", "N", 'W'), 0);
    EXPECT_FLOAT_EQ(b.Voeropname("VG", "P", 'Z'), b.Voeropname("VG", "P", 'J'));
}

// The feed kind is compared as it stands: "NT" names no kind here.
TEST(Voeropname, KindIsComparedExactly) {
    const TBedrijf b = Bedrijf(Melkvee());
    EXPECT_FLOAT_EQ(b.Voeropname("NAT", "N", 'J'), 32 * 20000 / 1000.0f);
    EXPECT_EQ(b.Voeropname("NT", "N", 'J'), 0);
    EXPECT_EQ(b.Voeropname("tot", "N", 'J'), 0);
}

TEST(Voeropname, UnknownPeriodOrComponent) {
    const TBedrijf b = Bedrijf(Melkvee());
    ExpectFout([&] { b.Voeropname("TOT", "N", 'X'); }, "Voeropname: Onbekende periode: X");
    ExpectFout([&] { b.Voeropname("TOT", "K", 'J'); }, "Voeropname: Onbekende gehalte voer: K");
    ExpectFout([&] { b.Voeropname("TOT", "", 'J'); }, "Voeropname: Onbekende gehalte voer: ");
}

// A farm without grass silage and maize silage has no base for its feed contents: no intake
// at all, also of the kinds that have stocks.
TEST(Voeropname, NoSilageStopsTheIntake) {
    TTvInvoer in = Pinkenbedrijf();
    in.Voorraden[mAanleg][kGK] = {};
    in.Voorraden[mAanleg][kSM] = {};
    for (const char* soort : {"TOT", "KV"})
        ExpectFout([&] { Bedrijf(in).Voeropname(soort, "N", 'J'); },
                   "Geh_per_VEMKuil: Geen kuil of snijmais aanwezig");
}

namespace {

struct VastlegCase {
    int jaar;
    const char* groep;
    int soort;
    float kg;
};

} // namespace

class VastleggingKoeien : public ::testing::TestWithParam<VastlegCase> {};

TEST_P(VastleggingKoeien, MilkAndGrowthOfAHerdWithCows) {
    const VastlegCase& c = GetParam();
    TTvInvoer in = Melkvee();
    in.Jaartal = c.jaar;
    EXPECT_FLOAT_EQ(Bedrijf(in).Vastlegging(c.groep, c.soort), c.kg);
}

// 80 cows of 600 kg giving 8500 kg milk at 3.5 % protein, 30 heifers, 25 calves.
// Milk: N 8.5 x 3.5 x 1.567398 x 80, P 8.5 x 0.97 x 80; growth per kg body weight.
INSTANTIATE_TEST_SUITE_P(
    Groepen, VastleggingKoeien,
    ::testing::Values(VastlegCase{2008, "MELK", 1, 3730.4075f}, // 29.75 x 1.567398 x 80
                      VastlegCase{2009, "MELK", 2, 1510.484f},  // 659.6 kg P x 2.29
                      VastlegCase{2008, "MK", 1, 107.04f},      // 600 x (0.0014 + 0.00083) x 80
                      VastlegCase{2009, "MK", 1, 103.68f},      // 600 x (0.0014 + 0.00076) x 80
                      VastlegCase{2008, "MK", 2, 78.0432f},     // 600 x 0.00071 x 80 x 2.29
                      VastlegCase{2009, "MK", 2, 75.8448f},     // 600 x 0.00069 x 80 x 2.29
                      VastlegCase{2008, "PI", 1, 156.9186f},    // 600 x 0.0087177 x 30
                      VastlegCase{2009, "PI", 1, 160.3782f},    // 600 x 0.0089099 x 30
                      VastlegCase{2008, "PI", 2, 119.517387f},  // 600 x 0.0028995 x 30 x 2.29
                      VastlegCase{2009, "PI", 2, 121.994712f},  // 600 x 0.0029596 x 30 x 2.29
                      VastlegCase{2008, "KA", 1, 160.5f},       // 600 x 0.0107 x 25
                      VastlegCase{2012, "KA", 2, 115.416f},     // 600 x 0.00336 x 25 x 2.29
                      VastlegCase{2008, "VEE", 1, 3730.4075f + 107.04f + 156.9186f + 160.5f},
                      VastlegCase{2009, "VEE", 2, 1510.484f + 75.8448f + 121.994712f + 115.416f}));

namespace {

struct JongveeCase {
    const char* groep;
    int soort;
    float aan, afv; // months
    float perDier;  // kg a year per animal
};

} // namespace

class VastleggingJongvee : public ::testing::TestWithParam<JongveeCase> {};

TEST_P(VastleggingJongvee, TablePathOverTheStay) {
    const JongveeCase& c = GetParam();
    TTvInvoer in = Melkvee();
    in.Diercategorie = "JV";
    in.nPink = 10;
    in.nKalf = 10;
    in.LftJvAan = c.aan;
    in.LftJvAfv = c.afv;
    EXPECT_FLOAT_EQ(Bedrijf(in).Vastlegging(c.groep, c.soort), c.perDier * 10);
}

// Grams retained from birth by month; ages in days are months x 30.5 rounded halves to
// even (5 months: 152.5 gives 152, the table point of month 5; 0.5 month: 15.25 gives 15).
INSTANTIATE_TEST_SUITE_P(
    Leeftijden, VastleggingJongvee,
    ::testing::Values(JongveeCase{"PI", 1, 12, 24, 5.352f},                          // (11828 - 6476) / 1000
                      JongveeCase{"PI", 1, 10, 24, 5.352f},                          // counted from 12 months
                      JongveeCase{"PI", 2, 12, 24, (3674 - 1989) / 1000.0f * 2.29f}, // P2O5
                      JongveeCase{"PI", 1, 12, 12.5f, 5.712f},     // day 381 on the line 366..396: 6714
                      JongveeCase{"PI", 1, 12, 30, 4.174f},        // held at month 28: 6.261 kg over 1.5 year
                      JongveeCase{"KA", 1, 0, 12, 6.476f},         //
                      JongveeCase{"KA", 2, 0, 12, 1.989f * 2.29f}, //
                      JongveeCase{"KA", 1, 0, 14, 6.476f},         // calves leave the table at 12 months
                      JongveeCase{"KA", 1, 0, 5, 6.4152f},         // 2.673 kg over 5 / 12 year
                      JongveeCase{"KA", 1, 0.5f, 12, 6.266f * 12 / 11.5f}, // 421 x 15 / 30 = 210.5 gives 210
                      JongveeCase{"KA", 2, 0.5f, 12, 1.925f * 12 / 11.5f * 2.29f}, // 64.5 gives 64
                      JongveeCase{"PI", 1, 6, 12, 0},  // heifers leaving at 12 months
                      JongveeCase{"KA", 1, 12, 20, 0}, // calves arriving at 12 months
                      JongveeCase{"PI", 1, 20, 18, 0}, // leaving before arriving
                      JongveeCase{"KA", 1, 6, 3, 0},   //
                      JongveeCase{"PI", 1, 20, 20, 0}, // no stay
                      JongveeCase{"VEE", 1, 0, 24, 5.352f + 6.476f}));

TEST(Vastlegging, YoungStockFarmCountsNoMilkOrCows) {
    TTvInvoer in = Melkvee();
    in.Diercategorie = "JV";
    in.LftJvAan = 0;
    in.LftJvAfv = 24;
    const TBedrijf b = Bedrijf(in);
    EXPECT_FLOAT_EQ(b.Vastlegging("VEE", 1), b.Vastlegging("PI", 1) + b.Vastlegging("KA", 1));
    EXPECT_EQ(b.Vastlegging("MELK", 1), 0);
}

TEST(Vastlegging, UnknownGroupOrKind) {
    const TBedrijf b = Bedrijf(Melkvee());
    ExpectFout([&] { b.Vastlegging("XX", 1); }, "Vastlegging: Onbekende groep: XX");
    ExpectFout([&] { b.Vastlegging("", 1); }, "Vastlegging: Onbekende groep: ");
    EXPECT_EQ(b.Vastlegging("VEE", 3), 0);
    EXPECT_EQ(b.Vastlegging("MELK", 0), 0);
}

// The heifer farm retains 600 x 0.0089099 x 100 = 534.594 kg N of its 6040 kg, and
// 600 x 0.0029596 x 100 x 2.29 = 406.649 kg P2O5 of its 2232.75.
TEST(Benutting, RetentionAsShareOfIntake) {
    const TBedrijf b = Bedrijf(Pinkenbedrijf());
    EXPECT_FLOAT_EQ(b.Benutting(1), 534.594f / 6040 * 100);
    EXPECT_FLOAT_EQ(b.Benutting(2), 406.64904f / 2232.75f * 100);
    EXPECT_EQ(b.Benutting(3), 0);
}

// The heifer farm uses 150000 kg grass silage, 75000 kg maize silage and 50000 kg
// concentrates: 275000 kg, with 135 + 75 + 50 million VEM.
TEST(GehalteRantsoen, UseWeightedContents) {
    const TBedrijf b = Bedrijf(Pinkenbedrijf());
    EXPECT_FLOAT_EQ(b.GehalteRantsoen("VEM"), 260e6f / 275000);
    EXPECT_FLOAT_EQ(b.GehalteRantsoen("RE"), (150000 * 160 + 75000 * 70 + 50000 * 170) / 275000.0f);
    EXPECT_FLOAT_EQ(b.GehalteRantsoen("N"), (150000 * 25.6f + 75000 * 11.2f + 50000 * 27.2f) / 275000);
    EXPECT_FLOAT_EQ(b.GehalteRantsoen("P"), (150000 * 4 + 75000 * 2 + 50000 * 4.5f) / 275000);
}
