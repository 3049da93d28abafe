#pragma once
// A button whose picture stands a fixed margin from its left edge, with the
// caption a fixed spacing after it, rather than both centred as Qt lays out
// a push button's icon and text.
#include <QPushButton>

namespace quillon {

class BoutonImage : public QPushButton {
    Q_OBJECT
    // Pixels from the left edge to the picture, and from the picture to the caption.
    Q_PROPERTY(int marge READ marge WRITE definir_marge)
    Q_PROPERTY(int espacement READ espacement WRITE definir_espacement)
public:
    using QPushButton::QPushButton;

    int marge() const { return marge_; }
    void definir_marge(int m) { marge_ = m; update(); }
    int espacement() const { return espacement_; }
    void definir_espacement(int e) { espacement_ = e; update(); }

    // Where the picture and the caption's box are drawn.
    QRect rect_image() const;
    QRect rect_texte() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int marge_ = 4;
    int espacement_ = 4;
};

} // namespace quillon
