// One entry through every reader: the program the tests replay the corpus with.
#include "entrees.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    fuzz_textes(octets);
    fuzz_fichiers_travail(octets);
    fuzz_rtf(octets);
    fuzz_jpeg(octets);
    fuzz_reglages(octets);
    return 0;
}
