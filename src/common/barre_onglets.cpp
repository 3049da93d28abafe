#include "barre_onglets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

namespace quillon {

BarreOnglets::BarreOnglets(QWidget* parent) : QTabBar(parent)
{
    setExpanding(false);
    setDrawBase(true);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
}

QSize BarreOnglets::tabSizeHint(int index) const
{
    QSize s = QTabBar::tabSizeHint(index);
    const QWidget* parent = parentWidget();
    const int largeur = parent ? parent->width() : width();
    const int par_ligne = std::max(1, std::min(ongletsParLigne, std::max(1, count())));
    s.setWidth(std::max(s.width() / 2, (largeur - 4) / par_ligne));
    return s;
}

QSize BarreOnglets::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void BarreOnglets::mouseReleaseEvent(QMouseEvent* e)
{
    QTabBar::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton) {
        const int index = tabAt(e->position().toPoint());
        if (index >= 0)
            emit clicOnglet(currentIndex());
    }
}

void BarreOnglets::signalerChangement(int avant)
{
    if (currentIndex() != avant)
        emit clicOnglet(currentIndex());
}

void BarreOnglets::keyPressEvent(QKeyEvent* e)
{
    const int avant = currentIndex();
    QTabBar::keyPressEvent(e);
    signalerChangement(avant);
}

#if QT_CONFIG(wheelevent)
void BarreOnglets::wheelEvent(QWheelEvent* e)
{
    const int avant = currentIndex();
    QTabBar::wheelEvent(e);
    signalerChangement(avant);
}
#endif

} // namespace quillon
