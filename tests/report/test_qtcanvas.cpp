// The surface on a QPainter, drawn into pictures: twips to pixels with halves to even,
// text measured at the printer's resolution at every zoom, the top-left placing of text,
// opaque and transparent text, bands and pictures, and a whole page's rule and band.
#include "OpnameCanvas.h"
#include "PreviewCanvas.h"
#include "Rapport.h"

#include "QtPrinten.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <tuple>

namespace {

TApparaat Apparaat(long double ppt, int offset, int dpi, int printerDpi) {
    TApparaat a;
    a.PixelsPerTwipX = a.PixelsPerTwipY = ppt;
    a.OffsetX = a.OffsetY = offset;
    a.DevicePixelsPerInch = dpi;
    a.PrinterPixelsPerInch = printerDpi;
    return a;
}

TEST(QtCanvas, TwipsNaarPixelsHelftenNaarEven) {
    QImage beeld(10, 10, QImage::Format_RGB32);
    QPainter p(&beeld);
    const std::tuple<long double, int, int, int> gevallen[] = {
        {0.5L, 0, 1, 0},
        {0.5L, 0, 3, 2},
        {0.5L, 0, 5, 2},
        {0.5L, 10, 1, 6},
        {1200 / 1440.0L, 0, 1440, 1200},
        {48 / 1440.0L, 0, 30, 1},
        {48 / 1440.0L, 0, 15, 0},
    };
    for (const auto& [ppt, offset, twips, pixels] : gevallen) {
        const TQtCanvas c(p, Apparaat(ppt, offset, 96, 96));
        EXPECT_EQ(c.ScaleX(twips), pixels) << twips << " " << offset;
        EXPECT_EQ(c.ScaleY(twips), pixels) << twips << " " << offset;
    }
}

// Text is measured at the printer's resolution, whatever resolution it is drawn at.
TEST(QtCanvas, TekstbreedteGelijkBijElkeZoom) {
    QImage beeld(100, 100, QImage::Format_RGB32);
    QPainter p(&beeld);
    const QString tekst = QStringLiteral("Farm specific, incl. correction factor (kg)");
    std::vector<int> breedtes;
    for (int dpi : {96, 72, 48, 24, 1200}) {
        TQtCanvas c(p, Apparaat(dpi / 1440.0L, 0, dpi, 1200));
        c.Font.Size = 10;
        breedtes.push_back(c.TextWidth(tekst));
        EXPECT_GT(c.TextHeight(tekst), 150) << dpi;
    }
    EXPECT_GT(breedtes[0], 3000);
    EXPECT_EQ(std::count(breedtes.begin(), breedtes.end(), breedtes[0]), 5);
    TQtCanvas c(p, Apparaat(0.1L, 0, 144, 1200));
    EXPECT_GT(c.TextWidth("WWWW"), c.TextWidth("iiii"));
    c.Font.Size = 20;
    const int groot = c.TextWidth(tekst);
    EXPECT_NEAR(groot, 2 * breedtes[0], breedtes[0] / 20);
}

struct TVlak {
    int Links = 1 << 30, Boven = 1 << 30, Rechts = -1, Onder = -1;
    int Aantal = 0;
};
// Where the pixels of one colour lie.
TVlak Vlak(const QImage& beeld, const std::function<bool(QColor)>& telt) {
    TVlak v;
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = 0; x < beeld.width(); ++x)
            if (telt(beeld.pixelColor(x, y))) {
                v.Links = std::min(v.Links, x);
                v.Rechts = std::max(v.Rechts, x);
                v.Boven = std::min(v.Boven, y);
                v.Onder = std::max(v.Onder, y);
                ++v.Aantal;
            }
    return v;
}

bool Donker(QColor c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

// (X, Y) is the top-left corner of the text cell; a solid brush gives the text an opaque
// background in its colour, a clear brush none.
TEST(QtCanvas, TekstLinksbovenEnAchtergrond) {
    for (bool doorzichtig : {true, false}) {
        QImage beeld(600, 300, QImage::Format_RGB32);
        beeld.fill(Qt::white);
        QPainter p(&beeld);
        TQtCanvas c(p, Apparaat(0.1L, 0, 144, 144));
        c.Font.Size = 20;
        if (doorzichtig)
            c.Brush.SetClear();
        else
            c.Brush.SetColor(0x0000FF); // red
        c.TextOut(1000, 1000, QStringLiteral("Hxg"));
        p.end();
        const TVlak tekst = Vlak(beeld, Donker);
        ASSERT_GT(tekst.Aantal, 0);
        EXPECT_GE(tekst.Boven, 100);
        EXPECT_LE(tekst.Boven, 100 + 15); // the cell's top lies a little above the capitals
        EXPECT_GE(tekst.Links, 100);
        EXPECT_LE(tekst.Links, 100 + 6);
        const TVlak rood =
            Vlak(beeld, [](QColor k) { return k.red() > 200 && k.green() < 60 && k.blue() < 60; });
        if (doorzichtig) {
            EXPECT_EQ(rood.Aantal, 0);
        } else {
            EXPECT_GT(rood.Aantal, 100);
            EXPECT_EQ(rood.Boven, 100);
            EXPECT_EQ(rood.Links, 100);
        }
    }
}

TEST(QtCanvas, RechthoekEnPlaatje) {
    QImage beeld(200, 200, QImage::Format_RGB32);
    beeld.fill(Qt::white);
    QPainter p(&beeld);
    TQtCanvas c(p, Apparaat(0.1L, 0, 144, 144));
    c.Brush.SetColor(0xFFDD99);
    c.Pen.Style = TPenStijl::Clear;
    c.Rectangle(100, 100, 600, 400);
    c.Pen.Style = TPenStijl::Solid;
    c.Pen.Color = kZwart;
    c.Brush.SetClear();
    c.Rectangle(1000, 1000, 1500, 1500);
    QImage rood(2, 2, QImage::Format_RGB32);
    rood.fill(Qt::red);
    c.StretchDraw({1000, 100, 1200, 300}, rood);
    c.StretchDraw({0, 1600, 200, 1800}, QImage());
    p.end();
    // The band: filled exactly from (10, 10) up to (60, 40), no outline.
    EXPECT_EQ(beeld.pixelColor(10, 10), QColor(153, 221, 255));
    EXPECT_EQ(beeld.pixelColor(59, 39), QColor(153, 221, 255));
    EXPECT_EQ(beeld.pixelColor(60, 40), QColor(Qt::white));
    EXPECT_EQ(beeld.pixelColor(9, 9), QColor(Qt::white));
    // The outlined rectangle with a clear brush: black edge, white inside.
    EXPECT_TRUE(Donker(beeld.pixelColor(100, 120)));
    EXPECT_EQ(beeld.pixelColor(125, 125), QColor(Qt::white));
    // The picture stretched into its rectangle.
    EXPECT_EQ(beeld.pixelColor(105, 15), QColor(Qt::red));
    EXPECT_EQ(beeld.pixelColor(121, 15), QColor(Qt::white));
    EXPECT_EQ(beeld.pixelColor(10, 170), QColor(Qt::white));
}

// A whole page on an A4 picture at 72 dpi: the black header rule and the title band.
TEST(QtCanvas, PaginaKopregelEnTitelband) {
    const int dpi = 72;
    QImage beeld(11905 * dpi / 1440, 16837 * dpi / 1440, QImage::Format_RGB32);
    beeld.fill(Qt::white);
    QPainter p(&beeld);
    TQtCanvas c(p, TApparaat::Printer(dpi, dpi));
    c.PageWidth = 11905;
    c.PageHeight = 16837;
    const TMomentopname m = VoorbeeldOpname();
    PktPrintPreviewPaint(c, 2, m);
    p.end();
    // The rule from (504, 1450) to (10742, 1480); the band of row 5 from Boven + 1385.
    EXPECT_TRUE(Donker(beeld.pixelColor(c.ScaleX(5000), c.ScaleY(1465))));
    EXPECT_EQ(beeld.pixelColor(c.ScaleX(5000), c.ScaleY(1440 + 1400 + 10)), QColor(153, 221, 255));
    EXPECT_EQ(beeld.pixelColor(c.ScaleX(10000), c.ScaleY(1440 + 1680 + 40)), QColor(Qt::white));
}

} // namespace
