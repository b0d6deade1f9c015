// Helpers of the page tests: where a text at a column and row of the grid lands on the
// recording surface (a whole A4 sheet, 100 twips per character), and a check of one
// expected text with its place, font and colour.
#pragma once

#include "OpnameCanvas.h"
#include "QtPrinten.h"
#include "Rapport.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

// The origins of the whole sheet.
constexpr int kLinks = 774;
constexpr int kBoven = 1440;

inline int RijY(double rij) {
    return static_cast<int>(std::nearbyint(rij * 280)) + kBoven;
}
inline int KolomX(double kolom, int align, const QString& s) {
    const int x0 = static_cast<int>(std::nearbyint(kolom * 333)) + kLinks;
    const int w = static_cast<int>(s.size()) * 100;
    return align == 0 ? x0 : align == 1 ? x0 - w / 2 : x0 - w;
}

// One expected text: its alignment, column and row, size, bold and colour.
struct TVerwacht {
    QString Tekst;
    int Align;
    double Kolom;
    double Rij;
    int Grootte = 10;
    bool Vet = false;
    TKleur Kleur = kZwart;
};

// The texts drawn on a row, in order.
inline std::vector<const TOpname*> OpRij(const TOpnameCanvas& c, double rij) {
    std::vector<const TOpname*> r;
    for (const TOpname& o : c.Lijst)
        if (o.Soort == TOpname::TSoort::Tekst && o.Y == RijY(rij)) r.push_back(&o);
    return r;
}

// The texts on a row that are not empty.
inline QStringList TekstenOpRij(const TOpnameCanvas& c, double rij) {
    QStringList t;
    for (const TOpname* o : OpRij(c, rij))
        if (!o->Tekst.isEmpty()) t.append(o->Tekst);
    return t;
}

// Checks that the text was drawn where, and how, it is expected.
inline void Controleer(const TOpnameCanvas& c, const TVerwacht& v) {
    const TOpname* gevonden = nullptr;
    for (const TOpname* o : OpRij(c, v.Rij))
        if (o->Tekst == v.Tekst && o->X == KolomX(v.Kolom, v.Align, v.Tekst)) gevonden = o;
    ASSERT_TRUE(gevonden) << v.Tekst.toStdString() << " at column " << v.Kolom << " row " << v.Rij;
    EXPECT_EQ(gevonden->Font.Size, v.Grootte) << v.Tekst.toStdString();
    EXPECT_EQ(gevonden->Font.Bold, v.Vet) << v.Tekst.toStdString();
    EXPECT_EQ(gevonden->Font.Color, v.Kleur) << v.Tekst.toStdString();
    EXPECT_EQ(gevonden->Font.Name, "Arial") << v.Tekst.toStdString();
}

inline void Controleer(const TOpnameCanvas& c, const std::vector<TVerwacht>& lijst) {
    for (const TVerwacht& v : lijst)
        Controleer(c, v);
}

// The bands drawn: their first row (from the top edge) and colour.
inline std::vector<std::pair<int, TKleur>> Banden(const TOpnameCanvas& c) {
    std::vector<std::pair<int, TKleur>> r;
    for (const TOpname& o : c.Rechthoeken())
        if (o.X == kLinks && o.Pen.Style == TPenStijl::Clear)
            r.emplace_back((o.Y + 15 - kBoven) / 280, o.Brush.Color);
    return r;
}

// Paints one page of the snapshot on a fresh recording surface.
inline TOpnameCanvas Teken(const TMomentopname& m, int pagina) {
    TOpnameCanvas c;
    c.PageNumber = pagina;
    PktPrintPreviewPaint(c, pagina, m);
    return c;
}
