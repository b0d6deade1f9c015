#include "Boerderij.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

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
    // The N and P2O5 texts.
    const std::pair<const ars2*, std::array<const char*, 2>> perSoort[] = {
        {&u.ExcrSpecExc, {"10537", "3998"}},     // 10536.52, 3998.00
        {&u.ExcrSpecInc, {"10015", "3800"}},     // 10014.79, 3799.90
        {&u.ExcrForf, {"11696", "4356"}},        // 11695.5, 4355.5
        {&u.ExcrVoordeel, {"+1681", "+556"}},    // 11695.5 - 10014.79, 555.60
        {&u.GebrNorm, {"8750", "3125"}},         //
        {&u.MestafzForf, {"2946", "1231"}},      // 11695.5 - 8750 = 2945.5, 1230.5
        {&u.MestafzSpec, {"1265", "675"}},       // 10014.79 - 8750, 674.90
        {&u.MestafzVoordeel, {"+1681", "+556"}}, //
        {&u.Efficientie, {"26", "32"}},          // 4154.97 / 16259.81 = 25.6 %, 1823.74 / 5785.74 = 31.5 %
        {&u.PcVoordeelSpec, {"+14.4", "+12.8"}}, // 1680.71 / 11695.5, 555.60 / 4355.5
        // 19428.57 x 8750 / 10014.79, 19428.57 x 3125 / 3799.90
        {&u.MelkProdMax, {"16975", "15978"}},
    };
    for (std::size_t r = 0; r < std::size(perSoort); ++r)
        for (int s = 1; s <= 2; ++s)
            EXPECT_EQ((*perSoort[r].first)[s], perSoort[r].second[static_cast<std::size_t>(s - 1)])
                << r << " " << s;
    // Norm per animal of the cows, heifers, calves and other animals.
    const char* const perDier[4][2] = {{"112.4", "42.6"}, {"61.8", "22.3"}, {"29.9", "9.7"}, {"10.2", "3.6"}};
    for (int c = 1; c <= 4; ++c)
        for (int s = 1; s <= 2; ++s)
            EXPECT_EQ(u.ExcrForfDier[c][s], perDier[c - 1][s - 1]) << c << " " << s;
    // Ration of the herd: 650.71 million VEM, its need (64601 x 960 + 228230 x 932.73 +
    // 180198 x 975.77 + 20000 x 1000 + 179404 x 1000.2 + 500 x 1100), over 672933 kg with
    // 101632 kg RE, 16259.81 kg N and 2526.52 kg P.
    EXPECT_EQ(u.GehRantsoen[1], "967");
    EXPECT_EQ(u.GehRantsoen[2], "151");
    EXPECT_EQ(u.GehRantsoen[3], "24.2");
    EXPECT_EQ(u.GehRantsoen[4], "3.8");
    EXPECT_EQ(u.MelkPerHa, "19429");   // 680000 / 35
    EXPECT_EQ(u.JvPer10Mk, "6.9");     // 55 / 8
    EXPECT_EQ(u.KvPer100kgMelk, "26"); // 179404 / 6800 = 26.4
    // The ration by kind: dry matter used, its share, VEM, RE, VRE and P per kg dry matter,
    // RE and P per kVEM. Dry matter: fresh grass 64601, grass silage 228230, maize silage
    // 180198, by-products 20000, milk powder 500 x 0.95, concentrates 179404 x 0.9 = 161464;
    // together 654968 kg with 650.71 million VEM, 101632 kg RE, 69697 kg VRE, 2526.52 kg P.
    const ars06* figuren[8] = {&u.RantsVerbruik, &u.RantsAandeel, &u.RantsGehVem, &u.RantsGehRe,
                               &u.RantsGehVre,   &u.RantsGehP,    &u.RantsReKvem, &u.RantsPKvem};
    const char* const rantsoen[7][8] = {
        {"654968", "100", "994", "155", "106", "3.9", "156", "3.9"}, // TOT
        // VG, 9.9 %: RE 6000 x 0.0348333, VRE 209 x (0.0588 x 209 + 71.14) / 100, P 960 x 0.00470312
        {"64601", "10", "960", "209", "174", "4.5", "218", "4.7"},
        {"228230", "35", "933", "177", "114", "4.1", "190", "4.4"},  // GK: VEM 307.15 million / 329303
        {"180198", "28", "976", "72", "43", "2.1", "74", "2.1"},     // SM
        {"20000", "3", "1000", "200", "150", "5.0", "200", "5.0"},   // NAT
        {"475", "0", "1100", "230", "200", "7.0", "209", "6.4"},     // MP: RE per kVEM 230 / 1.1
        {"161464", "25", "1000", "170", "120", "4.5", "170", "4.5"}, // KV
    };
    for (int k = 0; k <= 6; ++k)
        for (int f = 0; f < 8; ++f)
            EXPECT_EQ((*figuren[f])[k], rantsoen[k][f]) << "kind " << k << ", figure " << f;
    // BEX only: nothing of the other modules.
    EXPECT_EQ(AlleenBex(u), u);
}

// The complete calculation of the all-modules farm (AlleModulesBedrijf, 2012): the BEX farm
// above, so its BEX block is unchanged; every ammonia, phosphate and nitrogen text worked
// out by hand from the figures of the BEX calculation.
//
// Hours: 6 months of limited grazing at 8 hours: summer in the house 6 x 16 x 30.5 x 100 /
// 8760 = 33.4247 %, at pasture 6 x 8 x ... = 16.7123 %, the summer 183 / 365 = 50.1370 %, the
// winter 49.8630 %. Excretion 12104.84 (herd) + 102 (sheep) = 12206.84 kg N: winter in the
// house 6086.70, summer in the house 4080.09, at pasture 2040.05.
// TAN: digestible N eaten in the winter 5276.95, in the summer 5874.16 kg, N eaten 7975.73
// and 8284.08 kg (the intake by period), less the retention 4154.97 by share of the year:
// TAN 54.2885 % of the winter's N, 61.1361 % of the summer's. TAN in the house: winter
// 0.542885 x 6086.70 = 3304.40 + 10 % of the rest 278.22 = 3582.61; summer 2652.98.
// House without low emission: ammonia 3582.61 x 11.5 % + 2652.98 x (33.4247 / 50.1370 x
// 12.9 % + 16.7123 / 50.1370 x 16.1 %) = 412.00 + 370.53 = 782.53 kg N; other gases 2.9 %
// and 2.5 %: 170.22; together 952.75. TAN leaving the house (6235.59 - 952.75) / (10166.79
// - 952.75) = 57.3346 %.
// Manure after the house 9214.04 less the disposal 1778.72 (MestNaStal test): 7435.32;
// 700 kg on arable land, 6735.32 on grassland.
// Emission in kg N, times 17.031 / 14.007 for NH3: house 782.53 (951.48); grassland
// 0.573346 x 6735.32 x (0.7 x 19 % + 0.3 x 26 %) = 814.80 (990.72); arable land 0.573346 x
// 700 x (0.5 x 22 % + 0.5 x 2 %) = 48.16 (58.56); fertiliser 174 (211.57) and 10.6 (12.89);
// grazing 0.611361 x 2040.05 x 3.3 % = 41.16 (50.04); total 2275.25 kg NH3. Per ha of 35 ha,
// per ton of 680 ton milk, per 98.67 livestock units.
// Phosphate (Fosfaatbalans test): excretion 1730.13, purchases 911.01 and 359.53, removal
// 856.39 kg P, yield 80.01 kg P2O5 per ha. The own harvest: 291.68 kg P of fresh grass +
// (1260 - 120) kg of grass silage + (525 - 399) kg of maize silage + 60 kg sold: 1617.68 kg
// P scales the yield by c = 1187.99 / 1617.68 = 0.734379. Grassland (291.68 + 1140 + 60) x
// c x 2.29 / 30 ha = 83.62; maize land 126 x c x 2.29 / 4 ha = 52.97; the other hectare of
// arable land 60. Three years: grassland (83.62 + 95 + 100) / 3 = 92.87, maize land (52.97
// + 70) / 2 = 61.49 (the second year is not entered). Low status +10 on grassland and +15
// on arable land, high -10: grassland 93.62, 83.62, 73.62, maize 67.97, 52.97, 42.97, other
// arable land 75, 60, 50; three-year grassland 102.87, 92.87, 82.87, maize 76.49, 61.49,
// 51.49. Weighed by area 2730.49 kg, three-year 3042.15. Per ha: generic 3125 / 35 =
// 89.29, farm-specific 2730.49 / 35 = 78.01, three-year 3042.15 / 35 = 86.92.
// Nitrogen (Stikstofbalans test): grassland 186 against 134 on sand VI; maize land 116
// against 48 on sand VII-VIII.
TEST(Bereken, CompleteFarmWithEveryModuleByHand) {
    const TTvUitvoer u = Bereken(AlleModulesBedrijf());
    EXPECT_EQ(AlleenBex(u), Bereken(BexBedrijf()));
    struct Tekst {
        const char* naam;
        const std::string& waarde;
        const char* verwacht;
    };
    const std::vector<Tekst> teksten = {
        // Phosphate.
        {"P_excretie", u.P_excretie, "1730"},
        {"P_aanvoerkv", u.P_aanvoerkv, "911"},
        {"P_aanvoerrv", u.P_aanvoerrv, "360"}, // 359.53
        {"P_afvoer", u.P_afvoer, "856"},
        {"P_normspec", u.P_normspec, "80"},
        {"AfgGrasH", u.AfgGrasH, "73.6"},
        {"AfgGrasN", u.AfgGrasN, "83.6"},
        {"AfgGrasL", u.AfgGrasL, "93.6"},
        {"AfgMaisH", u.AfgMaisH, "43.0"}, // 42.97
        {"AfgMaisN", u.AfgMaisN, "53.0"},
        {"AfgMaisL", u.AfgMaisL, "68.0"},
        {"AfgBouwH", u.AfgBouwH, "50.0"},
        {"AfgBouwN", u.AfgBouwN, "60.0"},
        {"AfgBouwL", u.AfgBouwL, "75.0"},
        {"AfgGrasH3", u.AfgGrasH3, "82.9"},
        {"AfgGrasN3", u.AfgGrasN3, "92.9"},
        {"AfgGrasL3", u.AfgGrasL3, "102.9"},
        {"AfgMaisH3", u.AfgMaisH3, "51.5"},
        {"AfgMaisN3", u.AfgMaisN3, "61.5"},
        {"AfgMaisL3", u.AfgMaisL3, "76.5"},
        {"AfgBouwH3", u.AfgBouwH3, "50.0"},
        {"AfgBouwN3", u.AfgBouwN3, "60.0"},
        {"AfgBouwL3", u.AfgBouwL3, "75.0"},
        {"FosfHaGeneriek", u.FosfHaGeneriek, "89.3"},
        {"FosfHaSpecifiek", u.FosfHaSpecifiek, "78.0"},
        {"FosfHaSpecifiek3", u.FosfHaSpecifiek3, "86.9"},
        {"FosfSpecifiek", u.FosfSpecifiek, "2730"},
        {"FosfSpecifiek3", u.FosfSpecifiek3, "3042"},
        {"FosfGeneriek", u.FosfGeneriek, "3125"},
        {"FosfVoordeel", u.FosfVoordeel, "-83"},       // 3042.15 - 3125
        {"FosfPcVoordeel", u.FosfPcVoordeel, "(-3%)"}, // -2.65 %
        {"BepExcretieBex", u.BepExcretieBex, "3800"},
        {"BepMestafzetSpec", u.BepMestafzetSpec, "758"}, // 3799.90 - 3042.15
        {"BepMestafzetForf", u.BepMestafzetForf, "675"}, // 3799.90 - 3125
        {"BepMestafzetVoor", u.BepMestafzetVoor, "-83"},
        // Nitrogen: grassland on sand VI, maize land on sand VII-VIII.
        {"NoverGrasBerek", u.NoverGrasBerek, "186"},
        {"NoverGrasToeg", u.NoverGrasToeg, "134"},
        {"NoverGrasVerschil", u.NoverGrasVerschil, "52"},
        {"NitraatGras", u.NitraatGras, "70"},  // 186 x 0.28 = 52.08 kg; 5208 / 329 x 62/14
        {"DenitriGras", u.DenitriGras, "134"}, // 133.92
        {"LachgasGras", u.LachgasGras, "21"},  // 133.92 x 0.1 x 44/28
        {"NoverMaisBerek", u.NoverMaisBerek, "116"},
        {"NoverMaisToeg", u.NoverMaisToeg, "48"},
        {"NoverMaisVerschil", u.NoverMaisVerschil, "68"},
        {"NitraatMais", u.NitraatMais, "120"}, // 116 x 1.06 = 122.96 kg; 12296 / 453 x 62/14
        {"DenitriMais", u.DenitriMais, "0"},
        {"LachgasMais", u.LachgasMais, "0"},
    };
    for (const Tekst& t : teksten)
        EXPECT_EQ(t.waarde, t.verwacht) << t.naam;
    // Ammonia of each source and the total, kg NH3 per farm, per ha, per ton of milk and per
    // livestock unit.
    const std::pair<const ars4*, std::array<const char*, 4>> ammoniak[] = {
        {&u.EmNh3Stal, {"951", "27.2", "1.40", "9.6"}},  // 951.48, 27.185, 1.3992, 9.643
        {&u.EmNh3Omg, {"991", "28.3", "1.46", "10.0"}},  // 990.72, 28.306, 1.4569, 10.041
        {&u.EmNh3Omb, {"59", "1.7", "0.09", "0.6"}},     // 58.56, 1.673, 0.0861, 0.593
        {&u.EmNh3Kmg, {"212", "6.0", "0.31", "2.1"}},    // 211.57, 6.045, 0.3111, 2.144
        {&u.EmNh3Kmb, {"13", "0.4", "0.02", "0.1"}},     // 12.89, 0.368, 0.0190, 0.131
        {&u.EmNh3Beweid, {"50", "1.4", "0.07", "0.5"}},  // 50.04, 1.430, 0.0736, 0.507
        {&u.EmNh3Tot, {"2275", "65.0", "3.35", "23.1"}}, // 2275.25, 65.007, 3.3460, 23.059
    };
    for (std::size_t r = 0; r < std::size(ammoniak); ++r)
        for (int e = 1; e <= 4; ++e)
            EXPECT_EQ((*ammoniak[r].first)[e], ammoniak[r].second[static_cast<std::size_t>(e - 1)])
                << r << " " << e;

    // The figures only the dump reads.
    EXPECT_NEAR(u.N_Opname_vee, 16259.81, 0.01);
    EXPECT_NEAR(u.N_Excretie_vee, 12104.84, 0.01);
    EXPECT_NEAR(u.N_VastlegMelk, 3730.41, 0.01);
    EXPECT_NEAR(u.N_VastlegMk, 103.68, 0.01);
    EXPECT_NEAR(u.N_VastlegJv, 320.88, 0.01); // 160.38 + 160.5
    EXPECT_NEAR(u.MestWS, 6086.70, 0.01);
    EXPECT_NEAR(u.MestZS, 4080.09, 0.01);
    EXPECT_NEAR(u.MestZW, 2040.05, 0.01);
    EXPECT_NEAR(u.PcTanWS_excr, 54.2885, 1e-4);
    EXPECT_NEAR(u.PcTanZS_excr, 61.1361, 1e-4);
    EXPECT_EQ(u.PcTanZW_excr, u.PcTanZS_excr); // by period only
    // (6086.70 x 54.2885 + 6120.14 x 61.1361) / 12206.84
    EXPECT_NEAR(u.PcTanJR_excr, 57.7217, 1e-4);
    EXPECT_NEAR(u.PcUrenWS, 49.8630, 1e-4);
    EXPECT_NEAR(u.PcUrenZS, 33.4247, 1e-4);
    EXPECT_NEAR(u.PcUrenZW, 16.7123, 1e-4);
    EXPECT_NEAR(u.PcTan_uitrmst, 57.3346, 1e-4);
    EXPECT_NEAR(u.Ngras_toed, 6735.32, 0.01);
    // By feed kind VG, GK, SM, NAT, MP, KV: N per kg dry matter (milk powder and concentrates
    // per kg product / 0.95 and / 0.9), and the dry matter back from the N eaten.
    const float dsOpname[7] = {0, 64601.43f, 228229.6f, 180197.8f, 20000, 475, 161463.8f};
    const float vcre[7] = {0,     174.367f / 209, 113.818f / 177.273f,  43.4231f / 72.4615f,
                           0.75f, 200 / 230.0f,   120.0123f / 170.0036f};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_NEAR(u.OpnameJ_kgds[i], dsOpname[i], dsOpname[i] * 1e-5) << i;
        EXPECT_NEAR(u.OpnameW_N[i] + u.OpnameZ_N[i], u.OpnameJ_N[i], u.OpnameJ_N[i] * 1e-5) << i;
        EXPECT_NEAR(u.Voer_VCRE[i], vcre[i], 1e-4) << i;
    }
    EXPECT_NEAR(u.Voer_N[5], 36 * 1.0526316f, 1e-4);
    EXPECT_NEAR(u.OpnameJ_N[6], 4879.90, 0.01);
    EXPECT_EQ(u.OpnameW_N[1], 0); // fresh grass is summer food
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
    v.push_back(AlleModulesBedrijf());
    in = AlleModulesBedrijf(); // low emission, disposal entered, no maize, clay
    in.TypeStal = "EMARM2";
    in.MstAfvOpg = true;
    in.DrijfAfv = 3000;
    in.OppMaisN = 0;
    in.GrondGras = "KLEI";
    in.MndWeidBMk = 0;
    in.MndWeidOMk = 12;
    in.UurWeidOMk = 24;
    v.push_back(in);
    in = AlleModulesBedrijf(); // zero grazing, every silage purchased
    in.MndWeidBMk = 0;
    in.MndZstvOMk = 5;
    in.Aankoop[mAanleg][kGK] = {300000, 4.2f, 180, 940};
    in.Aankoop[mAanleg][kSM] = {250000, 2.1f, 72, 980};
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
        v.push_back([=](const TBedrijf& b) { return b.ExcretieOverigeDieren(0, s); });
        for (const char* g : {"VEE", "MELK", "MK", "PI", "KA", "X"})
            v.push_back([=](const TBedrijf& b) { return b.Vastlegging(g, s); });
    }
    for (const char* s : {"TOTAAL", "WEIDB", "WEIDO", "ZSTVB", "ZSTVO", "X"})
        v.push_back([=](const TBedrijf& b) { return b.OpnameDsGras(s); });
    for (const char* c : {"N", "P", "RE", "VRE", "VEM", "X", ""}) {
        v.push_back([=](const TBedrijf& b) { return b.Geh_per_VEM(c); });
        v.push_back([=](const TBedrijf& b) { return b.RantsoenVEM("TOT"); });
        for (const char* s : {"TOT", "T", "VG", "NT"}) {
            v.push_back([=](const TBedrijf& b) { return b.RantsoenRE(s); });
            v.push_back([=](const TBedrijf& b) { return b.RantsoenP(s); });
        }
    }
    for (const char* s : {"GK", "SM", "NAT", "NT", "KV", "MP", "VG", "G", ""})
        for (const char* c : {"HOEV", "VEM", "VRE", "RE", "N", "P", "H", "VEMX", "X"}) {
            v.push_back([=](const TBedrijf& b) { return b.VerbruikStal(s, c); });
            v.push_back([=](const TBedrijf& b) { return b.Gehalte(s, c); });
        }
    // Ammonia, phosphate and nitrogen.
    for (char wz : {'W', 'Z', 'T', 'J'})
        for (char sw : {'S', 'W', 'T', 'X'}) {
            v.push_back([=](const TBedrijf& b) { return b.ExcretieDeel(wz, sw); });
            v.push_back([=](const TBedrijf& b) { return b.TANExcretie(wz, sw); });
        }
    for (char wz : {'W', 'Z', 'T', 'J'}) {
        v.push_back([=](const TBedrijf& b) { return b.TAN_Stal(wz); });
        for (const char* gas : {"AMMONIAK", "OVERIG", "TOTAAL", "A", "X", ""})
            v.push_back([=](const TBedrijf& b) { return b.Emissie_Stal(wz, gas); });
    }
    v.push_back([](const TBedrijf& b) { return b.PcTanUitStal(); });
    v.push_back([](const TBedrijf& b) { return b.MestNaStal(); });
    v.push_back([](const TBedrijf& b) { return b.NGrasToediening(); });
    for (char e : {'B', 'H', 'M', 'G', 'X'})
        for (const char* bron :
             {"STAL", "OMG", "OMB", "KMG", "KMB", "BEWEID", "TOT", "S", "KM", "OMX", "X", ""})
            v.push_back([=](const TBedrijf& b) { return b.AmmoniakEmissie(e, bron); });
    v.push_back([](const TBedrijf& b) { return b.POpbrengst(); });
    v.push_back([](const TBedrijf& b) { return b.POpbrengstPerHa(); });
    for (char k : {'L', 'N', 'H', 'X'}) {
        v.push_back([=](const TBedrijf& b) { return b.BepGras(k); });
        v.push_back([=](const TBedrijf& b) { return b.BepMais(k); });
        v.push_back([=](const TBedrijf& b) { return b.BepGrasKlasse(k); });
        v.push_back([=](const TBedrijf& b) { return b.BepMaisKlasse(k); });
    }
    v.push_back([](const TBedrijf& b) { return b.BepTotaal(); });
    v.push_back([](const TBedrijf& b) { return b.BepBedrijf(); });
    v.push_back([](const TBedrijf& b) { return b.BepRuimte(); });
    for (char g : {'G', 'M', 'X'}) {
        for (char s : {'B', 'T', 'V', 'X'})
            v.push_back([=](const TBedrijf& b) { return b.NOverschot(g, s); });
        v.push_back([=](const TBedrijf& b) { return b.NitraatConcentratie(g); });
        v.push_back([=](const TBedrijf& b) { return b.Lachgas(g); });
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
