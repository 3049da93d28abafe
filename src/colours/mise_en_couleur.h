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

    MiseEnCouleur(Classeur* notebook, const Boites& boites, const QString& fichier);

    // The mixing dialog, asked for when the command is given.
    void definir_dialogue(std::function<Tmise_couleur*()> d) { dialogue_ = std::move(d); }
    // The settings file (in the user's configuration folder by default).
    QString fichier;
    static QString fichier_par_defaut();
    // How a file that cannot be read or written is reported.
    std::function<void(const QString&)> signaler;

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
    std::function<Tmise_couleur*()> dialogue_;
    CouleursPages couleurs_ = couleurs_de_depart();
};

} // namespace quillon
