// The parts of the soak run's cycle, each a classroom use of one page.
#include "endurance/endurance.h"

namespace quillon::essais {

void Endurance::cycle()
{
    for (const Partie& e : parties()) {
        if (arreter())
            return;
        if (!choisies_.isEmpty() && !choisies_.contains(QLatin1String(e.nom)))
            continue;
        (this->*e.faire)();
        souffler();
    }
}

void Endurance::accueil()
{
    onglet(0);
    PageAccueil& a = p_.Form1.accueil();
    const std::vector<QWidget*> cibles = a.cibles();
    for (int n = 0; n < 50 && !arreter(); ++n) {
        const int k = au_hasard(1, a.nb_legendes());
        QPoint vise;
        if (au_hasard(0, 9) < 7)
            vise = cibles.at(static_cast<std::size_t>(au_hasard(0, int(cibles.size()) - 1)))->geometry().center();
        else
            vise = QPoint(au_hasard(20, 880), au_hasard(20, 480));
        glisser_legende(k, vise);
        if (n % 10 == 9) {
            cliquer(p_.Form1.ui()->BitBtn3);
            verifier(p_.Form1.ui()->lab_result->text().endsWith(QLatin1String(" %")),
                     "score after Correction: " + p_.Form1.ui()->lab_result->text());
        }
        if (n % 25 == 24)
            cliquer(p_.Form1.ui()->BitBtn23);
    }
    // The whole exercise by hand: one hundred per cent.
    for (int k = 1; k <= a.nb_legendes(); ++k)
        glisser_legende(k, cibles.at(static_cast<std::size_t>(k - 1))->geometry().center());
    cliquer(p_.Form1.ui()->BitBtn3);
    verifier(p_.Form1.ui()->lab_result->text() == QLatin1String("100 %"),
             "every legend on its place scores " + p_.Form1.ui()->lab_result->text());
    // A legend carried from the keyboard: Space, an arrow, Space.
    Etiquette* e = a.legende(au_hasard(1, a.nb_legendes()));
    e->setFocus();
    touche(e, Qt::Key_Space);
    touche(e, Qt::Key_Right);
    touche(e, Qt::Key_Down);
    touche(e, Qt::Key_Space);
    cliquer(p_.Form1.ui()->BitBtn23);
    cliquer(p_.Form1.ui()->BitBtn3);
    verifier(p_.Form1.ui()->lab_result->text() == QLatin1String("0 %"),
             "no legend placed scores " + p_.Form1.ui()->lab_result->text());
    // "Informations sur le logiciel": the teachers' document, to the fake.
    lanceur_.documents.clear();
    cliquer(p_.Form1.ui()->BitBtn2);
    verifier(lanceur_.documents.size() == 1, "Informations opened no document");
}

void Endurance::glisser_legende(int k, QPoint centre)
{
    glisser_vers(p_.Form1.accueil().legende(k), centre);
    ++glissements_legendes_;
    souffler();
}

void Endurance::phases()
{
    onglet(0);
    TForm_richedit& v = p_.Form_richedit();
    cliquer(p_.Form1.ui()->BitBtn24);
    verifier(v.isVisible(), "the test phases' viewer is not shown");
    QToolButton* bouton = phases_descendre_ ? v.ui()->btn_bas : v.ui()->BitBtn1;
    int precedente = -2;
    for (int n = 0; n < 400 && v.ligne_doc() != precedente; ++n) {
        precedente = v.ligne_doc();
        cliquer(bouton);
        ++pas_phases_;
    }
    const int lignes = static_cast<int>(v.lignes().size());
    if (phases_descendre_)
        verifier(v.ligne_doc() == lignes - 1, QStringLiteral("stepping stopped at line %1 of %2").arg(v.ligne_doc()).arg(lignes));
    else
        verifier(v.ligne_doc() == 0, QStringLiteral("stepping up stopped at line %1").arg(v.ligne_doc()));
    phases_descendre_ = !phases_descendre_;
    touche(&v, Qt::Key_Escape);
    souffler();
    if (v.isVisible()) {
        v.close();
        souffler();
    }
    verifier(!v.isVisible(), "the test phases' viewer stays open");
}

void Endurance::stimulation()
{
    onglet(1);
    Ui::PageStimulation* s = p_.Form1.stimulation().ui();
    fleche(s->Scroll_i_stim, QStyle::SC_ScrollBarSubLine, au_hasard(5, 30));
    for (int n = 0; n < 50 && !arreter(); ++n) {
        const Electrode e = static_cast<Electrode>(au_hasard(0, 3));
        glisser_electrode(e, au_hasard(-120, 120));
        switch (n % 10) {
        case 2:
            fleche(s->Scroll_i_stim, au_hasard(0, 1) ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine,
                   au_hasard(1, 12));
            break;
        case 4:
            s->Scroll_i_stim->setFocus();
            touche(s->Scroll_i_stim, au_hasard(0, 1) ? Qt::Key_PageUp : Qt::Key_PageDown);
            break;
        case 5:
            cliquer(s->CheckBox1);
            break;
        case 6:
            fleche(s->Scroll_temps, au_hasard(0, 1) ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine,
                   au_hasard(1, 8));
            break;
        case 7:
            s->Scroll_temps->setFocus();
            touche(s->Scroll_temps, au_hasard(0, 1) ? Qt::Key_Left : Qt::Key_Right);
            break;
        case 8:
            cliquer(au_hasard(0, 3) == 0 ? s->Radio_nerf_fibre : s->Radio_nerf_nerf);
            break;
        case 9:
            if (au_hasard(0, 4) == 0)
                cliquer(s->Shape_nerf);
            break;
        default:
            break;
        }
        verifier(s->Lab_stim->text().endsWith(QLatin1String(" V")), "intensity label: " + s->Lab_stim->text());
    }
    // A focused electrode moved with the arrows.
    QWidget* e = p_.Form1.stimulation().electrode(static_cast<Electrode>(au_hasard(0, 3)));
    e->setFocus();
    for (int k = 0; k < 6; ++k)
        touche(e, k % 2 ? Qt::Key_Left : Qt::Key_Right, k < 2 ? Qt::ShiftModifier : Qt::NoModifier);
    cliquer(s->Radio_nerf_nerf);
    souffler();
}

void Endurance::glisser_electrode(Electrode e, int dx)
{
    glisser(p_.Form1.stimulation().electrode(e), QPoint(2, 10), QPoint(dx, 0), au_hasard(2, 5));
    ++glissements_electrodes_;
    souffler();
}

void Endurance::questions()
{
    onglet(1);
    Ui::PageStimulation* s = p_.Form1.stimulation().ui();
    const bool juste = cycles_ % 2 == 1;
    choisir(s->pref_rel, juste ? s->pref_rel->findText("2") : au_hasard(0, s->pref_rel->count() - 1));
    choisir(s->pref_abs, juste ? s->pref_abs->findText("1.5") : au_hasard(0, s->pref_abs->count() - 1));
    choisir(s->combo_electrode, juste ? s->combo_electrode->findText(QStringLiteral("la cathode")) : 0);
    const struct {
        QLineEdit* champ;
        const char* juste;
    } champs[] = {{s->fib_lpr, "500"}, {s->fib_cpr, "666"}, {s->vit_influx, "40"}, {s->Edit_seuil, "0.20"}};
    for (const auto& c : champs) {
        c.champ->setFocus();
        c.champ->selectAll();
        QTest::keyClicks(c.champ, juste ? QString::fromLatin1(c.juste) : QString::number(au_hasard(1, 999)));
        souffler();
    }
    cliquer(s->BitBtn19);
    int vertes = 0;
    for (Forme* c : p_.Form1.stimulation().cercles()) {
        const QColor couleur = c->pinceau();
        verifier(couleur == QColor(0, 255, 0) || couleur == QColor(255, 0, 0),
                 "correction mark " + c->objectName() + " is " + couleur.name());
        vertes += couleur == QColor(0, 255, 0);
    }
    if (juste)
        verifier(vertes == 7, QStringLiteral("right answers: %1 green marks of 7").arg(vertes));
    ++corrections_;
}

void Endurance::choisir(QComboBox* c, int i)
{
    if (const QString faute = choisir_element(c, i); !faute.isEmpty())
        anomalie(faute);
}

void Endurance::visionneuse()
{
    onglet(1);
    TForm_image& v = p_.Form_image();
    for (QPushButton* b : {p_.Form1.stimulation().ui()->BitBtn8, p_.Form1.stimulation().ui()->BitBtn9}) {
        cliquer(b);
        verifier(v.isVisible(), "the picture viewer is not shown after " + b->objectName());
        boucle(200);
        touche(&v, Qt::Key_Escape);
        souffler();
        verifier(!v.isVisible(), "Escape leaves the picture viewer open");
        if (v.isVisible())
            v.close();
        ++images_;
    }
}

void Endurance::barres_ioniques()
{
    onglet(2);
    PageIonique& page = p_.Form1.ionique();
    if (page.modele().mode_anim)
        cliquer(page.ui()->BitBtn13);
    const bool clavier = cycles_ % 2 == 1;
    for (int i = 0; i < nb_barres && !arreter(); ++i) {
        QScrollBar* s = page.barre(static_cast<Barre>(i));
        if (clavier) {
            s->setFocus();
            touche(s, Qt::Key_Home);
            for (int n = 0; n < 400 && s->value() < s->maximum(); ++n) {
                touche(s, Qt::Key_Down);
                ++pas_barres_;
                souffler();
            }
            verifier(s->value() == s->maximum(), s->objectName() + " did not reach its end by the keys");
            touche(s, Qt::Key_PageUp);
        } else {
            const QPoint bas = rect_fleche(s, QStyle::SC_ScrollBarAddLine).center();
            const QPoint haut = rect_fleche(s, QStyle::SC_ScrollBarSubLine).center();
            for (int n = 0; n < 400 && s->value() < s->maximum(); ++n) {
                QTest::mouseClick(s, Qt::LeftButton, {}, bas);
                ++pas_barres_;
                souffler();
            }
            verifier(s->value() == s->maximum(), s->objectName() + " did not reach its end by its arrow");
            for (int n = 0; n < 400 && s->value() > s->minimum(); ++n) {
                QTest::mouseClick(s, Qt::LeftButton, {}, haut);
                ++pas_barres_;
                souffler();
            }
            verifier(s->value() == s->minimum(), s->objectName() + " did not reach its top by its arrow");
        }
    }
    // Back to the start-up values, from the keyboard, then the pictures.
    const int depart[nb_barres] = {292, 150, 294, 156, 100, 100}; // nai, ki, ke, nae, gk, gna
    for (int i = 0; i < nb_barres; ++i) {
        QScrollBar* s = page.barre(static_cast<Barre>(i));
        s->setFocus();
        touche(s, Qt::Key_End);
        for (int n = 0; n < 400 && s->value() > depart[i]; ++n)
            touche(s, Qt::Key_Up);
        souffler();
    }
    Ui::PageIonique* u = page.ui();
    for (ImageControle* im : {u->ima_ke, u->ima_ki, u->ima_nai, u->ima_nae}) {
        for (int k = 0; k < 3; ++k)
            cliquer(im, Qt::LeftButton);
        for (int k = 0; k < 3; ++k)
            cliquer(im, Qt::RightButton);
    }
    for (int k = 0; k < 2; ++k) {
        p_.Form1.ui()->Afficherlespotdquilibre1->trigger();
        souffler();
    }
    verifier(u->lab_gk->text() == QStringLiteral("GK=%1").arg(100 - page.barre(Barre::gk)->value()),
             "GK label: " + u->lab_gk->text());
}

void Endurance::enregistrement()
{
    onglet(2);
    PageIonique& page = p_.Form1.ionique();
    Ui::PageIonique* u = page.ui();
    const EquilibresIoniques& m = page.modele();
    if (m.mode_anim)
        cliquer(u->BitBtn13);
    if (u->BitBtn16->text() != QLatin1String("Program.COURBE"))
        cliquer(u->BitBtn16);
    finir_essai();
    cliquer(u->BitBtn15); // EFFACER
    verifier(m.enregistreur.pas == 0 && m.enregistreur.pas_max == 0, "EFFACER left a sequence");
    cliquer(u->BitBtn14);
    verifier(u->BitBtn14->text() == QLatin1String("STOP") && p_.Form1.ionique().minuteries().Timer_courbe->isActive(),
             "Lancer COURBE did not start the recording");
    QScrollBar* gk = page.barre(Barre::gk);
    gk->setFocus();
    for (int k = 0; k < 5; ++k)
        touche(gk, Qt::Key_PageUp);
    boucle(1600); // three ticks of the real timer
    QScrollBar* ke = page.barre(Barre::ke);
    for (int n = 0; n < 200 && p_.Form1.ionique().minuteries().Timer_courbe->isActive(); ++n) {
        if (n % 7 == 0) {
            QScrollBar* s = n % 14 ? gk : ke;
            s->setFocus();
            touche(s, au_hasard(0, 1) ? Qt::Key_Up : Qt::Key_Down);
        }
        p_.Form1.ionique().tic_enregistrement();
        souffler();
    }
    verifier(m.enregistreur.pas == Enregistreur::dernier_pas, QStringLiteral("the recording ended at step %1").arg(m.enregistreur.pas));
    verifier(!p_.Form1.ionique().minuteries().Timer_courbe->isActive() && u->BitBtn14->text() == QLatin1String("Lancer COURBE"),
             "the recording did not stop after step 83");
    verifier(u->BitBtn12->isEnabled(), "the equilibrium switch stays disabled after the recording");
    ++enregistrements_;
}

void Endurance::programmation()
{
    onglet(2);
    PageIonique& page = p_.Form1.ionique();
    Ui::PageIonique* u = page.ui();
    const EquilibresIoniques& m = page.modele();
    cliquer(u->BitBtn16);
    verifier(u->BitBtn16->text() == QLatin1String("Fin program.") && u->recule1->isVisible() && u->BitBtn17->isVisible(),
             "Program.COURBE did not show its buttons");
    const int fin = m.enregistreur.pas_max;
    QScrollBar* gna = page.barre(Barre::gna);
    QScrollBar* ki = page.barre(Barre::ki);
    for (int n = 0; n < 30; ++n) {
        cliquer(u->recule1);
        if (n % 3 == 0) {
            QScrollBar* s = n % 2 ? gna : ki;
            s->setFocus();
            touche(s, au_hasard(0, 1) ? Qt::Key_Up : Qt::Key_Down);
            souffler();
        }
    }
    const int retour = std::max(1, fin - 30);
    verifier(m.enregistreur.pas == retour, QStringLiteral("<-- went back to step %1, not %2").arg(m.enregistreur.pas).arg(retour));
    for (int n = 0; n < 40; ++n)
        cliquer(u->BitBtn17);
    const int avance = std::min(retour + 40, int(Enregistreur::dernier_pas));
    verifier(m.enregistreur.pas == avance, QStringLiteral("--> went to step %1, not %2").arg(m.enregistreur.pas).arg(avance));
    cliquer(u->BitBtn16); // "Fin program.": the trial run starts
    verifier(p_.Form1.ionique().minuteries().Timer_reaff->isActive(), "Fin program. did not start the trial run");
    boucle(1200); // its real timer first
    finir_essai();
    ++essais_;
}

void Endurance::finir_essai()
{
    for (int n = 0; n < 1000 && p_.Form1.ionique().minuteries().Timer_reaff->isActive(); ++n) {
        p_.Form1.ionique().tic_essai();
        souffler();
    }
    verifier(!p_.Form1.ionique().minuteries().Timer_reaff->isActive(), "the trial run never ended");
}

void Endurance::enregistrer_rouvrir()
{
    onglet(2);
    PageIonique& page = p_.Form1.ionique();
    const EquilibresIoniques& m = page.modele();
    const SequenceNernst avant = m.enregistreur.sequence();
    const QString nom = temp_.filePath(QStringLiteral("sequence_%1.nst").arg(cycles_ % 3));
    QFile::remove(nom);
    dialogues_.demandes.clear();
    dialogues_.reponses = {nom};
    p_.Form1.ui()->Sauve1->trigger();
    souffler();
    verifier(QFileInfo::exists(nom), "Enregistrer wrote no file");
    cliquer(page.ui()->BitBtn15);
    verifier(m.enregistreur.sequence().etapes.empty(), "EFFACER kept the sequence");
    dialogues_.reponses = {nom};
    p_.Form1.ui()->Ouvrir1->trigger();
    souffler();
    const SequenceNernst relu = m.enregistreur.sequence();
    bool pareil = relu.etapes.size() == avant.etapes.size();
    for (std::size_t i = 0; pareil && i < relu.etapes.size(); ++i) {
        const EtapeNernst &a = avant.etapes[i], &b = relu.etapes[i];
        pareil = a.gk == b.gk && a.gna == b.gna && a.k_int == b.k_int && a.k_ext == b.k_ext && a.na_int == b.na_int
                 && a.na_ext == b.na_ext && std::abs(a.em - b.em) <= 1e-9 * (1 + std::abs(a.em));
    }
    verifier(pareil, QStringLiteral("reopened %1 steps, saved %2").arg(relu.etapes.size()).arg(avant.etapes.size()));
    verifier(p_.Form1.ionique().minuteries().Timer_reaff->isActive(), "Ouvrir did not replay the sequence");
    finir_essai();
    verifier(dialogues_.messages.isEmpty(), "file messages: " + dialogues_.messages.join(" | "));
    dialogues_.messages.clear();
    ++sauvegardes_;
}

void Endurance::animation()
{
    onglet(2);
    PageIonique& page = p_.Form1.ionique();
    Ui::PageIonique* u = page.ui();
    const EquilibresIoniques& m = page.modele();
    if (!m.mode_anim)
        cliquer(u->BitBtn12);
    verifier(m.mode_anim, "the equilibrium-potential mode did not start");
    if (!m.mode_anim)
        return;
    for (QScrollBar* s : {page.barre(Barre::ki), page.barre(Barre::ke)}) {
        s->setFocus();
        touche(s, Qt::Key_Home);
        souffler();
    }
    verifier(m.anim.nb_part == 600, QStringLiteral("%1 particles, not 600").arg(m.anim.nb_part));
    cliquer(u->GO);
    verifier(u->GO->text() == QLatin1String("STOP") && p_.Form1.ionique().minuteries().Timer_anim->isActive(), "LANCER did not start the animation");
    const qint64 avant = tops_animation_;
    boucle(2000);
    // [K]e moved while it runs: a refill, then back to 300.
    QScrollBar* ke = page.barre(Barre::ke);
    ke->setFocus();
    touche(ke, Qt::Key_Down);
    boucle(300);
    touche(ke, Qt::Key_Home);
    boucle(2000);
    verifier(m.anim.nb_part == 600, QStringLiteral("%1 particles after the move, not 600").arg(m.anim.nb_part));
    const qint64 tops = tops_animation_ - avant;
    verifier(tops >= 100, QStringLiteral("only %1 animation ticks in 4.3 s").arg(tops));
    cliquer(u->GO);
    verifier(!p_.Form1.ionique().minuteries().Timer_anim->isActive(), "STOP left the animation running");
    cliquer(u->BitBtn13);
    verifier(!m.mode_anim, "leaving the equilibrium-potential mode failed");
    ++animations_;
}

void Endurance::couleurs()
{
    for (int page : {0, 1, 2}) {
        onglet(page);
        bool vu = false;
        QTimer::singleShot(0, [this, &vu] {
            Tmise_couleur& d = p_.mise_couleur();
            vu = d.isVisible();
            if (!vu)
                return;
            auto* u = d.ui();
            for (QScrollBar* s : {u->scroll_rouge, u->Scroll_vert, u->Scroll_bleu}) {
                s->setFocus();
                QTest::keyClick(s, Qt::Key_Home);
                const int fois = au_hasard(0, 12);
                for (int k = 0; k < fois; ++k)
                    QTest::keyClick(s, Qt::Key_PageDown);
            }
            QTest::mouseClick(u->OKBtn, Qt::LeftButton);
        });
        p_.Form1.ui()->Miseencouleur1->trigger();
        souffler();
        verifier(vu, "the colour dialog was not shown");
        verifier(!p_.mise_couleur().isVisible(), "OK left the colour dialog open");
        ++couleurs_;
    }
    verifier(QFileInfo::exists(p_.Form1.couleurs().fichier()), "the colours file was not written");
}

void Endurance::apropos()
{
    bool vu = false;
    QTimer::singleShot(0, [this, &vu] {
        vu = p_.AboutBox().isVisible();
        QTest::mouseClick(p_.AboutBox().ui()->OKButton, Qt::LeftButton);
    });
    p_.Form1.ui()->Apropos1->trigger();
    souffler();
    verifier(vu && !p_.AboutBox().isVisible(), "the about box did not open and close");
}

void Endurance::autres_pages()
{
    for (int i : {3, 4, 5, 0})
        onglet(i);
    Classeur* nb = p_.Form1.ui()->Notebook1;
    for (int k = 0; k < 6; ++k) {
        QTest::keyClick(nb, Qt::Key_Tab, Qt::ControlModifier);
        souffler();
    }
    verifier(nb->currentIndex() == 0, QStringLiteral("six Ctrl+Tab from the first page end on page %1").arg(nb->currentIndex()));
}

} // namespace quillon::essais
