// The print component: one print job or one preview of a document of PageCount pages,
// each page painted by OnPaint on a drawing surface in twips.
//
// A client sets PreviewMode and PageCount, then calls BeginDoc; when it returns true,
// PrintPages; then EndDoc. Printing asks the print dialog for the pages (a range is
// clipped to 1..PageCount), paints them on the print target with the progress dialog
// and ends the job, or aborts it when the user cancelled. A PDF file is made in memory and
// replaces what stands at its name only when the job ends, so a cancel or a failure
// leaves the earlier file as it was. The preview shows the pages in the window "Printpreview".
//
// Everything that would open a window or talk to a printer goes through TPrintOmgeving,
// so tests answer the print dialog, the printer set-up, the preview window and the print
// target themselves.
#pragma once

#include "Omgeving.h"
#include "PreviewCanvas.h"

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QDialog;
class QPrinter;
class QWidget;
class TPrintPreview;
class TfPrintingQuery;

// The paint handler: paints page PageNumber on the surface.
using TDrawPPEvent = std::function<void(TPreviewCanvas& Canvas, int PageNumber)>;

// Where a print job's pages go: a printer, a PDF file, or a stand-in in tests.
class TPrintDoel {
public:
    virtual ~TPrintDoel() = default;
    // Starts the document; false when the target cannot be opened.
    virtual bool Begin() = 0;
    // The surface of the page now printed.
    virtual TPreviewCanvas& Canvas() = 0;
    // Ends the page and starts the next; false when the target refuses.
    virtual bool NieuwePagina() = 0;
    virtual void Einde() = 0;
    // Stops the job: nothing of it is printed or kept.
    virtual void Afbreken() = 0;
};

// A print job on a QPrinter (a printer, or a PDF file when its output format says so).
class TQPrinterDoel final : public TPrintDoel {
public:
    explicit TQPrinterDoel(QPrinter& printer);
    ~TQPrinterDoel() override;
    bool Begin() override;
    TPreviewCanvas& Canvas() override;
    bool NieuwePagina() override;
    void Einde() override;
    void Afbreken() override;

private:
    struct TData;
    std::unique_ptr<TData> d;
};

// The pages the user chose in the print dialog: from Van to Tot, and when the dialog
// gave several ranges only the pages inside them.
struct TAfdrukKeuze {
    int Van = 1;
    int Tot = 0;
    std::vector<std::pair<int, int>> Reeksen;
};

struct TPrintOmgeving {
    // The print dialog on the printer for pages 1..aantal; nothing when cancelled.
    std::function<std::optional<TAfdrukKeuze>(QWidget* ouder, QPrinter& printer, int aantal)> PrintDialoog;
    // The printer set-up: which printer (or PDF file), its paper and orientation.
    std::function<void(QWidget* ouder, QPrinter& printer)> PrinterInstelling;
    // The target of a print job.
    std::function<std::unique_ptr<TPrintDoel>(QPrinter& printer)> Doel;
    // Shows the preview window modally; true when it was closed with Print.
    std::function<bool(TPrintPreview& venster)> ToonVoorbeeld;
    // Makes the printer, the first time one is needed.
    std::function<std::unique_ptr<QPrinter>()> MaakPrinter;

    // QPrintDialog (also for the printer set-up), the QPrinter itself, the modal preview
    // window and an A4 portrait printer in high resolution.
    static TPrintOmgeving Standaard();
};

// The printer set-up of the standard world: Qt's print dialog without pages, so the user
// chooses among the installed printers and the PDF file target, with paper and
// orientation under its properties. Accepting it sets the printer; nothing is printed.
std::unique_ptr<QDialog> PrinterInstellingDialoog(QWidget* ouder, QPrinter& printer);

// The preview window's inner size: the size given, or where that is 0 the screen's free
// area less 3 pixels, less the window frame (rand), so that the whole window fits.
QSize VoorbeeldMaat(const QSize& vrij, const QMargins& rand, int breedte, int hoogte);
// The preview window's place once shown, from its real frame (buiten) and the window inside
// it (binnen): when the frame sticks out of the free area, the size is worked out again as
// VoorbeeldMaat with that frame and the frame is moved inside the area. The inner geometry.
QRect VoorbeeldInpassen(const QRect& vrij, const QRect& buiten, const QRect& binnen, int breedte, int hoogte);

class TKtPreview : public QObject {
    Q_OBJECT
public:
    // owner: the window the dialogs belong to (it does not own the component).
    TKtPreview(QWidget* owner, TPrintOmgeving omgeving, std::shared_ptr<TBerichten> berichten);
    ~TKtPreview() override;

    bool DrawMargins = false;
    TDrawPPEvent OnPaint;
    // Called when the print dialog was accepted, before the job begins: the last moment the
    // client can still change the printer's settings (a page cannot change its sheet).
    std::function<void(QPrinter& printer)> OnPrinterGekozen;
    bool PreviewMode = false;
    // The preview window's place and size; 0 width or height: the screen's free area less
    // 3 pixels, its frame included.
    int ViewLeft = 0;
    int ViewWidth = 0;
    int ViewTop = 0;
    int ViewHeight = 0;
    int PageCount = 0;

    bool BeginDoc();
    bool PrintPages();
    void EndDoc();
    void CancelPrint();

    // The one printer of the component, made when first asked for.
    QPrinter& Printer();
    const TPrintOmgeving& PrintOmgeving() const { return fOmgeving; }

    // The state of the job, for tests and the commands.
    TPrintPreview* PreviewForm() const;
    TfPrintingQuery* PrintingQuery() const { return fPrintingQuery; }
    int FromPage() const { return fFromPage; }
    int ToPage() const { return fToPage; }
    bool Cancelled() const { return fCancelled; }
    bool DocOpen() const { return fDocOpen; }

private:
    bool Afdrukken(int pagina) const;
    QWidget* fOwner;
    TPrintOmgeving fOmgeving;
    std::shared_ptr<TBerichten> fBerichten;
    std::unique_ptr<QPrinter> fPrinter;
    QPointer<TPrintPreview> fPreviewForm;
    std::unique_ptr<TPrintDoel> fDoel;
    TfPrintingQuery* fPrintingQuery = nullptr;
    int fFromPage = 0;
    int fToPage = 0;
    std::vector<std::pair<int, int>> fReeksen;
    bool fCancelled = false;
    bool fDocOpen = false;
};
