#include "Boerderij.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

TTvUitvoer Bereken(const TTvInvoer& in, bool onthouden = true) {
    TBedrijf b;
    b.Onthouden = onthouden;
    TTvUitvoer uit{};
    b.Bereken(in, uit);
    return uit;
}

// The result record with only its BEX block kept.
TTvUitvoer AlleenBex(const TTvUitvoer& u) {
    TTvUitvoer b{};
    b.ExcrSpecExc = u.ExcrSpecExc;
    b.ExcrSpecInc = u.ExcrSpecInc;
    b.ExcrForf = u.ExcrForf;
    b.ExcrVoordeel = u.ExcrVoordeel;
    b.ExcrForfDier = u.ExcrForfDier;
    b.GebrNorm = u.GebrNorm;
    b.MestafzForf = u.MestafzForf;
    b.MestafzSpec = u.MestafzSpec;
    b.MestafzVoordeel = u.MestafzVoordeel;
    b.Efficientie = u.Efficientie;
    b.GehRantsoen = u.GehRantsoen;
    b.MelkPerHa = u.MelkPerHa;
    b.JvPer10Mk = u.JvPer10Mk;
    b.KvPer100kgMelk = u.KvPer100kgMelk;
    b.PcVoordeelSpec = u.PcVoordeelSpec;
    b.MelkProdMax = u.MelkProdMax;
    b.RantsVerbruik = u.RantsVerbruik;
    b.RantsAandeel = u.RantsAandeel;
    b.RantsGehVem = u.RantsGehVem;
    b.RantsGehRe = u.RantsGehRe;
    b.RantsGehVre = u.RantsGehVre;
    b.RantsGehP = u.RantsGehP;
    b.RantsReKvem = u.RantsReKvem;
    b.RantsPKvem = u.RantsPKvem;
    return b;
}

} // namespace

// The complete BEX calculation of one farm (BexBedrijf, 2012), every text worked out by hand.
//
// Feed. Stock balances: grass silage 150000 + 300000 - 120000 = 330000 kg dry matter with
// 135 + 282 - 109.2 = 307.8 million VEM (932.73 VEM/kg); maize silage 260000 kg, 253.7 million
// VEM (975.77); wet by-products 20000 kg at 1000 VEM, 200 RE, 150 VRE, 32 N, 5 P; concentrates
// 180000 kg; milk powder 500 kg. The ten sheep eat 650000 VEM of grass silage (696.9 kg) and
// 560000 VEM of concentrates at 940 VEM (595.7 kg), so the herd uses 329303.1 kg grass silage
// (307.15 million VEM) and 179404.3 kg concentrates (27.2006 g N, 4.5011 g P, 1000.2 VEM).
//
// Energy need. Cows: FPCM per lactation day F = 1.0574 x 8500 / 307 = 29.2765, c = 1 +
// (F - 15) x 0.00165 = 1.023557; 307 x 442 x F x c + 307 x 42.4 x 600^0.75 x c + 58 x 42.4 x
// 600^0.75 x 0.97525 = 5908196 VEM, plus 189 + 72 (6 months limited grazing x 12) + 194 + 131
// kVEM: 6558.197 kVEM a cow. Herd (80 cows, 30 x 2600, 25 x 1412) x 1.02 = 650714.9 kVEM.
// Roughage: R = 650714.9 - 20000 (by-products) - 179440 (concentrates) - 550 (milk powder)
// = 450724.9 kVEM.
//
// Allocation. Grazing share a = 1 - 0.8 = 0.2 (six months of limited grazing). Grass eaten at
// pasture: ((8 - 2) x 0.75 + 2) x 30.5 x 6 = 1189.5 kg a cow x 80, times the production factor
// 1 - (9500 - 8500 x 1.0574) x 4e-05 = 0.979516: 93210.74 kg, 89.48 million VEM. With
// q = 307.15 / (307.15 + 253.7) = 0.54765 the plain shares fA = 1 / (1 + 4 + 3.3039) = 0.12043
// give way to the energy shares, since G / (G + K + S) = 0.137595 is larger: fresh grass
// 62017.4 kVEM (64601.4 kg at 960 VEM), grass silage 0.472297 R = 212876.0 kVEM (228229.6
// kg at 932.73), maize silage 0.390108 R = 175831.5 kVEM (180197.8 kg at 975.77).
//
// Fresh grass contents from the best silage (960 VEM, 30.4 N, 4.3 P, 190 RE, 120 VRE) per
// VEM x 1.1 (P x 1.05), all grazing being limited: 0.0348333 g N and 0.00470312 g P per VEM.
//
// N intake (kg): maize silage 11.588 / 975.77 x 175831.5 = 2088.22; by-products 32 x 20 =
// 640; concentrates 27.2006 x 179.404 = 4879.90; milk powder 18; grass silage 28.364 / 932.73
// x 212876.0 = 6473.42; fresh grass 0.0348333 x 62017.4 = 2160.27; together 16259.81.
// P intake the same way: 377.72 + 100 + 807.51 + 3.5 + 946.12 + 291.68 = 2526.52 kg P,
// 5785.74 kg P2O5.
//
// Retention N: milk 8.5 x 3.5 x 1.567398 x 80 = 3730.41; cows 600 x 0.00216 x 80 = 103.68;
// heifers 600 x 0.0089099 x 30 = 160.38; calves 600 x 0.0107 x 25 = 160.5; 4154.97 kg.
// P2O5: 1510.48 + 75.84 + 121.99 + 115.42 = 1823.74 kg.
//
// Excretion. Herd N 16259.81 - 4154.97 = 12104.84; manure share (80 x 118.38 + 30 x 68.5 +
// 25 x 29.4) / 14223 = 12260.4 / 14223 = 0.862012; farm N 0.862012 x 12104.84 + 10 x 10.2
// = 10536.52, farm-specific 102 + 0.95 x 10434.52 = 10014.79. P2O5 5785.74 - 1823.74 =
// 3962.00 + 36 = 3998.00, farm-specific 36 + 0.95 x 3962.00 = 3799.90.
//
// Norm: cows 8500 kg (class 13) at urea 22: slurry 114.5, solid 104.0: 0.8 x 114.5 + 0.2 x
// 104.0 = 112.4; heifers (66.7 + 56.9) / 2 = 61.8; calves (all solid) 29.9; sheep 10.2.
// 80 x 112.4 + 30 x 61.8 + 25 x 29.9 + 10 x 10.2 = 8992 + 1854 + 747.5 + 102 = 11695.5 kg N;
// P2O5 80 x 42.6 + 30 x 22.3 + 25 x 9.7 + 36 = 3408 + 669 + 242.5 + 36 = 4355.5 kg.
//
// Land: 30 of 35 ha grassland (85.7 %: derogation): 35 x 250 = 8750 kg N; P2O5 5 x 100 +
// 15 x 95 + 10 x 85 + 5 x 70 = 3125 kg.
TEST(Bereken, CompleteBexFarmByHand) {
    const TTvUitvoer u = Bereken(BexBedrijf());
    struct Tekst {
        const char* naam;
        const std::string& waarde;
        const char* verwacht;
    };
    const std::vector<Tekst> teksten = {
        {"ExcrSpecExc N", u.ExcrSpecExc[1], "10537"},   // 10536.52
        {"ExcrSpecInc N", u.ExcrSpecInc[1], "10015"},   // 10014.79
        {"ExcrForf N", u.ExcrForf[1], "11696"},         // 11695.5
        {"ExcrVoordeel N", u.ExcrVoordeel[1], "+1681"}, // 11695.5 - 10014.79
        {"ExcrForfDier cows N", u.ExcrForfDier[1][1], "112.4"},
        {"ExcrForfDier heifers N", u.ExcrForfDier[2][1], "61.8"},
        {"ExcrForfDier calves N", u.ExcrForfDier[3][1], "29.9"},
        {"ExcrForfDier others N", u.ExcrForfDier[4][1], "10.2"},
        {"GebrNorm N", u.GebrNorm[1], "8750"},
        {"MestafzForf N", u.MestafzForf[1], "2946"}, // 11695.5 - 8750 = 2945.5
        {"MestafzSpec N", u.MestafzSpec[1], "1265"}, // 10014.79 - 8750
        {"MestafzVoordeel N", u.MestafzVoordeel[1], "+1681"},
        {"Efficientie N", u.Efficientie[1], "26"},        // 4154.97 / 16259.81 = 25.6 %
        {"ExcrSpecExc P2O5", u.ExcrSpecExc[2], "3998"},   // 3998.00
        {"ExcrSpecInc P2O5", u.ExcrSpecInc[2], "3800"},   // 3799.90
        {"ExcrForf P2O5", u.ExcrForf[2], "4356"},         // 4355.5
        {"ExcrVoordeel P2O5", u.ExcrVoordeel[2], "+556"}, // 555.60
        {"ExcrForfDier cows P2O5", u.ExcrForfDier[1][2], "42.6"},
        {"ExcrForfDier heifers P2O5", u.ExcrForfDier[2][2], "22.3"},
        {"ExcrForfDier calves P2O5", u.ExcrForfDier[3][2], "9.7"},
        {"ExcrForfDier others P2O5", u.ExcrForfDier[4][2], "3.6"},
        {"GebrNorm P2O5", u.GebrNorm[2], "3125"},
        {"MestafzForf P2O5", u.MestafzForf[2], "1231"}, // 1230.5
        {"MestafzSpec P2O5", u.MestafzSpec[2], "675"},  // 674.90
        {"MestafzVoordeel P2O5", u.MestafzVoordeel[2], "+556"},
        {"Efficientie P2O5", u.Efficientie[2], "32"}, // 1823.74 / 5785.74 = 31.5 %
        // Ration of the herd: 650.71 million VEM, its need (64601 x 960 + 228230 x 932.73 +
        // 180198 x 975.77 + 20000 x 1000 + 179404 x 1000.2 + 500 x 1100), over 672933 kg.
        {"GehRantsoen VEM", u.GehRantsoen[1], "967"},
        {"GehRantsoen RE", u.GehRantsoen[2], "151"},           // 101632 kg RE / 672933 kg
        {"GehRantsoen N", u.GehRantsoen[3], "24.2"},           // 16259.81 kg N / 672933 kg
        {"GehRantsoen P", u.GehRantsoen[4], "3.8"},            // 2526.52 kg P / 672933 kg
        {"MelkPerHa", u.MelkPerHa, "19429"},                   // 680000 / 35
        {"JvPer10Mk", u.JvPer10Mk, "6.9"},                     // 55 / 8
        {"KvPer100kgMelk", u.KvPer100kgMelk, "26"},            // 179404 / 6800 = 26.4
        {"PcVoordeelSpec N", u.PcVoordeelSpec[1], "+14.4"},    // 1680.71 / 11695.5
        {"MelkProdMax N", u.MelkProdMax[1], "16975"},          // 19428.57 x 8750 / 10014.79
        {"PcVoordeelSpec P2O5", u.PcVoordeelSpec[2], "+12.8"}, // 555.60 / 4355.5
        {"MelkProdMax P2O5", u.MelkProdMax[2], "15978"},       // 19428.57 x 3125 / 3799.90
        // Dry matter: fresh grass 64601, grass silage 228230, maize silage 180198,
        // by-products 20000, milk powder 500 x 0.95, concentrates 179404 x 0.9 = 161464;
        // together 654968 kg.
        {"RantsVerbruik TOT", u.RantsVerbruik[0], "654968"},
        {"RantsAandeel TOT", u.RantsAandeel[0], "100"},
        {"RantsGehVem TOT", u.RantsGehVem[0], "994"}, // 650.71 million VEM / 654968
        {"RantsGehRe TOT", u.RantsGehRe[0], "155"},   // 101632 kg RE / 654968
        {"RantsGehVre TOT", u.RantsGehVre[0], "106"}, // 69697 kg VRE / 654968
        {"RantsGehP TOT", u.RantsGehP[0], "3.9"},     // 2526.52 kg P / 654968
        {"RantsReKvem TOT", u.RantsReKvem[0], "156"},
        {"RantsPKvem TOT", u.RantsPKvem[0], "3.9"},
        {"RantsVerbruik VG", u.RantsVerbruik[1], "64601"},
        {"RantsAandeel VG", u.RantsAandeel[1], "10"}, // 9.9 %
        {"RantsGehVem VG", u.RantsGehVem[1], "960"},
        {"RantsGehRe VG", u.RantsGehRe[1], "209"},   // 6000 x 0.0348333
        {"RantsGehVre VG", u.RantsGehVre[1], "174"}, // 209 x (0.0588 x 209 + 71.14) / 100
        {"RantsGehP VG", u.RantsGehP[1], "4.5"},     // 960 x 0.00470312
        {"RantsReKvem VG", u.RantsReKvem[1], "218"},
        {"RantsPKvem VG", u.RantsPKvem[1], "4.7"},
        {"RantsVerbruik GK", u.RantsVerbruik[2], "228230"},
        {"RantsAandeel GK", u.RantsAandeel[2], "35"},
        {"RantsGehVem GK", u.RantsGehVem[2], "933"}, // 307.15 million / 329303
        {"RantsGehRe GK", u.RantsGehRe[2], "177"},
        {"RantsGehVre GK", u.RantsGehVre[2], "114"},
        {"RantsGehP GK", u.RantsGehP[2], "4.1"},
        {"RantsReKvem GK", u.RantsReKvem[2], "190"},
        {"RantsPKvem GK", u.RantsPKvem[2], "4.4"},
        {"RantsVerbruik SM", u.RantsVerbruik[3], "180198"},
        {"RantsAandeel SM", u.RantsAandeel[3], "28"},
        {"RantsGehVem SM", u.RantsGehVem[3], "976"},
        {"RantsGehRe SM", u.RantsGehRe[3], "72"},
        {"RantsGehVre SM", u.RantsGehVre[3], "43"},
        {"RantsGehP SM", u.RantsGehP[3], "2.1"},
        {"RantsReKvem SM", u.RantsReKvem[3], "74"},
        {"RantsPKvem SM", u.RantsPKvem[3], "2.1"},
        {"RantsVerbruik NAT", u.RantsVerbruik[4], "20000"},
        {"RantsAandeel NAT", u.RantsAandeel[4], "3"},
        {"RantsGehVem NAT", u.RantsGehVem[4], "1000"},
        {"RantsGehRe NAT", u.RantsGehRe[4], "200"},
        {"RantsGehVre NAT", u.RantsGehVre[4], "150"},
        {"RantsGehP NAT", u.RantsGehP[4], "5.0"},
        {"RantsReKvem NAT", u.RantsReKvem[4], "200"},
        {"RantsPKvem NAT", u.RantsPKvem[4], "5.0"},
        {"RantsVerbruik MP", u.RantsVerbruik[5], "475"},
        {"RantsAandeel MP", u.RantsAandeel[5], "0"},
        {"RantsGehVem MP", u.RantsGehVem[5], "1100"},
        {"RantsGehRe MP", u.RantsGehRe[5], "230"},
        {"RantsGehVre MP", u.RantsGehVre[5], "200"},
        {"RantsGehP MP", u.RantsGehP[5], "7.0"},
        {"RantsReKvem MP", u.RantsReKvem[5], "209"}, // 230 / 1.1
        {"RantsPKvem MP", u.RantsPKvem[5], "6.4"},
        {"RantsVerbruik KV", u.RantsVerbruik[6], "161464"},
        {"RantsAandeel KV", u.RantsAandeel[6], "25"},
        {"RantsGehVem KV", u.RantsGehVem[6], "1000"},
        {"RantsGehRe KV", u.RantsGehRe[6], "170"},
        {"RantsGehVre KV", u.RantsGehVre[6], "120"},
        {"RantsGehP KV", u.RantsGehP[6], "4.5"},
        {"RantsReKvem KV", u.RantsReKvem[6], "170"},
        {"RantsPKvem KV", u.RantsPKvem[6], "4.5"},
    };
    for (const Tekst& t : teksten)
        EXPECT_EQ(t.waarde, t.verwacht) << t.naam;
    // BEX only: nothing of the other modules.
    EXPECT_EQ(AlleenBex(u), u);
}

// Young stock only: the cows of the record are not counted.
TEST(Bereken, YoungStockFarm) {
    TTvInvoer in = BexBedrijf();
    in.Diercategorie = "JV";
    in.LftJvAan = 0;
    in.LftJvAfv = 24;
    const TTvUitvoer u = Bereken(in);
    EXPECT_EQ(u.MelkPerHa, "0");
    EXPECT_EQ(u.KvPer100kgMelk, "0");
    EXPECT_EQ(u.JvPer10Mk, "0.0");
    EXPECT_EQ(u.ExcrForfDier[1][1], "");
    EXPECT_EQ(u.ExcrForfDier[2][1], "61.8");
    EXPECT_EQ(u.MelkProdMax[1], "0");
}

// The first result already needs the silage contents; nothing is written before the error.
TEST(Bereken, FarmWithoutSilageStopsWithTheModelsMessage) {
    TTvInvoer in = BexBedrijf();
    for (int m = 1; m <= 3; ++m)
        in.Voorraden[m][kGK] = in.Voorraden[m][kSM] = TVoorraadPost{};
    TBedrijf b;
    TTvUitvoer u{};
    ExpectFout([&] { b.Bereken(in, u); }, "Geh_per_VEMKuil: Geen kuil of snijmais aanwezig");
    EXPECT_EQ(u, TTvUitvoer{});
}

namespace {

// Farms that take different roads through the model.
std::vector<TTvInvoer> Bedrijven() {
    std::vector<TTvInvoer> v = {Melkvee(), BexBedrijf(), Pinkenbedrijf()};
    TTvInvoer in = Melkvee();
    in.Jaartal = 2008; // the old allocation, by-products and maize silage shared
    in.MndWeidOMk = 3;
    in.UurWeidOMk = 20;
    in.Graasdieren[3] = 2;
    v.push_back(in);
    in = BexBedrijf();
    in.EvalNr = 12; // feed losses, fresh grass as the balancing item
    in.MndZstvOMk = 2;
    v.push_back(in);
    in = BexBedrijf();
    in.Diercategorie = "JV";
    in.LftJvAan = 2;
    in.LftJvAfv = 22;
    in.MndWeidOPi = 5;
    in.UurWeidOPi = 18;
    in.MndWeidBKa = 4;
    in.UurWeidBKa = 6;
    v.push_back(in);
    return v;
}

// Every remembered routine with every argument it knows, plus some it rejects.
std::vector<std::function<float(const TBedrijf&)>> Aanroepen() {
    std::vector<std::function<float(const TBedrijf&)>> v;
    for (const char* s : {"GK", "SM", "NAT", "NT", "KV", "MP", "VG", "TOT", ""}) {
        for (const char* c : {"HOEV", "VEM", "VRE", "RE", "RAS", "N", "P", "X"}) {
            v.push_back([=](const TBedrijf& b) { return b.Voorraad(s, c); });
            v.push_back([=](const TBedrijf& b) { return b.GehalteVerbruik(s, c); });
        }
        v.push_back([=](const TBedrijf& b) { return b.VemVerbruikGraas(s); });
        v.push_back([=](const TBedrijf& b) { return b.AandeelVoerz(s); });
        v.push_back([=](const TBedrijf& b) { return b.Verbruik(s); });
        v.push_back([=](const TBedrijf& b) { return b.DsOpname(s); });
        for (const char* g : {"N", "P", "P2O5", "VN", "K"})
            for (char p : {'J', 'W', 'Z', 'X'})
                v.push_back([=](const TBedrijf& b) { return b.Voeropname(s, g, p); });
    }
    v.push_back([](const TBedrijf& b) { return b.VemBehoefteTotaal(); });
    v.push_back([](const TBedrijf& b) { return b.VemVerdelingA(); });
    v.push_back([](const TBedrijf& b) { return b.VemVerdelingB(); });
    v.push_back([](const TBedrijf& b) { return b.VemVerdelingC(); });
    for (int s = 0; s <= 3; ++s) {
        v.push_back([=](const TBedrijf& b) { return b.ExcretieBedrijfsspecifiek(s); });
        v.push_back([=](const TBedrijf& b) { return b.ForfaitaireExcretieTotaal(s); });
    }
    return v;
}

// The value's bits, or the error's message.
std::string Uitkomst(const std::function<float(const TBedrijf&)>& f, const TBedrijf& b) {
    try {
        return std::to_string(std::bit_cast<std::uint32_t>(f(b)));
    } catch (const EModelFout& e) {
        return e.what();
    }
}

} // namespace

TEST(Onthouden, RememberedResultsAreBitIdentical) {
    const auto aanroepen = Aanroepen();
    for (const TTvInvoer& in : Bedrijven()) {
        const TBedrijf b = Bedrijf(in);
        std::vector<std::string> vers;
        for (const auto& f : aanroepen)
            vers.push_back(Uitkomst(f, b));
        TBedrijf::TOnthouden onthouden(b);
        for (int keer = 1; keer <= 2; ++keer) // filling, then from memory
            for (std::size_t i = 0; i < aanroepen.size(); ++i)
                ASSERT_EQ(Uitkomst(aanroepen[i], b), vers[i]) << "call " << i << ", farm " << in.Jaartal;
        EXPECT_EQ(Bereken(in, true), Bereken(in, false));
    }
}

TEST(Onthouden, OnlyWithinOneCalculation) {
    TBedrijf b;
    TTvUitvoer u{};
    b.Bereken(Pinkenbedrijf(), u);
    EXPECT_FLOAT_EQ(b.VemBehoefteTotaal(), 260000);
    b.nPink = 50; // outside a calculation every routine computes afresh
    EXPECT_FLOAT_EQ(b.VemBehoefteTotaal(), 130000);

    TBedrijf::TOnthouden onthouden(b);
    EXPECT_FLOAT_EQ(b.VemBehoefteTotaal(), 130000);
    TTvInvoer in = Pinkenbedrijf();
    in.nPink = 10;
    b.ZetInvoer(in); // new input forgets what was remembered
    EXPECT_FLOAT_EQ(b.VemBehoefteTotaal(), 26000);
}

TEST(Onthouden, ACopyStartsWithNothingRemembered) {
    TBedrijf b = Bedrijf(Pinkenbedrijf());
    TBedrijf::TOnthouden onthouden(b);
    EXPECT_FLOAT_EQ(b.VemBehoefteTotaal(), 260000);
    TBedrijf kopie = b;
    kopie.nPink = 50;
    EXPECT_FLOAT_EQ(kopie.VemBehoefteTotaal(), 130000);
    b = kopie; // other fields: what b remembered is void
    EXPECT_FLOAT_EQ(b.VemBehoefteTotaal(), 130000);
}
