// Ammonia emission: the herd's N excretion split over winter and summer and over house and
// pasture by the cows' hours, its ammoniacal part (TAN) from the digestible N eaten, and the
// emission from house and storage, manure application, fertiliser and grazing.
#include "Bedrijf_u.h"
#include "Getallen.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr long double kDagenPerMaand = 30.5L;
constexpr long double kUrenPerJaar = 8760;

// Per cent of the TAN emitted, for a house without and with low emission.
struct TStalPaar {
    float Zonder, Emissiearm;
};
struct TStalEmissie {
    TStalPaar Winter, ZomerStal, ZomerWeide;
};
constexpr TStalEmissie kAmmoniak = {{11.5f, 6.4f}, {12.9f, 10.6f}, {16.1f, 9.1f}};
constexpr TStalEmissie kOverig = {{2.9f, 2.9f}, {2.5f, 2.5f}, {2.5f, 2.5f}};

// Per cent of the TAN applied by each method, grassland and arable land.
constexpr float kMethGras1 = 19.0f, kMethGras2 = 26.0f, kMethGras3 = 23.0f;
constexpr float kMethBouw1 = 22.0f, kMethBouw2 = 22.0f, kMethBouw3 = 2.0f;

// Per cent of the TAN excreted at pasture; of the fertiliser N.
constexpr long double kBeweiding = 3.3L;
constexpr long double kKasBouw = 0.9L, kUreumBouw = 14, kKasGras = 2, kUreumGras = 28;
// Per cent of the organic N mineralised in the house.
constexpr long double kMineralisatie = 10;
constexpr long double kNH3PerN = 17.031L / 14.007L;

} // namespace

float TBedrijf::PcUren(char WZ, char SW) const {
    switch (WZ) {
    case 'Z':
        switch (SW) {
        case 'S':
            return static_cast<float>(((24 - static_cast<long double>(UurWeidBMk)) * MndWeidBMk +
                                       (24 - static_cast<long double>(UurWeidOMk)) * MndWeidOMk +
                                       24.0L * MndZstvOMk + 24.0L * MndZstvBMk) *
                                      100 * kDagenPerMaand / kUrenPerJaar);
        case 'W':
            return static_cast<float>((static_cast<long double>(MndWeidBMk) * UurWeidBMk +
                                       static_cast<long double>(MndWeidOMk) * UurWeidOMk) *
                                      100 * kDagenPerMaand / kUrenPerJaar);
        case 'T':
            return static_cast<float>((static_cast<long double>(DagenWeidMk) + DagenZstvMk) * 100 / 365);
        default:
            break;
        }
        break;
    case 'W':
        switch (SW) {
        case 'S':
        case 'T':
            // Twelve months of grazing at full hours count a few hours more than the year
            // has; the winter is then empty, not negative.
            return static_cast<float>(
                std::max(100 - static_cast<long double>(PcUren('Z', 'S')) - PcUren('Z', 'W'), 0.0L));
        case 'W':
            return 0;
        default:
            break;
        }
        break;
    default:
        throw EModelFout(std::string("PcUren: Onbekende soort WZ: ") + WZ);
    }
    throw EModelFout(std::string("PcUren: Onbekende soort SW: ") + SW);
}

float TBedrijf::ExcretieDeel(char WZ, char SW) const {
    return Onthoud(geheugen::ExcretieDeel(WZ, SW), [&]() -> float {
        if (WZ == 'T')
            return static_cast<float>(static_cast<long double>(ExcretieDeel('W', SW)) +
                                      ExcretieDeel('Z', SW));
        if (SW == 'T')
            return static_cast<float>(static_cast<long double>(ExcretieDeel(WZ, 'S')) +
                                      ExcretieDeel(WZ, 'W'));
        return static_cast<float>(PcUren(WZ, SW) / 100.0L *
                                  (static_cast<long double>(ExcretieOverigeDieren(0, 1)) + ExcretieVee(1)));
    });
}

float TBedrijf::TAN(char WZ) const {
    return static_cast<float>(Voeropname("TOT", "VN", WZ) -
                              PcUren(WZ, 'T') * static_cast<long double>(Vastlegging("VEE", 1)) / 100);
}

float TBedrijf::TANExcretie(char WZ, char /*SW*/) const {
    return Onthoud(geheugen::TANExcretie(WZ), [&]() -> float {
        return static_cast<float>(
            Deel(TAN(WZ), Voeropname("TOT", "N", WZ) -
                              Vastlegging("VEE", 1) * static_cast<long double>(PcUren(WZ, 'T')) / 100) *
            100);
    });
}

float TBedrijf::PcStaltype(std::string_view Code) const {
    const std::string_view stal = TypeStal;
    if (stal.starts_with("NIET")) return Letter(Code) == 'N' ? 100 : 0;
    if (stal.starts_with("EMARM")) return Letter(Code) == 'E' ? 100 : 0;
    throw EModelFout("PcStaltype: Onbekende soort stal: " + std::string(Code));
}

float TBedrijf::TAN_Stal(char WZ) const {
    return Onthoud(geheugen::TAN_Stal(WZ), [&]() -> float {
        if (WZ == 'T') return static_cast<float>(static_cast<long double>(TAN_Stal('W')) + TAN_Stal('Z'));
        if (WZ != 'W' && WZ != 'Z') throw EModelFout(std::string("TAN_Stal: Onbekende soort WZ: ") + WZ);
        const long double E = ExcretieDeel(WZ, 'S');
        const long double t = TANExcretie(WZ, 'S') * E / 100;
        // Part of the organic N turns ammoniacal in the house.
        return static_cast<float>(t + (E - t) * kMineralisatie / 100);
    });
}

float TBedrijf::Emissie_Stal(char WZ, std::string_view Gas) const {
    return Onthoud(geheugen::Emissie_Stal(WZ, Gas), [&]() -> float {
        if (WZ == 'T')
            return static_cast<float>(static_cast<long double>(Emissie_Stal('W', Gas)) +
                                      Emissie_Stal('Z', Gas));
        const TStalEmissie* tabel = nullptr;
        switch (Letter(Gas)) {
        case 'T':
            return static_cast<float>(static_cast<long double>(Emissie_Stal(WZ, "AMMONIAK")) +
                                      Emissie_Stal(WZ, "OVERIG"));
        case 'A':
            tabel = &kAmmoniak;
            break;
        case 'O':
            tabel = &kOverig;
            break;
        default:
            throw EModelFout("Emissie_Stal: Onbekende soort gas: " + std::string(Gas));
        }
        auto f = [this](const TStalPaar& p) {
            return PcStaltype("NIETEMARM") / 100.0L * p.Zonder / 100 +
                   PcStaltype("EMARM") / 100.0L * p.Emissiearm / 100;
        };
        if (WZ == 'W') return static_cast<float>(TAN_Stal('W') * f(tabel->Winter));
        if (WZ == 'Z') {
            const long double tan = TAN_Stal('Z');
            const long double totaal = PcUren('Z', 'T');
            return static_cast<float>(tan * Deel(PcUren('Z', 'S'), totaal) * f(tabel->ZomerStal) +
                                      tan * Deel(PcUren('Z', 'W'), totaal) * f(tabel->ZomerWeide));
        }
        throw EModelFout(std::string("Emissie_Stal: Onbekende soort WZ: ") + WZ);
    });
}

float TBedrijf::PcTanUitStal() const {
    return Onthoud(geheugen::kPcTanUitStal, [&]() -> float {
        const long double emissie = Emissie_Stal('T', "TOTAAL");
        return static_cast<float>(Deel(TAN_Stal('T') - emissie, ExcretieDeel('T', 'S') - emissie) * 100);
    });
}

float TBedrijf::MestNaStal() const {
    return Onthoud(geheugen::kMestNaStal, [&]() -> float {
        const long double beschikbaar =
            static_cast<long double>(ExcretieDeel('T', 'S')) - Emissie_Stal('T', "TOTAAL") + DrijfAan;
        // The disposal the use standards require, in N: the P2O5 surplus turned into N by the
        // herd's N:P2O5 ratio when that weighs more; the smaller of norm and farm figures.
        const long double rn = Deel(ForfaitaireExcretieNP(1), ForfaitaireExcretieNP(2));
        const long double rb = Deel(ExcretieBedrijfsspecifiek(1), ExcretieBedrijfsspecifiek(2));
        const long double Dn =
            std::max(OverschotForfaitair(2) * rn, static_cast<long double>(OverschotForfaitair(1)));
        const long double Db = std::max(OverschotBedrijfsspecifiek(2) * rb,
                                        static_cast<long double>(OverschotBedrijfsspecifiek(1)));
        const long double nodig = std::min(Db, Dn);
        if (MstAfvOpg)
            return static_cast<float>(beschikbaar - std::max(static_cast<long double>(DrijfAfv), nodig));
        return static_cast<float>(beschikbaar - nodig);
    });
}

float TBedrijf::MestBouwland() const {
    return static_cast<float>(static_cast<long double>(DrijfMais) + DrijfBouw);
}

float TBedrijf::NGrasToediening() const {
    return static_cast<float>(static_cast<long double>(MestNaStal()) - MestBouwland());
}

float TBedrijf::AmmoniakEmissie(char Eenheid, std::string_view Bron) const {
    return Onthoud(geheugen::AmmoniakEmissie(Eenheid, Bron), [&]() -> float {
        long double x = 0;
        switch (Letter(Bron)) {
        case 'T': {
            long double som = 0;
            for (std::string_view b : {"STAL", "KMB", "KMG", "OMB", "OMG", "BEWEID"})
                som += AmmoniakEmissie(Eenheid, b);
            return static_cast<float>(som);
        }
        case 'S':
            x = Emissie_Stal('T', "AMMONIAK");
            break;
        case 'B':
            x = TANExcretie('Z', 'W') * static_cast<long double>(ExcretieDeel('Z', 'W')) / 100 * kBeweiding /
                100;
            break;
        case 'K':
            if (Letter(Bron, 2) == 'B') {
                x = kKasBouw * KasBouw / 100 + UreumBouw * kUreumBouw / 100;
                break;
            }
            if (Letter(Bron, 2) == 'G') {
                x = KasGras * kKasGras / 100 + UreumGras * kUreumGras / 100;
                break;
            }
            throw EModelFout("AmmoniakEmissie: Onbekende soort: " + std::string(Bron));
        case 'O':
            if (Letter(Bron, 2) == 'G') {
                x = PcTanUitStal() * static_cast<long double>(NGrasToediening()) / 100 *
                    (MethGras1 / 100.0L * kMethGras1 / 100 + MethGras2 / 100.0L * kMethGras2 / 100 +
                     MethGras3 / 100.0L * kMethGras3 / 100);
                break;
            }
            if (Letter(Bron, 2) == 'B') {
                x = PcTanUitStal() * static_cast<long double>(MestBouwland()) / 100 *
                    (MethBouw1 / 100.0L * kMethBouw1 / 100 + MethBouw2 / 100.0L * kMethBouw2 / 100 +
                     MethBouw3 / 100.0L * kMethBouw3 / 100);
                break;
            }
            throw EModelFout("AmmoniakEmissie: Onbekende soort: " + std::string(Bron));
        default:
            throw EModelFout("AmmoniakEmissie: Onbekende soort: " + std::string(Bron));
        }
        switch (Eenheid) {
        case 'B':
            break;
        case 'G':
            x = Deel(x, GrootveeEenheden());
            break;
        case 'H':
            x = Deel(x, static_cast<long double>(OppervlakteGras()) + OppervlakteBouwland());
            break;
        case 'M':
            x = Deel(x, MelkLev / 1000.0L);
            break;
        default:
            throw EModelFout(std::string("AmmoniakEmissie: Onbekende soort: ") + Eenheid);
        }
        return static_cast<float>(x * kNH3PerN);
    });
}

float TBedrijf::GrootveeEenheden() const {
    return static_cast<float>(nKoe + 0.439L * nPink + 0.22L * nKalf);
}

void TBedrijf::VulAmmoniak(TTvUitvoer& U) const {
    struct TMaat {
        char Eenheid;
        const char* Patroon;
    };
    // Per farm, per ha, per ton of milk, per livestock unit.
    static constexpr std::array<TMaat, 4> kMaten = {{{'B', "0"}, {'H', "0.0"}, {'M', "0.00"}, {'G', "0.0"}}};
    for (int m = 1; m <= 4; ++m) {
        const TMaat& maat = kMaten[static_cast<std::size_t>(m - 1)];
        auto tekst = [&](std::string_view bron) {
            return FormatFloat(maat.Patroon, AmmoniakEmissie(maat.Eenheid, bron));
        };
        U.EmNh3Stal[m] = tekst("STAL");
        U.EmNh3Omg[m] = tekst("OMG");
        U.EmNh3Omb[m] = tekst("OMB");
        U.EmNh3Kmg[m] = tekst("KMG");
        U.EmNh3Kmb[m] = tekst("KMB");
        U.EmNh3Beweid[m] = tekst("BEWEID");
        U.EmNh3Tot[m] = tekst("TOT");
    }

    // The figures behind them, for the dump.
    static constexpr std::array<std::string_view, 6> kSoorten = {"VG", "GK", "SM", "NAT", "MP", "KV"};
    for (int i = 1; i <= 6; ++i) {
        const std::string_view soort = kSoorten[static_cast<std::size_t>(i - 1)];
        // N per kg dry matter: milk powder and concentrates are held per kg product.
        const float f = soort == "MP" ? 1.0526316f : soort == "KV" ? 1.1111112f : 1.0f;
        const float GehN = static_cast<float>(static_cast<long double>(GehalteVerbruik(soort, "N")) * f);
        U.OpnameW_N[i] = Voeropname(soort, "N", 'W');
        U.OpnameZ_N[i] = Voeropname(soort, "N", 'Z');
        U.OpnameJ_N[i] = Voeropname(soort, "N", 'J');
        U.OpnameW_kgds[i] = static_cast<float>(Deel(U.OpnameW_N[i], GehN / 1000.0L));
        U.OpnameZ_kgds[i] = static_cast<float>(Deel(U.OpnameZ_N[i], GehN / 1000.0L));
        U.OpnameJ_kgds[i] = static_cast<float>(Deel(U.OpnameJ_N[i], GehN / 1000.0L));
        U.Voer_N[i] = GehN;
        U.Voer_VCRE[i] =
            static_cast<float>(Deel(GehalteVerbruik(soort, "VRE"), GehalteVerbruik(soort, "RE")));
    }
    U.N_Opname_vee = Voeropname("TOT", "N", 'J');
    U.N_Excretie_vee = static_cast<float>(static_cast<long double>(U.N_Opname_vee) - Vastlegging("VEE", 1));
    U.N_VastlegMelk = Vastlegging("MELK", 1);
    U.N_VastlegMk = Vastlegging("MK", 1);
    U.N_VastlegJv = static_cast<float>(static_cast<long double>(Vastlegging("PI", 1)) + Vastlegging("KA", 1));
    U.MestWS = ExcretieDeel('W', 'S');
    U.MestZS = ExcretieDeel('Z', 'S');
    U.MestZW = ExcretieDeel('Z', 'W');
    U.PcTanWS_excr = TANExcretie('W', 'S');
    U.PcTanZS_excr = TANExcretie('Z', 'S');
    U.PcTanZW_excr = TANExcretie('Z', 'W');
    U.PcTanJR_excr = static_cast<float>(Deel(static_cast<long double>(U.MestWS) * U.PcTanWS_excr +
                                                 static_cast<long double>(U.MestZS) * U.PcTanZS_excr +
                                                 static_cast<long double>(U.MestZW) * U.PcTanZW_excr,
                                             static_cast<long double>(U.MestWS) + U.MestZS + U.MestZW));
    U.PcUrenWS = PcUren('W', 'S');
    U.PcUrenZS = PcUren('Z', 'S');
    U.PcUrenZW = PcUren('Z', 'W');
    U.PcTan_uitrmst = PcTanUitStal();
    U.Ngras_toed = NGrasToediening();
}
