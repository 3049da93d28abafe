// Screen-reader access, in a real window: the verdicts the correction marks
// announce, and an accessible name for every control.
#include "fenetre/acces.h"

#include "common/lecture_image.h"
#include "common/etiquette.h"
#include "common/forme.h"
#include "common/classeur.h"
#include "ui_tform_image.h"
#include "ui_tform_richedit.h"
#include "ui_tmise_couleur.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <array>
#include <optional>

#include "impression.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

QString texte_accessible(QWidget* w, QAccessible::Text t)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i != nullptr ? i->text(t) : QStringLiteral("(pas d'interface)");
}

// The caption a control shows itself, which Qt gives as its name.
QString legende_propre(const QWidget* w)
{
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    return QString();
}

// Part of a control Qt composes (the list of a combo box, the bars of a text
// box, the scroll buttons of the tab row): named by Qt, not by the program.
bool partie_interne(const QWidget* w, const QWidget* racine)
{
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != racine; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QComboBox*>(p)
            || qobject_cast<const QTabBar*>(p) || qobject_cast<const QMenuBar*>(p))
            return true;
    }
    return false;
}

// The controls under `racine`, visible or taking the focus, that have no
// name of their own: neither an accessible name nor a caption (a name Qt
// borrows from the surrounding group's title does not count). Plain
// containers (a page, the window's central area) are no controls.
QStringList sans_nom(QWidget* racine, int* examines = nullptr)
{
    QStringList manquants;
    int n = 0;
    for (QWidget* w : racine->findChildren<QWidget*>()) {
        if (partie_interne(w, racine))
            continue;
        const bool focusable = w->focusPolicy() != Qt::NoFocus;
        if (!w->isVisible() && !focusable)
            continue;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        if (i == nullptr) {
            manquants << nom(w) + " (pas d'interface)";
            continue;
        }
        const QAccessible::Role role = i->role();
        const bool conteneur = !focusable && !w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty()
                               && (role == QAccessible::Client || role == QAccessible::Pane
                                   || role == QAccessible::LayeredPane);
        if (conteneur)
            continue;
        ++n;
        const QString propre = !w->accessibleName().isEmpty() ? w->accessibleName() : legende_propre(w);
        const QString annonce = i->text(QAccessible::Name);
        if (propre.trimmed().isEmpty() || annonce.trimmed().isEmpty())
            manquants << QStringLiteral("%1 (%2, « %3 »)").arg(nom(w), w->metaObject()->className(), annonce);
    }
    if (examines != nullptr)
        *examines = n;
    return manquants;
}

} // namespace

// ---- Verdicts ---------------------------------------------------------------------

TEST_F(FenetreAcces, TheMarksOfTheSheetAnnounceTheirVerdict)
{
    onglet(1);
    const std::array<Forme*, 7> marques = f.stimulation().cercles();
    for (Forme* m : marques)
        EXPECT_EQ(texte_accessible(m, QAccessible::Description), "Résultat : non corrigé") << nom(m).toStdString();

    // Two right answers typed; the rest left empty.
    st()->fib_lpr->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(st()->fib_lpr, "500");
    QTest::keyClick(st()->fib_lpr, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "666");
    ASSERT_EQ(st()->fib_cpr->text(), "666");
    st()->BitBtn19->setFocus(Qt::TabFocusReason);
    QTest::keyClick(st()->BitBtn19, Qt::Key_Space);
    for (Forme* m : marques) {
        const bool juste = m == st()->freq_long || m == st()->freq_court;
        EXPECT_EQ(m->pinceau(), juste ? QColor(0, 255, 0) : QColor(255, 0, 0)) << nom(m).toStdString();
        EXPECT_EQ(texte_accessible(m, QAccessible::Description), juste ? "Résultat : juste" : "Résultat : faux")
            << nom(m).toStdString();
        EXPECT_TRUE(texte_accessible(m, QAccessible::Name).startsWith("Réponse : ")) << nom(m).toStdString();
    }

    // Changed since the correction: back to the uncorrected look, and said;
    // typed back as it was corrected, the verdict again; corrected again, it follows.
    st()->fib_lpr->selectAll();
    QTest::keyClicks(st()->fib_lpr, "12");
    EXPECT_EQ(st()->freq_long->pinceau(), QColor(255, 255, 255));
    EXPECT_EQ(texte_accessible(st()->freq_long, QAccessible::Description), "Réponse modifiée après la correction : non corrigée");
    EXPECT_EQ(st()->freq_court->pinceau(), QColor(0, 255, 0));
    st()->fib_lpr->selectAll();
    QTest::keyClicks(st()->fib_lpr, "500");
    EXPECT_EQ(texte_accessible(st()->freq_long, QAccessible::Description), "Résultat : juste");
    st()->fib_lpr->selectAll();
    QTest::keyClicks(st()->fib_lpr, "12");
    QTest::mouseClick(st()->BitBtn19, Qt::LeftButton);
    EXPECT_EQ(texte_accessible(st()->freq_long, QAccessible::Description), "Résultat : faux");
    EXPECT_EQ(texte_accessible(st()->freq_court, QAccessible::Description), "Résultat : juste");
}

TEST_F(FenetreAcces, TheLegendsAnnounceTheirVerdictOnlyAfterACorrection)
{
    const auto placer = [&](int k, int t) {
        Etiquette* e = accueil().legende(k);
        e->setFocus(Qt::TabFocusReason);
        QTest::keyClick(e, Qt::Key_Space);
        for (int i = 0; i < 10 && !place(t).contains(e->geometry().center()); ++i)
            QTest::keyClick(e, Qt::Key_Right);
        QTest::keyClick(e, Qt::Key_Space);
        ASSERT_EQ(e->pos(), place(t).topLeft());
    };
    placer(2, 2);
    placer(7, 8);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(texte_accessible(accueil().legende(k), QAccessible::Description), "") << k;
    EXPECT_EQ(texte_accessible(accueil().legende(2), QAccessible::Name), "Axone");

    QTest::mouseClick(f.ui()->BitBtn3, Qt::LeftButton);
    EXPECT_EQ(f.ui()->lab_result->text(), "10 %");
    EXPECT_EQ(texte_accessible(accueil().legende(2), QAccessible::Description), "Résultat : juste");
    EXPECT_EQ(texte_accessible(accueil().legende(7), QAccessible::Description), "Résultat : faux");
    for (int k : {1, 3, 4, 5, 6, 8, 9, 10})
        EXPECT_EQ(texte_accessible(accueil().legende(k), QAccessible::Description), "") << k;

    // Moved again: no verdict until the next correction.
    placer(7, 7);
    EXPECT_EQ(texte_accessible(accueil().legende(7), QAccessible::Description), "");
    QTest::mouseClick(f.ui()->BitBtn3, Qt::LeftButton);
    EXPECT_EQ(texte_accessible(accueil().legende(7), QAccessible::Description), "Résultat : juste");

    QTest::mouseClick(f.ui()->BitBtn23, Qt::LeftButton);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(texte_accessible(accueil().legende(k), QAccessible::Description), "") << k;
}

// ---- Names -------------------------------------------------------------------------

TEST(NomsAccessibles, TheCheckFindsAnUnnamedControl)
{
    QWidget boite;
    auto* bouton = new QPushButton(&boite);
    bouton->setObjectName("bouton");
    auto* forme = new Forme(&boite);
    forme->setObjectName("forme");
    auto* barre = new QScrollBar(&boite);
    barre->setObjectName("barre");
    auto* groupe = new QGroupBox(QStringLiteral("Un groupe"), &boite);
    auto* saisie = new QLineEdit(groupe);
    saisie->setObjectName("saisie");
    auto* nommee = new QLineEdit(groupe);
    nommee->setAccessibleName(QStringLiteral("Saisie nommée"));
    new QLabel(QStringLiteral("Une légende"), &boite);
    auto* case_ = new QCheckBox(QStringLiteral("Une case"), &boite);
    case_->setObjectName("case");
    boite.show();
    const QStringList manquants = sans_nom(&boite);
    ASSERT_EQ(manquants.size(), 4) << manquants.join('\n').toStdString();
    EXPECT_TRUE(manquants[0].startsWith("bouton"));
    EXPECT_TRUE(manquants[1].startsWith("forme"));
    EXPECT_TRUE(manquants[2].startsWith("barre"));
    EXPECT_TRUE(manquants[3].startsWith("saisie")) << "the group's title is not its name";
}

TEST(NomsAccessibles, EveryControlOfEveryPageAndDialogHasAName)
{
    QStringList erreurs;
    Programme p{systeme(dossier_construit(), [&](const QString& m) { erreurs << m; })};
    p.Form1.Timer_debutTimer();
    ASSERT_TRUE(montrer(p.Form1));
    ASSERT_TRUE(erreurs.isEmpty());
    Classeur* pages = p.Form1.ui()->Notebook1;
    // Controls of hidden pages take the focus all the same: every page is
    // looked at each time, the visible one with its pictures and shapes too.
    int examines = 0;
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        EXPECT_EQ(sans_nom(&p.Form1, &examines), QStringList()) << "page " << i;
        EXPECT_GT(examines, 50) << "page " << i;
    }
    // The equilibrium-potential mode shows its arrows and its buttons.
    pages->setCurrentIndex(2);
    QTest::mouseClick(p.Form1.ionique().ui()->BitBtn12, Qt::LeftButton);
    ASSERT_TRUE(p.Form1.ionique().ui()->Ima_fl_i_e->isVisible());
    EXPECT_EQ(sans_nom(&p.Form1), QStringList()) << "equilibrium-potential mode";

    // The tabs without a caption are named too.
    QAccessibleInterface* onglets = QAccessible::queryAccessibleInterface(pages->tabBar());
    ASSERT_NE(onglets, nullptr);
    ASSERT_GE(onglets->childCount(), pages->count());
    for (int i = 0; i < pages->count(); ++i)
        EXPECT_FALSE(onglets->child(i)->text(QAccessible::Name).trimmed().isEmpty()) << i;

    p.AboutBox().show();
    p.mise_couleur().show();
    p.Form_richedit().ouvrir_phases(dossier_construit(), nullptr);
    p.Form_image().definir_titre(QStringLiteral("Mesure de la période réfractaire"));
    ASSERT_EQ(p.Form_image().lire_image(dossier_construit() + "refract.jpg"), std::nullopt);
    for (QWidget* d : std::initializer_list<QWidget*>{&p.AboutBox(), &p.mise_couleur(), &p.Form_richedit(), &p.Form_image()}) {
        ASSERT_TRUE(d->isVisible()) << nom(d).toStdString();
        EXPECT_EQ(sans_nom(d, &examines), QStringList()) << nom(d).toStdString();
        EXPECT_GE(examines, 2) << nom(d).toStdString();
    }
    EXPECT_EQ(texte_accessible(p.Form_image().ui()->Image1, QAccessible::Name), "Mesure de la période réfractaire");
    for (QWidget* d : std::initializer_list<QWidget*>{&p.AboutBox(), &p.mise_couleur(), &p.Form_richedit(), &p.Form_image()})
        d->hide();
}

TEST(NomsAccessibles, TheDescriptiveNamesOfTheBarsShapesAndPictures)
{
    TForm1 f{systeme(dossier_construit(), [](const QString&) {})};
    f.Timer_debutTimer();
    const Ui::PageIonique* io = f.ionique().ui();
    const Ui::PageStimulation* st = f.stimulation().ui();
    const std::vector<std::pair<QWidget*, const char*>> attendus = {
        {io->Scroll_ki, "Concentration intérieure de K+"},
        {io->Scroll_nae, "Concentration extérieure de Na+"},
        {io->Scroll_gk, "Perméabilité au K+ (GK)"},
        {io->Scroll_gna, "Perméabilité au Na+ (GNa)"},
        {io->Ima_pa, "Courbe du potentiel de membrane"},
        {st->Shape_enr1, "Électrode d'enregistrement 1"},
        {st->Shape_anode, "Anode"},
        {st->Shape_cathode, "Cathode"},
        {st->Scroll_i_stim, "Intensité de stimulation"},
        {st->Scroll_temps, "Intervalle entre les deux stimulations"},
        {st->Ima_st, "Écran d'enregistrement"},
        {st->Ima_grad, "Graduation en millisecondes"},
        {st->refr_rel, "Réponse : période réfractaire relative"},
        {st->BitBtn19, "Correction"},
        {st->Radio_nerf_fibre, "Fibre"},
        {f.ui()->BitBtn23, "Enlever les légendes"},
        {f.ui()->quillon3, "Place à légender"},
    };
    for (const auto& [w, attendu] : attendus)
        EXPECT_EQ(texte_accessible(w, QAccessible::Name), QString::fromUtf8(attendu)) << nom(w).toStdString();
}
