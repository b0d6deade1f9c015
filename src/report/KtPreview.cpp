#include "KtPreview.h"

#include "PrintPreview.h"
#include "PrintingQuery.h"
#include "Vervangen.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <stdexcept>

// ---------------------------------------------------------------------------------------
// The print target on a QPrinter

struct TQPrinterDoel::TData {
    explicit TData(QPrinter& p) : Printer(p) {}
    QPrinter& Printer;
    // A PDF file is made whole in memory first: only a complete one replaces what stands at
    // its name, so a cancel or a full disk leaves the earlier file (or a link's target) be.
    QBuffer Pdf;
    std::unique_ptr<QPdfWriter> PdfSchrijver;
    QPainter Painter;
    std::unique_ptr<TQtCanvas> Canvas;

    QPagedPaintDevice& Apparaat() {
        if (PdfSchrijver) return *PdfSchrijver;
        return Printer;
    }
};

TQPrinterDoel::TQPrinterDoel(QPrinter& printer) : d(std::make_unique<TData>(printer)) {}

TQPrinterDoel::~TQPrinterDoel() {
    if (d->Painter.isActive()) TQPrinterDoel::Afbreken();
}

bool TQPrinterDoel::Begin() {
    const QPrinter& p = d->Printer;
    if (p.outputFormat() == QPrinter::PdfFormat && !p.outputFileName().isEmpty()) {
        d->Pdf.open(QIODevice::WriteOnly);
        // The pages and settings the printer would give the file.
        d->PdfSchrijver = std::make_unique<QPdfWriter>(&d->Pdf);
        d->PdfSchrijver->setPdfVersion(p.pdfVersion());
        d->PdfSchrijver->setResolution(p.resolution());
        d->PdfSchrijver->setPageLayout(p.pageLayout());
        d->PdfSchrijver->setTitle(p.docName());
        d->PdfSchrijver->setCreator(p.creator());
    }
    QPagedPaintDevice& apparaat = d->Apparaat();
    if (!d->Painter.begin(&apparaat)) return false;
    const int dpiX = apparaat.logicalDpiX();
    const int dpiY = apparaat.logicalDpiY();
    TApparaat opPapier = TApparaat::Printer(dpiX, dpiY);
    // A printer prints grayscale itself, as did its own PDF output; the writer has no
    // colour mode, so the surface paints the grey.
    opPapier.Grijs = d->PdfSchrijver && p.colorMode() == QPrinter::GrayScale;
    d->Canvas = std::make_unique<TQtCanvas>(d->Painter, opPapier);
    // The painter's origin is the printable area's corner; the surface measures that area.
    const QRect bedrukbaar = apparaat.pageLayout().paintRectPixels(dpiX);
    d->Canvas->PageWidth = bedrukbaar.width() * 1440 / dpiX;
    d->Canvas->PageHeight = bedrukbaar.height() * 1440 / dpiY;
    return true;
}

TPreviewCanvas& TQPrinterDoel::Canvas() {
    if (!d->Canvas) throw std::logic_error("The print target has not begun");
    return *d->Canvas;
}

bool TQPrinterDoel::NieuwePagina() {
    return d->Apparaat().newPage();
}

void TQPrinterDoel::Einde() {
    d->Canvas.reset();
    if (!d->Painter.isActive()) return;
    if (!d->Painter.end()) throw std::runtime_error("De afdruk kon niet worden voltooid");
    if (!d->PdfSchrijver) return;
    const QString naam = d->Printer.outputFileName();
    const TVervangUitslag uitslag = VervangBestand(naam, d->Pdf.data());
    if (uitslag.Uitkomst != TVervangen::Gelukt)
        throw std::runtime_error(
            VervangMelding(QStringLiteral("Cannot create file ") + naam, naam, uitslag).toStdString());
}

void TQPrinterDoel::Afbreken() {
    d->Canvas.reset();
    // A PDF file was only in memory; nothing of it reaches the disk.
    if (!d->PdfSchrijver) d->Printer.abort();
    if (d->Painter.isActive()) d->Painter.end();
}

// ---------------------------------------------------------------------------------------
// The standard world: Qt's dialogs and printer

std::unique_ptr<QDialog> PrinterInstellingDialoog(QWidget* ouder, QPrinter& printer) {
    // Qt's page set-up has no printer list and refuses the PDF target, so the print dialog
    // serves, with the pages left to the print command.
    auto dlg = std::make_unique<QPrintDialog>(&printer, ouder);
    dlg->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dlg->setWindowTitle(QStringLiteral("Printer-settings"));
    // Accepting prints nothing here.
    if (auto* knoppen = dlg->findChild<QDialogButtonBox*>())
        if (QPushButton* ok = knoppen->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    return dlg;
}

TPrintOmgeving TPrintOmgeving::Standaard() {
    TPrintOmgeving o;
    o.PrintDialoog = [](QWidget* ouder, QPrinter& printer, int aantal) -> std::optional<TAfdrukKeuze> {
        printer.setPrintRange(QPrinter::AllPages);
        printer.setPageRanges({});
        QPrintDialog dlg(&printer, ouder);
        dlg.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
        dlg.setMinMax(1, aantal);
        if (dlg.exec() != QDialog::Accepted) return std::nullopt;
        TAfdrukKeuze keuze{1, aantal, {}};
        if (printer.printRange() == QPrinter::PageRange) {
            keuze.Van = printer.fromPage();
            keuze.Tot = printer.toPage();
            for (const QPageRanges::Range& r : printer.pageRanges().toRangeList())
                keuze.Reeksen.emplace_back(r.from, r.to);
            if (keuze.Reeksen.size() < 2) keuze.Reeksen.clear();
        }
        return keuze;
    };
    o.PrinterInstelling = [](QWidget* ouder, QPrinter& printer) {
        PrinterInstellingDialoog(ouder, printer)->exec();
    };
    o.Doel = [](QPrinter& printer) -> std::unique_ptr<TPrintDoel> {
        return std::make_unique<TQPrinterDoel>(printer);
    };
    o.ToonVoorbeeld = [](TPrintPreview& venster) { return venster.exec() == QDialog::Accepted; };
    o.MaakPrinter = [] {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setPageSize(QPageSize(QPageSize::A4));
        p->setPageOrientation(QPageLayout::Portrait);
        return p;
    };
    return o;
}

// ---------------------------------------------------------------------------------------
// The component

TKtPreview::TKtPreview(QWidget* owner, TPrintOmgeving omgeving, std::shared_ptr<TBerichten> berichten)
    : fOwner(owner), fOmgeving(std::move(omgeving)), fBerichten(std::move(berichten)) {}

TKtPreview::~TKtPreview() {
    // A job still running when the program ends is dropped.
    if (fDoel) fDoel->Afbreken();
    delete fPreviewForm.data();
}

TPrintPreview* TKtPreview::PreviewForm() const {
    return fPreviewForm;
}

QPrinter& TKtPreview::Printer() {
    if (!fPrinter) fPrinter = fOmgeving.MaakPrinter();
    return *fPrinter;
}

QSize VoorbeeldMaat(const QSize& vrij, const QMargins& rand, int breedte, int hoogte) {
    return {breedte > 0 ? breedte : vrij.width() - 3 - rand.left() - rand.right(),
            hoogte > 0 ? hoogte : vrij.height() - 3 - rand.top() - rand.bottom()};
}

QRect VoorbeeldInpassen(const QRect& vrij, const QRect& buiten, const QRect& binnen, int breedte,
                        int hoogte) {
    if (vrij.contains(buiten)) return binnen;
    const QMargins rand(binnen.left() - buiten.left(), binnen.top() - buiten.top(),
                        buiten.right() - binnen.right(), buiten.bottom() - binnen.bottom());
    const QSize maat = VoorbeeldMaat(vrij.size(), rand, breedte, hoogte);
    const QSize heel = maat.grownBy(rand);
    const QPoint plek(std::max(vrij.left(), std::min(buiten.left(), vrij.right() + 1 - heel.width())),
                      std::max(vrij.top(), std::min(buiten.top(), vrij.bottom() + 1 - heel.height())));
    return {plek + QPoint(rand.left(), rand.top()), maat};
}

bool TKtPreview::BeginDoc() {
    bool result = true;
    // Whatever a job before left (a cancelled print dialog) is forgotten.
    fDoel.reset();
    fCancelled = false;
    fReeksen.clear();

    if (!PreviewMode) {
        const auto keuze = fOmgeving.PrintDialoog(fOwner, Printer(), PageCount);
        if (!keuze) {
            result = false;
        } else {
            fFromPage = std::max(keuze->Van, 1);
            fToPage = std::min(keuze->Tot, PageCount);
            fReeksen = keuze->Reeksen;
            if (OnPrinterGekozen) OnPrinterGekozen(Printer());
        }
    }

    if (PreviewMode) {
        const QScreen* scherm = QGuiApplication::primaryScreen();
        const QRect vrij = scherm ? scherm->availableGeometry() : QRect(0, 0, 1024, 768);
        if (!fPreviewForm) {
            fPreviewForm = new TPrintPreview(Printer(), fBerichten, fOwner);
            // A window's place is that of its frame.
            fPreviewForm->move(std::max(ViewLeft, vrij.left()), std::max(ViewTop, vrij.top()));
        }
        fPreviewForm->OnPaint = OnPaint;
        fPreviewForm->PageCount = PageCount;
        fPreviewForm->DrawMargins = DrawMargins;
        // The preview's own frame is not known before it is shown; the owner's is alike.
        QMargins rand;
        if (const QWidget* venster = fOwner ? fOwner->window() : nullptr) {
            const QRect buiten = venster->frameGeometry();
            const QRect binnen = venster->geometry();
            rand = QMargins(binnen.left() - buiten.left(), binnen.top() - buiten.top(),
                            buiten.right() - binnen.right(), buiten.bottom() - binnen.bottom());
        }
        fPreviewForm->resize(VoorbeeldMaat(vrij.size(), rand, ViewWidth, ViewHeight));
        // Its own frame may differ (a dialog gets a resize handle a fixed main window lacks):
        // once it shows, the real one decides.
        fPreviewForm->OnGetoond = [v = fPreviewForm.data(), vrij, b = ViewWidth, h = ViewHeight] {
            const QRect binnen = VoorbeeldInpassen(vrij, v->frameGeometry(), v->geometry(), b, h);
            if (binnen != v->geometry()) v->setGeometry(binnen);
        };
        fPreviewForm->Begin();
    } else if (result) {
        fDoel = fOmgeving.Doel(Printer());
        if (!fDoel->Begin()) {
            fDoel.reset();
            fBerichten->Fout(QStringLiteral("Afdrukken kan niet beginnen"));
            result = false;
        }
    }
    fDocOpen = true;
    return result;
}

bool TKtPreview::Afdrukken(int pagina) const {
    if (fReeksen.empty()) return true;
    return std::any_of(fReeksen.begin(), fReeksen.end(),
                       [pagina](const auto& r) { return pagina >= r.first && pagina <= r.second; });
}

bool TKtPreview::PrintPages() {
    if (!fDocOpen) {
        fBerichten->Fout(QStringLiteral("Gebruik BeginDoc voor de printer setup"));
        return false;
    }
    if (PreviewMode) return fPreviewForm && fOmgeving.ToonVoorbeeld(*fPreviewForm);

    fCancelled = false;
    if (!fDoel || !OnPaint) return false;
    TfPrintingQuery voortgang;
    fPrintingQuery = &voortgang;
    voortgang.OnCancel = [this] { CancelPrint(); };
    voortgang.SetMax(fToPage);
    voortgang.show();
    QCoreApplication::processEvents();
    try {
        bool eerste = true;
        // A cancel is seen when the next page starts; that page is still painted.
        for (int p = fFromPage; p <= fToPage && !fCancelled; ++p) {
            if (!Afdrukken(p)) continue;
            voortgang.SetProgress(p);
            if (!eerste && !fDoel->NieuwePagina())
                throw std::runtime_error("De printer geeft geen nieuwe pagina");
            eerste = false;
            TPreviewCanvas& canvas = fDoel->Canvas();
            canvas.PageNumber = p;
            OnPaint(canvas, p);
        }
    } catch (...) {
        // A page that failed ends the job: nothing of it is printed.
        fCancelled = true;
        voortgang.hide();
        fPrintingQuery = nullptr;
        throw;
    }
    voortgang.hide();
    fPrintingQuery = nullptr;
    return false;
}

void TKtPreview::EndDoc() {
    if (!fDocOpen) return;
    fDocOpen = false;
    if (!PreviewMode) {
        std::unique_ptr<TPrintDoel> doel = std::move(fDoel);
        if (doel) {
            if (fCancelled)
                doel->Afbreken();
            else
                doel->Einde();
        }
    } else if (fPreviewForm) {
        fPreviewForm->hide();
        fPreviewForm->deleteLater();
        fPreviewForm = nullptr;
    }
}

void TKtPreview::CancelPrint() {
    fCancelled = true;
}
