// Which pages the report has and what each page shows: the page count of the print
// commands and the page map of the painter, from the module flags and the stock grids.
//
// Pages: 1 cover, 2 BEX results, then the result pages of the modules that are on (BEA,
// BEP, BEN in that order), the analysis page, the input page, the module input page
// (only when a module is on) and last the three stock sections (opening stock, stock
// increase and sales, closing stock).
//
// A stock section lists, per feed kind in grid order, the batches with an amount plus
// three lines (an empty line, the heading and the total). Its kinds are packed into
// pages of at most 40 lines, at most 39 on closing-stock pages, whose 40th line would
// print over the credit lines at the foot of the page: a page takes the next kinds while
// its lines stay within the limit. A section whose batches all fit in one page's lines
// takes one page; a full section may take three.
#pragma once

#include "Momentopname.h"

#include <vector>

enum class TPaginaSoort { Geen, Voorblad, BEX, BEA, BEP, BEN, Analyse, Invoer, ModuleInvoer, Voorraad };

struct TPaginaKeuze {
    TPaginaSoort Soort = TPaginaSoort::Geen;
    // Stock pages: the section (1..3) and which of its pages (1..3).
    int Sectie = 0;
    int Deel = 0;
    friend bool operator==(const TPaginaKeuze&, const TPaginaKeuze&) = default;
};

// The lines of stock section Moment (1..3) for feed kind Soort (1..5, or 0 for all five);
// Moment 0 sums all sections and kinds. A batch counts when its amount is not empty and
// not 0. An amount that is no number throws with the conversion message of its text.
int AantalRegelsVoorraad(const TMomentopname& m, int Moment, int Soort);
// The feed kinds on each page of stock section Moment (1..3); at least one page, which
// is empty when no batch has an amount.
std::vector<std::vector<int>> VoorraadVerdeling(const TMomentopname& m, int Moment);
// The pages of stock section Moment (1..3), or of all three (0).
int AantalVoorraadPaginas(const TMomentopname& m, int Moment);
// The first (Which 1) or last (Which 2) page number of stock section Section (1..3).
int VoorraadPagina(const TMomentopname& m, int Section, int Which);
// The pages of the report: 4 + A + B + P + N + the stock pages.
int PaginaAantal(const TMomentopname& m);
// What page PageNo shows; beyond the last stock page nothing.
TPaginaKeuze KiesPagina(const TMomentopname& m, int PageNo);

// The most lines a page of stock section Moment takes.
int MaxRegelsVoorraad(int Moment);
