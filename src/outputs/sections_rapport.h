#pragma once
// The report's parts: what the pupil did, measured and answered on each page
// used, with the pages' pictures drawn again for paper.
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace quillon {

class Travail;

// One part of the practical, as the report shows it.
struct SectionRapport {
    QString titre;
    // Pictures of the page drawn again for the paper (common/papier.h).
    std::vector<QImage> images;
    QStringList lignes;           // "Réglage : valeur", questions and answers...
    QStringList tableau;          // the chart's steps under a header, ";" between cells
};

// A sentence of the report as French prints it: a no-break blank before
// ":", "?", "!" and ";", and a decimal comma.
QString en_francais(QString texte);

// The parts the pupil used, in the practical's order; empty when none.
std::vector<SectionRapport> sections_utilisees(Travail& f);

} // namespace quillon
