// A full disk (a real tmpfs, mounted when the tests run as root): no file of
// the user's own is destroyed or left empty, each failure is said, and a
// sequence that could not be saved is still offered at the end.
#include "fenetre/acces.h"

#include "shell/tform_richedit.h"

#include <QMenu>

using namespace quillon;
using namespace quillon::essais;

TEST_F(FenetreAcces, AFullDiskDestroysNoFileAndEachFailureIsSaid)
{
    QStringList anciens = {"a.nst", "a.csv", "a.png", "a.pdf", "phases_demo.rtf", "a.clr"};
    DisquePlein disque(anciens);
    if (!disque.raison.empty())
        GTEST_SKIP() << disque.raison;
    onglet(2);
    for (int i = 0; i < 2; ++i)
        f.Timer_courbeTimer();
    const auto menu_courbe = [&](int item) {
        io()->Ima_pa->setFocus(Qt::TabFocusReason);
        QTest::keyClick(io()->Ima_pa, Qt::Key_Menu);
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menu->setActiveAction(menu->actions().value(item));
            QTest::keyClick(menu, Qt::Key_Return);
        }
    };
    TForm_richedit script;
    QObject::connect(&script, &TForm_richedit::erreur, [&](const QString& m) { erreurs << m; });
    script.ouvrir_phases(disque.dossier_monte() + "/", &f);
    Services sur_le_disque = services(); // a window keeping its colours there
    sur_le_disque.fichier_couleurs = disque.chemin("a.clr");
    TForm1 g{sur_le_disque};
    faux.dialogues.eleves = Identite{"Léa Martin", "1re B"};
    const std::vector<std::pair<QString, std::function<void()>>> cas = {
        {"a.nst", [&] { f.ui()->Sauve1->trigger(); }},
        {"a.csv", [&] { menu_courbe(2); }},
        {"a.png", [&] { menu_courbe(1); }},
        {"a.pdf", [&] { f.ui()->Compterendu1->trigger(); }},
        {"phases_demo.rtf", [&] { script.findChild<QAction*>("Enregistrer1")->trigger(); }},
        {"a.clr", [&] { g.couleurs().sav_couleurs(); }},
        {"b.nst", [&] { f.ui()->Sauve1->trigger(); }},
        {"b.csv", [&] { // a writer failing half way, with room again
             QFile::remove(disque.chemin(".plein"));
             enregistrer_fichier_utilisateur(faux.dialogues, {}, [](QIODevice& d) { return d.write("moitié") < 0; });
         }}};
    anciens.sort();
    for (const auto& [nom, enregistrer] : cas) {
        faux.dialogues.reponses = {disque.chemin(nom)};
        faux.dialogues.messages.clear();
        erreurs.clear();
        enregistrer();
        const QString raison = nom == "b.csv" ? "le contenu n'a pas pu être préparé" : "le disque est plein";
        EXPECT_EQ(faux.dialogues.messages + erreurs,
                  QStringList("Impossible d'enregistrer le fichier " + natif(disque.chemin(nom)) + " : " + raison + "."));
        for (const QString& n : anciens)
            EXPECT_EQ(lire(disque.chemin(n)), "ancien\r\n") << n.toStdString();
        QStringList vus = QDir(disque.dossier_monte()).entryList(QDir::Files | QDir::Hidden);
        vus.removeAll(".plein");
        EXPECT_EQ(vus, anciens) << nom.toStdString();
    }
    // The recording is in no file: quitting still asks.
    faux.dialogues.reponses_questions = {Reponse::Annuler};
    f.ui()->Quitter1->trigger();
    EXPECT_EQ(faux.dialogues.questions, QStringList{"Enregistrer la séquence avant de quitter ?"});
}
