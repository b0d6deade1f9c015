// The handler contract: a handler meant to be repeatable, fired again on a farm the user
// typed, leaves every control as it was. The farm file and the batch run rely on it when
// they fire the handlers after setting the controls.
#include "NumEdit.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Venster.h"
#include "Venstertoestand.h"
#include "Voorbeeldbedrijf.h"
#include "VoorraadGrid.h"
#include "VoorraadRekenen.h"

#include <QLabel>
#include <QSignalBlocker>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <utility>

namespace {
struct HerhaalGeval {
    const char* Naam;
    std::function<void(TFrmHoofdFormulier&)> Vuur;
};

void VoorElkGrid(TFrmHoofdFormulier& w, const std::function<void(TVoorraadGrid*)>& f) {
    for (int m = 1; m <= 3; ++m)
        for (int k = 1; k <= 5; ++k)
            f(w.VoorraadGrids[m][k]);
}

// The grids the user typed a batch into: the totals of the others still hold the reset's
// texts ("0"), which the totals routine writes with their own decimals ("0.00").
void VoorElkGevuldGrid(TFrmHoofdFormulier& w, const std::function<void(TVoorraadGrid*)>& f) {
    VoorElkGrid(w, [&f](TVoorraadGrid* g) {
        if (!g->Cells(kKolHoev, 1).isEmpty()) f(g);
    });
}

void PrintTo(const HerhaalGeval& g, std::ostream* os) {
    *os << g.Naam;
}

class Herhaalbaar : public VensterTest, public ::testing::WithParamInterface<HerhaalGeval> {};

TEST_P(Herhaalbaar, TweemaalGevuurdBlijftAllesStaan) {
    Toon();
    ASSERT_EQ(TypVoorbeeldbedrijf(*w), "") << Meldingen().join(" | ").toStdString();
    // The single area totals, hidden from 2010 on, hold the sums of their classes once the
    // area layout is redone (a change of year, module or grazing months); the farm was typed
    // without one after its classes, so the sums are put in without running a handler.
    for (auto [totaal, som] :
         {std::pair{w->SpeOppGras, w->LblOppGras}, std::pair{w->SpeOppBouw, w->LblOppBouw}}) {
        const QSignalBlocker stil(totaal);
        totaal->setText(som->text());
    }
    omg.Berichten->Lijst.clear();
    const TVenstertoestand voor = Venstertoestand(*w);
    for (int keer = 1; keer <= 2; ++keer) {
        w->Bewaak([this] { GetParam().Vuur(*w); });
        const QStringList v = Verschillen(voor, Venstertoestand(*w));
        EXPECT_TRUE(v.isEmpty()) << "fired " << keer << "x:\n" << v.join('\n').toStdString();
    }
    EXPECT_EQ(Meldingen(), QStringList());
}

// Every handler of the input pages but the few that are not repeatable by design (see
// Tarvolingrade_u.h), the layouts they share, the page checks and the stock grids' part.
const HerhaalGeval kHerhaalbaar[] = {
    // Page 0
    {"CbxModuleChange", [](TFrmHoofdFormulier& w) { w.CbxModuleChange(); }},
    {"SpeJaartalChange", [](TFrmHoofdFormulier& w) { w.SpeJaartalChange(); }},
    {"EdtNaamChange", [](TFrmHoofdFormulier& w) { w.EdtNaamChange(); }},
    // On the result page the farm ends on: calculates again and shows the same figures.
    {"CbxEvaluatieChange", [](TFrmHoofdFormulier& w) { w.CbxEvaluatieChange(); }},
    // Page 1
    {"SpeMelklevChange", [](TFrmHoofdFormulier& w) { w.SpeMelklevChange(); }},
    {"SpeDrijfMkChange", [](TFrmHoofdFormulier& w) { w.SpeDrijfMkChange(); }},
    {"SpeDrijfKaChange", [](TFrmHoofdFormulier& w) { w.SpeDrijfKaChange(); }},
    {"SpeDrijfPiChange", [](TFrmHoofdFormulier& w) { w.SpeDrijfPiChange(); }},
    {"SpenKalfChange", [](TFrmHoofdFormulier& w) { w.SpenKalfChange(); }},
    {"SpenPinkChange", [](TFrmHoofdFormulier& w) { w.SpenPinkChange(); }},
    {"CbxRasChange", [](TFrmHoofdFormulier& w) { w.CbxRasChange(); }},
    {"SpeMndWeidBMkChange", [](TFrmHoofdFormulier& w) { w.SpeMndWeidBMkChange(); }},
    {"SpeMndWeidOMkChange", [](TFrmHoofdFormulier& w) { w.SpeMndWeidOMkChange(); }},
    {"SpeMndZstvBMkChange", [](TFrmHoofdFormulier& w) { w.SpeMndZstvBMkChange(); }},
    {"SpeMndZstvOMkChange", [](TFrmHoofdFormulier& w) { w.SpeMndZstvOMkChange(); }},
    {"SpeMndWeidBKaChange", [](TFrmHoofdFormulier& w) { w.SpeMndWeidBKaChange(); }},
    {"SpeUurWeidBMkChange", [](TFrmHoofdFormulier& w) { w.SpeUurWeidBMkChange(); }},
    {"SpeUurWeidBKaChange", [](TFrmHoofdFormulier& w) { w.SpeUurWeidBKaChange(); }},
    {"SpeOppGrasLChange", [](TFrmHoofdFormulier& w) { w.SpeOppGrasLChange(); }},
    {"SpeOppGrasChange", [](TFrmHoofdFormulier& w) { w.SpeOppGrasChange(); }},
    {"SpeOppBouwChange", [](TFrmHoofdFormulier& w) { w.SpeOppBouwChange(); }},
    {"SpeLftJvAanExit", [](TFrmHoofdFormulier& w) { w.SpeLftJvAanExit(); }},
    {"SpeLftJvAfvExit", [](TFrmHoofdFormulier& w) { w.SpeLftJvAfvExit(); }},
    {"ToonVeestapel", [](TFrmHoofdFormulier& w) { w.ToonVeestapel(); }},
    {"ToonDrijfmest", [](TFrmHoofdFormulier& w) { w.ToonDrijfmest(); }},
    {"ToonBeweidingEnAreaal", [](TFrmHoofdFormulier& w) { w.ToonBeweidingEnAreaal(); }},
    {"ToonMaandenWeiden", [](TFrmHoofdFormulier& w) { w.ToonMaandenWeiden(); }},
    {"ToonForfaitaireExcretie", [](TFrmHoofdFormulier& w) { w.ToonForfaitaireExcretie(); }},
    // Page 2: the filled category and an empty one
    {"SpeGraas8Change", [](TFrmHoofdFormulier& w) { w.SpeGraas1Change(8); }},
    {"SpeGraas1Change", [](TFrmHoofdFormulier& w) { w.SpeGraas1Change(1); }},
    {"BerekenGraasdieren", [](TFrmHoofdFormulier& w) { w.BerekenGraasdieren(); }},
    {"RbtGraasNeeClick", [](TFrmHoofdFormulier& w) { w.RbtGraasNeeClick(); }},
    // Page 6, with the P-removal edits of page 7 that share its handler
    {"RbtMstafvStandClick", [](TFrmHoofdFormulier& w) { w.RbtMstafvStandClick(); }},
    {"SpeDrijfBouwChange", [](TFrmHoofdFormulier& w) { w.SpeDrijfBouwChange(); }},
    {"SpeDrijfMaisChange", [](TFrmHoofdFormulier& w) { w.SpeDrijfBouwChange(w.SpeDrijfMais); }},
    {"SpeAfvoerGkPChange", [](TFrmHoofdFormulier& w) { w.SpeDrijfBouwChange(w.SpeAfvoerGkP); }},
    {"SpeKasBouwChange", [](TFrmHoofdFormulier& w) { w.SpeKasBouwChange(); }},
    {"CbxTypeStalChange", [](TFrmHoofdFormulier& w) { w.CbxTypeStalChange(); }},
    {"SpeMethGras1Change", [](TFrmHoofdFormulier& w) { w.SpeMethGras1Change(); }},
    {"SpeMethGras2Change", [](TFrmHoofdFormulier& w) { w.SpeMethGras2Change(); }},
    {"SpeMethGras3Change", [](TFrmHoofdFormulier& w) { w.SpeMethGras3Change(); }},
    {"SpeMethBouw1Change", [](TFrmHoofdFormulier& w) { w.SpeMethBouw1Change(); }},
    {"SpeMethBouw2Change", [](TFrmHoofdFormulier& w) { w.SpeMethBouw2Change(); }},
    {"SpeMethBouw3Change", [](TFrmHoofdFormulier& w) { w.SpeMethBouw3Change(); }},
    // Page 7
    {"SpeOppMaisHChange", [](TFrmHoofdFormulier& w) { w.SpeOppMaisHChange(); }},
    // The page checks without messages
    {"ControleerPagina",
     [](TFrmHoofdFormulier& w) {
         for (int p = 0; p <= 8; ++p)
             w.ControleerPagina(p, false);
     }},
    // Stock pages 3..5: the purchase boxes, the totals, the checks and the cell editor
    // on column 1 of every row with an amount, as a farm file's grids are recomputed.
    {"ZetVinkjes", [](TFrmHoofdFormulier& w) { w.ZetVinkjes(); }},
    {"BerekenVoorraadGrid",
     [](TFrmHoofdFormulier& w) {
         VoorElkGevuldGrid(w, [&w](TVoorraadGrid* g) { w.BerekenVoorraadGrid(g); });
     }},
    {"ControleerGrid",
     [](TFrmHoofdFormulier& w) {
         VoorElkGrid(w, [&w](TVoorraadGrid* g) { w.ControleerGrid(g->Pagina(), g, false); });
     }},
    {"GrdBeginGkSetEditText",
     [](TFrmHoofdFormulier& w) {
         VoorElkGrid(w, [&w](TVoorraadGrid* g) {
             for (int r = 1; r < g->RowCount(); ++r)
                 if (!g->Cells(kKolHoev, r).isEmpty())
                     w.GrdBeginGkSetEditText(g, kKolOmschrijving, r, QStringLiteral("0"));
         });
     }},
    // ... and on the ash column, as the batch run completes the VRE of its rows.
    {"GrdBeginGkSetEditTextAs",
     [](TFrmHoofdFormulier& w) {
         VoorElkGrid(w, [&w](TVoorraadGrid* g) {
             for (int r = 1; r < g->RowCount(); ++r)
                 if (!g->Cells(kKolHoev, r).isEmpty())
                     w.GrdBeginGkSetEditText(g, kKolRas, r, QStringLiteral("0"));
         });
     }},
    {"CbxBeginNat0Change", [](TFrmHoofdFormulier& w) { w.CbxBeginNat0Change(w.CbxNat[2][1]); }},
    {"ChkAanlegGkClick", [](TFrmHoofdFormulier& w) { w.ChkAanlegGkClick(w.ChkAankoop[2][2][1]); }},
};

INSTANTIATE_TEST_SUITE_P(Handlers, Herhaalbaar, ::testing::ValuesIn(kHerhaalbaar),
                         [](const ::testing::TestParamInfo<HerhaalGeval>& info) { return info.param.Naam; });
} // namespace
