// Stand-ins for the print world of the report tests: a print target that records what a
// job does, and a print environment whose dialogs answer as the test says.
#pragma once

#include "KtPreview.h"
#include "OpnameCanvas.h"

#include <QPrinter>
#include <QStringList>

#include <memory>
#include <optional>

// Records begin, new page, end and abort, and draws on a recording surface.
class TNepDoel : public TPrintDoel {
public:
    explicit TNepDoel(std::shared_ptr<QStringList> log, bool lukt = true)
        : fLog(std::move(log)), fLukt(lukt) {}
    bool Begin() override {
        fLog->append(QStringLiteral("begin"));
        return fLukt;
    }
    TPreviewCanvas& Canvas() override { return fCanvas; }
    bool NieuwePagina() override {
        fLog->append(QStringLiteral("newPage"));
        return true;
    }
    void Einde() override { fLog->append(QStringLiteral("end")); }
    void Afbreken() override { fLog->append(QStringLiteral("abort")); }

private:
    std::shared_ptr<QStringList> fLog;
    bool fLukt;
    TOpnameCanvas fCanvas;
};

// A printer that writes PDF and never asks the system for its printers' settings.
inline std::unique_ptr<QPrinter> PdfPrinter() {
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setPageSize(QPageSize(QPageSize::A4));
    p->setPageOrientation(QPageLayout::Portrait);
    return p;
}

// No real dialog, printer or modal window: the print dialog answers keuze (nothing:
// cancelled), jobs go to the recording target, the preview is not shown.
inline TPrintOmgeving NepOmgeving(std::shared_ptr<QStringList> log, std::optional<TAfdrukKeuze> keuze) {
    TPrintOmgeving o;
    o.PrintDialoog = [keuze, log](QWidget*, QPrinter&, int aantal) {
        log->append(QStringLiteral("dialog 1-%1").arg(aantal));
        return keuze;
    };
    o.PrinterInstelling = [log](QWidget*, QPrinter&) { log->append(QStringLiteral("printer set-up")); };
    o.Doel = [log](QPrinter&) -> std::unique_ptr<TPrintDoel> { return std::make_unique<TNepDoel>(log); };
    o.ToonVoorbeeld = [log](TPrintPreview&) {
        log->append(QStringLiteral("preview"));
        return false;
    };
    o.MaakPrinter = PdfPrinter;
    return o;
}
