// SPDX-License-Identifier: GPL-3.0-or-later
// Guards what choosing a system does to the scheme: the new names with their
// panels refitted in place, the pathway and effector modes, the inhibiting
// side and the recording toggles shown or hidden, the hormonal levels, and
// the value bars with their range, default and steps, moved in one operation
// so that only a real change of position reaches their change handling.
#include "app/tform1.h"
#include "app/window_services/intervaltimer.h"
#include "countingbeeper.h"
#include "saisiesysteme.h"
#include "scriptedmessages.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A label with the panel that frames it.
struct Element
{
    AutoSizeLabel *label;
    QWidget *panneau;
    const char *texte; // null: the element is absent and keeps its caption
};

QList<Element> elementsRenommes(TForm1 &form, const SystemeReference &r)
{
    return {
        {form.LabelCapteur, form.PanelCapteur, r.capteur},
        {form.LabelValeurReglee, form.PanelValeurReglee, r.valeurReglee},
        {form.LabelVoieSensitive, form.PanelVoieSensitive, r.voieSensitive},
        {form.LabelCentreIntegrateur, form.PanelCentreIntegrateur, r.centreIntegrateur},
        {form.LabelVoieStimulatrice, form.PanelVoieStimulatrice, r.voieStimulatrice},
        {form.LabelEffecteurStimulateur, form.PanelEffecteurStimulateur, r.effecteurStimulateur},
        {form.LabelVoieInhibitrice, form.PanelVoieInhibitrice, r.voieInhibitrice},
        {form.LabelEffecteurInhibiteur, form.PanelEffecteurInhibiteur, r.effecteurInhibiteur},
    };
}

QList<QWidget *> coteInhibiteur(TForm1 &form)
{
    return {form.ImageVoieInhibitrice,      form.LabelVoieInhibitrice,
            form.PanelVoieInhibitrice,      form.ImageEffecteurInhibiteur,
            form.LabelEffecteurInhibiteur,  form.PanelEffecteurInhibiteur,
            form.SpeedButtonEnregInhibiteur};
}

bool visible(const QWidget *widget)
{
    return !widget->isHidden();
}

} // namespace

class TestAppliqueConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void appliedFromDefaultState_data() { ajouteLignesSystemes(); }
    void appliedFromDefaultState();
    void inhibitingSideHiddenThenShown_data();
    void inhibitingSideHiddenThenShown();
    void directSensitivityReleasesSensoryToggle_data();
    void directSensitivityReleasesSensoryToggle();
    void hormonalLevelsAtMidHeight_data() { ajouteLignesSystemes(); }
    void hormonalLevelsAtMidHeight();
    void barsReportOnlyRealChanges_data();
    void barsReportOnlyRealChanges();
    void sameSystemAppliedAgainInFull();
    void recordingsStartedAnew();
};

void TestAppliqueConfiguration::appliedFromDefaultState()
{
    QFETCH(QString, nom);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    const SystemeReference *r = systemeReference(nom);
    QVERIFY(r);

    QList<QString> textesAvant;
    QList<QPoint> positionsAvant;
    for (const Element &e : elementsRenommes(form, *r)) {
        textesAvant << e.label->text();
        positionsAvant << e.label->pos() << e.panneau->pos();
    }
    const int largeurEffecteurStimulateur = form.LabelEffecteurStimulateur->width();
    const int largeurEffecteurInhibiteur = form.LabelEffecteurInhibiteur->width();

    tapeSysteme(form, nom);

    QList<QPoint> positionsApres;
    const QList<Element> elements = elementsRenommes(form, *r);
    for (int i = 0; i < elements.size(); ++i) {
        const Element &e = elements[i];
        positionsApres << e.label->pos() << e.panneau->pos();
        if (!e.texte) {
            QCOMPARE(e.label->text(), textesAvant[i]);
            continue;
        }
        QCOMPARE(e.label->text(), QString::fromUtf8(e.texte));
        QCOMPARE(e.panneau->size(), e.label->size() + QSize(4, 4));
        // The whole text lies inside its label.
        if (e.label->wordWrap())
            QVERIFY2(e.label->heightForWidth(e.label->width()) <= e.label->height(), e.texte);
        else
            QVERIFY2(e.label->sizeHint().width() <= e.label->width(), e.texte);
    }
    // Panels grow from their top-left corner; the effector labels wrap
    // within their stored width.
    QCOMPARE(positionsApres, positionsAvant);
    QCOMPARE(form.LabelEffecteurStimulateur->width(), largeurEffecteurStimulateur);
    QCOMPARE(form.LabelEffecteurInhibiteur->width(), largeurEffecteurInhibiteur);

    QCOMPARE(form.ImageVoieSensitive->tag(), r->modeSensitif);
    QCOMPARE(form.ImageVoieStimulatrice->tag(), r->modeStimulateur);
    QCOMPARE(form.ImageVoieInhibitrice->tag(), r->modeInhibiteur);
    QCOMPARE(form.ImageEffecteurStimulateur->tag(), r->effecteurStimulateurPresent);
    QCOMPARE(form.ImageEffecteurInhibiteur->tag(), r->effecteurInhibiteurPresent);

    const bool voieInhibitrice = r->modeInhibiteur != 0;
    const bool effecteurInhibiteur = r->effecteurInhibiteurPresent == 1;
    for (QWidget *w : std::initializer_list<QWidget *>{
             form.ImageVoieInhibitrice, form.LabelVoieInhibitrice, form.PanelVoieInhibitrice,
             form.SpeedButtonEnregInhibiteur})
        QVERIFY2(visible(w) == voieInhibitrice, qPrintable(w->objectName()));
    for (QWidget *w : std::initializer_list<QWidget *>{form.ImageEffecteurInhibiteur,
                                                       form.LabelEffecteurInhibiteur,
                                                       form.PanelEffecteurInhibiteur})
        QVERIFY2(visible(w) == effecteurInhibiteur, qPrintable(w->objectName()));
    for (QWidget *w : std::initializer_list<QWidget *>{
             form.ImageVoieSensitive, form.LabelVoieSensitive, form.PanelVoieSensitive,
             form.SpeedButtonEnregSensitif, form.ImageVoieStimulatrice, form.PanelVoieStimulatrice,
             form.SpeedButtonEnregStimulateur, form.ImageEffecteurStimulateur,
             form.PanelEffecteurStimulateur, form.PanelCapteur, form.PanelCentreIntegrateur,
             form.PanelValeurReglee})
        QVERIFY2(visible(w), qPrintable(w->objectName()));
    for (QWidget *w :
         std::initializer_list<QWidget *>{form.EnregSensitif, form.EnregStimulateur,
                                          form.EnregInhibiteur, form.EnregPerturbation})
        QVERIFY2(!visible(w), qPrintable(w->objectName()));

    for (ScrollBar *barre : {form.ScrollBarValeurConsigne, form.ScrollBarValeurReglee}) {
        QCOMPARE(barre->minimum(), r->minimum);
        QCOMPARE(barre->maximum(), r->maximum);
        QCOMPARE(barre->value(), r->initiale);
        QCOMPARE(barre->singleStep(), r->petitPas);
        QCOMPARE(barre->pageStep(), r->grandPas);
        QVERIFY(barre->isEnabled());
    }
    QCOMPARE(form.EditValeurConsigne->text(), QString::number(r->initiale));
    QCOMPARE(form.EditValeurReglee->text(), QString::number(r->initiale));
    QCOMPARE(form.LabelUnites->text(), QString::fromUtf8(r->unites));

    // The mechanism is neither started nor reset.
    QCOMPARE(form.ButtonMarche->text(), QStringLiteral("Marche"));
    QVERIFY(!form.TimerCapteur->isRunning());
    QVERIFY(messages.asked.isEmpty());
}

void TestAppliqueConfiguration::inhibitingSideHiddenThenShown_data()
{
    QTest::addColumn<QString>("nom");
    for (const QString &nom : nomsCatalogue()) {
        if (nom != QStringLiteral("Intégrité de l'organisme"))
            QTest::addRow("%s", qPrintable(nom)) << nom;
    }
}

void TestAppliqueConfiguration::inhibitingSideHiddenThenShown()
{
    QFETCH(QString, nom);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    const QString legendeAvant = form.LabelVoieInhibitrice->text();
    form.SpeedButtonEnregInhibiteur->setChecked(true);
    form.EnregInhibiteur->show();

    tapeSysteme(form, QStringLiteral("Intégrité de l'organisme"));
    for (QWidget *w : coteInhibiteur(form))
        QVERIFY2(!visible(w), qPrintable(w->objectName()));
    QVERIFY(!visible(form.EnregInhibiteur));
    QVERIFY(form.SpeedButtonEnregInhibiteur->isChecked());
    QCOMPARE(form.LabelVoieInhibitrice->text(), legendeAvant);

    tapeSysteme(form, nom);
    const SystemeReference *r = systemeReference(nom);
    for (QWidget *w : coteInhibiteur(form))
        QVERIFY2(visible(w), qPrintable(w->objectName()));
    // The toggle shows down again, and so its strip shows.
    QVERIFY(form.SpeedButtonEnregInhibiteur->isChecked());
    QVERIFY(visible(form.EnregInhibiteur));
    QCOMPARE(form.LabelVoieInhibitrice->text(), QString::fromUtf8(r->voieInhibitrice));
    QCOMPARE(form.LabelEffecteurInhibiteur->text(), QString::fromUtf8(r->effecteurInhibiteur));
}

void TestAppliqueConfiguration::directSensitivityReleasesSensoryToggle_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("relache");
    for (const QString &nom : nomsCatalogue())
        QTest::addRow("%s", qPrintable(nom)) << nom << (nom == QStringLiteral("Glycémie directe"));
}

void TestAppliqueConfiguration::directSensitivityReleasesSensoryToggle()
{
    QFETCH(QString, nom);
    QFETCH(bool, relache);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.SpeedButtonEnregSensitif->setChecked(true);
    form.EnregSensitif->show();
    form.EnregPerturbation->show();

    tapeSysteme(form, nom);

    QCOMPARE(form.SpeedButtonEnregSensitif->isChecked(), !relache);
    QCOMPARE(visible(form.EnregSensitif), !relache);
    QVERIFY(visible(form.EnregPerturbation));
    // The pathway stays in view; its toggle was released without its click
    // handling (which would have refused a direct sensitivity).
    QVERIFY(visible(form.ImageVoieSensitive));
    QVERIFY(visible(form.PanelVoieSensitive));
    QVERIFY(visible(form.SpeedButtonEnregSensitif));
    QVERIFY(messages.asked.isEmpty());
}

void TestAppliqueConfiguration::hormonalLevelsAtMidHeight()
{
    QFETCH(QString, nom);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    EtatMecanisme &etat = form.etat();
    constexpr int ailleurs = 7;
    for (int *niveau :
         {&etat.NiveauCibleSensitif, &etat.NiveauTraceSensitif, &etat.NiveauCibleStimulateur,
          &etat.NiveauTraceStimulateur, &etat.NiveauCibleInhibiteur, &etat.NiveauTraceInhibiteur})
        *niveau = ailleurs;

    tapeSysteme(form, nom);

    const SystemeReference *r = systemeReference(nom);
    const auto attendu = [](int mode) { return mode == 2 ? 20 : ailleurs; };
    QCOMPARE(etat.NiveauCibleSensitif, attendu(r->modeSensitif));
    QCOMPARE(etat.NiveauTraceSensitif, attendu(r->modeSensitif));
    QCOMPARE(etat.NiveauCibleStimulateur, attendu(r->modeStimulateur));
    QCOMPARE(etat.NiveauTraceStimulateur, attendu(r->modeStimulateur));
    QCOMPARE(etat.NiveauCibleInhibiteur, attendu(r->modeInhibiteur));
    QCOMPARE(etat.NiveauTraceInhibiteur, attendu(r->modeInhibiteur));
}

void TestAppliqueConfiguration::barsReportOnlyRealChanges_data()
{
    QTest::addColumn<QString>("avant");
    QTest::addColumn<QString>("apres");
    QTest::addColumn<QList<int>>("positions"); // reported by each bar

    const QString nerveux = QStringLiteral("Schéma général (nerveux)");
    const QString hormonal = QStringLiteral("Schéma général (hormonal)");
    QTest::addRow("start-up to nervous scheme") << QString() << nerveux << QList<int>{};
    QTest::addRow("nervous to hormonal scheme") << nerveux << hormonal << QList<int>{};
    QTest::addRow("hormonal to nervous scheme") << hormonal << nerveux << QList<int>{};
    QTest::addRow("same system again")
        << QStringLiteral("Homéothermie") << QStringLiteral("Homéothermie") << QList<int>{};
    // The old range would clamp the new default on the way.
    QTest::addRow("wide range to narrow")
        << QStringLiteral("Glycémie directe") << nerveux << QList<int>{50};
    QTest::addRow("narrow range to wide")
        << QStringLiteral("Homéothermie") << QStringLiteral("Glycémie directe") << QList<int>{1000};
    QTest::addRow("disjoint ranges") << QStringLiteral("Pression artérielle (Activité cardiaque)")
                                     << QStringLiteral("Homéothermie") << QList<int>{37};
}

void TestAppliqueConfiguration::barsReportOnlyRealChanges()
{
    QFETCH(QString, avant);
    QFETCH(QString, apres);
    QFETCH(QList<int>, positions);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    if (!avant.isEmpty())
        tapeSysteme(form, avant);

    QSignalSpy consigne(form.ScrollBarValeurConsigne, &QScrollBar::valueChanged);
    QSignalSpy reglee(form.ScrollBarValeurReglee, &QScrollBar::valueChanged);
    QSignalSpy editConsigne(form.EditValeurConsigne, &QLineEdit::textChanged);
    QSignalSpy editReglee(form.EditValeurReglee, &QLineEdit::textChanged);
    tapeSysteme(form, apres);

    const auto reportees = [](const QSignalSpy &spy) {
        QList<int> valeurs;
        for (const QList<QVariant> &signal : spy)
            valeurs << signal.at(0).toInt();
        return valeurs;
    };
    QCOMPARE(reportees(consigne), positions);
    QCOMPARE(reportees(reglee), positions);
    QCOMPARE(editConsigne.count(), positions.size());
    QCOMPARE(editReglee.count(), positions.size());
}

void TestAppliqueConfiguration::sameSystemAppliedAgainInFull()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    tapeSysteme(form, QStringLiteral("Homéothermie"));
    form.ScrollBarValeurConsigne->setValue(40);
    form.ScrollBarValeurReglee->setValue(25);
    form.LabelCapteur->setCaption(QStringLiteral("?"));

    // Erasing the last letter and typing it again names the system anew.
    QLineEdit *saisie = form.ComboBoxSysteme->lineEdit();
    QTest::keyClick(saisie, Qt::Key_Backspace);
    QCOMPARE(form.ScrollBarValeurReglee->value(), 25);
    QTest::keyClick(saisie, 'e');

    QCOMPARE(form.ScrollBarValeurConsigne->value(), 37);
    QCOMPARE(form.ScrollBarValeurReglee->value(), 37);
    QCOMPARE(form.LabelCapteur->text(), QStringLiteral("Capteurs hypothalamiques"));
}

void TestAppliqueConfiguration::recordingsStartedAnew()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.SpeedButtonEnregStimulateur->click();
    for (int tick = 0; tick < 40; ++tick)
        form.TimerCapteurTimer();
    QCOMPARE(form.etat().PositionEnreg, 40);
    const QImage &bande = form.EnregStimulateur->image();
    QCOMPARE(bande.pixelColor(30, 20), QColor(Qt::black)); // the baseline

    tapeSysteme(form, QStringLiteral("Schéma général (hormonal)"));

    QCOMPARE(form.etat().PositionEnreg, 0);
    QCOMPARE(bande.pixelColor(30, 20), QColor(0, 255, 0));
    QVERIFY(form.SpeedButtonEnregStimulateur->isChecked());
}

QTEST_MAIN(TestAppliqueConfiguration)
#include "tst_appliqueconfiguration.moc"
