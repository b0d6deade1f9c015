#include "Boerderij.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

// The BEX farm: 30 ha grassland, 5 ha arable land, here with 4.75 ha of it in maize.
TEST(Bedrijf, AreasAndMilk) {
    TTvInvoer in = BexBedrijf();
    in.OppMaisH = 4;
    in.OppMaisN = 0.5f;
    in.OppMaisL = 0.25f;
    const TBedrijf b = Bedrijf(in);
    EXPECT_FLOAT_EQ(b.OppervlakteGras(), 30);
    EXPECT_FLOAT_EQ(b.OppervlakteBouwland(), 5);
    EXPECT_FLOAT_EQ(b.OppervlakteMais(), 4.75f);
    EXPECT_FLOAT_EQ(b.MelkPerKoe(), 8500);
    EXPECT_FLOAT_EQ(b.MelkPerHa(), 680000.0f / 35);
}

TEST(Bedrijf, EmptyHerdAndAreaGiveZeroNotFailure) {
    const TBedrijf b = Bedrijf(TTvInvoer{});
    EXPECT_EQ(b.MelkPerKoe(), 0);
    EXPECT_EQ(b.MelkPerHa(), 0);
    EXPECT_EQ(b.OppervlakteGras(), 0);
}

TEST(Bedrijf, YoungStockOnlyZeroesCowsAndMilk) {
    TTvInvoer in = BexBedrijf();
    in.Diercategorie = "JV";
    TBedrijf b = Bedrijf(in);
    EXPECT_EQ(b.nKoe, 0);
    EXPECT_EQ(b.MelkLev, 0);
    EXPECT_EQ(b.Vet, 0);
    EXPECT_EQ(b.Eiwit, 0);
    EXPECT_EQ(b.Ureum, 0);
    EXPECT_EQ(b.nPink, 30); // young stock stays
    EXPECT_EQ(b.MelkPerHa(), 0);

    in.Diercategorie = "jv"; // only the exact code means young stock
    b.ZetInvoer(in);
    EXPECT_EQ(b.nKoe, 80);
}

// Months of 30.5 days, at most 365. The two fields of a group are added in extended
// precision, so 0.1 + 0.5 months give the Single nearest 18.3 days, not the one above it;
// the Singles 0.1 and 0.3 add up to 0.40000001 months, whose 12.2000004 days round up to
// 12.200001.
struct DagenCase {
    float maandenB, maandenO;
    float dagen;
};

class GrazingDays : public ::testing::TestWithParam<DagenCase> {};

TEST_P(GrazingDays, MonthsAddedBeforeRoundingCappedAt365) {
    const DagenCase& c = GetParam();
    TTvInvoer in = BexBedrijf();
    in.MndWeidBMk = in.MndZstvBMk = in.MndWeidBPi = in.MndWeidBKa = c.maandenB;
    in.MndWeidOMk = in.MndZstvOMk = in.MndWeidOPi = in.MndWeidOKa = c.maandenO;
    const TBedrijf b = Bedrijf(in);
    EXPECT_EQ(b.DagenWeidMk, c.dagen);
    EXPECT_EQ(b.DagenZstvMk, c.dagen);
    EXPECT_EQ(b.DagenWeidPi, c.dagen);
    EXPECT_EQ(b.DagenWeidKa, c.dagen);
}

INSTANTIATE_TEST_SUITE_P(Months, GrazingDays,
                         ::testing::Values(DagenCase{0, 0, 0}, DagenCase{6, 0, 183}, DagenCase{0, 6, 183},
                                           DagenCase{5.5f, 5.5f, 335.5f}, DagenCase{6, 6, 365},
                                           DagenCase{12, 12, 365}, DagenCase{0.1f, 0.5f, 18.3f},
                                           DagenCase{0.5f, 0.1f, 18.3f}, DagenCase{0.1f, 0.3f, 12.200001f},
                                           DagenCase{0.05f, 0.25f, 9.15f}));

struct RasCase {
    const char* ras;
    int index; // 0: an error
};

class Breeds : public ::testing::TestWithParam<RasCase> {};

TEST_P(Breeds, FirstUpperCaseLetter) {
    TTvInvoer in = BexBedrijf();
    in.Ras = GetParam().ras;
    const TBedrijf b = Bedrijf(in);
    if (GetParam().index > 0)
        EXPECT_EQ(b.RasIndex(), GetParam().index);
    else
        ExpectFout([&] { b.RasIndex(); }, std::string("Onbekend type: ") + GetParam().ras);
}

INSTANTIATE_TEST_SUITE_P(Codes, Breeds,
                         ::testing::Values(RasCase{"NORM", 1}, RasCase{"KRUISLING", 2}, RasCase{"JERSEY", 3},
                                           RasCase{"N", 1}, RasCase{"norm", 0}, RasCase{"", 0},
                                           RasCase{"XYZ", 0}, RasCase{" NORM", 0}));

TEST(Bedrijf, NoticeOnlyAfter2015) {
    std::vector<std::string> meldingen;
    TBedrijf b;
    b.OnMelding = [&](const std::string& s) { meldingen.push_back(s); };
    TTvInvoer in = Melkvee();
    TTvUitvoer uit{};

    in.Jaartal = 2015;
    b.Bereken(in, uit);
    EXPECT_TRUE(meldingen.empty());

    in.Jaartal = 2016;
    b.Bereken(in, uit);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0], "Voor 2016 zijn nog geen gebruiksnormen ingebouwd.\n"
                            "Er wordt gerekend met de gebruiksnormen van 2015.");

    // Without a listener the notice is dropped.
    b.OnMelding = nullptr;
    in.Jaartal = 2020;
    EXPECT_NO_THROW(b.Bereken(in, uit));
}

TEST(Bedrijf, EveryCalculationStartsFromTheInputAlone) {
    TBedrijf b = Bedrijf(BexBedrijf());
    b.ZetInvoer(TTvInvoer{});
    EXPECT_EQ(b.nKoe, 0);
    EXPECT_EQ(b.Ras, "");
    EXPECT_EQ(b.OppervlakteGras(), 0);
}

TEST(Bedrijf, NotANumberInTheInputIsAClearError) {
    TTvInvoer in = BexBedrijf();
    in.Ureum = std::nanf("");
    ExpectFout([&] { Bereken(in); }, "Ongeldige invoer (geen getal): Ureum");
    in = BexBedrijf();
    in.Voorraden[mEind][kMP].Vem = INFINITY;
    EXPECT_THROW(Bereken(in), EModelFout);
    in = BexBedrijf();
    in.Graasdieren[13] = -INFINITY;
    EXPECT_THROW(Bereken(in), EModelFout);
}

TEST(Bedrijf, EmptyRecordGivesAResultOrTheModelsOwnError) {
    // An empty record may stop at a missing code, but only with the model's message.
    auto reken = [](const TTvInvoer& in) {
        try {
            Bereken(in);
        } catch (const EModelFout& e) {
            EXPECT_NE(std::string(e.what()), "");
        }
    };
    reken(TTvInvoer{});
    TTvInvoer in{};
    in.Diercategorie = "JV";
    in.Jaartal = 2016;
    reken(in);
}
