#include "etiquette.h"

#include "common/focus.h"

#include <QPainter>

namespace quillon {

Etiquette::Etiquette(QWidget* parent) : QLabel(parent)
{
    appliquer();
}

void Etiquette::setCouleur(const QColor& c)
{
    couleur_ = c;
    appliquer();
}

void Etiquette::setTransparent(bool t)
{
    transparent_ = t;
    appliquer();
}

QColor Etiquette::couleurTexte() const
{
    return palette().color(QPalette::WindowText);
}

void Etiquette::setCouleurTexte(const QColor& c)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    setPalette(p);
}

void Etiquette::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (hasFocus()) {
        QPainter p(this);
        const QColor fond = transparent_ ? palette().color(QPalette::Window) : couleur_;
        cadre_focus(p, 0, 0, width(), height(), couleur_contrastee(fond));
    }
}

void Etiquette::appliquer()
{
    setAutoFillBackground(!transparent_);
    if (!transparent_) {
        QPalette p = palette();
        p.setColor(QPalette::Window, couleur_);
        setPalette(p);
    }
    update();
}

} // namespace quillon
