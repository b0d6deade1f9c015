// The BEN result page: nitrogen surplus, nitrate, denitrification and nitrous oxide.
#include "RapportPaginas.h"

void PrintResultaatBEN(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Results BEN"), 0, r.Regel);
    r.Letter(10);
    r.PrintVoet(r.PageNo);
}
