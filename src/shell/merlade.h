#pragma once
// The external data-acquisition program and its configuration: the batch
// file written from its template at start-up, the launch file copied beside
// it, the command line that starts it with an experiment, and the clean-up
// at the end. Plain functions over folders the caller chooses.
#include <QString>
#include <QStringList>
#include <optional>

namespace quillon {

// The configuration folder: "c:\mrl" on Windows. Elsewhere there is no
// drive c:, so it is "mrl" in the user's runtime folder.
QString dossier_mrl();

// Copies a file in blocks of 10000 bytes. A source that cannot be opened
// is silently skipped (true); false when the destination cannot be
// created or written.
bool copier(const QString& source, const QString& destination);

// The template's lines (Windows ANSI, CR LF or LF), as many as it has.
QStringList lignes_modele(const QByteArray& octets);

struct ResultatMerlade {
    bool prepare = false;        // the batch file was written
    QString chemin_merlade;      // the folder the launch file was copied from
    std::optional<QString> erreur; // a message that stops the start-up sequence
};

// Rewrites lines 2 to 5 of the template that hold "SET CHEM_MRL", saves the
// batch file and copies the launch file after each; nothing without a template.
ResultatMerlade adap_merlade(const QString& dossier_prog, const QString& mrl);

// The command line that starts the program with an experiment file, from
// the current directory d, and the folder it runs in.
struct LancementMerlade {
    QString programme;     // the launch file
    QStringList arguments; // the experiment's full path
    QString dossier;       // the working folder: the configuration folder
    QString ligne() const; // "<launch file> <experiment>"
};
LancementMerlade commande_merlade(const QString& mrl, const QString& courant, const QString& experience);
// The same, when the launch file exists.
std::optional<LancementMerlade> lancement_merlade(const QString& mrl, const QString& courant, const QString& experience);

// Empties and removes the configuration folder, only when it holds the launch file.
void nettoyer_merlade(const QString& mrl);

} // namespace quillon
