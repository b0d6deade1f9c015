#include "Paginas.h"

#include "Evaluatie.h"
#include "OverigeDieren.h"

#include <QStringList>

#include <deque>
#include <string>

namespace {
using enum TSoort;
using R = TResetStap;

std::string Samen(const char* const* begin, const char* const* end) {
    std::string s;
    for (auto it = begin; it != end; ++it) {
        if (it != begin) s += '|';
        s += *it;
    }
    return s;
}

const std::string& ModuleKeuzes() {
    static const std::string s = Samen(ModuleTeksten.data(), ModuleTeksten.data() + ModuleTeksten.size());
    return s;
}

const std::string& EvaluatieKeuzes() {
    static const std::string s =
        Samen(EvaluatieTeksten.data(), EvaluatieTeksten.data() + EvaluatieTeksten.size());
    return s;
}

// Page 0 "Common ".
std::vector<TBesturingDef> Pagina0() {
    return {
        {.Naam = "CbxModule",
         .Soort = Cbx,
         .Opschrift = "Module",
         .Standaard = "0",
         .Hint = "Toegepaste modules in berekening",
         .Keuzes = ModuleKeuzes().c_str(),
         .Groep = "GrpOpties",
         .Rij = 0},
        {.Naam = "SpeJaartal",
         .Soort = Spe,
         .Opschrift = "Calculation over year",
         .Min = 2006,
         .Max = 2015,
         .Standaard = "2009",
         .Groep = "GrpOpties",
         .Rij = 1,
         .Reset = R::Jaar},
        {.Naam = "EdtOmschrijving",
         .Soort = Edt,
         .Opschrift = "Description of calculation",
         .Groep = "GrpOpties",
         .Rij = 2,
         .Reset = R::Identiteit},
        {.Naam = "EdtNaam",
         .Soort = Edt,
         .Opschrift = "Name of farmer",
         .Groep = "GrpOpties",
         .Rij = 3,
         .Reset = R::Identiteit},
        {.Naam = "EdtStraat",
         .Soort = Edt,
         .Opschrift = "Adress + number",
         .Groep = "GrpOpties",
         .Rij = 4,
         .Reset = R::Identiteit},
        {.Naam = "EdtPlaats",
         .Soort = Edt,
         .Opschrift = "Zip code + City",
         .Groep = "GrpOpties",
         .Rij = 5,
         .Reset = R::Identiteit},
        {.Naam = "CbxEvaluatie",
         .Soort = Cbx,
         .Opschrift = "Evaluation variant",
         .Standaard = "0",
         .Keuzes = EvaluatieKeuzes().c_str(),
         .Groep = "GrpOpties",
         .Rij = 6,
         .OpschriftNaam = "LblEvaluatie",
         .Reset = R::Ontwerp},
        // The VEM coverage is hidden at start-up and keeps its design value.
        {.Naam = "SpeVemdekking",
         .Soort = Spe,
         .Opschrift = "VEM coverage (%)",
         .Min = 0,
         .Max = 200,
         .Standaard = "102",
         .Groep = "GrpOpties",
         .Rij = 7,
         .OpschriftNaam = "SttVemdekking"},
        {.Naam = "SttHandleiding",
         .Soort = Link,
         .Opschrift = "For a manual about the program: click here",
         .Groep = "GrpOpties",
         .Rij = 8,
         .Kolom = 0,
         .Ingeschakeld = false},
    };
}

// Page 1 "Company/farm   ".
std::vector<TBesturingDef> Pagina1() {
    std::vector<TBesturingDef> v = {
        // Livestock
        {.Naam = "SpenKoe",
         .Soort = Spe,
         .Opschrift = "Number of cows (cat. 100)",
         .Min = 0,
         .Max = 1500,
         .Decimalen = 1,
         .Standaard = "0",
         .Groep = "GrpVeestapel",
         .Rij = 0,
         .OpschriftNaam = "SttnKoe",
         .Reset = R::Pagina1},
        {.Naam = "SpenKalf",
         .Soort = Spe,
         .Opschrift = "Nr. of youngstock+bulls < 1 yr (cat. 101)",
         .Min = 0,
         .Max = 500,
         .Decimalen = 1,
         .Standaard = "0",
         .Groep = "GrpVeestapel",
         .Rij = 1,
         .OpschriftNaam = "SttnKalf",
         .Reset = R::Pagina1},
        {.Naam = "SpenPink",
         .Soort = Spe,
         .Opschrift = "Nr. of youngstock+bulls > 1 yr (cat. 102)",
         .Min = 0,
         .Max = 500,
         .Decimalen = 1,
         .Standaard = "0",
         .Groep = "GrpVeestapel",
         .Rij = 2,
         .OpschriftNaam = "SttnPink",
         .Reset = R::Pagina1},
        {.Naam = "CbxRas",
         .Soort = Cbx,
         .Opschrift = "Breeding ",
         .Standaard = "-1",
         .Hint = "Predominant herd breeding",
         .Keuzes = "Middle or large|Cross breed jersey|Jersey",
         .Groep = "GrpVeestapel",
         .Rij = 3,
         .OpschriftNaam = "SttRas",
         .Reset = R::Lijsten,
         .ResetTekst = "-1"},
        {.Naam = "SpeLftJvAan",
         .Soort = Spe,
         .Opschrift = "Youngstock age at landing (months)",
         .Min = 0,
         .Max = 20,
         .Decimalen = 1,
         .Standaard = "0",
         .Groep = "GrpVeestapel",
         .Rij = 4,
         .OpschriftNaam = "SttLftJvAan",
         .Zichtbaar = false,
         .Reset = R::Pagina1},
        {.Naam = "SpeLftJvAfv",
         .Soort = Spe,
         .Opschrift = "Youngstock age at discharge (months)",
         .Min = 4,
         .Max = 28,
         .Decimalen = 1,
         .Standaard = "4",
         .Groep = "GrpVeestapel",
         .Rij = 5,
         .OpschriftNaam = "SttLftJvAfv",
         .Zichtbaar = false,
         .Reset = R::Pagina1},
        // Type of manure
        {.Naam = "SpeDrijfMk",
         .Soort = Spe,
         .Opschrift = "% cows with liquid manure",
         .Min = 0,
         .Max = 100,
         .Standaard = "100",
         .Groep = "GrpMest",
         .Rij = 0,
         .OpschriftNaam = "SttDrijfMk",
         .Reset = R::Ontwerp},
        {.Naam = "SpeDrijfKa",
         .Soort = Spe,
         .Opschrift = "%  youngst.+bulls < 1 yr with liq.manure",
         .Min = 0,
         .Max = 100,
         .Standaard = "100",
         .Groep = "GrpMest",
         .Rij = 1,
         .OpschriftNaam = "SttDrijfKa",
         .Reset = R::Ontwerp},
        {.Naam = "ToelDrijfKa",
         .Soort = Link,
         .Opschrift = "Explanation",
         .Groep = "GrpMest",
         .Rij = 1,
         .Kolom = 2,
         .Ingeschakeld = false},
        {.Naam = "SpeDrijfPi",
         .Soort = Spe,
         .Opschrift = "%  youngst.+bulls > 1 yr with liq.manure",
         .Min = 0,
         .Max = 100,
         .Standaard = "100",
         .Groep = "GrpMest",
         .Rij = 2,
         .OpschriftNaam = "SttDrijfPi",
         .Reset = R::Ontwerp},
        {.Naam = "ToelDrijfPi",
         .Soort = Link,
         .Opschrift = "Explanation",
         .Groep = "GrpMest",
         .Rij = 2,
         .Kolom = 2,
         .Ingeschakeld = false},
        // Milk delivery
        {.Naam = "SpeMelklev",
         .Soort = Spe,
         .Opschrift = "Milk delivered to the factory (kg)",
         .Min = 0,
         .Max = 15000000,
         .Stap = 10000,
         .Standaard = "0",
         .Groep = "GrpMelk",
         .Rij = 0,
         .Reset = R::Pagina1},
        {.Naam = "LblMelkprod",
         .Soort = Lbl,
         .Opschrift = "Milk productie per cow (kg)",
         .Groep = "GrpMelk",
         .Rij = 1,
         .Reset = R::Pagina1Labels},
        {.Naam = "SpeVet",
         .Soort = Spe,
         .Opschrift = "Fat content delivered milk (%)",
         .Min = 2,
         .Max = 8,
         .Decimalen = 2,
         .Stap = 0.01,
         .Standaard = "2",
         .Groep = "GrpMelk",
         .Rij = 2,
         .Reset = R::Pagina1},
        {.Naam = "SpeEiwit",
         .Soort = Spe,
         .Opschrift = "Protein content delivered milk (%)",
         .Min = 2,
         .Max = 6,
         .Decimalen = 2,
         .Stap = 0.01,
         .Standaard = "2",
         .Groep = "GrpMelk",
         .Rij = 3,
         .Reset = R::Pagina1},
        {.Naam = "SpeUreum",
         .Soort = Spe,
         .Opschrift = "Milk urea content (mg/100 ml)",
         .Min = 10,
         .Max = 80,
         .Decimalen = 1,
         .Standaard = "10",
         .Groep = "GrpMelk",
         .Rij = 4,
         .Reset = R::Pagina1},
        // Grazing: the cows' edits and, in the same cells, the young stock's.
        {.Soort = Stt, .Opschrift = "Number of\nmonths", .Groep = "GrpBeweiding", .Rij = 0, .Kolom = 1},
        {.Soort = Stt,
         .Opschrift = "Number of\nhours per day",
         .Groep = "GrpBeweiding",
         .Rij = 0,
         .Kolom = 2},
        {.Naam = "SttSysteem1",
         .Soort = Stt,
         .Opschrift = "Dairy cows: limited grazing",
         .Groep = "GrpBeweiding",
         .Rij = 1,
         .Kolom = 0},
        {.Naam = "SttSysteem2",
         .Soort = Stt,
         .Opschrift = "Dairy cows: unlimited grazing",
         .Groep = "GrpBeweiding",
         .Rij = 2,
         .Kolom = 0},
        {.Naam = "SttSysteem3",
         .Soort = Stt,
         .Opschrift = "Dairy cows: limeted zero grazing",
         .Groep = "GrpBeweiding",
         .Rij = 3,
         .Kolom = 0},
        {.Naam = "SttSysteem4",
         .Soort = Stt,
         .Opschrift = "dairy cows: unlimited zero grazing",
         .Groep = "GrpBeweiding",
         .Rij = 4,
         .Kolom = 0},
    };
    const auto maand = [](const char* naam, int rij, bool zichtbaar) {
        return TBesturingDef{.Naam = naam,
                             .Soort = Spe,
                             .Min = 0,
                             .Max = 12,
                             .Decimalen = 1,
                             .Standaard = "0",
                             .Groep = "GrpBeweiding",
                             .Rij = rij,
                             .Kolom = 1,
                             .Zichtbaar = zichtbaar,
                             .Reset = R::Beweiding,
                             .ResetTekst = "0"};
    };
    const auto uur = [](const char* naam, int rij, double min, double max, bool zichtbaar, bool aan,
                        const char* reset) {
        return TBesturingDef{.Naam = naam,
                             .Soort = Spe,
                             .Min = min,
                             .Max = max,
                             .Decimalen = 1,
                             .Standaard = min == 2   ? "2"
                                          : min == 9 ? "9"
                                          : min == 1 ? "1"
                                                     : "24",
                             .Groep = "GrpBeweiding",
                             .Rij = rij,
                             .Kolom = 2,
                             .Zichtbaar = zichtbaar,
                             .Ingeschakeld = aan,
                             .Reset = R::Beweiding,
                             .ResetTekst = reset};
    };
    // In the order of the reset: the cows' months and hours, then the young stock's.
    v.push_back(maand("SpeMndWeidBMk", 1, true));
    v.push_back(maand("SpeMndWeidOMk", 2, true));
    v.push_back(maand("SpeMndZstvBMk", 3, true));
    v.push_back(maand("SpeMndZstvOMk", 4, true));
    v.push_back(uur("SpeUurWeidBMk", 1, 2, 9, true, true, "0"));
    v.push_back(uur("SpeUurWeidOMk", 2, 9, 20, true, true, "0"));
    v.push_back(maand("SpeMndWeidBKa", 1, false));
    v.push_back(maand("SpeMndWeidOKa", 2, false));
    v.push_back(maand("SpeMndWeidBPi", 3, false));
    v.push_back(maand("SpeMndWeidOPi", 4, false));
    v.push_back(uur("SpeUurWeidBKa", 1, 1, 23, false, true, "10"));
    v.push_back(uur("SpeUurWeidBPi", 3, 1, 23, false, true, "10"));
    v.push_back(uur("SpeUurWeidOKa", 2, 24, 24, false, false, "24"));
    v.push_back(uur("SpeUurWeidOPi", 4, 24, 24, false, false, "24"));
    const std::vector<TBesturingDef> rest = {
        {.Naam = "SttTotWeiden",
         .Soort = Stt,
         .Opschrift = "Total",
         .Groep = "GrpBeweiding",
         .Rij = 5,
         .Kolom = 0},
        {.Naam = "LblMndWeiden", .Soort = Lbl, .Groep = "GrpBeweiding", .Rij = 5, .Kolom = 1},
        {.Naam = "SttBeweidToel",
         .Soort = Link,
         .Opschrift = "Explanation",
         .Groep = "GrpBeweiding",
         .Rij = 6,
         .Kolom = 0,
         .Ingeschakeld = false},
        // Soil
        {.Naam = "SpeOppGras",
         .Soort = Spe,
         .Opschrift = "Grassland area (ha)",
         .Min = 0,
         .Max = 500,
         .Decimalen = 2,
         .Standaard = "0",
         .Groep = "GrpBodem",
         .Rij = 0,
         .OpschriftNaam = "SttOppGras",
         .Reset = R::Pagina1},
        {.Naam = "SpeOppGrasL",
         .Soort = Spe,
         .Opschrift = "- phosphate status: low",
         .Min = 0,
         .Max = 500,
         .Decimalen = 2,
         .Standaard = "0",
         .Groep = "GrpBodem",
         .Rij = 3,
         .OpschriftNaam = "SttOppGrasL",
         .Reset = R::Pagina1},
        {.Naam = "SpeOppGrasN",
         .Soort = Spe,
         .Opschrift = "- phosphate status: neutral",
         .Min = 0,
         .Max = 500,
         .Decimalen = 2,
         .Standaard = "0",
         .Groep = "GrpBodem",
         .Rij = 2,
         .OpschriftNaam = "SttOppGrasN",
         .Reset = R::Pagina1},
        {.Naam = "SpeOppGrasH",
         .Soort = Spe,
         .Opschrift = "- phosphate status: high",
         .Min = 0,
         .Max = 500,
         .Decimalen = 2,
         .Standaard = "0",
         .Groep = "GrpBodem",
         .Rij = 1,
         .OpschriftNaam = "SttOppGrasH",
         .Reset = R::Pagina1},
        {.Naam = "SttFosfaatG1",
         .Soort = Link,
         .Opschrift = "Explanation",
         .Groep = "GrpBodem",
         .Rij = 1,
         .Kolom = 2,
         .Ingeschakeld = false},
        {.Naam = "SttFosfaatG2",
         .Soort = Link,
         .Opschrift = "Explanation",
         .Groep = "GrpBodem",
         .Rij = 2,
         .Kolom = 2,
         .Ingeschakeld = false},
        {.Naam = "SttFosfaatG3",
         .Soort = Link,
         .Opschrift = "Explanation",
         .Groep = "GrpBodem",
         .Rij = 3,
         .Kolom = 2,
         .Ingeschakeld = false},
        {.Naam = "LblOppGras",
         .Soort = Lbl,
         .Opschrift = "Total",
         .Groep = "GrpBodem",
         .Rij = 4,
         .OpschriftNaam = "SttOppGrasTot",
         .Reset = R::Pagina1Labels},
        {.Naam = "SpeOppBouw",
         .Soort = Spe,
         .Opschrift = "Area arable land (ha)",
         .Min = 0,
         .Max = 500,
         .Decimalen = 2,
         .Standaard = "0",
         .Groep = "GrpBodem",
         .Rij = 5,
         .OpschriftNaam = "SttOppBouw",
         .Reset = R::Pagina1},
        {.Naam = "SpeOppBouwL",
         .Soort = Spe,
         .Opschrift = "- phosphate status: low",
         .Min = 0,
         .Max = 500,
         .Decimalen = 2,
         .Standaard = "0",
         .Groep = "GrpBodem",
         .Rij = 8,
         .OpschriftNaam = "SttOppBouwL",
         .Reset = R::Pagina1},
        {.Naam = "SpeOppBouwN",
         .Soort = Spe,
         .Opschrift = "- phosphate status: neutral",
         .Min = 0,
         .Max = 500,
         .Decimalen = 2,
         .Standaard = "0",
         .Groep = "GrpBodem",
         .Rij = 7,
         .OpschriftNaam = "SttOppBouwN",
         .Reset = R::Pagina1},
        {.Naam = "SpeOppBouwH",
         .Soort = Spe,
         .Opschrift = "- phosphate status: high",
         .Min = 0,
         .Max = 500,
         .Decimalen = 2,
         .Standaard = "0",
         .Groep = "GrpBodem",
         .Rij = 6,
         .OpschriftNaam = "SttOppBouwH",
         .Reset = R::Pagina1},
        {.Naam = "SttFosfaatB1",
         .Soort = Link,
         .Opschrift = "Explanation",
         .Groep = "GrpBodem",
         .Rij = 6,
         .Kolom = 2,
         .Ingeschakeld = false},
        {.Naam = "SttFosfaatB2",
         .Soort = Link,
         .Opschrift = "Explanation",
         .Groep = "GrpBodem",
         .Rij = 7,
         .Kolom = 2,
         .Ingeschakeld = false},
        {.Naam = "SttFosfaatB3",
         .Soort = Link,
         .Opschrift = "Explanation",
         .Groep = "GrpBodem",
         .Rij = 8,
         .Kolom = 2,
         .Ingeschakeld = false},
        {.Naam = "LblOppBouw",
         .Soort = Lbl,
         .Opschrift = "Total",
         .Groep = "GrpBodem",
         .Rij = 9,
         .OpschriftNaam = "SttOppBouwTot",
         .Reset = R::Pagina1Labels},
        // Norm excretion per animal
        {.Naam = "SttExcretieMK",
         .Soort = Stt,
         .Opschrift = "Cow",
         .Groep = "GrpExcretie",
         .Rij = 0,
         .Kolom = 1},
        {.Soort = Stt, .Opschrift = "Youngst>1", .Groep = "GrpExcretie", .Rij = 0, .Kolom = 2},
        {.Soort = Stt, .Opschrift = "Youngst<1", .Groep = "GrpExcretie", .Rij = 0, .Kolom = 3},
        {.Naam = "SttExcretieN",
         .Soort = Stt,
         .Opschrift = "Nitrogen excretion forfait per animal (kg):",
         .Groep = "GrpExcretie",
         .Rij = 1,
         .Kolom = 0},
        {.Naam = "LblExcretieN1",
         .Soort = Lbl,
         .Groep = "GrpExcretie",
         .Rij = 1,
         .Kolom = 1,
         .Reset = R::Pagina1Labels},
        {.Naam = "LblExcretieN2",
         .Soort = Lbl,
         .Groep = "GrpExcretie",
         .Rij = 1,
         .Kolom = 2,
         .Reset = R::Pagina1Labels},
        {.Naam = "LblExcretieN3",
         .Soort = Lbl,
         .Groep = "GrpExcretie",
         .Rij = 1,
         .Kolom = 3,
         .Reset = R::Pagina1Labels},
        {.Naam = "SttExcretieP",
         .Soort = Stt,
         .Opschrift = "Phosphate excretion forfait per animal (kg):",
         .Groep = "GrpExcretie",
         .Rij = 2,
         .Kolom = 0},
        {.Naam = "LblExcretieP1",
         .Soort = Lbl,
         .Groep = "GrpExcretie",
         .Rij = 2,
         .Kolom = 1,
         .Reset = R::Pagina1Labels},
        {.Naam = "LblExcretieP2",
         .Soort = Lbl,
         .Groep = "GrpExcretie",
         .Rij = 2,
         .Kolom = 2,
         .Reset = R::Pagina1Labels},
        {.Naam = "LblExcretieP3",
         .Soort = Lbl,
         .Groep = "GrpExcretie",
         .Rij = 2,
         .Kolom = 3,
         .Reset = R::Pagina1Labels},
    };
    v.insert(v.end(), rest.begin(), rest.end());
    return v;
}

// The panels of the thirteen rows of other grazing animals are named "PnlGraas" + i.
const std::array<std::string, 14>& PnlGraasNamen() {
    static const std::array<std::string, 14> namen = [] {
        std::array<std::string, 14> n;
        for (int i = 1; i <= 13; ++i)
            n[i] = "PnlGraas" + std::to_string(i);
        return n;
    }();
    return namen;
}

// Page 2 "Other grazing animals ": the presence panel, then one row per category with the
// count, the separate-feed choice and four labels (Tag 10 x i + 1 .. 4: N and phosphate per
// animal, N and phosphate in total), then the totals.
std::vector<TBesturingDef> Pagina2() {
    static std::deque<std::string> namen; // keeps the generated names alive
    const auto naam = [](std::string s) {
        namen.push_back(std::move(s));
        return namen.back().c_str();
    };
    std::vector<TBesturingDef> v = {
        {.Naam = "RbtGraasNee",
         .Soort = Rbt,
         .Opschrift = "No",
         .Standaard = "1",
         .Groep = "PnlGraas",
         .Rij = 0,
         .Kolom = 0,
         .Reset = R::Ontwerp},
        {.Naam = "RbtGraasJa",
         .Soort = Rbt,
         .Opschrift = "Yes",
         .Groep = "PnlGraas",
         .Rij = 0,
         .Kolom = 1,
         .Reset = R::Ontwerp},
        {.Soort = Stt, .Opschrift = "Number", .Groep = "GrpGraasTabel", .Rij = 0, .Kolom = 1},
        {.Soort = Stt, .Opschrift = "feed flow\nseparated", .Groep = "GrpGraasTabel", .Rij = 0, .Kolom = 2},
        {.Soort = Stt,
         .Opschrift = "Excretion per animal (kg)\nNitrogen",
         .Groep = "GrpGraasTabel",
         .Rij = 0,
         .Kolom = 3},
        {.Soort = Stt, .Opschrift = "\nPhosphate", .Groep = "GrpGraasTabel", .Rij = 0, .Kolom = 4},
        {.Soort = Stt,
         .Opschrift = "Total excretion (kg)\nNitrogen",
         .Groep = "GrpGraasTabel",
         .Rij = 0,
         .Kolom = 5},
        {.Soort = Stt, .Opschrift = "\nPhosphate", .Groep = "GrpGraasTabel", .Rij = 0, .Kolom = 6},
    };
    for (int i = 1; i <= 13; ++i) {
        const std::string n = std::to_string(i);
        v.push_back({.Naam = naam("LblGraas" + n),
                     .Soort = Lbl,
                     .Standaard = GraasdierCategorieen[i],
                     .Groep = "GrpGraasTabel",
                     .Rij = i,
                     .Kolom = 0});
        v.push_back({.Naam = naam("SpeGraas" + n),
                     .Soort = Spe,
                     .Min = 0,
                     .Max = 1000,
                     .Decimalen = 1,
                     .Standaard = "0",
                     .Groep = "GrpGraasTabel",
                     .Rij = i,
                     .Kolom = 1,
                     .Reset = R::Ontwerp});
        v.push_back({.Naam = naam("RbtGraasNee" + n),
                     .Soort = Rbt,
                     .Opschrift = "No",
                     .Standaard = "1",
                     .Groep = PnlGraasNamen()[i].c_str(),
                     .Rij = 0,
                     .Kolom = 0,
                     .Reset = R::Ontwerp});
        v.push_back({.Naam = naam("RbtGraasJa" + n),
                     .Soort = Rbt,
                     .Opschrift = "Yes",
                     .Groep = PnlGraasNamen()[i].c_str(),
                     .Rij = 0,
                     .Kolom = 1,
                     .Reset = R::Ontwerp});
        for (int c = 1; c <= 4; ++c) {
            const int tag = 10 * i + c;
            v.push_back({.Naam = naam("LblGraasExc" + std::to_string(tag)),
                         .Soort = Lbl,
                         .Standaard = "0",
                         .Groep = "GrpGraasTabel",
                         .Rij = i,
                         .Kolom = 2 + c,
                         .Tag = tag,
                         .Reset = R::Totalen,
                         .ResetTekst = "0"});
        }
    }
    const std::vector<TBesturingDef> totalen = {
        {.Naam = "SttGraasTotaal",
         .Soort = Stt,
         .Opschrift = "Total ",
         .Groep = "GrpGraasTabel",
         .Rij = 14,
         .Kolom = 0},
        {.Naam = "LblnGraas",
         .Soort = Lbl,
         .Standaard = "0",
         .Groep = "GrpGraasTabel",
         .Rij = 14,
         .Kolom = 1,
         .Reset = R::GraasTotalen,
         .ResetTekst = "0"},
        {.Naam = "LblExcretieGraas3",
         .Soort = Lbl,
         .Standaard = "0",
         .Groep = "GrpGraasTabel",
         .Rij = 14,
         .Kolom = 5,
         .Reset = R::GraasTotalen,
         .ResetTekst = "0"},
        {.Naam = "LblExcretieGraas4",
         .Soort = Lbl,
         .Standaard = "0",
         .Groep = "GrpGraasTabel",
         .Rij = 14,
         .Kolom = 6,
         .Reset = R::GraasTotalen,
         .ResetTekst = "0"},
        {.Naam = "SttGraasGemiddeld",
         .Soort = Stt,
         .Opschrift = "Average per animal",
         .Groep = "GrpGraasTabel",
         .Rij = 15,
         .Kolom = 0},
        {.Naam = "LblExcretieGraasGem3",
         .Soort = Lbl,
         .Standaard = "0",
         .Groep = "GrpGraasTabel",
         .Rij = 15,
         .Kolom = 5,
         .Reset = R::GraasTotalen,
         .ResetTekst = "0"},
        {.Naam = "LblExcretieGraasGem4",
         .Soort = Lbl,
         .Standaard = "0",
         .Groep = "GrpGraasTabel",
         .Rij = 15,
         .Kolom = 6,
         .Reset = R::GraasTotalen,
         .ResetTekst = "0"},
    };
    v.insert(v.end(), totalen.begin(), totalen.end());
    return v;
}

// Page 6 "Input BEA  ".
std::vector<TBesturingDef> Pagina6() {
    const auto kgN = [](const char* naam, const char* opschrift, double max, int rij) {
        return TBesturingDef{.Naam = naam,
                             .Soort = Spe,
                             .Opschrift = opschrift,
                             .Min = 0,
                             .Max = max,
                             .Stap = 100,
                             .Standaard = "0",
                             .Groep = "GrpMestBEA",
                             .Rij = rij,
                             .Reset = R::Ontwerp};
    };
    const auto methode = [](const char* naam, const char* opschrift, const char* standaard, int rij) {
        return TBesturingDef{.Naam = naam,
                             .Soort = Spe,
                             .Opschrift = opschrift,
                             .Min = 0,
                             .Max = 100,
                             .Standaard = standaard,
                             .Groep = "GrpMethoden",
                             .Rij = rij,
                             .Reset = R::Ontwerp};
    };
    return {
        {.Naam = "RbtMstafvStand",
         .Soort = Rbt,
         .Opschrift = "Based on BEX",
         .Standaard = "1",
         .Groep = "GrpMstafv",
         .Rij = 0,
         .Kolom = 0,
         .Reset = R::Ontwerp},
        {.Naam = "RbtMstafvOpg",
         .Soort = Rbt,
         .Opschrift = "Specify",
         .Groep = "GrpMstafv",
         .Rij = 1,
         .Kolom = 0,
         .Reset = R::Ontwerp},
        kgN("SpeDrijfAfv", "Liquid manure disposal (kg N)", 10000, 0),
        kgN("SpeDrijfAan", "Liquid manure import (kg N)", 10000, 1),
        kgN("SpeDrijfMais", "Liquid manure application on maize (kg N)", 10000, 2),
        kgN("SpeDrijfBouw", "Liquid manure application on other arable land (kg N)", 10000, 3),
        {.Soort = Stt,
         .Opschrift = "Liquid manure application on grassland is calculated",
         .Groep = "GrpMestBEA",
         .Rij = 4,
         .Kolom = 0},
        kgN("SpeUreumBouw", "Urea on arable land (kg N)", 100000, 5),
        kgN("SpeUreumGras", "Urea on grassland (kg N)", 100000, 6),
        kgN("SpeKasBouw", "Other N-fertilizer on arable land (kg N)", 100000, 7),
        kgN("SpeKasGras", "Other N-fertilzer on grassland (kg N)", 100000, 8),
        {.Naam = "SttKunstmest",
         .Soort = Link,
         .Opschrift = "Explanation",
         .Groep = "GrpMestBEA",
         .Rij = 7,
         .Kolom = 2,
         .Ingeschakeld = false},
        {.Soort = Stt, .Opschrift = "Grassland ", .Groep = "GrpMethoden", .Rij = 0, .Kolom = 0},
        methode("SpeMethGras1", "- Shallow disc injection (%)", "100", 1),
        methode("SpeMethGras2", "- Drag feet coulter (%)", "0", 2),
        methode("SpeMethGras3", "- Trench foot coulter injection (%)", "0", 3),
        {.Soort = Stt, .Opschrift = "Arable land", .Groep = "GrpMethoden", .Rij = 4, .Kolom = 0},
        methode("SpeMethBouw1", "- Incorporate in one working passage (%)", "100", 5),
        methode("SpeMethBouw2", "- Drag feet coulter (%)", "0", 6),
        methode("SpeMethBouw3", "- Injection (%)", "0", 7),
        {.Naam = "CbxTypeStal",
         .Soort = Cbx,
         .Opschrift = "Type of stable",
         .Standaard = "0",
         .Keuzes = "Cubicle house with slatted floor without a manure scraper|"
                   "Cubicle house with slatted floor with a manure scraper|"
                   "Cubicle house with a solid non sloping floor without manure gutter|"
                   "Cubicle house with a solid non sloping floor with manure gutter|"
                   "Cubicle house with a slotted floor|"
                   "Cubicle house with a sloping floor|"
                   "Grup stable with liquid manure|"
                   "Grup stable with solid manure|"
                   "Deep litter",
         .Groep = "GrpStal",
         .Rij = 0,
         .Reset = R::Ontwerp},
        {.Naam = "SttEmissieToel2",
         .Soort = Link,
         .Opschrift = "Explanation",
         .Groep = "GrpStal",
         .Rij = 1,
         .Kolom = 0,
         .Ingeschakeld = false},
    };
}

// Page 7 "Input BEP  ".
std::vector<TBesturingDef> Pagina7() {
    const auto mais = [](const char* naam, const char* opschrift, int rij) {
        return TBesturingDef{.Naam = naam,
                             .Soort = Spe,
                             .Opschrift = opschrift,
                             .Min = 0,
                             .Max = 500,
                             .Decimalen = 2,
                             .Standaard = "0",
                             .Groep = "GrpMaisBEP",
                             .Rij = rij,
                             .Kolom = 2,
                             .Reset = R::Ontwerp};
    };
    const auto hoev = [](const char* naam, const char* opschrift, int rij) {
        return TBesturingDef{.Naam = naam,
                             .Soort = Spe,
                             .Opschrift = opschrift,
                             .Min = 0,
                             .Max = 1000000,
                             .Stap = 1000,
                             .Standaard = "0",
                             .Groep = "GrpAfvoer",
                             .Rij = rij,
                             .Kolom = 1,
                             .Reset = R::Ontwerp};
    };
    const auto gehalte = [](const char* naam, int rij) {
        return TBesturingDef{.Naam = naam,
                             .Soort = Spe,
                             .Min = 0,
                             .Max = 100,
                             .Decimalen = 2,
                             .Stap = 0.1,
                             .Standaard = "0",
                             .Groep = "GrpAfvoer",
                             .Rij = rij,
                             .Kolom = 2,
                             .Reset = R::Ontwerp};
    };
    const auto norm = [](const char* naam, const char* opschrift, const char* standaard, int rij, int kolom) {
        return TBesturingDef{.Naam = naam,
                             .Soort = Spe,
                             .Opschrift = opschrift,
                             .Min = 0,
                             .Max = 200,
                             .Decimalen = 1,
                             .Standaard = standaard,
                             .Groep = "GrpBEPnorm",
                             .Rij = rij,
                             .Kolom = kolom,
                             .Reset = R::Ontwerp};
    };
    return {
        {.Soort = Stt, .Opschrift = "Total", .Groep = "GrpMaisBEP", .Rij = 0, .Kolom = 1},
        {.Soort = Stt, .Opschrift = "Maize", .Groep = "GrpMaisBEP", .Rij = 0, .Kolom = 2},
        {.Naam = "LblOppBouwHBEP", .Soort = Lbl, .Groep = "GrpMaisBEP", .Rij = 1, .Kolom = 1},
        mais("SpeOppMaisH", "- phosphate status: high (ha)", 1),
        {.Naam = "LblOppBouwNBEP", .Soort = Lbl, .Groep = "GrpMaisBEP", .Rij = 2, .Kolom = 1},
        mais("SpeOppMaisN", "- phosphate status: neutral (ha)", 2),
        {.Naam = "LblOppBouwLBEP", .Soort = Lbl, .Groep = "GrpMaisBEP", .Rij = 3, .Kolom = 1},
        mais("SpeOppMaisL", "- phosphate status: low (ha)", 3),
        {.Soort = Stt, .Opschrift = "Amount\n(kg dm)", .Groep = "GrpAfvoer", .Rij = 0, .Kolom = 1},
        {.Soort = Stt, .Opschrift = "P-content\n (g/kg ds)", .Groep = "GrpAfvoer", .Rij = 0, .Kolom = 2},
        hoev("SpeAfvoerVgHoev", "P-removal via fresh grass ", 1),
        gehalte("SpeAfvoerVgP", 1),
        hoev("SpeAfvoerGkHoev", "P-removal via grass silage ", 2),
        gehalte("SpeAfvoerGkP", 2),
        hoev("SpeAfvoerSmHoev", "P-removal via maize silage ", 3),
        gehalte("SpeAfvoerSmP", 3),
        {.Soort = Stt,
         .Opschrift = "Derived application standard (neutral) in the last 2 years:",
         .Groep = "GrpBEPnorm",
         .Rij = 0,
         .Kolom = 0},
        {.Naam = "LblJaar2", .Soort = Lbl, .Groep = "GrpBEPnorm", .Rij = 1, .Kolom = 1},
        {.Naam = "LblJaar1", .Soort = Lbl, .Groep = "GrpBEPnorm", .Rij = 1, .Kolom = 2},
        norm("SpeBEPnormGk2", "Grassland (kg P2O5 ha-1)", "90", 2, 1),
        norm("SpeBEPnormGk1", "", "90", 2, 2),
        norm("SpeBEPnormSm2", "Maize (kg P2O5 ha-1)", "60", 3, 1),
        norm("SpeBEPnormSm1", "", "60", 3, 2),
        {.Soort = Stt,
         .Opschrift = "Standard application by law: 2006 - 2015",
         .Groep = "GrpBEPnorm",
         .Rij = 4,
         .Kolom = 0},
        {.Naam = "StaticText41",
         .Soort = Link,
         .Opschrift = "Explanation derived standard application ",
         .Groep = "GrpBEPnorm",
         .Rij = 5,
         .Kolom = 0,
         .Ingeschakeld = false},
    };
}

// Page 8 "Input BEN  "; it has no handlers.
std::vector<TBesturingDef> Pagina8() {
    const char* gt = "I - V|VI|VII - VIII";
    return {
        {.Soort = Stt, .Opschrift = "Maize", .Groep = "GrpGrondBEN", .Rij = 0, .Kolom = 1},
        {.Soort = Stt, .Opschrift = "Grassland", .Groep = "GrpGrondBEN", .Rij = 0, .Kolom = 2},
        {.Naam = "CbxMaisGrond",
         .Soort = Cbx,
         .Opschrift = "Soil type",
         .Standaard = "0",
         .Keuzes = "Sand|Clay",
         .Groep = "GrpGrondBEN",
         .Rij = 1,
         .Kolom = 1,
         .Reset = R::Lijsten,
         .ResetTekst = "0"},
        {.Naam = "CbxGrasGrond",
         .Soort = Cbx,
         .Standaard = "0",
         .Keuzes = "Sand|Clay|Peat",
         .Groep = "GrpGrondBEN",
         .Rij = 1,
         .Kolom = 2,
         .Reset = R::Lijsten,
         .ResetTekst = "0"},
        {.Naam = "CbxMaisGttrap",
         .Soort = Cbx,
         .Opschrift = "Groundwater level",
         .Standaard = "1",
         .Keuzes = gt,
         .Groep = "GrpGrondBEN",
         .Rij = 2,
         .Kolom = 1,
         .Reset = R::Lijsten,
         .ResetTekst = "1"},
        {.Naam = "CbxGrasGttrap",
         .Soort = Cbx,
         .Standaard = "1",
         .Keuzes = gt,
         .Groep = "GrpGrondBEN",
         .Rij = 2,
         .Kolom = 2,
         .Reset = R::Lijsten,
         .ResetTekst = "1"},
        {.Naam = "StaticText190",
         .Soort = Link,
         .Opschrift = "Explanation",
         .Hint = "Toelichting grondwatertrap",
         .Groep = "GrpGrondBEN",
         .Rij = 3,
         .Kolom = 0,
         .Ingeschakeld = false},
        {.Naam = "SpeToedNKmMais",
         .Soort = Spe,
         .Opschrift = "Total N art. fertilizer application on maize  (kg N)",
         .Min = 0,
         .Max = 10000,
         .Stap = 100,
         .Standaard = "0",
         .Groep = "GrpNBEN",
         .Rij = 0,
         .Reset = R::Ontwerp},
        {.Soort = Stt, .Opschrift = "January 1", .Groep = "GrpMestBEN", .Rij = 0, .Kolom = 1},
        {.Soort = Stt, .Opschrift = "December 31", .Groep = "GrpMestBEN", .Rij = 0, .Kolom = 2},
        {.Naam = "SpeMestVoor1jan",
         .Soort = Spe,
         .Opschrift = "Amount of manure (stock) (m3)",
         .Min = 0,
         .Max = 1000,
         .Stap = 100,
         .Standaard = "0",
         .Groep = "GrpMestBEN",
         .Rij = 1,
         .Kolom = 1,
         .Reset = R::Ontwerp},
        {.Naam = "SpeMestVoor31dec",
         .Soort = Spe,
         .Min = 0,
         .Max = 1000,
         .Stap = 100,
         .Standaard = "0",
         .Groep = "GrpMestBEN",
         .Rij = 1,
         .Kolom = 2,
         .Reset = R::Ontwerp},
        {.Naam = "SpeMestNgeh1jan",
         .Soort = Spe,
         .Opschrift = "Manure N-content (kg N/m3)",
         .Min = 0,
         .Max = 10,
         .Decimalen = 2,
         .Stap = 0.1,
         .Standaard = "4",
         .Groep = "GrpMestBEN",
         .Rij = 2,
         .Kolom = 1,
         .Reset = R::Ontwerp},
        {.Naam = "SpeMestNgeh31dec",
         .Soort = Spe,
         .Min = 0,
         .Max = 10,
         .Decimalen = 2,
         .Stap = 0.1,
         .Standaard = "4",
         .Groep = "GrpMestBEN",
         .Rij = 2,
         .Kolom = 2,
         .Reset = R::Ontwerp},
    };
}

const std::array<std::vector<TBesturingDef>, kAantalPaginas>& Tabellen() {
    static const std::array<std::vector<TBesturingDef>, kAantalPaginas> t = {
        Pagina0(), Pagina1(), Pagina2(), {}, {}, {}, Pagina6(), Pagina7(), Pagina8(), {}, {}, {}, {}, {},
    };
    return t;
}
} // namespace

// The captions come with the norm table of the model, so the page and the norms cannot
// drift apart.
const std::array<const char*, 14> GraasdierCategorieen = [] {
    std::array<const char*, 14> c{""};
    for (std::size_t i = 1; i <= 13; ++i)
        c[i] = GraasdierNormen[i - 1].Omschrijving;
    return c;
}();

const std::array<const char*, 6> ModuleTeksten = {
    "BEX", "BEX + BEA", "BEX + BEP", "BEX + BEA + BEP", "BEX + BEA + BEP + BEN", "BEX youngstock",
};

const std::array<TPaginaDef, kAantalPaginas>& Paginas() {
    using enum TPaginaSoort;
    static const std::array<TPaginaDef, kAantalPaginas> p = {{
        {"TabSheet1", "Common ", "GrpAlgemeen", Invoer, true},
        {"TabSheet2", "Company/farm   ", "GrpBedrijf", Invoer, true},
        {"TabSheet3", "Other grazing animals ", "GrpGraasdieren", Invoer, true},
        {"TabSheet4", "Starting stock ", "GrpVoorraadBegin", Invoer, true},
        {"TabSheet5", "Stock increase ", "GrpVoorraadAanleg", Invoer, true},
        {"TabSheet6", "Closing stock ", "GrpVoorraadEind", Invoer, true},
        {"TabSheet7", "Input BEA  ", "GrpInvoerBEA", Invoer, false},
        {"TabSheet8", "Input BEP  ", "GrpInvoerBEP", Invoer, false},
        {"TabSheet9", "Input BEN  ", "GrpInvoerBEN", Invoer, false},
        {"TabSheet10", "Result   BEX ", "GrpResultBEX", Resultaat, true},
        {"TabSheet11", "Result   BEA ", "GrpResultBEA", Resultaat, false},
        {"TabSheet12", "Result   BEP ", "GrpResultBEP", Resultaat, false},
        {"TabSheet13", "Result   BEN ", "GrpResultBEN", Resultaat, false},
        {"TabSheet14", "Analysis ", "GrpAnalyse", Analyse, true},
    }};
    return p;
}

const std::vector<TGroepDef>& Groepen() {
    static const std::vector<TGroepDef> g = [] {
        std::vector<TGroepDef> v = {
            {"GrpOpties", "Calculation options", 0, 0, 0},
            {"GrpVeestapel", "Livestock", 1, 0, 0},
            {"GrpMest", "Type of manure", 1, 1, 0},
            {"GrpMelk", "Milk delivery", 1, 2, 0},
            {"GrpBeweiding", "Grazing", 1, 0, 1},
            {"GrpBodem", "Soil", 1, 1, 1},
            {"GrpExcretie", "", 1, 2, 1, true},
            {"PnlGraas", "Other present grazing animals", 2, 0, 0},
            {"GrpGraasTabel", "", 2, 1, 0, true},
            {"GrpMstafv", "Type of manure disposal", 6, 0, 0},
            {"GrpMestBEA", "Manure and fertilizer", 6, 1, 0},
            {"GrpMethoden", "Application of liquid manure", 6, 0, 1},
            {"GrpStal", "Housing", 6, 2, 0},
            {"GrpMaisBEP", "Arable land", 7, 0, 0},
            {"GrpAfvoer", "Silage removal  from the farm", 7, 1, 0},
            {"GrpBEPnorm", "Phosphate application standard in the past", 7, 2, 0},
            {"GrpGrondBEN", "Soil", 8, 0, 0},
            {"GrpNBEN", "N application", 8, 1, 0},
            {"GrpMestBEN", "Opening- and closing manure stock", 8, 2, 0},
        };
        for (int i = 1; i <= 13; ++i)
            v.push_back({PnlGraasNamen()[i].c_str(), "", 2, i, 2, true, "GrpGraasTabel"});
        return v;
    }();
    return g;
}

const std::vector<TBesturingDef>& PaginaBesturingen(int pagina) {
    static const std::vector<TBesturingDef> leeg;
    if (pagina < 0 || pagina >= kAantalPaginas) return leeg;
    return Tabellen()[static_cast<std::size_t>(pagina)];
}

std::vector<const TBesturingDef*> AlleBesturingen() {
    std::vector<const TBesturingDef*> v;
    for (const auto& tabel : Tabellen())
        for (const auto& def : tabel)
            v.push_back(&def);
    return v;
}

const TBesturingDef* ZoekBesturing(const QString& naam) {
    for (const auto* def : AlleBesturingen())
        if (*def->Naam && naam == QLatin1String(def->Naam)) return def;
    return nullptr;
}

QStringList Keuzes(const TBesturingDef& def) {
    if (!*def.Keuzes) return {};
    return QString::fromUtf8(def.Keuzes).split(u'|');
}

const std::array<THoofdMenuDef, 3>& HoofdMenus() {
    static const std::array<THoofdMenuDef, 3> m = {{
        {"MitBestand", "&File"},
        {"MitGebruik", "&Options"},
        {"MitHelp", "&Help"},
    }};
    return m;
}

// Actief: only the commands of this window work now; the others are shown, greyed, until
// the subsystem that carries them attaches its handler and enables them.
const std::vector<TMenuDef>& MenuItems() {
    static const std::vector<TMenuDef> m = {
        {"MitBestand", "MitNieuw", "&New...", "Ctrl+N", "", false, true, false, false},
        {"MitBestand", "MitOpenen", "&Open...", "Ctrl+O", "", false, true, false, false},
        {"MitBestand", "MitOpslaan", "&Save", "Ctrl+S", "", false, true, false, false},
        {"MitBestand", "MitOpslaanals", "&Save as...", "", "", false, true, false, false},
        {"MitBestand", "MitDump", "Export to dump file...", "",
         "Invoer en uitvoer toevoegen aan een dumpfile", false, true, false, false},
        {"MitBestand", "MitVerzenden", "S&end", "", "", false, true, false, false},
        {"MitBestand", "MitInvoerbestand", "Processing input", "",
         "Automatic processing of input data from input file", false, true, false, false},
        {"MitBestand", "MitN2", "-", "", "", false, true, false, false},
        {"MitBestand", "MitPrinterInstelling", "Printer-settings...", "", "Chance printer settings", false,
         true, false, false},
        {"MitBestand", "MitAfdrukvoorbeeld", "Print p&review", "", "", false, true, false, false},
        {"MitBestand", "MitAfdrukken", "&Print...", "Ctrl+P", "", false, true, false, false},
        {"MitBestand", "MitN3", "-", "", "", false, true, false, false},
        {"MitBestand", "MitAfsluiten", "&Close", "", "", true, true, false, false},
        {"MitGebruik", "VersieControle1", "Controlling &Version", "", "", false, true, false, false},
        {"MitGebruik", "Bedrijfslogo1", "Change Company &Logo", "", "", true, true, false, false},
        {"MitGebruik", "Separator1", "Set decimal separator", "", "", false, false, false, false},
        {"MitHelp", "Website1", "&Website", "", "", false, true, false, false},
        {"MitHelp", "Handleiding", "&Manual", "", "", false, true, false, false},
        {"MitHelp", "MitProduktondersteuning", "&Product support", "", "", false, true, false, false},
        {"MitHelp", "MitProduktOndersteuningTonen", "...&show at start of the program", "", "", false, true,
         true, true},
        {"MitHelp", "MitN4", "-", "", "", false, true, false, false},
        {"MitHelp", "MitInfo", "&Info...", "", "", false, true, false, false},
    };
    return m;
}

const std::vector<TKnopDef>& Werkbalk() {
    static const std::vector<TKnopDef> w = {
        {"BtnNieuw", "New|", "MitNieuw"},
        {"BtnOpenen", "Open|", "MitOpenen"},
        {"BtnOpslaan", "Save|", "MitOpslaan"},
        {"BtnVersturen", "Send", "MitVerzenden"},
        {"BtnDump", "Export to dump file", "MitDump"},
        {"BtnAfdrukvoorbeeld", "Calculate and print preview|", "MitAfdrukvoorbeeld"},
        {"BtnAfdrukken", "Print|", "MitAfdrukken"},
        {"BtnProduktOndersteuning", "Product support", "MitProduktondersteuning"},
        {"BtnHandleiding", "Guide", "Handleiding"},
    };
    return w;
}

QString KorteHint(const char* hint) {
    const QString h = QString::fromUtf8(hint);
    const qsizetype i = h.indexOf(u'|');
    return i < 0 ? h : h.left(i);
}

QString LangeHint(const char* hint) {
    const QString h = QString::fromUtf8(hint);
    const qsizetype i = h.indexOf(u'|');
    return i < 0 ? h : h.mid(i + 1);
}
