#pragma once
// The program folder: where the files that come with the program lie.
#include <QString>

namespace quillon {

// The folder read off a Windows command line: everything from the last
// backslash on is dropped (at most 100 characters, so a longer tail leaves
// its 101st and later characters), double quotes are removed, one trailing
// blank is dropped, the letters A-Z are lowered and a backslash closes the
// result. A command line without any backslash names the program alone,
// started from its own folder: the result is then ".\".
QString dossier_depuis_ligne_commande(const QString& ligne);

// The program's own part of a Windows command line, without the arguments
// that follow it (a work file opened by a double click): up to the closing
// double quote and the blank after it when the program is quoted, otherwise
// up to its ".exe" (the whole line when none is there). The program folder is
// read off that part alone, so that a backslash in an argument is not taken
// for the program's.
QString programme_de_ligne_commande(const QString& ligne);

// The program folder of an executable lying in `dossier_executable` (a
// folder of this system, with or without a trailing separator), ending with a
// separator: that folder itself when the data files stand beside the
// executable ("k.bmp" or "ess0.nst" is there, as in the build tree),
// otherwise the installed data folder "../share/quillon/" next to it, so that
// a prefix moved as a whole keeps working.
QString dossier_pour_executable(const QString& dossier_executable);

// The program folder of this process, always ending with a separator. On
// Windows it comes from the command line; elsewhere from the executable's
// real path, with its case kept (file names there are case-sensitive), by
// dossier_pour_executable.
QString dossier_programme();

} // namespace quillon
