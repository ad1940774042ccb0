// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the course of a recording: the column that advances only while a
// toggle is down, the toggles that show their strips and start a clean
// recording, the refusal for a direct sensitivity, the reset button, and the
// question when the strips are full.
#include "fenetreenregistrement.h"

#include <QTest>

class TestEnregistrement : public QObject
{
    Q_OBJECT

private slots:
    void avance_data();
    void avance();
    void toggles_data();
    void toggles();
    void secondToggleMontreLaBandeDejaTracee();
    void refusSensibiliteDirecte();
    void reinitialisation_data();
    void reinitialisation();
    void bandesPleines_data();
    void bandesPleines();
};

namespace {

const QString questionEffacer = QStringLiteral("Effacer ces enregistrements ?");

bool enMarche(TForm1 &form)
{
    return form.TimerCapteur->isRunning() && form.ButtonMarche->text() == "Arrêt";
}

} // namespace

void TestEnregistrement::avance_data()
{
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<bool>("cache");
    QTest::addColumn<bool>("avance");

    QTest::addRow("aucun toggle") << QString() << false << false;
    QTest::addRow("sensitif") << "SpeedButtonEnregSensitif" << false << true;
    QTest::addRow("stimulateur") << "SpeedButtonEnregStimulateur" << false << true;
    QTest::addRow("inhibiteur caché") << "SpeedButtonEnregInhibiteur" << true << true;
}

void TestEnregistrement::avance()
{
    QFETCH(QString, toggle);
    QFETCH(bool, cache);
    QFETCH(bool, avance);

    FenetreEnregistrement f;
    f.form.InitialiseEnregistrements();
    if (!toggle.isEmpty()) {
        auto *bouton = f.element<GlyphButton>(toggle);
        bouton->setChecked(true);
        bouton->setHidden(cache);
    }
    constexpr int depart = 100;
    f.form.etat().PositionEnreg = depart;

    ImageControl *stimulateur = f.form.EnregStimulateur;
    ImageControl *perturbation = f.form.EnregPerturbation;
    for (int tic = 1; tic <= 3; ++tic) {
        const int colonne = depart + (avance ? tic : 0);
        // Wiped before each tick, so that a column drawn again shows.
        for (int y = 1; y < 39; ++y)
            stimulateur->canvas().setPixel(colonne, y, Qt::blue);
        for (int y = 1; y < 9; ++y)
            perturbation->canvas().setPixel(colonne, y, Qt::blue);

        f.tics(1);
        QCOMPARE(f.form.etat().PositionEnreg, colonne);
        QCOMPARE(pixelBande(stimulateur, colonne, 20), noir);
        QCOMPARE(pixelBande(stimulateur, colonne, 30), Qt::blue);
        QCOMPARE(pixelBande(perturbation, colonne, 5), olive);
    }
    QCOMPARE(pixelBande(stimulateur, depart + 4, 20), citron);
    QVERIFY(f.messages.asked.isEmpty());
}

void TestEnregistrement::toggles_data()
{
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<QStringList>("bandes");

    QTest::addRow("sensitif") << "SpeedButtonEnregSensitif"
                              << QStringList{"EnregSensitif", "EnregPerturbation"};
    QTest::addRow("stimulateur") << "SpeedButtonEnregStimulateur"
                                 << QStringList{"EnregStimulateur"};
    QTest::addRow("inhibiteur") << "SpeedButtonEnregInhibiteur" << QStringList{"EnregInhibiteur"};
}

void TestEnregistrement::toggles()
{
    QFETCH(QString, toggle);
    QFETCH(QStringList, bandes);

    FenetreEnregistrement f;
    const QStringList toutes{"EnregSensitif", "EnregStimulateur", "EnregInhibiteur",
                             "EnregPerturbation"};
    for (const QString &nom : toutes) {
        ImageControl *bande = f.element<ImageControl>(nom);
        bande->canvas().setBrushColor(Qt::blue);
        bande->canvas().fillRect(0, 0, bande->width(), bande->height());
    }
    f.form.etat().PositionEnreg = 77;

    auto *bouton = f.element<GlyphButton>(toggle);
    bouton->click();
    QVERIFY(bouton->isChecked());
    QCOMPARE(f.form.etat().PositionEnreg, 0);
    for (const QString &nom : toutes) {
        ImageControl *bande = f.element<ImageControl>(nom);
        QCOMPARE(!bande->isHidden(), bandes.contains(nom));
        // A new recording clears all the strips, shown or not.
        QVERIFY(pixelBande(bande, 300, 5) != QColor(Qt::blue));
    }

    f.tics(4);
    bouton->click();
    QVERIFY(!bouton->isChecked());
    for (const QString &nom : toutes)
        QVERIFY(f.element<ImageControl>(nom)->isHidden());
    // Released, the strips keep what they hold.
    QCOMPARE(f.form.etat().PositionEnreg, 4);
    QCOMPARE(pixelBande(f.form.EnregStimulateur, 4, 20), noir);
    QVERIFY(f.messages.asked.isEmpty());
}

void TestEnregistrement::secondToggleMontreLaBandeDejaTracee()
{
    FenetreEnregistrement f;
    f.form.SpeedButtonEnregStimulateur->click();
    f.tics(10);

    f.form.SpeedButtonEnregSensitif->click();
    QCOMPARE(f.form.etat().PositionEnreg, 10);
    QVERIFY(!f.form.EnregSensitif->isHidden());
    QVERIFY(!f.form.EnregPerturbation->isHidden());
    QVERIFY(!f.form.EnregStimulateur->isHidden());
    // Drawn while hidden since the recording began.
    for (int x = 1; x <= 10; ++x) {
        QCOMPARE(pixelBande(f.form.EnregSensitif, x, 20), noir);
        QCOMPARE(pixelBande(f.form.EnregPerturbation, x, 5), olive);
    }

    // The sensory toggle alone keeps the recording going.
    f.form.SpeedButtonEnregStimulateur->click();
    QVERIFY(f.form.EnregStimulateur->isHidden());
    QVERIFY(!f.form.EnregPerturbation->isHidden());
    f.tics(2);
    QCOMPARE(f.form.etat().PositionEnreg, 12);
}

void TestEnregistrement::refusSensibiliteDirecte()
{
    FenetreEnregistrement f;
    f.form.InitialiseEnregistrements();
    f.form.ImageVoieSensitive->setTag(ModeAbsent);
    f.form.ButtonMarche->click();
    f.tics(3);
    const QImage sensitif = f.form.EnregSensitif->image();
    const int position = f.form.etat().PositionEnreg;

    // The notice does not stop the mechanism: ticks go on behind it.
    bool basPendantLaNotice = true;
    f.messages.pendant = [&f, &basPendantLaNotice] {
        basPendantLaNotice = f.form.SpeedButtonEnregSensitif->isChecked();
        f.tics(3);
    };
    f.form.SpeedButtonEnregSensitif->click();

    QCOMPARE(f.messages.asked.size(), 1);
    QCOMPARE(f.messages.asked[0].kind, MessageKind::Information);
    QCOMPARE(f.messages.asked[0].buttons, MessageButtons::Ok);
    QCOMPARE(f.messages.asked[0].text,
             QStringLiteral("Pas d'enregistrement si la sensibilité est directe"));
    QVERIFY(!f.form.SpeedButtonEnregSensitif->isChecked());
    QVERIFY(!basPendantLaNotice);
    QVERIFY(f.form.EnregSensitif->isHidden());
    QVERIFY(f.form.EnregPerturbation->isHidden());
    QCOMPARE(f.form.etat().PositionEnreg, position);
    QCOMPARE(f.form.EnregSensitif->image(), sensitif);
    QVERIFY(enMarche(f.form));
}

void TestEnregistrement::reinitialisation_data()
{
    QTest::addColumn<bool>("aide");
    QTest::addColumn<bool>("toggleBas");
    QTest::addColumn<bool>("enMarcheAvant");
    QTest::addColumn<bool>("oui");
    QTest::addColumn<bool>("question");
    QTest::addColumn<bool>("efface");
    QTest::addColumn<bool>("enMarcheApres");

    QTest::addRow("arrêté, oui") << false << true << false << true << true << true << true;
    QTest::addRow("arrêté, non") << false << true << false << false << true << false << true;
    QTest::addRow("en marche, oui") << false << true << true << true << true << true << true;
    QTest::addRow("en marche, non") << false << true << true << false << true << false << true;
    QTest::addRow("aucun toggle, arrêté")
        << false << false << false << true << false << false << false;
    QTest::addRow("aucun toggle, en marche")
        << false << false << true << true << false << false << true;
    QTest::addRow("mode aide") << true << true << false << true << false << false << false;
}

void TestEnregistrement::reinitialisation()
{
    QFETCH(bool, aide);
    QFETCH(bool, toggleBas);
    QFETCH(bool, enMarcheAvant);
    QFETCH(bool, oui);
    QFETCH(bool, question);
    QFETCH(bool, efface);
    QFETCH(bool, enMarcheApres);

    FenetreEnregistrement f;
    f.form.InitialiseEnregistrements();
    f.form.SpeedButtonEnregInhibiteur->setChecked(toggleBas);
    f.tics(5);
    f.form.etat().PositionEnreg = 42;
    if (enMarcheAvant)
        f.form.ButtonMarche->click();
    f.form.SpeedButtonAide->setChecked(aide);

    f.messages.answers.enqueue(oui ? MessageAnswer::Oui : MessageAnswer::Non);
    bool arretePendantLaQuestion = false;
    f.notePendantQuestion(arretePendantLaQuestion);
    f.form.SpeedButtonEnreg->click();

    QCOMPARE(f.messages.asked.size(), question ? 1 : 0);
    if (question) {
        QCOMPARE(f.messages.asked[0].kind, MessageKind::Information);
        QCOMPARE(f.messages.asked[0].buttons, MessageButtons::OuiNon);
        QCOMPARE(f.messages.asked[0].text, questionEffacer);
        QVERIFY(arretePendantLaQuestion);
    }
    QCOMPARE(f.form.etat().PositionEnreg, efface ? 0 : 42);
    if (toggleBas)
        QCOMPARE(pixelBande(f.form.EnregInhibiteur, 3, 20), efface ? rouge : noir);
    QCOMPARE(enMarche(f.form), enMarcheApres);
    QCOMPARE(!f.form.MemoAideEnreg->isHidden(), aide);
}

void TestEnregistrement::bandesPleines_data()
{
    QTest::addColumn<bool>("oui");
    QTest::addRow("oui") << true;
    QTest::addRow("non") << false;
}

void TestEnregistrement::bandesPleines()
{
    QFETCH(bool, oui);

    FenetreEnregistrement f;
    f.form.SpeedButtonEnregSensitif->click();
    f.form.ButtonMarche->click();
    f.form.ScrollBarValeurReglee->setValue(20);
    f.tics(550);
    QCOMPARE(f.form.etat().PositionEnreg, 550);
    QVERIFY(f.messages.asked.isEmpty());
    QCOMPARE(pixelBande(f.form.EnregSensitif, 300, 20), noir);
    QCOMPARE(pixelBande(f.form.EnregSensitif, 549, 20), noir);

    // A class this deviation would not give: it shows whether the tick
    // went on after the question.
    f.form.etat().ClasseEcart = -4;
    f.messages.answers.enqueue(oui ? MessageAnswer::Oui : MessageAnswer::Non);
    bool arretePendantLaQuestion = false;
    f.notePendantQuestion(arretePendantLaQuestion);
    f.tics(1);

    QCOMPARE(f.messages.asked.size(), 1);
    QCOMPARE(f.messages.asked[0].kind, MessageKind::Confirmation);
    QCOMPARE(f.messages.asked[0].buttons, MessageButtons::OuiNon);
    QCOMPARE(f.messages.asked[0].text, questionEffacer);
    QVERIFY(arretePendantLaQuestion);

    if (oui) {
        // A fresh recording, drawn from column 0 on the same tick.
        QCOMPARE(f.form.etat().PositionEnreg, 0);
        QVERIFY(enMarche(f.form));
        QCOMPARE(pixelBande(f.form.EnregSensitif, 300, 20), aqua);
        QCOMPARE(pixelBande(f.form.EnregSensitif, 1, 20), noir);
        QCOMPARE(pixelBande(f.form.EnregPerturbation, 0, 5), olive);
        QCOMPARE(f.form.etat().ClasseEcart, 3);
        f.tics(1);
        QCOMPARE(f.form.etat().PositionEnreg, 1);
        return;
    }

    // Declined: stopped, nothing more done on that tick, strips kept.
    QCOMPARE(f.form.etat().PositionEnreg, 551);
    QVERIFY(!enMarche(f.form));
    QCOMPARE(f.form.ButtonMarche->text(), QStringLiteral("Marche"));
    QCOMPARE(f.form.etat().ClasseEcart, -4);
    QCOMPARE(pixelBande(f.form.EnregSensitif, 300, 20), noir);

    // The question comes back on the first tick after a restart.
    f.form.ButtonMarche->click();
    f.tics(1);
    QCOMPARE(f.messages.asked.size(), 2);
    QVERIFY(f.form.etat().PositionEnreg > 550);
    QVERIFY(!enMarche(f.form));
}

QTEST_MAIN(TestEnregistrement)
#include "tst_enregistrement.moc"
