// SPDX-License-Identifier: GPL-3.0-or-later
// Guards against what a pupil can do wrong: text pasted, dropped or typed into
// the read-only edits has no effect; any text of any length in the system list
// changes the scheme only when it is exactly a system's name; keys on every
// control break nothing; and a window closed by its frame, while a question is
// open or while messages travel, runs no handler afterwards.
#include "app/tform1.h"
#include "app/window_services/intervaltimer.h"
#include "clavier.h"
#include "countingbeeper.h"
#include "invariants.h"
#include "scriptedmessages.h"
#include "tests/systems/saisiesysteme.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPointer>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Closes the window by its frame while the question is open, then answers.
class FermeAvantDeRepondre : public ScriptedMessages
{
public:
    MessageAnswer ask(QWidget *parent, MessageKind kind, const QString &text,
                      MessageButtons buttons) override
    {
        fermee = parent->window()->close();
        return ScriptedMessages::ask(parent, kind, text, buttons);
    }

    bool fermee = false;
};

// A window running at speed 10 with messages on their way.
void lanceAvecMessages(TForm1 &form)
{
    form.ScrollBarValeurReglee->setValue(20);
    form.TrackBarVitesse->setValue(10);
    form.ButtonMarche->click();
    for (int i = 0; i < 20; ++i) {
        form.TimerCapteurTimer();
        if (form.TimerVoieSensitive->isRunning())
            form.TimerVoieSensitiveTimer();
        if (form.TimerVoieStimulatrice->isRunning())
            form.TimerVoieStimulatriceTimer();
    }
}

QList<IntervalTimer *> timers(TForm1 &form)
{
    return form.findChildren<IntervalTimer *>();
}

// Counts the ticks the window's timers deliver from now on.
std::shared_ptr<int> compteTics(TForm1 &form)
{
    auto tics = std::make_shared<int>(0);
    for (IntervalTimer *timer : timers(form))
        QObject::connect(timer, &IntervalTimer::timeout, timer, [tics] { ++*tics; });
    return tics;
}

// Lets the event loop run until a 1 ms timer of our own has ticked 30 times:
// a running timer of the window would have ticked in that time too.
bool laisseTourner()
{
    IntervalTimer reference;
    int tics = 0;
    QObject::connect(&reference, &IntervalTimer::timeout, [&tics] { ++tics; });
    reference.setInterval(1);
    return QTest::qWaitFor([&tics] { return tics >= 30; });
}

struct Valeurs
{
    QString consigne, reglee;
    int valeurConsigne, valeurReglee, ecart, barreConsigne, barreReglee;
    bool operator==(const Valeurs &) const = default;
};

Valeurs valeurs(TForm1 &form)
{
    const EtatMecanisme &etat = form.etat();
    return {form.EditValeurConsigne->text(),
            form.EditValeurReglee->text(),
            etat.ValeurConsigne,
            etat.ValeurReglee,
            etat.Ecart,
            form.ScrollBarValeurConsigne->value(),
            form.ScrollBarValeurReglee->value()};
}

// What a system changes in the scheme.
struct Schema
{
    QString capteur, valeurReglee, centre;
    int minimum, maximum, modeSensitif, modeStimulateur, modeInhibiteur;
    bool operator==(const Schema &) const = default;
};

Schema schema(TForm1 &form)
{
    return {form.LabelCapteur->text(),
            form.LabelValeurReglee->text(),
            form.LabelCentreIntegrateur->text(),
            form.ScrollBarValeurReglee->minimum(),
            form.ScrollBarValeurReglee->maximum(),
            form.ImageVoieSensitive->tag(),
            form.ImageVoieStimulatrice->tag(),
            form.ImageVoieInhibitrice->tag()};
}

} // namespace

class TestSaisiesInvalides : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void editsEnLectureSeule_data();
    void editsEnLectureSeule();
    void texteDansLaListe_data();
    void texteDansLaListe();
    void touchesSurChaqueElement();
    void fermeturePendantQuestion_data();
    void fermeturePendantQuestion();
    void fermeturePendantTrajet();
    void destructionEnMarche();
};

void TestSaisiesInvalides::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestSaisiesInvalides::editsEnLectureSeule_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("geste");
    for (const char *edit : {"EditValeurConsigne", "EditValeurReglee"}) {
        for (const char *geste : {"Ctrl+V", "Shift+Insert", "middle click", "drop", "typed",
                                  "Ctrl+X", "Ctrl+Z", "Delete", "Backspace", "Ctrl+A Delete"})
            QTest::addRow("%s %s", edit, geste)
                << QString::fromLatin1(edit) << QString::fromLatin1(geste);
    }
}

void TestSaisiesInvalides::editsEnLectureSeule()
{
    QFETCH(QString, edit);
    QFETCH(QString, geste);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    lanceAvecMessages(form);
    auto *champ = form.findChild<QLineEdit *>(edit);
    QVERIFY(champ);
    QGuiApplication::clipboard()->setText(QStringLiteral("12abc\n-99999999999"));
    const Valeurs avant = valeurs(form);

    champ->setCursorPosition(1);
    if (geste == QLatin1String("Ctrl+V")) {
        QTest::keyClick(champ, Qt::Key_V, Qt::ControlModifier);
    } else if (geste == QLatin1String("Shift+Insert")) {
        QTest::keyClick(champ, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (geste == QLatin1String("middle click")) {
        if (QGuiApplication::clipboard()->supportsSelection())
            QGuiApplication::clipboard()->setText(QStringLiteral("-3"), QClipboard::Selection);
        QTest::mouseClick(champ, Qt::MiddleButton, Qt::NoModifier, champ->rect().center());
    } else if (geste == QLatin1String("drop")) {
        QMimeData donnees;
        donnees.setText(QStringLiteral("abc 7"));
        const QPoint point = champ->rect().center();
        QDragEnterEvent entree(point, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(champ, &entree);
        QDropEvent depot(point, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(champ, &depot);
    } else if (geste == QLatin1String("typed")) {
        QTest::keyClicks(champ, QStringLiteral("7x-"));
    } else if (geste == QLatin1String("Ctrl+X")) {
        champ->selectAll();
        QTest::keyClick(champ, Qt::Key_X, Qt::ControlModifier);
    } else if (geste == QLatin1String("Ctrl+Z")) {
        QTest::keyClick(champ, Qt::Key_Z, Qt::ControlModifier);
    } else if (geste == QLatin1String("Delete")) {
        QTest::keyClick(champ, Qt::Key_Delete);
    } else if (geste == QLatin1String("Backspace")) {
        QTest::keyClick(champ, Qt::Key_Backspace);
    } else {
        QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(champ, Qt::Key_Delete);
    }

    QCOMPARE(valeurs(form), avant);
    const QString rompu = invariantsRompus(form);
    QVERIFY2(rompu.isEmpty(), qPrintable(rompu));
}

void TestSaisiesInvalides::texteDansLaListe_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("colle");
    QTest::addColumn<QString>("systeme"); // the system applied, or empty

    const QString glycemie = QStringLiteral("Glycémie directe");
    const QString integrite = QStringLiteral("Intégrité de l'organisme");
    QTest::newRow("exact name") << glycemie << false << glycemie;
    QTest::newRow("exact name pasted") << integrite << true << integrite;
    QTest::newRow("lower case") << glycemie.toLower() << false << QString();
    // Typed letter by letter, a name followed by more passes through the name.
    QTest::newRow("name then blank, typed") << glycemie + QLatin1Char(' ') << false << glycemie;
    QTest::newRow("name then blank, pasted") << glycemie + QLatin1Char(' ') << true << QString();
    QTest::newRow("start of a name") << glycemie.left(8) << false << QString();
    QTest::newRow("empty") << QString() << false << QString();
    QTest::newRow("punctuation") << QStringLiteral("!@#$%^&*()_+{}|:\"<>?~`") << false << QString();
    QTest::newRow("other scripts")
        << QStringLiteral("Ωμέγα עברית 漢字 \U0001F600") << true << QString();
    QTest::newRow("control characters")
        << QStringLiteral("a\tb\nc\rd") + QChar(0) + QStringLiteral("e") << true << QString();
    QTest::newRow("name then newline") << glycemie + QLatin1Char('\n') << true << QString();
    QTest::newRow("100000 letters") << QString(100000, QLatin1Char('x')) << true << QString();
    QTest::newRow("names glued") << glycemie + integrite << true << QString();
}

void TestSaisiesInvalides::texteDansLaListe()
{
    QFETCH(QString, texte);
    QFETCH(bool, colle);
    QFETCH(QString, systeme);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    lanceAvecMessages(form);
    const Schema avant = schema(form);

    QLineEdit *champ = form.ComboBoxSysteme->lineEdit();
    champ->selectAll();
    if (colle) {
        QGuiApplication::clipboard()->setText(texte);
        QTest::keyClick(champ, Qt::Key_V, Qt::ControlModifier);
    } else if (texte.isEmpty()) {
        QTest::keyClick(champ, Qt::Key_Delete);
    } else {
        tapeTexte(champ, texte);
    }

    if (systeme.isEmpty()) {
        QCOMPARE(schema(form), avant);
    } else {
        const SystemeReference *reference = systemeReference(systeme);
        QVERIFY(reference);
        QCOMPARE(form.LabelCapteur->text(), QString::fromUtf8(reference->capteur));
        QCOMPARE(form.ScrollBarValeurReglee->maximum(), reference->maximum);
    }
    QVERIFY(form.etat().MecanismeEnMarche);
    form.TimerCapteurTimer();
    const QString rompu = invariantsRompus(form);
    QVERIFY2(rompu.isEmpty(), qPrintable(rompu));
}

// Every key, with and without modifiers, on every element of the running
// window; the questions it may raise are declined.
void TestSaisiesInvalides::touchesSurChaqueElement()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    lanceAvecMessages(form);
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));

    // Messages come and go while the keys are pressed.
    QList<QPointer<QWidget>> elements;
    for (QWidget *element : form.findChildren<QWidget *>())
        elements << element;
    for (const QPointer<QWidget> &element : std::as_const(elements)) {
        for (const Qt::Key touche : touchesDuClavier) {
            for (const Qt::KeyboardModifier modificateur : modificateursDuClavier) {
                if (!element)
                    break;
                QTest::keyClick(element, touche, modificateur);
                if (form.TimerCapteur->isRunning())
                    form.TimerCapteurTimer();
                const QString rompu = invariantsRompus(form);
                QVERIFY2(rompu.isEmpty(), qPrintable(QStringLiteral("key %1 on %2: %3")
                                                         .arg(int(touche), 0, 16)
                                                         .arg(element->objectName(), rompu)));
            }
        }
    }
    form.ComboBoxSysteme->hidePopup();
}

void TestSaisiesInvalides::fermeturePendantQuestion_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<MessageAnswer>("reponse");
    for (const auto reponse : {MessageAnswer::Oui, MessageAnswer::Non, MessageAnswer::Aucune}) {
        const char *nom = reponse == MessageAnswer::Oui   ? "Oui"
                          : reponse == MessageAnswer::Non ? "Non"
                                                          : "no answer";
        for (const char *question : {"quit", "reset", "wrap"})
            QTest::addRow("%s, %s", question, nom) << QString::fromLatin1(question) << reponse;
    }
}

// Whatever the answer, no timer of the closed window ticks afterwards (each
// question's answer may otherwise start the mechanism again).
void TestSaisiesInvalides::fermeturePendantQuestion()
{
    QFETCH(QString, question);
    QFETCH(MessageAnswer, reponse);
    FermeAvantDeRepondre messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.SpeedButtonEnregSensitif->click();
    lanceAvecMessages(form);
    messages.answers.enqueue(reponse);
    const auto tics = compteTics(form);

    if (question == QLatin1String("quit")) {
        form.ButtonQuitter->click();
    } else if (question == QLatin1String("reset")) {
        form.SpeedButtonEnreg->click();
    } else {
        form.etat().PositionEnreg = form.EnregSensitif->width();
        form.TimerCapteurTimer();
    }
    QCOMPARE(messages.asked.size(), 1);
    QVERIFY(messages.fermee);

    const int position = form.etat().PositionEnreg;
    QVERIFY(laisseTourner());
    QCOMPARE(*tics, 0);
    QCOMPARE(form.etat().PositionEnreg, position);
}

void TestSaisiesInvalides::fermeturePendantTrajet()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.SpeedButtonEnregStimulateur->click();
    lanceAvecMessages(form);
    QVERIFY(form.etat().InfluxSensitif || form.etat().InfluxMoteur);
    const auto tics = compteTics(form);

    QVERIFY(form.close());
    QVERIFY(laisseTourner());
    QCOMPARE(*tics, 0);
    QVERIFY(messages.asked.isEmpty());
}

// The window goes while its timers run at 1 ms and messages travel: nothing
// of it may be reached afterwards.
void TestSaisiesInvalides::destructionEnMarche()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    auto form = std::make_unique<TForm1>(messages, beeper);
    lanceAvecMessages(*form);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const auto tics = compteTics(*form);
    QTRY_VERIFY(*tics >= 10);

    form.reset();
    QVERIFY(laisseTourner());
}

QTEST_MAIN(TestSaisiesInvalides)
#include "tst_saisiesinvalides.moc"
