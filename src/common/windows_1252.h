#pragma once
// Windows-1252, the code page of the work files and documents: Qt decodes it
// through ICU, and a Qt built without ICU (as the Windows build's) knows only
// Latin-1, which differs from it in the bytes 0x80..0x9F alone. Those 32 are
// written here (a table no library of the Windows build gives).
#include <QByteArray>
#include <QString>

namespace quillon {

// The character of a byte of Windows-1252; the five bytes it leaves out
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for themselves, as Windows and ICU read them.
char16_t caractere_1252(unsigned char octet);

// Windows-1252 bytes as text, through Qt's decoder where Qt has one.
QString texte_1252(const QByteArray& octets);

} // namespace quillon
