// The file commands of the farm file: New, Save, reading and writing, and the question
// about unsaved changes.
#pragma once

#include "Omgeving.h"

#include <QString>

class TFrmHoofdFormulier;

void KoppelBestanden(TFrmHoofdFormulier& w);
void MitNieuwClick(TFrmHoofdFormulier& w);
bool MitOpslaanClick(TFrmHoofdFormulier& w);
bool SchrijfBestand(TFrmHoofdFormulier& w, const QString& naam);
bool LeesBestand(TFrmHoofdFormulier& w, const QString& naam);
// "Save file " + name + "?" with Yes, No and Cancel, saving on Yes; No without asking when
// there is nothing to ask.
TAntwoord VraagOpslaan(TFrmHoofdFormulier& w);
