#include "images_compte_rendu.h"

#include "outputs/travail.h"
#include "ionic/page_ionique.h"
#include "labelling/page_accueil.h"
#include "stimulation/graduations.h"
#include "stimulation/page_stimulation.h"
#include "ui_page_ionique.h"
#include "ui_page_stimulation.h"

#include "common/controles.h"

#include <QPainter>
#include <QRegularExpression>

namespace quillon {

namespace {

// The children shown of `parent`, in the order they are drawn on screen.
std::vector<VuePapier::Element> montres(QWidget* parent, const std::vector<QWidget*>& parmi)
{
    std::vector<VuePapier::Element> elements;
    for (QObject* o : parent->children())
        if (auto* w = qobject_cast<QWidget*>(o);
            w != nullptr && w->isVisibleTo(parent) && std::find(parmi.begin(), parmi.end(), w) != parmi.end())
            elements.push_back({w, w->pos(), {}});
    return elements;
}

QRect etendue(const std::vector<VuePapier::Element>& elements, int marge)
{
    QRect r;
    for (const VuePapier::Element& e : elements)
        r |= QRect(e.place, e.image.isNull() ? e.widget->size() : e.image.deviceIndependentSize().toSize());
    return r.adjusted(-marge, -marge, marge, marge);
}

// A ruler as affich_grad draws it, on a picture wide enough for its last label:
// 420 pixels hold the labels to 13 ms and 52 cm whole and none cut after them.
std::pair<QImage, QImage> regles_entieres()
{
    QImage temps(420, 19, QImage::Format_RGB32);
    temps.fill(Qt::white);
    QImage distance = temps;
    affich_grad(temps, distance);
    return {temps, distance};
}

// A label showing a decimal point, drawn as a copy of it with a comma.
void dessiner_en_francais(QPainter& p, const Etiquette& e, QPoint place)
{
    Etiquette copie;
    copie.setFont(e.font());
    copie.setPalette(e.palette());
    copie.setAlignment(e.alignment());
    copie.setWordWrap(e.wordWrap());
    copie.setMargin(e.margin());
    copie.setIndent(e.indent());
    copie.setTransparent(e.transparent());
    copie.setCouleur(e.couleur());
    copie.setCouleurTexte(e.couleurTexte());
    copie.resize(e.size());
    copie.setText(virgule_decimale(e.text()));
    copie.render(&p, place, QRegion(), QWidget::DrawChildren);
}

} // namespace

QString virgule_decimale(QString texte)
{
    static const QRegularExpression point(QStringLiteral("(\\d)\\.(\\d)"));
    return texte.replace(point, QStringLiteral("\\1,\\2"));
}

QImage dessiner_pour_papier(const VuePapier& vue)
{
    QImage image(vue.zone.size() * pixels_papier, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixels_papier);
    image.fill(vue.parent->palette().color(vue.parent->backgroundRole()));
    QPainter p(&image);
    p.translate(-vue.zone.topLeft());
    for (const VuePapier::Element& e : vue.elements) {
        const auto* etiquette = qobject_cast<const Etiquette*>(e.widget);
        if (!e.image.isNull())
            p.drawImage(e.place, e.image);
        else if (etiquette != nullptr && virgule_decimale(etiquette->text()) != etiquette->text())
            dessiner_en_francais(p, *etiquette, e.place);
        else
            e.widget->render(&p, e.place, QRegion(), QWidget::DrawChildren); // a background only where it fills one
    }
    return image;
}

QImage image_legendes(Travail& f)
{
    PageAccueil& page = f.accueil();
    const ExerciceLegendes& e = page.exercice();
    QWidget* dessin = f.dessin_neurone();
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

QImage image_ecran(PageStimulation& page)
{
    Ui::PageStimulation& u = *page.ui();
    VuePapier vue{u.Ima_st->parentWidget(), {}, montres(u.Ima_st->parentWidget(), {u.Ima_st, u.prem_artef,
                                                                                  u.deux_artef})};
    // The ruler whole, its unit after its end rather than over its last label.
    const QImage temps = regles_entieres().first;
    vue.elements.push_back({u.Ima_grad, u.Ima_grad->pos(), temps});
    vue.elements.push_back({u.Label21, u.Ima_grad->pos() + QPoint(temps.width() + 3, 5), {}});
    vue.zone = etendue(vue.elements, 4);
    return dessiner_pour_papier(vue);
}

QImage image_nerf(PageStimulation& page)
{
    Ui::PageStimulation& u = *page.ui();
    VuePapier vue{u.ima_nerf->parentWidget(), {}, montres(u.ima_nerf->parentWidget(), {u.ima_nerf})};
    vue.elements.push_back({u.Ima_grad2, u.Ima_grad2->pos(), regles_entieres().second});
    for (const VuePapier::Element& e :
         montres(u.ima_nerf->parentWidget(), {u.Shape_anode2, u.Shape_cathode2, u.Shape_enr12, u.shape_enr22,
                                              u.Shape_nerf, u.Lab_a, u.Lab_b, u.Shape_anode, u.Shape_cathode,
                                              u.Shape_enr1, u.Shape_enr2, u.anode, u.cathode}))
        vue.elements.push_back(e);
    vue.elements.push_back({u.Label22, u.Ima_grad2->pos() + QPoint(420 + 3, 4), {}});
    vue.zone = etendue(vue.elements, 4);
    return dessiner_pour_papier(vue);
}

QImage image_cuve(PageIonique& page)
{
    Ui::PageIonique& u = *page.ui();
    VuePapier vue{u.Ima_pa->parentWidget(), {},
                  montres(u.Ima_pa->parentWidget(),
                          {u.ima_pe1, u.ima_pe2, u.Shape15, u.Shape16, u.Shape17, u.Shape11, u.Label30, u.Label31,
                           u.ima_ki, u.ima_nai, u.ani, u.ima_ke, u.ima_nae, u.ane, u.lab_nai, u.lab_ki, u.lab_ke,
                           u.lab_nae, u.lab_gk, u.lab_gna, u.Lab_em, u.Label9, u.Label10, u.Lab_ek, u.Lab_ena,
                           u.Ima_fl_i_e, u.ima_fl_e_i, u.force1, u.force2})};
    vue.zone = etendue(vue.elements, 4);
    return dessiner_pour_papier(vue);
}

QImage image_graphe(PageIonique& page)
{
    Ui::PageIonique& u = *page.ui();
    VuePapier vue{u.Ima_pa->parentWidget(), {}, montres(u.Ima_pa->parentWidget(), {u.Label11, u.ima_leg, u.Ima_pa})};
    vue.zone = etendue(vue.elements, 4);
    return dessiner_pour_papier(vue);
}

} // namespace quillon
