#include "PreviewCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

QColor QtKleur(TKleur kleur) {
    return QColor(kleur & 0xFF, (kleur >> 8) & 0xFF, (kleur >> 16) & 0xFF);
}

TApparaat TApparaat::Printer(int dpiX, int dpiY) {
    TApparaat a;
    a.PixelsPerTwipX = dpiX / 1440.0L;
    a.PixelsPerTwipY = dpiY / 1440.0L;
    a.DevicePixelsPerInch = dpiX;
    a.PrinterPixelsPerInch = dpiX;
    return a;
}

TQtCanvas::TQtCanvas(QPainter& painter, const TApparaat& apparaat) : fPainter(painter), fApparaat(apparaat) {
    fPainter.setRenderHint(QPainter::SmoothPixmapTransform);
    fPainter.setRenderHint(QPainter::TextAntialiasing);
}

namespace {
// Rounds to the nearest integer, halves to even (the default rounding mode).
int Afgerond(long double x) {
    return static_cast<int>(std::nearbyint(x));
}

// The picture in its greys, transparency kept.
QImage Grijstinten(const QImage& beeld) {
    QImage grijs =
        beeld.convertToFormat(beeld.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < grijs.height(); ++y) {
        auto* regel = reinterpret_cast<QRgb*>(grijs.scanLine(y));
        for (int x = 0; x < grijs.width(); ++x) {
            const int g = qGray(regel[x]);
            regel[x] = qRgba(g, g, g, qAlpha(regel[x]));
        }
    }
    return grijs;
}
} // namespace

// A colour's grey is qGray of it, the grey Qt's own PDF engine prints in grayscale.
QColor TQtCanvas::Kleur(TKleur kleur) const {
    const QColor c = QtKleur(kleur);
    if (!fApparaat.Grijs) return c;
    const int grijs = qGray(c.rgb());
    return {grijs, grijs, grijs};
}

int TQtCanvas::ScaleX(int x) const {
    return Afgerond((static_cast<long double>(x) + fApparaat.OffsetX) * fApparaat.PixelsPerTwipX);
}

int TQtCanvas::ScaleY(int y) const {
    return Afgerond((static_cast<long double>(y) + fApparaat.OffsetY) * fApparaat.PixelsPerTwipY);
}

// The surface's font at a resolution: its pixel size follows from the points, so text is
// never scaled twice.
QFont TQtCanvas::QtFont(int dpi) const {
    QFont f(Font.Name);
    f.setPixelSize(std::max(1, Afgerond(static_cast<long double>(Font.Size) * dpi / 72)));
    f.setBold(Font.Bold);
    f.setItalic(Font.Italic);
    f.setUnderline(Font.Underline);
    return f;
}

void TQtCanvas::TextOut(int X, int Y, const QString& S) {
    const QFont f = QtFont(fApparaat.DevicePixelsPerInch);
    fPainter.setFont(f);
    fPainter.setPen(Kleur(Font.Color));
    if (Brush.Clear) {
        fPainter.setBackgroundMode(Qt::TransparentMode);
    } else {
        fPainter.setBackgroundMode(Qt::OpaqueMode);
        fPainter.setBackground(Kleur(Brush.Color));
    }
    // The painter places text by its baseline; the surface by the top of its cell.
    const QFontMetrics fm(f, fPainter.device());
    fPainter.drawText(QPoint(ScaleX(X), ScaleY(Y) + fm.ascent()), S);
    fPainter.setBackgroundMode(Qt::TransparentMode);
}

int TQtCanvas::TextWidth(const QString& S) {
    const int dpi = fApparaat.PrinterPixelsPerInch;
    if (dpi <= 0) return 0;
    const QFontMetrics fm(QtFont(dpi));
    return fm.horizontalAdvance(S) * 1440 / dpi;
}

int TQtCanvas::TextHeight(const QString& /*S*/) {
    const int dpi = fApparaat.PrinterPixelsPerInch;
    if (dpi <= 0) return 0;
    const QFontMetrics fm(QtFont(dpi));
    return fm.height() * 1440 / dpi;
}

void TQtCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    const QRect r(QPoint(ScaleX(X1), ScaleY(Y1)), QPoint(ScaleX(X2) - 1, ScaleY(Y2) - 1));
    if (r.isEmpty()) return;
    if (!Brush.Clear) fPainter.fillRect(r, Kleur(Brush.Color));
    if (Pen.Style != TPenStijl::Clear) {
        QPen pen(Kleur(Pen.Color));
        pen.setCosmetic(true);
        pen.setStyle(Pen.Style == TPenStijl::Dash ? Qt::DashLine : Qt::SolidLine);
        fPainter.setPen(pen);
        fPainter.setBrush(Qt::NoBrush);
        fPainter.drawRect(r);
    }
}

void TQtCanvas::StretchDraw(const TTwipsRect& R, const QImage& G) {
    const QRect r(QPoint(ScaleX(R.Left), ScaleY(R.Top)), QPoint(ScaleX(R.Right) - 1, ScaleY(R.Bottom) - 1));
    if (G.isNull() || r.isEmpty()) return;
    fPainter.drawImage(r, fApparaat.Grijs ? Grijstinten(G) : G);
}

void TQtCanvas::NieuwVel(int pixelBreedte, int pixelHoogte) {
    fPainter.fillRect(QRect(0, 0, pixelBreedte, pixelHoogte), Qt::white);
}
