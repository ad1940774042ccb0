// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the names of the regulation systems: every name of the list finds its
// system and nothing else does. What each system holds is checked where it is
// applied to the window.
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
};

void TestCatalogueSystemes::everyListItemNamesOneSystem()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);

    QStringList items;
    QSet<const ConfigurationSysteme *> trouves;
    for (int i = 0; i < form.ComboBoxSysteme->count(); ++i) {
        const QString nom = form.ComboBoxSysteme->itemText(i);
        items << nom;
        const ConfigurationSysteme *configuration = trouveSysteme(nom);
        QVERIFY2(configuration, qPrintable(nom));
        trouves.insert(configuration);
    }
    QStringList attendus = nomsCatalogue();
    attendus.sort();
    QCOMPARE(items, attendus);
    QCOMPARE(trouves.size(), attendus.size());
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

QTEST_MAIN(TestCatalogueSystemes)
#include "tst_cataloguesystemes.moc"
