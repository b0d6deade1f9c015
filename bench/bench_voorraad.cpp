// Typing into a full stock grid: every keystroke runs the cell editor, the totals, the
// grid check and the check of the whole stock page. One iteration is one keystroke.
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "VoorraadGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {
void Toets(QWidget* w, Qt::Key toets, const QString& tekst) {
    QKeyEvent in(QEvent::KeyPress, toets, Qt::NoModifier, tekst);
    QKeyEvent uit(QEvent::KeyRelease, toets, Qt::NoModifier, tekst);
    QApplication::sendEvent(w, &in);
    QApplication::sendEvent(w, &uit);
}

// Fills every batch row of the opening-stock grids with a valid batch.
void VulPagina(TFrmHoofdFormulier& w) {
    for (int k = 1; k <= 5; ++k) {
        TVoorraadGrid* g = w.VoorraadGrids[1][k];
        for (int r = 1; r < g->RowCount(); ++r) {
            const QStringList regel = {QStringLiteral("Partij %1").arg(r),
                                       "1000",
                                       k == 5 ? "2000" : "950",
                                       "160",
                                       "25.60",
                                       "5",
                                       "100"};
            for (int c = 0; c < regel.size(); ++c)
                g->SetCells(c + 1, r, regel[c]);
            w.GrdBeginGkSetEditText(g, 1, r, QStringLiteral("0"));
        }
    }
}
} // namespace

static void BM_TypenInVolGrid(benchmark::State& state) {
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    VulPagina(w);
    TVoorraadGrid* g = w.VoorraadGrids[1][static_cast<int>(state.range(0))];
    const int rij = g->RowCount() - 1;
    g->setCurrentCell(rij - 1, 4);
    g->editItem(g->item(rij - 1, 4));
    QLineEdit* e = g->Editor();
    if (!e) {
        state.SkipWithError("no cell editor");
        return;
    }
    Toets(e, Qt::Key_End, QString());
    bool erbij = true;
    for (auto _ : state) {
        // RE grows by a digit and shrinks again: N, VRE, totals and checks follow.
        if (erbij)
            Toets(e, Qt::Key_5, QStringLiteral("5"));
        else
            Toets(e, Qt::Key_Backspace, QString());
        erbij = !erbij;
    }
    if (omg.Berichten->Lijst.size() != 0) state.SkipWithError("a message was shown");
    if (g->Cells(5, rij) != (erbij ? "25.60" : "256.80"))
        state.SkipWithError("the keystrokes did not reach the grid");
}
// Concentrates (20 rows) and grass silage (15 rows, best silage and purchased share).
BENCHMARK(BM_TypenInVolGrid)->Arg(4)->Arg(1)->Unit(benchmark::kMicrosecond);
