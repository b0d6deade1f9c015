// The print commands on the main window with the example farm: enabled commands, the gate
// of the calculation, the orientation warning, a stock amount that is no number, Print in
// the preview, and the report end to end into a PDF file read back with poppler-utils.
#include "PaginaIndeling.h"
#include "Poppler.h"
#include "PrintCommandos.h"
#include "PrintStandIns.h"
#include "PrintingQuery.h"

#include "BijzondereBestanden.h"
#include "NumEdit.h"
#include "QtPrinten.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Voorbeeldbedrijf.h"
#include "VoorraadGrid.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class PrintCommandoTest : public ::testing::Test {
protected:
    void SetUp() override {
        w = std::make_unique<TFrmHoofdFormulier>(omg.Omgeving());
        w->Afsluiten = [] {};
    }
    // Attaches the commands with the stand-ins, the print dialog answering keuze.
    void Koppel(std::optional<TAfdrukKeuze> keuze, TPrintOmgeving* o = nullptr) {
        TPrintOmgeving omgeving = o ? *o : NepOmgeving(log, keuze);
        c = KoppelRapport(*w, omgeving);
        w->BestandNaam = QStringLiteral("/data/boeren/Bedrijf Jansen.trv");
    }
    void Typ() {
        ASSERT_EQ(TypVoorbeeldbedrijf(*w), "");
        omg.Berichten->Lijst.clear();
    }
    TTestOmgeving omg;
    std::unique_ptr<TFrmHoofdFormulier> w;
    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
    TRapportCommandos* c = nullptr;
};

TEST_F(PrintCommandoTest, CommandosAan) {
    for (const char* naam : {"MitPrinterInstelling", "MitAfdrukvoorbeeld", "MitAfdrukken"})
        EXPECT_FALSE(w->Actie(QString::fromLatin1(naam))->isEnabled()) << naam;
    Koppel(std::nullopt);
    for (const char* naam : {"MitPrinterInstelling", "MitAfdrukvoorbeeld", "MitAfdrukken"})
        EXPECT_TRUE(w->Actie(QString::fromLatin1(naam))->isEnabled()) << naam;
    EXPECT_EQ(w->Actie("MitAfdrukken")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    for (const char* knop : {"BtnAfdrukvoorbeeld", "BtnAfdrukken"})
        EXPECT_TRUE(w->findChild<QToolButton*>(QString::fromLatin1(knop))->isEnabled()) << knop;
    w->Actie("MitPrinterInstelling")->trigger();
    EXPECT_EQ(*log, QStringList{"printer set-up"});
    EXPECT_EQ(c->PktPrintPreview.DrawMargins, false);
}

// While an input page is not valid no job starts: the message, the first invalid page.
TEST_F(PrintCommandoTest, OngeldigePaginaStartGeenTaak) {
    Koppel(TAfdrukKeuze{1, 99, {}});
    w->ZetActievePagina(12);
    for (const char* naam : {"MitAfdrukvoorbeeld", "MitAfdrukken"}) {
        omg.Berichten->Lijst.clear();
        w->Actie(QString::fromLatin1(naam))->trigger();
        EXPECT_EQ(omg.Berichten->Teksten(), QStringList{"Vul eerst alle tabbladen goed in"}) << naam;
        EXPECT_EQ(w->TabTarvolingrader->currentIndex(), w->EersteFoutePagina()) << naam;
        EXPECT_TRUE(log->isEmpty()) << naam;
    }
}

TEST_F(PrintCommandoTest, VoorbeeldEnAfdrukVanHetVoorbeeldbedrijf) {
    Typ();
    Koppel(TAfdrukKeuze{2, 3, {}});
    // The farm has every module: 11 pages with one page per stock section.
    w->Actie("MitAfdrukvoorbeeld")->trigger();
    EXPECT_EQ(c->PktPrintPreview.PageCount, 11);
    EXPECT_EQ(*log, QStringList{"preview"});
    EXPECT_TRUE(omg.Berichten->Lijst.empty());

    log->clear();
    w->Actie("MitAfdrukken")->trigger();
    EXPECT_EQ(*log, (QStringList{"dialog 1-11", "begin", "newPage", "end"}));
    EXPECT_EQ(c->Opname().Bestandsnaam, "/data/boeren/Bedrijf Jansen.trv");
    EXPECT_EQ(c->Opname().Uitvoer, w->Uitvoer);
    EXPECT_TRUE(w->TabTarvolingrader->isEnabled());
}

// Print in the preview goes on into the print command; Close prints nothing.
TEST_F(PrintCommandoTest, PrintInHetVoorbeeld) {
    Typ();
    TPrintOmgeving o = NepOmgeving(log, std::nullopt);
    bool afdrukken = true;
    o.ToonVoorbeeld = [&](TPrintPreview&) {
        log->append("preview");
        return afdrukken;
    };
    Koppel(std::nullopt, &o);
    w->Actie("MitAfdrukvoorbeeld")->trigger();
    EXPECT_EQ(*log, (QStringList{"preview", "dialog 1-11"}));
    log->clear();
    afdrukken = false;
    w->Actie("MitAfdrukvoorbeeld")->trigger();
    EXPECT_EQ(*log, QStringList{"preview"});
}

// A landscape printer is turned to portrait once, with the warning, before any page.
TEST_F(PrintCommandoTest, LiggendWordtStaand) {
    Typ();
    Koppel(std::nullopt);
    c->PktPrintPreview.Printer().setPageOrientation(QPageLayout::Landscape);
    w->Actie("MitAfdrukvoorbeeld")->trigger();
    EXPECT_EQ(omg.Berichten->Teksten(TBerichtSoort::Waarschuwing),
              QStringList{"Printer (page)setting was Landscape, \r\rbut will be changed to Portrait"});
    EXPECT_EQ(c->PktPrintPreview.Printer().pageLayout().orientation(), QPageLayout::Portrait);
    omg.Berichten->Lijst.clear();
    w->Actie("MitAfdrukvoorbeeld")->trigger();
    EXPECT_TRUE(omg.Berichten->Lijst.empty());
}

// An amount cell that is no number stops the command before any job, with its message.
TEST_F(PrintCommandoTest, HoeveelheidZonderGetal) {
    Typ();
    Koppel(TAfdrukKeuze{1, 99, {}});
    w->VoorraadGrids[mAanleg][kKV]->SetCells(2, 7, QStringLiteral("12x"));
    w->Actie("MitAfdrukken")->trigger();
    EXPECT_EQ(omg.Berichten->Teksten(TBerichtSoort::Fout),
              QStringList{"'12x' is not a valid floating point value"});
    EXPECT_TRUE(log->isEmpty());
}

// --- The report into a PDF file ---

// The print dialog of a user who prints all pages to a PDF file with 10 mm margins.
TPrintOmgeving PdfOmgeving(const QString& bestand, std::shared_ptr<QStringList> log) {
    TPrintOmgeving o = NepOmgeving(log, std::nullopt);
    o.PrintDialoog = [bestand](QWidget*, QPrinter& printer, int aantal) -> std::optional<TAfdrukKeuze> {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(bestand);
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        return TAfdrukKeuze{1, aantal, {}};
    };
    o.Doel = TPrintOmgeving::Standaard().Doel;
    return o;
}

TEST_F(PrintCommandoTest, RapportAlsPdf) {
    Typ();
    QTemporaryDir map;
    const QString pdf = map.filePath("rapport.pdf");
    TPrintOmgeving o = PdfOmgeving(pdf, log);
    Koppel(std::nullopt, &o);
    w->Actie("MitAfdrukken")->trigger();
    ASSERT_TRUE(omg.Berichten->Lijst.empty()) << omg.Berichten->Teksten().join("|").toStdString();
    ASSERT_TRUE(QFile::exists(pdf));

    const QString info = Poppler("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+11\\n"))) << info.toStdString();
    EXPECT_TRUE(
        info.contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)")))
        << info.toStdString();

    const QString jaar = w->SpeJaartal->text();
    const QString versie = "versie " + w->InfoBox.Versie + " - " + w->InfoBox.Datum;
    const QString datum = omg.Klok->Datum.toString("d-M-yy");
    for (int p = 1; p <= 11; ++p) {
        const QString tekst = PaginaTekst(pdf, p);
        const auto heeft = [&tekst](const QString& s) { return Heeft(tekst, s); };
        // Header from page 2 on, the footer on every page.
        EXPECT_EQ(heeft("Tarvolingrade dairy (based on year: " + jaar + ")"), p > 1) << p;
        EXPECT_EQ(heeft("Invoerset"), p > 1) << p;
        EXPECT_EQ(tekst.contains(QRegularExpression(":\\s*Bedrijf\\s+Jansen\\.trv")), p > 1) << p;
        EXPECT_TRUE(heeft(versie)) << p << tekst.toStdString();
        EXPECT_TRUE(tekst.contains(QRegularExpression("\\b" + QRegularExpression::escape(datum) + "\\s+" +
                                                      QString::number(p) + "\\s+versie")))
            << p << tekst.toStdString();
    }
    const QString bex = PaginaTekst(pdf, 2);
    EXPECT_TRUE(bex.contains("Results BEX analysis (Normen " + jaar + ")")) << bex.toStdString();
}

// A cancelled PDF job leaves no file behind.
TEST_F(PrintCommandoTest, GeannuleerdePdfVerdwijnt) {
    Typ();
    QTemporaryDir map;
    const QString pdf = map.filePath("afgebroken.pdf");
    TPrintOmgeving o = PdfOmgeving(pdf, log);
    Koppel(std::nullopt, &o);
    // "Annuleer" is clicked while page 1 paints.
    TDrawPPEvent schilder = c->PktPrintPreview.OnPaint;
    c->PktPrintPreview.OnPaint = [&](TPreviewCanvas& canvas, int p) {
        if (p == 1)
            QMetaObject::invokeMethod(c->PktPrintPreview.PrintingQuery()->CancelBtn, "click",
                                      Qt::QueuedConnection);
        schilder(canvas, p);
    };
    w->Actie("MitAfdrukken")->trigger();
    EXPECT_TRUE(c->PktPrintPreview.Cancelled());
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(omg.Berichten->Lijst.empty());
}

// The PDF target chosen in Printer-settings is the one a later print job writes to; a
// landscape sheet chosen in the print dialog is set back to portrait, with the warning,
// before any page is painted.
TEST_F(PrintCommandoTest, LiggendGekozenInDePrintdialoog) {
    Typ();
    QTemporaryDir map;
    const QString pdf = map.filePath("instelling.pdf");
    TPrintOmgeving o = NepOmgeving(log, std::nullopt);
    o.PrinterInstelling = [pdf](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    };
    o.PrintDialoog = [](QWidget*, QPrinter& printer, int aantal) -> std::optional<TAfdrukKeuze> {
        printer.setPageOrientation(QPageLayout::Landscape);
        return TAfdrukKeuze{1, aantal, {}};
    };
    o.Doel = TPrintOmgeving::Standaard().Doel;
    Koppel(std::nullopt, &o);
    w->Actie("MitPrinterInstelling")->trigger();
    w->Actie("MitAfdrukken")->trigger();
    EXPECT_EQ(omg.Berichten->Teksten(),
              QStringList{"Printer (page)setting was Landscape, \r\rbut will be changed to Portrait"});
    ASSERT_TRUE(QFile::exists(pdf));
    const QString info = Poppler("pdfinfo", {pdf});
    EXPECT_TRUE(
        info.contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)")))
        << info.toStdString();
}

// A PDF file that cannot be written, in a folder that is not there or over an earlier file
// on a full disk: the message names file and reason, and the earlier file stays whole.
class PdfNietTeSchrijvenTest : public PrintCommandoTest, public ::testing::WithParamInterface<int> {};

TEST_P(PdfNietTeSchrijvenTest, MeldingEnHetOudeBestandBlijft) {
    const int reden = GetParam();
    Typ();
    QTemporaryDir map;
    const QString pdf = map.filePath(reden == ENOENT ? "bestaat/niet/rapport.pdf" : "rapport.pdf");
    const QByteArray oud(1000, 'x');
    if (reden == EFBIG) MaakDoel(TDoel::LinkNaarBestand, pdf, oud);
    TPrintOmgeving o = PdfOmgeving(pdf, log);
    Koppel(std::nullopt, &o);
    {
        const TGroottegrens grens(reden == EFBIG ? 20000 : RLIM_INFINITY);
        w->Actie("MitAfdrukken")->trigger();
    }
    EXPECT_EQ(omg.Berichten->Teksten(TBerichtSoort::Fout),
              QStringList{"Cannot create file " + pdf + ": " + qt_error_string(reden)});
    EXPECT_EQ(Stand(pdf), reden == EFBIG ? oud : QByteArray());
}

INSTANTIATE_TEST_SUITE_P(Pdf, PdfNietTeSchrijvenTest, ::testing::Values(ENOENT, EFBIG));

} // namespace
