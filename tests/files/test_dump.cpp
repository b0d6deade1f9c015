// The dump export: the header of every module against its key list, the value lines of
// the example farm under both decimal signs, appending to new, empty, foreign and damaged
// files, the question about a farm already present, and the export command with its
// dialogs.
#include "BijzondereBestanden.h"
#include "Dump.h"
#include "Venster.h"
#include "Voorbeeldbedrijf.h"

#include "NumEdit.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <array>

namespace {
// The value lines of the example farm (file "Voorbeeld.trv") with the decimal point.
const std::array<const char*, 4> kVoorbeeld = {
    "VOORBEELD@2012.00@0@0 = Standaard@Voorbeeld 2012@J. Jansen@Dorpsweg 1@1234 AB Ergens@2012@"
    "Middle or large@80@25@30@80@0@50@680000@4.4@3.5@8500@22@114.5@104.0@ 0.00000000000000E+0000@"
    " 0.00000000000000E+0000@0.0@0.0@0.0@0.0@0.0@0.0@0.0@10@0.0@0.0@0.0@0.0@0.0@150000@900@170@"
    "27.20@4.00@100@100000@960@75@12.00@2.00@100@0@0@0@0.00@0.00@0@0@0@0@0.00@0.00@0@0@0@0.00@"
    "0.00@300000@940@180@28.80@4.20@100@250000@980@72@11.50@2.10@100@20000@1000@200@32.00@5.00@"
    "120@180000@1000@170@27.20@4.50@500@1100@230@36.00@7.00@120000@910@175@28.00@4.10@100@90000@"
    "970@74@11.80@2.00@100@0@0@0@0.00@0.00@0@0@0@0@0.00@0.00@0@0@0@0.00@0.00@960@190@30.40@4.30@"
    "100.00@10537@3998@10015@3800@11696@4356@+1681@+556@8750@3125@1265@675@2946@1231@+1681@+556@"
    "26@32@19429@6.9@26@+14.4@+12.8@16975@15978@654968@64601@228230@180198@20000@475@161464@100@"
    "10@35@28@3@0@25@155@209@177@72@200@230@170@3.9@4.5@4.1@2.1@5.0@7.0@4.5@156@218@190@74@200@"
    "209@170@3.9@4.7@4.4@2.1@5.0@6.4@4.5@994@960@933@976@1000@1100@1000@150000@100000@0@0@5.3@"
    "12.8@0.0@0.0@225@480@0@0@120000@90000@0@0@5.2@13.1@0.0@0.0@222@485@0@0@-30000@-10000@0@0@6@"
    "0@0@0@8@0@5@15@10@0@5@0@",
    "VOORBEELD@NIETEMARM1@0@0@0@600@100@400@4500@50@300@70@30@0@50@0@50@0@120@0@947@58@988@13@"
    "212@49@2266@64.8@3.33@23.0@0@146014@83897@9312@237@84540@64601@82215@96301@10688@238@76924@"
    "64601@228230@180198@20000@475@161464@0@4141@972@298@9@2555@2160@2332@1116@342@9@2325@2160@"
    "6473@2088@640@18@4880@33.44@28.36@11.59@32.00@37.89@30.22@0.83@0.70@0.48@0.60@0.86@0.69@"
    "16260@12105@3730@104@321@6087@4080@2040@55@60@60@57@50@33@17@57@6739@",
    "VOORBEELD@0.00@4.00@0.00@0@0.00@15000@4.00@0@0.00@95@100@70@60@0@0.0@0.0@0.00@0@0.0@0.0@"
    "0.00@0@0.0@0.0@0.00@250000@980.0@71.9@2.10@0@0.0@0.0@0.00@0@0.0@0.0@0.00@80.4@90.4@100.4@"
    " 0.00000000000000E+0000@ 0.00000000000000E+0000@ 0.00000000000000E+0000@50.0@60.0@75.0@85.1@"
    "95.1@105.1@55.0@65.0@80.0@50.0@60.0@75.0@2721@3124@3125@-1@(-0%)@77.7@89.2@89.3@3800@676@"
    "675@-1@1730@911@364@856@80@",
    "VOORBEELD@ZAND@VII-VIII@ZAND@VI@300@0@4.00@0@4.00@164@134@30@249@48@201@62@258@118@0@19@0@",
};
constexpr std::array<TDumpModule, 4> kModules = {TDumpModule::BEX, TDumpModule::BEA, TDumpModule::BEP,
                                                 TDumpModule::BEN};
const QByteArray kCrLf = "\r\n";
const QString kVraag = QStringLiteral("Dump file already contents a file with the name: %1\n"
                                      "Will youWilt u dit bestand toch (nogmaals) exporteren naar dumpfile?");

QByteArray Kop(TDumpModule m, const char* diercategorie = "MK") {
    return DumpSleutels(m, QString::fromLatin1(diercategorie)).join(QLatin1Char('@')).toLatin1() + '@';
}

QByteArray Inhoud(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool Schrijf(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    return f.open(QIODevice::WriteOnly) && f.write(inhoud) == inhoud.size();
}

// ---------------------------------------------------------------------------------------
// Keys, fields and texts

struct TKop {
    TDumpModule Module;
    const char* Diercategorie;
    int Aantal;
    int Lengte;
};

class DumpKopTest : public ::testing::TestWithParam<TKop> {};

TEST_P(DumpKopTest, AantalEnLengteVanDeKop) {
    const TKop k = GetParam();
    const QStringList sleutels = DumpSleutels(k.Module, QString::fromLatin1(k.Diercategorie));
    EXPECT_EQ(sleutels.size(), k.Aantal);
    EXPECT_EQ(Kop(k.Module, k.Diercategorie).size(), k.Lengte);
    EXPECT_EQ(sleutels.first(), "naaminv");
    QStringList eenmaal = sleutels;
    EXPECT_EQ(eenmaal.removeDuplicates(), 0);
}

INSTANTIATE_TEST_SUITE_P(Modules, DumpKopTest,
                         ::testing::Values(TKop{TDumpModule::BEX, "MK", 241, 2614},
                                           TKop{TDumpModule::BEX, "JV", 243, 2648},
                                           TKop{TDumpModule::BEA, "MK", 95, 1196},
                                           TKop{TDumpModule::BEP, "MK", 73, 1363},
                                           TKop{TDumpModule::BEN, "MK", 22, 309}));

TEST(DumpSleutels, GrenzenVanDeGroepen) {
    const QStringList mk = DumpSleutels(TDumpModule::BEX, QStringLiteral("MK"));
    const QStringList jv = DumpSleutels(TDumpModule::BEX, QStringLiteral("JV"));
    // Position (1-based) and key where a group starts or ends.
    const std::pair<int, const char*> bex[] = {
        {2, "versie"},       {22, "Nnorm_drijf"},  {26, "zoogkdrijf120"},  {39, "bv_gk_hoev"},
        {122, "ev_mp_p"},    {127, "best_gk_ras"}, {128, "excr_specexc1"}, {153, "rants_verbruik"},
        {201, "kv_geh_vem"}, {202, "gk_bv_hoev"},  {229, "kv_mut_hoev"},   {230, "mndweidb"},
        {235, "uurweido"},   {236, "oppgrasl"},    {241, "oppbouwh"},
    };
    for (const auto& [positie, sleutel] : bex)
        EXPECT_EQ(mk.at(positie - 1), sleutel) << positie;
    EXPECT_EQ(jv.at(229), "mndweidkab");
    EXPECT_EQ(jv.at(236), "uurweidpio");
    EXPECT_EQ(jv.at(237), "oppgrasl");
    const QStringList bea = DumpSleutels(TDumpModule::BEA);
    EXPECT_EQ(bea.at(30), "OpnameW_kgds_gr");
    EXPECT_EQ(bea.at(77), "Voer_VCRE_kv");
    EXPECT_EQ(bea.last(), "Ngras_toed");
    const QStringList bep = DumpSleutels(TDumpModule::BEP);
    EXPECT_TRUE(bep.contains("fosfaatnorm_pcvoordeeel"));
    EXPECT_EQ(bep.at(14), "aankoop_begin_gk_hoev");
    EXPECT_EQ(bep.last(), "P_normspec");
    EXPECT_EQ(DumpSleutels(TDumpModule::BEN).at(1), "grond_mais");
}

TEST(DumpTekst, PlusMinTekstDmp) {
    const std::pair<float, const char*> gevallen[] = {
        {0.0f, "0"},    {0.3f, "+0"},  {0.4f, "+0"},         {-12.6f, "-13"},
        {12.5f, "+13"}, {-0.3f, "-0"}, {30000.0f, "+30000"},
    };
    for (const auto& [x, tekst] : gevallen)
        EXPECT_EQ(PlusMinTekstDmp(x), tekst) << x;
}

TEST(DumpTekst, WriteDmpPerSoort) {
    TOpgenomenBerichten berichten;
    QByteArray regel;
    WRITEDMP(regel, 1, QStringLiteral("naaminv"), {}, berichten);
    WRITEDMP(regel, 2, {}, QStringLiteral("12.5"), berichten);
    WRITEDMP(regel, 2, {}, {}, berichten);
    WRITEDMP(regel, 2, {}, QStringLiteral("a@b\r\nc"), berichten);
    EXPECT_TRUE(berichten.Lijst.empty());
    WRITEDMP(regel, 3, QStringLiteral("x"), QStringLiteral("y"), berichten);
    EXPECT_EQ(regel, "naaminv@12.5@ 0.00000000000000E+0000@a_b  c@@");
    EXPECT_EQ(QByteArray(kDumpLeeg).size(), 23);
    EXPECT_EQ(berichten.Teksten(TBerichtSoort::Fout), QStringList{"Error Proc. WRITEDMP: onbekende kop: 3"});
}

TEST(DumpTekst, Windows1252) {
    EXPECT_EQ(NaarWindows1252(QString::fromUtf8("Café € – Ω 😀")), QByteArray("Caf\xe9 \x80 \x96 ? ?"));
}

// ---------------------------------------------------------------------------------------
// Appending to a file

class DumpBestandTest : public ::testing::Test {
protected:
    // Appends the row of farm naam to the file and records the questions asked.
    bool VoegToe(const QString& naam, bool antwoord = false) {
        return VoegDumpRegelToe(pad, "naaminv@x@", Regel(naam), naam, berichten, [&](const QString& v) {
                   vragen << v;
                   return antwoord;
               }) == TDumpUitkomst::Geschreven;
    }
    static QByteArray Regel(const QString& naam) {
        return NaarWindows1252(naam.toUpper()).replace('@', '_') + "@1@";
    }

    QTemporaryDir map;
    QString pad = map.filePath(QStringLiteral("farms.dmp"));
    TOpgenomenBerichten berichten;
    QStringList vragen;
};

TEST_F(DumpBestandTest, NieuwEnLeegBestandKrijgenKopEnRegel) {
    EXPECT_TRUE(VoegToe("farm"));
    EXPECT_EQ(Inhoud(pad), "naaminv@x@\r\nFARM@1@\r\n");
    ASSERT_TRUE(Schrijf(pad, ""));
    EXPECT_TRUE(VoegToe("farm"));
    EXPECT_EQ(Inhoud(pad), "naaminv@x@\r\nFARM@1@\r\n");
    EXPECT_TRUE(vragen.isEmpty());
    EXPECT_TRUE(berichten.Lijst.empty());
}

TEST_F(DumpBestandTest, VreemdeKopLaatHetBestandOngemoeid) {
    for (const QByteArray& inhoud : {QByteArray("naaminv@y@\r\nFARM@1@\r\n"), QByteArray("naaminv@x@y@\r\n"),
                                     QByteArray("NAAMINV@X@\r\n"), QByteArray("\r\nnaaminv@x@\r\n")}) {
        ASSERT_TRUE(Schrijf(pad, inhoud));
        berichten.Lijst.clear();
        EXPECT_FALSE(VoegToe("farm"));
        EXPECT_EQ(Inhoud(pad), inhoud);
        EXPECT_EQ(berichten.Teksten(TBerichtSoort::Fout), QStringList{"Error: dumpfile format niet gelijk"});
    }
}

TEST_F(DumpBestandTest, OntbrekendRegeleindeEerst) {
    ASSERT_TRUE(Schrijf(pad, "naaminv@x@\r\nA@1@"));
    EXPECT_TRUE(VoegToe("b"));
    EXPECT_EQ(Inhoud(pad), "naaminv@x@\r\nA@1@\r\nB@1@\r\n");
    // A header alone, without its line break.
    ASSERT_TRUE(Schrijf(pad, "naaminv@x@"));
    EXPECT_TRUE(VoegToe("b"));
    EXPECT_EQ(Inhoud(pad), "naaminv@x@\r\nB@1@\r\n");
}

TEST_F(DumpBestandTest, DezelfdeBoerderijVraagtEenmaal) {
    const QByteArray inhoud = "naaminv@x@\r\nFARM@1@\r\nOTHER@1@\r\nFARM@2@\r\n";
    ASSERT_TRUE(Schrijf(pad, inhoud));
    EXPECT_FALSE(VoegToe("Farm", false));
    EXPECT_EQ(Inhoud(pad), inhoud);
    EXPECT_EQ(vragen, QStringList{kVraag.arg("FARM")});
    vragen.clear();
    EXPECT_TRUE(VoegToe("FARM", true));
    EXPECT_EQ(Inhoud(pad), inhoud + "FARM@1@\r\n");
    EXPECT_EQ(vragen.size(), 1);
    // The header itself is no row, and lines may end in LF alone.
    ASSERT_TRUE(Schrijf(pad, "naaminv@x@\nfarm@1@\n"));
    vragen.clear();
    EXPECT_TRUE(VoegToe("FARM@X", false));
    EXPECT_TRUE(vragen.isEmpty());
}

TEST_F(DumpBestandTest, NaamMoetTotHetApenstaartjeGelijkZijn) {
    struct TGeval {
        const char* Rij;
        const char* Naam;
        bool Vraag;
    };
    const TGeval gevallen[] = {
        {"FARM2@1@", "farm", false}, {"FARM@1@", "farm2", false}, {"FARM@1@", "Farm", true},
        {"FARM@1@", "FARM", true},   {"A_B@1@", "a@b", true},     {" FARM@1@", "farm", false},
    };
    for (const TGeval& g : gevallen) {
        ASSERT_TRUE(Schrijf(pad, QByteArray("naaminv@x@\r\n") + g.Rij + kCrLf));
        vragen.clear();
        VoegToe(g.Naam, false);
        EXPECT_EQ(vragen.size(), g.Vraag ? 1 : 0) << g.Rij << " " << g.Naam;
    }
}

TEST_F(DumpBestandTest, SchrijffoutWordtGemeldEnLaatNietsAchter) {
    // A folder by the file's name, and a file in a folder that does not exist.
    ASSERT_TRUE(QDir(map.path()).mkdir("map.dmp"));
    pad = map.filePath("map.dmp");
    EXPECT_FALSE(VoegToe("farm"));
    pad = map.filePath("geen/farms.dmp");
    EXPECT_FALSE(VoegToe("farm"));
    EXPECT_FALSE(QFile::exists(pad));
    ASSERT_EQ(berichten.Lijst.size(), 2u);
    EXPECT_EQ(berichten.Lijst[0].Tekst,
              "Cannot open file " + map.filePath("map.dmp") + ": " + qt_error_string(EISDIR));
    for (const auto& b : berichten.Lijst) {
        EXPECT_EQ(b.Soort, TBerichtSoort::Fout);
        EXPECT_TRUE(b.Tekst.startsWith("The dump file ") || b.Tekst.startsWith("Cannot open file "))
            << b.Tekst.toStdString();
    }
}

TEST_F(DumpBestandTest, MisluktSchrijvenLaatHetBestandZoalsHetWas) {
    const QByteArray inhoud = "naaminv@x@\r\nA@1@\r\nB@1";
    ASSERT_TRUE(Schrijf(pad, inhoud));
    const QString nieuw = map.filePath(QStringLiteral("nieuw.dmp"));
    // Room for a few bytes of the line only, in the old file and in a new one.
    for (const rlim_t grens : {static_cast<rlim_t>(inhoud.size()) + 5, rlim_t{5}}) {
        const TGroottegrens g(grens);
        EXPECT_FALSE(VoegToe("farm"));
        pad = nieuw;
    }
    EXPECT_EQ(Inhoud(map.filePath(QStringLiteral("farms.dmp"))), inhoud);
    EXPECT_FALSE(QFile::exists(nieuw));
    EXPECT_EQ(berichten.Teksten(TBerichtSoort::Fout),
              (QStringList{"The dump file " + map.filePath("farms.dmp") + " cannot be written:\n" +
                               qt_error_string(EFBIG),
                           "The dump file " + nieuw + " cannot be written:\n" + qt_error_string(EFBIG)}));
}

// ---------------------------------------------------------------------------------------
// The export of the window

class DumpTest : public VensterTest {
protected:
    // The example farm, typed and saved as <folder>/boer/<naam>.trv.
    void Voorbeeld(const QString& naam = QStringLiteral("Voorbeeld")) {
        Toon();
        ASSERT_EQ(TypVoorbeeldbedrijf(*w), "");
        w->BestandNaam = omg.Map() + "/boer/" + naam + ".trv";
        omg.Berichten->Lijst.clear();
    }
    QString D(const QString& naam = QStringLiteral("farms.dmp")) const { return omg.Map() + "/" + naam; }
    // The files of the folder, but for the program's own.
    QStringList Bestanden() const {
        return QDir(omg.Map()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }
};

TEST_F(DumpTest, VoorbeeldbedrijfMetDePunt) {
    Voorbeeld();
    SchrijfDump(*w, D());
    EXPECT_EQ(Meldingen(), QStringList{});
    for (std::size_t i = 0; i < kModules.size(); ++i)
        EXPECT_EQ(Inhoud(DumpBestandsnaam(D(), kModules[i])),
                  Kop(kModules[i]) + kCrLf + kVoorbeeld[i] + kCrLf)
            << i;
}

TEST_F(DumpTest, VoorbeeldbedrijfMetDeKomma) {
    SetDecimalSeparator(',');
    Maak();
    Voorbeeld();
    SchrijfDump(*w, D());
    EXPECT_EQ(Meldingen(), QStringList{});
    for (std::size_t i = 0; i < kModules.size(); ++i) {
        // Every number takes the comma; the version, the name typed and the empty value
        // keep their point.
        QList<QByteArray> velden = QByteArray(kVoorbeeld[i]).split('@');
        for (int v = 0; v < velden.size(); ++v)
            if (velden[v] != kDumpLeeg && velden[v] != "J. Jansen" && !(i == 0 && v == 1))
                velden[v].replace('.', ',');
        EXPECT_EQ(Inhoud(DumpBestandsnaam(D(), kModules[i])),
                  Kop(kModules[i]) + kCrLf + velden.join('@') + kCrLf)
            << i;
    }
}

TEST_F(DumpTest, AlleenDeGekozenModules) {
    Voorbeeld();
    KiesAlsGebruiker(w->CbxModule, 1); // BEX + BEA
    SchrijfDump(*w, D());
    EXPECT_EQ(Bestanden(), (QStringList{"farms.dmp", "farms.dmp2"}));
    KiesAlsGebruiker(w->CbxModule, 0); // BEX
    SchrijfDump(*w, D("alleen.dmp"));
    EXPECT_EQ(Bestanden(), (QStringList{"alleen.dmp", "farms.dmp", "farms.dmp2"}));
}

TEST_F(DumpTest, TweedeExportNeeEnJa) {
    Voorbeeld();
    SchrijfDump(*w, D());
    QList<QByteArray> eerst;
    for (TDumpModule m : kModules)
        eerst << Inhoud(DumpBestandsnaam(D(), m));

    // No (the default answer) for every module: nothing changes.
    SchrijfDump(*w, D());
    EXPECT_EQ(Meldingen(TBerichtSoort::Vraag), QStringList(4, kVraag.arg("VOORBEELD")));
    for (std::size_t i = 0; i < kModules.size(); ++i)
        EXPECT_EQ(Inhoud(DumpBestandsnaam(D(), kModules[i])), eerst[static_cast<int>(i)]);
    for (const auto& b : omg.Berichten->Lijst)
        EXPECT_EQ(b.Knoppen, TKnoppen::JaNee);

    // Yes for BEX and BEP only: a second row there.
    omg.Berichten->Lijst.clear();
    omg.Berichten->Antwoorden = {TAntwoord::Ja, TAntwoord::Nee, TAntwoord::Ja, TAntwoord::Nee};
    SchrijfDump(*w, D());
    for (std::size_t i = 0; i < kModules.size(); ++i) {
        const QByteArray verwacht =
            i % 2 == 0 ? eerst[static_cast<int>(i)] + kVoorbeeld[i] + kCrLf : eerst[static_cast<int>(i)];
        EXPECT_EQ(Inhoud(DumpBestandsnaam(D(), kModules[i])), verwacht) << i;
    }
}

TEST_F(DumpTest, EigenVraagInPlaatsVanHetVenster) {
    Voorbeeld();
    QStringList vragen;
    const auto ja = [&vragen](const QString& v) {
        vragen << v;
        return true;
    };
    SchrijfDump(*w, D(), ja);
    EXPECT_TRUE(vragen.isEmpty());
    SchrijfDump(*w, D(), ja);
    EXPECT_EQ(vragen.size(), 4);
    EXPECT_EQ(Meldingen(), QStringList{});
    EXPECT_EQ(Inhoud(D()).count("\r\nVOORBEELD@"), 2);
}

TEST_F(DumpTest, AndereKopGaatDoorBestandsfoutStopt) {
    Voorbeeld();
    const QByteArray vreemd = "naaminv@iets anders@\r\n";
    ASSERT_TRUE(Schrijf(D(), vreemd));
    ASSERT_TRUE(QDir(omg.Map()).mkdir("farms.dmp3"));
    SchrijfDump(*w, D());
    EXPECT_EQ(Inhoud(D()), vreemd);
    EXPECT_EQ(Inhoud(D() + "2"), Kop(TDumpModule::BEA) + kCrLf + kVoorbeeld[1] + kCrLf);
    EXPECT_FALSE(QFileInfo::exists(D() + "4"));
    const QStringList fouten = Meldingen(TBerichtSoort::Fout);
    ASSERT_EQ(fouten.size(), 2);
    EXPECT_EQ(fouten[0], "Error: dumpfile format niet gelijk");
    EXPECT_EQ(fouten[1], "Cannot open file " + D() + "3: " + qt_error_string(EISDIR));
}

TEST_F(DumpTest, MisluktSchrijvenLaatElkBestandZoalsHetWas) {
    Voorbeeld();
    SchrijfDump(*w, D());
    // The BEX file padded with a row to a size that may then grow by a few bytes only; the
    // other files could take their lines, but the export ends at the first failure.
    QList<QByteArray> voor;
    for (TDumpModule m : kModules) {
        QByteArray inhoud = Inhoud(DumpBestandsnaam(D(), m));
        if (m == TDumpModule::BEX)
            inhoud += "VUL@" + QByteArray(6000 - inhoud.size() - 6, 'x') + kCrLf;
        else
            ASSERT_LT(2 * inhoud.size(), 6010); // room for a second row
        ASSERT_TRUE(Schrijf(DumpBestandsnaam(D(), m), inhoud));
        voor << inhoud;
    }
    {
        const TGroottegrens grens(6010);
        SchrijfDump(*w, D(), [](const QString&) { return true; });
    }
    for (std::size_t i = 0; i < kModules.size(); ++i)
        EXPECT_EQ(Inhoud(DumpBestandsnaam(D(), kModules[i])), voor[static_cast<int>(i)]) << i;
    EXPECT_EQ(Meldingen(TBerichtSoort::Fout).size(), 1);
}

TEST_F(DumpTest, FifoAlsDumpbestandMeteenGeweigerd) {
    Voorbeeld();
    KoppelDump(*w);
    const TFifo fifo(D());
    omg.Dialogen->Antwoorden = {D()};
    w->MitDump->trigger();
    // The other modules' files are not made.
    EXPECT_EQ(Meldingen(), QStringList{"Cannot open file " + D() + ": Not a regular file"});
    for (const char* n : {"2", "3", "4"})
        EXPECT_FALSE(QFileInfo::exists(D() + n)) << n;
}

TEST_F(DumpTest, JongveeKopPastNietInEenKoeienbestand) {
    Voorbeeld();
    SchrijfDump(*w, D());
    const QByteArray voor = Inhoud(D());
    w->Diercategorie = QStringLiteral("JV");
    EXPECT_EQ(DumpKopregel(*w, TDumpModule::BEX), Kop(TDumpModule::BEX, "JV"));
    EXPECT_EQ(VoegDumpRegelToe(D(), DumpKopregel(*w, TDumpModule::BEX),
                               DumpWaarderegel(*w, TDumpModule::BEX, "ander"), "ander", w->Berichten(), {}),
              TDumpUitkomst::NietGeschreven);
    EXPECT_EQ(Inhoud(D()), voor);
    EXPECT_EQ(Meldingen(), QStringList{"Error: dumpfile format niet gelijk"});
}

TEST_F(DumpTest, ApenstaartjesEnVerborgenMaisgrond) {
    Voorbeeld(QStringLiteral("boer@één"));
    w->EdtPlaats->setText(QStringLiteral("Ergens@Anders"));
    // Without the maize soil list the maize land has no codes.
    w->CbxMaisGrond->setVisible(false);
    ASSERT_TRUE(w->Bereken());
    const QList<QByteArray> bex = DumpWaarderegel(*w, TDumpModule::BEX, "boer@één").split('@');
    EXPECT_EQ(bex[0], "BOER_\xc9\xc9N");
    EXPECT_EQ(bex[7], "Ergens_Anders");
    const QList<QByteArray> ben = DumpWaarderegel(*w, TDumpModule::BEN, "x").split('@');
    EXPECT_EQ(ben[1], kDumpLeeg);
    EXPECT_EQ(ben[2], kDumpLeeg);
    EXPECT_EQ(ben[3], "ZAND");
    // The file's own name, shown in upper case, is what the question names.
    SchrijfDump(*w, D());
    SchrijfDump(*w, D());
    EXPECT_EQ(Meldingen(TBerichtSoort::Vraag).value(0), kVraag.arg(QString::fromUtf8("BOER_ÉÉN")));
}

TEST_F(DumpTest, OngeldigePaginaSchrijftNiets) {
    Voorbeeld();
    Typ(w->SpeMelklev, "");
    ASSERT_FALSE(w->AllesGoed());
    KoppelDump(*w);
    omg.Dialogen->Antwoorden = {D()};
    w->MitDump->trigger();
    EXPECT_EQ(Meldingen(), QStringList{"Vul eerst alle tabbladen goed in"});
    EXPECT_TRUE(omg.Dialogen->Vragen.empty());
    omg.Berichten->Lijst.clear();
    SchrijfDump(*w, D());
    EXPECT_EQ(Meldingen(), QStringList{"Vul eerst alle tabbladen goed in"});
    EXPECT_EQ(Bestanden(), QStringList{});
}

TEST_F(DumpTest, ExportZonderNaamSlaatEerstOp) {
    Voorbeeld();
    w->BestandNaam.clear();
    // Save cancelled: nothing more is asked or written.
    BtnDumpClick(*w);
    EXPECT_EQ(Meldingen(), QStringList{"De rekenset moet eerst opgeslagen worden"});
    EXPECT_EQ(Meldingen(TBerichtSoort::Informatie).size(), 1);
    EXPECT_EQ(omg.Dialogen->Vragen.size(), 1u);

    omg.Berichten->Lijst.clear();
    omg.Dialogen->Vragen.clear();
    omg.Dialogen->Antwoorden = {omg.Map() + "/Voorbeeld.trv", D()};
    BtnDumpClick(*w);
    EXPECT_EQ(Meldingen(), QStringList{});
    EXPECT_TRUE(QFile::exists(omg.Map() + "/Voorbeeld.trv"));
    ASSERT_EQ(omg.Dialogen->Vragen.size(), 2u);
    const TBestandKeuze& k = omg.Dialogen->Vragen[1];
    EXPECT_EQ(k.Titel, "Exporteren");
    EXPECT_EQ(k.Filter, "dmp-bestand (*.dmp)");
    EXPECT_EQ(k.StandaardExtensie, "dmp");
    EXPECT_TRUE(k.NieuweNaam);
    EXPECT_EQ(Inhoud(D()), Kop(TDumpModule::BEX) + kCrLf + kVoorbeeld[0] + kCrLf);
}

TEST_F(DumpTest, BenoemdeBoerderijAlleenDeExportdialoog) {
    Voorbeeld();
    omg.Dialogen->Antwoorden = {omg.Map() + "/uitvoer"};
    BtnDumpClick(*w);
    // Only the export dialog; the name typed without an extension gets "dmp".
    ASSERT_EQ(omg.Dialogen->Vragen.size(), 1u);
    EXPECT_EQ(omg.Dialogen->Vragen[0].Titel, "Exporteren");
    EXPECT_EQ(Bestanden(), (QStringList{"uitvoer.dmp", "uitvoer.dmp2", "uitvoer.dmp3", "uitvoer.dmp4"}));
    // Cancelled: nothing.
    BtnDumpClick(*w);
    EXPECT_EQ(Bestanden().size(), 4);
    EXPECT_EQ(Meldingen(), QStringList{});
}

TEST_F(DumpTest, KnopEnMenuNaKoppelen) {
    EXPECT_FALSE(w->MitDump->isEnabled());
    EXPECT_FALSE(w->BtnDump->isEnabled());
    KoppelDump(*w);
    EXPECT_TRUE(w->MitDump->isEnabled());
    EXPECT_TRUE(w->BtnDump->isEnabled());
    Voorbeeld();
    omg.Dialogen->Antwoorden = {D()};
    QTest::mouseClick(w->BtnDump, Qt::LeftButton);
    EXPECT_EQ(omg.Dialogen->Vragen.size(), 1u);
    EXPECT_EQ(Bestanden().size(), 4);
}
} // namespace
