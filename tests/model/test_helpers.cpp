#include "Evaluatie.h"
#include "Tarvolingrade_t.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

TEST(Deel, DividesFirstBySecondAndGivesZeroForZeroDivisor) {
    EXPECT_EQ(Deel(5, 0), 0);
    EXPECT_EQ(Deel(0, 0), 0);
    EXPECT_EQ(Deel(1, 4), 0.25L);
    EXPECT_EQ(Deel(-3, 0.0L), 0);
    EXPECT_EQ(Deel(-3, -0.0L), 0); // -0 equals 0
}

struct InterpoleerCase {
    int x;
    int expected;
};

class InterpoleerTable : public ::testing::TestWithParam<InterpoleerCase> {};

TEST_P(InterpoleerTable, FollowsTheLineAndRoundsHalvesToEven) {
    const std::vector<int> X = {0, 30, 60, -1, -1};
    const std::vector<int> Y = {10, 40, 55, 0, 0};
    EXPECT_EQ(Interpoleer(X, Y, GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Points, InterpoleerTable,
                         ::testing::Values(InterpoleerCase{30, 40},  // exact hit
                                           InterpoleerCase{15, 25},  // on the line
                                           InterpoleerCase{45, 48},  // 47.5 rounds up to even 48
                                           InterpoleerCase{35, 42},  // 42.5 rounds down to even 42
                                           InterpoleerCase{1, 11})); // 11.0

TEST(Interpoleer, OnePointTableGivesItsValue) {
    const std::vector<int> X = {12, -1, 40};
    const std::vector<int> Y = {7, 99, 100};
    for (int x : {-5, 0, 12, 13, 1000})
        EXPECT_EQ(Interpoleer(X, Y, x), 7);
}

TEST(Interpoleer, LargeValuesDoNotOverflowTheProduct) {
    // (yHigh - yLow) x x would overflow 32 bits.
    const std::vector<int> X = {0, 2000000, -1};
    const std::vector<int> Y = {0, 2000000, 0};
    EXPECT_EQ(Interpoleer(X, Y, 1999999), 1999999);
}

TEST(Interpoleer, OutsideTheTableIsRejected) {
    const std::vector<int> X = {10, 20, 30, -1};
    const std::vector<int> Y = {1, 2, 3, 0};
    EXPECT_THROW(Interpoleer(X, Y, 5), EModelFout);
    EXPECT_THROW(Interpoleer(X, Y, 40), EModelFout);
}

TEST(Fpcm, FactorAndDailyYield) {
    EXPECT_FLOAT_EQ(FpcmFactor(4.4f, 3.5f), 1.0574f);
    EXPECT_FLOAT_EQ(FpcmPerDag(8000, 4.4f, 3.5f, 307), 1.0574f * 8000 / 307);
}

TEST(VerwijderSpaties, RemovesOnlyBlanks) {
    EXPECT_EQ(VerwijderSpaties("Cross breed jersey"), "Crossbreedjersey");
    EXPECT_EQ(VerwijderSpaties(" a\tb \n"), "a\tb\n");
    EXPECT_EQ(VerwijderSpaties(""), "");
}

TEST(IntNaarTekst, PlainDecimal) {
    EXPECT_EQ(IntNaarTekst(0), "0");
    EXPECT_EQ(IntNaarTekst(201200), "201200");
    EXPECT_EQ(IntNaarTekst(-42), "-42");
}

// Rounding without the library's nearbyint gives the very same value, sign of zero included.
TEST(RoundHalfEven, SameAsNearbyint) {
    for (long double x : {0.0L,
                          -0.0L,
                          0.3L,
                          -0.3L,
                          0.5L,
                          -0.5L,
                          1.5L,
                          2.5L,
                          -2.5L,
                          5624.5L,
                          5625.5L,
                          41.49999L,
                          0x1p62L + 0.5L,
                          0x1p62L + 1.5L,
                          0x1p63L - 0.5L,
                          0x1p63L,
                          -0x1p63L + 0.5L,
                          1e30L,
                          -1e30L,
                          std::numeric_limits<long double>::denorm_min(),
                          std::numeric_limits<long double>::infinity(),
                          -std::numeric_limits<long double>::infinity()}) {
        const long double r = RoundHalfEven(x);
        EXPECT_EQ(r, std::nearbyint(x)) << static_cast<double>(x);
        EXPECT_EQ(std::signbit(r), std::signbit(std::nearbyint(x))) << static_cast<double>(x);
    }
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN())));
}

TEST(RoundInt, HalvesToEvenClampedAndNaNRejected) {
    EXPECT_EQ(RoundInt(2.5L, "t"), 2);
    EXPECT_EQ(RoundInt(3.5L, "t"), 4);
    EXPECT_EQ(RoundInt(-2.5L, "t"), -2);
    EXPECT_EQ(RoundInt(5624.5L, "t"), 5624);
    EXPECT_EQ(RoundInt(1e30L, "t"), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundInt(-1e30L, "t"), std::numeric_limits<int>::min());
    EXPECT_THROW(RoundInt(std::numeric_limits<long double>::quiet_NaN(), "t"), EModelFout);
    EXPECT_THROW(RoundInt(std::numeric_limits<long double>::infinity(), "t"), EModelFout);
}

TEST(TArray, KeepsItsBoundsAndStartsAtZero) {
    TArray<float, 1, 2> a{};
    EXPECT_EQ(a[1], 0.0f);
    EXPECT_EQ(a[2], 0.0f);
    EXPECT_THROW(a[0], std::out_of_range);
    EXPECT_THROW(a[3], std::out_of_range);
    ars06 r{};
    r[0] = "TOT";
    r[6] = "KV";
    EXPECT_EQ(r.items.front(), "TOT");
    EXPECT_EQ(r.items.back(), "KV");
}

// The variant functions: every number outside 0..12 is the standard.
struct VariantCase {
    int nr;
    float gewicht1;
    int dagen;
    float dekking;
    float a, b, c;
};

class Variants : public ::testing::TestWithParam<VariantCase> {};

TEST_P(Variants, Constants) {
    const auto& v = GetParam();
    TArray<float, 1, 3> g{};
    LichaamsgewichtPerRas(v.nr, g);
    EXPECT_EQ(g[1], v.gewicht1);
    EXPECT_EQ(g[2], 500.0f);
    EXPECT_EQ(g[3], 400.0f);
    EXPECT_EQ(LactatieDagen(v.nr), v.dagen);
    EXPECT_EQ(VemDekkingFactor(v.nr), v.dekking);
    EXPECT_EQ(VoerverliesA(v.nr), v.a);
    EXPECT_EQ(VoerverliesB(v.nr), v.b);
    EXPECT_EQ(VoerverliesC(v.nr), v.c);
}

INSTANTIATE_TEST_SUITE_P(
    All, Variants,
    ::testing::Values(VariantCase{0, 600, 307, 1.02f, 0, 0, 0}, VariantCase{1, 650, 307, 1.02f, 0, 0, 0},
                      VariantCase{2, 600, 303, 1.02f, 0, 0, 0}, VariantCase{3, 600, 313, 1.02f, 0, 0, 0},
                      VariantCase{4, 600, 307, 0.97f, 0, 0, 0}, VariantCase{5, 600, 307, 1.07f, 0, 0, 0},
                      VariantCase{8, 600, 307, 1.02f, 5, 3, 2}, VariantCase{9, 600, 307, 1.02f, 0, 0, 0},
                      VariantCase{12, 600, 307, 1.02f, 5, 3, 2}, VariantCase{13, 600, 307, 1.02f, 0, 0, 0},
                      VariantCase{-1, 600, 307, 1.02f, 0, 0, 0}));
