// The stock pages 3..5: the fifteen stock grids, their total labels and companions.
#include "Tarvolingrade_u.h"

void TFrmHoofdFormulier::InitVoorraadGrids() {}

void TFrmHoofdFormulier::InitVoorraadLabels() {}

void TFrmHoofdFormulier::MaakVoorraadBesturingen() {}

void TFrmHoofdFormulier::VoorraadModuleWijziging() {}
