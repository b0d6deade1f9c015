// Nutrient intake by feed kind and period, retention in milk and growth, utilisation and
// the content of the whole ration. Intake less retention is the herd's own excretion.
#include "Bedrijf_u.h"
#include "Evaluatie.h"
#include "Jongvee.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr long double kP2O5PerP = 2.29L;
// kg N per kg crude protein in feed, and in milk powder.
constexpr long double kRePerN = 6.25L;
constexpr long double kRePerNMelkpoeder = 6.38L;
// kg N per kg milk protein.
constexpr long double kNPerMelkeiwit = 1.567398119122257L;
// kg P per 1000 kg milk.
constexpr long double kPPerTonMelk = 0.97L;

// Retention per kg body weight per animal per year, kg.
struct TVastlegConstanten {
    long double N, P;
};
constexpr TVastlegConstanten kKoeTot2009 = {0.0014L + 0.00083L, 0.00038L + 0.00033L};
constexpr TVastlegConstanten kKoeVanaf2009 = {0.0014L + 0.00076L, 0.00038L + 0.00031L};
constexpr TVastlegConstanten kPinkTot2009 = {0.0087177L, 0.0028995L};
constexpr TVastlegConstanten kPinkVanaf2009 = {0.0089099L, 0.0029596L};
constexpr TVastlegConstanten kKalf = {0.0107L, 0.00336L};

// Grams retained per animal from birth, by month of age 0..28.
constexpr std::array<int, 29> kJvVastleggingN = {
    0,    421,  911,  1461, 2056, 2673,  3289,  3885,  4450,  4983,  5491,  5985,  6476,  6952, 7428,
    7896, 8345, 8769, 9180, 9598, 10031, 10535, 10973, 11313, 11828, 12276, 12683, 12717, 12737};
constexpr std::array<int, 29> kJvVastleggingP = {0,    129,  280,  449,  631,  821,  1010, 1193, 1366, 1530,
                                                 1686, 1838, 1989, 2141, 2293, 2443, 2587, 2723, 2855, 2989,
                                                 3127, 3285, 3421, 3526, 3674, 3801, 3915, 3925, 3932};

// The table's months eersteMaand..laatsteMaand as points (age in days, grams).
TJvPunten Vastlegpunten(const std::array<int, 29>& tabel, int eersteMaand, int laatsteMaand) {
    TJvPunten p;
    p.X.fill(-1);
    p.Y.fill(-1);
    for (int m = eersteMaand; m <= laatsteMaand; ++m) {
        const auto i = static_cast<std::size_t>(m - eersteMaand);
        p.X[i] = JvDagen(m);
        p.Y[i] = tabel[static_cast<std::size_t>(m)];
    }
    p.laatste = static_cast<std::size_t>(laatsteMaand - eersteMaand);
    return p;
}

// Built once, on first use: heifers over months 12..28, calves over 0..12, N and P.
const TJvPunten& PinkPunten(int Soort) {
    static const TJvPunten n = Vastlegpunten(kJvVastleggingN, 12, 28);
    static const TJvPunten p = Vastlegpunten(kJvVastleggingP, 12, 28);
    return Soort == 1 ? n : p;
}
const TJvPunten& KalfPunten(int Soort) {
    static const TJvPunten n = Vastlegpunten(kJvVastleggingN, 0, 12);
    static const TJvPunten p = Vastlegpunten(kJvVastleggingP, 0, 12);
    return Soort == 1 ? n : p;
}

// kg retained per animal and year of stay between the ages van and tot (months). Leaving
// no later than arriving is no stay, and retains nothing.
long double JvVastlegging(const TJvPunten& p, float van, float tot, long double jaren) {
    if (jaren <= 0) return 0;
    const long double begin = JvWaarde(p, van);
    const long double eind = JvWaarde(p, tot);
    return std::max(Deel((eind - begin) / 1000, jaren), 0.0L);
}

// The kinds of the intake in the order their amounts are computed, and the components
// looked up.
constexpr std::array<std::string_view, 6> kJaarSoorten = {"SM", "NAT", "KV", "MP", "GK", "VG"};
constexpr std::array<std::string_view, 3> kJaarComponenten = {"N", "P", "VRE"};
constexpr int kJaarN = 0, kJaarP = 1, kJaarVRE = 2;
constexpr int kJaarMP = 3;

} // namespace

float TBedrijf::Voeropname(std::string_view Voersoort, std::string_view Gehalte, char Periode) const {
    return Onthoud(geheugen::Voeropname(Voersoort, Gehalte, Periode), [&]() -> float {
        if (Periode != 'J' && Periode != 'W' && Periode != 'Z')
            throw EModelFout(std::string("Voeropname: Onbekende periode: ") + Periode);
        int c = 0;
        if (Gehalte == "N")
            c = kJaarN;
        else if (Gehalte == "P" || Gehalte == "P2O5")
            c = kJaarP;
        else if (Gehalte == "VN")
            c = kJaarVRE;
        else
            throw EModelFout("Voeropname: Onbekende gehalte voer: " + std::string(Gehalte));

        long double som = 0;
        // Every kind's yearly amount (kg of the content looked up) is computed, so a kind that
        // cannot be fed stops any intake; the kinds asked for ("TOT": all six) count for the
        // period.
        const bool p2o5 = Gehalte == "P2O5", alles = Voersoort == "TOT";
        const int gevraagd = geheugen::Plaats<kJaarSoorten>(Voersoort);
        for (int i = 0; i < 6; ++i) {
            long double kg = JaarOpname(i, c);
            if (p2o5) kg *= kP2O5PerP;
            if (c == kJaarVRE) kg /= i == kJaarMP ? kRePerNMelkpoeder : kRePerN;
            if (alles || i == gevraagd)
                som += kg * AandeelVoerzTotaal(kJaarSoorten[static_cast<std::size_t>(i)], Periode);
        }
        return static_cast<float>(som);
    });
}

long double TBedrijf::JaarOpname(int Soort, int C) const {
    return OnthoudLang(geheugen::kJaarOpname + Soort * 3 + C, [&]() -> long double {
        const std::string_view c = kJaarComponenten[static_cast<std::size_t>(C)];
        switch (Soort) {
        case 0:
            return static_cast<long double>(Geh_per_VEMSM(c)) * VemVerdelingC();
        case 4:
            return static_cast<long double>(Geh_per_VEMKuil(c)) * VemVerdelingB();
        case 5:
            return C == kJaarVRE ? static_cast<long double>(Gehalte("VG", "VRE")) * Verbruik("VG") / 1000
                                 : static_cast<long double>(Geh_per_VEM(c)) * VemVerdelingA();
        default: {
            // Wet by-products, concentrates and milk powder as used.
            const std::string_view soort = kJaarSoorten[static_cast<std::size_t>(Soort)];
            return static_cast<long double>(GehalteVerbruik(soort, c)) * Verbruik(soort) / 1000;
        }
        }
    });
}

float TBedrijf::Vastlegging(std::string_view Groep, int Soort) const {
    return Onthoud(geheugen::Vastlegging(Groep, Soort), [&]() -> float {
        const bool vee = Groep == "VEE", melk = Groep == "MELK", koe = Groep == "MK", pink = Groep == "PI",
                   kalf = Groep == "KA";
        if (!vee && !melk && !koe && !pink && !kalf)
            throw EModelFout("Vastlegging: Onbekende groep: " + std::string(Groep));
        if (Soort != 1 && Soort != 2) return 0;

        if (vee) {
            // Each group already in the unit of Soort.
            long double som = 0;
            if (Diercategorie != "JV")
                som = static_cast<long double>(Vastlegging("MELK", Soort)) + Vastlegging("MK", Soort);
            som += static_cast<long double>(Vastlegging("PI", Soort)) + Vastlegging("KA", Soort);
            return static_cast<float>(som);
        }

        const bool jongvee = Diercategorie == "JV";
        auto gewicht = [this] {
            TArray<float, 1, 3> W;
            LichaamsgewichtPerRas(EvalNr, W);
            return static_cast<long double>(W[RasIndex()]);
        };
        auto perSoort = [Soort](const TVastlegConstanten& k) { return Soort == 1 ? k.N : k.P; };
        const bool voor2009 = Jaartal < 2009;

        long double kg = 0;
        if (melk) {
            const long double perKoe = Soort == 1 ? MelkPerKoe() / 1000.0L * Eiwit * kNPerMelkeiwit
                                                  : MelkPerKoe() / 1000.0L * kPPerTonMelk;
            kg = perKoe * nKoe;
        } else if (koe) {
            kg = gewicht() * perSoort(voor2009 ? kKoeTot2009 : kKoeVanaf2009) * nKoe;
        } else if (pink) {
            if (!jongvee) {
                kg = gewicht() * perSoort(voor2009 ? kPinkTot2009 : kPinkVanaf2009) * nPink;
            } else if (LftJvAfv > 12) {
                // Heifers grow on the table from 12 months.
                const long double jaren =
                    (LftJvAfv - std::max(static_cast<long double>(LftJvAan), 12.0L)) / 12;
                kg = JvVastlegging(PinkPunten(Soort), LftJvAan, LftJvAfv, jaren) * nPink;
            }
        } else {
            if (!jongvee) {
                kg = gewicht() * perSoort(kKalf) * nKalf;
            } else if (LftJvAan < 12) {
                // Calves up to 12 months.
                const long double jaren =
                    (std::min(static_cast<long double>(LftJvAfv), 12.0L) - LftJvAan) / 12;
                kg = JvVastlegging(KalfPunten(Soort), LftJvAan, LftJvAfv, jaren) * nKalf;
            }
        }
        if (Soort == 2) kg *= kP2O5PerP;
        return static_cast<float>(kg);
    });
}

float TBedrijf::Benutting(int Soort) const {
    if (Soort != 1 && Soort != 2) return 0;
    return static_cast<float>(
        Deel(Vastlegging("VEE", Soort), Voeropname("TOT", Soort == 1 ? "N" : "P2O5", 'J')) * 100);
}

float TBedrijf::GehalteRantsoen(std::string_view Gehalte) const {
    long double totaal = 0, hoeveel = 0;
    for (std::string_view k : {"VG", "GK", "SM", "NT", "KV", "MP"}) {
        const long double v = Verbruik(k);
        totaal += static_cast<long double>(GehalteVerbruik(k, Gehalte)) * v;
        hoeveel += v;
    }
    return static_cast<float>(Deel(totaal, hoeveel));
}
