// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the experiments on the loop: for each experiment, the road of a
// perturbation with what reaches the centre and the effectors, the value and
// the strips; their names after the system's organs; and their undoing.
#include "app/window_services/canvas.h"
#include "app/window_services/glyphbutton.h"
#include "app/window_services/imagecontrol.h"
#include "app/window_services/markerlayer.h"
#include "countingbeeper.h"
#include "instant.h"
#include "scriptedmessages.h"
#include "tests/systems/saisiesysteme.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTest>

namespace {

using E = Experience;

struct Route
{
    bool messageMoteur = false; // the centre sent a motor message
    int valeurFinale = 0;
    std::array<int, 3> influx{}; // impulse marks drawn on each strip
};

// The general nervous scheme, the three strips recording, the value moved
// from 50 to `depart`, then 400 moments of the loop.
Route route(TForm1 &form, int depart)
{
    form.ButtonMarche->click();
    for (GlyphButton *bouton : {form.SpeedButtonEnregSensitif, form.SpeedButtonEnregStimulateur,
                                form.SpeedButtonEnregInhibiteur})
        bouton->click();
    form.ScrollBarValeurReglee->setValue(depart);
    Route r;
    for (int i = 0; i < 400; ++i) {
        unInstant(form);
        r.messageMoteur |= bool(form.etat().InfluxMoteur);
    }
    r.valeurFinale = form.etat().ValeurReglee;
    for (const LigneReleve &ligne : form.releve().lignes()) {
        for (std::size_t v = 0; v < 3; ++v)
            r.influx[v] += int(ligne.voies[v]);
    }
    return r;
}

} // namespace

class TestExperiences : public QObject
{
    Q_OBJECT

private slots:
    void experimentOnTheRoad_data();
    void experimentOnTheRoad();
    void namedAfterTheSystem_data();
    void namedAfterTheSystem();
    void undoneByRetablirAndBySystem();
    void messageStopsAtTheDrawnCut_data();
    void messageStopsAtTheDrawnCut();
};

void TestExperiences::experimentOnTheRoad_data()
{
    QTest::addColumn<int>("experience"); // -1: none
    QTest::addColumn<int>("depart");
    QTest::addColumn<bool>("corrige");
    QTest::addColumn<bool>("messageMoteur");
    // Which strips carry impulses: sensory, stimulating, inhibiting.
    QTest::addColumn<QList<bool>>("actives");
    const QList<bool> toutes{true, true, true};
    const QList<bool> aucune{false, false, false};
    QTest::addRow("whole loop") << -1 << 20 << true << true << toutes;
    // Nothing detected or nothing carried: the centre hears nothing.
    QTest::addRow("sensor destroyed") << int(E::CapteurDetruit) << 20 << false << false << aucune;
    QTest::addRow("sensory pathway cut")
        << int(E::VoieSensitiveCoupee) << 20 << false << false << aucune;
    // The centre hears, and sends nothing on.
    QTest::addRow("centre destroyed")
        << int(E::CentreDetruit) << 20 << false << false << QList<bool>{true, false, false};
    // One motor side lost: its correction is lost, the other one is kept.
    QTest::addRow("stimulating cut, value lowered")
        << int(E::VoieStimulatriceCoupee) << 20 << false << true << QList<bool>{true, false, true};
    QTest::addRow("stimulating cut, value raised")
        << int(E::VoieStimulatriceCoupee) << 80 << true << true << QList<bool>{true, false, true};
    QTest::addRow("inhibiting cut, value raised")
        << int(E::VoieInhibitriceCoupee) << 80 << false << true << QList<bool>{true, true, false};
    QTest::addRow("inhibiting cut, value lowered")
        << int(E::VoieInhibitriceCoupee) << 20 << true << true << QList<bool>{true, true, false};
    // The messages arrive; the effector does not act.
    QTest::addRow("stimulating effector insensitive")
        << int(E::EffecteurStimulateurInsensible) << 20 << false << true << toutes;
    QTest::addRow("inhibiting effector insensitive")
        << int(E::EffecteurInhibiteurInsensible) << 80 << false << true << toutes;
}

void TestExperiences::experimentOnTheRoad()
{
    QFETCH(int, experience);
    QFETCH(int, depart);
    QFETCH(bool, corrige);
    QFETCH(bool, messageMoteur);
    QFETCH(QList<bool>, actives);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    if (experience >= 0)
        form.actionExperience(E(experience))->trigger();
    const QColor capteurAvant = form.ImageCapteur->canvas().brushColor();

    const Route r = route(form, depart);
    QCOMPARE(r.messageMoteur, messageMoteur);
    // Uncorrected, the value stays where it was moved (it drifts only on
    // the set point); corrected, it is back within class 0 (10 units).
    if (corrige)
        QVERIFY2(qAbs(r.valeurFinale - 50) < 10, qPrintable(QString::number(r.valeurFinale)));
    else
        QCOMPARE(r.valeurFinale, depart);
    for (std::size_t v = 0; v < 3; ++v)
        QVERIFY2((r.influx[v] > 0) == actives[int(v)], qPrintable(QString::number(v)));
    // Away from the set point the sensor takes the deviation's colour, unless
    // it is destroyed.
    if (!corrige)
        QCOMPARE(form.ImageCapteur->canvas().brushColor() == capteurAvant,
                 experience == int(E::CapteurDetruit));
}

void TestExperiences::namedAfterTheSystem_data()
{
    QTest::addColumn<QString>("systeme");
    QTest::addColumn<int>("experience");
    QTest::addColumn<QString>("menu"); // empty: not offered
    QTest::addColumn<QString>("etat");
    QTest::addRow("nervous pathway")
        << "Homéothermie" << int(E::VoieSensitiveCoupee) << "Sectionner : Voie nerveuse"
        << "Expérience : voie sensitive sectionnée";
    QTest::addRow("hormonal pathway")
        << "Glycémie directe" << int(E::VoieInhibitriceCoupee) << "Bloquer : Insuline-Voie sanguine"
        << "Expérience : voie motrice inhibitrice bloquée";
    QTest::addRow("organ") << "Homéothermie" << int(E::CentreDetruit) << "Détruire : Hypothalamus"
                           << "Expérience : centre intégrateur détruit";
    QTest::addRow("effector") << "Glycémie directe" << int(E::EffecteurStimulateurInsensible)
                              << "Rendre insensible : Cellules hépatiques (déstockage)"
                              << "Expérience : effecteur stimulateur insensible";
    QTest::addRow("direct sensitivity") << "Glycémie directe" << int(E::VoieSensitiveCoupee) << ""
                                        << "";
    QTest::addRow("no inhibiting effector")
        << "Intégrité de l'organisme" << int(E::EffecteurInhibiteurInsensible) << ""
        << "";
}

// Named with the system's organs, with the verb of the pathway's mode; shown
// in the status bar and in the element's accessible name.
void TestExperiences::namedAfterTheSystem()
{
    QFETCH(QString, systeme);
    QFETCH(int, experience);
    QFETCH(QString, menu);
    QFETCH(QString, etat);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    tapeSysteme(form, systeme);
    QAction *action = form.actionExperience(E(experience));
    QCOMPARE(action->isVisible(), !menu.isEmpty());
    if (menu.isEmpty())
        return;
    QCOMPARE(action->text(), menu);
    // The explanation says what is lost: a hormone for a hormonal pathway.
    QVERIFY(!action->toolTip().isEmpty());
    QCOMPARE(action->toolTip().contains(QLatin1String("hormone")),
             menu.startsWith(QLatin1String("Bloquer")));
    action->trigger();
    QCOMPARE(form.StatusBar1->currentMessage(), etat);
    const QString nom = menu.section(QStringLiteral(" : "), 1);
    const QString qualite = etat.section(QLatin1Char(' '), -1);
    const QList<QWidget *> images = form.GroupBoxSystemeReglant->findChildren<QWidget *>();
    QVERIFY(std::any_of(images.cbegin(), images.cend(), [&](QWidget *image) {
        return image->accessibleName() == QStringLiteral("%1 (%2)").arg(nom, qualite);
    }));
}

void TestExperiences::undoneByRetablirAndBySystem()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    const auto poseTout = [&form] {
        for (E e : toutesExperiences)
            form.actionExperience(e)->setChecked(true);
        QVERIFY(!form.experiences().aucune());
    };
    const auto commeAuDepart = [&form] {
        QVERIFY(form.experiences().aucune());
        for (E e : toutesExperiences)
            QVERIFY(!form.actionExperience(e)->isChecked());
        QVERIFY(form.StatusBar1->currentMessage().isEmpty());
        QCOMPARE(form.ImageVoieSensitive->accessibleName(), form.LabelVoieSensitive->text());
    };
    poseTout();
    const QList<QAction *> menu = form.menuExperiences()->actions();
    menu.last()->trigger(); // "Rétablir tout"
    QCOMPARE(menu.last()->text(), QStringLiteral("Rétablir tout"));
    commeAuDepart();

    // Setting an experiment leaves the mechanism and the recordings alone.
    form.ButtonMarche->click();
    form.SpeedButtonEnregSensitif->click();
    unInstant(form);
    poseTout();
    QVERIFY(form.etat().MecanismeEnMarche);
    QCOMPARE(form.releve().lignes().size(), 1);

    tapeSysteme(form, QStringLiteral("Homéothermie"));
    commeAuDepart();
}

void TestExperiences::messageStopsAtTheDrawnCut_data()
{
    QTest::addColumn<int>("experience");
    QTest::addColumn<QString>("voie");
    QTest::addColumn<int>("depart");
    QTest::addRow("sensory") << int(E::VoieSensitiveCoupee) << "ImageVoieSensitive" << 20;
    QTest::addRow("stimulating") << int(E::VoieStimulatriceCoupee) << "ImageVoieStimulatrice" << 20;
    QTest::addRow("inhibiting") << int(E::VoieInhibitriceCoupee) << "ImageVoieInhibitrice" << 80;
}

// The cut is drawn on the pathway's line, in the middle of its crossing, and
// the messages stop there: none goes a step past it, none reaches the end.
void TestExperiences::messageStopsAtTheDrawnCut()
{
    QFETCH(int, experience);
    QFETCH(QString, voie);
    QFETCH(int, depart);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.actionExperience(E(experience))->trigger();
    const auto *image = form.findChild<ImageControl *>(voie);
    const QPoint coupure = form.pointDeCoupure(E(experience));

    // On the band the picture draws (neither its silver ground nor its black
    // outline), between the ends of its crossing.
    QVERIFY(image->geometry().contains(coupure));
    const QPoint surImage = coupure - image->pos();
    const QColor bande = image->image().pixelColor(surImage);
    QVERIFY2(bande != QColor(192, 192, 192) && bande != QColor(0, 0, 0), qPrintable(bande.name()));
    // In the middle of the band's run across the picture, within a few pixels
    // (the messages cross it from one bend to the other).
    int gauche = surImage.x();
    while (gauche > 0 && image->image().pixelColor(gauche - 1, surImage.y()) == bande)
        --gauche;
    int droite = surImage.x();
    while (droite + 1 < image->width() &&
           image->image().pixelColor(droite + 1, surImage.y()) == bande)
        ++droite;
    QVERIFY2(qAbs(surImage.x() - (gauche + droite) / 2.0) <= 5,
             qPrintable(QStringLiteral("%1 in %2..%3").arg(surImage.x()).arg(gauche).arg(droite)));
    // Drawn there: the red bar across the line.
    const QImage schema = form.GroupBoxSystemeReglant->grab().toImage();
    QCOMPARE(schema.pixelColor(coupure), QColor(255, 0, 0));

    // At the lowest speed a message moves 5 pixels a step: it must stop
    // within them.
    form.TrackBarVitesse->setValue(0);
    form.ButtonMarche->click();
    form.ScrollBarValeurReglee->setValue(depart);
    const bool sensitive = E(experience) == E::VoieSensitiveCoupee;
    const int sens = sensitive ? +1 : -1;
    int arretes = 0;
    int auPlusLoin = -1000;
    const int valeur = form.etat().ValeurReglee;
    for (int i = 0; i < 2000; ++i) {
        const auto &influx = sensitive ? form.etat().InfluxSensitif : form.etat().InfluxMoteur;
        const bool avait = bool(influx);
        const int milieu = avait ? influx->x() + influx->width() / 2 : 0;
        const bool traverse = sensitive ? form.etat().PhaseSensitiveTraversee
                              : experience == int(E::VoieStimulatriceCoupee)
                                  ? form.etat().PhaseStimulatriceTraversee
                                  : form.etat().PhaseInhibitriceTraversee;
        if (avait && traverse)
            auPlusLoin = std::max(auPlusLoin, sens * (milieu - coupure.x()));
        unInstant(form);
        if (avait && traverse && !influx)
            ++arretes;
        // Nothing passes the cut: no effector acts on the value.
        QCOMPARE(form.etat().ValeurReglee, valeur);
    }
    QVERIFY(arretes > 0);
    QVERIFY2(auPlusLoin < form.etat().PasDeplacement, qPrintable(QString::number(auPlusLoin)));
    QVERIFY2(auPlusLoin >= 0, qPrintable(QString::number(auPlusLoin)));
}

QTEST_MAIN(TestExperiences)
#include "tst_experiences.moc"
