#pragma once
// The measuring cursors over a plotted picture: a layer the size of the
// picture, drawn with it (so every copy, file and report of the picture
// shows them), that takes no mouse event itself. A left click on the picture
// puts a cursor on the nearest sample; on the focused picture Left/Right
// move the current cursor one sample (ten with Shift), Space fixes it and
// starts the second, Escape removes them. Each reading shows in a label
// beside its cursor and is said to the screen reader by the picture's
// description. Switched off, the layer is hidden and the picture behaves as
// without it.
#include "common/curseurs.h"

#include <QWidget>
#include <array>
#include <functional>

class QLabel;

namespace quillon {

class ImageControle;

class CalqueCurseurs : public QWidget {
    Q_OBJECT
public:
    using Lecture = std::function<LecturesCurseurs(const CurseursMesure&)>;

    // Sample n of the picture is centred on column pas * n + centre.
    CalqueCurseurs(ImageControle* image, int pas, int centre, Lecture lire);

    bool actif() const { return actif_; }
    // On or off; off removes the cursors.
    void activer(bool actif);
    const CurseursMesure& curseurs() const { return curseurs_; }
    // The curve changed: its samples are now premier..dernier, the cursors
    // beyond them go and the others read the new values.
    void bornes(int premier, int dernier);
    // The labels of cursor 1, cursor 2 and their difference.
    QLabel* etiquette(int i) const { return etiquettes_[static_cast<std::size_t>(i)]; }
    // Column of sample n on the picture.
    int colonne(int n) const { return pas_ * n + centre_; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool touche(QEvent* evenement);
    void afficher();

    ImageControle* image_;
    int pas_;
    int centre_;
    Lecture lire_;
    CurseursMesure curseurs_;
    bool actif_ = false;
    std::array<QLabel*, 3> etiquettes_{};
    QString base_;        // the picture's own description
    QString description_; // as last said
};

} // namespace quillon
