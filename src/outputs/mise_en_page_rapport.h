#pragma once
// The report laid out on A4 pages, a header on each (the pupils' names and
// class, the date, the program and its version, "page n / N"), drawn for a
// PDF file or a printer.
#include "common/dialogues.h"
#include "outputs/sections_rapport.h"

#include <QDateTime>
#include <QPageRanges>

class QIODevice;
class QPagedPaintDevice;
class QPrinter;

namespace quillon {

// Draws the report on `sortie` (its page size A4 portrait), only the pages
// in `pages` when they are given; the number of pages drawn.
int dessiner_compte_rendu(QPagedPaintDevice& sortie, const std::vector<SectionRapport>& sections,
                          const Identite& qui, const QDateTime& quand, const QPageRanges& pages = {});
// The report's number of pages.
int pages_compte_rendu(QPagedPaintDevice& sortie, const std::vector<SectionRapport>& sections, const Identite& qui, const QDateTime& quand);

// Sends the report to a printer set by its dialog: the pages of its range.
int imprimer_compte_rendu(QPrinter& imprimante, const std::vector<SectionRapport>& sections, const Identite& qui,
                          const QDateTime& quand);

// Writes the report as a PDF (A4 portrait, 300 dots per inch) on `fichier`.
bool ecrire_compte_rendu(QIODevice& fichier, const std::vector<SectionRapport>& sections, const Identite& qui,
                         const QDateTime& quand);

// A file name from the names and the date: "compte_rendu_<names>_<yyyy-MM-dd>.pdf".
QString nom_compte_rendu(const Identite& qui, const QDate& jour);

} // namespace quillon
