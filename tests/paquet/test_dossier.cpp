// Where the program looks for its data files: beside itself (the build tree,
// a folder copied as a whole) or in ../share/quillon/ from its own folder (an
// installed prefix, wherever it was moved).
#include "common/dossier.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "impression.h"

using namespace quillon;

namespace {

void poser(const QString& chemin)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << chemin.toStdString();
    f.write("x");
}

} // namespace

TEST(DossierInstalle, TheDataFolderFollowsWhatLiesBesideTheExecutable)
{
    // A prefix <tmp>/pref with bin/ and share/quillon/, some files in them,
    // then perhaps moved or without its shared folder; paths relative to the
    // prefix as it ends up.
    struct Cas {
        const char* quoi;
        QStringList fichiers;     // put in pref/
        bool sans_partage;        // share/quillon/ removed
        const char* prefixe;      // pref, or what it is renamed to
        QStringList executables;  // the executable's folder, as given
        const char* attendu;
    };
    const Cas cas[] = {
        {"without data beside the executable the shared folder is used",
         {"share/quillon/k.bmp", "share/quillon/ess0.nst"}, false, "pref", {"bin", "bin/"}, "share/quillon/"},
        {"the potassium picture beside the executable makes its folder the program folder",
         {"bin/k.bmp"}, false, "pref", {"bin", "bin/"}, "bin/"},
        {"the recorded potential beside the executable is enough too", {"bin/ess0.nst"}, false, "pref", {"bin"},
         "bin/"},
        // Only the potassium picture or the recorded potential tell a build
        // tree; names differing in case are other files on this system.
        {"other files beside the executable do not count", {"bin/an.bmp", "bin/K.BMP", "bin/ESS0.NST"}, false,
         "pref", {"bin"}, "share/quillon/"},
        {"a moved prefix keeps its own data folder", {}, false, "ailleurs", {"bin"}, "share/quillon/"},
        // Nothing anywhere: the start-up then names the missing file under
        // the installed folder, where it should be.
        {"the shared folder is given even when it is missing", {}, true, "pref", {"bin"}, "share/quillon/"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        QTemporaryDir tmp;
        ASSERT_TRUE(tmp.isValid());
        ASSERT_TRUE(QDir(tmp.path()).mkpath("pref/bin"));
        ASSERT_TRUE(QDir(tmp.path()).mkpath("pref/share/quillon"));
        for (const QString& f : c.fichiers)
            poser(tmp.path() + "/pref/" + f);
        if (c.sans_partage) {
            ASSERT_TRUE(QDir(tmp.path() + "/pref/share/quillon").removeRecursively());
        }
        if (QLatin1String(c.prefixe) != QLatin1String("pref")) {
            ASSERT_TRUE(QDir(tmp.path()).rename("pref", c.prefixe));
        }
        const QString prefixe = tmp.path() + "/" + c.prefixe + "/";
        for (const QString& e : c.executables)
            EXPECT_EQ(dossier_pour_executable(prefixe + e), prefixe + c.attendu) << e.toStdString();
    }
}

TEST(DossierProgrammeConstruit, TheBuildTreesExecutablesUseTheirOwnFolder)
{
    // This test program lies in the build's program folder, beside k.bmp.
    const QString d = dossier_programme();
    ASSERT_TRUE(d.endsWith('/'));
    EXPECT_TRUE(QFile::exists(d + "k.bmp")) << d.toStdString();
    EXPECT_EQ(d, dossier_pour_executable(d));
}
