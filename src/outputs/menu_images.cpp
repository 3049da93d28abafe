#include "menu_images.h"

#include "common/dialogues.h"
#include "outputs/travail.h"
#include "common/focus.h"
#include "common/tableur.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

namespace quillon {

namespace {

// True while a picture is taken: the focus frame is the keyboard's, not the picture's.
bool en_vue = false;

} // namespace

MenuSorties::MenuSorties(const std::vector<QWidget*>& controles, Source source, std::function<Dialogues*()> dialogues,
                         QObject* parent)
    : QObject(parent), source_(std::move(source)), dialogues_(std::move(dialogues)),
      menu_(new QMenu(controles.front()))
{
    menu_->setAccessibleName(QCoreApplication::translate("MenuSorties", "Menu de l'image"));
    menu_->addAction(QCoreApplication::translate("MenuSorties", "Copier l'image"), this, &MenuSorties::copier);
    menu_->addAction(QCoreApplication::translate("MenuSorties", "Enregistrer l'image..."), this, &MenuSorties::enregistrer_image);
    if (source_.valeurs) {
        exporter_ = menu_->addAction(QCoreApplication::translate("MenuSorties", "Exporter les valeurs..."), this, &MenuSorties::exporter_valeurs);
        // Nothing on the screen, nothing to export.
        connect(menu_, &QMenu::aboutToShow, this, [this] { exporter_->setEnabled(!source_.valeurs().isEmpty()); });
    }
    for (QWidget* c : controles) {
        c->setFocusPolicy(Qt::StrongFocus);
        c->installEventFilter(this);
    }
}

QImage MenuSorties::vue(const std::vector<QWidget*>& controles)
{
    QRect zone;
    QWidget* parent = nullptr;
    for (QWidget* c : controles) {
        if (c->isHidden())
            continue;
        zone |= c->geometry();
        parent = c->parentWidget();
    }
    if (parent == nullptr)
        return QImage();
    // Taken from the window, so that the group boxes' backgrounds show as they do on screen.
    QWidget* fenetre = parent->window();
    en_vue = true;
    const QImage image = fenetre->grab(QRect(parent->mapTo(fenetre, zone.topLeft()), zone.size())).toImage();
    en_vue = false;
    return image;
}

bool MenuSorties::eventFilter(QObject* objet, QEvent* evenement)
{
    auto* controle = qobject_cast<QWidget*>(objet);
    if (controle != nullptr && evenement->type() == QEvent::Paint && controle->hasFocus() && !en_vue) {
        // The picture, then a dotted frame inside its edge while it has the focus.
        static_cast<QObject*>(controle)->event(evenement);
        QPainter p(controle);
        cadre_focus(p, 0, 0, controle->width(), controle->height(), Qt::black);
        return true;
    }
    if (controle != nullptr && evenement->type() == QEvent::ContextMenu) {
        const auto* e = static_cast<QContextMenuEvent*>(evenement);
        ouvrir(controle, e->reason() == QContextMenuEvent::Mouse ? e->pos() : controle->rect().center());
        return true;
    }
    if (controle != nullptr && evenement->type() == QEvent::KeyPress) {
        const auto* t = static_cast<QKeyEvent*>(evenement);
        if (t->key() == Qt::Key_Menu || (t->key() == Qt::Key_F10 && t->modifiers() == Qt::ShiftModifier)) {
            ouvrir(controle, controle->rect().center());
            return true;
        }
    }
    return QObject::eventFilter(objet, evenement);
}

void MenuSorties::ouvrir(QWidget* controle, QPoint position)
{
    menu_->popup(controle->mapToGlobal(position));
}

void MenuSorties::copier()
{
    QGuiApplication::clipboard()->setImage(source_.image());
}

void MenuSorties::enregistrer_image()
{
    const QImage image = source_.image();
    enregistrer(QStringLiteral("SaveDialogImage"), QStringLiteral("png"), QCoreApplication::translate("MenuSorties", "Image PNG (*.png)"),
                [&](QIODevice& f) { return image.save(&f, "PNG"); });
}

void MenuSorties::exporter_valeurs()
{
    const QByteArray valeurs = source_.valeurs();
    if (valeurs.isEmpty())
        return;
    enregistrer(QStringLiteral("SaveDialogValeurs"), QStringLiteral("csv"),
                QCoreApplication::translate("MenuSorties", "Tableur, points-virgules (*.csv)"),
                [&](QIODevice& f) { return f.write(valeurs) == valeurs.size(); });
}

void MenuSorties::enregistrer(const QString& nom_dialogue, const QString& extension, const QString& filtre,
                              const std::function<bool(QIODevice&)>& ecrire)
{
    enregistrer_fichier_utilisateur(
        *dialogues_(),
        {nom_dialogue, extension, filtre, nom_propose(source_.page, QDateTime::currentDateTime(), extension), true, {}},
        ecrire);
}

void brancher_sorties(Travail& f)
{
    const auto dialogues = [&f] { return &f.dialogues(); };
    for (const ImageExportee& i : f.images_exportees()) {
        const std::vector<QWidget*> vue = i.vue;
        new MenuSorties(i.cibles, {i.nom, [vue] { return MenuSorties::vue(vue); }, i.valeurs}, dialogues, f.fenetre());
    }
}

} // namespace quillon
