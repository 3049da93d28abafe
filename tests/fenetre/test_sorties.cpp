// Pictures and values out, in a real window: each picture's menu, opened
// with the right button, the Menu key or Shift+F10, copies the picture as
// the screen shows it, saves it as PNG and exports its values.
#include "fenetre/acces.h"

#include "common/dossiers_utilisateur.h"
#include "stimulation/graduations.h"

#include <QClipboard>
#include <QMenu>
#include <QScreen>

#include "impression.h"

using namespace quillon;
using namespace quillon::essais;

TEST_F(FenetreAcces, EachPictureIsCopiedSavedAndExportedAsTheScreenShowsIt)
{
    QTemporaryDir dossier;
    retenir_dossier_travail({});
    onglet(1);
    st()->Scroll_i_stim->setValue(30);
    onglet(2);
    // An empty chart: nothing to export.
    io()->Ima_pa->setFocus(Qt::TabFocusReason);
    QTest::keyClick(io()->Ima_pa, Qt::Key_Menu);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->actions().value(2)->isEnabled());
    menu->close();
    // Three steps recorded with GK at 60.
    io()->Scroll_gk->setValue(40);
    QTest::mouseClick(io()->BitBtn14, Qt::LeftButton);
    for (int i = 0; i < 3; ++i)
        f.ionique().tic_enregistrement();
    QTest::mouseClick(io()->BitBtn14, Qt::LeftButton);
    int geste = 0;
    // Item `item` of the menu of w, opened by the next of the three gestures; the items it showed.
    const auto choisir = [&](QWidget* w, int item, const QString& fichier) {
        faux.dialogues.reponses = {fichier};
        // The right button through the window system, which turns its press into a menu request.
        const QPoint p = w->mapTo(&f, QPoint(w->width() / 3, w->height() / 2));
        switch (++geste % 3) {
        case 0:
            QTest::mousePress(f.windowHandle(), Qt::RightButton, {}, p);
            QTest::mouseRelease(f.windowHandle(), Qt::RightButton, {}, p);
            break;
        case 1:
            w->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w, Qt::Key_Menu);
            break;
        default:
            w->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w, Qt::Key_F10, Qt::ShiftModifier);
        }
        QStringList textes;
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menu->actions())
                textes << a->text();
            menu->setActiveAction(menu->actions().value(item));
            QTest::keyClick(menu, Qt::Key_Return);
        }
        return textes;
    };
    const QStringList items = {"Copier l'image", "Enregistrer l'image...", "Exporter les valeurs..."};
    for (const auto& [page, nom, valeurs] : std::vector<std::tuple<int, QString, bool>>{
             {1, "stimulation", true}, {2, "courbe", true}, {2, "compartiments", false}, {0, "neurone", false}}) {
        SCOPED_TRACE(nom.toStdString());
        onglet(page);
        if (nom == "compartiments") {
            QTest::mouseClick(io()->BitBtn12, Qt::LeftButton);
            io()->ima_pe1->setFocus(Qt::TabFocusReason);
            for (QWidget* montree : {io()->ima_pe2, io()->ima_pe1}) {
                f.ionique().Timer_animTimer();
                f.ionique().montrer_animation();
                EXPECT_TRUE(montree->isVisible() && montree->hasFocus()) << "the focus follows the picture shown";
            }
        }
        const std::map<QString, std::vector<QWidget*>> zones = {
            {"stimulation", {st()->Ima_st, st()->Ima_grad}}, {"courbe", {io()->Ima_pa, io()->ima_leg}},
            {"compartiments", {io()->ima_pe1}}, {"neurone", {f.ui()->Image2}}};
        QRect r;
        for (QWidget* w : zones.at(nom))
            r |= QRect(w->mapTo(&f, QPoint()), w->size());
        barre_onglets()->setFocus(Qt::TabFocusReason);
        f.repaint(); // the page just shown, on the X server
        const QImage vu = f.screen()->grabWindow(f.winId(), r.x(), r.y(), r.width(), r.height()).toImage();
        for (int item = 0; item < (valeurs ? 3 : 2); ++item)
            EXPECT_EQ(choisir(zones.at(nom).front(), item, dossier.filePath(nom + (item == 1 ? ".png" : ".csv"))),
                      items.mid(0, valeurs ? 3 : 2)) << geste;
        // The clipboard and the PNG file hold the screen's pixels, the focus frame aside.
        const QImage copie = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(copie == vu.convertToFormat(QImage::Format_RGB32)) << copie.width() << "x" << copie.height();
        EXPECT_TRUE(QImage(dossier.filePath(nom + ".png")).convertToFormat(QImage::Format_RGB32) == copie);
        const DialogueFichier& d = faux.dialogues.demandes.back();
        EXPECT_TRUE(d.enregistrer && d.nom_fichier.startsWith(nom + "_20")) << d.nom_fichier.toStdString();
        EXPECT_EQ(d.dossier, dossier.path()) << "where the last file went";
    }
    EXPECT_EQ(faux.dialogues.demandes.front().dossier, dossier_documents());

    // The values read back are the model's.
    const std::vector<QStringList> s = lire_csv(lire(dossier.filePath("stimulation.csv")));
    ASSERT_EQ(s.size(), 91u);
    EXPECT_EQ(s[0].join(';'), "Intensité (V);" + st()->Lab_stim->text().chopped(2).replace('.', ','));
    // Each sample's time as the millisecond ruler under it reads it, between its ticks "0" and "10".
    const auto trait = [&](int i) {
        const Graduation g = graduation_temps(i, st()->Ima_grad->height() - 20);
        return st()->Ima_grad->x() + (g.x1 + g.x2) / 2.0;
    };
    const double zero = trait(0), pixels_ms = (trait(200) - zero) / 10;
    // Written to three decimals: the model's difference within 0.0005, and its
    // point on the screen within half a pixel and that (a difference of 0.50017
    // is drawn at 109 and read back as 0.500).
    const ReponseStimulation& rep = f.stimulation().reponse();
    for (std::size_t j = 1; j <= 80; ++j) {
        const double x = st()->Ima_st->x() + ReponseStimulation::pixels_par_echantillon * j + 3;
        EXPECT_NEAR(reel_fr(s[10 + j].value(0)), (x - zero) / pixels_ms, 0.07) << j;
        const double ecrit = reel_fr(s[10 + j].value(3));
        EXPECT_NEAR(ecrit, rep.ampl * (rep.enreg[j].voie1 - rep.enreg[j].voie2), 0.0005) << j;
        EXPECT_NEAR(110 - ecrit, rep.y(static_cast<int>(j)), 0.5005) << j;
    }
    const std::vector<QStringList> c = lire_csv(lire(dossier.filePath("courbe.csv")));
    ASSERT_EQ(c.size(), 4u);
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_NEAR(reel_fr(c[i].value(9)), f.ionique().modele().enregistreur.em_trace(static_cast<int>(i)), 0.005);
        EXPECT_LT(reel_fr(c[i].value(9)), -1) << "GK at 60 draws Em below 0";
    }

    // A file that cannot be written: a message, and nothing.
    onglet(2);
    choisir(io()->Ima_pa, 1, dossier.filePath("absent/courbe.png"));
    ASSERT_EQ(faux.dialogues.messages.size(), 1);
    EXPECT_TRUE(faux.dialogues.messages[0].startsWith("Impossible d'enregistrer le fichier "
                                                      + QDir::toNativeSeparators(dossier.filePath("absent/courbe.png"))));
    EXPECT_FALSE(QFileInfo::exists(dossier.filePath("absent")));
}
