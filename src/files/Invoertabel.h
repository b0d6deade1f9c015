// The batch input table: a text file with a header line of column names and one farm per
// further line, fields separated by "@" or the tab character. Standard C++ only, so the
// parser can be tested and fuzzed without a window; the batch window shows its messages.
#pragma once

#include "Tarvolingrade_t.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// One farm of a table: its identity, the inputs of one calculation and, once the batch
// has calculated it, its results.
struct TPlan {
    // "Bedrijf " + its number among the data lines, unless column NAAMINV is filled; the
    // farm file's name and the first field of the result table.
    std::string Naam;
    std::string Omschr;
    std::string Veehouder;
    std::string Straat;
    std::string Plaats;
    // Only the fields the column table names are filled; the others stay 0 or empty.
    TTvInvoer Invoer{};
    // The grazing-system text of column BEWEIDING (BEPERKT, ONBEPERKT, ...).
    std::string Beweiding;
    // The format version of its line (field 2 x 100, rounded; 0 when empty).
    int Versie = 0;
    // The messages of reading its line: values it lacks.
    std::vector<std::string> Leesfouten;
    // Filled by the batch run; a plan that was not calculated keeps it empty.
    TTvUitvoer Uitvoer{};
    bool Berekend = false;
};

// The column table: names 1..152 by column number (index 0 unused).
constexpr int kAantalKolommen = 152;
// Field positions of a line that are looked at.
constexpr int kMaxVelden = 160;
extern const std::array<std::string_view, kAantalKolommen + 1> KolomNamen;

// The conversion of a column: text, whole number or number with the current decimal sign.
enum class TKolomSoort { Tekst, Geheel, Getal };
TKolomSoort KolomSoort(int kolom);

// What the header line says: the separator and, by field position 1..160, the column
// number it holds (0: no column).
struct TKoppen {
    char Scheidingsteken = '@';
    std::array<int, kMaxVelden + 1> KolomNummers{};
};

// Every message of reading a table is an error box with OK; the caller shows it.
using TTabelMelding = std::function<void(const std::string& tekst)>;

// Splits a line as the table does: the text before the first separator is a field, the
// rest goes on; fields are trimmed; splitting stops when the rest is empty or is one lone
// separator. An empty line gives no field.
std::vector<std::string> SplitsRegel(std::string_view regel, char scheidingsteken);

// Checks the header line and fills the column map. False when the line holds neither "@"
// nor a tab, or (with the tab) when a name is unknown; every unknown name is reported.
bool ControleerKoppen(std::string_view kopregel, TKoppen& koppen, const TTabelMelding& melding);

// Reads the data lines after the header (the whole text of the file is given; its first
// line is skipped). Empty lines, and lines of blanks and separators only, are skipped and
// not counted. A field that does not convert is reported and left unset; the plan is kept.
struct TGelezenTabel {
    std::vector<TPlan> Plannen;
    // The version of the last data line, as the window keeps it.
    int InvoerVersie = 0;
};
TGelezenTabel LeesInvoerbestand(std::string_view inhoud, const TKoppen& koppen, const TTabelMelding& melding);

// The first line of the text (without its line end).
std::string_view EersteRegel(std::string_view inhoud);
