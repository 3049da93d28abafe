// The language of the texts: which one a start takes, which ones the program
// folder offers, the documents in that language, and what depends on it
// (spreadsheets) or must not (work files).
#include "common/langue.h"
#include "common/tableur.h"
#include "workfiles/fichiers_travail.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

#include "impression.h"

using namespace quillon;

namespace {

// The language shown for the life of the guard, French after.
struct Langue {
    explicit Langue(const char* code) { definir_langue_en_cours(QString::fromLatin1(code)); }
    ~Langue() { definir_langue_en_cours(QStringLiteral("fr")); }
};

void creer(const QString& chemin)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

} // namespace

TEST(Langue, TheKeptChoiceElseTheSystemsLanguageWhenTranslatedElseFrench)
{
    const QStringList fr_en{"fr", "en"};
    for (const auto& [retenue, systeme, disponibles, attendue] :
         std::vector<std::tuple<QVariant, QString, QStringList, QString>>{
             {{}, "en_GB", fr_en, "en"},       {{}, "en_US", fr_en, "en"},  {{}, "fr_FR", fr_en, "fr"},
             {{}, "de_DE", fr_en, "fr"},       {{}, "C", fr_en, "fr"},      {"fr", "en_GB", fr_en, "fr"},
             {"en", "fr_FR", fr_en, "en"},     {"en", "en_GB", {"fr"}, "fr"}, {"xx", "en_GB", fr_en, "en"},
             {{}, "de_DE", {"fr", "de"}, "de"}})
        EXPECT_EQ(langue_de_depart(retenue, QLocale(systeme), disponibles), attendue)
            << retenue.toString().toStdString() << " " << systeme.toStdString();
}

TEST(Langue, TheProgramFolderOffersItsTranslationsAndDocumentsFallBackToFrench)
{
    QTemporaryDir d;
    const QString dossier = d.path() + "/";
    EXPECT_EQ(langues_disponibles(dossier), QStringList{"fr"});
    for (const char* f : {"traductions/quillon_en.qm", "traductions/quillon_de.qm", "traductions/autre.qm",
                          "traductions/quillon_en.ts", "QUIL_PED.doc", "phases_demo.rtf", "en/QUIL_PED.doc"})
        creer(dossier + f);
    EXPECT_EQ(langues_disponibles(dossier), QStringList({"fr", "de", "en"}));
    EXPECT_EQ(document_dans_la_langue(dossier, "\\QUIL_PED.doc"), dossier + "QUIL_PED.doc");
    const Langue anglais("en");
    EXPECT_EQ(document_dans_la_langue(dossier, "\\QUIL_PED.doc"), dossier + "en/QUIL_PED.doc");
    EXPECT_EQ(document_dans_la_langue(dossier, "phases_demo.rtf"), dossier + "phases_demo.rtf") << "no English copy";
}

TEST(Langue, SpreadsheetsFollowTheLanguageWorkFilesDoNot)
{
    SequenceNernst s;
    s.etapes = {{60, 5, 140, 5, 12, 145, -85.37}, {40, 10, 150, 4, 15, 140, -74.5}};
    QByteArray francais;
    {
        QBuffer b(&francais);
        b.open(QIODevice::WriteOnly);
        ASSERT_TRUE(ecrire_nernst(b, s));
    }
    TableurCsv fr;
    fr.ligne({"a,b", "c;d", TableurCsv::nombre(-85.3711, 2)});
    EXPECT_EQ(fr.octets(), QByteArray("\xEF\xBB\xBF" "a,b;\"c;d\";-85,37\r\n"));

    const Langue anglais("en");
    TableurCsv en;
    en.ligne({"a,b", "c;d", TableurCsv::nombre(-85.3711, 2), TableurCsv::nombre(-0.0004, 3)});
    EXPECT_EQ(en.octets(), QByteArray("\xEF\xBB\xBF\"a,b\",c;d,-85.37,0.000\r\n"));
    // A sequence saved in English is the same file, read back the same.
    QByteArray anglais_;
    QBuffer b(&anglais_);
    b.open(QIODevice::ReadWrite);
    ASSERT_TRUE(ecrire_nernst(b, s));
    EXPECT_EQ(anglais_, francais);
    b.seek(0);
    QTextStream flux(&b);
    const ResultatNernst r = lire_nernst(flux);
    ASSERT_EQ(r.etat, LectureNernst::Lue);
    EXPECT_EQ(r.sequence, s);
}

TEST(Langue, TheReportsDateIsWrittenAsTheSystemsVariantOfTheLanguageWritesIt)
{
    const QDateTime quand(QDate(2026, 12, 9), QTime(17, 48));
    for (const auto& [code, systeme, attendue] : std::vector<std::tuple<QString, QString, QString>>{
             {"fr", "fr_FR", "mercredi 9 décembre 2026, 17:48"},
             {"fr", "en_US", "mercredi 9 décembre 2026, 17:48"},
             {"en", "en_US", "Wednesday, December 9, 2026, 5:48 PM"},
             {"en", "en_GB", "Wednesday, 9 December 2026, 17:48"},
             {"en", "fr_FR", "Wednesday, 9 December 2026, 17:48"}})
        EXPECT_EQ(date_et_heure(quand, code, QLocale(systeme)).replace(QChar(0x202F), ' '), attendue)
            << code.toStdString() << " " << systeme.toStdString();
}
