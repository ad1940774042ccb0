// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the rules a teacher's system follows: one row per rule, each
// breaking one thing in an otherwise good description, with the field named
// and the French reason given; the same rule and reason wherever the system
// comes from (the settings, a lesson, the registry).
#include "lessons/fichierseance.h"
#include "systemecalcemie.h"
#include "systems/descriptionsysteme.h"
#include "systems/systemesenseignant.h"
#include "systems/validationsysteme.h"

#include <QJsonDocument>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

struct Regle
{
    const char *tag;
    std::function<void(QString &, ConfigurationSysteme &)> casse;
    const char *champ;
    const char *raison;
};

const Regle regles[] = {
    {"no name", [](QString &n, ConfigurationSysteme &) { n = QStringLiteral("  "); }, "nom",
     "le système n'a pas de nom."},
    {"a name of the list",
     [](QString &n, ConfigurationSysteme &) { n = QStringLiteral("Homéothermie"); }, "nom",
     "« Homéothermie » est un système de la liste : choisissez un autre nom."},
    {"a name on two lines",
     [](QString &n, ConfigurationSysteme &) { n = QStringLiteral("Calcémie\nbis"); }, "nom",
     "le nom tient sur une ligne."},
    {"a control character in the name",
     [](QString &n, ConfigurationSysteme &) { n += QChar(0x1b); }, "nom",
     "le nom tient sur une ligne."},
    {"a name of 201 characters",
     [](QString &n, ConfigurationSysteme &) { n = QString(201, QLatin1Char('x')); }, "nom",
     "le nom dépasse 200 caractères."},
    {"a sensor of 201 characters",
     [](QString &, ConfigurationSysteme &s) { s.TexteCapteur = QString(201, QLatin1Char('x')); },
     "TexteCapteur", "le nom dépasse 200 caractères."},
    {"no sensor", [](QString &, ConfigurationSysteme &s) { s.TexteCapteur.clear(); },
     "TexteCapteur", "le nom est vide."},
    {"a blank centre",
     [](QString &, ConfigurationSysteme &s) { s.TexteCentreIntegrateur = QStringLiteral(" "); },
     "TexteCentreIntegrateur", "le nom est vide."},
    {"no unit", [](QString &, ConfigurationSysteme &s) { s.TexteUnites.clear(); }, "TexteUnites",
     "le nom est vide."},
    {"a tab in a pathway",
     [](QString &, ConfigurationSysteme &s) { s.TexteVoieStimulatrice += QLatin1Char('\t'); },
     "TexteVoieStimulatrice", "le nom tient sur une ligne."},
    {"an inhibiting pathway without a name",
     [](QString &, ConfigurationSysteme &s) { s.TexteVoieInhibitrice.clear(); },
     "TexteVoieInhibitrice", "le nom est vide."},
    {"a name for an absent effector",
     [](QString &, ConfigurationSysteme &s) {
         s.ModeVoieInhibitrice = ModeAbsent;
         s.TexteVoieInhibitrice.clear();
         s.ModeEffecteurInhibiteur = 0;
     },
     "TexteEffecteurInhibiteur", "l'élément est absent : il n'a pas de nom."},
    {"no stimulating pathway",
     [](QString &, ConfigurationSysteme &s) { s.ModeVoieStimulatrice = ModeAbsent; },
     "ModeVoieStimulatrice", "la voie stimulatrice est nerveuse ou hormonale."},
    {"an unknown mode",
     [](QString &, ConfigurationSysteme &s) { s.ModeVoieSensitive = ModeVoie(3); },
     "ModeVoieSensitive",
     "la voie sensitive est nerveuse, hormonale ou absente (sensibilité directe)."},
    {"an inhibiting pathway to no effector",
     [](QString &, ConfigurationSysteme &s) {
         s.ModeEffecteurInhibiteur = 0;
         s.TexteEffecteurInhibiteur.clear();
     },
     "ModeEffecteurInhibiteur", "la voie inhibitrice mène à un effecteur inhibiteur."},
    {"minimum above maximum",
     [](QString &, ConfigurationSysteme &s) { std::swap(s.ValeurMin, s.ValeurMax); }, "ValeurMax",
     "le maximum doit dépasser le minimum."},
    {"minimum equal to maximum", [](QString &, ConfigurationSysteme &s) { s.ValeurMax = 60; },
     "ValeurMax", "le maximum doit dépasser le minimum."},
    {"a range too narrow for the classes",
     [](QString &, ConfigurationSysteme &s) {
         s.ValeurMin = 90;
         s.ValeurMax = 99;
     },
     "ValeurMax",
     "du minimum au maximum, il faut au moins 10 pour les classes d'écart du capteur."},
    {"a start below the range", [](QString &, ConfigurationSysteme &s) { s.ValeurInitiale = 59; },
     "ValeurInitiale", "la valeur de départ est hors de l'intervalle."},
    {"a start above the range", [](QString &, ConfigurationSysteme &s) { s.ValeurInitiale = 141; },
     "ValeurInitiale", "la valeur de départ est hors de l'intervalle."},
    {"a small step of 0", [](QString &, ConfigurationSysteme &s) { s.PetitPas = 0; }, "PetitPas",
     "le petit pas doit valoir au moins 1."},
    {"a large step of 0", [](QString &, ConfigurationSysteme &s) { s.GrandPas = 0; }, "GrandPas",
     "le grand pas doit valoir au moins 1."},
    {"a small step above the large one", [](QString &, ConfigurationSysteme &s) { s.PetitPas = 6; },
     "PetitPas", "le petit pas ne peut pas dépasser le grand pas."},
    {"a large step beyond the range", [](QString &, ConfigurationSysteme &s) { s.GrandPas = 81; },
     "GrandPas", "le grand pas dépasse l'intervalle."},
    {"a small step above a large step of 1",
     [](QString &, ConfigurationSysteme &s) {
         s.PetitPas = 2;
         s.GrandPas = 1;
     },
     "PetitPas", "le petit pas ne peut pas dépasser le grand pas."},
    {"equal steps beyond the range",
     [](QString &, ConfigurationSysteme &s) { s.PetitPas = s.GrandPas = 81; }, "GrandPas",
     "le grand pas dépasse l'intervalle."},
    {"a maximum beyond the bars", [](QString &, ConfigurationSysteme &s) { s.ValeurMax = 10000; },
     "ValeurMax", "les barres de valeur vont de -9999 à 9999."},
    {"a minimum beyond the bars", [](QString &, ConfigurationSysteme &s) { s.ValeurMin = -10000; },
     "ValeurMin", "les barres de valeur vont de -9999 à 9999."},
    // Said of the minimum alone: the range is not judged on a value the bars refuse.
    {"a minimum beyond the bars, above the maximum",
     [](QString &, ConfigurationSysteme &s) { s.ValeurMin = 10000; }, "ValeurMin",
     "les barres de valeur vont de -9999 à 9999."},
    // With decimals, each bound said in the unit, as the teacher types it.
    {"four decimals", [](QString &, ConfigurationSysteme &s) { s.Decimales = 4; }, "Decimales",
     "le nombre de décimales va de 0 à 3."},
    {"a small step of 0, one decimal",
     [](QString &, ConfigurationSysteme &s) {
         s = avecDecimales(s, 1);
         s.PetitPas = 0;
     },
     "PetitPas", "le petit pas doit valoir au moins 0,1."},
    {"a range too narrow, two decimals",
     [](QString &, ConfigurationSysteme &s) {
         s.Decimales = 2;
         s.ValeurMin = 735;
         s.ValeurMax = 744;
         s.ValeurInitiale = 740;
     },
     "ValeurMax",
     "du minimum au maximum, il faut au moins 0,10 pour les classes d'écart du capteur."},
    {"a maximum beyond the bars, one decimal",
     [](QString &, ConfigurationSysteme &s) {
         s = avecDecimales(s, 1);
         s.ValeurMax = 10000;
     },
     "ValeurMax", "les barres de valeur vont de -999,9 à 999,9."},
};

} // namespace

class TestValidationSysteme : public QObject
{
    Q_OBJECT

private slots:
    void aGoodDescriptionPasses_data();
    void aGoodDescriptionPasses();
    void aNumberIsWholeAndBounded_data();
    void aNumberIsWholeAndBounded();
    void eachRuleNamesItsFieldWhereverItComesFrom_data();
    void eachRuleNamesItsFieldWhereverItComesFrom();
    void aNameIsQuotedShortAndOnOneLine_data();
    void aNameIsQuotedShortAndOnOneLine();
    void eachFieldIsWrittenAndReadUnderItsOwnKey_data();
    void eachFieldIsWrittenAndReadUnderItsOwnKey();

private:
    QTemporaryDir m_dossier;
};

// Calcaemia as described, and each rule's bound reached but not passed.
void TestValidationSysteme::aGoodDescriptionPasses_data()
{
    using C = ConfigurationSysteme;
    QTest::addColumn<std::function<void(QString &, C &)>>("change");
    const auto ligne = [](const char *tag, std::function<void(QString &, C &)> change) {
        QTest::newRow(tag) << change;
    };
    ligne("as described", [](QString &, C &) {});
    // Without an inhibiting side, both its names go.
    ligne("no inhibiting side", [](QString &, C &s) {
        s.ModeVoieInhibitrice = ModeAbsent;
        s.TexteVoieInhibitrice.clear();
        s.ModeEffecteurInhibiteur = 0;
        s.TexteEffecteurInhibiteur.clear();
    });
    ligne("a name of 200 characters", [](QString &n, C &) { n = QString(200, QLatin1Char('a')); });
    ligne("a sensor's name of 200 characters",
          [](QString &, C &s) { s.TexteCapteur = QString(200, QLatin1Char('a')); });
    ligne("the bars' lowest minimum", [](QString &, C &s) { s.ValeurMin = -9999; });
    ligne("the bars' highest maximum", [](QString &, C &s) { s.ValeurMax = 9999; });
    ligne("a range of ten", [](QString &, C &s) {
        s.ValeurMin = 90;
        s.ValeurMax = 100;
    });
    ligne("starting at the minimum", [](QString &, C &s) { s.ValeurInitiale = 60; });
    ligne("starting at the maximum", [](QString &, C &s) { s.ValeurInitiale = 140; });
    ligne("equal steps", [](QString &, C &s) { s.PetitPas = 5; });
    ligne("steps of 1", [](QString &, C &s) { s.GrandPas = 1; });
    ligne("a large step as wide as the range", [](QString &, C &s) { s.GrandPas = 80; });
}

void TestValidationSysteme::aGoodDescriptionPasses()
{
    QFETCH(std::function<void(QString &, ConfigurationSysteme &)>, change);
    QString nom = QStringLiteral("Calcémie");
    ConfigurationSysteme s = calcemie();
    change(nom, s);
    QCOMPARE(valideSysteme(nom, s), QList<DefautSysteme>());
}

// A number in a file is one a person could type: in the unit, with at most
// the system's decimals (none when it says none, or nothing), at most a
// billion steps; kept as a whole number of steps.
void TestValidationSysteme::aNumberIsWholeAndBounded_data()
{
    QTest::addColumn<double>("nombre");
    QTest::addColumn<int>("decimales"); // -1: the field absent
    QTest::addColumn<int>("pas");       // -1: refused
    QTest::newRow("whole") << 140.0 << 0 << 140;
    QTest::newRow("a billion") << 1e9 << 0 << 1000000000;
    QTest::newRow("minus a billion") << -1e9 << 0 << -1000000000;
    QTest::newRow("beyond a billion") << 1e9 + 1 << 0 << -1;
    QTest::newRow("a fraction") << 140.5 << 0 << -1;
    QTest::newRow("no decimals said, whole") << 140.0 << -1 << 140;
    QTest::newRow("no decimals said, a fraction") << 140.5 << -1 << -1;
    QTest::newRow("a tenth, one decimal") << 140.5 << 1 << 1405;
    QTest::newRow("hundredths, two decimals") << 7.35 << 2 << 735;
    QTest::newRow("below zero, three decimals") << -0.125 << 3 << -125;
    QTest::newRow("thousandths, two decimals") << 7.355 << 2 << -1;
    QTest::newRow("beyond a billion steps, three decimals") << 1e6 + 1 << 3 << -1;
}

void TestValidationSysteme::aNumberIsWholeAndBounded()
{
    QFETCH(double, nombre);
    QFETCH(int, decimales);
    QFETCH(int, pas);
    QJsonObject objet = descriptionEnJson(calcemie());
    objet.insert(QStringLiteral("ValeurMax"), nombre);
    if (decimales < 0)
        objet.remove(QStringLiteral("Decimales"));
    else
        objet.insert(QStringLiteral("Decimales"), decimales);
    const LectureDescription lecture = lisDescription(objet);
    QCOMPARE(bool(lecture.systeme), pas != -1);
    if (lecture.systeme) {
        QCOMPARE(lecture.systeme->ValeurMax, pas);
        return;
    }
    QCOMPARE(lecture.defaut.champ, QStringLiteral("ValeurMax"));
    QCOMPARE(lecture.defaut.raison,
             decimales > 0
                 ? QStringLiteral("devrait être un nombre d'au plus %1 décimale(s).").arg(decimales)
                 : QStringLiteral("devrait être un nombre entier."));
}

void TestValidationSysteme::eachRuleNamesItsFieldWhereverItComesFrom_data()
{
    QTest::addColumn<int>("regle");
    for (std::size_t i = 0; i < std::size(regles); ++i)
        QTest::addRow("%s", regles[i].tag) << int(i);
}

// Checked alone, kept by the registry, read back from the settings, carried
// by a lesson: refused each time for the same field and the same reason.
void TestValidationSysteme::eachRuleNamesItsFieldWhereverItComesFrom()
{
    QFETCH(int, regle);
    const Regle &r = regles[regle];
    QString nom = QStringLiteral("Calcémie");
    ConfigurationSysteme s = calcemie();
    r.casse(nom, s);
    const QString champ = QString::fromUtf8(r.champ);
    const QString raison = QString::fromUtf8(r.raison);

    QCOMPARE(valideSysteme(nom, s), (QList<DefautSysteme>{{champ, raison}}));
    SystemesEnseignant registre;
    QCOMPARE(registre.enregistre({nom, s}), (QList<DefautSysteme>{{champ, raison}}));
    QVERIFY(registre.noms().isEmpty());

    const QString fichier = m_dossier.filePath(QStringLiteral("%1.ini").arg(regle));
    {
        QSettings ecrits(fichier, QSettings::IniFormat);
        ecrits.beginWriteArray(QStringLiteral("systemesEnseignant"), 1);
        ecrits.setArrayIndex(0);
        ecrits.setValue(QStringLiteral("nom"), nom);
        ecrits.setValue(QStringLiteral("description"),
                        QJsonDocument(descriptionEnJson(s)).toJson(QJsonDocument::Compact));
        ecrits.endArray();
    }
    QSettings reglages(fichier, QSettings::IniFormat);
    const SystemesEnseignant relu(&reglages);
    QVERIFY(relu.noms().isEmpty());
    QVERIFY2(relu.laissesDeCote().contains(QStringLiteral("« %1 » : %2").arg(champ, raison)),
             qPrintable(relu.laissesDeCote()));
    QVERIFY(!relu.laissesDeCote().contains(QLatin1Char('\n')));

    QJsonObject seance{{"format", "systemes-regulation/seance"},
                       {"version", 1},
                       {"systeme", nom},
                       {"systemeEnseignant", descriptionEnJson(s)}};
    const LectureSeance lue =
        lisSeance(QJsonDocument(seance).toJson(),
                  GabaritSeance{QSize(550, 40), QSize(550, 10), QSize(550, 101)});
    QCOMPARE(lue.erreur,
             QStringLiteral("« %1 » : %2")
                 .arg(champ == QStringLiteral("nom") ? QStringLiteral("systeme")
                                                     : QStringLiteral("systemeEnseignant.") + champ,
                      raison));
}

void TestValidationSysteme::aNameIsQuotedShortAndOnOneLine_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("cite");
    const QString soixante(60, QLatin1Char('x'));
    QTest::addRow("60 characters, whole") << soixante << soixante;
    QTest::addRow("61 characters, cut") << soixante + QLatin1Char('y') << soixante + u'…';
    QTest::addRow("two lines") << QStringLiteral("A\nB") << QStringLiteral("A\uFFFDB");
}

// A name from outside, quoted in a message: its first 60 characters on one line.
void TestValidationSysteme::aNameIsQuotedShortAndOnOneLine()
{
    QFETCH(QString, nom);
    QFETCH(QString, cite);
    QCOMPARE(citation(nom), cite);
}

// The description's nineteen fields, each changed alone: the file names it
// under its own key and no other, reads it back, and the comparison sees it.
void TestValidationSysteme::eachFieldIsWrittenAndReadUnderItsOwnKey_data()
{
    QTest::addColumn<std::function<void(ConfigurationSysteme &)>>("change");
    using C = ConfigurationSysteme;
    const auto texte = [](QString C::*m) {
        return std::function<void(C &)>([m](C &s) { s.*m += QStringLiteral(" bis"); });
    };
    const auto nombre = [](int C::*m) {
        return std::function<void(C &)>([m](C &s) { s.*m += 7; });
    };
    const auto mode = [](ModeVoie C::*m) {
        return std::function<void(C &)>([m](C &s) { s.*m = ModeVoie(int(s.*m) + 5); });
    };
    QTest::newRow("TexteCapteur") << texte(&C::TexteCapteur);
    QTest::newRow("TexteValeurReglee") << texte(&C::TexteValeurReglee);
    QTest::newRow("TexteVoieSensitive") << texte(&C::TexteVoieSensitive);
    QTest::newRow("ModeVoieSensitive") << mode(&C::ModeVoieSensitive);
    QTest::newRow("TexteCentreIntegrateur") << texte(&C::TexteCentreIntegrateur);
    QTest::newRow("TexteVoieStimulatrice") << texte(&C::TexteVoieStimulatrice);
    QTest::newRow("ModeVoieStimulatrice") << mode(&C::ModeVoieStimulatrice);
    QTest::newRow("TexteVoieInhibitrice") << texte(&C::TexteVoieInhibitrice);
    QTest::newRow("ModeVoieInhibitrice") << mode(&C::ModeVoieInhibitrice);
    QTest::newRow("TexteEffecteurStimulateur") << texte(&C::TexteEffecteurStimulateur);
    QTest::newRow("ModeEffecteurStimulateur") << nombre(&C::ModeEffecteurStimulateur);
    QTest::newRow("TexteEffecteurInhibiteur") << texte(&C::TexteEffecteurInhibiteur);
    QTest::newRow("ModeEffecteurInhibiteur") << nombre(&C::ModeEffecteurInhibiteur);
    QTest::newRow("TexteUnites") << texte(&C::TexteUnites);
    QTest::newRow("ValeurInitiale") << nombre(&C::ValeurInitiale);
    QTest::newRow("ValeurMin") << nombre(&C::ValeurMin);
    QTest::newRow("ValeurMax") << nombre(&C::ValeurMax);
    QTest::newRow("PetitPas") << nombre(&C::PetitPas);
    QTest::newRow("GrandPas") << nombre(&C::GrandPas);
    // The same values with one decimal: only the decimals' key changes, the
    // values being written in the unit.
    QTest::newRow("Decimales") << std::function<void(C &)>([](C &s) { s = avecDecimales(s, 1); });
}

void TestValidationSysteme::eachFieldIsWrittenAndReadUnderItsOwnKey()
{
    // Each row is named after its field's key.
    const QString cle = QString::fromLatin1(QTest::currentDataTag());
    QFETCH(std::function<void(ConfigurationSysteme &)>, change);
    const ConfigurationSysteme avant = calcemie();
    ConfigurationSysteme apres = avant;
    change(apres);
    QVERIFY(!(apres == avant));
    const QJsonObject a = descriptionEnJson(avant);
    const QJsonObject b = descriptionEnJson(apres);
    QCOMPARE(b.size(), 20);
    for (auto it = a.begin(); it != a.end(); ++it)
        QCOMPARE(it.value() != b.value(it.key()), it.key() == cle);
    const LectureDescription relue = lisDescription(b);
    QVERIFY(relue.systeme);
    QVERIFY(*relue.systeme == apres);
}

QTEST_GUILESS_MAIN(TestValidationSysteme)
#include "tst_validationsysteme.moc"
