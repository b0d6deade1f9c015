#include "PrintCommandos.h"

#include "PaginaIndeling.h"
#include "Rapport.h"
#include "Tarvolingrade_u.h"
#include "Wachten.h"

#include <QAction>
#include <QPrinter>

TRapportCommandos::TRapportCommandos(TFrmHoofdFormulier& w, TPrintOmgeving omgeving)
    : QObject(&w), PktPrintPreview(&w, std::move(omgeving), w.Omgeving().Berichten), fVenster(w) {
    setObjectName(QStringLiteral("RapportCommandos"));
    PktPrintPreview.setObjectName(QStringLiteral("PktPrintPreview"));
    PktPrintPreview.DrawMargins = false;
    PktPrintPreview.PreviewMode = false;
    PktPrintPreview.PageCount = 0;
    PktPrintPreview.OnPaint = [this](TPreviewCanvas& canvas, int pagina) {
        const TWachtCursor wacht;
        const TUitgeschakeld stil(fVenster.TabTarvolingrader);
        PktPrintPreviewPaint(canvas, pagina, fOpname);
    };
    PktPrintPreview.OnPrinterGekozen = [this](QPrinter& printer) { Staand(printer); };
}

void TRapportCommandos::Staand(QPrinter& printer) {
    if (printer.pageLayout().orientation() != QPageLayout::Landscape) return;
    printer.setPageOrientation(QPageLayout::Portrait);
    fVenster.Berichten().WaarschuwingOK(QStringLiteral("Printer (page)setting was Landscape, \r\r"
                                                       "but will be changed to Portrait"));
}

bool TRapportCommandos::StartJob() {
    if (!fVenster.Bereken()) {
        fVenster.Berichten().Fout(QStringLiteral("Vul eerst alle tabbladen goed in"));
        fVenster.ZetActievePagina(fVenster.EersteFoutePagina());
        return false;
    }
    fOpname = NeemMomentopname(fVenster);
    PktPrintPreview.PageCount = PaginaAantal(fOpname);

    Staand(PktPrintPreview.Printer());
    return true;
}

void TRapportCommandos::MitPrinterInstellingClick() {
    PktPrintPreview.PrintOmgeving().PrinterInstelling(&fVenster, PktPrintPreview.Printer());
}

void TRapportCommandos::MitAfdrukvoorbeeldClick() {
    PktPrintPreview.PreviewMode = true;
    if (!StartJob()) return;
    bool afdrukken = false;
    if (PktPrintPreview.BeginDoc()) {
        struct TEinde {
            TKtPreview& p;
            ~TEinde() { p.EndDoc(); }
        } einde{PktPrintPreview};
        afdrukken = PktPrintPreview.PrintPages();
    }
    if (afdrukken) MitAfdrukkenClick();
}

void TRapportCommandos::MitAfdrukkenClick() {
    PktPrintPreview.PreviewMode = false;
    if (!StartJob()) return;
    // A cancelled print dialog leaves nothing to print or end.
    if (!PktPrintPreview.BeginDoc()) return;
    try {
        PktPrintPreview.PrintPages();
    } catch (...) {
        // The job is aborted, then the error is shown.
        PktPrintPreview.EndDoc();
        throw;
    }
    PktPrintPreview.EndDoc();
}

TRapportCommandos* KoppelRapport(TFrmHoofdFormulier& w, TPrintOmgeving omgeving) {
    auto* c = new TRapportCommandos(w, std::move(omgeving));
    const auto koppel = [&w, c](const char* naam, void (TRapportCommandos::*handler)()) {
        QAction* a = w.Actie(QString::fromLatin1(naam));
        if (!a) return;
        a->setEnabled(true);
        QObject::connect(a, &QAction::triggered, c,
                         [&w, c, handler] { w.Bewaak([c, handler] { (c->*handler)(); }); });
    };
    koppel("MitPrinterInstelling", &TRapportCommandos::MitPrinterInstellingClick);
    koppel("MitAfdrukvoorbeeld", &TRapportCommandos::MitAfdrukvoorbeeldClick);
    koppel("MitAfdrukken", &TRapportCommandos::MitAfdrukkenClick);
    return c;
}
