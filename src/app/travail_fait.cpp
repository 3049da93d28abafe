#include "travail_fait.h"

#include "ionic/equilibres.h"
#include "labelling/legendes.h"
#include "stimulation/page_stimulation.h"

namespace quillon {

QString empreinte_travail(const ExerciceLegendes& legendes, const PageStimulation* stimulation,
                          const EquilibresIoniques* ionique)
{
    QString e;
    for (int k = 1; k <= legendes.nb_legendes(); ++k) {
        if (const int posee = legendes.placement(k).posee; posee != 0)
            e += QStringLiteral("L%1=%2;").arg(k).arg(posee);
    }
    if (legendes.correction_demandee())
        e += QStringLiteral("Correction;");
    if (stimulation != nullptr) {
        const ReponsesEleve r = stimulation->reponses();
        const QStringList textes = {r.frequence_relative, r.frequence_absolue, r.vitesse, r.seuil};
        if (r.periode_relative != -1 || r.periode_absolue != -1 || r.electrode != -1
            || std::any_of(textes.begin(), textes.end(), [](const QString& t) { return !t.trimmed().isEmpty(); }))
            e += QStringLiteral("R%1|%2|%3|%4;").arg(r.periode_relative).arg(r.periode_absolue).arg(r.electrode).arg(textes.join('|'));
        if (stimulation->correction_demandee())
            e += QStringLiteral("Questions corrigées;");
    }
    if (ionique != nullptr) {
        for (const EtapeNernst& p : ionique->enregistreur.sequence_tracee().etapes)
            e += QStringLiteral("P%1,%2,%3,%4,%5,%6;").arg(p.gk).arg(p.gna).arg(p.k_int).arg(p.k_ext).arg(p.na_int).arg(p.na_ext);
    }
    return e;
}

} // namespace quillon
