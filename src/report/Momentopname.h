// What the report reads, taken once when a print or preview job starts: the kept input
// and result records, the texts of the main window's controls, the stock grids, the
// module flags, the animal group, the pictures, the farm file's name, the version and
// today's date. The pages are painted from this alone, never from live widgets, so a
// page looks the same however often and whenever it is painted.
#pragma once

#include "Tarvolingrade_t.h"

#include <QDate>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>

#include <vector>

class TFrmHoofdFormulier;

// One stock grid: its batch rows (columns 1 description, 2 amount, 3 VEM, 4 crude
// protein, 5 N, 6 P, 7 crude ash, 8 VRE) and the texts of its total labels (1 Hoev,
// 2 Vem, 3 Re, 4 N, 5 P, 6 Ras, 7 Vre; empty where the kind has no such label).
struct TVoorraadStand {
    std::vector<TArray<QString, 1, 8>> Rijen;
    TArray<QString, 1, 7> Totaal{};
};

struct TMomentopname {
    TTvInvoer Invoer{};
    TTvUitvoer Uitvoer{};
    bool ModuleBEA = false;
    bool ModuleBEP = false;
    bool ModuleBEN = false;
    // "MK" dairy cows with their young stock, "JV" young stock only.
    QString Diercategorie;

    // Texts by control name: a label's or static text's caption, an edit's, spin edit's
    // or list's text as shown.
    QHash<QString, QString> Teksten;
    // Values of the spin edits by name (the minimum for an empty text).
    QHash<QString, double> Waarden;
    // Controls hidden by themselves (not merely on a page that is not shown).
    QSet<QString> Verborgen;

    // Stock grids [moment 1..3][kind 1..5].
    TArray<TArray<TVoorraadStand, 1, 5>, 1, 3> Voorraad{};
    // Purchase flags [moment 1..3][group 1 grass silage, 2 maize silage, 3 unused][row 1..20].
    TArray<TArray<TArray<bool, 1, 20>, 1, 3>, 1, 3> Aankoop{};

    // The fixed logo of the cover and the farm logo at the picture's own size.
    QImage ImgZelm;
    QImage ImgBedrijf;

    // The farm file's full name (empty when the farm has none yet).
    QString Bestandsnaam;
    // The program's version and version date.
    QString Versie;
    QString Datum;
    QDate Vandaag;
    // The program's web address (without "http://") and the decimal sign numbers are
    // written with.
    QString WebAdres;
    QChar Decimaalteken = QLatin1Char('.');

    // The text of a control; empty for a name the window does not have.
    QString Tekst(const QString& naam) const { return Teksten.value(naam); }
    QString Tekst(const char* naam) const { return Tekst(QString::fromLatin1(naam)); }
    // The value of a spin edit; 0 for a name the window does not have.
    double Waarde(const QString& naam) const { return Waarden.value(naam); }
    double Waarde(const char* naam) const { return Waarde(QString::fromLatin1(naam)); }
    // Whether a control is shown on its page (a name the window does not have is not).
    bool Zichtbaar(const QString& naam) const { return Teksten.contains(naam) && !Verborgen.contains(naam); }
    bool Zichtbaar(const char* naam) const { return Zichtbaar(QString::fromLatin1(naam)); }
};

// Takes the snapshot of the main window as it stands.
TMomentopname NeemMomentopname(const TFrmHoofdFormulier& w);
