#pragma once
// The home page: wires the legend labels' mouse and key events and the two
// buttons to the labelling exercise, and shows its legends. From the
// keyboard a legend (reached with Tab) is picked with Space, carried from
// blank place to blank place with the arrows, dropped with Space or Enter;
// Escape or Tab puts it back, a click elsewhere leaves it where it shows.
#include "labelling/legendes.h"

#include <QObject>
#include <vector>

class QKeyEvent;
class QPushButton;
class QWidget;

namespace quillon {

class Aleatoire;
class Etiquette;

class PageAccueil : public QObject {
    Q_OBJECT
public:
    PageAccueil(QWidget* page, Etiquette* lab_result, QPushButton* correction, QPushButton* enlever,
                QObject* parent = nullptr);

    // Builds the legends from the page's target labels, in the page's order
    // of controls; each target then shows a row of stars.
    void construire_legendes();
    void melanger_legendes(Aleatoire& hasard);
    void affichage_legendes();

    void btn_correctionClick();
    void btn_enlever_legendesClick();

    int nb_legendes() const { return exercice_.nb_legendes(); }
    const ExerciceLegendes& exercice() const { return exercice_; }
    // Legend label k (1..nb_legendes), the one that shows legend number k.
    Etiquette* legende(int k) const { return legendes_.at(k - 1); }
    // Target labels in the page's order, whose position numbers them.
    std::vector<QWidget*> cibles() const;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // The carried legend left where it shows (ExerciceLegendes::laisser).
    void laisser();
    void montrer(int k);
    void montrer_tout();
    bool touche(int k, QKeyEvent* e);
    void ordonner_tabulation();

    QWidget* page_;
    Etiquette* lab_result_;
    QPushButton* correction_;
    QPushButton* enlever_;
    ExerciceLegendes exercice_;
    std::vector<Etiquette*> legendes_;
};

} // namespace quillon
