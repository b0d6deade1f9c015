#include "RapportHulp.h"

#include "Getallen.h"
#include "ResultaatVelden.h"

#include <QStringList>

QString Resultaat(const TRapport& r, std::string_view veld, int index) {
    const TResultaatVeld* v = ZoekResultaatVeld(veld, index);
    return v ? QString::fromStdString(v->Tekst(r.M.Uitvoer)) : QString();
}

TKleur ResultaatKleur(const TRapport& r, std::string_view veld, int index) {
    const TResultaatVeld* v = ZoekResultaatVeld(veld, index);
    return v ? PapierKleur(*v, r.M.Uitvoer) : kZwart;
}

void PrintResultaat(TRapport& r, std::string_view veld, int index, double kolom) {
    r.PrintTekst(2, Resultaat(r, veld, index), kolom, r.Regel);
}

void PrintInvoerKop(TRapport& r) {
    r.Paginakop();
    ++r.Regel;
    r.PrintBalkRegel(r.Regel, kTitelBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, QStringLiteral("Input"), 0, r.Regel);
}

void PrintInvoerSectie(TRapport& r, const QString& kop) {
    r.PrintBalkRegel(r.Regel, kSectieBand, {QString()});
    r.Letter(11, true);
    r.PrintTekst(0, kop, 0, r.Regel);
    r.Letter(10);
    ++r.Regel;
}

QString Samen(const TRapport& r, std::initializer_list<const char*> namen, const QString& tussen) {
    QStringList teksten;
    for (const char* naam : namen)
        teksten.append(r.M.Tekst(naam));
    return teksten.join(tussen);
}

QString Getal(const char* patroon, long double waarde) {
    return QString::fromStdString(FormatFloat(patroon, waarde));
}
