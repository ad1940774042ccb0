// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the help notes that follow the pointer: real pointer moves over the
// shown window reach each element's hover handler, which shows its note once
// in help mode; bare areas hide the notes; other elements change nothing.
#include "app/window_services/memo.h"
#include "fenetre.h"
#include "pointeur.h"

#include <QMap>
#include <QTest>

namespace {

// Which memos of the window are visible, by name.
QMap<QString, bool> memosVisibles(TForm1 &form)
{
    QMap<QString, bool> visibles;
    for (Memo *memo : form.findChildren<Memo *>())
        visibles[memo->objectName()] = !memo->isHidden();
    return visibles;
}

// The memos one sees: the About text only counts while its panel is open.
QStringList memosAffiches(TForm1 &form)
{
    QStringList noms;
    for (Memo *memo : form.findChildren<Memo *>()) {
        if (memo->isVisibleTo(&form))
            noms << memo->objectName();
    }
    noms.sort();
    return noms;
}

// Help mode entered as the pupil does: pointer onto the toggle, click.
void entreEnModeAide(Fenetre &f)
{
    pointeur::survole(f.form.SpeedButtonAide);
    QTest::mouseClick(f.form.SpeedButtonAide, Qt::LeftButton);
}

} // namespace

class TestSurvol : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void elementShowsItsNote_data();
    void elementShowsItsNote();
    void nothingHappensWithHelpOff();
    void sameNoteElementsChangeNothing_data();
    void sameNoteElementsChangeNothing();
    void elementsWithoutHandlerChangeNothing_data();
    void elementsWithoutHandlerChangeNothing();
    void bareAreaHidesEveryHelpNote_data();
    void bareAreaHidesEveryHelpNote();
};

void TestSurvol::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestSurvol::elementShowsItsNote_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("depuis");
    const struct
    {
        const char *element;
        const char *note;
    } table[] = {
        {"ImageCapteur", "MemoAideCapteur"},
        {"LabelCapteur", "MemoAideCapteur"},
        {"ImageVoieSensitive", "MemoAideVoieSensitive"},
        {"LabelVoieSensitive", "MemoAideVoieSensitive"},
        {"ImageCentreIntegrateur", "MemoAideCentreIntegrateur"},
        {"LabelCentreIntegrateur", "MemoAideCentreIntegrateur"},
        {"ImageVoieStimulatrice", "MemoAideVoieStimulatrice"},
        {"LabelVoieStimulatrice", "MemoAideVoieStimulatrice"},
        {"ImageVoieInhibitrice", "MemoAideVoieInhibitrice"},
        {"ImageEffecteurStimulateur", "MemoAideEffecteur"},
        {"LabelEffecteurStimulateur", "MemoAideEffecteur"},
        {"ImageEffecteurInhibiteur", "MemoAideEffecteur"},
        {"LabelEffecteurInhibiteur", "MemoAideEffecteur"},
        {"EditValeurReglee", "MemoAideValeurReglee"},
        {"LabelValeurReglee", "MemoAideValeurReglee"},
        {"EditValeurConsigne", "MemoAideStaticTextValeurConsigne"},
        {"LabelValeurConsigne", "MemoAideStaticTextValeurConsigne"},
        {"ButtonMarche", "MemoAideButtonMarche"},
        {"SpeedButtonSon", "MemoAIdeSpeedButtonSOn"},
        {"ButtonAProposDe", "MemoAideAProposDe"},
        {"ButtonQuitter", "MemoAideButtonQuitter"},
        {"SpeedButtonEnreg", "MemoAideEnreg"},
        {"SpeedButtonEnregStimulateur", "MemoAideEnregStimulateur"},
        {"SpeedButtonEnregInhibiteur", "MemoAideEnregInhibiteur"},
    };
    for (const auto &ligne : table)
        QTest::addRow("%s", ligne.element) << ligne.element << ligne.note << "SpeedButtonAide";
    // The help mode's own note covers this one: the pointer comes from
    // another element, whose note then goes.
    QTest::addRow("SpeedButtonEnregSensitif") << "SpeedButtonEnregSensitif"
                                              << "MemoAideEnregSensitif"
                                              << "ButtonQuitter";
}

// From the help toggle (or another element) onto the element: its note
// replaces the notes shown, and nothing else is shown.
void TestSurvol::elementShowsItsNote()
{
    QFETCH(QString, element);
    QFETCH(QString, note);
    QFETCH(QString, depuis);
    Fenetre f;
    QVERIFY(f.montre());
    entreEnModeAide(f);
    QCOMPARE(memosAffiches(f.form), QStringList({"MemoProtocole", "MemoSpeedButtonAide"}));
    QVERIFY(pointeur::survole(f.element(depuis)));

    QVERIFY(pointeur::survole(f.element(element)));
    QStringList attendus{"MemoProtocole", note};
    attendus.sort();
    QCOMPARE(memosAffiches(f.form), attendus);
}

void TestSurvol::nothingHappensWithHelpOff()
{
    Fenetre f;
    QVERIFY(f.montre());
    // A note left visible when help mode ended stays until help mode is back.
    entreEnModeAide(f);
    QVERIFY(pointeur::survole(f.form.LabelCapteur));
    QTest::mouseClick(f.form.SpeedButtonAide, Qt::LeftButton);
    QVERIFY(!f.form.SpeedButtonAide->isChecked());
    const auto avant = memosVisibles(f.form);
    QVERIFY(avant.value("MemoAideCapteur"));

    const QList<QWidget *> elements = {f.form.ButtonQuitter, &f.form, f.form.ImageVoieSensitive,
                                       f.form.GroupBoxSystemeReglant, f.form.EditValeurConsigne};
    for (QWidget *element : elements) {
        QVERIFY(pointeur::survole(element));
        QCOMPARE(memosVisibles(f.form), avant);
    }
}

void TestSurvol::sameNoteElementsChangeNothing_data()
{
    QTest::addColumn<QString>("premier");
    QTest::addColumn<QString>("second");
    QTest::addRow("within one element") << "ImageVoieSensitive"
                                        << "ImageVoieSensitive";
    QTest::addRow("sensor label to picture") << "LabelCapteur"
                                             << "ImageCapteur";
    QTest::addRow("one effector to the other") << "ImageEffecteurInhibiteur"
                                               << "LabelEffecteurStimulateur";
    QTest::addRow("set point edit to label") << "EditValeurConsigne"
                                             << "LabelValeurConsigne";
}

// While the element's note is visible its handlers leave every note alone,
// even one shown meanwhile by another way.
void TestSurvol::sameNoteElementsChangeNothing()
{
    QFETCH(QString, premier);
    QFETCH(QString, second);
    Fenetre f;
    QVERIFY(f.montre());
    entreEnModeAide(f);
    QVERIFY(pointeur::survole(f.element(premier)));
    f.form.MemoAideButtonQuitter->show();
    const auto avant = memosVisibles(f.form);

    QVERIFY(pointeur::survole(f.element(second), 2));
    QCOMPARE(memosVisibles(f.form), avant);
}

void TestSurvol::elementsWithoutHandlerChangeNothing_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<bool>("aProposOuvert");
    for (const char *nom :
         {"LabelVoieInhibitrice", "PanelCapteur", "ComboBoxSysteme", "TrackBarVitesse",
          "ScrollBarValeurReglee", "ScrollBarValeurConsigne", "SpeedButtonAide", "LabelUnites",
          "MemoProtocole", "MemoAideVoieStimulatrice", "GroupBox1", "StatusBar1"})
        QTest::addRow("%s", nom) << nom << false;
    for (const char *nom : {"PanelAProposDe", "MemoAProposDe", "ButtonFermerAProposDe"})
        QTest::addRow("%s", nom) << nom << true;
}

// Moves over an element without a hover handler reach the window or the
// scheme's group box only as moves over a covered area.
void TestSurvol::elementsWithoutHandlerChangeNothing()
{
    QFETCH(QString, element);
    QFETCH(bool, aProposOuvert);
    Fenetre f;
    QVERIFY(f.montre());
    entreEnModeAide(f);
    QVERIFY(pointeur::survole(f.form.ImageVoieStimulatrice));
    if (aProposOuvert)
        f.form.ButtonAProposDeClick();
    const auto avant = memosVisibles(f.form);
    QVERIFY(avant.value("MemoAideVoieStimulatrice"));

    QVERIFY(pointeur::survole(f.element(element)));
    QCOMPARE(memosVisibles(f.form), avant);
}

void TestSurvol::bareAreaHidesEveryHelpNote_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addRow("bare window") << "Form1";
    QTest::addRow("bare group box") << "GroupBoxSystemeReglant";
}

void TestSurvol::bareAreaHidesEveryHelpNote()
{
    QFETCH(QString, zone);
    Fenetre f;
    QVERIFY(f.montre());
    entreEnModeAide(f);
    QVERIFY(pointeur::survole(f.form.LabelCentreIntegrateur));
    f.form.MemoAideEnreg->show();
    f.form.MemoSpeedButtonAide->show();
    f.form.ButtonAProposDeClick();

    QWidget *surface = zone == f.form.objectName() ? &f.form : f.element(zone);
    QVERIFY(pointeur::survole(surface));
    QCOMPARE(memosAffiches(f.form), QStringList({"MemoAProposDe", "MemoProtocole"}));
}

QTEST_MAIN(TestSurvol)
#include "tst_survol.moc"
