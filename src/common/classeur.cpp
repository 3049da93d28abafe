#include "classeur.h"

#include <QFont>
#include <QKeyEvent>

namespace quillon {

Classeur::Classeur(QWidget* parent) : QTabWidget(parent), barre_(new BarreOnglets(this))
{
    // Tab captions in "MS Sans Serif" whatever the pages' font, set before the
    // first tab so that the bar is laid out once.
    QFont legendes(QStringLiteral("MS Sans Serif"));
    legendes.setPixelSize(11);
    barre_->setFont(legendes);
    setTabBar(barre_);
}

void Classeur::keyPressEvent(QKeyEvent* e)
{
    const int avant = currentIndex();
    QTabWidget::keyPressEvent(e);
    barre_->signalerChangement(avant);
}

bool Classeur::selectionnerParLegende(const QString& legende)
{
    for (int i = 0; i < count(); ++i) {
        if (tabText(i) == legende) {
            setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

} // namespace quillon
