#pragma once
// The main window's pages, in the order of their tabs.
#include <optional>

namespace quillon {

enum class Page {
    accueil,           // "Accueil", the legends
    stimulation,       // "Stimulation Nerf/Fibre"
    ionique,           // "Equilibres ioniques"
    champs_recepteurs, // no caption: receptive fields, empty
    discrimination,    // no caption: weight discrimination, the ".fch" table
    activite_reflexe,  // no caption: reflex activity, empty
};
inline constexpr int nb_pages = 6;

// The tab's index of a page.
constexpr int onglet(Page p)
{
    return static_cast<int>(p);
}

// The page behind a tab's index; none for no tab (-1) or past the last.
constexpr std::optional<Page> page_de_l_onglet(int i)
{
    if (i < 0 || i >= nb_pages)
        return std::nullopt;
    return static_cast<Page>(i);
}

} // namespace quillon
