// The check items of the stock pages 3..5.
#include "Tarvolingrade_u.h"

void TFrmHoofdFormulier::MaakControlesVoorraad() {}
