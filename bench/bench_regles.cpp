// Costs of the rules that run on every mouse event or at start-up.
#include "common/aleatoire.h"
#include "common/chemins.h"
#include "common/nombres.h"
#include "common/aleatoire.h"
#include "ionic/animation.h"
#include "ionic/equilibres.h"
#include "labelling/legendes.h"
#include "stimulation/reponse.h"

#include <cstring>

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

namespace {

quillon::EquilibresIoniques page_ionique()
{
    quillon::EquilibresIoniques m;
    m.barre_changee(Barre::gk);
    m.barre_changee(Barre::gna);
    m.etat.rapport_k = 18.0 / 21;
    m.etat.rapport_na = 18.0 / 32;
    m.etat.rapport_an = 17.0 / 20;
    m.etat.concentrations_depart();
    m.calcul_images();
    return m;
}

// One concentration change by a bar: the handler, calcul_images re-entering
// through the moved bars, the potentials.
void BM_ChangementConcentration(benchmark::State& s)
{
    quillon::EquilibresIoniques m = page_ionique();
    int valeur = 6;
    for (auto _ : s) {
        valeur = valeur == 6 ? 121 : 6; // odd: the bar moves back once more
        m.changer_position(quillon::Barre::ke, 300 - valeur);
        benchmark::DoNotOptimize(m.etat.e_k);
    }
}
BENCHMARK(BM_ChangementConcentration);

// The recorder's chart redrawn from 83 programmed steps.
void BM_ReaffTout83(benchmark::State& s)
{
    quillon::EquilibresIoniques m = page_ionique();
    m.enregistreur.programmer_ou_finir();
    for (int i = 1; i <= 83; ++i) {
        m.pas_suivant();
        m.changer_position(quillon::Barre::gk, 100 - (i * 7) % 101);
        m.changer_position(quillon::Barre::gna, 100 - (i * 13) % 101);
    }
    for (auto _ : s) {
        m.enregistreur.reaff_tout();
        benchmark::DoNotOptimize(m.enregistreur.courbe().constBits());
    }
}
BENCHMARK(BM_ReaffTout83);

} // namespace

namespace {

// The animation at its largest: 300 K+ inside and outside, 600 particles.
struct Animation600 {
    quillon::EtatIonique etat;
    quillon::AnimationFlux anim;
    quillon::Aleatoire hasard{7};
    QImage sav{quillon::AnimationFlux::largeur, quillon::AnimationFlux::hauteur, QImage::Format_RGB32};
    QImage pe1{sav.size(), QImage::Format_RGB32};
    QImage pe2{sav.size(), QImage::Format_RGB32};

    Animation600()
    {
        etat.k_int = 300;
        etat.k_ext = 300;
        etat.calcul_pot_eq();
        sav.fill(Qt::white);
        anim.remise_zero_anim(etat, sav);
        anim.rempl_image(etat, hasard, sav, pe1);
        quillon::AnimationFlux::recopier(pe1, pe2);
    }
};

// One tick: every particle moved, nothing drawn.
void BM_TopAnimation600(benchmark::State& s)
{
    Animation600 a;
    for (auto _ : s) {
        a.anim.tic(a.etat.e_k, a.hasard);
        benchmark::DoNotOptimize(a.anim.particules.data());
    }
}
BENCHMARK(BM_TopAnimation600);

// A picture shown: the background copied and every particle drawn.
void BM_ImageAnimation600(benchmark::State& s)
{
    Animation600 a;
    for (auto _ : s) {
        a.anim.dessiner_particules(a.sav, a.pe2);
        benchmark::DoNotOptimize(a.pe2.constBits());
    }
}
BENCHMARK(BM_ImageAnimation600);

void BM_RemplImage600(benchmark::State& s)
{
    Animation600 a;
    for (auto _ : s) {
        a.anim.rempl_image(a.etat, a.hasard, a.sav, a.pe1);
        benchmark::DoNotOptimize(a.pe1.constBits());
    }
}
BENCHMARK(BM_RemplImage600);

} // namespace

namespace {

// One recomputation of the stimulation page's recording and its drawing on
// the 420 x 220 screen, with two responses.
void BM_Stimulation(benchmark::State& s)
{
    quillon::PotentielEss0 pot{};
    for (int k = 1; k <= 84; ++k)
        pot[static_cast<std::size_t>(k)] = k <= 30 ? -70 + 4 * k : -70;
    quillon::ReglagesStimulation r;
    r.position_i_stim = 30;
    r.deux_stim = true;
    r.pos = 25;
    const QImage blanc = [] {
        QImage i(420, 220, QImage::Format_RGB32);
        i.fill(Qt::white);
        return i;
    }();
    QImage ecran = blanc.copy();
    quillon::ReponseStimulation rep;
    for (auto _ : s) {
        rep.calculer(r, pot);
        std::memcpy(ecran.bits(), blanc.constBits(), static_cast<std::size_t>(blanc.sizeInBytes()));
        rep.dessiner(ecran);
        benchmark::DoNotOptimize(ecran.constBits());
    }
}
BENCHMARK(BM_Stimulation);

} // namespace

#include "shell/jpeg.h"

#include <QFile>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

// The two figures of the stimulation page's picture viewer decoded, as the
// viewer opens them. They are drawn during the build into the program folder
// (build/bin), the folder of this program too; QUILLON_DOSSIER may name
// another.
QByteArray figure_construite(const char* nom)
{
    std::vector<std::filesystem::path> dossiers;
    if (const char* d = std::getenv("QUILLON_DOSSIER"))
        dossiers.emplace_back(d);
    std::error_code erreur;
    const std::filesystem::path programme = std::filesystem::read_symlink("/proc/self/exe", erreur);
    if (!erreur)
        dossiers.push_back(programme.parent_path());
    dossiers.emplace_back("bin");
    dossiers.emplace_back("build/bin");
    for (const std::filesystem::path& d : dossiers) {
        QFile f(QString::fromStdString((d / nom).string()));
        if (f.open(QIODevice::ReadOnly))
            return f.readAll();
    }
    return QByteArray();
}

void BM_LireJpegFigures(benchmark::State& s)
{
    const QByteArray figures[] = {figure_construite("refract.jpg"), figure_construite("recrut.jpg")};
    for (const QByteArray& f : figures) {
        if (f.isEmpty()) {
            s.SkipWithError("refract.jpg or recrut.jpg not found beside the program (build the target quillon_figures_jpg)");
            return;
        }
        if (quillon::lire_jpeg(f).image.isNull()) {
            s.SkipWithError("a figure does not decode");
            return;
        }
    }
    for (auto _ : s) {
        for (const QByteArray& f : figures) {
            const quillon::ImageJpeg r = quillon::lire_jpeg(f);
            benchmark::DoNotOptimize(r.image.constBits());
        }
    }
    s.SetBytesProcessed(static_cast<int64_t>(s.iterations()) * (figures[0].size() + figures[1].size()));
}
BENCHMARK(BM_LireJpegFigures)->Unit(benchmark::kMillisecond);

} // namespace
