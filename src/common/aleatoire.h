#pragma once
// The program's one pseudo-random generator, seeded from the clock.
#include <cstdint>
#include <random>

namespace quillon {

class Aleatoire {
public:
    // The generator shared by the whole program.
    static Aleatoire& programme();

    explicit Aleatoire(std::uint64_t graine = 1) : moteur_(graine) {}

    // Seeds the generator from the clock.
    void randomize();
    void semer(std::uint64_t graine) { moteur_.seed(graine); }

    // A uniform whole number in 0 .. n - 1; 0 when n <= 0.
    int random(int n);

private:
    std::mt19937_64 moteur_;
};

// random(n) on the program's generator.
inline int random(int n) { return Aleatoire::programme().random(n); }

} // namespace quillon
