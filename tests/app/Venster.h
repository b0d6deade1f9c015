// The main window of the GUI tests with the stand-ins of its outside world, and what the
// tests read back: the messages shown, the page shown and the labels.
#pragma once

#include "Getallen.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class VensterTest : public ::testing::Test {
protected:
    void SetUp() override { Maak(); }
    void TearDown() override { SetDecimalSeparator('.'); }

    // A new window; the messages of its making are forgotten.
    void Maak() {
        w = std::make_unique<TFrmHoofdFormulier>(omg.Omgeving());
        w->Afsluiten = [this] { ++afgesloten; };
        omg.Berichten->Lijst.clear();
    }
    // Shows the window and makes it the active one, as the start window's OK does.
    void Toon() {
        w->show();
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        QCoreApplication::processEvents();
    }
    // The messages shown; first those that wait for the end of an event are shown.
    QStringList Meldingen() const {
        ToonWachtende();
        return omg.Berichten->Teksten();
    }
    QStringList Meldingen(TBerichtSoort soort) const {
        ToonWachtende();
        return omg.Berichten->Teksten(soort);
    }
    static void ToonWachtende() { QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); }
    int Pagina() const { return w->TabTarvolingrader->currentIndex(); }
    QLabel* L(const QString& naam) const {
        auto* l = w->findChild<QLabel*>(naam);
        EXPECT_NE(l, nullptr) << naam.toStdString();
        return l;
    }
    QString T(const QString& naam) const {
        const QLabel* l = L(naam);
        return l ? l->text() : QString();
    }

    TTestOmgeving omg;
    std::unique_ptr<TFrmHoofdFormulier> w;
    int afgesloten = 0;
};
