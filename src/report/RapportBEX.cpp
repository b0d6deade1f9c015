// The BEX result page: excretion, manure disposal and efficiency against the norms.
#include "RapportPaginas.h"

void PrintResultaatBEX(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Results BEX analysis (Normen ") + r.Jaar() + QLatin1Char(')'), 0,
                 r.Regel);
    r.Letter(10);
    r.PrintVoet(r.PageNo);
}
