#pragma once
// The tables of the RTF format that its reader (rtf_lecture.cpp) and its
// writer (rtf_ecriture.cpp) go by: the Windows-1252 code page, the largest
// font size, and the control words the reader knows.
#include <QHash>

#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace quillon::rtf_tables {

constexpr int demi_points_maxi = 3276; // 1638 points, the most word processors take

// The character of each byte of Windows-1252.
const std::array<char16_t, 256>& table_1252();

// The byte of each character above 0x7F that Windows-1252 has.
const QHash<char16_t, unsigned char>& octets_1252();

enum class Mot : std::uint8_t {
    // formats of characters
    plain, b, i, ul, ulnone, strike, super, sub, nosupersub, v, f, fs, cf, fond_table, highlight, deff,
    // paragraphs
    pard, ql, qc, qr, qj,
    // text
    par, line, tab, cell, row, page, u, uc, bin,
    emdash, endash, emspace, enspace, qmspace, bullet, lquote, rquote, ldblquote, rdblquote, zwj, zwnj,
    ltrmark, rtlmark,
    // tables of the header
    fonttbl, colortbl, red, green, blue,
    // destinations that hold no text of the document
    ignoree,
};

// Each control word the reader knows, and the destinations it skips.
const std::unordered_map<std::string_view, Mot>& mots();

} // namespace quillon::rtf_tables
