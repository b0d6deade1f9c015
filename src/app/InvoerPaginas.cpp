// The handlers of the input pages 0, 1, 2, 6, 7 and 8: the module choice, the year, the
// herd with its shown norm excretion, milk, grazing and areas, the other grazing animals
// and the inputs of the BEA, BEP and BEN modules.
#include "Tarvolingrade_u.h"

#include "NumEdit.h"
#include "Paginas.h"
#include "StaticText.h"
#include "TabBalk.h"
#include "TijdelijkeVlag.h"

#include "Excretion.h"
#include "Getallen.h"
#include "OverigeDieren.h"
#include "Tarvolingrade_t.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {
QString Opmaak(const char* patroon, long double waarde) {
    return QString::fromStdString(FormatFloat(patroon, waarde));
}

// The value of an edit, an empty one counting 0.
long double Nul(const NumEdit* e) {
    return e->isFilled() ? e->value() : 0.0L;
}

constexpr auto kOpschrift = "opschrift";
} // namespace

// ---------------------------------------------------------------------------------------
// Binding

void TFrmHoofdFormulier::KoppelInvoerPaginas() {
    // Each control that has a caption of its own (column 0 of its row) knows it, so that
    // hiding the control hides its caption too.
    for (int p = 0; p < kAantalInvoerPaginas; ++p)
        for (const TBesturingDef& def : PaginaBesturingen(p)) {
            const bool eigenTekst = def.Soort == TSoort::Stt || def.Soort == TSoort::Link ||
                                    def.Soort == TSoort::Rbt || def.Soort == TSoort::Chk;
            if (!*def.Naam || !*def.Opschrift || eigenTekst || def.Kolom == 0) continue;
            QWidget* w = findChild<QWidget*>(QString::fromUtf8(def.Naam));
            auto* grid =
                w && w->parentWidget() ? qobject_cast<QGridLayout*>(w->parentWidget()->layout()) : nullptr;
            QLayoutItem* item = grid ? grid->itemAtPosition(def.Rij, 0) : nullptr;
            if (item && item->widget())
                w->setProperty(kOpschrift, QVariant::fromValue<QObject*>(item->widget()));
        }

    // A change the user makes runs inside the edit's key event: its messages wait for the
    // end of the event. A change made in code shows them at once.
    const auto bij = [this](NumEdit* e, auto handler) {
        connect(e, &NumEdit::changed, this, [this, e, handler] {
            if (e->isUserChange())
                BewaakNaAfloop(handler);
            else
                Bewaak(handler);
        });
    };
    const auto lijst = [this](QComboBox* c, auto handler) {
        connect(c, &QComboBox::activated, this, Slot(handler));
    };
    // A radio button's handler acts when one of the pair becomes checked.
    const auto knop = [this](QRadioButton* r, auto handler) {
        connect(r, &QRadioButton::toggled, this, [this, handler](bool aan) {
            if (aan) Bewaak(handler);
        });
    };

    // Page 0 (CbxModule is bound with the window)
    bij(SpeJaartal, [this] { SpeJaartalChange(); });
    for (QLineEdit* e : {EdtOmschrijving, EdtNaam, EdtStraat, EdtPlaats})
        connect(e, &QLineEdit::textChanged, this, Slot([this] { EdtNaamChange(); }));
    lijst(CbxEvaluatie, [this] { CbxEvaluatieChange(); });

    // Page 1
    for (NumEdit* e : {SpenKoe, SpeMelklev, SpeVet, SpeEiwit, SpeUreum})
        bij(e, [this] { SpeMelklevChange(); });
    bij(SpeDrijfMk, [this] { SpeDrijfMkChange(); });
    bij(SpeDrijfKa, [this] { SpeDrijfKaChange(); });
    bij(SpeDrijfPi, [this] { SpeDrijfPiChange(); });
    bij(SpenKalf, [this] { SpenKalfChange(); });
    bij(SpenPink, [this] { SpenPinkChange(); });
    lijst(CbxRas, [this] { CbxRasChange(); });
    bij(SpeMndWeidBMk, [this] { SpeMndWeidBMkChange(); });
    bij(SpeMndWeidOMk, [this] { SpeMndWeidOMkChange(); });
    bij(SpeMndZstvBMk, [this] { SpeMndZstvBMkChange(); });
    bij(SpeMndZstvOMk, [this] { SpeMndZstvOMkChange(); });
    for (NumEdit* e : {SpeMndWeidBKa, SpeMndWeidOKa, SpeMndWeidBPi, SpeMndWeidOPi})
        bij(e, [this] { SpeMndWeidBKaChange(); });
    for (NumEdit* e : {SpeMndWeidBMk, SpeMndWeidOMk, SpeMndZstvBMk, SpeMndZstvOMk, SpeMndWeidBKa,
                       SpeMndWeidOKa, SpeMndWeidBPi, SpeMndWeidOPi})
        connect(e, &NumEdit::edited, this, SlotNaAfloop([this] { MaandGewijzigd(); }));
    for (NumEdit* e : {SpeUurWeidBMk, SpeUurWeidOMk})
        bij(e, [this] { SpeUurWeidBMkChange(); });
    for (NumEdit* e : {SpeUurWeidBKa, SpeUurWeidOKa, SpeUurWeidBPi, SpeUurWeidOPi})
        bij(e, [this] { SpeUurWeidBKaChange(); });
    for (NumEdit* e : {SpeOppGrasH, SpeOppGrasN, SpeOppGrasL})
        bij(e, [this] { SpeOppGrasLChange(); });
    for (NumEdit* e : {SpeOppBouwH, SpeOppBouwN, SpeOppBouwL})
        bij(e, [this] { SpeOppBouwLChange(); });
    bij(SpeOppGras, [this] { SpeOppGrasChange(); });
    bij(SpeOppBouw, [this] { SpeOppBouwChange(); });
    // Leaving an age edit happens inside another widget's event (the focus moves).
    connect(SpeLftJvAan, &NumEdit::editingFinished, this, SlotNaAfloop([this] { SpeLftJvAanExit(); }));
    connect(SpeLftJvAfv, &NumEdit::editingFinished, this, SlotNaAfloop([this] { SpeLftJvAfvExit(); }));

    // Page 2
    for (int i = 1; i <= 13; ++i)
        bij(SpeGraas[static_cast<std::size_t>(i)], [this, i] { SpeGraas1Change(i); });
    knop(RbtGraasNee, [this] { RbtGraasNeeClick(); });
    knop(RbtGraasJa, [this] { RbtGraasNeeClick(); });

    // Page 6
    knop(RbtMstafvStand, [this] { RbtMstafvStandClick(); });
    knop(RbtMstafvOpg, [this] { RbtMstafvStandClick(); });
    for (NumEdit* e : {SpeDrijfAfv, SpeDrijfAan, SpeDrijfMais, SpeDrijfBouw, SpeAfvoerVgHoev, SpeAfvoerVgP,
                       SpeAfvoerGkHoev, SpeAfvoerGkP, SpeAfvoerSmHoev, SpeAfvoerSmP})
        bij(e, [this, e] { SpeDrijfBouwChange(e); });
    for (NumEdit* e : {SpeUreumBouw, SpeUreumGras, SpeKasBouw, SpeKasGras})
        bij(e, [this] { SpeKasBouwChange(); });
    lijst(CbxTypeStal, [this] { CbxTypeStalChange(); });
    bij(SpeMethGras1, [this] { SpeMethGras1Change(); });
    bij(SpeMethGras2, [this] { SpeMethGras2Change(); });
    bij(SpeMethGras3, [this] { SpeMethGras3Change(); });
    bij(SpeMethBouw1, [this] { SpeMethBouw1Change(); });
    bij(SpeMethBouw2, [this] { SpeMethBouw2Change(); });
    bij(SpeMethBouw3, [this] { SpeMethBouw3Change(); });

    // Page 7 (the P-removal edits are bound above; the norms of past years have no handler)
    for (NumEdit* e : {SpeOppMaisH, SpeOppMaisN, SpeOppMaisL})
        bij(e, [this] { SpeOppMaisHChange(); });
    // Page 8 has no handlers. The explanation links stay greyed until their windows exist.

    // The layout the handlers give the design values, as a reset after any farm leaves it.
    RbtGraasNeeClick();
    SpeOppMaisHChange();
}

void TFrmHoofdFormulier::ZetZichtbaar(QWidget* w, bool zichtbaar) {
    w->setVisible(zichtbaar);
    if (auto* opschrift = qobject_cast<QWidget*>(w->property(kOpschrift).value<QObject*>()))
        opschrift->setVisible(zichtbaar);
}

void TFrmHoofdFormulier::ZetInRij(QWidget* w, int rij) {
    auto* grid = qobject_cast<QGridLayout*>(w->parentWidget()->layout());
    const int index = grid ? grid->indexOf(w) : -1;
    if (index < 0) return;
    int r = 0, k = 0, rs = 0, ks = 0;
    grid->getItemPosition(index, &r, &k, &rs, &ks);
    if (r == rij) return;
    QLayoutItem* item = grid->takeAt(index);
    const Qt::Alignment uitlijning = item->alignment();
    delete item;
    grid->addWidget(w, rij, k, uitlijning);
}

int TFrmHoofdFormulier::Jaar() const {
    return RoundInt(SpeJaartal->value(), "Jaartal");
}

// ---------------------------------------------------------------------------------------
// Page 0

void TFrmHoofdFormulier::CbxModuleChange() {
    const QString t = CbxModule->currentText().toUpper();
    ModuleBEX = t.contains(QLatin1String("BEX"));
    ModuleBEA = t.contains(QLatin1String("BEA"));
    ModuleBEP = t.contains(QLatin1String("BEP"));
    ModuleBEN = t.contains(QLatin1String("BEN"));
    // No item of the list names young stock this way, so the list always gives "MK"; the
    // young-stock layouts stay reachable for a text that does.
    Diercategorie = t.contains(QLatin1String("JONGVEE")) ? QStringLiteral("JV") : QStringLiteral("MK");

    const std::array<std::pair<int, bool>, 6> modulePaginas = {{
        {6, ModuleBEA},
        {10, ModuleBEA},
        {7, ModuleBEP},
        {11, ModuleBEP},
        {8, ModuleBEN},
        {12, ModuleBEN},
    }};
    for (const auto& [pagina, zichtbaar] : modulePaginas) {
        TabTarvolingrader->setTabVisible(pagina, zichtbaar);
        ScrollBoxen[static_cast<std::size_t>(pagina)]->setVisible(zichtbaar);
    }

    const bool mk = Diercategorie == QLatin1String("MK");
    for (QWidget* w : std::initializer_list<QWidget*>{GrpMelk, SttExcretieMK, LblExcretieN1, LblExcretieP1})
        w->setVisible(mk);
    // The BEX result and analysis pages show the farm's milk figures for cows only.
    for (const char* naam : {"LblBedrijf1", "LblBedrijf2", "LblBedrijf3", "LblBedrijf6", "LblBedrijf7",
                             "SttBedrijf1", "SttBedrijf2", "SttBedrijf3", "SttBedrijf6", "SttBedrijf7"})
        if (auto* w = BesturingOpNaam(QLatin1String(naam))) w->setVisible(mk);
    if (auto* kop = qobject_cast<QLabel*>(BesturingOpNaam(QStringLiteral("SttKopVoeding"))))
        kop->setText(mk ? QStringLiteral("Voeding veestapel (melkkoeien, incl. jongvee)")
                        : QStringLiteral("Voeding veestapel (jongvee)"));

    VoorraadModuleWijziging();

    ToonVeestapel();
    ToonDrijfmest();
    ToonBeweidingEnAreaal();
    // After the layouts, so that the checks see the controls the new module shows.
    for (int p = 1; p <= 8; ++p)
        ControleerPagina(p, false);
    FormResize();
    TabTarvolingrader->TabBalk()->update();
}

void TFrmHoofdFormulier::SpeJaartalChange() {
    ToonBeweidingEnAreaal();
    ToonForfaitaireExcretie();
    if (SpeJaartal->isFilled()) {
        const int y = Jaar();
        const QString jaar = Opmaak("0", y);
        LblJaar2->setText(Opmaak("0", y - 2));
        LblJaar1->setText(Opmaak("0", y - 1));
        // The texts of the BEP result page, once that page is there.
        if (auto* l = qobject_cast<QLabel*>(BesturingOpNaam(QStringLiteral("SttBepJaar"))))
            l->setText(QStringLiteral("afgelopen jaar: ") + jaar);
        if (auto* l = qobject_cast<QLabel*>(BesturingOpNaam(QStringLiteral("SttBepJaar3"))))
            l->setText(QStringLiteral("gemiddelde afgelopen jaren: ") + Opmaak("0", y - 2) +
                       QStringLiteral(", ") + Opmaak("0", y - 1) + QStringLiteral(", ") + jaar);
        if (auto* l = qobject_cast<QLabel*>(BesturingOpNaam(QStringLiteral("SttBepBasis"))))
            l->setText(
                QStringLiteral("* NB: Gebruiksnormen fosfaat en mestafzet zijn berekend o.b.v. arealen en "
                               "fosfaattoestanden in ") +
                jaar);
    }
    // The other animals' norms change after 2009 as the herd's do.
    BerekenGraasdieren();
    ControleerPagina(0, false);
    // The year decides the area layout of page 1.
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::EdtNaamChange() {
    ControleerPagina(0, false);
}

void TFrmHoofdFormulier::CbxEvaluatieChange() {
    ToonBeweidingEnAreaal();
    ControleerPagina(0, false);
    TabTarvolingraderChange(CbxEvaluatie);
}

// ---------------------------------------------------------------------------------------
// Page 1: herd, manure, milk

void TFrmHoofdFormulier::SpeMelklevChange() {
    ToonForfaitaireExcretie();
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::SpeDrijfMkChange() {
    SpeMelklevChange();
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::SpeDrijfKaChange() {
    ToonForfaitaireExcretie();
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::SpeDrijfPiChange() {
    ToonForfaitaireExcretie();
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::SpenKalfChange() {
    ToonForfaitaireExcretie();
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::SpenPinkChange() {
    ToonForfaitaireExcretie();
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::CbxRasChange() {
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::ToonVeestapel() {
    const bool mk = Diercategorie == QLatin1String("MK");
    ZetZichtbaar(SpenKoe, mk);
    for (QWidget* w : std::initializer_list<QWidget*>{SttLftJvAan, SpeLftJvAan, SttLftJvAfv, SpeLftJvAfv})
        w->setVisible(!mk);
    SttRas->setVisible(true);
    CbxRas->setVisible(true);
    if (mk) {
        SttRas->setText(QStringLiteral("Dairy breed"));
        SttnKalf->setText(QStringLiteral("No. of youngstock+bulls < 1 yr (cat. 101)"));
        SttnPink->setText(QStringLiteral("No. of youngstock+bulls > 1 yr (cat. 102)"));
        // Cows, young stock < 1 year, young stock > 1 year, breed.
        ZetInRij(SttRas, 3);
        ZetInRij(CbxRas, 3);
        SpeLftJvAan->setValue(0);
        SpeLftJvAfv->setValue(24);
    } else {
        SttRas->setText(QStringLiteral("Youngstock breed"));
        SttnKalf->setText(QStringLiteral("No. of youngstock < 1 yr (cat. 101)"));
        SttnPink->setText(QStringLiteral("No. of youngstock > 1 yr (cat. 102)"));
        // Young stock < 1 year, young stock > 1 year, arrival age, removal age, breed.
        ZetInRij(SttRas, 6);
        ZetInRij(CbxRas, 6);
        SpenKoe->setValue(0);
        CbxRas->setCurrentIndex(0);
    }
}

void TFrmHoofdFormulier::ToonDrijfmest() {
    const bool mk = Diercategorie == QLatin1String("MK");
    // The cows' row is hidden for young stock only; the empty row takes no room, so the
    // young stock's rows move up by themselves.
    SttDrijfMk->setVisible(mk);
    SpeDrijfMk->setVisible(mk);
    SttDrijfKa->setText(mk ? QStringLiteral("%  youngst.+bulls < 1 yr with liq.manure")
                           : QStringLiteral("%  youngst. < 1 yr with liq.manure"));
    SttDrijfPi->setText(mk ? QStringLiteral("%  youngst.+bulls > 1 yr with liq.manure")
                           : QStringLiteral("%  youngst. > 1 yr with liq.manure"));
}

void TFrmHoofdFormulier::ToonForfaitaireExcretie() {
    const int y = Jaar();

    LblMelkprod->clear();
    long double mp = 0;
    if (SpeMelklev->isFilled() && SpenKoe->isFilled()) {
        mp = Deel(SpeMelklev->value(), SpenKoe->value());
        LblMelkprod->setText(Opmaak("0", mp));
    }

    LblExcretieN1->clear();
    LblExcretieP1->clear();
    if (SpeUreum->isFilled() && SpeMelklev->isFilled() && SpenKoe->isFilled()) {
        const float melk = static_cast<float>(mp);
        const float ureum = static_cast<float>(SpeUreum->value());
        const long double s = SpeDrijfMk->value() / 100.0L;
        const long double n = static_cast<long double>(Zoek_Excretie_Drijf_N(y, melk, ureum)) * s +
                              static_cast<long double>(Zoek_Excretie_Vast_N(y, melk, ureum)) * (1 - s);
        LblExcretieN1->setText(Opmaak("0.0", n));
        LblExcretieP1->setText(Opmaak("0.0", Zoek_Excretie_P2O5(y, melk)));
    }

    // Young stock: category 2 over one year (heifers), 3 under one year (calves).
    const auto jongvee = [y](NumEdit* aantal, NumEdit* drijf, int categorie, QLabel* lblN, QLabel* lblP) {
        lblN->clear();
        lblP->clear();
        if (!aantal->isFilled()) return;
        const long double s = drijf->value() / 100.0L;
        const long double n = static_cast<long double>(Zoek_Excretie_JV_N_Drijf(y, categorie)) * s +
                              static_cast<long double>(Zoek_Excretie_JV_N_Vast(y, categorie)) * (1 - s);
        lblN->setText(Opmaak("0.0", n));
        lblP->setText(Opmaak("0.0", Zoek_Excretie_JV_P2O5(y, categorie)));
    };
    jongvee(SpenPink, SpeDrijfPi, 2, LblExcretieN2, LblExcretieP2);
    jongvee(SpenKalf, SpeDrijfKa, 3, LblExcretieN3, LblExcretieP3);
}

// Leaving the age edits (shown for young stock only): the other age's range follows, and
// an age that does not fit the numbers of animals is pointed out.
void TFrmHoofdFormulier::SpeLftJvAanExit() {
    if (!ZelfZichtbaar(SpeLftJvAan)) return;
    SpenPinkChange();
    const double aanvoer = SpeLftJvAan->value();
    SpeLftJvAfv->setMinimum(std::max(aanvoer + 1, 4.0));
    SetHintControl(SpeLftJvAfv);
    if (!SpenKalf->isFilled()) return;
    if (aanvoer >= 12 && SpenKalf->value() > 0)
        Berichten().Fout(QStringLiteral(
            "There are calves present on the farm.\nArrival age should be lower than 12 months."));
    else if (aanvoer < 12 && SpenKalf->value() == 0)
        Berichten().Fout(QStringLiteral(
            "There are no calves present on the farm.\nArrival age should be higher than 12 months."));
}

void TFrmHoofdFormulier::SpeLftJvAfvExit() {
    if (!ZelfZichtbaar(SpeLftJvAfv)) return;
    SpenPinkChange();
    const double afvoer = SpeLftJvAfv->value();
    SpeLftJvAan->setMaximum(std::min(afvoer - 1, 20.0));
    SetHintControl(SpeLftJvAan);
    if (!SpenPink->isFilled()) return;
    if (afvoer <= 12 && SpenPink->value() > 0)
        Berichten().Fout(QStringLiteral(
            "There are calves > 1 year present on the farm.\nRemoval age should be higher than 12 months."));
    else if (afvoer > 12 && SpenPink->value() == 0)
        Berichten().Fout(QStringLiteral("There are no calves > 1 year ppresent on the farm.\nRemoval age "
                                        "should be lower than 12 months."));
}

// ---------------------------------------------------------------------------------------
// Page 1: grazing and areas

void TFrmHoofdFormulier::SpeMndWeidBMkChange() {
    ToonBeweidingEnAreaal();
    ToonMaandenWeiden();
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::SpeMndWeidOMkChange() {
    SpeMndWeidBMkChange();
}

void TFrmHoofdFormulier::SpeMndZstvBMkChange() {
    ToonMaandenWeiden();
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::SpeMndZstvOMkChange() {
    SpeMndZstvBMkChange();
}

void TFrmHoofdFormulier::SpeMndWeidBKaChange() {
    ToonBeweidingEnAreaal();
    ToonMaandenWeiden();
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::SpeUurWeidBMkChange() {
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::SpeUurWeidBKaChange() {
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::MaandGewijzigd() {
    if (BezigMetInlezen) return;
    const TTijdelijkeVlag meldingen(fMaandMeldingen);
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::ToonBeweidingEnAreaal() {
    const bool mk = Diercategorie == QLatin1String("MK");

    // An hour edit is shown only while its months are above 0. The reset writes 0 into
    // every hour, below the range of some, so an edit that appears out of its range
    // starts at its minimum.
    const auto uren = [](NumEdit* uur, NumEdit* maanden, bool zichtbaar) {
        zichtbaar = zichtbaar && maanden->isFilled() && maanden->value() > 0;
        uur->setVisible(zichtbaar);
        if (!zichtbaar || !uur->isFilled()) return;
        const auto v = TryStrToFloat(uur->text().toStdString());
        if (!v || *v < uur->minimum() || *v > uur->maximum()) uur->setValue(uur->minimum());
    };
    for (NumEdit* e : {SpeMndWeidBMk, SpeMndWeidOMk, SpeMndZstvBMk, SpeMndZstvOMk})
        e->setVisible(mk);
    SttTotWeiden->setVisible(mk);
    LblMndWeiden->setVisible(mk);
    for (NumEdit* e : {SpeMndWeidBKa, SpeMndWeidOKa, SpeMndWeidBPi, SpeMndWeidOPi})
        e->setVisible(!mk);
    uren(SpeUurWeidBMk, SpeMndWeidBMk, mk);
    uren(SpeUurWeidOMk, SpeMndWeidOMk, mk);
    uren(SpeUurWeidBKa, SpeMndWeidBKa, !mk);
    uren(SpeUurWeidOKa, SpeMndWeidOKa, !mk);
    uren(SpeUurWeidBPi, SpeMndWeidBPi, !mk);
    uren(SpeUurWeidOPi, SpeMndWeidOPi, !mk);
    // The young stock's edits share the cows' cells, so they take the four rows as they
    // appear.
    const std::array<const char*, 4> mkTeksten = {
        "Dairy cows: limited grazing", "Dairy cows: unlimited grazing", "Dairy cows: limeted zero grazing",
        "dairy cows: unlimited zero grazing"};
    const std::array<const char*, 4> jvTeksten = {
        "Youngstock < 1 year: limited grazing", "Youngstock < 1 year: unlimited grazing",
        "Youngstock > 1 year: limited grazing", "Youngstock > 1 year: unlimited grazing"};
    for (std::size_t r = 1; r <= 4; ++r)
        SttSysteem[r]->setText(QString::fromUtf8(mk ? mkTeksten[r - 1] : jvTeksten[r - 1]));

    SpeOppGras->setText(LblOppGras->text());
    SpeOppBouw->setText(LblOppBouw->text());
    // Up to 2009 without BEP the farm enters one area each; else by phosphate status.
    const bool eenTotaal = Jaar() <= 2009 && !ModuleBEP;
    // The captions of the single totals stay as the headings of their classes.
    SpeOppGras->setVisible(eenTotaal);
    SpeOppBouw->setVisible(eenTotaal);
    for (NumEdit* e : {SpeOppGrasH, SpeOppGrasN, SpeOppGrasL, SpeOppBouwH, SpeOppBouwN, SpeOppBouwL})
        ZetZichtbaar(e, !eenTotaal);
    for (QWidget* w : std::initializer_list<QWidget*>{SttFosfaatG1, SttFosfaatG2, SttFosfaatG3, SttFosfaatB1,
                                                      SttFosfaatB2, SttFosfaatB3})
        w->setVisible(!eenTotaal);
    ZetZichtbaar(LblOppGras, !eenTotaal);
    ZetZichtbaar(LblOppBouw, !eenTotaal);
}

void TFrmHoofdFormulier::ToonMaandenWeiden() {
    LblMndWeiden->clear();
    if (Diercategorie != QLatin1String("MK")) return;
    const std::array<NumEdit*, 4> maanden = {SpeMndWeidBMk, SpeMndWeidOMk, SpeMndZstvBMk, SpeMndZstvOMk};
    if (!std::all_of(maanden.begin(), maanden.end(), [](const NumEdit* e) { return e->isFilled(); })) return;
    long double som = 0;
    for (const NumEdit* e : maanden)
        som += e->value();
    LblMndWeiden->setText(Opmaak("0.0", som) + QStringLiteral(" months of grazing"));
}

namespace {
// The sum of three class edits, empty ones counting 0; empty when none is filled, so that a
// new farm's single area edit is not filled with 0 by the layout.
QString KlasseSom(const NumEdit* h, const NumEdit* n, const NumEdit* l) {
    if (!h->isFilled() && !n->isFilled() && !l->isFilled()) return {};
    return Opmaak("0.00", Nul(h) + Nul(n) + Nul(l));
}
} // namespace

void TFrmHoofdFormulier::SpeOppGrasLChange() {
    LblOppGras->setText(KlasseSom(SpeOppGrasH, SpeOppGrasN, SpeOppGrasL));
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::SpeOppBouwLChange() {
    LblOppBouw->setText(KlasseSom(SpeOppBouwH, SpeOppBouwN, SpeOppBouwL));
    const std::array<std::pair<NumEdit*, QLabel*>, 3> klassen = {
        {{SpeOppBouwH, LblOppBouwHBEP}, {SpeOppBouwN, LblOppBouwNBEP}, {SpeOppBouwL, LblOppBouwLBEP}}};
    const std::array<NumEdit*, 3> mais = {SpeOppMaisH, SpeOppMaisN, SpeOppMaisL};
    for (std::size_t k = 0; k < 3; ++k) {
        const long double bouw = Nul(klassen[k].first);
        klassen[k].second->setText(Opmaak("0.00", bouw));
        // The maize of a class can be no more than its arable land.
        mais[k]->setMaximum(static_cast<double>(bouw));
        SetHintControl(mais[k]);
        mais[k]->setValue(static_cast<double>(bouw));
    }
    ControleerPagina(1, false);
}

namespace {
// A single total that differs from its classes goes to the class "high".
void TotaalNaarHoog(NumEdit* totaal, NumEdit* h, NumEdit* n, NumEdit* l) {
    if (!totaal->isFilled()) return;
    const long double klassen = Nul(h) + Nul(n) + Nul(l);
    if (std::abs(static_cast<long double>(totaal->value()) - klassen) <= 0.001L) return;
    const QString tekst = totaal->text();
    l->setText(QStringLiteral("0"));
    n->setText(QStringLiteral("0"));
    h->setText(tekst);
}
} // namespace

void TFrmHoofdFormulier::SpeOppGrasChange() {
    TotaalNaarHoog(SpeOppGras, SpeOppGrasH, SpeOppGrasN, SpeOppGrasL);
    ControleerPagina(1, false);
}

void TFrmHoofdFormulier::SpeOppBouwChange() {
    TotaalNaarHoog(SpeOppBouw, SpeOppBouwH, SpeOppBouwN, SpeOppBouwL);
    ControleerPagina(1, false);
}

// ---------------------------------------------------------------------------------------
// Page 2

void TFrmHoofdFormulier::SpeGraas1Change(int categorie) {
    // While a file is read the table is computed once afterwards.
    if (!BezigMetInlezen && SpeGraas[static_cast<std::size_t>(categorie)]->isFilled()) BerekenGraasdieren();
    ControleerPagina(2, false);
}

void TFrmHoofdFormulier::BerekenGraasdieren() {
    const int jaar = Jaar();
    long double totaal = 0, somN = 0, somP = 0;
    for (std::size_t i = 1; i <= 13; ++i) {
        const long double n = SpeGraas[i]->value();
        const long double normN = GraasdierNorm(jaar, static_cast<int>(i), 1);
        const long double normP = GraasdierNorm(jaar, static_cast<int>(i), 2);
        const std::array<long double, 5> waarde = {0, normN, normP, n * normN, n * normP};
        for (std::size_t c = 1; c <= 4; ++c)
            LblGraasExc[i][c]->setText(Opmaak("0.0", waarde[c]));
        totaal += n;
        somN += waarde[3];
        somP += waarde[4];
    }
    LblnGraas->setText(Opmaak("0.0", totaal));
    LblExcretieGraas3->setText(Opmaak("0.0", somN));
    LblExcretieGraas4->setText(Opmaak("0.0", somP));
    LblExcretieGraasGem3->setText(Opmaak("0.0", Deel(somN, totaal)));
    LblExcretieGraasGem4->setText(Opmaak("0.0", Deel(somP, totaal)));
}

void TFrmHoofdFormulier::RbtGraasNeeClick() {
    // The table and its totals, not the presence panel. The per-category radio buttons
    // keep their choice: their counts are 0 and hidden.
    const bool ja = RbtGraasJa->isChecked();
    const bool nee = RbtGraasNee->isChecked();
    if (ja || nee) {
        auto* tabel = qobject_cast<QFrame*>(BesturingOpNaam(QStringLiteral("GrpGraasTabel")));
        QList<QWidget*> besturingen = tabel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (std::size_t i = 1; i <= 13; ++i) {
            besturingen.push_back(RbtGraasNeeCat[i]);
            besturingen.push_back(RbtGraasJaCat[i]);
        }
        for (QWidget* w : besturingen) {
            if (auto* e = qobject_cast<NumEdit*>(w); e && nee) e->setValue(0);
            w->setVisible(ja);
        }
    }
    ControleerPagina(2, false);
}

// ---------------------------------------------------------------------------------------
// Page 6

void TFrmHoofdFormulier::RbtMstafvStandClick() {
    if (RbtMstafvStand->isChecked()) SpeDrijfAfv->setValue(0);
    ZetZichtbaar(SpeDrijfAfv, RbtMstafvOpg->isChecked());
    ControleerPagina(6, false);
}

void TFrmHoofdFormulier::SpeDrijfBouwChange(NumEdit* Sender) {
    NumEdit* bron = Sender ? Sender : SpeDrijfBouw;
    if (bron->isFilled()) {
        const bool bouw = SpeDrijfMais->value() + SpeDrijfBouw->value() > 0;
        for (NumEdit* e : {SpeMethBouw1, SpeMethBouw2, SpeMethBouw3})
            ZetZichtbaar(e, bouw);
    }
    const bool afvoerP = bron == SpeAfvoerVgHoev || bron == SpeAfvoerVgP || bron == SpeAfvoerGkHoev ||
                         bron == SpeAfvoerGkP || bron == SpeAfvoerSmHoev || bron == SpeAfvoerSmP;
    ControleerPagina(afvoerP ? 7 : 6, false);
}

void TFrmHoofdFormulier::SpeKasBouwChange() {
    ControleerPagina(6, false);
}

void TFrmHoofdFormulier::CbxTypeStalChange() {
    ControleerPagina(6, false);
}

void TFrmHoofdFormulier::VerdeelMethoden(const std::array<NumEdit*, 3>& m, int i) {
    // The shares written back here run this again; the outer call does the work.
    if (fMethodenBezig) return;
    const TTijdelijkeVlag bezig(fMethodenBezig);

    NumEdit* e = m[static_cast<std::size_t>(i)];
    NumEdit* n = m[static_cast<std::size_t>((i + 1) % 3)];
    NumEdit* r = m[static_cast<std::size_t>((i + 2) % 3)];
    const int ve = RoundInt(e->value(), "Toedieningsmethode");
    int vn = RoundInt(n->value(), "Toedieningsmethode");
    int vr = RoundInt(r->value(), "Toedieningsmethode");
    if (ve + vn + vr != 100) {
        vn = std::clamp(100 - ve - vr, 0, 100);
        vr = std::clamp(100 - ve - vn, 0, 100);
        n->setValue(vn);
        r->setValue(vr);
    }
    if (!e->isFilled()) e->setValue(0);
    ControleerPagina(6, false);
}

void TFrmHoofdFormulier::SpeMethGras1Change() {
    VerdeelMethoden({SpeMethGras1, SpeMethGras2, SpeMethGras3}, 0);
}

void TFrmHoofdFormulier::SpeMethGras2Change() {
    VerdeelMethoden({SpeMethGras1, SpeMethGras2, SpeMethGras3}, 1);
}

void TFrmHoofdFormulier::SpeMethGras3Change() {
    VerdeelMethoden({SpeMethGras1, SpeMethGras2, SpeMethGras3}, 2);
}

void TFrmHoofdFormulier::SpeMethBouw1Change() {
    VerdeelMethoden({SpeMethBouw1, SpeMethBouw2, SpeMethBouw3}, 0);
}

void TFrmHoofdFormulier::SpeMethBouw2Change() {
    VerdeelMethoden({SpeMethBouw1, SpeMethBouw2, SpeMethBouw3}, 1);
}

void TFrmHoofdFormulier::SpeMethBouw3Change() {
    VerdeelMethoden({SpeMethBouw1, SpeMethBouw2, SpeMethBouw3}, 2);
}

// ---------------------------------------------------------------------------------------
// Page 7

void TFrmHoofdFormulier::SpeOppMaisHChange() {
    const std::array<NumEdit*, 3> mais = {SpeOppMaisH, SpeOppMaisN, SpeOppMaisL};
    if (std::all_of(mais.begin(), mais.end(), [](const NumEdit* e) { return e->isFilled(); })) {
        // Soil, groundwater and fertiliser of maize count only where maize grows.
        const bool metMais = SpeOppMaisH->value() + SpeOppMaisN->value() + SpeOppMaisL->value() > 0;
        CbxMaisGrond->setVisible(metMais);
        CbxMaisGttrap->setVisible(metMais);
        SpeToedNKmMais->setEnabled(metMais);
        if (!metMais) SpeToedNKmMais->setValue(0);
    }
    ControleerPagina(7, false);
    // Page 8 shows the maize inputs this decides.
    ControleerPagina(8, false);
}
