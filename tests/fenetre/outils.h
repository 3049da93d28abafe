#pragma once
// Helpers of the window tests.
#include "app/commandes_fichiers.h"
#include "app/programme.h"
#include "fenetre/geometrie.h"
#include "ui_tform1.h"

#include <QDir>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <optional>
#include <vector>
#include <gtest/gtest.h>

namespace quillon::essais {

// The build's program folder, holding the bitmaps.
inline QString dossier_construit()
{
    return QStringLiteral(QUILLON_DOSSIER_TEST);
}

// A program folder with the five bitmaps, less the one named.
inline void copier_bitmaps(const QTemporaryDir& dossier, const QString& sauf = QString())
{
    for (const char* nom : {"an.bmp", "k.bmp", "na.bmp", "fl_i_e.bmp", "fl_e_i.bmp"}) {
        const QString n = QString::fromLatin1(nom);
        if (n != sauf)
            QFile::copy(dossier_construit() + n, dossier.path() + "/" + n);
    }
}

// Shows the window and waits until the X server has mapped it.
inline bool montrer(QWidget& w)
{
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

// A fixture whose tests start main windows on the X server; the current
// directory, which pages change, is given back after each test.
class FenetreDemarree : public ::testing::Test {
protected:
    void SetUp() override { dossier_initial = QDir::currentPath(); }
    void TearDown() override { QDir::setCurrent(dossier_initial); }

    // Runs the start-up sequence (its messages kept in erreurs) and shows the window.
    void demarrer(TForm1& g)
    {
        g.afficher_erreur = [this](const QString& m) { erreurs << m; };
        g.Timer_debutTimer();
        ASSERT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
        ASSERT_TRUE(montrer(g));
    }

    QString dossier_initial;
    QStringList erreurs;
};

// A click on the tab of a page, as the pupil chooses it.
inline void cliquer_onglet(TForm1& f, int page)
{
    QTabBar* onglets = f.ui()->Notebook1->tabBar();
    QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(page).center());
}

// Two quick clicks on a widget as the window system delivers them (the
// widget form of QTest's double click sends the double click alone).
inline void double_clic(QWidget* w, Qt::MouseButton b = Qt::LeftButton)
{
    QWidget* fenetre = w->window();
    QTest::mouseDClick(fenetre->windowHandle(), b, {}, w->mapTo(fenetre, w->rect().center()));
}

// Answers the file dialogs from a queue (a null name or nothing left: cancel)
// and keeps the messages.
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

    std::deque<QString> reponses;
    std::vector<DialogueFichier> demandes;
    QStringList messages;
};

} // namespace quillon::essais
