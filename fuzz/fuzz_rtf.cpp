// The RTF reader on any bytes: it reads them, or says they are not RTF and
// leaves the document alone; what it read, written and read again, gives the
// same text, paragraphs and writing.
#include "entrees.h"

#include "shell/rtf.h"

#include <QByteArray>
#include <QString>
#include <QTextDocument>
#include <cstdlib>

namespace {

// RTF begins with "{\rtf" after blanks.
bool commence_comme_rtf(const QByteArray& octets)
{
    qsizetype i = 0;
    while (i < octets.size() && (octets[i] == ' ' || octets[i] == '\t' || octets[i] == '\r' || octets[i] == '\n'))
        ++i;
    return octets.mid(i, 5) == "{\\rtf";
}

void lire_ecrire_relire(const QByteArray& octets)
{
    const QString avant = QStringLiteral("d\u00e9j\u00e0 l\u00e0\nici");
    QTextDocument document;
    document.setPlainText(avant);
    const bool lu = quillon::lire_rtf(octets, document);
    verifier(lu == commence_comme_rtf(octets));
    if (!lu) {
        verifier(document.toPlainText() == avant);
        verifier(document.blockCount() == 2);
        return;
    }
    const QString texte = document.toPlainText();
    verifier(texte.size() <= octets.size());

    const QByteArray ecrit = quillon::ecrire_rtf(document);
    for (char c : ecrit)
        verifier(static_cast<unsigned char>(c) < 0x80);
    QTextDocument relu;
    verifier(quillon::lire_rtf(ecrit, relu));
    verifier(relu.toPlainText() == texte);
    verifier(relu.blockCount() == document.blockCount());
    verifier(quillon::ecrire_rtf(relu) == ecrit);
}

} // namespace

void fuzz_rtf(const QByteArray& octets)
{
    lire_ecrire_relire(octets);
    // so that any bytes reach the reading of the groups and control words
    lire_ecrire_relire("{\\rtf1 " + octets);
}
