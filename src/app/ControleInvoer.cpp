// The check items of the input pages 0, 1, 2, 6, 7 and 8.
#include "Tarvolingrade_u.h"

void TFrmHoofdFormulier::MaakControlesInvoer() {}
