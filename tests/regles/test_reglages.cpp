// Every setting of common/reglages.h: found on disk under the key an older
// copy wrote, its default when absent or unreadable, what was kept read back.
#include "common/dossiers_utilisateur.h"
#include "regles/outils_regles.h"

#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace quillon;

namespace {
QString texte(bool v) { return v ? "true" : "false"; }
QString texte(int v) { return QString::number(v); }
QString texte(const QString& v) { return v; }
bool garder(const Reglage<bool>& r, const QString& v) { return garder_reglage(r, v == "true").reussi; }
bool garder(const Reglage<int>& r, const QString& v) { return garder_reglage(r, v.toInt()).reussi; }
bool garder(const Reglage<const char*>& r, const QString& v) { return garder_reglage(r, v).reussi; }
} // namespace

TEST(Reglages, EachIsKeptUnderItsOldKeyAndGivesItsDefaultWhenAbsentOrUnreadable)
{
    // As the files hold them, in the list's order: a teacher's settings keep working.
    const struct { const char *cle, *defaut, *autre, *illisible; } sur_disque[] = {{"mesure/curseurs", "false", "true", "peut-être"}, {"animation/vitesse", "rapide", "lente", "a, b"},
                      {"affichage/langue", "", "en", "a, b"}, {"affichage/taille", "100", "150", "cent"},
                      {"fichiers/dossier", "", "/tmp/travail", "a, b"}};
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir maison; // the other tests' settings stay as they are
    const QByteArray avant = qgetenv("HOME");
    qputenv("HOME", maison.path().toUtf8());
    const QString chemin = fichier_reglages();
    EXPECT_TRUE(chemin.endsWith("/reglages.ini"));
    ASSERT_EQ(std::tuple_size_v<decltype(reglages::tous)>, std::size(sur_disque));
    std::size_t i = 0;
    std::apply([&](const auto&... r) { (..., [&](const auto& reglage) {
        const auto& a = sur_disque[i++];
        SCOPED_TRACE(a.cle);
        EXPECT_STREQ(reglage.cle, a.cle);
        EXPECT_EQ(texte(lire_reglage(reglage)), QString(a.defaut)) << "absent";
        EXPECT_TRUE(garder(reglage, a.autre));
        EXPECT_EQ(texte(lire_reglage(reglage)), QString(a.autre)) << "kept";
        EXPECT_EQ(QSettings(chemin, QSettings::IniFormat).value(a.cle).toString(), QString(a.autre)) << "on disk";
        const QStringList cle = QString(a.cle).split('/');
        ASSERT_TRUE(essais::ecrire(chemin, ("[" + cle[0] + "]\r\n" + cle[1] + "=" + a.illisible + "\r\n").toUtf8()));
        EXPECT_EQ(texte(lire_reglage(reglage)), QString(a.defaut)) << "unreadable";
    }(r)); }, reglages::tous);
    qputenv("HOME", avant);
}
