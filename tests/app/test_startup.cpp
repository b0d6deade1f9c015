#include "Startup.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "QtPrinten.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        startup = std::make_unique<TFrmStartup>(omg.Berichten);
        FrmStartup = startup.get();
        startup->Afsluiten = [this] { ++afgesloten; };
        hoofd = std::make_unique<TFrmHoofdFormulier>(omg.Omgeving());
        hoofd->Afsluiten = [] {};
        FrmHoofdFormulier = hoofd.get();
    }
    void TearDown() override {
        FrmHoofdFormulier = nullptr;
        FrmStartup = nullptr;
    }
    TTestOmgeving omg;
    std::unique_ptr<TFrmStartup> startup;
    std::unique_ptr<TFrmHoofdFormulier> hoofd;
    int afgesloten = 0;
};

// The version line at once; the main window sets the program's name.
TEST_F(StartupTest, VersieregelEnProgrammanaamBijHetMaken) {
    EXPECT_EQ(startup->LblVersie->text(), "version 2012.00 - 5 April 2012");
    EXPECT_EQ(startup->LblNaamOpstart->text(), "Tarvolingrade dairy");
    EXPECT_FALSE(startup->LblOpstart1->isVisibleTo(startup->Panel1));
    EXPECT_FALSE(startup->LblOpstart2->isVisibleTo(startup->Panel1));
}

TEST_F(StartupTest, TekstenNaInitOpstart) {
    startup->InitOpstart();
    EXPECT_EQ(startup->windowTitle(), "Tarvolingrade");
    EXPECT_EQ(startup->LblNaamOpstart->text(), "Tarvolingrade dairy");
    EXPECT_EQ(startup->LblVersie->text(), "version 2012.00 - 5 April 2012");
    EXPECT_EQ(
        startup->LblOpstart1->text().toStdString(),
        "The Tarvolingrade calculates the farm-specific excretion of nitrogen and phosphorus from manure "
        "(BEX). In addition, the program allow to calculate farm-specific emissions of ammonia (BEA).\n\n"
        "This version of the \"Tarvolingrade\" makes it possible to choose not only to calculate the "
        "standard BEX, but also to calculate BEA. As user, You can choose for these two options.\n"
        "Please enter the required information as accurate as possible. The user is able to compare the "
        "calculated excretions with a fixed standard, or to compare the emissions with an average emission "
        "of a particular farm-type or to compare the farm-specific standard for phospate with the general "
        "standard for phosphate.");
    EXPECT_EQ(startup->LblOpstart2->text().count(u'\n'), 1);
    EXPECT_TRUE(startup->LblOpstart1->isVisibleTo(startup->Panel1));
    EXPECT_TRUE(startup->LblOpstart2->isVisibleTo(startup->Panel1));
    EXPECT_EQ(startup->SttInfo->text(), "For more information about the program: click here");
    EXPECT_EQ(startup->BitBtn1->text(), "OK");
}

TEST_F(StartupTest, VasteMaatEnUiterlijk) {
    EXPECT_EQ(startup->size(), QSize(823, 516));
    EXPECT_EQ(startup->minimumSize(), startup->maximumSize());
    EXPECT_EQ(startup->Panel1->palette().color(QPalette::Window), QColor(240, 202, 166));
    EXPECT_EQ(startup->LblNaamOpstart->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(startup->LblNaamOpstart->font().pixelSize(), 24);
    EXPECT_TRUE(startup->LblNaamOpstart->font().bold());
    EXPECT_EQ(startup->LblVersie->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(startup->LblVersie->font().pixelSize(), 16);
    EXPECT_EQ(startup->LblOpstart1->font().pixelSize(), 15);
    EXPECT_TRUE(startup->LblOpstart1->wordWrap());
    EXPECT_EQ(startup->ImgZelm->size(), QSize(130, 130));
    EXPECT_FALSE(startup->ImgZelm->pixmap().isNull());
    EXPECT_TRUE(startup->SttInfo->font().underline());
    EXPECT_EQ(startup->SttInfo->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(StartupTest, SluitenVoorOkBeeindigtHetProgrammaZonderHoofdvenster) {
    startup->InitOpstart();
    startup->show();
    startup->close();
    EXPECT_EQ(afgesloten, 1);
    EXPECT_FALSE(hoofd->isVisible());
}

TEST_F(StartupTest, OkToontHetHoofdvenster) {
    startup->InitOpstart();
    startup->show();
    QTest::mouseClick(startup->BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(startup->isVisible());
    EXPECT_TRUE(hoofd->isVisible());
    EXPECT_EQ(afgesloten, 0);
}

TEST_F(StartupTest, VersiecontroleWachtNietEnSpreektAlleenBijFouten) {
    int controles = 0;
    startup->VersieControle = [&] {
        ++controles;
        throw std::runtime_error("geen netwerk");
    };
    startup->InitOpstart();
    startup->show();
    EXPECT_EQ(controles, 0) << "the check is only posted";
    QCoreApplication::processEvents();
    EXPECT_EQ(controles, 1);
    ASSERT_EQ(omg.Berichten->Lijst.size(), 1u);
    EXPECT_EQ(omg.Berichten->Lijst[0].Tekst, "geen netwerk");
    EXPECT_TRUE(startup->isVisible());
    QTest::mouseClick(startup->BitBtn1, Qt::LeftButton);
    EXPECT_TRUE(hoofd->isVisible());
}

TEST_F(StartupTest, LinkNaarProductondersteuning) {
    startup->InitOpstart();
    EXPECT_FALSE(startup->SttInfo->isEnabled()) << "no product-support window yet";
    int getoond = 0;
    startup->ToonProductOndersteuning = [&] { ++getoond; };
    startup->InitOpstart();
    startup->show();
    QTest::mouseClick(startup->SttInfo, Qt::LeftButton);
    EXPECT_EQ(getoond, 1);
}
} // namespace
