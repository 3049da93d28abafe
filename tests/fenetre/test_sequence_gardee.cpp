// Nothing lost, every failure said: the quit and restart questions count
// recorded steps, "Enregistrer" saves them or says there is nothing; save
// dialogs open in writable folders; the teachers' document's failures said.
#include "outils.h"

#include "common/dossiers_utilisateur.h"
#include "app/taille_affichage.h"
#include "ionic/page_ionique.h"
#include "shell/lanceur.h"
#include "ui_page_ionique.h"

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
        for (int i = 1; i <= n; ++i, f.Timer_courbeTimer())
            f.ionique().barre(Barre::gk)->setValue(10 * i);
    }
    QTemporaryDir temp;
    DialoguesFactices& dialogues = faux.dialogues;
    TForm1 f{dossier_construit()};
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
        dialogues.reponses_questions = {reponse};
        dialogues.reponses = {fichier};
        f.ui()->Quitter1->trigger();
        EXPECT_EQ(dialogues.questions, QStringList("Enregistrer la séquence avant de quitter ?"));
        EXPECT_EQ(f.isVisible(), fichier != nom) << fichier.toStdString();
    }
    EXPECT_EQ(dialogues.messages.size(), 2) << "the failed save said";
    const ResultatNernst lu = lire_nernst(nom);
    ASSERT_EQ(lu.sequence.etapes.size(), 2u);
    EXPECT_EQ(lu.sequence.etapes[1].gk, 80);
    dialogues.reponses = {nom};
    f.ui()->Ouvrir1->trigger();
    EXPECT_TRUE(f.Timer_reaff->isActive()) << "the recording replays";
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
    enregistrer_fichier_utilisateur(dialogues, SaveDialog2(), [](QIODevice&) { return true; });
    ASSERT_EQ(dialogues.demandes.size(), 3u);
    for (std::size_t i : {1u, 2u})
        EXPECT_TRUE(dossier_inscriptible(dialogues.demandes[i].dossier)) << dialogues.demandes[i].dossier.toStdString();
    QFile::setPermissions(partage, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A desktop without any program for ".doc", then no document, and no script.
TEST_F(SequenceGardee, InformationsAndPhasesDeTestSayWhatTheyCannotOpen)
{
    QTemporaryDir d;
    const QString doc = d.filePath("QUIL_PED.doc");
    ASSERT_TRUE(QFile::copy(dossier_construit() + "QUIL_PED.doc", doc));
    Programme p(d.path() + "/");
    erreurs.clear();
    p.Form1.afficher_erreur = [this](const QString& m) { erreurs << m; };
    LanceurSysteme systeme;
    p.Form1.lanceur = &systeme;
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
    ASSERT_TRUE(f.Timer_courbe->isActive());
    for (const Reponse r : {Reponse::Annuler, Reponse::Oui}) {
        dialogues.questions.clear();
        dialogues.reponses = {autre, gardee};
        dialogues.reponses_questions = {r};
        f.ui()->Ouvrir1->trigger();
        EXPECT_EQ(dialogues.questions, QStringList("Enregistrer la séquence avant d'ouvrir un autre fichier ?"));
        EXPECT_FALSE(f.Timer_courbe->isActive()) << "stopped at the question";
        EXPECT_EQ(f.ionique().modele().sequence_tracee().etapes.at(0).gk, r == Reponse::Oui ? 9 : 90);
    }
    EXPECT_EQ(lire_nernst(gardee).sequence.etapes.size(), 2u);
    // The opened file's steps are in a file: opening again asks nothing.
    dialogues.questions.clear();
    dialogues.reponses = {autre};
    f.ui()->Ouvrir1->trigger();
    EXPECT_TRUE(dialogues.questions.isEmpty());
}

// "Enregistrer" from every page; never in the program's folder nor over its
// files; the first writable folder, and said when there is none.
TEST_F(SequenceGardee, EnregistrerWorksEverywhereButNeverOverTheProgramsFiles)
{
    enregistrer(1);
    for (int page : {0, 1}) {
        f.ui()->Notebook1->setCurrentIndex(page);
        dialogues.reponses = {temp.filePath(QString("p%1.nst").arg(page))};
        f.ui()->Sauve1->trigger();
        EXPECT_EQ(lire_nernst(temp.filePath(QString("p%1.nst").arg(page))).sequence.etapes.size(), 1u) << page;
    }
    const auto canonique = [](const QString& d) { return QFileInfo(d).canonicalFilePath(); };
    QDir::setCurrent(dossier_construit()); // where a pupil's Ouvrir leaves it
    for (const char* livre : {"ess0.nst", "k.bmp"}) {
        const QString chemin = dossier_construit() + livre;
        const QByteArray avant = lire(chemin);
        dialogues.messages.clear();
        dialogues.reponses = {chemin, chemin};
        f.ui()->Sauve1->trigger();
        enregistrer_fichier_utilisateur(dialogues, SaveDialog2(), [](QIODevice& d) { return d.write("x") == 1; });
        const QString refus = "Le fichier " + QDir::toNativeSeparators(chemin)
            + " fait partie de Quillon : il ne peut pas être remplacé. Choisissez un autre nom ou un autre dossier.";
        EXPECT_EQ(dialogues.messages, QStringList({refus, refus}));
        EXPECT_EQ(lire(chemin), avant);
        for (std::size_t i : {dialogues.demandes.size() - 2, dialogues.demandes.size() - 1})
            EXPECT_NE(canonique(dialogues.demandes[i].dossier), canonique(dossier_construit()));
    }
    // A read-only home and work folder: the temporary folder; with it read-only too, said.
    const QString lecture_seule = QStringLiteral("/proc/sys");
    if (dossier_inscriptible(lecture_seule))
        GTEST_SKIP() << "no folder this user cannot write";
    const QByteArray home = qgetenv("HOME"), tmp = qgetenv("TMPDIR");
    retenir_dossier_travail(lecture_seule);
    qputenv("HOME", QFile::encodeName(lecture_seule));
    for (const QString& t : {temp.path(), lecture_seule}) {
        qputenv("TMPDIR", QFile::encodeName(t));
        dialogues.messages.clear();
        dialogues.reponses = {QString()};
        f.ui()->Sauve1->trigger();
        EXPECT_EQ(dialogues.demandes.back().dossier, t == lecture_seule ? QString() : temp.path());
        EXPECT_EQ(dialogues.messages.size(), t == lecture_seule ? 1 : 0);
    }
    EXPECT_TRUE(dialogues.messages.value(0).startsWith("Aucun dossier ne peut recevoir de fichier"));
    qputenv("HOME", home);
    tmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmp);
    retenir_dossier_travail({});
}

// Closing after work no report holds asks once, after the sequence question;
// "Compte rendu..." saves the report first; nothing done, nothing asked.
TEST_F(SequenceGardee, ClosingAfterWorkWithoutAReportAsksOnce)
{
    const QString rapport = "Le compte rendu de ce travail n'a pas été enregistré. Quitter quand même ? [Compte rendu...]";
    const QString pdf = temp.filePath("cr.pdf");
    dialogues.eleves = Identite{"Léa Martin", "1re B"};
    struct Cas {
        bool correction, pas;
        std::deque<Reponse> reponses;
        QStringList questions;
        bool fermee;
    };
    for (const Cas& c : std::vector<Cas>{
             {false, false, {}, {}, true},
             {true, false, {Reponse::Non}, {rapport}, false},
             {true, false, {Reponse::Oui}, {rapport}, true},
             {false, true, {Reponse::Non, Reponse::Oui}, {"Enregistrer la séquence avant de quitter ?", rapport}, true},
             {true, false, {Reponse::Autre}, {rapport}, true}}) {
        TForm1 g{dossier_construit()};
        faux.brancher(g);
        g.Timer_debutTimer();
        ASSERT_TRUE(montrer(g));
        if (c.correction)
            QTest::mouseClick(g.ui()->BitBtn3, Qt::LeftButton);
        if (c.pas) {
            ASSERT_TRUE(cliquer_onglet(g.ui()->Notebook1, 2));
            g.Timer_courbeTimer();
        }
        dialogues.questions.clear();
        dialogues.reponses = {c.pas ? temp.filePath("s.nst") : pdf};
        dialogues.reponses_questions = c.reponses;
        g.ui()->Quitter1->trigger();
        EXPECT_EQ(dialogues.questions, c.questions) << c.questions.size();
        EXPECT_EQ(g.isVisible(), !c.fermee);
    }
    EXPECT_TRUE(QFileInfo(pdf).size() > 0) << "\"Compte rendu...\" saved the report";
    // Saved, then nothing new: closing asks nothing.
    f.ui()->BitBtn3->click();
    dialogues.questions.clear();
    dialogues.reponses = {temp.filePath("cr2.pdf")};
    f.ui()->Compterendu1->trigger();
    f.ui()->Quitter1->trigger();
    EXPECT_TRUE(dialogues.questions.isEmpty());
    EXPECT_FALSE(f.isVisible());
}
