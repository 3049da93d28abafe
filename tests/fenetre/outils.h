#pragma once
// Helpers of the window tests.
#include "app/apparence.h"
#include "app/commandes_fichiers.h"
#include "app/programme.h"
#include "fenetre/gestes.h"
#include "regles/outils_regles.h"
#include "ui_tform1.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QXmlStreamReader>
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

// A widget as a failure names it: its object name, or its class and parent's name.
inline QString nom_objet(const QWidget* w)
{
    if (!w->objectName().isEmpty())
        return w->objectName();
    return QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(" in ")
           + (w->parentWidget() != nullptr ? w->parentWidget()->objectName() : QString());
}

// A path as the program's messages write it: with backslashes on Windows.
inline QString natif(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
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

    // The fakes a window is made with, its messages kept in erreurs, its
    // random draws from hasard.
    Services services(const QString& dossier_prog = dossier_construit())
    {
        Services s = faux.services(dossier_prog);
        s.afficher_erreur = [this](const QString& m) { erreurs << m; };
        s.hasard = &hasard;
        return s;
    }
    // Runs the start-up sequence of a window made with services() and shows it.
    void demarrer(TForm1& g)
    {
        g.Timer_debutTimer();
        ASSERT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
        ASSERT_TRUE(montrer(g));
    }

    QString dossier_initial;
    QStringList erreurs;
    Branchements faux;
    Aleatoire hasard;
};

// A click on the tab of a page, as the pupil chooses it.
inline void cliquer_onglet(TForm1& f, int page)
{
    cliquer_onglet(f.ui()->Notebook1, page);
}

// The texts are shown in `code` ("en") while this lives, in French after.
class EnLangue {
public:
    explicit EnLangue(const QString& code) { appliquer_langue(code, dossier_construit()); }
    ~EnLangue() { appliquer_langue(QStringLiteral("fr"), dossier_construit()); }
    EnLangue(const EnLangue&) = delete;
    EnLangue& operator=(const EnLangue&) = delete;
};

// The words of the program's French texts that no English translation
// uses, read from resources/traductions/quillon_en.ts.
// What separates words, accented letters being letters.
inline const QRegularExpression separateurs_mots(QStringLiteral("\\W+"), QRegularExpression::UseUnicodePropertiesOption);
inline const QSet<QString>& mots_francais()
{
    static const QSet<QString> mots = [] {
        QSet<QString> sources, traductions;
        QFile ts(QStringLiteral(QUILLON_TS_EN));
        if (!ts.open(QIODevice::ReadOnly))
            return QSet<QString>{};
        QXmlStreamReader xml(&ts);
        while (xml.readNextStartElement() || !xml.atEnd()) {
            if (xml.isStartElement() && (xml.name() == QLatin1String("source") || xml.name() == QLatin1String("translation"))) {
                QSet<QString>& mots_de = xml.name() == QLatin1String("source") ? sources : traductions;
                for (const QString& m : xml.readElementText().toLower().split(separateurs_mots))
                    if (m.size() >= 3)
                        mots_de << m;
            }
        }
        // Names and words English writes the same, which no translation happens to use.
        return sources - traductions - QSet<QString>{"nernst", "fechner", "forces", "initial", "segment"};
    }();
    return mots;
}

// A text that shows through the translation: an accented letter, a
// guillemet, or one of the French words the program's texts are made of.
inline bool francais(const QString& texte)
{
    for (const QString& m : texte.toLower().split(separateurs_mots))
        if (mots_francais().contains(m))
            return true;
    static const QRegularExpression marques(
        QStringLiteral("[àâäçéèêëîïôöùûüÿœÀÂÇÉÈÊËÎÔÙÛŒ«»]|\\b(le|la|les|des|du|de|et|une?|sur|pour|avec|dans|est|sont|"
                       "pas|aux?|ne|ni|fichier|ouvrir|enregistrer|quitter|nerf|vitesse|taille|langue|courbe|"
                       "effacer|lancer|accueil|consignes|charger|classe|aide|annuler|rouge|vert|bleu|noyau|"
                       "axone|gaine|lente|rapide|moyenne|oui|non|deux|gauche|droite|logiciel|compte rendu)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return marques.match(texte).hasMatch();
}

// Every text the widgets under `racine` (and their menus) show or announce:
// captions, titles, tab and list items, tooltips, accessible names and
// descriptions; each after "<object name>: ".
inline QStringList textes_montres(QWidget* racine)
{
    QStringList t;
    const auto noter = [&](const QObject* o, const QString& texte) {
        if (!texte.trimmed().isEmpty())
            t << o->objectName() + QStringLiteral(": ") + texte;
    };
    std::function<void(QAction*)> action = [&](QAction* a) {
        noter(a, a->text());
        noter(a, a->toolTip() != QString(a->text()).remove(QLatin1Char('&')) ? a->toolTip() : QString());
        if (a->menu() != nullptr)
            for (QAction* b : a->menu()->actions())
                action(b);
    };
    QList<QWidget*> widgets = racine->findChildren<QWidget*>();
    widgets.prepend(racine);
    for (QWidget* w : widgets) {
        if (w->isWindow())
            noter(w, w->windowTitle());
        noter(w, w->toolTip());
        noter(w, w->accessibleName());
        noter(w, w->accessibleDescription());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            noter(w, b->text());
        else if (auto* l = qobject_cast<QLabel*>(w))
            noter(w, l->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            noter(w, g->title());
        else if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                noter(w, c->itemText(i));
        else if (auto* o = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < o->count(); ++i)
                noter(w, o->tabText(i) + o->tabToolTip(i) + o->accessibleTabName(i));
        else if (auto* m = qobject_cast<QMenuBar*>(w))
            for (QAction* a : m->actions())
                action(a);
        if (qobject_cast<QMenuBar*>(w) == nullptr)
            for (QAction* a : w->actions())
                action(a);
    }
    return t;
}

// The captions under `racine` that do not fit in their control, each as
// "<object name> <caption>: <width needed> > <width there>" (a wrapped
// caption: heights).
inline QStringList textes_trop_larges(QWidget* racine)
{
    QStringList trop;
    for (QWidget* w : racine->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const QFontMetrics fm(w->font());
        const auto largeur = [&](const QString& texte) {
            int l = 0;
            for (const QString& ligne : QString(texte).remove(QLatin1Char('&')).split(QLatin1Char('\n')))
                l = std::max(l, fm.tightBoundingRect(ligne).width()); // the ink, not the advance after it
            return l;
        };
        int besoin = 0, place = 0;
        QString texte;
        if (auto* l = qobject_cast<QLabel*>(w); l != nullptr && !l->text().isEmpty() && !Qt::mightBeRichText(l->text())) {
            texte = l->text();
            const QRect r = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
            if (l->wordWrap()) {
                besoin = l->heightForWidth(l->width());
                place = l->height();
            } else {
                besoin = largeur(texte);
                place = r.width();
            }
        } else if (auto* b = qobject_cast<QAbstractButton*>(w); b != nullptr && !b->text().isEmpty()) {
            texte = b->text();
            // The box or the round of a check box or radio button, then its caption.
            const bool case_a_cocher = qobject_cast<QCheckBox*>(w) != nullptr || qobject_cast<QRadioButton*>(w) != nullptr;
            besoin = largeur(texte)
                     + (case_a_cocher ? b->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b)
                                            + b->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b)
                                      : b->icon().isNull() ? 0 : b->iconSize().width() + 4);
            place = b->width();
        } else if (auto* g = qobject_cast<QGroupBox*>(w); g != nullptr && !g->title().isEmpty()) {
            texte = g->title();
            besoin = largeur(texte) + 8;
            place = g->width();
        } else if (auto* o = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < o->count(); ++i)
                if (largeur(o->tabText(i)) > o->tabRect(i).width())
                    trop << QStringLiteral("%1 %2: %3 > %4").arg(nom_objet(o), o->tabText(i)).arg(largeur(o->tabText(i))).arg(o->tabRect(i).width());
        }
        if (besoin > place)
            trop << QStringLiteral("%1 %2: %3 > %4").arg(nom_objet(w), texte).arg(besoin).arg(place);
    }
    return trop;
}

// A poppler tool's standard output, or nothing when it is not installed.
inline QString poppler(const QString& outil, QStringList arguments)
{
    const QString programme = QStandardPaths::findExecutable(outil);
    if (programme.isEmpty())
        return {};
#ifdef Q_OS_WIN
    // Under Wine the tool is the build machine's: it reaches the Windows
    // drives through the Wine prefix's dosdevices, and it gets no Windows
    // pipe, so a shell of the build machine writes its output to a file.
    const QString prefixe = qEnvironmentVariable("WINEPREFIX", QDir::homePath() + QStringLiteral("/.wine"));
    const auto unix_ = [&](const QString& a) {
        return a.size() > 2 && a.at(1) == QLatin1Char(':') && a.at(0).isLetter()
                   ? prefixe + QStringLiteral("/dosdevices/") + a.left(2).toLower() + QDir::fromNativeSeparators(a.mid(2))
                   : a;
    };
    for (QString& a : arguments)
        a = unix_(a);
    const QTemporaryDir dossier;
    const QString sortie = dossier.filePath(QStringLiteral("sortie.txt"));
    QProcess p;
    p.start(QStringLiteral("sh"), QStringList{QStringLiteral("-c"),
                                              QStringLiteral("\"$0\" \"$@\" > '%1.part'; mv '%1.part' '%1'").arg(unix_(sortie)),
                                              unix_(programme)} + arguments);
    p.waitForFinished(30000);
    QTest::qWaitFor([&] { return QFile::exists(sortie); }, 30000);
    QFile f(sortie);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
#else
    QProcess p;
    p.start(programme, arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
#endif
}

} // namespace quillon::essais
