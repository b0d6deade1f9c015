#include "Invoertabel.h"

#include "Getallen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <set>

// The column table. Stock columns run per moment (BV_ opening stock, AANLEG_ stock
// increase, EV_ closing stock) through grass silage, maize silage, other roughage (OV,
// the wet by-products), concentrates and milk powder.
const std::array<std::string_view, kAantalKolommen + 1> KolomNamen = {
    "",
    // 1..21: identity, areas, grazing system, herd and milk
    "NAAMINV", "JAARTAL", "OMSCHR", "VEEHOUDER", "STRAAT", "PLAATS", "EVALNR", "OPPGRAS", "OPPBOUW",
    "BEWEIDING", "RAS", "NKOE", "NKALF", "NPINK", "PCDRIJFMK", "PCDRIJFKA", "PCDRIJFPI", "MELKLEV", "VET",
    "EIWIT", "UREUM",
    // 22..33: other grazing animals 1..6 and 8..13
    "ZOOGKDRIJF120", "ZOOGKVAST120", "FOKSTIEREN", "KRUISSTIEREN", "VLEESSTIEREN", "STARTKALVEREN",
    "SCHAPEN550", "SCHAPEN552", "PONYS941", "PONYS942", "PAARDEN943", "PAARDEN944",
    // 34..60: opening stock
    "BV_GK_HOEV", "BV_GK_VEM", "BV_GK_RE", "BV_GK_N", "BV_GK_P", "BV_GK_RAS", "BV_SM_HOEV", "BV_SM_VEM",
    "BV_SM_RE", "BV_SM_N", "BV_SM_P", "BV_SM_RAS", "BV_OV_HOEV", "BV_OV_VEM", "BV_OV_RE", "BV_OV_N",
    "BV_OV_P", "BV_KV_HOEV", "BV_KV_VEM", "BV_KV_RE", "BV_KV_N", "BV_KV_P", "BV_MP_HOEV", "BV_MP_VEM",
    "BV_MP_RE", "BV_MP_N", "BV_MP_P",
    // 61..87: stock increase
    "AANLEG_GK_HOEV", "AANLEG_GK_VEM", "AANLEG_GK_RE", "AANLEG_GK_N", "AANLEG_GK_P", "AANLEG_GK_RAS",
    "AANLEG_SM_HOEV", "AANLEG_SM_VEM", "AANLEG_SM_RE", "AANLEG_SM_N", "AANLEG_SM_P", "AANLEG_SM_RAS",
    "AANLEG_OV_HOEV", "AANLEG_OV_VEM", "AANLEG_OV_RE", "AANLEG_OV_N", "AANLEG_OV_P", "AANLEG_KV_HOEV",
    "AANLEG_KV_VEM", "AANLEG_KV_RE", "AANLEG_KV_N", "AANLEG_KV_P", "AANLEG_MP_HOEV", "AANLEG_MP_VEM",
    "AANLEG_MP_RE", "AANLEG_MP_N", "AANLEG_MP_P",
    // 88..114: closing stock
    "EV_GK_HOEV", "EV_GK_VEM", "EV_GK_RE", "EV_GK_N", "EV_GK_P", "EV_GK_RAS", "EV_SM_HOEV", "EV_SM_VEM",
    "EV_SM_RE", "EV_SM_N", "EV_SM_P", "EV_SM_RAS", "EV_OV_HOEV", "EV_OV_VEM", "EV_OV_RE", "EV_OV_N",
    "EV_OV_P", "EV_KV_HOEV", "EV_KV_VEM", "EV_KV_RE", "EV_KV_N", "EV_KV_P", "EV_MP_HOEV", "EV_MP_VEM",
    "EV_MP_RE", "EV_MP_N", "EV_MP_P",
    // 115..119: best grass silage
    "BEST_GK_VEM", "BEST_GK_RE", "BEST_GK_N", "BEST_GK_P", "BEST_GK_RAS",
    // 120..149: housing, grazing, classes, ammonia inputs
    "TYPESTAL", "MNDWEIDEN", "UURWEIDEN", "MNDWEIDB", "MNDWEIDO", "MNDZSTVB", "MNDZSTVO", "UURWEIDB",
    "UURWEIDO", "OPPGRASL", "OPPGRASN", "OPPGRASH", "OPPBOUWL", "OPPBOUWN", "OPPBOUWH", "MSTAFVOPG",
    "DRIJFAFV", "DRIJFAAN", "DRIJFMAIS", "DRIJFBOUW", "KASBOUW", "KASGRAS", "UREUMBOUW", "UREUMGRAS",
    "PCMETHGRAS1", "PCMETHGRAS2", "PCMETHGRAS3", "PCMETHBOUW1", "PCMETHBOUW2", "PCMETHBOUW3",
    // 150..152: VRE of the other roughage per moment
    "BV_OV_VRE", "AANLEG_OV_VRE", "EV_OV_VRE"};

namespace {
// The dump writes an empty value as this token; a dump read back as a table reads it as 0.
constexpr std::string_view kLeegWaarde = "0.00000000000000E+0000";

bool IsWit(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsWit(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsWit(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string Hoofdletters(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

// Calls f(position, field) for the fields of a line as SplitsRegel splits them.
template <typename F> void VoorElkVeld(std::string_view regel, char scheidingsteken, F&& f) {
    std::string_view rest = regel;
    int k = 0;
    while (!rest.empty()) {
        const std::size_t p = rest.find(scheidingsteken);
        std::string_view veld = p == std::string_view::npos ? rest : rest.substr(0, p);
        rest = p == std::string_view::npos ? std::string_view{} : rest.substr(p + 1);
        f(++k, Trim(veld));
        if (rest.size() == 1 && rest.front() == scheidingsteken) break;
    }
}

// The next line of the text and what follows it; the line end (LF, CR LF or CR) is dropped.
std::string_view VolgendeRegel(std::string_view& tekst) {
    const std::size_t p = tekst.find_first_of("\r\n");
    if (p == std::string_view::npos) {
        const std::string_view regel = tekst;
        tekst = {};
        return regel;
    }
    const std::string_view regel = tekst.substr(0, p);
    std::size_t volgend = p + 1;
    if (tekst[p] == '\r' && volgend < tekst.size() && tekst[volgend] == '\n') ++volgend;
    tekst.remove_prefix(volgend);
    return regel;
}

// The conversion's own message, in the words of the class library.
struct EConversie {
    std::string Melding;
};

float Getal(std::string_view veld) {
    if (veld == kLeegWaarde) return 0;
    const auto v = TryStrToFloat(veld);
    // A value beyond single precision would reach the model as infinity.
    if (!v || std::fabs(*v) > std::numeric_limits<float>::max()) throw EConversie{GeenGetalMelding(veld)};
    return static_cast<float>(*v);
}

int Geheel(std::string_view veld) {
    if (veld == kLeegWaarde) return 0;
    std::string_view s = veld;
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    int v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size())
        throw EConversie{GeenGeheelGetalMelding(veld)};
    return v;
}

// The version of field 2: the number times 100, rounded (halves to even).
int Versie(std::string_view veld) {
    const double v = static_cast<double>(Getal(veld)) * 100;
    if (std::fabs(v) > std::numeric_limits<int>::max()) throw EConversie{GeenGetalMelding(veld)};
    return static_cast<int>(std::nearbyint(v));
}

// The field of a stock column 34..114 or 150..152.
float& VoorraadVeld(TTvInvoer& in, int kolom) {
    if (kolom >= 150) return in.Voorraden[kolom - 149][kNAT].Vre;
    const int moment = (kolom - 34) / 27 + 1;
    const int i = (kolom - 34) % 27;
    // Grass and maize silage have six fields (with crude ash), the other kinds five.
    int soort, veld;
    if (i < 12) {
        soort = i / 6 + 1;
        veld = i % 6;
    } else {
        soort = (i - 12) / 5 + 3;
        veld = (i - 12) % 5;
    }
    TVoorraadPost& post = in.Voorraden[moment][soort];
    float* velden[] = {&post.Hoev, &post.Vem, &post.Re, &post.N, &post.P, &post.Ras};
    return *velden[veld];
}

void ZetKolom(TPlan& plan, int kolom, std::string_view veld, const TTabelMelding& melding) {
    TTvInvoer& in = plan.Invoer;
    if (kolom >= 34 && kolom <= 114) {
        VoorraadVeld(in, kolom) = Getal(veld);
        return;
    }
    if (kolom >= 150 && kolom <= 152) {
        VoorraadVeld(in, kolom) = Getal(veld);
        return;
    }
    if (kolom >= 22 && kolom <= 33) {
        // Category 7 has no column.
        in.Graasdieren[kolom <= 27 ? kolom - 21 : kolom - 20] = Getal(veld);
        return;
    }
    // Text columns: the dump's empty-value token is an empty text.
    const auto tekst = [&] { return veld == kLeegWaarde ? std::string() : std::string(veld); };
    switch (kolom) {
    case 1:
        if (veld != kLeegWaarde) plan.Naam = std::string(veld);
        return;
    case 2:
        in.Jaartal = Geheel(veld);
        return;
    case 3:
        plan.Omschr = tekst();
        return;
    case 4:
        plan.Veehouder = tekst();
        return;
    case 5:
        plan.Straat = tekst();
        return;
    case 6:
        plan.Plaats = tekst();
        return;
    case 7:
        in.EvalNr = Geheel(veld);
        return;
    case 8:
    case 130:
        in.OppGrasN = Getal(veld);
        return;
    case 9:
    case 133:
        in.OppBouwN = Getal(veld);
        return;
    case 10:
        plan.Beweiding = tekst();
        return;
    case 11:
        in.Ras = tekst();
        return;
    case 12:
        in.nKoe = Getal(veld);
        return;
    case 13:
        in.nKalf = Getal(veld);
        return;
    case 14:
        in.nPink = Getal(veld);
        return;
    case 15:
        in.PcDrijfMk = Getal(veld);
        return;
    case 16:
        in.PcDrijfKa = Getal(veld);
        return;
    case 17:
        in.PcDrijfPi = Getal(veld);
        return;
    case 18:
        in.MelkLev = Getal(veld);
        return;
    case 19:
        in.Vet = Getal(veld);
        return;
    case 20:
        in.Eiwit = Getal(veld);
        return;
    case 21:
        in.Ureum = Getal(veld);
        return;
    case 115:
        in.BesteGk.Vem = Getal(veld);
        return;
    case 116:
        in.BesteGk.Re = Getal(veld);
        return;
    case 117:
        in.BesteGk.N = Getal(veld);
        return;
    case 118:
        in.BesteGk.P = Getal(veld);
        return;
    case 119:
        in.BesteGk.Ras = Getal(veld);
        return;
    case 120:
        in.TypeStal = tekst();
        return;
    case 121: {
        // The months of the grazing system named earlier in the line.
        const float v = Getal(veld);
        in.MndWeidBMk = in.MndWeidOMk = in.MndZstvBMk = in.MndZstvOMk = 0;
        const std::string systeem = Hoofdletters(plan.Beweiding);
        if (systeem == "BEPERKT")
            in.MndWeidBMk = v;
        else if (systeem == "ONBEPERKT")
            in.MndWeidOMk = v;
        else if (systeem == "ZSTVBEPERKT")
            in.MndZstvBMk = v;
        else if (systeem == "ZSTVONBEPERKT")
            in.MndZstvOMk = v;
        else if (systeem != "GEEN")
            melding("Onbeperkt systeem");
        return;
    }
    case 122: {
        const float v = Getal(veld);
        in.UurWeidBMk = in.UurWeidOMk = 0;
        const std::string systeem = Hoofdletters(plan.Beweiding);
        if (systeem == "BEPERKT")
            in.UurWeidBMk = v;
        else if (systeem == "ONBEPERKT")
            in.UurWeidOMk = v;
        return;
    }
    case 123:
        in.MndWeidBMk = Getal(veld);
        return;
    case 124:
        in.MndWeidOMk = Getal(veld);
        return;
    case 125:
        in.MndZstvBMk = Getal(veld);
        return;
    case 126:
        in.MndZstvOMk = Getal(veld);
        return;
    case 127:
        in.UurWeidBMk = Getal(veld);
        return;
    case 128:
        in.UurWeidOMk = Getal(veld);
        return;
    case 129:
        in.OppGrasL = Getal(veld);
        return;
    case 131:
        in.OppGrasH = Getal(veld);
        return;
    case 132:
        in.OppBouwL = Getal(veld);
        return;
    case 134:
        in.OppBouwH = Getal(veld);
        return;
    case 135:
        in.MstAfvOpg = Geheel(veld) != 0;
        return;
    default:
        break;
    }
    float* ammoniak[] = {&in.DrijfAfv,  &in.DrijfAan,  &in.DrijfMais, &in.DrijfBouw, &in.KasBouw,
                         &in.KasGras,   &in.UreumBouw, &in.UreumGras, &in.MethGras1, &in.MethGras2,
                         &in.MethGras3, &in.MethBouw1, &in.MethBouw2, &in.MethBouw3};
    if (kolom >= 136 && kolom <= 149) *ammoniak[kolom - 136] = Getal(veld);
}
} // namespace

TKolomSoort KolomSoort(int kolom) {
    switch (kolom) {
    case 1:
    case 3:
    case 4:
    case 5:
    case 6:
    case 10:
    case 11:
    case 120:
        return TKolomSoort::Tekst;
    case 2:
    case 7:
    case 135:
        return TKolomSoort::Geheel;
    default:
        return TKolomSoort::Getal;
    }
}

std::vector<std::string> SplitsRegel(std::string_view regel, char scheidingsteken) {
    std::vector<std::string> velden;
    VoorElkVeld(regel, scheidingsteken, [&](int, std::string_view veld) { velden.emplace_back(veld); });
    return velden;
}

std::string_view EersteRegel(std::string_view inhoud) {
    return VolgendeRegel(inhoud);
}

bool ControleerKoppen(std::string_view kopregel, TKoppen& koppen, const TTabelMelding& melding) {
    if (kopregel.find('@') != std::string_view::npos)
        koppen.Scheidingsteken = '@';
    else if (kopregel.find('\t') != std::string_view::npos)
        koppen.Scheidingsteken = '\t';
    else {
        melding("Scheidingsteken moet een @ of tab zijn.");
        return false;
    }
    koppen.KolomNummers.fill(0);
    bool goed = true;
    VoorElkVeld(kopregel, koppen.Scheidingsteken, [&](int k, std::string_view veld) {
        const std::string naam = Hoofdletters(veld);
        int kolom = 0;
        for (int i = 1; i <= kAantalKolommen && kolom == 0; ++i)
            if (naam == KolomNamen[static_cast<std::size_t>(i)]) kolom = i;
        // Positions beyond the map have no column, whatever their name.
        if (k <= kMaxVelden) koppen.KolomNummers[static_cast<std::size_t>(k)] = kolom;
        if (kolom == 0 && koppen.Scheidingsteken == '\t') {
            melding("Ongeldige kolomkop: " + KortAf(veld));
            goed = false;
        }
    });
    return goed;
}

TGelezenTabel LeesInvoerbestand(std::string_view inhoud, const TKoppen& koppen,
                                const TTabelMelding& melding) {
    TGelezenTabel tabel;
    VolgendeRegel(inhoud);
    // A position without a column is reported once, not for every line again.
    std::set<int> gemeld;
    int n = 0;
    while (!inhoud.empty()) {
        const std::string_view regel = VolgendeRegel(inhoud);
        // A line of blanks or separators only (a spreadsheet's empty row) is no farm.
        if (std::all_of(regel.begin(), regel.end(),
                        [&](char c) { return IsWit(c) || c == koppen.Scheidingsteken; }))
            continue;
        ++n;
        TPlan plan;
        plan.Naam = "Bedrijf " + std::to_string(n);
        // A value the plan lost is reported now and kept for the plan's line in the run.
        const auto planMelding = [&](const std::string& tekst) {
            plan.Leesfouten.push_back(tekst);
            melding(tekst);
        };
        VoorElkVeld(regel, koppen.Scheidingsteken, [&](int k, std::string_view veld) {
            try {
                if (k == 2) {
                    plan.Versie = tabel.InvoerVersie = 0;
                    if (!veld.empty()) plan.Versie = tabel.InvoerVersie = Versie(veld);
                    return;
                }
                if (veld.empty() || k > kMaxVelden) return;
                const int kolom = koppen.KolomNummers[static_cast<std::size_t>(k)];
                if (kolom == 0) {
                    if (koppen.Scheidingsteken == '\t' && gemeld.insert(k).second)
                        melding("Onbekend kolomnr: " + std::to_string(k));
                    return;
                }
                ZetKolom(plan, kolom, veld, planMelding);
            } catch (const EConversie& e) {
                planMelding("Probleem bij bedrijf: " + std::to_string(n) + " en kolom" + std::to_string(k) +
                            "\n" + e.Melding);
            }
        });
        tabel.Plannen.push_back(std::move(plan));
    }
    return tabel;
}
