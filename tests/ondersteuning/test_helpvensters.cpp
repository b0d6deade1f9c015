// The help, manual and product-support windows: which window each link and command opens,
// their captions, the texts that depend on the farm, and the show-at-start setting.
#include "HelpVensters.h"
#include "Nepomgeving.h"
#include "StaticText.h"

#include "Getallen.h"

#include <QCheckBox>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

namespace {

using HelpTest = OndersteuningTest;

QStringList Regels(const QPlainTextEdit* memo) {
    return memo->toPlainText().split(u'\n');
}

TEST_F(HelpTest, EveryLinkOpensItsWindow) {
    struct TLink {
        const char* Naam;
        const char* Venster; // window shown, or "" for a message or the web site
    };
    const std::vector<TLink> links = {
        {"SttBeweidToel", "FrmHelpBeweiding"},
        {"SttFosfaatG1", "FrmHelpFosfaat"},
        {"SttFosfaatG2", "FrmHelpFosfaat"},
        {"SttFosfaatG3", "FrmHelpFosfaat"},
        {"SttFosfaatB1", "FrmHelpFosfaat"},
        {"SttFosfaatB2", "FrmHelpFosfaat"},
        {"SttFosfaatB3", "FrmHelpFosfaat"},
        {"SttKunstmest", "FrmHelpKunstmest"},
        {"SttEmissieToel2", "FrmHelpEmissie"},
        {"StaticText41", "FrmHelpBEP"},
        {"StaticText118", "FrmHelpBEP"},
        {"StaticText190", "FrmHelpGt"},
        {"SttHandleiding", "FrmHandleidingBEX"},
        {"ToelDrijfKa", ""},
        {"ToelDrijfPi", ""},
        {"ImgZmbex", ""},
        {"ImgZmbea", ""},
        {"ImgZmbep", ""},
        {"ImgZmben", ""},
        {"SttBeginGk", "FrmHelpVoorraad"},
        {"SttBeginSm", "FrmHelpVoorraad"},
        {"SttBeginNat", "FrmHelpVoorraad"},
        {"SttBeginKv", "FrmHelpVoorraad"},
        {"SttBeginMp", "FrmHelpVoorraad"},
        {"SttAanlegGk", "FrmHelpVoorraad"},
        {"SttAanlegSm", "FrmHelpVoorraad"},
        {"SttAanlegNat", "FrmHelpVoorraad"},
        {"SttAanlegKv", "FrmHelpVoorraad"},
        {"SttAanlegMp", "FrmHelpVoorraad"},
        {"SttEindGk", "FrmHelpVoorraad"},
        {"SttEindSm", "FrmHelpVoorraad"},
        {"SttEindNat", "FrmHelpVoorraad"},
        {"SttEindKv", "FrmHelpVoorraad"},
        {"SttEindMp", "FrmHelpVoorraad"},
    };
    for (const TLink& l : links) {
        SCOPED_TRACE(l.Naam);
        vensters->Getoond.clear();
        omg.Berichten->Lijst.clear();
        url->Geopend.clear();
        auto* link = w->findChild<StaticText*>(QLatin1String(l.Naam));
        ASSERT_NE(link, nullptr);
        EXPECT_TRUE(link->isEnabled());
        EXPECT_TRUE(link->isLink());
        emit link->clicked();
        const QString venster = QLatin1String(l.Venster);
        EXPECT_EQ(vensters->Getoond, venster.isEmpty() ? QStringList() : QStringList{venster});
        if (QLatin1String(l.Naam).startsWith(QLatin1String("Toel")))
            EXPECT_EQ(Meldingen(TBerichtSoort::Informatie),
                      QStringList{QStringLiteral("Part of youngstock which is not kept on straw.")});
        else
            EXPECT_TRUE(Meldingen().isEmpty());
        EXPECT_EQ(url->Geopend.size(), QLatin1String(l.Naam).startsWith(QLatin1String("ImgZm")) ? 1u : 0u);
    }
    EXPECT_EQ(w->findChild<StaticText*>(QStringLiteral("StaticText190"))->toolTip(),
              QStringLiteral("Toelichting grondwatertrap"));
}

TEST_F(HelpTest, WindowsHaveTheirCaptions) {
    const std::vector<std::pair<const char*, const char*>> titels = {
        {"FrmInfotxt", "Product support"},
        {"FrmInfotxtJv", "Product support "},
        {"FrmHandleidingBEX", "Handleiding tarvolingrader BEX"},
        {"FrmHandleidingBEAPN", "Handleiding tarvolingrader BEX+BEA+BEP"},
        {"FrmHandleidingJV", "Handleiding tarvolingrader jongvee"},
        {"FrmHelpBeweiding", "Toelichting mate van beweiding"},
        {"FrmHelpBEP", "Toelichting bedrijfseigen norm"},
        {"FrmHelpEmissie", "Toelichting ammoniak emissie"},
        {"FrmHelpFosfaat", "Toelichting fosfaattoestand"},
        {"FrmHelpKunstmest", "Toelichting stikstof kunstmest"},
        {"FrmHelpVoorraad", "Toelichting voorraden"},
        {"FrmHelpGt", "Toelichting grondwatertrap"}};
    for (const auto& [naam, titel] : titels) {
        auto* d = w->findChild<QDialog*>(QLatin1String(naam));
        ASSERT_NE(d, nullptr) << naam;
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8(titel)) << naam;
        EXPECT_TRUE(d->isModal()) << naam;
    }
    EXPECT_EQ(o->FrmInfotxtJv->ChkProduktOndersteuning->text(),
              QStringLiteral("Show at the start of this program"));
    EXPECT_EQ(o->FrmInfotxt->ChkProduktOndersteuning->text(),
              QStringLiteral("Show at the start of the program"));
}

TEST_F(HelpTest, ManualsHaveTheirSections) {
    const QStringList bex = {"Hier moet u invullen:",  "Tabblad Algemeen",
                             "Tabblad Melkveebedrijf", "Tabblad Overige graasdieren",
                             "Tabblad Voorraad begin", "Tabblad Voorraad aanleg",
                             "Tabblad Voorraad eind",  "Kopiëren eindvoorraad naar begin voorraad",
                             "Tabblad Resultaat BEX",  "Tabblad Analyse",
                             "Opslaan berekening",     "Opstarten van al eerder gemaakte berekeningen",
                             "Bedrijfslogo op rapport"};
    const QStringList module = {"Tabblad Invoer BEA", "Tabblad Resultaat BEA", "Tabblad Invoer BEP",
                                "Tabblad Resultaat BEP"};
    const auto tekst = [](TFrmTekst* frm) { return frm->Tekst->toPlainText(); };
    for (const QString& kop : bex) {
        EXPECT_TRUE(tekst(o->FrmHandleidingBEX).contains(kop)) << kop.toStdString();
        EXPECT_TRUE(tekst(o->FrmHandleidingBEAPN).contains(kop)) << kop.toStdString();
        if (kop != QLatin1String("Tabblad Melkveebedrijf")) {
            EXPECT_TRUE(tekst(o->FrmHandleidingJV).contains(kop)) << kop.toStdString();
        }
    }
    EXPECT_TRUE(tekst(o->FrmHandleidingJV).contains(QStringLiteral("Tabblad bedrijf")));
    EXPECT_FALSE(tekst(o->FrmHandleidingJV).contains(QStringLiteral("Tabblad Melkveebedrijf")));
    for (const QString& kop : module) {
        EXPECT_TRUE(tekst(o->FrmHandleidingBEAPN).contains(kop)) << kop.toStdString();
        EXPECT_FALSE(tekst(o->FrmHandleidingBEX).contains(kop)) << kop.toStdString();
    }
}

TEST_F(HelpTest, ManualsNameTheMenuCommandsAsTheMenuShowsThem) {
    QStringList opdrachten; // "File > Save", as the menu bar shows them
    for (QMenu* menu : {w->MitBestand, w->MitGebruik, w->MitHelp})
        for (QAction* a : menu->actions())
            opdrachten << menu->title().remove(u'&') + QStringLiteral(" > ") + a->text().remove(u'&');
    for (TFrmTekst* frm : {o->FrmHandleidingBEX, o->FrmHandleidingBEAPN, o->FrmHandleidingJV}) {
        SCOPED_TRACE(frm->objectName().toStdString());
        const QString tekst = frm->Tekst->toPlainText().simplified();
        for (const char* opdracht : {"File > Save", "File > Open...", "Options > Change Company Logo"}) {
            EXPECT_TRUE(opdrachten.contains(QLatin1String(opdracht))) << opdracht;
            EXPECT_TRUE(tekst.contains(QLatin1String(opdracht))) << opdracht;
        }
        EXPECT_EQ(tekst.count(QStringLiteral(" > ")), 3);
        // The company logo stands at the bottom right of the cover.
        EXPECT_TRUE(tekst.contains(QStringLiteral("rechtsonder op het voorblad")));
        EXPECT_FALSE(tekst.contains(QStringLiteral("bovenaan")));
    }
}

TEST_F(HelpTest, ExplanationsWrapAtTheWindowsEdge) {
    w->Diercategorie = QStringLiteral("MK");
    for (THelpVenster* venster : w->findChildren<THelpVenster*>()) {
        venster->FormShow();
        venster->show();
        venster->resize(venster->minimumSizeHint());
        QCoreApplication::processEvents();
        for (QAbstractScrollArea* tekst : venster->findChildren<QAbstractScrollArea*>()) {
            if (tekst->isVisible()) {
                EXPECT_EQ(tekst->horizontalScrollBar()->maximum(), 0)
                    << venster->objectName().toStdString() << " " << tekst->objectName().toStdString();
            }
        }
        venster->hide();
    }
}

TEST_F(HelpTest, TheManualFollowsTheAnimalGroupAndTheModules) {
    struct TGeval {
        const char* Diercategorie;
        int Module; // item of the module list
        const char* Venster;
    };
    for (const TGeval& g : {TGeval{"MK", 0, "FrmHandleidingBEX"}, TGeval{"MK", 1, "FrmHandleidingBEAPN"},
                            TGeval{"MK", 2, "FrmHandleidingBEAPN"}, TGeval{"MK", 4, "FrmHandleidingBEAPN"},
                            TGeval{"MK", 5, "FrmHandleidingBEX"}, TGeval{"JV", 0, "FrmHandleidingJV"},
                            TGeval{"JV", 3, "FrmHandleidingJV"}}) {
        SCOPED_TRACE(std::string(g.Diercategorie) + " " + std::to_string(g.Module));
        vensters->Getoond.clear();
        KiesAlsGebruiker(w->CbxModule, g.Module);
        w->Diercategorie = QLatin1String(g.Diercategorie);
        w->Actie(QStringLiteral("Handleiding"))->trigger();
        EXPECT_EQ(vensters->Getoond, QStringList{QLatin1String(g.Venster)});
    }
}

TEST(VulMemo, LinesByTheFirstLettersOfMomentAndFeed) {
    TFrmHelpVoorraad frm(nullptr);
    const QString begin =
        QStringLiteral("Vul hier de voorraden met bijbehorende gehaltes in zoals die aan het");
    struct TGeval {
        const char* Periode;
        const char* Voer;
        QStringList Regels;
    };
    const std::vector<TGeval> gevallen = {
        {"EIND",
         "KV",
         {begin, "eind van het jaar (31 december) aanwezig zijn voor voedermiddel:", "- krachtvoer",
          "- droge krachtvoervervangers", "- mineralenmengsels"}},
        {"BEGIN",
         "GK",
         {begin, "begin van het jaar (1 januari) aanwezig zijn voor voedermiddel:", "- graskuil"}},
        {"AANLEG",
         "NT",
         {"Vul hier de dit jaar aangelegde voorraden en verkoop in voor voedermiddel:", "- hooi",
          "- overig ruwvoer", "- natte bijproducten"}},
        {"A",
         "SM",
         {"Vul hier de dit jaar aangelegde voorraden en verkoop in voor voedermiddel:", "- maiskuil"}},
        {"X", "MP", {"- melkpoeder"}},
        {"e", "gk", {""}},
        {"", "", {""}},
    };
    for (const TGeval& g : gevallen) {
        frm.VulMemo(QLatin1String(g.Periode), QLatin1String(g.Voer));
        EXPECT_EQ(Regels(frm.EdtMemo), g.Regels) << g.Periode << " " << g.Voer;
    }
}

TEST_F(HelpTest, AStockLinkFillsTheStockHelpAndAnUnknownNameIsTold) {
    emit w->findChild<StaticText*>(QStringLiteral("SttEindKv"))->clicked();
    EXPECT_EQ(Regels(o->FrmHelpVoorraad->EdtMemo).mid(2),
              (QStringList{"- krachtvoer", "- droge krachtvoervervangers", "- mineralenmengsels"}));
    o->SttVoorraadClick(QStringLiteral("SttMiddenGk"));
    EXPECT_EQ(Meldingen(TBerichtSoort::Fout), QStringList{QStringLiteral("Onbekende button :SttMiddenGk")});
    EXPECT_EQ(vensters->Getoond.size(), 2);
    EXPECT_EQ(Regels(o->FrmHelpVoorraad->EdtMemo).size(), 5);
}

TEST_F(HelpTest, HelpTextsFollowTheAnimalGroupAndTheDecimalSign) {
    for (const char* groep : {"MK", "JV"}) {
        w->Diercategorie = QLatin1String(groep);
        emit w->SttBeweidToel->clicked();
        EXPECT_EQ(!o->FrmHelpBeweiding->EdtMemoMk->isHidden(), QLatin1String(groep) == QLatin1String("MK"));
        EXPECT_EQ(!o->FrmHelpBeweiding->EdtMemoJv->isHidden(), QLatin1String(groep) == QLatin1String("JV"));
    }
    StaticText* ammoniak = w->findChild<StaticText*>(QStringLiteral("SttEmissieToel2"));
    for (const char teken : {'.', ','}) {
        SetDecimalSeparator(teken);
        emit ammoniak->clicked();
        QPlainTextEdit* memo =
            teken == '.' ? o->FrmHelpEmissie->EdtMemoPunt : o->FrmHelpEmissie->EdtMemoKomma;
        EXPECT_FALSE(memo->isHidden());
        EXPECT_TRUE(
            (teken == '.' ? o->FrmHelpEmissie->EdtMemoKomma : o->FrmHelpEmissie->EdtMemoPunt)->isHidden());
        const QStringList regels = Regels(memo);
        EXPECT_EQ(regels[0], QStringLiteral("EMISSIE-NORMEN AMMONIAK"));
        EXPECT_EQ(regels.mid(5, 7), QString(QStringLiteral("                < 10    10-14   14-18   > 18\n"
                                                           "Klei             5.1     3.9     3.4     2.9\n"
                                                           "Veen             5.1     4.7     4.0     3.4\n"
                                                           "Nat zand         4.5     3.5     3.0     2.4\n"
                                                           "Droog zand       4.2     3.5     3.0     2.4\n"
                                                           "GEMIDDELD        4.9     4.0     3.5     2.9\n"))
                                        .replace(u'.', QLatin1Char(teken))
                                        .split(u'\n'));
    }
    emit w->findChild<StaticText*>(QStringLiteral("StaticText41"))->clicked();
    EXPECT_EQ(Regels(o->FrmHelpBEP->EdtMemo).mid(0, 2),
              (QStringList{"BEDRIJFSEIGEN GEBRUIKSNORM FOSFAAT", ""}));
    const QString fosfaat = o->FrmHelpFosfaat->Tekst->toPlainText();
    for (const char* regel :
         {"Hoog        hoger dan 50            hoger dan 55", "Neutraal    27 - 50                 36 - 55",
          "Laag        lager dan 27            lager dan 36"})
        EXPECT_TRUE(fosfaat.contains(QLatin1String(regel))) << regel;
}

// A message from inside a link's own click, as a real modal box.
TEST(ModaleMelding, TheYoungStockNoteIsARealBoxClosedByOK) {
    TTestOmgeving omg;
    TOmgeving omgeving = omg.Omgeving();
    omgeving.Berichten = std::make_shared<TQtBerichten>();
    TFrmHoofdFormulier w(omgeving);
    w.Afsluiten = [] {};
    omg.Schrijf(QStringLiteral("prog/tarvolingrade.ini"), "[Gebruik]\nProduct Support=0\n");
    TOndersteuningOmgeving steun;
    steun.Vensters = std::make_shared<TNepVensters>();
    steun.Url = std::make_shared<TNepUrlOpener>();
    KoppelOndersteuning(w, steun);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.ZetActievePagina(1);
    QCoreApplication::processEvents();
    ASSERT_TRUE(w.ToelDrijfKa->isVisible());
    QString tekst;
    QTimer::singleShot(50, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            tekst = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    QTest::mouseClick(w.ToelDrijfKa, Qt::LeftButton);
    EXPECT_EQ(tekst, QStringLiteral("Part of youngstock which is not kept on straw."));
}

// --- Product support ---

QString IniTekst(const TTestOmgeving& omg) {
    return QString::fromUtf8(omg.Lees(omg.IniNaastProgramma()));
}

TEST_F(HelpTest, ProductSupportIsShownOnceAtTheStartUntilSwitchedOff) {
    Toon();
    QCoreApplication::processEvents();
    EXPECT_EQ(vensters->Getoond, QStringList{QStringLiteral("FrmInfotxt")});
    EXPECT_TRUE(o->FrmInfotxt->Gesloten);
    EXPECT_TRUE(w->MitProduktOndersteuningTonen->isChecked());
    EXPECT_EQ(o->FrmInfotxt->windowTitle(), QStringLiteral("Product support"));
    EXPECT_EQ(o->FrmInfotxtJv->windowTitle(), QStringLiteral("Product support "));

    // The user unchecks the box in the window.
    o->FrmInfotxt->ChkProduktOndersteuning->click();
    EXPECT_TRUE(IniTekst(omg).contains(QStringLiteral("[Gebruik]\nProduct Support=0\n")))
        << IniTekst(omg).toStdString();
    EXPECT_FALSE(w->MitProduktOndersteuningTonen->isChecked());

    // The next start shows it no more, and the menu says so.
    vensters->Getoond.clear();
    Herstart();
    Toon();
    QCoreApplication::processEvents();
    EXPECT_TRUE(vensters->Getoond.isEmpty());
    EXPECT_FALSE(w->MitProduktOndersteuningTonen->isChecked());
    EXPECT_FALSE(o->FrmInfotxt->ChkProduktOndersteuning->isChecked());

    // The menu item switches it on again, and both check boxes follow.
    w->MitProduktOndersteuningTonen->trigger();
    EXPECT_TRUE(w->MitProduktOndersteuningTonen->isChecked());
    EXPECT_TRUE(IniTekst(omg).contains(QStringLiteral("Product Support=1\n")));
    EXPECT_TRUE(o->FrmInfotxt->ChkProduktOndersteuning->isChecked());
    EXPECT_TRUE(o->FrmInfotxtJv->ChkProduktOndersteuning->isChecked());
    w->MitProduktOndersteuningTonen->trigger();
    EXPECT_TRUE(IniTekst(omg).contains(QStringLiteral("Product Support=0\n")));
    EXPECT_FALSE(o->FrmInfotxtJv->ChkProduktOndersteuning->isChecked());

    // On request it is shown all the same; the young-stock window never.
    w->Actie(QStringLiteral("MitProduktondersteuning"))->trigger();
    w->BtnProduktOndersteuning->click();
    EXPECT_EQ(vensters->Getoond, (QStringList{"FrmInfotxt", "FrmInfotxt"}));

    // Its link opens the portal, or says why not.
    emit o->FrmInfotxt->SttLink->clicked();
    url->Gelukt = false;
    emit o->FrmInfotxt->SttLink->clicked();
    ASSERT_EQ(url->Geopend.size(), 2u);
    EXPECT_EQ(url->Geopend[0].toString(), o->FrmInfotxt->SttLink->text());
    ASSERT_EQ(Meldingen(TBerichtSoort::Fout).size(), 1);
    EXPECT_TRUE(Meldingen(TBerichtSoort::Fout)[0].startsWith(QStringLiteral("Error in procedure Website: ")));
}

} // namespace
