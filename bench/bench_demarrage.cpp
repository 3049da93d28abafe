// Cost of opening the main window: creating it from its design and running
// the start-up sequence (bitmaps loaded, legends built, shuffled, laid out).
#include "app/apparence.h"
#include "app/tform1.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_CreationEtDemarrage(benchmark::State& s)
{
    for (auto _ : s) {
        quillon::TForm1 f(QStringLiteral(QUILLON_DOSSIER_BENCH));
        f.afficher_erreur = [&s](const QString& m) { s.SkipWithError(m.toStdString().c_str()); };
        f.Timer_debutTimer();
        benchmark::DoNotOptimize(&f);
    }
}
BENCHMARK(BM_CreationEtDemarrage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quillon::preparer_application(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
