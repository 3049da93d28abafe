#pragma once
// Controls of the window's design that Qt has no twin for: a label with an
// opaque or transparent background, a picture that holds a QImage and may
// stretch it, a shape drawn with a brush and a pen, and the notebook whose
// tabs share one row evenly and report a click when the button is released.
// Each control's code is in a file of its own (etiquette.cpp,
// image_controle.cpp, forme.cpp, classeur.cpp); the helpers and the panel in
// controles.cpp.
#include "common/page.h"

#include <QColor>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <functional>

class QPainter;

namespace quillon {

// Black or white, whichever stands out better from the colour.
QColor couleur_contrastee(const QColor& fond);

// A dotted frame one pixel inside the rectangle (x1, y1)-(x2, y2), ends
// excluded: the keyboard focus as the controls below draw it.
void cadre_focus(QPainter& p, int x1, int y1, int x2, int y2, const QColor& couleur);

// Shows the keyboard focus of a control whose style draws none (a scroll
// bar): a dotted frame one pixel inside its edge while it has the focus.
void montrer_focus(QWidget* controle);

// A button glyph of two states side by side: the left half shows when the
// button is enabled, the right half when it is not.
QIcon icone_deux_etats(const QString& chemin);

// A picture read in the format its name ends with. Reading by the name spares
// the start-up from loading every image plugin to guess the format from the
// content; a file whose content is not of its named format gives a null image.
QImage lire_image(const QString& chemin);

// A picture only shown, never drawn on nor read by a rule: on a screen
// denser than 1 its twice-as-large drawing "name@2x.ext", when there is one,
// of device pixel ratio 2; otherwise lire_image's.
QImage lire_image_affichee(const QString& chemin);

// The program's icon at the sizes window managers show.
QIcon icone_programme();

// An icon made by `fabrique` the first time it is drawn or measured, and kept:
// its pictures are not read while the window is built, nor ever if it never
// shows. It is not null until made.
QIcon icone_differee(std::function<QIcon()> fabrique);

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

// A bevelled panel painted with its own colour.
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

class BarreOnglets : public QTabBar {
    Q_OBJECT
public:
    explicit BarreOnglets(QWidget* parent = nullptr);
    int ongletsParLigne = 6;
    // Reports the pupil's choice when the page is no longer `avant`.
    void signalerChangement(int avant);

signals:
    // The pupil chose a tab: the left button was released over a tab, after
    // its page was shown (also when it was shown already), or a key or the
    // wheel changed the page. A page set by the program says nothing.
    void clicOnglet(int index);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
#if QT_CONFIG(wheelevent)
    void wheelEvent(QWheelEvent* e) override;
#endif
};

class Classeur : public QTabWidget {
    Q_OBJECT
public:
    explicit Classeur(QWidget* parent = nullptr);
    BarreOnglets* barre() const { return barre_; }
    // Selects the page whose caption equals the text; none selects nothing.
    bool selectionnerParLegende(const QString& legende);
    // The page shown (none before the first tab exists); shows a page.
    std::optional<Page> page() const { return page_de_l_onglet(currentIndex()); }
    void montrer(Page p) { setCurrentIndex(onglet(p)); }

protected:
    // Ctrl+Tab and its kin change the page like a click on its tab.
    void keyPressEvent(QKeyEvent* e) override;

private:
    BarreOnglets* barre_;
};

} // namespace quillon
