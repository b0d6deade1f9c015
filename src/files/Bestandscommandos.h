// The File menu of the main window: New, Open, Save, Save as, Close, the recent files,
// the window caption and the question before unsaved work is lost. The farm file itself
// is written and read here too (SchrijfBestand, LeesBestand), on the codec of
// Boerderijbestand.h and the item table of BestandVenster.h.
#pragma once

#include "Omgeving.h"

#include <QFile>
#include <QString>

class TFrmHoofdFormulier;
class TKtFilehistMenu;

// Attaches the file commands to the window: the menu commands and their tool-bar buttons
// (enabled), the recent-files menu loaded from the settings file, the hooks of the command
// line and of closing, and the watch on the user's own edits (the modified flag).
void KoppelBestanden(TFrmHoofdFormulier& w);

// The recent-files menu of the window, once attached; nullptr before.
TKtFilehistMenu* BestandHistorie(TFrmHoofdFormulier& w);

// New: after an edit since the last save or read asks whether to save it first; then
// resets the window to a new farm without a file name.
void MitNieuwClick(TFrmHoofdFormulier& w);
// Open: after an edit asks whether to save it first; then the open dialog and LeesBestand.
void MitOpenenClick(TFrmHoofdFormulier& w);
// Save under the current name, or Save as without one. True when the farm was saved (it
// has a name afterwards).
bool MitOpslaanClick(TFrmHoofdFormulier& w);
// Save as: the save dialog (the name proposed from the description) and SchrijfBestand.
// True when the farm was saved.
bool MitOpslaanalsClick(TFrmHoofdFormulier& w);

// Writes the farm to naam in the newest format, through a temporary file that replaces
// the old one only when it is complete; a name that leads to no regular file (a folder,
// FIFO or device) is not written. On success the name becomes current, the caption
// shows it, Opgeslagen is set and Gewijzigd cleared. On failure the error is shown and
// the old file, the name, the caption and the flags stay. True on success.
bool SchrijfBestand(TFrmHoofdFormulier& w, const QString& naam);
// Reads the farm file naam of any format version. The whole file is decoded and checked
// first; a bad file shows its message and leaves the open farm, its name and caption as
// they were. Then the window is reset, the old name goes to the recent files, the name
// becomes current and every input is set from the file. True on success.
bool LeesBestand(TFrmHoofdFormulier& w, const QString& naam);

// How opening a file for reading or appending went.
struct TGeopend {
    bool Open = false;        // f holds the file
    bool GeenBestand = false; // refused: a folder, FIFO, socket or device, not a file
    bool Gemaakt = false;     // appending made the file
    QString Fout;             // the system's reason when it could not be opened
};
// Opens naam as f for reading (QIODevice::ReadOnly) or appending (QIODevice::Append, made
// when missing; add QIODevice::Unbuffered to write straight through) only when it is a
// regular file. Anything else is refused at once: the open never waits, not even when the
// name is swapped for a FIFO after the check. f then holds the handle, not the name.
TGeopend OpenGewoonBestand(QFile& f, const QString& naam, QIODevice::OpenMode modus);

// The question of closing: "Save file " + name + "?" with Yes, No and Cancel, asked while
// the farm was not saved since the last New or was edited since its last save or read.
// Yes saves (Annuleren is returned when that save fails or is cancelled); No settles the
// question. Returns Nee without asking when there is nothing to ask about.
TAntwoord VraagOpslaan(TFrmHoofdFormulier& w);

// The window caption: cut at its first " - ", then " - " and the lower-case file name
// without its folder when naam is not empty.
void ZetTitel(TFrmHoofdFormulier& w, const QString& naam);
