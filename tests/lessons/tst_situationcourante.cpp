// SPDX-License-Identifier: GPL-3.0-or-later
// The situation as our features read it, with no window: for each of the six
// systems (typed from the teaching material), which experiments it offers,
// what the centre reads past a lesion, what the printed page lists, and the
// reference kept from the rows recorded.
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
    void eachSystemOffersTheExperimentsOfItsElements_data();
    void eachSystemOffersTheExperimentsOfItsElements();
    void theReferenceIsTheRowsRecorded();
};

void TestSituationCourante::eachSystemOffersTheExperimentsOfItsElements_data()
{
    QTest::addColumn<int>("systeme");
    for (int i = 0; i < int(std::size(systemesReference)); ++i)
        QTest::addRow("%s", systemesReference[i].nom) << i;
}

void TestSituationCourante::eachSystemOffersTheExperimentsOfItsElements()
{
    QFETCH(int, systeme);
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

    // The printed page lists each organ and pathway the system has, once.
    const QStringList elements = situation.elementsDuSchema();
    const int voies = (r.modeSensitif != 0) + (r.modeStimulateur != 0) + (r.modeInhibiteur != 0);
    QCOMPARE(elements.size(),
             3 + voies + r.effecteurInhibiteurPresent + (r.modeSensitif == 0 ? 1 : 0));
    QCOMPARE(elements.constFirst(), QStringLiteral("Capteur : ") + QString::fromUtf8(r.capteur));
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
