#pragma once
// The one way a file of the user's own is written: the whole content, made
// in memory first, goes beside the old file and replaces it only once every
// byte is written; a file that can only be written in place is written when
// the content fits, and given back its old bytes when a write fails.
#include <QByteArray>
#include <QString>

namespace quillon {

struct Enregistrement {
    bool reussi = false;
    QString raison; // why it failed: "le disque est plein" or the system's words
    explicit operator bool() const { return reussi; }
};

Enregistrement enregistrer_entier(const QString& chemin, const QByteArray& contenu);

// "Impossible d'enregistrer le fichier <chemin> : <raison>."
QString message_enregistrement(const QString& chemin, const Enregistrement& e);

} // namespace quillon
