#include "focus.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace quillon {

QColor couleur_contrastee(const QColor& fond)
{
    // Relative luminance after ITU-R BT.709, on 0..255.
    const double luminance = 0.2126 * fond.red() + 0.7152 * fond.green() + 0.0722 * fond.blue();
    return luminance >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

void cadre_focus(QPainter& p, int x1, int y1, int x2, int y2, const QColor& couleur)
{
    if (x2 - x1 < 3 || y2 - y1 < 3)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(couleur, 1, Qt::CustomDashLine);
    pen.setDashPattern({1, 1});
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // A stroked rectangle reaches one pixel past its width: x1 + 1 to x2 - 2.
    p.drawRect(QRect(x1 + 1, y1 + 1, x2 - x1 - 3, y2 - y1 - 3));
    p.restore();
}

namespace {

// Paints the control first, then its focus frame over it.
class IndicateurFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        auto* w = qobject_cast<QWidget*>(objet);
        if (w == nullptr || evenement->type() != QEvent::Paint || !w->hasFocus())
            return QObject::eventFilter(objet, evenement);
        // The control's own painting, as without this filter.
        static_cast<QObject*>(w)->event(evenement);
        QPainter p(w);
        cadre_focus(p, 0, 0, w->width(), w->height(), couleur_contrastee(w->palette().color(QPalette::Button)));
        return true;
    }
};

} // namespace

void montrer_focus(QWidget* controle)
{
    static IndicateurFocus* indicateur = new IndicateurFocus(QCoreApplication::instance());
    controle->installEventFilter(indicateur);
}

} // namespace quillon
