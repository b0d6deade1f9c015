// The input page: land, herd, grazing, milk and the other grazing animals.
#include "RapportPaginas.h"

void PrintInvoer(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Input"), 0, r.Regel);
    r.Letter(10);
    r.PrintVoet(r.PageNo);
}
