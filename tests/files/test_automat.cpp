// The batch window and the batch run end to end: tables written here, the window driven
// through its buttons, the dialogs and message boxes answered by the stand-ins.
#include "Automat.h"
#include "Bestandscommandos.h"
#include "BijzondereBestanden.h"
#include "Dump.h"

#include "NumEdit.h"
#include "QtPrinten.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Venster.h"
#include "VoorraadGrid.h"

#include "Boerderij.h"
#include "Getallen.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace {
using TRij = std::vector<std::pair<std::string, std::string>>;

// The farm of the complete BEX calculation worked out by hand in the model's tests, as one
// row of a table: 2012, 80 cows, 30 heifers, 25 calves, 680000 kg milk, ten sheep, stocks
// of every kind, six months of limited grazing at 8 hours, 35 ha.
// "KEY=value" pairs joined by "|" as a row.
TRij Rij(const std::string& paren) {
    TRij rij;
    std::size_t begin = 0;
    while (begin < paren.size()) {
        std::size_t eind = paren.find('|', begin);
        if (eind == std::string::npos) eind = paren.size();
        const std::string paar = paren.substr(begin, eind - begin);
        const std::size_t is = paar.find('=');
        rij.emplace_back(paar.substr(0, is), paar.substr(is + 1));
        begin = eind + 1;
    }
    return rij;
}

TRij BexBoer(const std::string& naam) {
    return Rij(
        "NAAMINV=" + naam +
        "|VERSIE=2012.00|JAARTAL=2012|OMSCHR=Voorbeeld|VEEHOUDER=J. Jansen|STRAAT=Dorpsweg 1|PLAATS=Ergens|"
        "EVALNR=0|RAS=NORM|NKOE=80|NKALF=25|NPINK=30|PCDRIJFMK=80|PCDRIJFKA=0|PCDRIJFPI=50|MELKLEV=680000|"
        "VET=4.4|EIWIT=3.5|UREUM=22|SCHAPEN550=10|"
        "BV_GK_HOEV=150000|BV_GK_VEM=900|BV_GK_RE=170|BV_GK_N=27.2|BV_GK_P=4|"
        "AANLEG_GK_HOEV=300000|AANLEG_GK_VEM=940|AANLEG_GK_RE=180|AANLEG_GK_N=28.8|AANLEG_GK_P=4.2|"
        "EV_GK_HOEV=120000|EV_GK_VEM=910|EV_GK_RE=175|EV_GK_N=28|EV_GK_P=4.1|"
        "BV_SM_HOEV=100000|BV_SM_VEM=960|BV_SM_RE=75|BV_SM_N=12|BV_SM_P=2|"
        "AANLEG_SM_HOEV=250000|AANLEG_SM_VEM=980|AANLEG_SM_RE=72|AANLEG_SM_N=11.5|AANLEG_SM_P=2.1|"
        "EV_SM_HOEV=90000|EV_SM_VEM=970|EV_SM_RE=74|EV_SM_N=11.8|EV_SM_P=2|"
        "AANLEG_OV_HOEV=20000|AANLEG_OV_VEM=1000|AANLEG_OV_RE=200|AANLEG_OV_N=32|AANLEG_OV_P=5|"
        "AANLEG_OV_VRE=150|AANLEG_KV_HOEV=180000|AANLEG_KV_VEM=1000|AANLEG_KV_RE=170|AANLEG_KV_N=27.2|"
        "AANLEG_KV_P=4.5|AANLEG_MP_HOEV=500|AANLEG_MP_VEM=1100|AANLEG_MP_RE=230|AANLEG_MP_N=36|"
        "AANLEG_MP_P=7|BEST_GK_VEM=960|BEST_GK_RE=190|BEST_GK_N=30.4|BEST_GK_P=4.3|TYPESTAL=NIETEMARM1|"
        "MNDWEIDB=6|UURWEIDB=8|OPPGRASL=5|OPPGRASN=15|OPPGRASH=10|OPPBOUWN=5|PCMETHGRAS1=100|"
        "PCMETHBOUW1=100");
}

// A row with some of its values replaced, added or (with an empty value) left out.
TRij Met(TRij rij, const TRij& wijzigingen) {
    for (const auto& [sleutel, waarde] : wijzigingen) {
        auto it = std::find_if(rij.begin(), rij.end(), [&](const auto& p) { return p.first == sleutel; });
        if (it != rij.end())
            it->second = waarde;
        else
            rij.emplace_back(sleutel, waarde);
    }
    return rij;
}

// The table: the header holds every column of every row in the order first met; fields
// end with the separator; lines with CR LF.
QByteArray Tabel(const std::vector<TRij>& rijen, char scheiding = '@') {
    std::vector<std::string> kolommen;
    for (const TRij& rij : rijen)
        for (const auto& [sleutel, waarde] : rij)
            if (std::find(kolommen.begin(), kolommen.end(), sleutel) == kolommen.end())
                kolommen.push_back(sleutel);
    std::string tekst;
    for (const std::string& k : kolommen)
        tekst += k + scheiding;
    tekst += "\r\n";
    for (const TRij& rij : rijen) {
        for (const std::string& k : kolommen) {
            auto it = std::find_if(rij.begin(), rij.end(), [&](const auto& p) { return p.first == k; });
            if (it != rij.end()) tekst += it->second;
            tekst += scheiding;
        }
        tekst += "\r\n";
    }
    return QByteArray::fromStdString(tekst);
}

// The BEX figures of the farm worked out by hand, as a row of the result table.
const QByteArray kBexCijfers =
    "10537\t3998\t10015\t3800\t11696\t4356\t+1681\t+556\t8750\t3125\t2946\t1231\t1265\t675\t+1681\t+556\t";
const QByteArray kKop =
    "Plannaam\tBEX_N_excl\tBEX_P_excl\tBEX_N_incl\tBEX_P_incl\tFORF_N\tFORF_P\tVOORDEEL_N\t"
    "VOORDEEL_P\tGEBRNORM_N\tGEBRNORM_P\tMA_FORF_N\tMA_FORF_P\tMA_BEX_N\tMA_BEX_P\t"
    "MA_VOORDEEL_N\tMA_VOORDEEL_P\t";
const QByteArray kLeeg = QByteArray(16, '\t');

class AutomatTest : public VensterTest {
protected:
    void SetUp() override {
        VensterTest::SetUp();
        a = std::make_unique<TFrmAutomat>(omg.Omgeving());
        KoppelBatch(*w, *a);
        // What the model was given, farm by farm, with the shown area totals: the first
        // calculation of each farm (the dump export calculates once more).
        auto model = w->Rekenmodel;
        w->Rekenmodel = [this, model](const TTvInvoer& in, TTvUitvoer& uit) {
            std::size_t plan = 0;
            for (int i = 0; i < a->LstAutomat->count(); ++i)
                if (plan < a->Plannen.size() &&
                    a->LstAutomat->item(i)->text() == QString::fromStdString(a->Plannen[plan].Naam))
                    ++plan;
            if (plan > invoer.size()) {
                invoer.push_back(in);
                oppGras.push_back(w->SpeOppGras->value());
                besteKuil.push_back(w->VoorraadGrids[mAanleg][kGK]->Cells(2, 2));
            }
            model(in, uit);
        };
        a->FormShow();
    }
    void TearDown() override {
        w->Haken.BatchBezig = {};
        a.reset();
        VensterTest::TearDown();
    }
    // Writes the table into a folder of its own, chooses it and runs it.
    QString Verwerk(const QByteArray& tabel, const QString& naam = QStringLiteral("boeren.inv")) {
        const QString pad = omg.Schrijf(QStringLiteral("batch/") + naam, tabel);
        omg.Dialogen->Antwoorden.push_back(pad);
        a->BtnBestand->click();
        a->BtnVerwerken->click();
        return pad;
    }
    QStringList Lijst() const {
        QStringList l;
        for (int i = 0; i < a->LstAutomat->count(); ++i)
            l << a->LstAutomat->item(i)->text();
        return l;
    }
    QString Map() const { return omg.Map() + QStringLiteral("/batch/"); }
    QList<QByteArray> Regels(const QString& pad) const {
        QList<QByteArray> r = omg.Lees(pad).split('\n');
        if (!r.isEmpty() && r.last().isEmpty()) r.removeLast();
        return r;
    }
    // The first fields of the lines of a dump file.
    QStringList DumpNamen(const QString& pad) const {
        QStringList namen;
        for (const QByteArray& r : Regels(pad))
            namen << QString::fromLatin1(r.left(r.indexOf('@')));
        return namen;
    }

    std::unique_ptr<TFrmAutomat> a;
    std::vector<TTvInvoer> invoer;
    std::vector<double> oppGras;
    std::vector<QString> besteKuil;
};

TEST_F(AutomatTest, VensterEnBestandskeuze) {
    EXPECT_EQ(a->objectName(), "FrmAutomat");
    EXPECT_EQ(a->windowTitle(), "Verwerken invoerbestand");
    EXPECT_EQ(a->SttIn->text(), "Invoerbestand:");
    EXPECT_EQ(a->SttOut->text(), "Uitvoerbestand:");
    EXPECT_EQ(a->SttDmp->text(), "Dumpfile:");
    EXPECT_EQ(a->BtnBestand->text(), "Open bestand");
    EXPECT_EQ(a->BtnVerwerken->text(), "Verwerk bestand");
    EXPECT_FALSE(a->SttIn->isVisibleTo(a.get()));
    EXPECT_FALSE(a->LblBestandOut->isVisibleTo(a.get()));

    a->BtnVerwerken->click();
    EXPECT_EQ(Meldingen(), QStringList{"Nog geen invoerbestand geselecteerd"});

    // Cancelled: nothing chosen.
    a->BtnBestand->click();
    ASSERT_EQ(omg.Dialogen->Vragen.size(), 1u);
    const TBestandKeuze& k = omg.Dialogen->Vragen[0];
    EXPECT_EQ(k.Titel, "Openen");
    EXPECT_EQ(k.Filter, "inv-bestand (*.inv);;alle bestanden (*)");
    EXPECT_EQ(k.StandaardExtensie, "inv");
    EXPECT_TRUE(a->InBestand.isEmpty());

    omg.Dialogen->Antwoorden.push_back("/data/boeren.2012.inv");
    a->BtnBestand->click();
    EXPECT_EQ(a->LblBestandIn->text(), "/data/boeren.2012.inv");
    EXPECT_EQ(a->UitBestand, "/data/boeren.2012.out");
    EXPECT_EQ(a->DumpBestand, "/data/boeren.2012.dmp");
    EXPECT_EQ(a->LblBestandOut->text(), "/data/boeren.2012.out");
    EXPECT_EQ(a->LblDumpFile->text(), "/data/boeren.2012.dmp");
    EXPECT_TRUE(a->SttIn->isVisibleTo(a.get()));
    EXPECT_FALSE(a->LblBestandOut->isVisibleTo(a.get()));
    EXPECT_FALSE(a->LblDumpFile->isVisibleTo(a.get()));

    a->BtnVerwerken->click();
    EXPECT_EQ(Meldingen().last(), "Bestand /data/boeren.2012.inv niet aanwezig");
}

TEST_F(AutomatTest, MenuToontHetVensterModaal) {
    QAction* actie = w->Actie("MitInvoerbestand");
    ASSERT_NE(actie, nullptr);
    EXPECT_TRUE(actie->isEnabled());
    bool modaal = false;
    QTimer::singleShot(0, a.get(), [this, &modaal] {
        modaal = a->isVisible() && a->isModal();
        a->BtnSluiten->click();
    });
    actie->trigger();
    EXPECT_TRUE(modaal);
    EXPECT_FALSE(a->isVisible());
}

TEST_F(AutomatTest, OngeldigeKop) {
    Verwerk("NAAMINV;NKOE\r\nA;1\r\n");
    EXPECT_EQ(Meldingen(), (QStringList{"Scheidingsteken moet een @ of tab zijn.",
                                        "Bestand " + Map() + "boeren.inv is niet geldig"}));
    omg.Berichten->Lijst.clear();
    Verwerk("NAAMINV\tversie\tNKOE\r\nA\t2012\t1\r\n");
    EXPECT_EQ(Meldingen(),
              (QStringList{"Ongeldige kolomkop: versie", "Bestand " + Map() + "boeren.inv is niet geldig"}));
    EXPECT_TRUE(a->Plannen.empty());
    EXPECT_FALSE(QFileInfo::exists(Map() + "boeren.out"));
}

TEST_F(AutomatTest, AlleenDeKop) {
    w->BestandNaam = "/ergens/oud.trv";
    Verwerk("NAAMINV@NKOE@\r\n");
    EXPECT_EQ(Regels(Map() + "boeren.out"), QList<QByteArray>{kKop + "\r"});
    EXPECT_EQ(a->LblMelding1->text(), "0 bedrijven ingelezen en verwerkt");
    EXPECT_TRUE(a->LblBestandOut->isVisibleTo(a.get()));
    EXPECT_TRUE(a->SttDmp->isVisibleTo(a.get()));
    // New ran all the same.
    EXPECT_TRUE(w->BestandNaam.isEmpty());
    EXPECT_TRUE(Meldingen().isEmpty());
}

TEST_F(AutomatTest, VierBedrijvenEenFout) {
    const QString pad = Verwerk(Tabel({BexBoer("Boer A"), BexBoer("Boer/B:2"),
                                       Met(BexBoer("Kapot"), {{"RAS", "jersey"}}), BexBoer("boer a")}));
    ASSERT_EQ(a->Plannen.size(), 4u);
    EXPECT_EQ(a->LblMelding1->text(), "4 bedrijven ingelezen, 3 verwerkt");

    EXPECT_EQ(
        Regels(Map() + "boeren.out"),
        (QList<QByteArray>{kKop + "\r", "Boer A\t" + kBexCijfers + "\r", "Boer/B:2\t" + kBexCijfers + "\r",
                           "Kapot\t" + kLeeg + "\r", "boer a\t" + kBexCijfers + "\r"}));
    // Farm files under safe names that never overwrite each other.
    for (const char* naam : {"Boer A.trv", "Boer_B_2.trv", "Kapot.trv", "boer a (2).trv"})
        EXPECT_TRUE(QFileInfo::exists(Map() + naam)) << naam;
    // The BEX and BEA lines of the plans that were calculated.
    for (const QString& d : {a->DumpBestand, a->DumpBestand + "2"}) {
        const QStringList namen = DumpNamen(d);
        EXPECT_TRUE(namen.contains("BOER A")) << d.toStdString();
        EXPECT_TRUE(namen.contains("BOER_B_2"));
        EXPECT_TRUE(namen.contains("BOER A (2)"));
        EXPECT_FALSE(namen.contains("KAPOT"));
    }
    const QStringList lijst = Lijst();
    const int kapot = int(lijst.indexOf("Kapot"));
    ASSERT_GE(kapot, 0) << lijst.join('|').toStdString();
    EXPECT_EQ(lijst.mid(0, 2), (QStringList{"Boer A", "Boer/B:2"}));
    EXPECT_EQ(lijst[kapot + 1], "Error: Onbekend ras koeien jersey");
    EXPECT_TRUE(lijst.contains("Naam al gebruikt, opgeslagen als boer a (2).trv"));
    EXPECT_EQ(lijst.last(), "1 bedrijven niet verwerkt") << lijst.join("|").toStdString();
    // Messages of the run stay in the list; the main window ends with a new farm.
    EXPECT_TRUE(Meldingen().isEmpty()) << Meldingen().join('|').toStdString();
    EXPECT_TRUE(w->BestandNaam.isEmpty());
    EXPECT_EQ(invoer.size(), 4u);
    (void)pad;
}

struct WeideGeval {
    const char* Naam;
    TRij Wijziging;
    std::array<float, 4> Verwacht; // months WeidO and WeidB, hours WeidO and WeidB
};

class BatchWeideTest : public AutomatTest, public ::testing::WithParamInterface<WeideGeval> {};

TEST_P(BatchWeideTest, BeweidingVan2008) {
    const TRij basis =
        Met(BexBoer("Boer"),
            {{"JAARTAL", "2008"}, {"BEWEIDING", "ONBEPERKT"}, {"MNDWEIDB", ""}, {"UURWEIDB", ""}});
    Verwerk(Tabel({Met(basis, GetParam().Wijziging)}));
    ASSERT_EQ(invoer.size(), 1u);
    const TTvInvoer& in = invoer[0];
    EXPECT_EQ((std::array<float, 4>{in.MndWeidOMk, in.MndWeidBMk, in.UurWeidOMk, in.UurWeidBMk}),
              GetParam().Verwacht);
}

INSTANTIATE_TEST_SUITE_P(
    Automat, BatchWeideTest,
    ::testing::Values(WeideGeval{"voor200803", {{"VERSIE", "2008.02"}}, {6, 0, 14, 0}},
                      WeideGeval{"vanaf200803Leeg", {{"VERSIE", "2008.03"}}, {0, 0, 0, 0}},
                      WeideGeval{"vanaf200803Kolommen",
                                 {{"VERSIE", "2008.03"}, {"MNDWEIDEN", "5"}, {"UURWEIDEN", "10"}},
                                 {5, 0, 10, 0}},
                      WeideGeval{"vanaf200803Los",
                                 {{"VERSIE", "2012.00"}, {"MNDWEIDB", "4"}, {"UURWEIDB", "9"}},
                                 {0, 4, 0, 9}}),
    [](const auto& info) { return std::string(info.param.Naam); });

TEST_F(AutomatTest, ArealenVan2010EnRasNaarEersteLetter) {
    const TRij b =
        Met(BexBoer("A"), {{"JAARTAL", "2010"}, {"OPPGRASL", "5"}, {"OPPGRASN", "10"}, {"OPPGRASH", "2"}});
    Verwerk(
        Tabel({b, Met(b, {{"NAAMINV", "B"}, {"RAS", "Jersey"}}),
               Met(b, {{"NAAMINV", "C"}, {"RAS", "JERSEY"}}), Met(b, {{"NAAMINV", "D"}, {"RAS", "Kruising"}}),
               Met(b, {{"NAAMINV", "E"}, {"RAS", ""}}), Met(b, {{"NAAMINV", "F"}, {"JAARTAL", "2009"}})}));
    ASSERT_EQ(invoer.size(), 6u);
    EXPECT_EQ(oppGras[0], 17);
    // Up to 2009 the total is the neutral column (OPPGRAS).
    EXPECT_EQ(oppGras[5], 10);
    const std::vector<std::string> rassen = {invoer[0].Ras, invoer[1].Ras, invoer[2].Ras, invoer[3].Ras};
    EXPECT_EQ(rassen, (std::vector<std::string>{"NORM", "JERSEY", "JERSEY", "KRUISLING"}));
    const QStringList lijst = Lijst();
    const int e = int(lijst.indexOf("E"));
    ASSERT_GE(e, 0);
    EXPECT_EQ(lijst[e + 1], "Error: Onbekend ras koeien ");
}

TEST_F(AutomatTest, OnbekendeBeweidingEnStal) {
    Verwerk(
        Tabel({Met(BexBoer("A"), {{"JAARTAL", "2007"}, {"BEWEIDING", "volledig"}, {"TYPESTAL", "emarm1"}}),
               Met(BexBoer("B"), {{"JAARTAL", "2007"}, {"TYPESTAL", "EMARM2"}})}));
    const QStringList lijst = Lijst();
    ASSERT_GE(lijst.size(), 5);
    EXPECT_EQ(lijst.mid(0, 3), (QStringList{"A", "Error: Onbekende mate van beweiding volledig",
                                            "Error: Onbekend type stal emarm1"}));
    // An empty grazing text: the line with nothing after it.
    EXPECT_EQ(lijst.mid(lijst.indexOf("B"), 2), (QStringList{"B", "Error: Onbekende mate van beweiding "}));
    ASSERT_EQ(invoer.size(), 2u);
    EXPECT_EQ(invoer[1].TypeStal, "EMARM2");
}

TEST_F(AutomatTest, EersteBedrijfKrijgtZijnStalOokNaDeKeuzeBEX) {
    KiesAlsGebruiker(w->CbxModule, 0);
    ASSERT_FALSE(w->ModuleBEA);
    Verwerk(Tabel(
        {Met(BexBoer("A"), {{"TYPESTAL", "EMARM3"}}), Met(BexBoer("B"), {{"TYPESTAL", "NIETEMARM6"}})}));
    ASSERT_EQ(invoer.size(), 2u);
    EXPECT_EQ(invoer[0].TypeStal, "EMARM3");
    EXPECT_TRUE(invoer[0].ModuleBEA);
    EXPECT_EQ(invoer[1].TypeStal, "NIETEMARM6");
}

TEST_F(AutomatTest, BesteKuilMetEnZonderEigenWaarden) {
    const DecimaalTeken komma(',');
    // The farm's decimal numbers written with the comma.
    const TRij zonder =
        Met(BexBoer("Zonder"), Rij("VERSIE=2012,00|BEST_GK_VEM=|BEST_GK_RE=|BEST_GK_N=|BEST_GK_P=|"
                                   "VET=4,4|EIWIT=3,5|BV_GK_N=27,2|AANLEG_GK_N=28,8|AANLEG_GK_P=4,2|"
                                   "EV_GK_P=4,1|AANLEG_SM_N=11,5|AANLEG_SM_P=2,1|EV_SM_N=11,8|"
                                   "AANLEG_KV_N=27,2|AANLEG_KV_P=4,5"));
    const TRij met =
        Met(zonder, Rij("NAAMINV=Met|BEST_GK_VEM=1000|BEST_GK_RE=200|BEST_GK_N=32|BEST_GK_P=4,5"));
    Verwerk(Tabel({zonder, met}));
    ASSERT_EQ(invoer.size(), 2u);
    EXPECT_EQ(besteKuil, (std::vector<QString>{"0,001", "0,001"}));
    // Without its own values the best silage repeats the stock increase's total.
    EXPECT_EQ(invoer[0].BesteGk.Vem, invoer[0].Voorraden[mAanleg][kGK].Vem);
    EXPECT_EQ(invoer[0].BesteGk.Re, 180);
    EXPECT_EQ(invoer[1].BesteGk.Vem, 1000);
    EXPECT_EQ(invoer[1].BesteGk.Re, 200);
    EXPECT_EQ(invoer[1].BesteGk.P, 4.5f);
    ASSERT_TRUE(a->Plannen[0].Berekend && a->Plannen[1].Berekend) << Lijst().join('|').toStdString();
    EXPECT_NE(a->Plannen[0].Uitvoer.ExcrSpecExc, a->Plannen[1].Uitvoer.ExcrSpecExc);
    EXPECT_TRUE(Meldingen().isEmpty()) << Meldingen().join('|').toStdString();
}

TEST_F(AutomatTest, TweedeRunJaVoorAlles) {
    const QByteArray tabel = Tabel({BexBoer("A"), BexBoer("B"), BexBoer("C")});
    Verwerk(tabel);
    const QStringList eerste = DumpNamen(a->DumpBestand);
    ASSERT_TRUE(Meldingen().isEmpty());
    // The second run asks once and appends every line again.
    omg.Berichten->Antwoorden = {TAntwoord::JaAlles};
    a->BtnVerwerken->click();
    ASSERT_EQ(omg.Berichten->Lijst.size(), 1u);
    EXPECT_EQ(omg.Berichten->Lijst[0].Knoppen, TKnoppen::JaNeeAlles);
    EXPECT_TRUE(Meldingen()[0].startsWith("Dump file already contents a file with the name: A"));
    EXPECT_EQ(DumpNamen(a->DumpBestand).count("A"), 2 * eerste.count("A"));
    EXPECT_EQ(DumpNamen(a->DumpBestand + "2").count("C"), 2 * eerste.count("C"));
    // A third run: No to all leaves the files as they are; the farm files are written again.
    const QByteArray dump = omg.Lees(a->DumpBestand);
    QFile::remove(Map() + "B.trv");
    omg.Berichten->Lijst.clear();
    omg.Berichten->Antwoorden = {TAntwoord::Ja, TAntwoord::NeeAlles};
    a->BtnVerwerken->click();
    EXPECT_EQ(omg.Berichten->Lijst.size(), 2u);
    EXPECT_EQ(DumpNamen(a->DumpBestand).count("A"), 3 * eerste.count("A"));
    EXPECT_EQ(DumpNamen(a->DumpBestand).count("B"), 2 * eerste.count("B"));
    EXPECT_TRUE(QFileInfo::exists(Map() + "B.trv"));
    (void)dump;
}

TEST_F(AutomatTest, DumpAlsInvoertabel) {
    Verwerk(Tabel({BexBoer("Boer A"), BexBoer("Boer B")}));
    const QString dump = a->DumpBestand;
    ASSERT_TRUE(QFileInfo::exists(dump));
    invoer.clear();
    a->LstAutomat->clear();
    omg.Dialogen->Antwoorden.push_back(dump);
    a->BtnBestand->click();
    // The farms are present in the dump file already: no to all.
    omg.Berichten->Antwoorden = {TAntwoord::NeeAlles};
    a->BtnVerwerken->click();
    ASSERT_EQ(a->Plannen.size(), 2u);
    EXPECT_EQ(a->Plannen[0].Naam, "BOER A");
    EXPECT_EQ(a->Plannen[1].Naam, "BOER B");
    EXPECT_EQ(invoer.size(), 2u);
    EXPECT_TRUE(QFileInfo::exists(QFileInfo(dump).path() + "/boeren.out"));
}

TEST_F(AutomatTest, OpenBedrijfEerstOpslaanOfAnnuleren) {
    w->Gewijzigd = true;
    omg.Berichten->Antwoorden = {TAntwoord::Annuleren};
    Verwerk(Tabel({BexBoer("A")}));
    EXPECT_EQ(omg.Berichten->Lijst.size(), 1u);
    EXPECT_TRUE(invoer.empty());
    EXPECT_TRUE(a->Plannen.empty());
    EXPECT_FALSE(QFileInfo::exists(Map() + "boeren.out"));
}

TEST_F(AutomatTest, ResultaattabelNietTeSchrijven) {
    QDir().mkpath(Map() + "boeren.out");
    Verwerk(Tabel({BexBoer("A")}));
    EXPECT_EQ(Meldingen(),
              QStringList{"Cannot create file " + Map() + "boeren.out: " + qt_error_string(EISDIR)});
    EXPECT_EQ(a->LblMelding1->text(), "1 bedrijven ingelezen");
}

TEST_F(AutomatTest, BatchBezigTotHetVensterSluit) {
    EXPECT_FALSE(w->Haken.BatchBezig());
    Verwerk(Tabel({BexBoer("A")}));
    EXPECT_TRUE(w->Haken.BatchBezig());
    a->done(0);
    EXPECT_FALSE(w->Haken.BatchBezig());
}

TEST_F(AutomatTest, LeesmeldingenAlsFoutvensters) {
    Verwerk("NAAMINV\tJAARTAL\tNKOE\r\nA\t2012\tveel\t3\r\n");
    EXPECT_EQ(Meldingen(),
              (QStringList{"Probleem bij bedrijf: 1 en kolom3\n'veel' is not a valid floating point value",
                           "Onbekend kolomnr: 4"}));
    EXPECT_EQ(a->Plannen.size(), 1u);
}

TEST(VeiligeNaam, TekensEnLeeg) {
    EXPECT_EQ(VeiligeNaam("a/b\\c:d\te", 1), "a_b_c_d_e");
    EXPECT_EQ(VeiligeNaam("", 7), "Bedrijf 7");
    EXPECT_EQ(VeiligeNaam("Boer A", 2), "Boer A");
    EXPECT_EQ(VeiligeNaam(QString::fromUtf8("a\u0091b\u007f"), 1), "a_b_");
    // 200 bytes at most: a name of 255 bytes with " (n)" and the extension.
    EXPECT_EQ(VeiligeNaam(QString(1000, QChar(0x20AC)), 1), QString(65, QChar(0x20AC)) + "...");
}

// A spreadsheet's byte-order mark before the header, with either separator.
class BatchBomTest : public AutomatTest, public ::testing::WithParamInterface<char> {};

TEST_P(BatchBomTest, ByteOrderMarkVoorDeKop) {
    const std::string s(1, GetParam());
    Verwerk(QByteArray::fromStdString("\xEF\xBB\xBFNAAMINV" + s + "JAARTAL" + s + "NKOE\r\nBoer A" + s +
                                      "2012" + s + "80\r\n"));
    ASSERT_EQ(a->Plannen.size(), 1u) << Meldingen().join('|').toStdString();
    EXPECT_EQ(a->Plannen[0].Naam, "Boer A");
    EXPECT_TRUE(Meldingen().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Automat, BatchBomTest, ::testing::Values('@', '\t'));

TEST_F(AutomatTest, Windows1252AlsInEenDump) {
    const std::string naam = "Boer \x91t Hof \x96 \x80"
                             "5";
    Verwerk(Tabel({Met(BexBoer(naam), {{"VEEHOUDER", naam}})}));
    const QString tekst = QString::fromUtf8("Boer ‘t Hof – €5");
    EXPECT_EQ(Lijst().value(0), tekst);
    EXPECT_TRUE(omg.Lees(a->DumpBestand).contains(QByteArray::fromStdString("@" + naam + "@")));
    ASSERT_TRUE(LeesBestand(*w, Map() + tekst + ".trv"));
    EXPECT_EQ(w->EdtNaam->text(), tekst);
}

TEST_F(AutomatTest, TabelMetDeNaamVanDeResultaattabel) {
    const QByteArray tabel = Tabel({BexBoer("A")});
    const QString pad = Verwerk(tabel, "boeren.Out");
    EXPECT_EQ(Meldingen(),
              QStringList{"Bestand " + pad +
                          " heeft de extensie van het uitvoerbestand (.out) en wordt niet verwerkt"});
    EXPECT_EQ(omg.Lees(pad), tabel);
    EXPECT_FALSE(QFileInfo::exists(Map() + "A.trv"));
}

TEST_F(AutomatTest, OnvolledigeInvoerOnderHetPlanVolledigPlanZonderFout) {
    TRij zonderN = BexBoer("Zonder N");
    for (auto& [sleutel, waarde] : zonderN)
        if (sleutel.ends_with("_N")) waarde.clear();
    Verwerk(Tabel({zonderN, Met(BexBoer("Koe"), {{"NKOE", "veel"}}), BexBoer("Heel")}));
    const QStringList lijst = Lijst();
    const int koe = int(lijst.indexOf("Koe"));
    ASSERT_GT(koe, 1) << lijst.join('|').toStdString();
    // The grid names its row and column; the page's summary follows.
    const QStringList fouten = lijst.mid(1, koe - 1);
    EXPECT_EQ(fouten.first(), "Error: N content is outside the interval [1..100] for Totaal");
    EXPECT_TRUE(fouten.contains("Error: Graskuilen has no current value (s) "));
    EXPECT_EQ(
        lijst.mid(koe),
        (QStringList{"Koe",
                     "Error: Probleem bij bedrijf: 2 en kolom10 'veel' is not a valid floating point value",
                     "Heel"}));
    // The complete plan's farm file, with BEA and its wet by-products, opens valid.
    ASSERT_TRUE(LeesBestand(*w, Map() + "Heel.trv"));
    EXPECT_EQ(w->EersteFoutePagina(), 9);
    for (int p = 0; p <= 6; ++p)
        EXPECT_TRUE(w->TabbladOK[static_cast<std::size_t>(p)]) << p;
}

TEST_F(AutomatTest, LangeTekstenAfgekort) {
    Verwerk(Tabel({Met(BexBoer(std::string(1 << 20, 'N')), {{"RAS", std::string(1 << 20, 'Q')}})}));
    EXPECT_EQ(Lijst().mid(0, 2), (QStringList{QString(200, 'N') + "...",
                                              "Error: Onbekend ras koeien " + QString(200, 'Q') + "..."}));
    EXPECT_TRUE(QFileInfo::exists(Map() + QString(197, 'N') + "....trv"));
}

TEST_F(AutomatTest, DumpkopFoutInDeLijst) {
    omg.Schrijf("batch/boeren.dmp", "naaminv@iets anders@\r\n");
    Verwerk(Tabel({BexBoer("A")}));
    EXPECT_EQ(Lijst().mid(0, 2), (QStringList{"A", "Error: dumpfile format niet gelijk"}));
    EXPECT_TRUE(Meldingen().isEmpty()) << Meldingen().join('|').toStdString();
    // The BEA file was new and got its line.
    EXPECT_EQ(Regels(Map() + "boeren.dmp2").size(), 2);
}

TEST_F(AutomatTest, FifoAlsDumpbestandMeteenGeweigerd) {
    ASSERT_TRUE(QDir().mkpath(Map()));
    const TFifo fifo(Map() + "boeren.dmp");
    Verwerk(Tabel({BexBoer("A")}));
    EXPECT_EQ(Lijst().mid(0, 2),
              (QStringList{"A", "Error: Cannot open file " + Map() + "boeren.dmp: Not a regular file"}));
    EXPECT_TRUE(Meldingen().isEmpty()) << Meldingen().join('|').toStdString();
    // The file error ends the plan's export: the BEA file is not made.
    EXPECT_FALSE(QFileInfo::exists(Map() + "boeren.dmp2"));
}

// The result table on a full disk (a size limit below the table), a FIFO or a symlink to
// one: the message, and what was there stays as it was.
class ResultaatDoelTest : public AutomatTest, public ::testing::WithParamInterface<std::optional<TDoel>> {};

TEST_P(ResultaatDoelTest, WatErStaatBlijftStaan) {
    Verwerk(Tabel({BexBoer("A")}));
    const QString uit = Map() + "boeren.out";
    const QByteArray oud = omg.Lees(uit).left(100);
    const std::optional<TDoel> doel = GetParam();
    ASSERT_TRUE(QFile::remove(uit));
    if (doel)
        MaakDoel(*doel, uit);
    else
        omg.Schrijf("batch/boeren.out", oud);
    {
        const TGroottegrens grens(doel ? RLIM_INFINITY : 100);
        a->SchrijfUitvoer();
    }
    EXPECT_EQ(Meldingen(), QStringList{"Cannot create file " + uit +
                                       (doel ? ": Not a regular file" : ": " + qt_error_string(EFBIG))});
    EXPECT_EQ(Stand(uit), doel ? "<fifo>" : oud);
}

INSTANTIATE_TEST_SUITE_P(Automat, ResultaatDoelTest,
                         ::testing::Values(std::nullopt, TDoel::Fifo, TDoel::LinkNaarFifo));

TEST_F(AutomatTest, ResultaattabelBlijftStaanAlsDeSyncMislukt) {
    Verwerk(Tabel({BexBoer("A")}));
    const QString uit = omg.Schrijf("batch/boeren.out", "oud");
    {
        const TSyncFout fout;
        a->SchrijfUitvoer();
    }
    EXPECT_EQ(Meldingen(), QStringList{"Cannot create file " + uit + ": " + qt_error_string(EIO)});
    EXPECT_EQ(omg.Lees(uit), "oud");
}

// The result table's name leads to the table: a symlink either way round, or a hard link
// (as another case of the name does on a folder that ignores case).
class TabelAlsResultaatTest : public AutomatTest, public ::testing::WithParamInterface<int> {};

TEST_P(TabelAlsResultaatTest, TabelBlijftStaan) {
    const QByteArray tabel = Tabel({BexBoer("A")});
    const QString in = omg.Schrijf("batch/boeren.inv", tabel), uit = Map() + "boeren.out";
    const bool gelinkt = GetParam() == 0   ? QFile::link(in, uit)
                         : GetParam() == 1 ? QFile::rename(in, uit) && QFile::link(uit, in)
                                           : ::link(QFile::encodeName(in).constData(),
                                                    QFile::encodeName(uit).constData()) == 0;
    ASSERT_TRUE(gelinkt);
    Verwerk(tabel);
    EXPECT_EQ(Meldingen(),
              QStringList{"Bestand " + uit + " is het invoerbestand zelf en wordt niet overschreven"});
    EXPECT_EQ(omg.Lees(in), tabel);
    EXPECT_EQ(a->LblMelding1->text(), "1 bedrijven ingelezen");
}

INSTANTIATE_TEST_SUITE_P(Automat, TabelAlsResultaatTest, ::testing::Values(0, 1, 2));

// Plans whose dump file or farm files cannot be written are not processed, in the list and
// in the label alike.
class NietVerwerktTest : public AutomatTest, public ::testing::WithParamInterface<QStringList> {};

TEST_P(NietVerwerktTest, LijstEnLabelZeggenHetzelfde) {
    for (const QString& map : GetParam())
        ASSERT_TRUE(QDir().mkpath(Map() + map));
    Verwerk(Tabel({BexBoer("A"), BexBoer("B")}));
    EXPECT_EQ(Lijst().last(), "2 bedrijven niet verwerkt");
    EXPECT_EQ(a->LblMelding1->text(), "2 bedrijven ingelezen, 0 verwerkt");
}

INSTANTIATE_TEST_SUITE_P(Automat, NietVerwerktTest,
                         ::testing::Values(QStringList{"boeren.dmp2"}, QStringList{"A.trv", "B.trv"}));

// A plan whose farm file would be the table itself, by its name or through a symlink.
class TabelAlsBedrijfsbestandTest : public AutomatTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TabelAlsBedrijfsbestandTest, TabelBlijftStaan) {
    const QByteArray tabel = Tabel({BexBoer("A"), BexBoer("B")});
    if (GetParam()) {
        ASSERT_TRUE(QDir().mkpath(Map()) && QFile::link(Map() + "boeren.inv", Map() + "A.trv"));
    }
    const QString pad = Verwerk(tabel, GetParam() ? "boeren.inv" : "A.trv");
    EXPECT_EQ(omg.Lees(pad), tabel);
    EXPECT_EQ(
        Lijst().mid(0, 3),
        (QStringList{"A",
                     "Error: Bestand " + Map() + "A.trv is het invoerbestand zelf en wordt niet overschreven",
                     "B"}));
    EXPECT_TRUE(QFileInfo::exists(Map() + "B.trv"));
}

INSTANTIATE_TEST_SUITE_P(Automat, TabelAlsBedrijfsbestandTest, ::testing::Bool());

TEST_F(AutomatTest, TabInDeNaamWordtEenSpatie) {
    Verwerk(Tabel({BexBoer("Boer\tA")}));
    EXPECT_EQ(Regels(Map() + "boeren.out").value(1), "Boer A\t" + kBexCijfers + "\r");
}

TEST_F(AutomatTest, DumpnamenEenmaalGelezenDezelfdeVragenEnRijen) {
    // A row of B already there (without its line break), and two names of the run that the
    // dump writes alike ("@" becomes "_"); a tab table (without VERSIE), as "@" cannot be
    // in an "@" table.
    const QByteArray kop = DumpSleutels(TDumpModule::BEX).join('@').toLatin1() + '@';
    omg.Schrijf("batch/boeren.dmp", kop + "\r\nB@x@");
    omg.Berichten->Antwoorden = {TAntwoord::Nee, TAntwoord::Ja, TAntwoord::Ja};
    std::vector<TRij> rijen = {BexBoer("A"), BexBoer("X@1"), BexBoer("B"), BexBoer("X_1")};
    for (TRij& r : rijen)
        std::erase_if(r, [](const auto& p) { return p.first == "VERSIE"; });
    Verwerk(Tabel(rijen, '\t'));
    const QString vraag =
        QStringLiteral("Dump file already contents a file with the name: %1\n"
                       "Will youWilt u dit bestand toch (nogmaals) exporteren naar dumpfile?");
    EXPECT_EQ(Meldingen(TBerichtSoort::Vraag),
              (QStringList{vraag.arg("B"), vraag.arg("X_1"), vraag.arg("X_1")}));
    EXPECT_EQ(DumpNamen(a->DumpBestand), (QStringList{"naaminv", "B", "A", "X_1", "X_1"}));
    EXPECT_EQ(Regels(a->DumpBestand).value(1), "B@x@\r");
    EXPECT_EQ(DumpNamen(a->DumpBestand + "2"), (QStringList{"naaminv", "A", "X_1", "B", "X_1"}));
}
} // namespace
