// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the experiments on the loop: for each experiment, the road of a
// perturbation with what reaches the centre and the effectors, the value and
// the strips; their names after the system's organs; and their undoing.
#include "app/window_services/canvas.h"
#include "app/window_services/experiencelayer.h"
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
    int valeurFinale = 0;
    QList<LigneReleve> fin; // the last 100 rows of the values
};

// The system picked and the experiment made, at the top speed, the three
// strips recording; the value moved to `depart` (left at rest when -1), then
// 500 moments of the loop.
Route route(TForm1 &form, int depart)
{
    form.TrackBarVitesse->setValue(form.TrackBarVitesse->maximum());
    form.ButtonMarche->click();
    for (GlyphButton *bouton : {form.SpeedButtonEnregSensitif, form.SpeedButtonEnregStimulateur,
                                form.SpeedButtonEnregInhibiteur})
        bouton->click();
    if (depart >= 0)
        form.ScrollBarValeurReglee->setValue(depart);
    for (int i = 0; i < 500; ++i)
        unInstant(form);
    Route r;
    r.valeurFinale = form.etat().ValeurReglee;
    r.fin = form.situation().releve().lignes().mid(form.situation().releve().lignes().size() - 100);
    return r;
}

// A strip's activity over the last rows, in one letter: '0' nothing (no
// impulse; no hormone, the trace at Min), 'M' the most (an impulse at every
// column; the trace at Max), 'a' anything between, '-' no such pathway.
char activite(const QList<LigneReleve> &fin, std::size_t voie, ModeVoie mode)
{
    if (mode == ModeAbsent)
        return '-';
    if (mode == ModeHormonal) {
        const double niveau = fin.last().voies[voie];
        return niveau == 0 ? '0' : niveau == 100 ? 'M' : 'a';
    }
    const auto influx = std::count_if(fin.cbegin(), fin.cend(),
                                      [voie](const LigneReleve &l) { return l.voies[voie] > 0; });
    return influx == 0 ? '0' : influx == fin.size() ? 'M' : 'a';
}

} // namespace

class TestExperiences : public QObject
{
    Q_OBJECT

private slots:
    void experimentOnTheRoad_data();
    void experimentOnTheRoad();
    void namedAfterTheSystem();
    void undoneByRetablirAndBySystem();
    void messageStopsAtTheDrawnCut_data();
    void messageStopsAtTheDrawnCut();
};

void TestExperiences::experimentOnTheRoad_data()
{
    QTest::addColumn<QString>("systeme");
    QTest::addColumn<int>("experience"); // -1: none
    QTest::addColumn<int>("depart");     // -1: the value left at rest
    // 'c' corrected (back near the set point), 's' stays where it was moved,
    // 'h' climbs to the top of the range and stays there.
    QTest::addColumn<char>("valeur");
    QTest::addColumn<QString>("bandes"); // sensory, stimulating, inhibiting
    QTest::addColumn<bool>("capteurMuet");

    // Worked out from the rules: a nervous sensory pathway silenced (sensor
    // destroyed, nerve cut) reads as the lowest value, so the centre
    // stimulates at its fastest and never inhibits; a hormone that no longer
    // comes carries nothing; past a lesion nothing is carried. The activity
    // left is the class table's for the value held: below the set point at
    // the range's bottom, above it at the top.
    const struct
    {
        const char *systeme;
        int bas;  // the range's bottom, and its class there
        int haut; // its top
    } systemes[] = {{"Schéma général (nerveux)", 0, 100},
                    {"Schéma général (hormonal)", 0, 100},
                    {"Glycémie directe", 600, 3000},
                    {"Intégrité de l'organisme", 0, 100},
                    {"Pression artérielle (Activité cardiaque)", 90, 190},
                    {"Homéothermie", 23, 42}};
    const struct
    {
        int systeme;
        int experience;
        bool enHaut; // the value moved to the top (else the bottom, or -1 at rest)
        bool repos;
        char valeur;
        const char *bandes;
    } lignes[] = {
        // General nervous scheme: held at 0, class +5; at 100, class -5.
        {0, -1, false, false, 'c', "aaa"},
        {0, int(E::CapteurDetruit), false, true, 'h', "0M0"},
        {0, int(E::VoieSensitiveCoupee), false, true, 'h', "0M0"},
        {0, int(E::CentreDetruit), false, false, 's', "a00"},
        {0, int(E::VoieStimulatriceCoupee), false, false, 's', "a0a"},
        {0, int(E::VoieInhibitriceCoupee), true, false, 's', "Ma0"},
        {0, int(E::EffecteurStimulateurInsensible), false, false, 's', "aMa"},
        {0, int(E::EffecteurInhibiteurInsensible), true, false, 's', "MaM"},
        // General hormonal scheme: class +5 puts the sensory and inhibiting
        // hormones at Min and the stimulating one at Max.
        {1, -1, false, false, 'c', "aaa"},
        {1, int(E::CapteurDetruit), false, false, 's', "000"},
        {1, int(E::VoieSensitiveCoupee), false, false, 's', "000"},
        {1, int(E::CentreDetruit), true, false, 's', "M00"},
        {1, int(E::VoieStimulatriceCoupee), false, false, 's', "000"},
        {1, int(E::VoieInhibitriceCoupee), true, false, 's', "M00"},
        {1, int(E::EffecteurStimulateurInsensible), false, false, 's', "0M0"},
        {1, int(E::EffecteurInhibiteurInsensible), true, false, 's', "M0M"},
        // Glycaemia: the sensor is the pancreas's cells; at 600, class +1.
        {2, -1, false, false, 'c', "-aa"},
        {2, int(E::CapteurDetruit), false, false, 's', "-00"},
        {2, int(E::CentreDetruit), false, false, 's', "-00"},
        {2, int(E::VoieStimulatriceCoupee), false, false, 's', "-0a"},
        {2, int(E::VoieInhibitriceCoupee), true, false, 's', "-00"},
        {2, int(E::EffecteurStimulateurInsensible), false, false, 's', "-aa"},
        {2, int(E::EffecteurInhibiteurInsensible), true, false, 's', "-0M"},
        // Integrity: the set point is the range's top; no inhibiting side.
        {3, -1, false, false, 'c', "aa-"},
        {3, int(E::CapteurDetruit), false, false, 's', "00-"},
        {3, int(E::VoieSensitiveCoupee), false, false, 's', "00-"},
        {3, int(E::CentreDetruit), false, false, 's', "00-"},
        {3, int(E::VoieStimulatriceCoupee), false, false, 's', "00-"},
        {3, int(E::EffecteurStimulateurInsensible), false, false, 's', "0M-"},
        // Blood pressure: at 90, class +3; at 190, class -5. The section of
        // the sinus and aortic nerves: a lasting hypertension.
        {4, -1, false, false, 'c', "aaa"},
        {4, int(E::CapteurDetruit), false, true, 'h', "0M0"},
        {4, int(E::VoieSensitiveCoupee), false, true, 'h', "0M0"},
        {4, int(E::CentreDetruit), false, false, 's', "a00"},
        {4, int(E::VoieStimulatriceCoupee), false, false, 's', "a0a"},
        {4, int(E::VoieInhibitriceCoupee), true, false, 's', "Ma0"},
        {4, int(E::EffecteurStimulateurInsensible), false, false, 's', "aaa"},
        {4, int(E::EffecteurInhibiteurInsensible), true, false, 's', "MaM"},
        // Body temperature: at 23, class +5; at 42, class -5.
        {5, -1, false, false, 'c', "aaa"},
        {5, int(E::CapteurDetruit), false, true, 'h', "0M0"},
        {5, int(E::VoieSensitiveCoupee), false, true, 'h', "0M0"},
        {5, int(E::CentreDetruit), false, false, 's', "a00"},
        {5, int(E::VoieStimulatriceCoupee), false, false, 's', "a0a"},
        {5, int(E::VoieInhibitriceCoupee), true, false, 's', "Ma0"},
        {5, int(E::EffecteurStimulateurInsensible), false, false, 's', "aMa"},
        {5, int(E::EffecteurInhibiteurInsensible), true, false, 's', "MaM"},
    };
    for (const auto &l : lignes) {
        const auto &systeme = systemes[l.systeme];
        const int depart = l.repos ? -1 : l.enHaut ? systeme.haut : systeme.bas;
        // The sensor takes no colour when destroyed, and with the pancreas
        // whose cells it is.
        const bool capteurMuet = l.experience == int(E::CapteurDetruit) ||
                                 (l.systeme == 2 && l.experience == int(E::CentreDetruit));
        static const char *const noms[] = {"sensor",
                                           "sensory",
                                           "centre",
                                           "stimulating",
                                           "inhibiting",
                                           "stimulating effector",
                                           "inhibiting effector"};
        QTest::addRow("%s, %s, %d", systeme.systeme,
                      l.experience < 0 ? "whole" : noms[l.experience], depart)
            << QString::fromUtf8(systeme.systeme) << l.experience << depart << l.valeur
            << QString::fromLatin1(l.bandes) << capteurMuet;
    }
}

void TestExperiences::experimentOnTheRoad()
{
    QFETCH(QString, systeme);
    QFETCH(int, experience);
    QFETCH(int, depart);
    QFETCH(char, valeur);
    QFETCH(QString, bandes);
    QFETCH(bool, capteurMuet);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    tapeSysteme(form, systeme);
    if (experience >= 0)
        form.actionExperience(E(experience))->trigger();
    const QColor capteurAvant = form.ImageCapteur->canvas().brushColor();
    const int consigne = form.ScrollBarValeurConsigne->value();
    const int minimum = form.ScrollBarValeurReglee->minimum();
    const int maximum = form.ScrollBarValeurReglee->maximum();

    const Route r = route(form, depart);
    switch (valeur) {
    case 'c': // within a class (a tenth of the range) or an effector's step
        QVERIFY2(qAbs(r.valeurFinale - consigne) <= std::max((maximum - minimum) / 10, 3),
                 qPrintable(QString::number(r.valeurFinale)));
        break;
    case 's': // it drifts only on the set point
        QCOMPARE(r.valeurFinale, depart);
        break;
    case 'h':
        for (const LigneReleve &ligne : r.fin)
            QCOMPARE(ligne.valeurReglee, maximum);
        break;
    }
    QString vues;
    const ImageControl *voies[] = {form.ImageVoieSensitive, form.ImageVoieStimulatrice,
                                   form.ImageVoieInhibitrice};
    for (std::size_t v = 0; v < 3; ++v)
        vues += QLatin1Char(activite(r.fin, v, ModeVoie(voies[v]->tag())));
    QCOMPARE(vues, bandes);
    if (valeur == 's')
        QCOMPARE(form.ImageCapteur->canvas().brushColor() == capteurAvant, capteurMuet);
}

// The window shows the experiment in the system's words: the action, the
// status bar and the element's accessible name; one absent is not offered.
void TestExperiences::namedAfterTheSystem()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    tapeSysteme(form, QStringLiteral("Glycémie directe"));
    QVERIFY(!form.actionExperience(E::VoieSensitiveCoupee)->isVisible());
    QAction *action = form.actionExperience(E::VoieInhibitriceCoupee);
    QVERIFY(action->isVisible());
    QCOMPARE(action->text(), QStringLiteral("Bloquer : Insuline-Voie sanguine"));
    QVERIFY(action->toolTip().contains(QLatin1String("hormone")));
    action->trigger();
    QCOMPARE(form.StatusBar1->currentMessage(),
             QStringLiteral("Expérience – blocage : Insuline-Voie sanguine"));
    QCOMPARE(form.ImageVoieInhibitrice->accessibleName(),
             QStringLiteral("Insuline-Voie sanguine – blocage"));
}

void TestExperiences::undoneByRetablirAndBySystem()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    const auto poseTout = [&form] {
        for (E e : toutesExperiences)
            form.actionExperience(e)->setChecked(true);
        QVERIFY(!form.situation().experiences().aucune());
    };
    const auto commeAuDepart = [&form] {
        QVERIFY(form.situation().experiences().aucune());
        for (E e : toutesExperiences)
            QVERIFY(!form.actionExperience(e)->isChecked());
        QVERIFY(form.StatusBar1->currentMessage().isEmpty());
        QCOMPARE(form.ImageVoieSensitive->accessibleName(), form.LabelVoieSensitive->text());
    };
    poseTout();
    const QList<QAction *> menu =
        form.findChild<QMenu *>(QStringLiteral("menuExperiences"))->actions();
    menu.last()->trigger(); // "Rétablir tout"
    QCOMPARE(menu.last()->text(), QStringLiteral("Rétablir tout"));
    commeAuDepart();

    // Setting an experiment leaves the mechanism and the recordings alone.
    form.ButtonMarche->click();
    form.SpeedButtonEnregSensitif->click();
    unInstant(form);
    poseTout();
    QVERIFY(form.etat().MecanismeEnMarche);
    QCOMPARE(form.situation().releve().lignes().size(), 1);

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
    const QList<QPoint> coupures = form.findChild<ExperienceLayer *>()->cuts();
    QCOMPARE(coupures.size(), 1);
    const QPoint coupure = coupures.constFirst();

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
        // Nothing passes a motor cut: no effector acts on the value (a
        // silent sensory nerve makes the centre act).
        if (!sensitive)
            QCOMPARE(form.etat().ValeurReglee, valeur);
    }
    QVERIFY(arretes > 0);
    QVERIFY2(auPlusLoin < form.etat().PasDeplacement, qPrintable(QString::number(auPlusLoin)));
    QVERIFY2(auPlusLoin >= 0, qPrintable(QString::number(auPlusLoin)));
}

QTEST_MAIN(TestExperiences)
#include "tst_experiences.moc"
