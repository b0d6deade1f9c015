#include "Boerderij.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NormCase {
    int jaar;
    float grasN; // ha of neutral grassland beside 4 ha low and 4 ha high
    float n, p2o5;
};

} // namespace

class Gebruiksnorm : public ::testing::TestWithParam<NormCase> {};

TEST_P(Gebruiksnorm, ByYearDerogationAndPhosphateStatus) {
    const NormCase& c = GetParam();
    TTvInvoer in = Melkvee();
    in.Jaartal = c.jaar;
    in.OppGrasL = 4;
    in.OppGrasN = c.grasN;
    in.OppGrasH = 4;
    in.OppBouwL = 2;
    in.OppBouwN = 2;
    in.OppBouwH = 2;
    const TBedrijf b = Bedrijf(in);
    EXPECT_FLOAT_EQ(b.Gebruiksnorm(1), c.n);
    EXPECT_FLOAT_EQ(b.Gebruiksnorm(2), c.p2o5);
    EXPECT_EQ(b.Gebruiksnorm(3), 0);
}

// 14 of 20 ha grassland is 70 % exactly: derogation, 250 kg N per ha. 13.98 of 19.98 ha is
// 69.97 %: 170 kg N per ha. P2O5 per ha of grassland low, neutral, high and arable land low,
// neutral, high: 2006 110 110 110 85 85 85; 2009 100 100 100 85 85 85; 2012 100 95 85 85 70
// 65; 2015 100 90 80 75 60 50. Years before 2006 count as 2006, after 2015 as 2015.
INSTANTIATE_TEST_SUITE_P(
    Jaren, Gebruiksnorm,
    ::testing::Values(NormCase{2006, 6, 5000, 2050},             // 14 x 110 + 6 x 85
                      NormCase{2009, 6, 5000, 1910},             // 14 x 100 + 510
                      NormCase{2012, 6, 5000, 1750},             // 400 + 570 + 340 + 170 + 140 + 130
                      NormCase{2016, 6, 5000, 1630},             // 400 + 540 + 320 + 150 + 120 + 100
                      NormCase{2015, 6, 5000, 1630},             //
                      NormCase{2005, 6, 5000, 2050},             //
                      NormCase{2006, 5.98f, 3396.6f, 2047.8f},   // 19.98 x 170; 13.98 x 110 + 510
                      NormCase{2009, 5.98f, 3396.6f, 1908},      //
                      NormCase{2012, 5.98f, 3396.6f, 1748.1f},   // 400 + 568.1 + 340 + 440
                      NormCase{2016, 5.98f, 3396.6f, 1628.2f})); // 400 + 538.2 + 320 + 370

TEST(Gebruiksnorm, FarmWithoutLand) {
    const TBedrijf b = Bedrijf(BexBedrijf());
    TTvInvoer in = BexBedrijf();
    in.OppGrasL = in.OppGrasN = in.OppGrasH = in.OppBouwN = 0;
    const TBedrijf zonder = Bedrijf(in);
    EXPECT_EQ(zonder.PercentageGras(), 0);
    EXPECT_FALSE(zonder.Derogatie());
    EXPECT_EQ(zonder.Gebruiksnorm(1), 0);
    EXPECT_EQ(zonder.Gebruiksnorm(2), 0);
    EXPECT_EQ(zonder.VoordeelPerHa(1), 0);
    // Every kg is surplus.
    EXPECT_EQ(zonder.OverschotBedrijfsspecifiek(2), b.ExcretieBedrijfsspecifiek(2));
    EXPECT_EQ(zonder.OverschotForfaitair(1), b.ForfaitaireExcretieNP(1));
}

namespace {

struct OverschotCase {
    float ha;  // neutral grassland
    float kvN; // g N per kg concentrates
    int soort;
    float forfaitair, specifiek;
    const char* tekst;
};

} // namespace

class Mestafzet : public ::testing::TestWithParam<OverschotCase> {};

TEST_P(Mestafzet, SurplusOverTheUseStandard) {
    const OverschotCase& c = GetParam();
    TTvInvoer in = Pinkenbedrijf();
    in.OppGrasN = c.ha;
    in.Voorraden[mAanleg][kKV].N = c.kvN;
    const TBedrijf b = Bedrijf(in);
    EXPECT_FLOAT_EQ(b.OverschotForfaitair(c.soort), c.forfaitair);
    EXPECT_NEAR(b.OverschotBedrijfsspecifiek(c.soort), c.specifiek, 0.01f);
    EXPECT_EQ(b.OverschotVerschilTekst(c.soort), c.tekst);
}

// The heifer farm: norm 6670 kg N and 2230 kg P2O5, farm-specific 4898.695 and 1734.796
// (7247.760 N with concentrates of 80 g N). Standards per ha of neutral grassland in 2012:
// 250 kg N, 95 kg P2O5.
INSTANTIATE_TEST_SUITE_P(
    Pinken, Mestafzet,
    ::testing::Values(OverschotCase{10, 27.2f, 1, 4170, 2398.695f, "+1771"}, // standard 2500
                      OverschotCase{10, 27.2f, 2, 1280, 784.796f, "+495"},   // standard 950
                      OverschotCase{22, 27.2f, 1, 1170, 0, "+1170"},         // standard 5500
                      OverschotCase{22, 27.2f, 2, 140, 0, "+140"},           // standard 2090
                      OverschotCase{30, 27.2f, 1, 0, 0, "0"},                // both below 7500
                      OverschotCase{30, 27.2f, 2, 0, 0, "0"},                //
                      OverschotCase{10, 80, 1, 4170, 4747.760f, "-578"}));

namespace {

// The heifer farm uses 150000 kg dry matter of grass silage (900 VEM, 160 g RE, 100 g VRE,
// 4 g P), 75000 kg of maize silage (1000, 70, 40, 2) and 50000 kg concentrates (1000, 170,
// 120, 4.5 per kg product, 0.9 kg dry matter): 270000 kg dry matter.
struct RantsoenCase {
    const char* soort;
    float ds, aandeel, vem, re, vre, p, reKvem, pKvem;
};

} // namespace

class Rantsoen : public ::testing::TestWithParam<RantsoenCase> {};

TEST_P(Rantsoen, CompositionOfTheRation) {
    const RantsoenCase& c = GetParam();
    const TBedrijf b = Bedrijf(Pinkenbedrijf());
    EXPECT_FLOAT_EQ(b.DsOpname(c.soort), c.ds);
    EXPECT_FLOAT_EQ(b.DsOpnamePercentage(c.soort), c.aandeel);
    EXPECT_FLOAT_EQ(b.RantsoenVEM(c.soort), c.vem);
    EXPECT_FLOAT_EQ(b.RantsoenRE(c.soort), c.re);
    EXPECT_FLOAT_EQ(b.RantsoenVRE(c.soort), c.vre);
    EXPECT_FLOAT_EQ(b.RantsoenP(c.soort), c.p);
    EXPECT_FLOAT_EQ(b.RePerKvem(c.soort), c.reKvem);
    EXPECT_FLOAT_EQ(b.PPerKvem(c.soort), c.pKvem);
}

// The whole ration: the kinds' totals (260 million VEM, 37.75 tonnes RE, 24 tonnes VRE,
// 975 kg P) over its dry matter.
INSTANTIATE_TEST_SUITE_P(
    Pinken, Rantsoen,
    ::testing::Values(RantsoenCase{"TOT", 270000, 100, 260e6f / 270000, 37.75e6f / 270000, 24e6f / 270000,
                                   975000.0f / 270000, 37.75e6f / 260e3f, 975000.0f / 260e3f},
                      RantsoenCase{"GK", 150000, 150000 * 100.0f / 270000, 900, 160, 100, 4, 160 / 0.9f,
                                   4 / 0.9f},
                      RantsoenCase{"SM", 75000, 75000 * 100.0f / 270000, 1000, 70, 40, 2, 70, 2},
                      RantsoenCase{"KV", 45000, 45000 * 100.0f / 270000, 1000, 170, 120, 4.5f, 170, 4.5f},
                      RantsoenCase{"NAT", 0, 0, 0, 0, 0, 0, 0, 0},
                      // No grazing: no fresh grass, which keeps its 960 VEM.
                      RantsoenCase{"VG", 0, 0, 960, 0, 0, 0, 0, 0}));

TEST(Rantsoen, MilkPowderCountsAtNinetyFivePerCentDryMatter) {
    TTvInvoer in = Pinkenbedrijf();
    in.Voorraden[mAanleg][kMP] = {500, 1100, 230, 36, 7, 0, 200};
    const TBedrijf b = Bedrijf(in);
    EXPECT_FLOAT_EQ(b.DsOpname("MP"), 475);
    EXPECT_FLOAT_EQ(b.DsOpname("KV"), 45000);
    EXPECT_FLOAT_EQ(b.DsOpname("TOT"), b.Verbruik("GK") + b.Verbruik("SM") + 45000 + 475);
}
