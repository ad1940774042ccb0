// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the teachers' systems read from the user's settings: whatever count
// or damage the settings hold, the good systems are kept up to the bound and
// what was left out is said in one line.
#include "abime.h"
#include "cataloguereference.h"
#include "systemecalcemie.h"
#include "systems/descriptionsysteme.h"
#include "systems/registresystemes.h"
#include "systems/systemesenseignant.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray description(const ConfigurationSysteme &s)
{
    return QJsonDocument(descriptionEnJson(s)).toJson(QJsonDocument::Compact);
}

} // namespace

class TestSystemesEnseignant : public QObject
{
    Q_OBJECT

private slots:
    void damagedSettingsKeepTheGoodSystems_data();
    void damagedSettingsKeepTheGoodSystems();
    void damagedSettingsNeverHoldUpTheStart();
    void theRegistryFindsEverySystemOnce();

private:
    QTemporaryDir m_dossier;
};

void TestSystemesEnseignant::damagedSettingsKeepTheGoodSystems_data()
{
    // Each row's settings: the count they claim, then each entry's name and
    // description (a null name: none written).
    using Entrees = QList<std::pair<QVariant, QVariant>>;
    QTest::addColumn<int>("nombre");
    QTest::addColumn<Entrees>("entrees");
    QTest::addColumn<QStringList>("gardes");
    QTest::addColumn<QString>("laisse");
    ConfigurationSysteme mauvais = calcemie();
    mauvais.ValeurMax = 10;
    const QVariant calcemieDecrite = description(calcemie());
    QTest::addRow("a good one, a bad one")
        << 2 << Entrees{{"Calcémie", calcemieDecrite}, {"Mauvais", description(mauvais)}}
        << QStringList{"Calcémie"}
        << "n° 2 « Mauvais » : « ValeurMax » : le maximum doit dépasser le minimum.";
    QTest::addRow("a count of 2 000 000 000")
        << 2'000'000'000 << Entrees{{"Calcémie", calcemieDecrite}} << QStringList{"Calcémie"}
        << "n° 2 : « nom » devrait être un texte ; n° 3 : « nom » devrait être un texte ; n° 4 : "
           "« nom » devrait être un texte ; et 97 autres.";
    Entrees cent1;
    QStringList cent;
    for (int i = 1; i <= 101; ++i) {
        cent1 << std::pair<QVariant, QVariant>{QStringLiteral("S%1").arg(i), calcemieDecrite};
        if (i <= 100)
            cent << QStringLiteral("S%1").arg(i);
    }
    QTest::addRow("101 good ones")
        << 101 << cent1 << cent << "laissés de côté : 1 au-delà des 100 gardés au plus.";
    QTest::addRow("a negative count") << -5 << Entrees{} << QStringList{} << "";
    const QByteArray decrite = description(calcemie());
    QTest::addRow("one written by hand as text, one of 16384 bytes")
        << 2
        << Entrees{{"Calcémie", QString::fromUtf8(decrite)},
                   {"Grande", QByteArray(TailleMaxDescription - decrite.size(), ' ') + decrite}}
        << QStringList{"Calcémie", "Grande"} << "";
    const QVariant liste = QStringList{"a", "b"};
    QTest::addRow("three bad ones, all named")
        << 3
        << Entrees{{liste, calcemieDecrite}, {liste, calcemieDecrite}, {liste, calcemieDecrite}}
        << QStringList{}
        << "laissés de côté : n° 1 : « nom » devrait être un texte ; n° 2 : « nom » devrait être "
           "un texte ; n° 3 : « nom » devrait être un texte.";
    QTest::addRow("a description of 20 000 bytes")
        << 1 << Entrees{{"Calcémie", QByteArray(20'000, ' ') + description(calcemie())}}
        << QStringList{} << "« description » dépasse 16384 octets.";
    QTest::addRow("a description that is no JSON")
        << 1 << Entrees{{"Calcémie", QByteArray("{\"TexteCapteur\": ")}} << QStringList{}
        << "« description » illisible.";
    QTest::addRow("a name that is a list") << 1 << Entrees{{QStringList{"a", "b"}, calcemieDecrite}}
                                           << QStringList{} << "« nom » devrait être un texte.";
    QTest::addRow("two of one name")
        << 2 << Entrees{{"Calcémie", calcemieDecrite}, {"Calcémie", calcemieDecrite}}
        << QStringList{"Calcémie"} << "un autre système porte ce nom.";
    QTest::addRow("a name in markup, kept as written")
        << 1 << Entrees{{"<h1>GROS</h1><i>zz</i>", calcemieDecrite}}
        << QStringList{"<h1>GROS</h1><i>zz</i>"} << "";
    QTest::addRow("a name on two lines")
        << 1 << Entrees{{"<b>A</b>\nB", calcemieDecrite}} << QStringList{}
        << "n° 1 « <b>A</b>�B » : « nom » : le nom tient sur une ligne.";
}

void TestSystemesEnseignant::damagedSettingsKeepTheGoodSystems()
{
    using Entrees = QList<std::pair<QVariant, QVariant>>;
    QFETCH(int, nombre);
    QFETCH(Entrees, entrees);
    QFETCH(QStringList, gardes);
    QFETCH(QString, laisse);
    const QString fichier =
        m_dossier.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".ini"));
    {
        QSettings ecrits(fichier, QSettings::IniFormat);
        ecrits.beginWriteArray(QStringLiteral("systemesEnseignant"));
        for (int i = 0; i < entrees.size(); ++i) {
            ecrits.setArrayIndex(i);
            ecrits.setValue(QStringLiteral("nom"), entrees[i].first);
            ecrits.setValue(QStringLiteral("description"), entrees[i].second);
        }
        ecrits.endArray();
        ecrits.setValue(QStringLiteral("systemesEnseignant/size"), nombre);
    }
    QSettings reglages(fichier, QSettings::IniFormat);
    const SystemesEnseignant systemes(&reglages);
    QCOMPARE(systemes.noms(), gardes);
    QVERIFY2(laisse.isEmpty() ? systemes.laissesDeCote().isEmpty()
                              : systemes.laissesDeCote().endsWith(laisse),
             qPrintable(systemes.laissesDeCote()));
    QVERIFY(!systemes.laissesDeCote().contains(QLatin1Char('\n')));
}

// Good settings cut, with bytes flipped, lines doubled or counts blown up:
// each is read within a bounded time (the sanitizer build reads 2,000 of
// them), keeps only good systems, and says what it left out in one line.
void TestSystemesEnseignant::damagedSettingsNeverHoldUpTheStart()
{
    const QString bon = m_dossier.filePath(QStringLiteral("bon.ini"));
    {
        QSettings ecrits(bon, QSettings::IniFormat);
        ecrits.beginWriteArray(QStringLiteral("systemesEnseignant"));
        for (int i = 0; i < 3; ++i) {
            ecrits.setArrayIndex(i);
            ecrits.setValue(QStringLiteral("nom"), QStringLiteral("<b>S%1</b>").arg(i));
            ecrits.setValue(QStringLiteral("description"), description(calcemie()));
        }
        ecrits.endArray();
    }
    QFile f(bon);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    const int nombre = qEnvironmentVariableIntValue("REGULATION_DAMAGED_SETTINGS");
    QRandomGenerator hasard(20261210);
    for (int i = 0; i < (nombre > 0 ? nombre : 200); ++i) {
        QByteArray abime = octets;
        switch (hasard.bounded(4)) {
        case 0:
        case 1:
            ::abime(abime, hasard, hasard.bounded(2));
            break;
        case 2: { // a line doubled elsewhere
            const QList<QByteArray> lignes = abime.split('\n');
            abime.insert(hasard.bounded(abime.size()),
                         lignes[hasard.bounded(lignes.size())] + '\n');
            break;
        }
        default: { // a number blown up
            const qsizetype egal = abime.indexOf('=', hasard.bounded(abime.size()));
            if (egal < 0)
                continue;
            abime.insert(egal + 1, hasard.bounded(2) ? "2000000000" : "-99999999999");
            break;
        }
        }
        const QString fichier = m_dossier.filePath(QStringLiteral("abime.ini"));
        QFile ecrit(fichier);
        QVERIFY(ecrit.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ecrit.write(abime);
        ecrit.close();
        QElapsedTimer duree;
        duree.start();
        QSettings reglages(fichier, QSettings::IniFormat);
        const SystemesEnseignant systemes(&reglages);
        // A hang, not a speed: an empty start reads in milliseconds.
        QVERIFY2(duree.elapsed() < 5000, abime.constData());
        QVERIFY(systemes.noms().size() <= NombreMaxSystemesEnseignant);
        for (const QString &nom : systemes.noms())
            QVERIFY(valideSysteme(nom, *systemes.trouve(nom)).isEmpty());
        QVERIFY(surUneLigne(systemes.laissesDeCote()));
    }
}

// The six by their exact names and a teacher's from the settings, found in
// one place; the list hears of every change, and of nothing refused.
void TestSystemesEnseignant::theRegistryFindsEverySystemOnce()
{
    QSettings reglages(m_dossier.filePath(QStringLiteral("registre.ini")), QSettings::IniFormat);
    {
        SystemesEnseignant ecrits(&reglages);
        QVERIFY(ecrits.enregistre({QStringLiteral("Calcémie"), calcemie()}).isEmpty());
    }
    RegistreSystemes registre;
    QSignalSpy changes(&registre, &RegistreSystemes::systemesChanges);
    QVERIFY(!registre.systeme(QStringLiteral("Calcémie")));
    registre.utiliseReglages(&reglages);
    QCOMPARE(changes.size(), 1);
    for (const SystemeReference &reference : systemesReference) {
        const QString nom = QString::fromUtf8(reference.nom);
        const ConfigurationSysteme *systeme = registre.systeme(nom);
        QVERIFY2(systeme, reference.nom);
        QCOMPARE(systeme->ValeurMax, reference.maximum);
        QVERIFY(!registre.estDeLEnseignant(nom));
        QVERIFY(!registre.systeme(nom.toUpper()));
        QCOMPARE(registre.adopte({nom, calcemie()}).size(), 1);
    }
    QCOMPARE(changes.size(), 1);
    QCOMPARE(registre.nomsEnseignant(), QStringList{QStringLiteral("Calcémie")});
    QVERIFY(registre.estDeLEnseignant(QStringLiteral("Calcémie")));
    QCOMPARE(*registre.systeme(QStringLiteral("Calcémie")), calcemie());

    registre.supprime(QStringLiteral("Homéothermie"));
    QCOMPARE(changes.size(), 1);
    QVERIFY(registre.systeme(QStringLiteral("Homéothermie")));
    registre.supprime(QStringLiteral("Calcémie"));
    QCOMPARE(changes.size(), 2);
    QVERIFY(!registre.systeme(QStringLiteral("Calcémie")));
    QVERIFY(SystemesEnseignant(&reglages).noms().isEmpty());

    // A hundred at most: the hundred and first is refused, one of them may
    // still be changed.
    for (int i = 1; i <= NombreMaxSystemesEnseignant; ++i)
        QVERIFY(registre.adopte({QStringLiteral("S%1").arg(i), calcemie()}).isEmpty());
    QCOMPARE(registre.adopte({QStringLiteral("S101"), calcemie()}).value(0).champ,
             QStringLiteral("nom"));
    QVERIFY(registre.adopte({QStringLiteral("S100"), calcemie()}).isEmpty());
}

QTEST_GUILESS_MAIN(TestSystemesEnseignant)
#include "tst_systemesenseignant.moc"
