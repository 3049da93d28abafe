// Costs of the rules that run on every mouse event or at start-up.
#include "common/aleatoire.h"
#include "common/chemins.h"
#include "common/nombres.h"
#include "labelling/legendes.h"

#include <benchmark/benchmark.h>

using namespace quillon;

namespace {

std::vector<Cible> cibles()
{
    std::vector<Cible> c;
    for (int i = 0; i < 10; ++i)
        c.push_back({{500 + 30 * i, 40 * i, 80, 40}, QStringLiteral("Légende %1").arg(i)});
    return c;
}

// One mouse move of a dragged legend.
void BM_DeplacementLegende(benchmark::State& s)
{
    ExerciceLegendes ex;
    ex.construire(cibles());
    ex.affichage_legendes();
    ex.labelMouseDown(1, 10, 10);
    int sens = 1;
    for (auto _ : s) {
        benchmark::DoNotOptimize(ex.labelMouseMove(1, 10 + sens, 10 + sens));
        sens = -sens;
    }
}
BENCHMARK(BM_DeplacementLegende);

// A drop (the test against every target) followed by a correction.
void BM_DeposeEtCorrection(benchmark::State& s)
{
    ExerciceLegendes ex;
    ex.construire(cibles());
    ex.affichage_legendes();
    for (auto _ : s) {
        ex.labelMouseDown(3, 0, 0);
        ex.labelMouseup(3);
        benchmark::DoNotOptimize(ex.btn_correctionClick());
    }
}
BENCHMARK(BM_DeposeEtCorrection);

// Building, shuffling and laying out the legends at start-up.
void BM_ConstructionLegendes(benchmark::State& s)
{
    const std::vector<Cible> c = cibles();
    Aleatoire hasard(3);
    for (auto _ : s) {
        ExerciceLegendes ex;
        ex.construire(c);
        ex.melanger(hasard);
        ex.affichage_legendes();
        benchmark::DoNotOptimize(ex.ordre().data());
    }
}
BENCHMARK(BM_ConstructionLegendes);

void BM_FormatGeneral(benchmark::State& s)
{
    double x = 0;
    for (auto _ : s) {
        benchmark::DoNotOptimize(format_general(x, QStringLiteral("fr_FR")));
        x += 10;
        if (x > 100)
            x = 0;
    }
}
BENCHMARK(BM_FormatGeneral);

void BM_LireEntier(benchmark::State& s)
{
    const QString texte = QStringLiteral("   -1234abc");
    for (auto _ : s)
        benchmark::DoNotOptimize(lire_entier(texte));
}
BENCHMARK(BM_LireEntier);

// A data file name resolved without regard to case (the slow path).
void BM_CheminSansCasse(benchmark::State& s)
{
    for (auto _ : s)
        benchmark::DoNotOptimize(chemin_fichier(QStringLiteral("/usr/share/"), QStringLiteral("\\DOC\\absent.txt")));
}
BENCHMARK(BM_CheminSansCasse);

} // namespace
