#include "NatteProducten.h"

#include "Boerderij.h"

#include <gtest/gtest.h>

#include <string>

TEST(NatProductIndex, EveryFullAndShortNameFindsItsOwnProduct) {
    for (int i = 1; i <= 17; ++i) {
        EXPECT_EQ(NatProductIndex(NatProductNaam[i]), i) << NatProductNaam[i];
        EXPECT_EQ(NatProductIndex(NatProductKorteNaam[i]), i) << NatProductKorteNaam[i];
    }
}

TEST(NatProductIndex, TablesHoldTheProgramsTexts) {
    EXPECT_EQ(NatProductNaam[1], "GPS granen");
    EXPECT_EQ(NatProductNaam[9], "Aardappelstoomschillen");
    EXPECT_EQ(NatProductKorteNaam[9], "Aard.stoomschil");
    EXPECT_EQ(NatProductNaam[13], "DDG (distillers dried grain)");
    EXPECT_EQ(NatProductKorteNaam[13], "DDG");
    EXPECT_EQ(NatProductNaam[kNatOverig], "Overig");
    EXPECT_EQ(NatProductKorteNaam[kNatTotaal], "Totaal");
}

struct IndexCase {
    const char* naam;
    int index;
};

class NatProductZoek : public ::testing::TestWithParam<IndexCase> {};

TEST_P(NatProductZoek, PartOfANameIgnoringCase) {
    EXPECT_EQ(NatProductIndex(GetParam().naam), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Namen, NatProductZoek,
    ::testing::Values(IndexCase{"bierbostel", 10},          // lower case
                      IndexCase{"BIERBOSTEL", 10},          //
                      IndexCase{"aard", 5},                 // VOERAARDAPPELEN comes before AARDAPPELPERSVEZEL
                      IndexCase{"Aard.", 7},                // only the short name of 7 has the dot
                      IndexCase{"persvezel", 7},            //
                      IndexCase{"DDG", 13},                 //
                      IndexCase{"ddg (distillers", 13},     //
                      IndexCase{"gra", 1},                  // GPS GRANEN before GRASZAADHOOI
                      IndexCase{"aal", 17},                 // only in TOTAAL
                      IndexCase{"", 16},                    // empty: other product
                      IndexCase{"xyz", 16},                 // in no name
                      IndexCase{"Bierbostel vers", 16},     // longer than every name that holds a part of it
                      IndexCase{"Aardappelen", 5},          // inside VOERAARDAPPELEN
                      IndexCase{"bi\xc3\xa8rbostel", 16})); // a non-ASCII letter is no match

struct VreCase {
    const char* wat;
    float uitkomst;
    float verwacht;
};

class VreFormules : public ::testing::TestWithParam<VreCase> {};

TEST_P(VreFormules, WorkedByHand) {
    EXPECT_FLOAT_EQ(GetParam().uitkomst, GetParam().verwacht) << GetParam().wat;
}

INSTANTIATE_TEST_SUITE_P(
    Formules, VreFormules,
    ::testing::Values(VreCase{"VemFactor6000(0.035)", VemFactor6000(0.035f), 210}, // 6000 x 0.035
                      VreCase{"VreUitRe(200)", VreUitRe(200), 165.8f},       // 200 x (11.76 + 71.14) / 100
                      VreCase{"VreUitRe(0)", VreUitRe(0), 0},                //
                      VreCase{"VRE_Gk(160, 100)", VRE_Gk(160, 100), 109.2f}, // 143.2 + 4 - 38
                      VreCase{"VRE_Gk(0, 0)", VRE_Gk(0, 0), -38},            // an empty row: negative
                      VreCase{"VRE_Sm(80, 40)", VRE_Sm(80, 40), 39.12f},     // 77.52 + 1.6 - 40
                      VreCase{"VRE_Nt(10, 250)", VRE_Nt(10, 250), 200},      // bierbostel 0.80
                      VreCase{"VRE_Nt(4, 100)", VRE_Nt(4, 100), 23},         // stro 0.23
                      VreCase{"VRE_Nt(1, 100)", VRE_Nt(1, 100), 57},         //
                      VreCase{"VRE_Nt(16, 100)", VRE_Nt(16, 100), 60},       // overig
                      VreCase{"VRE_Nt(17, 100)", VRE_Nt(17, 100), 60},       // totaal
                      VreCase{"VRE_Kv(168.9)", VRE_Kv(168.9f), 116.2836f},   // (14.1876 + 54.66) x 1.689
                      VreCase{"VRE_Kv(100)", VRE_Kv(100), 63.06f},           // (8.4 + 54.66) x 1
                      VreCase{"VRE_Mp(250)", VRE_Mp(250), 215}));            // 0.86 x 250

TEST(VreNt, UnknownIndexNamesIt) {
    ExpectFout([] { VRE_Nt(0, 100); }, "VRE_Nt, onbekende index voor natte producten: 0");
    ExpectFout([] { VRE_Nt(18, 100); }, "VRE_Nt, onbekende index voor natte producten: 18");
    ExpectFout([] { VRE_Nt(-3, 100); }, "VRE_Nt, onbekende index voor natte producten: -3");
}
