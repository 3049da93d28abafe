// Nothing lost, every failure said: the quit and restart questions count
// recorded steps, "Enregistrer" saves them or says there is nothing; save
// dialogs open in writable folders; the teachers' document's failures said.
#include "outils.h"

#include "common/dossiers_utilisateur.h"
#include "app/taille_ecran.h"
#include "ionic/page_ionique.h"
#include "shell/lanceur.h"
#include "ui_page_ionique.h"
#include "ui_page_stimulation.h"
#include "labelling/page_accueil.h"
#include "stimulation/page_stimulation.h"
#include <QLineEdit>
#include <QTimer>

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
    }
    void enregistrer(int n) // n ticks of the recorder, GK lowered before each
    {
        for (int i = 1; i <= n; ++i, f.ionique().tic_enregistrement())
            f.ionique().barre(Barre::gk)->setValue(10 * i);
    }
    QTemporaryDir temp;
    DialoguesFactices& dialogues = faux.dialogues;
    TForm1 f{services()};
};

} // namespace

TEST_F(SequenceGardee, EnregistrerSavesARecordingOrSaysThereIsNothingAndQuittingOrRestartingAsks)
{
    f.ui()->Sauve1->trigger();
    EXPECT_TRUE(dialogues.demandes.empty() && QDir(temp.path()).isEmpty());
    EXPECT_TRUE(dialogues.messages.value(0).startsWith("Rien à enregistrer"));
    enregistrer(2);
    retenir_taille_affichage(taille_affichage_en_cours()); // the restart asks too
    dialogues.reponses_questions = {Reponse::Oui, Reponse::Annuler};
    f.ui()->Taille125->trigger();
    retenir_taille_affichage(taille_affichage_en_cours());
    EXPECT_TRUE(dialogues.questions.value(1).contains("n'a pas été enregistrée"));
    EXPECT_TRUE(faux.lanceur.lancements.empty());
    // Quitting: "Annuler", "Oui" then the dialog cancelled or the save
    // failed keep the window open; "Oui" and a name save and close.
    const QString nom = temp.filePath("a.nst");
    for (const auto& [reponse, fichier] : {std::pair{Reponse::Annuler, QString()}, {Reponse::Oui, QString()},
                                           {Reponse::Oui, temp.filePath("absent/x.nst")}, {Reponse::Oui, nom}}) {
        dialogues.questions.clear();
        dialogues.reponses_questions = {reponse, Reponse::Oui}; // then "Oui" to the report's question
        dialogues.reponses = {fichier};
        f.ui()->Quitter1->trigger();
        EXPECT_EQ(dialogues.questions.value(0), "Enregistrer la séquence avant de quitter ?");
        EXPECT_EQ(f.isVisible(), fichier != nom) << fichier.toStdString();
    }
    EXPECT_EQ(dialogues.messages.size(), 2) << "the failed save said";
    const ResultatNernst lu = lire_nernst(nom);
    ASSERT_EQ(lu.sequence.etapes.size(), 2u);
    EXPECT_EQ(lu.sequence.etapes[1].gk, 80);
    dialogues.reponses = {nom};
    f.ui()->Ouvrir1->trigger();
    EXPECT_TRUE(f.ionique().minuteries().Timer_reaff->isActive()) << "the recording replays";
}

// After a file opened from a read-only share, the save dialogs open elsewhere.
TEST_F(SequenceGardee, SaveDialogsNeverOpenInAFolderThatCannotBeWritten)
{
    QString partage = temp.filePath("partage");
    ASSERT_TRUE(QDir().mkpath(partage) && ecrire(partage + "/c.nst", texte_nst({{9, 0, 150, 6, 8, 144}})));
    QFile::setPermissions(partage, QFile::ReadOwner | QFile::ExeOwner);
    if (dossier_inscriptible(partage))
        partage = QStringLiteral("/proc/sys"); // root writes anywhere but on a read-only mount
    if (dossier_inscriptible(partage))
        GTEST_SKIP() << "no folder this user cannot write";
    dialogues.reponses = {partage + "/c.nst"};
    f.ui()->Ouvrir1->trigger();
    enregistrer(1);
    f.ui()->Sauve1->trigger();
    enregistrer_fichier_utilisateur(dialogues, dialogue_enregistrer_nernst(), [](QIODevice&) { return true; });
    ASSERT_EQ(dialogues.demandes.size(), 3u);
    for (std::size_t i : {1u, 2u})
        EXPECT_TRUE(dossier_inscriptible(dialogues.demandes[i].dossier)) << dialogues.demandes[i].dossier.toStdString();
    // The next dialog opens where the last file was saved, a table's too.
    dialogues.reponses = {temp.filePath("t.csv"), QString()};
    enregistrer_fichier_utilisateur(dialogues, {}, [](QIODevice&) { return true; });
    f.ui()->Ouvrir1->trigger();
    EXPECT_EQ(dialogues.demandes.back().dossier, temp.path());
    QFile::setPermissions(partage, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A desktop without any program for ".doc", then no document, and no script.
TEST_F(SequenceGardee, InformationsAndPhasesDeTestSayWhatTheyCannotOpen)
{
    QTemporaryDir d;
    const QString doc = d.filePath("QUIL_PED.doc");
    ASSERT_TRUE(QFile::copy(dossier_construit() + "QUIL_PED.doc", doc));
    erreurs.clear();
    Programme p{systeme(d.path() + "/", [this](const QString& m) { erreurs << m; })};
    std::vector<std::pair<const char*, QByteArray>> avant;
    for (const char* v : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP"}) {
        avant.emplace_back(v, qgetenv(v));
        qputenv(v, QFile::encodeName(temp.path()));
    }
    p.Form1.ui()->BitBtn2->click();
    for (const auto& [v, valeur] : avant)
        valeur.isNull() ? qunsetenv(v) : qputenv(v, valeur);
    ASSERT_TRUE(QFile::remove(doc));
    p.Form1.ui()->BitBtn2->click();
    p.Form1.ui()->BitBtn24->click();
    const QString n = QDir::toNativeSeparators(doc), s = QDir::toNativeSeparators(d.filePath("phases_demo.rtf"));
    EXPECT_EQ(erreurs, QStringList({"Aucun programme de cet ordinateur ne peut ouvrir le document des enseignants :\n" + n,
                                    "Impossible d'ouvrir le fichier " + n, "Impossible d'ouvrir le fichier " + s}));
}

// Ouvrir over steps that no file holds asks first; a running recording stops
// at the question, so that what is saved is what the chart held then.
TEST_F(SequenceGardee, OuvrirAsksBeforeReplacingStepsAndARecordingStopsAtTheQuestion)
{
    const QString autre = temp.filePath("autre.nst"), gardee = temp.filePath("gardee.nst");
    ASSERT_TRUE(ecrire(autre, texte_nst({{9, 0, 150, 6, 8, 144}})));
    enregistrer(2);
    QTest::mouseClick(f.ionique().ui()->BitBtn14, Qt::LeftButton); // "Lancer COURBE"
    const int avant = f.ionique().modele().enregistreur.sequence_tracee().etapes.at(0).gk;
    for (const auto& [r, questions, gk] : {std::tuple{Reponse::Annuler, 1, avant}, {Reponse::Oui, 1, 9}, {Reponse::Oui, 0, 9}}) {
        dialogues.questions.clear();
        dialogues.reponses = {autre, gardee};
        dialogues.reponses_questions = {r};
        f.ui()->Ouvrir1->trigger();
        EXPECT_EQ(dialogues.questions, QStringList("Enregistrer la séquence avant d'ouvrir un autre fichier ?").mid(0, questions));
        EXPECT_FALSE(f.ionique().minuteries().Timer_courbe->isActive()) << "stopped at the question";
        EXPECT_EQ(f.ionique().modele().enregistreur.sequence_tracee().etapes.at(0).gk, gk);
    }
    EXPECT_EQ(lire_nernst(gardee).sequence.etapes.size(), 2u);
    // Saved over the very file being opened: the chart shows what it holds then.
    dialogues.reponses = {gardee};
    f.ui()->Ouvrir1->trigger();
    while (f.ionique().minuteries().Timer_reaff->isActive())
        f.ionique().tic_essai(); // the trial run to its end
    QTest::mouseClick(f.ionique().ui()->BitBtn14, Qt::LeftButton); // "Lancer COURBE"
    enregistrer(1);
    const std::size_t pas = f.ionique().modele().enregistreur.sequence_tracee().etapes.size();
    ASSERT_EQ(pas, 3u);
    dialogues.reponses = {gardee, gardee};
    dialogues.reponses_questions = {Reponse::Oui};
    f.ui()->Ouvrir1->trigger();
    EXPECT_EQ(lire_nernst(gardee).sequence.etapes.size(), pas);
    EXPECT_EQ(f.ionique().modele().enregistreur.sequence_tracee().etapes.size(), pas);
}

// "Enregistrer" from every page, never over the program's files nor in its
// folder; the first writable folder, said when there is none.
TEST_F(SequenceGardee, EnregistrerWorksEverywhereButNeverOverTheProgramsFiles)
{
    enregistrer(1);
    const QString ess0 = dossier_construit() + "ess0.nst", nom = temp.filePath("p.nst");
    const QByteArray avant = lire(ess0);
    dialogues.reponses = {nom, ess0};
    for (int page : {0, 1}) {
        QDir::setCurrent(dossier_construit()); // where Ouvrir may leave it
        f.ui()->Notebook1->setCurrentIndex(page);
        f.ui()->Sauve1->trigger();
    }
    ASSERT_EQ(dialogues.demandes.size(), 2u);
    for (const DialogueFichier& d : dialogues.demandes)
        EXPECT_NE(QFileInfo(d.dossier).canonicalFilePath(), QFileInfo(ess0).canonicalPath());
    EXPECT_EQ(lire_nernst(nom).sequence.etapes.size(), 1u);
    EXPECT_EQ(lire(ess0), avant);
    EXPECT_EQ(dialogues.messages, QStringList("Le fichier " + natif(ess0) + " fait partie de Quillon : il ne peut pas être "
                                              "remplacé. Choisissez un autre nom ou un autre dossier."));
#ifdef Q_OS_WIN
    return; // Windows' own folders for the user, which HOME and TMPDIR do not move
#endif
    if (dossier_inscriptible("/proc/sys"))
        GTEST_SKIP() << "no folder this user cannot write";
    const QByteArray home = qgetenv("HOME");
    retenir_dossier_travail("/proc/sys");
    dialogues.dossier_recent = "/proc/sys"; // the last folder saved in, read-only since
    qputenv("HOME", "/proc/sys");
    for (const QString& t : {temp.path(), QStringLiteral("/proc/sys")}) {
        qputenv("TMPDIR", QFile::encodeName(t));
        f.ui()->Sauve1->trigger();
        EXPECT_EQ(dialogues.demandes.back().dossier, t == temp.path() ? t : QString());
    }
    EXPECT_TRUE(dialogues.messages.value(1).startsWith("Aucun dossier ne peut recevoir de fichier"));
    qputenv("HOME", home);
    qunsetenv("TMPDIR");
    retenir_dossier_travail({});
}

// Closing after work no report holds asks once, after the sequence question;
// "Compte rendu..." saves the report first; nothing done, nothing asked.
TEST_F(SequenceGardee, ClosingAfterWorkWithoutAReportAsksOnce)
{
    const QString rapport = "Le compte rendu de ce travail n'a pas été enregistré. Quitter quand même ? [Compte rendu...]";
    dialogues.eleves = Identite{"Léa Martin", "1re B"};
    // Correction pressed (1) or a step recorded (2), the answers, the questions, closed.
    for (const auto& [fait, reponses, questions, fermee] : std::vector<std::tuple<int, std::deque<Reponse>, QStringList, bool>>{
             {0, {}, {}, true}, {1, {Reponse::Non}, {rapport}, false}, {1, {Reponse::Oui}, {rapport}, true},
             {1, {Reponse::Autre}, {rapport}, true},
             {2, {Reponse::Non, Reponse::Oui}, {"Enregistrer la séquence avant de quitter ?", rapport}, true}}) {
        TForm1 g{services()};
        demarrer(g);
        fait == 1 ? g.ui()->BitBtn3->click() : fait == 2 ? g.ionique().tic_enregistrement() : void();
        dialogues.questions.clear();
        dialogues.reponses = {temp.filePath("cr.pdf")};
        dialogues.reponses_questions = reponses;
        g.ui()->Quitter1->trigger();
        EXPECT_EQ(dialogues.questions, questions);
        EXPECT_EQ(g.isVisible(), !fermee);
    }
    EXPECT_GT(QFileInfo(temp.filePath("cr.pdf")).size(), 0) << "\"Compte rendu...\" saved the report";
    // After the report, what it would print differently counts: a legend on
    // another place, a text that names no item typed again; a restart asks
    // as a close does.
    for (int cas : {0, 1, 2}) {
        TForm1 g{services()};
        demarrer(g);
        PageAccueil& a = g.accueil();
        glisser_vers(a.legende(1), a.cibles().at(0)->geometry().center());
        ASSERT_TRUE(cliquer_onglet(g.ui()->Notebook1, 1));
        QLineEdit* duree = g.stimulation().ui()->pref_rel->lineEdit();
        duree->setText("environ 3 ms");
        dialogues.reponses = {temp.filePath("r.pdf")};
        g.ui()->Compterendu1->trigger();
        cas == 0 ? glisser_vers(a.legende(1), a.cibles().at(1)->geometry().center()) : duree->setText("environ 4 ms");
        dialogues.questions.clear();
        dialogues.reponses_questions = cas == 2 ? std::deque{Reponse::Oui, Reponse::Non} : std::deque{Reponse::Non};
        retenir_taille_affichage(taille_affichage_en_cours());
        cas == 2 ? g.ui()->Taille125->trigger() : g.ui()->Quitter1->trigger();
        retenir_taille_affichage(taille_affichage_en_cours());
        EXPECT_EQ(dialogues.questions.mid(cas == 2 ? 1 : 0),
                  QStringList(cas == 2 ? QString(rapport).replace("Quitter", "Redémarrer") : rapport)) << cas;
        EXPECT_TRUE(g.isVisible() && faux.lanceur.lancements.empty()) << cas;
    }
    f.ui()->BitBtn3->click(); // saved, then nothing new: nothing asked
    dialogues.reponses = {temp.filePath("cr2.pdf")};
    f.ui()->Compterendu1->trigger();
    f.ui()->Quitter1->trigger();
    EXPECT_FALSE(f.isVisible());
}

// A work file on the command line (from the start folder) opens as "Ouvrir" opens it; a restart passes on the options only.
TEST_F(FenetreDemarree, AWorkFileOnTheCommandLineOpensOnTheIonicPageOrIsSaidWrong)
{
    QTemporaryDir d;
    ASSERT_TRUE(ecrire(d.filePath("seq.nst"), texte_nst({{50, 20, 140, 5, 15, 150}}))
                && ecrire(d.filePath("png.nst"), QByteArray("\x89PNG\0", 5)) && QDir::setCurrent(d.path()));
    const QString travail = dossier_travail(), absent = d.filePath("absent.nst");
    for (const auto& [ligne, message] :
         {std::pair{QStringList{"q", "png.nst"}, "Le fichier " + natif(d.filePath("png.nst")) + " n'est pas un fichier de travail de Quillon."},
          {QStringList{"q", absent}, "Impossible d'ouvrir le fichier " + natif(absent)}, {QStringList{"q", "--x", "seq.nst", "png.nst"}, ""}}) {
        Services s = services();
        s.ligne_de_commande = ligne;
        TForm1 f{s};
        demarrer(f);
        const bool lu = message.isEmpty();
        EXPECT_EQ(f.ionique().modele().enregistreur.sequence_tracee().etapes.size(), lu ? 1u : 0u);
        EXPECT_TRUE(f.ui()->Notebook1->page() == (lu ? Page::ionique : Page::accueil) && f.isVisible());
        EXPECT_EQ(std::exchange(faux.dialogues.messages, {}), lu ? QStringList() : QStringList{message});
        EXPECT_EQ(dossier_travail(), lu ? d.path() : travail);
        faux.dialogues.reponses_questions = {Reponse::Oui, Reponse::Oui}; // restart, and without a report
        f.ui()->Taille125->trigger();
        retenir_taille_affichage(taille_affichage_en_cours());
        EXPECT_EQ(std::exchange(faux.lanceur.lancements, {}).at(0).arguments, lu ? QStringList{"--x"} : QStringList());
    }
}
