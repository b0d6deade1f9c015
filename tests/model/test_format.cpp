#include "Boerderij.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

struct FormatCase {
    const char* pattern;
    long double value;
    const char* expected;
};

class Formatter : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Formatter, HalvesAwayFromZeroOnTheDecimalValue) {
    DecimaalTeken point('.');
    EXPECT_EQ(FormatFloat(GetParam().pattern, GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, Formatter,
    ::testing::Values(FormatCase{"0", 2.5L, "3"}, FormatCase{"0", 3.5L, "4"}, FormatCase{"0", -2.5L, "-3"},
                      FormatCase{"0", 2.4999L, "2"}, FormatCase{"0.00", 0.125L, "0.13"},
                      FormatCase{"0.00", 0.125f, "0.13"}, FormatCase{"0.0", 0.05L, "0.1"},
                      FormatCase{"0.00", 2.675, "2.67"}, // the double lies below 2.675
                      FormatCase{"0", -0.3L, "-0"}, FormatCase{"0", 0.3L, "0"}, FormatCase{"0", 0.0L, "0"},
                      FormatCase{"0", -0.0L, "0"}, FormatCase{"0.0", -0.04L, "-0.0"},
                      FormatCase{"0.0", 1234567.25L, "1234567.3"}, FormatCase{"0.00", 7.0L, "7.00"},
                      FormatCase{"0.00", 0.001L, "0.00"}, FormatCase{"0", 42.0f, "42"},
                      FormatCase{"0", 0.5L, "1"}, FormatCase{"0", 1.5L, "2"},
                      FormatCase{"0", 0.49999999999999999L, "0"},
                      FormatCase{"0", 9.1e18L, "9100000000000000000"},
                      FormatCase{"0.00", 9.1e16L + 0.25L, "91000000000000000.25"},
                      FormatCase{"0", 1e20L, "100000000000000000000"},
                      FormatCase{"0.0", 3.4e38f, "339999995214436424907732413799364296704.0"}));

TEST(Formatter, NotANumberAndInfinity) {
    EXPECT_EQ(FormatFloat("0", std::numeric_limits<long double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatFloat("0.0", std::numeric_limits<long double>::infinity()), "INF");
    EXPECT_EQ(FormatFloat("0.00", -std::numeric_limits<long double>::infinity()), "-INF");
}

TEST(Formatter, UsesTheProcessWideDecimalSign) {
    DecimaalTeken comma(',');
    EXPECT_EQ(FormatFloat("0.0", 12.34L), "12,3");
    EXPECT_EQ(FormatFloat("0.00", -0.5L), "-0,50");
    EXPECT_EQ(FormatFloat("0", 12.5L), "13");
    EXPECT_EQ(ThousandSeparator(), '.');
}

TEST(Formatter, RejectsUnknownPatternsAndSigns) {
    EXPECT_THROW(FormatFloat("#,##0", 1), std::invalid_argument);
    EXPECT_THROW(SetDecimalSeparator(';'), std::invalid_argument);
}

TEST(PlusTekst, PlusOnlyAboveZero) {
    DecimaalTeken point('.');
    EXPECT_EQ(PlusTekst("0", 12.6L), "+13");
    EXPECT_EQ(PlusTekst("0", 0.3L), "+0");
    EXPECT_EQ(PlusTekst("0", -0.3L), "-0");
    EXPECT_EQ(PlusTekst("0", 0), "0");
    EXPECT_EQ(PlusTekst("0.0", -12.25L), "-12.3");
}

struct ParseCase {
    char sign;
    const char* text;
    bool ok;
    double value;
};

class Parser : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parser, StrictWithTheCurrentDecimalSign) {
    DecimaalTeken s(GetParam().sign);
    const auto v = TryStrToFloat(GetParam().text);
    ASSERT_EQ(v.has_value(), GetParam().ok) << GetParam().text;
    if (v) {
        EXPECT_DOUBLE_EQ(*v, GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Parser,
    ::testing::Values(
        ParseCase{'.', "12.5", true, 12.5}, ParseCase{'.', " -3 ", true, -3}, ParseCase{'.', "+7", true, 7},
        ParseCase{'.', "1.", true, 1}, ParseCase{'.', ".5", true, 0.5}, ParseCase{'.', "1e3", true, 1000},
        ParseCase{'.', "2.5E-1", true, 0.25}, ParseCase{',', "12,5", true, 12.5},
        ParseCase{',', "12.5", false, 0}, ParseCase{'.', "12,5", false, 0}, ParseCase{'.', "", false, 0},
        ParseCase{'.', "-", false, 0}, ParseCase{'.', "1.2.3", false, 0}, ParseCase{'.', "abc", false, 0},
        ParseCase{'.', "12a", false, 0}, ParseCase{'.', "1e", false, 0}, ParseCase{'.', "1e999", false, 0},
        ParseCase{'.', "nan", false, 0}, ParseCase{'.', "inf", false, 0}, ParseCase{'.', "0x10", false, 0}));

TEST(KortAf, CutsLongTextsOnACharacterBoundary) {
    EXPECT_EQ(KortAf("abc", 3), "abc");
    EXPECT_EQ(KortAf("abcd", 3), "abc...");
    // "é" is two bytes: three characters are kept whole.
    EXPECT_EQ(KortAf("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 3), "\xC3\xA9\xC3\xA9\xC3\xA9...");
    const std::string lang(1'000'000, '7');
    EXPECT_EQ(GeenGetalMelding(lang),
              "'" + std::string(200, '7') + "...' is not a valid floating point value");
    EXPECT_EQ(GeenGeheelGetalMelding("12x"), "'12x' is not a valid integer value");
}
