// The BEP result page: the farm-specific phosphate application standards derived per
// phosphate status, and the manure disposal that follows from them.
#include "RapportHulp.h"
#include "RapportPaginas.h"

#include <string_view>

namespace {
// A section band with its bold heading and "Phosphate" right at column 22.
void Sectie(TRapport& r, const char* kop) {
    r.Canvas.Font.Color = kZwart;
    r.PrintBalkRegel(r.Regel, kSectieBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QString::fromLatin1(kop), 0, r.Regel);
    r.PrintTekst(2, QStringLiteral("Phosphate"), 22, r.Regel);
    r.Letter(10);
}

// Rows of one figure right at column 22.
void Regels(TRapport& r, std::initializer_list<std::pair<const char*, std::string_view>> regels) {
    for (const auto& [label, veld] : regels) {
        ++r.Regel;
        r.PrintTekst(0, QString::fromLatin1(label), 0, r.Regel);
        PrintResultaat(r, veld, 0, 22);
    }
}

// The derived standards of grassland, maize and other arable land, high, neutral and low,
// under the underlined caption of their period; Suffix "3" gives the three-year average.
void Afgeleid(TRapport& r, const QString& kop, const char* suffix) {
    ++r.Regel;
    r.Letter(10);
    r.Canvas.Font.Underline = true;
    r.PrintTekst(0, kop, 0, r.Regel);
    r.Letter(10);
    const std::pair<const char*, const char*> gewassen[] = {
        {"- grassland (kg ha-1)", "AfgGras"},
        {"- maize (kg ha-1)", "AfgMais"},
        {"- other arable land (kg ha-1)", "AfgBouw"},
    };
    for (const auto& [label, veld] : gewassen) {
        ++r.Regel;
        r.PrintTekst(0, QString::fromLatin1(label), 1, r.Regel);
        const std::pair<char, double> toestanden[] = {{'H', 22}, {'N', 26}, {'L', 30}};
        for (const auto& [toestand, kolom] : toestanden) {
            const std::string naam = std::string(veld) + toestand + suffix;
            PrintResultaat(r, naam, 0, kolom);
        }
    }
}
} // namespace

void PrintResultaatBEP(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Results BEP"), 0, r.Regel);
    r.Letter(10);

    ++r.Regel;
    const QString balans[] = {
        QStringLiteral(" Used amount of phosphate on own farm"),
        QStringLiteral("- purchased amount of phosphate with concentrates and milk powder (minus)"),
        QStringLiteral("- purchased amount of phosphate with silage and other products ()"),
        QStringLiteral("- on own farm produced phosphate except grass(silage) and maize used as feed for own "
                       "livestock (minus)"),
        QStringLiteral("+ disposal of phosphate by selling home made grass(silage) and maïze(plus)"),
        QStringLiteral(
            "= on own farm produced amount of phosphate wih grass(silage) and maïze (=soil extraction)"),
    };
    for (const QString& regel : balans)
        r.PrintTekst(0, regel, 0, ++r.Regel);

    ++r.Regel;
    const QString uitleg[] = {
        QStringLiteral(
            "Of these FARM-SPECIFIC APPLICATION STANDARD FOR  PHOSPHATE   a standard  is derived for "
            "grass and maize"),
        QStringLiteral(
            "for the neutral ground state.  On this standard  is an adjustment is made for phosphate status"),
        QStringLiteral("high and low. This results in  an application standard for each soil condition"),
        QStringLiteral("for grassland and maize for the year of calculation."),
        QStringLiteral("Because crop yields vary yearly properly,  the phosphate application standard"),
        QStringLiteral("for next year is the average of the last three years."),
        QStringLiteral("Besides the derivative phosphate application standards of last year, the average "
                       "phosphate standards are"),
        QStringLiteral("also shown in the table:  derivative state standards for every phosphate status."),
    };
    for (const QString& regel : uitleg)
        r.PrintTekst(0, regel, 0, ++r.Regel);

    r.Regel += 2;
    r.Canvas.Font.Color = kZwart;
    r.PrintBalkRegel(r.Regel, kSectieBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Derived standards per phosphate status"), 0, r.Regel);
    r.PrintTekst(2, QStringLiteral("High"), 22, r.Regel);
    r.PrintTekst(2, QStringLiteral("Neutral"), 26, r.Regel);
    r.PrintTekst(2, QStringLiteral("Low"), 30, r.Regel);
    ++r.Regel;
    Afgeleid(r, r.M.Tekst("SttBepJaar"), "");
    Afgeleid(r, r.M.Tekst("SttBepJaar3"), "3");

    r.Regel += 2;
    Sectie(r, "Standards per ha, corrected for phosphate status*");
    Regels(r, {{"P-Excretion forfait (kg)", "FosfHaGeneriek"},
               {"Farm specific application standard (P), last year (kg)", "FosfHaSpecifiek"},
               {"Farm specific application standard (P), average last 3 years (kg)", "FosfHaSpecifiek3"}});

    r.Regel += 2;
    Sectie(r, "Farm standards, corrected for phosphate status *");
    Regels(r, {{"P application standard forfait (kg)", "FosfGeneriek"},
               {"Farm specific application standard (P), average last 3 years (kg)", "FosfSpecifiek3"}});
    // The advantage row takes the colour of the manure-disposal advantage.
    ++r.Regel;
    r.Canvas.Font.Bold = true;
    r.PrintTekst(0, QStringLiteral("Advantage use of farm-specific application standard (kg)"), 0, r.Regel);
    r.Canvas.Font.Color = ResultaatKleur(r, "FosfVoordeel");
    PrintResultaat(r, "FosfVoordeel", 0, 22);
    r.Canvas.Font.Color = ResultaatKleur(r, "FosfPcVoordeel");
    PrintResultaat(r, "FosfPcVoordeel", 0, 24);
    r.Canvas.Font.Color = kZwart;

    r.Regel += 2;
    Sectie(r, "Manure disposal based on phosphate *");
    Regels(r, {{"Excretion (animal) manure based on BEX (kg)", "BepExcretieBex"},
               {"Manure disposal at application standard (P)forfait (kg)", "BepMestafzetForf"},
               {"Manure disposal at farm-specific application (P)standard (kg)", "BepMestafzetSpec"}});
    ++r.Regel;
    r.Canvas.Font.Bold = true;
    r.PrintTekst(0, QStringLiteral("Advantage use of farm-specific application (P)standard (kg)"), 0,
                 r.Regel);
    r.Canvas.Font.Color = ResultaatKleur(r, "BepMestafzetVoor");
    PrintResultaat(r, "BepMestafzetVoor", 0, 22);
    r.Canvas.Font.Color = kZwart;

    r.Regel += 2;
    r.Letter(10);
    r.PrintTekst(0, r.M.Tekst("SttBepBasis"), 0, r.Regel);

    r.PrintVoet(r.PageNo);
}
