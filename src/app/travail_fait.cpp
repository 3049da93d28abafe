#include "travail_fait.h"

#include "common/dialogues.h"
#include "ionic/equilibres.h"
#include "labelling/legendes.h"
#include "stimulation/page_stimulation.h"

#include <QCoreApplication>

namespace quillon {

QString empreinte_travail(const ExerciceLegendes& legendes, const PageStimulation* stimulation,
                          const EquilibresIoniques* ionique)
{
    // What the report prints: the place each legend lies on and whether it
    // moved since the correction, the answers as typed with their state, the
    // steps on the chart.
    QString e;
    for (int k = 1; k <= legendes.nb_legendes(); ++k) {
        if (const Placement p = legendes.placement(k); p.posee != 0)
            e += QStringLiteral("L%1@%2;").arg(k).arg(p.cible);
        if (legendes.modifiee_apres_correction(k))
            e += QStringLiteral("M%1;").arg(k);
    }
    if (legendes.correction_demandee())
        e += QStringLiteral("Correction;");
    if (stimulation != nullptr) {
        const SimulationNerf& s = stimulation->modele();
        const CorrectionFeuille::Textes& textes = s.textes_reponses();
        if (std::any_of(textes.begin(), textes.end(), [](const QString& t) { return !t.trimmed().isEmpty(); })
            || s.correction_demandee()) {
            for (std::size_t i = 0; i < textes.size(); ++i)
                e += QStringLiteral("R%1=%2|%3;").arg(i).arg(static_cast<int>(s.etat(i))).arg(textes[i].trimmed());
        }
        if (s.correction_demandee())
            e += QStringLiteral("Questions corrigées;");
    }
    if (ionique != nullptr) {
        for (const EtapeNernst& p : ionique->enregistreur.sequence_tracee().etapes)
            e += QStringLiteral("P%1,%2,%3,%4,%5,%6;").arg(p.gk).arg(p.gna).arg(p.k_int).arg(p.k_ext).arg(p.na_int).arg(p.na_ext);
    }
    return e;
}

void GardeTravail::compte_rendu_fait(bool fait)
{
    if (fait)
        au_compte_rendu_ = empreinte_();
}

bool GardeTravail::rien_a_perdre(const QString& question_sequence, const QString& question_compte_rendu)
{
    if (!sequence_gardee_(question_sequence))
        return false;
    if (const QString fait = empreinte_(); !fait.isEmpty() && fait != au_compte_rendu_) {
        const Reponse r = dialogues_.question_ou(question_compte_rendu, QCoreApplication::translate("TForm1", "Compte rendu..."));
        if (r == Reponse::Non || (r == Reponse::Autre && !compte_rendu_()))
            return false;
    }
    return true;
}

} // namespace quillon
