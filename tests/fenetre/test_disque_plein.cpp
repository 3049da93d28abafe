// A full disk (a real tmpfs, mounted when the tests run as root): no file of
// the user's own is destroyed or left empty, each failure is said, and a
// sequence that could not be saved is still offered at the end.
#include "fenetre/acces.h"

#include "common/dossiers_utilisateur.h"
#include "shell/tform_richedit.h"

#include <QMenu>

using namespace quillon;
using namespace quillon::essais;

TEST_F(FenetreAcces, AFullDiskDestroysNoFileAndEachFailureIsSaid)
{
    QStringList anciens = {"ancien.nst", "ancien.csv", "ancien.png", "ancien.pdf", "phases_demo.rtf", "ancien.clr"};
    DisquePlein disque(anciens);
    if (!disque.raison.empty())
        GTEST_SKIP() << disque.raison;
    anciens.sort();
    onglet(2);
    io()->Scroll_gk->setValue(40);
    QTest::mouseClick(io()->BitBtn14, Qt::LeftButton);
    for (int i = 0; i < 3; ++i)
        f.Timer_courbeTimer();
    QTest::mouseClick(io()->BitBtn14, Qt::LeftButton);
    const auto menu_courbe = [&](int item) {
        io()->Ima_pa->setFocus(Qt::TabFocusReason);
        QTest::keyClick(io()->Ima_pa, Qt::Key_Menu);
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menu->setActiveAction(menu->actions().value(item));
            QTest::keyClick(menu, Qt::Key_Return);
        }
    };
    TForm_richedit script;
    QStringList dits;
    QObject::connect(&script, &TForm_richedit::erreur, [&](const QString& m) { dits << m; });
    script.BitBtn24Click(QFileInfo(disque.chemin("x")).absolutePath() + "/", &f);
    f.couleurs().fichier = disque.chemin("ancien.clr");
    faux.dialogues.eleves = Identite{"Léa Martin", "1re B"};
    const std::vector<std::pair<QString, std::function<void()>>> cas = {
        {"ancien.nst", [&] { f.ui()->Sauve1->trigger(); }},
        {"ancien.csv", [&] { menu_courbe(2); }},
        {"ancien.png", [&] { menu_courbe(1); }},
        {"ancien.pdf", [&] { f.ui()->Compterendu1->trigger(); }},
        {"phases_demo.rtf", [&] { script.findChild<QAction*>("Enregistrer1")->trigger(); }},
        {"ancien.clr", [&] { f.couleurs().sav_couleurs(); }},
        {"nouveau.nst", [&] { f.ui()->Sauve1->trigger(); }},
    };
    for (const auto& [nom, enregistrer] : cas) {
        SCOPED_TRACE(nom.toStdString());
        faux.dialogues.reponses = {disque.chemin(nom)};
        faux.dialogues.messages.clear();
        erreurs.clear();
        dits.clear();
        enregistrer();
        EXPECT_EQ(faux.dialogues.messages + erreurs + dits,
                  QStringList{"Impossible d'enregistrer le fichier " + disque.chemin(nom) + " : le disque est plein."});
        for (const QString& n : anciens)
            EXPECT_EQ(lire(disque.chemin(n)), DisquePlein::anciens_octets) << n.toStdString();
        EXPECT_EQ(disque.noms(), anciens);
    }
    // The recording is in no file: quitting still asks.
    faux.dialogues.reponses_questions = {Reponse::Annuler};
    f.ui()->Quitter1->trigger();
    EXPECT_EQ(faux.dialogues.questions, QStringList{"Enregistrer la séquence avant de quitter ?"});
    EXPECT_TRUE(f.isVisible());

    // With room again, a writer that fails half way writes nothing and is said.
    disque.vider();
    faux.dialogues.messages.clear();
    faux.dialogues.reponses = {disque.chemin("ancien.csv")};
    EXPECT_FALSE(enregistrer_fichier_utilisateur(faux.dialogues, SaveDialog2(), [](QIODevice& d) {
        d.write("moitié");
        return false;
    }));
    EXPECT_EQ(faux.dialogues.messages, QStringList{"Impossible d'enregistrer le fichier " + disque.chemin("ancien.csv")
                                                   + " : le contenu n'a pas pu être préparé."});
    EXPECT_EQ(lire(disque.chemin("ancien.csv")), DisquePlein::anciens_octets);
    retenir_dossier_travail({});
}
