// The main window: the page control with the fourteen pages, the main menu, the tool
// bar, the reset of all inputs to a new farm and the settings file.
//
// The layers above this one (farm files, report, support windows) never are called from
// here. They find the menu commands by name (Actie), attach their handlers and enable
// them, and fill the hooks in Haken; main.cpp wires them together.
#pragma once

#include "Controle.h"
#include "Omgeving.h"
#include "TabBalk.h"
#include "UitgesteldeBerichten.h"

#include "Tarvolingrade_t.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class NumEdit;
class StaticText;
class TBedrijf;
class TVoorraadGrid;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStatusBar;
class QToolBar;
class QToolButton;
struct TBesturingDef;
enum class TResetStap;

// The identity and addresses the info box shows and the version check uses.
struct TInfoBoxGegevens {
    QString ProgAfkorting = QStringLiteral("Tarvolingrade");
    QString ProgNaam = QStringLiteral("Tarvolingrade PLUS");
    QString Versie;
    QString Datum;
    QString WebAdres;
    QString VersieAdres;
    QString VersieFile;
    QString DownloadAdres;
    QString Programmeur;
    QString Helpdesk;
    // A picture for the about box; ignored when the file does not exist.
    QString Logo;
};

class TFrmHoofdFormulier : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs its creation steps (all but opening the farm file of the
    // command line, which OpenBestandVanOpdrachtregel does once the hooks are set).
    explicit TFrmHoofdFormulier(TOmgeving omgeving, QWidget* parent = nullptr);
    ~TFrmHoofdFormulier() override;

    // --- For the layers above ---

    // Hooks; an empty hook does nothing.
    struct THaken {
        // Reads a farm file (the first command-line argument).
        std::function<void(const QString& bestand)> LeesBestand;
        // Runs when the window is shown (captions of the product-support windows).
        std::function<void()> BijTonen;
        // The product-support window: whether it has been closed since the start, setting
        // its check box, and showing it modally.
        std::function<bool()> ProductOndersteuningGesloten;
        std::function<void(bool)> ZetProductOndersteuning;
        std::function<void()> ToonProductOndersteuning;
        // Asked before the window closes; false keeps it open.
        std::function<bool()> MagSluiten;
        // Runs when the window closes, before the farm's identity is written.
        std::function<void()> BijSluiten;
        // Whether a batch run is in progress (its list of farms is not empty): the
        // calculation then runs even while a page is not valid.
        std::function<bool()> BatchBezig;
    } Haken;
    // Ends the program when the window has closed.
    std::function<void()> Afsluiten;

    // A menu command by its name ("MitOpenen", "MitAfdrukken", ...), or nullptr.
    QAction* Actie(const QString& naam) const;
    // A control of the window by its name, or nullptr.
    template <typename T> T* Besturing(const QString& naam) const { return findChild<T*>(naam); }
    // A widget of the window by its name, or nullptr; remembered after the first search,
    // as the page checks and the reset look up hundreds of controls every time.
    QWidget* BesturingOpNaam(const QString& naam) const;

    const TOmgeving& Omgeving() const { return fOmgeving; }
    // The message boxes of the window: the sink of the environment, except that a message
    // raised inside a widget's event waits for the end of the event (BewaakNaAfloop).
    TBerichten& Berichten() const { return *fMeldingen; }
    // Puts another sink for the window's messages in place and returns the one it replaces
    // (a batch run lists them under its farm instead of showing boxes).
    std::shared_ptr<TBerichten> WisselBerichten(std::shared_ptr<TBerichten> berichten);
    // Runs f inside the guard of every handler.
    template <typename F> void Bewaak(F&& f) { Bewaakt(Berichten(), std::forward<F>(f)); }
    // As Bewaak, for a handler that runs inside a widget's own event (a keystroke, leaving a
    // field, a click on a tab): its messages, an error included, are shown once the event
    // is over, so that no modal box opens inside a widget that it may close.
    template <typename F> void BewaakNaAfloop(F&& f) {
        const TUitgesteldeBerichten::TNaAfloop naAfloop(*fMeldingen);
        Bewaak(std::forward<F>(f));
    }

    // Opens the farm file named by the first argument after the program, relative to the
    // folder the program was started in.
    void OpenBestandVanOpdrachtregel(const QStringList& argumenten);

    // --- The window's routines ---
    void FormShow();
    void FormActivate();
    void FormResize();
    void InitInvoer();
    void InitLabels_Boxen();
    void SetHintControl(QObject* control);
    void LeesBedrijfsgegevens();
    void SchrijfBedrijfsgegevens();
    void Bedrijfslogo1Click();
    void LaadLogo(const QString& FileName);
    // The window's part of a new farm: the reset and the first page. The file commands
    // add the file name, the caption and the saved flag.
    void NieuwBedrijf();
    // Repaints the tab at a visible position in its page's state colour.
    void TekenTab(int positie);
    // The year of a reset: the clock's year within 2006..2012, else 2010.
    int ResetJaar() const;

    // The module choice: the module flags, the animal group and which module pages are
    // shown. The input pages add the herd, grid and grazing layouts and the page checks.
    void CbxModuleChange();

    // --- Input pages 0, 1, 2, 6, 7, 8: handlers (InvoerPaginas.cpp) ---
    // Every handler adjusts the controls that depend on its input and ends with the silent
    // check of its page (SpeJaartalChange: pages 0 and 1; SpeOppMaisHChange: 7 and 8; the
    // P-removal edits of page 7 run SpeDrijfBouwChange, which then checks page 7). None
    // calls the model but CbxEvaluatieChange, which goes to the active page and so
    // calculates again when that is a result page.
    //
    // Repeatable: fired again on a farm as the user left it, a handler changes nothing.
    // That holds for every handler below, for the Toon* layouts and the page checks, and
    // for the stock pages' totals, grid checks, purchase boxes, wet-by-product lists and
    // the cell editor on any column but RE and N (test_herhalen.cpp fires each twice and
    // compares the whole window). Not repeatable, by design:
    // - SpeOppBouwLChange sets each maize area of page 7 to the arable area of its class,
    //   so maize areas typed since are lost: the maize can be no more than the arable land.
    // - SpeOppGrasChange and SpeOppBouwChange move a single area total that differs from
    //   its classes into the class "high" (the others 0). From 2010 on, or with BEP, the
    //   total is hidden and follows its classes only when ToonBeweidingEnAreaal writes it,
    //   which fires them with an equal total; fired on a stale total they lose the classes.
    // - CbxModuleChange (ToonVeestapel) puts the young-stock ages back to 0 and 24 months
    //   for cows, and the cows to 0 and the breed to its first item for young stock.
    // - The cell editor (GrdBeginGkSetEditText) on the RE or the N column rewrites the
    //   other of the two from it with its own decimals ("27.2" becomes "27.20").
    // - BerekenVoorraadGrid writes the totals of a grid never filled as "0.00" where the
    //   reset wrote "0".
    // - SpeLftJvAanExit and SpeLftJvAfvExit show their message again each time.
    //
    // Code that sets controls fires their handlers as the user would: edits, spin edits
    // and radio buttons fire their own; a list set by index and a grid cell written in
    // code fire nothing, so the caller fires those itself. Two callers then fire a fixed
    // sequence and rely on its order:
    // - Reading a farm file, after every control is set (with BezigMetInlezen on, which
    //   only SpeGraas1Change tests among the handlers): BezigMetInlezen off;
    //   BerekenGraasdieren; ZetVinkjes; CbxModuleChange, CbxRasChange, SpeMelklevChange,
    //   RbtMstafvStandClick, RbtGraasNeeClick, SpeDrijfBouwChange, SpeOppMaisHChange;
    //   ControleerPagina without messages for the pages before the stored one;
    //   TabTarvolingraderChange once. Each stock row with an amount is recomputed by the
    //   cell editor on column 1, then its grid by BerekenVoorraadGrid.
    // - The batch run, per farm: CbxRasChange, CbxModuleChange, RbtGraasNeeClick,
    //   SpeMelklevChange, SpeDrijfBouwChange; then pages 0..6 checked without messages.
    //   It completes the VRE of its stock rows by the cell editor on the ash column.
    // The order matters: CbxModuleChange decides the animal group, the module pages and
    // which controls are shown, which the later handlers read; the page checks come last
    // because a check skips a hidden control; and the maize areas are set after the arable
    // classes, whose handler (SpeOppBouwLChange) overwrites them.

    // Page 0 "Common "
    void SpeJaartalChange();
    void EdtNaamChange();
    void CbxEvaluatieChange();

    // Page 1 "Company/farm   "
    void SpeMelklevChange();
    void SpeDrijfMkChange();
    void SpeDrijfKaChange();
    void SpeDrijfPiChange();
    void SpenKalfChange();
    void SpenPinkChange();
    void CbxRasChange();
    void SpeMndWeidBMkChange();
    void SpeMndWeidOMkChange();
    void SpeMndZstvBMkChange();
    void SpeMndZstvOMkChange();
    void SpeMndWeidBKaChange();
    void SpeUurWeidBMkChange();
    void SpeUurWeidBKaChange();
    void SpeOppGrasLChange();
    void SpeOppBouwLChange();
    void SpeOppGrasChange();
    void SpeOppBouwChange();
    void SpeLftJvAanExit();
    void SpeLftJvAfvExit();
    // The layouts and shown figures that follow the animal group, the module and the year.
    void ToonVeestapel();
    void ToonDrijfmest();
    void ToonBeweidingEnAreaal();
    void ToonMaandenWeiden();
    void ToonForfaitaireExcretie();
    // The year of the calculation as a whole number (the year edit's minimum when empty).
    int Jaar() const;

    // Page 2 "Other grazing animals "
    void SpeGraas1Change(int categorie);
    void BerekenGraasdieren();
    void RbtGraasNeeClick();

    // Page 6 "Input BEA  "
    void RbtMstafvStandClick();
    // Sender: the edit that changed (the slurry edits of page 6 or the P-removal edits of
    // page 7); nullptr stands for SpeDrijfBouw.
    void SpeDrijfBouwChange(NumEdit* Sender = nullptr);
    void SpeKasBouwChange();
    void CbxTypeStalChange();
    void SpeMethGras1Change();
    void SpeMethGras2Change();
    void SpeMethGras3Change();
    void SpeMethBouw1Change();
    void SpeMethBouw2Change();
    void SpeMethBouw3Change();

    // Page 7 "Input BEP  "
    void SpeOppMaisHChange();

private:
    // Binds the handlers above to their controls.
    void KoppelInvoerPaginas();
    // The user's own change of a month edit: page 1 is checked and the month totals speak.
    void MaandGewijzigd();
    // Keeps the three shares of one land use at 100 % after share i (0..2) changed.
    void VerdeelMethoden(const std::array<NumEdit*, 3>& m, int i);
    // Shows or hides a control together with the caption the page table gives it.
    void ZetZichtbaar(QWidget* w, bool zichtbaar);
    // Puts a control into another row of its group.
    void ZetInRij(QWidget* w, int rij);
    // Whether the month totals of page 1 may speak in a silent check.
    bool fMaandMeldingen = false;
    // Set while the shares of one land use are written back.
    bool fMethodenBezig = false;

public:
    // --- end of the input pages' handlers ---

    // --- Stock pages 3..5 (VoorraadPaginas.cpp) ---
    // The stock grids' part of a module change: headings, columns and companions by
    // module, folding.
    void VoorraadModuleWijziging();
    // Builds stock page 3, 4 or 5 (stock moment 1..3) on the content of its scroll box.
    void BouwVoorraadPagina(int moment, QWidget* inhoud);

    // Empties the batch rows, folds the grid and redoes its layout.
    void InitStringGrid(TVoorraadGrid* grid);
    // Folds the grid as its fold button does.
    void InklappenStringGrid(TVoorraadGrid* grid);
    // Columns, headings and size by feed kind, module and fold state.
    void SetOmvangStringGrid(TVoorraadGrid* grid);
    // Copies the texts of columns 1..8 of every batch row.
    void KopieerGrid(const TVoorraadGrid* bron, TVoorraadGrid* doel);
    // The totals under the grid, and for silage the best silage and the purchased share.
    void BerekenVoorraadGrid(TVoorraadGrid* grid);
    // Closes up the filled rows at the top; each row's type and purchase flag move with it.
    void BewaarGridRegels(TVoorraadGrid* grid);
    // Recomputes a row as if cell (ACol, ARow) had been edited: the RE/N partner (emptied
    // when Value is empty), the row's VRE, the totals and the checks. Never writes Value.
    void GrdBeginGkSetEditText(TVoorraadGrid* grid, int ACol, int ARow, const QString& Value);
    // Leaving a grid: its check with messages.
    void GrdBeginGkExit(TVoorraadGrid* grid);
    // The selected column's hint.
    void GrdBeginGkSelectCell(TVoorraadGrid* grid, int ACol, int ARow);
    // The grid check against the feed-value limits: sets GridOK[pagina][kind] and
    // TabbladOK[pagina] from the five grid flags. Returns whether the grid is valid.
    bool ControleerGrid(int pagina, TVoorraadGrid* grid, bool Meldingen);
    // The buttons by their names (clear, copy) and by identity (expand, fold).
    void BtnBeginGkClick(QObject* Sender);
    void BtnCopyBeginGkClick(QObject* Sender);
    void BtnUitklappenClick(QObject* Sender);
    void BtnInklappenClick(QObject* Sender);
    // A row's wet-by-product choice and purchase box.
    void CbxBeginNat0Change(QComboBox* Sender);
    void ChkAanlegGkClick(QCheckBox* Sender);
    // Sets the purchase boxes from the purchase flags and recomputes the silage grids.
    void ZetVinkjes();
    // Shows NatProductNr[moment][row] in its row's list (17, the totals line, as "Total").
    void ToonNatProduct(int moment, int rij);

    // Stock grids [moment 1..3][kind 1..5]; GrdBeginGk .. GrdEindMp.
    TArray<TArray<TVoorraadGrid*, 1, 5>, 1, 3> VoorraadGrids{};
    // Total labels [moment][kind][field 1..7: Hoev, Vem, Re, N, P, Ras, Vre]; Ras only for
    // kinds 1 and 2 (nullptr elsewhere). The calculation driver reads these.
    TArray<TArray<TArray<QLabel*, 1, 7>, 1, 5>, 1, 3> LblTotaal{};
    // Best grass silage of the stock increase [field 2..7]: LblAanlegGkVemMax .. VreMax.
    TArray<QLabel*, 2, 7> LblAanlegGkMax{};
    StaticText* SttBesteKuil = nullptr;
    // Purchased share [moment][kind 1..2][field 1 Hoev, 2 Vem, 3 Re, 5 P]; Vem and Re only
    // on the stock increase (nullptr elsewhere, and always for field 4).
    TArray<TArray<TArray<QLabel*, 1, 5>, 1, 2>, 1, 3> LblAankoop{};
    std::vector<QWidget*> SttAankoop;
    // Buttons and explanation links [moment][kind].
    TArray<TArray<QToolButton*, 1, 5>, 1, 3> BtnWissen{}, BtnKopie{}, BtnUitklappen{}, BtnInklappen{};
    TArray<TArray<StaticText*, 1, 5>, 1, 3> SttToelichting{};
    // Row companions: wet-by-product lists [moment][row 1..20], purchase boxes
    // [moment][kind 1..2][row 1..15] (maize silage rows 1..10).
    TArray<TArray<QComboBox*, 1, 20>, 1, 3> CbxNat{};
    TArray<TArray<TArray<QCheckBox*, 1, 15>, 1, 2>, 1, 3> ChkAankoop{};

    // The wet by-product (1..17, 0 = not chosen) of each row of the kind-3 grids.
    TArray<TArray<int, 1, 20>, 1, 3> NatProductNr{};
    // Purchase flags per moment [group 1..3][row 1..20]: group 1 grass silage, 2 maize
    // silage, 3 unused.
    using TAankoopVlaggen = TArray<TArray<bool, 1, 20>, 1, 3>;
    TAankoopVlaggen AankoopBegin{}, AankoopAanleg{}, AankoopEind{};
    TAankoopVlaggen& Aankoop(int moment);
    // Scratch table [column 1..8][row 1..20] of the row compaction (and the farm file).
    TArray<TArray<QString, 1, 20>, 1, 8> GridBlok{};
    // Result of the last check of each grid [page 3..5][kind 1..5].
    TArray<TArray<bool, 1, 5>, 3, 5> GridOK{};

private:
    // What the user typed into a cell: refused when it is no valid entry, then as
    // GrdBeginGkSetEditText.
    void VoorraadCelGetypt(TVoorraadGrid* grid, int kolom, int rij, QString tekst);
    void VoorraadCelBewerkt(TVoorraadGrid* grid, int kolom, int rij, bool leeg);
    void VouwGrid(TVoorraadGrid* grid, bool inklappen);
    void PasGridGrootteAan(TVoorraadGrid* grid);
    void ZetMetgezellenZichtbaar();
    void GridVerlaten(QWidget* nieuw);
    // The stock grid that had the focus last within this window.
    QPointer<TVoorraadGrid> fGridMetFocus;
    // The receiver of the stock pages' connections: it goes before the window's widgets
    // do, so no signal of a dying grid reaches a half-destroyed window.
    QObject fVoorraadKoppelingen;

public:
    // --- end of the stock pages ---

    // --- Calculation driver, page navigation and result pages (Berekening.cpp,
    // ResultaatPaginas.cpp) ---

    // Calculates when every input page is valid (or a batch runs): fills the input record
    // from the controls and the stock totals, runs the model under the wait cursor with the
    // page control disabled, shows the model's error, and keeps both records. False when
    // the gate stopped it: nothing changed. An error while the record is filled (a total
    // that is no number) leaves it here, with the kept records unchanged.
    bool Bereken();
    // The model's code for the text of a list item; an unknown text is shown in an error
    // box and passed on unchanged.
    QString TekstNaarCode(const QString& Text);
    // The records of the last calculation that passed the gate: the result pages, the
    // report, the dump and the batch output read these.
    TTvInvoer Invoer{};
    TTvUitvoer Uitvoer{};
    // The model the driver calls: Bedrijf's calculation unless replaced (tests count the
    // calls or make it fail here).
    std::function<void(const TTvInvoer&, TTvUitvoer&)> Rekenmodel;

    // The page control's Tag := the page now active (the page a change will leave).
    void TabTarvolingraderChanging();
    // After a change of page. Sender: the page control (the user chose a tab), an OK
    // button (its page is left) or anything else (code: the page now active is gone to).
    void TabTarvolingraderChange(QObject* Sender);
    // The OK button of an input page: checks the page with messages and goes on to the
    // next page whose tab is shown.
    void BtnSheet0Click(QObject* Sender);
    // Makes a page active as code does: no rules, no checks, no calculation.
    void ZetActievePagina(int pagina);
    // Copies the kept results into the labels of result page 9..13.
    void VulResultaatPagina(int pagina);
    void VulResultBEX();
    void VulResultBEA();
    void VulResultBEP();
    void VulResultBEN();
    void VulAnalyse();

private:
    void VulInvoer(TTvInvoer& in);
    // Builds result page 9..13 on the content of its scroll box.
    void BouwResultaatPagina(int pagina, QWidget* inhoud);
    void KoppelNavigatie();
    // Set while a change of page is being settled.
    bool fNavigeren = false;

public:
    // --- end of the calculation driver, navigation and result pages ---

    // --- Page checks ---
    // Runs the checks of input page 0..8, sets TabbladOK[pagina] and repaints its tab;
    // other page numbers do nothing. Messages appear only when asked for.
    void ControleerPagina(int pagina, bool Meldingen);
    // All input pages valid; the pages of modules that are off count as valid.
    bool AllesGoed() const;
    // The lowest input page that is not valid (pages of modules that are off excepted),
    // 9 when all are.
    int EersteFoutePagina() const;
    // Whether an input page takes part: pages 6, 7, 8 only with their module.
    bool PaginaTelt(int pagina) const;
    // The check items of each input page, in order.
    std::array<std::vector<TControleItem>, 9> Controles;

    // --- State ---
    // The current farm file's full name; empty for a new farm.
    QString BestandNaam;
    // Set by a successful save (and the answer No at closing), cleared by a new farm.
    bool Opgeslagen = false;
    // Set by the user's own edits only, cleared by a save, a read or a new farm.
    bool Gewijzigd = false;
    std::unique_ptr<TBedrijf> Bedrijf;
    QString IniBestand;
    QString LogoBestand;
    bool BezigMetInlezen = false;
    QString Diercategorie;
    int BestandVersie = 0;
    std::array<bool, 9> TabbladOK{};
    bool ModuleBEX = false;
    bool ModuleBEA = false;
    bool ModuleBEP = false;
    bool ModuleBEN = false;
    TInfoBoxGegevens InfoBox;

    // --- Window, menu and tool bar ---
    TPaginaControle* TabTarvolingrader = nullptr;
    std::array<QWidget*, 14> TabSheets{};       // TabSheet1 .. TabSheet14 by page index
    std::array<QScrollArea*, 14> ScrollBoxen{}; // GrpAlgemeen .. GrpAnalyse by page index
    std::array<QPushButton*, 9> BtnSheet{};     // BtnSheet0 .. BtnSheet8
    QScrollArea *GrpAlgemeen, *GrpBedrijf, *GrpGraasdieren, *GrpVoorraadBegin, *GrpVoorraadAanleg,
        *GrpVoorraadEind, *GrpInvoerBEA, *GrpInvoerBEP, *GrpInvoerBEN, *GrpResultBEX, *GrpResultBEA,
        *GrpResultBEP, *GrpResultBEN, *GrpAnalyse;
    QLabel* ImgBedrijf = nullptr;
    QToolBar* PnlSpeedbar = nullptr;
    QStatusBar* PnlStatusBar = nullptr;
    QMenu *MitBestand, *MitGebruik, *MitHelp;
    QAction *MitNieuw, *MitOpenen, *MitOpslaan, *MitOpslaanals, *MitDump, *MitVerzenden, *MitInvoerbestand,
        *MitN2, *MitPrinterInstelling, *MitAfdrukvoorbeeld, *MitAfdrukken, *MitN3, *MitAfsluiten;
    QAction *VersieControle1, *Bedrijfslogo1, *Separator1;
    QAction *Website1, *Handleiding, *MitProduktondersteuning, *MitProduktOndersteuningTonen, *MitInfo;
    QToolButton *BtnNieuw, *BtnOpenen, *BtnOpslaan, *BtnVersturen, *BtnDump, *BtnAfdrukvoorbeeld,
        *BtnAfdrukken, *BtnProduktOndersteuning, *BtnHandleiding;

    // --- Page 0 "Common " ---
    QComboBox* CbxModule;
    NumEdit* SpeJaartal;
    QLineEdit *EdtOmschrijving, *EdtNaam, *EdtStraat, *EdtPlaats;
    QComboBox* CbxEvaluatie;
    QLabel* LblEvaluatie;
    NumEdit* SpeVemdekking;
    StaticText* SttVemdekking;

    // --- Page 1 "Company/farm   " ---
    NumEdit *SpenKoe, *SpenKalf, *SpenPink, *SpeLftJvAan, *SpeLftJvAfv;
    StaticText *SttnKoe, *SttnKalf, *SttnPink, *SttRas, *SttLftJvAan, *SttLftJvAfv;
    QComboBox* CbxRas;
    NumEdit *SpeDrijfMk, *SpeDrijfKa, *SpeDrijfPi;
    StaticText *SttDrijfMk, *SttDrijfKa, *SttDrijfPi, *ToelDrijfKa, *ToelDrijfPi;
    QGroupBox* GrpMelk;
    NumEdit *SpeMelklev, *SpeVet, *SpeEiwit, *SpeUreum;
    QLabel* LblMelkprod;
    std::array<StaticText*, 5> SttSysteem{}; // SttSysteem1 .. SttSysteem4
    NumEdit *SpeMndWeidBMk, *SpeMndWeidOMk, *SpeMndZstvBMk, *SpeMndZstvOMk, *SpeUurWeidBMk, *SpeUurWeidOMk;
    NumEdit *SpeMndWeidBKa, *SpeMndWeidOKa, *SpeMndWeidBPi, *SpeMndWeidOPi;
    NumEdit *SpeUurWeidBKa, *SpeUurWeidOKa, *SpeUurWeidBPi, *SpeUurWeidOPi;
    StaticText *SttTotWeiden, *SttBeweidToel;
    QLabel* LblMndWeiden;
    NumEdit *SpeOppGras, *SpeOppGrasH, *SpeOppGrasN, *SpeOppGrasL;
    NumEdit *SpeOppBouw, *SpeOppBouwH, *SpeOppBouwN, *SpeOppBouwL;
    StaticText *SttFosfaatG1, *SttFosfaatG2, *SttFosfaatG3, *SttFosfaatB1, *SttFosfaatB2, *SttFosfaatB3;
    QLabel *LblOppGras, *LblOppBouw;
    StaticText *SttExcretieMK, *SttExcretieN, *SttExcretieP;
    QLabel *LblExcretieN1, *LblExcretieN2, *LblExcretieN3, *LblExcretieP1, *LblExcretieP2, *LblExcretieP3;

    // --- Page 2 "Other grazing animals ": rows by category 1..13 ---
    QGroupBox* PnlGraas;
    QRadioButton *RbtGraasNee, *RbtGraasJa;
    std::array<QLabel*, 14> LblGraas{};
    std::array<NumEdit*, 14> SpeGraas{};
    std::array<QFrame*, 14> PnlGraasCat{};          // PnlGraas1 .. PnlGraas13
    std::array<QRadioButton*, 14> RbtGraasNeeCat{}; // RbtGraasNee1 .. RbtGraasNee13
    std::array<QRadioButton*, 14> RbtGraasJaCat{};  // RbtGraasJa1 .. RbtGraasJa13
    // [category][column 1..4]: the labels with Tag 10 x category + column.
    std::array<std::array<QLabel*, 5>, 14> LblGraasExc{};
    QLabel *LblnGraas, *LblExcretieGraas3, *LblExcretieGraas4, *LblExcretieGraasGem3, *LblExcretieGraasGem4;

    // --- Page 6 "Input BEA  " ---
    QRadioButton *RbtMstafvStand, *RbtMstafvOpg;
    NumEdit *SpeDrijfAfv, *SpeDrijfAan, *SpeDrijfMais, *SpeDrijfBouw;
    NumEdit *SpeUreumBouw, *SpeUreumGras, *SpeKasBouw, *SpeKasGras;
    StaticText* SttKunstmest;
    NumEdit *SpeMethGras1, *SpeMethGras2, *SpeMethGras3, *SpeMethBouw1, *SpeMethBouw2, *SpeMethBouw3;
    QComboBox* CbxTypeStal;

    // --- Page 7 "Input BEP  " ---
    QLabel *LblOppBouwHBEP, *LblOppBouwNBEP, *LblOppBouwLBEP;
    NumEdit *SpeOppMaisH, *SpeOppMaisN, *SpeOppMaisL;
    NumEdit *SpeAfvoerVgHoev, *SpeAfvoerVgP, *SpeAfvoerGkHoev, *SpeAfvoerGkP, *SpeAfvoerSmHoev, *SpeAfvoerSmP;
    QLabel *LblJaar2, *LblJaar1;
    NumEdit *SpeBEPnormGk2, *SpeBEPnormGk1, *SpeBEPnormSm2, *SpeBEPnormSm1;

    // --- Page 8 "Input BEN  " ---
    QComboBox *CbxMaisGrond, *CbxGrasGrond, *CbxMaisGttrap, *CbxGrasGttrap;
    NumEdit *SpeToedNKmMais, *SpeMestVoor1jan, *SpeMestVoor31dec, *SpeMestNgeh1jan, *SpeMestNgeh31dec;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void BouwMenu();
    void BouwWerkbalk();
    void BouwPaginas();
    void BouwBesturingen(int pagina, QWidget* inhoud);
    // The order of Tab and Enter through a page built from the tables on inhoud.
    void ZetTabVolgorde(int pagina, QWidget* inhoud);
    // Scrolls the control that took the focus into view on its page.
    void HoudFocusInBeeld(QWidget* nieuw);
    void Koppel();
    // Gives every control of the tables whose reset step is stap its starting value.
    void ZetBeginwaarden(TResetStap stap);
    void ZetBeginwaarde(const TBesturingDef& def, TResetStap stap);
    // Empties every value label of the result and analysis pages.
    void LeegResultaatLabels();

    // The stock pages: the reset of their fifteen grids, their total labels and, at
    // creation, their per-row companions and best-silage labels. Filled by the stock grids.
    void InitVoorraadGrids();
    // The check items of the stock pages 3..5 and of the other input pages.
    void MaakControlesVoorraad();
    void MaakControlesInvoer();
    bool ControleerItem(const TControleItem& item, bool Meldingen, bool TotNuGoed);
    void InitVoorraadLabels();
    void MaakVoorraadBesturingen();

    // A handler for connect(): runs f inside the guard.
    template <typename F> auto Slot(F f) {
        return [this, f] { Bewaak(f); };
    }
    // The same for a handler that runs inside a widget's own event.
    template <typename F> auto SlotNaAfloop(F f) {
        return [this, f] { BewaakNaAfloop(f); };
    }

    TOmgeving fOmgeving;
    std::unique_ptr<TUitgesteldeBerichten> fMeldingen;
    mutable QHash<QString, QPointer<QWidget>> fNaamCache;
    // The receiver of the focus connection; it goes before the window's widgets do.
    QObject fFocusKoppeling;
};

// The main window, reachable by its name as every window of the program.
extern TFrmHoofdFormulier* FrmHoofdFormulier;
