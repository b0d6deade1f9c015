// The design of the main window as tables: the fourteen pages, the group boxes on them,
// every named control of the input pages with its caption, range, decimals, design value
// and hint, the menu and the tool bar. The window is built from these tables, and the
// reset, the hints, and later the page checks, the farm file, the dump and the batch run
// walk them instead of repeating control lists.
#pragma once

#include <QString>

#include <array>
#include <vector>

constexpr int kAantalPaginas = 14;
constexpr int kAantalInvoerPaginas = 9;

enum class TPaginaSoort { Invoer, Resultaat, Analyse };

struct TPaginaDef {
    const char* Sheet;     // "TabSheet1" .. "TabSheet14"
    const char* Opschrift; // tab caption, blanks kept
    const char* ScrollBox; // "GrpAlgemeen" ...
    TPaginaSoort Soort;
    bool ZichtbaarBijStart; // tab shown after start-up
};

const std::array<TPaginaDef, kAantalPaginas>& Paginas();

enum class TSoort {
    Lbl,  // value label (QLabel)
    Stt,  // static text (StaticText)
    Link, // clickable static text
    Edt,  // QLineEdit
    Spe,  // NumEdit
    Cbx,  // non-editable QComboBox
    Rbt,  // QRadioButton
    Chk,  // QCheckBox
};

// The step of the reset of all inputs (InitInvoer and InitLabels_Boxen) that gives a
// control its starting value. The steps run in the order of this enumeration.
enum class TResetStap {
    Geen,          // the reset leaves the control alone
    Lijsten,       // the lists of the breed, soil and groundwater: ResetTekst is the index
    Jaar,          // the year: the clock's year (see TFrmHoofdFormulier::ResetJaar)
    Identiteit,    // the identity edits: ResetTekst
    Totalen,       // total labels of the stock pages and the labels of the other animals
    Pagina1,       // the herd, milk and area edits: ResetTekst
    Beweiding,     // grazing months and hours: ResetTekst
    Ontwerp,       // every other input back to its design value
    GraasTotalen,  // the totals of the other grazing animals: ResetTekst
    Pagina1Labels, // the computed labels of the herd page: ResetTekst
};

struct TBesturingDef {
    const char* Naam = ""; // object name (and member name where the window has one)
    TSoort Soort = TSoort::Stt;
    const char* Opschrift = ""; // own text of Stt, Link, Rbt, Chk; for the others the caption
                                // before the control (a static text in column 0)
    double Min = 0;
    double Max = 0;
    int Decimalen = 0;
    double Stap = 1;
    const char* Standaard = ""; // design value: a number in C form for Spe ("" = empty),
                                // the item index for Cbx, "1" for a checked Rbt or Chk,
                                // the text of Edt and Lbl
    const char* Hint = "";      // design hint
    const char* Keuzes = "";    // items of a Cbx, separated by '|'
    const char* Groep = "";     // object name of its group box or panel
    int Rij = 0;
    int Kolom = 1; // column of the control; its caption goes to column 0
    int Tag = 0;
    const char* OpschriftNaam = ""; // name of the caption when the window names it
    bool Zichtbaar = true;
    bool Ingeschakeld = true;
    TResetStap Reset = TResetStap::Geen;
    const char* ResetTekst = "";
};

// A group box or panel on an input page. The groups of a page stand in columns (Kolom),
// each column ordered by Rij; a group inside another takes the cell (Rij, Kolom) there.
struct TGroepDef {
    const char* Naam;
    const char* Opschrift; // the frame caption of a group box
    int Pagina;
    int Rij;
    int Kolom;
    bool Paneel = false;     // a frame without caption (the radio-button panels)
    const char* Binnen = ""; // the group it sits in ("" = the page)
};

const std::vector<TGroepDef>& Groepen();

// The controls of one input page (0..8) in tab order; the other pages have none here.
const std::vector<TBesturingDef>& PaginaBesturingen(int pagina);
// Every control of every page, page by page.
std::vector<const TBesturingDef*> AlleBesturingen();
// The control of that name, or nullptr.
const TBesturingDef* ZoekBesturing(const QString& naam);

// Items of a list, in order.
QStringList Keuzes(const TBesturingDef& def);

// The thirteen categories of other grazing animals (index 1..13; 0 unused).
extern const std::array<const char*, 14> GraasdierCategorieen;

// The module list, filled at start-up.
extern const std::array<const char*, 6> ModuleTeksten;

// The main menu. An empty Naam is a separator.
struct TMenuDef {
    const char* Menu; // "MitBestand", "MitGebruik", "MitHelp"
    const char* Naam;
    const char* Opschrift;
    const char* Sneltoets; // "Ctrl+N" or ""
    const char* Hint;      // "short|long": tool tip before "|", status tip after it
    bool Actief;           // the command works in this build
    bool Zichtbaar;
    bool Afvinkbaar;
    bool Aangevinkt;
};

struct THoofdMenuDef {
    const char* Naam;
    const char* Opschrift;
};

const std::array<THoofdMenuDef, 3>& HoofdMenus();
const std::vector<TMenuDef>& MenuItems();

// The tool bar, left to right; each button runs the menu command Actie.
struct TKnopDef {
    const char* Naam;
    const char* Hint;
    const char* Actie;
};

const std::vector<TKnopDef>& Werkbalk();

// The text before "|" (tool tip) and after it (status tip).
QString KorteHint(const char* hint);
QString LangeHint(const char* hint);
