#pragma once
// Helpers of the window tests.
#include "app/commandes_fichiers.h"
#include "app/programme.h"
#include "fenetre/gestes.h"
#include "regles/outils_regles.h"
#include "ui_tform1.h"

#include <QDir>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
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

    // Wires the window to the fakes, runs the start-up sequence (its
    // messages kept in erreurs) and shows the window.
    void demarrer(TForm1& g)
    {
        brancher(g);
        g.Timer_debutTimer();
        ASSERT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
        ASSERT_TRUE(montrer(g));
    }
    void brancher(TForm1& g)
    {
        faux.brancher(g);
        g.afficher_erreur = [this](const QString& m) { erreurs << m; };
    }

    QString dossier_initial;
    QStringList erreurs;
    Branchements faux;
};

// A click on the tab of a page, as the pupil chooses it.
inline void cliquer_onglet(TForm1& f, int page)
{
    cliquer_onglet(f.ui()->Notebook1, page);
}

} // namespace quillon::essais
