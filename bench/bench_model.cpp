#include "Excretion.h"
#include "Getallen.h"

#include <benchmark/benchmark.h>

static void BM_NormLookup(benchmark::State& state) {
    float melk = 5000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Zoek_Excretie_Drijf_N(2012, melk, 22.4f));
        melk = melk > 12000 ? 5000 : melk + 37;
    }
}
BENCHMARK(BM_NormLookup);

static void BM_FormatFloat(benchmark::State& state) {
    long double v = 12345.675L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFloat("0.0", v));
        v += 0.01L;
    }
}
BENCHMARK(BM_FormatFloat);
