#pragma once
// Tables for spreadsheets, and the names proposed for the files the pupil
// takes out of the program (pictures and tables). A table is written as a
// spreadsheet of the language shown opens it without asking: UTF-8 with its
// byte-order mark, lines ended by CR LF; in French ";" between fields and ","
// as the decimal separator, in English "," and ".".
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace quillon {

class TableurCsv {
public:
    // One line of fields; a field holding the separator, a quote or a line end is
    // quoted, its quotes doubled.
    void ligne(const QStringList& champs);
    void ligne_vide() { lignes_ << QString(); }
    // The whole file's bytes.
    QByteArray octets() const;

    // x with d decimals and the language's separator ("-85,37", "-85.37"); no minus sign on a value
    // that shows as zero; an empty field for NaN and infinities.
    static QString nombre(double x, int d);

private:
    QStringList lignes_;
};

// "<page>_<date>_<hour>h<minute>.<extension>", e.g.
// "stimulation_2026-12-07_18h51.csv": sorted by date in a folder listing.
// The page's word (marked QT_TRANSLATE_NOOP("NomsProposes", ...)) and the
// hour are written in the language shown: "chart_2026-12-07_1851.csv".
QString nom_propose(const char* page, const QDateTime& quand, const QString& extension);

} // namespace quillon
