// The table of result figures: one entry per shown text of the result record, each label
// present on the result pages, the look-ups and the colour rules on screen and on paper.
#include "ResultaatVelden.h"
#include "Venster.h"

#include <set>
#include <string>
#include <utility>

namespace {

TEST(ResultaatVelden, EenRegelPerVeldEnLabel) {
    std::set<std::pair<std::string, int>> velden;
    std::set<std::string> labels;
    for (const TResultaatVeld& v : ResultaatVelden()) {
        EXPECT_TRUE(velden.emplace(std::string(v.Veld), v.Index).second) << v.Veld << v.Index;
        if (!v.Label.empty()) {
            EXPECT_TRUE(labels.emplace(v.Label).second) << v.Label;
        }
        EXPECT_EQ(ZoekResultaatVeld(v.Veld, v.Index), &v);
        // A colour taken from another figure names a plain field of the table.
        for (std::string_view van : {v.KleurVan, v.PapierKleurVan})
            if (!van.empty()) {
                EXPECT_NE(ZoekResultaatVeld(van), nullptr) << van;
            }
    }
    // BEX 18, BEA 28, BEP 35, BEN 12, analysis 7 + 49.
    EXPECT_EQ(velden.size(), 149u);
    EXPECT_EQ(ZoekResultaatVeld("ExcrSpecExc"), nullptr);
    EXPECT_EQ(ZoekResultaatVeld("Bestaat niet", 1), nullptr);
    EXPECT_EQ(ZoekResultaatLabel(""), nullptr);
    EXPECT_EQ(ZoekResultaatLabel("LblIntensiteit"), nullptr);
}

// Each figure reads its own field and index.
TEST(ResultaatVelden, TekstUitHetEigenVeld) {
    TTvUitvoer u{};
    u.ExcrSpecExc[2] = "3800";
    u.EmNh3Omb[3] = "1.2";
    u.RantsPKvem[6] = "4.5";
    u.P_normspec = "99";
    u.LachgasMais = "0.7";
    const std::tuple<const char*, int, const char*, const char*> gevallen[] = {
        {"ExcrSpecExc", 2, "LblExc12", "3800"},
        {"EmNh3Omb", 3, "LblEmissie23", "1.2"},
        // Concentrates (index 6) are row 5 of the analysis page's ration table.
        {"RantsPKvem", 6, "LblVoed57", "4.5"},
        {"P_normspec", 0, "", "99"},
        {"LachgasMais", 0, "LblLachgasMais", "0.7"},
    };
    for (const auto& [veld, index, label, tekst] : gevallen) {
        const TResultaatVeld* v = ZoekResultaatVeld(veld, index);
        ASSERT_NE(v, nullptr) << veld;
        EXPECT_EQ(v->Label, label);
        EXPECT_EQ(v->Tekst(u), tekst);
        if (*label) {
            EXPECT_EQ(ZoekResultaatLabel(label), v);
        }
    }
}

TEST(ResultaatVelden, KleurRegels) {
    const std::tuple<TKleurRegel, const char*, int> gevallen[] = {
        {TKleurRegel::Teken, "+12", 32768}, {TKleurRegel::Teken, "-3", 255},
        {TKleurRegel::Teken, "0", 0},       {TKleurRegel::Teken, "", 0},
        {TKleurRegel::Teken, " +1", 0},     {TKleurRegel::Nadeel, "+12", 255},
        {TKleurRegel::Nadeel, "-3", 32768}, {TKleurRegel::Nadeel, "", 0},
        {TKleurRegel::Geen, "+12", 0},      {TKleurRegel::Geen, "-3", 0},
    };
    for (const auto& [regel, tekst, kleur] : gevallen)
        EXPECT_EQ(KleurVolgensRegel(regel, tekst), kleur) << tekst;
}

// The BEP advantage row: on screen by the advantage in kg, on paper by the disposal
// advantage; the BEN differences are coloured on screen only.
TEST(ResultaatVelden, SchermEnPapierKleuren) {
    TTvUitvoer u{};
    u.FosfVoordeel = "-40";
    u.FosfPcVoordeel = "+2.0";
    u.BepMestafzetVoor = "+40";
    u.NoverGrasVerschil = "+12";
    u.ExcrVoordeel[1] = "-5";
    const std::tuple<const char*, int, int> gevallen[] = {
        {"FosfVoordeel", 255, 32768},  {"FosfPcVoordeel", 255, 32768}, {"BepMestafzetVoor", 32768, 32768},
        {"NoverGrasVerschil", 255, 0}, {"ExcrSpecExc", 0, 0},
    };
    for (const auto& [veld, scherm, papier] : gevallen) {
        const TResultaatVeld* v = ZoekResultaatVeld(veld, std::string_view(veld) == "ExcrSpecExc" ? 1 : 0);
        ASSERT_NE(v, nullptr) << veld;
        EXPECT_EQ(SchermKleur(*v, u), scherm) << veld;
        EXPECT_EQ(PapierKleur(*v, u), papier) << veld;
    }
    const TResultaatVeld* voordeel = ZoekResultaatVeld("ExcrVoordeel", 1);
    EXPECT_EQ(PapierKleur(*voordeel, u), 255);
}

// Every label of the table is a label of the result pages, and each gets its figure.
class ResultaatVeldenVenster : public VensterTest {};

TEST_F(ResultaatVeldenVenster, ElkLabelOpDePaginaGevuld) {
    // A distinct text for every figure, so a label bound to the wrong field shows.
    TTvUitvoer u{};
    int n = 0;
    for (const TResultaatVeld& v : ResultaatVelden())
        const_cast<std::string&>(v.Tekst(u)) = "t" + std::to_string(++n);
    w->Uitvoer = u;
    for (int pagina = 9; pagina <= 13; ++pagina)
        w->VulResultaatPagina(pagina);
    for (const TResultaatVeld& v : ResultaatVelden()) {
        if (v.Label.empty()) continue;
        const QString naam = QString::fromLatin1(v.Label.data(), static_cast<int>(v.Label.size()));
        EXPECT_EQ(T(naam).toStdString(), v.Tekst(u)) << v.Label;
    }
}

} // namespace
