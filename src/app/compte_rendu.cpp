#include "compte_rendu.h"

#include "app/tform1.h"
#include "common/controles.h"
#include "ionic/page_ionique.h"
#include "labelling/page_accueil.h"
#include "stimulation/page_stimulation.h"
#include "stimulation/valeurs_stimulation.h"
#include "ui_page_ionique.h"
#include "ui_page_stimulation.h"
#include "ui_tform1.h"

#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRadioButton>
#include <QCheckBox>
#include <QScrollBar>
#include <QRegularExpression>

namespace quillon {

namespace {

// The distance between two electrodes on the centimetre ruler.
QString cm(int left1, int left2)
{
    return QLocale().toString(std::abs(position_cm(left1) - position_cm(left2)), 'f', 1) + QStringLiteral(" cm");
}

QString texte_reponse(const QWidget* w)
{
    if (const auto* c = qobject_cast<const QComboBox*>(w))
        return c->currentText();
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    return {};
}

SectionRapport legendes(TForm1& f)
{
    SectionRapport s;
    s.titre = QStringLiteral("Légendes du neurone");
    Ui::TForm1& u = *f.ui();
    QWidget* dessin = u.Image2;
    s.vues.push_back({dessin->parentWidget(), dessin->geometry()});
    const QString score = u.lab_result->text().trimmed();
    s.lignes << (score.isEmpty() ? QStringLiteral("Correction : pas encore demandée.")
                                 : QStringLiteral("Correction : %1").arg(score));
    return s;
}

SectionRapport stimulation(TForm1& f)
{
    PageStimulation& page = f.stimulation();
    Ui::PageStimulation& u = *page.ui();
    SectionRapport s;
    s.titre = QStringLiteral("Stimulation d'un nerf ou d'une fibre");
    // The recording screen with its marks and its millisecond ruler.
    const QRect ecran = u.Ima_st->geometry();
    s.vues.push_back({u.Ima_st->parentWidget(), QRect(0, ecran.top() - 4, u.Ima_st->parentWidget()->width(),
                                                      u.Ima_st->parentWidget()->height() - ecran.top() + 4)});
    const int anode = page.electrode(Electrode::anode)->x();
    const int cathode = page.electrode(Electrode::cathode)->x();
    const int enr1 = page.electrode(Electrode::enr1)->x();
    const int enr2 = page.electrode(Electrode::enr2)->x();
    s.lignes << QStringLiteral("Intensité de stimulation : %1").arg(u.Lab_stim->text().trimmed())
             << QStringLiteral("Polarité : anode à %1 de la cathode").arg(anode < cathode ? "gauche" : "droite")
             << QStringLiteral("Stimulation : %1").arg(u.Radio_nerf_fibre->isChecked() ? "Fibre" : "Nerf")
             << (page.deux_stim()
                     ? QStringLiteral("Seconde stimulation : oui, %1 ms après la première")
                           .arg(QLocale().toString(temps_ms(u.Scroll_temps->value()), 'f', 2))
                     : QStringLiteral("Seconde stimulation : non"))
             << QStringLiteral("Anode - cathode : %1").arg(cm(cathode, anode))
             << QStringLiteral("Cathode - électrode d'enregistrement 1 : %1").arg(cm(enr1, cathode))
             << QStringLiteral("Électrode d'enregistrement 1 - électrode 2 : %1").arg(cm(enr2, enr1));
    const struct {
        const QWidget* question;
        const QWidget* reponse;
        const QWidget* unite;
    } feuille[] = {{u.Label5, u.pref_rel, u.Label17},     {u.Label6, u.pref_abs, u.Label18},
                   {u.Label7, u.fib_lpr, u.Label19},      {u.Label8, u.fib_cpr, u.Label20},
                   {u.Label23, u.vit_influx, u.Label24},  {u.Label27, u.combo_electrode, nullptr},
                   {u.Label28, u.Edit_seuil, u.Label29}};
    const std::array<Forme*, 7> marques = page.cercles();
    s.lignes << QString();
    for (std::size_t i = 0; i < std::size(feuille); ++i) {
        const auto* q = qobject_cast<const QLabel*>(feuille[i].question);
        const QString reponse = texte_reponse(feuille[i].reponse).trimmed();
        QString ligne = QStringLiteral("%1 %2").arg(q != nullptr ? q->text().trimmed() : QString(),
                                                    reponse.isEmpty() ? QStringLiteral("(sans réponse)") : reponse);
        if (const auto* unite = qobject_cast<const QLabel*>(feuille[i].unite); unite != nullptr && !reponse.isEmpty())
            ligne += QLatin1Char(' ') + unite->text().trimmed();
        const QString verdict = marques[i]->accessibleDescription();
        if (!verdict.isEmpty())
            ligne += QStringLiteral(" — ") + verdict;
        s.lignes << ligne;
    }
    return s;
}

SectionRapport ionique(TForm1& f)
{
    PageIonique& page = f.ionique();
    Ui::PageIonique& u = *page.ui();
    SectionRapport s;
    s.titre = QStringLiteral("Équilibres ioniques");
    for (const Etiquette* l : {u.lab_ki, u.lab_ke, u.lab_nai, u.lab_nae, u.lab_gk, u.lab_gna, u.Lab_ek, u.Lab_ena,
                               u.Lab_em})
        if (!l->text().trimmed().isEmpty())
            s.lignes << l->text().simplified();
    // The chart with its Em scale on its left.
    const QRect graphe = u.Ima_pa->geometry();
    s.vues.push_back({u.Ima_pa->parentWidget(), QRect(0, graphe.top() - 24, graphe.right() + 2, graphe.height() + 34)});
    const SequenceNernst sequence = page.modele().sequence();
    if (!sequence.etapes.empty()) {
        s.tableau << QStringLiteral("Pas;GK;GNa;[K]i;[K]e;[Na]i;[Na]e;Em (mV)");
        int n = 0;
        for (const EtapeNernst& e : sequence.etapes)
            s.tableau << QStringLiteral("%1;%2;%3;%4;%5;%6;%7;%8")
                             .arg(++n)
                             .arg(e.gk)
                             .arg(e.gna)
                             .arg(e.k_int)
                             .arg(e.k_ext)
                             .arg(e.na_int)
                             .arg(e.na_ext)
                             .arg(QLocale().toString(e.em, 'f', 2));
    }
    return s;
}

// Lays the report out page by page; with no painter it only counts pages.
class MiseEnPage {
public:
    MiseEnPage(QPagedPaintDevice& sortie, QPainter* p, const Identite& qui, const QDateTime& quand, int total)
        : sortie_(sortie), p_(p), qui_(qui), quand_(quand), total_(total)
    {
        const QPageLayout mise = sortie.pageLayout();
        zone_ = mise.paintRectPixels(sortie.logicalDpiX());
        zone_.moveTo(0, 0);
        mm_ = sortie.logicalDpiX() / 25.4;
    }

    int pages() const { return page_; }

    void nouvelle_page()
    {
        if (page_ > 0 && p_ != nullptr)
            sortie_.newPage();
        ++page_;
        y_ = 0;
        entete();
    }

    void titre(const QString& t)
    {
        texte(t, 14, true);
        y_ += mm(2);
    }

    void texte(const QString& t, double points = 10.5, bool gras = false)
    {
        QFont police(QStringLiteral("Liberation Sans"));
        police.setPointSizeF(points);
        police.setBold(gras);
        const QFontMetricsF m(police, &sortie_);
        const QRectF cadre = m.boundingRect(QRectF(0, 0, zone_.width(), 1e6), Qt::TextWordWrap, t);
        const double h = std::max(cadre.height(), m.height());
        place(h);
        if (p_ != nullptr) {
            p_->setFont(police);
            p_->setPen(Qt::black);
            p_->drawText(QRectF(0, y_, zone_.width(), h), Qt::TextWordWrap, t);
        }
        y_ += h + mm(0.8);
    }

    // A widget's rectangle, drawn again at the paper's resolution, as wide
    // as the text at most and no taller than `hauteur_max` millimetres.
    void vue(const SectionRapport::Vue& v, double hauteur_max)
    {
        const double echelle = std::min(zone_.width() / double(v.zone.width()),
                                        mm(hauteur_max) / double(v.zone.height()));
        const double h = v.zone.height() * echelle;
        place(h);
        if (p_ != nullptr) {
            p_->save();
            p_->translate((zone_.width() - v.zone.width() * echelle) / 2, y_);
            p_->scale(echelle, echelle);
            // Children reaching out of the rectangle (a long caption) stop at its edges.
            p_->setClipRect(QRect(QPoint(0, 0), v.zone.size()));
            v.widget->render(p_, QPoint(), QRegion(v.zone), QWidget::DrawChildren);
            p_->restore();
        }
        y_ += h + mm(3);
    }

    void tableau(const QStringList& lignes)
    {
        QFont police(QStringLiteral("Liberation Sans"));
        police.setPointSizeF(8.5);
        const QFontMetricsF m(police, &sortie_);
        const double h = m.height() * 1.25;
        const double colonne = zone_.width() / 8.0;
        for (int i = 0; i < lignes.size(); ++i) {
            if (!place(h) && i > 0) { // the header again on the next page
                if (p_ != nullptr)
                    ligne_tableau(lignes.front(), h, colonne, police, true);
                y_ += h;
            }
            if (p_ != nullptr)
                ligne_tableau(lignes[i], h, colonne, police, i == 0);
            y_ += h;
        }
        y_ += mm(3);
    }

private:
    double mm(double n) const { return n * mm_; }

    // Room for h more: a new page when the page is full; false then.
    bool place(double h)
    {
        if (y_ + h <= zone_.height() || y_ <= debut_contenu_)
            return true;
        nouvelle_page();
        return false;
    }

    void ligne_tableau(const QString& ligne, double h, double colonne, QFont police, bool gras)
    {
        police.setBold(gras);
        p_->setFont(police);
        const QStringList cases = ligne.split(QLatin1Char(';'));
        for (int c = 0; c < cases.size(); ++c) {
            const QRectF r(c * colonne, y_, colonne, h);
            p_->setPen(QPen(Qt::gray, 0));
            p_->drawRect(r);
            p_->setPen(Qt::black);
            p_->drawText(r, Qt::AlignCenter, cases[c]);
        }
    }

    void entete()
    {
        QFont police(QStringLiteral("Liberation Sans"));
        police.setPointSizeF(8.5);
        const QFontMetricsF m(police, &sortie_);
        if (p_ != nullptr) {
            p_->setFont(police);
            p_->setPen(Qt::black);
            const QRectF l1(0, 0, zone_.width(), m.height());
            const QRectF l2(0, m.height(), zone_.width(), m.height());
            p_->drawText(l1, Qt::AlignLeft, QStringLiteral("Quillon %1 — compte rendu").arg(QStringLiteral(QUILLON_VERSION)));
            p_->drawText(l1, Qt::AlignRight, QStringLiteral("page %1 / %2").arg(page_).arg(total_));
            p_->drawText(l2, Qt::AlignLeft,
                         QStringLiteral("%1 — classe : %2").arg(qui_.noms.isEmpty() ? QStringLiteral("(sans nom)") : qui_.noms,
                                                                qui_.classe.isEmpty() ? QStringLiteral("—") : qui_.classe));
            p_->drawText(l2, Qt::AlignRight, QLocale().toString(quand_, QStringLiteral("dddd d MMMM yyyy, HH:mm")));
            p_->setPen(QPen(Qt::black, 0));
            p_->drawLine(QPointF(0, 2 * m.height() + mm(1)), QPointF(zone_.width(), 2 * m.height() + mm(1)));
        }
        y_ = 2 * m.height() + mm(5);
        debut_contenu_ = y_;
    }

    QPagedPaintDevice& sortie_;
    QPainter* p_;
    const Identite& qui_;
    const QDateTime& quand_;
    int total_;
    QRect zone_;
    double mm_ = 1;
    int page_ = 0;
    double y_ = 0;
    double debut_contenu_ = 0;
};

int mettre_en_page(QPagedPaintDevice& sortie, QPainter* p, const std::vector<SectionRapport>& sections,
                   const Identite& qui, const QDateTime& quand, int total)
{
    MiseEnPage m(sortie, p, qui, quand, total);
    if (sections.empty()) {
        m.nouvelle_page();
        m.titre(QStringLiteral("Compte rendu"));
        m.texte(QStringLiteral("Aucune partie du travail pratique n'a encore été faite : ni légendes placées, "
                               "ni stimulation, ni équilibres ioniques."));
        return m.pages();
    }
    for (const SectionRapport& s : sections) {
        m.nouvelle_page();
        m.titre(s.titre);
        for (const SectionRapport::Vue& v : s.vues)
            m.vue(v, s.vues.size() > 1 ? 80 : 120);
        for (const QString& l : s.lignes)
            m.texte(l);
        if (!s.tableau.isEmpty())
            m.tableau(s.tableau);
    }
    return m.pages();
}

} // namespace

std::vector<SectionRapport> sections_utilisees(TForm1& f)
{
    std::vector<SectionRapport> sections;
    const ExerciceLegendes& e = f.accueil().exercice();
    // The score shows from the start: only legends laid on the drawing count.
    bool posees = false;
    for (int k = 1; k <= e.nb_legendes(); ++k)
        posees = posees || e.placement(k).posee != 0;
    if (posees)
        sections.push_back(legendes(f));
    if (f.page_vue(1))
        sections.push_back(stimulation(f));
    if (f.page_vue(2))
        sections.push_back(ionique(f));
    return sections;
}

int dessiner_compte_rendu(QPagedPaintDevice& sortie, const std::vector<SectionRapport>& sections,
                          const Identite& qui, const QDateTime& quand)
{
    const int total = mettre_en_page(sortie, nullptr, sections, qui, quand, 0);
    QPainter p(&sortie); // painting starts at the margins' corner
    if (!p.isActive())
        return 0;
    return mettre_en_page(sortie, &p, sections, qui, quand, total);
}

bool ecrire_compte_rendu(QIODevice& fichier, const std::vector<SectionRapport>& sections, const Identite& qui,
                         const QDateTime& quand)
{
    {
        QPdfWriter pdf(&fichier);
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("Compte rendu Quillon — %1").arg(qui.noms));
        pdf.setCreator(QStringLiteral("Quillon"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 15),
                                      QPageLayout::Millimeter));
        if (dessiner_compte_rendu(pdf, sections, qui, quand) == 0)
            return false;
    }
    return true;
}

QString nom_compte_rendu(const Identite& qui, const QDate& jour)
{
    QString noms = qui.noms.simplified();
    noms.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\s]+")), QStringLiteral("_"));
    return QStringLiteral("compte_rendu_%1%2.pdf")
        .arg(noms.isEmpty() ? QString() : noms + QLatin1Char('_'), jour.toString(Qt::ISODate));
}

} // namespace quillon

namespace quillon {

namespace {

bool demander_identite(TForm1& f)
{
    const std::optional<Identite> qui = f.fichiers().dialogues().identite(f.eleves);
    if (!qui)
        return false;
    f.eleves = *qui;
    return true;
}

} // namespace

void Compterendu1Click(TForm1& f)
{
    if (!demander_identite(f))
        return;
    const QDateTime maintenant = QDateTime::currentDateTime();
    enregistrer_fichier_utilisateur(f.fichiers().dialogues(),
                                    {QStringLiteral("SaveDialogCompteRendu"), QStringLiteral("pdf"),
                                     QStringLiteral("PDF (*.pdf)"), nom_compte_rendu(f.eleves, maintenant.date()),
                                     true, {}},
                                    [&](QIODevice& fichier) {
                                        return ecrire_compte_rendu(fichier, sections_utilisees(f), f.eleves,
                                                                   maintenant);
                                    });
}

void Imprimercompterendu1Click(TForm1& f)
{
    if (!demander_identite(f))
        return;
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 15),
                                         QPageLayout::Millimeter));
    QPrintDialog dialogue(&imprimante, &f);
    dialogue.setWindowTitle(QStringLiteral("Imprimer le compte rendu"));
    if (dialogue.exec() != QDialog::Accepted)
        return;
    if (dessiner_compte_rendu(imprimante, sections_utilisees(f), f.eleves, QDateTime::currentDateTime()) == 0)
        f.fichiers().dialogues().message(QStringLiteral("Impossible d'imprimer le compte rendu."));
}

} // namespace quillon
