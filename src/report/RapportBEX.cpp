// The BEX result page: excretion, manure disposal and efficiency against the norms.
#include "RapportHulp.h"
#include "RapportPaginas.h"

#include <string_view>

namespace {
struct TBexRegel {
    const char* Label;
    std::string_view Veld;
};

// A section band with its heading and the nitrogen and phosphate column captions.
void Sectie(TRapport& r, const char* kop, const char* n, const char* p) {
    r.Canvas.Font.Color = kZwart;
    r.PrintBalkRegel(r.Regel, kSectieBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QString::fromUtf8(kop), 0, r.Regel);
    r.PrintTekst(2, QString::fromUtf8(n), 20, r.Regel);
    r.PrintTekst(2, QString::fromUtf8(p), 28, r.Regel);
    r.Letter(10);
}

// Rows of nitrogen and phosphate figures; the last row is the advantage, bold, its figures
// each in the colour of their sign (the label stays black).
void Regels(TRapport& r, std::initializer_list<TBexRegel> regels) {
    int i = 0;
    for (const TBexRegel& regel : regels) {
        ++r.Regel;
        const bool voordeel = ++i == static_cast<int>(regels.size());
        if (voordeel) r.Canvas.Font.Bold = true;
        r.PrintTekst(0, QString::fromUtf8(regel.Label), 0, r.Regel);
        for (int nutrient = 1; nutrient <= 2; ++nutrient) {
            if (voordeel) r.Canvas.Font.Color = ResultaatKleur(r, regel.Veld, nutrient);
            PrintResultaat(r, regel.Veld, nutrient, nutrient == 1 ? 20 : 28);
        }
    }
}
} // namespace

void PrintResultaatBEX(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Results BEX analysis (Normen ") + r.Jaar() + QLatin1Char(')'), 0,
                 r.Regel);

    r.Regel += 2;
    Sectie(r, "Excretion", "Nitrogen", "Phosphate");
    Regels(r, {{"Farm specific, excl. correction factor (kg)", "ExcrSpecExc"},
               {"Farm specific, incl. correction factor (kg)", "ExcrSpecInc"},
               {"Forfaitair (kg)", "ExcrForf"},
               {"Advantage farm-specific, incl. (kg)", "ExcrVoordeel"}});

    r.Regel += 2;
    Sectie(r, "Manure disposal", "Nitrogen", "Phosphate");
    Regels(r, {{"Application standard manure (kg)", "GebrNorm"},
               {"Manure disposal using a farm-specific excretion standard(kg)", "MestafzSpec"},
               {"Manure disposal using excretion forfait standard (kg)", "MestafzForf"},
               {"Advantage farm-specific, incl. (kg)", "MestafzVoordeel"}});

    r.Regel += 2;
    Sectie(r, "Feed/Diet", "N", "P");
    ++r.Regel;
    r.PrintTekst(0, QStringLiteral("Efficiëncy (%)"), 0, r.Regel);
    PrintResultaat(r, "Efficientie", 1, 20);
    PrintResultaat(r, "Efficientie", 2, 28);

    r.PrintVoet(r.PageNo);
}
