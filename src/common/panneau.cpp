#include "panneau.h"

namespace quillon {

Panneau::Panneau(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    setCouleur(couleur_);
}

void Panneau::setCouleur(const QColor& c)
{
    couleur_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

} // namespace quillon
