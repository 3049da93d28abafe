#include "travail_fenetre.h"

#include "app/tform1.h"
#include "common/etiquette.h"
#include "common/papier.h"
#include "ionic/page_ionique.h"
#include "labelling/page_accueil.h"
#include "stimulation/page_stimulation.h"

namespace quillon {

bool TravailFenetre::page_vue(Page p) const
{
    return f_.page_vue(p);
}

const ExerciceLegendes& TravailFenetre::exercice_legendes() const
{
    return f_.accueil().exercice();
}

QImage TravailFenetre::dessin_legendes() const
{
    PageAccueil& page = f_.accueil();
    const ExerciceLegendes& e = page.exercice();
    QWidget* dessin = f_.dessin_neurone();
    std::vector<QWidget*> parmi{dessin};
    for (QWidget* c : page.cibles())
        parmi.push_back(c);
    for (int k = 1; k <= e.nb_legendes(); ++k)
        if (e.placement(k).posee != 0)
            parmi.push_back(page.legende(e.placement(k).posee));
    VuePapier vue{dessin->parentWidget(), {}, montres(dessin->parentWidget(), parmi)};
    vue.zone = etendue(vue.elements, 0);
    return dessiner_pour_papier(vue);
}

ReglagesStimulation TravailFenetre::reglages_stimulation() const
{
    return f_.stimulation().reglages();
}

std::vector<QuestionRemplie> TravailFenetre::questions() const
{
    return f_.stimulation().feuille();
}

std::vector<QImage> TravailFenetre::images_stimulation() const
{
    return {f_.stimulation().image_nerf_papier(), f_.stimulation().image_ecran_papier()};
}

const EquilibresIoniques& TravailFenetre::equilibres() const
{
    return f_.ionique().modele();
}

std::vector<QImage> TravailFenetre::images_ionique() const
{
    return {f_.ionique().image_cuve_papier(), f_.ionique().image_graphe_papier()};
}

std::vector<ImageExportee> TravailFenetre::images_exportees() const
{
    std::vector<ImageExportee> images{f_.stimulation().image_exportee()};
    for (const ImageExportee& i : f_.ionique().images_exportees())
        images.push_back(i);
    images.push_back({QT_TRANSLATE_NOOP("NomsProposes", "neurone"), {f_.dessin_neurone()}, {f_.dessin_neurone()}, {}});
    return images;
}

QWidget* TravailFenetre::fenetre()
{
    return &f_;
}

} // namespace quillon
