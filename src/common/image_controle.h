#pragma once
// A picture control that holds a QImage and may stretch it.
#include <QImage>
#include <QString>
#include <QWidget>

namespace quillon {

class ImageControle : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)
public:
    explicit ImageControle(QWidget* parent = nullptr);
    QString source() const { return source_; }
    // Loads the picture from a file or a resource; an empty or unreadable one leaves it empty.
    void setSource(const QString& s);
    bool stretch() const { return stretch_; }
    void setStretch(bool s);
    const QImage& image() const { return image_; }
    void setImage(const QImage& image);
    // The picture itself, to draw on in place; call update() afterwards.
    QImage& image_a_modifier() { return image_; }
    // Loads a picture file to be shown as it is (lire_image_affichee);
    // false when it cannot be read.
    bool charger(const QString& chemin);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString source_;
    QImage image_;
    bool stretch_ = false;
};

} // namespace quillon
