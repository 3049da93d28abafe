#pragma once
// What the main window and its pages are given rather than find for
// themselves: the folders, how a message reaches the user, the file dialogs,
// the launcher, the printer check, the other windows and the random
// generator. Each part is the system's own unless another is given (tests
// give fakes); the window hands each page and command the parts it uses as
// it makes them.
#include "common/aleatoire.h"
#include "common/dossier.h"
#include "shell/lanceur.h"

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;

namespace quillon {

class Dialogues;
class Tmise_couleur;
class TForm_image;
class TForm_richedit;

// The windows other than the main one; their owner builds each at its first use.
class FenetresAnnexes {
public:
    virtual ~FenetresAnnexes() = default;
    virtual QDialog& AboutBox() = 0;
    virtual Tmise_couleur& mise_couleur() = 0;
    virtual TForm_image& Form_image() = 0;
    virtual TForm_richedit& Form_richedit() = 0;
};

// The desktop's launcher, the one the program uses unless given another.
Lanceur& lanceur_systeme();
// Whether the system has a printer installed.
bool imprimante_systeme();
// The colours file, beside the user's settings.
QString fichier_couleurs_utilisateur();

struct Services {
    // The program folder, ending with a separator.
    QString dossier_prog = dossier_programme();
    // The acquisition program's configuration folder.
    QString dossier_mrl = quillon::dossier_mrl();
    // The file that keeps the pages' colours.
    QString fichier_couleurs = fichier_couleurs_utilisateur();
    // How an error message reaches the user; none: a message box over the main window.
    std::function<void(const QString&)> afficher_erreur;
    // The file dialogs, messages and questions; none: Qt's, over the main window.
    Dialogues* dialogues = nullptr;
    // Opens documents and starts programs.
    Lanceur* lanceur = &lanceur_systeme();
    std::function<bool()> imprimante_installee = imprimante_systeme;
    // The program a restart starts; empty: this one.
    QString programme;
    // The command line the program was started with, its own name first
    // (QCoreApplication::arguments()): the work file it names is opened once
    // the start-up sequence has run, and a restart passes on the rest. Empty: none.
    QStringList ligne_de_commande;
    // The other windows; none: the commands that show them do nothing.
    FenetresAnnexes* fenetres = nullptr;
    // The random generator, seeded from the clock at start-up.
    Aleatoire* hasard = &Aleatoire::programme();
};

} // namespace quillon
