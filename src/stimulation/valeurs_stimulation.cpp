#include "valeurs_stimulation.h"

#include "common/nombres.h"
#include "common/tableur.h"

#include <QCoreApplication>

namespace quillon {

double temps_ms(int j)
{
    return j / 6.0;
}

double position_cm(int left)
{
    return (left + 2.5 - 13) / 7.5;
}

QByteArray valeurs_stimulation(const ReglagesStimulation& r, const ReponseStimulation& rep)
{
    TableurCsv t;
    const auto nombre = [](double x) { return TableurCsv::nombre(x, 2); };
    t.ligne({QCoreApplication::translate("ValeursStimulation", "Intensité (V)"), nombre((100 - r.position_i_stim) / 100.0)});
    t.ligne({QCoreApplication::translate("ValeursStimulation", "Polarité"), r.cathode < r.anode ? QCoreApplication::translate("ValeursStimulation", "inversée") : QCoreApplication::translate("ValeursStimulation", "normale")});
    t.ligne({QCoreApplication::translate("ValeursStimulation", "Nerf ou fibre"), r.fibre ? QCoreApplication::translate("ValeursStimulation", "Fibre") : QCoreApplication::translate("ValeursStimulation", "Nerf")});
    t.ligne({QCoreApplication::translate("ValeursStimulation", "Deuxième stimulation"), r.deux_stim ? QCoreApplication::translate("ValeursStimulation", "oui") : QCoreApplication::translate("ValeursStimulation", "non")});
    t.ligne({QCoreApplication::translate("ValeursStimulation", "Intervalle (ms)"), nombre(temps_ms(r.pos))});
    t.ligne({QCoreApplication::translate("ValeursStimulation", "Anode (cm)"), nombre(position_cm(r.anode))});
    t.ligne({QCoreApplication::translate("ValeursStimulation", "Cathode (cm)"), nombre(position_cm(r.cathode))});
    t.ligne({QCoreApplication::translate("ValeursStimulation", "Électrode 1 (cm)"), nombre(position_cm(r.enr1))});
    t.ligne({QCoreApplication::translate("ValeursStimulation", "Électrode 2 (cm)"), nombre(position_cm(r.enr2))});
    t.ligne_vide();
    // The potentials scaled by the fibres recruited, as the screen draws
    // them: in its arbitrary units, as the figures give them.
    t.ligne({QCoreApplication::translate("ValeursStimulation", "Temps (ms)"), QCoreApplication::translate("ValeursStimulation", "Électrode 1 (u.a.)"), QCoreApplication::translate("ValeursStimulation", "Électrode 2 (u.a.)"),
             QCoreApplication::translate("ValeursStimulation", "Différence à l'écran (u.a.)")});
    const double a = rep.facteur_ecran();
    for (int j = 1; j <= ReponseStimulation::affiches; ++j) {
        const Echantillon& e = rep.enreg[static_cast<std::size_t>(j)];
        t.ligne({TableurCsv::nombre(temps_ms(j), 3), TableurCsv::nombre(a * e.voie1, 3),
                 TableurCsv::nombre(a * e.voie2, 3), TableurCsv::nombre(valeur_ecran(r, rep, j), 3)});
    }
    return t.octets();
}

double valeur_ecran(const ReglagesStimulation& /*r*/, const ReponseStimulation& rep, int j)
{
    const Echantillon& e = rep.enreg[static_cast<std::size_t>(j)];
    return rep.facteur_ecran() * (e.voie1 - e.voie2);
}

LecturesCurseurs lectures_ecran(const CurseursMesure& c, const ReglagesStimulation& r,
                                const ReponseStimulation& rep)
{
    LecturesCurseurs l;
    for (int i = 0; i < c.nombre(); ++i) {
        const int j = c.position(i);
        l.curseurs[static_cast<std::size_t>(i)] = QCoreApplication::translate("ValeursStimulation", "t = %1 ms ; %2 u.a.")
                                                      .arg(texte_mesure(temps_ms(j), 2), texte_mesure(valeur_ecran(r, rep, j)));
    }
    // Times are sixths of a millisecond: two decimals, and their difference
    // is that of the values shown, as a pupil subtracts them.
    if (c.nombre() == 2)
        l.difference = QStringLiteral("Δt = %1 ms")
                           .arg(texte_mesure(valeur_lue(temps_ms(c.position(1)), 2) - valeur_lue(temps_ms(c.position(0)), 2), 2));
    return l;
}

} // namespace quillon
