// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the sequences in the window: a replay gives the same rows every
// time, at any speed and after a lesson is saved and opened; the teacher's
// own changes, and only those, are recorded; the pupil's change ends a
// replay; a replay on the intact loop is the reference a lesion lines up with.
#include "app/deroules.h"
#include "app/seances.h"
#include "app/window_services/glyphbutton.h"
#include "app/window_services/intervaltimer.h"
#include "countingbeeper.h"
#include "recordings/axescourbe.h"
#include "scriptedmessages.h"
#include "tests/systems/saisiesysteme.h"

#include <QAction>
#include <QStatusBar>
#include <QTest>

namespace {

struct Fenetre
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form{messages, beeper};
};

// The sensor's timer ticks, as the event loop would make it: the window's
// handlers, then the sequence's.
void tops(TForm1 &form, int n)
{
    for (int i = 0; i < n && form.TimerCapteur->isRunning(); ++i)
        emit form.TimerCapteur->timeout();
}

QList<LigneReleve> rejoue(TForm1 &form, bool enReference = false)
{
    if (enReference)
        form.deroules().RejouerEnReference();
    else
        form.deroules().RejouerDeroule();
    tops(form, 1000);
    return form.situation().releve().lignes();
}

// A meal-like sequence on any system: the value moved a quarter of the range
// down and named, the centre destroyed then mended, the set point moved a
// tenth of the range down.
Deroule sequence(const TForm1 &form)
{
    using A = EtapeDeroule::Action;
    const int minimum = form.ScrollBarValeurReglee->minimum();
    const int etendue = form.ScrollBarValeurReglee->maximum() - minimum;
    const int depart = form.situation().valeurReglee();
    return Deroule{depart,
                   depart,
                   {{3, A::ValeurReglee, minimum + etendue / 4, {}, QStringLiteral("repas")},
                    {40, A::Experience, 1, Experience::CentreDetruit, {}},
                    {60, A::RetablirTout, 0, {}, {}},
                    {70, A::ValeurConsigne, depart - etendue / 10, {}, {}}},
                   110};
}

} // namespace

class TestDeroules : public QObject
{
    Q_OBJECT

private slots:
    void init() { QApplication::setActiveWindow(nullptr); }
    void everyReplayGivesTheSameRows_data() { ajouteLignesSystemes(); }
    void everyReplayGivesTheSameRows();
    void theTeachersOwnChangesAreRecorded();
    void aPupilsChangeEndsTheReplay_data();
    void aPupilsChangeEndsTheReplay();
    void theIntactLoopsReplayIsTheReference();
};

void TestDeroules::everyReplayGivesTheSameRows()
{
    QFETCH(QString, nom);
    Fenetre f;
    tapeSysteme(f.form, nom);
    const Deroule deroule = sequence(f.form);
    f.form.situation().changeDeroule(deroule);

    f.form.TrackBarVitesse->setValue(0);
    const QList<LigneReleve> lente = rejoue(f.form);
    QVERIFY(!f.form.deroules().rejoue());
    QCOMPARE(lente.size(), deroule.fin);
    // Each step shows from the row after its tick, named there.
    QCOMPARE(lente[3].valeurReglee, deroule.etapes[0].valeur);
    QCOMPARE(lente[3].etape, QStringLiteral("repas"));
    QCOMPARE(lente[70].valeurConsigne, deroule.etapes[3].valeur);
    QVERIFY(lente[40].experiences.startsWith(QStringLiteral("destruction")));
    QVERIFY(lente[60].experiences.isEmpty());

    f.form.TrackBarVitesse->setValue(10);
    QVERIFY(rejoue(f.form) == lente);
    // The pathways keep in step with the sensor under the real timers too.
#ifndef Q_OS_WASM
    f.form.deroules().RejouerDeroule();
    QTRY_VERIFY_WITH_TIMEOUT(!f.form.deroules().rejoue(), 10000);
    QVERIFY(f.form.situation().releve().lignes() == lente);
#endif

    // Saved in a lesson and opened in another window, it replays the same.
    Fenetre autre;
    QVERIFY(autre.form.seances()->ouvreContenu(QStringLiteral("déroulé.regulation"),
                                               ecritSeance(f.form.seances()->situation())));
    QVERIFY(rejoue(autre.form) == lente);
}

void TestDeroules::theTeachersOwnChangesAreRecorded()
{
    Fenetre f;
    tapeSysteme(f.form, QStringLiteral("Pression artérielle (Activité cardiaque)"));
    TForm1 &form = f.form;
    const int depart = form.situation().valeurReglee();
    form.ButtonMarche->click();
    form.deroules().EnregistrerDeroule();
    tops(form, 5);
    f.messages.lines << QStringLiteral("  hémorragie  ");
    form.deroules().NommerEtape();
    form.ScrollBarValeurReglee->triggerAction(QAbstractSlider::SliderPageStepSub);
    const int apres = form.ScrollBarValeurReglee->value();
    tops(form, 60);
    form.actionExperience(Experience::VoieSensitiveCoupee)->trigger();
    // What the loop itself changes meanwhile is no step.
    tops(form, 12);
    form.deroules().TerminerDeroule();

    using A = EtapeDeroule::Action;
    const Deroule attendu{depart,
                          depart,
                          {{5, A::ValeurReglee, apres, {}, QStringLiteral("hémorragie")},
                           {65, A::Experience, 1, Experience::VoieSensitiveCoupee, {}}},
                          77};
    QVERIFY(form.situation().deroule() == attendu);

    // Replayed, its steps are named in the values, on the curve and in the
    // export.
    form.actionRetablirTout()->trigger();
    const QList<LigneReleve> lignes = rejoue(form);
    QCOMPARE(lignes[5].etape, QStringLiteral("hémorragie"));
    QCOMPARE(lignes[65].etape, QStringLiteral("section : Nerfs X, de Cyon et de Héring"));
    auto *axes = form.findChild<AxesCourbe *>();
    QVERIFY(axes);
    QStringList noms;
    for (const AxesCourbe::Libelle &l : axes->libelles())
        noms << l.texte;
    QVERIFY(noms.contains(QStringLiteral("hémorragie")));
    // The exported image, as the printed page, draws the curve's box as
    // shown: the steps' marks are there, in their own colour.
    const QImage image = form.imageEnregistrements();
    bool marque = false;
    for (int y = 0; y < image.height() && !marque; ++y) {
        for (int x = 0; x < image.width() && !marque; ++x)
            marque = image.pixelColor(x, y) == QColor(176, 80, 0);
    }
    QVERIFY(marque);
    const QString csv = QString::fromUtf8(releveEnCsv(form.situation().releve(), {}));
    QVERIFY(csv.section(QStringLiteral("\r\n"), 0, 0).endsWith(QStringLiteral("Étape du déroulé")));
    QVERIFY(csv.section(QStringLiteral("\r\n"), 6, 6).endsWith(QStringLiteral(";hémorragie")));
}

void TestDeroules::aPupilsChangeEndsTheReplay_data()
{
    QTest::addColumn<int>("action");
    QTest::addRow("the value moved") << 0;
    QTest::addRow("an experiment set") << 1;
    QTest::addRow("the mechanism stopped") << 2;
    QTest::addRow("the thumb taken hold of") << 3;
}

void TestDeroules::aPupilsChangeEndsTheReplay()
{
    QFETCH(int, action);
    Fenetre f;
    TForm1 &form = f.form;
    tapeSysteme(form, QStringLiteral("Glycémie directe"));
    form.situation().changeDeroule(sequence(form));
    form.deroules().RejouerDeroule();
    tops(form, 10);
    QVERIFY(form.deroules().rejoue());
    QVERIFY(form.TimerVoieSensitive->isDriven() || !form.TimerVoieSensitive->isRunning());

    const int valeur = form.ScrollBarValeurReglee->value();
    if (action == 0)
        form.ScrollBarValeurReglee->triggerAction(QAbstractSlider::SliderToMaximum);
    else if (action == 1)
        form.actionExperience(Experience::CapteurDetruit)->trigger();
    else if (action == 2)
        form.ButtonMarche->click();
    else
        form.ScrollBarValeurReglee->setSliderDown(true);

    QVERIFY(!form.deroules().rejoue());
    QVERIFY(!form.instantsMenes());
    QVERIFY(!form.TimerVoieSensitive->isDriven());
    QVERIFY(form.StatusBar1->currentMessage().startsWith(QStringLiteral("Déroulé interrompu")));
    // The pupil's change stays, and no later step comes.
    tops(form, 100);
    if (action == 0)
        QVERIFY(form.ScrollBarValeurReglee->value() > valeur);
    if (action == 1)
        QVERIFY(form.situation().experiences().contient(Experience::CapteurDetruit));
    if (action == 2)
        QVERIFY(!form.TimerCapteur->isRunning());
    QVERIFY(!form.situation().experiences().contient(Experience::CentreDetruit));
}

void TestDeroules::theIntactLoopsReplayIsTheReference()
{
    Fenetre f;
    TForm1 &form = f.form;
    tapeSysteme(form, QStringLiteral("Pression artérielle (Activité cardiaque)"));
    // The values' steps alone: no experiment of its own, nothing mended.
    Deroule deroule = sequence(form);
    deroule.etapes.remove(1, 2);
    form.situation().changeDeroule(deroule);
    const QList<LigneReleve> intacte = rejoue(form);

    // Nerves cut: the replay for the reference runs without them, and they
    // come back afterwards.
    form.actionExperience(Experience::VoieSensitiveCoupee)->trigger();
    QVERIFY(rejoue(form, true) == intacte);
    QVERIFY(form.situation().experiences().contient(Experience::VoieSensitiveCoupee));
    QCOMPARE(form.situation().situationReference(), QStringLiteral("boucle intacte"));
    QMap<int, int> reference;
    for (const LigneReleve &l : intacte)
        reference.insert(l.colonne, l.valeurReglee);
    QCOMPARE(form.situation().reference(), reference);

    // Then the same sequence with the lesion: column for column beside it,
    // and the loop no longer brings the value back.
    const QList<LigneReleve> lesee = rejoue(form);
    QCOMPARE(lesee.size(), intacte.size());
    QVERIFY(lesee.last().valeurReglee != intacte.last().valeurReglee);
    QCOMPARE(form.situation().reference(), reference);
}

QTEST_MAIN(TestDeroules)
#include "tst_deroules.moc"
