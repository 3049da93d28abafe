#include "endurance/endurance.h"

using namespace quillon;
using namespace quillon::essais;

int main(int argc, char** argv)
{
    // quillon_endurance [seconds] [part...]: the parts alone, to find which
    // one makes the memory grow.
    int duree = 180;
    QStringList choisies;
    bool ok = true;
    if (argc > 1) {
        duree = QString::fromLocal8Bit(argv[1]).toInt(&ok);
        ok = ok && duree > 0;
    }
    for (int i = 2; i < argc; ++i)
        choisies << QString::fromLocal8Bit(argv[i]);
    if (!ok || !Endurance::parties_connues(choisies)) {
        std::fprintf(stderr, "usage: %s [seconds (180)] [part...]\nparts: %s\n", argv[0],
                     qPrintable(Endurance::noms_parties()));
        return 2;
    }
    // Settings go to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("QUILLON_CACHE_PIXMAPS_KO"))
        QPixmapCache::setCacheLimit(qEnvironmentVariableIntValue("QUILLON_CACHE_PIXMAPS_KO"));
    preparer_application(app);
    std::printf("quillon_endurance: %d s of classroom use%s\n", duree,
                choisies.isEmpty() ? "" : qPrintable(" (" + choisies.join(' ') + ")"));
    int resultat = 1;
    {
        Endurance e(duree, choisies);
        resultat = e.executer();
    }
    return resultat;
}
