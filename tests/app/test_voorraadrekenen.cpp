// The arithmetic and the checks of a stock grid on cell texts, without widgets.
#include "Getallen.h"
#include "VoorraadRekenen.h"

#include <gtest/gtest.h>

namespace {
// The decimal sign is process-wide: every test leaves it at ".".
class MetKomma {
public:
    MetKomma() { SetDecimalSeparator(','); }
    ~MetKomma() { SetDecimalSeparator('.'); }
};

TCelTabel Tabel(int soort, const std::vector<QStringList>& regels) {
    TCelTabel t(BatchRegels(soort));
    for (std::size_t i = 0; i < regels.size(); ++i)
        t.Regel(static_cast<int>(i) + 1, regels[i]);
    return t;
}

// --- Limits ---

struct GrensGeval {
    int Soort;
    int Kolom;
    int Min;
    int Max;
};

class GrenzenTest : public ::testing::TestWithParam<GrensGeval> {};

TEST_P(GrenzenTest, BeideGrenzenGeldigErbuitenNiet) {
    const auto g = GetParam();
    EXPECT_EQ(Grenzen(g.Soort, g.Kolom).Min, g.Min);
    EXPECT_EQ(Grenzen(g.Soort, g.Kolom).Max, g.Max);
    // One batch at each bound passes; one just outside fails.
    const auto check = [&](const QString& waarde) {
        TCelTabel t(BatchRegels(g.Soort));
        t.Regel(1, {"Partij", "100", "1000", "150", "24.00", "4", "100"});
        if (g.Soort == 5) t.Regel(1, {"Partij", "100", "2000", "150", "24.00", "10", "100"});
        t.SetCells(g.Kolom, 1, waarde);
        return ControleerCellen(t, g.Soort, true);
    };
    EXPECT_TRUE(check(QString::number(g.Min)).isEmpty());
    EXPECT_TRUE(check(QString::number(g.Max)).isEmpty());
    if (g.Kolom == 7 && g.Soort > 2) return; // crude ash is checked on silage only
    const QStringList onder = check(QString::number(g.Min - 0.5));
    const QStringList boven = check(QString::number(g.Max + 0.5));
    ASSERT_EQ(boven.size(), 1);
    EXPECT_TRUE(boven[0].contains(QStringLiteral(" content is outside the interval [") +
                                  QString::number(g.Min) + ".." + QString::number(g.Max) + "] for Partij"))
        << boven[0].toStdString();
    EXPECT_EQ(onder, boven);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, GrenzenTest,
    ::testing::Values(GrensGeval{1, 3, 500, 1500}, GrensGeval{2, 3, 500, 1500}, GrensGeval{3, 3, 100, 3500},
                      GrensGeval{4, 3, 0, 3500}, GrensGeval{5, 3, 1000, 3500}, GrensGeval{1, 4, 10, 500},
                      GrensGeval{2, 4, 10, 500}, GrensGeval{3, 4, 10, 800}, GrensGeval{4, 4, 0, 3000},
                      GrensGeval{5, 4, 100, 800}, GrensGeval{1, 5, 1, 100}, GrensGeval{3, 5, 1, 100},
                      GrensGeval{4, 5, 0, 500}, GrensGeval{5, 5, 10, 150}, GrensGeval{2, 6, 0, 50},
                      GrensGeval{3, 6, 0, 50}, GrensGeval{4, 6, 0, 100}, GrensGeval{5, 6, 5, 100},
                      GrensGeval{1, 7, 0, 500}, GrensGeval{2, 7, 0, 500}, GrensGeval{3, 7, 0, 1000},
                      GrensGeval{5, 7, 0, 1000}));

TEST(Grenzen, VreEnAndereKolommen) {
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(Grenzen(k, 8).Min, 0);
        EXPECT_EQ(Grenzen(k, 8).Max, 1000);
        for (int c : {0, 1, 2, 9}) {
            EXPECT_EQ(Grenzen(k, c).Min, 0);
            EXPECT_EQ(Grenzen(k, c).Max, 0);
        }
    }
}

// --- Totals ---

TEST(Totalen, StreepjeLegeEnOngeldigeCellenTellenNul) {
    // "-" as amount and a text that is no number count 0; a row without amount adds
    // nothing; an empty cell is skipped.
    const TVelden w = BerekenGemiddelden(Tabel(4, {{"A", "2000", "1000", "160", "25.6", "5"},
                                                   {"B", "-", "9000"},
                                                   {"C", "", "9000", "999"},
                                                   {"D", "2000", "abc", "", "x", "3"}}));
    EXPECT_EQ(VeldTekst(1, w[1]), "4000");
    EXPECT_EQ(VeldTekst(2, w[2]), "500");
    EXPECT_EQ(VeldTekst(3, w[3]), "80");
    EXPECT_EQ(VeldTekst(4, w[4]), "12.80");
    EXPECT_EQ(VeldTekst(5, w[5]), "4.00");
}

TEST(Totalen, NulHoeveelheidGeeftNulGehalten) {
    const TVelden w = BerekenGemiddelden(Tabel(2, {{"A", "0", "900", "80"}, {"B", "", "1000"}}));
    for (int f = 1; f <= 7; ++f)
        EXPECT_EQ(w[static_cast<std::size_t>(f)], 0.0f) << f;
}

TEST(Totalen, VerkoopNegatiefEnAlleenGekozenRegels) {
    const TCelTabel t = Tabel(1, {{"A", "3000", "900", "150"}, {"Verkoop", "-1000", "900", "150"}});
    EXPECT_EQ(VeldTekst(1, BerekenGemiddelden(t)[1]), "2000");
    const TVelden alleenTwee = BerekenGemiddelden(t, [](int r) { return r == 2; });
    EXPECT_EQ(VeldTekst(1, alleenTwee[1]), "-1000");
    EXPECT_EQ(VeldTekst(2, alleenTwee[2]), "900");
}

TEST(Totalen, GetallenMetHetDecimaalteken) {
    const MetKomma komma;
    const TVelden w = BerekenGemiddelden(Tabel(1, {{"A", "1000,5", "900", "", "2,5"}, {"B", "1.5", "800"}}));
    // "1.5" is no number with a decimal comma and counts 0.
    EXPECT_EQ(VeldTekst(1, w[1]), "1001");
    EXPECT_EQ(VeldTekst(4, w[4]), "2,50");
}

// --- Best silage ---

TEST(BesteKuil, ZonderNGeenBesteKuil) {
    EXPECT_FALSE(BesteKuil(Tabel(1, {{"A", "1000", "900", "150", ""}})));
}

TEST(BesteKuil, MarkeringsregelGeeftZijnEigenInhoud) {
    const std::vector<QStringList> regels = {{"A", "1000", "900", "150", "24.00"},
                                             {"Beste kuil 2011", "0.01", "", ""}};
    EXPECT_EQ(BesteKuil(Tabel(1, regels)), TVelden{});
    const auto eigen =
        BesteKuil(Tabel(1, {regels[0], {"Beste kuil", "0.001", "975", "170", "27.20", "4.10", "95", "120"}}));
    EXPECT_EQ(eigen, (TVelden{0, 0, 975, 170, 27.2f, 4.1f, 95, 120}));
    // The marker is case-sensitive and needs an amount of at most 0.01.
    EXPECT_TRUE(BesteKuil(Tabel(1, {regels[0], {"beste kuil", "0"}})));
    EXPECT_TRUE(BesteKuil(Tabel(1, {regels[0], {"Beste kuil", "0.02"}})));
    EXPECT_TRUE(BesteKuil(Tabel(1, {regels[0], {"Beste kuil", "-"}})));
    EXPECT_EQ(BesteKuil(Tabel(1, {regels[0], {"Oude Beste kuil", "-0.005"}})), TVelden{});
}

// --- Grid check ---

TEST(ControleerCellen, MeldingenRegelVoorRegel) {
    const TCelTabel t = Tabel(2, {{"Kuil A", "1000", "", "80", "12.80", "3"},
                                  {"", "500", "1501", "80", "12.80", "60"},
                                  {"Overslaan", "0", "", ""},
                                  {"Ook overslaan", "-"},
                                  {"Kuil B", "200", "abc", "5", "0.80", "2"}});
    EXPECT_EQ(ControleerCellen(t, 2, false),
              QStringList({"VEM content was not filled for Kuil A", "Description was not filled for batch 2",
                           "VEM content is outside the interval [500..1500] for ",
                           "P content is outside the interval [0..50] for ",
                           "VEM content is outside the interval [500..1500] for Kuil B",
                           "RE content is outside the interval [10..500] for Kuil B",
                           "N content is outside the interval [1..100] for Kuil B"}));
}

TEST(ControleerCellen, RuwAsAlleenOpKuilenMetBEA) {
    const QStringList regel = {"Partij", "100", "1000", "100", "16.00", "5", ""};
    for (int k = 1; k <= 5; ++k) {
        TCelTabel t(BatchRegels(k));
        t.Regel(1, regel);
        if (k == 5) t.SetCells(3, 1, "2000");
        EXPECT_TRUE(ControleerCellen(t, k, false).isEmpty()) << k;
        const QStringList metAs = ControleerCellen(t, k, true);
        if (k <= 2)
            EXPECT_EQ(metAs, QStringList({"RAS content was not filled for Partij"})) << k;
        else
            EXPECT_TRUE(metAs.isEmpty()) << k;
    }
}

TEST(ControleerCellen, LegeRegelZonderVoedingswaardeIsGeldig) {
    EXPECT_TRUE(ControleerCellen(Tabel(1, {{"Kuil", "0"}}), 1, true).isEmpty());
    EXPECT_EQ(ControleerCellen(Tabel(1, {{"Kuil", "100", "", "100", "16", "4"}}), 1, false),
              QStringList({"VEM content was not filled for Kuil"}));
}

// --- Cells, hints, products ---

TEST(CelTekst, AlleenGetallenMetHetDecimaalteken) {
    EXPECT_TRUE(CelTekstToegestaan(1, "vrij, tekst 1.5"));
    EXPECT_TRUE(CelTekstToegestaan(3, ""));
    EXPECT_TRUE(CelTekstToegestaan(3, "12.5"));
    EXPECT_TRUE(CelTekstToegestaan(3, "12."));
    EXPECT_TRUE(CelTekstToegestaan(2, "-"));
    EXPECT_TRUE(CelTekstToegestaan(2, "-12"));
    EXPECT_FALSE(CelTekstToegestaan(3, "-"));
    EXPECT_FALSE(CelTekstToegestaan(3, "9a"));
    EXPECT_FALSE(CelTekstToegestaan(4, " "));
    EXPECT_FALSE(CelTekstToegestaan(4, "1e39")); // beyond a single-precision total
    {
        const MetKomma komma;
        EXPECT_FALSE(CelTekstToegestaan(3, "12.5"));
        EXPECT_TRUE(CelTekstToegestaan(3, "12,5"));
    }
}

TEST(CelHint, PerKolom) {
    EXPECT_EQ(CelHint(1, 1, false), "Description");
    EXPECT_EQ(CelHint(1, 2, false), "Amount");
    EXPECT_EQ(CelHint(2, 2, true), "Amount (negative = selling)");
    EXPECT_EQ(CelHint(1, 3, false), "Minimum: 500 - Maximum: 1500");
    EXPECT_EQ(CelHint(5, 5, true), "Minimum: 10 - Maximum: 150");
    EXPECT_EQ(CelHint(3, 7, false), "Minimum: 0 - Maximum: 1000");
    EXPECT_EQ(CelHint(1, 0, false), "");
    EXPECT_EQ(CelHint(1, 8, false), "");
    EXPECT_EQ(CelHint(1, -1, false), "");
}

TEST(NatProductUitTekst, VolledigeOfKorteNaamAndersOverig) {
    EXPECT_EQ(NatProductUitTekst("Aard.persvezel"), 7);
    EXPECT_EQ(NatProductUitTekst("Aardappelpersvezel"), 7);
    EXPECT_EQ(NatProductUitTekst("DDG"), 13);
    EXPECT_EQ(NatProductUitTekst("GPS granen"), 1);
    EXPECT_EQ(NatProductUitTekst("bierbostel"), 16); // exact comparison
    EXPECT_EQ(NatProductUitTekst("Totaal"), 16);     // not offered in the lists
    EXPECT_EQ(NatProductUitTekst(""), 16);
}
} // namespace
