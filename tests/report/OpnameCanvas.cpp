#include "OpnameCanvas.h"

TOpnameCanvas::TOpnameCanvas(int breedte, int hoogte) {
    PageWidth = breedte;
    PageHeight = hoogte;
}

TOpname& TOpnameCanvas::Voeg(TOpname::TSoort soort, int x, int y) {
    TOpname& o = Lijst.emplace_back();
    o.Soort = soort;
    o.Pagina = PageNumber;
    o.X = x;
    o.Y = y;
    o.Font = Font;
    o.Brush = Brush;
    o.Pen = Pen;
    return o;
}

void TOpnameCanvas::TextOut(int X, int Y, const QString& S) {
    Voeg(TOpname::TSoort::Tekst, X, Y).Tekst = S;
}

int TOpnameCanvas::TextWidth(const QString& S) {
    return Breedte ? Breedte(S) : static_cast<int>(S.size()) * 100;
}

int TOpnameCanvas::TextHeight(const QString& /*S*/) {
    return kHoogte;
}

void TOpnameCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    TOpname& o = Voeg(TOpname::TSoort::Rechthoek, X1, Y1);
    o.X2 = X2;
    o.Y2 = Y2;
}

void TOpnameCanvas::StretchDraw(const TTwipsRect& R, const QImage& G) {
    TOpname& o = Voeg(TOpname::TSoort::Plaatje, R.Left, R.Top);
    o.X2 = R.Right;
    o.Y2 = R.Bottom;
    o.Beeld = G.size();
}

QStringList TOpnameCanvas::Teksten() const {
    QStringList t;
    for (const TOpname& o : Lijst)
        if (o.Soort == TOpname::TSoort::Tekst) t.append(o.Tekst);
    return t;
}

const TOpname* TOpnameCanvas::Zoek(const QString& s) const {
    for (const TOpname& o : Lijst)
        if (o.Soort == TOpname::TSoort::Tekst && o.Tekst == s) return &o;
    return nullptr;
}

std::vector<TOpname> TOpnameCanvas::Rechthoeken() const {
    std::vector<TOpname> r;
    for (const TOpname& o : Lijst)
        if (o.Soort == TOpname::TSoort::Rechthoek) r.push_back(o);
    return r;
}

TMomentopname VoorbeeldOpname() {
    TMomentopname m;
    m.Diercategorie = QStringLiteral("MK");
    m.Teksten.insert(QStringLiteral("SpeJaartal"), QStringLiteral("2011"));
    m.Waarden.insert(QStringLiteral("SpeJaartal"), 2011);
    m.Versie = QStringLiteral("2012.00");
    m.Datum = QStringLiteral("5 April 2012");
    m.Vandaag = QDate(2026, 12, 7);
    m.Bestandsnaam = QStringLiteral("/data/boeren/Bedrijf Jansen.trv");
    const int rijen[] = {0, 15, 10, 20, 20, 3};
    for (int moment = mBegin; moment <= mEind; ++moment)
        for (int soort = kGK; soort <= kMP; ++soort)
            m.Voorraad[moment][soort].Rijen.resize(static_cast<std::size_t>(rijen[soort]));
    return m;
}

void ZetPartijen(TMomentopname& m, int moment, int soort, int n) {
    auto& rijen = m.Voorraad[moment][soort].Rijen;
    for (std::size_t i = 0; i < rijen.size(); ++i) {
        rijen[i] = {};
        if (static_cast<int>(i) < n) {
            rijen[i][1] = QStringLiteral("Partij %1").arg(i + 1);
            rijen[i][2] = QStringLiteral("1000");
        }
    }
}
