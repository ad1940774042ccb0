// SPDX-License-Identifier: GPL-3.0-or-later
// The situation as our features read it, with no window: for each of the six
// systems (typed from the teaching material), which experiments it offers,
// what the centre reads past a lesion, what the printed page lists, and the
// reference kept from the rows recorded.
#include "lessons/motsexperiences.h"
#include "lessons/situationcourante.h"
#include "systems/registresystemes.h"
#include "tests/systems/cataloguereference.h"

#include <QTest>

namespace {

using E = Experience;

SituationCourante avec(const SystemeReference &reference)
{
    SituationCourante situation;
    const QString nom = QString::fromUtf8(reference.nom);
    situation.changeSysteme(nom, *RegistreSystemes().systeme(nom));
    return situation;
}

} // namespace

class TestSituationCourante : public QObject
{
    Q_OBJECT

private slots:
    void eachSystemAsTheSituationReadsIt_data();
    void eachSystemAsTheSituationReadsIt();
    void experimentsNamedAfterTheSystem_data();
    void experimentsNamedAfterTheSystem();
    void theReferenceIsTheRowsRecorded();
};

void TestSituationCourante::eachSystemAsTheSituationReadsIt_data()
{
    QTest::addColumn<int>("systeme");
    QTest::addColumn<QStringList>("elements");
    const auto mode = [](int m) {
        return m == 1 ? QStringLiteral(" (nerveuse) : ") : QStringLiteral(" (hormonale) : ");
    };
    for (int i = 0; i < int(std::size(systemesReference)); ++i) {
        const SystemeReference &r = systemesReference[i];
        QStringList elements{QStringLiteral("Capteur : ") + QString::fromUtf8(r.capteur)};
        elements << (r.modeSensitif == 0
                         ? QStringLiteral("Voie sensitive : aucune (sensibilité directe du centre)")
                         : QStringLiteral("Voie sensitive") + mode(r.modeSensitif) +
                               QString::fromUtf8(r.voieSensitive));
        elements << QStringLiteral("Centre intégrateur : ") + QString::fromUtf8(r.centreIntegrateur)
                 << QStringLiteral("Voie motrice stimulatrice") + mode(r.modeStimulateur) +
                        QString::fromUtf8(r.voieStimulatrice);
        if (r.modeInhibiteur != 0)
            elements << QStringLiteral("Voie motrice inhibitrice") + mode(r.modeInhibiteur) +
                            QString::fromUtf8(r.voieInhibitrice);
        elements << QStringLiteral("Effecteur stimulateur : ") +
                        QString::fromUtf8(r.effecteurStimulateur);
        if (r.effecteurInhibiteurPresent)
            elements << QStringLiteral("Effecteur inhibiteur : ") +
                            QString::fromUtf8(r.effecteurInhibiteur);
        QTest::addRow("%s", r.nom) << i << elements;
    }
}

void TestSituationCourante::eachSystemAsTheSituationReadsIt()
{
    QFETCH(int, systeme);
    QFETCH(QStringList, elements);
    const SystemeReference &r = systemesReference[systeme];
    SituationCourante situation = avec(r);

    // The organs are always there; a pathway with its mode; an effector when present.
    QVERIFY(situation.aElement(E::CapteurDetruit) && situation.aElement(E::CentreDetruit));
    QCOMPARE(situation.aElement(E::VoieSensitiveCoupee), r.modeSensitif != 0);
    QCOMPARE(situation.aElement(E::VoieStimulatriceCoupee), r.modeStimulateur != 0);
    QCOMPARE(situation.aElement(E::VoieInhibitriceCoupee), r.modeInhibiteur != 0);
    QCOMPARE(situation.aElement(E::EffecteurInhibiteurInsensible),
             r.effecteurInhibiteurPresent == 1);
    QCOMPARE(situation.changeExperience(E::VoieInhibitriceCoupee, true), r.modeInhibiteur != 0);
    QCOMPARE(situation.experiences().contient(E::VoieInhibitriceCoupee), r.modeInhibiteur != 0);

    // A cut sensory nerve falls silent, which the centre reads as the lowest
    // value; a hormone that no longer comes, or no sensory pathway, says nothing.
    situation.retablitTout();
    QCOMPARE(situation.classeLue(-2), -2);
    situation.changeExperience(E::VoieSensitiveCoupee, true);
    QCOMPARE(situation.classeLue(-2), r.modeSensitif == 1 ? 5 : -2);
    situation.changeExperience(E::CentreDetruit, true);
    QCOMPARE(situation.classeLue(-2), -2);

    // The printed page lists the organs and pathways this system has, with
    // their roles and the pathways' modes.
    QCOMPARE(situation.elementsDuSchema(), elements);
}

void TestSituationCourante::experimentsNamedAfterTheSystem_data()
{
    QTest::addColumn<int>("systeme");
    QTest::addColumn<int>("experience");
    QTest::addColumn<QString>("menu"); // empty: not offered
    QTest::addColumn<QString>("etat");
    QTest::addColumn<QString>("nomAccessible"); // of a picture of the scheme
    QTest::addRow("nervous pathway")
        << 4 << int(E::VoieSensitiveCoupee) << "Sectionner : Nerfs X, de Cyon et de Héring"
        << "Expérience – section : Nerfs X, de Cyon et de Héring"
        << "Nerfs X, de Cyon et de Héring – section";
    QTest::addRow("hormonal pathway")
        << 2 << int(E::VoieInhibitriceCoupee) << "Bloquer : Insuline-Voie sanguine"
        << "Expérience – blocage : Insuline-Voie sanguine"
        << "Insuline-Voie sanguine – blocage";
    QTest::addRow("organ") << 5 << int(E::CentreDetruit) << "Détruire : Hypothalamus"
                           << "Expérience – destruction : Hypothalamus"
                           << "Hypothalamus – destruction";
    // The pancreas takes its alpha and beta cells, the sensor, with it.
    QTest::addRow("organ with the sensor")
        << 2 << int(E::CentreDetruit)
        << "Détruire : Pancréas (et Cellules alpha et béta du pancréas)"
        << "Expérience – destruction : Pancréas (avec Cellules alpha et béta du pancréas)"
        << "Pancréas – destruction";
    QTest::addRow("effector") << 2 << int(E::EffecteurStimulateurInsensible)
                              << "Rendre insensible : Cellules hépatiques (déstockage)"
                              << "Expérience – insensibilité : Cellules hépatiques (déstockage)"
                              << "Cellules hépatiques (déstockage) – insensibilité";
    // Two elements with one label: the role tells them apart.
    QTest::addRow("same effectors")
        << 4 << int(E::EffecteurInhibiteurInsensible)
        << "Rendre insensible : Muscle cardiaque (effecteur inhibiteur)"
        << "Expérience – insensibilité : Muscle cardiaque (effecteur inhibiteur)"
        << "Muscle cardiaque (effecteur inhibiteur) – insensibilité";
    QTest::addRow("same pathways")
        << 5 << int(E::VoieStimulatriceCoupee)
        << "Sectionner : Voie nerveuse (orthosympathique, voie motrice stimulatrice)"
        << "Expérience – section : Voie nerveuse (orthosympathique, voie motrice stimulatrice)"
        << "Voie nerveuse (orthosympathique, voie motrice stimulatrice) – section";
    // The sensory and the stimulating pathways are both "Milieu intérieur".
    QTest::addRow("hormonal pathways of one name")
        << 3 << int(E::VoieStimulatriceCoupee)
        << "Bloquer : Milieu intérieur (voie motrice stimulatrice)"
        << "Expérience – blocage : Milieu intérieur (voie motrice "
           "stimulatrice)"
        << "Milieu intérieur (voie motrice stimulatrice) – blocage";
    QTest::addRow("direct sensitivity") << 2 << int(E::VoieSensitiveCoupee) << ""
                                        << ""
                                        << "";
    QTest::addRow("no inhibiting effector") << 3 << int(E::EffecteurInhibiteurInsensible) << ""
                                            << ""
                                            << "";
}

// Named with the system's labels, with the verb of the pathway's mode, as the
// menus, the status bar and the element's accessible name say it.
void TestSituationCourante::experimentsNamedAfterTheSystem()
{
    QFETCH(int, systeme);
    QFETCH(int, experience);
    QFETCH(QString, menu);
    QFETCH(QString, etat);
    QFETCH(QString, nomAccessible);
    SituationCourante situation = avec(systemesReference[systeme]);
    const E e = E(experience);
    QCOMPARE(situation.aElement(e), !menu.isEmpty());
    if (menu.isEmpty())
        return;
    QCOMPARE(texteAction(situation, e), menu);
    // The explanation says what is lost: a hormone for a hormonal pathway.
    QCOMPARE(explication(situation, e).contains(QLatin1String("hormone")),
             menu.startsWith(QLatin1String("Bloquer")));
    QVERIFY(phraseExperiences(situation).isEmpty());
    situation.changeExperience(e, true);
    QCOMPARE(phraseExperiences(situation), etat);
    QCOMPARE(QStringLiteral("%1 – %2").arg(nomElement(situation, e), lesion(situation, e)),
             nomAccessible);
    situation.changeExperience(E::CapteurDetruit, true);
    QVERIFY(phraseExperiences(situation).startsWith(QStringLiteral("Expériences – ")));
}

void TestSituationCourante::theReferenceIsTheRowsRecorded()
{
    SituationCourante situation = avec(systemesReference[0]);
    QVERIFY(!situation.gardeReference(QString()));
    situation.releve().note({3, 40, 50});
    situation.releve().note({4, 45, 50});
    QVERIFY(situation.gardeReference(QString()));
    QCOMPARE(situation.reference(), (QMap<int, int>{{3, 40}, {4, 45}}));
    QCOMPARE(situation.situationReference(), QStringLiteral("boucle intacte"));
    situation.changeSysteme(QString::fromUtf8(systemesReference[4].nom),
                            avec(systemesReference[4]).systeme());
    QVERIFY(situation.reference().isEmpty() && situation.situationReference().isEmpty());
    QVERIFY(!situation.effaceReference());
}

QTEST_GUILESS_MAIN(TestSituationCourante)
#include "tst_situationcourante.moc"
