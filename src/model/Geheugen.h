// Slots of the sub-results TBedrijf remembers within one calculation. A slot stands for
// one routine with one set of arguments that the routine itself tells apart; arguments it
// would reject, or that are not listed, get no slot (-1) and are computed every time.
#pragma once

#include <array>
#include <string_view>

namespace geheugen {

// Exact codes, in slot order.
constexpr std::array<std::string_view, 7> kVoersoorten = {"VG", "GK", "SM", "NAT", "NT", "KV", "MP"};
constexpr std::array<std::string_view, 6> kComponenten = {"HOEV", "VEM", "VRE", "RE", "N", "P"};
constexpr std::array<std::string_view, 7> kOpnameSoorten = {"TOT", "SM", "NAT", "KV", "MP", "GK", "VG"};
constexpr std::array<std::string_view, 4> kOpnameGehalten = {"N", "P", "P2O5", "VN"};
constexpr std::array<char, 3> kPerioden = {'J', 'W', 'Z'};
constexpr std::array<std::string_view, 7> kDsSoorten = {"TOT", "VG", "GK", "SM", "NAT", "MP", "KV"};

template <typename T, std::size_t N> constexpr int Plaats(const std::array<T, N>& lijst, T code) {
    for (std::size_t i = 0; i < N; ++i)
        if (lijst[i] == code) return static_cast<int>(i);
    return -1;
}

// The first blocks belong to routines that look only at the first letter of the feed kind:
// stock kind 1..5 (Voorraad, VemVerbruikGraas, AandeelVoerz).
constexpr int kVoorraad = 0;                                               // 5 kinds x 6 components
constexpr int kVemVerbruikGraas = kVoorraad + 5 * 6;                       // 5 kinds
constexpr int kAandeelVoerz = kVemVerbruikGraas + 5;                       // 5 kinds
constexpr int kVemBehoefteTotaal = kAandeelVoerz + 5;                      // 1
constexpr int kVemVerdeling = kVemBehoefteTotaal + 1;                      // A, B, C
constexpr int kVerbruik = kVemVerdeling + 3;                               // 7 exact kinds
constexpr int kGehalteVerbruik = kVerbruik + 7;                            // 7 x 6
constexpr int kVoeropname = kGehalteVerbruik + 7 * 6;                      // 7 x 4 x 3
constexpr int kDsOpname = kVoeropname + 7 * 4 * 3;                         // 7 exact kinds with "TOT"
constexpr int kExcretieBedrijfsspecifiek = kDsOpname + 7;                  // N, P2O5
constexpr int kForfaitaireExcretieTotaal = kExcretieBedrijfsspecifiek + 2; // N, P2O5
constexpr int kAantal = kForfaitaireExcretieTotaal + 2;

// Voorraad's component as it dispatches: by first letter, but "VEM" and "VRE" whole.
constexpr int VoorraadComponent(std::string_view c) {
    if (c == "VEM") return 1;
    if (c == "VRE") return 2;
    if (c.empty()) return -1;
    switch (c[0]) {
    case 'H':
        return 0;
    case 'R':
        return 3;
    case 'N':
        return 4;
    case 'P':
        return 5;
    default:
        return -1;
    }
}

inline int Voorraad(int kind, std::string_view component) {
    const int c = VoorraadComponent(component);
    return kind < 1 || c < 0 ? -1 : kVoorraad + (kind - 1) * 6 + c;
}
inline int PerKind(int blok, int kind) {
    return kind < 1 ? -1 : blok + kind - 1;
}
inline int Verbruik(std::string_view soort) {
    const int s = Plaats(kVoersoorten, soort);
    return s < 0 ? -1 : kVerbruik + s;
}
inline int GehalteVerbruik(std::string_view soort, std::string_view component) {
    const int s = Plaats(kVoersoorten, soort), c = Plaats(kComponenten, component);
    return s < 0 || c < 0 ? -1 : kGehalteVerbruik + s * 6 + c;
}
inline int Voeropname(std::string_view soort, std::string_view gehalte, char periode) {
    const int s = Plaats(kOpnameSoorten, soort), g = Plaats(kOpnameGehalten, gehalte),
              p = Plaats(kPerioden, periode);
    return s < 0 || g < 0 || p < 0 ? -1 : kVoeropname + (s * 4 + g) * 3 + p;
}

inline int DsOpname(std::string_view soort) {
    const int s = Plaats(kDsSoorten, soort);
    return s < 0 ? -1 : kDsOpname + s;
}
// Routines of N (1) and P2O5 (2).
inline int PerNutrient(int blok, int Soort) {
    return Soort == 1 || Soort == 2 ? blok + Soort - 1 : -1;
}

} // namespace geheugen
