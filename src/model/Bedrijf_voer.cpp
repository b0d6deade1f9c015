// Feed stocks and feed contents: the year's use of each feed kind follows from its stocks,
// less what the other grazing animals on the farm ate of it.
#include "Bedrijf_u.h"
#include "Evaluatie.h"
#include "NatteProducten.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace {

// kVEM a year per animal of the thirteen other grazing categories, by feed kind.
struct TGraasVoer {
    float Gk, Sm, Nat, Kv, Mp;
    float SmNat; // maize silage and wet by-products together (years before 2009)
};

constexpr std::array<TGraasVoer, 13> kGraasVoer = {{
    {1582, 0, 0, 56, 0, 0},         // graze and suckler cows, slurry
    {1582, 0, 0, 56, 0, 0},         // graze and suckler cows, solid manure
    {733, 1314, 576, 348, 0, 1890}, // breeding bulls
    {0, 1327, 138, 1187, 0, 1465},  // bulls, breeding
    {0, 1652, 68, 970, 0, 1720},    // bulls, meat
    {0, 234, 0, 438, 208, 234},     // start calves for meat bulls
    {0, 485, 0, 1091, 89, 485},     // rosé calves
    {65, 0, 0, 56, 0, 0},           // breeding sheep with lambs
    {22, 0, 0, 11, 0, 0},           // other sheep
    {109, 0, 63, 32, 0, 63},        // ponies < 250 kg
    {673, 0, 0, 247, 0, 0},         // ponies 250 - 450 kg
    {690, 0, 0, 445, 0, 0},         // horses 250 - 450 kg
    {906, 0, 125, 437, 0, 125},     // horses > 450 kg
}};

} // namespace

float TBedrijf::Voorraad(std::string_view Soort, std::string_view Component) const {
    return Onthoud(geheugen::Voorraad(VoerIndex(Soort), Component), [&]() -> float {
        const int k = VoerIndex(Soort);
        if (k == 0) throw EModelFout("Voorraad: Onbekende voersoort: " + std::string(Soort));

        float v = 0;
        if (k == kGK || k == kSM)
            v = VoerverliesA(EvalNr);
        else if (k == kNAT)
            v = VoerverliesB(EvalNr);
        else
            v = VoerverliesC(EvalNr);
        const long double f = 1 - v * 0.01L;

        // The loss takes a share of each amount; the contents stay, so every component total
        // carries the loss as well.
        TVoorraadPost B = Voorraden[mBegin][k];
        TVoorraadPost A = Voorraden[mAanleg][k];
        TVoorraadPost E = Voorraden[mEind][k];
        B.Hoev = static_cast<float>(B.Hoev * f);
        A.Hoev = static_cast<float>(A.Hoev * f);
        E.Hoev = static_cast<float>(E.Hoev * f);

        auto balans = [&](float TVoorraadPost::*veld) {
            return static_cast<float>(static_cast<long double>(B.Hoev) * (B.*veld) +
                                      static_cast<long double>(A.Hoev) * (A.*veld) -
                                      static_cast<long double>(E.Hoev) * (E.*veld));
        };

        switch (Letter(Component)) {
        case 'H':
            return static_cast<float>(static_cast<long double>(B.Hoev) + A.Hoev - E.Hoev);
        case 'V':
            if (Component == "VEM") return balans(&TVoorraadPost::Vem);
            if (Component == "VRE") return balans(&TVoorraadPost::Vre);
            break;
        case 'R':
            return balans(&TVoorraadPost::Re);
        case 'N':
            return balans(&TVoorraadPost::N);
        case 'P':
            return balans(&TVoorraadPost::P);
        default:
            break;
        }
        throw EModelFout("Voorraad: Onbekende soort: " + std::string(Component));
    });
}

float TBedrijf::VemVerbruikGraas(std::string_view Soort) const {
    return Onthoud(geheugen::PerKind(geheugen::kVemVerbruikGraas, VoerIndex(Soort)), [&]() -> float {
        const int k = VoerIndex(Soort);
        if (k == 0) throw EModelFout("VemVerbruikGraas: Onbekende voersoort: " + std::string(Soort));

        // Most farms keep no other grazing animals on their own feed: then nothing is eaten
        // and nothing moves, without looking at the stocks.
        bool dieren = false;
        for (int i = 1; i <= 13; ++i)
            dieren = dieren || (!GraasJa[i] && Graasdieren[i] != 0);
        if (!dieren) return 0;

        if (Jaartal < 2009) {
            // Maize silage and wet by-products were one figure then, shared by their stocks.
            long double aandeel = 1;
            if (k == kSM || k == kNAT) {
                const long double sm = Voorraad("SM", "VEM");
                const long double nt = Voorraad("NT", "VEM");
                aandeel = Deel(k == kSM ? sm : nt, sm + nt);
            }
            long double som = 0;
            for (int i = 1; i <= 13; ++i) {
                if (GraasJa[i]) continue;
                const TGraasVoer& t = kGraasVoer[static_cast<std::size_t>(i - 1)];
                long double ti = 0;
                switch (k) {
                case kGK:
                    ti = t.Gk;
                    break;
                case kSM:
                case kNAT:
                    ti = t.SmNat * aandeel;
                    break;
                case kKV:
                    ti = t.Kv;
                    break;
                default:
                    ti = t.Mp;
                    break;
                }
                som += Graasdieren[i] * 1000.0L * ti;
            }
            return static_cast<float>(som);
        }

        long double gk = 0, sm = 0, nat = 0, kv = 0, mp = 0;
        for (int i = 1; i <= 13; ++i) {
            if (GraasJa[i]) continue;
            const TGraasVoer& t = kGraasVoer[static_cast<std::size_t>(i - 1)];
            const long double n = Graasdieren[i] * 1000.0L;
            gk += n * t.Gk;
            sm += n * t.Sm;
            nat += n * t.Nat;
            kv += n * t.Kv;
            mp += n * t.Mp;
        }
        const long double t1 = gk + sm + nat + kv + mp;

        // Energy the stocks cannot supply moves on: wet by-products to maize silage, maize
        // silage to wet by-products, and what is still short to grass silage.
        const long double sSM = std::max(0.0L, static_cast<long double>(Voorraad("SM", "VEM")));
        const long double sNT = std::max(0.0L, static_cast<long double>(Voorraad("NT", "VEM")));
        if (sNT < nat) {
            sm += nat - sNT;
            nat = sNT;
        }
        if (sSM < sm) {
            nat += sm - sSM;
            sm = sSM;
        }
        if (sNT < nat) {
            gk += nat - sNT;
            nat = sNT;
        }
        const long double t2 = gk + sm + nat + kv + mp;
        // The moves keep the total; only rounding may differ, far below 10 VEM.
        if (std::fabs(t1 - t2) >= 10) throw EModelFout("VemVerbruikGraas: Fout bij overhevelen vemopanme");

        switch (k) {
        case kGK:
            return static_cast<float>(gk);
        case kSM:
            return static_cast<float>(sm);
        case kNAT:
            return static_cast<float>(nat);
        case kKV:
            return static_cast<float>(kv);
        default:
            return static_cast<float>(mp);
        }
    });
}

float TBedrijf::GehaltevoerGraas(std::string_view Soort, std::string_view Component) const {
    if (Letter(Soort) != 'K') return Gehalte(Soort, Component);
    // The other grazing animals get a standard concentrate.
    switch (Letter(Component)) {
    case 'N':
        return 27.03f;
    case 'P':
        return 4.18f;
    case 'R':
        return 168.9f;
    case 'V':
        if (Component == "VEM") return 940.0f;
        if (Component == "VRE") return VRE_Kv(168.9f);
        break;
    default:
        break;
    }
    throw EModelFout("GehaltevoerGraas: Onbekende soort: " + std::string(Component));
}

float TBedrijf::VerbruikStal(std::string_view Soort, std::string_view Component) const {
    return Onthoud(geheugen::VerbruikStal(VoerIndex(Soort), Component), [&]() -> float {
        const long double V = Voorraad(Soort, Component);
        // The amount the other grazing animals ate.
        const long double Q = Deel(VemVerbruikGraas(Soort), GehaltevoerGraas(Soort, "VEM"));
        if (Component == "HOEV") return static_cast<float>(V - Q);
        return static_cast<float>(V - GehaltevoerGraas(Soort, Component) * Q);
    });
}

float TBedrijf::Gehalte(std::string_view Soort, std::string_view Component) const {
    return Onthoud(geheugen::Gehalte(VoerIndex(Soort), Component), [&]() -> float {
        if (Soort == "VG") {
            if (Component == "VEM") return 960.0f;
            if (Component == "RE") return VemFactor6000(Geh_per_VEM("N"));
            if (Component == "VRE") return VreUitRe(Gehalte("VG", "RE"));
            return static_cast<float>(static_cast<long double>(Gehalte("VG", "VEM")) *
                                      Geh_per_VEM(Component));
        }
        return static_cast<float>(Deel(Voorraad(Soort, Component), Voorraad(Soort, "HOEV")));
    });
}

float TBedrijf::GehalteVerbruik(std::string_view Soort, std::string_view Component) const {
    return Onthoud(geheugen::GehalteVerbruik(Soort, Component), [&]() -> float {
        if (Soort == "VG") return Gehalte("VG", Component);
        return static_cast<float>(Deel(VerbruikStal(Soort, Component), VerbruikStal(Soort, "HOEV")));
    });
}
