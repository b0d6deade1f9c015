#include "BijzondereBestanden.h"
#include "IniBestand.h"
#include "TestOmgeving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include "QtPrinten.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
class IniBestandTest : public ::testing::Test {
protected:
    TTestOmgeving omg;
    QString pad = omg.Map() + QStringLiteral("/instellingen.ini");
    std::string TekstOpSchijf() const { return omg.Lees(pad).toStdString(); }
};

TEST_F(IniBestandTest, SchrijftSectiesEnSleutelsZoalsZeStaan) {
    TIniBestand ini(pad);
    EXPECT_TRUE(ini.SchrijfTekst("Farm/company", "Name", "De Hoeve"));
    EXPECT_TRUE(ini.SchrijfTekst("Farm/company", "Adress", "Dorpsstraat 1"));
    EXPECT_TRUE(ini.SchrijfTekst("Farm/company", "City", "1234 AB Ergens"));
    EXPECT_TRUE(ini.SchrijfBoolean("Gebruik", "Product Support", false));
    EXPECT_TRUE(ini.SchrijfTekst("Gebruik", "LogoBedrijf", "C:\\logo\\boer.bmp"));
    EXPECT_EQ(TekstOpSchijf(), "[Farm/company]\n"
                               "Name=De Hoeve\n"
                               "Adress=Dorpsstraat 1\n"
                               "City=1234 AB Ergens\n"
                               "[Gebruik]\n"
                               "Product Support=0\n"
                               "LogoBedrijf=C:\\logo\\boer.bmp\n");
    const TIniBestand terug(pad);
    EXPECT_EQ(terug.LeesTekst("Farm/company", "Name", "x"), "De Hoeve");
    EXPECT_EQ(terug.LeesTekst("Gebruik", "LogoBedrijf", "x"), "C:\\logo\\boer.bmp");
    EXPECT_FALSE(terug.LeesBoolean("Gebruik", "Product Support", true));
}

TEST_F(IniBestandTest, ZoektZonderHoofdlettersEnHoudtDeSpellingVanHetBestand) {
    omg.Schrijf(QStringLiteral("instellingen.ini"), "[FARM/Company]\r\nNAME = Jansen \r\n");
    TIniBestand ini(pad);
    EXPECT_EQ(ini.LeesTekst("farm/company", "name", ""), "Jansen");
    EXPECT_TRUE(ini.BevatSleutel("Farm/company", "Name"));
    ini.SchrijfTekst("Farm/company", "Name", "Pietersen");
    EXPECT_EQ(TekstOpSchijf(), "[FARM/Company]\nNAME=Pietersen\n");
}

TEST_F(IniBestandTest, LaatAndereSectiesSleutelsEnCommentaarStaan) {
    omg.Schrijf(QStringLiteral("instellingen.ini"), "; eigen notitie\n"
                                                    "[BestandHistorie]\n"
                                                    "FileHistCount=1\n"
                                                    "FileHistItem0=/data/boer.trv\n"
                                                    "\n"
                                                    "[Gebruik]\n"
                                                    "LogoBedrijf=logo.bmp\n"
                                                    "\n"
                                                    "[Onbekend]\n"
                                                    "Iets=waarde\n");
    TIniBestand ini(pad);
    ini.SchrijfBoolean("Gebruik", "Product Support", true);
    ini.SchrijfTekst("Farm/company", "Name", "Jansen");
    EXPECT_EQ(TekstOpSchijf(), "; eigen notitie\n"
                               "[BestandHistorie]\n"
                               "FileHistCount=1\n"
                               "FileHistItem0=/data/boer.trv\n"
                               "\n"
                               "[Gebruik]\n"
                               "LogoBedrijf=logo.bmp\n"
                               "Product Support=1\n"
                               "\n"
                               "[Onbekend]\n"
                               "Iets=waarde\n"
                               "[Farm/company]\n"
                               "Name=Jansen\n");
}

struct BoolGeval {
    const char* Waarde;
    bool Standaard;
    bool Verwacht;
};
class IniBooleanTest : public ::testing::TestWithParam<BoolGeval> {};

TEST_P(IniBooleanTest, LeestEnkelGetallenEnTrueFalse) {
    TTestOmgeving omg;
    const QString pad = omg.Schrijf(QStringLiteral("b.ini"),
                                    QByteArray("[Gebruik]\nProduct Support=") + GetParam().Waarde + "\n");
    const TIniBestand ini(pad);
    EXPECT_EQ(ini.LeesBoolean("Gebruik", "Product Support", GetParam().Standaard), GetParam().Verwacht);
}

INSTANTIATE_TEST_SUITE_P(Waarden, IniBooleanTest,
                         ::testing::Values(BoolGeval{"1", false, true}, BoolGeval{"0", true, false},
                                           BoolGeval{"2", false, true}, BoolGeval{"-1", false, true},
                                           BoolGeval{"true", false, true}, BoolGeval{"FALSE", true, false},
                                           BoolGeval{"True", false, true}, BoolGeval{"ja", true, true},
                                           BoolGeval{"ja", false, false}, BoolGeval{"", true, true},
                                           BoolGeval{"1.0", false, false}));

TEST_F(IniBestandTest, OntbrekendeSleutelGeeftDeStandaard) {
    const TIniBestand ini(pad);
    EXPECT_EQ(ini.LeesTekst("Gebruik", "LogoBedrijf", "Bedrijfslogo.wmf"), "Bedrijfslogo.wmf");
    EXPECT_TRUE(ini.LeesBoolean("Gebruik", "Product Support", true));
    EXPECT_EQ(ini.LeesGetal("BestandHistorie", "FileHistCount", 0), 0);
    EXPECT_FALSE(QFileInfo::exists(pad)) << "reading creates nothing";
}

TEST_F(IniBestandTest, EenFifoWordtGelezenAlsOntbrekend) {
    const QByteArray fifo = QFile::encodeName(pad);
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    auto lezen = std::async(std::launch::async, [this] {
        return TIniBestand(pad).LeesTekst("Gebruik", "LogoBedrijf", "Bedrijfslogo.wmf");
    });
    // Not a time limit on reading: the bound only tells a reader that waits for the FIFO's
    // other end, which a writer opened here then lets go.
    const bool klaar = lezen.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!klaar) ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK));
    EXPECT_TRUE(klaar) << "the settings file waited for the FIFO's other end";
    EXPECT_EQ(lezen.get(), "Bedrijfslogo.wmf");
}

TEST_F(IniBestandTest, GetallenEnFoutieveGetallen) {
    omg.Schrijf(QStringLiteral("instellingen.ini"), "[BestandHistorie]\nFileHistCount=3\nFout=3x\n");
    TIniBestand ini(pad);
    EXPECT_EQ(ini.LeesGetal("BestandHistorie", "FileHistCount", 0), 3);
    EXPECT_EQ(ini.LeesGetal("BestandHistorie", "Fout", 7), 7);
    ini.SchrijfGetal("BestandHistorie", "FileHistCount", 5);
    EXPECT_EQ(TIniBestand(pad).LeesGetal("BestandHistorie", "FileHistCount", 0), 5);
}

TEST_F(IniBestandTest, RegeleindeInEenWaardeBreektHetBestandNiet) {
    TIniBestand ini(pad);
    ini.SchrijfTekst("Farm/company", "Name", "Jan\nDe=Boer\r\n[Gebruik]");
    ini.SchrijfTekst("Farm/company", "City", "Ergens");
    const TIniBestand terug(pad);
    EXPECT_EQ(terug.LeesTekst("Farm/company", "Name", ""), "Jan De=Boer  [Gebruik]");
    EXPECT_EQ(terug.LeesTekst("Farm/company", "City", ""), "Ergens");
    EXPECT_FALSE(terug.BevatSleutel("Gebruik", "Name"));
}

TEST_F(IniBestandTest, SchrijvenInEenOnmogelijkeMapMisluktZonderSchade) {
    const QString blok = omg.Schrijf(QStringLiteral("blok"), "geen map");
    TIniBestand ini(blok + QStringLiteral("/sub/x.ini"));
    EXPECT_FALSE(ini.SchrijfTekst("Farm/company", "Name", "Jansen"));
    EXPECT_EQ(omg.Lees(blok), "geen map");
}

// A full disk (a size limit below the new text), a FIFO and a symlink to one keep what
// they are and the write says it failed; a symlink to a file is written through.
class IniOpslaanTest : public IniBestandTest, public ::testing::WithParamInterface<std::optional<TDoel>> {};

TEST_P(IniOpslaanTest, EenMisluktOpslaanLaatHetBestandStaan) {
    const QByteArray oud = "[Gebruik]\nLogoBedrijf=boer.bmp\n";
    const std::optional<TDoel> doel = GetParam();
    if (doel)
        MaakDoel(*doel, pad, oud);
    else
        omg.Schrijf(QStringLiteral("instellingen.ini"), oud);
    TIniBestand ini(pad);
    bool geschreven = false;
    {
        const TGroottegrens grens(doel ? RLIM_INFINITY : oud.size());
        geschreven = ini.SchrijfTekst("Farm/company", "Name", "De Hoeve");
    }
    const bool doorLink = doel == TDoel::LinkNaarBestand;
    EXPECT_EQ(geschreven, doorLink);
    EXPECT_EQ(QFileInfo(pad).isSymLink(), doel && doel != TDoel::Fifo);
    EXPECT_EQ(Stand(pad), doorLink ? oud + "[Farm/company]\nName=De Hoeve\n" : doel ? "<fifo>" : oud);
}

INSTANTIATE_TEST_SUITE_P(Doelen, IniOpslaanTest,
                         ::testing::Values(std::nullopt, TDoel::Fifo, TDoel::LinkNaarFifo,
                                           TDoel::LinkNaarBestand));

TEST(KiesIniBestand, AppDataKopieGaatVoor) {
    TTestOmgeving omg;
    omg.Schrijf(QStringLiteral("prog/tarvolingrade.ini"), "");
    omg.Schrijf(QStringLiteral("appdata/Tarvolingrade/Tarvolingrade.ini"), "");
    EXPECT_EQ(KiesIniBestand(omg.ProgrammaBestand(), omg.AppDataMap()), omg.IniAppData());
}

TEST(KiesIniBestand, AndersHetBestandNaastHetProgramma) {
    TTestOmgeving omg;
    EXPECT_EQ(KiesIniBestand(omg.ProgrammaBestand(), omg.AppDataMap()), omg.IniNaastProgramma());
    // The extension of the program is replaced.
    EXPECT_EQ(KiesIniBestand(omg.Map() + QStringLiteral("/prog/Tarvo.v2.exe"), omg.AppDataMap()),
              omg.Map() + QStringLiteral("/prog/Tarvo.v2.ini"));
}

TEST(KiesIniBestand, OnschrijfbareProgrammamapGebruiktAppData) {
    TTestOmgeving omg;
    // A program in a folder that cannot be written (here: one that does not exist).
    const QString prog = omg.Map() + QStringLiteral("/weg/tarvolingrade");
    const QString gekozen = KiesIniBestand(prog, omg.AppDataMap());
    EXPECT_EQ(gekozen, omg.IniAppData());
    TIniBestand ini(gekozen);
    EXPECT_TRUE(ini.SchrijfTekst("Farm/company", "Name", "Jansen"))
        << "the folder is made on the first write";
    EXPECT_EQ(omg.Lees(omg.IniAppData()), "[Farm/company]\nName=Jansen\n");
}

TEST(KiesIniBestand, ZonderAppDataMapAlleenNaastHetProgramma) {
    TTestOmgeving omg;
    const QString prog = omg.Map() + QStringLiteral("/weg/tarvolingrade");
    EXPECT_EQ(KiesIniBestand(prog, QString()), omg.Map() + QStringLiteral("/weg/tarvolingrade.ini"));
}
} // namespace

// A settings file from Windows is in its code page: its characters survive a write.
TEST_F(IniBestandTest, EenBestandInDeWindowsCodetabelHoudtZijnTekens) {
    omg.Schrijf(QStringLiteral("instellingen.ini"),
                "[Farm/company]\r\nName=Caf\xe9 M\xfcller\r\nAdress=Dorpsstra\xdf"
                "e 1\r\nCity=Ee\xebn \x80\r\n");
    TIniBestand ini(pad);
    EXPECT_EQ(ini.LeesTekst("Farm/company", "Name", ""), "Café Müller");
    ASSERT_TRUE(ini.SchrijfTekst("Gebruik", "LogoBedrijf", "boer.bmp"));
    EXPECT_EQ(TekstOpSchijf(), "[Farm/company]\nName=Café Müller\nAdress=Dorpsstraße 1\nCity=Eeën €\n"
                               "[Gebruik]\nLogoBedrijf=boer.bmp\n");
}

// A file saved as Unicode text on Windows: UTF-16 with a byte-order mark, in either order.
class IniUtf16Test : public IniBestandTest,
                     public ::testing::WithParamInterface<QStringConverter::Encoding> {};

TEST_P(IniUtf16Test, WordtGelezenEnHoudtZijnTekens) {
    const QByteArray bytes = QStringEncoder(GetParam(), QStringConverter::Flag::WriteBom)(
        QStringLiteral("[Farm/company]\r\nName=Café Müller\r\nAdress=Dorpsstraße 1\r\nCity=Eeën\r\n"));
    omg.Schrijf(QStringLiteral("instellingen.ini"), bytes);
    TIniBestand ini(pad);
    EXPECT_EQ(ini.LeesTekst("Farm/company", "Adress", ""), "Dorpsstraße 1");
    ASSERT_TRUE(ini.SchrijfTekst("Gebruik", "LogoBedrijf", "boer.bmp"));
    EXPECT_EQ(TekstOpSchijf(), "[Farm/company]\nName=Café Müller\nAdress=Dorpsstraße 1\nCity=Eeën\n"
                               "[Gebruik]\nLogoBedrijf=boer.bmp\n");
    // A stray byte after the last character would be lost by a write: none is made.
    omg.Schrijf(QStringLiteral("instellingen.ini"), bytes + 'x');
    TIniBestand beschadigd(pad);
    EXPECT_EQ(beschadigd.LeesTekst("Farm/company", "Name", ""), "Café Müller");
    EXPECT_FALSE(beschadigd.SchrijfTekst("Gebruik", "LogoBedrijf", "boer.bmp"));
    EXPECT_TRUE(omg.Lees(pad) == bytes + 'x');
    // So would a lone surrogate, which UTF-8 cannot hold: the rest is read, nothing written.
    const QByteArray los = QStringEncoder(GetParam(), QStringConverter::Flag::WriteBom)(
        QStringLiteral("[Farm/company]\r\nName=Café Müller\r\nCity=Ee") + QChar(0xD800) +
        QStringLiteral("n\r\nAdress=Dorpsstraße 1\r\n"));
    omg.Schrijf(QStringLiteral("instellingen.ini"), los);
    TIniBestand surrogaat(pad);
    EXPECT_EQ(surrogaat.LeesTekst("Farm/company", "Adress", ""), "Dorpsstraße 1");
    EXPECT_FALSE(surrogaat.SchrijfTekst("Gebruik", "LogoBedrijf", "boer.bmp"));
    EXPECT_TRUE(omg.Lees(pad) == los);
}

INSTANTIATE_TEST_SUITE_P(Ini, IniUtf16Test,
                         ::testing::Values(QStringConverter::Utf16LE, QStringConverter::Utf16BE));

// A file too large to be read, or a write whose sync fails, leaves the file as it was.
class IniNietGeschrevenTest : public IniBestandTest, public ::testing::WithParamInterface<bool> {};

TEST_P(IniNietGeschrevenTest, HetBestandBlijftStaan) {
    const bool teGroot = GetParam();
    const QByteArray oud = "[Gebruik]\nLogoBedrijf=boer.bmp\n" + QByteArray(teGroot ? 5 << 20 : 0, ';');
    omg.Schrijf(QStringLiteral("instellingen.ini"), oud);
    TIniBestand ini(pad);
    std::optional<TSyncFout> syncFout;
    if (!teGroot) syncFout.emplace();
    EXPECT_FALSE(ini.SchrijfTekst("Farm/company", "Name", "De Hoeve"));
    EXPECT_TRUE(omg.Lees(pad) == oud);
}

INSTANTIATE_TEST_SUITE_P(Ini, IniNietGeschrevenTest, ::testing::Bool());
