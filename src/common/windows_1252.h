#pragma once
// Windows-1252, the code page of the work files and documents, read the same
// on every system: Qt decodes it only through ICU, which the Windows build's
// Qt has not (written by hand for that: 32 characters differ from Latin-1).
#include <QByteArray>
#include <QString>

namespace quillon {

// The character of a byte of Windows-1252; the five bytes it leaves out
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for themselves, as Windows and ICU read them.
char16_t caractere_1252(unsigned char octet);

// Bytes of a Windows-1252 text (0xE9 is "é", 0x80 is "€").
QString texte_windows_1252(const QByteArray& octets);

} // namespace quillon
