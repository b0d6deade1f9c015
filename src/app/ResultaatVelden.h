// The one table of result figures: every text of the result record that a result page,
// the printed report or the dump shows, with the label that shows it on screen and the
// rule that colours it. The result pages fill their labels from it, the report and the
// dump find their figures in it by record field and index, so the mapping from figure to
// field exists once.
#pragma once

#include "Tarvolingrade_t.h"

#include <span>
#include <string>
#include <string_view>

enum class TKleurRegel {
    Geen,   // always black
    Teken,  // advantage: green for a text beginning with "+", red for "-", else black
    Nadeel, // the opposite: a "+" is a disadvantage (red), a "-" green
};

struct TResultaatVeld {
    // The record field ("ExcrSpecExc") and its array index (0 for a field without one).
    std::string_view Veld;
    int Index;
    // The label of the result pages that shows it ("LblExc11"), empty when none does.
    std::string_view Label;
    // The text in a result record.
    const std::string& (*Tekst)(const TTvUitvoer&);
    // The colour on screen: by its own sign, or by the sign of the field KleurVan (index 0)
    // when that is not empty.
    TKleurRegel Kleur;
    std::string_view KleurVan;
    // The colour on paper, which differs for a few figures: the report colours the BEP
    // advantage row by the disposal advantage and leaves the BEN differences black.
    TKleurRegel PapierKleur;
    std::string_view PapierKleurVan;
};

// Every figure, in the order of the result pages (BEX, BEA, BEP, BEN, analysis) and then
// the figures only the report or the dump show.
std::span<const TResultaatVeld> ResultaatVelden();
// The figure of a record field and index, or nullptr.
const TResultaatVeld* ZoekResultaatVeld(std::string_view veld, int index = 0);
// The figure a result label shows, or nullptr.
const TResultaatVeld* ZoekResultaatLabel(std::string_view label);

// The colour value (red in the low byte: 0 black, 32768 green, 255 red) of a figure of
// the record u, on screen and on paper.
int SchermKleur(const TResultaatVeld& v, const TTvUitvoer& u);
int PapierKleur(const TResultaatVeld& v, const TTvUitvoer& u);
// The colour a rule gives a text by its first character.
int KleurVolgensRegel(TKleurRegel regel, std::string_view tekst);
