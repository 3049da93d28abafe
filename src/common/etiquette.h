#pragma once
// A label with an opaque or transparent background, as the window designs use it.
#include <QColor>
#include <QLabel>

namespace quillon {

class Etiquette : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QColor couleur READ couleur WRITE setCouleur)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(QColor couleurTexte READ couleurTexte WRITE setCouleurTexte)
public:
    explicit Etiquette(QWidget* parent = nullptr);
    QColor couleur() const { return couleur_; }
    void setCouleur(const QColor& c);
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);
    QColor couleurTexte() const;
    void setCouleurTexte(const QColor& c);

protected:
    // A label that takes the keyboard focus shows it with a dotted frame.
    void paintEvent(QPaintEvent* e) override;

private:
    void appliquer();
    QColor couleur_ = QColor(240, 240, 240);
    bool transparent_ = true;
};

} // namespace quillon
