// The membrane-potential recorder: recording, programming and trial runs of
// sequences of settings, plotted step by step on the chart.
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

int y_potentiel(double em)
{
    return static_cast<int>(arrondi(100 - em));
}

int y_permeabilite(int p)
{
    return 200 - p;
}

} // namespace

bool EquilibresIoniques::actif(BoutonCourbe b) const
{
    if (mode_anim)
        return false;
    if (mode_essai && b != BoutonCourbe::BitBtn18)
        return false;
    return bouton(b).actif;
}

void EquilibresIoniques::effacer_courbe()
{
    courbe_.fill(Qt::white);
    em_trace_.fill(std::numeric_limits<double>::quiet_NaN());
    ++version_courbe_;
}

void EquilibresIoniques::trace_point(bool force_em, int n)
{
    QPainter p(&courbe_);
    trace_point(p, force_em, n);
}

void EquilibresIoniques::trace_point(QPainter& p, bool force_em, int n)
{
    ++version_courbe_;
    x_courant = pixels_par_pas * n;
    const int x = x_courant;
    const bool premier = x_courant == pixels_par_pas;
    if (force_em || mode_essai) {
        calcul_em();
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

void EquilibresIoniques::reaff_tout()
{
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

void EquilibresIoniques::marqueur()
{
    QPainter p(&courbe_);
    marqueur(p);
}

void EquilibresIoniques::marqueur(QPainter& p)
{
    ++version_courbe_;
    const int x = pixels_par_pas * pas;
    dessin::ligne(p, x, 0, x, hauteur_courbe, vert);
}

// ---- Recording ----------------------------------------------------------------

void EquilibresIoniques::noter_reglages()
{
    prog_gk[pas] = etat.perm_k;
    prog_gna[pas] = etat.perm_na;
    prog_k_int[pas] = static_cast<int>(arrondi(etat.k_int));
    prog_k_ext[pas] = static_cast<int>(arrondi(etat.k_ext));
    prog_na_int[pas] = static_cast<int>(arrondi(etat.na_int));
    prog_na_ext[pas] = static_cast<int>(arrondi(etat.na_ext));
}

void EquilibresIoniques::BitBtn14Click()
{
    Bouton& b = bouton_(BoutonCourbe::BitBtn14);
    if (b.legende == QLatin1String("STOP")) {
        b.legende = QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "Lancer COURBE"));
        BitBtn12_actif_ = true;
        courbe_active_ = false;
    } else {
        b.legende = QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "STOP"));
        BitBtn12_actif_ = false;
        courbe_active_ = true;
    }
}

void EquilibresIoniques::Timer_courbeTimer()
{
    ++pas;
    if (pas >= dernier_pas + 1) {
        pas = dernier_pas;
        if (courbe_active_)
            BitBtn14Click();
        return;
    }
    noter_reglages();
    trace_point(true, pas);
}

void EquilibresIoniques::BitBtn15Click()
{
    effacer_courbe();
    pas_max = 0;
    pas = 0;
    x_courant = 0;
    x_prec = 0;
    BitBtn12_actif_ = true;
}

// ---- Programming --------------------------------------------------------------

void EquilibresIoniques::BitBtn16Click()
{
    Bouton& b = bouton_(BoutonCourbe::BitBtn16);
    if (b.legende == QLatin1String("Program.COURBE")) {
        // A recording still running would go on behind a disabled "STOP".
        if (courbe_active_)
            BitBtn14Click();
        b.legende = QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "Fin program."));
        pas_max = std::min(pas, static_cast<int>(dernier_pas));
        bouton_(BoutonCourbe::recule1).visible = true;
        bouton_(BoutonCourbe::BitBtn17).visible = true;
        bouton_(BoutonCourbe::BitBtn18).visible = true;
        bouton_(BoutonCourbe::BitBtn14).actif = false;
    } else {
        b.legende = QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "Program.COURBE"));
        bouton_(BoutonCourbe::recule1).visible = false;
        bouton_(BoutonCourbe::BitBtn17).visible = false;
        bouton_(BoutonCourbe::BitBtn18).visible = false;
        bouton_(BoutonCourbe::BitBtn14).actif = true;
        BitBtn18Click();
    }
}

void EquilibresIoniques::restaurer_pas()
{
    etat.perm_k = prog_gk[pas];
    changer_position(Barre::gk, max_permeabilite - etat.perm_k);
    etat.perm_na = prog_gna[pas];
    changer_position(Barre::gna, max_permeabilite - etat.perm_na);
    const auto placer = [this](Barre b, double& c, int valeur) {
        c = valeur;
        changer_position(b, static_cast<int>(arrondi(max_concentration - c)));
    };
    placer(Barre::ki, etat.k_int, prog_k_int[pas]);
    placer(Barre::ke, etat.k_ext, prog_k_ext[pas]);
    placer(Barre::nai, etat.na_int, prog_na_int[pas]);
    placer(Barre::nae, etat.na_ext, prog_na_ext[pas]);
}

void EquilibresIoniques::recule1Click()
{
    mode_edition = true;
    if (pas <= 1)
        return;
    --pas;
    reaff_tout();
    marqueur();
    restaurer_pas();
    marqueur();
}

void EquilibresIoniques::BitBtn17Click()
{
    mode_edition = true;
    if (pas >= pas_max) {
        avance1Click();
        return;
    }
    ++pas;
    reaff_tout();
    restaurer_pas();
    marqueur();
}

void EquilibresIoniques::avance1Click()
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

void EquilibresIoniques::BitBtn18Click()
{
    // Two timers stepping the same sequence would mix their steps.
    if (courbe_active_)
        BitBtn14Click();
    mode_edition = false;
    em_prec = 10000;
    mode_essai = true;
    effacer_courbe();
    pas = 0;
    intervalle_relaxation_ = intervalle_essai;
    reaff_active_ = true;
}

void EquilibresIoniques::Timer_reaffTimer()
{
    if (pas == 0) {
        // Settling toward the potential of step 1 before it is played.
        if (prog_gk[1] != 0 && prog_gna[1] == 0) {
            etat.perm_k = 100;
            calcul_em();
        } else if (prog_gk[1] == 0 && prog_gna[1] != 0) {
            etat.perm_na = 100;
            calcul_em();
        }
        if (std::abs(em_prec - etat.em) > 1) {
            etat.perm_k = prog_gk[1];
            etat.perm_na = prog_gna[1];
            etat.k_int = prog_k_int[0];
            etat.k_ext = prog_k_ext[0];
            etat.na_int = prog_na_int[0];
            etat.na_ext = prog_na_ext[0];
            calcul_em();
            em_prec = etat.em;
            return;
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
        return;
    }
    etat.perm_k = prog_gk[pas];
    etat.perm_na = prog_gna[pas];
    etat.k_int = prog_k_int[pas];
    etat.k_ext = prog_k_ext[pas];
    etat.na_int = prog_na_int[pas];
    etat.na_ext = prog_na_ext[pas];
    calcul_pot_eq();
    changer_position(Barre::gk, max_permeabilite - etat.perm_k);
    changer_position(Barre::gna, max_permeabilite - etat.perm_na);
    changer_position(Barre::ki, static_cast<int>(arrondi(max_concentration - etat.k_int)));
    changer_position(Barre::ke, static_cast<int>(arrondi(max_concentration - etat.k_ext)));
    changer_position(Barre::nai, static_cast<int>(arrondi(max_concentration - etat.na_int)));
    changer_position(Barre::nae, static_cast<int>(arrondi(max_concentration - etat.na_ext)));
    trace_point(false, pas);
    prog_em[pas] = etat.em;
}

// ---- Work files ---------------------------------------------------------------

SequenceNernst EquilibresIoniques::sequence() const
{
    SequenceNernst s;
    for (int i = 1; i <= std::min(pas_max, static_cast<int>(dernier_pas)); ++i)
        s.etapes.push_back(EtapeNernst{prog_gk[i], prog_gna[i], prog_k_int[i], prog_k_ext[i], prog_na_int[i],
                                       prog_na_ext[i], prog_em[i]});
    return s;
}

SequenceNernst EquilibresIoniques::sequence_tracee() const
{
    SequenceNernst s = sequence();
    for (int i = static_cast<int>(s.etapes.size()) + 1; i <= pas_traces(); ++i) {
        const auto n = static_cast<std::size_t>(i);
        s.etapes.push_back(EtapeNernst{prog_gk[n], prog_gna[n], prog_k_int[n], prog_k_ext[n], prog_na_int[n],
                                       prog_na_ext[n], std::isfinite(em_trace_[n]) ? em_trace_[n] : prog_em[n]});
    }
    return s;
}

std::vector<EquilibresIoniques::PasTrace> EquilibresIoniques::pas_du_graphe() const
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

QByteArray EquilibresIoniques::valeurs() const
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

QStringList EquilibresIoniques::entetes_pas()
{
    return {QCoreApplication::translate("EquilibresIoniques", "Pas"),   QStringLiteral("GK"),    QStringLiteral("GNa"),       QStringLiteral("[K]i"),
            QStringLiteral("[K]e"),  QStringLiteral("[Na]i"), QStringLiteral("[Na]e"),     QStringLiteral("EeqK (mV)"),
            QStringLiteral("EeqNa (mV)"), QStringLiteral("Em (mV)")};
}

QStringList EquilibresIoniques::cases_pas(const PasTrace& e, const QString& sans_em)
{
    QStringList cases;
    for (int v : {e.pas, e.gk, e.gna, e.k_int, e.k_ext, e.na_int, e.na_ext})
        cases << QString::number(v);
    cases << TableurCsv::nombre(e.e_k, 2) << TableurCsv::nombre(e.e_na, 2)
          << (std::isfinite(e.em) ? TableurCsv::nombre(e.em, 2) : sans_em);
    return cases;
}

void EquilibresIoniques::charger(const SequenceNernst& sequence)
{
    const int n = std::min(static_cast<int>(sequence.etapes.size()), static_cast<int>(dernier_pas));
    pas_max = n;
    pas = n;
    for (int i = 1; i <= n; ++i) {
        const EtapeNernst& e = sequence.etapes[static_cast<std::size_t>(i - 1)];
        prog_gk[i] = std::clamp(e.gk, 0, max_permeabilite);
        prog_gna[i] = std::clamp(e.gna, 0, max_permeabilite);
        prog_k_int[i] = std::clamp(e.k_int, 0, max_concentration);
        prog_k_ext[i] = std::clamp(e.k_ext, 0, max_concentration);
        prog_na_int[i] = std::clamp(e.na_int, 0, max_concentration);
        prog_na_ext[i] = std::clamp(e.na_ext, 0, max_concentration);
        prog_em[i] = std::isfinite(e.em) ? e.em : 0;
    }
}

LecturesCurseurs lectures_courbe(const CurseursMesure& c, const EquilibresIoniques& m)
{
    LecturesCurseurs l;
    for (int i = 0; i < c.nombre(); ++i) {
        const double em = m.em_trace(c.position(i));
        l.curseurs[static_cast<std::size_t>(i)] =
            QCoreApplication::translate("EquilibresIoniques", "Pas %1 ; ").arg(c.position(i))
            + (std::isnan(em) ? QCoreApplication::translate("EquilibresIoniques", "Em non tracé") : QStringLiteral("Em = %1 mV").arg(texte_mesure(em)));
    }
    if (c.nombre() == 2) {
        // The difference of the values shown, as a pupil subtracts them.
        const double d = valeur_lue(m.em_trace(c.position(1))) - valeur_lue(m.em_trace(c.position(0)));
        l.difference = std::isnan(d) ? QCoreApplication::translate("EquilibresIoniques", "ΔEm : Em non tracé")
                                     : QStringLiteral("ΔEm = %1 mV").arg(texte_mesure(d));
    }
    return l;
}

} // namespace quillon
