// The BEP result page: derived phosphate standards and the manure disposal they give.
#include "RapportPaginas.h"

void PrintResultaatBEP(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Results BEP"), 0, r.Regel);
    r.Letter(10);
    r.PrintVoet(r.PageNo);
}
