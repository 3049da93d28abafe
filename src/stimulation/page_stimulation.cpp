#include "page_stimulation.h"

#include "ui_page_stimulation.h"

#include "common/calque_curseurs.h"
#include "common/chemins.h"
#include "common/focus.h"
#include "common/lecture_image.h"
#include "common/forme.h"
#include "common/nombres.h"
#include "common/polices.h"
#include "stimulation/ess0.h"
#include "stimulation/graduations.h"
#include "stimulation/questions.h"
#include "stimulation/valeurs_stimulation.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

namespace quillon {

namespace {

QImage blanc(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

PageStimulation::PageStimulation(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::PageStimulation>()), save_ima_blanc_(blanc(420, 220))
{
    ui_->setupUi(this);
    polices_en_pixels(this);
    move(0, 0);
    modele_ = SimulationNerf(ui_->Panel2->x());
    gauche_lab_a_ = ui_->Lab_a->x();
    gauche_lab_b_ = ui_->Lab_b->x();
    // "Nerf" and "Fibre" share their box: the first widens where its caption
    // needs more than the design's width (in some languages), the second
    // keeps its right edge beside it.
    {
        QRadioButton* nerf = ui_->Radio_nerf_nerf;
        QRadioButton* fibre = ui_->Radio_nerf_fibre;
        const int besoin = nerf->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, nerf)
                           + nerf->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, nerf)
                           + std::max(nerf->fontMetrics().horizontalAdvance(nerf->text()),
                                      nerf->fontMetrics().tightBoundingRect(nerf->text()).width());
        if (besoin > nerf->width()) {
            const int droite = fibre->geometry().right();
            nerf->resize(besoin, nerf->height());
            fibre->setGeometry(nerf->x() + besoin, fibre->y(), droite + 1 - (nerf->x() + besoin), fibre->height());
        }
    }

    ui_->ima_nerf->setImage(save_ima_blanc_);
    ui_->Ima_st->setImage(save_ima_blanc_);
    ui_->Ima_grad->setImage(blanc(402, 19));
    ui_->Ima_grad2->setImage(blanc(402, 19));
    affich_grad();
    ui_->pref_rel->addItems(temps_refractaires());
    ui_->pref_abs->addItems(temps_refractaires());
    for (QComboBox* c : {ui_->pref_rel, ui_->pref_abs, ui_->combo_electrode})
        c->setCurrentIndex(-1);
    // The radio group hides the end of the ruler it stands on.
    ui_->Radio_nerf->setAutoFillBackground(true);
    ui_->Memo5->document()->setDocumentMargin(1);
    ui_->BitBtn8->setIcon(QPixmap::fromImage(lire_image_affichee(QStringLiteral(":/art/refractaire.png"))));
    ui_->BitBtn9->setIcon(QPixmap::fromImage(lire_image_affichee(QStringLiteral(":/art/recrutement.png"))));
    for (QPushButton* b : {ui_->BitBtn8, ui_->BitBtn9})
        b->setIconSize(QSize(59, 30));
    for (QLineEdit* e : {ui_->fib_lpr, ui_->fib_cpr, ui_->vit_influx, ui_->Edit_seuil})
        e->setTextMargins(0, -2, 0, -2);

    for (int i = 0; i < 4; ++i)
        electrode(static_cast<Electrode>(i))->installEventFilter(this);
    ui_->Shape_nerf->installEventFilter(this);
    montrer_focus(ui_->Scroll_i_stim);
    montrer_focus(ui_->Scroll_temps);
    ui_->Scroll_temps->installEventFilter(this);
    // Tab leaves the instructions rather than writing into them.
    ui_->Memo5->setTabChangesFocus(true);

    // Sample j's dot spans columns 5 j to 5 j + 6.
    curseurs_ = new CalqueCurseurs(ui_->Ima_st, ReponseStimulation::pixels_par_echantillon, 3,
                                   [this](const CurseursMesure& c) {
                                       const std::optional<ReglagesStimulation>& t = modele_.trace();
                                       return t ? lectures_ecran(c, *t, modele_.reponse()) : LecturesCurseurs{};
                                   });

    connect(ui_->Scroll_i_stim, &QScrollBar::valueChanged, this, &PageStimulation::Scroll_i_stimChange);
    connect(ui_->Scroll_temps, &QScrollBar::valueChanged, this, &PageStimulation::Scroll_tempsChange);
    connect(ui_->CheckBox1, &QCheckBox::toggled, this, [this](bool coche) {
        if (coche != modele_.deux_stim())
            CheckBox1Click();
    });
    connect(ui_->Radio_nerf_fibre, &QRadioButton::toggled, this, &PageStimulation::Radio_nerfClick);
    connect(ui_->BitBtn22, &QPushButton::clicked, this, &PageStimulation::BitBtn22Click);
    connect(ui_->BitBtn19, &QPushButton::clicked, this, &PageStimulation::BitBtn19Click);
    connect(ui_->BitBtn21, &QPushButton::clicked, this, &PageStimulation::ess0_demande);
    connect(ui_->BitBtn8, &QPushButton::clicked, this, &PageStimulation::figure_refractaire_demandee);
    connect(ui_->BitBtn9, &QPushButton::clicked, this, &PageStimulation::figure_recrutement_demandee);
    relier_reponses();
    // Tab reaches the screen where it reads, below the stimulator (it takes
    // the focus for its menu).
    ui_->Ima_st->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(ui_->Scroll_temps, ui_->Ima_st);
    actualiser();
}

void PageStimulation::relier_reponses()
{
    // The answers as typed reach the model at each change.
    QStringList items;
    for (int i = 0; i < ui_->combo_electrode->count(); ++i)
        items << ui_->combo_electrode->itemText(i);
    modele_.definir_items_electrode(items);
    const std::array<QWidget*, 7> champs = {ui_->pref_rel, ui_->pref_abs, ui_->fib_lpr, ui_->fib_cpr,
                                            ui_->vit_influx, ui_->combo_electrode, ui_->Edit_seuil};
    for (std::size_t i = 0; i < champs.size(); ++i) {
        const auto noter = [this, i](const QString& texte) { faire([&] { modele_.changer_reponse(i, texte); }); };
        if (auto* c = qobject_cast<QComboBox*>(champs[i])) {
            connect(c, &QComboBox::currentTextChanged, this, noter);
            connect(c, &QComboBox::editTextChanged, this, noter);
            noter(c->currentText());
        } else if (auto* e = qobject_cast<QLineEdit*>(champs[i])) {
            connect(e, &QLineEdit::textChanged, this, noter);
            noter(e->text());
        }
    }
}

template <typename F>
void PageStimulation::faire(F&& action)
{
    action();
    actualiser();
}

void PageStimulation::actualiser()
{
    for (int i = 0; i < 4; ++i) {
        const Electrode e = static_cast<Electrode>(i);
        electrode(e)->move(modele_.left(e), electrode(e)->y());
        realigner(e);
    }
    const bool echangees = modele_.extremites_echangees();
    ui_->Lab_a->move(echangees ? gauche_lab_b_ : gauche_lab_a_, ui_->Lab_a->y());
    ui_->Lab_b->move(echangees ? gauche_lab_a_ : gauche_lab_b_, ui_->Lab_b->y());
    // Before the first change the design's caption stays.
    if (const QString& v = modele_.texte_intensite(); !v.isEmpty() && ui_->Lab_stim->text() != v) {
        ui_->Lab_stim->setText(v);
        ui_->Lab_stim->adjustSize();
    }
    {
        const QSignalBlocker b1(ui_->Scroll_i_stim), b2(ui_->Scroll_temps), b3(ui_->CheckBox1),
            b4(ui_->Radio_nerf_nerf), b5(ui_->Radio_nerf_fibre);
        ui_->Scroll_i_stim->setValue(modele_.position_i_stim());
        ui_->Scroll_temps->setValue(modele_.pos());
        ui_->CheckBox1->setChecked(modele_.deux_stim());
        (modele_.fibre() ? ui_->Radio_nerf_fibre : ui_->Radio_nerf_nerf)->setChecked(true);
    }
    montrer_ecran();
    // A circle shows the verdict of its answer as it was corrected; an
    // answer changed since goes back to the uncorrected look.
    const std::array<Forme*, 7> marques = cercles();
    for (std::size_t i = 0; i < marques.size(); ++i) {
        QColor couleur(255, 255, 255);
        QString description;
        switch (modele_.etat(i)) {
        case EtatReponse::juste:
            couleur = QColor(0, 255, 0);
            description = QCoreApplication::translate("PageStimulation", "Résultat : juste");
            break;
        case EtatReponse::fausse:
            couleur = QColor(255, 0, 0);
            description = QCoreApplication::translate("PageStimulation", "Résultat : faux");
            break;
        case EtatReponse::modifiee:
            description = QCoreApplication::translate("PageStimulation", "Réponse modifiée après la correction : non corrigée");
            break;
        case EtatReponse::non_corrigee:
            description = QCoreApplication::translate("PageStimulation", "Résultat : non corrigé");
            break;
        }
        if (marques[i]->pinceau() != couleur)
            marques[i]->setPinceau(couleur);
        if (marques[i]->accessibleDescription() != description)
            marques[i]->setAccessibleDescription(description);
    }
}

void PageStimulation::montrer_ecran()
{
    // The first stimulation's mark stands at time 0 while a recording shows.
    const std::optional<ReglagesStimulation>& trace = modele_.trace();
    ui_->prem_artef->move(10, ui_->prem_artef->y());
    ui_->prem_artef->setVisible(trace.has_value());
    if (trace)
        ui_->deux_artef->move(modele_.reponse().deux_artef_left, ui_->deux_artef->y());
    ui_->deux_artef->setVisible(modele_.marque_seconde_visible());
    if (version_montree_ == modele_.version_ecran())
        return;
    version_montree_ = modele_.version_ecran();
    if (trace) {
        QImage& ecran = ui_->Ima_st->image_a_modifier();
        ecran = save_ima_blanc_.copy();
        modele_.reponse().dessiner(ecran);
        ui_->Ima_st->update();
    } else {
        ui_->Ima_st->setImage(save_ima_blanc_);
    }
    curseurs_->bornes(1, trace ? dernier_echantillon() : 0);
}

PageStimulation::~PageStimulation() = default;

Forme* PageStimulation::electrode(Electrode e) const
{
    switch (e) {
    case Electrode::anode: return ui_->Shape_anode;
    case Electrode::cathode: return ui_->Shape_cathode;
    case Electrode::enr1: return ui_->Shape_enr1;
    case Electrode::enr2: return ui_->Shape_enr2;
    }
    return nullptr;
}

std::array<Forme*, 7> PageStimulation::cercles() const
{
    return {ui_->refr_rel, ui_->refr_abs, ui_->freq_long, ui_->freq_court,
            ui_->vit_inf,  ui_->elec_stim, ui_->res_seuil};
}

void PageStimulation::affich_grad()
{
    // Once, as the page is built: nothing draws them again.
    quillon::affich_grad(ui_->Ima_grad->image_a_modifier(), ui_->Ima_grad2->image_a_modifier());
    ui_->Ima_grad->update();
    ui_->Ima_grad2->update();
}

void PageStimulation::lec_fic_ess0(const QString& dossier_prog)
{
    quillon::lec_fic_ess0(chemin_fichier(dossier_prog, QStringLiteral("\\ess0.nst")), modele_.pot_ess0());
}

void PageStimulation::BitBtn22Click()
{
    faire([this] { modele_.recalculer(); });
}

int PageStimulation::dernier_echantillon() const
{
    // The last sample drawn on the screen: sample 80's column is past its edge.
    return std::min<int>(ReponseStimulation::affiches,
                         dernier_visible(ui_->Ima_st->width(), ReponseStimulation::pixels_par_echantillon, 3));
}

void PageStimulation::activer_curseurs(bool actifs)
{
    curseurs_->activer(actifs);
    curseurs_->bornes(1, modele_.trace() ? dernier_echantillon() : 0);
}

QByteArray PageStimulation::valeurs() const
{
    const std::optional<ReglagesStimulation>& trace = modele_.trace();
    return trace ? valeurs_stimulation(*trace, modele_.reponse()) : QByteArray();
}

void PageStimulation::Scroll_i_stimChange(int position)
{
    faire([&] { modele_.regler_intensite(position); });
}

void PageStimulation::CheckBox1Click()
{
    faire([this] { modele_.basculer_seconde(); });
}

void PageStimulation::Scroll_tempsChange(int position)
{
    faire([&] { modele_.regler_intervalle(position); });
}

void PageStimulation::Radio_nerfClick(bool fibre)
{
    if (fibre != modele_.fibre())
        faire([&] { modele_.choisir_fibre(fibre); });
}

void PageStimulation::Shape_nerfMouseDown()
{
    faire([this] { modele_.echanger_extremites(); });
}

void PageStimulation::realigner(Electrode e)
{
    QWidget* fil = nullptr;
    QWidget* signe = nullptr;
    switch (e) {
    case Electrode::anode: fil = ui_->Shape_anode2; signe = ui_->anode; break;
    case Electrode::cathode: fil = ui_->Shape_cathode2; signe = ui_->cathode; break;
    case Electrode::enr1: fil = ui_->Shape_enr12; break;
    case Electrode::enr2: fil = ui_->shape_enr22; break;
    }
    const int left = modele_.left(e);
    const int droite = ui_->ima_nerf->x() + ui_->ima_nerf->width();
    fil->setGeometry(left, fil->y(), largeur_fil(e, left, droite), fil->height());
    if (signe != nullptr)
        signe->move(left - 2, signe->y());
}

void PageStimulation::BitBtn19Click()
{
    faire([this] { modele_.corriger(); });
}

std::vector<QuestionRemplie> PageStimulation::feuille() const
{
    const QLabel* questions[] = {ui_->Label5, ui_->Label6, ui_->Label7, ui_->Label8,
                                 ui_->Label23, ui_->Label27, ui_->Label28};
    const QLabel* unites[] = {ui_->Label17, ui_->Label18, ui_->Label19, ui_->Label20,
                              ui_->Label24, nullptr, ui_->Label29};
    const CorrectionFeuille::Textes& textes = modele_.textes_reponses();
    std::vector<QuestionRemplie> f;
    for (std::size_t i = 0; i < textes.size(); ++i)
        f.push_back({questions[i]->text().simplified(), textes[i].trimmed(),
                     unites[i] != nullptr ? unites[i]->text().trimmed() : QString(), modele_.etat(i)});
    return f;
}

bool PageStimulation::touche_electrode(Electrode e, QEvent* evenement)
{
    const auto* t = static_cast<QKeyEvent*>(evenement);
    if (t->key() != Qt::Key_Left && t->key() != Qt::Key_Right)
        return false;
    if (evenement->type() == QEvent::KeyPress) {
        // One pixel, ten with Shift: the mouse moved that far from where it was pressed.
        const int pas = (t->modifiers() & Qt::ShiftModifier) ? 10 : 1;
        faire([&] { modele_.pousser(e, t->key() == Qt::Key_Left ? -pas : pas); });
    } else if (!t->isAutoRepeat()) {
        // The key let go, as the mouse button: the recording follows.
        BitBtn22Click();
    }
    return true;
}

bool PageStimulation::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == ui_->Shape_nerf && evenement->type() == QEvent::MouseButtonPress) {
        Shape_nerfMouseDown();
        return true;
    }
    if (objet == ui_->Scroll_temps && evenement->type() == QEvent::KeyPress) {
        // Left and Right as the bar's left and right arrows (a scroll bar's
        // own keys run the other way when it stands horizontal).
        const auto* t = static_cast<QKeyEvent*>(evenement);
        if (t->key() != Qt::Key_Left && t->key() != Qt::Key_Right)
            return false;
        ui_->Scroll_temps->triggerAction(t->key() == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                                   : QAbstractSlider::SliderSingleStepAdd);
        return true;
    }
    if (objet == ui_->Shape_nerf && evenement->type() == QEvent::KeyPress) {
        // Space on the focused nerve, as a click on it.
        const auto* t = static_cast<QKeyEvent*>(evenement);
        if (t->key() == Qt::Key_Space && !t->isAutoRepeat()) {
            Shape_nerfMouseDown();
            return true;
        }
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        const Electrode e = static_cast<Electrode>(i);
        if (objet != electrode(e))
            continue;
        switch (evenement->type()) {
        case QEvent::MouseButtonPress:
            modele_.saisir(static_cast<QMouseEvent*>(evenement)->position().toPoint().x());
            return true;
        case QEvent::MouseMove: {
            // The pressed electrode keeps the mouse until the release.
            const int x = static_cast<QMouseEvent*>(evenement)->position().toPoint().x();
            if (modele_.glisse())
                faire([&] { modele_.glisser(e, x); });
            return true;
        }
        case QEvent::MouseButtonRelease:
            faire([this] { modele_.lacher(); });
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return touche_electrode(e, evenement);
        default:
            return false;
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

namespace {

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

} // namespace

QImage PageStimulation::image_ecran_papier() const
{
    Ui::PageStimulation& u = *ui_;
    VuePapier vue{u.Ima_st->parentWidget(), {}, montres(u.Ima_st->parentWidget(), {u.Ima_st, u.prem_artef,
                                                                                  u.deux_artef})};
    // The ruler whole, its unit after its end rather than over its last label.
    const QImage temps = regles_entieres().first;
    vue.elements.push_back({u.Ima_grad, u.Ima_grad->pos(), temps});
    vue.elements.push_back({u.Label21, u.Ima_grad->pos() + QPoint(temps.width() + 3, 5), {}});
    vue.zone = etendue(vue.elements, 4);
    return dessiner_pour_papier(vue);
}

QImage PageStimulation::image_nerf_papier() const
{
    Ui::PageStimulation& u = *ui_;
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

ImageExportee PageStimulation::image_exportee() const
{
    return {QT_TRANSLATE_NOOP("NomsProposes", "stimulation"), {ui_->Ima_st}, {ui_->Ima_st, ui_->Ima_grad}, [this] { return valeurs(); }};
}

std::vector<QWidget*> PageStimulation::boites_a_colorer() const
{
    return {ui_->GroupBox7, ui_->GroupBox11};
}

} // namespace quillon
