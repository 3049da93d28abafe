// Each test process gets a home of its own, made empty as it starts and
// removed as it ends: the tests run side by side, and the settings one test
// keeps (under the home in Qt's test mode) must not be read or overwritten
// by another's.
#include <QByteArray>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

struct MaisonPropre {
    QTemporaryDir dossier;
    MaisonPropre()
    {
        if (!dossier.isValid() || !qputenv("HOME", dossier.path().toLocal8Bit())) {
            std::fputs("no home of its own for this test process\n", stderr);
            std::exit(2);
        }
    }
};

const MaisonPropre maison;

} // namespace
