#include "mise_en_couleur.h"

#include "colours/tmise_couleur.h"
#include "common/classeur.h"
#include "common/enregistrement.h"
#include "common/page.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace quillon {

namespace {

QColor face()
{
    return QApplication::palette().color(QPalette::Button);
}

// The line of the settings file of each page, none for the home page.
std::optional<LigneCouleur> ligne_de_page(std::optional<Page> page)
{
    if (!page)
        return std::nullopt;
    switch (*page) {
    case Page::accueil: return std::nullopt;
    case Page::stimulation: return LigneCouleur::stimulation;
    case Page::ionique: return LigneCouleur::ionique;
    case Page::champs_recepteurs: return LigneCouleur::champs_recepteurs;
    case Page::discrimination: return LigneCouleur::discrimination;
    case Page::activite_reflexe: return LigneCouleur::activite_reflexe;
    }
    return std::nullopt;
}

} // namespace

MiseEnCouleur::MiseEnCouleur(Classeur* notebook, const Boites& boites, const QString& fichier,
                             std::function<void(const QString&)> signaler, std::function<Tmise_couleur*()> dialogue)
    : notebook_(notebook), boites_(boites), fichier_(fichier), signaler_(std::move(signaler)),
      dialogue_(std::move(dialogue))
{
}

std::vector<QWidget*> MiseEnCouleur::boites(LigneCouleur ligne) const
{
    switch (ligne) {
    case LigneCouleur::champs_recepteurs: return {boites_.champs_recepteurs};
    case LigneCouleur::discrimination: return {boites_.discrimination};
    case LigneCouleur::stimulation: return {boites_.stimulation_questions, boites_.stimulation_montage};
    case LigneCouleur::activite_reflexe: return {boites_.activite_reflexe};
    case LigneCouleur::ionique: return {boites_.ionique};
    }
    return {};
}

void MiseEnCouleur::peindre(LigneCouleur ligne, std::int32_t valeur)
{
    couleurs_[static_cast<std::size_t>(ligne)] = valeur;
    for (QWidget* boite : boites(ligne)) {
        if (boite == nullptr)
            continue;
        QPalette p = boite->palette();
        p.setColor(QPalette::Window, couleur_rgb(valeur, face()));
        boite->setPalette(p);
        boite->setAutoFillBackground(valeur != clBtnFace);
    }
}

void MiseEnCouleur::lec_couleurs()
{
    QFile f(fichier_);
    if (!f.exists())
        return; // the design colours stay
    const QByteArray texte = f.open(QIODevice::ReadOnly) ? f.read(4096) : QByteArray();
    if (f.error() != QFileDevice::NoError) {
        erreur(QCoreApplication::translate("MiseEnCouleur", "Impossible d'ouvrir le fichier %1"));
        return;
    }
    const CouleursPages lues = lire_couleurs(texte);
    for (std::size_t i = 0; i < lues.size(); ++i)
        peindre(static_cast<LigneCouleur>(i), lues[i]);
}

void MiseEnCouleur::sav_couleurs()
{
    QDir().mkpath(QFileInfo(fichier_).absolutePath());
    if (const Enregistrement e = enregistrer_entier(fichier_, ecrire_couleurs(couleurs_)); !e && signaler_)
        signaler_(message_enregistrement(fichier_, e));
}

void MiseEnCouleur::erreur(const QString& modele) const
{
    if (signaler_)
        signaler_(modele.arg(QDir::toNativeSeparators(fichier_)));
}

void MiseEnCouleur::Miseencouleur1Click()
{
    Tmise_couleur* dialogue = dialogue_ ? dialogue_() : nullptr;
    if (dialogue == nullptr)
        return;
    Tmise_couleur& d = *dialogue;
    const std::optional<LigneCouleur> ligne = ligne_de_page(notebook_->page());
    if (ligne) {
        const std::int32_t c = couleurs_[static_cast<std::size_t>(*ligne)];
        // A system colour is mixed from its real components.
        d.couleur = c < 0 ? valeur_couleur(couleur_rgb(c, face())) : c;
    }
    d.montrer_couleur();
    if (d.exec() != QDialog::Accepted)
        return;
    if (ligne)
        peindre(*ligne, d.couleur);
    sav_couleurs();
}

} // namespace quillon
