#include "papier.h"

#include "common/langue.h"

#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QWidget>

namespace quillon {

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

QString virgule_decimale(QString texte)
{
    static const QRegularExpression point(QStringLiteral("(\\d)\\.(\\d)"));
    const QString decimale = locale_de_langue(langue_en_cours()).decimalPoint();
    return decimale == QLatin1String(".") ? texte : texte.replace(point, QStringLiteral("\\1") + decimale + QStringLiteral("\\2"));
}

QImage dessiner_pour_papier(const VuePapier& vue)
{
    QImage image(vue.zone.size() * pixels_papier, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixels_papier);
    image.fill(vue.parent->palette().color(vue.parent->backgroundRole()));
    QPainter p(&image);
    p.translate(-vue.zone.topLeft());
    for (const VuePapier::Element& e : vue.elements) {
        if (!e.image.isNull()) {
            p.drawImage(e.place, e.image);
            continue;
        }
        // The labels of the widget and over it (the cursors' readings) with
        // a decimal comma for the time of the drawing, as they stand.
        QList<QLabel*> etiquettes = e.widget->findChildren<QLabel*>();
        if (auto* l = qobject_cast<QLabel*>(e.widget))
            etiquettes << l;
        std::vector<std::pair<QLabel*, QString>> textes;
        for (QLabel* l : etiquettes)
            if (const QString f = virgule_decimale(l->text()); f != l->text()) {
                textes.emplace_back(l, l->text());
                l->setText(f);
            }
        e.widget->render(&p, e.place, QRegion(), QWidget::DrawChildren); // a background only where it fills one
        for (const auto& [l, t] : textes)
            l->setText(t);
    }
    return image;
}

} // namespace quillon
