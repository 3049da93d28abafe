#include "common/aleatoire.h"
#include "ionic/animation.h"
#include "ionic/etat_ionique.h"
#include "shell/merlade.h"
#include "shell/pas_a_pas.h"
#include "shell/rtf.h"
#include "shell/visionneuse.h"
#include "stimulation/questions.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "impression.h"
#include "regles/outils_regles.h"

using namespace quillon;
using namespace quillon::essais;

TEST(PasAPas, StepsDownAndUpWithinTheLines)
{
    const QStringList lignes = {"Titre", "1) Ouvrir", "observer", "2) Fermer"};
    const QString texte = lignes.join('\n');
    PasAPas p;
    EXPECT_FALSE(p.bas_haut(-1, lignes, texte)) << "up before any step does nothing";
    EXPECT_EQ(p.ligne_doc, -1);

    auto e = p.bas_haut(+1, lignes, texte);
    ASSERT_TRUE(e);
    EXPECT_FALSE(e->couleur_rendue);
    EXPECT_EQ(p.ligne_doc, 0);
    EXPECT_EQ(e->debut, 0);
    EXPECT_EQ(e->longueur, 5);

    e = p.bas_haut(-1, lignes, texte);
    EXPECT_EQ(p.ligne_doc, 0) << "-1 becomes 0";
    EXPECT_EQ(*e->couleur_rendue, QColor(Qt::white));

    p.bas_haut(+1, lignes, texte);
    e = p.bas_haut(+1, lignes, texte);
    EXPECT_EQ(*e->couleur_rendue, QColor(192, 192, 192)) << "a passed numbered item turns silver";
    EXPECT_EQ(e->debut, 16);
    p.bas_haut(+1, lignes, texte);
    e = p.bas_haut(+1, lignes, texte);
    EXPECT_EQ(p.ligne_doc, 3) << "stays on the last line";
    EXPECT_EQ(*e->couleur_rendue, QColor(192, 192, 192));
    EXPECT_EQ(e->debut, 25);
}

TEST(PasAPas, ARepeatedLineHighlightsItsFirstOccurrence)
{
    const QStringList lignes = {"observer", "12) faire", "observer"};
    PasAPas p;
    p.ligne_doc = 1;
    const auto e = p.bas_haut(+1, lignes, lignes.join('\n'));
    EXPECT_EQ(e->debut, 0);
    EXPECT_EQ(*e->couleur_rendue, QColor(192, 192, 192)) << "\"12)\" within the first three characters";
    EXPECT_FALSE(PasAPas().bas_haut(+1, {}, QString()));
}

TEST(Visionneuse, SizeAndTitleOfTheViewer)
{
    struct Cas {
        QMargins cadre;
        int largeur_titre;
        QSize exterieur, client;
        QPoint titre;
    };
    // A 600 x 400 picture, in the usual frame and in none.
    for (const Cas& c : {Cas{cadre_habituel, 200, {615, 440}, {599, 402}, {199, 377}},
                         Cas{QMargins(), 100, {615, 440}, {615, 440}, {257, 415}}}) {
        SCOPED_TRACE(c.largeur_titre);
        const GeometrieImage g = geometrie_image(QSize(600, 400), c.cadre, c.largeur_titre);
        EXPECT_EQ(g.exterieur, c.exterieur);
        EXPECT_EQ(g.client, c.client);
        EXPECT_EQ(g.titre, c.titre);
    }
}

TEST(Merlade, TemplateLinesTwoToFiveAreRewritten)
{
    QTemporaryDir prog;
    QTemporaryDir tmp;
    const QString mrl = tmp.filePath("mrl");
    const QString dossier = prog.path() + "/";
    ASSERT_TRUE(ecrire(prog.filePath("merlade/merlade.sav"), "SET CHEM_MRL=old\r\nSET CHEM_MRL=x\r\necho\r\n"));
    ASSERT_TRUE(ecrire(prog.filePath("MERLADE/merlade.ppp"), QByteArray(10000, 'p')));

    const ResultatMerlade r = adap_merlade(dossier, mrl);
    EXPECT_TRUE(r.prepare);
    EXPECT_FALSE(r.erreur);
    EXPECT_EQ(r.chemin_merlade, dossier + "\\MERLADE\\");
    // Only the second line: the first is never looked at. The template's
    // three lines, no empty ones added.
    EXPECT_EQ(lire(mrl + "/merlade.bat"),
              "SET CHEM_MRL=old\r\nSET CHEM_MRL=" + dossier.toLatin1() + "\\MERLADE\\\r\necho\r\n");
    EXPECT_EQ(lire(mrl + "/merlade.pif"), QByteArray(10000, 'p')) << "a 10000-byte copy";

    // The launch command, from the current directory, in the configuration folder.
    const LancementMerlade l = commande_merlade("c:\\mrl", "c:\\ecole\\bio", "&refr~A.exw");
    EXPECT_EQ(l.ligne(), "c:\\mrl\\merlade.pif c:\\ecole\\bio\\merlade\\electro\\&refr~A.exw");
    EXPECT_EQ(l.dossier, "c:\\mrl");
    ASSERT_TRUE(lancement_merlade(mrl, "c:\\ecole\\bio", "&recr~A.exw"));
    EXPECT_EQ(lancement_merlade(mrl, "d", "e")->programme, mrl + "/merlade.pif");

    // The end: the folder emptied and removed, only when it holds the launch file.
    nettoyer_merlade(mrl);
    EXPECT_FALSE(QDir(mrl).exists());
    EXPECT_FALSE(lancement_merlade(mrl, "d", "e"));
}

TEST(Merlade, NothingWithoutTheEnvironmentLine)
{
    QTemporaryDir prog;
    QTemporaryDir tmp;
    const QString mrl = tmp.filePath("mrl");
    EXPECT_FALSE(adap_merlade(prog.path() + "/", mrl).prepare) << "no template";
    ASSERT_TRUE(ecrire(prog.filePath("merlade/merlade.sav"), "a\nb\nc\nd\ne\nSET CHEM_MRL=6th line\n"));
    EXPECT_FALSE(adap_merlade(prog.path() + "/", mrl).prepare);
    EXPECT_FALSE(QDir(mrl).exists());

    // A folder without the launch file is left alone.
    ASSERT_TRUE(ecrire(mrl + "/autre.txt", "x"));
    nettoyer_merlade(mrl);
    EXPECT_TRUE(QFile::exists(mrl + "/autre.txt"));
}

TEST(Merlade, CopyInBlocks)
{
    QTemporaryDir tmp;
    for (int taille : {0, 1, 9999, 10000, 10001, 25000}) {
        QByteArray octets(taille, '\0');
        for (int i = 0; i < taille; ++i)
            octets[i] = static_cast<char>(i * 7);
        ASSERT_TRUE(ecrire(tmp.filePath("source"), octets));
        ASSERT_TRUE(copier(tmp.filePath("source"), tmp.filePath("copie")));
        EXPECT_EQ(lire(tmp.filePath("copie")), octets) << taille;
    }
    EXPECT_TRUE(copier(tmp.filePath("absente"), tmp.filePath("copie2"))) << "silently skipped";
    EXPECT_FALSE(QFile::exists(tmp.filePath("copie2")));
    EXPECT_FALSE(copier(tmp.filePath("source"), tmp.filePath("pas/de/dossier/copie")));
}

namespace {

// The shipped documents' text as the program's own reader gives it.
QString texte_document(const QString& nom)
{
    const QByteArray rtf = lire(QStringLiteral(QUILLON_DOCUMENTS "/") + nom);
    EXPECT_FALSE(rtf.isEmpty()) << nom.toStdString();
    // Well formed: every group closes, and only at the end.
    int profondeur = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\')
            ++i;
        else if (rtf[i] == '{')
            ++profondeur;
        else if (rtf[i] == '}' && --profondeur == 0) {
            EXPECT_TRUE(rtf.mid(i + 1).trimmed().isEmpty()) << nom.toStdString() << ": text after the end";
        }
        EXPECT_GE(profondeur, 0) << nom.toStdString();
    }
    EXPECT_EQ(profondeur, 0) << nom.toStdString();
    QTextDocument d;
    EXPECT_TRUE(lire_rtf(rtf, d)) << nom.toStdString();
    return d.toRawText(); // the plain text would turn the no-break spaces into spaces
}

} // namespace

namespace {

// What no careful text shows, as a pattern, and whether the quoted screen
// texts are left out of the search.
struct Faute {
    const char* motif;
    bool hors_guillemets;
    const char* quoi;
};

// The numbers of a text in their order, a decimal comma read as a point: the
// answer key of a translated document is the original's, number for number.
QStringList nombres(const QString& texte)
{
    QStringList n;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("\\d+(?:[.,]\\d+)?")).globalMatch(texte))
        n << m.captured().replace(QLatin1Char(','), QLatin1Char('.'));
    return n;
}

} // namespace

TEST(DocumentsLivres, AsATeacherWritesThemInEachLanguage)
{
    // In both languages.
    const std::vector<Faute> communes = {
        {R"((^|\W)-\d)", false, "an ASCII hyphen as a minus sign"},
        {R"(pixel|\bcode\b|\bQt\b|C\+\+|compil|\bVCL\b|Delphi)", false, "how the program was made"},
        {R"(\x{fffd}|\\'|\\par|\\u\d|[{}])", false, "RTF left in the text"},
        {R"(\( | \)|\d h\b)", false, "a blank inside parentheses, or hours not held together"},
    };
    const struct Langue {
        const char* dossier;
        const char* guillemets; // a quoted screen text
        std::vector<Faute> fautes;
        std::vector<const char*> presents, absents; // the language's common words and letters, the other's
        const char* cle; // how the teachers' answer key names an activity
        struct Document {
            const char* nom;
            std::vector<const char*> mesures; // what the correction accepts as measured
        };
        std::vector<Document> documents;
    } langues[] = {
        {"", "«[^»]*»",
         {
             {R"([^\x{a0}\x{202f}][:;?!])", false, "no no-break space before : ; ? !"},
             {R"(«[^\x{a0}\x{202f}]|[^\x{a0}\x{202f}]»)", false, "no no-break space inside the quotes"},
             {R"(\d,\d)", true, "a decimal comma (the convention is the point)"},
             {R"(\b(Equilibr|Electr|Ecart|Etape|Ecri|Eloign|Evit)|\bA (l'|l’|la |partir|chaque))", true,
              "a capital without its accent"},
             // What the program no longer does, or never did.
             {R"(\b0\.2 d[eu] (la |son )?(réponse )?max)", false, "the threshold response as 0.2 of the maximum"},
             {R"(sommation temporelle|(?i:ce n’est pas une sommation))", false,
              "the nerve's bigger second response called temporal summation, or said to be no summation at all"},
             {R"(Em=-\W{0,3}tend vers|nombre net ne change plus)", false, "the animation said to settle"},
             {R"(48\x{a0}m/s \(refusé\)|la correction la refuse|il faut un point|n’accepte que le point)", false,
              "a measure or a decimal comma said refused"},
             {R"(équilibre, le courant|0\.24\x{a0}V au moins)", false, "a rule the model does not follow"},
         },
         {" le ", " la ", " les ", " des ", " est ", "é", "à", "è"}, {" the ", " and ", " of "}, "\u00a0:",
         {
             {"QUIL_PED.rtf", {"3.3", "1.7", "300\u00a0Hz", "600\u00a0Hz", "48\u00a0m/s", "39.3\u00a0m/s",
                               "35 à 55\u00a0m/s", "Parcours en 2\u00a0h", "«\u00a00,20\u00a0»", "1.83\u00a0ms", "29\u00a0%"}},
             {"phases_demo.rtf", {"3.3", "1.7", "300", "600", "«\u00a00,20\u00a0»", "1.83\u00a0ms"}},
             {"fiche_eleve.rtf", {}},
         }},
        {"en/", "“[^”]*”",
         {
             {R"([\s\x{a0}\x{202f}][:;?!])", false, "a blank before : ; ? !"},
             {R"(“[\s\x{a0}]|[\s\x{a0}]”|[«»"])", false, "French or straight quotes, or a blank inside the quotes"},
             {R"(\d,\d)", true, "a decimal comma"},
             {R"(\b0\.2 of (the |its )?(maximum|maximal))", false, "the threshold response as 0.2 of the maximum"},
             {R"((?i:temporal summation|(is|was) not (a )?summation))", false,
              "the nerve's bigger second response called temporal summation, or said to be no summation at all"},
             {R"(Em=-\W{0,3}(settles|levels off|tends to)|net number (no longer changes|stops changing))", false,
              "the animation said to settle"},
             {R"(48\x{a0}m/s \(rejected\)|the checking rejects it|(needs|requires) a point|accepts only the point)", false,
              "a measure or a decimal comma said refused"},
             {R"(at equilibrium, the current|0\.24\x{a0}V at least)", false, "a rule the model does not follow"},
         },
         {" the ", " and ", " of "}, {" le ", " la ", " les ", " des ", " est ", "é", "à", "è"}, ":",
         {
             {"QUIL_PED.rtf", {"3.3", "1.7", "300\u00a0Hz", "600\u00a0Hz", "48\u00a0m/s", "39.3\u00a0m/s",
                               "35 to 55\u00a0m/s", "2-hour route", "“0,20”", "1.83\u00a0ms", "29%"}},
             {"phases_demo.rtf", {"3.3", "1.7", "300", "600", "“0,20”", "1.83\u00a0ms"}},
             {"fiche_eleve.rtf", {}},
         }},
    };
    for (const Langue& l : langues) {
        const QString dossier = QString::fromLatin1(l.dossier);
        for (const auto& doc : l.documents) {
            SCOPED_TRACE(dossier.toStdString() + doc.nom);
            const QString texte = texte_document(dossier + QString::fromLatin1(doc.nom));
            QString hors_guillemets = texte;
            hors_guillemets.remove(QRegularExpression(QString::fromUtf8(l.guillemets)));
            std::vector<Faute> fautes = communes;
            fautes.insert(fautes.end(), l.fautes.begin(), l.fautes.end());
            for (const Faute& f : fautes) {
                const QRegularExpression re(QString::fromUtf8(f.motif), QRegularExpression::UseUnicodePropertiesOption);
                ASSERT_TRUE(re.isValid()) << f.motif;
                const QString& t = f.hors_guillemets ? hors_guillemets : texte;
                const QRegularExpressionMatch m = re.match(t);
                EXPECT_FALSE(m.hasMatch()) << f.quoi << ": \"" << t.mid(std::max<qsizetype>(0, m.capturedStart() - 30), 60).toStdString() << "\"";
            }
            for (const char* mot : l.presents)
                EXPECT_TRUE(texte.contains(QString::fromUtf8(mot))) << mot;
            for (const char* mot : l.absents)
                EXPECT_FALSE(texte.contains(QString::fromUtf8(mot))) << mot;
            for (const char* m : doc.mesures)
                EXPECT_TRUE(texte.contains(QString::fromUtf8(m))) << m;
            // The potentials' symbols written with their subscripts.
            const QString rtf = QString::fromLatin1(lire(QStringLiteral(QUILLON_DOCUMENTS "/") + dossier + doc.nom));
            const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("[^A-Za-z](EK|ENa)[^A-Za-z=]")).match(rtf);
            EXPECT_FALSE(m.hasMatch()) << "no subscript: " << m.captured().toStdString();
            // A translation keeps the original's answer key: every value,
            // range and duration, in the same order.
            if (!dossier.isEmpty()) {
                const QStringList original = nombres(texte_document(QString::fromLatin1(doc.nom))), ici = nombres(texte);
                const auto ecart = std::mismatch(original.begin(), original.end(), ici.begin(), ici.end());
                EXPECT_TRUE(ecart.first == original.end() && ecart.second == ici.end())
                    << "number " << (ecart.first - original.begin()) << ": "
                    << (ecart.first == original.end() ? QString("none") : *ecart.first).toStdString() << " in the original, "
                    << (ecart.second == ici.end() ? QString("none") : *ecart.second).toStdString() << " here";
            }
        }
        // The worksheet's answer key, in the teachers' document: every activity.
        const QString fiche = texte_document(dossier + "fiche_eleve.rtf"), document = texte_document(dossier + "QUIL_PED.rtf");
        int activites = 0;
        for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("\\b([BC]\\d)\\. ")).globalMatch(fiche)) {
            ++activites;
            EXPECT_TRUE(document.contains(m.captured(1) + QString::fromUtf8(l.cle))) << l.dossier << m.captured(1).toStdString();
        }
        EXPECT_EQ(activites, 12) << l.dossier;
    }
}

// The documents' figures that the rules compute, in both languages: each
// range's bounds right and one step beyond them wrong (pairs r/a: refractory
// periods, l/c: long and short fibres' frequencies, v: velocity, s: threshold),
// k: EK at a [K]e, b: the band the animation's label keeps to at [K]e `ke`
// (its bounds within 1.5 mV of the label's 5th and 95th percentiles).
TEST(DocumentsLivres, TheirFiguresAreTheRulesOwn)
{
    const struct { const char *paires, *motif; double ke = 0; } lectures[] = {
        {"r", R"((\d\.\d) (?:à|to) (\d\.\d).ms \((?:mesure|measured|valeur classique|textbook value)[,)])"},
        {"a", R"((\d\.\d) (?:à|to) (\d\.\d).ms \((?:mesure.|measured):)"},
        {"rar", R"((\d\.\d) (?:à|to) (\d\.\d).ms \D+ (\d\.\d) (?:à|to) (\d\.\d).ms \D+ (\d\.\d) (?:à|to) (\d\.\d).ms (?:pour|for) (?:la|the) relative)"},
        {"ll", R"((\d+) (?:à|to) (\d+).Hz \((?:mesure|measured|valeur classique|textbook value|\d+.Hz (?:mesuré|measured), (?:ou de|or from) (\d+) (?:à|to) (\d+))\))"},
        {"c", R"((\d+) (?:à|to) (\d+).Hz \((?:mesure comme|measured and|\d+.Hz (?:mesuré|measured)\)))"},
        {"v", R"((\d+) (?:à|to) (\d+).m/s)"},
        {"s", R"((0\.\d+) (?:à|to) (0\.\d+).V(?: \(|\x{a0}?;))"},
        {"k", R"(\[K\+?\]e (?:=|à|to) (\d+)(?:, EK = |\D+\x{2029}EeqK=)(−?[\d.]+))"},
        {"b", R"((?:souvent entre|mostly between|oscille entre|swings between about) (\d+) (?:et|and) (\d+)(?: environ)?(?:,| lorsque| when))", 6},
        {"b", R"((?:souvent entre|mostly between|oscille entre|swings between about) (\d+) (?:et|and) (\d+)(?: environ)?[.;\x{a0}])", 60},
    };
    const auto juste = [](char r, double x) {
        const int item = static_cast<int>(std::lround(x * 10));
        const QString t = QString::number(x, 'f', r == 's' ? 2 : 0);
        return corriger_reponses({item, item, t, t, t, -1, t})[std::string("ralcv-s").find(r)];
    };
    const auto etat = [](double ke) { EtatIonique e{150, ke, 8, 144}; e.calcul_pot_eq(); return e; };
    const auto bande = [&](double ke) { // the label's |Em| from the 1,000th tick: its 5th and 95th percentiles
        const EtatIonique e = etat(ke);
        std::vector<double> v;
        for (int graine = 1; graine <= 5; ++graine) {
            QImage sav(AnimationFlux::largeur, AnimationFlux::hauteur, QImage::Format_RGB32), image;
            sav.fill(Qt::white);
            Aleatoire hasard(graine);
            AnimationFlux anim;
            anim.remise_zero_anim(e, sav);
            anim.rempl_image(e, hasard, sav, image = sav);
            for (int t = 0; t < 10000; ++t, anim.tic(e.e_k, hasard))
                if (t >= 1000)
                    v.push_back(std::abs(10 * anim.flux_moyen));
        }
        std::sort(v.begin(), v.end());
        return std::pair(v[v.size() / 20], v[v.size() * 19 / 20]);
    };
    for (const QString langue : {"", "en/"}) {
        const QString texte = texte_document(langue + "QUIL_PED.rtf") + texte_document(langue + "phases_demo.rtf");
        for (const auto& l : lectures) {
            SCOPED_TRACE(langue.toStdString() + l.motif);
            int lues = 0;
            for (const QRegularExpressionMatch& m : QRegularExpression(QString::fromUtf8(l.motif)).globalMatch(texte))
                for (int i = 0; const char r = l.paires[i]; ++i) {
                    const QString b = m.captured(2 * i + 2);
                    const double x = m.captured(2 * i + 1).toDouble(), y = QString(b).replace(u'−', u'-').toDouble();
                    const double pas = r == 'r' || r == 'a' ? 0.1 : r == 's' ? 0.01 : 1;
                    lues += !b.isEmpty();
                    if (r == 'k') {
                        EXPECT_NEAR(etat(x).e_k, y, 0.5001 * std::pow(10, b.indexOf('.') - b.size() + 1)) << "to its last decimal";
                    } else if (r == 'b') {
                        const auto [bas, haut] = bande(l.ke);
                        EXPECT_TRUE(std::abs(x - bas) <= 1.5 && std::abs(y - haut) <= 1.5) << bas << " to " << haut;
                    } else if (!b.isEmpty()) {
                        EXPECT_TRUE(juste(r, x) && juste(r, y) && !juste(r, x - pas) && !juste(r, y + pas)) << x << " to " << y;
                    }
                }
            EXPECT_GT(lues, 0);
        }
    }
}
