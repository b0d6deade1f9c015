// Entering a result page for the example farm with every module: the user's click on the
// tab, the silent check of the page left, the calculation driver filling the record from
// the controls and totals, the model, and the labels of the page. One iteration is one
// entry of the page.
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Voorbeeldbedrijf.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {
// Types the example farm into the window; a benchmark that cannot is skipped.
bool TypVoorbeeld(benchmark::State& state, TFrmHoofdFormulier& w) {
    w.Afsluiten = [] {};
    const QString fout = TypVoorbeeldbedrijf(w);
    if (fout.isEmpty()) return true;
    state.SkipWithError(fout.toStdString().c_str());
    return false;
}
} // namespace

static void BM_ResultaatpaginaBinnengaan(benchmark::State& state) {
    const int pagina = static_cast<int>(state.range(0));
    const int vanaf = static_cast<int>(state.range(1));
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    w.show();
    QCoreApplication::processEvents();
    if (!TypVoorbeeld(state, w)) return;
    omg.Berichten->Lijst.clear();
    for (auto _ : state) {
        state.PauseTiming();
        w.ZetActievePagina(vanaf);
        state.ResumeTiming();
        KlikTab(w, pagina);
    }
    if (w.TabTarvolingrader->currentIndex() != pagina) state.SkipWithError("the page was not entered");
    if (!omg.Berichten->Lijst.empty()) state.SkipWithError("a message was shown");
}
// The BEX results from the last input page, the analysis from another result page.
BENCHMARK(BM_ResultaatpaginaBinnengaan)->Args({9, 8})->Args({13, 12})->Unit(benchmark::kMillisecond);

// The driver alone: the record from the controls and totals, and the model.
static void BM_Bereken(benchmark::State& state) {
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    if (!TypVoorbeeld(state, w)) return;
    for (auto _ : state)
        benchmark::DoNotOptimize(w.Bereken());
}
BENCHMARK(BM_Bereken)->Unit(benchmark::kMicrosecond);
