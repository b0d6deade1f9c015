#include "Boerderijbestand.h"

#include "Extended80.h"
#include "NatteProducten.h"
#include "Windows1252.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string>
#include <unordered_map>

namespace {
using S = TItemSoort;

std::vector<TBestandItem> MaakItems() {
    std::vector<TBestandItem> t = {
        {"SpeJaartal", S::Drijvend, 0},
        {"Decimaalteken", S::Teken, 201102},
        {"CbxEvaluatie", S::Geheel, 200802},
        {"CbxModule", S::Geheel, 201002},
        {"EdtNaam", S::Tekst, 0},
        {"EdtStraat", S::Tekst, 0},
        {"EdtPlaats", S::Tekst, 0},
        {"EdtOmschrijving", S::Tekst, 0},
        {"SpeOppGrasL", S::Drijvend, 200905},
        {"SpeOppGrasN", S::Drijvend, 200905},
        {"SpeOppGrasH", S::Drijvend, 200905},
        {"SpeOppBouwL", S::Drijvend, 200905},
        {"SpeOppBouwN", S::Drijvend, 200905},
        {"SpeOppBouwH", S::Drijvend, 200905},
        {"SpenKoe", S::Drijvend, 0},
        {"CbxRas", S::Geheel, 0},
        {"SpenKalf", S::Drijvend, 0},
        {"SpenPink", S::Drijvend, 0},
        {"SpeLftJvAan", S::Drijvend, 201004},
        {"SpeLftJvAfv", S::Drijvend, 201004},
        {"SpeDrijfMk", S::Drijvend, 200805},
        {"SpeDrijfKa", S::Drijvend, 200805},
        {"SpeDrijfPi", S::Drijvend, 200805},
        {"SpeMelklev", S::Drijvend, 0},
        {"SpeVet", S::Drijvend, 0},
        {"SpeEiwit", S::Drijvend, 0},
        {"SpeUreum", S::Drijvend, 0},
        {"RbtGraasNee", S::Boolean, 200803},
        {"RbtGraasJa", S::Boolean, 200803},
    };
    static const std::array<const char*, 14> graas = {
        "",          "SpeGraas1", "SpeGraas2", "SpeGraas3",  "SpeGraas4",  "SpeGraas5",  "SpeGraas6",
        "SpeGraas7", "SpeGraas8", "SpeGraas9", "SpeGraas10", "SpeGraas11", "SpeGraas12", "SpeGraas13"};
    for (int i = 1; i <= 13; ++i)
        t.push_back({graas[static_cast<std::size_t>(i)], S::Drijvend, i <= 2 ? 0 : i <= 6 ? 200608 : 200908});
    static const std::array<const char*, 14> nee = {"",
                                                    "RbtGraasNee1",
                                                    "RbtGraasNee2",
                                                    "RbtGraasNee3",
                                                    "RbtGraasNee4",
                                                    "RbtGraasNee5",
                                                    "RbtGraasNee6",
                                                    "RbtGraasNee7",
                                                    "RbtGraasNee8",
                                                    "RbtGraasNee9",
                                                    "RbtGraasNee10",
                                                    "RbtGraasNee11",
                                                    "RbtGraasNee12",
                                                    "RbtGraasNee13"};
    static const std::array<const char*, 14> ja = {"",
                                                   "RbtGraasJa1",
                                                   "RbtGraasJa2",
                                                   "RbtGraasJa3",
                                                   "RbtGraasJa4",
                                                   "RbtGraasJa5",
                                                   "RbtGraasJa6",
                                                   "RbtGraasJa7",
                                                   "RbtGraasJa8",
                                                   "RbtGraasJa9",
                                                   "RbtGraasJa10",
                                                   "RbtGraasJa11",
                                                   "RbtGraasJa12",
                                                   "RbtGraasJa13"};
    for (int i = 1; i <= 13; ++i)
        t.push_back({nee[static_cast<std::size_t>(i)], S::Boolean, 200908});
    for (int i = 1; i <= 13; ++i)
        t.push_back({ja[static_cast<std::size_t>(i)], S::Boolean, 200908});
    const std::vector<TBestandItem> rest = {
        {"Grids", S::Grids, 0},
        {"AankoopBegin", S::Aankoop, 201102},
        {"AankoopAanleg", S::Aankoop, 201005},
        {"AankoopEind", S::Aankoop, 201102},
        {"CbxTypeStal", S::Geheel, 200803},
        {"SpeMndWeidBMk", S::Drijvend, 201002},
        {"SpeMndWeidOMk", S::Drijvend, 201002},
        {"SpeMndZstvBMk", S::Drijvend, 201002},
        {"SpeMndZstvOMk", S::Drijvend, 201002},
        {"SpeUurWeidBMk", S::Drijvend, 201002},
        {"SpeUurWeidOMk", S::Drijvend, 201002},
        {"SpeMndWeidBKa", S::Drijvend, 201004},
        {"SpeMndWeidOKa", S::Drijvend, 201004},
        {"SpeMndWeidBPi", S::Drijvend, 201004},
        {"SpeMndWeidOPi", S::Drijvend, 201004},
        {"SpeUurWeidBKa", S::Drijvend, 201004},
        {"SpeUurWeidOKa", S::Drijvend, 201004},
        {"SpeUurWeidBPi", S::Drijvend, 201004},
        {"SpeUurWeidOPi", S::Drijvend, 201004},
        {"RbtMstafvOpg", S::Boolean, 200803},
        {"SpeDrijfAfv", S::Drijvend, 200803},
        // Absent in 200803 itself, present from the next number on.
        {"SpeDrijfAan", S::Drijvend, 200804},
        {"SpeDrijfMais", S::Drijvend, 200803},
        {"SpeDrijfBouw", S::Drijvend, 200803},
        {"SpeKasBouw", S::Drijvend, 200803},
        {"SpeKasGras", S::Drijvend, 200803},
        {"SpeUreumBouw", S::Drijvend, 200803},
        {"SpeUreumGras", S::Drijvend, 200803},
        {"SpeMethGras1", S::Drijvend, 200803},
        {"SpeMethGras2", S::Drijvend, 200803},
        {"SpeMethGras3", S::Drijvend, 200803},
        {"SpeMethBouw1", S::Drijvend, 200803},
        {"SpeMethBouw2", S::Drijvend, 200803},
        {"SpeMethBouw3", S::Drijvend, 200803},
        {"SpeOppMaisH", S::Drijvend, 201102},
        {"SpeOppMaisN", S::Drijvend, 201102},
        {"SpeOppMaisL", S::Drijvend, 201102},
        {"SpeAfvoerVgHoev", S::Drijvend, 201110},
        {"SpeAfvoerVgP", S::Drijvend, 201110},
        {"SpeAfvoerGkHoev", S::Drijvend, 201110},
        {"SpeAfvoerGkP", S::Drijvend, 201110},
        {"SpeAfvoerSmHoev", S::Drijvend, 201110},
        {"SpeAfvoerSmP", S::Drijvend, 201110},
        {"SpeBEPnormGk1", S::Drijvend, 201102},
        {"SpeBEPnormGk2", S::Drijvend, 201102},
        {"SpeBEPnormSm1", S::Drijvend, 201102},
        {"SpeBEPnormSm2", S::Drijvend, 201102},
        {"CbxGrasGrond", S::Geheel, 201106},
        {"CbxGrasGttrap", S::Geheel, 201106},
        {"CbxMaisGrond", S::Geheel, 201106},
        {"CbxMaisGttrap", S::Geheel, 201106},
        {"SpeToedNKmMais", S::Drijvend, 201106},
        {"SpeMestVoor1jan", S::Drijvend, 201106},
        {"SpeMestVoor31dec", S::Drijvend, 201106},
        {"SpeMestNgeh1jan", S::Drijvend, 201106},
        {"SpeMestNgeh31dec", S::Drijvend, 201106},
    };
    t.insert(t.end(), rest.begin(), rest.end());
    return t;
}

const std::unordered_map<std::string_view, int>& Indexen() {
    static const std::unordered_map<std::string_view, int> m = [] {
        std::unordered_map<std::string_view, int> r;
        const auto& items = BestandItems();
        for (std::size_t i = 0; i < items.size(); ++i)
            r.emplace(items[i].Naam, static_cast<int>(i));
        return r;
    }();
    return m;
}

std::size_t Index(std::string_view naam) {
    const int i = ItemIndex(naam);
    if (i < 0) throw std::logic_error("No item of the farm file named " + std::string(naam));
    return static_cast<std::size_t>(i);
}

// --- Reading ---------------------------------------------------------------------------

class TLezer {
public:
    explicit TLezer(std::span<const std::uint8_t> b) : fB(b) {}

    std::uint8_t Byte() {
        if (fPos >= fB.size()) throw TBestandFout(kStreamLeesfout);
        return fB[fPos++];
    }
    std::span<const std::uint8_t> Blok(std::size_t n) {
        if (fB.size() - fPos < n) throw TBestandFout(kStreamLeesfout);
        const auto blok = fB.subspan(fPos, n);
        fPos += n;
        return blok;
    }
    int Geheel() { return GeheelNaTag(Byte()); }
    double Drijvend() {
        const std::uint8_t tag = Byte();
        if (tag != 5) return GeheelNaTag(tag);
        TExtended e{};
        const auto b = Blok(e.size());
        std::copy(b.begin(), b.end(), e.begin());
        const auto x = VanExtended(e);
        // An infinity, a NaN or a number beyond a double is no value of any control.
        if (!x) throw TBestandFout(kOngeldigeWaarde);
        return *x;
    }
    bool Boolean() { return Byte() == 9; }
    // A length byte and cap characters; a length beyond the field counts as the field.
    std::string Tekst(std::size_t cap) {
        const std::size_t lengte = std::min<std::size_t>(Byte(), cap);
        const auto b = Blok(cap);
        return VanWindows1252(std::string_view(reinterpret_cast<const char*>(b.data()), lengte));
    }

private:
    int GeheelNaTag(std::uint8_t tag) {
        switch (tag) {
        case 2:
            return static_cast<std::int8_t>(Byte());
        case 3: {
            const auto b = Blok(2);
            return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | (b[1] << 8)));
        }
        case 4: {
            const auto b = Blok(4);
            const std::uint32_t u =
                static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
            return static_cast<std::int32_t>(u);
        }
        default:
            throw TBestandFout(kOngeldigeWaarde);
        }
    }

    std::span<const std::uint8_t> fB;
    std::size_t fPos = 0;
};

bool IsKorteNaam(std::string_view s, int& nr) {
    const std::string t = Trim(s);
    for (int i = kNatEerste; i <= kNatTotaal; ++i) {
        const std::string kort = Trim(NatProductKorteNaam[i]);
        if (t.size() == kort.size() && std::equal(t.begin(), t.end(), kort.begin(), [](char a, char b) {
                const auto k = [](char c) {
                    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
                };
                return k(a) == k(b);
            })) {
            nr = NatProductIndex(t);
            return true;
        }
    }
    return false;
}

class TDecoder {
public:
    TDecoder(std::span<const std::uint8_t> bytes, char teken) : fL(bytes), fC(teken) {}

    TBoerderijBestand Lees() {
        r.Pagina = std::clamp(fL.Geheel(), 0, 9);
        const double x = fL.Drijvend();
        // The format number is above 10000 as a single-precision number; older files
        // start with the year.
        const bool metVersie = x > 10000.0 && (x >= FLT_MAX || static_cast<float>(x) > 10000.0f);
        double jaar = x;
        if (metVersie) {
            const double v = std::nearbyint(x);
            if (v > kBestandVersie) throw TBestandFout(kNieuwereVersie);
            V = static_cast<int>(v);
            jaar = fL.Drijvend();
        }
        r.Versie = V;
        r.Zet("SpeJaartal", jaar);
        // Older files use the other sign than the reader's.
        fF = fC == '.' ? "," : fC == ',' ? "." : "";

        const auto& items = BestandItems();
        std::size_t i = 1;
        while (i < items.size()) {
            const std::string_view naam = items[i].Naam;
            if (naam == "SpeOppGrasL") {
                OudeItems();
                if (V < 200905) {
                    // One grassland and one arable area, both high in phosphate.
                    const double gras = fL.Drijvend();
                    const double bouw = fL.Drijvend();
                    for (const char* n : {"SpeOppGrasL", "SpeOppGrasN", "SpeOppBouwL", "SpeOppBouwN"})
                        r.Zet(n, 0.0);
                    r.Zet("SpeOppGrasH", gras);
                    r.Zet("SpeOppBouwH", bouw);
                    i += 6;
                    continue;
                }
            } else if (naam == "RbtGraasNee") {
                if (V < 201002) OudeBeweiding();
                if (V < 200803) {
                    const int n = fL.Geheel();
                    if (n == 0) r.Zet("RbtGraasNee", true);
                    if (n == 1) r.Zet("RbtGraasJa", true);
                    i += 2;
                    continue;
                }
            } else if (naam == "SpeGraas1") {
                for (std::size_t k = 0; k < 13; ++k)
                    r.Waarden[i + k] = 0.0;
            } else if (naam == "RbtGraasNee1" && V < 200908) {
                for (std::size_t k = 0; k < 13; ++k) {
                    r.Waarden[i + k] = true;
                    r.Waarden[i + 13 + k] = false;
                }
                i += 26;
                continue;
            } else if (naam == "SpeMndWeidBMk" && V >= 200803 && V < 201002) {
                OudeMaandenEnUren();
                i += 6;
                continue;
            } else if (naam == "SpeMndWeidBKa" && V >= 200803 && V < 201004) {
                JongveeBeweiding();
                i += 8;
                continue;
            } else if (naam == "SpeAfvoerVgHoev" && V >= 201102 && V < 201110) {
                std::array<double, 3> x3{};
                for (double& a : x3)
                    a = fL.Drijvend();
                r.OudeAfvoer = x3;
                i += 6;
                continue;
            }
            if (V >= items[i].Vanaf) LeesItem(i);
            ++i;
        }
        r.Decimaalteken = std::string(1, fC);
        return std::move(r);
    }

private:
    void LeesItem(std::size_t i) {
        const TBestandItem& it = BestandItems()[i];
        switch (it.Soort) {
        case S::Geheel:
            r.Waarden[i] = fL.Geheel();
            break;
        case S::Drijvend:
            r.Waarden[i] = fL.Drijvend();
            break;
        case S::Boolean:
            r.Waarden[i] = fL.Boolean();
            break;
        case S::Tekst:
            r.Waarden[i] = fL.Tekst(100);
            break;
        case S::Teken:
            fF = fL.Tekst(100);
            break;
        case S::Grids:
            for (int m = 1; m <= 3; ++m)
                for (int k = 1; k <= 5; ++k)
                    LeesGrid(m, k);
            break;
        case S::Aankoop: {
            const int m = it.Naam == std::string_view("AankoopBegin")    ? 1
                          : it.Naam == std::string_view("AankoopAanleg") ? 2
                                                                         : 3;
            const auto b = fL.Blok(60);
            // Group 1 grass silage, 2 maize silage; bytes 40..59 belong to no row.
            for (int g = 1; g <= 2; ++g)
                for (int rij = 1; rij <= kGridRijen[static_cast<std::size_t>(g)]; ++rij)
                    r.Aankoop[static_cast<std::size_t>(m - 1)][static_cast<std::size_t>(g - 1)]
                             [static_cast<std::size_t>(rij - 1)] =
                        b[static_cast<std::size_t>((g - 1) * 20 + rij - 1)] != 0;
            break;
        }
        }
    }

    // The items formats 200704 up to 201002 hold between the texts and the areas.
    void OudeItems() {
        const auto aandelen = [this](double v) {
            for (const char* n : {"SpeDrijfMk", "SpeDrijfKa", "SpeDrijfPi"})
                r.Zet(n, v);
        };
        if (V >= 200704 && V < 200803) {
            const int n = fL.Geheel();
            if (n == 0) aandelen(100);
            if (n == 1) aandelen(0);
            r.Zet("CbxModule", 0);
        }
        if (V >= 200803 && V < 200805) {
            fL.Boolean();
            aandelen(fL.Boolean() ? 0 : 100);
        }
        if (V >= 200803 && V < 201002) {
            r.Zet("CbxModule", fL.Boolean() ? 1 : 0);
            fL.Boolean();
        }
    }

    // The grazing system of formats before 201002, one code for the whole herd.
    void OudeBeweiding() {
        fG = fL.Geheel();
        for (const char* n : {"SpeMndWeidBMk", "SpeMndWeidOMk", "SpeMndZstvBMk", "SpeMndZstvOMk"})
            r.Zet(n, 0.0);
        switch (fG) {
        case 1:
            r.Zet("SpeMndWeidBMk", 6.0);
            r.Zet("SpeUurWeidBMk", 7.0);
            break;
        case 2:
            r.Zet("SpeMndWeidOMk", 6.0);
            r.Zet("SpeUurWeidOMk", 14.0);
            break;
        case 3:
            r.Zet("SpeMndZstvOMk", 6.0);
            break;
        case 4:
            r.Zet("SpeMndZstvBMk", 6.0);
            break;
        default:
            break;
        }
        JongveeBeweiding();
    }

    void JongveeBeweiding() {
        static const std::array<std::pair<const char*, double>, 8> waarden = {{
            {"SpeMndWeidBKa", 0},
            {"SpeMndWeidOKa", 3},
            {"SpeMndWeidBPi", 0},
            {"SpeMndWeidOPi", 5},
            {"SpeUurWeidBKa", 10},
            {"SpeUurWeidOKa", 24},
            {"SpeUurWeidBPi", 10},
            {"SpeUurWeidOPi", 24},
        }};
        for (const auto& [n, v] : waarden)
            r.Zet(n, v);
    }

    // Formats 200803 up to 201002: the months and hours of the grazing code's system.
    void OudeMaandenEnUren() {
        const double m = fL.Drijvend();
        const double h = fL.Drijvend();
        static const std::array<const char*, 5> maanden = {"", "SpeMndWeidBMk", "SpeMndWeidOMk",
                                                           "SpeMndZstvOMk", "SpeMndZstvBMk"};
        static const std::array<const char*, 3> uren = {"", "SpeUurWeidBMk", "SpeUurWeidOMk"};
        if (fG >= 1 && fG <= 4) r.Zet(maanden[static_cast<std::size_t>(fG)], m);
        if (fG >= 1 && fG <= 2) r.Zet(uren[static_cast<std::size_t>(fG)], h);
    }

    void LeesGrid(int moment, int soort) {
        // Blocks of 8 x 20 texts of 100 characters; older formats 8 (or 6) x 15 of 20.
        const bool nieuw = V >= 200905;
        const int kolommen = V >= 200803 ? 8 : 6;
        const int rijen = nieuw ? 20 : 15;
        const std::size_t cap = nieuw ? 100 : 20;
        const int eigen = kGridRijen[static_cast<std::size_t>(soort)];
        TGridCellen& g = r.Grid(moment, soort);
        for (int c = 1; c <= kolommen; ++c)
            for (int rij = 1; rij <= rijen; ++rij) {
                std::string t = fL.Tekst(cap);
                if (rij > eigen) continue;
                g.Cel(c, rij) = c == 1 ? std::move(t) : ConverteerDecimaalteken(std::move(t), fF, fC);
            }
        if (soort == kNatSoort) SplitsNatteProducten(moment, g);
    }

    // The description of a wet by-product row ends in "#" and the by-product's short name.
    void SplitsNatteProducten(int moment, TGridCellen& g) {
        for (int rij = 1; rij <= kGridRijen[kNatSoort]; ++rij) {
            std::string& cel = g.Cel(1, rij);
            if (cel.empty()) continue;
            int nr = 0;
            const std::size_t hekje = cel.rfind('#');
            if (hekje != std::string::npos && IsKorteNaam(std::string_view(cel).substr(hekje + 1), nr)) {
                cel.resize(hekje);
            } else if (V < kBestandVersie) {
                // Older files: the description itself may name the by-product.
                nr = NatProductIndex(cel);
            }
            cel = Trim(cel);
            // A row without a description has no by-product.
            if (cel.empty()) nr = 0;
            r.NatProductNr[static_cast<std::size_t>(moment - 1)][static_cast<std::size_t>(rij - 1)] = nr;
        }
    }

    TLezer fL;
    char fC;
    std::string fF;
    int V = 0;
    int fG = 0;
    TBoerderijBestand r;
};

// --- Writing ---------------------------------------------------------------------------

class TSchrijver {
public:
    TSchrijver() { fB.reserve(244100); }
    std::vector<std::uint8_t> Klaar() { return std::move(fB); }

    void Geheel(int v) {
        if (v >= -128 && v <= 127) {
            fB.push_back(2);
            fB.push_back(static_cast<std::uint8_t>(v));
        } else if (v >= -32768 && v <= 32767) {
            fB.push_back(3);
            Bytes(static_cast<std::uint32_t>(v), 2);
        } else {
            fB.push_back(4);
            Bytes(static_cast<std::uint32_t>(v), 4);
        }
    }
    void Drijvend(double x) {
        fB.push_back(5);
        const TExtended e = NaarExtended(x);
        fB.insert(fB.end(), e.begin(), e.end());
    }
    void Boolean(bool b) { fB.push_back(b ? 9 : 8); }
    // Windows-1252 bytes, cut to 100, then zeros.
    void TekstBytes(std::string_view bytes) {
        const std::size_t n = std::min<std::size_t>(bytes.size(), 100);
        fB.push_back(static_cast<std::uint8_t>(n));
        fB.insert(fB.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        fB.insert(fB.end(), 100 - n, 0);
    }
    void Tekst(std::string_view utf8) { TekstBytes(NaarWindows1252(utf8)); }
    void Byte(std::uint8_t b) { fB.push_back(b); }

private:
    void Bytes(std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            fB.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t> fB;
};

template <typename T> T Of(const std::optional<TWaarde>& w, T standaard) {
    if (w)
        if (const T* v = std::get_if<T>(&*w)) return *v;
    return standaard;
}

void SchrijfGrid(TSchrijver& s, const TBoerderijBestand& b, int moment, int soort) {
    const TGridCellen& g = b.Grid(moment, soort);
    const int eigen = kGridRijen[static_cast<std::size_t>(soort)];
    for (int c = 1; c <= 8; ++c)
        for (int rij = 1; rij <= 20; ++rij) {
            if (rij > eigen) {
                s.TekstBytes({});
                continue;
            }
            const std::string& cel = g.Cel(c, rij);
            const int nr =
                b.NatProductNr[static_cast<std::size_t>(moment - 1)][static_cast<std::size_t>(rij - 1)];
            if (c == 1 && soort == kNatSoort && !Trim(cel).empty() && nr >= kNatEerste && nr <= kNatTotaal) {
                // The description is shortened so that the by-product's name still fits, and
                // written as reading gives it back: without blanks or control characters at its
                // ends, which the cut may bring to its end. Otherwise every save would change it.
                const std::string kort = Trim(NatProductKorteNaam[nr]);
                const std::string heel = NaarWindows1252(Trim(cel));
                std::string bytes = Trim(std::string_view(heel).substr(0, 100 - 1 - kort.size()));
                bytes += '#';
                bytes += kort;
                s.TekstBytes(bytes);
            } else {
                s.Tekst(cel);
            }
        }
}
} // namespace

const std::vector<TBestandItem>& BestandItems() {
    static const std::vector<TBestandItem> items = MaakItems();
    return items;
}

int ItemIndex(std::string_view naam) {
    const auto& m = Indexen();
    const auto it = m.find(naam);
    return it == m.end() ? -1 : it->second;
}

TBoerderijBestand::TBoerderijBestand() : Waarden(BestandItems().size()) {}

const std::optional<TWaarde>& TBoerderijBestand::Waarde(std::string_view naam) const {
    return Waarden[Index(naam)];
}

void TBoerderijBestand::Zet(std::string_view naam, TWaarde waarde) {
    Waarden[Index(naam)] = std::move(waarde);
}

std::optional<int> TBoerderijBestand::Geheel(std::string_view naam) const {
    const auto& w = Waarde(naam);
    if (!w || !std::holds_alternative<int>(*w)) return std::nullopt;
    return std::get<int>(*w);
}

std::optional<double> TBoerderijBestand::Drijvend(std::string_view naam) const {
    const auto& w = Waarde(naam);
    if (!w || !std::holds_alternative<double>(*w)) return std::nullopt;
    return std::get<double>(*w);
}

std::optional<bool> TBoerderijBestand::Boolean(std::string_view naam) const {
    const auto& w = Waarde(naam);
    if (!w || !std::holds_alternative<bool>(*w)) return std::nullopt;
    return std::get<bool>(*w);
}

std::optional<std::string> TBoerderijBestand::Tekst(std::string_view naam) const {
    const auto& w = Waarde(naam);
    if (!w || !std::holds_alternative<std::string>(*w)) return std::nullopt;
    return std::get<std::string>(*w);
}

TBoerderijBestand DecodeerBestand(std::span<const std::uint8_t> bytes, char decimaalTeken) {
    return TDecoder(bytes, decimaalTeken).Lees();
}

std::vector<std::uint8_t> CodeerBestand(const TBoerderijBestand& b) {
    TSchrijver s;
    s.Geheel(b.Pagina);
    s.Drijvend(kBestandVersie);
    const auto& items = BestandItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto& w = b.Waarden[i];
        switch (items[i].Soort) {
        case S::Geheel:
            s.Geheel(Of<int>(w, 0));
            break;
        case S::Drijvend:
            s.Drijvend(Of<double>(w, 0.0));
            break;
        case S::Boolean:
            s.Boolean(Of<bool>(w, false));
            break;
        case S::Tekst:
            s.Tekst(Of<std::string>(w, {}));
            break;
        case S::Teken:
            s.Tekst(b.Decimaalteken);
            break;
        case S::Grids:
            for (int m = 1; m <= 3; ++m)
                for (int k = 1; k <= 5; ++k)
                    SchrijfGrid(s, b, m, k);
            break;
        case S::Aankoop: {
            const std::string_view naam = items[i].Naam;
            const std::size_t m = naam == "AankoopBegin" ? 0 : naam == "AankoopAanleg" ? 1 : 2;
            for (std::size_t g = 0; g < 3; ++g)
                for (std::size_t rij = 0; rij < 20; ++rij)
                    s.Byte(g < 2 && static_cast<int>(rij) < kGridRijen[g + 1] && b.Aankoop[m][g][rij] ? 1
                                                                                                      : 0);
            break;
        }
        }
    }
    return s.Klaar();
}

std::string ConverteerDecimaalteken(std::string tekst, std::string_view bestandTeken, char huidig) {
    if (bestandTeken.size() != 1 || (bestandTeken[0] != '.' && bestandTeken[0] != ',') ||
        bestandTeken[0] == huidig)
        return tekst;
    std::replace(tekst.begin(), tekst.end(), bestandTeken[0], huidig);
    return tekst;
}

std::string Trim(std::string_view s) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && blank(s[b]))
        ++b;
    while (e > b && blank(s[e - 1]))
        --e;
    return std::string(s.substr(b, e - b));
}
