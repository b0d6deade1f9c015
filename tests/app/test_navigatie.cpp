// The rules of the page navigation, the option codes and the signed texts and colours of
// the result pages, without a window.
#include "Berekening.h"
#include "Navigatie.h"

#include "Getallen.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {
using C = TControleVooraf;
using A = TAfzender;

// The tabs of a module choice: the fixed ones and those of the modules named.
std::array<bool, 14> Tabs(bool bea, bool bep, bool ben) {
    std::array<bool, 14> z{};
    for (int p : {0, 1, 2, 3, 4, 5, 9, 13})
        z[static_cast<std::size_t>(p)] = true;
    z[6] = z[10] = bea;
    z[7] = z[11] = bep;
    z[8] = z[12] = ben;
    return z;
}

std::array<bool, 9> Geldig(std::initializer_list<int> fout = {}) {
    std::array<bool, 9> g{};
    g.fill(true);
    for (int p : fout)
        g[static_cast<std::size_t>(p)] = false;
    return g;
}

struct NavGeval {
    const char* Naam;
    int Oud;
    int Nieuw;
    A Afzender;
    std::array<bool, 9> Geldig;
    std::array<bool, 14> Zichtbaar;
    bool Berekend;
    // Expected
    bool Vouwen;
    C ControleOud;
    bool Berekenen;
    int Doel;
    bool Vullen;
    bool ControleerDoel;
    bool Melding;
};

class Navigatie : public ::testing::TestWithParam<NavGeval> {};

TEST_P(Navigatie, Besluit) {
    const NavGeval& g = GetParam();
    TNavigatieVraag v;
    v.Oud = g.Oud;
    v.Nieuw = g.Nieuw;
    v.Afzender = g.Afzender;
    v.Geldig = g.Geldig;
    v.Zichtbaar = g.Zichtbaar;
    v.Berekend = g.Berekend;
    const TNavigatieBesluit b = BepaalNavigatie(v);
    EXPECT_EQ(b.Vouwen, g.Vouwen);
    EXPECT_EQ(b.ControleOud, g.ControleOud);
    EXPECT_EQ(b.Berekenen, g.Berekenen);
    EXPECT_EQ(b.Doel, g.Doel);
    EXPECT_EQ(b.VulResultaten, g.Vullen);
    EXPECT_EQ(b.ControleerDoel, g.ControleerDoel);
    EXPECT_EQ(b.Melding, g.Melding);
    // What happens before the decision does not depend on the state.
    v.Geldig = Geldig({0, 1, 2, 3, 4, 5, 6, 7, 8});
    v.Berekend = !v.Berekend;
    const TNavigatieBesluit vooraf = BepaalNavigatie(v);
    EXPECT_EQ(vooraf.Vouwen, b.Vouwen);
    EXPECT_EQ(vooraf.ControleOud, b.ControleOud);
    EXPECT_EQ(vooraf.Berekenen, b.Berekenen);
}

const auto kBex = Tabs(false, false, false);
const auto kAlle = Tabs(true, true, true);

INSTANTIATE_TEST_SUITE_P(
    Regels, Navigatie,
    ::testing::Values(
        // Result pages: the page left is re-checked silently, then the driver decides.
        NavGeval{"ResultaatBerekend", 5, 9, A::PaginaControle, Geldig(), kBex, true, false, C::Stil, true, 9,
                 true, false, false},
        NavGeval{"ResultaatNietGeldig", 0, 9, A::PaginaControle, Geldig({1, 3}), kBex, false, false, C::Stil,
                 true, 1, false, false, true},
        // An error escaped the driver while all pages are valid: the page stays.
        NavGeval{"ResultaatFoutInDriver", 2, 13, A::PaginaControle, Geldig(), kBex, false, false, C::Stil,
                 true, 2, false, false, false},
        // A batch calculates with invalid pages; the first of them is still gone to.
        NavGeval{"ResultaatBatchMetFouten", 8, 9, A::OkKnop, Geldig({7}), kAlle, true, false, C::Stil, true,
                 7, true, false, true},
        NavGeval{"ResultaatNaarResultaat", 9, 12, A::PaginaControle, Geldig(), kAlle, true, false, C::Geen,
                 true, 12, true, false, false},
        // Backwards: always, the page left checked silently (and folded when a stock page).
        NavGeval{"TerugVanOngeldigePagina", 3, 1, A::PaginaControle, Geldig({1, 3}), kBex, false, true,
                 C::Stil, false, 1, false, false, false},
        // One page on: only past a valid page; the next one is checked silently.
        NavGeval{"VolgendeGeldig", 1, 2, A::PaginaControle, Geldig(), kBex, false, false, C::MetMeldingen,
                 false, 2, false, true, false},
        NavGeval{"VolgendeOngeldig", 1, 2, A::PaginaControle, Geldig({1}), kBex, false, false,
                 C::MetMeldingen, false, 1, false, false, false},
        // A jump: the lowest invalid page on the way, or the page chosen (checked) when none.
        NavGeval{"SprongNaarEersteFout", 0, 5, A::PaginaControle, Geldig({3, 4}), kBex, false, false,
                 C::MetMeldingen, false, 3, false, false, false},
        NavGeval{"SprongZonderFout", 0, 5, A::PaginaControle, Geldig({7}), kBex, false, false,
                 C::MetMeldingen, false, 5, false, true, false},
        NavGeval{"ZelfdePagina", 2, 2, A::PaginaControle, Geldig({2}), kBex, false, false, C::MetMeldingen,
                 false, 2, false, true, false},
        NavGeval{"SprongVanafOngeldigePagina", 2, 8, A::PaginaControle, Geldig({2, 6}), kAlle, false, false,
                 C::MetMeldingen, false, 2, false, false, false},
        // An OK button or code goes where it points, without checks.
        NavGeval{"OkKnop", 4, 5, A::OkKnop, Geldig({5}), kBex, false, false, C::Geen, false, 5, false, false,
                 false},
        NavGeval{"Code", 0, 3, A::Anders, Geldig({0, 1, 2}), kBex, false, false, C::Geen, false, 3, false,
                 false, false},
        // Never a hidden tab: the nearest shown page before it.
        NavGeval{"CodeNaarVerborgenPagina", 0, 7, A::Anders, Geldig(), kBex, false, false, C::Geen, false, 5,
                 false, false, false},
        NavGeval{"VerborgenResultaatpagina", 0, 11, A::Anders, Geldig(), Tabs(true, false, false), true,
                 false, C::Stil, true, 10, false, false, false}),
    [](const auto& info) { return std::string(info.param.Naam); });

TEST(VolgendePagina, DeEerstvolgendeZichtbarePagina) {
    EXPECT_EQ(VolgendePagina(0, kBex), 1);
    // Pressing OK on the closing stock with BEX alone leads to the BEX results.
    EXPECT_EQ(VolgendePagina(5, kBex), 9);
    EXPECT_EQ(VolgendePagina(5, Tabs(false, true, false)), 7);
    EXPECT_EQ(VolgendePagina(6, Tabs(true, false, true)), 8);
    EXPECT_EQ(VolgendePagina(7, Tabs(false, true, false)), 9);
    EXPECT_EQ(VolgendePagina(8, kAlle), 9);
    EXPECT_EQ(VolgendePagina(13, kAlle), 13);
}

// --- Option codes ---

struct CodeGeval {
    const char* Tekst;
    const char* Code;
};
class OptieCodes : public ::testing::TestWithParam<CodeGeval> {};

TEST_P(OptieCodes, TekstGeeftCode) {
    const auto code = OptieCode(OptieSleutel(QString::fromUtf8(GetParam().Tekst)));
    ASSERT_TRUE(code.has_value()) << GetParam().Tekst;
    EXPECT_EQ(*code, GetParam().Code);
}

INSTANTIATE_TEST_SUITE_P(
    Lijsten, OptieCodes,
    ::testing::Values(
        CodeGeval{"Middle or large", "NORM"}, CodeGeval{"Cross breed jersey", "KRUISLING"},
        CodeGeval{"CROSS BREED JERSEY", "KRUISLING"}, CodeGeval{"crossbreedJersey", "KRUISLING"},
        CodeGeval{" Cross  breed jersey ", "KRUISLING"}, CodeGeval{"Jersey", "JERSEY"},
        CodeGeval{"None", "GEEN"}, CodeGeval{"Limited", "BEPERKT"}, CodeGeval{"Unlimited", "ONBEPERKT"},
        CodeGeval{"Zero grazing unlimited", "ZSTVO"}, CodeGeval{"Zero grazing limited", "ZSTVB"},
        CodeGeval{"Cubicle house with slatted floor without a manure scraper", "NIETEMARM1"},
        CodeGeval{"Cubicle house with slatted floor with a manure scraper", "NIETEMARM2"},
        CodeGeval{"Cubicle house with a solid non sloping floor without manure gutter", "NIETEMARM3"},
        CodeGeval{"Cubicle house with a solid non sloping floor with manure gutter", "NIETEMARM4"},
        CodeGeval{"Cubicle house with a slotted floor", "EMARM1"},
        CodeGeval{"Cubicle house with a sloping floor", "EMARM2"},
        CodeGeval{"Grup stable with liquid manure", "EMARM3"},
        CodeGeval{"Grup stable with solid manure", "NIETEMARM5"}, CodeGeval{"Deep litter", "NIETEMARM6"},
        CodeGeval{"Sand", "ZAND"}, CodeGeval{"Clay", "KLEI"}, CodeGeval{"Peat", "VEEN"},
        CodeGeval{"I - V", "I-V"}, CodeGeval{"VI", "VI"}, CodeGeval{"VII - VIII", "VII-VIII"}));

TEST(OptieCodes, SleutelZonderSpatiesInKleineLetters) {
    EXPECT_EQ(OptieSleutel("Cross breed jersey"), "crossbreedjersey");
    // Only the blank goes; a tab stays, and only ASCII letters are lowered.
    EXPECT_EQ(OptieSleutel("A\tB É"), "a\tbÉ");
    EXPECT_EQ(OptieSleutel(""), "");
    EXPECT_FALSE(OptieCode("").has_value());
    EXPECT_FALSE(OptieCode("jersey ").has_value());
    EXPECT_FALSE(OptieCode("Jersey").has_value());
}

// --- Signed texts and colours ---

struct PlusMinGeval {
    float Waarde;
    const char* Tekst;
};
class PlusMin : public ::testing::TestWithParam<PlusMinGeval> {};

TEST_P(PlusMin, Tekst) {
    EXPECT_EQ(PlusMinTekst(GetParam().Waarde), GetParam().Tekst);
}

INSTANTIATE_TEST_SUITE_P(Waarden, PlusMin,
                         ::testing::Values(PlusMinGeval{0.3f, "+0"}, PlusMinGeval{-0.4f, "-0"},
                                           PlusMinGeval{0, "0"}, PlusMinGeval{-0.0f, "0"},
                                           PlusMinGeval{12.5f, "+13"}, PlusMinGeval{-20000, "-20000"},
                                           PlusMinGeval{2.5f, "+3"}));

// Only the first character counts; the rest of the colours the result labels show.
TEST(Kleuren, NaarHetEersteTeken) {
    EXPECT_EQ(KleurVoordeel(" +1"), kKleurZwart);
    EXPECT_EQ(KleurNadeel(" -1"), kKleurZwart);
    EXPECT_EQ(KleurNadeel("0"), kKleurZwart);
    EXPECT_EQ(KleurNadeel(""), kKleurZwart);
}
} // namespace
