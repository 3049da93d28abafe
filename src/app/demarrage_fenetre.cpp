#include "demarrage_fenetre.h"

#include "app/tform1.h"
#include "colours/mise_en_couleur.h"
#include "common/aleatoire.h"
#include "app/sonde.h"
#include "ionic/page_ionique.h"
#include "labelling/page_accueil.h"
#include "shell/merlade.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

namespace quillon {

void DemarrageFenetre::arreter_timer_debut()
{
    f_.Timer_debut->stop();
}

void DemarrageFenetre::sonder_version()
{
    f_.version_windows = sonder_windows();
}

void DemarrageFenetre::double_tampon()
{
    // Nothing to do: Qt paints every widget through a back buffer already.
}

void DemarrageFenetre::semer_aleatoire()
{
    services_.hasard->randomize();
}

void DemarrageFenetre::lec_couleurs()
{
    f_.couleurs().lec_couleurs();
}

void DemarrageFenetre::Scroll_gkChange()
{
    f_.ionique().barre_changee(Barre::gk);
}

void DemarrageFenetre::Scroll_gnaChange()
{
    f_.ionique().barre_changee(Barre::gna);
}

void DemarrageFenetre::adap_merlade()
{
    const ResultatMerlade r = quillon::adap_merlade(services_.dossier_prog, services_.dossier_mrl);
    if (r.prepare)
        chemin_merlade_ = r.chemin_merlade;
    if (r.erreur)
        throw ErreurDemarrage(*r.erreur);
}

void DemarrageFenetre::rapports_images()
{
    f_.ionique().rapports_images();
}

void DemarrageFenetre::concentrations_depart()
{
    f_.ionique().concentrations_depart();
}

void DemarrageFenetre::calcul_images()
{
    f_.ionique().calcul_images();
}

void DemarrageFenetre::charger_images()
{
    if (const std::optional<QString> chemin = f_.ionique().charger_images(services_.dossier_prog))
        throw ErreurDemarrage(QCoreApplication::translate("TForm1", "Impossible d'ouvrir le fichier %1").arg(QDir::toNativeSeparators(*chemin)));
}

void DemarrageFenetre::Notebook1Click()
{
    f_.Notebook1Click();
}

void DemarrageFenetre::construire_legendes()
{
    f_.accueil().construire_legendes();
}

void DemarrageFenetre::melanger_legendes()
{
    f_.accueil().melanger_legendes(*services_.hasard);
}

void DemarrageFenetre::affichage_legendes()
{
    f_.accueil().affichage_legendes();
}

} // namespace quillon
