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
        const QStringList textes = {r.fib_lpr, r.fib_cpr, r.vit_influx, r.Edit_seuil};
        if (r.pref_rel != -1 || r.pref_abs != -1 || r.combo_electrode != -1
            || std::any_of(textes.begin(), textes.end(), [](const QString& t) { return !t.trimmed().isEmpty(); }))
            e += QStringLiteral("R%1|%2|%3|%4;").arg(r.pref_rel).arg(r.pref_abs).arg(r.combo_electrode).arg(textes.join('|'));
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
