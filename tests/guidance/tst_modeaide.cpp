// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the help mode itself: the notes' exact texts and that they fit their
// boxes, AfficheLeMemo sparing the instructions and the About text by exact
// name, the help toggle pausing and restarting the mechanism, and the speed
// bar and "Marche" in help mode.
#include "app/window_services/memo.h"
#include "fenetre.h"

#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

const QStringList sepaires = {"MemoProtocole", "MemoAProposDe"};

} // namespace

class TestModeAide : public QObject
{
    Q_OBJECT

private slots:
    void noteTexts_data();
    void noteTexts();
    void notesFitTheirBoxes_data();
    void notesFitTheirBoxes();
    void aboutTextIsCentredAndFits();
    void afficheLeMemoSparesExactNamesOnly();
    void helpTogglePausesAndRestarts_data();
    void helpTogglePausesAndRestarts();
    void speedBarInHelpModeShowsItsNoteOnly();
    void marcheEndsHelpMode();

private:
    void ajouteNotes();
};

void TestModeAide::ajouteNotes()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QStringList>("lignes");
    QTest::addRow("MemoSpeedButtonAide")
        << "MemoSpeedButtonAide"
        << QStringList{"Lorsque ce bouton est enfoncé le curseur de la souris indique",
                       "par un point d'interrogation les objets sur lesquels vous pouvez",
                       "cliquer pour obtenir des informations. "};
    QTest::addRow("MemoAideCapteur")
        << "MemoAideCapteur"
        << QStringList{" Le capteur est sensible aux variations de la valeur réglée.",
                       "Lors d'une variation, il émet un message sensitif.",
                       "(Cliquer pour fermer)"};
    QTest::addRow("MemoAideVoieSensitive")
        << "MemoAideVoieSensitive"
        << QStringList{" La liaison sensitive est le support de propagation du message sensitif ",
                       "du capteur jusqu'au centre intégrateur. "};
    QTest::addRow("MemoAideCentreIntegrateur")
        << "MemoAideCentreIntegrateur"
        << QStringList{"Le centre intégrateur émet, selon les messages sensitifs qu'il reçoit,",
                       "soit un message stimulateur, soit un message inhibiteur."};
    QTest::addRow("MemoAideVoieStimulatrice")
        << "MemoAideVoieStimulatrice"
        << QStringList{
               " La voie stimulatrice est le support de la transmission du message stimulateur",
               "du centre intégrateur jusqu'à l'effecteur stimulateur. "};
    QTest::addRow("MemoAideVoieInhibitrice")
        << "MemoAideVoieInhibitrice"
        << QStringList{
               "La voie inhibitrice est le support de la transmission du message inhibiteur",
               "du centre intégrateur jusqu'à l'effecteur inhibiteur. "};
    QTest::addRow("MemoAideEffecteur") << "MemoAideEffecteur"
                                       << QStringList{" Les effecteurs interviennent directement  ",
                                                      "ou indirectement sur la valeur réglée soit",
                                                      "en l'augmentant soit en la diminuant."};
    QTest::addRow("MemoAideValeurReglee")
        << "MemoAideValeurReglee"
        << QStringList{"Pour un paramètre donné, la valeur réglée doit ",
                       "être maintenue à la valeur consigne.  ",
                       "Vous pouvez simuler une perturbation en faisant ",
                       "glisser le curseur correspondant."};
    QTest::addRow("MemoAideStaticTextValeurConsigne")
        << "MemoAideStaticTextValeurConsigne"
        << QStringList{
               "La valeur consigne est la valeur à laquelle un paramètre doit être maintenu.",
               "Le système de régulation permet de ramener la valeur réglée à la valeur ",
               "consigne à la suite d'une perturbation. "};
    QTest::addRow("MemoAIdeLAbelPerturbation")
        << "MemoAIdeLAbelPerturbation"
        << QStringList{"Une perturbation est un évènement ", "qui modifie la valeur réglée.",
                       "Pour simuler une perturbation utiliser ",
                       "le curseur ou la zone d'édition."};
    QTest::addRow("MemoAideButtonMarche")
        << "MemoAideButtonMarche" << QStringList{"Permet de déclencher ou d'arrêter le mécanisme."};
    QTest::addRow("MemoAIdeSpeedButtonSOn")
        << "MemoAIdeSpeedButtonSOn"
        << QStringList{"Cliquer sur ce bouton pour mettre ou enlever le son."};
    QTest::addRow("MemoAideTrackBarVitesse")
        << "MemoAideTrackBarVitesse"
        << QStringList{"Déplacer le curseur pour modifier", "la vitesse de l'animation."};
    QTest::addRow("MemoAideAProposDe")
        << "MemoAideAProposDe"
        << QStringList{"Ce bouton permet d'obtenir ", "le coordonnées de l'auteur",
                       "de cette application."};
    QTest::addRow("MemoAideButtonQuitter")
        << "MemoAideButtonQuitter" << QStringList{"Ce bouton permet de quitter l'application."};
    QTest::addRow("MemoAideEnreg")
        << "MemoAideEnreg" << QStringList{"Permet de réinitialiser les enregistrements."};
    QTest::addRow("MemoAideEnregSensitif")
        << "MemoAideEnregSensitif"
        << QStringList{"Affiche l'enregistrement des messages sensitifs."};
    QTest::addRow("MemoAideEnregStimulateur")
        << "MemoAideEnregStimulateur"
        << QStringList{"Affiche l'enregistrement des messages stimulateurs."};
    QTest::addRow("MemoAideEnregInhibiteur")
        << "MemoAideEnregInhibiteur"
        << QStringList{"Affiche l'enregistrement des messages inhibiteurs."};
}

void TestModeAide::noteTexts_data()
{
    ajouteNotes();
}

void TestModeAide::noteTexts()
{
    QFETCH(QString, memo);
    QFETCH(QStringList, lignes);
    Fenetre f;
    TForm1 &form = f.form;
    Memo *note = form.findChild<Memo *>(memo);
    QVERIFY(note);
    QCOMPARE(note->lines(), lignes);
    QVERIFY(note->isHidden());
}

void TestModeAide::notesFitTheirBoxes_data()
{
    ajouteNotes();
}

// At the window's font every line of a note stays on one line and the last
// one ends inside the box.
void TestModeAide::notesFitTheirBoxes()
{
    QFETCH(QString, memo);
    Fenetre f;
    TForm1 &form = f.form;
    Memo *note = form.findChild<Memo *>(memo);
    form.AfficheLeMemo(note);
    QVERIFY(f.montre());

    QTextCursor fin(note->document());
    fin.movePosition(QTextCursor::End);
    QVERIFY2(note->cursorRect(fin).bottom() < note->viewport()->height(),
             qPrintable(QString::number(note->cursorRect(fin).bottom())));
    for (QTextBlock bloc = note->document()->begin(); bloc.isValid(); bloc = bloc.next())
        QVERIFY2(bloc.layout()->lineCount() == 1, qPrintable(bloc.text()));
}

void TestModeAide::aboutTextIsCentredAndFits()
{
    Fenetre f;
    TForm1 &form = f.form;
    form.ButtonAProposDeClick();
    QVERIFY(f.montre());
    Memo *apropos = form.MemoAProposDe;

    const QStringList lignes = apropos->lines();
    QCOMPARE(lignes.size(), 7);
    QVERIFY(lignes.last().isEmpty());
    const int milieu = apropos->viewport()->width() / 2;
    QTextCursor curseur(apropos->document());
    for (int n = 0; n < 6; ++n) {
        QVERIFY(!lignes[n].isEmpty());
        QTextBlock bloc = apropos->document()->findBlockByNumber(n);
        QCOMPARE(bloc.layout()->lineCount(), 1);
        curseur.setPosition(bloc.position());
        const int gauche = apropos->cursorRect(curseur).left();
        curseur.setPosition(bloc.position() + bloc.length() - 1);
        const QRect droite = apropos->cursorRect(curseur);
        QVERIFY2(qAbs(gauche + droite.left() - 2 * milieu) <= 4, qPrintable(lignes[n]));
        QVERIFY(gauche > 0);
        QVERIFY(droite.bottom() < apropos->viewport()->height());
    }
}

// The two memos that are not help notes are spared by their exact names;
// a memo placed anywhere in the window, or named after them, is a note.
void TestModeAide::afficheLeMemoSparesExactNamesOnly()
{
    Fenetre f;
    TForm1 &form = f.form;
    auto *homonyme = new Memo(&form);
    homonyme->setObjectName("MemoProtocole2");
    auto *imbrique = new Memo(form.GroupBox1);
    imbrique->setObjectName("memoaproposde");
    form.ButtonAProposDeClick();
    form.MemoAideCapteur->show();
    form.MemoSpeedButtonAide->show();

    form.AfficheLeMemo(form.MemoAideEnreg);
    for (Memo *memo : form.findChildren<Memo *>()) {
        const bool attendu = sepaires.contains(memo->objectName()) || memo == form.MemoAideEnreg;
        QCOMPARE(!memo->isHidden(), attendu);
    }
    QVERIFY(!form.PanelAProposDe->isHidden());

    form.AfficheLeMemo(nullptr);
    QVERIFY(form.MemoAideEnreg->isHidden());
    QVERIFY(!form.MemoProtocole->isHidden());
    QVERIFY(!form.MemoAProposDe->isHidden());
}

void TestModeAide::helpTogglePausesAndRestarts_data()
{
    QTest::addColumn<bool>("enMarche");
    QTest::addRow("stopped") << false;
    QTest::addRow("running with messages in flight") << true;
}

void TestModeAide::helpTogglePausesAndRestarts()
{
    QFETCH(bool, enMarche);
    Fenetre f;
    TForm1 &form = f.form;
    if (enMarche) {
        f.lanceDesMessages();
        QVERIFY(form.etat().InfluxMoteur && form.etat().InfluxSensitif);
    }
    form.MemoAideCapteur->show();

    QTest::mouseClick(form.SpeedButtonAide, Qt::LeftButton);
    QVERIFY(form.SpeedButtonAide->isChecked());
    QVERIFY(f.aucuneMinuterie());
    QVERIFY(!form.etat().InfluxMoteur && !form.etat().InfluxSensitif);
    QVERIFY(!form.etat().MecanismeEnMarche);
    QCOMPARE(form.ButtonMarche->text(), QString("Marche"));
    QVERIFY(!form.MemoSpeedButtonAide->isHidden());
    QVERIFY(!form.MemoAideCapteur->isHidden());

    QTest::mouseClick(form.SpeedButtonAide, Qt::LeftButton);
    QVERIFY(!form.SpeedButtonAide->isChecked());
    QVERIFY(form.MemoSpeedButtonAide->isHidden());
    QVERIFY(!form.MemoAideCapteur->isHidden());
    QVERIFY(form.etat().MecanismeEnMarche);
    QCOMPARE(form.ButtonMarche->text(), QString("Arrêt"));
    QCOMPARE(form.TimerCapteur->interval(), form.etat().IntervalleAnimation);
    QVERIFY(form.TimerCapteur->isRunning());
}

void TestModeAide::speedBarInHelpModeShowsItsNoteOnly()
{
    Fenetre f;
    TForm1 &form = f.form;
    QTest::mouseClick(form.SpeedButtonAide, Qt::LeftButton);
    form.MemoAideButtonQuitter->show();
    const int intervalle = form.etat().IntervalleAnimation;
    const int pas = form.etat().PasDeplacement;

    form.TrackBarVitesse->setValue(form.TrackBarVitesse->value() + 3);
    QVERIFY(!form.MemoAideTrackBarVitesse->isHidden());
    QVERIFY(!form.MemoAideButtonQuitter->isHidden());
    QVERIFY(!form.MemoSpeedButtonAide->isHidden());
    QCOMPARE(form.etat().IntervalleAnimation, intervalle);
    QCOMPARE(form.etat().PasDeplacement, pas);
    QVERIFY(f.aucuneMinuterie());
}

// "Marche" releases the toggle without its click handler (which would start
// the mechanism a first time), starts the mechanism and hides every note.
void TestModeAide::marcheEndsHelpMode()
{
    Fenetre f;
    TForm1 &form = f.form;
    f.lanceDesMessages();
    QTest::mouseClick(form.SpeedButtonAide, Qt::LeftButton);
    form.MemoAideEffecteur->show();

    QTest::mouseClick(form.ButtonMarche, Qt::LeftButton);
    QVERIFY(!form.SpeedButtonAide->isChecked());
    QCOMPARE(form.ButtonMarche->text(), QString("Arrêt"));
    QVERIFY(form.etat().MecanismeEnMarche);
    QVERIFY(form.TimerCapteur->isRunning());
    for (Memo *memo : form.findChildren<Memo *>())
        QCOMPARE(!memo->isHidden(), sepaires.contains(memo->objectName()));
}

QTEST_MAIN(TestModeAide)
#include "tst_modeaide.moc"
