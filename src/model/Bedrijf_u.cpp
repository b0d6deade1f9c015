#include "Bedrijf_u.h"
#include "Getallen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

// Every number of the input must be a number: NaN or an infinity would run through every
// formula and end as nonsense texts, so the calculation stops with the field named.
void EisGetal(float v, const char* veld) {
    if (!std::isfinite(v)) throw EModelFout(std::string("Ongeldige invoer (geen getal): ") + veld);
}

void EisGetal(const TVoorraadPost& p, const char* veld) {
    for (float v : {p.Hoev, p.Vem, p.Re, p.N, p.P, p.Ras, p.Vre})
        EisGetal(v, veld);
}

void EisGetal(const TAankoopPost& p, const char* veld) {
    for (float v : {p.Hoev, p.P, p.Re, p.Vem})
        EisGetal(v, veld);
}

// Days of two months fields together, capped at a year. The months are added in extended
// precision like the rest of the formula: their sum rounded to a Single first can end one
// step off (0.1 + 0.5 months would give 18.300001 days instead of 18.3).
float Dagen(float maandenA, float maandenB) {
    return static_cast<float>(std::min((static_cast<long double>(maandenA) + maandenB) * 30.5L, 365.0L));
}

} // namespace

void TBedrijf::ZetInvoer(const TTvInvoer& I) {
    // New input: whatever was remembered is void.
    uitkomsten.Vergeet();
#define NEEM(veld)                                                                                           \
    EisGetal(I.veld, #veld);                                                                                 \
    (veld) = I.veld
    Jaartal = I.Jaartal;
    ModuleBEA = I.ModuleBEA;
    ModuleBEP = I.ModuleBEP;
    ModuleBEN = I.ModuleBEN;
    Diercategorie = I.Diercategorie;
    EvalNr = I.EvalNr;
    for (int m = 1; m <= 3; ++m)
        for (int k = 1; k <= 5; ++k)
            EisGetal(I.Voorraden[m][k], "Voorraden");
    Voorraden = I.Voorraden;
    NEEM(BesteGk);
    for (int m = 1; m <= 3; ++m)
        for (int k = 1; k <= 2; ++k)
            EisGetal(I.Aankoop[m][k], "Aankoop");
    Aankoop = I.Aankoop;
    NEEM(PcDrijfMk);
    NEEM(PcDrijfPi);
    NEEM(PcDrijfKa);
    for (float v : I.Graasdieren)
        EisGetal(v, "Graasdieren");
    Graasdieren = I.Graasdieren;
    GraasJa = I.GraasJa;
    NEEM(MndWeidBMk);
    NEEM(MndWeidOMk);
    NEEM(MndZstvBMk);
    NEEM(MndZstvOMk);
    NEEM(UurWeidBMk);
    NEEM(UurWeidOMk);
    NEEM(MndWeidOKa);
    NEEM(MndWeidOPi);
    NEEM(MndWeidBKa);
    NEEM(MndWeidBPi);
    NEEM(UurWeidOKa);
    NEEM(UurWeidOPi);
    NEEM(UurWeidBKa);
    NEEM(UurWeidBPi);
    Ras = I.Ras;
    NEEM(VemDekking);
    NEEM(nKoe);
    NEEM(nPink);
    NEEM(nKalf);
    NEEM(LftJvAan);
    NEEM(LftJvAfv);
    NEEM(MelkLev);
    NEEM(Vet);
    NEEM(Eiwit);
    NEEM(Ureum);
    NEEM(OppGrasL);
    NEEM(OppGrasN);
    NEEM(OppGrasH);
    NEEM(OppBouwL);
    NEEM(OppBouwN);
    NEEM(OppBouwH);
    TypeStal = I.TypeStal;
    MstAfvOpg = I.MstAfvOpg;
    NEEM(DrijfAfv);
    NEEM(DrijfAan);
    NEEM(DrijfMais);
    NEEM(DrijfBouw);
    NEEM(KasBouw);
    NEEM(KasGras);
    NEEM(UreumBouw);
    NEEM(UreumGras);
    NEEM(MethBouw1);
    NEEM(MethBouw2);
    NEEM(MethBouw3);
    NEEM(MethGras1);
    NEEM(MethGras2);
    NEEM(MethGras3);
    NEEM(OppMaisH);
    NEEM(OppMaisN);
    NEEM(OppMaisL);
    NEEM(AfvoerVgP);
    NEEM(AfvoerGkP);
    NEEM(AfvoerSmP);
    NEEM(BepNormGk1);
    NEEM(BepNormGk2);
    NEEM(BepNormSm1);
    NEEM(BepNormSm2);
    GrondGras = I.GrondGras;
    GrondMais = I.GrondMais;
    GtGras = I.GtGras;
    GtMais = I.GtMais;
    NEEM(ToedNKmMais);
    NEEM(MestVoor1jan);
    NEEM(MestNgeh1jan);
    NEEM(MestVoor31dec);
    NEEM(MestNgeh31dec);
#undef NEEM

    // Young stock only: no cows and no milk, whatever the record holds.
    if (Diercategorie == "JV") {
        nKoe = 0;
        MelkLev = 0;
        Vet = 0;
        Eiwit = 0;
        Ureum = 0;
    }

    DagenWeidMk = Dagen(MndWeidBMk, MndWeidOMk);
    DagenZstvMk = Dagen(MndZstvBMk, MndZstvOMk);
    DagenWeidPi = Dagen(MndWeidBPi, MndWeidOPi);
    DagenWeidKa = Dagen(MndWeidBKa, MndWeidOKa);
}

TBedrijf::TOnthouden::TOnthouden(const TBedrijf& Bedrijf) : bedrijf(Bedrijf) {
    // A fresh start: nothing from an earlier input may come back.
    if (bedrijf.uitkomsten.diepte++ == 0) bedrijf.uitkomsten.Vergeet();
}

TBedrijf::TOnthouden::~TOnthouden() {
    --bedrijf.uitkomsten.diepte;
}

void TBedrijf::Bereken(const TTvInvoer& Invoer, TTvUitvoer& Uitvoer) {
    ZetInvoer(Invoer);
    // The routines call one another with the same arguments over and over; within this
    // calculation each sub-result is computed once.
    std::optional<TOnthouden> onthouden;
    if (Onthouden) onthouden.emplace(*this);

    if (Jaartal > 2015 && OnMelding)
        OnMelding("Voor " + IntNaarTekst(Jaartal) + " zijn nog geen gebruiksnormen ingebouwd.\n" +
                  "Er wordt gerekend met de gebruiksnormen van 2015.");

    // Excretion against the norms, use standards and manure disposal, for N and then P2O5.
    for (int k = 1; k <= 2; ++k) {
        Uitvoer.ExcrSpecExc[k] = FormatFloat("0", ExcretieBedrijf(k));
        Uitvoer.ExcrSpecInc[k] = FormatFloat("0", ExcretieBedrijfsspecifiek(k));
        Uitvoer.ExcrForf[k] = FormatFloat("0", ForfaitaireExcretieNP(k));
        Uitvoer.ExcrVoordeel[k] = VerschilTekst(k);
        for (int c = 1; c <= 4; ++c) {
            const float forfait = ForfaitaireExcretie(c, k);
            if (forfait > 0) Uitvoer.ExcrForfDier[c][k] = FormatFloat("0.0", forfait);
        }
        Uitvoer.GebrNorm[k] = FormatFloat("0", Gebruiksnorm(k));
        Uitvoer.MestafzForf[k] = FormatFloat("0", OverschotForfaitair(k));
        Uitvoer.MestafzSpec[k] = FormatFloat("0", OverschotBedrijfsspecifiek(k));
        Uitvoer.MestafzVoordeel[k] = OverschotVerschilTekst(k);
        Uitvoer.Efficientie[k] = FormatFloat("0", Benutting(k));
    }

    // The ration and the farm's figures.
    Uitvoer.GehRantsoen[1] = FormatFloat("0", GehalteRantsoen("VEM"));
    Uitvoer.GehRantsoen[2] = FormatFloat("0", GehalteRantsoen("RE"));
    Uitvoer.GehRantsoen[3] = FormatFloat("0.0", GehalteRantsoen("N"));
    Uitvoer.GehRantsoen[4] = FormatFloat("0.0", GehalteRantsoen("P"));
    Uitvoer.MelkPerHa = FormatFloat("0", MelkPerHa());
    Uitvoer.JvPer10Mk = FormatFloat("0.0", Deel(static_cast<long double>(nPink) + nKalf, nKoe / 10.0L));
    Uitvoer.KvPer100kgMelk = FormatFloat("0", Deel(Verbruik("KV"), MelkLev / 100.0L));
    for (int k = 1; k <= 2; ++k) {
        Uitvoer.PcVoordeelSpec[k] = VerschilProcentTekst(k);
        Uitvoer.MelkProdMax[k] = FormatFloat("0", VoordeelPerHa(k));
    }
    static constexpr std::array<std::string_view, 7> kSoorten = {"TOT", "VG", "GK", "SM", "NAT", "MP", "KV"};
    for (int i = 0; i <= 6; ++i) {
        const std::string_view soort = kSoorten[static_cast<std::size_t>(i)];
        Uitvoer.RantsVerbruik[i] = FormatFloat("0", DsOpname(soort));
        Uitvoer.RantsAandeel[i] = FormatFloat("0", DsOpnamePercentage(soort));
        Uitvoer.RantsGehVem[i] = FormatFloat("0", RantsoenVEM(soort));
        Uitvoer.RantsGehRe[i] = FormatFloat("0", RantsoenRE(soort));
        Uitvoer.RantsGehVre[i] = FormatFloat("0", RantsoenVRE(soort));
        Uitvoer.RantsGehP[i] = FormatFloat("0.0", RantsoenP(soort));
        Uitvoer.RantsReKvem[i] = FormatFloat("0", RePerKvem(soort));
        Uitvoer.RantsPKvem[i] = FormatFloat("0.0", PPerKvem(soort));
    }

    // The modules depend on their flags only.
    if (ModuleBEA) VulAmmoniak(Uitvoer);
    if (ModuleBEP) VulFosfaat(Uitvoer);
    if (ModuleBEN) VulStikstof(Uitvoer);
}

int TBedrijf::RasIndex() const {
    switch (Letter(Ras)) {
    case 'N':
        return 1;
    case 'K':
        return 2;
    case 'J':
        return 3;
    default:
        throw EModelFout("Onbekend type: " + Ras);
    }
}

float TBedrijf::OppervlakteGras() const {
    return static_cast<float>(static_cast<long double>(OppGrasL) + OppGrasN + OppGrasH);
}
float TBedrijf::OppervlakteMais() const {
    return static_cast<float>(static_cast<long double>(OppMaisL) + OppMaisN + OppMaisH);
}
float TBedrijf::OppervlakteBouwland() const {
    return static_cast<float>(static_cast<long double>(OppBouwL) + OppBouwN + OppBouwH);
}
float TBedrijf::MelkPerKoe() const {
    return static_cast<float>(Deel(MelkLev, nKoe));
}
float TBedrijf::MelkPerHa() const {
    return static_cast<float>(
        Deel(MelkLev, static_cast<long double>(OppervlakteGras()) + OppervlakteBouwland()));
}
