// The cover: the report's title, its subjects, the farm's identity and the two logos.
#include "RapportPaginas.h"

void PrintVoorblad(TRapport& r) {
    r.Canvas.Brush.SetColor(kWit);
    r.Letter(10);
    r.Canvas.Brush.SetClear();
    r.PrintVoet(r.PageNo);
}
