// The analysis page: the farm's ratios, the feed stocks at the start and the end of the
// year, the ration the livestock ate and the assumptions behind its dry matter.
#include "RapportHulp.h"
#include "RapportPaginas.h"

#include "Getallen.h"

#include <array>
#include <string_view>

namespace {
void Band(TRapport& r, const QString& kop) {
    r.PrintBalkRegel(r.Regel, kSectieBand, {QString()});
    r.Letter(11, true);
    if (!kop.isEmpty()) r.PrintTekst(0, kop, 0, r.Regel);
}

// Headings right at the columns in bold 10 pt.
void Koppen(TRapport& r, std::initializer_list<std::pair<const char*, double>> koppen) {
    for (const auto& [kop, kolom] : koppen)
        r.PrintTekst(2, QString::fromLatin1(kop), kolom, r.Regel);
}

void Verhoudingen(TRapport& r) {
    struct TVerhouding {
        const char* Label;
        const char* Eenheid;
        std::string_view Veld;
        int Index;
        bool AlleenMelkvee;
    };
    constexpr TVerhouding regels[] = {
        {"Milk per ha", "   kg", "MelkPerHa", 0, true},
        {"No. of youngstock per 10 milk cows", "   no.", "JvPer10Mk", 0, true},
        {"Concentrate  per 100 kg milk", "   kg", "KvPer100kgMelk", 0, true},
        {"Advantage farm-specific, nitrogen", "   %", "PcVoordeelSpec", 1, false},
        {"Advantage farm-specific, phosphate", "   %", "PcVoordeelSpec", 2, false},
        {"Maximum milk production without manure disposal, nitrogen", "   kg ha-1", "MelkProdMax", 1, true},
        {"Maximum milk productie without manure disposal, phosphate", "   kg ha-1", "MelkProdMax", 2, true},
    };
    const bool melkvee = r.M.Diercategorie == QLatin1String("MK");
    bool eerste = true;
    for (const TVerhouding& v : regels) {
        if (v.AlleenMelkvee && !melkvee) continue;
        if (!eerste) ++r.Regel;
        eerste = false;
        r.PrintTekst(0, QString::fromLatin1(v.Label), 0, r.Regel);
        PrintResultaat(r, v.Veld, v.Index, 19);
        r.PrintTekst(0, QString::fromLatin1(v.Eenheid), 19, r.Regel);
    }
}

// The stocks of 1 January and 31 December with their protein and phosphorus per 1000 VEM
// and the change between them; milk powder shows its amounts only.
void Voorraden(TRapport& r) {
    r.Regel += 2;
    Band(r, QStringLiteral("Feed stocks on the farm"));
    r.Regel += 2;
    r.Letter(10, true);
    Koppen(r, {{"Starting", 8},
               {"CP/kVEM", 11},
               {"P/kVEM", 14},
               {"Closing", 19},
               {"CP/kVEM", 22},
               {"P/kVEM", 25},
               {"Mutation", 30}});
    ++r.Regel;
    r.PrintTekst(0, QStringLiteral("Feed"), 0, r.Regel);
    Koppen(r, {{"(unit*)", 8},
               {"(g/kvem)", 11},
               {"(g/kvem)", 14},
               {"(unit*)", 19},
               {"(g/kvem)", 22},
               {"(g/kvem)", 25},
               {"(unit*)", 30}});
    r.Letter(10);
    const char* const soorten[] = {"Grass silage", "Maize", "Other silage+residuals", "Concentrates",
                                   "Milk powder"};
    for (int soort = kGK; soort <= kMP; ++soort) {
        ++r.Regel;
        const TVoorraadPost& S = r.M.Invoer.Voorraden[mBegin][soort];
        const TVoorraadPost& E = r.M.Invoer.Voorraden[mEind][soort];
        r.PrintTekst(0, QString::fromLatin1(soorten[soort - 1]), 0, r.Regel);
        const bool gehalten = soort != kMP;
        r.PrintTekst(2, Getal("0", S.Hoev), 8, r.Regel);
        if (gehalten) {
            r.PrintTekst(2, Getal("0", Deel(S.Re, S.Vem / 1000.0L)), 11, r.Regel);
            r.PrintTekst(2, Getal("0.0", Deel(S.P, S.Vem / 1000.0L)), 14, r.Regel);
        }
        r.PrintTekst(2, Getal("0", E.Hoev), 19, r.Regel);
        if (gehalten) {
            r.PrintTekst(2, Getal("0", Deel(E.Re, E.Vem / 1000.0L)), 22, r.Regel);
            r.PrintTekst(2, Getal("0.0", Deel(E.P, E.Vem / 1000.0L)), 25, r.Regel);
        }
        r.PrintTekst(2, PlusMinTekstPrint(E.Hoev - S.Hoev), 30, r.Regel);
    }
}

// The ration by feed: fresh grass, the silages, concentrates before milk powder and the
// whole ration last.
void Rantsoen(TRapport& r) {
    r.Regel += 2;
    QString kop;
    if (r.M.Diercategorie == QLatin1String("MK"))
        kop = QStringLiteral("Feeding livestock (milk cows, incl. youngstock)");
    else if (r.M.Diercategorie == QLatin1String("JV"))
        kop = QStringLiteral("Feeding livestock (youngstock)");
    Band(r, kop);
    r.Regel += 2;
    r.Letter(10, true);
    Koppen(r, {{"Consumption livestock", 9},
               {"Share", 12.5},
               {"VEM", 16},
               {"CP", 19.5},
               {"P", 23},
               {"CP/kVEM", 26.5},
               {"P/kVEM", 30}});
    ++r.Regel;
    r.PrintTekst(0, QStringLiteral("Feed"), 0, r.Regel);
    Koppen(r, {{"(kg DM)", 9},
               {"(% in DM)", 12.5},
               {"(vem (energy)/unit*)", 16},
               {"(g/unit*)", 19.5},
               {"(g/unit*)", 23},
               {"(g/kvem)", 26.5},
               {"(g/kvem)", 30}});
    r.Letter(10);
    const std::pair<const char*, int> regels[] = {
        {"Grass", 1},        {"Grass silage", 2}, {"Maize", 3}, {"Other silage+residuals", 4},
        {"Concentrates", 6}, {"Milk powder", 5},  {"Diet", 0},
    };
    const std::pair<std::string_view, double> kolommen[] = {
        {"RantsVerbruik", 9}, {"RantsAandeel", 12.5}, {"RantsGehVem", 16}, {"RantsGehRe", 19.5},
        {"RantsGehP", 23},    {"RantsReKvem", 26.5},  {"RantsPKvem", 30},
    };
    for (const auto& [label, index] : regels) {
        ++r.Regel;
        r.PrintTekst(0, QString::fromLatin1(label), 0, r.Regel);
        for (const auto& [veld, kolom] : kolommen)
            PrintResultaat(r, veld, index, kolom);
    }
}
} // namespace

void PrintAnalyse(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Analysis farm-specific excretion (diet characteristics)"), 0, r.Regel);
    r.Regel += 2;
    r.Letter(10);

    Verhoudingen(r);
    Voorraden(r);
    Rantsoen(r);

    r.Regel += 2;
    r.Letter(10, true);
    r.PrintTekst(0, QStringLiteral("Assumptions"), 0, r.Regel);
    r.Letter(10);
    ++r.Regel;
    r.PrintTekst(0, QStringLiteral("DM concentrates (g/kg)"), 0, r.Regel);
    r.PrintTekst(2, QStringLiteral("900"), 9, r.Regel);
    ++r.Regel;
    r.PrintTekst(0, QStringLiteral("DM milk powder (g/kg)"), 0, r.Regel);
    r.PrintTekst(2, Getal("0", 950), 9, r.Regel);

    r.Regel += 2;
    r.PrintTekst(
        0,
        QStringLiteral("* Concentrates and milk powder: consumption shown in 'kg DM', stocks and analysis "
                       "shown in 'kg product'."),
        0, r.Regel);
    ++r.Regel;
    r.PrintTekst(
        0, QStringLiteral("  Other feeding products: consumption, stocks and analysis shown in 'kg ds'."), 0,
        r.Regel);

    r.PrintVoet(r.PageNo);
}
