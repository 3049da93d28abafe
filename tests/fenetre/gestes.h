#pragma once
// The pupil's gestures on the real windows and the fakes the main window is
// wired to, shared by the window tests and the soak run (no test framework
// here): a tab clicked, a bar's arrow, an item chosen in a list, a widget
// dragged, a double click as the window system delivers it.
#include "app/commandes_fichiers.h"
#include "app/tform1.h"
#include "colours/mise_en_couleur.h"
#include "fenetre/geometrie.h"
#include "shell/lanceur.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <optional>
#include <vector>

namespace quillon::essais {

// A click on tab i of a notebook; true when its page shows then.
inline bool cliquer_onglet(QTabWidget* classeur, int i)
{
    QTabBar* b = classeur->tabBar();
    QTest::mouseClick(b, Qt::LeftButton, {}, b->tabRect(i).center());
    return classeur->currentIndex() == i;
}

// Clicks on an arrow of a bar (SC_ScrollBarAddLine: the lower one); false
// when the style draws no such arrow.
inline bool cliquer_fleche(QScrollBar* s, QStyle::SubControl quelle, int fois = 1)
{
    const QRect r = rect_fleche(s, quelle);
    for (int k = 0; k < fois && !r.isEmpty(); ++k)
        QTest::mouseClick(s, Qt::LeftButton, {}, r.center());
    return !r.isEmpty();
}

// Item i of a list: a click on its arrow, then the keys of the open list.
// What went wrong, or an empty text.
inline QString choisir_element(QComboBox* c, int i)
{
    QTest::mouseClick(c, Qt::LeftButton, {}, rect_fleche_liste(c).center());
    QAbstractItemView* v = c->view();
    if (!QTest::qWaitFor([&] { return v->isVisible(); }, 5000))
        return "the list " + c->objectName() + " did not open";
    QTest::keyClick(v, Qt::Key_Home);
    for (int k = 0; k < i; ++k)
        QTest::keyClick(v, Qt::Key_Down);
    QTest::keyClick(v, Qt::Key_Return);
    if (!QTest::qWaitFor([&] { return !v->isVisible(); }, 5000))
        return "the list " + c->objectName() + " did not close";
    if (c->currentIndex() != i)
        return QStringLiteral("%1 shows item %2, not %3").arg(c->objectName()).arg(c->currentIndex()).arg(i);
    return {};
}

// Drags w with the left button, grabbed at `prise` (its coordinates), by
// `d` in `pas` moves; the positions follow the widget as it moves.
inline void glisser(QWidget* w, QPoint prise, QPoint d, int pas = 4)
{
    const QPoint depart = w->mapToGlobal(prise);
    QTest::mousePress(w, Qt::LeftButton, {}, prise);
    for (int i = 1; i <= pas; ++i)
        QTest::mouseMove(w, w->mapFromGlobal(depart + d * i / pas));
    QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFromGlobal(depart + d));
}

// Drags w, grabbed at its centre, to bring its centre onto `centre` (its
// parent's coordinates).
inline void glisser_vers(QWidget* w, QPoint centre, int pas = 4)
{
    const QPoint prise(w->width() / 2, w->height() / 2);
    glisser(w, prise, centre - (w->pos() + prise), pas);
}

// Two quick clicks on a widget as the window system delivers them (the
// widget form of QTest's double click sends the double click alone).
inline void double_clic(QWidget* w, Qt::MouseButton b = Qt::LeftButton)
{
    QWidget* fenetre = w->window();
    QTest::mouseDClick(fenetre->windowHandle(), b, {}, w->mapTo(fenetre, w->rect().center()));
}

// Answers the file dialogs from a queue (a null name or nothing left:
// cancel) and keeps the messages.
class DialoguesFactices : public Dialogues {
public:
    std::optional<QString> choisir(const DialogueFichier& d) override
    {
        demandes.push_back(d);
        if (reponses.empty())
            return std::nullopt;
        const QString r = reponses.front();
        reponses.pop_front();
        return r.isNull() ? std::nullopt : std::optional<QString>(r);
    }
    void message(const QString& texte) override { messages << texte; }
    // Questions answered from `reponses_questions`, else "Non" (or "Annuler").
    Reponse question(const QString& texte, bool annuler) override
    {
        questions << texte;
        if (reponses_questions.empty())
            return annuler ? Reponse::Annuler : Reponse::Non;
        const Reponse r = reponses_questions.front();
        reponses_questions.pop_front();
        return r;
    }

    // Noted with its third button; answered from `reponses_questions` too, else "Non".
    Reponse question_ou(const QString& texte, const QString& autre) override
    {
        return reponses_questions.empty() ? (questions << texte + " [" + autre + "]", Reponse::Non)
                                          : question(texte + " [" + autre + "]", false);
    }

    std::optional<Identite> identite(const Identite& proposee) override
    {
        identites_proposees.push_back(proposee);
        return eleves;
    }

    std::deque<QString> reponses;
    std::deque<Reponse> reponses_questions;
    std::optional<Identite> eleves;
    std::vector<Identite> identites_proposees;
    QStringList questions;
    std::vector<DialogueFichier> demandes;
    QStringList messages;
};

// Documents and programs noted, none opened or started.
struct FauxLanceur : Lanceur {
    QStringList documents;
    std::vector<LancementMerlade> lancements;
    bool ouvrir_document(const QString& chemin) override
    {
        documents << chemin;
        return true;
    }
    bool demarrer(const LancementMerlade& l) override
    {
        lancements.push_back(l);
        return true;
    }
};

// The system's own services on the program folder `dossier_prog`; the
// messages to `erreur` when it is given.
inline Services systeme(const QString& dossier_prog, std::function<void(const QString&)> erreur = {})
{
    Services s;
    s.dossier_prog = dossier_prog;
    s.afficher_erreur = std::move(erreur);
    return s;
}

// What a main window under test is given: its messages kept, its colours
// file and the acquisition program's folder in a folder of its own, the
// file dialogs, the launcher and the printer check faked.
struct Branchements {
    QTemporaryDir annexe;
    QStringList messages;
    DialoguesFactices dialogues;
    FauxLanceur lanceur;
    bool imprimante = false; // whether a printer is installed

    // For a window whose program folder is `dossier_prog`.
    Services services(const QString& dossier_prog)
    {
        Services s = systeme(dossier_prog, [this](const QString& m) { messages << m; });
        s.dossier_mrl = annexe.filePath(QStringLiteral("mrl_absent"));
        s.fichier_couleurs = annexe.filePath(QStringLiteral("couleurs.clr"));
        s.dialogues = &dialogues;
        s.lanceur = &lanceur;
        s.imprimante_installee = [this] { return imprimante; };
        return s;
    }
};

} // namespace quillon::essais
