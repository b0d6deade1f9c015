// The farm file on the main window: the record of the codec collected from the controls
// for writing, and applied to them after reading, item by item in file order with the
// side effects of a user's change; then the handlers, the page checks and the page the
// user returns to.
#pragma once

#include "Boerderijbestand.h"

class TFrmHoofdFormulier;

// Every stored input of the window, with the current decimal sign and the first page
// that is not valid.
TBoerderijBestand VerzamelBestand(const TFrmHoofdFormulier& w);

// Refuses a record the window cannot show: a list index outside -1 .. the list's last
// item. Throws TBestandFout; changes nothing.
void ControleerBestand(const TFrmHoofdFormulier& w, const TBoerderijBestand& b);

// Puts the record into the window, which was reset just before: the controls in file
// order (edits, spin edits and radio buttons run their handlers, lists set by index run
// none, spin edits keep to their range) while BezigMetInlezen is set; then the change
// handlers, the silent checks of the pages before the stored page, one page change and
// the return to the page the user was on, never beyond the first invalid page.
void PasBestandToe(TFrmHoofdFormulier& w, const TBoerderijBestand& b);
