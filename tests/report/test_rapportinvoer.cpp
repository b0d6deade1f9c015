// The input page and the module input page on a recording surface.
#include "RapportToets.h"

#include <tuple>

namespace {

// Sets a control's text and, for a number, its value.
void Zet(TMomentopname& m, const char* naam, const char* tekst) {
    const QString t = QString::fromUtf8(tekst);
    m.Teksten.insert(QString::fromLatin1(naam), t);
    bool getal = false;
    const double v = t.toDouble(&getal);
    if (getal) m.Waarden.insert(QString::fromLatin1(naam), v);
}

TMomentopname InvoerOpname(const char* jaar, const char* groep) {
    TMomentopname m = VoorbeeldOpname();
    m.Diercategorie = QString::fromLatin1(groep);
    const std::pair<const char*, const char*> teksten[] = {
        {"SpeJaartal", jaar},       {"SpeOppGras", "40.5"},    {"SpeOppBouw", "10.25"},
        {"SpeOppGrasL", "1"},       {"SpeOppGrasN", "2"},      {"SpeOppGrasH", "3"},
        {"SpeOppBouwL", "4"},       {"SpeOppBouwN", "5"},      {"SpeOppBouwH", "6"},
        {"SpeMndWeidBMk", "6"},     {"SpeUurWeidBMk", "8"},    {"SpeMndWeidOMk", "0"},
        {"SpeUurWeidOMk", "0"},     {"SpeMndZstvBMk", "0"},    {"SpeMndZstvOMk", "2.5"},
        {"CbxRas", "Jersey"},       {"SpenKoe", "100"},        {"SpeDrijfMk", "90"},
        {"SpenKalf", "30"},         {"SpeDrijfKa", "50"},      {"SpenPink", "35"},
        {"SpeDrijfPi", "60"},       {"SpeMelklev", "850000"},  {"LblMelkprod", "8500"},
        {"SpeVet", "4.40"},         {"SpeEiwit", "3.50"},      {"SpeUreum", "22"},
        {"LblExcretieN1", "128.5"}, {"LblExcretieP1", "41.0"}, {"SpeMndWeidBKa", "3"},
        {"SpeUurWeidBKa", "6"},     {"SpeMndWeidOKa", "0"},    {"SpeMndWeidBPi", "0"},
        {"SpeMndWeidOPi", "5"},     {"SpeUurWeidOPi", "24"},   {"SpeLftJvAan", "14"},
        {"SpeLftJvAfv", "24"},      {"LblExcretieN2", "70.1"}, {"LblExcretieN3", "34.2"},
        {"LblExcretieP2", "27.3"},  {"LblExcretieP3", "11.4"},
    };
    for (const auto& [naam, tekst] : teksten)
        Zet(m, naam, tekst);
    for (int i = 1; i <= 13; ++i) {
        const QString nr = QString::number(i);
        m.Teksten.insert("LblGraas" + nr, QStringLiteral("Category %1 (cat.%2)").arg(i).arg(100 + i));
        m.Teksten.insert("SpeGraas" + nr, QString::number(i % 3));
    }
    m.Teksten.insert("LblGraas1", "Graze- and suckler cows, liq. manure (cat.120)");
    m.Teksten.insert("LblGraas13", "Ponies");
    return m;
}

using TRegels = std::vector<std::pair<const char*, const char*>>;

// The input lines from a row on: the label at column 0, the value at column 17.
void ControleerRegels(const TOpnameCanvas& c, int vanaf, const TRegels& regels) {
    int rij = vanaf;
    for (const auto& [label, waarde] : regels) {
        const auto op = OpRij(c, rij);
        ASSERT_EQ(op.size(), 2u) << label;
        EXPECT_EQ(op[0]->Tekst, QString::fromUtf8(label)) << rij;
        EXPECT_EQ(op[0]->X, kLinks);
        EXPECT_EQ(op[1]->Tekst, QString::fromUtf8(waarde)) << label;
        EXPECT_EQ(op[1]->X, KolomX(17, 0, ""));
        ++rij;
    }
}

// The land lines: total areas for a year up to 2009 without BEP, by phosphate class from
// 2010 or with BEP.
TEST(RapportInvoer, OppervlakteNaarJaarEnBEP) {
    const std::tuple<const char*, bool, TRegels> gevallen[] = {
        {"2009", false, {{"Oppervlakte grasland", "40.5"}, {"Oppervlakte bouwland", "10.25"}}},
        {"2010",
         false,
         {{"Area grassland, low/neutral/high (ha)", "1 / 2 / 3"},
          {"Area arable land, low/neutral/high (ha)", "4 / 5 / 6"}}},
        {"2009",
         true,
         {{"Area grassland, low/neutral/high (ha)", "1 / 2 / 3"},
          {"Area arable land, low/neutral/high (ha)", "4 / 5 / 6"}}},
    };
    for (const auto& [jaar, bep, regels] : gevallen) {
        TMomentopname m = InvoerOpname(jaar, "MK");
        m.ModuleBEP = bep;
        const TOpnameCanvas c = Teken(m, bep ? 5 : 4);
        SCOPED_TRACE(std::string(jaar) + (bep ? " BEP" : ""));
        ControleerRegels(c, 8, regels);
    }
}

TEST(RapportInvoer, MelkveeEnOverigeGraasdieren) {
    const TOpnameCanvas c = Teken(InvoerOpname("2010", "MK"), 4);
    Controleer(c, {{"Input", 0, 0, 5, 11, true}, {"Dairy farm", 0, 0, 7, 11, true}});
    // Grazing lines only where their months are above 0.
    ControleerRegels(c, 10,
                     {
                         {"Dairy cattle: limited grazing", "6 month, 8 hour dag-1"},
                         {"Dairy cattle: zero grazing unlimited", "2.5 month"},
                         {"Breed cows", "Jersey"},
                         {"No. of cows", "100 (90% liquid manure)"},
                         {"No. of youngstock < 1 year", "30 (50% liquid manure)"},
                         {"No. of youngstock > 1 year", "35 (60% liquid manure)"},
                         {"Milk delivery (kg)", "850000"},
                         {"Milk production per cow (kg)", "8500 (4.40% fat, 3.50% protein)"},
                         {"Urea content milk (g/100ml)", "22"},
                         {"Excretion standard forfait nitrogen (kg/cow)", "128.5"},
                         {"Excretion standard forfait phosphate (kg/cow)", "41.0"},
                     });
    Controleer(c, {"Other grazing animals", 0, 0, 22, 11, true});
    // All thirteen categories, the caption cut before "(cat", the count as shown.
    TRegels graas = {{"Graze- and suckler cows, liq. manure ", "1"}};
    std::vector<std::string> labels;
    for (int i = 2; i <= 12; ++i)
        labels.push_back("Category " + std::to_string(i) + " ");
    std::vector<std::string> waarden;
    for (int i = 2; i <= 12; ++i)
        waarden.push_back(std::to_string(i % 3));
    for (std::size_t i = 0; i < labels.size(); ++i)
        graas.emplace_back(labels[i].c_str(), waarden[i].c_str());
    graas.emplace_back("Ponies", "1");
    ControleerRegels(c, 23, graas);
    EXPECT_TRUE(TekstenOpRij(c, 36).isEmpty());
    const std::vector<std::pair<int, TKleur>> banden = {{5, kTitelBand}, {7, kSectieBand}, {22, kSectieBand}};
    EXPECT_EQ(Banden(c), banden);
}

TEST(RapportInvoer, Jongvee) {
    const TOpnameCanvas c = Teken(InvoerOpname("2010", "JV"), 4);
    ControleerRegels(c, 10,
                     {
                         {"Grazing systems", ""},
                         {" - Youngstock < 1 year: limited grazing", "3 month, 6 hour dag-1"},
                         {"- Youngstock > 1 year: unlimited grazing", "5 month, 24 hour dag-1"},
                         {"Breed youngstock", "Jersey"},
                         {"No. of youngstock < 1 year", "30 (50% liquid manure)"},
                         {"No. of youngstock > 1 year", "35 (60% liquid manure)"},
                         {"Age younstock at arrival", "14"},
                         {"Age youngstock at removal", "24"},
                         {"Excretion standard forfait nitrogen (kg/animal)", ""},
                         {"- Youngstock < 1 year", "34.2"},
                         {"- Youngstock > 1 year", "70.1"},
                         {"Excretion standard forfait phosphate (kg/dier)", ""},
                         {"- Youngstock < 1 year", "11.4"},
                         {"- Youngstock > 1 year", "27.3"},
                     });
    Controleer(c, {"Other grazing animals", 0, 0, 25, 11, true});
    EXPECT_FALSE(c.Zoek("Breed cows"));
}

TMomentopname ModuleOpname() {
    TMomentopname m = InvoerOpname("2011", "MK");
    const std::pair<const char*, const char*> teksten[] = {
        {"CbxTypeStal", "NIETEMARM Traditional"},
        {"SpeDrijfAfv", "1234.5"},
        {"SpeDrijfAan", "99.4"},
        {"SpeDrijfMais", "100.3"},
        {"SpeDrijfBouw", "200.3"},
        {"SpeUreumBouw", "11"},
        {"SpeUreumGras", "12"},
        {"SpeKasBouw", "13"},
        {"SpeKasGras", "14"},
        {"SpeMethBouw1", "20"},
        {"SpeMethBouw2", "30"},
        {"SpeMethBouw3", "50"},
        {"SpeMethGras1", "60"},
        {"SpeMethGras2", "40"},
        {"SpeMethGras3", "0"},
        {"SpeOppMaisH", "1.5"},
        {"SpeOppMaisN", "2"},
        {"SpeOppMaisL", "0.125"},
        {"SpeAfvoerVgHoev", "10000"},
        {"SpeAfvoerVgP", "3.8"},
        {"SpeAfvoerGkHoev", "25000"},
        {"SpeAfvoerGkP", "4.12"},
        {"SpeAfvoerSmHoev", "0"},
        {"SpeAfvoerSmP", "2"},
        {"LblJaar1", "2010"},
        {"LblJaar2", "2009"},
        {"SpeBEPnormGk1", "95"},
        {"SpeBEPnormGk2", "97"},
        {"SpeBEPnormSm1", "70"},
        {"SpeBEPnormSm2", "72"},
        {"CbxMaisGrond", "Sand"},
        {"CbxMaisGttrap", "VI"},
        {"CbxGrasGrond", "Clay"},
        {"CbxGrasGttrap", "III"},
        {"SpeToedNKmMais", "40"},
        {"SpeMestVoor1jan", "500"},
        {"SpeMestNgeh1jan", "4.1"},
        {"SpeMestVoor31dec", "450"},
        {"SpeMestNgeh31dec", "4.3"},
    };
    for (const auto& [naam, tekst] : teksten)
        Zet(m, naam, tekst);
    return m;
}

const TRegels kBEA = {
    {"Stable type", "NIETEMARM Traditional"},
    {"Liquid manure disposal (kg N)", "1235"}, // "0" rounds the half away from zero
    {"Liquid manure import (kg N)", "99"},
    {"Total liquid manure applied on arable land (kg N)", "301"},
    {"Urea on arable land (kg N)", "11"},
    {"Urea on grassland (kg N)", "12"},
    {"Other N-art. fertilizer on arable land (kg N)", "13"},
    {"Other N-art. fertilizer on grassland (kg N)", "14"},
    {"Liquid manure application (%)", ""},
    {"- Bouwland: onderwerken / sleepvoeten / injecteren", "20 / 30 / 50"},
    {"- Grasland: zodebemesten / sleepvoeten / sleufkouteren", "60 / 40 / 0"},
};
const TRegels kBEP1 = {
    {"Maize area: ", ""},
    {"- phosphate status: high (ha)", "1.50"},
    {"- phosphate status: neutral (ha)", "2.00"},
    {"- phosphate status: low (ha)", "0.13"},
};
const TRegels kBEP2 = {
    {"Phosphate export via feed:", ""},
    {"- grass removal(kg P)", "38"},
    {"- grass silage removal (kg P)", "103"},
    {"- maize silage removal (kg P)", "0"},
};
const TRegels kBEP3 = {
    {"Derived application standard phosphate in last 2 years:", "2009 / 2010"},
    {"- Grassland (kg P2O5 ha-1)", "97 / 95"},
    {"- Maize (kg P2O5 ha-1)", "72 / 70"},
};
const TRegels kBEN1 = {
    {"Maize: soil type, groundwater level", "Sand, VI"},
    {"Grassland: soil type, groundwater level", "Clay, III"},
};
const TRegels kBEN2 = {{"Fertilizer N application on maize (kg N )", "40"}};
const TRegels kBEN3 = {
    {"Manure in stock on January 1:", ""},   {"- Amount of manure (m3)", "500"},
    {"- N-content manure (kg N/m3)", "4.1"}, {"Manure in stock on December 31:", ""},
    {"- Amount of manure (m3)", "450"},      {"- N-content manure (kg N/m3)", "4.3"},
};

TEST(RapportModuleInvoer, BlokkenPerModule) {
    TMomentopname m = ModuleOpname();
    m.ModuleBEA = m.ModuleBEP = m.ModuleBEN = true;
    const TOpnameCanvas c = Teken(m, 8);
    Controleer(c, {{"Input", 0, 0, 5, 11, true},
                   {"Input BEA", 0, 0, 8, 11, true},
                   {"Input BEP", 0, 0, 21, 11, true},
                   {"Input BEN", 0, 0, 36, 11, true}});
    ControleerRegels(c, 9, kBEA);
    ControleerRegels(c, 22, kBEP1);
    ControleerRegels(c, 27, kBEP2);
    ControleerRegels(c, 32, kBEP3);
    ControleerRegels(c, 37, kBEN1);
    ControleerRegels(c, 40, kBEN2);
    ControleerRegels(c, 42, kBEN3);
    const std::vector<std::pair<int, TKleur>> banden = {
        {5, kTitelBand}, {8, kSectieBand}, {21, kSectieBand}, {36, kSectieBand}};
    EXPECT_EQ(Banden(c), banden);
}

// Only the blocks of the modules that are on, from row 8; the maize soil line only while
// its list is shown.
TEST(RapportModuleInvoer, AlleenAanstaandeModules) {
    TMomentopname m = ModuleOpname();
    m.ModuleBEP = true;
    TOpnameCanvas c = Teken(m, 6);
    Controleer(c, {"Input BEP", 0, 0, 8, 11, true});
    ControleerRegels(c, 9, kBEP1);
    EXPECT_FALSE(c.Zoek("Input BEA"));
    EXPECT_FALSE(c.Zoek("Input BEN"));

    m.ModuleBEP = false;
    m.ModuleBEN = true;
    m.Verborgen.insert("CbxMaisGrond");
    c = Teken(m, 6);
    Controleer(c, {"Input BEN", 0, 0, 8, 11, true});
    ControleerRegels(c, 9, {kBEN1[1]});
    ControleerRegels(c, 11, kBEN2);
    EXPECT_FALSE(c.Zoek("Maize: soil type, groundwater level"));
}

} // namespace
