// The stock pages 3..5: the fifteen stock grids, their total labels and companions, the
// cell editor and the grid buttons.
#include "Tarvolingrade_u.h"

#include "Getallen.h"
#include "NatteProducten.h"
#include "StaticText.h"
#include "VoorraadGrid.h"
#include "VoorraadRekenen.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

namespace {
const std::array<const char*, 4> kMoment = {"", "Begin", "Aanleg", "Eind"};
const std::array<const char*, 6> kSoort = {"", "Gk", "Sm", "Nat", "Kv", "Mp"};
const std::array<const char*, 8> kVeld = {"", "Hoev", "Vem", "Re", "N", "P", "Ras", "Vre"};
const std::array<const char*, 6> kSoortOpschrift = {"",
                                                    "Grass silage, hay",
                                                    "Maize silage",
                                                    "Other roughage, residuals",
                                                    "Concentrates, mineral mixtures",
                                                    "Milk powder"};
// Column headings of the kinds 1-3 (per kg dry matter) and 4-5 (per kg product).
const std::array<const char*, kGridKolommen> kKoppenDs = {"",
                                                          "Description",
                                                          "Kg DM",
                                                          "Vem/kg DM (energy)",
                                                          "g CP/kg DM",
                                                          "g N/kg DM",
                                                          "g P/kg DM",
                                                          "g CA/kg DM (ash)",
                                                          "g Vre/kg DM (ferm. protein)"};
const std::array<const char*, kGridKolommen> kKoppenProduct = {"",
                                                               "Description",
                                                               "Kg",
                                                               "Vem/kg (Net energy)",
                                                               "g Crude protein/kg",
                                                               "g N/kg",
                                                               "g P/kg",
                                                               "g crude ash/kg",
                                                               "g Vre/kg (fermental protein)"};
const char* const kKopSoortNat = "Description              Feed type";
const char* const kKopAankoop = "       Purchase";
const char* const kAankoopHint =
    "Standard \u2018purchase\u2019 is checked. This can be changed. Do this carefully!";
// Width of a row's wet-by-product list, at the right of the description cell.
constexpr int kBreedteNatLijst = 122;

QString T(const char* s) {
    return QString::fromUtf8(s);
}
QString M(int moment) {
    return T(kMoment[static_cast<std::size_t>(moment)]);
}
QString S(int soort) {
    return T(kSoort[static_cast<std::size_t>(soort)]);
}
QString GridNaam(int moment, int soort) {
    if (moment == mBegin && soort == kMP) return QStringLiteral("GrdbeginMp");
    return QStringLiteral("Grd") + M(moment) + S(soort);
}
QString TotaalNaam(int moment, int soort, int veld) {
    if (moment == mBegin && soort == kKV && veld == 1) return QStringLiteral("LblBeginKVHoev");
    return QStringLiteral("Lbl") + M(moment) + S(soort) + T(kVeld[static_cast<std::size_t>(veld)]);
}
bool Kuil(int soort) {
    return soort == kGK || soort == kSM;
}
} // namespace

TFrmHoofdFormulier::TAankoopVlaggen& TFrmHoofdFormulier::Aankoop(int moment) {
    switch (moment) {
    case mBegin:
        return AankoopBegin;
    case mAanleg:
        return AankoopAanleg;
    case mEind:
        return AankoopEind;
    default:
        throw std::out_of_range("stock moment " + std::to_string(moment));
    }
}

// ---------------------------------------------------------------------------------------
// Building the pages

void TFrmHoofdFormulier::BouwVoorraadPagina(int moment, QWidget* inhoud) {
    auto* pagina = new QVBoxLayout(inhoud);
    pagina->setContentsMargins(8, 8, 8, 8);
    pagina->setSpacing(2);
    if (moment == mAanleg) {
        pagina->addWidget(new StaticText(
            QStringLiteral("Attention: selling silage should be filled in as a negatieve amount"), inhoud));
        pagina->addSpacing(6);
    }

    const auto knop = [&](const QString& naam, const QString& tekst) {
        auto* b = new QToolButton(inhoud);
        b->setObjectName(naam);
        b->setText(tekst);
        return b;
    };
    // A row of labels under the grid's columns from the amount column on: the caption takes
    // the width of the batch and description columns.
    const auto labelRij = [&](TVoorraadGrid* grid, QWidget* opschrift, int inspringen) {
        auto* rij = new QHBoxLayout;
        rij->setSpacing(0);
        opschrift->setFixedWidth(grid->frameWidth() + TVoorraadGrid::kBreedteBatch +
                                 TVoorraadGrid::kBreedteOmschrijving + inspringen);
        rij->addWidget(opschrift);
        pagina->addLayout(rij);
        return rij;
    };
    const auto waardeLabel = [&](const QString& naam, int tag) {
        auto* l = new QLabel(QStringLiteral("0"), inhoud);
        l->setObjectName(naam);
        if (tag) l->setProperty("tag", tag);
        l->setFixedWidth(TVoorraadGrid::kBreedteGetal);
        l->setIndent(3);
        return l;
    };

    for (int k = kGK; k <= kMP; ++k) {
        auto* grid = new TVoorraadGrid(moment, k, inhoud);
        grid->setObjectName(GridNaam(moment, k));
        VoorraadGrids[moment][k] = grid;
        // Both run inside the grid's own events: a keystroke in the cell editor, a click.
        grid->BijTypen = [this, grid](int kolom, int rij, const QString& tekst) {
            BewaakNaAfloop([&] { VoorraadCelGetypt(grid, kolom, rij, tekst); });
        };
        connect(grid, &QTableWidget::currentCellChanged, &fVoorraadKoppelingen,
                [this, grid](int rij, int kolom, int, int) {
                    BewaakNaAfloop([&] { GrdBeginGkSelectCell(grid, kolom, rij + 1); });
                });

        // Heading line: the kind, clear, copy, explanation, expand and fold.
        auto* kop = new QHBoxLayout;
        kop->setSpacing(6);
        auto* titel = new StaticText(T(kSoortOpschrift[static_cast<std::size_t>(k)]), inhoud);
        QFont vet = titel->font();
        vet.setBold(true);
        titel->setFont(vet);
        titel->setMinimumWidth(TVoorraadGrid::kBreedteBatch + TVoorraadGrid::kBreedteOmschrijving);
        kop->addWidget(titel);

        QToolButton* wis = knop(QStringLiteral("Btn") + M(moment) + S(k), QStringLiteral("Clear"));
        BtnWissen[moment][k] = wis;
        connect(wis, &QToolButton::clicked, &fVoorraadKoppelingen,
                Slot([this, wis] { BtnBeginGkClick(wis); }));
        kop->addWidget(wis);

        QToolButton* kopie = knop(QStringLiteral("BtnCopy") + M(moment) + S(k), QStringLiteral("Copy"));
        static const std::array<const char*, 4> kBron = {
            "", "Copy the closing stock", "Copy the starting stock", "Copy the stock increase"};
        kopie->setToolTip(T(kBron[static_cast<std::size_t>(moment)]));
        BtnKopie[moment][k] = kopie;
        connect(kopie, &QToolButton::clicked, &fVoorraadKoppelingen,
                Slot([this, kopie] { BtnCopyBeginGkClick(kopie); }));
        kop->addWidget(kopie);

        // The explanation of the stock kind; it stays disabled until the support library
        // links it to its help window.
        auto* toelichting = new StaticText(QStringLiteral("Explanation"), inhoud);
        toelichting->setObjectName(QStringLiteral("Stt") + M(moment) + S(k));
        toelichting->setLink(true);
        toelichting->setEnabled(false);
        SttToelichting[moment][k] = toelichting;
        kop->addWidget(toelichting);

        QToolButton* uit = knop(QStringLiteral("BtnUitklappen") + M(moment) + S(k), QString());
        uit->setArrowType(Qt::DownArrow);
        uit->setToolTip(QStringLiteral("Expand"));
        QToolButton* in = knop(QStringLiteral("BtnInklappen") + M(moment) + S(k), QString());
        in->setArrowType(Qt::UpArrow);
        in->setToolTip(QStringLiteral("Folding"));
        auto* paar = new QButtonGroup(inhoud);
        for (QToolButton* b : {uit, in}) {
            b->setCheckable(true);
            b->setProperty("tag", k);
            paar->addButton(b);
            kop->addWidget(b);
        }
        uit->setProperty("rol", QStringLiteral("Uitklappen"));
        in->setProperty("rol", QStringLiteral("Inklappen"));
        in->setChecked(true);
        BtnUitklappen[moment][k] = uit;
        BtnInklappen[moment][k] = in;
        connect(uit, &QToolButton::clicked, &fVoorraadKoppelingen,
                Slot([this, uit] { BtnUitklappenClick(uit); }));
        connect(in, &QToolButton::clicked, &fVoorraadKoppelingen,
                Slot([this, in] { BtnInklappenClick(in); }));
        kop->addStretch(1);
        pagina->addLayout(kop);
        pagina->addWidget(grid, 0, Qt::AlignLeft);

        // Row companions.
        if (k == kNAT) {
            QStringList namen;
            for (int i = kNatEerste; i <= kNatOverig; ++i)
                namen << QString::fromUtf8(NatProductKorteNaam[i].data(),
                                           static_cast<qsizetype>(NatProductKorteNaam[i].size()));
            for (int n = 1; n <= BatchRegels(k); ++n) {
                auto* lijst = new QComboBox;
                lijst->setObjectName(QStringLiteral("Cbx") + M(moment) + QStringLiteral("Nat") +
                                     QString::number(n));
                lijst->setProperty("tag", 100 * moment + n);
                lijst->addItems(namen);
                lijst->setCurrentIndex(-1);
                lijst->setFocusPolicy(Qt::StrongFocus);
                auto* metgezel = new TRijMetgezel(lijst, kKolOmschrijving, kBreedteNatLijst);
                metgezel->ZetZichtbaar(false);
                grid->ZetMetgezel(n, metgezel);
                CbxNat[moment][n] = lijst;
                connect(lijst, &QComboBox::activated, &fVoorraadKoppelingen,
                        Slot([this, lijst] { CbxBeginNat0Change(lijst); }));
            }
        }
        if (Kuil(k)) {
            for (int n = 1; n <= BatchRegels(k); ++n) {
                auto* vak = new QCheckBox;
                vak->setObjectName(QStringLiteral("Chk") + M(moment) + S(k) + QString::number(n));
                vak->setProperty("tag", 100 * k + n);
                vak->setToolTip(T(kAankoopHint));
                auto* metgezel = new TRijMetgezel(vak, kKolBatch, 0);
                metgezel->ZetZichtbaar(false);
                grid->ZetMetgezel(n, metgezel);
                ChkAankoop[moment][k][n] = vak;
                connect(vak, &QCheckBox::clicked, &fVoorraadKoppelingen,
                        Slot([this, vak] { ChkAanlegGkClick(vak); }));
            }
        }

        // Totals.
        QHBoxLayout* totaal = labelRij(grid, new StaticText(QStringLiteral("Total"), inhoud), 0);
        for (int f = 1; f <= 7; ++f) {
            if (f == 6 && !Kuil(k)) continue;
            QLabel* l = waardeLabel(TotaalNaam(moment, k, f), 10 * k + f);
            LblTotaal[moment][k][f] = l;
            totaal->addWidget(l);
        }
        totaal->addStretch(1);

        // Best grass silage of the stock increase.
        if (moment == mAanleg && k == kGK) {
            SttBesteKuil = new StaticText(QStringLiteral("High feeding value silage"), inhoud);
            SttBesteKuil->setObjectName(QStringLiteral("SttBesteKuil"));
            QHBoxLayout* beste = labelRij(grid, SttBesteKuil, TVoorraadGrid::kBreedteGetal);
            for (int f = 2; f <= 7; ++f) {
                QLabel* l = waardeLabel(QStringLiteral("LblAanlegGk") +
                                            T(kVeld[static_cast<std::size_t>(f)]) + QStringLiteral("Max"),
                                        0);
                LblAanlegGkMax[f] = l;
                beste->addWidget(l);
            }
            LblAanlegGkMax[7]->setVisible(false);
            beste->addStretch(1);
        }

        // Purchased share of the silage.
        if (Kuil(k)) {
            auto* opschrift = new StaticText(QStringLiteral("Purchased"), inhoud);
            SttAankoop.push_back(opschrift);
            QHBoxLayout* aankoop = labelRij(grid, opschrift, 0);
            for (int f = 1; f <= 5; ++f) {
                const bool heeft = f == 1 || f == 5 || (moment == mAanleg && (f == 2 || f == 3));
                if (!heeft) {
                    aankoop->addSpacing(TVoorraadGrid::kBreedteGetal);
                    continue;
                }
                QLabel* l = waardeLabel(QStringLiteral("Lbl") + M(moment) + QStringLiteral("Ak") + S(k) +
                                            T(kVeld[static_cast<std::size_t>(f)]),
                                        0);
                LblAankoop[moment][k][f] = l;
                aankoop->addWidget(l);
            }
            aankoop->addStretch(1);
        }
        pagina->addSpacing(10);
        SetOmvangStringGrid(grid);
    }
    pagina->addStretch(1);
}

// Creation steps of the stock pages: the best-silage labels shown, the companions by
// module, and leaving a grid watched.
void TFrmHoofdFormulier::MaakVoorraadBesturingen() {
    SttBesteKuil->setVisible(true);
    for (int f = 2; f <= 5; ++f)
        LblAanlegGkMax[f]->setVisible(true);
    LblAanlegGkMax[6]->setVisible(ModuleBEA);
    ZetMetgezellenZichtbaar();
    // The focus moves inside another widget's event (a click, a key, a page that hides).
    connect(qApp, &QApplication::focusChanged, &fVoorraadKoppelingen,
            [this](QWidget*, QWidget* nieuw) { BewaakNaAfloop([&] { GridVerlaten(nieuw); }); });
}

void TFrmHoofdFormulier::GridVerlaten(QWidget* nieuw) {
    // Focus that goes to another window (a message box) does not leave the grid. The grid
    // that had the focus last is remembered: when the focus comes back from another window
    // onto a control outside it, the grid has been left all the same.
    if (!nieuw || nieuw->window() != this) return;
    TVoorraadGrid* nu = nullptr;
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kMP; ++k) {
            TVoorraadGrid* grid = VoorraadGrids[m][k];
            if (grid == nieuw || grid->isAncestorOf(nieuw)) nu = grid;
        }
    const QPointer<TVoorraadGrid> vorig = std::exchange(fGridMetFocus, nu);
    if (vorig && vorig != nu) GrdBeginGkExit(vorig);
}

// ---------------------------------------------------------------------------------------
// Reset and module

void TFrmHoofdFormulier::InitVoorraadGrids() {
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kMP; ++k)
            InitStringGrid(VoorraadGrids[m][k]);
    // A new farm has no by-product types and no purchased silage.
    for (int m = mBegin; m <= mEind; ++m) {
        for (int r = 1; r <= 20; ++r) {
            NatProductNr[m][r] = 0;
            ToonNatProduct(m, r);
        }
        Aankoop(m) = TAankoopVlaggen{};
        for (int k = kGK; k <= kSM; ++k)
            for (int r = 1; r <= BatchRegels(k); ++r)
                ChkAankoop[m][k][r]->setChecked(false);
    }
}

void TFrmHoofdFormulier::InitVoorraadLabels() {
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kMP; ++k) {
            for (int f = 1; f <= 7; ++f)
                if (QLabel* l = LblTotaal[m][k][f]) {
                    l->setText(QStringLiteral("0"));
                    if (f == 7) l->setVisible(false);
                }
            if (Kuil(k))
                for (int f = 1; f <= 5; ++f)
                    if (QLabel* l = LblAankoop[m][k][f]) l->setText(QStringLiteral("0"));
        }
    // The best silage of the previous farm must not outlive the reset.
    for (int f = 2; f <= 7; ++f)
        LblAanlegGkMax[f]->setText(QStringLiteral("0"));
}

void TFrmHoofdFormulier::VoorraadModuleWijziging() {
    for (int m = mBegin; m <= mEind; ++m)
        InklappenStringGrid(VoorraadGrids[m][kNAT]);
    InklappenStringGrid(VoorraadGrids[mAanleg][kGK]);
    InklappenStringGrid(VoorraadGrids[mAanleg][kSM]);
    for (int m = mBegin; m <= mEind; ++m) {
        for (int k = kGK; k <= kMP; ++k)
            SetOmvangStringGrid(VoorraadGrids[m][k]);
        LblTotaal[m][kGK][6]->setVisible(ModuleBEA);
        LblTotaal[m][kSM][6]->setVisible(ModuleBEA);
        for (int k = kGK; k <= kSM; ++k)
            for (int f = 1; f <= 5; ++f)
                if (QLabel* l = LblAankoop[m][k][f]) l->setVisible(ModuleBEP);
    }
    for (QWidget* w : SttAankoop)
        w->setVisible(ModuleBEP);
    ZetMetgezellenZichtbaar();
    LblAanlegGkMax[6]->setVisible(ModuleBEA);
}

void TFrmHoofdFormulier::ZetMetgezellenZichtbaar() {
    // A companion of a row scrolled out of view is clipped by its grid, so its own
    // visibility is just the module's.
    for (int m = mBegin; m <= mEind; ++m) {
        for (int r = 1; r <= BatchRegels(kNAT); ++r)
            static_cast<TRijMetgezel*>(CbxNat[m][r]->parentWidget())->ZetZichtbaar(ModuleBEA);
        for (int k = kGK; k <= kSM; ++k)
            for (int r = 1; r <= BatchRegels(k); ++r)
                static_cast<TRijMetgezel*>(ChkAankoop[m][k][r]->parentWidget())->ZetZichtbaar(ModuleBEP);
    }
}

// ---------------------------------------------------------------------------------------
// Grid routines

void TFrmHoofdFormulier::InitStringGrid(TVoorraadGrid* grid) {
    InklappenStringGrid(grid);
    grid->SluitEditor();
    for (int r = 1; r < grid->RowCount(); ++r)
        for (int c = kKolOmschrijving; c < grid->ColCount(); ++c)
            grid->SetCells(c, r, QString());
    grid->clearSelection();
    grid->setCurrentCell(-1, -1);
    SetOmvangStringGrid(grid);
}

void TFrmHoofdFormulier::InklappenStringGrid(TVoorraadGrid* grid) {
    // The fold button of the grid, found by its role.
    QToolButton* knop = BtnInklappen[grid->Moment()][grid->Soort()];
    if (!knop || knop->property("rol").toString() != QLatin1String("Inklappen")) return;
    knop->setChecked(true);
    BtnInklappenClick(knop);
}

void TFrmHoofdFormulier::SetOmvangStringGrid(TVoorraadGrid* grid) {
    const int k = grid->Soort();
    grid->setColumnHidden(kKolRas, !(Kuil(k) && ModuleBEA));
    grid->setColumnHidden(kKolVre, true);
    grid->setColumnWidth(kKolBatch, TVoorraadGrid::kBreedteBatch);
    grid->setColumnWidth(kKolOmschrijving, TVoorraadGrid::kBreedteOmschrijving);
    for (int c = kKolHoev; c < kGridKolommen; ++c)
        grid->setColumnWidth(c, TVoorraadGrid::kBreedteGetal);

    const auto& koppen = k <= kNAT ? kKoppenDs : kKoppenProduct;
    for (int c = kKolOmschrijving; c < kGridKolommen; ++c)
        grid->SetCells(c, 0, T(koppen[static_cast<std::size_t>(c)]));
    if (k == kNAT && ModuleBEA) grid->SetCells(kKolOmschrijving, 0, T(kKopSoortNat));
    if (Kuil(k))
        grid->SetCells(kKolBatch, 0, ModuleBEP ? T(kKopAankoop) : QString());
    else if (k == kNAT)
        grid->SetCells(kKolBatch, 0, QString());
    for (int r = 1; r < grid->RowCount(); ++r)
        grid->SetCells(kKolBatch, r, QStringLiteral("Batch ") + QString::number(r));
    PasGridGrootteAan(grid);
}

void TFrmHoofdFormulier::PasGridGrootteAan(TVoorraadGrid* grid) {
    int breedte = 0;
    for (int c = 0; c < kGridKolommen; ++c)
        if (!grid->isColumnHidden(c)) breedte += grid->columnWidth(c);
    // Folded: the heading and three batch rows (silage) or two, with a scroll bar.
    const bool in = grid->Ingeklapt;
    const int rijen = in ? (Kuil(grid->Soort()) ? 3 : 2) : grid->rowCount();
    const int schuif = in ? grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid) : 0;
    grid->setVerticalScrollBarPolicy(in ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int rand = 2 * grid->frameWidth();
    grid->setFixedSize(rand + breedte + schuif, rand + grid->KopHoogte() + grid->RegelHoogte() * rijen);
}

void TFrmHoofdFormulier::KopieerGrid(const TVoorraadGrid* bron, TVoorraadGrid* doel) {
    doel->SluitEditor();
    const int rijen = std::min(bron->RowCount(), doel->RowCount());
    const int kolommen = std::min(bron->ColCount(), doel->ColCount());
    for (int r = 1; r < rijen; ++r)
        for (int c = kKolOmschrijving; c < kolommen; ++c)
            doel->SetCells(c, r, bron->Cells(c, r));
}

void TFrmHoofdFormulier::BerekenVoorraadGrid(TVoorraadGrid* grid) {
    const int m = grid->Moment();
    const int k = grid->Soort();
    const TVelden totaal = BerekenGemiddelden(*grid);
    for (int f = 1; f <= 7; ++f)
        if (QLabel* l = LblTotaal[m][k][f]) l->setText(VeldTekst(f, totaal[static_cast<std::size_t>(f)]));

    if (m == mAanleg && k == kGK) {
        const auto beste = BesteKuil(*grid);
        for (int f = 2; f <= 7; ++f)
            LblAanlegGkMax[f]->setText(beste ? VeldTekst(f, (*beste)[static_cast<std::size_t>(f)])
                                             : LblTotaal[m][k][f]->text());
    }

    if (Kuil(k)) {
        const auto& vlaggen = Aankoop(m)[k];
        const TVelden gekocht =
            BerekenGemiddelden(*grid, [&vlaggen](int r) { return r >= 1 && r <= 20 && vlaggen[r]; });
        const auto zet = [&](int veld, const char* patroon) {
            if (QLabel* l = LblAankoop[m][k][veld])
                l->setText(
                    QString::fromStdString(FormatFloat(patroon, gekocht[static_cast<std::size_t>(veld)])));
        };
        zet(1, "0");
        zet(5, "0.00");
        if (m == mAanleg) {
            zet(2, "0.0");
            zet(3, "0.0");
        }
    }
}

void TFrmHoofdFormulier::BewaarGridRegels(TVoorraadGrid* grid) {
    grid->SluitEditor();
    const int n = grid->RowCount() - 1;
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 20; ++r)
            GridBlok[c][r].clear();
    // The filled rows in their order, then the empty ones: where each row goes.
    std::vector<int> volgorde;
    std::vector<int> leeg;
    for (int r = 1; r <= n; ++r) {
        const QString hoev = grid->Cells(kKolHoev, r);
        if (!grid->Cells(kKolOmschrijving, r).isEmpty() || (!hoev.isEmpty() && hoev != QLatin1String("0"))) {
            volgorde.push_back(r);
            for (int c = 1; c <= 8; ++c)
                GridBlok[c][static_cast<int>(volgorde.size())] = grid->Cells(c, r).left(100);
        } else {
            leeg.push_back(r);
        }
    }
    const int gevuld = static_cast<int>(volgorde.size());
    volgorde.insert(volgorde.end(), leeg.begin(), leeg.end());
    const bool verschoven = !std::is_sorted(volgorde.begin(), volgorde.end());
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= 8; ++c)
            grid->SetCells(c, r, r <= gevuld ? GridBlok[c][r] : QString());

    // Each row's type and purchase flag go where the row went.
    const int m = grid->Moment();
    const int k = grid->Soort();
    if (k == kNAT) {
        const auto oud = NatProductNr[m];
        for (int r = 1; r <= n; ++r) {
            NatProductNr[m][r] = oud[volgorde[static_cast<std::size_t>(r - 1)]];
            ToonNatProduct(m, r);
        }
    }
    if (Kuil(k)) {
        auto& vlaggen = Aankoop(m)[k];
        const auto oud = vlaggen;
        for (int r = 1; r <= n; ++r) {
            vlaggen[r] = oud[volgorde[static_cast<std::size_t>(r - 1)]];
            ChkAankoop[m][k][r]->setChecked(vlaggen[r]);
        }
    }
    if (verschoven) BerekenVoorraadGrid(grid);
}

void TFrmHoofdFormulier::ToonNatProduct(int moment, int rij) {
    QComboBox* lijst = CbxNat[moment][rij];
    const int nr = NatProductNr[moment][rij];
    lijst->setPlaceholderText(nr == kNatTotaal ? QStringLiteral("Total") : QString());
    lijst->setCurrentIndex(nr >= kNatEerste && nr <= kNatOverig ? nr - 1 : -1);
}

void TFrmHoofdFormulier::ZetVinkjes() {
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kSM; ++k) {
            for (int r = 1; r <= BatchRegels(k); ++r)
                ChkAankoop[m][k][r]->setChecked(Aankoop(m)[k][r]);
            BerekenVoorraadGrid(VoorraadGrids[m][k]);
        }
}

// ---------------------------------------------------------------------------------------
// Cell editor

void TFrmHoofdFormulier::VoorraadCelGetypt(TVoorraadGrid* grid, int kolom, int rij, QString tekst) {
    const QString oud = grid->Cells(kolom, rij);
    grid->SetCells(kolom, rij, tekst);
    if (!CelTekstToegestaan(kolom, tekst)) {
        // Shortening a text that was already no number (read from a file) is let through,
        // so that it can be erased; anything else that is no number is refused.
        const bool wistOngeldig = tekst.size() < oud.size() && !CelTekstToegestaan(kolom, oud);
        if (!wistOngeldig) {
            QLineEdit* editor = grid->Editor();
            const int cursor = editor ? editor->cursorPosition() - int(tekst.size() - oud.size()) : 0;
            grid->SetCells(kolom, rij, oud);
            if (editor) editor->setCursorPosition(std::clamp(cursor, 0, int(oud.size())));
            const QString getypt = tekst;
            tekst = oud;
            Berichten().Fout(getypt + QStringLiteral(" is geen geldige waarde"));
        }
    }
    VoorraadCelBewerkt(grid, kolom, rij, tekst.isEmpty());
}

void TFrmHoofdFormulier::GrdBeginGkSetEditText(TVoorraadGrid* grid, int ACol, int ARow,
                                               const QString& Value) {
    if (ARow < 1 || ARow >= grid->RowCount() || ACol < 0 || ACol >= grid->ColCount()) return;
    VoorraadCelBewerkt(grid, ACol, ARow, Value.isEmpty());
}

void TFrmHoofdFormulier::VoorraadCelBewerkt(TVoorraadGrid* grid, int kolom, int rij, bool leeg) {
    const int k = grid->Soort();
    const long double f = ReFactor(k);
    // RE and N follow each other.
    if (kolom == kKolRe) {
        if (leeg)
            grid->SetCells(kKolN, rij, QString());
        else if (const auto re = CelGetal(grid->Cells(kKolRe, rij)))
            grid->SetCells(kKolN, rij, QString::fromStdString(FormatFloat("0.00", *re / f)));
    } else if (kolom == kKolN) {
        if (leeg)
            grid->SetCells(kKolRe, rij, QString());
        else if (const auto n = CelGetal(grid->Cells(kKolN, rij)))
            grid->SetCells(kKolRe, rij, QString::fromStdString(FormatFloat("0.0", *n * f)));
    }

    if (!grid->Cells(kKolHoev, rij).isEmpty()) {
        const auto waarde = [&](int c) {
            return static_cast<float>(CelGetal(grid->Cells(c, rij)).value_or(0.0));
        };
        const float re = waarde(kKolRe);
        const float ras = waarde(kKolRas);
        float vre = 0;
        switch (k) {
        case kGK:
            vre = VRE_Gk(re, ras);
            break;
        case kSM:
            vre = VRE_Sm(re, ras);
            break;
        case kNAT: {
            // A row whose type was never chosen counts as "Overig".
            const int nr = NatProductNr[grid->Moment()][rij];
            vre = VRE_Nt(nr == 0 ? kNatOverig : nr, re);
            break;
        }
        case kKV:
            vre = VRE_Kv(re);
            break;
        default:
            vre = VRE_Mp(re);
            break;
        }
        grid->SetCells(kKolVre, rij, QString::fromStdString(FormatFloat("0", vre)));
    }

    BerekenVoorraadGrid(grid);
    ControleerGrid(grid->Pagina(), grid, false);
    // The grid flags alone leave out the row types and the silage stock.
    ControleerPagina(grid->Pagina(), false);
}

void TFrmHoofdFormulier::GrdBeginGkExit(TVoorraadGrid* grid) {
    grid->clearSelection();
    grid->setCurrentCell(-1, -1);
    ControleerGrid(grid->Pagina(), grid, true);
    ControleerPagina(grid->Pagina(), false);
}

// ---------------------------------------------------------------------------------------
// Buttons and companions

void TFrmHoofdFormulier::BtnBeginGkClick(QObject* Sender) {
    const QString naam = Sender ? Sender->objectName() : QString();
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kMP; ++k)
            if (BtnWissen[m][k]->objectName() == naam) {
                TVoorraadGrid* grid = VoorraadGrids[m][k];
                InitStringGrid(grid);
                BerekenVoorraadGrid(grid);
                ControleerPagina(grid->Pagina(), false);
                return;
            }
    Berichten().Fout(QStringLiteral("Unknown button :") + naam);
}

void TFrmHoofdFormulier::BtnCopyBeginGkClick(QObject* Sender) {
    const QString naam = Sender ? Sender->objectName() : QString();
    // Opening stock from the closing stock, stock increase from the opening stock,
    // closing stock from the stock increase.
    static constexpr std::array<int, 4> kBron = {0, mEind, mBegin, mAanleg};
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kMP; ++k)
            if (BtnKopie[m][k]->objectName() == naam) {
                TVoorraadGrid* grid = VoorraadGrids[m][k];
                KopieerGrid(VoorraadGrids[kBron[static_cast<std::size_t>(m)]][k], grid);
                BerekenVoorraadGrid(grid);
                ControleerPagina(grid->Pagina(), false);
                return;
            }
    Berichten().Fout(QStringLiteral("Onbekende button :") + naam);
}

void TFrmHoofdFormulier::BtnUitklappenClick(QObject* Sender) {
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kMP; ++k)
            if (BtnUitklappen[m][k] == Sender) VouwGrid(VoorraadGrids[m][k], false);
}

void TFrmHoofdFormulier::BtnInklappenClick(QObject* Sender) {
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kMP; ++k)
            if (BtnInklappen[m][k] == Sender) VouwGrid(VoorraadGrids[m][k], true);
}

void TFrmHoofdFormulier::VouwGrid(TVoorraadGrid* grid, bool inklappen) {
    BewaarGridRegels(grid);
    grid->Ingeklapt = inklappen;
    PasGridGrootteAan(grid);
    grid->scrollToTop();
    ZetMetgezellenZichtbaar();
}

void TFrmHoofdFormulier::CbxBeginNat0Change(QComboBox* Sender) {
    const int tag = Sender->property("tag").toInt();
    const int m = tag / 100;
    const int rij = tag % 100;
    NatProductNr[m][rij] = NatProductUitTekst(Sender->currentText());
    Sender->setPlaceholderText(QString());
    // Recomputes the row's VRE and the totals; the text "0" is written nowhere.
    GrdBeginGkSetEditText(VoorraadGrids[m][kNAT], kKolRas, rij, QStringLiteral("0"));
}

void TFrmHoofdFormulier::ChkAanlegGkClick(QCheckBox* Sender) {
    const int tag = Sender->property("tag").toInt();
    const int groep = tag / 100;
    const int rij = tag % 100;
    for (int m = mBegin; m <= mEind; ++m)
        if (ScrollBoxen[static_cast<std::size_t>(m) + 2]->isAncestorOf(Sender)) {
            Aankoop(m)[groep][rij] = Sender->isChecked();
            BerekenVoorraadGrid(VoorraadGrids[m][groep]);
        }
}
