// The stock pages: every batch with an amount of the section's grids, with their totals.
#include "PaginaIndeling.h"
#include "RapportHulp.h"
#include "RapportPaginas.h"

#include "Getallen.h"

#include <array>

namespace {
struct TSectieKop {
    const char* Titel;
    const char* Vem;
    const char* As;
};
constexpr TSectieKop kSecties[] = {
    {"Opening stock", "Vem", "C Ash (g)"},
    {"Stock increase and sales", "Vem (energy)", "Ash (g)"},
    {"Closing stock", "Vem (energy)", "Ash (g)"},
};

constexpr const char* kSoortKoppen[] = {
    "Grass silage (kg DM)",
    "Maize silage (kg DM)",
    "Roughage, residuals (kg DM)",
    "concentrates, mineral mixtures (kg)",
    "Milk powder (kg)",
};

// The credits at the foot of the closing-stock pages.
constexpr const char* kKredieten[] = {
    "Tarvolingrade computes the farm-specific excretion of nitrogen and phosphate of dairy farms.",
    "It was developed by the Tarvolingrade project for Dutch dairy farmers and their advisers.",
    "Its development was financed by the partners of the Tarvolingrade project.",
    "Questions and remarks: see the helpdesk and web site in the program's Info window.",
};

// Whether a batch is printed: its amount is not empty and not 0. An amount that is not a
// number never gets here: the page count reads every amount first.
bool MetHoeveelheid(const QString& hoeveelheid) {
    if (hoeveelheid.isEmpty()) return false;
    const auto v = TryStrToFloat(hoeveelheid.toStdString());
    return !v || *v != 0;
}

void SectieBand(TRapport& r, int sectie) {
    const TSectieKop& kop = kSecties[sectie - 1];
    r.PrintBalkRegel(r.Regel, kSectieBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QString::fromLatin1(kop.Titel), 0, r.Regel);
    const std::array<std::pair<const char*, double>, 5> koppen = {{
        {"Amount", 15},
        {kop.Vem, 17.5},
        {"CP (g)", 20},
        {"N (g)", 22.5},
        {"P (g)", 25},
    }};
    for (const auto& [tekst, kolom] : koppen)
        r.PrintTekst(2, QString::fromLatin1(tekst), kolom, r.Regel);
    if (r.M.ModuleBEA) {
        r.PrintTekst(2, QString::fromLatin1(kop.As), 27.5, r.Regel);
        r.PrintTekst(2, QStringLiteral("Vre (g)"), 30, r.Regel);
    }
    r.Letter(10);
    ++r.Regel;
}

// One feed kind: an empty line, its heading in bold, its batches and the total line.
void Soort(TRapport& r, int sectie, int soort) {
    const TVoorraadStand& stand = r.M.Voorraad[sectie][soort];
    const bool kuil = soort == kGK || soort == kSM;
    ++r.Regel;
    r.Canvas.Font.Bold = true;
    r.PrintInvoerRegel(QString::fromLatin1(kSoortKoppen[soort - 1]), QString());
    r.Canvas.Font.Bold = false;
    for (std::size_t i = 0; i < stand.Rijen.size(); ++i) {
        const auto& c = stand.Rijen[i];
        if (!MetHoeveelheid(c[2])) continue;
        QString naam = c[1];
        const int rij = static_cast<int>(i) + 1;
        if (kuil && r.M.ModuleBEP && rij <= 20 && r.M.Aankoop[sectie][soort][rij])
            naam += QStringLiteral(" (purchase)");
        r.PrintVoorraadRegel(naam, c[2], c[3], c[4], c[5], c[6], kuil ? c[7] : QString(), c[8]);
    }
    const auto& t = stand.Totaal;
    r.PrintVoorraadRegel(QStringLiteral("Total"), t[1], t[2], t[3], t[4], t[5], kuil ? t[6] : QString(),
                         t[7]);
}
} // namespace

void PrintVoorraad(TRapport& r, int sectie, int deel) {
    PrintInvoerKop(r);
    r.Letter(10);
    r.Regel += 3;
    SectieBand(r, sectie);
    const auto paginas = VoorraadVerdeling(r.M, sectie);
    if (deel >= 1 && deel <= static_cast<int>(paginas.size()))
        for (const int soort : paginas[static_cast<std::size_t>(deel - 1)])
            Soort(r, sectie, soort);

    if (sectie == mEind) {
        r.Letter(8);
        for (int i = 0; i < 4; ++i)
            r.PrintTekstKlein(0, QString::fromLatin1(kKredieten[i]), 0, 60 + i);
    }
    r.PrintVoet(r.PageNo);
}
