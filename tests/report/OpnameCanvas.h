// A drawing surface that records what the report draws, with fixed text metrics, so tests
// check positions, texts, fonts and colours exactly and without fonts installed.
#pragma once

#include "Momentopname.h"
#include "PreviewCanvas.h"

#include <QSize>
#include <QStringList>

#include <functional>
#include <vector>

struct TOpname {
    enum class TSoort { Tekst, Rechthoek, Plaatje };
    TSoort Soort = TSoort::Tekst;
    int Pagina = 0;
    // A text's top-left corner, or a rectangle's edges.
    int X = 0;
    int Y = 0;
    int X2 = 0;
    int Y2 = 0;
    QString Tekst;
    TCanvasFont Font;
    TCanvasBrush Brush;
    TCanvasPen Pen;
    QSize Beeld;
};

class TOpnameCanvas : public TPreviewCanvas {
public:
    // A printable area of the whole A4 sheet unless told otherwise.
    explicit TOpnameCanvas(int breedte = 11905, int hoogte = 16837);

    void TextOut(int X, int Y, const QString& S) override;
    int TextWidth(const QString& S) override;
    int TextHeight(const QString& S) override;
    void Rectangle(int X1, int Y1, int X2, int Y2) override;
    void StretchDraw(const TTwipsRect& R, const QImage& G) override;

    // Text widths: 100 twips per character unless replaced.
    std::function<int(const QString&)> Breedte;
    // Every text drawn is 230 twips high.
    static constexpr int kHoogte = 230;

    std::vector<TOpname> Lijst;
    // The texts drawn, in order.
    QStringList Teksten() const;
    // The first text equal to s, or nullptr.
    const TOpname* Zoek(const QString& s) const;
    // The rectangles drawn, in order.
    std::vector<TOpname> Rechthoeken() const;

private:
    // A new record of what was drawn at (x, y) with the surface's current font, brush and pen.
    TOpname& Voeg(TOpname::TSoort soort, int x, int y);
};

// A snapshot of a farm to draw: version "2012.00" of "5 April 2012", today 7 December
// 2026, the year 2011, dairy cows, the file "/data/boeren/Bedrijf Jansen.trv", no module.
TMomentopname VoorbeeldOpname();
// Gives stock section moment, kind soort n batches with an amount (and empties the rest).
void ZetPartijen(TMomentopname& m, int moment, int soort, int n);
