#pragma once
// The "Fichier" menu's "Ouvrir" and "Enregistrer": which dialog, which
// reader, which page, by the page shown. The dialogs and the messages go
// through an interface, so that tests can answer them.
#include "common/dialogues.h"
#include "workfiles/fichiers_travail.h"

#include <QString>
#include <QStringList>
#include <optional>

class QTableWidget;
class QWidget;

namespace quillon {

class Classeur;
class PageIonique;

// The dialogs of the main window, as the Fichier menu shows them (each
// keeps its name in the window's design as its `nom`).
// "Enregistrer": the ionic page's sequence, a ".nst".
DialogueFichier dialogue_enregistrer_nernst();
// "Ouvrir" on the weight-discrimination page: a ".fch".
DialogueFichier dialogue_ouvrir_fechner();
// "Ouvrir" on the ionic-equilibria page: a ".nst".
DialogueFichier dialogue_ouvrir_nernst();
// "Ouvrir" on any other page: either kind, read by its name.
DialogueFichier dialogue_ouvrir_nernst_ou_fechner();

// The work file a command line names (QCoreApplication::arguments(), Qt's
// own options taken out): its first argument that is not an option, as
// typed; empty when there is none.
QString fichier_en_argument(const QStringList& arguments);
// The arguments a new run of the program is given: those of this run but
// the files, which it does not open again.
QStringList arguments_sans_fichier(const QStringList& arguments);

class CommandesFichiers {
public:
    // The dialogs open first in dossier_depart (where the program was started).
    // The hidden measurement table that ".fch" files fill is made in `boite_fechner`.
    CommandesFichiers(Classeur* notebook, PageIonique* ionique, QWidget* boite_fechner, const QString& dossier_prog,
                      const QString& dossier_depart, Dialogues* dialogues);
    QTableWidget* grille() const { return grille_; }
    Dialogues& dialogues() const { return *dialogues_; }

    void Sauve1Click();
    // Asks for a name and saves the recorder's steps, programmed or
    // recorded, whatever the page; false when the pupil cancels, when there
    // is no step to save or the file cannot be written (both said).
    bool enregistrer_sequence();
    // A sequence is recorded or programmed that no file holds: it differs
    // from the one last saved or opened (the potentials, worked out again
    // when it is replayed, aside).
    bool sequence_a_enregistrer() const;
    // Before the steps are dropped (the program ends or restarts, a file
    // replaces them): a running recording stops; when a sequence is to be
    // saved, asks `question` ("Oui", "Non", "Annuler") and saves it on "Oui".
    // False when nothing must be dropped: "Annuler", or a save cancelled or failed.
    bool proposer_enregistrement(const QString& question);
    void Ouvrir1Click();
    // Reads a ".nst" file into the recorder; with afficher, shows the
    // ionic-equilibria page and replays it. False when nothing was read:
    // the recorder is as it was and the reason is said, or the pupil chose to
    // keep steps that no file holds.
    bool lec_nernst(const QString& nom, bool afficher);
    // Reads a ".fch" file into the hidden weight-discrimination table; false,
    // the table untouched and the reason said, when it is not read.
    bool lec_fechner(const QString& nom);
    // Opens `nom` as "Ouvrir" opens the file chosen from the home page: by
    // its name, a ".nst" on the ionic-equilibria page, a ".fch" into the
    // weight-discrimination table. Once read, its folder is the work folder,
    // as a dialog's choice makes it. False when nothing was read (said).
    bool ouvrir(const QString& nom);
    // The work file given on the command line (a double click on it), if
    // any; a relative name is taken from the folder the program was started in.
    void ouvrir_en_argument(const QStringList& ligne_de_commande, const QString& dossier_lancement);

    // A page that reads the program's files is shown: the dialogs open in
    // the program folder next, which becomes the current directory too.
    void dossier_courant_programme();

private:
    std::optional<QString> choisir(DialogueFichier d);
    // The next dialog's folder, the current directory and the work folder
    // kept in the settings: the folder of the file `nom`.
    void retenir_dossier(const QString& nom);
    // Reads a file chosen in the dialog that takes both kinds, by its name.
    bool lire_par_son_nom(const QString& nom);
    // Says that the file is not a work file of the program.
    void pas_un_fichier_de_travail(const QString& nom);
    // The file can be opened and holds text of a work file's size; said otherwise.
    bool lisible(const QString& nom);
    // The steps of a work file of the ionic page, or nothing with the reason said.
    std::optional<SequenceNernst> sequence_de(const QString& nom);

    Classeur* notebook_;
    PageIonique* ionique_;
    QTableWidget* grille_;
    QString dossier_prog_;
    // Where the next open dialog opens when the program folder can be
    // written: the folder of the last file chosen, or the program folder
    // since a page that reads it was shown.
    Dialogues* dialogues_;
    SequenceNernst dans_un_fichier_;
};

} // namespace quillon
