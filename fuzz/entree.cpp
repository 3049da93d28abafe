// One reader alone, so that the fuzzer reaches its depth quickly; the build
// names it with QUILLON_ENTREE.
#include "entrees.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    QUILLON_ENTREE(QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille)));
    return 0;
}
