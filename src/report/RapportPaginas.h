// The contents of each page kind of the report, one file per kind:
//
//   RapportVoorblad.cpp      PrintVoorblad        page 1, the cover
//   RapportBEX.cpp           PrintResultaatBEX    page 2, the BEX results
//   RapportBEA.cpp           PrintResultaatBEA    the BEA results (BEA on)
//   RapportBEP.cpp           PrintResultaatBEP    the BEP results (BEP on)
//   RapportBEN.cpp           PrintResultaatBEN    the BEN results (BEN on)
//   RapportAnalyse.cpp       PrintAnalyse         the analysis page
//   RapportInvoer.cpp        PrintInvoer          the input page
//   RapportModuleInvoer.cpp  PrintModuleInvoer    the module input page (a module on)
//   RapportVoorraad.cpp      PrintVoorraad        the stock pages
//
// PktPrintPreviewPaint (Rapport.h) builds the page state and calls the one routine the
// page map (PaginaIndeling.h) chooses. Each routine draws its whole page: every page
// after the cover begins with r.PrintKop() (r.Paginakop() adds the body font, a clear
// brush and Regel 4) and every page ends with r.PrintVoet(r.PageNo). They draw only with
// the routines of TRapport and the surface r.Canvas, and read only the snapshot r.M:
// the kept records (r.M.Uitvoer, r.M.Invoer; result texts through ResultaatVelden.h),
// control texts and values by name (r.M.Tekst("SpeJaartal"), r.M.Waarde(...),
// r.M.Zichtbaar(...)), the stock grids, the purchase flags and the pictures. A stock
// page draws the kinds VoorraadVerdeling(r.M, sectie)[deel - 1] of its section. What
// several page kinds share (result figures with their colour on paper, the opening of
// the input pages) is in RapportHulp.h.
#pragma once

#include "Rapport.h"

void PrintVoorblad(TRapport& r);
void PrintResultaatBEX(TRapport& r);
void PrintResultaatBEA(TRapport& r);
void PrintResultaatBEP(TRapport& r);
void PrintResultaatBEN(TRapport& r);
void PrintAnalyse(TRapport& r);
void PrintInvoer(TRapport& r);
void PrintModuleInvoer(TRapport& r);
// Stock section sectie (1 opening stock, 2 stock increase and sales, 3 closing stock),
// its page deel (1..3).
void PrintVoorraad(TRapport& r, int sectie, int deel);
