// SPDX-License-Identifier: GPL-3.0-or-later
// Guards which menu a right click opens: an element of the scheme (its
// picture, its label) offers its own experiment then "Rétablir tout"; the
// strips, the recordings' menu; the curve, its own with the reference's
// actions; any other place, none.
#include "app/tform1.h"
#include "countingbeeper.h"
#include "scriptedmessages.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

class TestMenusContextuels : public QObject
{
    Q_OBJECT

private slots:
    void rightClickOpensItsElementsMenu_data();
    void rightClickOpensItsElementsMenu();
    void keyboardOpensTheWindowMenu_data();
    void keyboardOpensTheWindowMenu();
};

void TestMenusContextuels::rightClickOpensItsElementsMenu_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QStringList>("menu"); // its items' texts; empty: no menu
    const auto experience = [](const char *texte) {
        return QStringList{QString::fromUtf8(texte), QString(), QStringLiteral("Rétablir tout")};
    };
    const QStringList enregistrements{"Copier l'image", "Enregistrer l'image…",
                                      "Enregistrer les valeurs…", "Imprimer…"};
    QTest::addRow("sensor") << "ImageCapteur" << experience("Détruire : Capteur");
    QTest::addRow("sensor's label") << "LabelCapteur" << experience("Détruire : Capteur");
    QTest::addRow("sensory pathway")
        << "ImageVoieSensitive" << experience("Sectionner : Voie sensitive");
    QTest::addRow("sensory pathway's label")
        << "LabelVoieSensitive" << experience("Sectionner : Voie sensitive");
    QTest::addRow("centre") << "ImageCentreIntegrateur"
                            << experience("Détruire : Centre intégrateur");
    QTest::addRow("stimulating pathway")
        << "ImageVoieStimulatrice" << experience("Sectionner : Voie motrice stimulatrice");
    QTest::addRow("inhibiting pathway's label")
        << "LabelVoieInhibitrice" << experience("Sectionner : Voie motrice inhibitrice");
    QTest::addRow("stimulating effector")
        << "ImageEffecteurStimulateur" << experience("Rendre insensible : Effecteur stimulateur");
    QTest::addRow("inhibiting effector's label")
        << "LabelEffecteurInhibiteur" << experience("Rendre insensible : Effecteur inhibiteur");
    QTest::addRow("strips") << "EnregSensitif" << enregistrements;
    QTest::addRow("curve") << "EnregCourbe"
                           << enregistrements + QStringList{QString(), "Garder comme référence",
                                                            "Effacer la référence"};
    // The free parts of the window: its own menu, the lessons first, the
    // sequences (those for a recording under way hidden), then the teacher's
    // systems.
    const QStringList fenetre = QStringList{"Ouvrir une séance…",
                                            "Enregistrer la séance…",
                                            QString(),
                                            "Enregistrer un déroulé",
                                            "Nommer l'étape suivante…",
                                            "Terminer le déroulé",
                                            "Rejouer le déroulé",
                                            "Rejouer et garder comme référence",
                                            QString(),
                                            "Nouveau système…",
                                            "Modifier le système…",
                                            "Supprimer le système",
                                            QString()} +
                                enregistrements;
    QTest::addRow("a button") << "ButtonMarche" << fenetre;
    QTest::addRow("another button") << "ButtonAProposDe" << fenetre;
}

void TestMenusContextuels::rightClickOpensItsElementsMenu()
{
    QFETCH(QString, element);
    QFETCH(QStringList, menu);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    // The strips and the curve show, as after their toggles.
    form.SpeedButtonEnregSensitif->click();
    form.SpeedButtonCourbe->click();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *cible = form.findChild<QWidget *>(element);
    QVERIFY2(cible && cible->isVisible(), qPrintable(element));

    // A menu run by its own loop is read and closed from within it.
    QStringList ouvert;
    bool lu = false;
    const auto litEtFerme = [&] {
        if (auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : popup->actions())
                ouvert << (action->isSeparator() ? QString() : action->text());
            lu = true;
            popup->close();
        }
    };
    QTimer::singleShot(0, &form, litEtFerme);
    const QPoint centre = cible->rect().center();
    QContextMenuEvent clic(QContextMenuEvent::Mouse, centre, cible->mapToGlobal(centre));
    QApplication::sendEvent(cible, &clic);
    if (!lu)
        litEtFerme();
    QCOMPARE(ouvert, menu);
}

void TestMenusContextuels::keyboardOpensTheWindowMenu_data()
{
    QTest::addColumn<QString>("focus"); // empty: another window has it
    QTest::addColumn<int>("touche");
    QTest::addColumn<bool>("leNotre");
    QTest::addRow("Shift+F10 on a button") << "ButtonMarche" << int(Qt::Key_F10) << true;
    QTest::addRow("Menu key on a button") << "ButtonMarche" << int(Qt::Key_Menu) << true;
    QTest::addRow("Shift+F10 in a value field") << "EditValeurReglee" << int(Qt::Key_F10) << false;
    QTest::addRow("focus in another window") << "" << int(Qt::Key_F10) << true;
}

// From the keyboard the window's menu (the lessons, the recordings) opens
// over the strips wherever the element with the focus has no menu of its own.
void TestMenusContextuels::keyboardOpensTheWindowMenu()
{
    QFETCH(QString, focus);
    QFETCH(int, touche);
    QFETCH(bool, leNotre);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget *ouvert = nullptr;
    QPoint ouvertA;
    QTimer::singleShot(50, &form, [&] {
        ouvert = QApplication::activePopupWidget();
        if (ouvert) {
            ouvertA = ouvert->pos();
            ouvert->close();
        }
    });
    if (focus.isEmpty()) {
        // The window's own keys, asked while the focus is elsewhere.
        QLineEdit ailleurs;
        ailleurs.show();
        ailleurs.setFocus();
        QApplication::setActiveWindow(&ailleurs);
        QVERIFY(QTest::qWaitForWindowActive(&ailleurs));
        const QList<QAction *> actions = form.actions();
        const auto clavier = std::find_if(actions.cbegin(), actions.cend(), [](QAction *a) {
            return a->shortcuts().contains(QKeySequence(Qt::SHIFT | Qt::Key_F10));
        });
        QVERIFY(clavier != actions.cend());
        (*clavier)->trigger();
    } else {
        QWidget *element = form.findChild<QWidget *>(focus);
        element->setFocus();
        QTest::keyClick(element, Qt::Key(touche),
                        touche == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
    }
    QTRY_VERIFY(ouvert);
    QCOMPARE(ouvert == form.findChild<QMenu *>(QStringLiteral("menuFenetre")), leNotre);
    // Over the strips' first quarter, where the eye is.
    const QRect quart(QPoint(0, 0), form.GroupBox1->size() / 2);
    if (leNotre)
        QVERIFY(quart.contains(form.GroupBox1->mapFromGlobal(ouvertA)));
}

QTEST_MAIN(TestMenusContextuels)
#include "tst_menuscontextuels.moc"
