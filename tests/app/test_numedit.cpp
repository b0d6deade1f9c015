#include "Getallen.h"
#include "NumEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "QtPrinten.h"

#include <gtest/gtest.h>

namespace {
// Restores the decimal sign a test changes.
struct DecimaalTeken {
    explicit DecimaalTeken(char c) : oud(DecimalSeparator()) { SetDecimalSeparator(c); }
    ~DecimaalTeken() { SetDecimalSeparator(oud); }
    char oud;
};

NumEdit* Maak(double min, double max, int decimalen, QWidget* ouder = nullptr) {
    auto* e = new NumEdit(ouder);
    e->setRange(min, max);
    e->setDecimals(decimalen);
    return e;
}

TEST(NumEdit, LeegIsNietGevuldEnAndersDanNul) {
    std::unique_ptr<NumEdit> e(Maak(0, 100, 1));
    e->setText("");
    EXPECT_FALSE(e->isFilled());
    e->setText("0");
    EXPECT_TRUE(e->isFilled());
    EXPECT_DOUBLE_EQ(e->value(), 0);
    e->setText("   ");
    EXPECT_FALSE(e->isFilled());
}

TEST(NumEdit, LegeOfOnleesbareTekstLeestAlsMinimum) {
    std::unique_ptr<NumEdit> e(Maak(4, 28, 1));
    e->clear();
    EXPECT_DOUBLE_EQ(e->value(), 4);
    e->setText("abc");
    EXPECT_DOUBLE_EQ(e->value(), 4);
}

TEST(NumEdit, WaardeUitCodeWordtBegrensdEnOpgemaakt) {
    std::unique_ptr<NumEdit> e(Maak(2, 8, 2));
    e->setValue(1);
    EXPECT_EQ(e->text(), "2.00");
    e->setValue(9.5);
    EXPECT_EQ(e->text(), "8.00");
    e->setValue(4.125);
    EXPECT_EQ(e->text(), "4.13");
    e->setValue(std::nan(""));
    EXPECT_EQ(e->text(), "2.00");
}

TEST(NumEdit, TekstUitCodeWordtNietBegrensd) {
    std::unique_ptr<NumEdit> e(Maak(2, 9, 1));
    e->setText("0");
    EXPECT_EQ(e->text(), "0");
    EXPECT_DOUBLE_EQ(e->value(), 0);
    e->setText("2011.6");
    EXPECT_DOUBLE_EQ(e->value(), 2011.6);
}

TEST(NumEdit, DecimaalTekenVanHetProgramma) {
    DecimaalTeken komma(',');
    std::unique_ptr<NumEdit> e(Maak(0, 500, 2));
    e->setValue(12.5);
    EXPECT_EQ(e->text(), "12,50");
    e->setText("3,25");
    EXPECT_DOUBLE_EQ(e->value(), 3.25);
    e->setText("3.25");
    EXPECT_DOUBLE_EQ(e->value(), 0) << "a point is no decimal sign now";
    EXPECT_EQ(e->rangeHint(), "Minimum: 0,00  -  Maximum: 500,00");
}

TEST(NumEdit, WijzigingsSignaalOokBijWijzigingInCode) {
    std::unique_ptr<NumEdit> e(Maak(0, 100, 0));
    QSignalSpy spy(e.get(), &NumEdit::changed);
    e->setValue(5);
    e->setText("");
    e->setText("7");
    EXPECT_EQ(spy.count(), 3);
    e->setText("7");
    EXPECT_EQ(spy.count(), 3) << "the same text is no change";
}

struct HintGeval {
    int Decimalen;
    double Min;
    double Max;
    const char* Hint;
};
class NumEditHintTest : public ::testing::TestWithParam<HintGeval> {};

TEST_P(NumEditHintTest, BereikHintNaarDecimalen) {
    std::unique_ptr<NumEdit> e(Maak(GetParam().Min, GetParam().Max, GetParam().Decimalen));
    EXPECT_EQ(e->rangeHint().toStdString(), GetParam().Hint);
    EXPECT_EQ(e->toolTip().toStdString(), GetParam().Hint);
}

INSTANTIATE_TEST_SUITE_P(Decimalen, NumEditHintTest,
                         ::testing::Values(HintGeval{0, 0, 100, "Minimum: 0  -  Maximum: 100"},
                                           HintGeval{1, 0, 100, "Minimum: 0.0  -  Maximum: 100.0"},
                                           HintGeval{2, 0, 500, "Minimum: 0.00  -  Maximum: 500.00"},
                                           HintGeval{3, 0, 10, "Minimum: 0.00  -  Maximum: 10.00"}));

TEST(NumEdit, NieuwBereikVernieuwtDeHintMaarNietDeTekst) {
    std::unique_ptr<NumEdit> e(Maak(0, 500, 2));
    e->setText("300");
    e->setMaximum(10);
    EXPECT_EQ(e->toolTip(), "Minimum: 0.00  -  Maximum: 10.00");
    EXPECT_EQ(e->text(), "300");
}

TEST(NumEdit, StappenBlijvenBinnenHetBereik) {
    std::unique_ptr<NumEdit> e(Maak(0, 12, 1));
    e->setSingleStep(5);
    e->setValue(10);
    e->stepBy(1);
    EXPECT_EQ(e->text(), "12.0");
    e->stepBy(-4);
    EXPECT_EQ(e->text(), "0.0");
}

class NumEditTypen : public ::testing::Test {
protected:
    void SetUp() override {
        venster = std::make_unique<QWidget>();
        e = Maak(0, 100, 1, venster.get());
        ander = new QLineEdit(venster.get());
        venster->show();
        QApplication::setActiveWindow(venster.get());
        e->setFocus();
    }
    std::unique_ptr<QWidget> venster;
    NumEdit* e = nullptr;
    QLineEdit* ander = nullptr;
};

TEST_F(NumEditTypen, AlleenCijfersEnEenDecimaalteken) {
    e->clear();
    QTest::keyClicks(e, "1a2.5.-x");
    EXPECT_EQ(e->text(), "12.5");
}

// The user types no more decimals than the edit has; a whole edit takes no decimal sign.
struct DecimalenGeval {
    int Decimalen;
    char Teken;
    const char* Getypt;
    const char* Tekst;
};
class NumEditDecimalen : public NumEditTypen, public ::testing::WithParamInterface<DecimalenGeval> {};

TEST_P(NumEditDecimalen, NietMeerDecimalenDanDeEdit) {
    const DecimaalTeken teken(GetParam().Teken);
    e->setRange(0, 100000);
    e->setDecimals(GetParam().Decimalen);
    e->clear();
    QTest::keyClicks(e, GetParam().Getypt);
    EXPECT_EQ(e->text().toStdString(), GetParam().Tekst);
}

INSTANTIATE_TEST_SUITE_P(
    Typen, NumEditDecimalen,
    ::testing::Values(DecimalenGeval{0, '.', "80.5", "805"}, DecimalenGeval{0, ',', "80,5", "805"},
                      DecimalenGeval{1, '.', "12.34", "12.3"}, DecimalenGeval{1, '.', "12.3", "12.3"},
                      DecimalenGeval{2, '.', "12.345", "12.34"}, DecimalenGeval{2, ',', "3,257", "3,25"},
                      DecimalenGeval{2, '.', "1234", "1234"}));

// Point and comma both stand for the decimal sign in an edit with decimals, typed or
// pasted, under either sign of the program; a whole edit refuses both, and a paste that is
// no number is refused as a whole.
struct TekenGeval {
    char Teken;
    int Decimalen;
    bool Plakken;
    const char* Invoer;
    const char* Tekst;
};
class NumEditAnderTeken : public NumEditTypen, public ::testing::WithParamInterface<TekenGeval> {};

TEST_P(NumEditAnderTeken, WordtHetEigenDecimaalteken) {
    const TekenGeval& g = GetParam();
    const DecimaalTeken teken(g.Teken);
    e->setRange(0, 100000);
    e->setDecimals(g.Decimalen);
    e->setText("7");
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    if (g.Plakken) {
        QApplication::clipboard()->setText(QString::fromLatin1(g.Invoer));
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(e, QString::fromLatin1(g.Invoer));
    }
    EXPECT_EQ(e->text().toStdString(), g.Tekst);
    const std::string verwacht(g.Tekst);
    EXPECT_DOUBLE_EQ(e->value(), QString::fromStdString(verwacht).replace(',', '.').toDouble());
}

INSTANTIATE_TEST_SUITE_P(
    BeideTekens, NumEditAnderTeken,
    ::testing::Values(TekenGeval{'.', 1, false, "4,4", "4.4"}, TekenGeval{'.', 1, false, "4.4", "4.4"},
                      TekenGeval{',', 1, false, "4.4", "4,4"}, TekenGeval{',', 1, false, "4,4", "4,4"},
                      TekenGeval{'.', 2, false, "12,5", "12.5"}, TekenGeval{',', 2, false, "0.25", "0,25"},
                      TekenGeval{',', 1, false, "4.4.4", "4,4"}, TekenGeval{'.', 1, false, "4,4,", "4.4"},
                      // Pasted.
                      TekenGeval{'.', 2, true, "12,5", "12.5"}, TekenGeval{',', 2, true, "12.5", "12,5"},
                      TekenGeval{',', 1, true, "3,5", "3,5"}, TekenGeval{'.', 2, true, "1.234,5", "7"},
                      TekenGeval{',', 2, true, "12,5 ha", "7"}, TekenGeval{'.', 1, true, "4,45", "7"},
                      // Whole edits: typed signs are dropped, a pasted one refuses the paste.
                      TekenGeval{'.', 0, false, "12,5", "125"}, TekenGeval{',', 0, false, "12.5", "125"},
                      TekenGeval{'.', 0, false, "12.5", "125"}, TekenGeval{',', 0, true, "12.5", "7"},
                      TekenGeval{'.', 0, true, "12,5", "7"}, TekenGeval{'.', 0, true, "125", "125"}));

TEST_F(NumEditTypen, GeplakteTekstMetTeveelDecimalenWordtGeweigerd) {
    e->setDecimals(1);
    e->setText("7");
    QString tekst = "12.34";
    int pos = 0;
    EXPECT_EQ(e->validate(tekst, pos), QValidator::Invalid);
    tekst = "12.3";
    EXPECT_EQ(e->validate(tekst, pos), QValidator::Acceptable);
    // A text set in code is left as it stands.
    e->setText("2011.65");
    EXPECT_EQ(e->text(), "2011.65");
}

TEST_F(NumEditTypen, MinTekenAlleenBijEenNegatiefBereik) {
    e->clear();
    QTest::keyClicks(e, "-3");
    EXPECT_EQ(e->text(), "3");
    e->setRange(-10, 10);
    e->clear();
    QTest::keyClicks(e, "-3");
    EXPECT_EQ(e->text(), "-3");
}

// Leaving the edit puts a value beyond the range back in it and empties half a number; a
// valid or empty text stays.
struct VerlatenGeval {
    const char* Getypt;
    const char* Tekst;
};
class NumEditVerlaten : public NumEditTypen, public ::testing::WithParamInterface<VerlatenGeval> {};

TEST_P(NumEditVerlaten, TekstNaHetVerlaten) {
    e->clear();
    QTest::keyClicks(e, GetParam().Getypt);
    QSignalSpy spy(e, &NumEdit::changed);
    ander->setFocus();
    EXPECT_EQ(e->text().toStdString(), GetParam().Tekst);
    EXPECT_EQ(spy.count() > 0, std::string(GetParam().Getypt) != GetParam().Tekst);
}

INSTANTIATE_TEST_SUITE_P(Teksten, NumEditVerlaten,
                         ::testing::Values(VerlatenGeval{"250", "100.0"}, VerlatenGeval{"12", "12"},
                                           VerlatenGeval{"", ""}, VerlatenGeval{".", ""}));

// A typed number outside the range is put back into it, and the user is told so under the
// edit in the range of its hint; leaving by another field or by Return alike.
struct BegrenzingGeval {
    double Min;
    double Max;
    int Decimalen;
    const char* Getypt;
    bool Return;
    const char* Tekst;
    const char* Melding;
};
class NumEditBegrenzing : public NumEditTypen, public ::testing::WithParamInterface<BegrenzingGeval> {};

TEST_P(NumEditBegrenzing, GetyptBuitenHetBereik) {
    const BegrenzingGeval& g = GetParam();
    e->setRange(g.Min, g.Max);
    e->setDecimals(g.Decimalen);
    e->clear();
    QTest::keyClicks(e, g.Getypt);
    if (g.Return)
        QTest::keyClick(e, Qt::Key_Return);
    else
        ander->setFocus();
    EXPECT_EQ(e->text().toStdString(), g.Tekst);
    EXPECT_EQ(e->limitMessage().toStdString(), g.Melding);
    // Typing on takes the note away.
    if (*g.Melding) {
        e->setFocus();
        QTest::keyClick(e, Qt::Key_Backspace);
        EXPECT_EQ(e->limitMessage(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Bereiken, NumEditBegrenzing,
                         ::testing::Values(BegrenzingGeval{0, 1500, 1, "5000", false, "1500.0",
                                                           "5000 is above the maximum 1500.0: set to 1500.0"},
                                           BegrenzingGeval{2, 8, 2, "44", true, "8.00",
                                                           "44 is above the maximum 8.00: set to 8.00"},
                                           BegrenzingGeval{2006, 2015, 0, "2020", false, "2015",
                                                           "2020 is above the maximum 2015: set to 2015"},
                                           BegrenzingGeval{4, 28, 1, "2", true, "4.0",
                                                           "2 is below the minimum 4.0: set to 4.0"},
                                           BegrenzingGeval{0, 1500, 1, "1500", false, "1500", ""},
                                           BegrenzingGeval{4, 28, 1, "4", true, "4", ""}));

TEST_F(NumEditTypen, BegrensdDoorCodeZonderMelding) {
    e->setRange(0, 1500);
    e->setValue(5000);
    EXPECT_EQ(e->text(), "1500.0");
    // A text from a farm file is put right when the user passes through the edit.
    e->setText("5000");
    e->setFocus();
    ander->setFocus();
    EXPECT_EQ(e->text(), "1500.0");
    EXPECT_EQ(e->limitMessage(), "");
    // The user's own number, once put right, may be set by code again without a word.
    e->setFocus();
    QTest::keyClick(e, Qt::Key_Home);
    QTest::keyClicks(e, "9");
    ander->setFocus();
    EXPECT_EQ(e->limitMessage(), "91500.0 is above the maximum 1500.0: set to 1500.0");
    e->setValue(-3);
    EXPECT_EQ(e->text(), "0.0");
    EXPECT_NE(e->limitMessage(), "") << "the note stays for its time";
    e->hide();
    EXPECT_EQ(e->limitMessage(), "");
}

TEST_F(NumEditTypen, PijltjesStappen) {
    e->setValue(3);
    e->setSingleStep(0.5);
    QTest::keyClick(e, Qt::Key_Up);
    EXPECT_EQ(e->text(), "3.5");
    QTest::keyClick(e, Qt::Key_Down);
    QTest::keyClick(e, Qt::Key_Down);
    EXPECT_EQ(e->text(), "2.5");
}
} // namespace

namespace {
TEST_F(NumEditTypen, AlleenEigenWijzigingenZijnBewerkt) {
    QStringList volgorde;
    QObject::connect(e, &NumEdit::changed, [&] { volgorde << "changed"; });
    QObject::connect(e, &NumEdit::edited, [&] { volgorde << "edited"; });
    e->setValue(3);
    e->setText("4");
    EXPECT_EQ(volgorde, QStringList({"changed", "changed"}));
    volgorde.clear();
    QTest::keyClicks(e, "5");
    EXPECT_EQ(volgorde, QStringList({"changed", "edited"}));
    volgorde.clear();
    e->setValue(100);
    volgorde.clear();
    QTest::keyClick(e, Qt::Key_Up); // at the maximum: nothing changes
    EXPECT_TRUE(volgorde.isEmpty());
    QTest::keyClick(e, Qt::Key_Down);
    EXPECT_EQ(volgorde, QStringList({"changed", "edited"}));
}
} // namespace
