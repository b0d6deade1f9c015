#include "Rapport.h"

#include "Berekening.h"
#include "PaginaIndeling.h"
#include "RapportPaginas.h"

#include <cmath>

namespace {
// Nearest integer, halves to even.
int Rond(long double x) {
    return static_cast<int>(std::nearbyint(x));
}

// The A4 sheet in twips.
constexpr int kA4Breedte = 11905;
constexpr int kA4Hoogte = 16837;

int LinksVan(int pageWidth) {
    return Rond(1440 - (kA4Breedte - pageWidth) / 2.0L) - 666;
}
int BovenVan(int pageHeight) {
    return Rond(1440 - (kA4Hoogte - pageHeight) / 2.0L);
}

// What follows the last folder separator or drive colon of a file name.
QString Bestandsdeel(const QString& naam) {
    qsizetype i = naam.size();
    while (i > 0) {
        const QChar c = naam.at(i - 1);
        if (c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char(':')) break;
        --i;
    }
    return naam.mid(i);
}
} // namespace

TKleur KleurVoordeelPrint(const QString& S) {
    if (S.startsWith(QLatin1Char('+'))) return kVoordeel;
    if (S.startsWith(QLatin1Char('-'))) return kNadeel;
    return kZwart;
}

QString PlusMinTekstPrint(float X) {
    return QString::fromStdString(PlusMinTekst(X));
}

QString ModuleTag(const TMomentopname& m) {
    QString tag = QStringLiteral("-");
    if (m.ModuleBEA) tag += QLatin1String("BEA-");
    if (m.ModuleBEP) tag += QLatin1String("BEP-");
    if (m.ModuleBEN) tag += QLatin1String("BEN-");
    return tag;
}

TRapport::TRapport(TPreviewCanvas& canvas, const TMomentopname& m, int pageNo)
    : Canvas(canvas), M(m), PageNo(pageNo), Tag(ModuleTag(m)), Links(LinksVan(canvas.PageWidth)),
      Rechts(canvas.PageWidth - Links), Boven(BovenVan(canvas.PageHeight)), Onder(canvas.PageHeight - Boven) {
}

void TRapport::PrintTekst(int Align, const QString& S, double Col, double Row) {
    const int Y = Rond(static_cast<long double>(Row) * kRij) + Boven;
    const int X0 = Rond(static_cast<long double>(Col) * kKolom) + Links;
    int X = X0;
    switch (Align) {
    case 0:
        break;
    case 1:
        X = X0 - Canvas.TextWidth(S) / 2;
        break;
    case 2:
        X = X0 - Canvas.TextWidth(S);
        break;
    default:
        return;
    }
    Canvas.TextOut(X, Y, S);
}

void TRapport::PrintTekstKlein(int Align, const QString& S, double Col, double Row) {
    // The same as PrintTekst on a row that is counted in rows of the current font size.
    const int Y = Rond(static_cast<long double>(Row) * kRij * Canvas.Font.Size / 10) + Boven;
    const int X0 = Rond(static_cast<long double>(Col) * kKolom) + Links;
    int X = X0;
    switch (Align) {
    case 0:
        break;
    case 1:
        X = X0 - Canvas.TextWidth(S) / 2;
        break;
    case 2:
        X = X0 - Canvas.TextWidth(S);
        break;
    default:
        return;
    }
    Canvas.TextOut(X, Y, S);
}

void TRapport::PrintBalk(int Row, int Rows, TKleur Colour) {
    Canvas.Brush.SetColor(Colour);
    Canvas.Pen.Style = TPenStijl::Clear;
    Canvas.Rectangle(Links, Boven + kRij * Row - 15, Rechts, Boven + kRij * (Row + Rows) + 15);
    Canvas.Pen.Style = TPenStijl::Solid;
    Canvas.Brush.SetColor(kWit);
    Canvas.Brush.SetClear();
}

void TRapport::PrintBalkRegel(int Row, TKleur Colour, const QStringList& Texts) {
    PrintBalk(Row, static_cast<int>(Texts.size()), Colour);
    Canvas.Font.Bold = true;
    Canvas.Font.Size = 12;
    for (int i = 0; i < Texts.size(); ++i)
        PrintTekst(0, Texts[i], 0, Row + i);
    Canvas.Font.Size = 10;
    Canvas.Font.Bold = false;
}

void TRapport::PrintKop() {
    Canvas.Brush.SetColor(kZwart);
    Canvas.Rectangle(kKopX + 50, kKopY + 1000, kKopX + 10288, kKopY + 1030);
    Canvas.Brush.SetColor(kWit);

    Canvas.Font.Name = QStringLiteral("Arial");
    Canvas.Font.Color = kZwart;
    Canvas.Font.Bold = true;
    Canvas.Font.Italic = false;
    Canvas.Font.Underline = false;
    Canvas.Font.Size = 22;
    const QString jaar = Jaar() + QLatin1Char(')');
    QString titel;
    if (M.Diercategorie == QLatin1String("MK"))
        titel = QStringLiteral("Tarvolingrade dairy (based on year: ") + jaar;
    else if (M.Diercategorie == QLatin1String("JV"))
        titel = QStringLiteral("Tarvolingrade youngstock (based on year: ") + jaar;
    else
        titel = QStringLiteral("Tarvolingrade PLUS (based on year: ") + jaar;
    PrintTekst(0, titel, 0, -2);

    Canvas.Font.Color = kZwart;
    Canvas.Font.Bold = false;
    Canvas.Font.Size = 10;
    if (PageNo > 1) {
        Canvas.Font.Bold = true;
        Canvas.TextOut(Links, kKopY + 1300, QStringLiteral("Invoerset"));
        Canvas.Font.Bold = false;
        Canvas.TextOut(Links + 1000, kKopY + 1300, QStringLiteral(":  ") + Bestandsdeel(M.Bestandsnaam));
    }
    Canvas.Font.Bold = false;
    Canvas.Font.Size = 10;
}

void TRapport::PrintVoet(int pageNo) {
    const int y = kVoetY + 15300;
    Canvas.Brush.SetColor(kWit);
    Canvas.Font.Name = QStringLiteral("Arial");
    Canvas.Font.Color = kZwart;
    Canvas.Font.Bold = false;
    Canvas.Font.Italic = false;
    Canvas.Font.Underline = false;
    Canvas.Font.Size = 9;
    Canvas.TextOut(kVoetX, y, M.Vandaag.toString(QStringLiteral("d-M-yy")));

    const QString nummer = QString::number(pageNo);
    const int w = Canvas.TextWidth(nummer);
    Canvas.TextOut(Links + Rond((Rechts - Links) / 2.0L) - Rond(w / 2.0L), y, nummer);

    const QString versie = QStringLiteral("versie ") + M.Versie + QStringLiteral(" - ") + M.Datum;
    Canvas.TextOut(Rechts - Canvas.TextWidth(versie), y, versie);
}

void TRapport::PrintInvoerRegel(const QString& Label, const QString& Value) {
    PrintTekst(0, Label, 0, Regel);
    PrintTekst(0, Value, 17, Regel);
    ++Regel;
}

void TRapport::PrintVoorbladRegel(const QString& Label, const QString& Value) {
    PrintTekst(0, Label, 0, Regel);
    PrintTekst(0, QStringLiteral(":"), 7, Regel);
    PrintTekst(0, Value, 8, Regel);
    ++Regel;
}

void TRapport::PrintVoorraadRegel(const QString& Name, const QString& Amount, const QString& Vem,
                                  const QString& CP, const QString& N, const QString& P, const QString& Ash,
                                  const QString& Vre) {
    QString naam;
    if (Name.isEmpty())
        naam = QStringLiteral("- Batch");
    else if (Name == QLatin1String("Total"))
        naam = QStringLiteral("Total + average feeding value");
    else
        naam = QStringLiteral("- ") + Name;
    PrintTekst(0, naam, 0, Regel);
    PrintTekst(2, Amount, 15, Regel);
    PrintTekst(2, Vem, 17.5, Regel);
    PrintTekst(2, CP, 20, Regel);
    PrintTekst(2, N, 22.5, Regel);
    PrintTekst(2, P, 25, Regel);
    if (M.ModuleBEA) {
        PrintTekst(2, Ash, 27.5, Regel);
        PrintTekst(2, Vre, 30, Regel);
    }
    ++Regel;
}

void TRapport::Paginakop() {
    PrintKop();
    Letter(10);
    Canvas.Brush.SetClear();
    Regel = 4;
}

void TRapport::Letter(int size, bool bold, TKleur kleur) {
    Canvas.Font.Name = QStringLiteral("Arial");
    Canvas.Font.Size = size;
    Canvas.Font.Bold = bold;
    Canvas.Font.Italic = false;
    Canvas.Font.Underline = false;
    Canvas.Font.Color = kleur;
}

QString TRapport::Jaar() const {
    return M.Tekst("SpeJaartal");
}

void PktPrintPreviewPaint(TPreviewCanvas& Canvas, int PageNo, const TMomentopname& m) {
    TRapport r(Canvas, m, PageNo);
    const TPaginaKeuze keuze = KiesPagina(m, PageNo);
    switch (keuze.Soort) {
    case TPaginaSoort::Voorblad:
        PrintVoorblad(r);
        break;
    case TPaginaSoort::BEX:
        PrintResultaatBEX(r);
        break;
    case TPaginaSoort::BEA:
        PrintResultaatBEA(r);
        break;
    case TPaginaSoort::BEP:
        PrintResultaatBEP(r);
        break;
    case TPaginaSoort::BEN:
        PrintResultaatBEN(r);
        break;
    case TPaginaSoort::Analyse:
        PrintAnalyse(r);
        break;
    case TPaginaSoort::Invoer:
        PrintInvoer(r);
        break;
    case TPaginaSoort::ModuleInvoer:
        PrintModuleInvoer(r);
        break;
    case TPaginaSoort::Voorraad:
        PrintVoorraad(r, keuze.Sectie, keuze.Deel);
        break;
    case TPaginaSoort::Geen:
        break;
    }
}
