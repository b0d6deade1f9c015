// The recent-files menu: its place in the File menu, order, limits, the settings file and
// a chosen entry.
#include "Bestandvenster.h"
#include "FilehistMenu.h"
#include "IniBestand.h"

#include <QAction>
#include <QFile>
#include <QMenu>

namespace {
class HistorieTest : public BestandTest {
protected:
    QString Maak(const QString& naam) { return Bewaar(naam, BouwBestand(201200, TTestBoerderij())); }
    static QStringList Opschriften(const QMenu* menu) {
        QStringList t;
        for (const QAction* a : menu->actions())
            t << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return t;
    }
};

// A lone menu for the component itself.
class LosMenuTest : public HistorieTest {
protected:
    void SetUp() override {
        HistorieTest::SetUp();
        for (const char* t : {"Een", "Twee", "Drie"})
            menu.addAction(QString::fromLatin1(t));
        fhm.SetBestandMenu(&menu);
        fhm.SetInvoegPositie(2);
    }
    QMenu menu;
    TKtFilehistMenu fhm;
};

TEST_F(HistorieTest, EntriesStandBeforeClose) {
    TKtFilehistMenu* fhm = BestandHistorie(*w);
    ASSERT_NE(fhm, nullptr);
    EXPECT_EQ(fhm->InvoegPositie(), 12);
    EXPECT_EQ(fhm->MaxBestanden(), 5);
    const QStringList zonder = Opschriften(w->MitBestand);
    const QString a = Maak("a.trv");
    fhm->AddFile(a);
    const QStringList met = Opschriften(w->MitBestand);
    EXPECT_EQ(met.mid(10), (QStringList{"&Print...", "-", "-", "&1 a.trv", "-", "&Close"}));
    EXPECT_EQ(fhm->Items()[0]->statusTip(), "Bestand " + a + " openen");

    // Choosing the only entry removes it and its separators before the file is read.
    QStringList bijLezen;
    fhm->OnClick = [&](TKtFilehistMenu*, const QString& naam) {
        bijLezen = Opschriften(w->MitBestand);
        LeesBestand(*w, naam);
    };
    fhm->Items()[0]->trigger();
    EXPECT_EQ(bijLezen, zonder);
    EXPECT_EQ(w->BestandNaam, a);
}

TEST_F(HistorieTest, AReplacedFarmBecomesAnEntry) {
    const QString a = Maak("a.trv");
    const QString b = Maak("b.trv");
    ASSERT_TRUE(LeesBestand(*w, a));
    ASSERT_TRUE(LeesBestand(*w, b));
    TKtFilehistMenu* fhm = BestandHistorie(*w);
    EXPECT_EQ(fhm->Bestanden(), QStringList{a});
    // Choosing it opens it; b, replaced, takes its place.
    fhm->Items()[0]->trigger();
    EXPECT_EQ(w->BestandNaam, a);
    EXPECT_EQ(fhm->Bestanden(), QStringList{b});
    // An entry whose file has gone is dropped without a word.
    QFile::remove(b);
    fhm->Items()[0]->trigger();
    EXPECT_EQ(w->BestandNaam, a);
    EXPECT_TRUE(fhm->Bestanden().isEmpty());
    EXPECT_TRUE(Meldingen().isEmpty());
}

TEST_F(LosMenuTest, NewestFirstAndNumbered) {
    const QString a = Maak("a.trv"), b = Maak("b.trv"), c = Maak("sub/C.trv");
    for (const QString& n : {a, b, c})
        fhm.AddFile(n);
    EXPECT_EQ(Opschriften(&menu),
              (QStringList{"Een", "Twee", "-", "&1 C.trv", "&2 b.trv", "&3 a.trv", "-", "Drie"}));
    // A file already listed moves to the top.
    fhm.AddFile(a);
    EXPECT_EQ(fhm.Bestanden(), (QStringList{a, c, b}));
    // With the full path; in capitals only on the menu, the name keeps its case.
    fhm.SetToonPad(true);
    EXPECT_EQ(fhm.Items()[1]->text(), "&2 " + c);
    fhm.SetToonPad(false);
    fhm.SetHoofdLetters(true);
    EXPECT_EQ(fhm.Items()[0]->text(), "&1 A.TRV");
    EXPECT_EQ(fhm.Bestanden()[0], a);
    // A file that does not exist is not added.
    fhm.AddFile(Pad("weg.trv"));
    EXPECT_EQ(fhm.Bestanden().size(), 3);
}

TEST_F(LosMenuTest, NamesKeepTheirCase) {
    const QString groot = Maak("Farm.trv"), klein = Maak("farm.trv");
    Maak("sub/x.trv");
    fhm.AddFile(groot);
    fhm.AddFile(klein);
    EXPECT_EQ(fhm.Bestanden(), (QStringList{klein, groot}));
    // The same file by another road is one entry.
    fhm.AddFile(Pad("sub/../Farm.trv"));
    EXPECT_EQ(fhm.Bestanden(), (QStringList{groot, klein}));
}

TEST_F(LosMenuTest, Limits) {
    QStringList namen;
    for (int i = 0; i < 25; ++i)
        namen << Maak(QStringLiteral("f%1.trv").arg(i));
    for (const QString& n : namen)
        fhm.AddFile(n);
    EXPECT_EQ(fhm.Bestanden().size(), 5);
    EXPECT_EQ(fhm.Bestanden().first(), namen.last());
    fhm.SetMaxBestanden(25);
    EXPECT_EQ(fhm.MaxBestanden(), 20);
    for (const QString& n : namen)
        fhm.AddFile(n);
    EXPECT_EQ(fhm.Bestanden().size(), 20);
    fhm.SetMaxBestanden(-1);
    EXPECT_EQ(fhm.MaxBestanden(), 20);
    // Lowering the limit drops the oldest at once.
    fhm.SetMaxBestanden(2);
    EXPECT_EQ(fhm.Bestanden(), (QStringList{namen[24], namen[23]}));
    EXPECT_EQ(Opschriften(&menu).size(), 3 + 2 + 2);
    // The insert position follows the menu only while the list is empty.
    fhm.SetInvoegPositie(0);
    EXPECT_EQ(fhm.InvoegPositie(), 2);
}

TEST_F(LosMenuTest, PositionBeyondTheMenuAndAnAdoptedSeparator) {
    TKtFilehistMenu eind;
    eind.SetBestandMenu(&menu);
    eind.SetInvoegPositie(99);
    EXPECT_EQ(eind.InvoegPositie(), 3);

    QMenu metScheiding;
    metScheiding.addAction("Een");
    metScheiding.addSeparator();
    metScheiding.addAction("Sluiten");
    TKtFilehistMenu f;
    f.SetBestandMenu(&metScheiding);
    f.SetInvoegPositie(1);
    const QString a = Maak("a.trv");
    f.AddFile(a);
    EXPECT_EQ(Opschriften(&metScheiding), (QStringList{"Een", "-", "&1 a.trv", "-", "Sluiten"}));
    f.ItemClick(f.Items()[0]);
    // The adopted separator stays; the inserted one goes.
    EXPECT_EQ(Opschriften(&metScheiding), (QStringList{"Een", "-", "Sluiten"}));
}

TEST_F(LosMenuTest, SettingsFileKeys) {
    const QString a = Maak("a.trv"), b = Maak("b.trv"), c = Maak("c.trv");
    for (const QString& n : {a, b, c})
        fhm.AddFile(n);
    const QString pad = Pad("instellingen.ini");
    {
        TIniBestand ini(pad);
        ini.SchrijfTekst("BestandHistorie", "FileHistItem7", "ouder");
        fhm.SaveToIni(ini, "BestandHistorie");
    }
    const TIniBestand ini(pad);
    EXPECT_EQ(ini.LeesGetal("BestandHistorie", "FileHistCount", 0), 3);
    EXPECT_EQ(ini.LeesTekst("BestandHistorie", "FileHistItem0", ""), c);
    EXPECT_EQ(ini.LeesTekst("BestandHistorie", "FileHistItem2", ""), a);
    EXPECT_EQ(ini.LeesTekst("BestandHistorie", "FileHistItem7", ""), "ouder");

    // Read back in the same order; a vanished file is dropped.
    QFile::remove(b);
    QMenu ander;
    TKtFilehistMenu terug;
    terug.SetBestandMenu(&ander);
    terug.LoadFromIni(ini, "BestandHistorie");
    EXPECT_EQ(terug.Bestanden(), (QStringList{c, a}));
}

TEST_F(HistorieTest, TheWindowLoadsItsListAtStart) {
    const QString a = Maak("a.trv"), b = Maak("b.trv");
    {
        TIniBestand ini(w->IniBestand);
        ini.SchrijfGetal("BestandHistorie", "FileHistCount", 3);
        ini.SchrijfTekst("BestandHistorie", "FileHistItem0", b);
        ini.SchrijfTekst("BestandHistorie", "FileHistItem1", Pad("weg.trv"));
        ini.SchrijfTekst("BestandHistorie", "FileHistItem2", a);
    }
    MaakOpnieuw();
    EXPECT_EQ(BestandHistorie(*w)->Bestanden(), (QStringList{b, a}));
}
} // namespace
