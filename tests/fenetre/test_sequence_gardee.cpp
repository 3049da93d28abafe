// No sequence of the recorder is lost: closing the window, "Quitter" and the
// display-size restart ask to save steps that no file holds, recorded or
// programmed; "Enregistrer" saves recorded steps and says when there is none.
#include "outils.h"

#include "app/commandes_fichiers.h"
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
