// Excretion of N and P2O5: the farm's own figure (intake less retention, with the norm
// figure of the other grazing animals) beside the norm excretion of the same herd.
#include "Bedrijf_u.h"
#include "Excretion.h"
#include "Getallen.h"
#include "OverigeDieren.h"

#include <string>

namespace {

// kg N per animal per year: net in slurry, net in solid manure, and gross.
struct TMestFractie {
    long double Drijf, Vast, Bruto;
};
constexpr TMestFractie kMestKoe = {120.6L, 109.5L, 136.7L};
constexpr TMestFractie kMestPink = {73.9L, 63.1L, 78.9L};
constexpr TMestFractie kMestKalf = {34.5L, 29.4L, 36.8L};

// The farm-specific figure counts the herd's own part for 95 %.
constexpr long double kCorrectie = 0.95L;

// Net kg N of n animals of which PcDrijf per cent are kept on slurry.
long double NettoN(const TMestFractie& m, float n, float PcDrijf) {
    const long double d = PcDrijf / 100.0L;
    return n * (m.Drijf * d + m.Vast * (1 - d));
}

// Norm N of an animal with a share of its manure as slurry.
long double NaarMest(float drijf, float vast, float PcDrijf) {
    return drijf * 0.01L * PcDrijf + vast * (1 - 0.01L * PcDrijf);
}

} // namespace

float TBedrijf::ExcretieOverigeDieren(int Categorie, int Soort) const {
    if (Categorie == 0)
        return Onthoud(geheugen::PerNutrient(geheugen::kExcretieOverigeDieren, Soort), [&]() -> float {
            long double som = 0;
            for (int c = 1; c <= 13; ++c)
                som += ExcretieOverigeDieren(c, Soort);
            return static_cast<float>(som);
        });
    if (Categorie < 1 || Categorie > 13) return 0;
    return static_cast<float>(static_cast<long double>(Graasdieren[Categorie]) *
                              GraasdierNorm(Jaartal, Categorie, Soort));
}

float TBedrijf::AantalOverigeDieren() const {
    long double n = 0;
    for (float g : Graasdieren)
        n += g;
    return static_cast<float>(n);
}

float TBedrijf::ExcretieVee(int Soort) const {
    if (Soort == 1)
        return static_cast<float>(static_cast<long double>(Voeropname("TOT", "N", 'J')) -
                                  Vastlegging("VEE", 1));
    if (Soort == 2)
        return static_cast<float>(static_cast<long double>(Voeropname("TOT", "P2O5", 'J')) -
                                  Vastlegging("VEE", 2));
    return 0;
}

float TBedrijf::MestFractie() const {
    const long double n = NettoN(kMestKoe, nKoe, PcDrijfMk) + NettoN(kMestPink, nPink, PcDrijfPi) +
                          NettoN(kMestKalf, nKalf, PcDrijfKa);
    const long double g = kMestKoe.Bruto * nKoe + kMestPink.Bruto * nPink + kMestKalf.Bruto * nKalf;
    return static_cast<float>(Deel(n, g));
}

float TBedrijf::ExcretieBedrijf(int Soort) const {
    if (Soort == 1)
        return static_cast<float>(static_cast<long double>(MestFractie()) * ExcretieVee(1) +
                                  ExcretieOverigeDieren(0, 1));
    if (Soort == 2)
        return static_cast<float>(static_cast<long double>(ExcretieVee(2)) + ExcretieOverigeDieren(0, 2));
    return 0;
}

float TBedrijf::ExcretieBedrijfsspecifiek(int Soort) const {
    return Onthoud(geheugen::PerNutrient(geheugen::kExcretieBedrijfsspecifiek, Soort), [&]() -> float {
        const long double o = ExcretieOverigeDieren(0, Soort);
        return static_cast<float>(o + (ExcretieBedrijf(Soort) - o) * kCorrectie);
    });
}

float TBedrijf::ForfaitaireExcretie(int Categorie, int Soort) const {
    if (Soort != 1 && Soort != 2) return 0;
    switch (Categorie) {
    case 1:
        if (nKoe > 0) {
            const float melk = MelkPerKoe();
            if (Soort == 2) return Zoek_Excretie_P2O5(Jaartal, melk);
            return static_cast<float>(NaarMest(Zoek_Excretie_Drijf_N(Jaartal, melk, Ureum),
                                               Zoek_Excretie_Vast_N(Jaartal, melk, Ureum), PcDrijfMk));
        }
        break;
    case 2:
    case 3:
        if ((Categorie == 2 ? nPink : nKalf) > 0) {
            if (Soort == 2) return Zoek_Excretie_JV_P2O5(Jaartal, Categorie);
            return static_cast<float>(NaarMest(Zoek_Excretie_JV_N_Drijf(Jaartal, Categorie),
                                               Zoek_Excretie_JV_N_Vast(Jaartal, Categorie),
                                               Categorie == 2 ? PcDrijfPi : PcDrijfKa));
        }
        break;
    case 4: {
        const float n = AantalOverigeDieren();
        if (n > 0) return static_cast<float>(ExcretieOverigeDieren(0, Soort) / static_cast<long double>(n));
        break;
    }
    default:
        break;
    }
    return 0;
}

float TBedrijf::ForfaitaireExcretieTotaal(int Soort) const {
    return Onthoud(geheugen::PerNutrient(geheugen::kForfaitaireExcretieTotaal, Soort), [&]() -> float {
        return static_cast<float>(static_cast<long double>(ForfaitaireExcretie(1, Soort)) * nKoe +
                                  static_cast<long double>(ForfaitaireExcretie(2, Soort)) * nPink +
                                  static_cast<long double>(ForfaitaireExcretie(3, Soort)) * nKalf +
                                  static_cast<long double>(AantalOverigeDieren()) *
                                      ForfaitaireExcretie(4, Soort));
    });
}

float TBedrijf::ForfaitaireExcretieNP(int Soort) const {
    if (Soort != 1 && Soort != 2) return 0;
    return ForfaitaireExcretieTotaal(Soort);
}

std::string TBedrijf::VerschilTekst(int Soort) const {
    const float d = static_cast<float>(static_cast<long double>(ForfaitaireExcretieNP(Soort)) -
                                       ExcretieBedrijfsspecifiek(Soort));
    return PlusTekst("0", d);
}

std::string TBedrijf::VerschilProcentTekst(int Soort) const {
    const float norm = ForfaitaireExcretieNP(Soort);
    const float d = static_cast<float>(static_cast<long double>(norm) - ExcretieBedrijfsspecifiek(Soort));
    return PlusTekst("0.0", Deel(d, norm) * 100);
}
