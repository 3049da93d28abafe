#pragma once
// Entry points of the fuzz target, one per reader of outside input; each
// aborts when one of its reader's invariants does not hold.
#include <QByteArray>
#include <cstdlib>

// A property every input must keep: the fuzzer stops at the first input that breaks it.
inline void verifier(bool condition)
{
    if (!condition)
        std::abort();
}

void fuzz_textes(const QByteArray& octets);
void fuzz_fichiers_travail(const QByteArray& octets);
void fuzz_rtf(const QByteArray& octets);
void fuzz_jpeg(const QByteArray& octets);
void fuzz_reglages(const QByteArray& octets);
