#pragma once
// The pupil's report ("compte rendu"): what the pupil did, measured and
// answered on each page used, laid out on A4 pages with a header on each,
// drawn for a PDF file or a printer.
#include "app/commandes_fichiers.h"

#include <QDateTime>
#include <QImage>
#include <QPageRanges>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPrinter;

namespace quillon {

class TForm1;

// One part of the practical, as the report shows it.
struct SectionRapport {
    QString titre;
    // Pictures of the page drawn again for the paper (images_compte_rendu.h).
    std::vector<QImage> images;
    QStringList lignes;           // "Réglage : valeur", questions and answers...
    QStringList tableau;          // the chart's steps under a header, ";" between cells
};

// The parts the pupil used, in the practical's order; empty when none.
std::vector<SectionRapport> sections_utilisees(TForm1& f);

// Draws the report on `sortie` (its page size A4 portrait), only the pages
// in `pages` when they are given; the number of pages drawn.
int dessiner_compte_rendu(QPagedPaintDevice& sortie, const std::vector<SectionRapport>& sections,
                          const Identite& qui, const QDateTime& quand, const QPageRanges& pages = {});
// The report's number of pages.
int pages_compte_rendu(QPagedPaintDevice& sortie, const std::vector<SectionRapport>& sections, const Identite& qui, const QDateTime& quand);

// Sends the report to a printer set by its dialog: the pages of its range.
int imprimer_compte_rendu(QPrinter& imprimante, const std::vector<SectionRapport>& sections, const Identite& qui,
                          const QDateTime& quand);
// Whether a printer is installed (tests answer it themselves).
extern std::function<bool()> imprimante_installee;

// Writes the report as a PDF (A4 portrait, 300 dots per inch) on `fichier`.
bool ecrire_compte_rendu(QIODevice& fichier, const std::vector<SectionRapport>& sections, const Identite& qui,
                         const QDateTime& quand);

// A file name from the names and the date: "compte_rendu_<names>_<yyyy-MM-dd>.pdf".
QString nom_compte_rendu(const Identite& qui, const QDate& jour);

// "Fichier" > "Compte rendu..." and "Imprimer le compte rendu...": the
// names asked for (remembered for the run), then the PDF saved where work
// files go, or the pages sent to a printer; with no printer installed, the
// PDF is offered instead.
void Compterendu1Click(TForm1& f);
void Imprimercompterendu1Click(TForm1& f);

} // namespace quillon
