// An installed program folder cannot be written by the pupils who run the
// program: "Enregistrer" of the stepping viewer then writes the user's own
// copy of the script, and the work-file dialogs open in the user's folders.
//
// The folder is made read-only with its mode (0555, the file 0444). Root
// would write there anyway (CAP_DAC_OVERRIDE ignores the mode), so when the
// tests run as root the save is made with the effective user switched to
// "nobody" (65534): the kernel then drops the effective capabilities, and the
// real and saved user 0 let the test switch back to clean up. The test is
// skipped only when that switch is refused (no CAP_SETUID in a confined
// container) or when a probe shows the file system still accepts writes.
#include "common/dossiers_utilisateur.h"
#include "app/programme.h"
#include "colours/mise_en_couleur.h"
#include "ui_tform1.h"
#include "ui_tform_richedit.h"
#include "workfiles/fichiers_travail.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
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

// A program folder laid out as the installed one, reachable by "nobody".
QString programme_copie(const QTemporaryDir& tmp)
{
    const QString dossier = dossier_accessible(tmp, "quillon");
    for (const char* nom : {"an.bmp", "k.bmp", "na.bmp", "fl_i_e.bmp", "fl_e_i.bmp", "ess0.nst", "phases_demo.rtf"})
        if (dossier.isEmpty() || !QFile::copy(QStringLiteral(QUILLON_DOSSIER_TEST) + nom, dossier + nom))
            return {};
    return dossier;
}

// Makes the folder and its files read-only (true) or writable again.
bool verrouiller(const QString& dossier, bool verrou)
{
    for (const QString& f : QDir(dossier).entryList(QDir::Files))
        if (chmod(QFile::encodeName(dossier + f).constData(), verrou ? 0444 : 0644) != 0)
            return false;
    return chmod(QFile::encodeName(dossier).constData(), verrou ? 0555 : 0755) == 0;
}

// A home of the test's own that "nobody" may write: the user folders (the
// test mode's ~/.qttest, the documents) go there; the old home comes back.
class MaisonDuTest {
public:
    explicit MaisonDuTest(const QTemporaryDir& tmp)
        : dossier(dossier_accessible(tmp, "maison")), ancienne_(qgetenv("HOME"))
    {
        chmod(QFile::encodeName(dossier).constData(), 0777);
        qputenv("HOME", QFile::encodeName(dossier));
    }
    ~MaisonDuTest() { qputenv("HOME", ancienne_); }
    const QString dossier;

private:
    const QByteArray ancienne_;
};

} // namespace

TEST(PaquetLectureSeule, EnregistrerInAReadOnlyProgramFolderWritesTheUsersCopyOpenedNextTime)
{
    QTemporaryDir tmp;
    const MaisonDuTest maison(tmp);
    const QString dossier = programme_copie(tmp);
    ASSERT_FALSE(dossier.isEmpty());
    const QString script = dossier + "phases_demo.rtf";
    const QByteArray octets = lire(script);
    ASSERT_FALSE(octets.isEmpty());

    Branchements faux;
    QStringList erreurs;
    Services s = faux.services(dossier);
    s.afficher_erreur = [&](const QString& m) { erreurs << m; };
    Programme p{s};
    p.Form1.Timer_debutTimer();
    ASSERT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();

    // The folder read-only: "Phases de test", three steps, a teacher's note.
    ASSERT_TRUE(verrouiller(dossier, true));
    const QStringList contenu = QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    TForm_richedit& v = p.Form_richedit();
    QTextEdit* texte = v.ui()->RichEdit1;
    auto* enregistrer = v.findChild<QAction*>("Enregistrer1");
    ASSERT_NE(enregistrer, nullptr);
    QString relu;
    {
        CommePersonne personne_;
        if (!personne_.raison().empty()) {
            personne_.rendre();
            verrouiller(dossier, false);
            GTEST_SKIP() << "running as root and cannot act as another user (" << personne_.raison()
                         << "): root writes whatever the mode says";
        }
        // The mode must hold for this user: neither a new file nor the script.
        QFile sonde(dossier + "sonde");
        const bool ecrit = sonde.open(QIODevice::WriteOnly);
        QFile existant(script);
        if (ecrit || existant.open(QIODevice::ReadWrite)) {
            const uid_t utilisateur = geteuid();
            sonde.remove();
            personne_.rendre();
            verrouiller(dossier, false);
            GTEST_SKIP() << "this file system lets user " << utilisateur << " write a 0555 folder";
        }
        p.Form1.BitBtn24Click();
        for (int i = 0; i < 3; ++i)
            v.ui()->btn_bas->click();
        QTextCursor(texte->document()).insertText("Note du professeur. ");
        enregistrer->trigger();
        v.close();
        p.Form1.BitBtn24Click();
        relu = texte->toPlainText();
    }
    ASSERT_TRUE(verrouiller(dossier, false));

    EXPECT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
    // The user's copy, in the test's home, is what "Phases de test" opened again...
    const QString copie = TForm_richedit::copie_utilisateur();
    EXPECT_TRUE(copie.startsWith(maison.dossier)) << copie.toStdString();
    EXPECT_TRUE(lire(copie).contains("Note du professeur."));
    EXPECT_TRUE(relu.startsWith("Note du professeur. ")) << relu.toStdString();
    // ...the shipped script is untouched and nothing was added beside it.
    EXPECT_EQ(lire(script), octets);
    EXPECT_EQ(QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), contenu);

    // A writable program folder keeps its script in place, as before.
    v.close();
    p.Form1.BitBtn24Click();
    EXPECT_FALSE(texte->toPlainText().startsWith("Note du professeur.")) << "the shipped script is read";
    QTextCursor(texte->document()).insertText("Autre note. ");
    enregistrer->trigger();
    EXPECT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
    EXPECT_TRUE(lire(script).contains("Autre note."));
}

TEST(PaquetLectureSeule, WorkFileDialogsOfAReadOnlyProgramFolderOpenInTheUsersFolders)
{
    QTemporaryDir tmp;
    const MaisonDuTest maison(tmp);
    const QString dossier = programme_copie(tmp);
    const QString travail = dossier_accessible(tmp, "travail");
    ASSERT_FALSE(dossier.isEmpty() || travail.isEmpty());
    ASSERT_EQ(chmod(QFile::encodeName(travail).constData(), 0777), 0);
    const QString courant = QDir::currentPath();

    Branchements faux;
    Programme p{faux.services(dossier)};
    p.Form1.Timer_debutTimer();
    ASSERT_TRUE(faux.messages.isEmpty()) << faux.messages.join('\n').toStdString();
    std::vector<DialogueFichier>& demandes = faux.dialogues.demandes;
    // One recorded step to save.
    p.Form1.ionique().tic_enregistrement();
    // The stimulation tab visited, then "Enregistrer" on the ionic page.
    const auto enregistrer = [&](const QString& reponse) {
        p.Form1.ui()->Notebook1->setCurrentIndex(1);
        p.Form1.Notebook1Click();
        p.Form1.ui()->Notebook1->setCurrentIndex(2);
        faux.dialogues.reponses = {reponse};
        p.Form1.Sauve1Click();
    };
    enregistrer(QString());
    ASSERT_EQ(demandes.size(), 1u);
    EXPECT_FALSE(QDir(demandes[0].dossier) == QDir(dossier)) << "never the program folder, even writable";

    ASSERT_TRUE(verrouiller(dossier, true));
    {
        CommePersonne personne_;
        if (!personne_.raison().empty()) {
            personne_.rendre();
            verrouiller(dossier, false);
            GTEST_SKIP() << "cannot act as another user: " << personne_.raison();
        }
        enregistrer(QString());
        enregistrer(travail + "essai.nst");
        p.Form1.Ouvrir1Click();
    }
    ASSERT_TRUE(verrouiller(dossier, false));
    QDir::setCurrent(courant);
    ASSERT_EQ(demandes.size(), 4u);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_TRUE(documents.startsWith(maison.dossier)) << documents.toStdString();
    // Documents, made by root at the first save, is not this user's: the home folder, which is.
    EXPECT_TRUE(QDir(demandes[1].dossier) == QDir(maison.dossier)) << demandes[1].dossier.toStdString();
    EXPECT_EQ(lire_nernst(travail + "essai.nst").etat, LectureNernst::Lue);
    EXPECT_TRUE(QDir(demandes[3].dossier) == QDir(travail)) << demandes[3].dossier.toStdString();
    // Remembered in the user's settings for the next run.
    EXPECT_TRUE(QDir(dossier_travail()) == QDir(travail));
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
        ecrit = enregistrer_nernst(modifiable, s).reussi;
        refuse = enregistrer_nernst(verrouille, s).reussi;
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
