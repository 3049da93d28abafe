#include "demarrage.h"

#include <system_error>

namespace quillon {

std::optional<QString> executer_demarrage(EtapesDemarrage& e)
{
    try {
        e.arreter_timer_debut();
        e.sonder_version();
        e.double_tampon();
        e.semer_aleatoire();
        e.lec_couleurs();
        e.Scroll_gkChange();
        e.Scroll_gnaChange();
        e.adap_merlade();
        e.rapports_images();
        e.concentrations_depart();
        e.calcul_images();
        e.charger_images();
        e.Notebook1Click();
        e.construire_legendes();
        e.semer_aleatoire();
        e.melanger_legendes();
        e.affichage_legendes();
    } catch (const ErreurDemarrage& erreur) {
        return erreur.message();
    } catch (const std::system_error& erreur) {
        return QString::fromLocal8Bit(erreur.what());
    }
    return std::nullopt;
}

} // namespace quillon
