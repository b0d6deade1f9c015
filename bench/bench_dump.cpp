// The dump export of the example farm with every module: the calculation, the four lines
// and their files. Once into new files, once into files that already hold 1,000 farms
// (each export reads the whole file for the header and the farm's name).
#include "Dump.h"

#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Voorbeeldbedrijf.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {
constexpr std::array<TDumpModule, 4> kModules = {TDumpModule::BEX, TDumpModule::BEA, TDumpModule::BEP,
                                                 TDumpModule::BEN};

// The example farm typed into the window; a benchmark that cannot is skipped.
bool Voorbeeld(benchmark::State& state, TTestOmgeving& omg, TFrmHoofdFormulier& w) {
    w.Afsluiten = [] {};
    const QString fout = TypVoorbeeldbedrijf(w);
    if (!fout.isEmpty()) {
        state.SkipWithError(fout.toStdString().c_str());
        return false;
    }
    w.BestandNaam = omg.Map() + QStringLiteral("/Voorbeeld.trv");
    return true;
}

// Writes the files of D as they were before an export: none, or the header and n rows of
// other farms.
bool Herstel(TFrmHoofdFormulier& w, const QString& D, int rijen) {
    for (TDumpModule m : kModules) {
        const QString pad = DumpBestandsnaam(D, m);
        QFile::remove(pad);
        if (rijen == 0) continue;
        const QByteArray kop = DumpKopregel(w, m);
        QByteArray inhoud = kop + "\r\n";
        for (int i = 0; i < rijen; ++i)
            inhoud += DumpWaarderegel(w, m, QStringLiteral("Bedrijf %1").arg(i)) + "\r\n";
        QFile f(pad);
        if (!f.open(QIODevice::WriteOnly) || f.write(inhoud) != inhoud.size()) return false;
    }
    return true;
}

void Export(benchmark::State& state, int rijen) {
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    if (!Voorbeeld(state, omg, w)) return;
    if (!w.Bereken()) {
        state.SkipWithError("not calculated");
        return;
    }
    const QString D = omg.Map() + QStringLiteral("/farms.dmp");
    omg.Berichten->Lijst.clear();
    for (auto _ : state) {
        state.PauseTiming();
        if (!Herstel(w, D, rijen)) state.SkipWithError("the dump file could not be prepared");
        state.ResumeTiming();
        SchrijfDump(w, D);
    }
    if (!omg.Berichten->Lijst.empty()) state.SkipWithError("a message was shown");
}
} // namespace

static void BM_DumpNieuw(benchmark::State& state) {
    Export(state, 0);
}
BENCHMARK(BM_DumpNieuw)->Unit(benchmark::kMillisecond);

static void BM_DumpIn1000Rijen(benchmark::State& state) {
    Export(state, 1000);
}
BENCHMARK(BM_DumpIn1000Rijen)->Unit(benchmark::kMillisecond);
