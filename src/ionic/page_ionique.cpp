#include "page_ionique.h"

#include "ui_page_ionique.h"

#include "common/aleatoire.h"
#include "common/calque_curseurs.h"
#include "common/chemins.h"
#include "common/lecture_image.h"
#include "common/focus.h"
#include "common/etiquette.h"
#include "common/image_controle.h"
#include "common/dessin.h"
#include "common/polices.h"
#include "ionic/vitesse_animation.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

// The label sized to its caption; one whose ink runs a pixel past its last
// advance ("Diffusion force") is widened to its ink rather than lose it.
void ajuster(Etiquette* e)
{
    e->adjustSize();
    if (const int encre = e->fontMetrics().tightBoundingRect(e->text()).width() - e->contentsRect().width(); encre > 0)
        e->resize(e->width() + encre, e->height());
}

void afficher_texte(Etiquette* e, const QString& texte)
{
    // Nothing computed yet: the design's caption stays.
    if (texte.isEmpty() || e->text() == texte)
        return;
    e->setText(texte);
    ajuster(e);
}

void arreter_ou_lancer(QTimer* t, bool actif)
{
    if (t->isActive() != actif) {
        if (actif)
            t->start();
        else
            t->stop();
    }
}

void intervalle(QTimer* t, int ms)
{
    if (t->interval() != ms)
        t->setInterval(ms);
}

QTimer* minuterie(QObject* parent, const char* nom, int intervalle, bool active)
{
    auto* t = new QTimer(parent);
    t->setObjectName(QString::fromLatin1(nom));
    t->setInterval(intervalle);
    if (intervalle < 20)
        t->setTimerType(Qt::PreciseTimer);
    if (active)
        t->start();
    return t;
}

QImage blanc(const QSize& taille)
{
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

PageIonique::PageIonique(QWidget* parent, Aleatoire& hasard)
    : QWidget(parent), ui_(std::make_unique<Ui::PageIonique>()),
      minuteries_{minuterie(this, "Timer_k", Enregistreur::intervalle_normal, true),
                  minuterie(this, "Timer_na", Enregistreur::intervalle_normal, true),
                  minuterie(this, "Timer_courbe", 500, false), minuterie(this, "Timer_reaff", 100, false),
                  minuterie(this, "Timer_anim", intervalle_animation(Vitesse::rapide), false)},
      hasard_(&hasard)
{
    // The animation keeps an even pace at every interval.
    minuteries_.Timer_anim->setTimerType(Qt::PreciseTimer);
    connect(minuteries_.Timer_k, &QTimer::timeout, this, &PageIonique::calcul_em);
    connect(minuteries_.Timer_na, &QTimer::timeout, this, &PageIonique::calcul_em);
    connect(minuteries_.Timer_courbe, &QTimer::timeout, this, &PageIonique::tic_enregistrement);
    connect(minuteries_.Timer_reaff, &QTimer::timeout, this, &PageIonique::tic_essai);
    // A wake-up of the animation's timer makes up every tick due since the last.
    connect(minuteries_.Timer_anim, &QTimer::timeout, this, &PageIonique::reveil_animation);
    ui_->setupUi(this);
    polices_en_pixels(this);
    move(0, 0); // the design gives the size

    ui_->ima_pe1->setImage(blanc(ui_->ima_pe1->size()));
    ui_->ima_pe2->setImage(blanc(ui_->ima_pe2->size()));
    ui_->ima_leg->setImage(blanc(ui_->ima_leg->size()));
    grad_nernst();
    ui_->Ima_sav->setImage(blanc(ui_->Ima_sav->size()));
    // The animation's two pictures cover their places with opaque pixels: on
    // a dense screen of whole ratio nothing is painted under them at each
    // tick, four times the pixels at 2. (At a fractional ratio the enlarged
    // picture may leave an edge column of its place unpainted.)
    if (const qreal ratio = qApp->devicePixelRatio(); ratio > 1 && ratio == std::floor(ratio))
        for (ImageControle* c : {ui_->ima_pe1, ui_->ima_pe2})
            c->setAttribute(Qt::WA_OpaquePaintEvent);
    for (Etiquette* e : findChildren<Etiquette*>())
        ajuster(e);
    gauche_lab_gk_ = ui_->lab_gk->x();
    // What a change of K+ made while the animation is stopped, in the room
    // right of the vessel.
    avis_anim_ = new Etiquette(ui_->GroupBox10);
    avis_anim_->setObjectName(QStringLiteral("avis_anim"));
    avis_anim_->setFont(ui_->force1->font());
    avis_anim_->setWordWrap(true);
    avis_anim_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    avis_anim_->setGeometry(476, 90, 190, 100);
    avis_anim_->hide();

    for (int i = 0; i < nb_barres; ++i) {
        const Barre b = static_cast<Barre>(i);
        montrer_focus(barre(b));
        connect(barre(b), &QScrollBar::valueChanged, this,
                [this, b](int position) { faire([&] { modele_.changer_position(b, position); }); });
    }
    for (int i = 0; i < 4; ++i) {
        image(static_cast<ImageIon>(i))->installEventFilter(this);
        image(static_cast<ImageIon>(i))->setCursor(Qt::PointingHandCursor);
    }
    const auto relier = [this](QPushButton* b, void (Enregistreur::*clic)()) {
        connect(b, &QPushButton::clicked, this, [this, clic] { faire([&] { (modele_.enregistreur.*clic)(); }); });
    };
    relier(ui_->BitBtn14, &Enregistreur::lancer_ou_arreter);
    relier(ui_->BitBtn15, &Enregistreur::effacer);
    relier(ui_->BitBtn16, &Enregistreur::programmer_ou_finir);
    connect(ui_->recule1, &QPushButton::clicked, this, [this] { faire([this] { modele_.pas_precedent(); }); });
    connect(ui_->BitBtn17, &QPushButton::clicked, this, [this] { faire([this] { modele_.pas_suivant(); }); });
    relier(ui_->avance1, &Enregistreur::ajouter_pas);
    relier(ui_->BitBtn18, &Enregistreur::lancer_essai);
    connect(ui_->BitBtn12, &QPushButton::clicked, this, &PageIonique::BitBtn12Click);
    connect(ui_->BitBtn13, &QPushButton::clicked, this, &PageIonique::BitBtn13Click);
    connect(ui_->GO, &QPushButton::clicked, this, &PageIonique::GOClick);
    // Step n's membrane-potential dot spans columns 5 n to 5 n + 6.
    curseurs_ = new CalqueCurseurs(ui_->Ima_pa, Enregistreur::pixels_par_pas, 3,
                                   [this](const CurseursMesure& c) { return lectures_courbe(c, modele_.enregistreur); });
    modele_.brancher_hasard(hasard);
    ordonner_images();
    actualiser();
}

void PageIonique::ordonner_images()
{
    // Tab reaches each picture where it reads: the compartments after the
    // membrane's bars, the chart after the bars.
    for (QWidget* w : {static_cast<QWidget*>(ui_->ima_pe1), static_cast<QWidget*>(ui_->ima_pe2),
                       static_cast<QWidget*>(ui_->Ima_pa)})
        w->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(ui_->Scroll_gna, ui_->ima_pe1);
    QWidget::setTabOrder(ui_->ima_pe1, ui_->ima_pe2);
    QWidget::setTabOrder(ui_->Scroll_nae, ui_->Ima_pa);
}

PageIonique::~PageIonique() = default;

std::optional<QString> PageIonique::charger_images(const QString& dossier_prog)
{
    for (const auto& [nom, images] : images_a_charger()) {
        const QString chemin = chemin_fichier(dossier_prog, QString::fromLatin1(nom));
        const QImage image = lire_image(chemin);
        if (image.isNull())
            return chemin;
        for (ImageControle* controle : images)
            controle->setImage(image);
    }
    return std::nullopt;
}

QImage PageIonique::image_cuve_papier() const
{
    Ui::PageIonique& u = *ui_;
    VuePapier vue{u.Ima_pa->parentWidget(), {},
                  montres(u.Ima_pa->parentWidget(),
                          {u.ima_pe1, u.ima_pe2, u.Shape15, u.Shape16, u.Shape17, u.Shape11, u.Label30, u.Label31,
                           u.ima_ki, u.ima_nai, u.ani, u.ima_ke, u.ima_nae, u.ane, u.lab_nai, u.lab_ki, u.lab_ke,
                           u.lab_nae, u.lab_gk, u.lab_gna, u.Lab_em, u.Label9, u.Label10, u.Lab_ek, u.Lab_ena,
                           u.Ima_fl_i_e, u.ima_fl_e_i, u.force1, u.force2})};
    vue.zone = etendue(vue.elements, 4);
    return dessiner_pour_papier(vue);
}

QImage PageIonique::image_graphe_papier() const
{
    Ui::PageIonique& u = *ui_;
    VuePapier vue{u.Ima_pa->parentWidget(), {}, montres(u.Ima_pa->parentWidget(), {u.Label11, u.ima_leg, u.Ima_pa})};
    vue.zone = etendue(vue.elements, 4);
    return dessiner_pour_papier(vue);
}

std::vector<ImageExportee> PageIonique::images_exportees() const
{
    return {{QT_TRANSLATE_NOOP("NomsProposes", "courbe"), {ui_->Ima_pa}, {ui_->ima_leg, ui_->Ima_pa}, [this] { return modele_.enregistreur.valeurs(); }},
            {QT_TRANSLATE_NOOP("NomsProposes", "compartiments"), {ui_->ima_pe1, ui_->ima_pe2}, {ui_->ima_pe1, ui_->ima_pe2}, {}}};
}

QWidget* PageIonique::boite_a_colorer() const
{
    return ui_->GroupBox10;
}

std::vector<std::pair<const char*, std::vector<ImageControle*>>> PageIonique::images_a_charger() const
{
    return {{"\\an.bmp", {ui_->ani, ui_->ane}},
            {"\\k.bmp", {ui_->ima_ki, ui_->ima_ke}},
            {"\\na.bmp", {ui_->ima_nai, ui_->ima_nae}},
            {"\\fl_i_e.bmp", {ui_->Ima_fl_i_e}},
            {"\\fl_e_i.bmp", {ui_->ima_fl_e_i}}};
}

template <typename F>
void PageIonique::faire(F&& action)
{
    action();
    actualiser();
}

QScrollBar* PageIonique::barre(Barre b) const
{
    switch (b) {
    case Barre::nai: return ui_->Scroll_nai;
    case Barre::ki: return ui_->Scroll_ki;
    case Barre::ke: return ui_->Scroll_ke;
    case Barre::nae: return ui_->Scroll_nae;
    case Barre::gk: return ui_->Scroll_gk;
    case Barre::gna: return ui_->Scroll_gna;
    }
    return nullptr;
}

ImageControle* PageIonique::image(ImageIon i) const
{
    switch (i) {
    case ImageIon::k_int: return ui_->ima_ki;
    case ImageIon::k_ext: return ui_->ima_ke;
    case ImageIon::na_int: return ui_->ima_nai;
    case ImageIon::na_ext: return ui_->ima_nae;
    case ImageIon::anions_int: return ui_->ani;
    case ImageIon::anions_ext: return ui_->ane;
    }
    return nullptr;
}

QPushButton* PageIonique::bouton(BoutonCourbe b) const
{
    switch (b) {
    case BoutonCourbe::lancer: return ui_->BitBtn14;
    case BoutonCourbe::effacer: return ui_->BitBtn15;
    case BoutonCourbe::programmer: return ui_->BitBtn16;
    case BoutonCourbe::reculer: return ui_->recule1;
    case BoutonCourbe::avancer: return ui_->BitBtn17;
    case BoutonCourbe::essai: return ui_->BitBtn18;
    }
    return nullptr;
}

void PageIonique::rapports_images()
{
    EtatIonique& e = modele_.etat;
    e.rapport_k = static_cast<double>(ui_->ima_ke->height()) / ui_->ima_ke->width();
    e.rapport_na = static_cast<double>(ui_->ima_nae->height()) / ui_->ima_nae->width();
    e.rapport_an = static_cast<double>(ui_->ani->height()) / ui_->ane->width();
}

void PageIonique::concentrations_depart()
{
    modele_.etat.concentrations_depart();
}

void PageIonique::calcul_images()
{
    faire([this] { modele_.calcul_images(); });
}

void PageIonique::calcul_em()
{
    faire([this] { modele_.calcul_em(); });
}

void PageIonique::barre_changee(Barre b)
{
    faire([this, b] { modele_.barre_changee(b); });
}

bool PageIonique::basculer_pot_eq()
{
    faire([this] { modele_.basculer_pot_eq(); });
    return modele_.pot_eq_visibles();
}

void PageIonique::tic_enregistrement()
{
    faire([this] { modele_.enregistreur.tic_enregistrement(); });
}

void PageIonique::arreter_enregistrement()
{
    if (modele_.enregistreur.enregistrement_en_cours())
        faire([this] { modele_.enregistreur.lancer_ou_arreter(); });
}

void PageIonique::tic_essai()
{
    faire([this] { modele_.tic_essai(); });
}

void PageIonique::lancer_essai()
{
    faire([this] { modele_.enregistreur.lancer_essai(); });
}

void PageIonique::charger(const SequenceNernst& sequence)
{
    faire([&] { modele_.enregistreur.charger(sequence); });
}

void PageIonique::BitBtn12Click()
{
    faire([this] { modele_.entrer_mode_anim(); });
}

void PageIonique::BitBtn13Click()
{
    faire([this] { modele_.quitter_mode_anim(); });
}

void PageIonique::GOClick()
{
    faire([this] { modele_.lancer_animation(!modele_.animation_lancee()); });
}

void PageIonique::montrer_mode()
{
    // The equilibrium-potential mode shows potassium alone, its animation
    // and the forces' arrows; the permeabilities' mode all the ions and bars.
    const bool anim = modele_.mode_anim;
    if (mode_montre_ == anim)
        return;
    mode_montre_ = anim;
    afficher_texte(ui_->Label12, anim ? QCoreApplication::translate("PageIonique", "Travail sur le potentiel d'équilibre")
                                      : QCoreApplication::translate("PageIonique", "Travail sur la perméabilité membrannaire"));
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->BitBtn13, ui_->GO, ui_->Ima_fl_i_e, ui_->ima_fl_e_i,
                                                      ui_->force1, ui_->force2})
        w->setVisible(anim);
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->BitBtn12, ui_->lab_gna, ui_->lab_gk, ui_->ima_nai,
                                                      ui_->ima_nae, ui_->ima_ki, ui_->ima_ke, ui_->ane, ui_->ani,
                                                      ui_->Scroll_nai, ui_->Scroll_nae, ui_->lab_nae, ui_->lab_nai,
                                                      ui_->Scroll_gna, ui_->Scroll_gk, ui_->Shape11})
        w->setVisible(!anim);
    if (!anim) {
        image_en_retard_ = false; // the compartments are wiped, not shown with their particles
        for (ImageControle* c : {ui_->ima_pe1, ui_->ima_pe2}) {
            AnimationFlux::recopier(ui_->Ima_sav->image(), c->image_a_modifier());
            c->update();
        }
    }
}

void PageIonique::montrer_remise()
{
    // Reset and refilled: the membrane on the background, the particles
    // where they were scattered on the picture shown and the other alike.
    if (version_anim_montree_ == modele_.version_animation())
        return;
    version_anim_montree_ = modele_.version_animation();
    AnimationFlux::dessiner_membrane(ui_->Ima_sav->image_a_modifier());
    ui_->Ima_sav->update();
    ImageControle* pe1 = ui_->ima_pe1;
    ImageControle* pe2 = ui_->ima_pe2;
    ImageControle* montree = !pe1->isHidden() || pe2->isHidden() ? pe1 : pe2;
    modele_.anim.dessiner_particules(ui_->Ima_sav->image(), montree->image_a_modifier());
    montree->update();
    ImageControle* autre = montree == pe1 ? pe2 : pe1;
    AnimationFlux::recopier(montree->image(), autre->image_a_modifier());
    autre->update();
    image_en_retard_ = false;
    afficher_animation();
}

void PageIonique::montrer_marche()
{
    // LANCER or STOP on the button; the animation's timer runs with it.
    const bool lancee = modele_.animation_lancee();
    const QString legende = lancee ? QCoreApplication::translate("PageIonique", "STOP")
                                   : QCoreApplication::translate("PageIonique", "LANCER");
    if (ui_->GO->text() != legende)
        ui_->GO->setText(legende);
    if (lancee != lancee_montree_) {
        lancee_montree_ = lancee;
        if (lancee) {
            minuteries_.Timer_anim->start();
            cadence_.demarrer(intervalle_tick_);
            depuis_lancer_.start();
        } else {
            minuteries_.Timer_anim->stop();
            montrer_animation(); // the last tick on screen
        }
    }
    arreter_ou_lancer(minuteries_.Timer_k, !modele_.mode_anim);
    arreter_ou_lancer(minuteries_.Timer_na, !modele_.mode_anim);
}

namespace {

// Milliseconds between two refreshes of the screen that shows `w`.
double periode_ecran(const QWidget* w)
{
    const QScreen* ecran = w->screen();
    return 1000 / (ecran != nullptr && ecran->refreshRate() > 0 ? ecran->refreshRate() : 60);
}

} // namespace

void PageIonique::Timer_animTimer()
{
    // Every tick moves the particles in the rules, drawing nothing.
    modele_.tic_animation(*hasard_);
    ++ticks_;
    image_en_retard_ = true;
    montrer_si_due();
}

void PageIonique::reveil_animation()
{
    const int n = intervalle_tick_ < minuteries_.Timer_anim->interval()
                      ? cadence_.ticks_dus(depuis_lancer_.nsecsElapsed())
                      : 1;
    for (int i = 0; i < n; ++i)
        modele_.tic_animation(*hasard_);
    ticks_ += n;
    image_en_retard_ = image_en_retard_ || n > 0;
    montrer_si_due();
}

void PageIonique::regler_vitesse(Vitesse v)
{
    intervalle_tick_ = intervalle_animation(v);
    minuteries_.Timer_anim->setInterval(intervalle_reveil(intervalle_tick_, periode_ecran(this)));
    // A running animation goes on at the new pace from now.
    cadence_.demarrer(intervalle_tick_);
    depuis_lancer_.start();
}

void PageIonique::montrer_si_due()
{
    // The screen gets at most a picture a refresh, drawn from the positions:
    // the compartments, the arrows and the label together.
    if (!image_montree_.isValid()
        || image_due(image_montree_.nsecsElapsed() / 1e6, minuteries_.Timer_anim->interval(), periode_ecran(this)))
        montrer_animation();
}

void PageIonique::montrer_animation()
{
    if (!image_en_retard_)
        return;
    image_en_retard_ = false;
    image_montree_.start();
    ImageControle* pe1 = ui_->ima_pe1;
    ImageControle* pe2 = ui_->ima_pe2;
    const bool premier_visible = !pe1->isHidden();
    ImageControle* cachee = premier_visible ? pe2 : pe1;
    ImageControle* montree = premier_visible ? pe1 : pe2;
    // The particles where they are now, in their order, on the background.
    modele_.anim.dessiner_particules(ui_->Ima_sav->image(), cachee->image_a_modifier());
    afficher_animation();
    // Flip: the picture just drawn comes on screen, the other one is wiped
    // for the next; nothing is drawn on the picture on screen.
    cachee->update();
    cachee->show();
    // The keyboard focus stays on the compartments, whichever shows them.
    if (montree->hasFocus())
        cachee->setFocus(Qt::OtherFocusReason);
    montree->hide();
    AnimationFlux::recopier(ui_->Ima_sav->image(), montree->image_a_modifier());
}

void PageIonique::afficher_animation()
{
    const AnimationFlux& a = modele_.anim;
    const auto placer = [](ImageControle* fleche, const Fleche& f) {
        const QRect g(f.left, fleche->y(), f.width, fleche->height());
        if (fleche->geometry() != g)
            fleche->setGeometry(g);
    };
    placer(ui_->Ima_fl_i_e, a.fleche_sortie);
    placer(ui_->ima_fl_e_i, a.fleche_entree);
    afficher_texte(ui_->force1, a.legende_haute);
    afficher_texte(ui_->force2, a.legende_basse);
    afficher_texte(ui_->Lab_em, modele_.texte(Texte::em));
}

void PageIonique::afficher_avis()
{
    if (avis_anim_->text() != modele_.avis_animation())
        avis_anim_->setText(modele_.avis_animation());
    avis_anim_->setVisible(modele_.mode_anim && !modele_.avis_animation().isEmpty());
}

void PageIonique::grad_nernst()
{
    // Once, as the page is built: nothing draws it again.
    // The membrane-potential scale: a tick every 10 px, a longer one and the
    // potential in millivolts every 20 px (y = 100 - E).
    ImageControle* leg = ui_->ima_leg;
    QImage image = blanc(leg->size());
    const int h = image.height();
    QPainter p(&image);
    QFont police(QStringLiteral("Times New Roman"));
    police.setPixelSize(pixels_de_points(8));
    p.setFont(police);
    const QFontMetrics mesures(police);
    const QColor bleu_marine(0, 0, 128);
    for (int i = 1; i <= h - 1; ++i) {
        if (i % 10 != 0)
            continue;
        dessin::rectangle(p, 28, h - i, 30, h - i + 1, QPen(Qt::black), QBrush(Qt::black));
        if (i % 20 == 0) {
            dessin::rectangle(p, 23, h - i, 30, h - i + 2, QPen(Qt::black), QBrush(Qt::black));
            const QString texte = QString::number(i - h + 100);
            const QRect cadre(2, h - i - 5, mesures.horizontalAdvance(texte), mesures.height());
            p.fillRect(cadre, bleu_marine);
            p.setPen(Qt::white);
            p.drawText(cadre, Qt::AlignLeft | Qt::AlignTop, texte);
        }
    }
    p.end();
    leg->setImage(image);
}

void PageIonique::actualiser()
{
    // Moving a bar below runs its handler, which comes back here: once is enough.
    if (actualisation_)
        return;
    actualisation_ = true;

    montrer_mode();
    montrer_remise();
    montrer_marche();
    afficher_texte(ui_->lab_ki, modele_.texte(Texte::k_int));
    afficher_texte(ui_->lab_ke, modele_.texte(Texte::k_ext));
    afficher_texte(ui_->lab_nai, modele_.texte(Texte::na_int));
    afficher_texte(ui_->lab_nae, modele_.texte(Texte::na_ext));
    afficher_texte(ui_->lab_gk, modele_.texte(Texte::gk));
    afficher_texte(ui_->lab_gna, modele_.texte(Texte::gna));
    afficher_texte(ui_->Lab_em, modele_.texte(Texte::em));
    afficher_avis();
    afficher_texte(ui_->Label9, modele_.texte(Texte::e_k));
    // The sodium potential keeps the design's "EnaK=" in French; another
    // language names it as its textbooks do ("ENa=").
    QString e_na = modele_.texte(Texte::e_na);
    if (const QLatin1String ena("EnaK="); e_na.startsWith(ena))
        e_na.replace(0, ena.size(), QCoreApplication::translate("PageIonique", "EnaK="));
    afficher_texte(ui_->Label10, e_na);
    // "GK=100" is wider than the room left of "GNa=": it grows to the left
    // rather than hide its last digit, and keeps a blank before "GNa=" so
    // that the two read apart ("GK=100 GNa=10").
    const int blanc = ui_->lab_gk->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    ui_->lab_gk->move(std::min(gauche_lab_gk_, ui_->lab_gna->x() - blanc - ui_->lab_gk->width()), ui_->lab_gk->y());
    ui_->Label9->setVisible(modele_.pot_eq_visibles());
    ui_->Label10->setVisible(modele_.pot_eq_visibles());

    for (int i = 0; i < nb_images_ions; ++i) {
        ImageControle* controle = image(static_cast<ImageIon>(i));
        const QSize taille = modele_.taille(static_cast<ImageIon>(i));
        // No size before the first calcul_images: the design's stands.
        if (taille.isValid() && controle->size() != taille)
            controle->resize(taille);
    }
    for (int i = 0; i < nb_boutons_courbe; ++i) {
        const BoutonCourbe b = static_cast<BoutonCourbe>(i);
        QPushButton* bouton_ = bouton(b);
        const Bouton& etat = modele_.enregistreur.bouton(b);
        // The model keeps its captions as written; the button shows them translated.
        if (const QString legende = QCoreApplication::translate("EquilibresIoniques", etat.legende.toUtf8());
            bouton_->text() != legende)
            bouton_->setText(legende);
        bouton_->setVisible(etat.visible);
        bouton_->setEnabled(modele_.enregistreur.actif(b));
    }
    ui_->BitBtn12->setEnabled(modele_.enregistreur.passage_anim_permis());

    if (modele_.enregistreur.version_courbe() != version_affichee_) {
        version_affichee_ = modele_.enregistreur.version_courbe();
        ui_->Ima_pa->setImage(modele_.enregistreur.courbe());
        if (curseurs_->actif())
            curseurs_->bornes(1, modele_.enregistreur.pas_traces());
    }
    arreter_ou_lancer(minuteries_.Timer_courbe, modele_.enregistreur.enregistrement_en_cours());
    arreter_ou_lancer(minuteries_.Timer_reaff, modele_.enregistreur.essai_en_cours());
    intervalle(minuteries_.Timer_k, modele_.enregistreur.intervalle_relaxation());
    intervalle(minuteries_.Timer_na, modele_.enregistreur.intervalle_relaxation());

    // Last, as each bar that moves reports its new position to the model.
    for (int i = 0; i < nb_barres; ++i) {
        QScrollBar* b = barre(static_cast<Barre>(i));
        const int position = modele_.position(static_cast<Barre>(i));
        if (b->value() != position)
            b->setValue(position);
    }
    actualisation_ = false;
}

void PageIonique::activer_curseurs(bool actifs)
{
    curseurs_->activer(actifs);
    curseurs_->bornes(1, modele_.enregistreur.pas_traces());
}

bool PageIonique::eventFilter(QObject* objet, QEvent* evenement)
{
    // Qt delivers the second press of a quick double click as a double
    // click: every press counts.
    if (evenement->type() == QEvent::MouseButtonPress || evenement->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 4; ++i) {
            const ImageIon ion = static_cast<ImageIon>(i);
            if (objet == image(ion)) {
                const Qt::MouseButton b = static_cast<QMouseEvent*>(evenement)->button();
                faire([&] { modele_.clic_image(ion, b); });
                return true;
            }
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

} // namespace quillon
