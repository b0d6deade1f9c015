// The farm file's codec without a window: golden bytes of the items, the layout and size
// of every format, bad and hostile files, the decimal-sign fix-up and the wet
// by-products' names.
#include "Boerderijbestand.h"
#include "Extended80.h"
#include "NatteProducten.h"
#include "TestBytes.h"
#include "Windows1252.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
using Bytes = std::vector<std::uint8_t>;

TBoerderijBestand Lees(const Bytes& b, char teken = '.') {
    return DecodeerBestand(b, teken);
}

// The message of a refused file, or "" when it was read.
std::string Fout(const Bytes& b) {
    try {
        Lees(b);
        return "";
    } catch (const TBestandFout& e) {
        return e.what();
    }
}

Bytes Ext(std::initializer_list<int> x) {
    Bytes b;
    for (int v : x)
        b.push_back(static_cast<std::uint8_t>(v));
    return b;
}

TEST(Extended, GoldenBytesBothWays) {
    const std::vector<std::pair<double, Bytes>> tabel = {
        {0, Ext({0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {1, Ext({0, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0x3f})},
        {-1, Ext({0, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0xbf})},
        {12.5, Ext({0, 0, 0, 0, 0, 0, 0, 0xc8, 0x02, 0x40})},
        {24, Ext({0, 0, 0, 0, 0, 0, 0, 0xc0, 0x03, 0x40})},
        {100, Ext({0, 0, 0, 0, 0, 0, 0, 0xc8, 0x05, 0x40})},
        {2006, Ext({0, 0, 0, 0, 0, 0, 0xc0, 0xfa, 0x09, 0x40})},
        {2011, Ext({0, 0, 0, 0, 0, 0, 0x60, 0xfb, 0x09, 0x40})},
        {201200, Ext({0, 0, 0, 0, 0, 0, 0x7c, 0xc4, 0x10, 0x40})},
        {0.1, Ext({0, 0xd0, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xfb, 0x3f})},
    };
    for (const auto& [x, bytes] : tabel) {
        const TExtended e = NaarExtended(x);
        EXPECT_EQ(Bytes(e.begin(), e.end()), bytes) << x;
        TExtended in{};
        std::copy(bytes.begin(), bytes.end(), in.begin());
        EXPECT_EQ(VanExtended(in), x) << x;
        // The tests' writer agrees.
        Bytes t = TBytes().Float(x).b;
        EXPECT_EQ(Bytes(t.begin() + 1, t.end()), bytes) << x;
    }
    // A true 80-bit 0.1 reads as the nearest double.
    EXPECT_EQ(VanExtended({0xcd, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xfb, 0x3f}), 0.1);
}

TEST(Extended, EveryFiniteDoubleComesBackExactly) {
    const double waarden[] = {-0.0,
                              1e-300,
                              std::numeric_limits<double>::denorm_min(),
                              std::numeric_limits<double>::min(),
                              std::numeric_limits<double>::max(),
                              -std::numeric_limits<double>::max(),
                              123456.789,
                              4.3 / 4.2,
                              -2.5e-12};
    for (double x : waarden) {
        const auto terug = VanExtended(NaarExtended(x));
        ASSERT_TRUE(terug) << x;
        EXPECT_EQ(std::memcmp(&*terug, &x, sizeof x), 0) << x;
    }
}

TEST(Extended, InfinityNanAndOverflowAreRefused) {
    EXPECT_FALSE(VanExtended({0, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0x7f}));   // infinity
    EXPECT_FALSE(VanExtended({0, 0, 0, 0, 0, 0, 0, 0xc0, 0xff, 0xff}));   // NaN
    EXPECT_FALSE(VanExtended({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x44}));   // 2^1025
    EXPECT_EQ(VanExtended({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x00}), 0.0); // far below
    EXPECT_FALSE(VanExtended({0, 0, 0, 0, 0, 0, 0, 0x40, 0x04, 0x40}));   // unnormal 32
    EXPECT_FALSE(VanExtended({0, 0, 0, 0, 0, 0, 0, 0x00, 0xff, 0x3f}));   // pseudo-zero
}

TEST(Windows1252, TextsBothWays) {
    EXPECT_EQ(VanWindows1252("Caf\xe9 \x80 \x93x\x94"), "Café € “x”");
    EXPECT_EQ(NaarWindows1252("Café € “x”"), "Caf\xe9 \x80 \x93x\x94");
    // Not in the code page, and no valid UTF-8.
    EXPECT_EQ(NaarWindows1252("a\u0394b\xff"), "a?b?");
    // Every byte comes back unchanged, the five undefined ones too.
    std::string alle;
    for (int i = 0; i < 256; ++i)
        alle += static_cast<char>(i);
    EXPECT_EQ(NaarWindows1252(VanWindows1252(alle)), alle);
}

// --- The newest format -------------------------------------------------------------------

TEST(Codec, IntegerItemsTakeTheSmallestTag) {
    // CbxRas follows SpenKoe at offset 610 when the Integer items before it are small.
    const std::vector<std::pair<int, Bytes>> tabel = {
        {0, {2, 0}},
        {-1, {2, 0xff}},
        {127, {2, 0x7f}},
        {128, {3, 0x80, 0}},
        {-129, {3, 0x7f, 0xff}},
        {32768, {4, 0, 0x80, 0, 0}},
        {-32769, {4, 0xff, 0x7f, 0xff, 0xff}},
    };
    for (const auto& [v, bytes] : tabel) {
        TBoerderijBestand r;
        r.Zet("CbxRas", v);
        const Bytes b = CodeerBestand(r);
        EXPECT_EQ(Bytes(b.begin() + 610, b.begin() + 610 + static_cast<long>(bytes.size())), bytes) << v;
        EXPECT_EQ(b.size(), 244001 + bytes.size() - 2) << v;
        EXPECT_EQ(Lees(b).Geheel("CbxRas"), v);
    }
}

TEST(Codec, ItemsStandWhereTheFormatPutsThem) {
    TBoerderijBestand r;
    r.Pagina = 9;
    r.Decimaalteken = ",";
    r.Zet("SpeJaartal", 2011.0);
    r.Zet("EdtNaam", std::string("Jansen"));
    r.Zet("RbtGraasJa", true);
    r.Zet("SpeMndWeidBMk", 12.5);
    r.Zet("SpeMestNgeh31dec", 24.0);
    r.Grid(1, 1).Cel(1, 1) = "Kuil";
    r.Grid(3, 5).Cel(8, 3) = "7";
    r.Aankoop[1][1][9] = true;
    const Bytes b = CodeerBestand(r);
    ASSERT_EQ(b.size(), 244001u);
    const auto op = [&b](std::size_t offset, const Bytes& verwacht) {
        return Bytes(b.begin() + static_cast<long>(offset),
                     b.begin() + static_cast<long>(offset + verwacht.size())) == verwacht;
    };
    EXPECT_TRUE(op(0, {2, 9}));
    EXPECT_TRUE(op(2, {5, 0, 0, 0, 0, 0, 0, 0x7c, 0xc4, 0x10, 0x40}));
    EXPECT_TRUE(op(13, {5, 0, 0, 0, 0, 0, 0, 0x60, 0xfb, 0x09, 0x40}));
    EXPECT_TRUE(op(24, {1, ',', 0, 0}));
    EXPECT_TRUE(op(129, {6, 'J', 'a', 'n', 's', 'e', 'n', 0}));
    EXPECT_TRUE(op(733, {8, 9}));
    EXPECT_TRUE(op(904, {4, 'K', 'u', 'i', 'l', 0}));
    // Grid 15 (closing stock, milk powder), column 8, row 3.
    EXPECT_TRUE(op(904 + 14 * 16160 + 7 * 2020 + 2 * 101, {1, '7', 0}));
    // Purchase of the stock increase, maize silage row 10.
    EXPECT_TRUE(op(243304 + 60 + 20 + 9, {1}));
    EXPECT_TRUE(op(243486, {5, 0, 0, 0, 0, 0, 0, 0, 0xc8, 0x02, 0x40}));
    EXPECT_TRUE(op(243990, {5, 0, 0, 0, 0, 0, 0, 0, 0xc0, 0x03, 0x40}));
}

TEST(Codec, RecordComesBackAndTheSecondWriteIsIdentical) {
    TBoerderijBestand r;
    r.Pagina = 4;
    r.Zet("SpeJaartal", 2012.0);
    r.Zet("CbxModule", 4);
    r.Zet("EdtOmschrijving", std::string("Boerderij “De Eik” – €"));
    r.Zet("SpenKoe", 0.1);
    r.Zet("SpeOppMaisH", 123456.789);
    r.Zet("RbtMstafvOpg", true);
    r.Grid(2, 3).Cel(1, 20) = "Bierbostel van Piet";
    r.NatProductNr[1][19] = 10;
    r.Grid(2, 3).Cel(2, 20) = "20000";
    r.Grid(1, 1).Cel(1, 15) = "Laatste kuil";
    r.Aankoop[0][0][14] = true;
    r.Aankoop[2][1][9] = true;
    const Bytes eerste = CodeerBestand(r);
    TBoerderijBestand terug = Lees(eerste);
    for (std::size_t i = 0; i < r.Waarden.size(); ++i)
        if (r.Waarden[i]) {
            EXPECT_EQ(terug.Waarden[i], r.Waarden[i]) << BestandItems()[i].Naam;
        }
    EXPECT_EQ(terug.Grids, r.Grids);
    EXPECT_EQ(terug.NatProductNr, r.NatProductNr);
    EXPECT_EQ(terug.Aankoop, r.Aankoop);
    EXPECT_EQ(terug.Pagina, 4);
    EXPECT_EQ(CodeerBestand(terug), eerste);
}

TEST(Codec, TextsAreCutAndTheByProductNameAlwaysFits) {
    TBoerderijBestand r;
    r.Zet("EdtNaam", std::string(150, 'x'));
    r.Grid(1, 3).Cel(1, 1) = std::string(150, 'a');
    r.NatProductNr[0][0] = 7; // "Aard.persvezel"
    r.Grid(1, 1).Cel(2, 1) = std::string(150, '1');
    const TBoerderijBestand terug = Lees(CodeerBestand(r));
    EXPECT_EQ(terug.Tekst("EdtNaam"), std::string(100, 'x'));
    EXPECT_EQ(terug.Grid(1, 3).Cel(1, 1), std::string(100 - 15, 'a'));
    EXPECT_EQ(terug.NatProductNr[0][0], 7);
    EXPECT_EQ(terug.Grid(1, 1).Cel(2, 1), std::string(100, '1'));
    // Blanks and control characters that the cut brings to the end are not written, as
    // reading would drop them: the second write is the same as the first.
    r.Grid(1, 3).Cel(1, 1) = "lp#Bierbostel" + std::string(85, '\0') + "\x0fP";
    const Bytes eerste = CodeerBestand(r);
    EXPECT_EQ(CodeerBestand(Lees(eerste)), eerste);
}

// --- Every format ------------------------------------------------------------------------

TEST(Formaten, SizeOfEveryFormat) {
    const std::vector<std::pair<int, std::size_t>> tabel = {
        {0, 28894},       {200608, 28949},  {200704, 28951},  {200802, 28953},
        {200803, 38573},  {200804, 38584},  {200805, 38615},  {200905, 243259},
        {200908, 243362}, {201002, 243404}, {201004, 243514}, {201005, 243574},
        {201102, 243905}, {201106, 243968}, {201110, 244001}, {201200, 244001},
    };
    TTestBoerderij f;
    f.Jaar = 2006;
    for (const auto& [V, grootte] : tabel) {
        const Bytes b = BouwBestand(V, f);
        EXPECT_EQ(b.size(), grootte) << V;
        TBoerderijBestand r;
        ASSERT_NO_THROW(r = Lees(b)) << V;
        EXPECT_EQ(r.Versie, V);
        EXPECT_EQ(r.Drijvend("SpeJaartal"), 2006);
        EXPECT_EQ(r.Tekst("EdtOmschrijving"), "Proef") << V;
        EXPECT_EQ(r.Drijvend("SpeUreum"), 22) << V;
    }
}

TEST(Formaten, EveryTruncationIsAReadError) {
    TTestBoerderij f;
    f.Cel = [](int m, int k, int c, int r) {
        return r == 1 && c <= 3 ? std::to_string(m * 100 + k * 10 + c) : "";
    };
    for (int V : {0, 200803}) {
        const Bytes b = BouwBestand(V, f);
        for (std::size_t n = 0; n < b.size(); ++n)
            ASSERT_EQ(Fout(Bytes(b.begin(), b.begin() + static_cast<long>(n))), kStreamLeesfout)
                << V << " " << n;
    }
    const Bytes b = BouwBestand(201200, f);
    for (std::size_t n = 0; n < b.size(); n += n < 1000 || n > b.size() - 1000 ? 1 : 997)
        ASSERT_EQ(Fout(Bytes(b.begin(), b.begin() + static_cast<long>(n))), kStreamLeesfout) << n;
    // What follows the last item is ignored.
    Bytes langer = b;
    langer.insert(langer.end(), 50, 0xAB);
    EXPECT_EQ(Fout(langer), "");
}

TEST(Formaten, OldItemsOfFormatsTheWindowTestsLeaveOut) {
    // 200704: one Integer for the slurry shares, and the module BEX.
    TTestBoerderij f;
    f.OudDrijf = 0;
    TBoerderijBestand r = Lees(BouwBestand(200704, f));
    EXPECT_EQ(r.Drijvend("SpeDrijfKa"), 100);
    EXPECT_EQ(r.Geheel("CbxModule"), 0);
    EXPECT_FALSE(r.Waarde("CbxEvaluatie"));

    // 200804: the layout of 200803 with the slurry import.
    r = Lees(BouwBestand(200804, f));
    EXPECT_EQ(r.Drijvend("SpeDrijfAan"), 250);
    EXPECT_EQ(r.Drijvend("SpeDrijfMais"), 400);

    // 201002: months and hours of the cows, the young stock's still fixed.
    r = Lees(BouwBestand(201002, f));
    EXPECT_EQ(r.Drijvend("SpeUurWeidOMk"), 10);
    EXPECT_EQ(r.Drijvend("SpeUurWeidOPi"), 24);
    EXPECT_FALSE(r.Aankoop[1][1][0]);

    // 201005: the purchases of the stock increase only.
    r = Lees(BouwBestand(201005, f));
    EXPECT_TRUE(r.Aankoop[1][1][0]);
    EXPECT_FALSE(r.Aankoop[0][0][1]);

    // 201110: removals as amount and content, as today.
    r = Lees(BouwBestand(201110, f));
    EXPECT_FALSE(r.OudeAfvoer);
    EXPECT_EQ(r.Drijvend("SpeAfvoerSmP"), 2.25);
    EXPECT_EQ(r.Geheel("CbxMaisGttrap"), 2);
}

// --- Bad files ---------------------------------------------------------------------------

TEST(Vijandig, BadFilesGiveTheirMessage) {
    const TTestBoerderij f;
    const Bytes goed = BouwBestand(201200, f);
    const auto met = [&goed](std::size_t offset, const Bytes& bytes) {
        Bytes b = goed;
        std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<long>(offset));
        return b;
    };
    struct TGeval {
        const char* Wat;
        Bytes Bestand;
        std::string Melding;
    };
    const std::vector<TGeval> tabel = {
        {"page with the Float tag", met(0, {5}), kOngeldigeWaarde},
        {"page with tag 7", met(0, {7}), kOngeldigeWaarde},
        {"format number with a Boolean tag", met(2, {9}), kOngeldigeWaarde},
        {"NaN year", met(13, {5, 0, 0, 0, 0, 0, 0, 0, 0xc0, 0xff, 0x7f}), kOngeldigeWaarde},
        {"infinite format", met(2, {5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0x7f}), kOngeldigeWaarde},
        {"format 201300", met(2, TBytes().Float(201300).b), kNieuwereVersie},
        {"format 1e300", met(2, TBytes().Float(1e300).b), kNieuwereVersie},
        {"empty", {}, kStreamLeesfout},
        {"breed with tag 5", met(610, {5}), kOngeldigeWaarde},
    };
    for (const auto& g : tabel)
        EXPECT_EQ(Fout(g.Bestand), g.Melding) << g.Wat;
}

TEST(Vijandig, ClampedFieldsAreRead) {
    const TTestBoerderij f;
    Bytes b = BouwBestand(201200, f);
    b[129] = 255; // length of the name
    TBoerderijBestand r = Lees(b);
    EXPECT_EQ(r.Tekst("EdtNaam")->size(), 100u);
    for (const auto& [pagina, verwacht] : {std::pair{200, 9}, std::pair{-3, 0}, std::pair{70000, 9}}) {
        Bytes p = TBytes().Int(pagina).b;
        p.insert(p.end(), b.begin() + 2, b.end());
        EXPECT_EQ(Lees(p).Pagina, verwacht) << pagina;
    }
    // Any Boolean byte but 9 reads false.
    ASSERT_EQ(b[734], 9);
    b[734] = 0x42;
    EXPECT_EQ(Lees(b).Boolean("RbtGraasJa"), false);
    // A format number written as an Integer item is accepted.
    Bytes i = TBytes().Int(5).Int(201200).b;
    EXPECT_EQ(Bytes(i.begin() + 2, i.end()), (Bytes{4, 0xf0, 0x11, 0x03, 0x00}));
    i.insert(i.end(), b.begin() + 13, b.end());
    r = Lees(i);
    EXPECT_EQ(r.Versie, 201200);
    EXPECT_EQ(r.Pagina, 5);
    EXPECT_EQ(r.Drijvend("SpeUreum"), 22);
}

TEST(Vijandig, ANameWhereTheYearShouldBe) {
    // A file without format number whose first Float is changed to one: the reader then
    // looks for the year where the name's length byte (6) stands.
    TTestBoerderij f;
    f.Naam = "Jansen";
    Bytes b = BouwBestand(0, f);
    const Bytes v = TBytes().Float(200803).b;
    std::copy(v.begin(), v.end(), b.begin() + 2);
    EXPECT_EQ(Fout(b), kOngeldigeWaarde);
}

// --- Cells ------------------------------------------------------------------------------

TEST(Cellen, DecimalSignFixUp) {
    struct TGeval {
        const char* Tekst;
        const char* Bestand;
        char Huidig;
        const char* Uit;
    };
    const TGeval tabel[] = {
        {"12,5", ",", '.', "12.5"}, {"12.5", ".", ',', "12,5"},   {"12.5", ",", '.', "12.5"},
        {"12,5", ",", ',', "12,5"}, {"1,2,3", ",", '.', "1.2.3"}, {"12,5", "", '.', "12,5"},
        {"12,5", "x", '.', "12,5"}, {"12,5", ",,", '.', "12,5"},
    };
    for (const auto& g : tabel)
        EXPECT_EQ(ConverteerDecimaalteken(g.Tekst, g.Bestand, g.Huidig), g.Uit)
            << g.Tekst << " " << g.Bestand;
}

TEST(Cellen, WetByProductNames) {
    // Every short name finds its own by-product, so a stored name comes back.
    for (int i = kNatEerste; i <= kNatTotaal; ++i)
        EXPECT_EQ(NatProductIndex(Trim(NatProductKorteNaam[i])), i) << i;

    struct TGeval {
        int V;
        const char* Cel;
        const char* Omschrijving;
        int Nr;
    };
    const TGeval tabel[] = {
        {201200, "Batch A#Bierbostel", "Batch A", 10},
        {201200, "Partij#Totaal", "Partij", 17},
        {201200, " Pulp # bierbostel ", "Pulp", 10},
        {201200, "A#B#CCM", "A#B", 12},
        {201200, "Pulp#Onbekend", "Pulp#Onbekend", 0},
        {201200, "Bierbostel", "Bierbostel", 0},
        {201200, "  #Stro", "", 0},
        {201102, "Bierbostel", "Bierbostel", 10},
        {201102, "Iets anders", "Iets anders", 16},
        {201102, "Pulp#Onbekend", "Pulp#Onbekend", 16},
        {201102, "Pulp#MKS", "Pulp", 15},
    };
    for (const auto& g : tabel) {
        TTestBoerderij f;
        f.Cel = [&g](int m, int k, int c, int r) {
            return m == 2 && k == 3 && c == 1 && r == 4 ? g.Cel : "";
        };
        const TBoerderijBestand r = Lees(BouwBestand(g.V, f));
        EXPECT_EQ(r.Grid(2, 3).Cel(1, 4), g.Omschrijving) << g.V << " " << g.Cel;
        EXPECT_EQ(r.NatProductNr[1][3], g.Nr) << g.V << " " << g.Cel;
    }
}
} // namespace
