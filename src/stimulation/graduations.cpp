#include "graduations.h"

#include "common/dessin.h"
#include "common/nombres.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace quillon {

namespace {

int au_plus_pres(double x)
{
    return static_cast<int>(arrondi(x));
}

void ecrire(QPainter& p, int x, int y, const QString& texte, int largeur)
{
    // Black on a white box, from its top-left corner; a label that the
    // picture's right edge would cut is left out rather than shown as a
    // lone digit.
    const QFontMetrics m(p.font());
    const QRect cadre(x, y, m.horizontalAdvance(texte), m.height());
    if (cadre.right() >= largeur)
        return;
    p.fillRect(cadre, Qt::white);
    p.setPen(Qt::black);
    p.drawText(cadre, Qt::AlignLeft | Qt::AlignTop, texte);
}

} // namespace

Graduation graduation_temps(int i, int h)
{
    return {au_plus_pres(1.5 * (i + 25) - 31), h + 4, au_plus_pres(1.5 * (i + 24) - 31), h + 7};
}

Graduation graduation_distance(int i, int h)
{
    return {au_plus_pres(1.5 * (i + 25) - 46), h + 4, au_plus_pres(1.5 * (i + 24) - 46), h + 8};
}

int x_etiquette(int i)
{
    return au_plus_pres(1.5 * (i + 15)) - 19;
}

void affich_grad(QImage& regle_temps, QImage& regle_distance)
{
    const int h = regle_temps.height() - 20;
    const int w = regle_temps.width();
    QPainter temps(&regle_temps);
    QPainter distance(&regle_distance);
    QFont police(QStringLiteral("Times New Roman"));
    police.setPixelSize(11); // 8 points at 96 pixels per inch
    temps.setFont(police);
    police.setPixelSize(9); // 7 points
    distance.setFont(police);
    for (int i = 0; i <= w; ++i) {
        if (i % 10 == 0) {
            const Graduation t = graduation_temps(i, h);
            dessin::rectangle(temps, t.x1, t.y1, t.x2, t.y2, QPen(Qt::black), QBrush(Qt::white));
            const Graduation d = graduation_distance(i, h);
            dessin::rectangle(distance, d.x1, d.y1, d.x2, d.y2, QPen(Qt::black), QBrush(Qt::white));
        }
        if (i % 20 == 0) {
            ecrire(temps, x_etiquette(i), h + 8, QString::number(i / 20), w);
            ecrire(distance, x_etiquette(i), h + 8, QString::number(i / 5), regle_distance.width());
        }
    }
}

} // namespace quillon
