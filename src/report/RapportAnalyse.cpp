// The analysis page: the farm's ratios, its feed stocks and the ration.
#include "RapportPaginas.h"

void PrintAnalyse(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Analysis farm-specific excretion (diet characteristics)"), 0, r.Regel);
    r.Letter(10);
    r.PrintVoet(r.PageNo);
}
