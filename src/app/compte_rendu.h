#pragma once
// The pupil's report ("compte rendu"): what the pupil did, measured and
// answered on each page used, laid out on A4 pages with a header on each,
// drawn for a PDF file or a printer.
#include "app/commandes_fichiers.h"

#include <QDateTime>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class QPagedPaintDevice;
class QWidget;

namespace quillon {

class TForm1;

// One part of the practical, as the report shows it.
struct SectionRapport {
    QString titre;
    // Pictures of the page, drawn again for the paper: a widget and the
    // rectangle of it to show.
    struct Vue {
        QWidget* widget;
        QRect zone;
    };
    std::vector<Vue> vues;
    QStringList lignes;           // "Réglage : valeur", questions and answers...
    QStringList tableau;          // rows of the programmed steps, ";" between cells
};

// The parts the pupil used, in the practical's order; empty when none.
std::vector<SectionRapport> sections_utilisees(TForm1& f);

// Draws the report on `sortie` (its page size A4 portrait); the number of pages.
int dessiner_compte_rendu(QPagedPaintDevice& sortie, const std::vector<SectionRapport>& sections,
                          const Identite& qui, const QDateTime& quand);

// Writes the report as a PDF (A4 portrait, 300 dots per inch) on `fichier`.
bool ecrire_compte_rendu(QIODevice& fichier, const std::vector<SectionRapport>& sections, const Identite& qui,
                         const QDateTime& quand);

// A file name from the names and the date: "compte_rendu_<names>_<yyyy-MM-dd>.pdf".
QString nom_compte_rendu(const Identite& qui, const QDate& jour);

// "Fichier" > "Compte rendu..." and "Imprimer le compte rendu...": the
// names asked for (remembered for the run), then the PDF saved where work
// files go, or the pages sent to a printer.
void Compterendu1Click(TForm1& f);
void Imprimercompterendu1Click(TForm1& f);

} // namespace quillon
