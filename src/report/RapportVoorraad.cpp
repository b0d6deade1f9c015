// The stock pages: every batch with an amount of the section's grids, with their totals.
#include "RapportPaginas.h"

void PrintVoorraad(TRapport& r, int /*sectie*/, int /*deel*/) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Input"), 0, r.Regel);
    r.Letter(10);
    r.PrintVoet(r.PageNo);
}
