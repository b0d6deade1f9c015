// Nitrogen surplus per ha of grassland and of maize land (supply from manure, grazing,
// fertiliser and other sources less the crop's removal) against the norm of its soil and
// groundwater class, and what follows from it: leaching, nitrate, denitrification and
// nitrous oxide.
#include "Bedrijf_u.h"
#include "Getallen.h"
#include "Stikstofnormen.h"

#include <algorithm>
#include <string>

namespace {

// kg N per ha from other sources (deposition, fixation), both land uses.
constexpr long double kOverigeAanvoer = 36;
// kg NH3 back to kg N (17/14).
constexpr long double kNH3NaarN = 1.2142857142857142L;
// Crop removal counts the losses of harvest and feeding.
constexpr long double kOogstbenutting = 0.95L;
constexpr long double kP2O5PerP = 2.29L;
// mg nitrate per mg nitrate-N (62/14).
constexpr long double kNitraatFactor = 4.428571428571429L;
// kg N2O per kg N denitrified: a tenth as N2O-N, times 44/28.
constexpr long double kLachgasDeel = 0.1L;
constexpr long double kN2OPerN = 1.5714285714285714L;

} // namespace

float TBedrijf::GehalteGrasproduct(std::string_view Gehalte) const {
    float kuil = 0;
    if (Gehalte == "N")
        kuil = Voorraden[mAanleg][kGK].N;
    else if (Gehalte == "P")
        kuil = Voorraden[mAanleg][kGK].P;
    else
        throw EModelFout("GehalteGrasproduct: Onbekende soort: " + std::string(Gehalte));
    const long double vg = DsOpname("VG"), gk = DsOpname("GK");
    return static_cast<float>(Deel(vg * GehalteVerbruik("VG", Gehalte) + gk * kuil, vg + gk));
}

float TBedrijf::NAanvoer(char Grondcat, std::string_view Soort) const {
    if (Grondcat == 'G') {
        const long double opp = OppervlakteGras();
        if (!(opp > 0)) return 0;
        switch (Letter(Soort)) {
        case 'D':
            return static_cast<float>((NGrasToediening() - AmmoniakEmissie('B', "OMG") / kNH3NaarN) / opp);
        case 'W':
            return static_cast<float>((ExcretieDeel('Z', 'W') - AmmoniakEmissie('B', "BEWEID") / kNH3NaarN) /
                                      opp);
        case 'K':
            return static_cast<float>(
                (static_cast<long double>(KasGras) + UreumGras - AmmoniakEmissie('B', "KMG") / kNH3NaarN) /
                opp);
        case 'O':
            return static_cast<float>(kOverigeAanvoer);
        case 'T':
            return static_cast<float>(static_cast<long double>(NAanvoer('G', "DM")) + NAanvoer('G', "KM") +
                                      NAanvoer('G', "WM") + NAanvoer('G', "OVERIG"));
        default:
            throw EModelFout("N-Aanvoer, gras: Onbekende soort berekening: " + std::string(Soort));
        }
    }
    if (Grondcat == 'M') {
        const long double opp = OppervlakteMais();
        if (!(opp > 0)) return 0;
        // The emission of all arable land, spread over its area.
        const long double bouw = OppervlakteBouwland();
        switch (Letter(Soort)) {
        case 'D':
            return static_cast<float>(DrijfMais / opp - Deel(AmmoniakEmissie('B', "OMB") / kNH3NaarN, bouw));
        case 'K':
            return static_cast<float>(ToedNKmMais / opp -
                                      Deel(AmmoniakEmissie('B', "KMB") / kNH3NaarN, bouw));
        case 'O':
            return static_cast<float>(kOverigeAanvoer);
        case 'T':
            return static_cast<float>(static_cast<long double>(NAanvoer('M', "DM")) + NAanvoer('M', "KM") +
                                      NAanvoer('M', "OVERIG"));
        default:
            throw EModelFout("N-AAnvoer, mais: Onbekende soort berekening: " + std::string(Soort));
        }
    }
    throw EModelFout(std::string("N-aanvoer: Onbekende grondcat: ") + Grondcat);
}

float TBedrijf::NAfvoer(char Grondcat) const {
    // The neutral P2O5 yield per ha turned into N by the crop's N:P ratio.
    switch (Grondcat) {
    case 'G':
        return static_cast<float>(BepGras('N') / kP2O5PerP *
                                  Deel(GehalteGrasproduct("N"), GehalteGrasproduct("P")) / kOogstbenutting);
    case 'M': {
        const TVoorraadPost& mais = Voorraden[mAanleg][kSM];
        return static_cast<float>(BepMais('N') / kP2O5PerP * Deel(mais.N, mais.P) / kOogstbenutting);
    }
    default:
        throw EModelFout(std::string("NAfvoer: Onbekende grondcat: ") + Grondcat);
    }
}

float TBedrijf::NOverschot(char Grondcat, char Soort) const {
    return Onthoud(geheugen::NOverschot(Grondcat, Soort), [&]() -> float {
        switch (Soort) {
        case 'B':
            return static_cast<float>(
                RoundHalfEven(static_cast<long double>(NAanvoer(Grondcat, "T")) - NAfvoer(Grondcat)));
        case 'T':
            if (Grondcat == 'G')
                return static_cast<float>(RoundHalfEven(NormNoverschot("GRAS", GrondGras, GtGras)));
            if (Grondcat == 'M')
                return static_cast<float>(RoundHalfEven(NormNoverschot("MAIS", GrondMais, GtMais)));
            throw EModelFout(std::string("N-overschot: Onbekende grondcat: ") + Grondcat);
        case 'V':
            return static_cast<float>(RoundHalfEven(static_cast<long double>(NOverschot(Grondcat, 'B')) -
                                                    NOverschot(Grondcat, 'T')));
        default:
            throw EModelFout(std::string("N-overschot: Onbekende soort: ") + Soort);
        }
    });
}

float TBedrijf::Uitspoeling(char Grondcat) const {
    float fractie = 0;
    if (Grondcat == 'G')
        fractie = NormUitspoelingFractie("GRAS", GrondGras, GtGras);
    else if (Grondcat == 'M')
        fractie = NormUitspoelingFractie("MAIS", GrondMais, GtMais);
    else
        throw EModelFout(std::string("Uitspoeling: Onbekende grondcat: ") + Grondcat);
    return static_cast<float>(static_cast<long double>(NOverschot(Grondcat, 'B')) * fractie);
}

float TBedrijf::Neerslagoverschot(char Grondcat) const {
    if (Grondcat == 'G') return NormNeerslagoverschot("GRAS", GrondGras, GtGras);
    if (Grondcat == 'M') return NormNeerslagoverschot("MAIS", GrondMais, GtMais);
    throw EModelFout(std::string("Neerslagoverschot: Onbekende grondcat: ") + Grondcat);
}

float TBedrijf::NitraatConcentratie(char Grondcat) const {
    // kg N per ha over mm of water is 100 mg N per litre.
    return static_cast<float>(
        Deel(static_cast<long double>(Uitspoeling(Grondcat)) * 100, Neerslagoverschot(Grondcat)) *
        kNitraatFactor);
}

float TBedrijf::Denitrificatie(char Grondcat) const {
    return static_cast<float>(
        std::max(static_cast<long double>(NOverschot(Grondcat, 'B')) - Uitspoeling(Grondcat), 0.0L));
}

float TBedrijf::Lachgas(char Grondcat) const {
    return static_cast<float>(Denitrificatie(Grondcat) * kLachgasDeel * kN2OPerN);
}

void TBedrijf::VulStikstof(TTvUitvoer& U) const {
    U.NoverGrasBerek = FormatFloat("0", NOverschot('G', 'B'));
    U.NoverGrasToeg = FormatFloat("0", NOverschot('G', 'T'));
    U.NoverGrasVerschil = FormatFloat("0", NOverschot('G', 'V'));
    U.NitraatGras = FormatFloat("0", NitraatConcentratie('G'));
    U.DenitriGras = FormatFloat("0", Denitrificatie('G'));
    U.LachgasGras = FormatFloat("0", Lachgas('G'));
    // Maize land only where there is some.
    if (!(OppervlakteMais() > 0)) return;
    U.NoverMaisBerek = FormatFloat("0", NOverschot('M', 'B'));
    U.NoverMaisToeg = FormatFloat("0", NOverschot('M', 'T'));
    U.NoverMaisVerschil = FormatFloat("0", NOverschot('M', 'V'));
    U.NitraatMais = FormatFloat("0", NitraatConcentratie('M'));
    U.DenitriMais = FormatFloat("0", Denitrificatie('M'));
    U.LachgasMais = FormatFloat("0", Lachgas('M'));
}
