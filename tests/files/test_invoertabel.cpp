// The batch input table: the header check, the splitting of lines, the column table and
// the conversions with their messages.
#include "Invoertabel.h"

#include "Boerderij.h"
#include "Getallen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct Lezing {
    bool KoppenGoed = false;
    TKoppen Koppen;
    TGelezenTabel Tabel;
    std::vector<std::string> Meldingen;
};

Lezing Lees(const std::string& inhoud) {
    Lezing l;
    const auto melding = [&l](const std::string& t) { l.Meldingen.push_back(t); };
    l.KoppenGoed = ControleerKoppen(EersteRegel(inhoud), l.Koppen, melding);
    if (l.KoppenGoed) l.Tabel = LeesInvoerbestand(inhoud, l.Koppen, melding);
    return l;
}

using Meldingen = std::vector<std::string>;

struct KopGeval {
    const char* Naam;
    std::string Kop;
    bool Goed;
    char Scheidingsteken;
    Meldingen Verwacht;
};

class KopTest : public ::testing::TestWithParam<KopGeval> {};

TEST_P(KopTest, ScheidingstekenEnNamen) {
    const KopGeval& g = GetParam();
    const Lezing l = Lees(g.Kop + "\r\n");
    EXPECT_EQ(l.KoppenGoed, g.Goed);
    EXPECT_EQ(l.Meldingen, g.Verwacht);
    if (g.Goed) {
        EXPECT_EQ(l.Koppen.Scheidingsteken, g.Scheidingsteken);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Invoertabel, KopTest,
    ::testing::Values(
        KopGeval{"apenstaart", "naaminv@versie@evalnr@omschr@", true, '@', {}},
        KopGeval{"tab", "NAAMINV\tJAARTAL\tRAS", true, '\t', {}},
        KopGeval{"beide", "NAAMINV\tJAARTAL@RAS", true, '@', {}},
        KopGeval{"geen", "NAAMINV;JAARTAL;RAS", false, 0, {"Scheidingsteken moet een @ of tab zijn."}},
        KopGeval{"leeg", "", false, 0, {"Scheidingsteken moet een @ of tab zijn."}},
        KopGeval{"onbekendTab",
                 "naaminv\tversie\tevalnr\tonzin\tomschr",
                 false,
                 '\t',
                 {"Ongeldige kolomkop: versie", "Ongeldige kolomkop: onzin"}},
        KopGeval{"onbekendApenstaart", "naaminv@versie@onzin@omschr", true, '@', {}},
        KopGeval{"langeNaam",
                 std::string(1 << 20, 'K') + "\tNKOE",
                 false,
                 '\t',
                 {"Ongeldige kolomkop: " + std::string(200, 'K') + "..."}}),
    [](const auto& info) { return std::string(info.param.Naam); });

TEST(Invoertabel, DeKolomkoppenVolgenDeTabelZonderAcht) {
    // All 152 names, in lower case, each at its own position.
    std::string kop;
    for (int i = 1; i <= kAantalKolommen; ++i) {
        std::string naam(KolomNamen[static_cast<std::size_t>(i)]);
        for (char& c : naam)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        kop += naam + "\t";
    }
    const Lezing l = Lees(kop);
    ASSERT_TRUE(l.KoppenGoed) << l.Meldingen.front();
    for (int i = 1; i <= kAantalKolommen; ++i)
        EXPECT_EQ(l.Koppen.KolomNummers[static_cast<std::size_t>(i)], i) << i;
    EXPECT_EQ(KolomNamen[1], "NAAMINV");
    EXPECT_EQ(KolomNamen[34], "BV_GK_HOEV");
    EXPECT_EQ(KolomNamen[61], "AANLEG_GK_HOEV");
    EXPECT_EQ(KolomNamen[88], "EV_GK_HOEV");
    EXPECT_EQ(KolomNamen[114], "EV_MP_P");
    EXPECT_EQ(KolomNamen[120], "TYPESTAL");
    EXPECT_EQ(KolomNamen[152], "EV_OV_VRE");
}

TEST(Invoertabel, MeerDan160VeldenKopEnRegel) {
    std::string kop = "naaminv@versie";
    std::string regel = "Boer@2012.00";
    for (int k = 3; k <= 200; ++k) {
        kop += "@" + std::string(k == 170 ? "NKOE" : "XX");
        regel += "@" + std::to_string(k);
    }
    const Lezing l = Lees(kop + "\r\n" + regel + "\r\n");
    ASSERT_TRUE(l.KoppenGoed);
    ASSERT_EQ(l.Tabel.Plannen.size(), 1u);
    // Position 170 holds NKOE, but beyond the map: ignored, without a crash.
    EXPECT_EQ(l.Tabel.Plannen[0].Invoer.nKoe, 0);
    EXPECT_TRUE(l.Meldingen.empty());

    std::string tabKop = "NAAMINV\tNKOE";
    std::string tabRegel = "Boer\t2012";
    for (int k = 3; k <= 170; ++k) {
        tabKop += "\tNKALF";
        tabRegel += "\t7";
    }
    const Lezing t = Lees(tabKop + "\n" + tabRegel + "\n");
    ASSERT_TRUE(t.KoppenGoed);
    EXPECT_EQ(t.Tabel.Plannen[0].Invoer.nKalf, 7);
    EXPECT_TRUE(t.Meldingen.empty());
}

TEST(Invoertabel, SplitsenVanRegels) {
    EXPECT_EQ(SplitsRegel("a@b@", '@'), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SplitsRegel("a@@c", '@'), (std::vector<std::string>{"a", "", "c"}));
    EXPECT_EQ(SplitsRegel(" a @\tb\t@ c ", '@'), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitsRegel("a\t\tc\t", '\t'), (std::vector<std::string>{"a", "", "c"}));
    EXPECT_EQ(SplitsRegel("a@b@@", '@'), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SplitsRegel("", '@'), (std::vector<std::string>{}));
    EXPECT_EQ(SplitsRegel("@", '@'), (std::vector<std::string>{""}));
}

TEST(Invoertabel, LegeVeldenEnLegeRegels) {
    const Lezing l = Lees("NAAMINV@JAARTAL@NKOE@NKALF@\r\n"
                          "Een@2011@@40@\r\n"
                          "\r\n"
                          "\r\n"
                          "@2012.00@70\r\n");
    ASSERT_EQ(l.Tabel.Plannen.size(), 2u);
    const TPlan& een = l.Tabel.Plannen[0];
    EXPECT_EQ(een.Naam, "Een");
    EXPECT_EQ(een.Versie, 201100);
    // The empty middle field keeps the default; the next field keeps position 4.
    EXPECT_EQ(een.Invoer.nKoe, 0);
    EXPECT_EQ(een.Invoer.nKalf, 40);
    // Position 2 is the version, not the year JAARTAL's header names.
    EXPECT_EQ(een.Invoer.Jaartal, 0);
    // Empty lines do not count: the third line is farm 2.
    EXPECT_EQ(l.Tabel.Plannen[1].Naam, "Bedrijf 2");
    EXPECT_EQ(l.Tabel.Plannen[1].Invoer.nKoe, 70);
    EXPECT_EQ(l.Tabel.InvoerVersie, 201200);
    EXPECT_TRUE(l.Meldingen.empty());
}

TEST(Invoertabel, RegelsVanSpatiesEnScheidingstekens) {
    for (const std::string s : {"@", "\t"}) {
        const Lezing l = Lees("NAAMINV" + s + "JAARTAL" + s + "NKOE\r\nA" + s + "2011" + s + "5\r\n" + s + s +
                              s + "\r\n   \r\n " + s + " " + s + "\r\n" + s + "2012" + s + "7\r\n");
        ASSERT_EQ(l.Tabel.Plannen.size(), 2u) << l.Tabel.Plannen.back().Naam;
        EXPECT_EQ(l.Tabel.Plannen[1].Naam, "Bedrijf 2");
        EXPECT_EQ(l.Tabel.InvoerVersie, 201200);
    }
}

TEST(Invoertabel, AlleenDeKop) {
    const Lezing l = Lees("NAAMINV\tJAARTAL\r\n");
    EXPECT_TRUE(l.KoppenGoed);
    EXPECT_TRUE(l.Tabel.Plannen.empty());
    EXPECT_TRUE(Lees("NAAMINV\tJAARTAL").Tabel.Plannen.empty());
}

struct GetalGeval {
    const char* Naam;
    char Teken;
    std::string Veld;
    float Verwacht;
    std::string Melding; // empty: no message
};

class GetalTest : public ::testing::TestWithParam<GetalGeval> {};

TEST_P(GetalTest, StrengGelezen) {
    const GetalGeval& g = GetParam();
    const DecimaalTeken teken(g.Teken);
    const Lezing l = Lees("naaminv@versie@nkoe@evalnr\n"
                          "A@2012@" +
                          g.Veld + "@3\n");
    ASSERT_EQ(l.Tabel.Plannen.size(), 1u);
    EXPECT_EQ(l.Tabel.Plannen[0].Invoer.nKoe, g.Verwacht);
    // The rest of the line is read on.
    EXPECT_EQ(l.Tabel.Plannen[0].Invoer.EvalNr, 3);
    const Meldingen verwacht =
        g.Melding.empty() ? Meldingen{} : Meldingen{"Probleem bij bedrijf: 1 en kolom3\n" + g.Melding};
    EXPECT_EQ(l.Meldingen, verwacht);
}

INSTANTIATE_TEST_SUITE_P(
    Invoertabel, GetalTest,
    ::testing::Values(GetalGeval{"punt", '.', " 12.5 ", 12.5f, ""},
                      GetalGeval{"komma", ',', " 12.5 ", 0, "'12.5' is not a valid floating point value"},
                      GetalGeval{"kommaGoed", ',', "12,5", 12.5f, ""},
                      GetalGeval{"exponent", '.', "1.5E2", 150, ""},
                      GetalGeval{"dumpLeeg", ',', " 0.00000000000000E+0000", 0, ""},
                      GetalGeval{"nan", '.', "nan", 0, "'nan' is not a valid floating point value"},
                      GetalGeval{"inf", '.', "inf", 0, "'inf' is not a valid floating point value"},
                      GetalGeval{"hex", '.', "0x10", 0, "'0x10' is not a valid floating point value"},
                      GetalGeval{"duizend", '.', "1,000", 0, "'1,000' is not a valid floating point value"},
                      GetalGeval{"teGroot", '.', "1e300", 0, "'1e300' is not a valid floating point value"}),
    [](const auto& info) { return std::string(info.param.Naam); });

TEST(Invoertabel, GeheleGetallenStreng) {
    const Lezing l = Lees("naaminv@versie@jaartal@evalnr\n"
                          "A@2008.03@2008.5@+1\n"
                          "B@x@2010@1e2\n");
    ASSERT_EQ(l.Tabel.Plannen.size(), 2u);
    EXPECT_EQ(l.Tabel.Plannen[0].Versie, 200803);
    EXPECT_EQ(l.Tabel.Plannen[0].Invoer.EvalNr, 1);
    EXPECT_EQ(l.Tabel.Plannen[1].Versie, 0);
    EXPECT_EQ(l.Tabel.Plannen[1].Invoer.Jaartal, 2010);
    EXPECT_EQ(l.Tabel.InvoerVersie, 0);
    EXPECT_EQ(l.Meldingen,
              (Meldingen{"Probleem bij bedrijf: 1 en kolom3\n'2008.5' is not a valid integer value",
                         "Probleem bij bedrijf: 2 en kolom2\n'x' is not a valid floating point value",
                         "Probleem bij bedrijf: 2 en kolom4\n'1e2' is not a valid integer value"}));
}

TEST(Invoertabel, OnbekendeKolomMetTabEenMaalGemeld) {
    const Lezing l = Lees("NAAMINV\tJAARTAL\tNKOE\n"
                          "A\t2012\t10\t4\t5\n"
                          "B\t2012\t20\t4\t\t6\n");
    ASSERT_EQ(l.Tabel.Plannen.size(), 2u);
    EXPECT_EQ(l.Meldingen, (Meldingen{"Onbekend kolomnr: 4", "Onbekend kolomnr: 5", "Onbekend kolomnr: 6"}));
    // With "@" an unknown position is passed over quietly.
    const Lezing a = Lees("NAAMINV@JAARTAL@NKOE\nA@2012@10@4@5\n");
    EXPECT_TRUE(a.Meldingen.empty());
    EXPECT_EQ(a.Tabel.Plannen[0].Invoer.nKoe, 10);
}

struct WeideGeval {
    std::string Beweiding;
    std::array<float, 6> Verwacht; // months WeidB, WeidO, ZstvB, ZstvO; hours WeidB, WeidO
    bool Melding;
};

class WeideTest : public ::testing::TestWithParam<WeideGeval> {};

TEST_P(WeideTest, MaandenEnUrenVolgenHetSysteem) {
    const WeideGeval& g = GetParam();
    // The explicit columns come first; MNDWEIDEN and UURWEIDEN clear them.
    const Lezing l = Lees("naaminv@versie@mndweidb@mndzstvo@uurweidb@beweiding@mndweiden@uurweiden\n"
                          "A@2012@1@2@3@" +
                          g.Beweiding + "@5@16\n");
    ASSERT_EQ(l.Tabel.Plannen.size(), 1u);
    const TTvInvoer& in = l.Tabel.Plannen[0].Invoer;
    EXPECT_EQ((std::array<float, 6>{in.MndWeidBMk, in.MndWeidOMk, in.MndZstvBMk, in.MndZstvOMk, in.UurWeidBMk,
                                    in.UurWeidOMk}),
              g.Verwacht);
    EXPECT_EQ(l.Meldingen, g.Melding ? Meldingen{"Onbeperkt systeem"} : Meldingen{});
}

INSTANTIATE_TEST_SUITE_P(Invoertabel, WeideTest,
                         ::testing::Values(WeideGeval{"beperkt", {5, 0, 0, 0, 16, 0}, false},
                                           WeideGeval{"ONBEPERKT", {0, 5, 0, 0, 0, 16}, false},
                                           WeideGeval{"ZstvBeperkt", {0, 0, 5, 0, 0, 0}, false},
                                           WeideGeval{"ZSTVONBEPERKT", {0, 0, 0, 5, 0, 0}, false},
                                           WeideGeval{"GEEN", {0, 0, 0, 0, 0, 0}, false},
                                           WeideGeval{"soms", {0, 0, 0, 0, 0, 0}, true}));

TEST(Invoertabel, KolommenVullenHunVeld) {
    const Lezing l = Lees("NAAMINV@versie@OMSCHR@VEEHOUDER@STRAAT@PLAATS@RAS@TYPESTAL@OPPGRAS@OPPBOUWN@"
                          "STARTKALVEREN@SCHAPEN550@PAARDEN944@BV_OV_P@AANLEG_SM_RAS@EV_MP_P@BEST_GK_RAS@"
                          "BV_OV_VRE@AANLEG_OV_VRE@EV_OV_VRE@PCMETHBOUW3@DRIJFAFV@OPPGRASH@\n"
                          "Boer@2012@Oms@Piet@Weg 1@Dorp@Jersey@EMARM2@10@4@6@8@13@3.5@77@1.25@99@"
                          "101@102@103@30@40@2.5@\n");
    ASSERT_EQ(l.Tabel.Plannen.size(), 1u);
    const TPlan& p = l.Tabel.Plannen[0];
    const TTvInvoer& in = p.Invoer;
    EXPECT_EQ(p.Naam, "Boer");
    EXPECT_EQ(p.Omschr, "Oms");
    EXPECT_EQ(p.Veehouder, "Piet");
    EXPECT_EQ(p.Straat, "Weg 1");
    EXPECT_EQ(p.Plaats, "Dorp");
    EXPECT_EQ(in.Ras, "Jersey");
    EXPECT_EQ(in.TypeStal, "EMARM2");
    EXPECT_EQ(in.OppGrasN, 10);
    EXPECT_EQ(in.OppBouwN, 4);
    EXPECT_EQ(in.Graasdieren[6], 6);
    EXPECT_EQ(in.Graasdieren[7], 0);
    EXPECT_EQ(in.Graasdieren[8], 8);
    EXPECT_EQ(in.Graasdieren[13], 13);
    EXPECT_EQ(in.Voorraden[mBegin][kNAT].P, 3.5f);
    EXPECT_EQ(in.Voorraden[mAanleg][kSM].Ras, 77);
    EXPECT_EQ(in.Voorraden[mEind][kMP].P, 1.25f);
    EXPECT_EQ(in.BesteGk.Ras, 99);
    EXPECT_EQ(in.Voorraden[mBegin][kNAT].Vre, 101);
    EXPECT_EQ(in.Voorraden[mAanleg][kNAT].Vre, 102);
    EXPECT_EQ(in.Voorraden[mEind][kNAT].Vre, 103);
    EXPECT_EQ(in.MethBouw3, 30);
    EXPECT_EQ(in.DrijfAfv, 40);
    EXPECT_EQ(in.OppGrasH, 2.5f);
}

TEST(Invoertabel, StapelKolommenElkEenEigenVeld) {
    // Every stock column 34..114 writes one field of its own.
    std::string kop = "naaminv@versie";
    std::string regel = "A@2012";
    for (int i = 34; i <= 114; ++i) {
        kop += "@" + std::string(KolomNamen[static_cast<std::size_t>(i)]);
        regel += "@" + std::to_string(i);
    }
    const Lezing l = Lees(kop + "\n" + regel + "\n");
    ASSERT_EQ(l.Tabel.Plannen.size(), 1u);
    const TTvInvoer& in = l.Tabel.Plannen[0].Invoer;
    float som = 0;
    int gevuld = 0;
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kMP; ++k) {
            const TVoorraadPost& v = in.Voorraden[m][k];
            for (float f : {v.Hoev, v.Vem, v.Re, v.N, v.P, v.Ras}) {
                som += f;
                gevuld += f > 0;
            }
        }
    EXPECT_EQ(gevuld, 81);
    EXPECT_EQ(som, (34 + 114) * 81 / 2);
    EXPECT_EQ(in.Voorraden[mBegin][kGK].Hoev, 34);
    EXPECT_EQ(in.Voorraden[mBegin][kNAT].Hoev, 46);
    EXPECT_EQ(in.Voorraden[mAanleg][kGK].Hoev, 61);
    EXPECT_EQ(in.Voorraden[mEind][kMP].P, 114);
}

TEST(Invoertabel, RegeleindenEnRegelsZonderEinde) {
    const Lezing l = Lees("NAAMINV@NKOE\rA@@\nB@\r\nC");
    ASSERT_EQ(l.Tabel.Plannen.size(), 3u);
    EXPECT_EQ(l.Tabel.Plannen[2].Naam, "C");
}
} // namespace
