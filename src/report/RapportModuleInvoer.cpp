// The module input page: the inputs of the optional modules that are on, BEA, BEP and
// BEN in that order.
#include "RapportHulp.h"
#include "RapportPaginas.h"

#include "Getallen.h"

namespace {
void InvoerBEA(TRapport& r) {
    const TMomentopname& m = r.M;
    const QString tussen = QStringLiteral(" / ");
    r.PrintInvoerRegel(QStringLiteral("Stable type"), m.Tekst("CbxTypeStal"));
    r.PrintInvoerRegel(QStringLiteral("Liquid manure disposal (kg N)"), Getal("0", m.Waarde("SpeDrijfAfv")));
    r.PrintInvoerRegel(QStringLiteral("Liquid manure import (kg N)"), Getal("0", m.Waarde("SpeDrijfAan")));
    r.PrintInvoerRegel(
        QStringLiteral("Total liquid manure applied on arable land (kg N)"),
        Getal("0", static_cast<long double>(m.Waarde("SpeDrijfMais")) + m.Waarde("SpeDrijfBouw")));
    r.PrintInvoerRegel(QStringLiteral("Urea on arable land (kg N)"), m.Tekst("SpeUreumBouw"));
    r.PrintInvoerRegel(QStringLiteral("Urea on grassland (kg N)"), m.Tekst("SpeUreumGras"));
    r.PrintInvoerRegel(QStringLiteral("Other N-art. fertilizer on arable land (kg N)"),
                       m.Tekst("SpeKasBouw"));
    r.PrintInvoerRegel(QStringLiteral("Other N-art. fertilizer on grassland (kg N)"), m.Tekst("SpeKasGras"));
    r.PrintInvoerRegel(QStringLiteral("Liquid manure application (%)"), QString());
    r.PrintInvoerRegel(QStringLiteral("- Bouwland: onderwerken / sleepvoeten / injecteren"),
                       Samen(r, {"SpeMethBouw1", "SpeMethBouw2", "SpeMethBouw3"}, tussen));
    r.PrintInvoerRegel(QStringLiteral("- Grasland: zodebemesten / sleepvoeten / sleufkouteren"),
                       Samen(r, {"SpeMethGras1", "SpeMethGras2", "SpeMethGras3"}, tussen));
}

// Phosphate removed with a crop: amount times P content / 1000.
QString Afvoer(const TRapport& r, const char* hoeveelheid, const char* gehalte) {
    return Getal("0", static_cast<long double>(r.M.Waarde(hoeveelheid)) * r.M.Waarde(gehalte) / 1000);
}

void InvoerBEP(TRapport& r) {
    const TMomentopname& m = r.M;
    const QString tussen = QStringLiteral(" / ");
    r.PrintInvoerRegel(QStringLiteral("Maize area: "), QString());
    r.PrintInvoerRegel(QStringLiteral("- phosphate status: high (ha)"),
                       Getal("0.00", m.Waarde("SpeOppMaisH")));
    r.PrintInvoerRegel(QStringLiteral("- phosphate status: neutral (ha)"),
                       Getal("0.00", m.Waarde("SpeOppMaisN")));
    r.PrintInvoerRegel(QStringLiteral("- phosphate status: low (ha)"),
                       Getal("0.00", m.Waarde("SpeOppMaisL")));
    ++r.Regel;
    r.PrintInvoerRegel(QStringLiteral("Phosphate export via feed:"), QString());
    r.PrintInvoerRegel(QStringLiteral("- grass removal(kg P)"), Afvoer(r, "SpeAfvoerVgHoev", "SpeAfvoerVgP"));
    r.PrintInvoerRegel(QStringLiteral("- grass silage removal (kg P)"),
                       Afvoer(r, "SpeAfvoerGkHoev", "SpeAfvoerGkP"));
    r.PrintInvoerRegel(QStringLiteral("- maize silage removal (kg P)"),
                       Afvoer(r, "SpeAfvoerSmHoev", "SpeAfvoerSmP"));
    ++r.Regel;
    // The older year first.
    r.PrintInvoerRegel(QStringLiteral("Derived application standard phosphate in last 2 years:"),
                       Samen(r, {"LblJaar2", "LblJaar1"}, tussen));
    r.PrintInvoerRegel(QStringLiteral("- Grassland (kg P2O5 ha-1)"),
                       Samen(r, {"SpeBEPnormGk2", "SpeBEPnormGk1"}, tussen));
    r.PrintInvoerRegel(QStringLiteral("- Maize (kg P2O5 ha-1)"),
                       Samen(r, {"SpeBEPnormSm2", "SpeBEPnormSm1"}, tussen));
}

void InvoerBEN(TRapport& r) {
    const TMomentopname& m = r.M;
    const QString komma = QStringLiteral(", ");
    if (m.Zichtbaar("CbxMaisGrond"))
        r.PrintInvoerRegel(QStringLiteral("Maize: soil type, groundwater level"),
                           Samen(r, {"CbxMaisGrond", "CbxMaisGttrap"}, komma));
    r.PrintInvoerRegel(QStringLiteral("Grassland: soil type, groundwater level"),
                       Samen(r, {"CbxGrasGrond", "CbxGrasGttrap"}, komma));
    ++r.Regel;
    r.PrintInvoerRegel(QStringLiteral("Fertilizer N application on maize (kg N )"),
                       m.Tekst("SpeToedNKmMais"));
    ++r.Regel;
    r.PrintInvoerRegel(QStringLiteral("Manure in stock on January 1:"), QString());
    r.PrintInvoerRegel(QStringLiteral("- Amount of manure (m3)"), m.Tekst("SpeMestVoor1jan"));
    r.PrintInvoerRegel(QStringLiteral("- N-content manure (kg N/m3)"), m.Tekst("SpeMestNgeh1jan"));
    r.PrintInvoerRegel(QStringLiteral("Manure in stock on December 31:"), QString());
    r.PrintInvoerRegel(QStringLiteral("- Amount of manure (m3)"), m.Tekst("SpeMestVoor31dec"));
    r.PrintInvoerRegel(QStringLiteral("- N-content manure (kg N/m3)"), m.Tekst("SpeMestNgeh31dec"));
}
} // namespace

void PrintModuleInvoer(TRapport& r) {
    PrintInvoerKop(r);
    r.Regel += 2;
    const std::tuple<bool, const char*, void (*)(TRapport&)> blokken[] = {
        {r.M.ModuleBEA, "Input BEA", InvoerBEA},
        {r.M.ModuleBEP, "Input BEP", InvoerBEP},
        {r.M.ModuleBEN, "Input BEN", InvoerBEN},
    };
    for (const auto& [aan, kop, blok] : blokken) {
        if (!aan) continue;
        ++r.Regel;
        PrintInvoerSectie(r, QString::fromLatin1(kop));
        blok(r);
    }
    r.PrintVoet(r.PageNo);
}
