// The print component with a recording target: the page range and its clipping, the
// progress dialog, cancelling, the order of its calls, and the preview window offscreen.
#include "KtPreview.h"
#include "PrintPreview.h"
#include "PrintStandIns.h"
#include "PrintingQuery.h"

#include "BijzondereBestanden.h"
#include "QtPrinten.h"
#include "TestOmgeving.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct TAfdruk {
    QStringList Log;
    QStringList Voortgang; // "page/last" as the progress dialog showed it during each page
    std::vector<int> Paginas;
};

// Runs a print job of `aantal` pages; annuleerOp: the page during which "Annuleer" is
// clicked (0: never).
TAfdruk Druk(int aantal, std::optional<TAfdrukKeuze> keuze, int annuleerOp = 0) {
    auto log = std::make_shared<QStringList>();
    auto berichten = std::make_shared<TOpgenomenBerichten>();
    TKtPreview kt(nullptr, NepOmgeving(log, keuze), berichten);
    TAfdruk a;
    kt.PageCount = aantal;
    kt.OnPaint = [&](TPreviewCanvas& c, int p) {
        EXPECT_EQ(c.PageNumber, p);
        a.Paginas.push_back(p);
        log->append(QStringLiteral("page %1").arg(p));
        TfPrintingQuery* q = kt.PrintingQuery();
        ASSERT_NE(q, nullptr);
        a.Voortgang.append(q->lProgress->text() + QLatin1Char('/') + q->lMax->text());
        // The click waits in the queue, as a user's does, until the next page starts.
        if (p == annuleerOp) QMetaObject::invokeMethod(q->CancelBtn, "click", Qt::QueuedConnection);
    };
    if (kt.BeginDoc()) {
        EXPECT_FALSE(kt.PrintPages());
        kt.EndDoc();
    }
    EXPECT_EQ(kt.PrintingQuery(), nullptr);
    EXPECT_TRUE(berichten->Lijst.empty());
    a.Log = *log;
    return a;
}

TEST(KtPreview, PaginabereikWordtBegrensd) {
    struct TGeval {
        const char* Naam;
        int Aantal;
        TAfdrukKeuze Keuze;
        std::vector<int> Paginas;
        QStringList Voortgang;
    };
    const TGeval gevallen[] = {
        {"3-5 of 8", 8, {3, 5, {}}, {3, 4, 5}, {"3/5", "4/5", "5/5"}},
        {"to 12 of 8", 8, {6, 12, {}}, {6, 7, 8}, {"6/8", "7/8", "8/8"}},
        {"from 0", 8, {0, 2, {}}, {1, 2}, {"1/2", "2/2"}},
        {"all of 1", 1, {1, 1, {}}, {1}, {"1/1"}},
        {"two ranges", 8, {1, 6, {{1, 2}, {5, 6}}}, {1, 2, 5, 6}, {"1/6", "2/6", "5/6", "6/6"}},
    };
    for (const TGeval& g : gevallen) {
        const TAfdruk a = Druk(g.Aantal, g.Keuze);
        EXPECT_EQ(a.Paginas, g.Paginas) << g.Naam;
        EXPECT_EQ(a.Voortgang, g.Voortgang) << g.Naam;
        // One sheet per page: a new page between pages, one begin and one end.
        QStringList verwacht{QStringLiteral("dialog 1-%1").arg(g.Aantal), "begin"};
        for (std::size_t i = 0; i < g.Paginas.size(); ++i) {
            if (i > 0) verwacht.append("newPage");
            verwacht.append(QStringLiteral("page %1").arg(g.Paginas[i]));
        }
        verwacht.append("end");
        EXPECT_EQ(a.Log, verwacht) << g.Naam;
    }
}

// "Annuleer" during page 2 of 5 is seen when page 3 starts: page 3 is still painted, no
// page after it, and the job is aborted instead of ended.
TEST(KtPreview, AnnulerenBreektDeTaakAf) {
    const TAfdruk a = Druk(5, TAfdrukKeuze{1, 5, {}}, 2);
    EXPECT_EQ(a.Paginas, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(a.Log.last(), "abort");
    EXPECT_FALSE(a.Log.contains("end"));
}

TEST(KtPreview, GeannuleerdeDialoogDruktNiets) {
    const TAfdruk a = Druk(8, std::nullopt);
    EXPECT_TRUE(a.Paginas.empty());
    EXPECT_EQ(a.Log, QStringList{"dialog 1-8"});
}

TEST(KtPreview, PrintPagesVoorBeginDoc) {
    auto log = std::make_shared<QStringList>();
    auto berichten = std::make_shared<TOpgenomenBerichten>();
    TKtPreview kt(nullptr, NepOmgeving(log, TAfdrukKeuze{1, 3, {}}), berichten);
    kt.PageCount = 3;
    int geschilderd = 0;
    kt.OnPaint = [&](TPreviewCanvas&, int) { ++geschilderd; };
    EXPECT_FALSE(kt.PrintPages());
    EXPECT_EQ(berichten->Teksten(TBerichtSoort::Fout), QStringList{"Gebruik BeginDoc voor de printer setup"});
    EXPECT_EQ(geschilderd, 0);
    EXPECT_TRUE(log->isEmpty());
}

TEST(KtPreview, DoelDatNietBegintGeeftMelding) {
    auto log = std::make_shared<QStringList>();
    auto berichten = std::make_shared<TOpgenomenBerichten>();
    TPrintOmgeving o = NepOmgeving(log, TAfdrukKeuze{1, 3, {}});
    o.Doel = [log](QPrinter&) -> std::unique_ptr<TPrintDoel> {
        return std::make_unique<TNepDoel>(log, false);
    };
    TKtPreview kt(nullptr, o, berichten);
    kt.PageCount = 3;
    EXPECT_FALSE(kt.BeginDoc());
    EXPECT_EQ(berichten->Teksten(TBerichtSoort::Fout), QStringList{"Afdrukken kan niet beginnen"});
}

// A page that fails ends the job as a cancel does, and its error goes on to the caller.
TEST(KtPreview, FoutInEenPaginaBreektAf) {
    auto log = std::make_shared<QStringList>();
    auto berichten = std::make_shared<TOpgenomenBerichten>();
    TKtPreview kt(nullptr, NepOmgeving(log, TAfdrukKeuze{1, 4, {}}), berichten);
    kt.PageCount = 4;
    kt.OnPaint = [](TPreviewCanvas&, int p) {
        if (p == 2) throw std::runtime_error("kapot");
    };
    ASSERT_TRUE(kt.BeginDoc());
    EXPECT_THROW(kt.PrintPages(), std::runtime_error);
    kt.EndDoc();
    EXPECT_EQ(log->last(), "abort");
    EXPECT_EQ(kt.PrintingQuery(), nullptr);
}

// While the progress dialog shows, every other window is disabled; afterwards the ones
// it disabled are enabled again.
TEST(KtPreview, AndereVenstersUitgeschakeldTijdensAfdrukken) {
    QWidget venster;
    venster.show();
    QWidget alUit;
    alUit.setEnabled(false);
    alUit.show();
    auto log = std::make_shared<QStringList>();
    TKtPreview kt(nullptr, NepOmgeving(log, TAfdrukKeuze{1, 2, {}}), std::make_shared<TOpgenomenBerichten>());
    kt.PageCount = 2;
    std::vector<bool> aan;
    kt.OnPaint = [&](TPreviewCanvas&, int) {
        aan.push_back(venster.isEnabled());
        aan.push_back(kt.PrintingQuery()->isEnabled() && kt.PrintingQuery()->isVisible());
    };
    ASSERT_TRUE(kt.BeginDoc());
    kt.PrintPages();
    kt.EndDoc();
    EXPECT_EQ(aan, (std::vector<bool>{false, true, false, true}));
    EXPECT_TRUE(venster.isEnabled());
    EXPECT_FALSE(alUit.isEnabled());
}

// Printer-settings offers the printers and the PDF file target, asks nothing about pages
// and does not complain that the PDF target is no native printer.
TEST(KtPreview, PrinterInstellingKiestDePrinter) {
    static QStringList meldingen;
    meldingen.clear();
    const QtMessageHandler vorige = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& s) { meldingen.append(s); });
    const auto printer = PdfPrinter();
    const std::unique_ptr<QDialog> dlg = PrinterInstellingDialoog(nullptr, *printer);
    dlg->show();
    dlg->hide();
    qInstallMessageHandler(vorige);
    EXPECT_FALSE(meldingen.join('|').contains("QPageSetupDialog")) << meldingen.join('|').toStdString();
    const auto* printers = dlg->findChild<QComboBox*>(QStringLiteral("printers"));
    ASSERT_NE(printers, nullptr);
    EXPECT_GE(printers->findText(QStringLiteral("Print to File (PDF)")), 0);
    const auto* pd = qobject_cast<QPrintDialog*>(dlg.get());
    ASSERT_NE(pd, nullptr);
    EXPECT_FALSE(pd->testOption(QAbstractPrintDialog::PrintPageRange));
    const auto* knoppen = dlg->findChild<QDialogButtonBox*>();
    ASSERT_NE(knoppen, nullptr);
    EXPECT_EQ(knoppen->button(QDialogButtonBox::Ok)->text(), "OK");
}

// A PDF job cancelled after a page leaves what stood at the name byte for byte: an earlier
// file, or a symlink and its target (GeannuleerdePdfVerdwijnt: no file where none was).
TEST(KtPreview, AfgebrokenPdfLaatStaanWatErStond) {
    for (const bool link : {false, true}) {
        QTemporaryDir map;
        const QString pdf = map.filePath("rapport.pdf");
        MaakDoel(TDoel::LinkNaarBestand, pdf, "oud");
        if (!link) {
            ASSERT_TRUE(QFile::remove(pdf) && QFile::rename(pdf + ".doel", pdf));
        }
        const auto printer = PdfPrinter();
        printer->setOutputFileName(pdf);
        TQPrinterDoel doel(*printer);
        ASSERT_TRUE(doel.Begin());
        doel.Canvas().TextOut(0, 0, "pagina 1");
        ASSERT_TRUE(doel.NieuwePagina());
        doel.Afbreken();
        EXPECT_EQ(QFileInfo(pdf).isSymLink(), link);
        EXPECT_EQ(Stand(pdf), "oud") << link;
    }
}

TEST(PrintingQuery, TekstenEnAnnuleer) {
    TfPrintingQuery q;
    q.SetMax(5);
    q.SetProgress(3);
    QStringList teksten;
    for (QLabel* l : q.findChildren<QLabel*>())
        teksten.append(l->text());
    EXPECT_EQ(teksten, (QStringList{"Afdrukken pagina ", "3", "van", "5"}));
    EXPECT_EQ(q.CancelBtn->text(), "Annuleer");
    int geannuleerd = 0;
    q.OnCancel = [&] { ++geannuleerd; };
    QTest::mouseClick(q.CancelBtn, Qt::LeftButton);
    EXPECT_EQ(geannuleerd, 1);
}

// --- The preview window ---

// The window with its frame fits the screen's free area (here 1280 x 1024 less a panel of
// 30 at the top); a size given is kept.
TEST(KtPreview, VoorbeeldPastMetRandInHetScherm) {
    const QSize vrij(1280, 994);
    const QMargins rand(2, 28, 2, 2);
    EXPECT_EQ(VoorbeeldMaat(vrij, rand, 0, 0), QSize(1273, 961));
    EXPECT_EQ(VoorbeeldMaat(vrij, QMargins(), 0, 0), QSize(1277, 991));
    EXPECT_EQ(VoorbeeldMaat(vrij, rand, 900, 0), QSize(900, 961));
    EXPECT_EQ(VoorbeeldMaat(vrij, rand, 0, 700), QSize(1273, 700));
}

// Once shown, the preview's own frame counts: under openbox on 1024 x 768 the owner's frame
// (1, 20, 1, 1) made it 1 pixel too tall for a frame with a resize handle (bottom 5). A
// frame that fits stays; one given size that sticks out is moved in.
TEST(KtPreview, VoorbeeldPastMetZijnEigenRand) {
    const QRect vrij(0, 0, 1024, 768);
    const QRect binnen(QPoint(1, 20), VoorbeeldMaat(vrij.size(), QMargins(1, 20, 1, 1), 0, 0));
    EXPECT_EQ(VoorbeeldInpassen(vrij, binnen.marginsAdded({1, 20, 1, 5}), binnen, 0, 0),
              QRect(1, 20, 1019, 740));
    EXPECT_EQ(VoorbeeldInpassen(vrij, binnen.marginsAdded({1, 20, 1, 1}), binnen, 0, 0), binnen);
    const QRect gegeven(700, 300, 400, 500);
    EXPECT_EQ(VoorbeeldInpassen(vrij, gegeven.marginsAdded({1, 20, 1, 5}), gegeven, 400, 500),
              QRect(623, 263, 400, 500));
}

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        log = std::make_shared<QStringList>();
        TPrintOmgeving o = NepOmgeving(log, std::nullopt);
        o.ToonVoorbeeld = [this](TPrintPreview& v) {
            v.show();
            QCoreApplication::processEvents();
            return Bekijk ? Bekijk(v) : false;
        };
        kt = std::make_unique<TKtPreview>(nullptr, o, berichten);
        kt->PreviewMode = true;
        kt->ViewWidth = 900;
        kt->ViewHeight = 700;
        kt->OnPaint = [this](TPreviewCanvas& c, int p) {
            geschilderd.push_back(p);
            EXPECT_EQ(c.PageNumber, p);
        };
    }
    bool Toon(int aantal) {
        kt->PageCount = aantal;
        EXPECT_TRUE(kt->BeginDoc());
        const bool afdrukken = kt->PrintPages();
        kt->EndDoc();
        return afdrukken;
    }
    std::shared_ptr<QStringList> log;
    std::shared_ptr<TOpgenomenBerichten> berichten = std::make_shared<TOpgenomenBerichten>();
    std::unique_ptr<TKtPreview> kt;
    std::function<bool(TPrintPreview&)> Bekijk;
    std::vector<int> geschilderd;
};

TEST_F(PreviewTest, EenPagina) {
    Bekijk = [](TPrintPreview& v) {
        EXPECT_EQ(v.windowTitle(), "Printpreview");
        EXPECT_FALSE(v.BtnNext->isEnabled());
        EXPECT_FALSE(v.BtnPrevious->isEnabled());
        EXPECT_EQ(v.LblPage->text(), "Voorbeeld: Pagina 1 van 1");
        EXPECT_EQ(v.size(), QSize(900, 700));
        return false;
    };
    EXPECT_FALSE(Toon(1));
    EXPECT_EQ(geschilderd, std::vector<int>{1});
    EXPECT_EQ(kt->PreviewForm(), nullptr);
}

TEST_F(PreviewTest, BladerenEnZoomen) {
    Bekijk = [](TPrintPreview& v) {
        QStringList items;
        for (int i = 0; i < v.cbZoom->count(); ++i)
            items.append(v.cbZoom->itemText(i));
        EXPECT_EQ(items, (QStringList{"100%", "75%", "50%", "25%"}));
        EXPECT_EQ(v.cbZoom->currentText(), "50%");
        EXPECT_DOUBLE_EQ(v.Image1->zoomFactor(), 0.5);
        EXPECT_EQ(v.Image1->pageCount(), 3);
        EXPECT_TRUE(v.BtnNext->isEnabled());
        EXPECT_FALSE(v.BtnPrevious->isEnabled());
        QStringList labels;
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(v.BtnNext, Qt::LeftButton);
            labels.append(v.LblPage->text());
        }
        EXPECT_EQ(labels, (QStringList{"Voorbeeld: Pagina 2 van 3", "Voorbeeld: Pagina 3 van 3"}));
        EXPECT_FALSE(v.BtnNext->isEnabled());
        EXPECT_TRUE(v.BtnPrevious->isEnabled());
        EXPECT_EQ(v.Image1->currentPage(), 3);
        QTest::mouseClick(v.BtnPrevious, Qt::LeftButton);
        QTest::mouseClick(v.BtnPrevious, Qt::LeftButton);
        EXPECT_EQ(v.LblPage->text(), "Voorbeeld: Pagina 1 van 3");
        EXPECT_FALSE(v.BtnPrevious->isEnabled());
        EXPECT_TRUE(v.BtnNext->isEnabled());
        EXPECT_EQ(v.Image1->currentPage(), 1);
        const double zoom[] = {1.0, 0.75, 0.5, 0.25};
        for (int i = 0; i < 4; ++i) {
            v.cbZoom->setCurrentIndex(i);
            emit v.cbZoom->activated(i);
            EXPECT_DOUBLE_EQ(v.Image1->zoomFactor(), zoom[i]);
        }
        // Paging and zooming show the pages painted once.
        EXPECT_EQ(v.Tekenbeurten(), 1);
        return false;
    };
    Toon(3);
    EXPECT_EQ(geschilderd, (std::vector<int>{1, 2, 3}));
}

// Scrolling pages as the buttons do: the label and the buttons follow the page in view.
TEST_F(PreviewTest, BladerenDoorScrollen) {
    // Two pages high: at the end of the scroll the page before the last shows whole.
    kt->ViewHeight = 1400;
    Bekijk = [](TPrintPreview& v) {
        QScrollBar* balk = v.Image1->findChild<QGraphicsView*>()->verticalScrollBar();
        const auto stand = [&v] {
            return v.LblPage->text() + (v.BtnPrevious->isEnabled() ? " <" : " -") +
                   (v.BtnNext->isEnabled() ? ">" : "-");
        };
        // The middle of page 4 of 9 in the middle of the view; Next goes on from there.
        balk->setValue((balk->maximum() + balk->pageStep()) * 7 / 18 - balk->pageStep() / 2);
        QStringList standen{stand()};
        QTest::mouseClick(v.BtnNext, Qt::LeftButton);
        standen.append(stand());
        const auto naarDeEinden = [&] {
            for (const int waarde : {balk->maximum(), balk->minimum()}) {
                balk->setValue(waarde);
                standen.append(stand());
            }
        };
        naarDeEinden();
        // At 25 % the ends too, where the page before the last shows more of itself, also
        // when the zoom is chosen anew at the last page.
        KiesAlsGebruiker(v.cbZoom, 3);
        EXPECT_DOUBLE_EQ(v.Image1->zoomFactor(), 0.25);
        naarDeEinden();
        while (v.BtnNext->isEnabled())
            QTest::mouseClick(v.BtnNext, Qt::LeftButton);
        KiesAlsGebruiker(v.cbZoom, 3);
        standen.append(stand());
        const QString eind = "Voorbeeld: Pagina 9 van 9 <-";
        const QString begin = "Voorbeeld: Pagina 1 van 9 ->";
        EXPECT_EQ(standen, (QStringList{"Voorbeeld: Pagina 4 van 9 <>", "Voorbeeld: Pagina 5 van 9 <>", eind,
                                        begin, eind, begin, eind}));
        return false;
    };
    Toon(9);
}

// Placed partly off the screen, the window moves into the screen's free area once shown.
TEST_F(PreviewTest, PastZichInAlsHetVerschijnt) {
    kt->ViewLeft = 300;
    kt->ViewTop = 200;
    kt->ViewWidth = kt->ViewHeight = 0;
    Bekijk = [](TPrintPreview& v) {
        const QRect vrij = v.screen()->availableGeometry();
        EXPECT_TRUE(QTest::qWaitFor([&] { return vrij.contains(v.frameGeometry()); }, 2000))
            << v.frameGeometry().x() << "," << v.frameGeometry().y();
        EXPECT_EQ(v.frameGeometry().size(), vrij.size() - QSize(3, 3));
        return false;
    };
    Toon(1);
}

// Print closes the window with true, Close and the close box with false.
TEST_F(PreviewTest, PrintEnSluiten) {
    for (const char* knop : {"bPrint", "bQuit", ""}) {
        Bekijk = [knop](TPrintPreview& v) {
            QTimer::singleShot(0, &v, [&v, knop] {
                if (*knop)
                    QTest::mouseClick(v.findChild<QPushButton*>(QString::fromLatin1(knop)), Qt::LeftButton);
                else
                    v.close();
            });
            return v.exec() == QDialog::Accepted;
        };
        EXPECT_EQ(Toon(2), std::string(knop) == "bPrint") << knop;
    }
    EXPECT_EQ(kt->PreviewForm(), nullptr);
}

} // namespace
