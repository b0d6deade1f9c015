// The frame of the printed report: the page state (origins, row counter), the drawing
// routines every page uses, and PktPrintPreviewPaint, which paints one page from the
// snapshot taken when the job started.
//
// The page grid: a column is 333 twips wide and a row 280 twips high, both counted as
// real numbers (column 17.5 and row -2 are allowed) from the origins Links and Boven,
// which put a one-inch margin around an A4 sheet whose printable area is taken as
// centred on it (the left origin 666 twips further left).
//
// The contents of each page kind live in a file of their own (RapportPaginas.h); they
// draw with the routines below and read only the snapshot.
#pragma once

#include "Momentopname.h"
#include "PreviewCanvas.h"

#include <QString>
#include <QStringList>

// Colours of the report.
constexpr TKleur kTitelBand = 0xFFDD99;  // title band of a page
constexpr TKleur kSectieBand = 0xFFF8E9; // section band
constexpr TKleur kVoordeel = 32768;      // green: a text beginning with "+"
constexpr TKleur kNadeel = 255;          // red: a text beginning with "-"

// The grid of the page.
constexpr int kKolom = 333;
constexpr int kRij = 280;

// The font colour of a signed text: green for "+", red for "-", else (also for an empty
// text) black.
TKleur KleurVoordeelPrint(const QString& S);
// "+" before a positive value, "-" before a negative one, nothing for 0, then the
// absolute value with the pattern "0".
QString PlusMinTekstPrint(float X);

// The module tag: "-" followed by "BEA-", "BEP-", "BEN-" for each module that is on.
QString ModuleTag(const TMomentopname& m);

// One page being painted: the surface, the snapshot, the page number, the origins and
// the row counter, with the drawing routines that read and change them.
class TRapport {
public:
    TRapport(TPreviewCanvas& canvas, const TMomentopname& m, int pageNo);

    TPreviewCanvas& Canvas;
    const TMomentopname& M;
    const int PageNo;
    const QString Tag;
    // Origins in twips: the x of column 0, the right edge, the y of row 0, the bottom edge.
    const int Links;
    const int Rechts;
    const int Boven;
    const int Onder;
    // The current row of the line-based routines.
    int Regel = 0;

    // One text: Align 0 left from the column, 1 centred on it, 2 ending at it; any other
    // Align draws nothing. Y = Round(Row x 280) + Boven.
    void PrintTekst(int Align, const QString& S, double Col, double Row);
    // As PrintTekst, the row pitch scaled by the font size: Y = Round(Row x 280 x size / 10).
    void PrintTekstKlein(int Align, const QString& S, double Col, double Row);
    // A filled band without outline over Rows rows from Row, 15 twips beyond each edge;
    // afterwards the pen is solid and the brush white and clear.
    void PrintBalk(int Row, int Rows, TKleur Colour);
    // A band of one row per text, each text bold 12 pt at column 0; then 10 pt regular.
    void PrintBalkRegel(int Row, TKleur Colour, const QStringList& Texts);
    // The header of every page after the cover: the black rule, the 22 pt title by animal
    // group with the year, and from page 2 "Invoerset" with the farm file's name.
    void PrintKop();
    // The footer: today's date, the page number centred and the version right, 9 pt, on
    // an opaque white background.
    void PrintVoet(int PageNo);
    // Label at column 0 and value at column 17 on row Regel; Regel + 1.
    void PrintInvoerRegel(const QString& Label, const QString& Value);
    // Label at column 0, ":" at column 7 and value at column 8 on row Regel; Regel + 1.
    void PrintVoorbladRegel(const QString& Label, const QString& Value);
    // One row of a stock table on row Regel: the batch's name and its figures right at
    // columns 15, 17.5, 20, 22.5, 25 and, with BEA, 27.5 and 30; Regel + 1.
    void PrintVoorraadRegel(const QString& Name, const QString& Amount, const QString& Vem, const QString& CP,
                            const QString& N, const QString& P, const QString& Ash, const QString& Vre);

    // The common opening of the pages after the cover: the header, then "Arial" 10 pt
    // regular, black, a clear brush and Regel 4.
    void Paginakop();
    // Font shortcuts: "Arial" in a size, bold or not, in a colour.
    void Letter(int size, bool bold = false, TKleur kleur = kZwart);
    // The year of the calculation as the year edit shows it.
    QString Jaar() const;

    // The fixed anchors of the header and the footer (absolute twips).
    static constexpr int kKopX = 454;
    static constexpr int kKopY = 450;
    static constexpr int kVoetX = 454;
    static constexpr int kVoetY = 454;
};

// Paints page PageNo of the report on the surface from the snapshot: the page kind the
// page map gives, or nothing beyond the last page.
void PktPrintPreviewPaint(TPreviewCanvas& Canvas, int PageNo, const TMomentopname& m);
