// The membrane-potential recorder: recording, programming and trial runs of
// sequences of settings, plotted step by step on the chart.
#include "ionic/enregistreur.h"

#include "ionic/equilibres.h"

#include "common/dessin.h"
#include "common/nombres.h"
#include "common/tableur.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace quillon {

namespace {

const QColor bleu_marine(0, 0, 128);
const QColor rouge(255, 0, 0);
const QColor bleu(0, 0, 255);
const QColor vert(0, 128, 0);

constexpr int concentration_max = EquilibresIoniques::max_concentration;
constexpr int permeabilite_max = EquilibresIoniques::max_permeabilite;

int y_potentiel(double em)
{
    return static_cast<int>(arrondi(100 - em));
}

int y_permeabilite(int p)
{
    return 200 - p;
}

} // namespace

Enregistreur::Enregistreur(EquilibresIoniques& banc)
    : banc_(&banc),
      courbe_(largeur_courbe, hauteur_courbe, QImage::Format_RGB32)
{
    courbe_.fill(Qt::white);
    em_trace_.fill(std::numeric_limits<double>::quiet_NaN());
    bouton_(BoutonCourbe::lancer) =
        Bouton{QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "Lancer COURBE")), true, true};
    bouton_(BoutonCourbe::effacer) =
        Bouton{QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "EFFACER")), true, true};
    bouton_(BoutonCourbe::programmer) =
        Bouton{QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "Program.COURBE")), true, true};
    bouton_(BoutonCourbe::reculer) = Bouton{QStringLiteral("<--"), false, true};
    bouton_(BoutonCourbe::avancer) = Bouton{QStringLiteral("-->"), false, true};
    bouton_(BoutonCourbe::essai) =
        Bouton{QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "Essai COURBE")), false, true};
}

Enregistreur::Enregistreur(EquilibresIoniques& banc, const Enregistreur& autre)
    : Enregistreur(autre)
{
    banc_ = &banc;
}

std::array<int, Enregistreur::dernier_pas + 1>& Enregistreur::programme(Barre b)
{
    switch (b) {
    case Barre::ki: return prog_k_int;
    case Barre::ke: return prog_k_ext;
    case Barre::nai: return prog_na_int;
    case Barre::nae: return prog_na_ext;
    case Barre::gk: return prog_gk;
    case Barre::gna: return prog_gna;
    }
    return prog_gk;
}

int Enregistreur::pas_borne() const
{
    return std::clamp(pas, 0, dernier_pas);
}

void Enregistreur::noter(Barre b, int valeur)
{
    programme(b)[pas_borne()] = valeur;
}

bool Enregistreur::actif(BoutonCourbe b) const
{
    if (banc_->mode_anim)
        return false;
    if (mode_essai && b != BoutonCourbe::essai)
        return false;
    return bouton(b).actif;
}

void Enregistreur::effacer_courbe()
{
    courbe_.fill(Qt::white);
    em_trace_.fill(std::numeric_limits<double>::quiet_NaN());
    ++version_courbe_;
}

void Enregistreur::trace_point(bool force_em, int n)
{
    QPainter p(&courbe_);
    trace_point(p, force_em, n);
}

void Enregistreur::trace_point(QPainter& p, bool force_em, int n)
{
    EtatIonique& etat = banc_->etat;
    ++version_courbe_;
    x_courant = pixels_par_pas * n;
    const int x = x_courant;
    const bool premier = x_courant == pixels_par_pas;
    if (force_em || mode_essai) {
        banc_->calcul_em();
        const int y = y_potentiel(etat.em);
        dessin::ellipse(p, x, y, x + 6, y + 6, QPen(Qt::black), QBrush(bleu_marine));
        if (!premier)
            dessin::ligne(p, x_prec + 2, y_em_prec + 2, x_courant + 2, y, bleu_marine, 2);
        y_em_prec = y;
        if (n >= 1 && n <= dernier_pas)
            em_trace_[static_cast<std::size_t>(n)] = etat.em;
    }
    int y = y_permeabilite(etat.perm_k);
    dessin::ellipse(p, x, y, x + 3, y + 3, QPen(Qt::black), QBrush(rouge));
    if (!premier)
        dessin::ligne(p, x_prec, y_gk_prec, x_courant, y, rouge);
    y_gk_prec = y;
    y = y_permeabilite(etat.perm_na);
    dessin::ellipse(p, x, y, x + 3, y + 3, QPen(Qt::black), QBrush(bleu));
    if (!premier)
        dessin::ligne(p, x_prec, y_gna_prec, x_courant, y, bleu);
    y_gna_prec = y;
    x_prec = x_courant;
}

void Enregistreur::reaff_tout()
{
    EtatIonique& etat = banc_->etat;
    effacer_courbe();
    QPainter p(&courbe_);
    const int courant = pas_borne();
    for (int i = 1; i <= std::min(pas_max, static_cast<int>(dernier_pas)); ++i) {
        etat.perm_k = prog_gk[i];
        etat.perm_na = prog_gna[i];
        // The concentrations of the current step, not of step i.
        etat.k_int = prog_k_int[courant];
        etat.k_ext = prog_k_ext[courant];
        etat.na_int = prog_na_int[courant];
        etat.na_ext = prog_na_ext[courant];
        trace_point(p, false, i);
    }
}

void Enregistreur::marqueur()
{
    QPainter p(&courbe_);
    marqueur(p);
}

void Enregistreur::marqueur(QPainter& p)
{
    ++version_courbe_;
    const int x = pixels_par_pas * pas;
    dessin::ligne(p, x, 0, x, hauteur_courbe, vert);
}

// ---- Recording ----------------------------------------------------------------

void Enregistreur::noter_reglages()
{
    EtatIonique& etat = banc_->etat;
    prog_gk[pas] = etat.perm_k;
    prog_gna[pas] = etat.perm_na;
    prog_k_int[pas] = static_cast<int>(arrondi(etat.k_int));
    prog_k_ext[pas] = static_cast<int>(arrondi(etat.k_ext));
    prog_na_int[pas] = static_cast<int>(arrondi(etat.na_int));
    prog_na_ext[pas] = static_cast<int>(arrondi(etat.na_ext));
}

void Enregistreur::lancer_ou_arreter()
{
    Bouton& b = bouton_(BoutonCourbe::lancer);
    if (b.legende == QLatin1String("STOP")) {
        b.legende = QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "Lancer COURBE"));
        passage_anim_permis_ = true;
        courbe_active_ = false;
    } else {
        b.legende = QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "STOP"));
        passage_anim_permis_ = false;
        courbe_active_ = true;
    }
}

void Enregistreur::tic_enregistrement()
{
    ++pas;
    if (pas >= dernier_pas + 1) {
        pas = dernier_pas;
        if (courbe_active_)
            lancer_ou_arreter();
        return;
    }
    noter_reglages();
    trace_point(true, pas);
}

void Enregistreur::effacer()
{
    effacer_courbe();
    pas_max = 0;
    pas = 0;
    x_courant = 0;
    x_prec = 0;
    passage_anim_permis_ = true;
}

// ---- Programming --------------------------------------------------------------

void Enregistreur::programmer_ou_finir()
{
    Bouton& b = bouton_(BoutonCourbe::programmer);
    if (b.legende == QLatin1String("Program.COURBE")) {
        // A recording still running would go on behind a disabled "STOP".
        if (courbe_active_)
            lancer_ou_arreter();
        b.legende = QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "Fin program."));
        pas_max = std::min(pas, static_cast<int>(dernier_pas));
        bouton_(BoutonCourbe::reculer).visible = true;
        bouton_(BoutonCourbe::avancer).visible = true;
        bouton_(BoutonCourbe::essai).visible = true;
        bouton_(BoutonCourbe::lancer).actif = false;
    } else {
        b.legende = QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "Program.COURBE"));
        bouton_(BoutonCourbe::reculer).visible = false;
        bouton_(BoutonCourbe::avancer).visible = false;
        bouton_(BoutonCourbe::essai).visible = false;
        bouton_(BoutonCourbe::lancer).actif = true;
        lancer_essai();
    }
}

bool Enregistreur::reculer()
{
    mode_edition = true;
    if (pas <= 1)
        return false;
    --pas;
    reaff_tout();
    marqueur();
    return true;
}

bool Enregistreur::avancer()
{
    mode_edition = true;
    if (pas >= pas_max) {
        ajouter_pas();
        return false;
    }
    ++pas;
    reaff_tout();
    return true;
}

void Enregistreur::ajouter_pas()
{
    // The arrays and the chart hold 83 steps: no step is appended past them.
    if (pas >= dernier_pas)
        return;
    reaff_tout();
    ++pas;
    marqueur();
    if (pas_max < pas)
        pas_max = pas;
    noter_reglages();
    trace_point(false, pas_max);
}

// ---- Trial run ----------------------------------------------------------------

void Enregistreur::lancer_essai()
{
    // Two timers stepping the same sequence would mix their steps.
    if (courbe_active_)
        lancer_ou_arreter();
    mode_edition = false;
    em_prec = 10000;
    mode_essai = true;
    effacer_courbe();
    pas = 0;
    intervalle_relaxation_ = intervalle_essai;
    reaff_active_ = true;
}

bool Enregistreur::tic_essai()
{
    EtatIonique& etat = banc_->etat;
    if (pas == 0) {
        // Settling toward the potential of step 1 before it is played.
        if (prog_gk[1] != 0 && prog_gna[1] == 0) {
            etat.perm_k = 100;
            banc_->calcul_em();
        } else if (prog_gk[1] == 0 && prog_gna[1] != 0) {
            etat.perm_na = 100;
            banc_->calcul_em();
        }
        if (std::abs(em_prec - etat.em) > 1) {
            etat.perm_k = prog_gk[1];
            etat.perm_na = prog_gna[1];
            etat.k_int = prog_k_int[0];
            etat.k_ext = prog_k_ext[0];
            etat.na_int = prog_na_int[0];
            etat.na_ext = prog_na_ext[0];
            banc_->calcul_em();
            em_prec = etat.em;
            return false;
        }
    }
    ++pas;
    if (pas > std::min(pas_max, static_cast<int>(dernier_pas))) {
        // The run ends on its last step: the step after it is no part of
        // the program, and counting it would add a step at the next
        // "Program.COURBE" and, from 83 steps, pass the arrays' end.
        pas = std::min(pas_max, static_cast<int>(dernier_pas));
        reaff_active_ = false;
        intervalle_relaxation_ = intervalle_normal;
        mode_essai = false;
        return false;
    }
    etat.perm_k = prog_gk[pas];
    etat.perm_na = prog_gna[pas];
    etat.k_int = prog_k_int[pas];
    etat.k_ext = prog_k_ext[pas];
    etat.na_int = prog_na_int[pas];
    etat.na_ext = prog_na_ext[pas];
    return true;
}

void Enregistreur::tracer_pas_joue()
{
    trace_point(false, pas);
    prog_em[pas] = banc_->etat.em;
}

// ---- Work files ---------------------------------------------------------------

SequenceNernst Enregistreur::sequence() const
{
    SequenceNernst s;
    for (int i = 1; i <= std::min(pas_max, static_cast<int>(dernier_pas)); ++i)
        s.etapes.push_back(EtapeNernst{prog_gk[i], prog_gna[i], prog_k_int[i], prog_k_ext[i], prog_na_int[i],
                                       prog_na_ext[i], prog_em[i]});
    return s;
}

SequenceNernst Enregistreur::sequence_tracee() const
{
    SequenceNernst s = sequence();
    for (int i = static_cast<int>(s.etapes.size()) + 1; i <= pas_traces(); ++i) {
        const auto n = static_cast<std::size_t>(i);
        s.etapes.push_back(EtapeNernst{prog_gk[n], prog_gna[n], prog_k_int[n], prog_k_ext[n], prog_na_int[n],
                                       prog_na_ext[n], std::isfinite(em_trace_[n]) ? em_trace_[n] : prog_em[n]});
    }
    return s;
}

std::vector<Enregistreur::PasTrace> Enregistreur::pas_du_graphe() const
{
    std::vector<PasTrace> pas;
    for (int i = 1; i <= pas_traces(); ++i) {
        const auto n = static_cast<std::size_t>(i);
        EtatIonique e;
        e.k_int = prog_k_int[n];
        e.k_ext = prog_k_ext[n];
        e.na_int = prog_na_int[n];
        e.na_ext = prog_na_ext[n];
        e.calcul_pot_eq();
        pas.push_back({i, prog_gk[n], prog_gna[n], prog_k_int[n], prog_k_ext[n], prog_na_int[n], prog_na_ext[n], e.e_k,
                       e.e_na, em_trace_[n]});
    }
    return pas;
}

QByteArray Enregistreur::valeurs() const
{
    const std::vector<PasTrace> pas = pas_du_graphe();
    if (pas.empty())
        return {};
    TableurCsv t;
    t.ligne(entetes_pas());
    for (const PasTrace& e : pas)
        t.ligne(cases_pas(e, QString()));
    return t.octets();
}

QStringList Enregistreur::entetes_pas()
{
    return {QCoreApplication::translate("EquilibresIoniques", "Pas"),   QStringLiteral("GK"),    QStringLiteral("GNa"),       QStringLiteral("[K]i"),
            QStringLiteral("[K]e"),  QStringLiteral("[Na]i"), QStringLiteral("[Na]e"),     QStringLiteral("EeqK (mV)"),
            QStringLiteral("EeqNa (mV)"), QStringLiteral("Em (mV)")};
}

QStringList Enregistreur::cases_pas(const PasTrace& e, const QString& sans_em)
{
    QStringList cases;
    for (int v : {e.pas, e.gk, e.gna, e.k_int, e.k_ext, e.na_int, e.na_ext})
        cases << QString::number(v);
    cases << TableurCsv::nombre(e.e_k, 2) << TableurCsv::nombre(e.e_na, 2)
          << (std::isfinite(e.em) ? TableurCsv::nombre(e.em, 2) : sans_em);
    return cases;
}

void Enregistreur::charger(const SequenceNernst& sequence)
{
    const int n = std::min(static_cast<int>(sequence.etapes.size()), static_cast<int>(dernier_pas));
    pas_max = n;
    pas = n;
    for (int i = 1; i <= n; ++i) {
        const EtapeNernst& e = sequence.etapes[static_cast<std::size_t>(i - 1)];
        prog_gk[i] = std::clamp(e.gk, 0, permeabilite_max);
        prog_gna[i] = std::clamp(e.gna, 0, permeabilite_max);
        prog_k_int[i] = std::clamp(e.k_int, 0, concentration_max);
        prog_k_ext[i] = std::clamp(e.k_ext, 0, concentration_max);
        prog_na_int[i] = std::clamp(e.na_int, 0, concentration_max);
        prog_na_ext[i] = std::clamp(e.na_ext, 0, concentration_max);
        prog_em[i] = std::isfinite(e.em) ? e.em : 0;
    }
}

LecturesCurseurs lectures_courbe(const CurseursMesure& c, const Enregistreur& e)
{
    LecturesCurseurs l;
    for (int i = 0; i < c.nombre(); ++i) {
        const double em = e.em_trace(c.position(i));
        l.curseurs[static_cast<std::size_t>(i)] =
            QCoreApplication::translate("EquilibresIoniques", "Pas %1 ; ").arg(c.position(i))
            + (std::isnan(em) ? QCoreApplication::translate("EquilibresIoniques", "Em non tracé") : QStringLiteral("Em = %1 mV").arg(texte_mesure(em)));
    }
    if (c.nombre() == 2) {
        // The difference of the values shown, as a pupil subtracts them.
        const double d = valeur_lue(e.em_trace(c.position(1))) - valeur_lue(e.em_trace(c.position(0)));
        l.difference = std::isnan(d) ? QCoreApplication::translate("EquilibresIoniques", "ΔEm : Em non tracé")
                                     : QStringLiteral("ΔEm = %1 mV").arg(texte_mesure(d));
    }
    return l;
}

} // namespace quillon
