// The whole report printed to PDF from the example farm for each module choice, read back
// with poppler-utils: the page count, key texts on the right pages, and the colours of the
// BEX page in a picture of it.
#include "Poppler.h"
#include "PrintCommandos.h"
#include "PrintStandIns.h"

#include "NumEdit.h"
#include "QtPrinten.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Voorbeeldbedrijf.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

class RapportPdf : public ::testing::Test {
protected:
    void SetUp() override {
        w = std::make_unique<TFrmHoofdFormulier>(omg.Omgeving());
        w->Afsluiten = [] {};
        ASSERT_EQ(TypVoorbeeldbedrijf(*w), "");
        omg.Berichten->Lijst.clear();
        TPrintOmgeving o = NepOmgeving(log, std::nullopt);
        o.PrintDialoog = [this](QWidget*, QPrinter& printer, int aantal) -> std::optional<TAfdrukKeuze> {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            if (Papier) printer.setPageSize(*Papier);
            printer.setColorMode(Kleurmodus);
            printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
            return TAfdrukKeuze{1, aantal, {}};
        };
        o.Doel = TPrintOmgeving::Standaard().Doel;
        c = KoppelRapport(*w, o);
        w->BestandNaam = QStringLiteral("/data/boeren/Bedrijf Jansen.trv");
    }
    // Chooses the module as the user does and prints the report to a new PDF file.
    void Druk(const QString& module) {
        KiesAlsGebruiker(w->CbxModule, w->CbxModule->findText(module));
        pdf = map.filePath(QString(module).remove(' ') + ".pdf");
        w->Actie("MitAfdrukken")->trigger();
        ASSERT_TRUE(omg.Berichten->Lijst.empty()) << omg.Berichten->Teksten().join("|").toStdString();
        ASSERT_TRUE(QFile::exists(pdf)) << module.toStdString();
    }
    TTestOmgeving omg;
    std::unique_ptr<TFrmHoofdFormulier> w;
    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
    TRapportCommandos* c = nullptr;
    QTemporaryDir map;
    QString pdf;
    // What the user chooses in the print dialog besides the file.
    std::optional<QPageSize> Papier;
    QPrinter::ColorMode Kleurmodus = QPrinter::Color;
};

// 7, 9, 9, 10 and 11 pages with one page per stock section, each page kind in its place.
TEST_F(RapportPdf, PaginasPerModulekeuze) {
    const QString jaar = w->SpeJaartal->text();
    const QString bex = "Results BEX analysis (Normen " + jaar + ")";
    const QString bea = "Results BEA (Normen " + jaar + ")";
    const QString analyse = "Analysis farm-specific excretion (diet characteristics)";
    const std::tuple<const char*, int, QStringList> gevallen[] = {
        {"BEX", 7, {"Farm specific excretion of dairy", bex, analyse, "Dairy farm"}},
        {"BEX + BEA",
         9,
         {"Farm-specific excretion of ammonia", bex, bea, analyse, "Dairy farm", "Input BEA"}},
        {"BEX + BEP",
         9,
         {"Farm-specific application standard phosphate", bex, "Results BEP", analyse, "Dairy farm",
          "Input BEP"}},
        {"BEX + BEA + BEP",
         10,
         {"Farm-specific excretion of ammonia", bex, bea, "Results BEP", analyse, "Dairy farm", "Input BEA"}},
        {"BEX + BEA + BEP + BEN",
         11,
         {"Farm-specific application standard nitrogen????", bex, bea, "Results BEP", "Results BEN", analyse,
          "Dairy farm", "Input BEN"}},
    };
    for (const auto& [module, aantal, teksten] : gevallen) {
        SCOPED_TRACE(module);
        Druk(QString::fromLatin1(module));
        const QString info = Poppler("pdfinfo", {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+" + QString::number(aantal) + "\\n")))
            << info.toStdString();
        // The pages before the stock pages, one key text each.
        for (qsizetype p = 0; p < teksten.size(); ++p)
            EXPECT_TRUE(Heeft(PaginaTekst(pdf, int(p) + 1), teksten[p]))
                << p + 1 << " " << teksten[p].toStdString();
        // The three stock sections last, the credits on the closing stock.
        const char* secties[] = {"Opening stock", "Stock increase and sales", "Closing stock"};
        for (int s = 0; s < 3; ++s) {
            const QString tekst = PaginaTekst(pdf, aantal - 2 + s);
            EXPECT_TRUE(Heeft(tekst, secties[s])) << secties[s];
            EXPECT_TRUE(Heeft(tekst, "Total + average feeding value")) << secties[s];
            EXPECT_EQ(Heeft(tekst, "Tarvolingrade project"), s == 2) << secties[s];
        }
    }
}

// The words of a page with their boxes in points.
struct TWoord {
    QString Tekst;
    QRectF Box;
};
std::vector<TWoord> Woorden(const QString& pdf, int p) {
    const QString html =
        Poppler("pdftotext", {"-bbox", "-f", QString::number(p), "-l", QString::number(p), pdf, "-"});
    static const QRegularExpression woord(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
    std::vector<TWoord> r;
    for (auto it = woord.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        r.push_back({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                           QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return r;
}

enum class TTint { Zwart, Groen, Rood, Anders };
TTint Tint(QRgb c) {
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (g > r + 60 && g > b + 60) return TTint::Groen;
    if (r > g + 80 && r > b + 80) return TTint::Rood;
    if (r < 90 && g < 90 && b < 90) return TTint::Zwart;
    return TTint::Anders;
}

// A picture of the BEX page: the bands in their colours, the advantage figures green for
// "+", red for "-", black otherwise.
TEST_F(RapportPdf, KleurenVanDeBexPagina) {
    Druk(QStringLiteral("BEX"));
    constexpr int dpi = 150;
    const QString png = map.filePath("bex");
    Poppler("pdftoppm", {"-png", "-r", QString::number(dpi), "-f", "2", "-l", "2", "-singlefile", pdf, png});
    const QImage beeld(png + ".png");
    ASSERT_FALSE(beeld.isNull());
    const auto pixel = [&](double xPt, double yPt) {
        return beeld.pixel(int(xPt * dpi / 72), int(yPt * dpi / 72));
    };

    const std::vector<TWoord> woorden = Woorden(pdf, 2);
    const auto zoek = [&](const QString& s, int keer = 1) -> const TWoord* {
        for (const TWoord& wd : woorden)
            if (wd.Tekst == s && --keer == 0) return &wd;
        return nullptr;
    };
    // Right of the title and of a section heading: the band colours.
    const TWoord* titel = zoek("Results");
    const TWoord* sectie = zoek("Excretion");
    ASSERT_TRUE(titel && sectie);
    EXPECT_EQ(QColor(pixel(titel->Box.right() + 200, titel->Box.center().y())), QColor(153, 221, 255));
    EXPECT_EQ(QColor(pixel(sectie->Box.right() + 100, sectie->Box.center().y())), QColor(233, 248, 255));

    // The advantage figures: the words after "(kg)" on the two advantage rows.
    const TTvUitvoer& u = c->Opname().Uitvoer;
    const std::tuple<int, std::string> figuren[] = {
        {1, u.ExcrVoordeel[1]}, {1, u.ExcrVoordeel[2]}, {2, u.MestafzVoordeel[1]}, {2, u.MestafzVoordeel[2]}};
    for (const auto& [rij, tekst] : figuren) {
        const TWoord* label = zoek("Advantage", rij);
        ASSERT_TRUE(label);
        const TWoord* figuur = nullptr;
        for (const TWoord& wd : woorden)
            if (wd.Tekst == QString::fromStdString(tekst) && std::abs(wd.Box.top() - label->Box.top()) < 2)
                figuur = &wd;
        ASSERT_TRUE(figuur) << tekst;
        int tellen[4] = {};
        for (double x = figuur->Box.left(); x <= figuur->Box.right(); x += 72.0 / dpi)
            for (double y = figuur->Box.top(); y <= figuur->Box.bottom(); y += 72.0 / dpi)
                ++tellen[int(Tint(pixel(x, y)))];
        const TTint verwacht = tekst[0] == '+' ? TTint::Groen : tekst[0] == '-' ? TTint::Rood : TTint::Zwart;
        EXPECT_GT(tellen[int(verwacht)], 5) << tekst;
        for (TTint t : {TTint::Zwart, TTint::Groen, TTint::Rood})
            if (t != verwacht) {
                EXPECT_EQ(tellen[int(t)], 0) << tekst << " tint " << int(t);
            }
    }
}

// Another paper chosen in the print dialog is the PDF's paper.
TEST_F(RapportPdf, PapierUitDePrintdialoog) {
    const std::pair<QPageSize::PageSizeId, const char*> gevallen[] = {
        {QPageSize::Letter, "612 x 792 pts (letter)"}, {QPageSize::A5, "420 x 595 pts (A5)"}};
    for (const auto& [papier, maat] : gevallen) {
        Papier = QPageSize(papier);
        Druk(QStringLiteral("BEX"));
        const QString info = Poppler("pdfinfo", {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+" + QRegularExpression::escape(maat))))
            << info.toStdString();
    }
}

// Grayscale chosen in the print dialog: no colour on any page, logo included, and a band in
// the grey a printer gives its colour.
TEST_F(RapportPdf, GrijsGekozenInDePrintdialoog) {
    Kleurmodus = QPrinter::GrayScale;
    Druk(QStringLiteral("BEX + BEA + BEP + BEN"));
    Poppler("pdftoppm", {"-png", "-r", "50", pdf, map.filePath("grijs")});
    for (int p = 1; p <= 11; ++p) {
        const QImage beeld(map.filePath(QStringLiteral("grijs-%1.png").arg(p, 2, 10, QLatin1Char('0'))));
        ASSERT_FALSE(beeld.isNull()) << p;
        int kleur = 0;
        for (int y = 0; y < beeld.height(); ++y)
            for (int x = 0; x < beeld.width(); ++x) {
                const QRgb c = beeld.pixel(x, y);
                kleur += qRed(c) != qGreen(c) || qGreen(c) != qBlue(c);
            }
        EXPECT_EQ(kleur, 0) << "page " << p;
    }
    const std::vector<TWoord> woorden = Woorden(pdf, 2);
    const auto titel =
        std::find_if(woorden.begin(), woorden.end(), [](const TWoord& wd) { return wd.Tekst == "Results"; });
    ASSERT_NE(titel, woorden.end());
    const QPointF band = (titel->Box.center() + QPointF(200, 0)) * 50 / 72;
    const int grijs = qGray(153, 221, 255);
    EXPECT_EQ(QColor(QImage(map.filePath("grijs-02.png")).pixel(band.toPoint())),
              QColor(grijs, grijs, grijs));
}

} // namespace
