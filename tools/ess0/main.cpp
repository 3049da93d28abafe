// Generator of "ess0.nst", the action potential that the stimulation page
// draws: the membrane potential of a squid giant axon, recorded at a point of
// the axon after a brief stimulating current at one end, one sample every
// 1/6 ms, 84 samples.
//
// Model: the Hodgkin-Huxley membrane (gNa 120, gK 36, gL 0.3 mS/cm2; ENa +50,
// EK -77, EL -54.387 mV; C 1 uF/cm2; rate functions in the modern convention,
// rest near -65 mV) on a cable, as for their propagated action potential:
// radius 238 um, axoplasm resistivity 35.4 ohm.cm, 5 cm long with sealed ends,
// cut into 100 compartments of 0.5 mm. Temperature 25 C: phi = 3^1.87 =
// 7.8. At this temperature the kinetics are fast enough for the whole action
// potential, undershoot included, to lie within the 30 samples the page
// draws: at 18.5 C the undershoot was still 3.9 mV deep at sample 30, and
// every trace stepped back to the baseline 5 ms after each response.
// Stimulus: 2000 uA/cm2 over the first compartment's membrane (15 uA in all)
// from 0 to 0.1 ms, about twice the threshold. Recording: the compartment
// 1.8 cm from the stimulated one. Fixed-step fourth-order Runge-Kutta,
// 200 steps per sample (1/1200 ms), from the steady state at rest.
//
// Written: pot[k] = V(k/6 ms) + shift for k = 1..84 (time 0, the start of
// the stimulus, is not a sample), shift = -70 - V_rest = -70 - (-64.99638) =
// -5.00362 mV, so that the rest reads -70 mV.
//
// What the file holds (shifted scale):
//   rest -70.000 mV; pot[1..3] within 0.13 mV of it, pot[4] -68.35, pot[5]
//   -51.06; peak +7.20 mV at sample 6 (1 ms); back through rest between
//   samples 8 and 9; undershoot -77.48 mV at sample 12, -70.40 mV at sample
//   30 (0.39 mV from the baseline); a slight rebound to -69.74 mV at sample
//   38; pot[70] = -70.003 mV.
// The velocity a pupil measures on the stimulation page: the response
// forme[j] = pot[j] - pot[70] is drawn from sample decal1 + j, decal1 =
// (208 - 80) div 6 = 21, at x = 5 s + 6 in the group box, whose time ruler
// puts 0 ms at x 10 and 30 pixels per ms. The start of the response is the
// first j with |forme[j]| > 2 mV: j = 5 (forme[4] = 1.65 mV, one pixel at the
// highest gain, 0.7 pixel per mV; forme[5] = 18.95 mV). Latency
// (5 (21 + 5) + 6 - 10) / 30 = 4.2 ms; distance read on the ruler, cathode
// at 9 cm and electrode 1 at 26 cm: 17 cm ((208 - 80) / 7.5 = 17.07); velocity
// 17 / 4.2 * 10 = 40.5 m/s. A reading from the first point off the baseline
// by a pixel (j = 4) gives 4.03 ms and 42.1 m/s.
//
// Only + - * / and std::exp: the file comes out the same on every machine
// whose exp is the same; the tests check it byte for byte.
#include "workfiles/fichiers_travail.h"

#include <QString>
#include <cmath>
#include <cstdio>
#include <vector>

using quillon::EtapeNernst;
using quillon::SequenceNernst;

namespace {

// Membrane (per cm2 of membrane).
constexpr double g_na = 120;      // mS/cm2
constexpr double g_k = 36;        // mS/cm2
constexpr double g_l = 0.3;       // mS/cm2
constexpr double e_na = 50;       // mV
constexpr double e_k = -77;       // mV
constexpr double e_l = -54.387;   // mV
constexpr double c_m = 1;         // uF/cm2

// Temperature: the rates are those of 6.3 C times phi = 3^((T - 6.3) / 10).
constexpr double temperature = 25; // C
constexpr double ln_3 = 1.0986122886681098;

// Cable.
constexpr double rayon = 0.0238;       // cm
constexpr double resistivite = 35.4;   // ohm.cm
constexpr double dx = 0.05;            // cm
constexpr int compartiments = 100;     // 5 cm
constexpr int enregistre = 36;         // 1.8 cm from compartment 0
// Coupling between neighbours per cm2 of membrane: a / (2 Ri dx2) in S/cm2.
constexpr double g_axial = 1000 * rayon / (2 * resistivite * dx * dx); // mS/cm2

// Time.
constexpr int echantillons = 84;
constexpr int pas_par_echantillon = 200;
constexpr double dt = 1.0 / (6 * pas_par_echantillon); // ms

// Stimulus into compartment 0.
constexpr double i_stimulus = 2000; // uA/cm2
constexpr int pas_stimulus = 120;   // 0.1 ms

constexpr double repos_ecrit = -70; // mV

// x / (1 - e^-x), 1 at x = 0.
double x_sur_1_moins_exp(double x)
{
    if (std::abs(x) < 1e-4)
        return 1 + x / 2 + x * x / 12;
    return x / (1 - std::exp(-x));
}

struct Vitesses {
    double alpha_m, beta_m, alpha_h, beta_h, alpha_n, beta_n; // 1/ms at 6.3 C
};

Vitesses vitesses(double v)
{
    Vitesses r;
    r.alpha_m = x_sur_1_moins_exp((v + 40) / 10);
    r.beta_m = 4 * std::exp(-(v + 65) / 18);
    r.alpha_h = 0.07 * std::exp(-(v + 65) / 20);
    r.beta_h = 1 / (1 + std::exp(-(v + 35) / 10));
    r.alpha_n = 0.1 * x_sur_1_moins_exp((v + 55) / 10);
    r.beta_n = 0.125 * std::exp(-(v + 65) / 80);
    return r;
}

struct Portes {
    double m, h, n;
};

Portes portes_stables(double v)
{
    const Vitesses r = vitesses(v);
    return {r.alpha_m / (r.alpha_m + r.beta_m), r.alpha_h / (r.alpha_h + r.beta_h),
            r.alpha_n / (r.alpha_n + r.beta_n)};
}

double courant_ionique(double v, const Portes& p) // uA/cm2, outward positive
{
    return g_na * p.m * p.m * p.m * p.h * (v - e_na) + g_k * p.n * p.n * p.n * p.n * (v - e_k) + g_l * (v - e_l);
}

// The resting potential: where the steady-state current vanishes, by
// bisection down to the last bit.
double potentiel_de_repos()
{
    double bas = -80; // inward current below rest
    double haut = -50;
    for (;;) {
        const double milieu = (bas + haut) / 2;
        if (milieu == bas || milieu == haut)
            return milieu;
        if (courant_ionique(milieu, portes_stables(milieu)) < 0)
            bas = milieu;
        else
            haut = milieu;
    }
}

// State: V, m, h, n of each compartment, one after the other.
using Etat = std::vector<double>;

void derivee(const Etat& e, double i_injecte, double phi, Etat& d)
{
    for (int i = 0; i < compartiments; ++i) {
        const std::size_t b = 4 * static_cast<std::size_t>(i);
        const double v = e[b];
        const Portes p{e[b + 1], e[b + 2], e[b + 3]};
        // Sealed ends: no current through them.
        const double v_avant = i > 0 ? e[b - 4] : v;
        const double v_apres = i + 1 < compartiments ? e[b + 4] : v;
        const double axial = g_axial * (v_avant - 2 * v + v_apres);
        const double injecte = i == 0 ? i_injecte : 0;
        const Vitesses r = vitesses(v);
        d[b] = (injecte + axial - courant_ionique(v, p)) / c_m;
        d[b + 1] = phi * (r.alpha_m * (1 - p.m) - r.beta_m * p.m);
        d[b + 2] = phi * (r.alpha_h * (1 - p.h) - r.beta_h * p.h);
        d[b + 3] = phi * (r.alpha_n * (1 - p.n) - r.beta_n * p.n);
    }
}

// The potential at the recording point, samples 1..84.
std::vector<double> simuler(double v_repos)
{
    const double phi = std::exp((temperature - 6.3) / 10 * ln_3);
    const Portes p0 = portes_stables(v_repos);
    const std::size_t taille = 4 * static_cast<std::size_t>(compartiments);
    Etat e(taille);
    for (std::size_t b = 0; b < taille; b += 4) {
        e[b] = v_repos;
        e[b + 1] = p0.m;
        e[b + 2] = p0.h;
        e[b + 3] = p0.n;
    }
    Etat k1(taille), k2(taille), k3(taille), k4(taille), t(taille);
    std::vector<double> releve;
    long pas = 0;
    for (int k = 1; k <= echantillons; ++k) {
        for (int s = 0; s < pas_par_echantillon; ++s, ++pas) {
            const double i_inj = pas < pas_stimulus ? i_stimulus : 0;
            derivee(e, i_inj, phi, k1);
            for (std::size_t j = 0; j < taille; ++j)
                t[j] = e[j] + dt / 2 * k1[j];
            derivee(t, i_inj, phi, k2);
            for (std::size_t j = 0; j < taille; ++j)
                t[j] = e[j] + dt / 2 * k2[j];
            derivee(t, i_inj, phi, k3);
            for (std::size_t j = 0; j < taille; ++j)
                t[j] = e[j] + dt * k3[j];
            derivee(t, i_inj, phi, k4);
            for (std::size_t j = 0; j < taille; ++j)
                e[j] += dt / 6 * (k1[j] + 2 * k2[j] + 2 * k3[j] + k4[j]);
        }
        releve.push_back(e[4 * static_cast<std::size_t>(enregistre)]);
    }
    return releve;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillon_ess0 <output file>\n");
        return 2;
    }
    const double v_repos = potentiel_de_repos();
    const double decalage = repos_ecrit - v_repos;
    const std::vector<double> releve = simuler(v_repos);

    SequenceNernst sequence;
    std::vector<double> pot(1, 0.0); // pot[1..84]
    for (double v : releve) {
        EtapeNernst etape; // the six whole numbers stay 0
        etape.em = v + decalage;
        sequence.etapes.push_back(etape);
        pot.push_back(etape.em);
    }
    if (!quillon::enregistrer_nernst(QString::fromLocal8Bit(argv[1]), sequence)) {
        std::fprintf(stderr, "quillon_ess0: cannot write %s\n", argv[1]);
        return 1;
    }

    // The figures of the header comment.
    int sommet = 1;
    int creux = 1;
    for (int k = 1; k <= 30; ++k) {
        if (pot[k] > pot[sommet])
            sommet = k;
        if (pot[k] < pot[creux])
            creux = k;
    }
    int depart = 0;
    for (int j = 1; j <= 30 && depart == 0; ++j) {
        if (std::abs(pot[j] - pot[70]) > 2)
            depart = j;
    }
    const double latence = (5.0 * (21 + depart) + 6 - 10) / 30;
    std::printf("rest %.5f mV, shift %.5f mV\n", v_repos, decalage);
    for (int k = 1; k <= echantillons; ++k)
        std::printf("pot[%d] = %.4f\n", k, pot[k]);
    std::printf("peak %.3f mV at sample %d; undershoot %.3f mV at sample %d; pot[30] %.3f; pot[70] %.4f\n",
                pot[sommet], sommet, pot[creux], creux, pot[30], pot[70]);
    std::printf("start j = %d, latency %.4f ms, velocity over 17 cm %.2f m/s\n", depart, latence,
                17 / latence * 10);
    return 0;
}
