#include "Tarvolingrade_u.h"

#include "Bedrijf_u.h"
#include "HeleGetallen.h"
#include "IniBestand.h"
#include "NumEdit.h"
#include "Paginas.h"
#include "Startup.h"
#include "StaticText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>

TFrmHoofdFormulier* FrmHoofdFormulier = nullptr;

namespace {
const QString kSectieGebruik = QStringLiteral("Gebruik");
const QString kSectieBedrijf = QStringLiteral("Farm/company");

// A farm logo larger than this is shown scaled down (keeping its proportions), so that a
// photograph cannot push the pages out of the fixed window.
constexpr int kLogoMaxBreedte = 400;
constexpr int kLogoMaxHoogte = 80;

// Room kept around a control scrolled into view, in pixels.
constexpr int kFocusMarge = 8;

QString Tekst(const char* s) {
    return QString::fromUtf8(s);
}

template <typename T> T* Vind(const QObject* ouder, const QString& naam) {
    T* w = ouder->findChild<T*>(naam);
    if (!w) throw std::logic_error("Control missing in the window: " + naam.toStdString());
    return w;
}
} // namespace

#define KOPPEL(naam) naam = Vind<std::remove_pointer_t<decltype(naam)>>(this, QStringLiteral(#naam))

TFrmHoofdFormulier::TFrmHoofdFormulier(TOmgeving omgeving, QWidget* parent)
    : QMainWindow(parent), fOmgeving(std::move(omgeving)) {
    if (!fOmgeving.Berichten) fOmgeving.Berichten = std::make_shared<TQtBerichten>();
    if (!fOmgeving.Dialogen) fOmgeving.Dialogen = std::make_shared<TQtBestandDialogen>();
    if (!fOmgeving.Klok) fOmgeving.Klok = std::make_shared<TSysteemKlok>();
    fMeldingen = std::make_unique<TUitgesteldeBerichten>([this] { return fOmgeving.Berichten; });
    Afsluiten = [] { QCoreApplication::quit(); };
    InitBronnen();
    setObjectName(QStringLiteral("FrmHoofdFormulier"));

    BouwMenu();
    BouwWerkbalk();
    BouwPaginas();
    Koppel();
    MaakControlesInvoer();
    MaakControlesVoorraad();

    PnlStatusBar = new QStatusBar(this);
    PnlStatusBar->setObjectName(QStringLiteral("PnlStatusBar"));
    setStatusBar(PnlStatusBar);

    const int menuHoogte = menuBar()->sizeHint().height();
    setFixedSize(943, 646 + menuHoogte);
    if (const QScreen* scherm = QGuiApplication::primaryScreen())
        move(scherm->availableGeometry().center() - rect().center());

    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, &fFocusKoppeling,
            [this](QWidget*, QWidget* nieuw) { HoudFocusInBeeld(nieuw); });
    FormCreate();
}

TFrmHoofdFormulier::~TFrmHoofdFormulier() {
    if (qApp) qApp->removeEventFilter(this);
    // The controls go after this window's own parts: what they report on their way out
    // (the focus leaving an edit, pages removed from the page control) reaches no handler.
    for (QObject* o : findChildren<QObject*>())
        o->blockSignals(true);
    if (FrmHoofdFormulier == this) FrmHoofdFormulier = nullptr;
}

// ---------------------------------------------------------------------------------------
// Building the window from the tables

void TFrmHoofdFormulier::BouwMenu() {
    menuBar()->setObjectName(QStringLiteral("MnuHoofdmenu"));
    for (const auto& hm : HoofdMenus()) {
        QMenu* menu = menuBar()->addMenu(Tekst(hm.Opschrift));
        menu->setObjectName(Tekst(hm.Naam));
        menu->setToolTipsVisible(true);
        for (const auto& item : MenuItems()) {
            if (QLatin1String(item.Menu) != QLatin1String(hm.Naam)) continue;
            QAction* actie = nullptr;
            if (QLatin1String(item.Opschrift) == QLatin1String("-")) {
                actie = menu->addSeparator();
            } else {
                actie = menu->addAction(Tekst(item.Opschrift));
                if (*item.Sneltoets) actie->setShortcut(QKeySequence(Tekst(item.Sneltoets)));
                if (*item.Hint) {
                    actie->setToolTip(KorteHint(item.Hint));
                    actie->setStatusTip(LangeHint(item.Hint));
                }
                actie->setCheckable(item.Afvinkbaar);
                actie->setChecked(item.Aangevinkt);
                actie->setEnabled(item.Actief);
            }
            actie->setObjectName(Tekst(item.Naam));
            actie->setVisible(item.Zichtbaar);
        }
    }
    MitBestand = Vind<QMenu>(this, QStringLiteral("MitBestand"));
    MitGebruik = Vind<QMenu>(this, QStringLiteral("MitGebruik"));
    MitHelp = Vind<QMenu>(this, QStringLiteral("MitHelp"));
    KOPPEL(MitNieuw);
    KOPPEL(MitOpenen);
    KOPPEL(MitOpslaan);
    KOPPEL(MitOpslaanals);
    KOPPEL(MitDump);
    KOPPEL(MitVerzenden);
    KOPPEL(MitInvoerbestand);
    KOPPEL(MitN2);
    KOPPEL(MitPrinterInstelling);
    KOPPEL(MitAfdrukvoorbeeld);
    KOPPEL(MitAfdrukken);
    KOPPEL(MitN3);
    KOPPEL(MitAfsluiten);
    KOPPEL(VersieControle1);
    KOPPEL(Bedrijfslogo1);
    KOPPEL(Separator1);
    KOPPEL(Website1);
    KOPPEL(Handleiding);
    KOPPEL(MitProduktondersteuning);
    KOPPEL(MitProduktOndersteuningTonen);
    KOPPEL(MitInfo);

    connect(MitAfsluiten, &QAction::triggered, this, Slot([this] { close(); }));
    connect(Bedrijfslogo1, &QAction::triggered, this, Slot([this] { Bedrijfslogo1Click(); }));
}

void TFrmHoofdFormulier::BouwWerkbalk() {
    PnlSpeedbar = new QToolBar(this);
    PnlSpeedbar->setObjectName(QStringLiteral("PnlSpeedbar"));
    PnlSpeedbar->setMovable(false);
    PnlSpeedbar->setFloatable(false);
    PnlSpeedbar->setFixedHeight(30);
    PnlSpeedbar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, PnlSpeedbar);

    const auto icoon = [this](const QString& naam) -> QIcon {
        QStyle::StandardPixmap sp = QStyle::SP_FileIcon;
        QString thema;
        if (naam == QLatin1String("BtnNieuw")) {
            sp = QStyle::SP_FileIcon;
            thema = QStringLiteral("document-new");
        } else if (naam == QLatin1String("BtnOpenen")) {
            sp = QStyle::SP_DialogOpenButton;
            thema = QStringLiteral("document-open");
        } else if (naam == QLatin1String("BtnOpslaan")) {
            sp = QStyle::SP_DialogSaveButton;
            thema = QStringLiteral("document-save");
        } else if (naam == QLatin1String("BtnVersturen")) {
            sp = QStyle::SP_ArrowForward;
            thema = QStringLiteral("mail-send");
        } else if (naam == QLatin1String("BtnDump")) {
            sp = QStyle::SP_FileDialogListView;
            thema = QStringLiteral("document-export");
        } else if (naam == QLatin1String("BtnAfdrukvoorbeeld")) {
            sp = QStyle::SP_FileDialogContentsView;
            thema = QStringLiteral("document-print-preview");
        } else if (naam == QLatin1String("BtnAfdrukken")) {
            sp = QStyle::SP_FileDialogDetailedView;
            thema = QStringLiteral("document-print");
        } else if (naam == QLatin1String("BtnProduktOndersteuning")) {
            sp = QStyle::SP_MessageBoxInformation;
            thema = QStringLiteral("help-about");
        } else if (naam == QLatin1String("BtnHandleiding")) {
            sp = QStyle::SP_DialogHelpButton;
            thema = QStringLiteral("help-contents");
        }
        return QIcon::fromTheme(thema, style()->standardIcon(sp));
    };

    for (const auto& k : Werkbalk()) {
        QAction* actie = Vind<QAction>(this, Tekst(k.Actie));
        auto* knop = new QToolButton(PnlSpeedbar);
        const QString naam = Tekst(k.Naam);
        knop->setObjectName(naam);
        knop->setIcon(icoon(naam));
        knop->setToolTip(KorteHint(k.Hint));
        knop->setStatusTip(LangeHint(k.Hint));
        knop->setAutoRaise(true);
        knop->setEnabled(actie->isEnabled());
        PnlSpeedbar->addWidget(knop);
        connect(knop, &QToolButton::clicked, actie, [actie] {
            if (actie->isEnabled()) actie->trigger();
        });
        // The button follows its command: greyed until the command works.
        connect(actie, &QAction::changed, knop, [knop, actie] { knop->setEnabled(actie->isEnabled()); });
    }
    KOPPEL(BtnNieuw);
    KOPPEL(BtnOpenen);
    KOPPEL(BtnOpslaan);
    KOPPEL(BtnVersturen);
    KOPPEL(BtnDump);
    KOPPEL(BtnAfdrukvoorbeeld);
    KOPPEL(BtnAfdrukken);
    KOPPEL(BtnProduktOndersteuning);
    KOPPEL(BtnHandleiding);
}

void TFrmHoofdFormulier::BouwPaginas() {
    auto* centraal = new QWidget(this);
    auto* l = new QVBoxLayout(centraal);
    l->setContentsMargins(4, 2, 4, 4);
    l->setSpacing(2);

    ImgBedrijf = new QLabel(centraal);
    ImgBedrijf->setObjectName(QStringLiteral("ImgBedrijf"));
    ImgBedrijf->setScaledContents(true);
    const QPixmap logo(QStringLiteral(":/images/bedrijfslogo.png"));
    ImgBedrijf->setPixmap(logo);
    ImgBedrijf->setFixedSize(logo.size());
    l->addWidget(ImgBedrijf, 0, Qt::AlignLeft);

    TabTarvolingrader = new TPaginaControle(centraal);
    TabTarvolingrader->setObjectName(QStringLiteral("TabTarvolingrader"));
    TabTarvolingrader->TabBalk()->Kleur = [this](int pagina) { return TabKleur(pagina, TabbladOK); };
    l->addWidget(TabTarvolingrader, 1);
    setCentralWidget(centraal);

    for (int p = 0; p < kAantalPaginas; ++p) {
        const TPaginaDef& def = Paginas()[static_cast<std::size_t>(p)];
        auto* sheet = new QWidget;
        sheet->setObjectName(Tekst(def.Sheet));
        auto* sl = new QVBoxLayout(sheet);
        sl->setContentsMargins(0, 0, 0, 0);
        sl->setSpacing(0);

        auto* scroll = new QScrollArea(sheet);
        scroll->setObjectName(Tekst(def.ScrollBox));
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        auto* inhoud = new QWidget;
        inhoud->setObjectName(Tekst(def.ScrollBox) + QStringLiteral("Inhoud"));
        BouwBesturingen(p, inhoud);
        if (p >= 3 && p <= 5) BouwVoorraadPagina(p - 2, inhoud);
        if (p >= 9) BouwResultaatPagina(p, inhoud);
        scroll->setWidget(inhoud);
        sl->addWidget(scroll, 1);

        if (def.Soort == TPaginaSoort::Invoer) {
            auto* knopRij = new QHBoxLayout;
            knopRij->setContentsMargins(8, 4, 16, 6);
            knopRij->addStretch();
            auto* knop = new QPushButton(QStringLiteral("OK"), sheet);
            knop->setObjectName(QStringLiteral("BtnSheet") + QString::number(p));
            knop->setProperty("tag", p);
            knopRij->addWidget(knop);
            sl->addLayout(knopRij);
            BtnSheet[static_cast<std::size_t>(p)] = knop;
        }
        TabTarvolingrader->addTab(sheet, Tekst(def.Opschrift));
        TabSheets[static_cast<std::size_t>(p)] = sheet;
        ScrollBoxen[static_cast<std::size_t>(p)] = scroll;
    }
}

void TFrmHoofdFormulier::BouwBesturingen(int pagina, QWidget* inhoud) {
    // Pages without a table are built by their own code, which sets the layout.
    bool heeftGroepen = false;
    for (const auto& g : Groepen())
        heeftGroepen = heeftGroepen || g.Pagina == pagina;
    if (!heeftGroepen) return;

    // The groups of a page stand in columns, each column from the top down.
    auto* kolommen = new QHBoxLayout(inhoud);
    kolommen->setContentsMargins(8, 8, 8, 8);
    kolommen->setSpacing(12);
    std::map<int, QVBoxLayout*> kolom;
    std::map<QString, QGridLayout*> grids;
    std::vector<const TGroepDef*> boven;
    for (const auto& g : Groepen())
        if (g.Pagina == pagina && !*g.Binnen) boven.push_back(&g);
    std::stable_sort(boven.begin(), boven.end(),
                     [](const TGroepDef* a, const TGroepDef* b) { return a->Rij < b->Rij; });
    const auto maakGroep = [&](const TGroepDef& g, QWidget* ouder) {
        QWidget* box = nullptr;
        if (g.Paneel)
            box = new QFrame(ouder);
        else
            box = new QGroupBox(Tekst(g.Opschrift), ouder);
        box->setObjectName(Tekst(g.Naam));
        auto* grid = new QGridLayout(box);
        if (g.Paneel) grid->setContentsMargins(0, 0, 0, 0);
        grids[box->objectName()] = grid;
        return box;
    };
    for (const TGroepDef* g : boven) {
        QVBoxLayout*& k = kolom[g->Kolom];
        if (!k) {
            k = new QVBoxLayout;
            k->setSpacing(8);
        }
        k->addWidget(maakGroep(*g, inhoud));
    }
    for (auto& [nr, k] : kolom) {
        k->addStretch(1);
        kolommen->addLayout(k);
    }
    kolommen->addStretch(1);
    // Panels inside a group, in the cell the table gives them.
    for (const auto& g : Groepen()) {
        if (g.Pagina != pagina || !*g.Binnen) continue;
        QGridLayout* ouderGrid = grids.at(Tekst(g.Binnen));
        ouderGrid->addWidget(maakGroep(g, ouderGrid->parentWidget()), g.Rij, g.Kolom);
    }

    for (const auto& def : PaginaBesturingen(pagina)) {
        const auto gevonden = grids.find(Tekst(def.Groep));
        if (gevonden == grids.end())
            throw std::logic_error(std::string("No group for the control ") + def.Naam);
        QGridLayout* grid = gevonden->second;
        QWidget* ouder = grid->parentWidget();
        QWidget* w = nullptr;
        switch (def.Soort) {
        case TSoort::Lbl: {
            auto* l = new QLabel(Tekst(def.Standaard), ouder);
            l->setMinimumWidth(50);
            w = l;
            break;
        }
        case TSoort::Stt:
        case TSoort::Link: {
            auto* s = new StaticText(Tekst(def.Opschrift), ouder);
            s->setLink(def.Soort == TSoort::Link);
            w = s;
            break;
        }
        case TSoort::Edt: {
            auto* e = new QLineEdit(Tekst(def.Standaard), ouder);
            e->setMinimumWidth(260);
            w = e;
            break;
        }
        case TSoort::Spe: {
            auto* e = new NumEdit(ouder);
            e->setRange(def.Min, def.Max);
            e->setDecimals(def.Decimalen);
            e->setSingleStep(def.Stap);
            if (*def.Standaard) e->setValue(QString::fromLatin1(def.Standaard).toDouble());
            w = e;
            break;
        }
        case TSoort::Cbx: {
            auto* c = new QComboBox(ouder);
            c->setEditable(false);
            c->addItems(Keuzes(def));
            c->setCurrentIndex(QString::fromLatin1(def.Standaard).toInt());
            w = c;
            break;
        }
        case TSoort::Rbt: {
            auto* r = new QRadioButton(Tekst(def.Opschrift), ouder);
            r->setChecked(QLatin1String(def.Standaard) == QLatin1String("1"));
            w = r;
            break;
        }
        case TSoort::Chk: {
            auto* c = new QCheckBox(Tekst(def.Opschrift), ouder);
            c->setChecked(QLatin1String(def.Standaard) == QLatin1String("1"));
            w = c;
            break;
        }
        }
        if (*def.Naam) w->setObjectName(Tekst(def.Naam));
        if (*def.Hint) w->setToolTip(Tekst(def.Hint));
        if (def.Tag != 0) w->setProperty("tag", def.Tag);
        w->setEnabled(def.Ingeschakeld);

        const bool eigenTekst = def.Soort == TSoort::Stt || def.Soort == TSoort::Link ||
                                def.Soort == TSoort::Rbt || def.Soort == TSoort::Chk;
        QLabel* opschrift = nullptr;
        if (!eigenTekst && *def.Opschrift) {
            const QString naam = Tekst(def.OpschriftNaam);
            if (naam.startsWith(QLatin1String("Lbl")))
                opschrift = new QLabel(Tekst(def.Opschrift), ouder);
            else
                opschrift = new StaticText(Tekst(def.Opschrift), ouder);
            opschrift->setObjectName(naam);
            grid->addWidget(opschrift, def.Rij, 0);
        }
        grid->addWidget(w, def.Rij, def.Kolom, Qt::AlignLeft | Qt::AlignVCenter);
        if (!def.Zichtbaar) {
            w->setVisible(false);
            if (opschrift) opschrift->setVisible(false);
        }
    }
    // Controls keep their natural width; the free space goes to the right.
    for (auto& [naam, grid] : grids)
        grid->setColumnStretch(grid->columnCount(), 1);
    ZetTabVolgorde(pagina, inhoud);
}

void TFrmHoofdFormulier::ZetTabVolgorde(int pagina, QWidget* inhoud) {
    // Enter and Tab go through a page as it is drawn: the groups column by column, each
    // column from the top down; within a group row by row, along a row from left to right
    // (the months and hours of grazing in pairs), a panel in its cell of the group.
    struct TPlek {
        int Rij;
        int Kolom;
        QWidget* Besturing;
        const TGroepDef* Groep;
    };
    std::vector<QWidget*> volgorde;
    const std::function<void(const QString&)> voegToe = [&](const QString& groep) {
        std::vector<TPlek> plekken;
        for (const auto& def : PaginaBesturingen(pagina))
            if (*def.Naam && Tekst(def.Groep) == groep)
                if (auto* w = inhoud->findChild<QWidget*>(Tekst(def.Naam)))
                    plekken.push_back({def.Rij, def.Kolom, w, nullptr});
        for (const auto& g : Groepen())
            if (g.Pagina == pagina && Tekst(g.Binnen) == groep)
                plekken.push_back({g.Rij, g.Kolom, nullptr, &g});
        std::stable_sort(plekken.begin(), plekken.end(), [](const TPlek& a, const TPlek& b) {
            return std::pair(a.Rij, a.Kolom) < std::pair(b.Rij, b.Kolom);
        });
        for (const TPlek& p : plekken)
            if (p.Besturing)
                volgorde.push_back(p.Besturing);
            else
                voegToe(Tekst(p.Groep->Naam));
    };
    std::vector<const TGroepDef*> boven;
    for (const auto& g : Groepen())
        if (g.Pagina == pagina && !*g.Binnen) boven.push_back(&g);
    std::stable_sort(boven.begin(), boven.end(), [](const TGroepDef* a, const TGroepDef* b) {
        return std::pair(a->Kolom, a->Rij) < std::pair(b->Kolom, b->Rij);
    });
    for (const TGroepDef* g : boven)
        voegToe(Tekst(g->Naam));

    QWidget* vorige = nullptr;
    for (QWidget* w : volgorde) {
        if (!(w->focusPolicy() & Qt::TabFocus)) continue;
        if (vorige) QWidget::setTabOrder(vorige, w);
        vorige = w;
    }
}

void TFrmHoofdFormulier::HoudFocusInBeeld(QWidget* nieuw) {
    // A control that takes the focus is scrolled into view on its page; one higher than
    // the page (an opened stock grid) keeps where the user put it.
    if (!nieuw || nieuw->window() != this) return;
    for (QScrollArea* box : ScrollBoxen) {
        if (!box || !box->widget() || !box->widget()->isAncestorOf(nieuw)) continue;
        if (nieuw->height() + 2 * kFocusMarge <= box->viewport()->height())
            box->ensureWidgetVisible(nieuw, kFocusMarge, kFocusMarge);
        return;
    }
}

void TFrmHoofdFormulier::Koppel() {
    GrpAlgemeen = ScrollBoxen[0];
    GrpBedrijf = ScrollBoxen[1];
    GrpGraasdieren = ScrollBoxen[2];
    GrpVoorraadBegin = ScrollBoxen[3];
    GrpVoorraadAanleg = ScrollBoxen[4];
    GrpVoorraadEind = ScrollBoxen[5];
    GrpInvoerBEA = ScrollBoxen[6];
    GrpInvoerBEP = ScrollBoxen[7];
    GrpInvoerBEN = ScrollBoxen[8];
    GrpResultBEX = ScrollBoxen[9];
    GrpResultBEA = ScrollBoxen[10];
    GrpResultBEP = ScrollBoxen[11];
    GrpResultBEN = ScrollBoxen[12];
    GrpAnalyse = ScrollBoxen[13];

    KOPPEL(CbxModule);
    KOPPEL(SpeJaartal);
    KOPPEL(EdtOmschrijving);
    KOPPEL(EdtNaam);
    KOPPEL(EdtStraat);
    KOPPEL(EdtPlaats);
    KOPPEL(CbxEvaluatie);
    KOPPEL(LblEvaluatie);
    KOPPEL(SpeVemdekking);
    KOPPEL(SttVemdekking);

    KOPPEL(SpenKoe);
    KOPPEL(SpenKalf);
    KOPPEL(SpenPink);
    KOPPEL(SpeLftJvAan);
    KOPPEL(SpeLftJvAfv);
    KOPPEL(SttnKoe);
    KOPPEL(SttnKalf);
    KOPPEL(SttnPink);
    KOPPEL(SttRas);
    KOPPEL(SttLftJvAan);
    KOPPEL(SttLftJvAfv);
    KOPPEL(CbxRas);
    KOPPEL(SpeDrijfMk);
    KOPPEL(SpeDrijfKa);
    KOPPEL(SpeDrijfPi);
    KOPPEL(SttDrijfMk);
    KOPPEL(SttDrijfKa);
    KOPPEL(SttDrijfPi);
    KOPPEL(ToelDrijfKa);
    KOPPEL(ToelDrijfPi);
    KOPPEL(GrpMelk);
    KOPPEL(SpeMelklev);
    KOPPEL(SpeVet);
    KOPPEL(SpeEiwit);
    KOPPEL(SpeUreum);
    KOPPEL(LblMelkprod);
    for (int i = 1; i <= 4; ++i)
        SttSysteem[static_cast<std::size_t>(i)] =
            Vind<StaticText>(this, QStringLiteral("SttSysteem") + QString::number(i));
    KOPPEL(SpeMndWeidBMk);
    KOPPEL(SpeMndWeidOMk);
    KOPPEL(SpeMndZstvBMk);
    KOPPEL(SpeMndZstvOMk);
    KOPPEL(SpeUurWeidBMk);
    KOPPEL(SpeUurWeidOMk);
    KOPPEL(SpeMndWeidBKa);
    KOPPEL(SpeMndWeidOKa);
    KOPPEL(SpeMndWeidBPi);
    KOPPEL(SpeMndWeidOPi);
    KOPPEL(SpeUurWeidBKa);
    KOPPEL(SpeUurWeidOKa);
    KOPPEL(SpeUurWeidBPi);
    KOPPEL(SpeUurWeidOPi);
    KOPPEL(SttTotWeiden);
    KOPPEL(SttBeweidToel);
    KOPPEL(LblMndWeiden);
    KOPPEL(SpeOppGras);
    KOPPEL(SpeOppGrasH);
    KOPPEL(SpeOppGrasN);
    KOPPEL(SpeOppGrasL);
    KOPPEL(SpeOppBouw);
    KOPPEL(SpeOppBouwH);
    KOPPEL(SpeOppBouwN);
    KOPPEL(SpeOppBouwL);
    KOPPEL(SttFosfaatG1);
    KOPPEL(SttFosfaatG2);
    KOPPEL(SttFosfaatG3);
    KOPPEL(SttFosfaatB1);
    KOPPEL(SttFosfaatB2);
    KOPPEL(SttFosfaatB3);
    KOPPEL(LblOppGras);
    KOPPEL(LblOppBouw);
    KOPPEL(SttExcretieMK);
    KOPPEL(SttExcretieN);
    KOPPEL(SttExcretieP);
    KOPPEL(LblExcretieN1);
    KOPPEL(LblExcretieN2);
    KOPPEL(LblExcretieN3);
    KOPPEL(LblExcretieP1);
    KOPPEL(LblExcretieP2);
    KOPPEL(LblExcretieP3);

    KOPPEL(PnlGraas);
    KOPPEL(RbtGraasNee);
    KOPPEL(RbtGraasJa);
    for (std::size_t i = 1; i <= 13; ++i) {
        const QString n = QString::number(i);
        LblGraas[i] = Vind<QLabel>(this, QStringLiteral("LblGraas") + n);
        SpeGraas[i] = Vind<NumEdit>(this, QStringLiteral("SpeGraas") + n);
        PnlGraasCat[i] = Vind<QFrame>(this, QStringLiteral("PnlGraas") + n);
        RbtGraasNeeCat[i] = Vind<QRadioButton>(this, QStringLiteral("RbtGraasNee") + n);
        RbtGraasJaCat[i] = Vind<QRadioButton>(this, QStringLiteral("RbtGraasJa") + n);
        for (std::size_t c = 1; c <= 4; ++c)
            LblGraasExc[i][c] =
                Vind<QLabel>(this, QStringLiteral("LblGraasExc") + QString::number(10 * i + c));
    }
    KOPPEL(LblnGraas);
    KOPPEL(LblExcretieGraas3);
    KOPPEL(LblExcretieGraas4);
    KOPPEL(LblExcretieGraasGem3);
    KOPPEL(LblExcretieGraasGem4);

    KOPPEL(RbtMstafvStand);
    KOPPEL(RbtMstafvOpg);
    KOPPEL(SpeDrijfAfv);
    KOPPEL(SpeDrijfAan);
    KOPPEL(SpeDrijfMais);
    KOPPEL(SpeDrijfBouw);
    KOPPEL(SpeUreumBouw);
    KOPPEL(SpeUreumGras);
    KOPPEL(SpeKasBouw);
    KOPPEL(SpeKasGras);
    KOPPEL(SttKunstmest);
    KOPPEL(SpeMethGras1);
    KOPPEL(SpeMethGras2);
    KOPPEL(SpeMethGras3);
    KOPPEL(SpeMethBouw1);
    KOPPEL(SpeMethBouw2);
    KOPPEL(SpeMethBouw3);
    KOPPEL(CbxTypeStal);

    KOPPEL(LblOppBouwHBEP);
    KOPPEL(LblOppBouwNBEP);
    KOPPEL(LblOppBouwLBEP);
    KOPPEL(SpeOppMaisH);
    KOPPEL(SpeOppMaisN);
    KOPPEL(SpeOppMaisL);
    KOPPEL(SpeAfvoerVgHoev);
    KOPPEL(SpeAfvoerVgP);
    KOPPEL(SpeAfvoerGkHoev);
    KOPPEL(SpeAfvoerGkP);
    KOPPEL(SpeAfvoerSmHoev);
    KOPPEL(SpeAfvoerSmP);
    KOPPEL(LblJaar2);
    KOPPEL(LblJaar1);
    KOPPEL(SpeBEPnormGk2);
    KOPPEL(SpeBEPnormGk1);
    KOPPEL(SpeBEPnormSm2);
    KOPPEL(SpeBEPnormSm1);

    KOPPEL(CbxMaisGrond);
    KOPPEL(CbxGrasGrond);
    KOPPEL(CbxMaisGttrap);
    KOPPEL(CbxGrasGttrap);
    KOPPEL(SpeToedNKmMais);
    KOPPEL(SpeMestVoor1jan);
    KOPPEL(SpeMestVoor31dec);
    KOPPEL(SpeMestNgeh1jan);
    KOPPEL(SpeMestNgeh31dec);

    // Combo boxes react to the user's choice only: an index set in code runs no handler.
    connect(CbxModule, &QComboBox::activated, this, Slot([this] { CbxModuleChange(); }));
    KoppelInvoerPaginas();
    KoppelNavigatie();
}

// ---------------------------------------------------------------------------------------
// Creation

void TFrmHoofdFormulier::FormCreate() {
    const QString AppData = fOmgeving.AppDataMap;
    Diercategorie = QStringLiteral("MK");

    setWindowTitle(QStringLiteral("Tarvolingrade dairy"));
    if (FrmStartup) FrmStartup->LblNaamOpstart->setText(QStringLiteral("Tarvolingrade dairy"));

    InfoBox.Versie = GetVersie(QStringLiteral("V"));
    InfoBox.Datum = GetVersie(QStringLiteral("D"));
    InfoBox.WebAdres = QStringLiteral("tarvolingrade.example.org");
    InfoBox.VersieAdres = QStringLiteral("tarvolingrade.example.org/software/Tarvolingrade");
    InfoBox.VersieFile = QStringLiteral("versie.txt");
    InfoBox.DownloadAdres = InfoBox.VersieAdres;
    InfoBox.Programmeur = QStringLiteral("The Tarvolingrade developers");
    InfoBox.Helpdesk = QStringLiteral("helpdesk@tarvolingrade.example.org");

    Bedrijf = std::make_unique<TBedrijf>();
    // The model's notice for years beyond its use standards.
    Bedrijf->OnMelding = [this](const std::string& melding) {
        Berichten().Informatie(QString::fromStdString(melding));
    };
    Rekenmodel = [this](const TTvInvoer& in, TTvUitvoer& uit) { Bedrijf->Bereken(in, uit); };

    IniBestand = KiesIniBestand(fOmgeving.ProgrammaBestand, AppData);

    // Month names are written in English by the code that writes a date; no process-wide
    // setting exists for them.
    BezigMetInlezen = false;
    TabTarvolingrader->setCurrentIndex(0);

    {
        // The recent-files list is loaded by the file commands when they attach.
        const TIniBestand ini(IniBestand);
        const QString logo =
            ini.LeesTekst(kSectieGebruik, QStringLiteral("LogoBedrijf"), QStringLiteral("Bedrijfslogo.wmf"));
        if (QFileInfo(logo).isFile()) LaadLogo(logo);
    }

    NieuwBedrijf();

    for (int p = 0; p < kAantalPaginas; ++p)
        TabTarvolingrader->setTabText(p, Tekst(Paginas()[static_cast<std::size_t>(p)].Opschrift));

    PnlStatusBar->setFixedHeight(0);
    BtnDump->setVisible(true);
    VersieControle1->setVisible(true);

    InitInvoer();
    LeesBedrijfsgegevens();

    for (QObject* o : findChildren<QObject*>())
        SetHintControl(o);

    TabTarvolingrader->TabBalk()->update();

    for (int p = 0; p < kAantalPaginas; ++p)
        if (!Paginas()[static_cast<std::size_t>(p)].ZichtbaarBijStart)
            TabTarvolingrader->setTabVisible(p, false);

    BestandVersie = BerekenBestandVersie();

    MitInvoerbestand->setVisible(true);
    SttVemdekking->setVisible(false);
    SpeVemdekking->setVisible(false);
    CbxEvaluatie->setCurrentIndex(0);
    CbxEvaluatie->setVisible(false);
    LblEvaluatie->setVisible(false);

    CbxModule->clear();
    for (const char* m : ModuleTeksten)
        CbxModule->addItem(Tekst(m));
    CbxModule->setCurrentIndex(0);
    // The list changed after the hints were made.
    SetHintControl(CbxModule);

    MaakVoorraadBesturingen();

    for (QScrollArea* box : ScrollBoxen)
        HoudGetallenHeel(box->widget());
}

void TFrmHoofdFormulier::OpenBestandVanOpdrachtregel(const QStringList& argumenten) {
    Bewaak([&] {
        if (argumenten.size() < 2 || !Haken.LeesBestand) return;
        // A name that cannot be opened gets the reader's message, as File > Open gives it:
        // starting with an empty farm and no word hides a mistyped or misplaced name.
        Haken.LeesBestand(QFileInfo(argumenten.at(1)).absoluteFilePath());
    });
}

QAction* TFrmHoofdFormulier::Actie(const QString& naam) const {
    return findChild<QAction*>(naam);
}

// ---------------------------------------------------------------------------------------
// Window events

void TFrmHoofdFormulier::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) Bewaak([this] { FormShow(); });
}

void TFrmHoofdFormulier::FormShow() {
    if (Haken.BijTonen) Haken.BijTonen();
}

void TFrmHoofdFormulier::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A modal window may not open inside the activation itself: post it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, Slot([this] { FormActivate(); }));
}

void TFrmHoofdFormulier::FormActivate() {
    if (Haken.ProductOndersteuningGesloten && Haken.ProductOndersteuningGesloten()) return;
    const TIniBestand ini(IniBestand);
    const bool tonen = ini.LeesBoolean(kSectieGebruik, QStringLiteral("Product Support"), true);
    if (Haken.ZetProductOndersteuning) Haken.ZetProductOndersteuning(tonen);
    MitProduktOndersteuningTonen->setChecked(tonen);
    if (tonen && Haken.ToonProductOndersteuning) Haken.ToonProductOndersteuning();
}

void TFrmHoofdFormulier::FormResize() {
    // The layouts place the OK buttons and the pictures; only pending layout work is done.
    if (centralWidget() && centralWidget()->layout()) centralWidget()->layout()->activate();
}

bool TFrmHoofdFormulier::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        // Turning the wheel to scroll a page must not change the number or the choice
        // that happens to pass under the mouse: only a focused input takes the wheel.
        auto* w = qobject_cast<QWidget*>(watched);
        const bool invoer = qobject_cast<QComboBox*>(watched) || qobject_cast<QAbstractSpinBox*>(watched);
        if (invoer && w->window() == this && !w->hasFocus() && w->parentWidget()) {
            QCoreApplication::sendEvent(w->parentWidget(), event);
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        const auto* w = qobject_cast<QWidget*>(watched);
        if (enter && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && w && w->window() == this) {
            // Enter works like Tab on every page and types nothing.
            focusNextChild();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFrmHoofdFormulier::closeEvent(QCloseEvent* event) {
    bool sluiten = !Haken.MagSluiten;
    Bewaak([&] {
        if (Haken.MagSluiten) sluiten = Haken.MagSluiten();
    });
    if (!sluiten) {
        event->ignore();
        return;
    }
    event->accept();
    Bewaak([this] {
        if (Haken.BijSluiten) Haken.BijSluiten();
        SchrijfBedrijfsgegevens();
    });
    if (Afsluiten) Afsluiten();
}

// ---------------------------------------------------------------------------------------
// Hints

void TFrmHoofdFormulier::SetHintControl(QObject* control) {
    if (auto* cbx = qobject_cast<QComboBox*>(control)) {
        QStringList items;
        for (int i = 0; i < cbx->count(); ++i)
            items << cbx->itemText(i);
        cbx->setToolTip(items.join(QStringLiteral(" - ")));
    } else if (auto* spe = qobject_cast<NumEdit*>(control)) {
        spe->setToolTip(spe->rangeHint());
    }
}

// ---------------------------------------------------------------------------------------
// Reset

int TFrmHoofdFormulier::ResetJaar() const {
    const int jaar = fOmgeving.Klok->Vandaag().year();
    return jaar >= 2006 && jaar <= 2012 ? jaar : 2010;
}

std::shared_ptr<TBerichten> TFrmHoofdFormulier::WisselBerichten(std::shared_ptr<TBerichten> berichten) {
    std::swap(fOmgeving.Berichten, berichten);
    if (!fOmgeving.Berichten) fOmgeving.Berichten = std::make_shared<TQtBerichten>();
    return berichten;
}

void TFrmHoofdFormulier::NieuwBedrijf() {
    InitInvoer();
    TabTarvolingrader->setCurrentIndex(0);
}

void TFrmHoofdFormulier::InitInvoer() {
    TabbladOK.fill(false);
    for (int positie = 1; positie <= 9; ++positie)
        TekenTab(positie);
    ZetBeginwaarden(TResetStap::Lijsten);
    InitVoorraadGrids();
    InitLabels_Boxen();
}

// The reset of all inputs, in this order. The table column Reset puts each control of the
// input pages into its step; a page's own reset code goes into the routine named here:
//   InitInvoer:       flags off, tabs repainted, lists (Lijsten), the fifteen stock grids
//                     (InitVoorraadGrids), then InitLabels_Boxen.
//   InitLabels_Boxen: year, identity edits, stock total labels (InitVoorraadLabels) and the
//                     other animals' labels (Totalen), result labels emptied, herd, milk and
//                     area edits (Pagina1), grazing (Beweiding), every other input back to
//                     its design value (Ontwerp), CbxModuleChange, RbtMstafvStandClick, the
//                     other animals' totals (GraasTotalen), the herd page's labels
//                     (Pagina1Labels), BerekenGraasdieren.
void TFrmHoofdFormulier::InitLabels_Boxen() {
    ZetBeginwaarden(TResetStap::Jaar);
    ZetBeginwaarden(TResetStap::Identiteit);
    InitVoorraadLabels();
    ZetBeginwaarden(TResetStap::Totalen);
    LeegResultaatLabels();
    ZetBeginwaarden(TResetStap::Pagina1);
    ZetBeginwaarden(TResetStap::Beweiding);
    // Every other input back to its design value, before the handlers below look at them.
    ZetBeginwaarden(TResetStap::Ontwerp);
    CbxModuleChange();
    RbtMstafvStandClick();
    ZetBeginwaarden(TResetStap::GraasTotalen);
    ZetBeginwaarden(TResetStap::Pagina1Labels);
    BerekenGraasdieren();
}

void TFrmHoofdFormulier::ZetBeginwaarden(TResetStap stap) {
    for (int p = 0; p < kAantalInvoerPaginas; ++p)
        for (const auto& def : PaginaBesturingen(p))
            if (def.Reset == stap) ZetBeginwaarde(def, stap);
}

QWidget* TFrmHoofdFormulier::BesturingOpNaam(const QString& naam) const {
    const auto it = fNaamCache.constFind(naam);
    if (it != fNaamCache.constEnd() && *it) return *it;
    QWidget* w = findChild<QWidget*>(naam);
    if (w) fNaamCache.insert(naam, w);
    return w;
}

void TFrmHoofdFormulier::ZetBeginwaarde(const TBesturingDef& def, TResetStap stap) {
    QWidget* w = BesturingOpNaam(Tekst(def.Naam));
    if (!w) throw std::logic_error(std::string("Control missing in the window: ") + def.Naam);
    const bool ontwerp = stap == TResetStap::Ontwerp;
    const QString tekst = Tekst(ontwerp ? def.Standaard : def.ResetTekst);
    switch (def.Soort) {
    case TSoort::Spe: {
        auto* e = static_cast<NumEdit*>(w);
        // Handlers narrow some ranges to the farm's figures (ages, maize areas).
        e->setRange(def.Min, def.Max);
        if (stap == TResetStap::Jaar)
            e->setValue(ResetJaar());
        else if (ontwerp && !tekst.isEmpty())
            e->setValue(tekst.toDouble());
        else
            e->setText(tekst);
        break;
    }
    case TSoort::Edt:
        static_cast<QLineEdit*>(w)->setText(tekst);
        break;
    case TSoort::Lbl:
    case TSoort::Stt:
    case TSoort::Link:
        static_cast<QLabel*>(w)->setText(tekst);
        break;
    case TSoort::Cbx:
        static_cast<QComboBox*>(w)->setCurrentIndex(tekst.isEmpty() ? -1 : tekst.toInt());
        break;
    case TSoort::Rbt:
        // Checking one button of a panel unchecks its partner.
        if (tekst == QLatin1String("1")) static_cast<QRadioButton*>(w)->setChecked(true);
        break;
    case TSoort::Chk:
        static_cast<QCheckBox*>(w)->setChecked(tekst == QLatin1String("1"));
        break;
    }
}

void TFrmHoofdFormulier::LeegResultaatLabels() {
    for (QScrollArea* box : {GrpResultBEX, GrpResultBEA, GrpResultBEP, GrpResultBEN, GrpAnalyse})
        for (QLabel* l : box->widget()->findChildren<QLabel*>())
            if (!qobject_cast<StaticText*>(l)) l->clear();
}

void TFrmHoofdFormulier::TekenTab(int positie) {
    TabTarvolingrader->TabBalk()->TekenTab(positie);
}

// ---------------------------------------------------------------------------------------
// Settings file and farm logo

void TFrmHoofdFormulier::LeesBedrijfsgegevens() {
    const TIniBestand ini(IniBestand);
    EdtNaam->setText(ini.LeesTekst(kSectieBedrijf, QStringLiteral("Name"), QString()));
    EdtStraat->setText(ini.LeesTekst(kSectieBedrijf, QStringLiteral("Adress"), QString()));
    EdtPlaats->setText(ini.LeesTekst(kSectieBedrijf, QStringLiteral("City"), QString()));
    CbxTypeStal->setCurrentIndex(0);
    SpeDrijfBouwChange();
}

void TFrmHoofdFormulier::SchrijfBedrijfsgegevens() {
    TIniBestand ini(IniBestand);
    ini.SchrijfTekst(kSectieBedrijf, QStringLiteral("Name"), EdtNaam->text());
    ini.SchrijfTekst(kSectieBedrijf, QStringLiteral("Adress"), EdtStraat->text());
    ini.SchrijfTekst(kSectieBedrijf, QStringLiteral("City"), EdtPlaats->text());
}

void TFrmHoofdFormulier::Bedrijfslogo1Click() {
    TBestandKeuze keuze;
    keuze.Titel = QStringLiteral("Openen");
    keuze.StandaardExtensie = QStringLiteral("bmp");
    keuze.Filter = QStringLiteral("Bitmaps (*.bmp);;GIF pictures (*.gif);;Icons (*.ico);;All files (*)");
    if (!LogoBestand.isEmpty()) {
        const QFileInfo info(LogoBestand);
        keuze.Map = info.absolutePath();
        keuze.Naam = info.fileName();
    }
    const QString gekozen = fOmgeving.Dialogen->Open(this, keuze);
    if (!gekozen.isEmpty()) LaadLogo(gekozen);
}

void TFrmHoofdFormulier::LaadLogo(const QString& FileName) {
    if (!QFileInfo(FileName).isFile()) return;
    QImageReader lezer(FileName);
    lezer.setDecideFormatFromContent(true);
    const QImage beeld = lezer.read();
    // A file no picture reader understands is treated as a missing one.
    if (beeld.isNull()) return;
    LogoBestand = FileName;
    QSize maat = beeld.size();
    if (maat.width() > kLogoMaxBreedte || maat.height() > kLogoMaxHoogte)
        maat.scale(kLogoMaxBreedte, kLogoMaxHoogte, Qt::KeepAspectRatio);
    ImgBedrijf->setPixmap(QPixmap::fromImage(beeld));
    ImgBedrijf->setFixedSize(maat);
    TIniBestand ini(IniBestand);
    ini.SchrijfTekst(kSectieGebruik, QStringLiteral("LogoBedrijf"), FileName);
}
