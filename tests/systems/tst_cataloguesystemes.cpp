// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the catalogue of regulation systems: every name of the list finds its
// system and nothing else does, the records can be applied safely (ranges,
// steps, absent parts), and the particular spellings and values of the
// systems are kept.
#include "app/tform1.h"
#include "countingbeeper.h"
#include "saisiesysteme.h"
#include "scriptedmessages.h"
#include "systems/cataloguesystemes.h"

#include <QSet>
#include <QTest>

class TestCatalogueSystemes : public QObject
{
    Q_OBJECT

private slots:
    void everyListItemNamesOneSystem();
    void nearMissesNameNoSystem_data();
    void nearMissesNameNoSystem();
    void recordsCanBeApplied_data();
    void recordsCanBeApplied();
    void rangesAndUnits_data();
    void rangesAndUnits();
    void spellingsKept_data();
    void spellingsKept();
};

void TestCatalogueSystemes::everyListItemNamesOneSystem()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);

    QCOMPARE(form.ComboBoxSysteme->count(), int(CatalogueSystemes.size()));
    QSet<const ConfigurationSysteme *> trouves;
    for (int i = 0; i < form.ComboBoxSysteme->count(); ++i) {
        const QString nom = form.ComboBoxSysteme->itemText(i);
        const ConfigurationSysteme *configuration = trouveSysteme(nom);
        QVERIFY2(configuration, qPrintable(nom));
        trouves.insert(configuration);
    }
    QCOMPARE(trouves.size(), int(CatalogueSystemes.size()));
}

void TestCatalogueSystemes::nearMissesNameNoSystem_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addRow("small letters") << QStringLiteral("homéothermie");
    QTest::addRow("capitals") << QStringLiteral("HOMÉOTHERMIE");
    QTest::addRow("trailing blank") << QStringLiteral("Homéothermie ");
    QTest::addRow("leading blank") << QStringLiteral(" Glycémie directe");
    QTest::addRow("prefix") << QStringLiteral("Glycémie");
    QTest::addRow("no accents") << QStringLiteral("Integrite de l'organisme");
    QTest::addRow("curly apostrophe") << QStringLiteral("Intégrité de l’organisme");
    // The same letters with the accent as a separate combining mark.
    QTest::addRow("decomposed accent") << QStringLiteral("Home\u0301othermie");
    QTest::addRow("stored text of the list") << QStringLiteral("Schéma général");
    QTest::addRow("empty") << QString();
}

void TestCatalogueSystemes::nearMissesNameNoSystem()
{
    QFETCH(QString, texte);
    QCOMPARE(trouveSysteme(texte), nullptr);
}

void TestCatalogueSystemes::recordsCanBeApplied_data()
{
    ajouteLignesSystemes();
}

void TestCatalogueSystemes::recordsCanBeApplied()
{
    QFETCH(QString, nom);
    const ConfigurationSysteme *c = trouveSysteme(nom);
    QVERIFY(c);

    // A bar refuses a range upside down; the class width must not be 0.
    QVERIFY(c->ValeurMin <= c->ValeurInitiale && c->ValeurInitiale <= c->ValeurMax);
    QVERIFY((c->ValeurMax - c->ValeurMin) / 10 >= 1);
    for (int pas : {c->PetitPas, c->GrandPas})
        QVERIFY(pas >= 1 && pas <= 32767);

    QVERIFY(c->ModeVoieStimulatrice != ModeAbsent);
    QCOMPARE(c->ModeEffecteurStimulateur, 1);
    for (ModeVoie mode : {c->ModeVoieSensitive, c->ModeVoieStimulatrice, c->ModeVoieInhibitrice})
        QVERIFY(mode >= ModeAbsent && mode <= ModeHormonal);

    // Every element in view has a name; the absent inhibiting side has none.
    for (const char *texte :
         {c->TexteCapteur, c->TexteValeurReglee, c->TexteVoieSensitive, c->TexteCentreIntegrateur,
          c->TexteVoieStimulatrice, c->TexteEffecteurStimulateur, c->TexteUnites})
        QVERIFY(*texte != '\0');
    QCOMPARE(*c->TexteVoieInhibitrice == '\0', c->ModeVoieInhibitrice == ModeAbsent);
    QCOMPARE(*c->TexteEffecteurInhibiteur == '\0', c->ModeEffecteurInhibiteur != 1);
}

void TestCatalogueSystemes::rangesAndUnits_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("unite");
    QTest::addColumn<QList<int>>("valeurs"); // initial, min, max, small, large

    QTest::addRow("nervous scheme") << QStringLiteral("Schéma général (nerveux)")
                                    << QStringLiteral("u.a.") << QList<int>{50, 0, 100, 1, 10};
    QTest::addRow("hormonal scheme") << QStringLiteral("Schéma général (hormonal)")
                                     << QStringLiteral("u.a.") << QList<int>{50, 0, 100, 1, 10};
    QTest::addRow("blood glucose") << QStringLiteral("Glycémie directe") << QStringLiteral("mg.L-1")
                                   << QList<int>{1000, 600, 3000, 10, 100};
    QTest::addRow("integrity") << QStringLiteral("Intégrité de l'organisme")
                               << QStringLiteral("u.a.") << QList<int>{100, 0, 100, 1, 10};
    QTest::addRow("blood pressure") << QStringLiteral("Pression artérielle (Activité cardiaque)")
                                    << QStringLiteral("mm Hg") << QList<int>{120, 90, 190, 1, 10};
    QTest::addRow("body temperature")
        << QStringLiteral("Homéothermie") << QStringLiteral("°C") << QList<int>{37, 23, 42, 1, 3};
}

void TestCatalogueSystemes::rangesAndUnits()
{
    QFETCH(QString, nom);
    QFETCH(QString, unite);
    QFETCH(QList<int>, valeurs);
    const ConfigurationSysteme *c = trouveSysteme(nom);
    QVERIFY(c);
    QCOMPARE(QString::fromUtf8(c->TexteUnites), unite);
    QCOMPARE((QList<int>{c->ValeurInitiale, c->ValeurMin, c->ValeurMax, c->PetitPas, c->GrandPas}),
             valeurs);
}

void TestCatalogueSystemes::spellingsKept_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("obtenu");
    QTest::addColumn<QString>("attendu");

    const auto ligne = [](const char *tag, const char *nom, auto champ, const char *attendu) {
        const ConfigurationSysteme *c = trouveSysteme(QString::fromUtf8(nom));
        QTest::addRow("%s", tag) << QString::fromUtf8(nom)
                                 << (c ? QString::fromUtf8(c->*champ) : QString())
                                 << QString::fromUtf8(attendu);
    };
    ligne("béta", "Glycémie directe", &ConfigurationSysteme::TexteCapteur,
          "Cellules alpha et béta du pancréas");
    ligne("Glucagon-voie", "Glycémie directe", &ConfigurationSysteme::TexteVoieStimulatrice,
          "Glucagon-voie sanguine");
    ligne("Insuline-Voie", "Glycémie directe", &ConfigurationSysteme::TexteVoieInhibitrice,
          "Insuline-Voie sanguine");
    ligne("circulation", "Homéothermie", &ConfigurationSysteme::TexteEffecteurStimulateur,
          "Toutes les cellules, circulation périphérique");
    ligne("Circulation", "Homéothermie", &ConfigurationSysteme::TexteEffecteurInhibiteur,
          "Glandes sudoripares, Circulation périphérique");
    ligne("Héring", "Pression artérielle (Activité cardiaque)",
          &ConfigurationSysteme::TexteVoieSensitive, "Nerfs X, de Cyon et de Héring");
    ligne("Auxiliaires", "Intégrité de l'organisme", &ConfigurationSysteme::TexteCentreIntegrateur,
          "Lymphocytes T Auxiliaires");
    ligne("hormonal scheme named as the nervous one", "Schéma général (hormonal)",
          &ConfigurationSysteme::TexteVoieStimulatrice, "Voie motrice stimulatrice");
}

void TestCatalogueSystemes::spellingsKept()
{
    QFETCH(QString, nom);
    QFETCH(QString, obtenu);
    QFETCH(QString, attendu);
    QVERIFY2(trouveSysteme(nom), qPrintable(nom));
    QCOMPARE(obtenu, attendu);
}

QTEST_MAIN(TestCatalogueSystemes)
#include "tst_cataloguesystemes.moc"
