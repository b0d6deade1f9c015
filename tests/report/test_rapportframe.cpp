// The report frame on a recording surface: the origins, the drawing routines, the page
// header and footer, the colour and sign helpers, and which pages draw anything.
#include "OpnameCanvas.h"
#include "PaginaIndeling.h"
#include "Rapport.h"

#include "QtPrinten.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(RapportFrame, OorsprongenVanDeBedrukbareMaat) {
    const std::tuple<int, int, int, int, int, int> gevallen[] = {
        // The whole sheet; a width of 11500 (1237.5 rounds to the even 1238); Qt's A4 PDF.
        {11905, 16837, 774, 11131, 1440, 15397},
        {11500, 16837, 572, 10928, 1440, 15397},
        {11900, 16839, 772, 11128, 1441, 15398},
    };
    const TMomentopname m = VoorbeeldOpname();
    for (const auto& [breedte, hoogte, links, rechts, boven, onder] : gevallen) {
        TOpnameCanvas c(breedte, hoogte);
        const TRapport r(c, m, 1);
        EXPECT_EQ(r.Links, links) << breedte;
        EXPECT_EQ(r.Rechts, rechts) << breedte;
        EXPECT_EQ(r.Boven, boven) << hoogte;
        EXPECT_EQ(r.Onder, onder) << hoogte;
    }
}

TEST(RapportFrame, PrintTekstUitlijningEnRaster) {
    const TMomentopname m = VoorbeeldOpname();
    TOpnameCanvas c;
    c.Breedte = [](const QString&) { return 101; };
    TRapport r(c, m, 2);
    // Align, column, row: the expected top-left corner.
    const std::tuple<int, double, double, int, int> gevallen[] = {
        {0, 10, 3, 774 + 3330, 1440 + 840},
        {1, 10, 3, 774 + 3330 - 50, 1440 + 840},
        {2, 10, 3, 774 + 3330 - 101, 1440 + 840},
        {0, 17.5, -2, 774 + 5828, 1440 - 560}, // 5827.5 rounds to the even 5828
        {0, 0.5, 0.5, 774 + 166, 1440 + 140},  // 166.5 rounds to the even 166
    };
    for (const auto& [align, kolom, rij, x, y] : gevallen) {
        c.Lijst.clear();
        r.PrintTekst(align, QStringLiteral("tekst"), kolom, rij);
        ASSERT_EQ(c.Lijst.size(), 1u) << align;
        EXPECT_EQ(c.Lijst[0].X, x) << align << " " << kolom;
        EXPECT_EQ(c.Lijst[0].Y, y) << align << " " << rij;
    }
    // Any other alignment draws nothing.
    c.Lijst.clear();
    r.PrintTekst(3, QStringLiteral("tekst"), 1, 1);
    EXPECT_TRUE(c.Lijst.empty());

    // Small rows follow the font size: row 60 in 8 pt lies 13440 twips below Boven.
    c.Font.Size = 8;
    r.PrintTekstKlein(0, QStringLiteral("krediet"), 0, 60);
    r.PrintTekstKlein(2, QStringLiteral("krediet"), 3, 61);
    ASSERT_EQ(c.Lijst.size(), 2u);
    EXPECT_EQ(c.Lijst[0].Y, 1440 + 13440);
    EXPECT_EQ(c.Lijst[1].Y, 1440 + 13664);
    EXPECT_EQ(c.Lijst[1].X, 774 + 999 - 101);
}

TEST(RapportFrame, BalkEnBalkRegel) {
    const TMomentopname m = VoorbeeldOpname();
    TOpnameCanvas c;
    TRapport r(c, m, 2);
    r.PrintBalk(5, 2, kTitelBand);
    ASSERT_EQ(c.Lijst.size(), 1u);
    const TOpname& balk = c.Lijst[0];
    EXPECT_EQ(std::tie(balk.X, balk.Y, balk.X2, balk.Y2),
              std::make_tuple(774, 1440 + 1400 - 15, 11131, 1440 + 1960 + 15));
    EXPECT_EQ(balk.Brush.Color, 0xFFDD99);
    EXPECT_FALSE(balk.Brush.Clear);
    EXPECT_EQ(balk.Pen.Style, TPenStijl::Clear);
    // Afterwards: a solid pen and a clear white brush.
    EXPECT_EQ(c.Pen.Style, TPenStijl::Solid);
    EXPECT_TRUE(c.Brush.Clear);
    EXPECT_EQ(c.Brush.Color, kWit);

    c.Lijst.clear();
    c.Font.Size = 9;
    r.PrintBalkRegel(7, kSectieBand, {QStringLiteral("Een"), QStringLiteral("Twee")});
    ASSERT_EQ(c.Lijst.size(), 3u);
    EXPECT_EQ(c.Lijst[0].Brush.Color, 0xFFF8E9);
    EXPECT_EQ(c.Lijst[0].Y2, 1440 + 9 * 280 + 15);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(c.Lijst[i].Y, 1440 + (6 + i) * 280);
        EXPECT_EQ(c.Lijst[i].X, 774);
        EXPECT_TRUE(c.Lijst[i].Font.Bold);
        EXPECT_EQ(c.Lijst[i].Font.Size, 12);
        EXPECT_TRUE(c.Lijst[i].Brush.Clear);
    }
    EXPECT_EQ(c.Font.Size, 10);
    EXPECT_FALSE(c.Font.Bold);
}

// The header: the black rule, the title by animal group, and from page 2 the file name.
TEST(RapportFrame, PaginakopPerDiercategorie) {
    const std::tuple<const char*, const char*> gevallen[] = {
        {"MK", "Tarvolingrade dairy (based on year: 2011)"},
        {"JV", "Tarvolingrade youngstock (based on year: 2011)"},
        {"", "Tarvolingrade PLUS (based on year: 2011)"},
    };
    for (const auto& [groep, titel] : gevallen) {
        TMomentopname m = VoorbeeldOpname();
        m.Diercategorie = QString::fromLatin1(groep);
        TOpnameCanvas c;
        c.Font.Color = kNadeel;
        TRapport r(c, m, 2);
        r.PrintKop();
        ASSERT_EQ(c.Lijst.size(), 4u) << groep;
        const TOpname& lijn = c.Lijst[0];
        EXPECT_EQ(lijn.Soort, TOpname::TSoort::Rechthoek);
        EXPECT_EQ(std::tie(lijn.X, lijn.Y, lijn.X2, lijn.Y2), std::make_tuple(504, 1450, 10742, 1480));
        EXPECT_EQ(lijn.Brush.Color, kZwart);
        EXPECT_FALSE(lijn.Brush.Clear);

        const TOpname& t = c.Lijst[1];
        EXPECT_EQ(t.Tekst, QString::fromLatin1(titel));
        EXPECT_EQ(std::tie(t.X, t.Y), std::make_tuple(774, 880));
        EXPECT_EQ(t.Font.Name, "Arial");
        EXPECT_EQ(t.Font.Size, 22);
        EXPECT_TRUE(t.Font.Bold);
        EXPECT_EQ(t.Font.Color, kZwart);
        EXPECT_EQ(t.Brush.Color, kWit);
        EXPECT_FALSE(t.Brush.Clear);

        const TOpname& set = c.Lijst[2];
        EXPECT_EQ(set.Tekst, "Invoerset");
        EXPECT_EQ(std::tie(set.X, set.Y), std::make_tuple(774, 1750));
        EXPECT_TRUE(set.Font.Bold);
        EXPECT_EQ(set.Font.Size, 10);
        const TOpname& naam = c.Lijst[3];
        EXPECT_EQ(naam.Tekst, ":  Bedrijf Jansen.trv");
        EXPECT_EQ(std::tie(naam.X, naam.Y), std::make_tuple(1774, 1750));
        EXPECT_FALSE(naam.Font.Bold);
        EXPECT_EQ(c.Font.Size, 10);
        EXPECT_FALSE(c.Font.Bold);
    }
}

TEST(RapportFrame, BestandsnaamZonderMap) {
    const std::tuple<const char*, const char*> gevallen[] = {
        {"C:\\boer\\bedrijf.trv", ":  bedrijf.trv"},
        {"C:bedrijf.trv", ":  bedrijf.trv"},
        {"bedrijf.trv", ":  bedrijf.trv"},
        {"", ":  "},
    };
    for (const auto& [bestand, tekst] : gevallen) {
        TMomentopname m = VoorbeeldOpname();
        m.Bestandsnaam = QString::fromLatin1(bestand);
        TOpnameCanvas c;
        TRapport(c, m, 3).PrintKop();
        EXPECT_EQ(c.Teksten().value(2), QString::fromLatin1(tekst)) << bestand;
    }
    // The first page names no file.
    const TMomentopname m = VoorbeeldOpname();
    TOpnameCanvas c;
    TRapport(c, m, 1).PrintKop();
    EXPECT_EQ(c.Teksten().size(), 1);
}

TEST(RapportFrame, Paginavoet) {
    TMomentopname m = VoorbeeldOpname();
    TOpnameCanvas c;
    c.Brush.SetClear();
    c.Font.Bold = true;
    TRapport r(c, m, 3);
    r.PrintVoet(3);
    ASSERT_EQ(c.Lijst.size(), 3u);
    // Date, page number centred (774 + 5178 - 50: 5178.5 rounds to the even 5178) and the
    // version ending at Rechts.
    const std::tuple<const char*, int> verwacht[] = {
        {"7-12-26", 454},
        {"3", 5902},
        {"versie 2012.00 - 5 April 2012", 11131 - 2900},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const TOpname& o = c.Lijst[i];
        EXPECT_EQ(o.Tekst, QString::fromLatin1(std::get<0>(verwacht[i])));
        EXPECT_EQ(o.X, std::get<1>(verwacht[i])) << i;
        EXPECT_EQ(o.Y, 15754);
        EXPECT_EQ(o.Font.Size, 9);
        EXPECT_FALSE(o.Font.Bold);
        EXPECT_EQ(o.Font.Color, kZwart);
        // An opaque white background.
        EXPECT_FALSE(o.Brush.Clear);
        EXPECT_EQ(o.Brush.Color, kWit);
    }
    // Day and month without a leading zero.
    m.Vandaag = QDate(2009, 3, 1);
    TOpnameCanvas c2;
    TRapport(c2, m, 12).PrintVoet(12);
    EXPECT_EQ(c2.Teksten().value(0), "1-3-09");
    EXPECT_EQ(c2.Lijst[1].X, 774 + 5178 - 100);
}

TEST(RapportFrame, InvoerVoorbladEnVoorraadRegels) {
    TMomentopname m = VoorbeeldOpname();
    TOpnameCanvas c;
    TRapport r(c, m, 4);
    r.Regel = 10;
    r.PrintInvoerRegel(QStringLiteral("Breed cows"), QStringLiteral("Jersey"));
    r.PrintVoorbladRegel(QStringLiteral("Description"), QString());
    EXPECT_EQ(r.Regel, 12);
    const std::tuple<const char*, int, int> verwacht[] = {
        {"Breed cows", 774, 1440 + 2800},  {"Jersey", 774 + 5661, 1440 + 2800},
        {"Description", 774, 1440 + 3080}, {":", 774 + 2331, 1440 + 3080},
        {"", 774 + 2664, 1440 + 3080},
    };
    ASSERT_EQ(c.Lijst.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(c.Lijst[i].Tekst, QString::fromLatin1(std::get<0>(verwacht[i])));
        EXPECT_EQ(c.Lijst[i].X, std::get<1>(verwacht[i])) << i;
        EXPECT_EQ(c.Lijst[i].Y, std::get<2>(verwacht[i])) << i;
    }

    // The stock rows: the name's form, five value columns, seven with BEA.
    const std::tuple<const char*, const char*> namen[] = {
        {"", "- Batch"}, {"Total", "Total + average feeding value"}, {"Kuil 1", "- Kuil 1"}};
    for (bool bea : {false, true}) {
        m.ModuleBEA = bea;
        for (const auto& [naam, tekst] : namen) {
            TOpnameCanvas v;
            v.Breedte = [](const QString&) { return 0; };
            TRapport rv(v, m, 9);
            rv.Regel = 20;
            rv.PrintVoorraadRegel(QString::fromLatin1(naam), "1", "2", "3", "4", "5", "6", "7");
            EXPECT_EQ(rv.Regel, 21);
            ASSERT_EQ(v.Lijst.size(), bea ? 8u : 6u);
            EXPECT_EQ(v.Lijst[0].Tekst, QString::fromLatin1(tekst));
            const int kolommen[] = {0, 4995, 5828, 6660, 7492, 8325, 9158, 9990};
            for (std::size_t i = 0; i < v.Lijst.size(); ++i) {
                EXPECT_EQ(v.Lijst[i].X, 774 + kolommen[i]) << i;
                EXPECT_EQ(v.Lijst[i].Y, 1440 + 5600);
                if (i > 0) {
                    EXPECT_EQ(v.Lijst[i].Tekst, QString::number(i));
                }
            }
        }
    }
}

TEST(RapportFrame, KleurVoordeelPrint) {
    const std::tuple<const char*, TKleur> gevallen[] = {
        {"+12", 32768}, {"-3", 255}, {"0", 0}, {"", 0}, {" +1", 0}, {"5", 0}, {"+", 32768},
    };
    for (const auto& [tekst, kleur] : gevallen)
        EXPECT_EQ(KleurVoordeelPrint(QString::fromLatin1(tekst)), kleur) << tekst;
}

TEST(RapportFrame, PlusMinTekstPrint) {
    const std::tuple<float, const char*> gevallen[] = {
        {0.0f, "0"}, {0.3f, "+0"}, {-0.4f, "-0"}, {-20000.0f, "-20000"}, {12.6f, "+13"}, {-12.6f, "-13"},
    };
    for (const auto& [x, tekst] : gevallen)
        EXPECT_EQ(PlusMinTekstPrint(x), QString::fromLatin1(tekst)) << x;
}

// Every page within the count draws its footer with its own number, every page after
// the cover its header; past the last page nothing is drawn.
TEST(RapportFrame, ElkePaginaKopEnVoet) {
    TMomentopname m = VoorbeeldOpname();
    m.ModuleBEA = m.ModuleBEP = m.ModuleBEN = true;
    const int aantal = PaginaAantal(m);
    ASSERT_EQ(aantal, 11);
    for (int p = 1; p <= aantal + 1; ++p) {
        TOpnameCanvas c;
        c.PageNumber = p;
        PktPrintPreviewPaint(c, p, m);
        if (p > aantal) {
            EXPECT_TRUE(c.Lijst.empty()) << p;
            continue;
        }
        const QStringList t = c.Teksten();
        EXPECT_TRUE(t.contains(QString::number(p))) << p;
        EXPECT_TRUE(t.contains("versie 2012.00 - 5 April 2012")) << p;
        EXPECT_EQ(t.contains("Invoerset"), p > 1) << p;
        EXPECT_EQ(t.contains("Tarvolingrade dairy (based on year: 2011)"), p > 1) << p;
    }
}
} // namespace
