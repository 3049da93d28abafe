// A full disk (a real tmpfs, mounted when the tests run as root): no file of
// the user's own is destroyed or left empty, each failure is said, and a
// sequence that could not be saved is still offered at the end.
#include "fenetre/acces.h"

#include "shell/tform_richedit.h"

#include <QMenu>
#include <QTemporaryDir>

#ifndef Q_OS_WIN
#include <sys/mount.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>
#endif

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
        f.ionique().tic_enregistrement();
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

#ifndef Q_OS_WIN
// A read-only home (a real read-only bind mount, made when the tests run as
// root, which cannot write there either): the pupil's files go to the
// temporary folder and are said to be there, the settings that cannot be kept
// are said once and after them; a report that cannot be written keeps the
// window open at the quit question.
TEST_F(FenetreAcces, AReadOnlyHomeSaysWhereThePupilsFilesWentAndTheSettingsOnce)
{
    // The home, and the program folder as installed, seen read-only.
    QTemporaryDir maison, programme, temporaire;
    std::vector<std::unique_ptr<const QByteArray, void (*)(const QByteArray*)>> montages;
    for (const auto& [source, cible] : {std::pair{maison.path(), maison.path()}, {dossier_construit(), programme.path()}}) {
        const auto* c = new QByteArray(QFile::encodeName(cible));
        montages.emplace_back(c, [](const QByteArray* d) { umount2(d->constData(), MNT_DETACH); delete d; });
        if (geteuid() != 0 || mount(QFile::encodeName(source).constData(), c->constData(), nullptr, MS_BIND, nullptr) != 0)
            GTEST_SKIP() << "no bind mount: " << std::strerror(errno);
        ASSERT_EQ(mount(nullptr, c->constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr), 0) << std::strerror(errno);
    }
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(maison.path()));
    qputenv("TMPDIR", QFile::encodeName(temporaire.path()));
    TForm1 g{services(programme.path() + "/")};
    demarrer(g);
    ASSERT_TRUE(cliquer_onglet(g.ui()->Notebook1, 2));
    g.ionique().tic_enregistrement();
    faux.dialogues.eleves = Identite{"Léa Martin", "1re B"};
    const QString repli = "dans le dossier temporaire, car le dossier " + natif(maison.path()) + " n'accepte pas de fichier.";
    for (const auto& [nom, action] : std::vector<std::pair<QString, QAction*>>{{"ro_test.nst", g.ui()->Sauve1}, {"cr.pdf", g.ui()->Compterendu1}}) {
        faux.dialogues.messages.clear();
        faux.dialogues.reponses = {temporaire.filePath(nom)};
        action->trigger();
        EXPECT_EQ(faux.dialogues.demandes.back().dossier, temporaire.path());
        ASSERT_EQ(faux.dialogues.messages.size(), nom == "cr.pdf" ? 1 : 2) << faux.dialogues.messages.join('\n').toStdString();
        EXPECT_TRUE(faux.dialogues.messages[0].startsWith("Le fichier " + natif(temporaire.filePath(nom)) + " a été enregistré " + repli));
        EXPECT_TRUE(nom == "cr.pdf" || faux.dialogues.messages[1].startsWith("Quillon ne peut pas garder ses réglages : "));
    }
    faux.dialogues.reponses = {QString()};
    g.ui()->Ouvrir1->trigger();
    EXPECT_EQ(faux.dialogues.demandes.back().dossier, temporaire.path()) << "where the report was saved";
    g.ionique().tic_enregistrement(); // work the report does not hold
    faux.dialogues.reponses_questions = {Reponse::Non, Reponse::Autre};
    faux.dialogues.reponses = {maison.filePath("cr2.pdf")};
    g.ui()->Quitter1->trigger();
    EXPECT_TRUE(g.isVisible());
    EXPECT_TRUE(faux.dialogues.messages.back().startsWith("Impossible d'enregistrer le fichier " + natif(maison.filePath("cr2.pdf"))));
    qputenv("HOME", home);
    qunsetenv("TMPDIR");
}
#endif
