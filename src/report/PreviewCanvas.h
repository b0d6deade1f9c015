// The drawing surface of the report: every page is drawn once, in twips (1/1440 inch)
// from the top-left corner of the printer's printable area, on a surface that either
// paints on a QPainter (printer, PDF file, picture) or records what it is asked to draw
// (tests).
//
// The report code sets the surface's Font, Brush and Pen the way it would on a printer
// canvas and calls TextOut, TextWidth, TextHeight, Rectangle and StretchDraw. Colours
// are colour values with red in the low byte and blue in the high byte (0 black, 255
// red, 32768 green, $FFFFFF white).
#pragma once

#include <QImage>
#include <QString>

class QPainter;

using TKleur = int;

constexpr TKleur kWit = 0xFFFFFF;
constexpr TKleur kZwart = 0;

struct TCanvasFont {
    QString Name = QStringLiteral("Arial");
    int Size = 10; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    TKleur Color = kZwart;
    friend bool operator==(const TCanvasFont&, const TCanvasFont&) = default;
};

// A solid brush fills rectangles and gives text an opaque background in its colour; a
// clear brush fills nothing and leaves text transparent.
struct TCanvasBrush {
    TKleur Color = kWit;
    bool Clear = false;
    // Setting a colour also makes the brush solid, as the page header and footer rely on.
    void SetColor(TKleur kleur) {
        Color = kleur;
        Clear = false;
    }
    void SetClear() { Clear = true; }
    friend bool operator==(const TCanvasBrush&, const TCanvasBrush&) = default;
};

enum class TPenStijl { Solid, Dash, Clear };

struct TCanvasPen {
    TKleur Color = kZwart;
    TPenStijl Style = TPenStijl::Solid;
    friend bool operator==(const TCanvasPen&, const TCanvasPen&) = default;
};

// A rectangle in twips: left, top, right and bottom edge.
struct TTwipsRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TTwipsRect&, const TTwipsRect&) = default;
};

class TPreviewCanvas {
public:
    virtual ~TPreviewCanvas() = default;

    TCanvasFont Font;
    TCanvasBrush Brush;
    TCanvasPen Pen;
    // The page now being drawn, from 1.
    int PageNumber = 1;
    // The printable area in twips, in the preview as well.
    int PageWidth = 0;
    int PageHeight = 0;

    // S in the current font with the top-left corner of its text cell at (X, Y).
    virtual void TextOut(int X, int Y, const QString& S) = 0;
    // The size of S in the current font in twips, measured at the printer's resolution,
    // so that columns line up the same on screen and on paper.
    virtual int TextWidth(const QString& S) = 0;
    virtual int TextHeight(const QString& S) = 0;
    // Outlined with the pen (none when clear), filled with the brush (nothing when clear).
    virtual void Rectangle(int X1, int Y1, int X2, int Y2) = 0;
    // The picture stretched into R.
    virtual void StretchDraw(const TTwipsRect& R, const QImage& G) = 0;
};

// How twips and colours map onto a QPainter's device.
struct TApparaat {
    // Device pixels per twip.
    long double PixelsPerTwipX = 0;
    long double PixelsPerTwipY = 0;
    // Twips added before scaling: the unprintable margins when the device is the whole
    // sheet, 0 when its origin is the printable area's corner.
    int OffsetX = 0;
    int OffsetY = 0;
    // The resolution text is drawn at, and the printer's, at which it is measured.
    int DevicePixelsPerInch = 0;
    int PrinterPixelsPerInch = 0;
    // Every colour painted as its grey, pictures too: for a device that cannot print in
    // grayscale by itself what the user chose grayscale for.
    bool Grijs = false;

    // A device whose origin is the printable area's corner, at dpi in both directions.
    static TApparaat Printer(int dpiX, int dpiY);
};

// The surface on a QPainter that is already active on its device.
class TQtCanvas : public TPreviewCanvas {
public:
    TQtCanvas(QPainter& painter, const TApparaat& apparaat);

    // Twips to device pixels: rounded to the nearest pixel, halves to even.
    int ScaleX(int x) const;
    int ScaleY(int y) const;

    void TextOut(int X, int Y, const QString& S) override;
    int TextWidth(const QString& S) override;
    int TextHeight(const QString& S) override;
    void Rectangle(int X1, int Y1, int X2, int Y2) override;
    void StretchDraw(const TTwipsRect& R, const QImage& G) override;

    // Fills the whole device white (a new sheet of the preview).
    void NieuwVel(int pixelBreedte, int pixelHoogte);

    const TApparaat& Apparaat() const { return fApparaat; }

private:
    QFont QtFont(int dpi) const;
    QColor Kleur(TKleur kleur) const;
    QPainter& fPainter;
    TApparaat fApparaat;
};

// The QColor of a colour value.
QColor QtKleur(TKleur kleur);
