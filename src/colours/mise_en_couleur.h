#pragma once
// "Mise en couleur": the background colour of the current page's group
// box(es), mixed in the dialog, and the settings file that keeps the
// colours of every page from one run to the next.
#include "colours/couleurs.h"

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace quillon {

class Classeur;
class Tmise_couleur;

class MiseEnCouleur {
public:
    // The group boxes of each settings line (the stimulation page has two).
    struct Boites {
        QWidget* champs_recepteurs;
        QWidget* discrimination;
        QWidget* stimulation_questions; // the stimulation page: its questions
        QWidget* stimulation_montage;   // and its experimental setup
        QWidget* activite_reflexe;
        QWidget* ionique;
    };

    // The colours are kept in `fichier`; a file that cannot be read or
    // written is reported through `signaler`; the mixing dialog is asked of
    // `dialogue` when the command is given (none: the command does nothing).
    MiseEnCouleur(Classeur* notebook, const Boites& boites, const QString& fichier,
                  std::function<void(const QString&)> signaler, std::function<Tmise_couleur*()> dialogue);

    const QString& fichier() const { return fichier_; }

    void lec_couleurs();
    void sav_couleurs();
    void Miseencouleur1Click();

    const CouleursPages& couleurs() const { return couleurs_; }

private:
    void erreur(const QString& modele) const;
    void peindre(LigneCouleur ligne, std::int32_t valeur);
    std::vector<QWidget*> boites(LigneCouleur ligne) const;

    Classeur* notebook_;
    Boites boites_;
    QString fichier_;
    std::function<void(const QString&)> signaler_;
    std::function<Tmise_couleur*()> dialogue_;
    CouleursPages couleurs_ = couleurs_de_depart();
};

} // namespace quillon
