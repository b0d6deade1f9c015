// The farm file: encoding and decoding a full farm (every grid row filled), and the Save
// and Open commands on the main window.
#include "BestandVenster.h"
#include "Bestandscommandos.h"
#include "Boerderijbestand.h"
#include "Tarvolingrade_u.h"
#include "TestBytes.h"
#include "TestOmgeving.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {
// A farm with every batch row of every grid filled, as the tests' writer lays it out.
std::vector<std::uint8_t> VolBestand() {
    TTestBoerderij f;
    f.Module = 4;
    f.Jaar = 2012;
    f.Cel = [](int m, int k, int c, int r) -> std::string {
        static const std::array<const char*, 9> cellen = {"",     "Partij", "",    "950", "170",
                                                          "27.2", "4.1",    "100", "120"};
        if (c == 1) return std::string(k == 3 ? "Pulp#Bierbostel " : "Partij ") + std::to_string(r);
        if (c == 2) return std::to_string(1000 * (m + r));
        return cellen[static_cast<std::size_t>(c)];
    };
    return BouwBestand(201200, f);
}

struct TVolleBoerderij {
    TTestOmgeving omg;
    TFrmHoofdFormulier w{omg.Omgeving()};
    QString pad = QDir(omg.Map()).filePath(QStringLiteral("vol.trv"));
    TVolleBoerderij() {
        KoppelBestanden(w);
        const auto b = VolBestand();
        omg.Schrijf(QStringLiteral("vol.trv"),
                    QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size())));
        if (!LeesBestand(w, pad)) throw std::runtime_error("the full farm was not read");
    }
};
} // namespace

static void BM_Decodeer(benchmark::State& state) {
    const auto b = VolBestand();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeerBestand(b, '.'));
}
BENCHMARK(BM_Decodeer)->Unit(benchmark::kMicrosecond);

static void BM_Codeer(benchmark::State& state) {
    const TBoerderijBestand r = DecodeerBestand(VolBestand(), '.');
    for (auto _ : state)
        benchmark::DoNotOptimize(CodeerBestand(r));
}
BENCHMARK(BM_Codeer)->Unit(benchmark::kMicrosecond);

// Save: collecting the window's inputs, encoding and writing through a temporary file.
static void BM_Opslaan(benchmark::State& state) {
    TVolleBoerderij b;
    const QString doel = QDir(b.omg.Map()).filePath(QStringLiteral("opgeslagen.trv"));
    for (auto _ : state)
        if (!SchrijfBestand(b.w, doel)) state.SkipWithError("save failed");
}
BENCHMARK(BM_Opslaan)->Unit(benchmark::kMillisecond);

// Open of a full farm into the window: read, decode, reset, apply with every handler, the
// checks and the page.
static void BM_Openen(benchmark::State& state) {
    TVolleBoerderij b;
    for (auto _ : state)
        if (!LeesBestand(b.w, b.pad)) state.SkipWithError("open failed");
}
BENCHMARK(BM_Openen)->Unit(benchmark::kMillisecond);
