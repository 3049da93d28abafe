#include "windows_1252.h"

#include <array>

namespace quillon {

char16_t caractere_1252(unsigned char octet)
{
    // 0x80..0x9F: where Windows-1252 differs from Latin-1.
    static constexpr std::array<char16_t, 32> de_0x80 = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return octet >= 0x80 && octet < 0xA0 ? de_0x80[octet - 0x80] : char16_t(octet);
}

QString texte_windows_1252(const QByteArray& octets)
{
    QString texte(octets.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < octets.size(); ++i)
        texte[i] = QChar(caractere_1252(static_cast<unsigned char>(octets[i])));
    return texte;
}

} // namespace quillon
