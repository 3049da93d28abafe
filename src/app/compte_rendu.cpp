#include "compte_rendu.h"

#include "app/images_compte_rendu.h"
#include "app/tform1.h"
#include "common/tableur.h"
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
#include <QPrinterInfo>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRadioButton>
#include <QCheckBox>
#include <QScrollBar>
#include <QRegularExpression>
#include <cmath>

namespace quillon {

namespace {

// A French document: a decimal comma, whatever the screen or the system writes.
QString virgule(double x, int decimales)
{
    return TableurCsv::nombre(x, decimales);
}

// The distance between two electrodes on the centimetre ruler.
QString cm(int left1, int left2)
{
    return virgule(std::abs(position_cm(left1) - position_cm(left2)), 1) + QStringLiteral(" cm");
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
    s.images.push_back(image_legendes(f));
    // The score label reads "0 %" from the start: only a correction asked for gives a score.
    const QString score = f.ui()->lab_result->text().trimmed();
    s.lignes << (f.accueil().exercice().correction_demandee() && !score.isEmpty()
                     ? QStringLiteral("Correction : %1").arg(score)
                     : QStringLiteral("Correction : pas encore demandée"));
    return s;
}

SectionRapport stimulation(TForm1& f)
{
    PageStimulation& page = f.stimulation();
    Ui::PageStimulation& u = *page.ui();
    SectionRapport s;
    s.titre = QStringLiteral("Stimulation d'un nerf ou d'une fibre");
    s.images.push_back(image_nerf(page));
    s.images.push_back(image_ecran(page));
    const int anode = page.electrode(Electrode::anode)->x();
    const int cathode = page.electrode(Electrode::cathode)->x();
    const int enr1 = page.electrode(Electrode::enr1)->x();
    const int enr2 = page.electrode(Electrode::enr2)->x();
    s.lignes << QStringLiteral("Intensité de stimulation : %1").arg(u.Lab_stim->text().trimmed())
             << QStringLiteral("Polarité : anode à %1 de la cathode").arg(anode < cathode ? "gauche" : "droite")
             << QStringLiteral("Stimulation : %1").arg(u.Radio_nerf_fibre->isChecked() ? "Fibre" : "Nerf")
             << (page.deux_stim()
                     ? QStringLiteral("Seconde stimulation : oui, %1 ms après la première")
                           .arg(virgule(temps_ms(u.Scroll_temps->value()), 2))
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
    for (QString& l : s.lignes)
        l = virgule_decimale(l);
    return s;
}

SectionRapport ionique(TForm1& f)
{
    PageIonique& page = f.ionique();
    Ui::PageIonique& u = *page.ui();
    SectionRapport s;
    s.titre = QStringLiteral("Équilibres ioniques");
    // The values as the page shows them, with their units.
    const struct {
        const Etiquette* etiquette;
        const char* unite;
    } valeurs[] = {{u.lab_ki, ""},  {u.lab_ke, ""},     {u.lab_nai, ""},     {u.lab_nae, ""}, {u.lab_gk, ""},
                   {u.lab_gna, ""}, {u.Label9, " mV"}, {u.Label10, " mV"}, {u.Lab_em, " mV"}};
    for (const auto& v : valeurs) {
        const QString texte = v.etiquette->text().simplified();
        if (v.etiquette->isVisibleTo(u.Ima_pa->parentWidget()) && !texte.isEmpty())
            s.lignes << virgule_decimale(texte.endsWith(QLatin1String(v.unite).trimmed())
                                             ? texte
                                             : texte + QLatin1String(v.unite));
    }
    s.images.push_back(image_cuve(page));
    s.images.push_back(image_graphe(page));
    // The steps the chart holds, recorded or programmed, with the potential it plotted.
    const std::vector<EquilibresIoniques::PasTrace> etapes = page.modele().pas_du_graphe();
    if (!etapes.empty()) {
        s.tableau << QStringLiteral("Pas;GK;GNa;[K]i;[K]e;[Na]i;[Na]e;EeqK (mV);EeqNa (mV);Em (mV)");
        for (const EquilibresIoniques::PasTrace& e : etapes) {
            QStringList cases;
            for (int v : {e.pas, e.gk, e.gna, e.k_int, e.k_ext, e.na_int, e.na_ext})
                cases << QString::number(v);
            cases << virgule(e.e_k, 2) << virgule(e.e_na, 2)
                  << (std::isfinite(e.em) ? virgule(e.em, 2) : QStringLiteral("—"));
            s.tableau << cases.join(QLatin1Char(';'));
        }
    }
    return s;
}

// Lays the report out page by page; with no painter it only counts pages.
class MiseEnPage {
public:
    MiseEnPage(QPagedPaintDevice& sortie, QPainter* p, const Identite& qui, const QDateTime& quand, int total,
               const QPageRanges& pages)
        : sortie_(sortie), p_(p), qui_(qui), quand_(quand), total_(total), pages_(pages)
    {
        const QPageLayout mise = sortie.pageLayout();
        zone_ = mise.paintRectPixels(sortie.logicalDpiX());
        zone_.moveTo(0, 0);
        mm_ = sortie.logicalDpiX() / 25.4;
    }

    int pages() const { return page_; }
    int pages_dessinees() const { return dessinees_; }

    // The next page; drawn only when it is in the range asked for.
    void nouvelle_page()
    {
        ++page_;
        trait_ = p_ != nullptr && (pages_.isEmpty() || pages_.contains(page_)) ? p_ : nullptr;
        if (trait_ != nullptr && dessinees_++ > 0)
            sortie_.newPage();
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
        if (trait_ != nullptr) {
            trait_->setFont(police);
            trait_->setPen(Qt::black);
            trait_->drawText(QRectF(0, y_, zone_.width(), h), Qt::TextWordWrap, t);
        }
        y_ += h + mm(0.8);
    }

    // A picture, as wide as the text at most and no taller than `hauteur_max` millimetres.
    void image(const QImage& image, double hauteur_max)
    {
        const QSizeF taille = image.deviceIndependentSize();
        const double echelle = std::min(zone_.width() / taille.width(), mm(hauteur_max) / taille.height());
        const double h = taille.height() * echelle;
        place(h);
        if (trait_ != nullptr)
            trait_->drawImage(QRectF((zone_.width() - taille.width() * echelle) / 2, y_, taille.width() * echelle, h),
                              image);
        y_ += h + mm(3);
    }

    void tableau(const QStringList& lignes)
    {
        QFont police(QStringLiteral("Liberation Sans"));
        police.setPointSizeF(8.5);
        const QFontMetricsF m(police, &sortie_);
        const double h = m.height() * 1.25;
        const double colonne = zone_.width() / std::max<qsizetype>(1, lignes.front().count(QLatin1Char(';')) + 1);
        for (int i = 0; i < lignes.size(); ++i) {
            if (!place(h) && i > 0) { // the header again on the next page
                if (trait_ != nullptr)
                    ligne_tableau(lignes.front(), h, colonne, police, true);
                y_ += h;
            }
            if (trait_ != nullptr)
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
        trait_->setFont(police);
        const QStringList cases = ligne.split(QLatin1Char(';'));
        for (int c = 0; c < cases.size(); ++c) {
            const QRectF r(c * colonne, y_, colonne, h);
            trait_->setPen(QPen(Qt::gray, 0));
            trait_->drawRect(r);
            trait_->setPen(Qt::black);
            trait_->drawText(r, Qt::AlignCenter, cases[c]);
        }
    }

    void entete()
    {
        QFont police(QStringLiteral("Liberation Sans"));
        police.setPointSizeF(8.5);
        const QFontMetricsF m(police, &sortie_);
        if (trait_ != nullptr) {
            trait_->setFont(police);
            trait_->setPen(Qt::black);
        }
        // The names wrap beside the date, never under it.
        const QString date = QLocale(QLocale::French).toString(quand_, QStringLiteral("dddd d MMMM yyyy, HH:mm"));
        const QString noms =
            QStringLiteral("%1 — classe : %2")
                .arg(qui_.noms.isEmpty() ? QStringLiteral("(sans nom)") : qui_.noms.simplified(),
                     qui_.classe.isEmpty() ? QStringLiteral("—") : qui_.classe.simplified());
        const double gauche = zone_.width() - m.horizontalAdvance(date) - mm(5);
        const int drapeaux = Qt::AlignLeft | Qt::TextWordWrap;
        const QRectF l2 = m.boundingRect(QRectF(0, m.height(), gauche, 1e6), drapeaux, noms);
        const double bas = m.height() + std::max(m.height(), l2.height());
        if (trait_ != nullptr) {
            const QRectF l1(0, 0, zone_.width(), m.height());
            trait_->drawText(l1, Qt::AlignLeft, QStringLiteral("Quillon %1 — compte rendu").arg(QStringLiteral(QUILLON_VERSION)));
            trait_->drawText(l1, Qt::AlignRight, QStringLiteral("page %1 / %2").arg(page_).arg(total_));
            trait_->drawText(QRectF(0, m.height(), gauche, bas), drapeaux, noms);
            trait_->drawText(QRectF(0, m.height(), zone_.width(), m.height()), Qt::AlignRight, date);
            trait_->setPen(QPen(Qt::black, 0));
            trait_->drawLine(QPointF(0, bas + mm(1)), QPointF(zone_.width(), bas + mm(1)));
        }
        y_ = bas + mm(5);
        debut_contenu_ = y_;
    }

    QPagedPaintDevice& sortie_;
    QPainter* p_;
    QPainter* trait_ = nullptr; // p_ on a page drawn
    const Identite& qui_;
    const QDateTime& quand_;
    int total_;
    QPageRanges pages_;
    int dessinees_ = 0;
    QRect zone_;
    double mm_ = 1;
    int page_ = 0;
    double y_ = 0;
    double debut_contenu_ = 0;
};

MiseEnPage mettre_en_page(QPagedPaintDevice& sortie, QPainter* p, const std::vector<SectionRapport>& sections,
                          const Identite& qui, const QDateTime& quand, int total, const QPageRanges& pages = {})
{
    MiseEnPage m(sortie, p, qui, quand, total, pages);
    if (sections.empty()) {
        m.nouvelle_page();
        m.titre(QStringLiteral("Compte rendu"));
        m.texte(QStringLiteral("Aucune partie du travail pratique n'a encore été faite : ni légendes placées, "
                               "ni stimulation, ni équilibres ioniques."));
        return m;
    }
    for (const SectionRapport& s : sections) {
        m.nouvelle_page();
        m.titre(s.titre);
        for (const QImage& i : s.images)
            m.image(i, s.images.size() > 1 ? 80 : 120);
        for (const QString& l : s.lignes)
            m.texte(l);
        if (!s.tableau.isEmpty())
            m.tableau(s.tableau);
    }
    return m;
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

int pages_compte_rendu(QPagedPaintDevice& sortie, const std::vector<SectionRapport>& sections, const Identite& qui,
                       const QDateTime& quand)
{
    return mettre_en_page(sortie, nullptr, sections, qui, quand, 0).pages();
}

int dessiner_compte_rendu(QPagedPaintDevice& sortie, const std::vector<SectionRapport>& sections,
                          const Identite& qui, const QDateTime& quand, const QPageRanges& pages)
{
    const int total = pages_compte_rendu(sortie, sections, qui, quand);
    QPainter p(&sortie); // painting starts at the margins' corner
    if (!p.isActive())
        return 0;
    return mettre_en_page(sortie, &p, sections, qui, quand, total, pages).pages_dessinees();
}

int imprimer_compte_rendu(QPrinter& imprimante, const std::vector<SectionRapport>& sections, const Identite& qui,
                          const QDateTime& quand)
{
    return dessiner_compte_rendu(imprimante, sections, qui, quand,
                                 imprimante.printRange() == QPrinter::PageRange ? imprimante.pageRanges()
                                                                                : QPageRanges());
}

std::function<bool()> imprimante_installee = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };

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

void enregistrer_pdf(TForm1& f)
{
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

} // namespace

void Compterendu1Click(TForm1& f)
{
    if (demander_identite(f))
        enregistrer_pdf(f);
}

void Imprimercompterendu1Click(TForm1& f)
{
    if (!demander_identite(f))
        return;
    if (!imprimante_installee()) {
        if (f.fichiers().dialogues().question(QStringLiteral("Aucune imprimante n'est installée.\n\n"
                                                             "Enregistrer le compte rendu en PDF à la place ?"),
                                              false)
            == Reponse::Oui)
            enregistrer_pdf(f);
        return;
    }
    const std::vector<SectionRapport> sections = sections_utilisees(f);
    const QDateTime maintenant = QDateTime::currentDateTime();
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 15),
                                         QPageLayout::Millimeter));
    QPrintDialog dialogue(&imprimante, &f);
    dialogue.setWindowTitle(QStringLiteral("Imprimer le compte rendu"));
    dialogue.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialogue.setMinMax(1, pages_compte_rendu(imprimante, sections, f.eleves, maintenant));
    if (dialogue.exec() != QDialog::Accepted)
        return;
    if (imprimer_compte_rendu(imprimante, sections, f.eleves, maintenant) == 0)
        f.fichiers().dialogues().message(QStringLiteral("Impossible d'imprimer le compte rendu."));
}

} // namespace quillon
