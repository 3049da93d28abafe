#include "sections_rapport.h"

#include "common/langue.h"
#include "common/papier.h"
#include "common/tableur.h"
#include "labelling/legendes.h"
#include "outputs/travail.h"
#include "stimulation/valeurs_stimulation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace quillon {

namespace {

// A French document: a decimal comma, whatever the screen or the system writes.
QString virgule(double x, int decimales)
{
    return TableurCsv::nombre(x, decimales);
}

// An electrode of the stimulation page, on the nerve or past its end.
struct PlaceSurNerf {
    const char* nom;
    int left;
    bool sur_le_nerf;
};

// The distance between two electrodes on the centimetre ruler; none is
// measured when one of them lies off the nerve.
QString distance(const PlaceSurNerf& a, const PlaceSurNerf& b)
{
    QStringList hors;
    for (const PlaceSurNerf* e : {&a, &b})
        if (!e->sur_le_nerf)
            hors << QCoreApplication::translate("SectionsRapport", e->nom);
    if (hors.size() == 2)
        return QCoreApplication::translate("SectionsRapport", "%1 et %2 hors du nerf").arg(hors[0], hors[1]);
    if (hors.size() == 1)
        return QCoreApplication::translate("SectionsRapport", "%1 hors du nerf").arg(hors[0]);
    return virgule(std::abs(position_cm(a.left) - position_cm(b.left)), 1) + QStringLiteral(" cm");
}

// The answer followed by its unit, unless the pupil typed it already.
QString avec_unite(const QString& reponse, const QString& unite)
{
    // The box's unit after a bare number: "40" is "40 m/s", "144 km/h" stays.
    const QString t = reponse.trimmed();
    if (unite.isEmpty() || t.isEmpty() || !t.back().isDigit())
        return reponse;
    return reponse + QLatin1Char(' ') + unite;
}

QString etat(EtatReponse e)
{
    switch (e) {
    case EtatReponse::juste: return QCoreApplication::translate("SectionsRapport", "Résultat : juste");
    case EtatReponse::fausse: return QCoreApplication::translate("SectionsRapport", "Résultat : faux");
    case EtatReponse::modifiee: return QCoreApplication::translate("SectionsRapport", "modifiée après la correction");
    case EtatReponse::non_corrigee: break;
    }
    return QCoreApplication::translate("SectionsRapport", "Résultat : non corrigé");
}

SectionRapport legendes(Travail& f)
{
    const ExerciceLegendes& e = f.exercice_legendes();
    SectionRapport s;
    s.titre = QCoreApplication::translate("SectionsRapport", "Légendes du neurone");
    s.images.push_back(f.dessin_legendes());
    // A score only for the legends as they lie: one laid, taken off or moved
    // since the correction leaves the score to a new correction.
    QStringList modifiees;
    for (int k = 1; k <= e.nb_legendes(); ++k)
        if (e.modifiee_apres_correction(k))
            modifiees << QCoreApplication::translate("SectionsRapport", "« %1 » : modifiée après la correction").arg(e.legende(k).texte.simplified());
    if (!e.correction_demandee())
        s.lignes << QCoreApplication::translate("SectionsRapport", "Correction : pas encore demandée");
    else if (!e.score_valable().isEmpty())
        s.lignes << QCoreApplication::translate("SectionsRapport", "Correction : %1").arg(e.score_valable());
    else
        s.lignes << QCoreApplication::translate("SectionsRapport", "Correction : pas de score, des légendes ont été modifiées après la correction")
                 << modifiees;
    return s;
}

SectionRapport stimulation(Travail& f)
{
    const ReglagesStimulation r = f.reglages_stimulation();
    SectionRapport s;
    s.titre = QCoreApplication::translate("SectionsRapport", "Stimulation d'un nerf ou d'une fibre");
    s.images = f.images_stimulation();
    // On the nerve as the recording counts them: a cathode past the end
    // stimulates nothing, a recording electrode there records nothing.
    const PlaceSurNerf anode{QT_TRANSLATE_NOOP("SectionsRapport", "anode"), r.anode, r.anode <= r.bout_nerf};
    const PlaceSurNerf cathode{QT_TRANSLATE_NOOP("SectionsRapport", "cathode"), r.cathode, r.cathode <= r.bout_nerf};
    const PlaceSurNerf enr1{QT_TRANSLATE_NOOP("SectionsRapport", "électrode 1"), r.enr1, r.enr1 < r.bout_nerf};
    const PlaceSurNerf enr2{QT_TRANSLATE_NOOP("SectionsRapport", "électrode 2"), r.enr2, r.enr2 < r.bout_nerf};
    s.lignes << QCoreApplication::translate("SectionsRapport", "Intensité de stimulation : %1 V").arg(virgule((100 - r.position_i_stim) / 100.0, 2))
             << QCoreApplication::translate("SectionsRapport", "Polarité : anode à %1 de la cathode").arg(r.anode < r.cathode ? QCoreApplication::translate("SectionsRapport", "gauche")
                                                                                                      : QCoreApplication::translate("SectionsRapport", "droite"))
             << QCoreApplication::translate("SectionsRapport", "Stimulation : %1").arg(r.fibre ? QCoreApplication::translate("SectionsRapport", "Fibre")
                                                                                   : QCoreApplication::translate("SectionsRapport", "Nerf"))
             << (r.deux_stim ? QCoreApplication::translate("SectionsRapport", "Seconde stimulation : oui, %1 ms après la première")
                                   .arg(virgule(temps_ms(r.pos), 2))
                             : QCoreApplication::translate("SectionsRapport", "Seconde stimulation : non"))
             << QCoreApplication::translate("SectionsRapport", "Anode - cathode : %1").arg(distance(cathode, anode))
             << QCoreApplication::translate("SectionsRapport", "Cathode - électrode d'enregistrement 1 : %1").arg(distance(enr1, cathode))
             << QCoreApplication::translate("SectionsRapport", "Électrode d'enregistrement 1 - électrode 2 : %1").arg(distance(enr2, enr1))
             << QString();
    for (const QuestionRemplie& q : f.questions())
        s.lignes << QStringLiteral("%1 %2 — %3")
                        .arg(q.question,
                             q.reponse.isEmpty() ? QCoreApplication::translate("SectionsRapport", "(sans réponse)") : avec_unite(q.reponse, q.unite),
                             etat(q.etat));
    return s;
}

SectionRapport ionique(Travail& f)
{
    const EquilibresIoniques& m = f.equilibres();
    SectionRapport s;
    s.titre = QCoreApplication::translate("SectionsRapport", "Équilibres ioniques");
    // The values the page shows, named as the table's columns.
    const auto valeur = [&](Texte t) { return m.texte(t).section(QLatin1Char('='), 1).trimmed(); };
    const struct {
        Texte texte;
        const char* nom;
        bool sodium;
    } valeurs[] = {{Texte::k_int, "[K]i", false}, {Texte::k_ext, "[K]e", false}, {Texte::na_int, "[Na]i", true},
                   {Texte::na_ext, "[Na]e", true}, {Texte::gk, "GK", true},   {Texte::gna, "GNa", true}};
    // Working on the equilibrium potential, the page shows potassium alone.
    for (const auto& v : valeurs)
        if (!(m.mode_anim && v.sodium) && !valeur(v.texte).isEmpty())
            s.lignes << QCoreApplication::translate("SectionsRapport", "%1 : %2").arg(QLatin1String(v.nom), valeur(v.texte));
    if (m.pot_eq_visibles())
        s.lignes << QCoreApplication::translate("SectionsRapport", "EK : %1 mV").arg(virgule(m.etat.e_k, 2))
                 << QCoreApplication::translate("SectionsRapport", "ENa : %1 mV").arg(virgule(m.etat.e_na, 2));
    if (!valeur(Texte::em).isEmpty())
        s.lignes << QCoreApplication::translate("SectionsRapport", "Em : %1 mV").arg(valeur(Texte::em));
    if (m.mode_anim && !m.avis_animation().isEmpty())
        s.lignes << m.avis_animation();
    s.images = f.images_ionique();
    // The steps the chart holds, recorded or programmed, with the potential it plotted.
    const std::vector<Enregistreur::PasTrace> etapes = m.enregistreur.pas_du_graphe();
    if (!etapes.empty()) {
        s.tableau << Enregistreur::entetes_pas()
                         .join(QLatin1Char(';'))
                         .replace(QLatin1String("EeqK"), QLatin1String("EK"))
                         .replace(QLatin1String("EeqNa"), QLatin1String("ENa"));
        for (const Enregistreur::PasTrace& e : etapes)
            s.tableau << Enregistreur::cases_pas(e, QStringLiteral("—")).join(QLatin1Char(';'));
    }
    return s;
}

} // namespace

QString en_francais(QString texte)
{
    // A blank that does not break before the high punctuation, none after an
    // opening guillemet kept apart; numbers with a decimal comma.
    // Another language keeps its own typography; numbers take its decimal separator.
    if (langue_en_cours() != QLatin1String("fr"))
        return virgule_decimale(texte);
    static const QRegularExpression haute(QStringLiteral("(?<=\\S)[ \\x{00A0}]?([:?!;])(?=\\s|$)"));
    return virgule_decimale(texte.replace(haute, QStringLiteral("\u00A0\\1")));
}

std::vector<SectionRapport> sections_utilisees(Travail& f)
{
    std::vector<SectionRapport> sections;
    const ExerciceLegendes& e = f.exercice_legendes();
    // The score shows from the start: only legends laid on the drawing, or
    // taken off since a correction, count.
    bool posees = false;
    for (int k = 1; k <= e.nb_legendes(); ++k)
        posees = posees || e.placement(k).posee != 0 || e.modifiee_apres_correction(k);
    if (posees)
        sections.push_back(legendes(f));
    if (f.page_vue(Page::stimulation))
        sections.push_back(stimulation(f));
    if (f.page_vue(Page::ionique))
        sections.push_back(ionique(f));
    for (SectionRapport& s : sections)
        for (QString& l : s.lignes)
            l = en_francais(l);
    return sections;
}

} // namespace quillon
