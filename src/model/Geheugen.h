// Slots of the sub-results TBedrijf remembers within one calculation. A slot stands for
// one routine with one set of arguments that the routine itself tells apart; arguments it
// would reject, or that are not listed, get no slot (-1) and are computed every time.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace geheugen {

// Exact codes, in slot order.
constexpr std::array<std::string_view, 7> kVoersoorten = {"VG", "GK", "SM", "NAT", "NT", "KV", "MP"};
constexpr std::array<std::string_view, 6> kComponenten = {"HOEV", "VEM", "VRE", "RE", "N", "P"};
constexpr std::array<std::string_view, 7> kOpnameSoorten = {"TOT", "SM", "NAT", "KV", "MP", "GK", "VG"};
constexpr std::array<std::string_view, 4> kOpnameGehalten = {"N", "P", "P2O5", "VN"};
constexpr std::array<char, 3> kPerioden = {'J', 'W', 'Z'};
constexpr std::array<std::string_view, 7> kDsSoorten = {"TOT", "VG", "GK", "SM", "NAT", "MP", "KV"};
constexpr std::array<std::string_view, 5> kGroepen = {"VEE", "MELK", "MK", "PI", "KA"};
constexpr std::array<std::string_view, 5> kSystemen = {"TOTAAL", "WEIDB", "WEIDO", "ZSTVB", "ZSTVO"};
constexpr std::array<std::string_view, 4> kGrasGehalten = {"N", "P", "RE", "VRE"};

// A code of up to seven letters as one number (its length, then its letters), so a lookup
// compares numbers: a library string compare for each lookup would cost more than the
// lookup itself. Longer codes are no code of these lists.
constexpr std::uint64_t Pak(std::string_view code) {
    if (code.size() > 7) return ~std::uint64_t{0};
    std::uint64_t v = code.size();
    for (char c : code)
        v = (v << 8) | static_cast<unsigned char>(c);
    return v;
}
template <std::size_t N>
constexpr std::array<std::uint64_t, N> Pak(const std::array<std::string_view, N>& lijst) {
    std::array<std::uint64_t, N> p{};
    for (std::size_t i = 0; i < N; ++i)
        p[i] = Pak(lijst[i]);
    return p;
}

template <typename T, std::size_t N> constexpr int Plaats(const std::array<T, N>& lijst, T code) {
    for (std::size_t i = 0; i < N; ++i)
        if (lijst[i] == code) return static_cast<int>(i);
    return -1;
}
// The place of a code in one of the lists above; the list is packed at compile time.
template <const auto& Lijst> int Plaats(std::string_view code) {
    static constexpr auto gepakt = Pak(Lijst);
    return Plaats(gepakt, Pak(code));
}

// The two most asked lists, told apart by length and letters directly: the place in
// kVoersoorten and in kComponenten, or -1.
constexpr int VoersoortPlaats(std::string_view s) {
    if (s.size() == 3) return s[0] == 'N' && s[1] == 'A' && s[2] == 'T' ? 3 : -1;
    if (s.size() != 2) return -1;
    switch (s[0]) {
    case 'V':
        return s[1] == 'G' ? 0 : -1;
    case 'G':
        return s[1] == 'K' ? 1 : -1;
    case 'S':
        return s[1] == 'M' ? 2 : -1;
    case 'N':
        return s[1] == 'T' ? 4 : -1;
    case 'K':
        return s[1] == 'V' ? 5 : -1;
    case 'M':
        return s[1] == 'P' ? 6 : -1;
    default:
        return -1;
    }
}
constexpr int ComponentPlaats(std::string_view c) {
    switch (c.size()) {
    case 1:
        return c[0] == 'N' ? 4 : c[0] == 'P' ? 5 : -1;
    case 2:
        return c[0] == 'R' && c[1] == 'E' ? 3 : -1;
    case 3:
        if (c[1] != 'E' && c[1] != 'R') return -1;
        if (c[0] == 'V' && c[1] == 'E' && c[2] == 'M') return 1;
        if (c[0] == 'V' && c[1] == 'R' && c[2] == 'E') return 2;
        return -1;
    case 4:
        return c[0] == 'H' && c[1] == 'O' && c[2] == 'E' && c[3] == 'V' ? 0 : -1;
    default:
        return -1;
    }
}
static_assert([] {
    for (std::size_t i = 0; i < kVoersoorten.size(); ++i)
        if (VoersoortPlaats(kVoersoorten[i]) != static_cast<int>(i)) return false;
    for (std::size_t i = 0; i < kComponenten.size(); ++i)
        if (ComponentPlaats(kComponenten[i]) != static_cast<int>(i)) return false;
    return VoersoortPlaats("NA") < 0 && VoersoortPlaats("NATX") < 0 && ComponentPlaats("VRM") < 0 &&
           ComponentPlaats("") < 0 && VoersoortPlaats("") < 0;
}());

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
constexpr int kExcretieDeel = kForfaitaireExcretieTotaal + 2;              // period 3 x place 3
constexpr int kTANExcretie = kExcretieDeel + 3 * 3;                        // 'W', 'Z'
constexpr int kTAN_Stal = kTANExcretie + 2;                                // 'W', 'Z', 'T'
constexpr int kEmissie_Stal = kTAN_Stal + 3;                               // period 3 x gas 3
constexpr int kPcTanUitStal = kEmissie_Stal + 3 * 3;                       // 1
constexpr int kMestNaStal = kPcTanUitStal + 1;                             // 1
constexpr int kAmmoniakEmissie = kMestNaStal + 1;                          // unit 4 x source 7
constexpr int kPOpbrengst = kAmmoniakEmissie + 4 * 7;                      // 1
constexpr int kBepGras = kPOpbrengst + 1;                                  // 'L', 'N', 'H'
constexpr int kBepMais = kBepGras + 3;                                     // 'L', 'N', 'H'
constexpr int kBepTotaal = kBepMais + 3;                                   // 1
constexpr int kBepBedrijf = kBepTotaal + 1;                                // 1
constexpr int kNOverschot = kBepBedrijf + 1;                               // land 2 x kind 3
constexpr int kVastlegging = kNOverschot + 2 * 3;                          // group 5 x N, P2O5
constexpr int kOpnameDsGras = kVastlegging + 5 * 2;                        // 5 systems
constexpr int kGeh_per_VEM = kOpnameDsGras + 5;                            // 4 components
constexpr int kVerbruikStal = kGeh_per_VEM + 4;                            // 5 kinds x 6 components
constexpr int kGehalte = kVerbruikStal + 5 * 6;                            // 5 kinds x 6 components
constexpr int kRantsoenTotaal = kGehalte + 5 * 6;                          // 6 components
constexpr int kExcretieOverigeDieren = kRantsoenTotaal + 6;                // all categories, N, P2O5
constexpr int kAantal = kExcretieOverigeDieren + 2;

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
// The use by the herd of stock kind 1..5: the component as given (only "HOEV" is the
// amount there).
inline int VerbruikStal(int kind, std::string_view component) {
    const int c = ComponentPlaats(component);
    return kind < 1 || c < 0 ? -1 : kVerbruikStal + (kind - 1) * 6 + c;
}
// The content of stock kind 1..5 (fresh grass has none of these slots), by the component
// as Voorraad reads it.
inline int Gehalte(int kind, std::string_view component) {
    const int c = VoorraadComponent(component);
    return kind < 1 || c < 0 ? -1 : kGehalte + (kind - 1) * 6 + c;
}
inline int RantsoenTotaal(std::string_view component) {
    const int c = ComponentPlaats(component);
    return c < 0 ? -1 : kRantsoenTotaal + c;
}
inline int PerKind(int blok, int kind) {
    return kind < 1 ? -1 : blok + kind - 1;
}
inline int Verbruik(std::string_view soort) {
    const int s = VoersoortPlaats(soort);
    return s < 0 ? -1 : kVerbruik + s;
}
inline int GehalteVerbruik(std::string_view soort, std::string_view component) {
    const int s = VoersoortPlaats(soort), c = ComponentPlaats(component);
    return s < 0 || c < 0 ? -1 : kGehalteVerbruik + s * 6 + c;
}
inline int Voeropname(std::string_view soort, std::string_view gehalte, char periode) {
    const int s = Plaats<kOpnameSoorten>(soort), g = Plaats<kOpnameGehalten>(gehalte),
              p = Plaats(kPerioden, periode);
    return s < 0 || g < 0 || p < 0 ? -1 : kVoeropname + (s * 4 + g) * 3 + p;
}

inline int DsOpname(std::string_view soort) {
    const int s = Plaats<kDsSoorten>(soort);
    return s < 0 ? -1 : kDsOpname + s;
}
// Routines of N (1) and P2O5 (2).
inline int PerNutrient(int blok, int Soort) {
    return Soort == 1 || Soort == 2 ? blok + Soort - 1 : -1;
}

inline int Vastlegging(std::string_view groep, int Soort) {
    const int g = Plaats<kGroepen>(groep);
    return g < 0 || (Soort != 1 && Soort != 2) ? -1 : kVastlegging + g * 2 + Soort - 1;
}
inline int OpnameDsGras(std::string_view systeem) {
    const int s = Plaats<kSystemen>(systeem);
    return s < 0 ? -1 : kOpnameDsGras + s;
}
inline int Geh_per_VEM(std::string_view soort) {
    const int s = Plaats<kGrasGehalten>(soort);
    return s < 0 ? -1 : kGeh_per_VEM + s;
}

// Extended-precision slots: Voeropname's yearly amount by kind and component.
constexpr std::array<std::string_view, 3> kJaarComponenten = {"N", "P", "VRE"};
constexpr int kJaarOpname = 0; // 6 kinds (as Voeropname's, without "TOT") x 3
constexpr int kAantalLang = kJaarOpname + 6 * 3;
inline int JaarOpname(std::string_view soort, std::string_view c) {
    const int s = Plaats<kOpnameSoorten>(soort) - 1, g = Plaats<kJaarComponenten>(c);
    return s < 0 || g < 0 ? -1 : kJaarOpname + s * 3 + g;
}

// Periods and places of the ammonia routines ('T' both).
constexpr std::array<char, 3> kWZ = {'W', 'Z', 'T'};
constexpr std::array<char, 3> kSW = {'S', 'W', 'T'};
// Gases by first letter: "AMMONIAK", "OVERIG", "TOTAAL".
constexpr std::array<char, 3> kGassen = {'A', 'O', 'T'};
constexpr std::array<char, 4> kEenheden = {'B', 'H', 'M', 'G'};
constexpr std::array<char, 3> kKlassen = {'L', 'N', 'H'};
constexpr std::array<char, 2> kGrondcats = {'G', 'M'};
constexpr std::array<char, 3> kOverschotten = {'B', 'T', 'V'};

inline int ExcretieDeel(char wz, char sw) {
    const int w = Plaats(kWZ, wz), s = Plaats(kSW, sw);
    return w < 0 || s < 0 ? -1 : kExcretieDeel + w * 3 + s;
}
inline int TANExcretie(char wz) {
    const int w = Plaats(kWZ, wz);
    return w < 0 || w > 1 ? -1 : kTANExcretie + w;
}
inline int TAN_Stal(char wz) {
    const int w = Plaats(kWZ, wz);
    return w < 0 ? -1 : kTAN_Stal + w;
}
inline int Emissie_Stal(char wz, std::string_view gas) {
    const int w = Plaats(kWZ, wz), g = gas.empty() ? -1 : Plaats(kGassen, gas[0]);
    return w < 0 || g < 0 ? -1 : kEmissie_Stal + w * 3 + g;
}
// Sources as AmmoniakEmissie tells them apart: the first letter, and the third of the
// fertiliser and manure sources.
inline int AmmoniakEmissie(char eenheid, std::string_view bron) {
    const int e = Plaats(kEenheden, eenheid);
    if (e < 0 || bron.empty()) return -1;
    const char derde = bron.size() > 2 ? bron[2] : '\0';
    int b = -1;
    switch (bron[0]) {
    case 'S':
        b = 0;
        break;
    case 'B':
        b = 1;
        break;
    case 'K':
        b = derde == 'B' ? 2 : derde == 'G' ? 3 : -1;
        break;
    case 'O':
        b = derde == 'B' ? 4 : derde == 'G' ? 5 : -1;
        break;
    case 'T':
        b = 6;
        break;
    default:
        break;
    }
    return b < 0 ? -1 : kAmmoniakEmissie + e * 7 + b;
}
inline int PerKlasse(int blok, char klasse) {
    const int k = Plaats(kKlassen, klasse);
    return k < 0 ? -1 : blok + k;
}
inline int NOverschot(char grondcat, char soort) {
    const int g = Plaats(kGrondcats, grondcat), s = Plaats(kOverschotten, soort);
    return g < 0 || s < 0 ? -1 : kNOverschot + g * 3 + s;
}

} // namespace geheugen
