#pragma once
// The file dialogs, messages and questions of the program, through an
// interface that tests answer themselves, and the one way to save a file of
// the user's own.
#include "common/enregistrement.h"

#include <QString>
#include <functional>
#include <optional>

class QIODevice;
class QWidget;

namespace quillon {

// One of the file dialogs of the program.
struct DialogueFichier {
    QString nom;              // its name in the window's design: SaveDialog2, OpenDialog1, ...
    QString extension_defaut; // added to a name typed without one
    QString filtre;           // Qt's form: "Nernst (*.nst);;Fechner (*.fch)"
    QString nom_fichier;      // the name field at opening ("*.nst")
    bool enregistrer = false;
    QString dossier;          // the folder shown at opening (CommandesFichiers sets it)
};

enum class Reponse { Oui, Non, Annuler, Autre };

// Who hands the report in.
struct Identite {
    QString noms;
    QString classe;
};

class Dialogues {
public:
    virtual ~Dialogues() = default;
    // The chosen file's full name, or nothing when the pupil cancels.
    virtual std::optional<QString> choisir(const DialogueFichier& d) = 0;
    virtual void message(const QString& texte) = 0;
    // A question answered "Oui" or "Non", or also "Annuler" when offered.
    virtual Reponse question(const QString& texte, bool annuler) = 0;
    // A question answered "Oui", "Non" or by a third button named `autre` (Autre).
    virtual Reponse question_ou(const QString& texte, const QString& autre) = 0;
    // The pupils' names and class for the report, or nothing when cancelled.
    virtual std::optional<Identite> identite(const Identite& proposee) = 0;
    // The settings are the program's business: a settings file that could
    // not be written is said once, after what concerns the pupil's files.
    void dire_reglages(const Enregistrement& e);
    // The folder a file of the user's was last opened from or saved in,
    // where the next dialog opens; empty for the work folder kept in the
    // settings.
    QString dossier_recent;

private:
    bool reglages_dits_ = false;
};

// Qt's file dialogs and message boxes over a window.
class DialoguesFenetre : public Dialogues {
public:
    explicit DialoguesFenetre(QWidget* fenetre) : fenetre_(fenetre) {}
    std::optional<QString> choisir(const DialogueFichier& d) override;
    void message(const QString& texte) override;
    Reponse question(const QString& texte, bool annuler) override;
    Reponse question_ou(const QString& texte, const QString& autre) override;
    std::optional<Identite> identite(const Identite& proposee) override;

private:
    QWidget* fenetre_;
};

// A file of the user's own (a picture, a table, a report): the save dialog
// `d` opens where work files go and the folder chosen is remembered; the file
// is made in memory through `ecrire` and written whole, or not at all (the
// reason said then). False when cancelled or not written.
bool enregistrer_fichier_utilisateur(Dialogues& dialogues, DialogueFichier d,
                                     const std::function<bool(QIODevice&)>& ecrire);
// After a file of the user's was saved: where it went when that is not the
// work folder's fallback, then its folder kept for the next dialog.
void fichier_enregistre(Dialogues& dialogues, const QString& nom);

} // namespace quillon
