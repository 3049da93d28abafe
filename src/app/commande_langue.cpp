#include "commande_langue.h"

#include "app/apparence.h"
#include "app/commande_taille.h"
#include "app/commandes_fichiers.h"
#include "app/preferences.h"
#include "app/tform1.h"
#include "common/dialogues.h"
#include "common/dossiers_utilisateur.h"
#include "common/langue.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace quillon {

CommandeLangue::CommandeLangue(TForm1& fenetre, QMenu* menu, CommandeTaille& redemarrage, const QString& dossier_prog)
    : QObject(&fenetre), f_(fenetre), redemarrage_(redemarrage), dossier_prog_(dossier_prog)
{
    auto* groupe = new QActionGroup(this);
    for (const QString& code : langues_disponibles(dossier_prog)) {
        // Its first letter as its access key ("&Français", "&English").
        QAction* a = menu->addAction(QLatin1Char('&') + nom_langue(code, dossier_prog).replace(QLatin1Char('&'), QLatin1String("&&")));
        a->setObjectName(QStringLiteral("Langue_") + code);
        a->setCheckable(true);
        a->setChecked(code == langue_en_cours());
        groupe->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] { choisir(code); });
    }
}

void CommandeLangue::choisir(const QString& code)
{
    f_.fichiers().dialogues().dire_reglages(retenir_langue(code));
    if (code == langue_en_cours())
        return;
    // Asked in the language being left and again in the one chosen, so that
    // whoever chose it reads the question whichever they understand.
    static const char* const question = QT_TRANSLATE_NOOP(
        "CommandeLangue", "La langue choisie sera appliquée au prochain démarrage de Quillon.\n\n"
                          "Redémarrer maintenant ? Les pages reprendront alors leur état de départ "
                          "(légendes, réglages, réponses).");
    const QString texte = QCoreApplication::translate("CommandeLangue", question) + QStringLiteral("\n\n") +
                          texte_en(code, dossier_prog_, "CommandeLangue", question);
    redemarrage_.redemarrer_si_accepte(texte, QCoreApplication::translate(
        "CommandeLangue", "Impossible de redémarrer Quillon : la langue choisie sera appliquée au prochain démarrage."));
}

} // namespace quillon
