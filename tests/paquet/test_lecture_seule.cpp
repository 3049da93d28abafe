// An installed program folder cannot be written by the pupils who run the
// program: "Enregistrer" of the stepping viewer then fails with the file's
// name and the viewer keeps its text and highlights.
//
// The folder is made read-only with its mode (0555, the file 0444). Root
// would write there anyway (CAP_DAC_OVERRIDE ignores the mode), so when the
// tests run as root the save is made with the effective user switched to
// "nobody" (65534): the kernel then drops the effective capabilities, and the
// real and saved user 0 let the test switch back to clean up. The test is
// skipped only when that switch is refused (no CAP_SETUID in a confined
// container) or when a probe shows the file system still accepts writes.
#include "app/programme.h"
#include "colours/mise_en_couleur.h"
#include "ui_tform1.h"
#include "ui_tform_richedit.h"
#include "workfiles/fichiers_travail.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "impression.h"
#include "fenetre/gestes.h"
#include "regles/outils_regles.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

constexpr uid_t personne = 65534;

// The effective user and group switched to "nobody" for its lifetime.
class CommePersonne {
public:
    CommePersonne()
    {
        if (geteuid() != 0)
            return; // already without privileges: the mode applies
        if (setegid(personne) != 0) {
            raison_ = std::string("setegid(65534): ") + std::strerror(errno);
            return;
        }
        if (seteuid(personne) != 0) {
            raison_ = std::string("seteuid(65534): ") + std::strerror(errno);
            (void)setegid(0);
            return;
        }
        change_ = true;
    }
    ~CommePersonne() { rendre(); }
    void rendre()
    {
        if (change_) {
            // Back to root: the saved user 0 allows it.
            if (seteuid(0) != 0 || setegid(0) != 0)
                std::abort();
            change_ = false;
        }
    }
    const std::string& raison() const { return raison_; }

private:
    bool change_ = false;
    std::string raison_;
};

// A folder of that name in tmp, which "nobody" can reach; empty on failure.
QString dossier_accessible(const QTemporaryDir& tmp, const char* nom)
{
    const QString dossier = tmp.path() + "/" + nom + "/";
    const bool pret = tmp.isValid() && chmod(QFile::encodeName(tmp.path()).constData(), 0755) == 0
                      && QDir().mkpath(dossier);
    return pret ? dossier : QString();
}

} // namespace

TEST(PaquetLectureSeule, EnregistrerInAReadOnlyProgramFolderReportsTheFileAndKeepsTheText)
{
    // A program folder laid out as the installed one, reachable by "nobody".
    QTemporaryDir tmp;
    const QString dossier = dossier_accessible(tmp, "quillon");
    ASSERT_FALSE(dossier.isEmpty());
    for (const char* nom : {"an.bmp", "k.bmp", "na.bmp", "fl_i_e.bmp", "fl_e_i.bmp", "ess0.nst", "phases_demo.rtf"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLON_DOSSIER_TEST) + nom, dossier + nom)) << nom;
    const QString script = dossier + "phases_demo.rtf";
    const QByteArray octets = lire(script);
    ASSERT_FALSE(octets.isEmpty());

    Branchements faux;
    Programme p(dossier);
    QStringList erreurs;
    faux.brancher(p.Form1);
    p.Form1.afficher_erreur = [&](const QString& m) { erreurs << m; };
    p.Form1.Timer_debutTimer();
    ASSERT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();

    // "Phases de test", three steps: the third line is highlighted.
    p.Form1.BitBtn24Click();
    TForm_richedit& v = p.Form_richedit();
    ASSERT_TRUE(v.isVisible());
    for (int i = 0; i < 3; ++i)
        v.ui()->btn_bas->click();
    ASSERT_EQ(v.ligne_doc(), 2);
    QTextEdit* texte = v.ui()->RichEdit1;
    const QString brut = texte->toPlainText();
    const QString mise_en_forme = texte->toHtml();
    ASSERT_FALSE(brut.isEmpty());

    for (const QString& f : QDir(dossier).entryList(QDir::Files))
        ASSERT_EQ(chmod(QFile::encodeName(dossier + f).constData(), 0444), 0);
    ASSERT_EQ(chmod(QFile::encodeName(dossier).constData(), 0555), 0);
    const QStringList contenu = QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

    auto* enregistrer = v.findChild<QAction*>("Enregistrer1");
    ASSERT_NE(enregistrer, nullptr);
    {
        CommePersonne personne_;
        if (!personne_.raison().empty()) {
            chmod(QFile::encodeName(dossier).constData(), 0755);
            GTEST_SKIP() << "running as root and cannot act as another user (" << personne_.raison()
                         << "): root writes whatever the mode says";
        }
        // The mode must hold for this user: neither a new file nor the script.
        QFile sonde(dossier + "sonde");
        const bool ecrit = sonde.open(QIODevice::WriteOnly);
        QFile existant(script);
        const bool reecrit = existant.open(QIODevice::ReadWrite);
        if (ecrit || reecrit) {
            const uid_t utilisateur = geteuid();
            sonde.remove();
            personne_.rendre();
            chmod(QFile::encodeName(dossier).constData(), 0755);
            GTEST_SKIP() << "this file system lets user " << utilisateur << " write a 0555 folder";
        }
        enregistrer->trigger();
    }
    ASSERT_EQ(chmod(QFile::encodeName(dossier).constData(), 0755), 0);

    EXPECT_EQ(erreurs, QStringList{"Impossible de créer le fichier " + QDir::toNativeSeparators(script)});
    // The viewer is still there with its text and its highlights...
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(texte->toPlainText(), brut);
    EXPECT_EQ(texte->toHtml(), mise_en_forme);
    EXPECT_EQ(v.ligne_doc(), 2);
    // ...the script is untouched and no temporary file was left behind.
    EXPECT_EQ(lire(script), octets);
    EXPECT_EQ(QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), contenu);

    // The same folder writable again: the save goes through, proving the
    // failure above came from the folder's mode.
    erreurs.clear();
    ASSERT_EQ(chmod(QFile::encodeName(script).constData(), 0644), 0);
    enregistrer->trigger();
    EXPECT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
    EXPECT_NE(lire(script), octets);
}

TEST(PaquetLectureSeule, AWorkFileInAFolderWhereNothingCanBeCreatedIsSavedInPlace)
{
    // A pupil's folder where the pupil may change files but create none.
    QTemporaryDir tmp;
    const QString dossier = dossier_accessible(tmp, "eleve");
    ASSERT_FALSE(dossier.isEmpty());
    const QString modifiable = dossier + "travail.nst";
    const QString verrouille = dossier + "verrou.nst";
    for (const auto& [chemin, mode] : {std::pair{modifiable, 0666}, std::pair{verrouille, 0444}}) {
        ASSERT_TRUE(ecrire(chemin, "ancien\r\n"));
        ASSERT_EQ(chmod(QFile::encodeName(chemin).constData(), static_cast<mode_t>(mode)), 0);
    }
    ASSERT_EQ(chmod(QFile::encodeName(dossier).constData(), 0555), 0);
    SequenceNernst s;
    s.etapes = {{30, 3, 140, 4, 10, 140, -60.5}, {100, 0, 140, 4, 10, 140, -83.25}};

    bool ecrit = false;
    bool refuse = true;
    {
        CommePersonne personne_;
        QFile sonde(dossier + "sonde");
        const bool cree = personne_.raison().empty() && sonde.open(QIODevice::WriteOnly);
        if (!personne_.raison().empty() || cree) {
            sonde.remove();
            personne_.rendre();
            chmod(QFile::encodeName(dossier).constData(), 0755);
            GTEST_SKIP() << "a 0555 folder accepts new files here: " << personne_.raison();
        }
        ecrit = enregistrer_nernst(modifiable, s);
        refuse = enregistrer_nernst(verrouille, s);
    }
    ASSERT_EQ(chmod(QFile::encodeName(dossier).constData(), 0755), 0);

    EXPECT_TRUE(ecrit) << "written in place when no temporary file can be made";
    const ResultatNernst relu = lire_nernst(modifiable);
    EXPECT_EQ(relu.etat, LectureNernst::Lue);
    EXPECT_EQ(relu.sequence, s);
    EXPECT_FALSE(refuse) << "a read-only file in that folder still fails";
    EXPECT_EQ(lire(verrouille), "ancien\r\n");
    EXPECT_EQ(QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{"travail.nst", "verrou.nst"}));
}
