// The batch window and the batch run end to end: tables written here, the window driven
// through its buttons, the dialogs and message boxes answered by the stand-ins.
#include "Automat.h"
#include "Bestandscommandos.h"

#include "NumEdit.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Venster.h"

#include "Getallen.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace {
using TRij = std::vector<std::pair<std::string, std::string>>;

// The farm of the complete BEX calculation worked out by hand in the model's tests, as one
// row of a table: 2012, 80 cows, 30 heifers, 25 calves, 680000 kg milk, ten sheep, stocks
// of every kind, six months of limited grazing at 8 hours, 35 ha.
TRij BexBoer(const std::string& naam) {
    return {{"NAAMINV", naam},
            {"VERSIE", "2012.00"},
            {"JAARTAL", "2012"},
            {"OMSCHR", "Voorbeeld"},
            {"VEEHOUDER", "J. Jansen"},
            {"STRAAT", "Dorpsweg 1"},
            {"PLAATS", "Ergens"},
            {"EVALNR", "0"},
            {"RAS", "NORM"},
            {"NKOE", "80"},
            {"NKALF", "25"},
            {"NPINK", "30"},
            {"PCDRIJFMK", "80"},
            {"PCDRIJFKA", "0"},
            {"PCDRIJFPI", "50"},
            {"MELKLEV", "680000"},
            {"VET", "4.4"},
            {"EIWIT", "3.5"},
            {"UREUM", "22"},
            {"SCHAPEN550", "10"},
            {"BV_GK_HOEV", "150000"},
            {"BV_GK_VEM", "900"},
            {"BV_GK_RE", "170"},
            {"BV_GK_N", "27.2"},
            {"BV_GK_P", "4"},
            {"AANLEG_GK_HOEV", "300000"},
            {"AANLEG_GK_VEM", "940"},
            {"AANLEG_GK_RE", "180"},
            {"AANLEG_GK_N", "28.8"},
            {"AANLEG_GK_P", "4.2"},
            {"EV_GK_HOEV", "120000"},
            {"EV_GK_VEM", "910"},
            {"EV_GK_RE", "175"},
            {"EV_GK_N", "28"},
            {"EV_GK_P", "4.1"},
            {"BV_SM_HOEV", "100000"},
            {"BV_SM_VEM", "960"},
            {"BV_SM_RE", "75"},
            {"BV_SM_N", "12"},
            {"BV_SM_P", "2"},
            {"AANLEG_SM_HOEV", "250000"},
            {"AANLEG_SM_VEM", "980"},
            {"AANLEG_SM_RE", "72"},
            {"AANLEG_SM_N", "11.5"},
            {"AANLEG_SM_P", "2.1"},
            {"EV_SM_HOEV", "90000"},
            {"EV_SM_VEM", "970"},
            {"EV_SM_RE", "74"},
            {"EV_SM_N", "11.8"},
            {"EV_SM_P", "2"},
            {"AANLEG_OV_HOEV", "20000"},
            {"AANLEG_OV_VEM", "1000"},
            {"AANLEG_OV_RE", "200"},
            {"AANLEG_OV_N", "32"},
            {"AANLEG_OV_P", "5"},
            {"AANLEG_OV_VRE", "150"},
            {"AANLEG_KV_HOEV", "180000"},
            {"AANLEG_KV_VEM", "1000"},
            {"AANLEG_KV_RE", "170"},
            {"AANLEG_KV_N", "27.2"},
            {"AANLEG_KV_P", "4.5"},
            {"AANLEG_MP_HOEV", "500"},
            {"AANLEG_MP_VEM", "1100"},
            {"AANLEG_MP_RE", "230"},
            {"AANLEG_MP_N", "36"},
            {"AANLEG_MP_P", "7"},
            {"BEST_GK_VEM", "960"},
            {"BEST_GK_RE", "190"},
            {"BEST_GK_N", "30.4"},
            {"BEST_GK_P", "4.3"},
            {"TYPESTAL", "NIETEMARM1"},
            {"MNDWEIDB", "6"},
            {"UURWEIDB", "8"},
            {"OPPGRASL", "5"},
            {"OPPGRASN", "15"},
            {"OPPGRASH", "10"},
            {"OPPBOUWN", "5"},
            {"PCMETHGRAS1", "100"},
            {"PCMETHBOUW1", "100"}};
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
        // What the model was given, farm by farm, with the shown area totals.
        auto model = w->Rekenmodel;
        w->Rekenmodel = [this, model](const TTvInvoer& in, TTvUitvoer& uit) {
            invoer.push_back(in);
            oppGras.push_back(w->SpeOppGras->value());
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
    EXPECT_EQ(a->LblMelding1->text(), "4 bedrijven ingelezen en verwerkt");

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
} // namespace
