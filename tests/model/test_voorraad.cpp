#include "Boerderij.h"
#include "NatteProducten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// Only the stocks given, year 2010, no other grazing animals.
TTvInvoer Voorraden() {
    TTvInvoer in{};
    in.Jaartal = 2010;
    in.Diercategorie = "MK";
    in.Ras = "NORM";
    return in;
}

} // namespace

// Grass silage of the dairy farm: 150000 + 300000 - 120000 = 330000 kg dry matter;
// VEM 150000 x 900 + 300000 x 940 - 120000 x 910 = 307.8 million;
// RE 150000 x 170 + 300000 x 180 - 120000 x 175 = 58.5 million g.
TEST(Voorraad, BalanceOfAmountAndComponents) {
    const TBedrijf b = Bedrijf(Melkvee());
    EXPECT_FLOAT_EQ(b.Voorraad("GK", "HOEV"), 330000);
    EXPECT_FLOAT_EQ(b.Voorraad("GK", "VEM"), 307.8e6f);
    EXPECT_FLOAT_EQ(b.Voorraad("GK", "RE"), 58.5e6f);
    EXPECT_FLOAT_EQ(b.Voorraad("GK", "RAS"), 58.5e6f); // first letter R: crude protein
    // N 150000 x 27.2 + 300000 x 28.8 - 120000 x 28 = 9.36 million g.
    EXPECT_FLOAT_EQ(b.Voorraad("GK", "N"), 9.36e6f);
    // P 600000 + 1260000 - 492000.
    EXPECT_FLOAT_EQ(b.Voorraad("GK", "P"), 1.368e6f);
    // VRE 16.5 + 34.5 - 13.44 million.
    EXPECT_FLOAT_EQ(b.Voorraad("GK", "VRE"), 37.56e6f);
    // Maize silage 100000 + 250000 - 90000; wet by-products by either code.
    EXPECT_FLOAT_EQ(b.Voorraad("SM", "HOEV"), 260000);
    EXPECT_FLOAT_EQ(b.Voorraad("NAT", "VEM"), 20e6f);
    EXPECT_FLOAT_EQ(b.Voorraad("NT", "VEM"), 20e6f);
    EXPECT_FLOAT_EQ(b.Voorraad("KV", "HOEV"), 180000);
    EXPECT_FLOAT_EQ(b.Voorraad("MP", "P"), 3500);
}

struct VerliesCase {
    int EvalNr;
    const char* soort;
    int kind;
    float factor; // share of the amounts left after the losses
};

class Voerverlies : public ::testing::TestWithParam<VerliesCase> {};

TEST_P(Voerverlies, TakesItsShareOfEveryAmountButNotOfTheContents) {
    TTvInvoer in = Voorraden();
    in.EvalNr = GetParam().EvalNr;
    in.Voorraden[mBegin][GetParam().kind] = {100000, 900, 160, 25.6f, 4, 0, 100};
    in.Voorraden[mEind][GetParam().kind] = {20000, 800, 150, 24, 3.8f, 0, 90};
    const TBedrijf b = Bedrijf(in);
    const float f = GetParam().factor;
    // Without losses: 80000 kg, VEM 90 million - 16 million = 74 million.
    EXPECT_FLOAT_EQ(b.Voorraad(GetParam().soort, "HOEV"), 80000 * f);
    EXPECT_FLOAT_EQ(b.Voorraad(GetParam().soort, "VEM"), 74e6f * f);
    EXPECT_FLOAT_EQ(b.Voorraad(GetParam().soort, "RE"), 13e6f * f);
    EXPECT_FLOAT_EQ(b.Gehalte(GetParam().soort, "VEM"), 925); // 74 million / 80000
    EXPECT_FLOAT_EQ(b.Gehalte(GetParam().soort, "RE"), 162.5f);
}

INSTANTIATE_TEST_SUITE_P(Varianten, Voerverlies,
                         ::testing::Values(VerliesCase{0, "GK", kGK, 1},
                                           VerliesCase{8, "GK", kGK, 0.95f}, // 100000 to 20000: 76000
                                           VerliesCase{8, "SM", kSM, 0.95f},
                                           VerliesCase{8, "NAT", kNAT, 0.97f},
                                           VerliesCase{8, "KV", kKV, 0.98f}, VerliesCase{8, "MP", kMP, 0.98f},
                                           VerliesCase{12, "GK", kGK, 0.95f},
                                           VerliesCase{12, "NT", kNAT, 0.97f},
                                           VerliesCase{12, "KV", kKV, 0.98f}, VerliesCase{9, "GK", kGK, 1},
                                           VerliesCase{13, "GK", kGK, 1}, VerliesCase{-1, "MP", kMP, 1}));

TEST(Voorraad, NegativeBalanceStaysNegative) {
    TTvInvoer in = Voorraden();
    in.Voorraden[mBegin][kGK] = {1000, 900, 150, 24, 4, 0, 90};
    in.Voorraden[mEind][kGK] = {5000, 800, 140, 22.4f, 3.5f, 0, 85};
    const TBedrijf b = Bedrijf(in);
    EXPECT_FLOAT_EQ(b.Voorraad("GK", "HOEV"), -4000);
    EXPECT_FLOAT_EQ(b.Voorraad("GK", "VEM"), -3.1e6f); // 0.9 million - 4 million
    EXPECT_FLOAT_EQ(b.Gehalte("GK", "VEM"), 775);      // -3.1 million / -4000
}

TEST(Voorraad, UnknownCodesNameThemselves) {
    const TBedrijf b = Bedrijf(Melkvee());
    ExpectFout([&] { b.Voorraad("VG", "HOEV"); }, "Voorraad: Onbekende voersoort: VG");
    ExpectFout([&] { b.Voorraad("", "HOEV"); }, "Voorraad: Onbekende voersoort: ");
    ExpectFout([&] { b.Voorraad("gk", "HOEV"); }, "Voorraad: Onbekende voersoort: gk");
    ExpectFout([&] { b.Voorraad("GK", "VX"); }, "Voorraad: Onbekende soort: VX");
    ExpectFout([&] { b.Voorraad("GK", "V"); }, "Voorraad: Onbekende soort: V");
    ExpectFout([&] { b.Voorraad("GK", "X"); }, "Voorraad: Onbekende soort: X");
    ExpectFout([&] { b.Voorraad("GK", ""); }, "Voorraad: Onbekende soort: ");
}

TEST(Gehalte, StockKindsAreTotalsOverAmounts) {
    const TBedrijf b = Bedrijf(Melkvee());
    EXPECT_FLOAT_EQ(b.Gehalte("GK", "VEM"), 307.8e6f / 330000); // 932.73
    EXPECT_FLOAT_EQ(b.Gehalte("GK", "RE"), 58.5e6f / 330000);   // 177.27
    EXPECT_FLOAT_EQ(b.Gehalte("KV", "P"), 4.5f);
    EXPECT_FLOAT_EQ(b.Gehalte("GK", "HOEV"), 1);
}

TEST(Gehalte, WithoutStockEveryContentIsZero) {
    const TBedrijf b = Bedrijf(Voorraden());
    for (const char* soort : {"GK", "SM", "NAT", "KV", "MP"})
        for (const char* c : {"HOEV", "VEM", "VRE", "RE", "N", "P"}) {
            EXPECT_EQ(b.Gehalte(soort, c), 0) << soort << " " << c;
            EXPECT_EQ(b.GehalteVerbruik(soort, c), 0) << soort << " " << c;
        }
    // An amount of 0 with energy left over is still 0 per kg, not a division by zero.
    TTvInvoer in = Voorraden();
    in.Voorraden[mBegin][kSM] = {1000, 900, 70, 11.2f, 2, 0, 40};
    in.Voorraden[mEind][kSM] = {1000, 800, 70, 11.2f, 2, 0, 40};
    EXPECT_EQ(Bedrijf(in).Gehalte("SM", "VEM"), 0);
}

// Fresh grass from 2010 on takes the best grass silage as its base: N 30.4 / 960 VEM,
// times 1.1 for grazing, is 0.0348333 g N per VEM.
TEST(Gehalte, FreshGrassFromTheBestSilage) {
    const TBedrijf b = Bedrijf(Melkvee());
    EXPECT_FLOAT_EQ(b.Gehalte("VG", "VEM"), 960);
    EXPECT_FLOAT_EQ(b.Gehalte("VG", "RE"), 209);       // 6000 x 0.0348333
    EXPECT_FLOAT_EQ(b.Gehalte("VG", "N"), 33.44f);     // 960 x 0.0348333
    EXPECT_FLOAT_EQ(b.Gehalte("VG", "P"), 4.515f);     // 960 x 1.05 x 4.3 / 960
    EXPECT_FLOAT_EQ(b.Gehalte("VG", "VRE"), 174.367f); // 209 x (0.0588 x 209 + 71.14) / 100
    for (const char* c : {"VEM", "RE", "N", "P", "VRE"})
        EXPECT_EQ(b.GehalteVerbruik("VG", c), b.Gehalte("VG", c)) << c;
}

// Only zero grazing: the grass is 1.05 times the silage (1.03 for P).
TEST(Gehalte, FreshGrassWhenZeroGrazing) {
    TTvInvoer in = Melkvee();
    in.MndWeidBMk = 0;
    in.UurWeidBMk = 0;
    in.MndZstvOMk = 5;
    const TBedrijf b = Bedrijf(in);
    EXPECT_FLOAT_EQ(b.Gehalte("VG", "N"), 31.92f);  // 1.05 x 30.4
    EXPECT_FLOAT_EQ(b.Gehalte("VG", "P"), 4.429f);  // 1.03 x 4.3
    EXPECT_FLOAT_EQ(b.Gehalte("VG", "RE"), 199.5f); // 6000 x 1.05 x 30.4 / 960
}

struct GraasCase {
    int jaar;
    int categorie;
    float dieren;
    float smVem; // stock balance of maize silage, VEM
    float ntVem; // stock balance of wet by-products, VEM
    float gk, sm, nat, kv, mp;
};

class VemVerbruikGraas : public ::testing::TestWithParam<GraasCase> {};

TEST_P(VemVerbruikGraas, ByYearAndStock) {
    const GraasCase& c = GetParam();
    TTvInvoer in = Voorraden();
    in.Jaartal = c.jaar;
    in.Graasdieren[c.categorie] = c.dieren;
    in.Voorraden[mAanleg][kSM] = {c.smVem / 1000, 1000, 0, 0, 0, 0, 0};
    in.Voorraden[mAanleg][kNAT] = {c.ntVem / 1000, 1000, 0, 0, 0, 0, 0};
    const TBedrijf b = Bedrijf(in);
    EXPECT_FLOAT_EQ(b.VemVerbruikGraas("GK"), c.gk);
    EXPECT_FLOAT_EQ(b.VemVerbruikGraas("SM"), c.sm);
    EXPECT_FLOAT_EQ(b.VemVerbruikGraas("NAT"), c.nat);
    EXPECT_FLOAT_EQ(b.VemVerbruikGraas("NT"), c.nat);
    EXPECT_FLOAT_EQ(b.VemVerbruikGraas("KV"), c.kv);
    EXPECT_FLOAT_EQ(b.VemVerbruikGraas("MP"), c.mp);
}

INSTANTIATE_TEST_SUITE_P(
    Dieren, VemVerbruikGraas,
    ::testing::Values(
        // Ten breeding sheep: 10 x 65 and 10 x 56 kVEM.
        GraasCase{2010, 8, 10, 0, 0, 650000, 0, 0, 560000, 0},
        GraasCase{2008, 8, 10, 0, 0, 650000, 0, 0, 560000, 0},
        // Five meat bulls from 2009, no stock of maize silage or by-products: by-products
        // (5 x 68) go to maize silage, all of it (5 x 1720) to by-products, then to grass silage.
        GraasCase{2010, 5, 5, 0, 0, 8600000, 0, 0, 4850000, 0},
        GraasCase{2009, 5, 5, 0, 0, 8600000, 0, 0, 4850000, 0},
        // Maize silage stock 5 million, by-products 0.1 million: SM 8.26 + 0.24 = 8.5 million,
        // of which 3.5 million beyond the stock goes on to by-products and then to grass silage.
        GraasCase{2010, 5, 5, 5e6f, 1e5f, 3.5e6f, 5e6f, 1e5f, 4850000, 0},
        // A negative maize silage balance counts as no stock.
        GraasCase{2010, 5, 5, -2e6f, 0, 8600000, 0, 0, 4850000, 0},
        // Enough stock: nothing moves (5 x 1652 and 5 x 68).
        GraasCase{2010, 5, 5, 9e6f, 1e6f, 0, 8260000, 340000, 4850000, 0},
        // Before 2009 the 5 x 1720 kVEM together are shared 3 : 1 by the stocks.
        GraasCase{2008, 5, 5, 3e6f, 1e6f, 0, 6450000, 2150000, 4850000, 0},
        // ... and without either stock that energy is taken from neither.
        GraasCase{2008, 5, 5, 0, 0, 0, 0, 0, 4850000, 0},
        // Four start calves drink 4 x 208 kVEM of milk powder.
        GraasCase{2010, 6, 4, 1e7f, 0, 0, 936000, 0, 1752000, 832000}));

TEST(VemVerbruikGraas, AnimalsKeptApartAreLeftOut) {
    TTvInvoer in = Voorraden();
    in.Graasdieren[8] = 10;
    in.GraasJa[8] = true;
    const TBedrijf b = Bedrijf(in);
    EXPECT_EQ(b.VemVerbruikGraas("GK"), 0);
    EXPECT_EQ(b.VemVerbruikGraas("KV"), 0);
}

// Large herds with untidy stocks: the energy moved keeps its total, and rounding alone
// raises no error.
TEST(VemVerbruikGraas, LargeHerdsRaiseNoFalseError) {
    TTvInvoer in = Voorraden();
    for (int i = 1; i <= 13; ++i)
        in.Graasdieren[i] = 98765.4f + 1111.1f * i;
    in.Voorraden[mAanleg][kSM] = {123456.7f, 987.6f, 0, 0, 0, 0, 0};
    in.Voorraden[mAanleg][kNAT] = {7654.3f, 1001.1f, 0, 0, 0, 0, 0};
    const TBedrijf b = Bedrijf(in);
    double totaal = 0;
    for (const char* s : {"GK", "SM", "NAT", "KV", "MP"}) {
        EXPECT_NO_THROW(totaal += b.VemVerbruikGraas(s)) << s;
    }
    double verwacht = 0;
    const double kvem[13] = {1638, 1638, 2971, 2652, 2690, 880, 1665, 121, 33, 204, 920, 1135, 1468};
    for (int i = 1; i <= 13; ++i)
        verwacht += static_cast<double>(in.Graasdieren[i]) * 1000 * kvem[i - 1];
    EXPECT_NEAR(totaal / verwacht, 1, 1e-6);
}

TEST(VemVerbruikGraas, UnknownKind) {
    TTvInvoer in = Voorraden();
    const TBedrijf b = Bedrijf(in);
    ExpectFout([&] { b.VemVerbruikGraas("VG"); }, "VemVerbruikGraas: Onbekende voersoort: VG");
    ExpectFout([&] { b.VemVerbruikGraas(""); }, "VemVerbruikGraas: Onbekende voersoort: ");
    in.Jaartal = 2008;
    const TBedrijf oud = Bedrijf(in);
    ExpectFout([&] { oud.VemVerbruikGraas("X"); }, "VemVerbruikGraas: Onbekende voersoort: X");
}

TEST(GehaltevoerGraas, OtherAnimalsGetAStandardConcentrate) {
    const TBedrijf b = Bedrijf(Melkvee());
    EXPECT_FLOAT_EQ(b.GehaltevoerGraas("KV", "N"), 27.03f);
    EXPECT_FLOAT_EQ(b.GehaltevoerGraas("KV", "P"), 4.18f);
    EXPECT_FLOAT_EQ(b.GehaltevoerGraas("KV", "RE"), 168.9f);
    EXPECT_FLOAT_EQ(b.GehaltevoerGraas("KV", "VEM"), 940);
    EXPECT_FLOAT_EQ(b.GehaltevoerGraas("KV", "VRE"), 116.2836f); // (0.084 x 168.9 + 54.66) x 1.689
    // Every other kind is fed from the farm's own stock.
    EXPECT_FLOAT_EQ(b.GehaltevoerGraas("GK", "VEM"), 307.8e6f / 330000);
    EXPECT_FLOAT_EQ(b.GehaltevoerGraas("SM", "RE"), b.Gehalte("SM", "RE"));
    ExpectFout([&] { b.GehaltevoerGraas("KV", "X"); }, "GehaltevoerGraas: Onbekende soort: X");
    ExpectFout([&] { b.GehaltevoerGraas("KV", "VX"); }, "GehaltevoerGraas: Onbekende soort: VX");
    ExpectFout([&] { b.GehaltevoerGraas("KV", ""); }, "GehaltevoerGraas: Onbekende soort: ");
}

// The sheep eat 650000 VEM of grass silage at 932.73 VEM per kg: 696.88 kg.
TEST(VerbruikStal, StockLessWhatTheOtherAnimalsAte) {
    const TBedrijf b = Bedrijf(Melkvee());
    EXPECT_FLOAT_EQ(b.VerbruikStal("GK", "HOEV"), 330000 - 696.88109f);
    EXPECT_FLOAT_EQ(b.VerbruikStal("GK", "VEM"), 307.15e6f); // 307.8 - 0.65 million
    EXPECT_FLOAT_EQ(b.VerbruikStal("GK", "RE"), 58.5e6f - 177.27273f * 696.88109f);
    // They ate the average silage, so the herd's content is the stock's.
    EXPECT_FLOAT_EQ(b.GehalteVerbruik("GK", "RE"), b.Gehalte("GK", "RE"));
    // Nothing of the maize silage.
    EXPECT_FLOAT_EQ(b.VerbruikStal("SM", "HOEV"), 260000);
}

// Two horses eat 2 x 437 kVEM of the standard concentrate (940 VEM, 168.9 g RE per kg):
// 929.787 kg, so the herd keeps 179070.21 kg and 30.6 million - 168.9 x 929.787 g RE.
TEST(VerbruikStal, ConcentrateOfTheOtherAnimalsHasItsOwnContents) {
    TTvInvoer in = Voorraden();
    in.Graasdieren[13] = 2;
    in.Voorraden[mAanleg][kKV] = {180000, 1000, 170, 27.2f, 4.5f, 0, 120};
    const TBedrijf b = Bedrijf(in);
    EXPECT_FLOAT_EQ(b.VerbruikStal("KV", "HOEV"), 179070.21f);
    EXPECT_FLOAT_EQ(b.VerbruikStal("KV", "VEM"), 179126000);
    EXPECT_FLOAT_EQ(b.VerbruikStal("KV", "RE"), 30442958.9f);
    EXPECT_FLOAT_EQ(b.GehalteVerbruik("KV", "RE"), 170.00571f);
    EXPECT_FLOAT_EQ(b.GehalteVerbruik("KV", "VEM"), 179126000 / 179070.21f);
}
