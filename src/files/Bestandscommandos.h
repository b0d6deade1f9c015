// The File menu of the main window.
#pragma once

class TFrmHoofdFormulier;

// Save under the current name, or Save as without one. True when the farm was saved (it
// has a name afterwards).
bool MitOpslaanClick(TFrmHoofdFormulier& w);
