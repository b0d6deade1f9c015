// The snapshot of the main window a job paints from: control texts and values, hidden
// controls, stock grids, purchase flags, records, pictures, version and today's date.
#include "Momentopname.h"
#include "PaginaIndeling.h"

#include "NumEdit.h"
#include "QtPrinten.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "VoorraadGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

TEST(Momentopname, NeemtWatHetRapportLeest) {
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    w.SpeJaartal->setText(QStringLiteral("2011"));
    w.EdtNaam->setText(QStringLiteral("Jansen"));
    w.LblMelkprod->setText(QStringLiteral("8500"));
    w.CbxMaisGrond->setVisible(false);
    w.VoorraadGrids[mEind][kNAT]->SetCells(1, 3, QStringLiteral("Bierbostel"));
    w.VoorraadGrids[mEind][kNAT]->SetCells(2, 3, QStringLiteral("1500"));
    w.LblTotaal[mEind][kNAT][1]->setText(QStringLiteral("1500"));
    w.AankoopAanleg[2][4] = true;
    w.Uitvoer.ExcrVoordeel[1] = "+12";
    w.Invoer.Jaartal = 2011;
    w.ModuleBEP = true;
    w.Diercategorie = QStringLiteral("JV");

    w.BestandNaam = QStringLiteral("/tmp/boer.trv");
    const TMomentopname m = NeemMomentopname(w);
    EXPECT_EQ(m.Tekst("SpeJaartal"), "2011");
    EXPECT_EQ(m.Waarde("SpeJaartal"), 2011);
    EXPECT_EQ(m.Tekst("EdtNaam"), "Jansen");
    EXPECT_EQ(m.Tekst("LblMelkprod"), "8500");
    EXPECT_EQ(m.Tekst("CbxRas"), w.CbxRas->currentText());
    EXPECT_EQ(m.Tekst("GeenBesturing"), "");
    EXPECT_FALSE(m.Zichtbaar("CbxMaisGrond"));
    EXPECT_TRUE(m.Zichtbaar("CbxGrasGrond"));
    EXPECT_FALSE(m.Zichtbaar("GeenBesturing"));

    // Grids by moment and kind, with all their batch rows and the totals.
    EXPECT_EQ(m.Voorraad[mBegin][kGK].Rijen.size(), 15u);
    EXPECT_EQ(m.Voorraad[mEind][kMP].Rijen.size(), 3u);
    EXPECT_EQ(m.Voorraad[mEind][kNAT].Rijen[2][1], "Bierbostel");
    EXPECT_EQ(m.Voorraad[mEind][kNAT].Rijen[2][2], "1500");
    EXPECT_EQ(m.Voorraad[mEind][kNAT].Totaal[1], "1500");
    EXPECT_EQ(m.Voorraad[mEind][kNAT].Totaal[6], ""); // no ash label for wet by-products
    EXPECT_TRUE(m.Aankoop[mAanleg][2][4]);
    EXPECT_FALSE(m.Aankoop[mBegin][2][4]);
    EXPECT_EQ(AantalRegelsVoorraad(m, mEind, kNAT), 4);

    EXPECT_EQ(m.Uitvoer.ExcrVoordeel[1], "+12");
    EXPECT_EQ(m.Invoer.Jaartal, 2011);
    EXPECT_TRUE(m.ModuleBEP);
    EXPECT_FALSE(m.ModuleBEA);
    EXPECT_EQ(m.Diercategorie, "JV");

    // The default farm logo and the fixed logo; the name, version and the clock's date.
    EXPECT_EQ(m.ImgBedrijf.size(), QSize(397, 64));
    EXPECT_FALSE(m.ImgZelm.isNull());
    EXPECT_EQ(m.Bestandsnaam, "/tmp/boer.trv");
    EXPECT_EQ(m.Versie, w.InfoBox.Versie);
    EXPECT_EQ(m.Datum, w.InfoBox.Datum);
    EXPECT_EQ(m.Vandaag, QDate(2011, 6, 15));

    // Later changes of the window do not reach the snapshot.
    w.EdtNaam->setText(QStringLiteral("Pietersen"));
    EXPECT_EQ(m.Tekst("EdtNaam"), "Jansen");
}

} // namespace
