#include "Bedrijf_u.h"
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

namespace {

// A dairy farm with six months of limited grazing and stocks of every feed kind.
TBedrijf Melkveebedrijf() {
    TTvInvoer in{};
    in.Jaartal = 2010;
    in.Diercategorie = "MK";
    in.Ras = "NORM";
    in.nKoe = 80;
    in.nPink = 30;
    in.nKalf = 25;
    in.MelkLev = 680000;
    in.Vet = 4.4f;
    in.Eiwit = 3.5f;
    in.VemDekking = 102;
    in.MndWeidBMk = 6;
    in.UurWeidBMk = 8;
    auto& V = in.Voorraden;
    V[mBegin][kGK] = {150000, 900, 170, 27.2f, 4.0f, 0, 110};
    V[mAanleg][kGK] = {300000, 940, 180, 28.8f, 4.2f, 0, 115};
    V[mEind][kGK] = {120000, 910, 175, 28, 4.1f, 0, 112};
    V[mBegin][kSM] = {100000, 960, 75, 12, 2, 0, 45};
    V[mAanleg][kSM] = {250000, 980, 72, 11.5f, 2.1f, 0, 43};
    V[mEind][kSM] = {90000, 970, 74, 11.8f, 2, 0, 44};
    V[mAanleg][kNAT] = {20000, 1000, 200, 32, 5, 0, 150};
    V[mAanleg][kKV] = {180000, 1000, 170, 27.2f, 4.5f, 0, 120};
    V[mAanleg][kMP] = {500, 1100, 230, 36, 7, 0, 200};
    in.BesteGk = {0, 960, 190, 30.4f, 4.3f, 0, 120};
    in.Graasdieren[8] = 10;
    TBedrijf b;
    b.ZetInvoer(in);
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
