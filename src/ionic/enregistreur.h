#pragma once
// The membrane-potential recorder of the ionic-equilibria workbench: it
// records, programs and replays sequences of settings and plots them step
// by step on its chart, with its six buttons and its two timers' ticks.
//
// It belongs to one workbench: recording reads the workbench's settings and
// membrane potential, stepping through a program and a trial run set them
// back (its bars move, their handlers run). The workbench in turn notes each
// bar's new value into the current step.
#include "common/curseurs.h"
#include "workfiles/fichiers_travail.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

class QPainter;

namespace quillon {

class EquilibresIoniques;
enum class Barre;

// The recorder's buttons: "Lancer COURBE" / "STOP", "EFFACER",
// "Program.COURBE" / "Fin program.", "<--", "-->" and "Essai COURBE".
enum class BoutonCourbe { lancer, effacer, programmer, reculer, avancer, essai };
inline constexpr int nb_boutons_courbe = 6;

struct Bouton {
    QString legende;
    bool visible = true;
    bool actif = true;
};

class Enregistreur {
public:
    static constexpr int dernier_pas = 83;           // steps 1..83, 0 before the first
    static constexpr int largeur_courbe = 420;
    static constexpr int hauteur_courbe = 220;
    static constexpr int pixels_par_pas = 5;
    static constexpr int intervalle_normal = 100;   // ms between relaxation steps
    static constexpr int intervalle_essai = 5;      // the same during a trial run

    explicit Enregistreur(EquilibresIoniques& banc);
    // A copy of `autre` that belongs to `banc`.
    Enregistreur(EquilibresIoniques& banc, const Enregistreur& autre);
    Enregistreur& operator=(const Enregistreur&) = delete;

    // Sequence: element 0 holds the settings made while pas was 0.
    int pas = 0;
    int pas_max = 0;
    std::array<int, dernier_pas + 1> prog_gk{};
    std::array<int, dernier_pas + 1> prog_gna{};
    std::array<int, dernier_pas + 1> prog_k_int{};
    std::array<int, dernier_pas + 1> prog_k_ext{};
    std::array<int, dernier_pas + 1> prog_na_int{};
    std::array<int, dernier_pas + 1> prog_na_ext{};
    std::array<double, dernier_pas + 2> prog_em{};
    int x_courant = 0;
    int x_prec = 0;
    int y_em_prec = 0;
    int y_gk_prec = 0;
    int y_gna_prec = 0;
    double em_prec = 0;
    bool mode_edition = false;
    bool mode_essai = false;

    // A bar's new value into the current step of the sequence.
    void noter(Barre b, int valeur);

    void trace_point(bool force_em, int n);
    void reaff_tout();
    // The vertical green line of the current step.
    void marqueur();

    void lancer_ou_arreter();    // "Lancer COURBE" / "STOP"
    void tic_enregistrement();
    void effacer();              // "EFFACER"
    void programmer_ou_finir();  // "Program.COURBE" / "Fin program."
    // "<--" and "-->" as far as the recorder goes: the step before or after
    // becomes the current one and the chart is drawn again; true when the
    // workbench is then to take that step's settings (its bars), after which
    // the step's marker is drawn ("-->" past the last step appends one).
    bool reculer();
    bool avancer();
    void ajouter_pas();          // appends a step
    void lancer_essai();         // "Essai COURBE"
    // A tick of the trial run: true when it set the next step's settings into
    // the workbench's state, which then shows them on its bars before the
    // step is drawn (tracer_pas_joue).
    bool tic_essai();
    void tracer_pas_joue();

    const Bouton& bouton(BoutonCourbe b) const { return boutons_[static_cast<int>(b)]; }
    // Whether the pupil can press it now: none in the equilibrium-potential
    // mode; while a trial run plays, every button but "Essai COURBE" waits
    // for its end.
    bool actif(BoutonCourbe b) const;
    // Whether the switch to the equilibrium-potential mode may be pressed:
    // not while recording.
    bool passage_anim_permis() const { return passage_anim_permis_; }
    bool enregistrement_en_cours() const { return courbe_active_; }
    bool essai_en_cours() const { return reaff_active_; }
    // Interval of the two relaxation timers.
    int intervalle_relaxation() const { return intervalle_relaxation_; }

    const QImage& courbe() const { return courbe_; }
    // The membrane potential plotted at step n (1..83) since the chart was
    // last cleared; NaN where none was.
    double em_trace(int n) const { return em_trace_[static_cast<std::size_t>(n)]; }
    // The steps the chart holds, recorded or programmed: 1..this.
    int pas_traces() const { return std::min(std::max(pas, pas_max), static_cast<int>(dernier_pas)); }
    // Those steps as the chart shows them: the settings of each, the two
    // equilibrium potentials of its concentrations and the membrane
    // potential plotted (NaN where none was).
    struct PasTrace {
        int pas, gk, gna, k_int, k_ext, na_int, na_ext;
        double e_k, e_na, em;
    };
    std::vector<PasTrace> pas_du_graphe() const;
    // The table's header and one step's cells, decimal commas, `sans_em`
    // where no Em was plotted: the spreadsheet's and the report's columns.
    static QStringList entetes_pas();
    static QStringList cases_pas(const PasTrace& e, const QString& sans_em);
    // Those steps for a spreadsheet, one line each under a header (the Em
    // field empty where none was plotted); empty when the chart holds none.
    QByteArray valeurs() const;
    // Changes each time the chart is drawn on.
    unsigned version_courbe() const { return version_courbe_; }

    // Steps 1..pas_max with the potentials of the last trial run.
    SequenceNernst sequence() const;
    // What a work file keeps of the chart: the steps it holds, 1..pas_traces(),
    // the programmed ones and those recorded past them (with the potential
    // plotted when they were recorded).
    SequenceNernst sequence_tracee() const;
    // Takes a sequence read from a work file: pas and pas_max become its
    // length, values out of the bars' ranges are brought back into them.
    void charger(const SequenceNernst& sequence);

private:
    Enregistreur(const Enregistreur&) = default;
    std::array<int, dernier_pas + 1>& programme(Barre b);
    void effacer_courbe();
    void trace_point(QPainter& p, bool force_em, int n);
    void marqueur(QPainter& p);
    // The current settings into step pas of the sequence.
    void noter_reglages();
    int pas_borne() const;
    Bouton& bouton_(BoutonCourbe b) { return boutons_[static_cast<int>(b)]; }

    EquilibresIoniques* banc_;
    std::array<Bouton, nb_boutons_courbe> boutons_{};
    bool passage_anim_permis_ = true;
    bool courbe_active_ = false;
    bool reaff_active_ = false;
    int intervalle_relaxation_ = intervalle_normal;
    QImage courbe_;
    unsigned version_courbe_ = 0;
    std::array<double, dernier_pas + 1> em_trace_{};
};

// The measuring cursors' readings on the chart: each cursor's step and the
// membrane potential plotted there (mV, one decimal), and with two, the
// difference "ΔEm = … mV".
LecturesCurseurs lectures_courbe(const CurseursMesure& c, const Enregistreur& e);

} // namespace quillon
