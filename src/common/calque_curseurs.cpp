#include "calque_curseurs.h"

#include "common/image_controle.h"
#include "common/polices.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace quillon {

namespace {

// Magenta: apart from the navy trace, the red and blue permeabilities and
// the green step marker.
const QColor couleur_curseur(192, 0, 192);

} // namespace

CalqueCurseurs::CalqueCurseurs(ImageControle* image, int pas, int centre, Lecture lire)
    : QWidget(image), image_(image), pas_(pas), centre_(centre), lire_(std::move(lire))
{
    setObjectName(image->objectName() + QStringLiteral("_curseurs"));
    setAccessibleName(QCoreApplication::translate("CalqueCurseurs", "Curseurs de mesure"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(image->rect());
    QFont police(QStringLiteral("Tahoma"));
    police.setPixelSize(pixels_de_points(7.5));
    for (std::size_t i = 0; i < etiquettes_.size(); ++i) {
        auto* e = new QLabel(this);
        e->setObjectName(QStringLiteral("curseur_lecture%1").arg(i + 1));
        e->setFont(police);
        e->setAutoFillBackground(true);
        e->setAttribute(Qt::WA_TransparentForMouseEvents);
        e->setStyleSheet(QStringLiteral("QLabel { background: white; color: black; border: 1px solid rgb(192, 0, 192);"
                                        " padding: 0px 2px; }"));
        e->hide();
        etiquettes_[i] = e;
    }
    description_ = base_ = image->accessibleDescription();
    hide();
    image->installEventFilter(this);
}

void CalqueCurseurs::activer(bool actif)
{
    actif_ = actif;
    curseurs_.effacer();
    setVisible(actif);
    afficher();
}

void CalqueCurseurs::bornes(int premier, int dernier)
{
    curseurs_.bornes(premier, dernier);
    afficher();
}

bool CalqueCurseurs::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != image_ || !actif_)
        return QWidget::eventFilter(objet, evenement);
    switch (evenement->type()) {
    case QEvent::Resize:
        setGeometry(image_->rect());
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* m = static_cast<QMouseEvent*>(evenement);
        if (m->button() != Qt::LeftButton)
            return false;
        image_->setFocus(Qt::MouseFocusReason);
        curseurs_.cliquer(echantillon_proche(m->position().toPoint().x(), pas_, centre_));
        afficher();
        return true;
    }
    case QEvent::KeyPress:
        return touche(evenement);
    default:
        return false;
    }
}

bool CalqueCurseurs::touche(QEvent* evenement)
{
    const auto* t = static_cast<QKeyEvent*>(evenement);
    const int pas = (t->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    switch (t->key()) {
    case Qt::Key_Left: curseurs_.deplacer(-pas); break;
    case Qt::Key_Right: curseurs_.deplacer(pas); break;
    case Qt::Key_Space:
        if (t->isAutoRepeat())
            return true;
        curseurs_.fixer();
        break;
    case Qt::Key_Escape:
        if (curseurs_.nombre() == 0)
            return false;
        curseurs_.effacer();
        break;
    default: return false;
    }
    afficher();
    return true;
}

void CalqueCurseurs::afficher()
{
    const LecturesCurseurs l = actif_ ? lire_(curseurs_) : LecturesCurseurs{};
    const int n = actif_ ? curseurs_.nombre() : 0;
    const int marge = 3;
    int haut = 2;
    for (int i = 0; i < 3; ++i) {
        QLabel* e = etiquettes_[static_cast<std::size_t>(i)];
        const QString texte = i < 2 ? l.curseurs[static_cast<std::size_t>(i)] : l.difference;
        const bool montre = i < 2 ? i < n : n == 2;
        e->setVisible(montre);
        if (!montre)
            continue;
        e->setText(texte);
        e->setAccessibleName(i < 2 ? QCoreApplication::translate("CalqueCurseurs", "Curseur %1 : %2").arg(i + 1).arg(texte) : texte);
        e->adjustSize();
        // Beside its cursor, on the side with room; the difference between the two.
        const int x = i < 2 ? colonne(curseurs_.position(i))
                            : (colonne(curseurs_.position(0)) + colonne(curseurs_.position(1)) - e->width()) / 2;
        int gauche = i < 2 ? x + marge : x;
        if (i < 2 && gauche + e->width() > width())
            gauche = x - marge - e->width();
        e->move(std::clamp(gauche, 0, std::max(0, width() - e->width())), haut);
        haut += e->height() + 2;
    }
    // The screen reader hears the readings as the picture's description.
    QStringList dit;
    if (!base_.isEmpty())
        dit << base_;
    for (int i = 0; i < n; ++i)
        dit << etiquettes_[static_cast<std::size_t>(i)]->accessibleName();
    if (n == 2)
        dit << l.difference;
    // One sentence each: "u.a." ends its own.
    for (QString& phrase : dit)
        if (!phrase.endsWith(QLatin1Char('.')))
            phrase += QLatin1Char('.');
    const QString description = dit.join(QLatin1Char(' '));
    if (description != description_) {
        description_ = description;
        image_->setAccessibleDescription(description);
    }
    update();
}

void CalqueCurseurs::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(couleur_curseur, 1));
    for (int i = 0; i < curseurs_.nombre(); ++i) {
        const int x = colonne(curseurs_.position(i));
        p.drawLine(x, 0, x, height() - 1);
    }
}

} // namespace quillon
