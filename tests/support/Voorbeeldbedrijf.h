// One realistic dairy farm with every module, typed into the main window page by page as
// a user types it: key by key into the edits and the cells, choices from the lists, the
// OK button of each page. Shared by the GUI tests, the benchmark and the screenshot.
//
// The farm (2012): 80 cows of the normal breed giving 680000 kg milk at 4.4 % fat, 3.5 %
// protein and urea 22; 30 heifers and 25 calves; 80 % of the cows' and 50 % of the heifers'
// manure as slurry; six months of limited grazing at 8 hours; 30 ha grassland (5 low, 15
// neutral, 10 high in phosphate) and 5 ha arable land (neutral), 4 ha of it maize; ten
// breeding sheep fed from the farm's stocks; stocks of every kind, the maize silage of the
// stock increase bought; a house without low emission, fertiliser and slurry on the
// land; 15000 kg grass silage sold at 4 g P; grassland on sand (groundwater class VI),
// maize land on sand (VII - VIII). Its stock totals equal those of the model's example
// farm of the complete BEX calculation, so the figures worked out by hand there hold here.
#pragma once

#include <QString>
#include <QStringList>

class NumEdit;
class TFrmHoofdFormulier;
class TVoorraadGrid;

// Replaces the edit's text by typing, as a user who selects all and types over it.
void Typ(NumEdit* e, const QString& tekst);
// Types into a cell of a stock grid, key by key, and closes the editor.
void TypCel(TVoorraadGrid* g, int kolom, int rij, const QString& tekst);
// Types a batch from column 1 on; empty texts are skipped.
void TypRegel(TVoorraadGrid* g, int rij, const QStringList& cellen);
// Clicks the tab of a page with the mouse, as the user chooses a page.
void KlikTab(TFrmHoofdFormulier& w, int pagina);

// Types the farm from page 0 on and presses OK on every input page, so that the last one
// leads to the BEX results. Returns what went wrong, or an empty text.
QString TypVoorbeeldbedrijf(TFrmHoofdFormulier& w);
