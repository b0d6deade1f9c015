// The result pages 9..13 (BEX, BEA, BEP, BEN, analysis) and the page navigation that
// leads to them: entering a result page calculates and copies the kept results into the
// page's labels, found by their names.
#include "Berekening.h"
#include "Navigatie.h"
#include "Paginas.h"
#include "ResultaatVelden.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"
#include "TijdelijkeVlag.h"

#include "Getallen.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace {
const QColor kTitelKleur(153, 221, 255); // the title band
const QColor kBandKleur(233, 248, 255);  // a section band

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

void ZetKleur(QLabel* l, int kleur) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, VanTColor(kleur));
    l->setPalette(p);
}

// The value labels of a page (its static texts are captions), those that take part in
// the name patterns: the direct children of the page's content.
QList<QLabel*> WaardeLabels(QWidget* inhoud) {
    QList<QLabel*> labels;
    for (QLabel* l : inhoud->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<StaticText*>(l)) labels.append(l);
    return labels;
}

QLabel* Label(const QWidget* inhoud, const QString& naam) {
    auto* l = inhoud->findChild<QLabel*>(naam);
    if (!l) throw std::logic_error("Result label missing: " + naam.toStdString());
    return l;
}

QLabel* Label(const QWidget* inhoud, const char* naam) {
    return Label(inhoud, QString::fromLatin1(naam));
}

// Fills every label of a page that shows a figure of the result table with its text, in
// its screen colour.
void VulResultaatLabels(QWidget* inhoud, const TTvUitvoer& u) {
    for (QLabel* l : inhoud->findChildren<QLabel*>()) {
        const QByteArray naam = l->objectName().toLatin1();
        const TResultaatVeld* v = ZoekResultaatLabel(std::string_view(naam.constData(), naam.size()));
        if (!v) continue;
        l->setText(Q(v->Tekst(u)));
        ZetKleur(l, SchermKleur(*v, u));
    }
}

// A unit text that shows and hides with its value label.
class TVolgZichtbaar : public QObject {
public:
    TVolgZichtbaar(QWidget* bron, QWidget* volger) : QObject(bron), fVolger(volger) {
        bron->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent)
            fVolger->setVisible(true);
        else if (event->type() == QEvent::HideToParent)
            fVolger->setVisible(false);
        return false;
    }

private:
    QWidget* fVolger;
};

// Lays a page out in a grid on its content: captions in column 0, values in the columns
// after it, bands across the whole width.
class TPaginaBouwer {
public:
    TPaginaBouwer(QWidget* inhoud, int kolommen, int breedteKop, int breedteWaarde)
        : fInhoud(inhoud), fGrid(new QGridLayout(inhoud)), fKolommen(kolommen) {
        fGrid->setContentsMargins(12, 10, 12, 10);
        fGrid->setHorizontalSpacing(10);
        fGrid->setVerticalSpacing(3);
        fGrid->setColumnMinimumWidth(0, breedteKop);
        for (int k = 1; k < kolommen; ++k)
            fGrid->setColumnMinimumWidth(k, breedteWaarde);
    }
    QWidget* Inhoud() const { return fInhoud; }
    QGridLayout* Grid() const { return fGrid; }

    StaticText* Tekst(int rij, int kolom, const QString& tekst, bool vet = false, int span = 1) {
        auto* t = new StaticText(tekst, fInhoud);
        t->setContentsMargins(4, 1, 4, 1);
        if (vet) Vet(t);
        fGrid->addWidget(t, rij, kolom, 1, span,
                         kolom == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
        return t;
    }
    QLabel* Waarde(int rij, int kolom, const QString& naam, bool vet = false) {
        auto* l = new QLabel(fInhoud);
        l->setObjectName(naam);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(60);
        l->setContentsMargins(4, 1, 4, 1);
        if (vet) Vet(l);
        fGrid->addWidget(l, rij, kolom);
        return l;
    }
    // A band across the page with its texts on it: the first at the left, the others
    // right-aligned in the value columns.
    StaticText* Band(int rij, const QStringList& teksten, bool titel = false) {
        auto* band = new QFrame(fInhoud);
        band->setAutoFillBackground(true);
        QPalette p = band->palette();
        p.setColor(QPalette::Window, titel ? kTitelKleur : kBandKleur);
        band->setPalette(p);
        fGrid->addWidget(band, rij, 0, 1, fKolommen);
        StaticText* eerste = nullptr;
        for (int i = 0; i < teksten.size(); ++i) {
            // A lone heading takes the whole band.
            StaticText* t = Tekst(rij, i, teksten[i], true, teksten.size() == 1 ? fKolommen : 1);
            if (!eerste) eerste = t;
            t->setContentsMargins(4, 3, 4, 3);
            if (titel) {
                QFont f = t->font();
                f.setPointSizeF(f.pointSizeF() * 1.15);
                t->setFont(f);
            }
        }
        return eerste;
    }
    void Leeg(int rij) { fGrid->setRowMinimumHeight(rij, 8); }
    // The free space goes below and to the right.
    void Sluit(int rij) {
        fGrid->setRowStretch(rij, 1);
        fGrid->setColumnStretch(fKolommen, 1);
    }

private:
    static void Vet(QLabel* l) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    QWidget* fInhoud;
    QGridLayout* fGrid;
    int fKolommen;
};

void BouwBEX(QWidget* inhoud) {
    TPaginaBouwer b(inhoud, 3, 420, 90);
    b.Band(0, {QStringLiteral("Results BEX analysis")}, true);
    b.Band(2, {QStringLiteral("Excretion"), QStringLiteral("Nitrogen"), QStringLiteral("Phosphate")});
    const char* excretie[] = {"Farm specific, excl. correction factor (kg)",
                              "Farm specific, incl. correction factor (kg)", "Forfaitair (kg)",
                              "Advantage farm-specific, incl. (kg)"};
    for (int r = 1; r <= 4; ++r) {
        b.Tekst(2 + r, 0, QString::fromUtf8(excretie[r - 1]), r == 4);
        for (int c = 1; c <= 2; ++c)
            b.Waarde(2 + r, c, QStringLiteral("LblExc%1%2").arg(r).arg(c), r == 4);
    }
    b.Leeg(7);
    b.Band(8, {QStringLiteral("Manure disposal"), QStringLiteral("Nitrogen"), QStringLiteral("Phosphate")});
    const char* afzet[] = {
        "Application standard manure (kg)", "Manure disposal using a farm-specific excretion standard (kg)",
        "Manure disposal using excretion forfait standard (kg)", "Advantage farm-specific, incl. (kg)"};
    for (int r = 1; r <= 4; ++r) {
        b.Tekst(8 + r, 0, QString::fromUtf8(afzet[r - 1]), r == 4);
        for (int c = 1; c <= 2; ++c)
            b.Waarde(8 + r, c, QStringLiteral("LblAfzet%1%2").arg(r).arg(c), r == 4);
    }
    b.Leeg(13);
    b.Band(14, {QStringLiteral("Feed/Diet"), QStringLiteral("N"), QStringLiteral("P")});
    b.Tekst(15, 0, QStringLiteral("Efficiëncy (%)"));
    b.Waarde(15, 1, QStringLiteral("LblVoer10"));
    b.Waarde(15, 2, QStringLiteral("LblVoer20"));
    b.Sluit(16);
}

void BouwBEA(QWidget* inhoud) {
    TPaginaBouwer b(inhoud, 5, 300, 95);
    b.Band(0, {QStringLiteral("Results BEA")}, true);
    b.Tekst(2, 0, QStringLiteral("Intensity (ton milk ha-1)"));
    b.Waarde(2, 1, QStringLiteral("LblIntensiteit"));
    b.Leeg(3);
    b.Band(4, {QStringLiteral("Ammonia emission "), QStringLiteral("NH3"), QStringLiteral("NH3"),
               QStringLiteral("NH3"), QStringLiteral("NH3")});
    const char* eenheden[] = {"(kg/farm)", "(kg/ha)", "(kg/ton milk)", "(kg/GVE)"};
    for (int c = 1; c <= 4; ++c)
        b.Tekst(5, c, QString::fromLatin1(eenheden[c - 1]), true);
    const char* bronnen[] = {"Total",
                             "- stable and manure storage",
                             "- liquid manure on arable land",
                             "- liquid manure on grassland",
                             "- art. fertilizer on arable land",
                             "- art. fertilizer on grassland",
                             "- grazing"};
    for (int r = 0; r <= 6; ++r) {
        b.Tekst(6 + r, 0, QString::fromLatin1(bronnen[r]), r == 0);
        for (int c = 1; c <= 4; ++c)
            b.Waarde(6 + r, c, QStringLiteral("LblEmissie%1%2").arg(r).arg(c), r == 0)->setVisible(false);
    }
    b.Sluit(13);
}

void BouwBEP(QWidget* inhoud) {
    TPaginaBouwer b(inhoud, 4, 470, 80);
    b.Band(0, {QStringLiteral("Results BEP")}, true);
    b.Band(2, {QStringLiteral("Derived standards per phosphate status"), QStringLiteral("High"),
               QStringLiteral("Neutral"), QStringLiteral("Low")});
    const std::pair<const char*, const char*> gewassen[] = {{"- grassland (kg ha-1)", "Gras"},
                                                            {"- maize (kg ha-1)", "Mais"},
                                                            {"- other arable land (kg ha-1)", "Bouw"}};
    const auto blok = [&](int rij, const char* naam, const char* kop, const char* achter) {
        StaticText* t = b.Tekst(rij, 0, QString::fromLatin1(kop), false, 4);
        t->setObjectName(QLatin1String(naam));
        QFont f = t->font();
        f.setUnderline(true);
        t->setFont(f);
        for (int i = 0; i < 3; ++i) {
            b.Tekst(rij + 1 + i, 0, QStringLiteral("   ") + QString::fromLatin1(gewassen[i].first));
            const char* klassen = "HNL";
            for (int c = 0; c < 3; ++c)
                b.Waarde(rij + 1 + i, c + 1,
                         QStringLiteral("LblFosfGewasnorm") + QLatin1String(gewassen[i].second) +
                             QLatin1Char(klassen[c]) + QLatin1String(achter));
        }
    };
    blok(3, "SttBepJaar", "Last year:", "");
    blok(7, "SttBepJaar3", "Average last 3 years:", "3");
    b.Leeg(11);
    b.Band(12, {QStringLiteral("Standards per ha, corrected for phosphate status*"),
                QStringLiteral("Phosphate")});
    b.Tekst(13, 0, QStringLiteral("Application standard forfait (kg ha-1)"));
    b.Waarde(13, 1, QStringLiteral("LblFosfHaNormForfait"));
    b.Tekst(14, 0, QStringLiteral("Farm specific application standard (P), average last 3 years (kg ha-1)"));
    b.Waarde(14, 1, QStringLiteral("LblFosfHaNormSpecifiek3"));
    b.Leeg(15);
    b.Band(16, {QStringLiteral("Farm standards, corrected for phosphate status *"),
                QStringLiteral("Phosphate"), QStringLiteral("%")});
    b.Tekst(17, 0, QStringLiteral("P application standard forfait (kg)"));
    b.Waarde(17, 1, QStringLiteral("LblFosfNormForfait"));
    b.Tekst(18, 0, QStringLiteral("Farm specific application standard (P), average last 3 years (kg)"));
    b.Waarde(18, 1, QStringLiteral("LblFosfNormSpecifiek3"));
    b.Tekst(19, 0, QStringLiteral("Advantage use of farm-specific application standard (kg)"), true);
    b.Waarde(19, 1, QStringLiteral("LblFosfNormVoordeel"), true);
    b.Waarde(19, 2, QStringLiteral("LblFosfNormPcVoordeel"), true);
    b.Leeg(20);
    b.Band(21, {QStringLiteral("Manure disposal based on phosphate *"), QStringLiteral("Phosphate")});
    b.Tekst(22, 0, QStringLiteral("Excretion (animal) manure based on BEX (kg)"));
    b.Waarde(22, 1, QStringLiteral("LblBepExcretieBex"));
    b.Tekst(23, 0, QStringLiteral("Manure disposal at application standard (P)forfait (kg)"));
    b.Waarde(23, 1, QStringLiteral("LblBepMestafzetForf"));
    b.Tekst(24, 0, QStringLiteral("Manure disposal at farm-specific application (P)standard (kg)"));
    b.Waarde(24, 1, QStringLiteral("LblBepMestafzetSpec"));
    b.Tekst(25, 0, QStringLiteral("Advantage use of farm-specific application (P)standard (kg)"), true);
    b.Waarde(25, 1, QStringLiteral("LblBepMestafzetVoordeel"), true);
    b.Leeg(26);
    StaticText* basis =
        b.Tekst(27, 0,
                QStringLiteral("Note: Application standards phosphate and manure disposal are "
                               "calculated based on the area and P-status of the last year."),
                false, 4);
    basis->setObjectName(QStringLiteral("SttBepBasis"));
    // The explanation of the derived standard; the help windows enable it.
    StaticText* toelichting = b.Tekst(28, 0, QStringLiteral("Explanation derived standard application "));
    toelichting->setObjectName(QStringLiteral("StaticText118"));
    toelichting->setLink(true);
    toelichting->setEnabled(false);
    b.Sluit(29);
}

void BouwBEN(QWidget* inhoud) {
    TPaginaBouwer b(inhoud, 2, 420, 90);
    b.Band(0, {QStringLiteral("Results BEN")}, true);
    b.Band(2, {QStringLiteral("Soil nitrogen surplus"), QStringLiteral("N")});
    const auto overschot = [&b](int rij, const char* land, const char* kop, const char* berekend) {
        b.Tekst(rij, 0, QString::fromLatin1(kop));
        b.Tekst(rij + 1, 0, QString::fromLatin1(berekend));
        b.Waarde(rij + 1, 1, QStringLiteral("LblNOver%1Berek").arg(QLatin1String(land)));
        b.Tekst(rij + 2, 0, QStringLiteral("- permitted surplus according to WOG/WOD (kg ha-1)"));
        b.Waarde(rij + 2, 1, QStringLiteral("LblNOver%1Toeg").arg(QLatin1String(land)));
        b.Tekst(rij + 3, 0, QStringLiteral("- calculated compared to permitted (kg ha-1)"), true);
        b.Waarde(rij + 3, 1, QStringLiteral("LblNOver%1Verschil").arg(QLatin1String(land)), true);
    };
    overschot(3, "Gras", "Grassland:", "- calculated surplus (kg ha-1)");
    overschot(7, "Mais", "Maize:", "- calculated surplus (kg ha-1)");
    const auto paar = [&b](int rij, const char* kop, const char* eenheid, const char* naam) {
        b.Leeg(rij - 1);
        b.Band(rij, {QString::fromLatin1(kop), QString::fromLatin1(eenheid)});
        b.Tekst(rij + 1, 0, QStringLiteral("Grassland"));
        b.Waarde(rij + 1, 1, QStringLiteral("Lbl%1Gras").arg(QLatin1String(naam)));
        b.Tekst(rij + 2, 0, QStringLiteral("Maize"));
        b.Waarde(rij + 2, 1, QStringLiteral("Lbl%1Mais").arg(QLatin1String(naam)));
    };
    paar(12, "Nitrate concentration groundwater (mg l-1)", "NO3", "Nitraat");
    paar(16, "Denitrification (kg ha-1)", "N", "Denitri");
    paar(20, "Greenhouse gas emission (kg ha-1)", "N2O", "Lachgas");
    b.Sluit(23);
}

void BouwAnalyse(QWidget* inhoud) {
    TPaginaBouwer b(inhoud, 8, 170, 76);
    b.Band(0, {QStringLiteral("Analysis farm-specific excretion (diet characteristics)")}, true);

    // The farm's figures; the milk figures show for dairy cows only (the module choice
    // hides them), their units go with them.
    auto* paneel = new QFrame(inhoud);
    paneel->setObjectName(QStringLiteral("PnlBedrijf"));
    auto* pg = new QGridLayout(paneel);
    pg->setContentsMargins(0, 4, 0, 4);
    pg->setHorizontalSpacing(10);
    pg->setVerticalSpacing(3);
    pg->setColumnMinimumWidth(0, 420);
    pg->setColumnMinimumWidth(1, 78);
    pg->setColumnStretch(3, 1);
    const std::pair<const char*, const char*> cijfers[] = {
        {"Milk per ha", "kg"},
        {"No. of youngstock per 10 milk cows", "no."},
        {"Concentrate  per 100 kg milk", "kg"},
        {"Advantage farm-specific, nitrogen", "%"},
        {"Advantage farm-specific, phosphate", "%"},
        {"Maximum milk production without manure disposal, nitrogen", "kg ha-1"},
        {"Maximum milk productie without manure disposal, phosphate", "kg ha-1"},
    };
    for (int i = 1; i <= 7; ++i) {
        const auto& [kop, eenheid] = cijfers[i - 1];
        auto* t = new StaticText(QString::fromLatin1(kop), paneel);
        t->setObjectName(QStringLiteral("SttBedrijf%1").arg(i));
        auto* l = new QLabel(paneel);
        l->setObjectName(QStringLiteral("LblBedrijf%1").arg(i));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* e = new StaticText(QString::fromLatin1(eenheid), paneel);
        e->setObjectName(QStringLiteral("SttEenheid%1").arg(i));
        pg->addWidget(t, i, 0);
        pg->addWidget(l, i, 1);
        pg->addWidget(e, i, 2);
        new TVolgZichtbaar(l, e);
    }
    b.Grid()->addWidget(paneel, 1, 0, 1, 8);

    b.Leeg(2);
    b.Band(3, {QStringLiteral("Feed stocks on the farm")});
    const char* voorraadKoppen[] = {"Starting", "CP/kVEM", "P/kVEM",  "Closing",
                                    "CP/kVEM",  "P/kVEM",  "Mutation"};
    const char* voorraadEenheden[] = {"(unit*)",  "(g/kvem)", "(g/kvem)", "(unit*)",
                                      "(g/kvem)", "(g/kvem)", "(unit*)"};
    b.Tekst(5, 0, QStringLiteral("Feed"), true);
    for (int c = 1; c <= 7; ++c) {
        b.Tekst(4, c, QString::fromLatin1(voorraadKoppen[c - 1]), true);
        b.Tekst(5, c, QString::fromLatin1(voorraadEenheden[c - 1]), true);
    }
    const char* voorraden[] = {"Grass silage", "Maize", "Other silage+residuals", "Concentrates"};
    for (int i = 1; i <= 4; ++i) {
        b.Tekst(5 + i, 0, QString::fromLatin1(voorraden[i - 1]));
        for (int c = 1; c <= 7; ++c)
            b.Waarde(5 + i, c, QStringLiteral("LblVoor%1%2").arg(i).arg(c));
    }

    b.Leeg(10);
    b.Band(11, {QStringLiteral("Voeding veestapel (melkkoeien, incl. jongvee)")})
        ->setObjectName(QStringLiteral("SttKopVoeding"));
    const char* rantsoenKoppen[] = {"Consumption", "Share", "VEM", "CP", "P", "CP/kVEM", "P/kVEM"};
    const char* rantsoenEenheden[] = {"(kg DM)",   "(% in DM)", "(vem/unit*)", "(g/unit*)",
                                      "(g/unit*)", "(g/kvem)",  "(g/kvem)"};
    b.Tekst(13, 0, QStringLiteral("Feed"), true);
    for (int c = 1; c <= 7; ++c) {
        b.Tekst(12, c, QString::fromLatin1(rantsoenKoppen[c - 1]), true);
        b.Tekst(13, c, QString::fromLatin1(rantsoenEenheden[c - 1]), true);
    }
    const char* rantsoen[] = {"Grass",        "Grass silage", "Maize", "Other silage+residuals",
                              "Concentrates", "Milk powder",  "Diet"};
    for (int r = 1; r <= 7; ++r) {
        b.Tekst(13 + r, 0, QString::fromLatin1(rantsoen[r - 1]), r == 7);
        for (int c = 1; c <= 7; ++c)
            b.Waarde(13 + r, c, QStringLiteral("LblVoed%1%2").arg(r).arg(c), r == 7);
    }
    b.Leeg(21);
    b.Tekst(22, 0,
            QStringLiteral("* Concentrates and milk powder: consumption shown in 'kg DM', "
                           "stocks and analysis shown in 'kg product'."),
            false, 8);
    b.Sluit(23);
}
} // namespace

// ---------------------------------------------------------------------------------------
// Building and binding

void TFrmHoofdFormulier::BouwResultaatPagina(int pagina, QWidget* inhoud) {
    switch (pagina) {
    case 9:
        BouwBEX(inhoud);
        break;
    case 10:
        BouwBEA(inhoud);
        break;
    case 11:
        BouwBEP(inhoud);
        break;
    case 12:
        BouwBEN(inhoud);
        break;
    case 13:
        BouwAnalyse(inhoud);
        break;
    default:
        break;
    }
    // The project picture at the foot of the module result pages; the support windows
    // make it open the web site.
    static const char* const kProjectBeeld[] = {"ImgZmbex", "ImgZmbea", "ImgZmbep", "ImgZmben"};
    auto* grid = qobject_cast<QGridLayout*>(inhoud->layout());
    if (pagina >= 9 && pagina <= 12 && grid) {
        auto* beeld = new StaticText(QString(), inhoud);
        beeld->setObjectName(QLatin1String(kProjectBeeld[pagina - 9]));
        beeld->setPixmap(QPixmap(QStringLiteral(":/images/zelm.png")));
        beeld->setScaledContents(true);
        beeld->setFixedSize(96, 96);
        beeld->setLink(true);
        beeld->setEnabled(false);
        grid->addWidget(beeld, grid->rowCount(), 0, 1, grid->columnCount(), Qt::AlignRight | Qt::AlignBottom);
    }
}

void TFrmHoofdFormulier::KoppelNavigatie() {
    for (QPushButton* knop : BtnSheet) {
        knop->setEnabled(true);
        connect(knop, &QPushButton::clicked, this, Slot([this, knop] { BtnSheet0Click(knop); }));
    }
    TabTarvolingraderChanging();
    // Only the user's own choice of a tab goes by the rules; a page set by code is kept.
    connect(TabTarvolingrader, &QTabWidget::currentChanged, this, [this](int) {
        // Inside the tab bar's own click, key or wheel event: the messages wait for its end.
        if (!fNavigeren && TabTarvolingrader->TabBalk()->DoorGebruiker())
            BewaakNaAfloop([this] { TabTarvolingraderChange(TabTarvolingrader); });
        TabTarvolingraderChanging();
    });
}

// ---------------------------------------------------------------------------------------
// Navigation

void TFrmHoofdFormulier::TabTarvolingraderChanging() {
    TabTarvolingrader->setProperty("tag", TabTarvolingrader->currentIndex());
}

void TFrmHoofdFormulier::ZetActievePagina(int pagina) {
    {
        const QSignalBlocker stil(TabTarvolingrader);
        TabTarvolingrader->setCurrentIndex(pagina);
    }
    TabTarvolingraderChanging();
}

void TFrmHoofdFormulier::BtnSheet0Click(QObject* Sender) {
    const int p = Sender ? Sender->property("tag").toInt() : -1;
    if (p < 0 || p > 8) return;
    ControleerPagina(p, true);
    if (!TabbladOK[static_cast<std::size_t>(p)]) return;
    std::array<bool, 14> zichtbaar{};
    for (int q = 0; q < kAantalPaginas; ++q)
        zichtbaar[static_cast<std::size_t>(q)] = TabTarvolingrader->isTabVisible(q);
    const int doel = VolgendePagina(p, zichtbaar);
    if (doel >= 0) {
        const QSignalBlocker stil(TabTarvolingrader);
        TabTarvolingrader->setCurrentIndex(doel);
    }
    TabTarvolingraderChange(Sender);
}

void TFrmHoofdFormulier::TabTarvolingraderChange(QObject* Sender) {
    if (fNavigeren) return;
    const TTijdelijkeVlag navigeren(fNavigeren);

    TNavigatieVraag v;
    const bool okKnop = Sender && std::find(BtnSheet.begin(), BtnSheet.end(), Sender) != BtnSheet.end();
    if (Sender && Sender == TabTarvolingrader)
        v.Afzender = TAfzender::PaginaControle;
    else if (okKnop)
        v.Afzender = TAfzender::OkKnop;
    v.Oud =
        v.Afzender == TAfzender::Anders || !Sender ? 0 : std::clamp(Sender->property("tag").toInt(), 0, 13);
    v.Nieuw = TabTarvolingrader->currentIndex();
    // Back to the page left; what follows decides where to go.
    ZetActievePagina(v.Oud);

    const auto stand = [this, &v] {
        for (int p = 0; p <= 8; ++p)
            v.Geldig[static_cast<std::size_t>(p)] = TabbladOK[static_cast<std::size_t>(p)] || !PaginaTelt(p);
        for (int p = 0; p < kAantalPaginas; ++p)
            v.Zichtbaar[static_cast<std::size_t>(p)] = TabTarvolingrader->isTabVisible(p);
    };
    stand();
    TNavigatieBesluit b = BepaalNavigatie(v);
    if (b.Vouwen)
        for (int k = kGK; k <= kMP; ++k)
            InklappenStringGrid(VoorraadGrids[v.Oud - 2][k]);
    if (b.ControleOud != TControleVooraf::Geen)
        ControleerPagina(v.Oud, b.ControleOud == TControleVooraf::MetMeldingen);
    if (b.Berekenen) {
        // An error that escapes the driver is shown and counts as not calculated.
        try {
            v.Berekend = Bereken();
        } catch (const std::exception& e) {
            Berichten().WaarschuwingOK(FoutTekst(e));
        } catch (...) {
            Berichten().WaarschuwingOK(QStringLiteral("Unknown error"));
        }
    }

    stand();
    b = BepaalNavigatie(v);
    if (b.VulResultaten) {
        PnlStatusBar->setFixedHeight(0);
        VulResultaatPagina(v.Nieuw);
    }
    ZetActievePagina(b.Doel);
    if (b.Melding) Berichten().Fout(QStringLiteral("Vul eerst alle tabbladen goed in"));
    if (b.ControleerDoel) ControleerPagina(b.Doel, false);

    PnlStatusBar->setFixedHeight(0);
    TabTarvolingrader->TabBalk()->update();
    // A batch drives the window without handing control to the event loop.
    if (!(Haken.BatchBezig && Haken.BatchBezig()))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// ---------------------------------------------------------------------------------------
// Filling the result pages from the kept records

void TFrmHoofdFormulier::VulResultaatPagina(int pagina) {
    switch (pagina) {
    case 9:
        VulResultBEX();
        break;
    case 10:
        VulResultBEA();
        break;
    case 11:
        VulResultBEP();
        break;
    case 12:
        VulResultBEN();
        break;
    case 13:
        VulAnalyse();
        break;
    default:
        break;
    }
}

void TFrmHoofdFormulier::VulResultBEX() {
    VulResultaatLabels(GrpResultBEX->widget(), Uitvoer);
}

void TFrmHoofdFormulier::VulResultBEA() {
    const TTvUitvoer& u = Uitvoer;
    QWidget* inhoud = GrpResultBEA->widget();
    // Tons of milk per ha; nothing when the milk per ha is no number.
    QLabel* intensiteit = Label(inhoud, "LblIntensiteit");
    const auto melkPerHa = TryStrToFloat(u.MelkPerHa);
    intensiteit->setText(melkPerHa && std::isfinite(*melkPerHa)
                             ? Q(FormatFloat("0.0", static_cast<long double>(*melkPerHa) / 1000))
                             : QString());
    VulResultaatLabels(inhoud, u);
    // The emission figures show once there are results.
    for (QLabel* l : WaardeLabels(inhoud))
        if (l->objectName().startsWith(QLatin1String("LblEmissie"))) l->setVisible(true);
}

void TFrmHoofdFormulier::VulResultBEP() {
    VulResultaatLabels(GrpResultBEP->widget(), Uitvoer);
}

void TFrmHoofdFormulier::VulResultBEN() {
    VulResultaatLabels(GrpResultBEN->widget(), Uitvoer);
}

void TFrmHoofdFormulier::VulAnalyse() {
    QWidget* inhoud = GrpAnalyse->widget();
    VulResultaatLabels(inhoud, Uitvoer);

    // The stocks of 1 January and 31 December of the kept input (milk powder not shown).
    const auto perKvem = [](float gehalte, float vem) {
        return Deel(gehalte, static_cast<long double>(vem) / 1000);
    };
    for (int i = kGK; i <= kKV; ++i) {
        const TVoorraadPost& B = Invoer.Voorraden[mBegin][i];
        const TVoorraadPost& E = Invoer.Voorraden[mEind][i];
        const std::string teksten[] = {
            FormatFloat("0", B.Hoev),
            FormatFloat("0", perKvem(B.Re, B.Vem)),
            FormatFloat("0.0", perKvem(B.P, B.Vem)),
            FormatFloat("0", E.Hoev),
            FormatFloat("0", perKvem(E.Re, E.Vem)),
            FormatFloat("0.0", perKvem(E.P, E.Vem)),
            PlusMinTekst(static_cast<float>(static_cast<long double>(E.Hoev) - B.Hoev)),
        };
        for (int c = 1; c <= 7; ++c)
            Label(inhoud, QStringLiteral("LblVoor%1%2").arg(i).arg(c))->setText(Q(teksten[c - 1]));
    }
}
