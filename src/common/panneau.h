#pragma once
// A bevelled panel painted with its own colour.
#include <QColor>
#include <QFrame>

namespace quillon {

class Panneau : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QColor couleur READ couleur WRITE setCouleur)
public:
    explicit Panneau(QWidget* parent = nullptr);
    QColor couleur() const { return couleur_; }
    void setCouleur(const QColor& c);

private:
    QColor couleur_ = QColor(240, 240, 240);
};

} // namespace quillon
