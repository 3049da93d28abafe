// A work file named on the command line, as a double click on it starts the
// program: opened once the start-up sequence has run, as "Ouvrir" opens it.
#include "outils.h"

#include "app/taille_ecran.h"
#include "common/dossiers_utilisateur.h"
#include "ionic/page_ionique.h"

using namespace quillon;
using namespace quillon::essais;

// A sequence given by a relative name opens on the ionic page and its folder
// is the work folder; a file that is no work file, or none, is said and
// changes nothing. A restart passes on the options, never the file.
TEST_F(FenetreDemarree, AWorkFileOnTheCommandLineOpensOnTheIonicPageOrIsSaidWrong)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(ecrire(dossier.filePath("seq.nst"), texte_nst({{50, 20, 140, 5, 15, 150}, {40, 20, 140, 5, 15, 150}}))
                && ecrire(dossier.filePath("image.nst"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
    ASSERT_TRUE(QDir::setCurrent(dossier.path())); // the folder the program is started in
    const QString travail = dossier_travail();
    struct Cas {
        QStringList ligne;
        std::size_t etapes;
        Page page;
        QString message;
        QStringList relance;
    };
    // The folder is the work folder once a file is read: the faults first.
    for (const Cas& c : {Cas{{"quillon", "image.nst"}, 0, Page::accueil,
                             "Le fichier " + dossier.filePath("image.nst") + " n'est pas un fichier de travail de Quillon.", {}},
                         Cas{{"quillon", dossier.filePath("absent.nst")}, 0, Page::accueil,
                             "Impossible d'ouvrir le fichier " + dossier.filePath("absent.nst"), {}},
                         Cas{{"quillon", "--inconnue", "seq.nst", "image.nst"}, 2, Page::ionique, {}, {"--inconnue"}}}) {
        SCOPED_TRACE(c.ligne.join(' ').toStdString());
        faux.dialogues.messages.clear();
        faux.lanceur.lancements.clear();
        Services s = services();
        s.ligne_de_commande = c.ligne;
        TForm1 f{s};
        demarrer(f);
        EXPECT_EQ(f.ionique().modele().enregistreur.sequence_tracee().etapes.size(), c.etapes);
        EXPECT_TRUE(f.ui()->Notebook1->page() == c.page && f.isVisible());
        EXPECT_EQ(faux.dialogues.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(dossier_travail(), c.etapes != 0 ? dossier.path() : travail);
        faux.dialogues.reponses_questions = {Reponse::Oui};
        f.ui()->Taille125->trigger();
        retenir_taille_affichage(taille_affichage_en_cours());
        ASSERT_EQ(faux.lanceur.lancements.size(), 1u);
        EXPECT_EQ(faux.lanceur.lancements[0].arguments, c.relance);
    }
}
