// The File menu through the dialog and message stand-ins: New, Open, Save, Save as, the
// caption, the question before closing and the modified flag.
#include "Bestandvenster.h"
#include "BijzondereBestanden.h"
#include "FilehistMenu.h"
#include "IniBestand.h"
#include "NumEdit.h"
#include "Voorbeeldbedrijf.h"
#include "VoorraadGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <optional>

namespace {
class CommandoTest : public BestandTest {
protected:
    const std::vector<TBestandKeuze>& Dialogen() const { return omg.Dialogen->Vragen; }
    void Kies(const QString& naam) { omg.Dialogen->Antwoorden.push_back(naam); }
    void Antwoord(TAntwoord a) { omg.Berichten->Antwoorden.push_back(a); }
    void TypNaam(const QString& tekst) {
        w->EdtNaam->clear();
        QTest::keyClicks(w->EdtNaam, tekst);
    }
};

TEST_F(CommandoTest, FileCommandsAndTheirButtonsWork) {
    for (QAction* a : {w->MitNieuw, w->MitOpenen, w->MitOpslaan, w->MitOpslaanals})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    for (QToolButton* b : {w->BtnNieuw, w->BtnOpenen, w->BtnOpslaan})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    // The tool-bar button runs its command: a new farm asks for a name.
    w->BtnOpslaan->click();
    ASSERT_EQ(Dialogen().size(), 1u);
    EXPECT_EQ(Dialogen()[0].Titel, "Opslaan als");
}

TEST_F(CommandoTest, SaveOfANewFarmAsksForANameAndCancelKeepsItNew) {
    EXPECT_FALSE(MitOpslaanClick(*w));
    ASSERT_EQ(Dialogen().size(), 1u);
    const TBestandKeuze& k = Dialogen()[0];
    EXPECT_EQ(k.Titel, "Opslaan als");
    EXPECT_EQ(k.Naam, "");
    EXPECT_EQ(k.Filter, "trv-bestand (*.trv)");
    EXPECT_EQ(k.StandaardExtensie, "trv");
    EXPECT_TRUE(k.BevestigOverschrijven);
    EXPECT_EQ(w->BestandNaam, "");
    EXPECT_FALSE(w->Opgeslagen);
    EXPECT_EQ(w->windowTitle(), "Tarvolingrade dairy");
}

TEST_F(CommandoTest, SaveAsProposesTheDescription) {
    const std::vector<std::pair<QString, QString>> tabel = {
        {"2011/12 farm A.b", "2011_12 farm A_b.trv"},
        {"Farm 1, 2011-2012", "Farm 1_ 2011_2012.trv"},
        {"a\\b", "a_b.trv"},
    };
    for (const auto& [omschrijving, naam] : tabel) {
        w->EdtOmschrijving->setText(omschrijving);
        EXPECT_FALSE(MitOpslaanalsClick(*w));
        EXPECT_EQ(Dialogen().back().Naam, naam);
    }
}

TEST_F(CommandoTest, SaveAsWritesAndCancelKeepsTheName) {
    const QString eerste = Pad("Eerste.TRV");
    Kies(eerste);
    ASSERT_TRUE(MitOpslaanalsClick(*w));
    EXPECT_TRUE(QFile::exists(eerste));
    EXPECT_EQ(w->BestandNaam, eerste);
    EXPECT_EQ(w->windowTitle(), "Tarvolingrade dairy - eerste.trv");
    EXPECT_TRUE(w->Opgeslagen);

    // Without a description the current name is offered in its folder; cancel keeps it.
    EXPECT_FALSE(MitOpslaanalsClick(*w));
    EXPECT_EQ(Dialogen().back().Naam, "Eerste.TRV");
    EXPECT_EQ(Dialogen().back().Map, omg.Map());
    EXPECT_EQ(w->BestandNaam, eerste);
    EXPECT_EQ(w->windowTitle(), "Tarvolingrade dairy - eerste.trv");

    // Save writes at once under the current name.
    QFile::remove(eerste);
    const std::size_t vragen = Dialogen().size();
    ASSERT_TRUE(MitOpslaanClick(*w));
    EXPECT_EQ(Dialogen().size(), vragen);
    EXPECT_TRUE(QFile::exists(eerste));
}

TEST_F(CommandoTest, OpenReadsTheChosenFile) {
    const QString pad = Bewaar("Boer.trv", BouwBestand(201200, TTestBoerderij()));
    Kies(pad);
    w->MitOpenen->trigger();
    ASSERT_EQ(Dialogen().size(), 1u);
    const TBestandKeuze& k = Dialogen()[0];
    EXPECT_EQ(k.Titel, "Openen");
    EXPECT_EQ(k.Filter, "trv-bestand (*.trv);;alle bestanden (*)");
    EXPECT_EQ(k.StandaardExtensie, "trv");
    EXPECT_FALSE(k.BevestigOverschrijven);
    EXPECT_EQ(w->BestandNaam, pad);
    EXPECT_EQ(w->EdtNaam->text(), "P. de Vries");
    EXPECT_EQ(w->windowTitle(), "Tarvolingrade dairy - boer.trv");
    // Reading does not count as saving, nor as an edit.
    EXPECT_FALSE(w->Opgeslagen);
    EXPECT_FALSE(w->Gewijzigd);
    // A cancelled dialog reads nothing.
    w->MitOpenen->trigger();
    EXPECT_EQ(w->BestandNaam, pad);
}

TEST_F(CommandoTest, OpenRefusesWhatIsNoFileAtOnce) {
    const QString pad = Bewaar("Boer.trv", BouwBestand(201200, TTestBoerderij()));
    ASSERT_TRUE(LeesBestand(*w, pad));
    const TFifo fifo(Pad("fifo.trv"));
    for (const QString& naam : {Pad("fifo.trv"), omg.Map(), QStringLiteral("/dev/null")}) {
        omg.Berichten->Lijst.clear();
        Kies(naam);
        w->MitOpenen->trigger();
        EXPECT_EQ(Meldingen(), QStringList{"Cannot open file " + naam});
        EXPECT_EQ(w->BestandNaam, pad);
    }
}

TEST_F(CommandoTest, CommandLineOpensAFarmFile) {
    const QString pad = Bewaar("start.trv", BouwBestand(201200, TTestBoerderij()));
    w->OpenBestandVanOpdrachtregel({"tarvolingrade", Pad("bestaat-niet.trv")});
    EXPECT_EQ(w->BestandNaam, "");
    EXPECT_EQ(Meldingen(), QStringList{"Cannot open file " + Pad("bestaat-niet.trv")});
    w->OpenBestandVanOpdrachtregel({"tarvolingrade", pad});
    EXPECT_EQ(w->BestandNaam, pad);
    EXPECT_EQ(w->EdtPlaats->text(), "9999 ZZ Dorp");
}

// --- Closing ---------------------------------------------------------------------------------

TEST_F(CommandoTest, ClosingRightAfterStartAsks) {
    Antwoord(TAntwoord::Annuleren);
    w->close();
    EXPECT_EQ(Meldingen(TBerichtSoort::Vraag), QStringList{"Save file ?"});
    EXPECT_EQ(afgesloten, 0);
    Antwoord(TAntwoord::Nee);
    w->close();
    EXPECT_EQ(afgesloten, 1);
    EXPECT_TRUE(w->Opgeslagen);
}

TEST_F(CommandoTest, YesWithACancelledSaveKeepsTheWindowOpen) {
    Antwoord(TAntwoord::Ja);
    w->MitAfsluiten->trigger();
    EXPECT_EQ(Dialogen().size(), 1u);
    EXPECT_EQ(afgesloten, 0);
    EXPECT_EQ(VraagOpslaan(*w), TAntwoord::Nee); // the stand-in answers No by default
}

TEST_F(CommandoTest, AfterASaveOnlyAnEditIsAskedAbout) {
    const QString pad = Pad("opgeslagen.trv");
    ASSERT_TRUE(SchrijfBestand(*w, pad));
    EXPECT_EQ(VraagOpslaan(*w), TAntwoord::Nee);
    EXPECT_TRUE(Meldingen().isEmpty());

    TypNaam("Bakker");
    ASSERT_TRUE(w->Gewijzigd);
    Antwoord(TAntwoord::Ja);
    w->close();
    EXPECT_EQ(Meldingen(TBerichtSoort::Vraag), QStringList{"Save file " + pad + "?"});
    EXPECT_EQ(afgesloten, 1);
    ASSERT_TRUE(LeesBestand(*w, pad));
    EXPECT_EQ(w->EdtNaam->text(), "Bakker");
}

TEST_F(CommandoTest, ASaveThatFailsIsNoSave) {
    QDir(omg.Map()).mkdir("map.trv");
    w->BestandNaam = Pad("map.trv");
    Antwoord(TAntwoord::Ja);
    EXPECT_EQ(VraagOpslaan(*w), TAntwoord::Annuleren);
    EXPECT_EQ(Meldingen(TBerichtSoort::Fout),
              QStringList{"Cannot create file " + Pad("map.trv") + ": " + qt_error_string(EISDIR)});
    EXPECT_FALSE(w->Opgeslagen);
}

// Save as onto a full disk (a size limit below the farm file), a FIFO or a symlink to one:
// the message, and what was there stays as it was.
class OpslaanDoelTest : public CommandoTest, public ::testing::WithParamInterface<std::optional<TDoel>> {};

TEST_P(OpslaanDoelTest, WatErStaatBlijftStaan) {
    const QString pad = Pad("doel.trv");
    const std::optional<TDoel> doel = GetParam();
    if (doel)
        MaakDoel(*doel, pad);
    else
        ASSERT_TRUE(SchrijfBestand(*w, pad));
    const QByteArray oud = doel ? QByteArray() : omg.Lees(pad);
    w->EdtNaam->setText("Anders");
    Kies(pad);
    omg.Berichten->Lijst.clear();
    {
        const TGroottegrens grens(doel ? RLIM_INFINITY : 1000);
        EXPECT_FALSE(MitOpslaanalsClick(*w));
    }
    EXPECT_EQ(Meldingen(), QStringList{doel ? "Cannot create file " + pad + ": Not a regular file"
                                            : "Stream write error: " + pad + ": " + qt_error_string(EFBIG)});
    EXPECT_EQ(Stand(pad), doel ? "<fifo>" : oud);
}

INSTANTIATE_TEST_SUITE_P(Doelen, OpslaanDoelTest,
                         ::testing::Values(std::nullopt, TDoel::Fifo, TDoel::LinkNaarFifo));

TEST_F(CommandoTest, ASaveWhoseSyncFailsKeepsTheOldFile) {
    const QString pad = Pad("doel.trv");
    ASSERT_TRUE(SchrijfBestand(*w, pad));
    const QByteArray oud = omg.Lees(pad);
    w->EdtNaam->setText("Anders");
    omg.Berichten->Lijst.clear();
    {
        const TSyncFout fout;
        EXPECT_FALSE(SchrijfBestand(*w, pad));
    }
    EXPECT_EQ(Meldingen(), QStringList{"Cannot create file " + pad + ": " + qt_error_string(EIO)});
    EXPECT_TRUE(omg.Lees(pad) == oud);
}

TEST_F(CommandoTest, ClosingKeepsTheFileAmongTheRecentOnes) {
    const QString pad = Pad("laatste.trv");
    ASSERT_TRUE(SchrijfBestand(*w, pad));
    w->close();
    EXPECT_EQ(afgesloten, 1);
    const TIniBestand ini(w->IniBestand);
    EXPECT_EQ(ini.LeesGetal("BestandHistorie", "FileHistCount", -1), 1);
    EXPECT_EQ(ini.LeesTekst("BestandHistorie", "FileHistItem0", ""), pad);
}

// --- New, Open and the modified flag ------------------------------------------------------------

TEST_F(CommandoTest, NewAsksOnlyAfterAnEdit) {
    const QString pad = Pad("oud.trv");
    ASSERT_TRUE(SchrijfBestand(*w, pad));
    MitNieuwClick(*w);
    EXPECT_TRUE(Meldingen().isEmpty());
    EXPECT_EQ(w->BestandNaam, "");
    EXPECT_EQ(w->windowTitle(), "Tarvolingrade dairy");
    EXPECT_FALSE(w->Opgeslagen);
    EXPECT_EQ(BestandHistorie(*w)->Bestanden(), QStringList{pad});

    TypNaam("Smit");
    Antwoord(TAntwoord::Annuleren);
    w->MitNieuw->trigger();
    EXPECT_EQ(Meldingen(TBerichtSoort::Vraag), QStringList{"Save file ?"});
    EXPECT_EQ(w->EdtNaam->text(), "Smit");
    Antwoord(TAntwoord::Nee);
    w->MitNieuw->trigger();
    EXPECT_NE(w->EdtNaam->text(), "Smit");
    EXPECT_FALSE(w->Gewijzigd);
}

TEST_F(CommandoTest, OpenAsksOnlyAfterAnEdit) {
    KiesAlsGebruiker(w->CbxRas, 2);
    Antwoord(TAntwoord::Annuleren);
    w->MitOpenen->trigger();
    EXPECT_EQ(Meldingen(TBerichtSoort::Vraag).size(), 1);
    EXPECT_TRUE(Dialogen().empty());
    // Yes saves first (through Save as, which is cancelled here): nothing is opened.
    Antwoord(TAntwoord::Ja);
    w->MitOpenen->trigger();
    ASSERT_EQ(Dialogen().size(), 1u);
    EXPECT_EQ(Dialogen()[0].Titel, "Opslaan als");
    EXPECT_EQ(w->CbxRas->currentIndex(), 2);
}

TEST_F(CommandoTest, OnlyTheUsersOwnEditsSetTheModifiedFlag) {
    // What code does: the reset, a read, values set in code.
    w->InitInvoer();
    w->SpenKoe->setValue(40);
    w->EdtNaam->setText("Code");
    w->CbxRas->setCurrentIndex(1);
    w->RbtGraasJa->setChecked(true);
    w->VoorraadGrids[1][1]->SetCells(2, 1, "100");
    ASSERT_TRUE(LeesBestand(*w, Bewaar("a.trv", BouwBestand(201200, TTestBoerderij()))));
    EXPECT_FALSE(w->Gewijzigd);

    const std::vector<std::pair<const char*, std::function<void()>>> tabel = {
        {"spin edit", [&] { Typ(w->SpenKoe, "55"); }},
        {"edit", [&] { TypNaam("X"); }},
        {"list", [&] { KiesAlsGebruiker(w->CbxTypeStal, 3); }},
        {"radio button", [&] { w->RbtGraasNee->click(); }},
        {"grid cell", [&] { TypCel(w->VoorraadGrids[1][2], 2, 1, "5"); }},
        {"purchase box", [&] { w->ChkAankoop[2][1][1]->click(); }},
        {"by-product list", [&] { KiesAlsGebruiker(w->CbxNat[1][1], 3); }},
        {"clear button", [&] { w->BtnWissen[3][4]->click(); }},
        {"copy button", [&] { w->BtnKopie[3][4]->click(); }},
        {"module", [&] { KiesAlsGebruiker(w->CbxModule, 2); }},
    };
    for (const auto& [wat, doe] : tabel) {
        w->Gewijzigd = false;
        doe();
        EXPECT_TRUE(w->Gewijzigd) << wat;
    }
    ASSERT_TRUE(SchrijfBestand(*w, Pad("b.trv")));
    EXPECT_FALSE(w->Gewijzigd);
}
} // namespace
