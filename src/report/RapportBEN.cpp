// The BEN result page: nitrogen surplus, nitrate in groundwater, denitrification and
// nitrous-oxide emission of grassland and maize land, all in black.
#include "RapportHulp.h"
#include "RapportPaginas.h"

#include <string_view>

namespace {
void Sectie(TRapport& r, const char* kop, const char* eenheid) {
    r.Canvas.Font.Color = kZwart;
    r.PrintBalkRegel(r.Regel, kSectieBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QString::fromLatin1(kop), 0, r.Regel);
    r.PrintTekst(2, QString::fromLatin1(eenheid), 22, r.Regel);
    r.Letter(10);
}

// Rows with their figure right at column 22; a row without a field has no figure.
void Regels(TRapport& r, std::initializer_list<std::pair<const char*, std::string_view>> regels) {
    for (const auto& [label, veld] : regels) {
        ++r.Regel;
        r.PrintTekst(0, QString::fromLatin1(label), 0, r.Regel);
        if (!veld.empty()) PrintResultaat(r, veld, 0, 22);
    }
}
} // namespace

void PrintResultaatBEN(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Results BEN"), 0, r.Regel);

    r.Regel += 3;
    Sectie(r, "Soil nitrogen surplus", "N");
    ++r.Regel;
    Regels(r, {{"Grassland:", {}},
               {"- calculated surplus (kg ha-1)", "NoverGrasBerek"},
               {"- permitted surplus according to WOG/WOD (kg ha-1)", "NoverGrasToeg"},
               {"- calculated compared to permitted (kg ha-1)", "NoverGrasVerschil"},
               {"Maize:", {}},
               {"- calculated surplus(kg ha-1)", "NoverMaisBerek"},
               {"- permitted surplus according to WOG/WOD (kg ha-1)", "NoverMaisToeg"},
               {"- calculated compared to permitted (kg ha-1)", "NoverMaisVerschil"}});

    r.Regel += 2;
    Sectie(r, "Nitrate concentration groundwater", "NO3");
    Regels(r, {{"Grassland", "NitraatGras"}, {"maize", "NitraatMais"}});
    r.Regel += 2;
    Sectie(r, "Denitrification", "N");
    Regels(r, {{"Grassland", "DenitriGras"}, {"Maize", "DenitriMais"}});
    r.Regel += 2;
    Sectie(r, "Greenhouse gas emission", "N2O");
    Regels(r, {{"Grassland", "LachgasGras"}, {"Maize", "LachgasMais"}});

    r.PrintVoet(r.PageNo);
}
