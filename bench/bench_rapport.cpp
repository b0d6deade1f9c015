// The report of the example farm with every module (11 pages): the preview, which
// calculates, takes the snapshot and paints every page once, and the whole report printed
// into a PDF file. One iteration is one command.
#include "PrintCommandos.h"
#include "PrintStandIns.h"

#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Voorbeeldbedrijf.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
bool TypVoorbeeld(benchmark::State& state, TFrmHoofdFormulier& w) {
    w.Afsluiten = [] {};
    const QString fout = TypVoorbeeldbedrijf(w);
    if (fout.isEmpty()) return true;
    state.SkipWithError(fout.toStdString().c_str());
    return false;
}
} // namespace

static void BM_VoorbeeldAllePaginas(benchmark::State& state) {
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    if (!TypVoorbeeld(state, w)) return;
    auto log = std::make_shared<QStringList>();
    TRapportCommandos* c = KoppelRapport(w, NepOmgeving(log, std::nullopt));
    int paginas = 0;
    const TDrawPPEvent schilder = c->PktPrintPreview.OnPaint;
    c->PktPrintPreview.OnPaint = [&](TPreviewCanvas& canvas, int p) {
        ++paginas;
        schilder(canvas, p);
    };
    for (auto _ : state)
        c->MitAfdrukvoorbeeldClick();
    state.counters["pages"] = benchmark::Counter(paginas, benchmark::Counter::kAvgIterations);
    if (paginas != 11 * static_cast<int>(state.iterations()))
        state.SkipWithError("not every page was painted");
}
BENCHMARK(BM_VoorbeeldAllePaginas)->Unit(benchmark::kMillisecond);

static void BM_RapportNaarPdf(benchmark::State& state) {
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    if (!TypVoorbeeld(state, w)) return;
    QTemporaryDir map;
    const QString pdf = map.filePath(QStringLiteral("rapport.pdf"));
    auto log = std::make_shared<QStringList>();
    TPrintOmgeving o = NepOmgeving(log, std::nullopt);
    o.PrintDialoog = [pdf](QWidget*, QPrinter& printer, int aantal) -> std::optional<TAfdrukKeuze> {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return TAfdrukKeuze{1, aantal, {}};
    };
    o.Doel = TPrintOmgeving::Standaard().Doel;
    TRapportCommandos* c = KoppelRapport(w, o);
    for (auto _ : state)
        c->MitAfdrukkenClick();
    if (!omg.Berichten->Lijst.empty()) state.SkipWithError("a message was shown");
    if (!QFileInfo::exists(pdf)) state.SkipWithError("no PDF file");
}
BENCHMARK(BM_RapportNaarPdf)->Unit(benchmark::kMillisecond);
