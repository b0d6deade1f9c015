// Phosphate balance and the farm-specific phosphate standard: the P the farm's own land
// yielded (removal and excretion less purchases and the stock change), spread over grass
// and maize land by their harvest, per phosphate status and as a three-year figure, set
// against the generic use standard.
#include "Bedrijf_u.h"
#include "Getallen.h"

#include <algorithm>
#include <string>

namespace {

constexpr long double kP2O5PerP = 2.29L;

// The neutral standard of arable land other than maize, kg P2O5 per ha.
constexpr long double kBouwlandNeutraal = 60;

// kg P2O5 per ha added to the neutral figure by phosphate status (the differences of the
// last year's use standards); only the low status differs between grass and arable land.
long double Correctie(char Klasse, long double Laag, const char* Wie) {
    switch (Klasse) {
    case 'L':
        return Laag;
    case 'N':
        return 0;
    case 'H':
        return -10;
    default:
        throw EModelFout(std::string(Wie) + ": Onbekende klasse: " + Klasse);
    }
}
long double CorrectieGras(char Klasse, const char* Wie) {
    return Correctie(Klasse, 10, Wie);
}
long double CorrectieBouw(char Klasse, const char* Wie) {
    return Correctie(Klasse, 15, Wie);
}

// A neutral figure with the class correction, never below 0; 0 without a figure.
float MetCorrectie(long double neutraal, long double correctie) {
    return neutraal > 0 ? static_cast<float>(std::max(neutraal + correctie, 0.0L)) : 0.0f;
}

} // namespace

float TBedrijf::AankoopAanleg(std::string_view Voersoort, std::string_view /*Gehalte*/) const {
    // The purchased share of the silage's P over the year.
    auto gekocht = [this](int k) {
        const long double aankoop =
            static_cast<long double>(Aankoop[mBegin][k].Hoev) * Aankoop[mBegin][k].P +
            static_cast<long double>(Aankoop[mAanleg][k].Hoev) * Aankoop[mAanleg][k].P -
            static_cast<long double>(Aankoop[mEind][k].Hoev) * Aankoop[mEind][k].P;
        const long double voorraad =
            static_cast<long double>(Voorraden[mBegin][k].Hoev) * Voorraden[mBegin][k].P +
            static_cast<long double>(Voorraden[mAanleg][k].Hoev) * Voorraden[mAanleg][k].P -
            static_cast<long double>(Voorraden[mEind][k].Hoev) * Voorraden[mEind][k].P;
        return Deel(aankoop, voorraad);
    };
    switch (Letter(Voersoort)) {
    case 'G':
        return static_cast<float>(Verbruik("GK") * gekocht(kGK) * RantsoenP("GK") / 1000);
    case 'S':
        return static_cast<float>(Verbruik("SM") * gekocht(kSM) * RantsoenP("SM") / 1000);
    case 'K':
    case 'M':
    case 'N':
        // Concentrates, milk powder and wet by-products are bought in whole.
        return Voeropname(Voersoort, "P", 'J');
    default:
        throw EModelFout("Aankoop aanleg: Onbekende voersoort: " + std::string(Voersoort));
    }
}

float TBedrijf::PExcretie() const {
    return static_cast<float>(ExcretieVee(2) / kP2O5PerP);
}

float TBedrijf::PAankoopKrachtvoer() const {
    return static_cast<float>(static_cast<long double>(AankoopAanleg("NAT", "P")) + AankoopAanleg("KV", "P") +
                              AankoopAanleg("MP", "P"));
}

float TBedrijf::PAankoopRuwvoer() const {
    return static_cast<float>(static_cast<long double>(AankoopAanleg("GK", "P")) + AankoopAanleg("SM", "P"));
}

float TBedrijf::PVoorraadMutatie() const {
    const auto& V = Voorraden;
    return static_cast<float>((static_cast<long double>(V[mBegin][kGK].Hoev) * V[mBegin][kGK].P -
                               static_cast<long double>(V[mEind][kGK].Hoev) * V[mEind][kGK].P +
                               static_cast<long double>(V[mBegin][kSM].Hoev) * V[mBegin][kSM].P -
                               static_cast<long double>(V[mEind][kSM].Hoev) * V[mEind][kSM].P) /
                              1000);
}

float TBedrijf::PAfvoer() const {
    return static_cast<float>(Vastlegging("VEE", 2) / kP2O5PerP + AfvoerVgP + AfvoerGkP + AfvoerSmP);
}

float TBedrijf::POpbrengst() const {
    return Onthoud(geheugen::kPOpbrengst, [&]() -> float {
        return static_cast<float>(static_cast<long double>(PAfvoer()) + PExcretie() - PAankoopKrachtvoer() -
                                  PAankoopRuwvoer() - PVoorraadMutatie());
    });
}

float TBedrijf::POpbrengstPerHa() const {
    return static_cast<float>(
        Deel(POpbrengst() * kP2O5PerP, static_cast<long double>(OppervlakteGras()) + OppervlakteMais()));
}

long double TBedrijf::EigenOogst(int Soort) const {
    // The stock increase less its purchased part, kg P.
    return (static_cast<long double>(Voorraden[mAanleg][Soort].Hoev) * Voorraden[mAanleg][Soort].P -
            static_cast<long double>(Aankoop[mAanleg][Soort].Hoev) * Aankoop[mAanleg][Soort].P) /
           1000;
}

long double TBedrijf::PSchaal() const {
    // The own land's harvest in P; the balance scales it. No harvest at all: nothing to
    // scale, every standard 0.
    const long double Hv =
        Voeropname("VG", "P", 'J') + EigenOogst(kGK) + EigenOogst(kSM) + AfvoerVgP + AfvoerGkP + AfvoerSmP;
    return Deel(POpbrengst(), Hv);
}

float TBedrijf::BepGras(char Klasse) const {
    return Onthoud(geheugen::PerKlasse(geheugen::kBepGras, Klasse), [&]() -> float {
        const long double correctie = CorrectieGras(Klasse, "BepGras");
        const long double v = Deel((Voeropname("VG", "P", 'J') + EigenOogst(kGK) + AfvoerVgP + AfvoerGkP) *
                                       PSchaal() * kP2O5PerP,
                                   OppervlakteGras());
        return MetCorrectie(v, correctie);
    });
}

float TBedrijf::BepMais(char Klasse) const {
    return Onthoud(geheugen::PerKlasse(geheugen::kBepMais, Klasse), [&]() -> float {
        const long double correctie = CorrectieBouw(Klasse, "BepMais");
        if (!(OppervlakteMais() > 0)) return 0;
        const long double v = Deel(PSchaal() * (EigenOogst(kSM) + AfvoerSmP) * kP2O5PerP, OppervlakteMais());
        return MetCorrectie(v, correctie);
    });
}

float TBedrijf::BepBouwland(char Klasse) const {
    const long double correctie = CorrectieBouw(Klasse, "BepBouwland");
    if (!(static_cast<long double>(OppervlakteBouwland()) - OppervlakteMais() > 0)) return 0;
    return static_cast<float>(std::max(kBouwlandNeutraal + correctie, 0.0L));
}

long double TBedrijf::BepSom(bool Driejarig) const {
    auto gras = [&](char k) { return Driejarig ? BepGrasKlasse(k) : BepGras(k); };
    auto mais = [&](char k) { return Driejarig ? BepMaisKlasse(k) : BepMais(k); };
    auto bouw = [&](char k) { return Driejarig ? BepBouwlandKlasse(k) : BepBouwland(k); };
    // Arable land other than maize.
    auto overig = [](float bouw, float mais) { return static_cast<long double>(bouw) - mais; };
    const long double som =
        gras('L') * static_cast<long double>(OppGrasL) + gras('N') * static_cast<long double>(OppGrasN) +
        gras('H') * static_cast<long double>(OppGrasH) + mais('L') * static_cast<long double>(OppMaisL) +
        mais('N') * static_cast<long double>(OppMaisN) + mais('H') * static_cast<long double>(OppMaisH) +
        bouw('L') * overig(OppBouwL, OppMaisL) + bouw('N') * overig(OppBouwN, OppMaisN) +
        bouw('H') * overig(OppBouwH, OppMaisH);
    return Deel(som, static_cast<long double>(OppervlakteGras()) + OppervlakteBouwland());
}

float TBedrijf::BepTotaal() const {
    return Onthoud(geheugen::kBepTotaal, [&]() -> float { return static_cast<float>(BepSom(false)); });
}

float TBedrijf::BepPerHa() const {
    return static_cast<float>(BepTotaal() *
                              (static_cast<long double>(OppervlakteGras()) + OppervlakteBouwland()));
}

namespace {
// The mean of the figures above 0 (this year's and the two previous years'), or 0.
long double Driejaarsgemiddelde(float dit, float vorig1, float vorig2) {
    const long double s = static_cast<long double>(dit) + vorig1 + vorig2;
    const int n = (dit > 0) + (vorig1 > 0) + (vorig2 > 0);
    return Deel(s, n);
}
} // namespace

float TBedrijf::BepGrasKlasse(char Klasse) const {
    const long double correctie = CorrectieGras(Klasse, "BepGrasKlasse");
    return MetCorrectie(Driejaarsgemiddelde(BepGras('N'), BepNormGk1, BepNormGk2), correctie);
}

float TBedrijf::BepMaisKlasse(char Klasse) const {
    const long double correctie = CorrectieBouw(Klasse, "BepMaisKlasse");
    return MetCorrectie(Driejaarsgemiddelde(BepMais('N'), BepNormSm1, BepNormSm2), correctie);
}

float TBedrijf::BepBouwlandKlasse(char Klasse) const {
    return BepBouwland(Klasse);
}

float TBedrijf::BepBedrijf() const {
    return Onthoud(geheugen::kBepBedrijf,
                   [&]() -> float { return static_cast<float>(std::max(BepSom(true), 0.0L)); });
}

float TBedrijf::BepBedrijfPerHa() const {
    return static_cast<float>(BepBedrijf() *
                              (static_cast<long double>(OppervlakteGras()) + OppervlakteBouwland()));
}

float TBedrijf::FosfaatGebruiksnorm() const {
    return Gebruiksnorm(2);
}

std::string TBedrijf::BepVerschilTekst() const {
    const float d = static_cast<float>(static_cast<long double>(BepBedrijfPerHa()) - FosfaatGebruiksnorm());
    return PlusTekst("0", d);
}

std::string TBedrijf::BepVerschilProcentTekst() const {
    const float norm = FosfaatGebruiksnorm();
    const float d = static_cast<float>(static_cast<long double>(BepBedrijfPerHa()) - norm);
    const float p = static_cast<float>(Deel(d, norm) * 100);
    return (p > 0 ? "(+" : "(") + FormatFloat("0", p) + "%)";
}

float TBedrijf::BepRuimte() const {
    return static_cast<float>(
        std::max(static_cast<long double>(ExcretieBedrijfsspecifiek(2)) - BepBedrijfPerHa(), 0.0L));
}

float TBedrijf::GebruiksnormRuimte() const {
    return static_cast<float>(
        std::max(static_cast<long double>(ExcretieBedrijfsspecifiek(2)) - FosfaatGebruiksnorm(), 0.0L));
}

std::string TBedrijf::RuimteVerschilTekst() const {
    const float d = static_cast<float>(static_cast<long double>(GebruiksnormRuimte()) - BepRuimte());
    return PlusTekst("0", d);
}

namespace {
// A derived standard as text: empty when it shows as zero.
std::string AfgTekst(float v) {
    std::string t = FormatFloat("0.0", v);
    const std::string nul = std::string("0") + DecimalSeparator() + "0";
    if (t == nul || t == "-" + nul) t.clear();
    return t;
}
} // namespace

void TBedrijf::VulFosfaat(TTvUitvoer& U) const {
    U.P_excretie = FormatFloat("0", PExcretie());
    U.P_aanvoerkv = FormatFloat("0", PAankoopKrachtvoer());
    U.P_aanvoerrv = FormatFloat("0", PAankoopRuwvoer());
    U.P_afvoer = FormatFloat("0", PAfvoer());
    U.P_normspec = FormatFloat("0", POpbrengstPerHa());

    struct TKlasse {
        char Klasse;
        std::string *Gras, *Mais, *Bouw, *Gras3, *Mais3, *Bouw3;
    };
    const TKlasse klassen[3] = {
        {'H', &U.AfgGrasH, &U.AfgMaisH, &U.AfgBouwH, &U.AfgGrasH3, &U.AfgMaisH3, &U.AfgBouwH3},
        {'N', &U.AfgGrasN, &U.AfgMaisN, &U.AfgBouwN, &U.AfgGrasN3, &U.AfgMaisN3, &U.AfgBouwN3},
        {'L', &U.AfgGrasL, &U.AfgMaisL, &U.AfgBouwL, &U.AfgGrasL3, &U.AfgMaisL3, &U.AfgBouwL3},
    };
    for (const TKlasse& k : klassen)
        *k.Gras = AfgTekst(BepGras(k.Klasse));
    for (const TKlasse& k : klassen)
        *k.Mais = AfgTekst(BepMais(k.Klasse));
    for (const TKlasse& k : klassen)
        *k.Bouw = AfgTekst(BepBouwland(k.Klasse));
    for (const TKlasse& k : klassen)
        *k.Gras3 = AfgTekst(BepGrasKlasse(k.Klasse));
    for (const TKlasse& k : klassen)
        *k.Mais3 = AfgTekst(BepMaisKlasse(k.Klasse));
    for (const TKlasse& k : klassen)
        *k.Bouw3 = AfgTekst(BepBouwlandKlasse(k.Klasse));

    const long double A = static_cast<long double>(OppervlakteGras()) + OppervlakteBouwland();
    U.FosfHaGeneriek = FormatFloat("0.0", Deel(FosfaatGebruiksnorm(), A));
    U.FosfHaSpecifiek = FormatFloat("0.0", Deel(BepPerHa(), A));
    U.FosfHaSpecifiek3 = FormatFloat("0.0", Deel(BepBedrijfPerHa(), A));
    U.FosfSpecifiek = FormatFloat("0", BepPerHa());
    U.FosfSpecifiek3 = FormatFloat("0", BepBedrijfPerHa());
    U.FosfGeneriek = FormatFloat("0", FosfaatGebruiksnorm());
    U.FosfVoordeel = BepVerschilTekst();
    U.FosfPcVoordeel = BepVerschilProcentTekst();

    U.BepExcretieBex = FormatFloat("0", ExcretieBedrijfsspecifiek(2));
    U.BepMestafzetSpec = FormatFloat("0", BepRuimte());
    U.BepMestafzetForf = FormatFloat("0", GebruiksnormRuimte());
    U.BepMestafzetVoor = RuimteVerschilTekst();
}
