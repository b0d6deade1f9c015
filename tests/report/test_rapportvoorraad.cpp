// The stock pages on a recording surface: section headings, batches, totals, purchase
// suffix, the page split and the credits of the closing stock.
#include "RapportToets.h"

#include "PaginaIndeling.h"

#include <tuple>

namespace {

// The texts of a stock line without the empty ones.
QStringList Regel(const TOpnameCanvas& c, int rij) {
    return TekstenOpRij(c, rij);
}

// The section headings: opening stock "Vem" and "C Ash (g)", the others "Vem (energy)" and
// "Ash (g)"; ash and VRE only with BEA.
TEST(RapportVoorraad, SectiekoppenVijfOfZevenKolommen) {
    const std::tuple<int, bool, QStringList> gevallen[] = {
        {1, false, {"Opening stock", "Amount", "Vem", "CP (g)", "N (g)", "P (g)"}},
        {1, true, {"Opening stock", "Amount", "Vem", "CP (g)", "N (g)", "P (g)", "C Ash (g)", "Vre (g)"}},
        {2, false, {"Stock increase and sales", "Amount", "Vem (energy)", "CP (g)", "N (g)", "P (g)"}},
        {2,
         true,
         {"Stock increase and sales", "Amount", "Vem (energy)", "CP (g)", "N (g)", "P (g)", "Ash (g)",
          "Vre (g)"}},
        {3, false, {"Closing stock", "Amount", "Vem (energy)", "CP (g)", "N (g)", "P (g)"}},
        {3,
         true,
         {"Closing stock", "Amount", "Vem (energy)", "CP (g)", "N (g)", "P (g)", "Ash (g)", "Vre (g)"}},
    };
    const double kolommen[] = {0, 15, 17.5, 20, 22.5, 25, 27.5, 30};
    for (const auto& [sectie, bea, koppen] : gevallen) {
        TMomentopname m = VoorbeeldOpname();
        m.ModuleBEA = bea;
        const int pagina = VoorraadPagina(m, sectie, 1);
        const TOpnameCanvas c = Teken(m, pagina);
        SCOPED_TRACE(koppen[0].toStdString() + (bea ? " BEA" : ""));
        EXPECT_EQ(Regel(c, 8), koppen);
        for (qsizetype i = 0; i < koppen.size(); ++i)
            Controleer(c, {koppen[i], i == 0 ? 0 : 2, kolommen[i], 8, 11, true});
        Controleer(c, {"Input", 0, 0, 5, 11, true});
        const std::vector<std::pair<int, TKleur>> banden = {{5, kTitelBand}, {8, kSectieBand}};
        EXPECT_EQ(Banden(c), banden);
    }
}

TMomentopname EenPartij(bool bea) {
    TMomentopname m = VoorbeeldOpname();
    m.ModuleBEA = bea;
    auto& gk = m.Voorraad[mBegin][kGK];
    gk.Rijen[0] = {"Kuil 1", "12000", "880", "165", "26.4", "4.1", "95", "110"};
    gk.Rijen[1] = {"Leeg", "", "900"}; // no amount: left out
    gk.Rijen[2] = {"Nul", "0", "900"}; // 0: left out
    gk.Rijen[3] = {"", "3000", "850", "150", "24.0", "3.9", "100", "98"};
    gk.Totaal = {"15000", "874", "162", "25.9", "4.06", "96", "107.6"};
    auto& nat = m.Voorraad[mBegin][kNAT];
    nat.Rijen[5] = {"Bierbostel", "1500", "1000", "250", "40", "6", "30", "200"};
    nat.Totaal = {"1500", "1000", "250", "40", "6", "", "200"};
    return m;
}

// Batches with an amount in grid order, "- Batch" for an empty name, the total line, and
// kinds without batches left out; ash only for the silages.
TEST(RapportVoorraad, PartijenEnTotalen) {
    for (const bool bea : {false, true}) {
        const TMomentopname m = EenPartij(bea);
        const TOpnameCanvas c = Teken(m, VoorraadPagina(m, 1, 1));
        SCOPED_TRACE(bea);
        const auto deel = [&](QStringList l) { return bea ? l : l.mid(0, 6); };
        EXPECT_TRUE(Regel(c, 9).isEmpty());
        EXPECT_EQ(Regel(c, 10), QStringList("Grass silage (kg DM)"));
        Controleer(c, {"Grass silage (kg DM)", 0, 0, 10, 10, true});
        EXPECT_EQ(Regel(c, 11), deel({"- Kuil 1", "12000", "880", "165", "26.4", "4.1", "95", "110"}));
        EXPECT_EQ(Regel(c, 12), deel({"- Batch", "3000", "850", "150", "24.0", "3.9", "100", "98"}));
        EXPECT_EQ(Regel(c, 13), deel({"Total + average feeding value", "15000", "874", "162", "25.9", "4.06",
                                      "96", "107.6"}));
        Controleer(c, {{"- Kuil 1", 0, 0, 11}, {"12000", 2, 15, 11}, {"4.1", 2, 25, 11}});
        EXPECT_TRUE(Regel(c, 14).isEmpty());
        EXPECT_EQ(Regel(c, 15), QStringList("Roughage, residuals (kg DM)"));
        // The wet by-products have no ash column, even with BEA.
        EXPECT_EQ(Regel(c, 16), bea ? QStringList({"- Bierbostel", "1500", "1000", "250", "40", "6", "200"})
                                    : QStringList({"- Bierbostel", "1500", "1000", "250", "40", "6"}));
        if (bea) Controleer(c, {"200", 2, 30, 16});
        EXPECT_EQ(Regel(c, 17).value(0), "Total + average feeding value");
        EXPECT_FALSE(c.Zoek("Maize silage (kg DM)"));
        EXPECT_FALSE(c.Zoek("- Leeg"));
        EXPECT_FALSE(c.Zoek("- Nul"));
        // Not a closing-stock page: no credits.
        for (const TOpname& o : c.Lijst)
            EXPECT_NE(o.Font.Size, 8) << o.Tekst.toStdString();
    }
}

// " (purchase)" only for ticked silage batches and only with BEP.
TEST(RapportVoorraad, AankoopAlleenMetBEP) {
    const std::tuple<bool, int, QStringList> gevallen[] = {
        {false,
         mAanleg,
         {"- Partij 1", "- Partij 2", "- Partij 1", "- Partij 2", "- Partij 1", "- Partij 2"}},
        {true,
         mAanleg,
         {"- Partij 1", "- Partij 2 (purchase)", "- Partij 1 (purchase)", "- Partij 2", "- Partij 1",
          "- Partij 2"}},
        {true, mEind, {"- Partij 1", "- Partij 2", "- Partij 1", "- Partij 2", "- Partij 1", "- Partij 2"}},
    };
    for (const auto& [bep, moment, namen] : gevallen) {
        TMomentopname m = VoorbeeldOpname();
        m.ModuleBEP = bep;
        for (int soort : {kGK, kSM, kNAT})
            ZetPartijen(m, moment, soort, 2);
        m.Aankoop[mAanleg][1][2] = true;
        m.Aankoop[mAanleg][2][1] = true;
        m.Aankoop[mAanleg][3][1] = true; // no group for wet by-products
        const TOpnameCanvas c = Teken(m, VoorraadPagina(m, moment, 1));
        QStringList gevonden;
        for (const QString& t : c.Teksten())
            if (t.startsWith("- Partij")) gevonden.append(t);
        EXPECT_EQ(gevonden, namen) << bep << " " << moment;
    }
}

// 40 lines fit one page; 41 put the wet by-products on a second page that repeats the
// bands; a closing-stock page takes 39 lines and ends with the credits.
TEST(RapportVoorraad, PaginaSplitsing) {
    TMomentopname m = VoorbeeldOpname();
    ZetPartijen(m, mBegin, kGK, 14);
    ZetPartijen(m, mBegin, kSM, 10);
    ZetPartijen(m, mBegin, kNAT, 7);
    ASSERT_EQ(VoorraadPagina(m, 1, 1), 5);
    ASSERT_EQ(VoorraadPagina(m, 1, 2), 5);
    TOpnameCanvas c = Teken(m, 5);
    EXPECT_EQ(Regel(c, 10), QStringList("Grass silage (kg DM)"));
    EXPECT_EQ(Regel(c, 27), QStringList("Maize silage (kg DM)"));
    EXPECT_EQ(Regel(c, 40), QStringList("Roughage, residuals (kg DM)"));
    EXPECT_EQ(Regel(c, 48).value(0), "Total + average feeding value");
    EXPECT_TRUE(Regel(c, 49).isEmpty());

    ZetPartijen(m, mBegin, kGK, 15);
    ASSERT_EQ(VoorraadPagina(m, 1, 2), 6);
    c = Teken(m, 5);
    EXPECT_EQ(Regel(c, 10), QStringList("Grass silage (kg DM)"));
    EXPECT_EQ(Regel(c, 28), QStringList("Maize silage (kg DM)"));
    EXPECT_EQ(Regel(c, 39).value(0), "Total + average feeding value");
    EXPECT_FALSE(c.Zoek("Roughage, residuals (kg DM)"));
    c = Teken(m, 6);
    EXPECT_EQ(Regel(c, 5), QStringList("Input"));
    EXPECT_EQ(Regel(c, 8).value(0), "Opening stock");
    EXPECT_EQ(Regel(c, 10), QStringList("Roughage, residuals (kg DM)"));
    EXPECT_EQ(Regel(c, 18).value(0), "Total + average feeding value");
    EXPECT_FALSE(c.Zoek("Grass silage (kg DM)"));

    // Closing stock: 39 lines on one page, the credits in 8 pt on small rows 60 to 63.
    TMomentopname e = VoorbeeldOpname();
    ZetPartijen(e, mEind, kGK, 14);
    ZetPartijen(e, mEind, kSM, 10);
    ZetPartijen(e, mEind, kNAT, 6);
    ASSERT_EQ(AantalVoorraadPaginas(e, mEind), 1);
    c = Teken(e, VoorraadPagina(e, 3, 1));
    EXPECT_EQ(Regel(c, 47).value(0), "Total + average feeding value");
    std::vector<const TOpname*> krediet;
    for (const TOpname& o : c.Lijst)
        if (o.Soort == TOpname::TSoort::Tekst && o.Font.Size == 8) krediet.push_back(&o);
    ASSERT_EQ(krediet.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(krediet[i]->Y, kBoven + static_cast<int>(std::nearbyint((60 + i) * 280 * 0.8)));
        EXPECT_EQ(krediet[i]->X, kLinks);
        EXPECT_FALSE(krediet[i]->Tekst.isEmpty());
    }
    // The first credit line lies where a 40th stock line would, the last above the footer.
    EXPECT_EQ(krediet[0]->Y, RijY(48));
    EXPECT_LT(krediet[3]->Y, 15754);

    // A second closing-stock page also ends with the credits.
    ZetPartijen(e, mEind, kNAT, 7);
    ASSERT_EQ(AantalVoorraadPaginas(e, mEind), 2);
    c = Teken(e, VoorraadPagina(e, 3, 2));
    EXPECT_EQ(Regel(c, 10), QStringList("Roughage, residuals (kg DM)"));
    int kleine = 0;
    for (const TOpname& o : c.Lijst)
        kleine += o.Soort == TOpname::TSoort::Tekst && o.Font.Size == 8;
    EXPECT_EQ(kleine, 4);
}

} // namespace
