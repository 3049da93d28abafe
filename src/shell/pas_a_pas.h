#pragma once
// Stepping through a document line by line: the current line on a yellow
// background, a passed numbered item ("1)", "12)") silver, other passed
// lines white. Lines are the text box's laid-out lines.
#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

namespace quillon {

struct EtapeLecture {
    // The background to give back to the previous selection, if any.
    std::optional<QColor> couleur_rendue;
    // The text now highlighted: its first occurrence in the whole text.
    int debut = 0;
    int longueur = 0;
};

class PasAPas {
public:
    static QColor jaune() { return QColor(255, 255, 0); }

    // -1 before the first step; survives reloading the document.
    int ligne_doc = -1;

    // One step down (+1) or up (-1); nothing when going up before any step
    // or on an empty document.
    std::optional<EtapeLecture> bas_haut(int d, const QStringList& lignes, const QString& texte);
};

} // namespace quillon
