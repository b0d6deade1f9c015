// The BEA result page: ammonia emission by source and the emission standards.
#include "RapportPaginas.h"

void PrintResultaatBEA(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Results BEA (Normen ") + r.Jaar() + QLatin1Char(')'), 0, r.Regel);
    r.Letter(10);
    r.PrintVoet(r.PageNo);
}
