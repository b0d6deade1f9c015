// Start-up cost of the main window (built offscreen) and the cost of one reset of all
// inputs, which the batch run pays for every farm.
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"

#include <QApplication>

#include <benchmark/benchmark.h>

static void BM_HoofdvensterMaken(benchmark::State& state) {
    TTestOmgeving omg;
    for (auto _ : state) {
        TFrmHoofdFormulier w(omg.Omgeving());
        benchmark::DoNotOptimize(w.TabTarvolingrader);
    }
}
BENCHMARK(BM_HoofdvensterMaken)->Unit(benchmark::kMillisecond);

static void BM_HoofdvensterMakenEnTonen(benchmark::State& state) {
    TTestOmgeving omg;
    for (auto _ : state) {
        TFrmHoofdFormulier w(omg.Omgeving());
        w.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w.TabTarvolingrader);
    }
}
BENCHMARK(BM_HoofdvensterMakenEnTonen)->Unit(benchmark::kMillisecond);

static void BM_InitInvoer(benchmark::State& state) {
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    for (auto _ : state)
        w.InitInvoer();
}
BENCHMARK(BM_InitInvoer)->Unit(benchmark::kMicrosecond);
