#include "page_accueil.h"

#include "common/aleatoire.h"
#include "common/etiquette.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace quillon {

namespace {

const char* const prefixe_cible = "quillon";
const char* const propriete_numero = "tag";

} // namespace

PageAccueil::PageAccueil(QWidget* page, Etiquette* lab_result, QPushButton* correction, QPushButton* enlever,
                         QObject* parent)
    : QObject(parent), page_(page), lab_result_(lab_result), correction_(correction), enlever_(enlever)
{
    connect(correction, &QPushButton::clicked, this, &PageAccueil::btn_correctionClick);
    connect(enlever, &QPushButton::clicked, this, &PageAccueil::btn_enlever_legendesClick);
    page->installEventFilter(this); // clicks on the page beside the legends
}

void PageAccueil::laisser()
{
    if (exercice_.legende_portee() != 0) {
        exercice_.laisser();
        montrer_tout();
    }
}

std::vector<QWidget*> PageAccueil::cibles() const
{
    std::vector<QWidget*> resultat;
    for (QObject* enfant : page_->children()) {
        auto* label = qobject_cast<QLabel*>(enfant);
        if (label != nullptr && label->objectName().startsWith(QLatin1String(prefixe_cible)))
            resultat.push_back(label);
    }
    return resultat;
}

void PageAccueil::construire_legendes()
{
    std::vector<Cible> places;
    const std::vector<QWidget*> etiquettes = cibles();
    for (QWidget* w : etiquettes) {
        auto* label = static_cast<QLabel*>(w);
        places.push_back(Cible{Rect{label->x(), label->y(), label->width(), label->height()}, label->text()});
    }
    exercice_.construire(places);

    QFont police = page_->font();
    police.setPixelSize(16); // 12 points
    int k = 0;
    for (QWidget* w : etiquettes) {
        ++k;
        auto* cible = static_cast<QLabel*>(w);
        const Legende& l = exercice_.legende(k);
        auto* etiquette = new Etiquette(page_);
        etiquette->setFont(police);
        etiquette->setText(l.texte);
        etiquette->setWordWrap(true);
        etiquette->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        etiquette->setCursor(Qt::PointingHandCursor);
        etiquette->setTransparent(false);
        etiquette->setCouleurTexte(Qt::black);
        etiquette->setProperty(propriete_numero, k);
        etiquette->setFocusPolicy(Qt::TabFocus);
        etiquette->resize(l.rect.width, l.rect.height);
        etiquette->installEventFilter(this);
        etiquette->show();
        legendes_.push_back(etiquette);
        montrer(k);

        cible->setText(QStringLiteral("*****"));
        cible->setProperty(propriete_numero, k);
        cible->setAccessibleName(QCoreApplication::translate("PageAccueil", "Place à légender"));
    }
    ordonner_tabulation();
}

void PageAccueil::ordonner_tabulation()
{
    // The legends in the pile's reading order, then the two buttons.
    QWidget* avant = nullptr;
    for (int k : exercice_.ordre_lecture()) {
        if (avant != nullptr)
            QWidget::setTabOrder(avant, legendes_.at(k - 1));
        avant = legendes_.at(k - 1);
    }
    if (avant != nullptr)
        QWidget::setTabOrder(avant, correction_);
    QWidget::setTabOrder(correction_, enlever_);
}

void PageAccueil::melanger_legendes(Aleatoire& hasard)
{
    exercice_.melanger(hasard);
}

void PageAccueil::affichage_legendes()
{
    exercice_.affichage_legendes();
    montrer_tout();
    ordonner_tabulation();
}

void PageAccueil::btn_correctionClick()
{
    lab_result_->setText(exercice_.btn_correctionClick());
    montrer_tout();
}

void PageAccueil::btn_enlever_legendesClick()
{
    exercice_.btn_enlever_legendesClick();
    montrer_tout();
}

void PageAccueil::montrer(int k)
{
    const Legende& l = exercice_.legende(k);
    Etiquette* e = legendes_.at(k - 1);
    e->setGeometry(l.rect.left, l.rect.top, l.rect.width, l.rect.height);
    if (e->couleur() != rgb(l.couleur))
        e->setCouleur(rgb(l.couleur));
    const QString v = verdict(l.couleur);
    if (e->accessibleDescription() != v)
        e->setAccessibleDescription(v);
}

void PageAccueil::montrer_tout()
{
    for (int k = 1; k <= exercice_.nb_legendes(); ++k)
        montrer(k);
    // A place's stars go while a legend lies on it.
    if (exercice_.nb_legendes() == 0)
        return;
    int t = 0;
    for (QWidget* w : cibles()) {
        auto* cible = static_cast<QLabel*>(w);
        const QString etoiles = exercice_.place_libre(++t, 0) ? QStringLiteral("*****") : QString();
        if (cible->text() != etoiles)
            cible->setText(etoiles);
    }
}

bool PageAccueil::eventFilter(QObject* objet, QEvent* evenement)
{
    // A click elsewhere on the page leaves the carried legend where it shows.
    if (objet == page_ && evenement->type() == QEvent::MouseButtonPress)
        laisser();
    const QVariant numero = objet->property(propriete_numero);
    auto* etiquette = qobject_cast<Etiquette*>(objet);
    if (etiquette == nullptr || !numero.isValid())
        return QObject::eventFilter(objet, evenement);
    const int k = numero.toInt();
    if (k < 1 || k > static_cast<int>(legendes_.size()) || legendes_[k - 1] != etiquette)
        return QObject::eventFilter(objet, evenement);

    switch (evenement->type()) {
    case QEvent::MouseButtonPress: {
        const QPoint p = static_cast<QMouseEvent*>(evenement)->position().toPoint();
        etiquette->raise();
        const int portee = exercice_.legende_portee();
        exercice_.labelMouseDown(k, p.x(), p.y());
        if (portee != 0)
            montrer_tout();
        return true;
    }
    case QEvent::KeyPress:
        return touche(k, static_cast<QKeyEvent*>(evenement));
    case QEvent::FocusOut: {
        // A click elsewhere leaves the carried legend where it shows (Tab has
        // put it back already); the window losing the focus or the menus do not.
        const Qt::FocusReason raison = static_cast<QFocusEvent*>(evenement)->reason();
        if (exercice_.legende_portee() == k && raison != Qt::ActiveWindowFocusReason
            && raison != Qt::PopupFocusReason && raison != Qt::MenuBarFocusReason)
            laisser();
        return QObject::eventFilter(objet, evenement);
    }
    case QEvent::MouseMove: {
        const QPoint p = static_cast<QMouseEvent*>(evenement)->position().toPoint();
        if (exercice_.labelMouseMove(k, p.x(), p.y()))
            montrer(k);
        return true;
    }
    case QEvent::MouseButtonRelease:
        exercice_.labelMouseup(k);
        montrer_tout();
        return true;
    default:
        return QObject::eventFilter(objet, evenement);
    }
}

bool PageAccueil::touche(int k, QKeyEvent* e)
{
    const bool portee = exercice_.legende_portee() == k;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: // the keypad's
        if (!portee || e->isAutoRepeat())
            return portee;
        exercice_.poser();
        montrer_tout();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Leaving it with Tab puts it back; Tab then goes on.
        if (portee) {
            exercice_.reposer();
            montrer(k);
        }
        return false;
    case Qt::Key_Space:
        if (e->isAutoRepeat())
            return true;
        if (portee) {
            exercice_.poser();
            montrer_tout();
        } else {
            const int autre = exercice_.legende_portee();
            exercice_.prendre(k);
            if (autre != 0)
                montrer(autre);
            legendes_.at(k - 1)->raise();
        }
        montrer(k);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (!portee)
            return false;
        if (exercice_.porter(e->key() == Qt::Key_Right || e->key() == Qt::Key_Down ? +1 : -1))
            montrer(k);
        return true;
    case Qt::Key_Escape:
        if (!portee)
            return false;
        exercice_.reposer();
        montrer(k);
        return true;
    default:
        return false;
    }
}

} // namespace quillon
