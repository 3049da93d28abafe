#include "image_controle.h"

#include "common/lecture_image.h"

#include <QPainter>

namespace quillon {

ImageControle::ImageControle(QWidget* parent) : QWidget(parent) {}

void ImageControle::setSource(const QString& s)
{
    source_ = s;
    if (s.isEmpty())
        setImage(QImage());
    else
        charger(s);
}

void ImageControle::setStretch(bool s)
{
    stretch_ = s;
    update();
}

void ImageControle::setImage(const QImage& image)
{
    image_ = image;
    update();
}

bool ImageControle::charger(const QString& chemin)
{
    QImage image = lire_image_affichee(chemin);
    if (image.isNull())
        return false;
    setImage(image);
    return true;
}

void ImageControle::paintEvent(QPaintEvent*)
{
    if (image_.isNull())
        return;
    QPainter p(this);
    // Stretched, or enlarged on a denser screen: smoothly, not in blocks.
    // The picture's own pixels stay as the rules drew them.
    if (stretch_ || devicePixelRatioF() != image_.devicePixelRatio())
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (stretch_) {
        p.drawImage(rect(), image_);
    } else {
        p.drawImage(0, 0, image_);
    }
}

} // namespace quillon
