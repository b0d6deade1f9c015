// The print commands of the main window: "Printer-settings..." (MitPrinterInstelling),
// "Print p&review" (MitAfdrukvoorbeeld) and "&Print..." (MitAfdrukken, Ctrl+P) with their
// tool-bar buttons, and the window's print component PktPrintPreview.
//
// A job starts by calculating once: when an input page is not valid the user is told so
// and taken to that page, and no job starts. Then the snapshot of the window is taken,
// the page count follows from it (an amount in a stock grid that is no number stops the
// command here, with its message), and a landscape printer is set to portrait with a
// warning; so is a landscape sheet chosen in the print dialog, before the first page.
// Only then does the preview or the print job run; its pages are painted from the
// snapshot, with the wait cursor and the page control disabled while they paint.
#pragma once

#include "KtPreview.h"
#include "Momentopname.h"

#include <QObject>

#include <functional>
#include <memory>

class QPrinter;
class TFrmHoofdFormulier;

class TRapportCommandos : public QObject {
    Q_OBJECT
public:
    TRapportCommandos(TFrmHoofdFormulier& w, TPrintOmgeving omgeving);

    void MitPrinterInstellingClick();
    void MitAfdrukvoorbeeldClick();
    void MitAfdrukkenClick();

    TKtPreview PktPrintPreview;
    // The snapshot of the job that runs or ran last.
    const TMomentopname& Opname() const { return fOpname; }

private:
    // Calculates, takes the snapshot, counts the pages and checks the orientation; false
    // when no job may start.
    bool StartJob();
    // A landscape sheet is set to portrait, with the warning: the report is laid out on an
    // upright A4 sheet.
    void Staand(QPrinter& printer);
    TFrmHoofdFormulier& fVenster;
    TMomentopname fOpname;
};

// Attaches the print commands to the main window, enables them and returns them (owned by
// the window).
TRapportCommandos* KoppelRapport(TFrmHoofdFormulier& w,
                                 TPrintOmgeving omgeving = TPrintOmgeving::Standaard());
