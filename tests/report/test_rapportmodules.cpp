// The BEA, BEP and BEN result pages on a recording surface.
#include "RapportToets.h"

#include <tuple>

namespace {

TMomentopname AlleModules() {
    TMomentopname m = VoorbeeldOpname();
    m.ModuleBEA = m.ModuleBEP = m.ModuleBEN = true;
    return m;
}

TEST(RapportBEA, EmissiePerBron) {
    TMomentopname m = AlleModules();
    TTvUitvoer& u = m.Uitvoer;
    const std::tuple<ars4*, const char*, int> bronnen[] = {
        {&u.EmNh3Tot, "Total", 9},
        {&u.EmNh3Stal, "- stable and manure storage", 10},
        {&u.EmNh3Omb, "- liquid manure on arable land", 11},
        {&u.EmNh3Omg, "- liquid manure on grassland", 12},
        {&u.EmNh3Kmb, "- art. fertilizer on arable land", 13},
        {&u.EmNh3Kmg, "- art. fertilizer on grassland", 14},
        {&u.EmNh3Beweid, "- grazing", 15},
    };
    for (const auto& [veld, label, rij] : bronnen)
        for (int i = 1; i <= 4; ++i)
            (*veld)[i] = std::to_string(rij * 10 + i);
    u.EmNh3Beweid[2] = "0";
    const TOpnameCanvas c = Teken(m, 3);
    Controleer(c, {{"Results BEA (Normen 2011)", 0, 0, 5, 11, true},
                   {"NH3", 2, 30, 7, 11, true},
                   {"(kg/GVE)", 2, 30, 8, 10, true}});
    for (const auto& [veld, label, rij] : bronnen) {
        EXPECT_EQ(TekstenOpRij(c, rij).size(), 5) << label;
        Controleer(c, {QString::fromLatin1(label), 0, 0, double(rij)});
        for (int i = 1; i <= 4; ++i)
            Controleer(c, {QString::fromStdString((*veld)[i]), 2, 6.0 + 6 * i, double(rij)});
    }
    const std::vector<std::pair<int, TKleur>> banden = {{5, kTitelBand}, {7, kSectieBand}, {17, kSectieBand}};
    EXPECT_EQ(Banden(c), banden);
}

// The standards table is fixed and printed with the current decimal sign.
TEST(RapportBEA, NormentabelMetDecimaalteken) {
    for (const QChar teken : {QLatin1Char(','), QLatin1Char('.')}) {
        TMomentopname m = AlleModules();
        m.Decimaalteken = teken;
        const TOpnameCanvas c = Teken(m, 3);
        const auto d = [&](const char* s) { return QString::fromLatin1(s).replace('.', teken); };
        Controleer(c, {{"> 18 ton", 2, 30, 19, 11, true},
                       {"milk ha-1", 2, 12, 20, 11, true},
                       {"(kg NH3/ton milk)", 2, 30, 21, 10, true}});
        const std::tuple<const char*, int, std::array<const char*, 4>> rijen[] = {
            {"Clay", 22, {"5.1", "3.9", "3.4", "2.9"}},     {"Peat", 23, {"5.1", "4.7", "4.0", "3.4"}},
            {"Wet sand", 24, {"4.5", "3.5", "3.0", "2.4"}}, {"Dry sand", 25, {"4.2", "3.5", "3.0", "2.4"}},
            {"AVERAGE", 27, {"4.9", "4.0", "3.5", "2.9"}},
        };
        for (const auto& [grond, rij, normen] : rijen) {
            Controleer(c, {QString::fromLatin1(grond), 0, 0, double(rij)});
            for (int i = 1; i <= 4; ++i)
                Controleer(c, {d(normen[static_cast<std::size_t>(i - 1)]), 2, 6.0 + 6 * i, double(rij)});
        }
        EXPECT_TRUE(TekstenOpRij(c, 26).isEmpty());
    }
}

TMomentopname BepOpname() {
    TMomentopname m = AlleModules();
    m.Teksten.insert("SttBepJaar", "Last year:");
    m.Teksten.insert("SttBepJaar3", "Average last 3 years:");
    m.Teksten.insert("SttBepBasis",
                     "Note: Application standards phosphate and manure disposal are calculated based on "
                     "the area and P-status of the last year.");
    TTvUitvoer& u = m.Uitvoer;
    u.AfgGrasH = "101", u.AfgGrasN = "102", u.AfgGrasL = "103";
    u.AfgMaisH = "", u.AfgMaisN = "", u.AfgMaisL = "";
    u.AfgBouwH = "107", u.AfgBouwN = "108", u.AfgBouwL = "109";
    u.AfgGrasH3 = "201", u.AfgGrasN3 = "202", u.AfgGrasL3 = "203";
    u.AfgMaisH3 = "204", u.AfgMaisN3 = "205", u.AfgMaisL3 = "206";
    u.AfgBouwH3 = "207", u.AfgBouwN3 = "208", u.AfgBouwL3 = "209";
    u.FosfHaGeneriek = "35", u.FosfHaSpecifiek = "36", u.FosfHaSpecifiek3 = "37";
    u.FosfGeneriek = "40", u.FosfSpecifiek3 = "41";
    u.BepExcretieBex = "45", u.BepMestafzetForf = "46", u.BepMestafzetSpec = "47";
    return m;
}

TEST(RapportBEP, RijenEnAfgeleideNormen) {
    const TOpnameCanvas c = Teken(BepOpname(), 4);
    Controleer(
        c,
        {
            {"Results BEP", 0, 0, 5, 11, true},
            {" Used amount of phosphate on own farm", 0, 0, 7},
            {"= on own farm produced amount of phosphate wih grass(silage) and maïze (=soil extraction)", 0,
             0, 12},
            {"Of these FARM-SPECIFIC APPLICATION STANDARD FOR  PHOSPHATE   a standard  is derived for grass "
             "and maize",
             0, 0, 14},
            {"also shown in the table:  derivative state standards for every phosphate status.", 0, 0, 21},
            {"Neutral", 2, 26, 23, 11, true},
            {"- grassland (kg ha-1)", 0, 1, 26},
            {"101", 2, 22, 26},
            {"102", 2, 26, 26},
            {"103", 2, 30, 26},
            {"109", 2, 30, 28},
            {"205", 2, 26, 31},
            {"36", 2, 22, 36},
            {"41", 2, 22, 41},
            {"47", 2, 22, 47},
            {"Note: Application standards phosphate and manure disposal are calculated based on the area "
             "and P-status of the last year.",
             0, 0, 50},
        });
    // The period captions underlined; the empty maize standards print as nothing.
    for (const auto& [tekst, rij] : {std::pair{"Last year:", 25}, std::pair{"Average last 3 years:", 29}}) {
        const auto op = OpRij(c, rij);
        ASSERT_EQ(op.size(), 1u) << tekst;
        EXPECT_EQ(op[0]->Tekst, tekst);
        EXPECT_TRUE(op[0]->Font.Underline);
    }
    EXPECT_EQ(TekstenOpRij(c, 27), QStringList("- maize (kg ha-1)"));
    const std::vector<std::pair<int, TKleur>> banden = {
        {5, kTitelBand}, {23, kSectieBand}, {34, kSectieBand}, {39, kSectieBand}, {44, kSectieBand}};
    EXPECT_EQ(Banden(c), banden);
}

// Both advantage rows take the colour of the manure-disposal advantage, whatever their
// own sign; the labels stay black.
TEST(RapportBEP, VoordeelKleurtVolgensMestafzet) {
    const std::tuple<const char*, const char*, const char*, TKleur> gevallen[] = {
        {"+150", "-2", "+150", kVoordeel},
        {"-150", "+2", "-150", kNadeel},
        {"+150", "+2", "0", kZwart},
        {"", "", "", kZwart},
    };
    for (const auto& [voordeel, pc, mestafzet, kleur] : gevallen) {
        TMomentopname m = BepOpname();
        m.Uitvoer.FosfVoordeel = voordeel;
        m.Uitvoer.FosfPcVoordeel = pc;
        m.Uitvoer.BepMestafzetVoor = mestafzet;
        const TOpnameCanvas c = Teken(m, 4);
        SCOPED_TRACE(mestafzet);
        Controleer(c, {{QString::fromLatin1(voordeel), 2, 22, 42, 10, true, kleur},
                       {QString::fromLatin1(pc), 2, 24, 42, 10, true, kleur},
                       {QString::fromLatin1(mestafzet), 2, 22, 48, 10, true, kleur},
                       {"Advantage use of farm-specific application standard (kg)", 0, 0, 42, 10, true},
                       {"Advantage use of farm-specific application (P)standard (kg)", 0, 0, 48, 10, true}});
        // The band after the advantage row is headed in black.
        Controleer(c, {"Manure disposal based on phosphate *", 0, 0, 44, 11, true});
    }
}

TEST(RapportBEN, RegelsZonderKleur) {
    TMomentopname m = AlleModules();
    TTvUitvoer& u = m.Uitvoer;
    u.NoverGrasBerek = "180", u.NoverGrasToeg = "140", u.NoverGrasVerschil = "+40";
    u.NoverMaisBerek = "90", u.NoverMaisToeg = "100", u.NoverMaisVerschil = "-10";
    u.NitraatGras = "35", u.NitraatMais = "51", u.DenitriGras = "60", u.DenitriMais = "20";
    u.LachgasGras = "4.1", u.LachgasMais = "2.2";
    const TOpnameCanvas c = Teken(m, 5);
    // The differences in black, whatever their sign.
    Controleer(c, {
                      {"Results BEN", 0, 0, 5, 11, true},
                      {"N", 2, 22, 8, 11, true},
                      {"180", 2, 22, 11},
                      {"+40", 2, 22, 13},
                      {"- calculated surplus(kg ha-1)", 0, 0, 15},
                      {"-10", 2, 22, 17},
                      {"NO3", 2, 22, 19, 11, true},
                      {"maize", 0, 0, 21},
                      {"51", 2, 22, 21},
                      {"20", 2, 22, 25},
                      {"N2O", 2, 22, 27, 11, true},
                      {"2.2", 2, 22, 29},
                  });
    EXPECT_EQ(TekstenOpRij(c, 10), QStringList("Grassland:"));
    const std::vector<std::pair<int, TKleur>> banden = {
        {5, kTitelBand}, {8, kSectieBand}, {19, kSectieBand}, {23, kSectieBand}, {27, kSectieBand}};
    EXPECT_EQ(Banden(c), banden);
}

} // namespace
