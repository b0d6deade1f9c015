// Energy need of the herd in VEM: dairy cows from milk, body weight and grazing; heifers
// and calves fixed by breed, or from need-per-day tables over their stay on a farm that
// keeps young stock only.
#include "Bedrijf_u.h"
#include "Evaluatie.h"
#include "Jongvee.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// kVEM a year by breed index (1 normal, 2 cross breed, 3 Jersey).
constexpr std::array<float, 3> kToeslagA = {194, 165, 136};
constexpr std::array<float, 3> kToeslagB = {131, 111, 92};
constexpr std::array<float, 3> kBehoeftePink = {2600, 2210, 1820};
constexpr std::array<float, 3> kBehoefteKalf = {1412, 1200, 988};

float PerRas(const std::array<float, 3>& tabel, int rasIndex) {
    return tabel[static_cast<std::size_t>(rasIndex - 1)];
}

// VEM per day by month of age: the value of month m holds from age m to m + 1.
// A is the animal's need, B the surcharge for a day at pasture.
constexpr std::array<int, 16> kPinkA = {5400, 5650, 5900, 6000, 6100, 6375, 6650, 6975,
                                        7300, 7400, 7500, 7500, 7500, 7500, 7500, 7500}; // months 12..27
constexpr std::array<int, 16> kPinkB = {650, 700, 750, 775, 800,  825,  850,  900,
                                        950, 963, 975, 988, 1000, 1000, 1000, 1000};
constexpr std::array<int, 12> kKalfA = {2000, 2250, 2500, 2850, 3200, 3525,
                                        3850, 4225, 4600, 4725, 4850, 5125}; // months 0..11
constexpr std::array<int, 12> kKalfB = {0, 125, 250, 300, 350, 400, 450, 500, 550, 575, 600, 625};

// The cumulated need of the table from its first month on, as points (age in days,
// cumulated VEM); the last cumulation, unrounded, beside them.
struct TCumulatie {
    TJvPunten punten;
    float totaal = 0; // cumulated need at the end of the table
};

template <std::size_t M> TCumulatie Cumuleer(const std::array<int, M>& T, int eersteMaand) {
    TCumulatie c;
    c.punten.X.fill(-1);
    c.punten.Y.fill(-1);
    float S = 0;
    for (std::size_t j = 0; j <= M; ++j) {
        if (j > 0) S = static_cast<float>(S + T[j - 1] * kDagenPerMaand);
        c.punten.X[j] = JvDagen(eersteMaand + static_cast<long double>(j));
        c.punten.Y[j] = RoundInt(S, "Interpoleer");
    }
    c.punten.laatste = M;
    c.totaal = S;
    return c;
}

// Built once, on first use.
const TCumulatie& PinkA() {
    static const TCumulatie c = Cumuleer(kPinkA, 12);
    return c;
}
const TCumulatie& PinkB() {
    static const TCumulatie c = Cumuleer(kPinkB, 12);
    return c;
}
const TCumulatie& KalfA() {
    static const TCumulatie c = Cumuleer(kKalfA, 0);
    return c;
}
const TCumulatie& KalfB() {
    static const TCumulatie c = Cumuleer(kKalfB, 0);
    return c;
}

// Heifers, months 12..28: the need over the stay per year of stay.
long double PinkenTabel(const TCumulatie& c, float LftJvAan, float LftJvAfv) {
    if (LftJvAfv < 12) return 0;
    const long double jaren = (LftJvAfv - std::max(12.0L, static_cast<long double>(LftJvAan))) / 12;
    // Leaving no later than arriving is no stay at all, not a need.
    if (jaren <= 0) return 0;
    const long double a = LftJvAan <= 12 ? 0 : JvWaarde(c.punten, LftJvAan);
    const long double b = JvWaarde(c.punten, LftJvAfv);
    return std::max(0.0L, Deel(b - a, jaren));
}

// Calves, months 0..12.
long double KalverenTabel(const TCumulatie& c, float LftJvAan, float LftJvAfv) {
    if (LftJvAan >= 12) return 0;
    const long double jaren = (std::min(12.0L, static_cast<long double>(LftJvAfv)) - LftJvAan) / 12;
    if (jaren <= 0) return 0;
    const long double a = JvWaarde(c.punten, LftJvAan);
    const long double b = LftJvAfv >= 12 ? c.totaal : JvWaarde(c.punten, LftJvAfv);
    return std::max(0.0L, Deel(b - a, jaren));
}

} // namespace

float TBedrijf::VemToeslagVast() const {
    return 189.0f;
}

float TBedrijf::VemToeslagWeiden() const {
    if (Jaartal < 2009)
        return static_cast<float>(
            Deel(45.0L * MndWeidBMk + 86.0L * MndWeidOMk, static_cast<long double>(MndWeidBMk) + MndWeidOMk));
    return static_cast<float>(12.0L * MndWeidBMk + 16.0L * MndWeidOMk);
}

float TBedrijf::VemBehoefteKoe() const {
    const int ras = RasIndex();
    TArray<float, 1, 3> gewicht;
    LichaamsgewichtPerRas(EvalNr, gewicht);
    const long double W = gewicht[ras];
    const int LD = LactatieDagen(EvalNr);

    const long double F = FpcmPerDag(MelkPerKoe(), Vet, Eiwit, LD);
    const long double c = 1 + (F - 15) * 0.00165L;
    const long double onderhoud = 42.4L * std::pow(W, 0.75L);
    long double V = LD * 442.0L * F * c                  // milk
                    + LD * onderhoud * c                 // maintenance in lactation
                    + (365 - LD) * onderhoud * 0.97525L; // maintenance when dry
    V += 1000.0L * VemToeslagVast() + 1000.0L * VemToeslagWeiden() + 1000.0L * PerRas(kToeslagA, ras) +
         1000.0L * PerRas(kToeslagB, ras);
    return static_cast<float>(V / 1000);
}

float TBedrijf::JvTabelPinkenA() const {
    return static_cast<float>(PinkenTabel(PinkA(), LftJvAan, LftJvAfv));
}

float TBedrijf::JvTabelPinkenB() const {
    return static_cast<float>(PinkenTabel(PinkB(), LftJvAan, LftJvAfv) * DagenWeidPi / 365);
}

float TBedrijf::JvTabelKalverenA() const {
    return static_cast<float>(KalverenTabel(KalfA(), LftJvAan, LftJvAfv));
}

float TBedrijf::JvTabelKalverenB() const {
    return static_cast<float>(KalverenTabel(KalfB(), LftJvAan, LftJvAfv) * DagenWeidKa / 365);
}

float TBedrijf::JvPinkenA() const {
    return static_cast<float>(JvTabelPinkenA() / 365.0L);
}
float TBedrijf::JvKalverenA() const {
    return static_cast<float>(JvTabelKalverenA() / 365.0L);
}
float TBedrijf::JvPinkenB() const {
    return static_cast<float>(Deel(JvTabelPinkenB(), DagenWeidPi));
}
float TBedrijf::JvKalverenB() const {
    return static_cast<float>(Deel(JvTabelKalverenB(), DagenWeidKa));
}

float TBedrijf::VemBehoeftePink() const {
    if (Diercategorie == "JV")
        return static_cast<float>((static_cast<long double>(JvTabelPinkenA()) + JvTabelPinkenB()) / 1000);
    return PerRas(kBehoeftePink, RasIndex());
}

float TBedrijf::VemBehoefteKalf() const {
    if (Diercategorie == "JV")
        return static_cast<float>((static_cast<long double>(JvTabelKalverenA()) + JvTabelKalverenB()) / 1000);
    return PerRas(kBehoefteKalf, RasIndex());
}

float TBedrijf::VemBehoefteTotaal() const {
    return Onthoud(geheugen::kVemBehoefteTotaal, [&]() -> float {
        const long double H = nKoe * static_cast<long double>(VemBehoefteKoe()) +
                              nPink * static_cast<long double>(VemBehoeftePink()) +
                              nKalf * static_cast<long double>(VemBehoefteKalf());
        if (EvalNr == 4 || EvalNr == 5) return static_cast<float>(VemDekkingFactor(EvalNr) * H);
        return static_cast<float>(H * VemDekking / 100);
    });
}
