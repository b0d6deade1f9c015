// The decimal-sign dialog: the sign it settles at start-up from the machine's, the choice
// of the user, which every later conversion follows, the explanation and the hidden menu
// item that shows it.
#include "Separator.h"
#include "Venster.h"
#include "Voorbeeldbedrijf.h"

#include "Getallen.h"
#include "NumEdit.h"
#include "StaticText.h"
#include "VoorraadGrid.h"

#include <QAction>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
class SeparatorTest : public ::testing::Test {
protected:
    void TearDown() override { SetDecimalSeparator('.'); }
    std::shared_ptr<TOpgenomenBerichten> berichten = std::make_shared<TOpgenomenBerichten>();
};

struct TStart {
    const char* Machine;
    int Index;
    char Decimaal;
    char Duizendtal;
};

class SeparatorStartTest : public SeparatorTest, public ::testing::WithParamInterface<TStart> {};

TEST_P(SeparatorStartTest, StartTekenWordtPuntOfKomma) {
    const TStart s = GetParam();
    // The program's sign before the dialog is made does not matter.
    SetDecimalSeparator(s.Decimaal == '.' ? ',' : '.');
    TFrmSeparator dlg(berichten, QString::fromUtf8(s.Machine));
    EXPECT_EQ(dlg.ItemIndex(), s.Index);
    EXPECT_EQ(DecimalSeparator(), s.Decimaal);
    EXPECT_EQ(ThousandSeparator(), s.Duizendtal);
    EXPECT_EQ(dlg.Decimaalteken(), QString(QLatin1Char(s.Decimaal)));
    EXPECT_TRUE(berichten->Lijst.empty());
}

INSTANTIATE_TEST_SUITE_P(Machines, SeparatorStartTest,
                         ::testing::Values(TStart{".", 0, '.', ','}, TStart{",", 1, ',', '.'},
                                           TStart{"\u066b", 1, ',', '.'}, TStart{"", 1, ',', '.'}));

TEST_F(SeparatorTest, VensterEnTeksten) {
    TFrmSeparator dlg(berichten, QStringLiteral("."));
    EXPECT_EQ(dlg.objectName(), "FrmSeparator");
    EXPECT_EQ(dlg.windowTitle(), "Decimaalteken invoerbestand");
    EXPECT_EQ(dlg.GrpSeparator->objectName(), "GrpSeparator");
    EXPECT_EQ(dlg.RbtPunt->text(), ".  (punt)");
    EXPECT_EQ(dlg.RbtKomma->text(), ",  (komma)");
    EXPECT_EQ(dlg.BtnOK->text(), "OK");
    EXPECT_EQ(dlg.ToelDrijfKa->objectName(), "ToelDrijfKa");
    EXPECT_EQ(dlg.ToelDrijfKa->text(), "Toelichting");
    EXPECT_TRUE(dlg.ToelDrijfKa->font().italic());
    EXPECT_TRUE(dlg.ToelDrijfKa->isLink());
    EXPECT_EQ(dlg.ToelDrijfKa->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(SeparatorTest, KeuzeVanDeGebruiker) {
    TFrmSeparator dlg(berichten, QStringLiteral("."));
    dlg.show();
    QTest::mouseClick(dlg.RbtKomma, Qt::LeftButton);
    EXPECT_EQ(DecimalSeparator(), ',');
    EXPECT_EQ(ThousandSeparator(), '.');
    EXPECT_EQ(dlg.Decimaalteken(), ",");
    // The item already chosen changes nothing.
    QTest::mouseClick(dlg.RbtKomma, Qt::LeftButton);
    EXPECT_EQ(DecimalSeparator(), ',');
    EXPECT_EQ(dlg.ItemIndex(), 1);
    QTest::mouseClick(dlg.RbtPunt, Qt::LeftButton);
    EXPECT_EQ(DecimalSeparator(), '.');
    EXPECT_EQ(ThousandSeparator(), ',');
    EXPECT_EQ(dlg.Decimaalteken(), ".");
    EXPECT_TRUE(berichten->Lijst.empty());
}

TEST_F(SeparatorTest, SetDecimaaltekenKijktNaarDePunt) {
    TFrmSeparator dlg(berichten, QStringLiteral("."));
    const std::pair<const char*, char> gevallen[] = {
        {",", ','}, {".", '.'}, {"", ','}, {"x", ','}, {"1.0", '.'}};
    for (const auto& [teken, verwacht] : gevallen) {
        dlg.SetDecimaalteken(QString::fromLatin1(teken));
        EXPECT_EQ(DecimalSeparator(), verwacht) << teken;
        EXPECT_EQ(ThousandSeparator(), verwacht == '.' ? ',' : '.') << teken;
        EXPECT_EQ(dlg.Decimaalteken(), QString(QLatin1Char(verwacht)));
    }
}

TEST_F(SeparatorTest, Toelichting) {
    TFrmSeparator dlg(berichten, QStringLiteral("."));
    dlg.show();
    QTest::mouseClick(dlg.ToelDrijfKa, Qt::LeftButton);
    ASSERT_EQ(berichten->Lijst.size(), 1u);
    EXPECT_EQ(berichten->Lijst[0].Soort, TBerichtSoort::Informatie);
    EXPECT_EQ(berichten->Lijst[0].Knoppen, TKnoppen::OK);
    EXPECT_EQ(berichten->Lijst[0].Tekst,
              "Indien het invoerbestand is aangemaakt met een ander decimaalteken \n"
              "dan de instelling van deze PC kunt u hier de instelling tijdelijk \n"
              "aanpassen aan de instelling van het bestand.");
}

// The explanation in a real message box, shown from the link's own click.
TEST_F(SeparatorTest, ToelichtingInEenEchtVenster) {
    TFrmSeparator dlg(std::make_shared<TQtBerichten>(), QStringLiteral("."));
    dlg.show();
    QString tekst;
    QTimer::singleShot(0, [&tekst] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            tekst = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    QTest::mouseClick(dlg.ToelDrijfKa, Qt::LeftButton);
    EXPECT_EQ(tekst, SeparatorToelichting());
    EXPECT_EQ(tekst.count(QLatin1Char('\n')), 2);
}

class SeparatorVensterTest : public VensterTest {};

// The hidden menu item shows the dialog modally; the choice made there holds at once for
// every conversion: spin edits, grid cells, labels and the model's texts.
TEST_F(SeparatorVensterTest, KeuzeGeldtOveral) {
    TFrmSeparator dlg(omg.Berichten, QStringLiteral("."));
    KoppelSeparator(*w, dlg);
    EXPECT_FALSE(w->Separator1->isVisible());
    bool modaal = false;
    QTimer::singleShot(0, [&] {
        modaal = QApplication::activeModalWidget() == &dlg;
        QTest::mouseClick(dlg.RbtKomma, Qt::LeftButton);
        QTest::mouseClick(dlg.BtnOK, Qt::LeftButton);
    });
    w->Separator1->trigger();
    EXPECT_TRUE(modaal);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(DecimalSeparator(), ',');

    Toon();
    w->SpeVet->setValue(4.4);
    EXPECT_EQ(w->SpeVet->text(), "4,40");
    Typ(w->SpeEiwit, "3,5");
    EXPECT_DOUBLE_EQ(w->SpeEiwit->value(), 3.5);
    TVoorraadGrid* g = w->VoorraadGrids[mBegin][kKV];
    TypRegel(g, 1, {"Brok", "1000", "940", "", "27,2", "4,5"});
    EXPECT_EQ(w->LblTotaal[mBegin][kKV][4]->text(), "27,20");
    EXPECT_EQ(w->LblTotaal[mBegin][kKV][5]->text(), "4,50");
    EXPECT_EQ(FormatFloat("0.0", 1.25L), "1,3");

    // And back.
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(dlg.RbtPunt, Qt::LeftButton);
        dlg.close();
    });
    w->Separator1->trigger();
    EXPECT_EQ(DecimalSeparator(), '.');
    w->SpeVet->setValue(4.2);
    EXPECT_EQ(w->SpeVet->text(), "4.20");
    EXPECT_EQ(FormatFloat("0.00", 0.125L), "0.13");
    EXPECT_EQ(Meldingen(), QStringList{});
}
} // namespace
