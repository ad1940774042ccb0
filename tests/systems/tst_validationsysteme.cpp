// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the rules a teacher's system follows: one row per rule, each
// breaking one thing in an otherwise good description, with the field named
// and the French reason given.
#include "systemecalcemie.h"
#include "systems/validationsysteme.h"

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
    {"a maximum beyond the bars", [](QString &, ConfigurationSysteme &s) { s.ValeurMax = 10000; },
     "ValeurMax", "les barres de valeur vont de -9999 à 9999."},
    {"a minimum beyond the bars", [](QString &, ConfigurationSysteme &s) { s.ValeurMin = -10000; },
     "ValeurMin", "les barres de valeur vont de -9999 à 9999."},
};

} // namespace

class TestValidationSysteme : public QObject
{
    Q_OBJECT

private slots:
    void aGoodDescriptionPasses();
    void eachRuleNamesItsField_data();
    void eachRuleNamesItsField();
    void theSchemeSaysWhatDoesNotFit();
};

void TestValidationSysteme::aGoodDescriptionPasses()
{
    QVERIFY(valideSysteme(QStringLiteral("Calcémie"), calcemie()).isEmpty());
    // Without an inhibiting side, both its names go.
    ConfigurationSysteme s = calcemie();
    s.ModeVoieInhibitrice = ModeAbsent;
    s.TexteVoieInhibitrice.clear();
    s.ModeEffecteurInhibiteur = 0;
    s.TexteEffecteurInhibiteur.clear();
    QVERIFY(valideSysteme(QStringLiteral("Calcémie"), s).isEmpty());
}

void TestValidationSysteme::eachRuleNamesItsField_data()
{
    QTest::addColumn<int>("regle");
    for (std::size_t i = 0; i < std::size(regles); ++i)
        QTest::addRow("%s", regles[i].tag) << int(i);
}

void TestValidationSysteme::eachRuleNamesItsField()
{
    QFETCH(int, regle);
    const Regle &r = regles[regle];
    QString nom = QStringLiteral("Calcémie");
    ConfigurationSysteme s = calcemie();
    r.casse(nom, s);
    const QList<DefautSysteme> defauts = valideSysteme(nom, s);
    QCOMPARE(defauts.size(), 1);
    QCOMPARE(defauts[0].champ, QString::fromUtf8(r.champ));
    QCOMPARE(defauts[0].raison, QString::fromUtf8(r.raison));
}

// The window's measure is asked for every name that exists, and its reason
// reported against the field.
void TestValidationSysteme::theSchemeSaysWhatDoesNotFit()
{
    QStringList demandes;
    const auto place = [&demandes](const QString &champ, const QString &texte) {
        demandes << champ;
        return texte.size() > 20 ? QStringLiteral("trop long pour sa case.") : QString();
    };
    const QList<DefautSysteme> defauts =
        valideSysteme(QStringLiteral("Calcémie"), calcemie(), place);
    QCOMPARE(demandes,
             (QStringList{"nom", "TexteCapteur", "TexteValeurReglee", "TexteVoieSensitive",
                          "TexteCentreIntegrateur", "TexteVoieStimulatrice", "TexteVoieInhibitrice",
                          "TexteEffecteurStimulateur", "TexteEffecteurInhibiteur", "TexteUnites"}));
    QCOMPARE(defauts, (QList<DefautSysteme>{
                          {"TexteCapteur", "trop long pour sa case."},
                          {"TexteVoieStimulatrice", "trop long pour sa case."},
                          {"TexteVoieInhibitrice", "trop long pour sa case."},
                          {"TexteEffecteurStimulateur", "trop long pour sa case."},
                          {"TexteEffecteurInhibiteur", "trop long pour sa case."},
                      }));
}

QTEST_GUILESS_MAIN(TestValidationSysteme)
#include "tst_validationsysteme.moc"
