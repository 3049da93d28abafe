#include "tform_richedit.h"

#include "ui_tform_richedit.h"

#include "common/dossiers_utilisateur.h"
#include "common/enregistrement.h"
#include "common/chemins.h"
#include "common/polices.h"
#include "shell/rtf.h"
#include "common/langue.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QScreen>

#include <algorithm>

namespace quillon {

TForm_richedit::TForm_richedit(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TForm_richedit>())
{
    ui_->setupUi(this);
    polices_en_pixels(this);
    // Not above the main window: beside it where the screen is wide enough,
    // else under it once the main window is activated, back with a click.
    setWindowFlags(Qt::Window);
    setFixedSize(largeur_dessin, hauteur_dessin);
    ui_->RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    ui_->RichEdit1->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Tab goes on to the two buttons rather than into the script.
    ui_->RichEdit1->setTabChangesFocus(true);

    auto* enregistrer = new QAction(QCoreApplication::translate("TForm_richedit", "Enregistrer"), ui_->RichEdit1);
    enregistrer->setObjectName(QStringLiteral("Enregistrer1"));
    ui_->RichEdit1->addAction(enregistrer);
    connect(enregistrer, &QAction::triggered, this, [this] {
        if (const std::optional<QString> m = Enregistrer1Click())
            emit erreur(*m);
    });
    connect(ui_->BitBtn1, &QToolButton::clicked, this, &TForm_richedit::BitBtn1Click);
    connect(ui_->btn_bas, &QToolButton::clicked, this, &TForm_richedit::btn_basClick);
    for (QWidget* w : {static_cast<QWidget*>(ui_->RichEdit1), static_cast<QWidget*>(ui_->BitBtn1),
                       static_cast<QWidget*>(ui_->btn_bas)})
        w->installEventFilter(this);
}

bool TForm_richedit::eventFilter(QObject* objet, QEvent* e)
{
    // What the script's first lines say: the down arrow steps on, the up
    // arrow back, wherever the viewer's focus is (Shift+arrow still selects
    // in the text, to edit it). Stepped from the keyboard, the viewer keeps
    // the keyboard: sent back to the main window, the next arrow would move
    // whatever has the focus there.
    if (e->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<const QKeyEvent*>(e);
        if ((touche->key() == Qt::Key_Down || touche->key() == Qt::Key_Up)
            && (touche->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            garder_clavier_ = true;
            bas_haut(touche->key() == Qt::Key_Down ? +1 : -1);
            garder_clavier_ = false;
            return true;
        }
    }
    return QDialog::eventFilter(objet, e);
}

TForm_richedit::~TForm_richedit() = default;

void TForm_richedit::ouvrir_phases(const QString& dossier_prog, QWidget* fenetre_principale)
{
    const QString livre = document_dans_la_langue(dossier_prog, QStringLiteral("phases_demo.rtf"));
    // An installed program's folder cannot take the teacher's edits: they go
    // to the user's own copy, read instead of the shipped script once made.
    const bool installe = !dossier_inscriptible(dossier_prog);
    const QString copie = installe ? copie_utilisateur() : QString();
    const QString chemin = installe && QFile::exists(copie) ? copie : livre;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        emit erreur(QCoreApplication::translate("TForm_richedit", "Impossible d'ouvrir le fichier %1").arg(QDir::toNativeSeparators(chemin)));
        return;
    }
    fichier_ = installe ? copie : chemin;
    fenetre_principale_ = fenetre_principale;
    if (!lire_rtf(f.readAll(), *ui_->RichEdit1->document()))
        ui_->RichEdit1->clear();
    selection_ = QTextCursor();
    // The script opens at its first line: the loading leaves the box's caret
    // at the end, where a first showing would scroll, and the box may have
    // been left lower down by the steps before.
    QTextEdit* edit = ui_->RichEdit1;
    edit->moveCursor(QTextCursor::Start);
    retrecir();
    move(0, 0);
    show();
    raise(); // back in front of the main window, when it was under it
    activateWindow();
    edit->verticalScrollBar()->setValue(0);
    largeur_placee_ = -1;
    placer_principale();
}

bool TForm_richedit::retrecir()
{
    // Sized before it shows: a window manager may keep the size it first
    // mapped. Its frame is taken as wide as the main window's, and a pixel
    // more for a frame that a fractional scale makes a fraction wider.
    if (fenetre_principale_ == nullptr || isVisible())
        return false;
    const int principale = fenetre_principale_->frameGeometry().width();
    const int cadre = principale - fenetre_principale_->width() + 1;
    // Narrowed to fit beside the main window when it stays readable.
    const int etroite = largeur_a_cote(fenetre_principale_->screen()->availableGeometry().width(), principale, cadre);
    a_cote_ = etroite > 0;
    const int client = a_cote_ ? etroite : largeur_dessin;
    if (client == width())
        return false;
    setFixedSize(client, hauteur_dessin);
    ui_->RichEdit1->setGeometry(0, 0, client, hauteur_dessin);
    ui_->BitBtn1->move(client - 40, ui_->BitBtn1->y());
    ui_->btn_bas->move(client - 20, ui_->btn_bas->y());
    return true;
}

void TForm_richedit::placer_principale()
{
    if (fenetre_principale_ == nullptr || !isVisible() || !fenetre_principale_->isVisible())
        return;
    const int largeur = frameGeometry().width();
    if (largeur == largeur_placee_)
        return;
    largeur_placee_ = largeur;
    fenetre_principale_->move(
        position_a_cote(largeur, fenetre_principale_->frameGeometry().width(), fenetre_principale_->screen()->availableGeometry()),
        0);
}

int TForm_richedit::position_a_cote(int largeur_visionneuse, int largeur_principale, const QRect& ecran)
{
    // Beside the viewer when both fit; else as far right as keeps the main
    // window, its close button included, whole on the screen.
    return std::max(ecran.left(), std::min(largeur_visionneuse, ecran.right() + 1 - largeur_principale));
}

int TForm_richedit::largeur_a_cote(int ecran, int largeur_principale, int cadre)
{
    const int place = ecran - largeur_principale - cadre;
    return place >= largeur_lisible ? std::min(place, largeur_dessin) : 0;
}

void TForm_richedit::moveEvent(QMoveEvent* e)
{
    QDialog::moveEvent(e);
    placer_principale();
}

void TForm_richedit::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    placer_principale();
}

QStringList TForm_richedit::lignes() const
{
    QStringList resultat;
    QTextDocument* doc = ui_->RichEdit1->document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const QTextLayout* l = b.layout();
        if (l == nullptr || l->lineCount() == 0) {
            resultat << b.text();
            continue;
        }
        for (int i = 0; i < l->lineCount(); ++i) {
            const QTextLine ligne = l->lineAt(i);
            resultat << b.text().mid(ligne.textStart(), ligne.textLength());
        }
    }
    return resultat;
}

void TForm_richedit::bas_haut(int d)
{
    QTextEdit* edit = ui_->RichEdit1;
    // The lines as laid out in the box's width.
    if (edit->document()->textWidth() != edit->viewport()->width())
        edit->document()->setTextWidth(edit->viewport()->width());
    // The raw text keeps the non-breaking spaces that the lines hold (the
    // plain text turns them into blanks) and has the document's positions.
    const std::optional<EtapeLecture> e = pas_.bas_haut(d, lignes(), edit->document()->toRawText());
    if (!e)
        return;
    QTextCharFormat fond;
    if (e->couleur_rendue && !selection_.isNull() && selection_.document() == edit->document()) {
        fond.setBackground(*e->couleur_rendue);
        selection_.mergeCharFormat(fond);
    }
    QTextCursor c(edit->document());
    if (e->debut >= 0) {
        c.setPosition(e->debut);
        c.setPosition(e->debut + e->longueur, QTextCursor::KeepAnchor);
    }
    fond.setBackground(PasAPas::jaune());
    c.mergeCharFormat(fond);
    // The highlighted line is kept as the selection to restore at the next
    // step; the box shows its yellow, not a selection's colour, with the
    // caret at its start so that it scrolls into view.
    selection_ = c;
    QTextCursor caret(c);
    caret.clearSelection();
    caret.setPosition(c.selectionStart());
    edit->setTextCursor(caret);
    edit->ensureCursorVisible();
    // Side by side, the keyboard goes back to the main window; over it, the
    // viewer stays in front for the next step.
    if (fenetre_principale_ != nullptr && a_cote_ && !garder_clavier_)
        fenetre_principale_->activateWindow();
}

QString TForm_richedit::copie_utilisateur()
{
    // One copy per language: the English script is not the French one.
    const QString langue = langue_en_cours() == QLatin1String("fr") ? QString() : langue_en_cours() + QLatin1Char('/');
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(langue + QStringLiteral("phases_demo.rtf"));
}

std::optional<QString> TForm_richedit::Enregistrer1Click()
{
    if (!fichier_.isEmpty())
        QDir().mkpath(QFileInfo(fichier_).absolutePath());
    if (fichier_.isEmpty())
        return QCoreApplication::translate("TForm_richedit", "Impossible de créer le fichier %1").arg(QDir::toNativeSeparators(fichier_));
    if (const Enregistrement e = enregistrer_entier(fichier_, ecrire_rtf(*ui_->RichEdit1->document())); !e)
        return message_enregistrement(fichier_, e);
    return std::nullopt;
}

} // namespace quillon
