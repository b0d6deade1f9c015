// The module input page: the inputs of BEA, BEP and BEN that are on.
#include "RapportPaginas.h"

void PrintModuleInvoer(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Input"), 0, r.Regel);
    r.Letter(10);
    r.PrintVoet(r.PageNo);
}
