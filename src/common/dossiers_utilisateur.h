#pragma once
// Where the user's own files go. A copy of the program unpacked beside its
// data keeps everything in the program folder; an installed program's folder
// cannot be written by the pupils, so their work files and the teacher's
// edited script go to the user's own folders.
#include "common/enregistrement.h"
#include "common/reglages.h"

#include <QSettings>
#include <QString>
#include <QVariant>

namespace quillon {

// The user's settings (reglages.ini), beside the colours file in the
// configuration folder.
QSettings reglages_utilisateur();
QString fichier_reglages();
// Keeps one setting: the settings file is replaced only by a whole new one
// (a full disk leaves the old one as it was, and says so); a value already
// kept writes nothing.
Enregistrement garder_reglage(const QString& cle, const QVariant& valeur);
// A setting of common/reglages.h as kept; its default when absent or
// unreadable (a bool not "true"/"false"/"1"/"0", an int not a whole number,
// a list where text is kept).
bool lire_reglage(const Reglage<bool>& r);
int lire_reglage(const Reglage<int>& r);
QString lire_reglage(const Reglage<const char*>& r);
// Keeps a setting of common/reglages.h, as garder_reglage above.
Enregistrement garder_reglage(const Reglage<bool>& r, bool valeur);
Enregistrement garder_reglage(const Reglage<int>& r, int valeur);
Enregistrement garder_reglage(const Reglage<const char*>& r, const QString& valeur);
// A settings file that could not be written, in the pupil's words: the
// settings hold until Quillon closes.
QString message_reglages(const Enregistrement& e);

// True when this process may create files in `dossier` (checked for the
// effective user, without writing anything there).
bool dossier_inscriptible(const QString& dossier);

// The user's documents folder, created if missing.
QString dossier_documents();

// The folder the user last used for work files (kept in the user's
// settings), else the documents folder.
QString dossier_travail();
Enregistrement retenir_dossier_travail(const QString& dossier);

// The folder a save dialog opens in: the first of `propose`, the work
// folder, the documents folder, the home folder and the temporary folder
// where this process may create files, the program's own folders aside;
// empty when there is none.
QString dossier_pour_enregistrer(const QString& propose);
// Said when dossier_pour_enregistrer finds no folder.
QString aucun_dossier_pour_enregistrer();
// Where a file just saved went, when that is the folder the save dialogs
// fall back on because the work folder accepts no file; empty otherwise.
QString avis_dossier_de_repli(const QString& nom);

// A file that comes with the program (in its data or executable folder):
// never replaced by a file of the user's.
bool fichier_du_programme(const QString& chemin);
// Why such a file is not replaced.
QString refus_fichier_du_programme(const QString& chemin);

} // namespace quillon
