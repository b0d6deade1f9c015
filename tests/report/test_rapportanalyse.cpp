// The analysis page on a recording surface, for dairy cows and for young stock.
#include "RapportToets.h"

#include <tuple>

namespace {

TMomentopname AnalyseOpname(const char* groep) {
    TMomentopname m = VoorbeeldOpname();
    m.Diercategorie = QString::fromLatin1(groep);
    TTvUitvoer& u = m.Uitvoer;
    u.MelkPerHa = "15000", u.JvPer10Mk = "7.5", u.KvPer100kgMelk = "22.1";
    u.PcVoordeelSpec = {"+12", "-3"};
    u.MelkProdMax = {"16000", "14000"};
    for (int i = 0; i <= 6; ++i) {
        const std::string n = std::to_string(i);
        u.RantsVerbruik[i] = "V" + n, u.RantsAandeel[i] = "A" + n, u.RantsGehVem[i] = "E" + n;
        u.RantsGehRe[i] = "R" + n, u.RantsGehP[i] = "P" + n, u.RantsReKvem[i] = "K" + n,
        u.RantsPKvem[i] = "Q" + n;
    }
    auto& v = m.Invoer.Voorraden;
    v[mBegin][kGK] = {.Hoev = 100000, .Vem = 900, .Re = 160, .P = 4.2f};
    v[mEind][kGK] = {.Hoev = 80000, .Vem = 880, .Re = 150, .P = 4.0f};
    v[mBegin][kSM] = {.Hoev = 5000, .Vem = 0, .Re = 70, .P = 2};     // no VEM: 0 and 0.0
    v[mEind][kSM] = {.Hoev = 5000, .Vem = 950, .Re = 76, .P = 1.9f}; // no change: "0"
    v[mBegin][kMP] = {.Hoev = 100, .Vem = 1500, .Re = 230, .P = 7};
    v[mEind][kMP] = {.Hoev = 350, .Vem = 1500, .Re = 230, .P = 7};
    return m;
}

// The rows of the page for "MK" and, five rows higher from the stock band on, for "JV".
TEST(RapportAnalyse, RijenPerDiercategorie) {
    for (const char* groep : {"MK", "JV"}) {
        const TOpnameCanvas c = Teken(AnalyseOpname(groep), 3);
        const bool mk = QLatin1String(groep) == QLatin1String("MK");
        const double d = mk ? 0 : -5; // the shift from the stock band on
        SCOPED_TRACE(groep);

        std::vector<TVerwacht> verhoudingen;
        const std::tuple<const char*, const char*, const char*, bool> regels[] = {
            {"Milk per ha", "15000", "   kg", true},
            {"No. of youngstock per 10 milk cows", "7.5", "   no.", true},
            {"Concentrate  per 100 kg milk", "22.1", "   kg", true},
            {"Advantage farm-specific, nitrogen", "+12", "   %", false},
            {"Advantage farm-specific, phosphate", "-3", "   %", false},
            {"Maximum milk production without manure disposal, nitrogen", "16000", "   kg ha-1", true},
            {"Maximum milk productie without manure disposal, phosphate", "14000", "   kg ha-1", true},
        };
        int rij = 7;
        for (const auto& [label, waarde, eenheid, alleenMk] : regels) {
            if (alleenMk && !mk) {
                EXPECT_FALSE(c.Zoek(QString::fromLatin1(label))) << label;
                continue;
            }
            // Values black, whatever their sign.
            Controleer(c, {{QString::fromLatin1(label), 0, 0, double(rij)},
                           {QString::fromLatin1(waarde), 2, 19, double(rij)},
                           {QString::fromLatin1(eenheid), 0, 19, double(rij)}});
            ++rij;
        }
        EXPECT_EQ(rij, mk ? 14 : 9);

        Controleer(c, {
                          {"Analysis farm-specific excretion (diet characteristics)", 0, 0, 5, 11, true},
                          {"Feed stocks on the farm", 0, 0, 15 + d, 11, true},
                          {"Starting", 2, 8, 17 + d, 10, true},
                          {"Mutation", 2, 30, 17 + d, 10, true},
                          {"(unit*)", 2, 30, 18 + d, 10, true},
                          {"Consumption livestock", 2, 9, 27 + d, 10, true},
                          {"(vem (energy)/unit*)", 2, 16, 28 + d, 10, true},
                          {"Assumptions", 0, 0, 37 + d, 10, true},
                          {"950", 2, 9, 39 + d},
                          {"  Other feeding products: consumption, stocks and analysis shown in 'kg ds'.", 0,
                           0, 42 + d},
                      });
        const QString voeding = mk ? QStringLiteral("Feeding livestock (milk cows, incl. youngstock)")
                                   : QStringLiteral("Feeding livestock (youngstock)");
        Controleer(c, {voeding, 0, 0, 25 + d, 11, true});
        const std::vector<std::pair<int, TKleur>> banden = {
            {5, kTitelBand}, {int(15 + d), kSectieBand}, {int(25 + d), kSectieBand}};
        EXPECT_EQ(Banden(c), banden);

        // The ration lines: concentrates (6) before milk powder (5), the whole ration (0) last.
        const std::pair<const char*, int> rantsoen[] = {
            {"Grass", 1},        {"Grass silage", 2}, {"Maize", 3}, {"Other silage+residuals", 4},
            {"Concentrates", 6}, {"Milk powder", 5},  {"Diet", 0},
        };
        const std::pair<char, double> kolommen[] = {{'V', 9},  {'A', 12.5}, {'E', 16}, {'R', 19.5},
                                                    {'P', 23}, {'K', 26.5}, {'Q', 30}};
        for (int i = 0; i < 7; ++i) {
            const auto& [label, index] = rantsoen[i];
            const double r = 29 + d + i;
            EXPECT_EQ(TekstenOpRij(c, r).size(), 8) << label;
            Controleer(c, {QString::fromLatin1(label), 0, 0, r});
            for (const auto& [letter, kolom] : kolommen)
                Controleer(c, {QChar::fromLatin1(letter) + QString::number(index), 2, kolom, r});
        }
    }
}

// The stock lines: amounts, protein and phosphorus per 1000 VEM (0 without VEM) and the
// change over the year; milk powder shows its amounts only.
TEST(RapportAnalyse, Voorraadregels) {
    const TOpnameCanvas c = Teken(AnalyseOpname("MK"), 3);
    const std::tuple<int, QStringList> regels[] = {
        // 160 / 0.9 = 177.8, 4.2 / 0.9 = 4.67; 150 / 0.88 = 170.5, 4.0 / 0.88 = 4.55
        {19, {"Grass silage", "100000", "178", "4.7", "80000", "170", "4.5", "-20000"}},
        {20, {"Maize", "5000", "0", "0.0", "5000", "80", "2.0", "0"}},
        {21, {"Other silage+residuals", "0", "0", "0.0", "0", "0", "0.0", "0"}},
        {22, {"Concentrates", "0", "0", "0.0", "0", "0", "0.0", "0"}},
        {23, {"Milk powder", "100", "350", "+250"}},
    };
    for (const auto& [rij, teksten] : regels)
        EXPECT_EQ(TekstenOpRij(c, rij), teksten) << rij;
    Controleer(c, {{"100000", 2, 8, 19},
                   {"178", 2, 11, 19},
                   {"4.7", 2, 14, 19},
                   {"80000", 2, 19, 19},
                   {"170", 2, 22, 19},
                   {"4.5", 2, 25, 19},
                   {"-20000", 2, 30, 19},
                   {"350", 2, 19, 23},
                   {"+250", 2, 30, 23}});
}

} // namespace
