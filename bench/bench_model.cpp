#include "Bedrijf_u.h"
#include "Excretion.h"
#include "Getallen.h"
#include "Voorbeeldbedrijven.h"

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

namespace {

// A dairy farm with six months of limited grazing and stocks of every feed kind.
TBedrijf Melkveebedrijf() {
    TBedrijf b;
    b.ZetInvoer(Melkvee());
    return b;
}

} // namespace

static void BM_GehalteVerbruik(benchmark::State& state) {
    const TBedrijf b = Melkveebedrijf();
    for (auto _ : state)
        benchmark::DoNotOptimize(b.GehalteVerbruik("KV", "N"));
}
BENCHMARK(BM_GehalteVerbruik);

static void BM_VemVerdelingA(benchmark::State& state) {
    const TBedrijf b = Melkveebedrijf();
    for (auto _ : state)
        benchmark::DoNotOptimize(b.VemVerdelingA());
}
BENCHMARK(BM_VemVerdelingA);

static void BM_AandeelVoerz(benchmark::State& state) {
    const TBedrijf b = Melkveebedrijf();
    for (auto _ : state)
        benchmark::DoNotOptimize(b.AandeelVoerz("SM"));
}
BENCHMARK(BM_AandeelVoerz);

// The whole calculation of the BEX farm and of the farm with every module (BEX, ammonia,
// phosphate, nitrogen), result texts included; with the argument 0 every sub-result is
// computed afresh.
static void BM_Bereken(benchmark::State& state, TTvInvoer (*boerderij)()) {
    const TTvInvoer in = boerderij();
    TBedrijf b;
    b.Onthouden = state.range(0) != 0;
    for (auto _ : state) {
        TTvUitvoer uit{};
        b.Bereken(in, uit);
        benchmark::DoNotOptimize(uit);
    }
}
BENCHMARK_CAPTURE(BM_Bereken, Bex, BexBedrijf)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Bereken, AlleModules, AlleModulesBedrijf)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
