#include "aleatoire.h"

#include <chrono>

namespace quillon {

Aleatoire& Aleatoire::programme()
{
    static Aleatoire generateur(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    return generateur;
}

void Aleatoire::randomize()
{
    const auto maintenant = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    moteur_.seed(static_cast<std::uint64_t>(maintenant));
}

int Aleatoire::random(int n)
{
    if (n <= 0)
        return 0;
    std::uniform_int_distribution<int> loi(0, n - 1);
    return loi(moteur_);
}

} // namespace quillon
