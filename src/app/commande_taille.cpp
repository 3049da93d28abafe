#include "commande_taille.h"

#include "app/commandes_fichiers.h"
#include "app/taille_ecran.h"
#include "common/dossiers_utilisateur.h"
#include "app/tform1.h"
#include "shell/lanceur.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QScreen>

namespace quillon {

namespace {

QSize a_100(QSize s)
{
    const int t = taille_affichage_en_cours();
    return {s.width() * t / 100, s.height() * t / 100};
}

} // namespace

QAction* MenuTaille::action(int taille) const
{
    switch (taille) {
    case 125: return taille125;
    case 150: return taille150;
    case 200: return taille200;
    default: return taille100;
    }
}

CommandeTaille::CommandeTaille(TForm1& fenetre, const MenuTaille& menu, Lanceur& lanceur, const QString& programme)
    : QObject(&fenetre), f_(fenetre), menu_(menu), lanceur_(lanceur), programme_(programme),
      cochee_(taille_affichage_en_cours())
{
    auto* groupe = new QActionGroup(this);
    for (int t : tailles_affichage) {
        QAction* a = menu_.action(t);
        groupe->addAction(a);
        connect(a, &QAction::triggered, this, [this, t] { choisir(t); });
    }
    menu_.taille100->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    // "+" typed with or without Shift (the keyboard layout does not always
    // take the Shift off), the key "=" it shares, or on the numeric keypad.
    menu_.agrandir->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus),
                                QKeySequence(Qt::CTRL | Qt::Key_Equal),
                                QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus))});
    menu_.reduire->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus))});
    connect(menu_.agrandir, &QAction::triggered, this, &CommandeTaille::agrandir);
    connect(menu_.reduire, &QAction::triggered, this, &CommandeTaille::reduire);
    connect(menu_.menu, &QMenu::aboutToShow, this, &CommandeTaille::actualiser);
    actualiser();
}

QSize CommandeTaille::fenetre_a_100() const
{
    // The window's outer size does not change with the display size: only
    // the screen, measured in larger pixels, looks smaller.
    return f_.frameGeometry().size().expandedTo(QSize(TForm1::largeur, TForm1::hauteur));
}

QSize CommandeTaille::ecran_a_100() const
{
    const QScreen* ecran = f_.screen();
    return ecran != nullptr ? a_100(ecran->availableGeometry().size()) : a_100(fenetre_a_100());
}

void CommandeTaille::actualiser()
{
    const int retenue = cochee_;
    const QSize fenetre = fenetre_a_100(), ecran = ecran_a_100();
    for (int t : tailles_affichage) {
        QAction* a = menu_.action(t);
        a->setEnabled(t == retenue || taille_possible(t, fenetre, ecran));
        a->setChecked(t == retenue);
    }
    menu_.agrandir->setEnabled(taille_voisine(retenue, +1, fenetre, ecran) != retenue);
    menu_.reduire->setEnabled(taille_voisine(retenue, -1, fenetre, ecran) != retenue);
}

void CommandeTaille::agrandir()
{
    choisir(taille_voisine(cochee_, +1, fenetre_a_100(), ecran_a_100()));
}

void CommandeTaille::reduire()
{
    choisir(taille_voisine(cochee_, -1, fenetre_a_100(), ecran_a_100()));
}

void CommandeTaille::choisir(int taille)
{
    if (taille != 100 && !taille_possible(taille, fenetre_a_100(), ecran_a_100()))
        taille = cochee_;
    f_.fichiers().dialogues().dire_reglages(retenir_taille_affichage(taille));
    cochee_ = taille;
    actualiser();
    if (taille == taille_affichage_en_cours())
        return;
    const QString texte =
        QCoreApplication::translate("CommandeTaille",
                                    "La taille d'affichage %1 % sera appliquée au prochain démarrage de Quillon.\n\n"
                                    "Redémarrer maintenant ? Les pages reprendront alors leur état de départ "
                                    "(légendes, réglages, réponses).")
            .arg(taille);
    redemarrer_si_accepte(texte);
}

void CommandeTaille::redemarrer_si_accepte(const QString& question, const QString& echec)
{
    if (f_.fichiers().dialogues().question(question, false) != Reponse::Oui)
        return;
    if (!f_.rien_a_perdre(
            QCoreApplication::translate("CommandeTaille", "La séquence de la page \"Equilibres ioniques\" n'a pas été "
                                                          "enregistrée.\n\nL'enregistrer avant de redémarrer ?"),
            QCoreApplication::translate("CommandeTaille",
                                        "Le compte rendu de ce travail n'a pas été enregistré. Redémarrer quand même ?")))
        return;
    redemarrer(echec);
}

void CommandeTaille::redemarrer(const QString& echec)
{
    const QString programme = programme_.isEmpty() ? QCoreApplication::applicationFilePath() : programme_;
    // The new run starts first: when it cannot, this one stays and says so.
    // It applies its size to the factor the sizes apply to, not to this run's,
    // and opens no file behind the pupil's back: its pages start afresh.
    const QByteArray facteur = facteur_pour_relancer();
    const bool parti = QFileInfo(programme).isExecutable()
                       && lanceur_.demarrer({programme, arguments_sans_fichier(f_.ligne_de_commande()), f_.dossier_lancement()});
    remettre_facteur(facteur);
    if (!parti) {
        f_.fichiers().dialogues().message(
            !echec.isEmpty() ? echec
                             : QCoreApplication::translate(
                                 "CommandeTaille",
                                 "Impossible de redémarrer Quillon : la taille choisie sera appliquée au prochain démarrage."));
        return;
    }
    f_.fermer_sans_question();
}

} // namespace quillon
