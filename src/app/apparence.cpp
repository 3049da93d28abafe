#include "apparence.h"

#include "app/preferences.h"
#include "common/dossier.h"
#include "common/icones.h"
#include "common/langue.h"
#include "common/lecture_image.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#include <QStyleFactory>
#include <QTranslator>

#include <memory>

namespace quillon {

namespace {

// Fusion, but for the menus' keyboard hints (below) and the menu bar's
// extension arrow, which every menu bar asks for when it is built: Qt would
// load it by guessing its format from the content, loading every image plugin
// at start-up; it is read as the PNG it is, and only when it first shows.
class StyleQuillon : public QProxyStyle {
public:
    explicit StyleQuillon(QStyle* base) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap quoi, const QStyleOption* option, const QWidget* widget) const override
    {
        if (quoi != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(quoi, option, widget);
        const bool droite_a_gauche = (option ? option->direction : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
        // Read when the arrow first shows: only when the menus overflow the bar.
        return icone_differee([droite_a_gauche] {
            QIcon icone;
            for (int taille : {8, 16, 32}) {
                const QString nom = QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png")
                                        .arg(droite_a_gauche ? QStringLiteral("rtl-") : QString())
                                        .arg(taille);
                const QImage image = lire_image(nom);
                if (!image.isNull())
                    icone.addPixmap(QPixmap::fromImage(image));
            }
            return icone;
        });
    }

    // The menus' access keys are underlined while Alt is held, while the
    // menu bar has the keyboard (Alt alone enters it) and in an open menu,
    // where a letter chooses; Fusion would underline them always.
    int styleHint(StyleHint quoi, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* retour) const override
    {
        if (quoi == SH_UnderlineShortcut)
            return alt_tenu_ || qobject_cast<const QMenu*>(widget) != nullptr
                   || (qobject_cast<const QMenuBar*>(widget) != nullptr && widget->hasFocus());
        return QProxyStyle::styleHint(quoi, option, widget, retour);
    }

    void polish(QApplication* app) override
    {
        QProxyStyle::polish(app);
        app->installEventFilter(this);
    }

    void unpolish(QApplication* app) override
    {
        app->removeEventFilter(this);
        QProxyStyle::unpolish(app);
    }

    bool eventFilter(QObject* objet, QEvent* e) override
    {
        bool tenu = alt_tenu_;
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
            const auto* touche = static_cast<const QKeyEvent*>(e);
            tenu = touche->key() == Qt::Key_Alt ? e->type() == QEvent::KeyPress
                                                : touche->modifiers().testFlag(Qt::AltModifier);
        } else if (e->type() == QEvent::ApplicationDeactivate) {
            tenu = false; // Alt released in another program
        }
        if (tenu != alt_tenu_) {
            alt_tenu_ = tenu;
            if (QWidget* fenetre = QApplication::activeWindow())
                for (QMenuBar* barre : fenetre->findChildren<QMenuBar*>())
                    barre->update();
        }
        return QProxyStyle::eventFilter(objet, e);
    }

private:
    bool alt_tenu_ = false;
};

} // namespace

QString fichier_police(const QString& nom)
{
    for (const char* dossier : {"/usr/share/wine/fonts", "/usr/share/fonts/truetype/wine"}) {
        const QString chemin = QLatin1String(dossier) + QLatin1Char('/') + nom;
        if (QFile::exists(chemin))
            return chemin;
    }
    return {};
}

void enregistrer_polices(qreal ratio)
{
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    QStringList fichiers = {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")};
    // "MS Sans Serif" and "System" exist only as bitmaps of a few pixel
    // sizes, unreadable once enlarged: on a dense screen their families are
    // left to the substitutions below, in an outline face of the same size.
    if (ratio == 1)
        fichiers << QStringLiteral("ms_sans_serif.ttf") << QStringLiteral("system.ttf");
    for (const QString& f : fichiers) {
        if (const QString chemin = fichier_police(f); !chemin.isEmpty())
            QFontDatabase::addApplicationFont(chemin);
    }
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    // Accented letters missing from a font fall back to a complete one.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("System"), {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")});
}

void preparer_application(QApplication& app)
{
    // The highest ratio of the screens: the window may be moved onto that one.
    enregistrer_polices(app.devicePixelRatio());
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(new StyleQuillon(style));

    // Button face, white edit fields, black text: the classic desktop palette.
    QPalette palette;
    const QColor face(240, 240, 240);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(246, 246, 246));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, QColor(227, 227, 227));
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    palette.setColor(QPalette::Dark, QColor(105, 105, 105));
    palette.setColor(QPalette::Shadow, QColor(64, 64, 64));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(109, 109, 109));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(109, 109, 109));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(109, 109, 109));
    app.setPalette(palette);

    const QString dossier = dossier_programme();
    appliquer_langue(langue_retenue(dossier), dossier);
}

namespace {

// The translators installed: the program's texts, then Qt's.
QTranslator* traducteur_quillon = nullptr;
QTranslator* traducteur_qt = nullptr;

QString fichier_traduction(const QString& code, const QString& dossier_prog)
{
    return QDir(QDir(QDir::fromNativeSeparators(dossier_prog)).filePath(QStringLiteral("traductions")))
        .filePath(QStringLiteral("quillon_%1.qm").arg(code));
}

} // namespace

bool appliquer_langue(const QString& code, const QString& dossier_prog)
{
    for (QTranslator** t : {&traducteur_quillon, &traducteur_qt}) {
        if (*t != nullptr) {
            QCoreApplication::removeTranslator(*t);
            delete *t;
            *t = nullptr;
        }
    }
    bool lue = true;
    QString langue = code;
    if (code != QLatin1String("fr")) {
        auto traducteur = std::make_unique<QTranslator>();
        lue = traducteur->load(fichier_traduction(code, dossier_prog));
        if (lue) {
            traducteur_quillon = traducteur.release();
            QCoreApplication::installTranslator(traducteur_quillon);
        } else {
            langue = QStringLiteral("fr");
        }
    }
    definir_langue_en_cours(langue);
    QLocale::setDefault(locale_de_langue(langue));
    // Qt's own texts (standard dialogs, context menus) are written in English.
    if (langue != QLatin1String("en")) {
        auto traducteur = std::make_unique<QTranslator>();
        if (traducteur->load(locale_de_langue(langue), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            traducteur_qt = traducteur.release();
            QCoreApplication::installTranslator(traducteur_qt);
        }
    }
    return lue;
}

QString nom_langue(const QString& code, const QString& dossier_prog)
{
    // Each translation names its own language: the translation of this text.
    static const char* const francais = QT_TRANSLATE_NOOP("Langue", "Français");
    const QString nom = texte_en(code, dossier_prog, "Langue", francais);
    return code == QLatin1String("fr") || nom != QString::fromUtf8(francais) ? nom : code;
}

QString texte_en(const QString& code, const QString& dossier_prog, const char* contexte, const char* texte)
{
    QTranslator traducteur;
    if (code != QLatin1String("fr") && traducteur.load(fichier_traduction(code, dossier_prog)))
        if (const QString traduit = traducteur.translate(contexte, texte); !traduit.isEmpty())
            return traduit;
    return QString::fromUtf8(texte);
}

} // namespace quillon
