// Where a change of page leads: the rules of the page control as a plain function of the
// page left, the page chosen, who chose it, the pages' state and the tabs shown, so that
// the rules are tested without a window. The window runs what the answer asks for (fold,
// check, calculate), asks again with the state that follows, and goes where it is told.
#pragma once

#include <array>

// Who changed the page: the user on the tabs, the OK button of an input page, or code
// (the farm-file reader, the evaluation-variant list).
enum class TAfzender { PaginaControle, OkKnop, Anders };

// How the page being left is checked before the decision.
enum class TControleVooraf { Geen, Stil, MetMeldingen };

struct TNavigatieVraag {
    int Oud = 0;   // the page being left
    int Nieuw = 0; // the page chosen
    TAfzender Afzender = TAfzender::Anders;
    // Input pages 0..8 valid; the page of a module that is off counts as valid.
    std::array<bool, 9> Geldig{};
    // Whether each page's tab is shown.
    std::array<bool, 14> Zichtbaar{};
    // Whether the calculation driver calculated (asked only for a result page).
    bool Berekend = false;
};

struct TNavigatieBesluit {
    // Before the decision; these do not depend on the state.
    bool Vouwen = false; // fold the grids of the stock page left
    TControleVooraf ControleOud = TControleVooraf::Geen;
    bool Berekenen = false; // run the calculation driver
    // The decision, from the state after the steps above.
    int Doel = 0;
    bool VulResultaten = false;  // fill the labels of the chosen result page
    bool ControleerDoel = false; // check the page gone to, without messages
    bool Melding = false;        // "Vul eerst alle tabbladen goed in"
};

constexpr bool IsResultaatPagina(int pagina) {
    return pagina >= 9 && pagina <= 13;
}

TNavigatieBesluit BepaalNavigatie(const TNavigatieVraag& v);

// The page the OK button of input page p leads to: the first page after p whose tab is
// shown (at most ten pages on, and never beyond the last page); -1 when there is none.
int VolgendePagina(int p, const std::array<bool, 14>& zichtbaar);
