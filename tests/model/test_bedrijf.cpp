#include "Boerderij.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {
TTvInvoer Koeien() {
    TTvInvoer in{};
    in.Jaartal = 2012;
    in.Diercategorie = "MK";
    in.Ras = "NORM";
    in.nKoe = 80;
    in.nPink = 30;
    in.nKalf = 25;
    in.MelkLev = 680000;
    in.Vet = 4.4f;
    in.Eiwit = 3.5f;
    in.Ureum = 22;
    in.OppGrasL = 10;
    in.OppGrasN = 20;
    in.OppGrasH = 15;
    in.OppBouwL = 1;
    in.OppBouwN = 2;
    in.OppBouwH = 3;
    in.OppMaisH = 4;
    in.OppMaisN = 0.5f;
    in.OppMaisL = 0.25f;
    return in;
}
} // namespace

TEST(Bedrijf, AreasAndMilk) {
    TBedrijf b;
    b.ZetInvoer(Koeien());
    EXPECT_FLOAT_EQ(b.OppervlakteGras(), 45);
    EXPECT_FLOAT_EQ(b.OppervlakteBouwland(), 6);
    EXPECT_FLOAT_EQ(b.OppervlakteMais(), 4.75f);
    EXPECT_FLOAT_EQ(b.MelkPerKoe(), 8500);
    EXPECT_FLOAT_EQ(b.MelkPerHa(), 680000.0f / 51);
}

TEST(Bedrijf, EmptyHerdAndAreaGiveZeroNotFailure) {
    TBedrijf b;
    b.ZetInvoer(TTvInvoer{});
    EXPECT_EQ(b.MelkPerKoe(), 0);
    EXPECT_EQ(b.MelkPerHa(), 0);
    EXPECT_EQ(b.OppervlakteGras(), 0);
}

TEST(Bedrijf, YoungStockOnlyZeroesCowsAndMilk) {
    TTvInvoer in = Koeien();
    in.Diercategorie = "JV";
    TBedrijf b;
    b.ZetInvoer(in);
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

struct DagenCase {
    float maanden;
    float dagen;
};

class GrazingDays : public ::testing::TestWithParam<DagenCase> {};

TEST_P(GrazingDays, MonthsOfThirtyAndAHalfDaysCappedAt365) {
    TTvInvoer in = Koeien();
    in.MndWeidBMk = GetParam().maanden / 2;
    in.MndWeidOMk = GetParam().maanden / 2;
    in.MndZstvBMk = GetParam().maanden;
    in.MndWeidBPi = GetParam().maanden;
    in.MndWeidOKa = GetParam().maanden;
    TBedrijf b;
    b.ZetInvoer(in);
    EXPECT_FLOAT_EQ(b.DagenWeidMk, GetParam().dagen);
    EXPECT_FLOAT_EQ(b.DagenZstvMk, GetParam().dagen);
    EXPECT_FLOAT_EQ(b.DagenWeidPi, GetParam().dagen);
    EXPECT_FLOAT_EQ(b.DagenWeidKa, GetParam().dagen);
}

INSTANTIATE_TEST_SUITE_P(Months, GrazingDays,
                         ::testing::Values(DagenCase{0, 0}, DagenCase{6, 183}, DagenCase{11, 335.5f},
                                           DagenCase{12, 365}, DagenCase{24, 365}));

// Months that are no exact binary fraction: the two fields are added in extended precision,
// so 0.1 + 0.5 months give the Single nearest 18.3 days, not the one above it. The Singles
// 0.1 and 0.3 add up to 0.40000001 months, whose 12.2000004 days round up to 12.200001.
struct DagenSomCase {
    float maandenA, maandenB;
    float dagen;
};

class GrazingDaysSum : public ::testing::TestWithParam<DagenSomCase> {};

TEST_P(GrazingDaysSum, MonthsAddedBeforeRounding) {
    const DagenSomCase& c = GetParam();
    TTvInvoer in = Koeien();
    in.MndWeidBMk = c.maandenA;
    in.MndWeidOMk = c.maandenB;
    in.MndZstvBMk = c.maandenA;
    in.MndZstvOMk = c.maandenB;
    in.MndWeidBPi = c.maandenA;
    in.MndWeidOPi = c.maandenB;
    in.MndWeidBKa = c.maandenA;
    in.MndWeidOKa = c.maandenB;
    TBedrijf b;
    b.ZetInvoer(in);
    EXPECT_EQ(b.DagenWeidMk, c.dagen);
    EXPECT_EQ(b.DagenZstvMk, c.dagen);
    EXPECT_EQ(b.DagenWeidPi, c.dagen);
    EXPECT_EQ(b.DagenWeidKa, c.dagen);
}

INSTANTIATE_TEST_SUITE_P(Months, GrazingDaysSum,
                         ::testing::Values(DagenSomCase{0.1f, 0.5f, 18.3f}, DagenSomCase{0.5f, 0.1f, 18.3f},
                                           DagenSomCase{0.1f, 0.3f, 12.200001f},
                                           DagenSomCase{0.05f, 0.25f, 9.15f}));

struct RasCase {
    const char* ras;
    int index; // 0: an error
};

class Breeds : public ::testing::TestWithParam<RasCase> {};

TEST_P(Breeds, FirstUpperCaseLetter) {
    TTvInvoer in = Koeien();
    in.Ras = GetParam().ras;
    TBedrijf b;
    b.ZetInvoer(in);
    if (GetParam().index > 0) {
        EXPECT_EQ(b.RasIndex(), GetParam().index);
        return;
    }
    try {
        b.RasIndex();
        FAIL() << "no error for " << GetParam().ras;
    } catch (const EModelFout& e) {
        EXPECT_EQ(std::string(e.what()), std::string("Onbekend type: ") + GetParam().ras);
    }
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
}

TEST(Bedrijf, NoticeWithoutListenerIsDropped) {
    TBedrijf b;
    TTvInvoer in = Melkvee();
    in.Jaartal = 2020;
    TTvUitvoer uit{};
    EXPECT_NO_THROW(b.Bereken(in, uit));
}

TEST(Bedrijf, EveryCalculationStartsFromTheInputAlone) {
    TBedrijf b;
    TTvInvoer in = Koeien();
    b.ZetInvoer(in);
    TTvInvoer leeg{};
    b.ZetInvoer(leeg);
    EXPECT_EQ(b.nKoe, 0);
    EXPECT_EQ(b.Ras, "");
    EXPECT_EQ(b.OppervlakteGras(), 0);
}

TEST(Bedrijf, NotANumberInTheInputIsAClearError) {
    TBedrijf b;
    TTvInvoer in = Koeien();
    in.Ureum = std::nanf("");
    TTvUitvoer uit{};
    try {
        b.Bereken(in, uit);
        FAIL();
    } catch (const EModelFout& e) {
        EXPECT_EQ(std::string(e.what()), "Ongeldige invoer (geen getal): Ureum");
    }
    in = Koeien();
    in.Voorraden[mEind][kMP].Vem = INFINITY;
    EXPECT_THROW(b.Bereken(in, uit), EModelFout);
    in = Koeien();
    in.Graasdieren[13] = -INFINITY;
    EXPECT_THROW(b.Bereken(in, uit), EModelFout);
}

TEST(Bedrijf, EmptyRecordGivesAResultOrTheModelsOwnError) {
    // An empty record may stop at a missing code, but only with the model's message.
    auto reken = [](const TTvInvoer& in) {
        TBedrijf b;
        TTvUitvoer uit{};
        try {
            b.Bereken(in, uit);
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
