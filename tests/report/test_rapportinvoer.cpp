// The input page and the module input page on a recording surface.
#include "RapportToets.h"

#include <tuple>

namespace {

// Sets controls' texts and, for numbers, their values.
void Zet(TMomentopname& m, std::initializer_list<std::pair<const char*, const char*>> teksten) {
    for (const auto& [naam, tekst] : teksten) {
        m.Teksten.insert(QString::fromLatin1(naam), QString::fromLatin1(tekst));
        bool getal = false;
        const double v = QString::fromLatin1(tekst).toDouble(&getal);
        if (getal) m.Waarden.insert(QString::fromLatin1(naam), v);
    }
}

// The input lines from a row on: each label at column 0 with its value at column 17.
void ControleerRegels(const TOpnameCanvas& c, int vanaf,
                      const std::vector<std::pair<const char*, const char*>>& regels) {
    for (const auto& [label, waarde] : regels) {
        const auto op = OpRij(c, vanaf++);
        ASSERT_EQ(op.size(), 2u) << label;
        EXPECT_EQ(std::tie(op[0]->Tekst, op[0]->X), std::make_tuple(QString::fromLatin1(label), kLinks));
        EXPECT_EQ(std::tie(op[1]->Tekst, op[1]->X),
                  std::make_tuple(QString::fromLatin1(waarde), KolomX(17, 0, "")));
    }
}

TMomentopname InvoerOpname(const char* jaar, const char* groep) {
    TMomentopname m = VoorbeeldOpname();
    m.Diercategorie = QString::fromLatin1(groep);
    Zet(m, {{"SpeJaartal", jaar},     {"SpeOppGras", "40.5"},    {"SpeOppBouw", "10.25"},
            {"SpeOppGrasL", "1"},     {"SpeOppGrasN", "2"},      {"SpeOppGrasH", "3"},
            {"SpeOppBouwL", "4"},     {"SpeOppBouwN", "5"},      {"SpeOppBouwH", "6"},
            {"SpeMndWeidBMk", "6"},   {"SpeUurWeidBMk", "8"},    {"SpeMndWeidOMk", "0"},
            {"SpeMndZstvBMk", "0"},   {"SpeMndZstvOMk", "2.5"},  {"CbxRas", "Jersey"},
            {"SpenKoe", "100"},       {"SpeDrijfMk", "90"},      {"SpenKalf", "30"},
            {"SpeDrijfKa", "50"},     {"LblMelkprod", "8500"},   {"SpeVet", "4.40"},
            {"SpeEiwit", "3.50"},     {"SpeMndWeidBKa", "3"},    {"SpeUurWeidBKa", "6"},
            {"SpeMndWeidOKa", "0"},   {"SpeMndWeidBPi", "0"},    {"SpeMndWeidOPi", "5"},
            {"SpeUurWeidOPi", "24"},  {"LblExcretieN2", "70.1"}, {"LblExcretieN3", "34.2"},
            {"LblExcretieP1", "41.0"}});
    for (int i = 1; i <= 13; ++i)
        m.Teksten.insert("LblGraas" + QString::number(i),
                         QStringLiteral("Category %1 (cat.%2)").arg(i).arg(100 + i));
    m.Teksten.insert("LblGraas1", "Graze- and suckler cows, liq. manure (cat.120)");
    m.Teksten.insert("LblGraas13", "Ponies");
    m.Teksten.insert("SpeGraas13", "0");
    return m;
}

// The land lines: total areas for a year up to 2009 without BEP, by phosphate class from
// 2010 or with BEP.
TEST(RapportInvoer, OppervlakteNaarJaarEnBEP) {
    const std::tuple<const char*, bool, const char*, const char*> gevallen[] = {
        {"2009", false, "Oppervlakte grasland", "40.5"},
        {"2010", false, "Area grassland, low/neutral/high (ha)", "1 / 2 / 3"},
        {"2009", true, "Area grassland, low/neutral/high (ha)", "1 / 2 / 3"},
    };
    for (const auto& [jaar, bep, label, waarde] : gevallen) {
        TMomentopname m = InvoerOpname(jaar, "MK");
        m.ModuleBEP = bep;
        const TOpnameCanvas c = Teken(m, bep ? 5 : 4);
        ControleerRegels(c, 8, {{label, waarde}});
        EXPECT_EQ(TekstenOpRij(c, 9).value(0), bep || QLatin1String(jaar) == "2010"
                                                   ? "Area arable land, low/neutral/high (ha)"
                                                   : "Oppervlakte bouwland");
    }
}

// Grazing lines only where their months are above 0; then the herd; the thirteen other
// animals with the caption cut before "(cat", a category with 0 animals included.
TEST(RapportInvoer, MelkveeEnOverigeGraasdieren) {
    const TOpnameCanvas c = Teken(InvoerOpname("2010", "MK"), 4);
    Controleer(c, {{"Input", 0, 0, 5, 11, true}, {"Dairy farm", 0, 0, 7, 11, true}});
    ControleerRegels(c, 10,
                     {{"Dairy cattle: limited grazing", "6 month, 8 hour dag-1"},
                      {"Dairy cattle: zero grazing unlimited", "2.5 month"},
                      {"Breed cows", "Jersey"},
                      {"No. of cows", "100 (90% liquid manure)"}});
    ControleerRegels(c, 17, {{"Milk production per cow (kg)", "8500 (4.40% fat, 3.50% protein)"}});
    ControleerRegels(c, 20, {{"Excretion standard forfait phosphate (kg/cow)", "41.0"}});
    Controleer(c, {"Other grazing animals", 0, 0, 22, 11, true});
    ControleerRegels(c, 23, {{"Graze- and suckler cows, liq. manure ", ""}, {"Category 2 ", ""}});
    ControleerRegels(c, 35, {{"Ponies", "0"}});
    const std::vector<std::pair<int, TKleur>> banden = {{5, kTitelBand}, {7, kSectieBand}, {22, kSectieBand}};
    EXPECT_EQ(Banden(c), banden);
}

TEST(RapportInvoer, Jongvee) {
    const TOpnameCanvas c = Teken(InvoerOpname("2010", "JV"), 4);
    ControleerRegels(c, 10,
                     {{"Grazing systems", ""},
                      {" - Youngstock < 1 year: limited grazing", "3 month, 6 hour dag-1"},
                      {"- Youngstock > 1 year: unlimited grazing", "5 month, 24 hour dag-1"},
                      {"Breed youngstock", "Jersey"}});
    ControleerRegels(c, 18,
                     {{"Excretion standard forfait nitrogen (kg/animal)", ""},
                      {"- Youngstock < 1 year", "34.2"},
                      {"- Youngstock > 1 year", "70.1"},
                      {"Excretion standard forfait phosphate (kg/dier)", ""}});
    Controleer(c, {"Other grazing animals", 0, 0, 25, 11, true});
    EXPECT_FALSE(c.Zoek("Breed cows"));
}

TMomentopname ModuleOpname() {
    TMomentopname m = InvoerOpname("2011", "MK");
    Zet(m, {{"SpeDrijfAfv", "1234.5"},    {"SpeDrijfMais", "100.3"},    {"SpeDrijfBouw", "200.3"},
            {"SpeMethBouw1", "20"},       {"SpeMethBouw2", "30"},       {"SpeMethBouw3", "50"},
            {"SpeOppMaisL", "0.125"},     {"SpeAfvoerVgHoev", "10000"}, {"SpeAfvoerVgP", "3.8"},
            {"SpeAfvoerGkHoev", "25000"}, {"SpeAfvoerGkP", "4.12"},     {"LblJaar1", "2010"},
            {"LblJaar2", "2009"},         {"SpeBEPnormGk1", "95"},      {"SpeBEPnormGk2", "97"},
            {"CbxMaisGrond", "Sand"},     {"CbxMaisGttrap", "VI"},      {"CbxGrasGrond", "Clay"},
            {"CbxGrasGttrap", "III"},     {"SpeMestNgeh31dec", "4.3"}});
    return m;
}

// The blocks of the modules that are on, their numbers formatted afresh: "0" rounds half
// away from zero, removals are amount x content / 1000, pairs the older year first.
TEST(RapportModuleInvoer, BlokkenPerModule) {
    TMomentopname m = ModuleOpname();
    m.ModuleBEA = m.ModuleBEP = m.ModuleBEN = true;
    const TOpnameCanvas c = Teken(m, 8);
    Controleer(c, {{"Input BEA", 0, 0, 8, 11, true},
                   {"Input BEP", 0, 0, 21, 11, true},
                   {"Input BEN", 0, 0, 36, 11, true}});
    ControleerRegels(c, 9, {{"Stable type", ""}, {"Liquid manure disposal (kg N)", "1235"}});
    ControleerRegels(c, 12, {{"Total liquid manure applied on arable land (kg N)", "301"}});
    ControleerRegels(c, 18, {{"- Bouwland: onderwerken / sleepvoeten / injecteren", "20 / 30 / 50"}});
    ControleerRegels(c, 22, {{"Maize area: ", ""}, {"- phosphate status: high (ha)", "0.00"}});
    ControleerRegels(c, 25, {{"- phosphate status: low (ha)", "0.13"}});
    ControleerRegels(c, 27,
                     {{"Phosphate export via feed:", ""},
                      {"- grass removal(kg P)", "38"},
                      {"- grass silage removal (kg P)", "103"},
                      {"- maize silage removal (kg P)", "0"}});
    ControleerRegels(c, 32,
                     {{"Derived application standard phosphate in last 2 years:", "2009 / 2010"},
                      {"- Grassland (kg P2O5 ha-1)", "97 / 95"}});
    ControleerRegels(c, 37, {{"Maize: soil type, groundwater level", "Sand, VI"}});
    ControleerRegels(c, 40, {{"Fertilizer N application on maize (kg N )", ""}});
    ControleerRegels(c, 47, {{"- N-content manure (kg N/m3)", "4.3"}});
    EXPECT_TRUE(TekstenOpRij(c, 48).isEmpty());
}

// A block of its own from row 8; the maize soil line only while its list is shown.
TEST(RapportModuleInvoer, AlleenAanstaandeModules) {
    TMomentopname m = ModuleOpname();
    m.ModuleBEN = true;
    m.Verborgen.insert("CbxMaisGrond");
    const TOpnameCanvas c = Teken(m, 6);
    Controleer(c, {"Input BEN", 0, 0, 8, 11, true});
    ControleerRegels(c, 9, {{"Grassland: soil type, groundwater level", "Clay, III"}});
    EXPECT_FALSE(c.Zoek("Input BEA") || c.Zoek("Input BEP"));
}

} // namespace
