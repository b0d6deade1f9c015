// The page-check engine, driven with items of its own on real controls of the window.
#include "NumEdit.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Venster.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <gtest/gtest.h>

namespace {
class ControleTest : public VensterTest {
protected:
    TControleItem Item(TControleSoort soort, const char* besturing, const char* naam, double min = 0,
                       double max = 0) {
        TControleItem i;
        i.Soort = soort;
        i.Besturing = QString::fromLatin1(besturing);
        i.Naam = QString::fromLatin1(naam);
        i.Min = min;
        i.Max = max;
        return i;
    }
};

TEST_F(ControleTest, EveryKindOfItemWithItsMessage) {
    auto& items = w->Controles[1];
    items.clear();
    items.push_back(Item(TControleSoort::Gevuld, "SpenKoe", "Aantal koeien"));
    items.push_back(Item(TControleSoort::Keuze, "CbxRas", "Ras koeien", 0, 2));
    items.push_back(Item(TControleSoort::Getal, "SpeVet", "Vetgehalte", 0, 6));
    TControleItem twee = Item(TControleSoort::EenVanTwee, "RbtGraasJa", "Graasdieren aanwezig");
    twee.Besturing2 = QStringLiteral("RbtGraasNee");
    items.push_back(twee);

    w->SpenKoe->setText(QString());
    w->CbxRas->setCurrentIndex(-1);
    w->SpeVet->setText(QStringLiteral("7"));
    w->RbtGraasJa->setAutoExclusive(false);
    w->RbtGraasNee->setAutoExclusive(false);
    w->RbtGraasJa->setChecked(false);
    w->RbtGraasNee->setChecked(false);

    w->ControleerPagina(1, false);
    EXPECT_FALSE(w->TabbladOK[1]);
    EXPECT_TRUE(omg.Berichten->Lijst.empty()); // silent check

    w->ControleerPagina(1, true);
    EXPECT_EQ(Meldingen(), QStringList({"Aantal koeien was not filled in or has no current value",
                                        "Ras koeien was not filled in or has no current value",
                                        "Vetgehalte has no current value(s)",
                                        "Graasdieren aanwezig was not filled in or has no current value"}));

    w->SpenKoe->setText(QStringLiteral("0")); // 0 is filled
    w->CbxRas->setCurrentIndex(2);
    w->SpeVet->setText(QStringLiteral("6")); // bound included
    w->RbtGraasNee->setChecked(true);
    omg.Berichten->Lijst.clear();
    w->ControleerPagina(1, true);
    EXPECT_TRUE(w->TabbladOK[1]);
    EXPECT_TRUE(omg.Berichten->Lijst.empty());
}

TEST_F(ControleTest, HiddenControlsAndConditionsAreSkipped) {
    auto& items = w->Controles[1];
    items.clear();
    items.push_back(Item(TControleSoort::Gevuld, "SpenKoe", "Aantal koeien"));
    TControleItem alleenMk = Item(TControleSoort::Gevuld, "SpeMelklev", "Melkleverantie");
    alleenMk.Voorwaarde = [](const TFrmHoofdFormulier& f) { return f.Diercategorie == QLatin1String("MK"); };
    items.push_back(alleenMk);

    w->SpenKoe->setText(QString());
    w->SpenKoe->setVisible(false);
    w->SpeMelklev->setText(QString());
    w->Diercategorie = QStringLiteral("JV");
    w->ControleerPagina(1, true);
    EXPECT_TRUE(w->TabbladOK[1]);

    w->Diercategorie = QStringLiteral("MK");
    w->ControleerPagina(1, true);
    EXPECT_FALSE(w->TabbladOK[1]);
    EXPECT_EQ(Meldingen(), QStringList({"Melkleverantie was not filled in or has no current value"}));
}

TEST_F(ControleTest, OwnItemsSeeWhetherEarlierItemsPassed) {
    auto& items = w->Controles[0];
    items.clear();
    items.push_back(Item(TControleSoort::Gevuld, "EdtNaam", "Naam"));
    std::vector<bool> gezien;
    TControleItem eigen;
    eigen.Soort = TControleSoort::Eigen;
    eigen.Eigen = [&](TFrmHoofdFormulier&, bool, bool totNuGoed) {
        gezien.push_back(totNuGoed);
        return true;
    };
    items.push_back(eigen);
    // Without the edit's own handler, which checks the page as well.
    const QSignalBlocker stil(w->EdtNaam);
    w->EdtNaam->setText(QString());
    w->ControleerPagina(0, false);
    w->EdtNaam->setText(QStringLiteral("Jansen"));
    w->ControleerPagina(0, false);
    EXPECT_EQ(gezien, std::vector<bool>({false, true}));
    EXPECT_TRUE(w->TabbladOK[0]);
}

TEST_F(ControleTest, PagesOfModulesThatAreOffCountAsValid) {
    w->TabbladOK.fill(true);
    w->ModuleBEA = w->ModuleBEP = w->ModuleBEN = false;
    w->TabbladOK[6] = w->TabbladOK[7] = w->TabbladOK[8] = false;
    EXPECT_TRUE(w->AllesGoed());
    EXPECT_EQ(w->EersteFoutePagina(), 9);
    w->ModuleBEP = true;
    EXPECT_FALSE(w->AllesGoed());
    EXPECT_EQ(w->EersteFoutePagina(), 7);
    w->TabbladOK[2] = false;
    EXPECT_EQ(w->EersteFoutePagina(), 2);
}

TEST_F(ControleTest, PageNumbersOutsideTheInputPagesDoNothing) {
    const auto voor = w->TabbladOK;
    w->ControleerPagina(9, true);
    w->ControleerPagina(-1, true);
    EXPECT_EQ(w->TabbladOK, voor);
    EXPECT_TRUE(omg.Berichten->Lijst.empty());
}
} // namespace
