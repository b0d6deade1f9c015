// The arithmetic and the checks of a stock grid on its cell texts alone, without widgets:
// the feed-value limits, the totals with their amount-weighted means, the best grass
// silage, the grid check with its messages and the cell hints. The window's grids and the
// tests both hand their cells in through TCellen.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

// The columns of a stock grid; column 0 reads "Batch " + row, column 8 (VRE) is computed
// and never shown.
enum : int {
    kKolBatch = 0,
    kKolOmschrijving = 1,
    kKolHoev = 2,
    kKolVem = 3,
    kKolRe = 4,
    kKolN = 5,
    kKolP = 6,
    kKolRas = 7,
    kKolVre = 8,
};
inline constexpr int kGridKolommen = 9;

// Batch rows of the grids of feed kind 1..5 (grass silage, maize silage, wet by-products,
// concentrates, milk powder); the heading is row 0 above them.
int BatchRegels(int soort);

// A grid's cells by (column, row); row 0 is the heading.
class TCellen {
public:
    virtual ~TCellen() = default;
    // Rows including the heading row.
    virtual int RowCount() const = 0;
    virtual QString Cells(int kolom, int rij) const = 0;
};

// Cells in memory.
class TCelTabel : public TCellen {
public:
    explicit TCelTabel(int batchRegels);
    int RowCount() const override { return static_cast<int>(fCellen.size()); }
    QString Cells(int kolom, int rij) const override;
    void SetCells(int kolom, int rij, const QString& tekst);
    // Row rij from column 1 on: description, amount, VEM, RE, N, P, crude ash, VRE.
    void Regel(int rij, const QStringList& cellen);

private:
    std::vector<std::array<QString, kGridKolommen>> fCellen;
};

// Lowest and highest valid value of a feed-value column (3..8) by feed kind 1..5; other
// columns and kinds give 0..0.
struct TGrens {
    int Min = 0;
    int Max = 0;
};
TGrens Grenzen(int soort, int kolom);

// The number a cell holds, written with the current decimal sign; nothing for an empty
// text, a text that is no number, or a number too large for a single-precision total.
std::optional<double> CelGetal(const QString& tekst);

// Whether column kolom may hold this text: the description anything, the number columns a
// number or nothing, the amount column also a lone "-".
bool CelTekstToegestaan(int kolom, const QString& tekst);

// Fields 1..7 (amount, VEM, RE, N, P, crude ash, VRE): the total amount and the
// amount-weighted mean contents, in single precision. Index 0 is unused.
using TVelden = std::array<float, 8>;

// The totals of the batch rows for which telt holds (every row when it is empty). An empty
// cell is skipped, "-" and a text that is no number count as 0, and a total amount of 0
// gives contents of 0.
TVelden BerekenGemiddelden(const TCellen& cellen, const std::function<bool(int rij)>& telt = {});

// A field's text in the total labels: "0.00" for N and P, "0" for the others.
QString VeldTekst(int veld, float waarde);

// The means of the best grass silage: the rows whose crude protein is above 130; nothing
// (the labels then repeat the grid's totals) when no such row has both its RE and N
// filled. A row that marks the best silage itself ("Beste kuil" in its description with an
// amount of at most 0.01) gives its own contents instead.
std::optional<TVelden> BesteKuil(const TCellen& cellen);

// The grid check: every batch row with an amount other than empty, "-" or 0 needs a
// description and VEM, RE, N and P (and crude ash when metAs) within the limits of its feed
// kind. Returns the messages row by row; none means the grid is valid.
QStringList ControleerCellen(const TCellen& cellen, int soort, bool metAs);

// The hint of a grid column: "Description", "Amount" ("Amount (negative = selling)" on the
// stock-increase page), the range of a feed-value column, else empty.
QString CelHint(int soort, int kolom, bool aanlegPagina);

// Crude protein per N: 6.25, for milk powder 6.38.
long double ReFactor(int soort);

// The wet by-product a list text names exactly (full or short name of products 1..16);
// 16 ("Overig") when none does.
int NatProductUitTekst(const QString& tekst);
