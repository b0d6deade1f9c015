// The batch window "Verwerken invoerbestand": choose an input table, read it into plans,
// run every plan through the main window (reset, controls, handlers, checks, calculation,
// farm file, dump lines) and write the result table.
#pragma once

#include "Invoertabel.h"
#include "Omgeving.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class StaticText;
class TFrmHoofdFormulier;
struct TDumpGeheugen;

class TFrmAutomat : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAutomat(TOmgeving omgeving, QWidget* parent = nullptr);

    // The main window the plans are run through (set by KoppelBatch).
    void ZetHoofdformulier(TFrmHoofdFormulier* hoofd) { fHoofd = hoofd; }

    void FormShow();
    void FormClose();
    void BtnBestandClick();
    void BtnVerwerkenClick();
    void VerwerkBestand();
    // Reads the header of the input file and fills Koppen.
    bool ControleerKoppen();
    void LeesInvoerbestand();
    void BerekenPlannen();
    void SchrijfUitvoer();

    QLabel *LblBestandIn, *LblMelding1, *LblBestandOut, *LblDumpFile;
    StaticText *SttIn, *SttOut, *SttDmp;
    QPushButton *BtnBestand, *BtnVerwerken, *BtnSluiten;
    QListWidget* LstAutomat;

    // The version of the last data line read.
    int InvoerVersie = 0;
    // The farms read; while it holds entries the calculation runs even with pages that are
    // not valid.
    std::vector<TPlan> Plannen;
    QString InBestand, UitBestand, DumpBestand;
    TKoppen Koppen;

    // How long the steps of the last run took in all, in nanoseconds (the benchmark
    // reports them): reset, grids, the other controls with their handlers, checks,
    // calculation, saving, dump.
    struct TStapTijden {
        long long Reset = 0, Grids = 0, Invoer = 0, Controles = 0, Berekening = 0, Opslaan = 0, Dump = 0;
    } StapTijden;

protected:
    void showEvent(QShowEvent* event) override;

public:
    void done(int r) override;

private:
    // One plan, steps 1..16; throws on an error that ends the plan.
    void BerekenPlan(TPlan& plan, int nummer, const std::function<bool(const QString&)>& vraagDubbel,
                     TDumpGeheugen& dumpGeheugen);
    void VulGrids(const TPlan& plan);
    void Regel(const QString& tekst);
    template <typename F> void Bewaak(F&& f) { Bewaakt(*fOmgeving.Berichten, std::forward<F>(f)); }

    TOmgeving fOmgeving;
    TFrmHoofdFormulier* fHoofd = nullptr;
    // The input file as read by the header check.
    std::string fInhoud;
    // The farm-file names used in this run, upper-cased: a repeated plan name gets a number.
    std::vector<QString> fGebruikteNamen;
    // Whether the model failed during the calculation of the current plan.
    bool fModelFout = false;
};

// Makes the batch window reachable from the main window: the menu item "Processing input"
// shows it, and the calculation runs without the page gate while it holds plans.
void KoppelBatch(TFrmHoofdFormulier& w, TFrmAutomat& automat);

// The name a plan's farm file gets: cut to 200 bytes (ending in "..."); "/", "\", ":" and
// control characters become "_"; an empty result becomes "Bedrijf " + nummer.
QString VeiligeNaam(const QString& naam, int nummer);

// The text of a table file as UTF-8: a byte-order mark at its start is dropped; a file that
// is not valid UTF-8 is read as Windows-1252, the code page the dump is written in.
std::string TabelInhoud(const QByteArray& bytes);

// A text of the table as a list line or message shows it: cut to 200 characters.
QString TabelTekst(const std::string& tekst);
