// The input page: land, herd, grazing, milk and norm excretion, and the other grazing
// animals, as the input controls show them.
#include "RapportHulp.h"
#include "RapportPaginas.h"

namespace {
// A grazing line, printed only when its months are above 0: months and, for grazing,
// hours a day.
void Beweiding(TRapport& r, const char* label, const char* maanden, const char* uren) {
    if (!(r.M.Waarde(maanden) > 0)) return;
    QString waarde = r.M.Tekst(maanden) + QStringLiteral(" month");
    if (uren) waarde += QStringLiteral(", ") + r.M.Tekst(uren) + QStringLiteral(" hour dag-1");
    r.PrintInvoerRegel(QString::fromLatin1(label), waarde);
}

// A number of animals with its share of liquid manure.
QString Dieren(const TRapport& r, const char* aantal, const char* drijfmest) {
    return r.M.Tekst(aantal) + QStringLiteral(" (") + r.M.Tekst(drijfmest) +
           QStringLiteral("% liquid manure)");
}

void Melkvee(TRapport& r) {
    Beweiding(r, "Dairy cattle: limited grazing", "SpeMndWeidBMk", "SpeUurWeidBMk");
    Beweiding(r, "Dairy cattle: unlimited grazing", "SpeMndWeidOMk", "SpeUurWeidOMk");
    Beweiding(r, "Dairy cattle: zero grazing limited", "SpeMndZstvBMk", nullptr);
    Beweiding(r, "Dairy cattle: zero grazing unlimited", "SpeMndZstvOMk", nullptr);
    r.PrintInvoerRegel(QStringLiteral("Breed cows"), r.M.Tekst("CbxRas"));
    r.PrintInvoerRegel(QStringLiteral("No. of cows"), Dieren(r, "SpenKoe", "SpeDrijfMk"));
    r.PrintInvoerRegel(QStringLiteral("No. of youngstock < 1 year"), Dieren(r, "SpenKalf", "SpeDrijfKa"));
    r.PrintInvoerRegel(QStringLiteral("No. of youngstock > 1 year"), Dieren(r, "SpenPink", "SpeDrijfPi"));
    r.PrintInvoerRegel(QStringLiteral("Milk delivery (kg)"), r.M.Tekst("SpeMelklev"));
    r.PrintInvoerRegel(QStringLiteral("Milk production per cow (kg)"),
                       r.M.Tekst("LblMelkprod") + QStringLiteral(" (") + r.M.Tekst("SpeVet") +
                           QStringLiteral("% fat, ") + r.M.Tekst("SpeEiwit") + QStringLiteral("% protein)"));
    r.PrintInvoerRegel(QStringLiteral("Urea content milk (g/100ml)"), r.M.Tekst("SpeUreum"));
    r.PrintInvoerRegel(QStringLiteral("Excretion standard forfait nitrogen (kg/cow)"),
                       r.M.Tekst("LblExcretieN1"));
    r.PrintInvoerRegel(QStringLiteral("Excretion standard forfait phosphate (kg/cow)"),
                       r.M.Tekst("LblExcretieP1"));
}

void Jongvee(TRapport& r) {
    r.PrintInvoerRegel(QStringLiteral("Grazing systems"), QString());
    Beweiding(r, " - Youngstock < 1 year: limited grazing", "SpeMndWeidBKa", "SpeUurWeidBKa");
    Beweiding(r, "- Youngstock < 1 year: unlimited grazing", "SpeMndWeidOKa", "SpeUurWeidOKa");
    Beweiding(r, "- Youngstock > 1 year: limited grazing", "SpeMndWeidBPi", "SpeUurWeidBPi");
    Beweiding(r, "- Youngstock > 1 year: unlimited grazing", "SpeMndWeidOPi", "SpeUurWeidOPi");
    r.PrintInvoerRegel(QStringLiteral("Breed youngstock"), r.M.Tekst("CbxRas"));
    r.PrintInvoerRegel(QStringLiteral("No. of youngstock < 1 year"), Dieren(r, "SpenKalf", "SpeDrijfKa"));
    r.PrintInvoerRegel(QStringLiteral("No. of youngstock > 1 year"), Dieren(r, "SpenPink", "SpeDrijfPi"));
    r.PrintInvoerRegel(QStringLiteral("Age younstock at arrival"), r.M.Tekst("SpeLftJvAan"));
    r.PrintInvoerRegel(QStringLiteral("Age youngstock at removal"), r.M.Tekst("SpeLftJvAfv"));
    r.PrintInvoerRegel(QStringLiteral("Excretion standard forfait nitrogen (kg/animal)"), QString());
    r.PrintInvoerRegel(QStringLiteral("- Youngstock < 1 year"), r.M.Tekst("LblExcretieN3"));
    r.PrintInvoerRegel(QStringLiteral("- Youngstock > 1 year"), r.M.Tekst("LblExcretieN2"));
    r.PrintInvoerRegel(QStringLiteral("Excretion standard forfait phosphate (kg/dier)"), QString());
    r.PrintInvoerRegel(QStringLiteral("- Youngstock < 1 year"), r.M.Tekst("LblExcretieP3"));
    r.PrintInvoerRegel(QStringLiteral("- Youngstock > 1 year"), r.M.Tekst("LblExcretieP2"));
}
} // namespace

void PrintInvoer(TRapport& r) {
    PrintInvoerKop(r);
    r.Regel += 2;
    PrintInvoerSectie(r, QStringLiteral("Dairy farm"));

    // Land by phosphate class from 2010 on and with BEP, else the two total areas.
    if (r.M.Waarde("SpeJaartal") > 2009 || r.M.ModuleBEP) {
        const QString tussen = QStringLiteral(" / ");
        r.PrintInvoerRegel(QStringLiteral("Area grassland, low/neutral/high (ha)"),
                           Samen(r, {"SpeOppGrasL", "SpeOppGrasN", "SpeOppGrasH"}, tussen));
        r.PrintInvoerRegel(QStringLiteral("Area arable land, low/neutral/high (ha)"),
                           Samen(r, {"SpeOppBouwL", "SpeOppBouwN", "SpeOppBouwH"}, tussen));
    } else {
        r.PrintInvoerRegel(QStringLiteral("Oppervlakte grasland"), r.M.Tekst("SpeOppGras"));
        r.PrintInvoerRegel(QStringLiteral("Oppervlakte bouwland"), r.M.Tekst("SpeOppBouw"));
    }
    if (r.M.Diercategorie == QLatin1String("MK"))
        Melkvee(r);
    else if (r.M.Diercategorie == QLatin1String("JV"))
        Jongvee(r);

    ++r.Regel;
    PrintInvoerSectie(r, QStringLiteral("Other grazing animals"));
    // Each category's caption without its category number: everything before "(cat".
    for (int i = 1; i <= 13; ++i) {
        const QString nr = QString::number(i);
        QString label = r.M.Tekst(QStringLiteral("LblGraas") + nr);
        const qsizetype cat = label.indexOf(QStringLiteral("(cat"));
        if (cat >= 0) label.truncate(cat);
        r.PrintInvoerRegel(label, r.M.Tekst(QStringLiteral("SpeGraas") + nr));
    }

    r.PrintVoet(r.PageNo);
}
