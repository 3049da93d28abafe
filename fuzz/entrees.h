#pragma once
// Entry points of the fuzz target, one per reader of outside input; each
// aborts when one of its reader's invariants does not hold.
#include <QByteArray>

void fuzz_textes(const QByteArray& octets);
void fuzz_fichiers_travail(const QByteArray& octets);
void fuzz_rtf(const QByteArray& octets);
void fuzz_jpeg(const QByteArray& octets);
void fuzz_reglages(const QByteArray& octets);
