// The colour settings file and the acquisition program's template.
#include "entrees.h"

#include "colours/couleurs.h"
#include "shell/merlade.h"

#include <QStringList>
#include <cstdlib>

void fuzz_reglages(const QByteArray& octets)
{
    // Whatever was read, writing it and reading it back gives the same colours.
    const quillon::CouleursPages c = quillon::lire_couleurs(octets);
    verifier(quillon::lire_couleurs(quillon::ecrire_couleurs(c)) == c);

    const QStringList lignes = quillon::lignes_modele(octets);
    verifier(lignes.size() <= octets.count('\n') + octets.count('\r') + 1);
    for (const QString& l : lignes)
        verifier(!l.contains(QLatin1Char('\n')));
}
