// SPDX-License-Identifier: GPL-3.0-or-later
// Guards a teacher's own system from end to end: written in the editor from
// the keyboard alone, used by the loop, saved in a lesson and opened in
// another window the same; what is wrong said beside its field; kept in the
// user's settings; removed after a question.
#include "app/editeursystemes.h"
#include "app/seances.h"
#include "app/window_services/glyphbutton.h"
#include "countingbeeper.h"
#include "instant.h"
#include "scriptedmessages.h"
#include "systems/dialoguesysteme.h"
#include "tests/systems/saisiesysteme.h"
#include "tests/systems/systemecalcemie.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct Fenetre
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form{messages, beeper};
};

// Runs the editor the action opens, doing what `remplit` does in it; fails
// when the editor did not open.
void dansLEditeur(TForm1 &form, void (EditeurSystemes::*action)(),
                  const std::function<void(DialogueSysteme &)> &remplit)
{
    bool ouvert = false;
    QTimer::singleShot(0, &form, [&form, &ouvert, remplit] {
        DialogueSysteme *dialogue = form.findChild<EditeurSystemes *>()->dialogue();
        if (!dialogue)
            return;
        ouvert = true;
        remplit(*dialogue);
        if (dialogue->isVisible())
            dialogue->reject();
    });
    (form.findChild<EditeurSystemes *>()->*action)();
    QVERIFY2(ouvert, "the editor did not open");
}

// The next field of the dialog, from the keyboard, its text replaced by what
// is typed. The dialog's own focus is followed, active window or not.
void tabEtTape(QDialog &d, const QString &texte)
{
    QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
    QWidget *champ = d.focusWidget();
    QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
    tapeTexte(champ, texte);
}

} // namespace

class TestEditeurSystemes : public QObject
{
    Q_OBJECT

private slots:
    void writtenByKeyboardUsedSavedAndOpened();
    void whatIsWrongIsSaidBesideTheField();
    void keptInTheSettings();
    void removedAfterAQuestion();

private:
    QTemporaryDir m_dossier;
};

void TestEditeurSystemes::writtenByKeyboardUsedSavedAndOpened()
{
    Fenetre a;
    tapeSysteme(a.form, QStringLiteral("Glycémie directe"));
    const ConfigurationSysteme voulu = calcemie();
    dansLEditeur(a.form, &EditeurSystemes::NouveauSysteme, [&voulu](DialogueSysteme &d) {
        // The name first, then every field in turn with Tab.
        QCOMPARE(d.focusWidget()->accessibleName(), QStringLiteral("Nom du système"));
        tapeTexte(d.focusWidget(), QStringLiteral("Calcémie"));
        tabEtTape(d, voulu.TexteValeurReglee);         // regulated value
        tabEtTape(d, voulu.TexteUnites);               // unit
        tabEtTape(d, voulu.TexteCapteur);              // sensor
        QTest::keyClick(d.focusWidget(), Qt::Key_Tab); // sensory mode: kept
        tabEtTape(d, voulu.TexteVoieSensitive);
        tabEtTape(d, voulu.TexteCentreIntegrateur);
        QTest::keyClick(d.focusWidget(), Qt::Key_Tab); // stimulating mode: kept
        tabEtTape(d, voulu.TexteVoieStimulatrice);
        tabEtTape(d, voulu.TexteEffecteurStimulateur);
        QTest::keyClick(d.focusWidget(), Qt::Key_Tab); // inhibiting mode: kept
        tabEtTape(d, voulu.TexteVoieInhibitrice);
        tabEtTape(d, voulu.TexteEffecteurInhibiteur);
        tabEtTape(d, QStringLiteral("0"));   // decimals
        tabEtTape(d, QStringLiteral("60"));  // minimum
        tabEtTape(d, QStringLiteral("140")); // maximum
        tabEtTape(d, QStringLiteral("95"));  // start
        tabEtTape(d, QStringLiteral("1"));   // small step
        tabEtTape(d, QStringLiteral("5"));   // large step
        QVERIFY2(d.defauts().isEmpty(), qPrintable(d.defauts().value(0).raison));
        QTest::keyClick(d.focusWidget(), Qt::Key_Return);
    });

    // In the list, on screen, and the loop works with it.
    QCOMPARE(a.form.ComboBoxSysteme->currentText(), QStringLiteral("Calcémie"));
    QVERIFY(a.form.ComboBoxSysteme->findText(QStringLiteral("Calcémie")) >= 0);
    QCOMPARE(*a.form.registre().systeme(QStringLiteral("Calcémie")), voulu);
    QCOMPARE(a.form.LabelCapteur->text(), voulu.TexteCapteur);
    QCOMPARE(a.form.LabelEffecteurInhibiteur->text(), voulu.TexteEffecteurInhibiteur);
    QCOMPARE(a.form.ScrollBarValeurReglee->minimum(), 60);
    QCOMPARE(a.form.ScrollBarValeurReglee->maximum(), 140);
    QCOMPARE(a.form.ScrollBarValeurReglee->value(), 95);
    QCOMPARE(a.form.ScrollBarValeurReglee->pageStep(), 5);
    a.form.ButtonMarche->click();
    a.form.SpeedButtonEnregStimulateur->click();
    a.form.ScrollBarValeurReglee->setValue(70); // low calcaemia: parathormone raises it
    for (int i = 0; i < 400; ++i)
        unInstant(a.form);
    QVERIFY2(qAbs(a.form.ScrollBarValeurReglee->value() - 95) <= 8,
             qPrintable(QString::number(a.form.ScrollBarValeurReglee->value())));

    // Saved in a lesson, opened in another window: same list, scheme, behaviour.
    const QString chemin = m_dossier.filePath(QStringLiteral("calcemie.regulation"));
    a.messages.fileNames << chemin;
    a.form.seances()->Enregistrer();
    Fenetre b;
    QVERIFY2(b.form.seances()->ouvre(chemin), qPrintable(b.messages.asked.value(0).text));
    QCOMPARE(b.form.ComboBoxSysteme->currentText(), QStringLiteral("Calcémie"));
    QCOMPARE(*b.form.registre().systeme(QStringLiteral("Calcémie")), voulu);
    QCOMPARE(b.form.LabelCentreIntegrateur->text(), a.form.LabelCentreIntegrateur->text());
    a.form.SuspendreMecanisme();
    for (Fenetre *f : {&a, &b}) {
        f->form.ButtonMarche->click();
        f->form.ScrollBarValeurReglee->setValue(130);
    }
    for (int i = 0; i < 200; ++i) {
        unInstant(a.form);
        unInstant(b.form);
        QCOMPARE(b.form.ScrollBarValeurReglee->value(), a.form.ScrollBarValeurReglee->value());
    }
    QVERIFY(a.form.ScrollBarValeurReglee->value() < 130);

    // A system of that name described otherwise here is replaced only after a
    // question.
    ConfigurationSysteme autre = voulu;
    autre.GrandPas = 4;
    b.form.registre().adopte({QStringLiteral("Calcémie"), autre});
    b.form.InitialiseEnregistrements();
    b.messages.answers << MessageAnswer::Non;
    QVERIFY(!b.form.seances()->ouvre(chemin));
    QVERIFY(b.messages.asked.last().text.contains(QStringLiteral("décrit autrement")));
    QCOMPARE(b.form.registre().systeme(QStringLiteral("Calcémie"))->GrandPas, 4);
}

void TestEditeurSystemes::whatIsWrongIsSaidBesideTheField()
{
    Fenetre f;
    tapeSysteme(f.form, QStringLiteral("Homéothermie"));
    const int systemes = f.form.ComboBoxSysteme->count();
    dansLEditeur(f.form, &EditeurSystemes::NouveauSysteme, [](DialogueSysteme &d) {
        // It starts from the system on screen, with no name yet.
        QCOMPARE(d.findChild<QLineEdit *>()->accessibleName(), QStringLiteral("Nom du système"));
        auto *nom = d.findChild<QLineEdit *>();
        auto *ok = d.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QVERIFY(!ok->isEnabled());
        nom->setText(QStringLiteral("Homéothermie"));
        QCOMPARE(nom->accessibleDescription(),
                 QStringLiteral("« Homéothermie » est un système de la liste : choisissez un "
                                "autre nom."));
        nom->setText(QStringLiteral("Fièvre"));
        QVERIFY(d.defauts().isEmpty());
        QVERIFY(ok->isEnabled());
        // Measured on the scheme, as advice that lets OK go: a centre's name
        // that would run over the centre's disc, a system's name wider than
        // the list.
        QLineEdit *centre = nullptr;
        for (QLineEdit *champ : d.findChildren<QLineEdit *>()) {
            if (champ->accessibleName() == QStringLiteral("Centre intégrateur"))
                centre = champ;
        }
        QVERIFY(centre);
        centre->setText(QStringLiteral("Hypothalamus antérieur et postérieur"));
        QCOMPARE(centre->accessibleDescription(),
                 QStringLiteral("Plus large que sa case sur cet ordinateur : il couvrirait un "
                                "autre élément du schéma, il y sera raccourci."));
        QVERIFY(ok->isEnabled());
        centre->setText(QStringLiteral("Hypothalamus"));
        nom->setText(QStringLiteral("Fièvre et hypothermie chez le nouveau-né prématuré"));
        QCOMPARE(d.conseils().value(0).champ, QStringLiteral("nom"));
        QVERIFY(d.defauts().isEmpty());
        nom->setText(QStringLiteral("Fièvre"));
        QVERIFY(d.conseils().isEmpty());
        QVERIFY(ok->isEnabled());
        // Escape changes nothing.
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    QCOMPARE(f.form.ComboBoxSysteme->count(), systemes);
    QCOMPARE(f.form.ComboBoxSysteme->currentText(), QStringLiteral("Homéothermie"));
}

void TestEditeurSystemes::keptInTheSettings()
{
    const QString fichier = m_dossier.filePath(QStringLiteral("reglages.ini"));
    {
        QSettings reglages(fichier, QSettings::IniFormat);
        Fenetre f;
        f.form.registre().utiliseReglages(&reglages);
        QVERIFY(f.form.registre().adopte({QStringLiteral("Calcémie"), calcemie()}).isEmpty());
    }
    // The settings outlive the window that keeps them.
    QSettings reglages(fichier, QSettings::IniFormat);
    Fenetre f;
    f.form.registre().utiliseReglages(&reglages);
    QVERIFY(f.form.ComboBoxSysteme->findText(QStringLiteral("Calcémie")) >= 0);
    QCOMPARE(f.form.ComboBoxSysteme->count(), 7);
    QCOMPARE(*f.form.registre().systeme(QStringLiteral("Calcémie")), calcemie());
}

void TestEditeurSystemes::removedAfterAQuestion()
{
    Fenetre f;
    f.form.registre().adopte({QStringLiteral("Calcémie"), calcemie()});
    f.form.ComboBoxSysteme->setCurrentText(QStringLiteral("Calcémie"));
    f.form.ComboBoxSystemeChange();
    const auto supprimer = f.form.findChild<EditeurSystemes *>()->actions()[2];
    QVERIFY(supprimer->isEnabled());
    f.messages.answers << MessageAnswer::Non << MessageAnswer::Oui;
    supprimer->trigger();
    QVERIFY(f.form.ComboBoxSysteme->findText(QStringLiteral("Calcémie")) >= 0);
    supprimer->trigger();
    QCOMPARE(f.messages.asked.size(), 2);
    QCOMPARE(f.messages.asked[1].text, QStringLiteral("Supprimer le système « Calcémie » ?"));
    QVERIFY(f.form.ComboBoxSysteme->findText(QStringLiteral("Calcémie")) < 0);
    QVERIFY(!f.form.registre().systeme(QStringLiteral("Calcémie")));
    QVERIFY(!supprimer->isEnabled());
}

QTEST_MAIN(TestEditeurSystemes)
#include "tst_editeursystemes.moc"
