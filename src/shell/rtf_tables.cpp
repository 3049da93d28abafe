#include "rtf_tables.h"

#include "common/windows_1252.h"

#include <QString>

namespace quillon::rtf_tables {

const std::array<char16_t, 256>& table_1252()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = caractere_1252(static_cast<unsigned char>(b));
        return t;
    }();
    return table;
}

const QHash<char16_t, unsigned char>& octets_1252()
{
    static const QHash<char16_t, unsigned char> octets = [] {
        QHash<char16_t, unsigned char> h;
        const auto& t = table_1252();
        for (int b = 0x80; b < 0x100; ++b) {
            if (t[b] != 0xFFFD && t[b] >= 0x80 && !h.contains(t[b]))
                h.insert(t[b], static_cast<unsigned char>(b));
        }
        return h;
    }();
    return octets;
}

const std::unordered_map<std::string_view, Mot>& mots()
{
    static const std::unordered_map<std::string_view, Mot> table = [] {
        std::unordered_map<std::string_view, Mot> t = {
            {"plain", Mot::plain}, {"b", Mot::b}, {"i", Mot::i}, {"ul", Mot::ul}, {"ulnone", Mot::ulnone},
            {"uld", Mot::ul}, {"uldash", Mot::ul}, {"uldashd", Mot::ul}, {"uldashdd", Mot::ul},
            {"uldb", Mot::ul}, {"ulhwave", Mot::ul}, {"ulldash", Mot::ul}, {"ulth", Mot::ul},
            {"ulthd", Mot::ul}, {"ulthdash", Mot::ul}, {"ulthdashd", Mot::ul}, {"ulthdashdd", Mot::ul},
            {"ulthldash", Mot::ul}, {"ululdbwave", Mot::ul}, {"ulw", Mot::ul}, {"ulwave", Mot::ul},
            {"strike", Mot::strike}, {"striked", Mot::strike}, {"super", Mot::super}, {"sub", Mot::sub},
            {"nosupersub", Mot::nosupersub}, {"v", Mot::v}, {"f", Mot::f}, {"fs", Mot::fs},
            {"cf", Mot::cf}, {"cb", Mot::fond_table}, {"chcbpat", Mot::fond_table},
            {"highlight", Mot::highlight}, {"deff", Mot::deff},
            {"pard", Mot::pard}, {"ql", Mot::ql}, {"qc", Mot::qc}, {"qr", Mot::qr}, {"qj", Mot::qj},
            {"par", Mot::par}, {"line", Mot::line}, {"tab", Mot::tab}, {"cell", Mot::cell},
            {"nestcell", Mot::cell}, {"row", Mot::row}, {"nestrow", Mot::row}, {"page", Mot::page},
            {"sect", Mot::page}, {"u", Mot::u}, {"uc", Mot::uc}, {"bin", Mot::bin},
            {"emdash", Mot::emdash}, {"endash", Mot::endash}, {"emspace", Mot::emspace},
            {"enspace", Mot::enspace}, {"qmspace", Mot::qmspace}, {"bullet", Mot::bullet},
            {"lquote", Mot::lquote}, {"rquote", Mot::rquote}, {"ldblquote", Mot::ldblquote},
            {"rdblquote", Mot::rdblquote}, {"zwj", Mot::zwj}, {"zwnj", Mot::zwnj},
            {"ltrmark", Mot::ltrmark}, {"rtlmark", Mot::rtlmark},
            {"fonttbl", Mot::fonttbl}, {"colortbl", Mot::colortbl},
            {"red", Mot::red}, {"green", Mot::green}, {"blue", Mot::blue},
        };
        for (std::string_view d : {
                 "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnicn", "atnid",
                 "atnparent", "atnref", "atntime", "atrfend", "atrfstart", "author", "background",
                 "bkmkend", "bkmkstart", "buptim", "category", "colorschememapping", "comment", "company",
                 "creatim", "datafield", "datastore", "defchp", "defpap", "do", "doccomm", "docvar",
                 "dptxbxtext", "falt", "fchars", "ffdeftext", "ffentrymcr", "ffexitmcr", "ffformat",
                 "ffhelptext", "ffl", "ffname", "ffstattext", "fldinst", "filetbl", "footer", "footerf",
                 "footerl", "footerr", "footnote", "formfield", "ftncn", "ftnsep", "ftnsepc", "generator",
                 "header", "headerf", "headerl", "headerr", "hlinkbase", "info", "keywords", "latentstyles",
                 "lchars", "listoverridetable", "listpicture", "listtable", "manager", "mmathPr",
                 "nesttableprops", "nonesttables", "nonshppict", "objalias", "objclass", "objdata",
                 "object", "objname", "objsect", "objtime", "oldcprops", "oldpprops", "oldsprops",
                 "oldtprops", "operator", "panose", "passwordhash", "pgdsctbl", "pict", "pn", "pnseclvl",
                 "pntxta", "pntxtb", "printim", "private", "protusertbl", "revtbl", "revtim", "rsidtbl",
                 "rxe", "shp", "shpinst", "shppict", "shprslt", "shptxt", "sn", "sp", "stylesheet",
                 "subject", "sv", "tc", "tcn", "template", "themedata", "title", "txe", "ud", "upr",
                 "userprops", "wgrffmtfilter", "windowcaption", "writereservation", "writereservhash",
                 "xe", "xform", "xmlattrname", "xmlattrvalue", "xmlclose", "xmlname", "xmlnstbl",
                 "xmlopen"})
            t.emplace(d, Mot::ignoree);
        return t;
    }();
    return table;
}

} // namespace quillon::rtf_tables
