// What several page kinds of the report share: the result figures of the kept result
// record, found in the one table of result figures by record field and index with their
// colour on paper, and the opening of the input and stock pages.
#pragma once

#include "Rapport.h"

#include <QString>

#include <initializer_list>

#include <string_view>

// The text of a result figure; empty for a field the table does not hold.
QString Resultaat(const TRapport& r, std::string_view veld, int index = 0);
// Its colour on paper (black for a field the table does not hold).
TKleur ResultaatKleur(const TRapport& r, std::string_view veld, int index = 0);
// A result figure printed at a column of row Regel, ending there (align 2).
void PrintResultaat(TRapport& r, std::string_view veld, int index, double kolom);

// The opening of the input, module input and stock pages: the header, the title band
// with "Input" in bold 11 pt at row 5 (the font stays bold 11 pt).
void PrintInvoerKop(TRapport& r);
// A section band at row Regel with its title in bold 11 pt; then 10 pt regular and the
// next row.
void PrintInvoerSectie(TRapport& r, const QString& kop);

// The texts of controls joined by a separator.
QString Samen(const TRapport& r, std::initializer_list<const char*> namen, const QString& tussen);
// A number with the pattern "0", "0.0" or "0.00".
QString Getal(const char* patroon, long double waarde);
