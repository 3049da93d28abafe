#pragma once
// Names of files that come with the program, written with backslashes
// ("\an.bmp", "\QUIL_PED.doc"), made into paths of this system.
#include <QString>

namespace quillon {

// Joins a folder and a name: a backslash counts as a separator, doubled
// separators collapse, and on a case-sensitive file system a component that
// does not exist as written is matched case-insensitively in its folder.
// When nothing matches, the path is returned as written (cleaned).
QString chemin_fichier(const QString& dossier, const QString& nom);

// The same for a single path.
QString chemin_local(const QString& chemin);

} // namespace quillon
