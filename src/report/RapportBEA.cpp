// The BEA result page: the farm's ammonia emission by source beside the fixed emission
// standards.
#include "RapportHulp.h"
#include "RapportPaginas.h"

#include <array>
#include <string_view>

namespace {
// The four value columns: kg per farm, per ha, per ton of milk, per livestock unit.
constexpr double Kolom(int i) {
    return 6 + 6 * i;
}

// The four captions of a row, right at the value columns.
void Koppen(TRapport& r, const std::array<const char*, 4>& koppen) {
    for (int i = 1; i <= 4; ++i)
        r.PrintTekst(2, QString::fromLatin1(koppen[static_cast<std::size_t>(i - 1)]), Kolom(i), r.Regel);
}

void Band(TRapport& r, const QString& kop) {
    r.PrintBalkRegel(r.Regel, kSectieBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, kop, 0, r.Regel);
}

struct TNormRij {
    const char* Grond;
    // The standards in tenths of kg NH3 per ton of milk, by farm intensity.
    std::array<int, 4> Tienden;
};

// The ammonia emission standards by soil type and farm intensity (tons of milk per ha);
// an empty soil type leaves its row empty.
constexpr TNormRij kNormen[] = {
    {"Clay", {51, 39, 34, 29}},
    {"Peat", {51, 47, 40, 34}},
    {"Wet sand", {45, 35, 30, 24}},
    {"Dry sand", {42, 35, 30, 24}},
    {nullptr, {}},
    {"AVERAGE", {49, 40, 35, 29}},
};

// A standard as its units digit, the decimal sign and its tenths digit.
QString Norm(const TRapport& r, int tienden) {
    return QString::number(tienden / 10) + r.M.Decimaalteken + QString::number(tienden % 10);
}
} // namespace

void PrintResultaatBEA(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Results BEA (Normen ") + r.Jaar() + QLatin1Char(')'), 0, r.Regel);

    r.Regel += 2;
    Band(r, QStringLiteral("Ammonia emission "));
    Koppen(r, {"NH3", "NH3", "NH3", "NH3"});
    ++r.Regel;
    r.Letter(10, true);
    Koppen(r, {"(kg/farm)", "(kg/ha)", "(kg/ton milk)", "(kg/GVE)"});
    r.Letter(10);
    const std::pair<const char*, std::string_view> bronnen[] = {
        {"Total", "EmNh3Tot"},
        {"- stable and manure storage", "EmNh3Stal"},
        {"- liquid manure on arable land", "EmNh3Omb"},
        {"- liquid manure on grassland", "EmNh3Omg"},
        {"- art. fertilizer on arable land", "EmNh3Kmb"},
        {"- art. fertilizer on grassland", "EmNh3Kmg"},
        {"- grazing", "EmNh3Beweid"},
    };
    for (const auto& [label, veld] : bronnen) {
        ++r.Regel;
        r.PrintTekst(0, QString::fromLatin1(label), 0, r.Regel);
        for (int i = 1; i <= 4; ++i)
            PrintResultaat(r, veld, i, Kolom(i));
    }

    r.Regel += 2;
    Band(r, QStringLiteral("Ammonia emission standards per farm intensity and soil type"));
    r.Regel += 2;
    Koppen(r, {"< 10 ton", "10-14 ton", "14-18 ton", "> 18 ton"});
    ++r.Regel;
    Koppen(r, {"milk ha-1", "milk ha-1", "milk ha-1", "milk ha-1"});
    ++r.Regel;
    r.Letter(10, true);
    Koppen(r, {"(kg NH3/ton milk)", "(kg NH3/ton milk)", "(kg NH3/ton milk)", "(kg NH3/ton milk)"});
    r.Letter(10);
    for (const TNormRij& rij : kNormen) {
        ++r.Regel;
        if (!rij.Grond) continue;
        r.PrintTekst(0, QString::fromLatin1(rij.Grond), 0, r.Regel);
        for (int i = 1; i <= 4; ++i)
            r.PrintTekst(2, Norm(r, rij.Tienden[static_cast<std::size_t>(i - 1)]), Kolom(i), r.Regel);
    }

    r.PrintVoet(r.PageNo);
}
