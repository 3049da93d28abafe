// No sequence of the recorder is lost: closing the window, "Quitter" and the
// display-size restart ask to save steps that no file holds, recorded or
// programmed; "Enregistrer" saves recorded steps and says when there is none.
// Save dialogs open in writable folders; the teachers' document's failures said.
#include "outils.h"

#include "app/commandes_fichiers.h"
#include "app/dossiers_utilisateur.h"
#include "shell/lanceur.h"
#include "app/taille_affichage.h"
#include "ionic/page_ionique.h"
#include "ui_page_ionique.h"

#include <QTimer>
#include <deque>

using namespace quillon;
using namespace quillon::essais;

namespace {

class SequenceGardee : public FenetreDemarree {
protected:
    void SetUp() override
    {
        FenetreDemarree::SetUp();
        demarrer(f);
        ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, 2));
        for (QTimer* t : {f.Timer_k, f.Timer_na, f.Timer_courbe})
            t->setInterval(3'600'000); // the test's calls are the only ticks
    }
    // "Lancer COURBE", n ticks with the K+ permeability moved, "STOP".
    void enregistrer(int n)
    {
        QTest::mouseClick(f.ionique().ui()->BitBtn14, Qt::LeftButton);
        for (int i = 0; i < n; ++i) {
            f.ionique().barre(Barre::gk)->setValue(10 * i);
            f.Timer_courbeTimer();
        }
        QTest::mouseClick(f.ionique().ui()->BitBtn14, Qt::LeftButton);
    }

    QTemporaryDir temp;
    DialoguesFactices& dialogues = faux.dialogues;
    TForm1 f{dossier_construit()};
};

} // namespace

TEST_F(SequenceGardee, EnregistrerSavesARecordingThatOuvrirReplaysAndSaysWhenThereIsNothing)
{
    f.ui()->Sauve1->trigger();
    EXPECT_TRUE(dialogues.demandes.empty()) << "no dialog for nothing";
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_TRUE(dialogues.messages[0].startsWith("Rien à enregistrer")) << dialogues.messages[0].toStdString();
    EXPECT_TRUE(QDir(temp.path()).isEmpty());

    enregistrer(3);
    ASSERT_EQ(f.ionique().modele().pas, 3);
    const QString nom = temp.filePath("courbe.nst");
    dialogues.reponses = {nom};
    f.ui()->Sauve1->trigger();
    const ResultatNernst lu = lire_nernst(nom);
    ASSERT_EQ(lu.etat, LectureNernst::Lue);
    ASSERT_EQ(lu.sequence.etapes.size(), 3u);
    // A bar moved between two ticks changes the step it is moved at too.
    const int gk[] = {90, 80, 80};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lu.sequence.etapes[i].gk, gk[i]) << i;
        EXPECT_NEAR(lu.sequence.etapes[i].em, f.ionique().modele().em_trace(i + 1), 1e-9) << i;
    }
    EXPECT_FALSE(f.fichiers().sequence_a_enregistrer());

    QTest::mouseClick(f.ionique().ui()->BitBtn15, Qt::LeftButton); // EFFACER
    dialogues.reponses = {nom};
    f.ui()->Ouvrir1->trigger();
    EXPECT_TRUE(f.Timer_reaff->isActive()) << "the recording replays";
    EXPECT_EQ(f.ionique().modele().sequence_tracee().etapes.size(), 3u);
    EXPECT_EQ(dialogues.messages.size(), 1);
}

// Each way out of the quit question: window still open or closed, file written.
TEST_F(SequenceGardee, QuittingWithARecordingAsksToSaveIt)
{
    enregistrer(2);
    const QString nom = temp.filePath("avant_de_quitter.nst");
    const QString impossible = temp.filePath("absent/x.nst");
    struct Cas {
        Reponse reponse;
        QString fichier; // answered in the save dialog (null: cancelled)
        bool ouverte;
    };
    const Cas cas[] = {{Reponse::Annuler, {}, true},
                       {Reponse::Oui, {}, true},
                       {Reponse::Oui, impossible, true},
                       {Reponse::Oui, nom, false}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.fichier.toStdString() + " " + std::to_string(static_cast<int>(c.reponse)));
        dialogues.questions.clear();
        dialogues.reponses_questions = {c.reponse};
        dialogues.reponses = {c.fichier};
        f.ui()->Quitter1->trigger();
        ASSERT_EQ(dialogues.questions, QStringList{"Enregistrer la séquence avant de quitter ?"});
        EXPECT_EQ(f.isVisible(), c.ouverte);
    }
    EXPECT_EQ(lire_nernst(nom).sequence.etapes.size(), 2u);
    EXPECT_EQ(dialogues.messages.size(), 1) << "the failed save is said";
}

TEST_F(SequenceGardee, NonQuitsAndTheRestartCountsRecordedSteps)
{
    enregistrer(1);
    retenir_taille_affichage(taille_affichage_en_cours());
    dialogues.reponses_questions = {Reponse::Oui, Reponse::Annuler};
    f.ui()->Taille125->trigger();
    ASSERT_EQ(dialogues.questions.size(), 2);
    EXPECT_TRUE(dialogues.questions[1].contains("n'a pas été enregistrée"));
    EXPECT_TRUE(faux.lanceur.lancements.empty());
    retenir_taille_affichage(taille_affichage_en_cours());

    // The close box: "Non" closes without a file.
    dialogues.questions.clear();
    dialogues.reponses_questions = {Reponse::Non};
    f.close();
    EXPECT_EQ(dialogues.questions.size(), 1);
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(dialogues.demandes.empty());
}

// After a file opened from a folder no new file can go to (a teacher's
// read-only share), the save dialogs open elsewhere, in a writable folder.
TEST_F(SequenceGardee, SaveDialogsNeverOpenInAFolderThatCannotBeWritten)
{
    QString partage = temp.filePath("partage");
    ASSERT_TRUE(QDir().mkpath(partage));
    ASSERT_TRUE(ecrire(partage + "/cours.nst", texte_nst({{100, 0, 150, 6, 8, 144}})));
    QFile::setPermissions(partage, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    if (dossier_inscriptible(partage))
        partage = QStringLiteral("/proc/sys"); // root writes anywhere but on a read-only mount
    if (dossier_inscriptible(partage))
        GTEST_SKIP() << "no folder this user cannot write";
    enregistrer(1);
    dialogues.reponses = {partage + "/cours.nst"};
    f.ui()->Ouvrir1->trigger();
    enregistrer(1); // something to save, whether the file was read or not
    f.ui()->Sauve1->trigger();
    enregistrer_fichier_utilisateur(dialogues, SaveDialog2(), [](QIODevice&) { return true; });
    ASSERT_EQ(dialogues.demandes.size(), 3u);
    for (std::size_t i : {1u, 2u}) {
        EXPECT_NE(QDir(dialogues.demandes[i].dossier).canonicalPath(), QDir(partage).canonicalPath()) << i;
        EXPECT_TRUE(dossier_inscriptible(dialogues.demandes[i].dossier)) << dialogues.demandes[i].dossier.toStdString();
    }
    QFile::setPermissions(partage, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// "Informations sur le logiciel" with no program for ".doc" files (a desktop
// without any association), then without the document, and "Phases de test"
// without its script: each said with the path.
TEST_F(SequenceGardee, InformationsSaysWhenTheTeachersDocumentCannotBeOpened)
{
    QTemporaryDir d;
    const QString doc = d.filePath("QUIL_PED.doc");
    ASSERT_TRUE(QFile::copy(dossier_construit() + "QUIL_PED.doc", doc));
    Programme programme(d.path() + "/");
    TForm1& g = programme.Form1;
    QStringList dits;
    g.afficher_erreur = [&](const QString& m) { dits << m; };
    LanceurSysteme systeme;
    g.lanceur = &systeme;
    const char* variables[] = {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"};
    std::vector<QByteArray> avant;
    for (const char* v : variables) {
        avant.push_back(qgetenv(v));
        qputenv(v, QFile::encodeName(temp.path()));
    }
    const QByteArray bureau = qgetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("XDG_CURRENT_DESKTOP");
    g.ui()->BitBtn2->click();
    ASSERT_TRUE(QFile::remove(doc));
    g.ui()->BitBtn2->click();
    g.ui()->BitBtn24->click();
    for (std::size_t i = 0; i < avant.size(); ++i)
        avant[i].isNull() ? qunsetenv(variables[i]) : qputenv(variables[i], avant[i]);
    if (!bureau.isNull())
        qputenv("XDG_CURRENT_DESKTOP", bureau);
    const QString chemin = QDir::toNativeSeparators(doc);
    EXPECT_EQ(dits, QStringList({"Aucun programme de cet ordinateur ne peut ouvrir le document des enseignants :\n" + chemin,
                                 "Impossible d'ouvrir le fichier " + chemin,
                                 "Impossible d'ouvrir le fichier " + QDir::toNativeSeparators(d.filePath("phases_demo.rtf"))}));
}
