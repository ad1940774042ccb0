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
    const char *texte;
};

QList<Element> elementsRenommes(TForm1 &form, const ConfigurationSysteme &c)
{
    QList<Element> elements{
        {form.LabelCapteur, form.PanelCapteur, c.TexteCapteur},
        {form.LabelValeurReglee, form.PanelValeurReglee, c.TexteValeurReglee},
        {form.LabelVoieSensitive, form.PanelVoieSensitive, c.TexteVoieSensitive},
        {form.LabelCentreIntegrateur, form.PanelCentreIntegrateur, c.TexteCentreIntegrateur},
        {form.LabelVoieStimulatrice, form.PanelVoieStimulatrice, c.TexteVoieStimulatrice},
        {form.LabelEffecteurStimulateur, form.PanelEffecteurStimulateur,
         c.TexteEffecteurStimulateur},
    };
    if (c.ModeVoieInhibitrice != ModeAbsent)
        elements.append(
            {form.LabelVoieInhibitrice, form.PanelVoieInhibitrice, c.TexteVoieInhibitrice});
    if (c.ModeEffecteurInhibiteur == 1)
        elements.append({form.LabelEffecteurInhibiteur, form.PanelEffecteurInhibiteur,
                         c.TexteEffecteurInhibiteur});
    return elements;
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
};

void TestAppliqueConfiguration::appliedFromDefaultState()
{
    QFETCH(QString, nom);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    const ConfigurationSysteme *c = trouveSysteme(nom);
    QVERIFY(c);

    const QString inhibitriceAvant = form.LabelVoieInhibitrice->text();
    const QString effecteurInhibiteurAvant = form.LabelEffecteurInhibiteur->text();
    const int largeurEffecteurStimulateur = form.LabelEffecteurStimulateur->width();
    const int largeurEffecteurInhibiteur = form.LabelEffecteurInhibiteur->width();
    QList<QPoint> positionsAvant;
    for (const Element &e : elementsRenommes(form, *c))
        positionsAvant << e.label->pos() << e.panneau->pos();

    tapeSysteme(form, nom);

    QList<QPoint> positionsApres;
    for (const Element &e : elementsRenommes(form, *c)) {
        QCOMPARE(e.label->text(), QString::fromUtf8(e.texte));
        QCOMPARE(e.panneau->size(), e.label->size() + QSize(4, 4));
        // The whole text lies inside its label.
        if (e.label->wordWrap())
            QVERIFY2(e.label->heightForWidth(e.label->width()) <= e.label->height(), e.texte);
        else
            QVERIFY2(e.label->sizeHint().width() <= e.label->width(), e.texte);
        positionsApres << e.label->pos() << e.panneau->pos();
    }
    // Panels grow from their top-left corner; the effector labels wrap
    // within their stored width.
    QCOMPARE(positionsApres, positionsAvant);
    QCOMPARE(form.LabelEffecteurStimulateur->width(), largeurEffecteurStimulateur);
    QCOMPARE(form.LabelEffecteurInhibiteur->width(), largeurEffecteurInhibiteur);
    if (c->ModeVoieInhibitrice == ModeAbsent)
        QCOMPARE(form.LabelVoieInhibitrice->text(), inhibitriceAvant);
    if (c->ModeEffecteurInhibiteur != 1)
        QCOMPARE(form.LabelEffecteurInhibiteur->text(), effecteurInhibiteurAvant);

    QCOMPARE(form.ImageVoieSensitive->tag(), int(c->ModeVoieSensitive));
    QCOMPARE(form.ImageVoieStimulatrice->tag(), int(c->ModeVoieStimulatrice));
    QCOMPARE(form.ImageVoieInhibitrice->tag(), int(c->ModeVoieInhibitrice));
    QCOMPARE(form.ImageEffecteurStimulateur->tag(), c->ModeEffecteurStimulateur);
    QCOMPARE(form.ImageEffecteurInhibiteur->tag(), c->ModeEffecteurInhibiteur);

    const bool voieInhibitrice = c->ModeVoieInhibitrice != ModeAbsent;
    const bool effecteurInhibiteur = c->ModeEffecteurInhibiteur == 1;
    for (QWidget *w : {static_cast<QWidget *>(form.ImageVoieInhibitrice),
                       static_cast<QWidget *>(form.LabelVoieInhibitrice),
                       static_cast<QWidget *>(form.PanelVoieInhibitrice),
                       static_cast<QWidget *>(form.SpeedButtonEnregInhibiteur)})
        QVERIFY2(visible(w) == voieInhibitrice, qPrintable(w->objectName()));
    for (QWidget *w : {static_cast<QWidget *>(form.ImageEffecteurInhibiteur),
                       static_cast<QWidget *>(form.LabelEffecteurInhibiteur),
                       static_cast<QWidget *>(form.PanelEffecteurInhibiteur)})
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
        QCOMPARE(barre->minimum(), c->ValeurMin);
        QCOMPARE(barre->maximum(), c->ValeurMax);
        QCOMPARE(barre->value(), c->ValeurInitiale);
        QCOMPARE(barre->singleStep(), c->PetitPas);
        QCOMPARE(barre->pageStep(), c->GrandPas);
        QVERIFY(barre->isEnabled());
    }
    QCOMPARE(form.EditValeurConsigne->text(), QString::number(c->ValeurInitiale));
    QCOMPARE(form.EditValeurReglee->text(), QString::number(c->ValeurInitiale));
    QCOMPARE(form.LabelUnites->text(), QString::fromUtf8(c->TexteUnites));

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
    const ConfigurationSysteme *c = trouveSysteme(nom);
    for (QWidget *w : coteInhibiteur(form))
        QVERIFY2(visible(w), qPrintable(w->objectName()));
    QVERIFY(form.SpeedButtonEnregInhibiteur->isChecked());
    QVERIFY(!visible(form.EnregInhibiteur));
    QCOMPARE(form.LabelVoieInhibitrice->text(), QString::fromUtf8(c->TexteVoieInhibitrice));
    QCOMPARE(form.LabelEffecteurInhibiteur->text(), QString::fromUtf8(c->TexteEffecteurInhibiteur));
    QCOMPARE(form.ImageVoieInhibitrice->tag(), int(c->ModeVoieInhibitrice));
    QCOMPARE(form.ImageEffecteurInhibiteur->tag(), 1);
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

    const ConfigurationSysteme *c = trouveSysteme(nom);
    const auto attendu = [](ModeVoie mode) { return mode == ModeHormonal ? 20 : ailleurs; };
    QCOMPARE(etat.NiveauCibleSensitif, attendu(c->ModeVoieSensitive));
    QCOMPARE(etat.NiveauTraceSensitif, attendu(c->ModeVoieSensitive));
    QCOMPARE(etat.NiveauCibleStimulateur, attendu(c->ModeVoieStimulatrice));
    QCOMPARE(etat.NiveauTraceStimulateur, attendu(c->ModeVoieStimulatrice));
    QCOMPARE(etat.NiveauCibleInhibiteur, attendu(c->ModeVoieInhibitrice));
    QCOMPARE(etat.NiveauTraceInhibiteur, attendu(c->ModeVoieInhibitrice));
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

QTEST_MAIN(TestAppliqueConfiguration)
#include "tst_appliqueconfiguration.moc"
