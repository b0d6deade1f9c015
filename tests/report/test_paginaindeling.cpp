// The page count and the page map over the module choices and the stock sizes, with the
// packing of the stock sections into pages of at most 40 lines (39 for closing stock).
#include "OpnameCanvas.h"
#include "PaginaIndeling.h"
#include "Rapport.h"

#include "Getallen.h"
#include "QtPrinten.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using enum TPaginaSoort;

struct TModules {
    bool BEA = false;
    bool BEP = false;
    bool BEN = false;
};

TMomentopname Opname(TModules mod) {
    TMomentopname m = VoorbeeldOpname();
    m.ModuleBEA = mod.BEA;
    m.ModuleBEP = mod.BEP;
    m.ModuleBEN = mod.BEN;
    return m;
}

std::vector<TPaginaKeuze> Kaart(const TMomentopname& m) {
    std::vector<TPaginaKeuze> k;
    for (int p = 1; p <= PaginaAantal(m); ++p)
        k.push_back(KiesPagina(m, p));
    return k;
}

const TPaginaKeuze V1{Voorraad, 1, 1}, V2{Voorraad, 2, 1}, V3{Voorraad, 3, 1};

TEST(PaginaIndeling, PaginasPerModuleKeuze) {
    const std::pair<TModules, std::vector<TPaginaKeuze>> gevallen[] = {
        {{}, {{Voorblad}, {BEX}, {Analyse}, {Invoer}, V1, V2, V3}},
        {{true}, {{Voorblad}, {BEX}, {BEA}, {Analyse}, {Invoer}, {ModuleInvoer}, V1, V2, V3}},
        {{false, true}, {{Voorblad}, {BEX}, {BEP}, {Analyse}, {Invoer}, {ModuleInvoer}, V1, V2, V3}},
        {{true, true}, {{Voorblad}, {BEX}, {BEA}, {BEP}, {Analyse}, {Invoer}, {ModuleInvoer}, V1, V2, V3}},
        {{true, true, true},
         {{Voorblad}, {BEX}, {BEA}, {BEP}, {BEN}, {Analyse}, {Invoer}, {ModuleInvoer}, V1, V2, V3}},
        // BEP and BEN without BEA: BEP is page 3, BEN page 4.
        {{false, true, true},
         {{Voorblad}, {BEX}, {BEP}, {BEN}, {Analyse}, {Invoer}, {ModuleInvoer}, V1, V2, V3}},
    };
    for (const auto& [mod, kaart] : gevallen) {
        const TMomentopname m = Opname(mod);
        EXPECT_EQ(PaginaAantal(m), static_cast<int>(kaart.size())) << ModuleTag(m).toStdString();
        EXPECT_EQ(Kaart(m), kaart) << ModuleTag(m).toStdString();
        // Nothing past the last page, nothing before the first.
        EXPECT_EQ(KiesPagina(m, PaginaAantal(m) + 1), TPaginaKeuze{});
        EXPECT_EQ(KiesPagina(m, 0), TPaginaKeuze{});
    }
}

struct TVoorraadGeval {
    const char* Naam;
    int Moment;
    std::vector<int> Partijen; // per kind 1..5
    int Regels;
    std::vector<std::vector<int>> Verdeling;
};

TEST(PaginaIndeling, VoorraadsectiesInPaginasVanHoogstens40Regels) {
    const TVoorraadGeval gevallen[] = {
        {"leeg", mBegin, {0, 0, 0, 0, 0}, 0, {{}}},
        {"14+10+7: 40 lines", mBegin, {14, 10, 7, 0, 0}, 40, {{1, 2, 3}}},
        {"15+10+7: 41 lines", mBegin, {15, 10, 7, 0, 0}, 41, {{1, 2}, {3}}},
        {"15+10+6: 40 lines", mAanleg, {15, 10, 6, 0, 0}, 40, {{1, 2, 3}}},
        {"a full section: three pages", mAanleg, {15, 10, 20, 20, 3}, 83, {{1, 2}, {3}, {4, 5}}},
        {"only milk powder", mBegin, {0, 0, 0, 0, 1}, 4, {{5}}},
        // Closing stock holds 39 lines a page: 40 lines take two pages.
        {"closing stock, 40 lines", mEind, {14, 10, 7, 0, 0}, 40, {{1, 2}, {3}}},
        {"closing stock, 39 lines", mEind, {13, 10, 7, 0, 0}, 39, {{1, 2, 3}}},
        {"closing stock, full", mEind, {15, 10, 20, 20, 3}, 83, {{1, 2}, {3}, {4, 5}}},
    };
    for (const TVoorraadGeval& g : gevallen) {
        TMomentopname m = Opname({});
        for (int k = kGK; k <= kMP; ++k)
            ZetPartijen(m, g.Moment, k, g.Partijen[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ(AantalRegelsVoorraad(m, g.Moment, 0), g.Regels) << g.Naam;
        EXPECT_EQ(AantalRegelsVoorraad(m, 0, 0), g.Regels) << g.Naam;
        EXPECT_EQ(VoorraadVerdeling(m, g.Moment), g.Verdeling) << g.Naam;
        const int paginas = static_cast<int>(g.Verdeling.size());
        EXPECT_EQ(AantalVoorraadPaginas(m, g.Moment), paginas) << g.Naam;
        EXPECT_EQ(PaginaAantal(m), 6 + paginas) << g.Naam;
        // The section's pages are numbered from its first page, in order.
        const int eerste = VoorraadPagina(m, g.Moment, 1);
        EXPECT_EQ(VoorraadPagina(m, g.Moment, 2), eerste + paginas - 1) << g.Naam;
        for (int d = 1; d <= paginas; ++d)
            EXPECT_EQ(KiesPagina(m, eerste + d - 1), (TPaginaKeuze{Voorraad, g.Moment, d})) << g.Naam;
    }
}

TEST(PaginaIndeling, EerstEnLaatstePaginaPerSectie) {
    TMomentopname m = Opname({true, true, true});
    ZetPartijen(m, mBegin, kGK, 15);
    ZetPartijen(m, mBegin, kNAT, 20);
    ZetPartijen(m, mEind, kKV, 20);
    ZetPartijen(m, mEind, kNAT, 20);
    // Sections of 2, 1 and 2 pages after the eight pages before them.
    const int verwacht[3][2] = {{9, 10}, {11, 11}, {12, 13}};
    for (int s = 1; s <= 3; ++s)
        for (int w = 1; w <= 2; ++w)
            EXPECT_EQ(VoorraadPagina(m, s, w), verwacht[s - 1][w - 1]) << s << " " << w;
    EXPECT_EQ(PaginaAantal(m), 13);
    EXPECT_EQ(AantalVoorraadPaginas(m, 0), 5);
    EXPECT_EQ(AantalRegelsVoorraad(m, mBegin, kNAT), 23);
    EXPECT_EQ(AantalRegelsVoorraad(m, mBegin, kSM), 0);
}

// Only batches with an amount that is not empty and not 0 count; an amount that is no
// number stops the count with its own text in the message.
TEST(PaginaIndeling, WelkeHoeveelhedenTellen) {
    struct TGeval {
        const char* Hoeveelheid;
        char Decimaalteken;
        int Regels;
        const char* Fout;
    };
    const TGeval gevallen[] = {
        {"", '.', 0, nullptr},
        {"0", '.', 0, nullptr},
        {"0.0", '.', 0, nullptr},
        {"0,0", ',', 0, nullptr},
        {"12.5", '.', 4, nullptr},
        {"12,5", ',', 4, nullptr},
        {"-3", '.', 4, nullptr},
        {"12,5", '.', 0, "'12,5' is not a valid floating point value"},
        {"abc", '.', 0, "'abc' is not a valid floating point value"},
        {"-", '.', 0, "'-' is not a valid floating point value"},
        {" ", '.', 0, "' ' is not a valid floating point value"},
    };
    for (const TGeval& g : gevallen) {
        SetDecimalSeparator(g.Decimaalteken);
        TMomentopname m = Opname({});
        auto& rij = m.Voorraad[mAanleg][kKV].Rijen[4];
        rij[1] = QStringLiteral("Brok");
        rij[2] = QString::fromLatin1(g.Hoeveelheid);
        if (g.Fout) {
            try {
                PaginaAantal(m);
                ADD_FAILURE() << "no error for " << g.Hoeveelheid;
            } catch (const std::runtime_error& e) {
                EXPECT_EQ(std::string(e.what()), g.Fout);
            }
        } else {
            EXPECT_EQ(AantalRegelsVoorraad(m, mAanleg, kKV), g.Regels) << g.Hoeveelheid;
            EXPECT_EQ(PaginaAantal(m), 7) << g.Hoeveelheid;
        }
    }
    SetDecimalSeparator('.');
}

} // namespace
