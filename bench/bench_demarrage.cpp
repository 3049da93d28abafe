// Costs measured on the real windows: opening the main window (its design,
// the start-up sequence), and a concentration bar moved on the ionic page
// with everything the page redraws.
#include "app/apparence.h"
#include "app/tform1.h"
#include "common/image_controle.h"
#include "ui_tform1.h"
#include "ionic/page_ionique.h"
#include "ui_page_ionique.h"

#include "shell/tform_richedit.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

// The system's services on the bench's program folder.
quillon::Services systeme()
{
    quillon::Services s;
    s.dossier_prog = QStringLiteral(QUILLON_DOSSIER_BENCH);
    return s;
}

void BM_CreationEtDemarrage(benchmark::State& s)
{
    for (auto _ : s) {
        quillon::Services services = systeme();
        services.afficher_erreur = [&s](const QString& m) { s.SkipWithError(m.toStdString().c_str()); };
        quillon::TForm1 f{services};
        f.Timer_debutTimer();
        benchmark::DoNotOptimize(&f);
    }
}
BENCHMARK(BM_CreationEtDemarrage)->Unit(benchmark::kMillisecond);

// The outside K+ bar moved by the pupil: handler, calcul_images re-entering
// through the bars, potentials, then labels, pictures and bars shown.
void BM_BarrePageIonique(benchmark::State& s)
{
    quillon::TForm1 f{systeme()};
    f.Timer_debutTimer();
    QScrollBar* barre = f.ionique().ui()->Scroll_ke;
    int position = barre->value();
    for (auto _ : s) {
        position = position == 294 ? 179 : 294; // 179 is odd: the bar moves once more
        barre->setValue(position);
        benchmark::DoNotOptimize(f.ionique().modele().etat.e_k);
    }
}
BENCHMARK(BM_BarrePageIonique)->Unit(benchmark::kMicrosecond);

// The home page's nerve cell picture repainted whole, as a legend dragged
// across it repaints it in parts: drawn from its RGB888 rows as embedded.
void BM_PeindreImageAccueil(benchmark::State& s)
{
    quillon::TForm1 f{systeme()};
    quillon::ImageControle* image = f.ui()->Image2;
    QImage ecran(image->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : s) {
        image->render(&ecran);
        benchmark::DoNotOptimize(ecran.constBits());
    }
}
BENCHMARK(BM_PeindreImageAccueil)->Unit(benchmark::kMicrosecond);

// One animation tick on the page at 600 particles: moves, then the
// compartments drawn from the positions, arrows and label, the flip.
void BM_TopAnimationPage(benchmark::State& s)
{
    quillon::TForm1 f{systeme()};
    f.Timer_debutTimer();
    quillon::PageIonique& page = f.ionique();
    page.BitBtn12Click();
    page.ui()->Scroll_ki->setValue(0);
    page.ui()->Scroll_ke->setValue(0);
    for (auto _ : s) {
        page.Timer_animTimer();
        page.montrer_animation(); // shown at every tick, as at the slower paces
    }
    s.counters["particules"] = page.modele().anim.nb_part;
}
BENCHMARK(BM_TopAnimationPage)->Unit(benchmark::kMicrosecond);

// "Phases de test": the script loaded from its RTF file, then stepped
// through from its first line to its last.
void BM_PhasesDeTest(benchmark::State& s)
{
    std::size_t lignes = 0;
    for (auto _ : s) {
        quillon::TForm_richedit viewer;
        viewer.ouvrir_phases(QStringLiteral(QUILLON_DOSSIER_BENCH), nullptr);
        lignes = static_cast<std::size_t>(viewer.lignes().size());
        if (lignes == 0) {
            s.SkipWithError("phases_demo.rtf not found");
            break;
        }
        for (std::size_t i = 0; i < lignes; ++i)
            viewer.btn_basClick();
    }
    s.counters["lignes"] = static_cast<double>(lignes);
}
BENCHMARK(BM_PhasesDeTest)->Unit(benchmark::kMillisecond);

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
