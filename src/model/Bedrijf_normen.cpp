// Use standards of the farm's land, the manure that has to leave the farm, the milk per ha
// the standards allow, and the composition of the ration.
#include "Bedrijf_u.h"
#include "Getallen.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

// kg per ha by year: N with and without derogation, P2O5 on grassland and on arable land
// by phosphate status low, neutral, high.
struct TGebruiksnormen {
    float NDerogatie, NZonder;
    float GrasL, GrasN, GrasH;
    float BouwL, BouwN, BouwH;
};

constexpr int kEersteNormjaar = 2006;
constexpr int kLaatsteNormjaar = 2015;

constexpr std::array<TGebruiksnormen, kLaatsteNormjaar - kEersteNormjaar + 1> kGebruiksnormen = {{
    {250, 170, 110, 110, 110, 85, 85, 85}, // 2006
    {250, 170, 105, 105, 105, 85, 85, 85}, // 2007
    {250, 170, 100, 100, 100, 85, 85, 85}, // 2008
    {250, 170, 100, 100, 100, 85, 85, 85}, // 2009
    {250, 170, 100, 95, 90, 85, 80, 75},   // 2010
    {250, 170, 100, 95, 90, 85, 75, 70},   // 2011
    {250, 170, 100, 95, 85, 85, 70, 65},   // 2012
    {250, 170, 100, 95, 85, 85, 65, 55},   // 2013
    {250, 170, 100, 95, 85, 80, 65, 55},   // 2014
    {250, 170, 100, 90, 80, 75, 60, 50},   // 2015
}};

// The year's standards: the last year serves every later year, the first every earlier one.
const TGebruiksnormen& NormenVan(int Jaartal) {
    const int jaar = std::clamp(Jaartal, kEersteNormjaar, kLaatsteNormjaar);
    return kGebruiksnormen[static_cast<std::size_t>(jaar - kEersteNormjaar)];
}

constexpr long double kDsPerKgMelkpoeder = 0.95L;
constexpr long double kDsPerKgKrachtvoer = 0.9L;

constexpr std::array<std::string_view, 6> kRantsoenSoorten = {"VG", "GK", "SM", "NT", "MP", "KV"};

} // namespace

float TBedrijf::PercentageGras() const {
    const long double gras = OppervlakteGras();
    return static_cast<float>(Deel(gras, gras + OppervlakteBouwland()) * 100);
}

bool TBedrijf::Derogatie() const {
    return PercentageGras() >= 70;
}

float TBedrijf::Gebruiksnorm(int Soort) const {
    const TGebruiksnormen& n = NormenVan(Jaartal);
    if (Soort == 1) {
        const long double opp = static_cast<long double>(OppervlakteGras()) + OppervlakteBouwland();
        return static_cast<float>(opp * (Derogatie() ? n.NDerogatie : n.NZonder));
    }
    if (Soort == 2)
        return static_cast<float>(
            static_cast<long double>(OppGrasL) * n.GrasL + static_cast<long double>(OppGrasN) * n.GrasN +
            static_cast<long double>(OppGrasH) * n.GrasH + static_cast<long double>(OppBouwL) * n.BouwL +
            static_cast<long double>(OppBouwN) * n.BouwN + static_cast<long double>(OppBouwH) * n.BouwH);
    return 0;
}

float TBedrijf::OverschotForfaitair(int Soort) const {
    return static_cast<float>(
        std::max(static_cast<long double>(ForfaitaireExcretieNP(Soort)) - Gebruiksnorm(Soort), 0.0L));
}

float TBedrijf::OverschotBedrijfsspecifiek(int Soort) const {
    return static_cast<float>(
        std::max(static_cast<long double>(ExcretieBedrijfsspecifiek(Soort)) - Gebruiksnorm(Soort), 0.0L));
}

std::string TBedrijf::OverschotVerschilTekst(int Soort) const {
    const float d = static_cast<float>(static_cast<long double>(OverschotForfaitair(Soort)) -
                                       OverschotBedrijfsspecifiek(Soort));
    return PlusTekst("0", d);
}

float TBedrijf::VoordeelPerHa(int Soort) const {
    return static_cast<float>(MelkPerHa() * Deel(Gebruiksnorm(Soort), ExcretieBedrijfsspecifiek(Soort)));
}

float TBedrijf::DsOpname(std::string_view Voersoort) const {
    return Onthoud(geheugen::DsOpname(Voersoort), [&]() -> float {
        switch (Letter(Voersoort)) {
        case 'T': {
            long double som = 0;
            for (std::string_view k : {"VG", "GK", "SM", "NAT", "MP", "KV"})
                som += DsOpname(k);
            return static_cast<float>(som);
        }
        case 'M':
            return static_cast<float>(Verbruik(Voersoort) * kDsPerKgMelkpoeder);
        case 'K':
            return static_cast<float>(Verbruik(Voersoort) * kDsPerKgKrachtvoer);
        default:
            return Verbruik(Voersoort);
        }
    });
}

float TBedrijf::DsOpnamePercentage(std::string_view Voersoort) const {
    return static_cast<float>(Deel(DsOpname(Voersoort), DsOpname("TOT")) * 100);
}

float TBedrijf::Rantsoen(std::string_view Voersoort, std::string_view Component) const {
    if (Letter(Voersoort) != 'T') return GehalteVerbruik(Voersoort, Component);
    return Onthoud(geheugen::RantsoenTotaal(Component), [&]() -> float {
        // Amounts and contents of milk powder and concentrates are per kg product: the sum is
        // the ration's total, spread over its dry matter.
        long double som = 0;
        for (std::string_view k : kRantsoenSoorten)
            som += static_cast<long double>(Verbruik(k)) * Rantsoen(k, Component);
        return static_cast<float>(Deel(som, DsOpname("TOT")));
    });
}

float TBedrijf::RantsoenVEM(std::string_view Voersoort) const {
    return Rantsoen(Voersoort, "VEM");
}
float TBedrijf::RantsoenRE(std::string_view Voersoort) const {
    return Rantsoen(Voersoort, "RE");
}
float TBedrijf::RantsoenVRE(std::string_view Voersoort) const {
    return Rantsoen(Voersoort, "VRE");
}
float TBedrijf::RantsoenP(std::string_view Voersoort) const {
    return Rantsoen(Voersoort, "P");
}

float TBedrijf::RePerKvem(std::string_view Voersoort) const {
    return static_cast<float>(Deel(RantsoenRE(Voersoort), RantsoenVEM(Voersoort) / 1000.0L));
}
float TBedrijf::PPerKvem(std::string_view Voersoort) const {
    return static_cast<float>(Deel(RantsoenP(Voersoort), RantsoenVEM(Voersoort) / 1000.0L));
}
