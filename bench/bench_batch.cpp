// The batch run of generated farms through the main window (shown, offscreen), with the
// time per step: reset, grids, the other controls with their handlers, the page checks, the
// calculation, the farm file and the dump lines. The sizes show whether the time per farm
// stays flat as the run grows; choose one with --benchmark_filter=BM_Batch/10000.
#include "Automat.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

namespace {
// The header and one row per farm: a dairy farm of 2012 with stocks of every kind, its
// herd and areas varied from farm to farm.
QByteArray Tabel(int aantal) {
    std::string t =
        "NAAMINV@VERSIE@JAARTAL@OMSCHR@VEEHOUDER@STRAAT@PLAATS@RAS@NKOE@NKALF@NPINK@PCDRIJFMK@"
        "PCDRIJFPI@MELKLEV@VET@EIWIT@UREUM@SCHAPEN550@"
        "BV_GK_HOEV@BV_GK_VEM@BV_GK_RE@BV_GK_N@BV_GK_P@AANLEG_GK_HOEV@AANLEG_GK_VEM@AANLEG_GK_RE@"
        "AANLEG_GK_N@AANLEG_GK_P@EV_GK_HOEV@EV_GK_VEM@EV_GK_RE@EV_GK_N@EV_GK_P@"
        "BV_SM_HOEV@BV_SM_VEM@BV_SM_RE@BV_SM_N@BV_SM_P@AANLEG_SM_HOEV@AANLEG_SM_VEM@AANLEG_SM_RE@"
        "AANLEG_SM_N@AANLEG_SM_P@EV_SM_HOEV@EV_SM_VEM@EV_SM_RE@EV_SM_N@EV_SM_P@"
        "AANLEG_OV_HOEV@AANLEG_OV_VEM@AANLEG_OV_RE@AANLEG_OV_N@AANLEG_OV_P@AANLEG_KV_HOEV@"
        "AANLEG_KV_VEM@AANLEG_KV_RE@AANLEG_KV_N@AANLEG_KV_P@AANLEG_MP_HOEV@AANLEG_MP_VEM@"
        "AANLEG_MP_RE@AANLEG_MP_N@AANLEG_MP_P@BEST_GK_VEM@BEST_GK_RE@BEST_GK_N@BEST_GK_P@"
        "TYPESTAL@MNDWEIDB@UURWEIDB@OPPGRASL@OPPGRASN@OPPGRASH@OPPBOUWN@PCMETHGRAS1@PCMETHBOUW1@\r\n";
    for (int i = 1; i <= aantal; ++i) {
        const int koeien = 50 + i % 100;
        t += "Bedrijf " + std::to_string(i) + "@2012.00@2012@Gegenereerd@Boer " + std::to_string(i) +
             "@Weg 1@Dorp@NORM@" + std::to_string(koeien) + "@25@30@80@50@" + std::to_string(koeien * 8500) +
             "@4.4@3.5@22@10@"
             "150000@900@170@27.2@4@300000@940@180@28.8@4.2@120000@910@175@28@4.1@"
             "100000@960@75@12@2@250000@980@72@11.5@2.1@90000@970@74@11.8@2@"
             "20000@1000@200@32@5@180000@1000@170@27.2@4.5@500@1100@230@36@7@960@190@30.4@4.3@"
             "NIETEMARM1@6@8@5@" +
             std::to_string(10 + i % 20) + "@10@5@100@100@\r\n";
    }
    return QByteArray::fromStdString(t);
}
} // namespace

static void BM_Batch(benchmark::State& state) {
    const int aantal = static_cast<int>(state.range(0));
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    TFrmAutomat automat(omg.Omgeving());
    KoppelBatch(w, automat);
    w.show();
    QCoreApplication::processEvents();
    TFrmAutomat::TStapTijden som;
    int run = 0;
    std::chrono::steady_clock::duration totaal{};
    for (auto _ : state) {
        state.PauseTiming();
        const QString pad = omg.Schrijf(QStringLiteral("run%1/boeren.inv").arg(++run), Tabel(aantal));
        omg.Dialogen->Antwoorden.push_back(pad);
        automat.FormShow();
        automat.BtnBestandClick();
        state.ResumeTiming();
        const auto begin = std::chrono::steady_clock::now();
        automat.VerwerkBestand();
        totaal += std::chrono::steady_clock::now() - begin;
        const auto& t = automat.StapTijden;
        som.Reset += t.Reset;
        som.Grids += t.Grids;
        som.Invoer += t.Invoer;
        som.Controles += t.Controles;
        som.Berekening += t.Berekening;
        som.Opslaan += t.Opslaan;
        som.Dump += t.Dump;
    }
    if (!omg.Berichten->Lijst.empty())
        state.SkipWithError(
            ("The run showed a message: " + omg.Berichten->Lijst.front().Tekst).toStdString().c_str());
    // Milliseconds per farm for each step.
    const double n = static_cast<double>(run) * aantal * 1e6;
    state.counters["bedrijf_ms"] =
        static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(totaal).count()) / n;
    state.counters["reset_ms"] = static_cast<double>(som.Reset) / n;
    state.counters["grids_ms"] = static_cast<double>(som.Grids) / n;
    state.counters["invoer_ms"] = static_cast<double>(som.Invoer) / n;
    state.counters["controles_ms"] = static_cast<double>(som.Controles) / n;
    state.counters["berekening_ms"] = static_cast<double>(som.Berekening) / n;
    state.counters["opslaan_ms"] = static_cast<double>(som.Opslaan) / n;
    state.counters["dump_ms"] = static_cast<double>(som.Dump) / n;
    automat.done(0);
}
BENCHMARK(BM_Batch)->Arg(50)->Arg(1000)->Arg(10000)->Unit(benchmark::kSecond)->Iterations(1);
