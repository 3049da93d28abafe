#pragma once
// A shape drawn with a brush and a pen.
#include <QColor>
#include <QWidget>

namespace quillon {

// A shape that takes the keyboard focus shows it with a dotted outline
// inside its edge, in black or white against its fill.
class Forme : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Type type READ type WRITE setType)
    Q_PROPERTY(QColor pinceau READ pinceau WRITE setPinceau)
    Q_PROPERTY(QColor trait READ trait WRITE setTrait)
public:
    enum Type { Rectangle, Cercle, Ellipse };
    Q_ENUM(Type)
    explicit Forme(QWidget* parent = nullptr);
    Type type() const { return type_; }
    void setType(Type t);
    QColor pinceau() const { return pinceau_; }
    void setPinceau(const QColor& c);
    QColor trait() const { return trait_; }
    void setTrait(const QColor& c);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Type type_ = Rectangle;
    QColor pinceau_ = Qt::white;
    QColor trait_ = Qt::black;
};

} // namespace quillon
