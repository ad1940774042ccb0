// SPDX-License-Identifier: GPL-3.0-or-later
// Guards what a pupil meets without the pointer or the screen: every element's
// role, French name and description (the help note that explains it), names
// and units that follow the chosen system, the keyboard order, and the value
// bars, glyph toggles and help mode worked from the keyboard.
#include "app/tform1.h"
#include "app/window_services/memo.h"
#include "countingbeeper.h"
#include "scriptedmessages.h"
#include "tests/guidance/fenetre.h"
#include "tests/systems/saisiesysteme.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

struct Attendu
{
    const char *element;
    QAccessible::Role role;
    const char *nom;
    const char *note; // the help note that describes it, if any
};

using R = QAccessible::Role;

// The elements of the window as assistive technology meets them at start-up.
const Attendu attendus[] = {
    {"SpeedButtonSon", R::CheckBox, "Son", "MemoAIdeSpeedButtonSOn"},
    {"Splitter2", R::Border, "", nullptr},
    {"Splitter1", R::Border, "", nullptr},
    {"LabelSon", R::StaticText, "Son", nullptr},
    {"LabelVitesse", R::StaticText, "Vitesse", nullptr},
    {"LabelAide", R::StaticText, "Aide", nullptr},
    {"LabelUnites", R::StaticText, "en u.a", nullptr},
    {"SpeedButtonAide", R::CheckBox, "Aide", "MemoSpeedButtonAide"},
    {"ImageEclair2", R::Graphic, "Perturbation", "MemoAIdeLAbelPerturbation"},
    {"ImageEclair1", R::Graphic, "Perturbation", "MemoAIdeLAbelPerturbation"},
    {"LabelPerturbation", R::StaticText, "Perturbation", "MemoAIdeLAbelPerturbation"},
    {"SpeedButtonEnreg", R::Button, "Réinitialiser les enregistrements", "MemoAideEnreg"},
    {"GroupBox1", R::Grouping, "Enregistrements", nullptr},
    {"EnregSensitif", R::Graphic, "Enregistrement de la voie sensitive", "MemoAideExport"},
    {"EnregStimulateur", R::Graphic, "Enregistrement de la voie stimulatrice", "MemoAideExport"},
    {"EnregInhibiteur", R::Graphic, "Enregistrement de la voie inhibitrice", "MemoAideExport"},
    {"EnregPerturbation", R::Graphic, "Enregistrement de la perturbation", "MemoAideExport"},
    {"GroupBoxCourbe", R::Grouping, "Courbe de la valeur réglée", nullptr},
    {"EnregCourbe", R::Graphic, "Courbe de la valeur réglée", "MemoAideCourbe"},
    {"SpeedButtonCourbe", R::CheckBox, "Courbe de la valeur réglée", "MemoAideCourbe"},
    {"MemoProtocole", R::EditableText, "Consignes", nullptr},
    {"GroupBoxSystemeReglant", R::Grouping, "Système réglant", nullptr},
    {"ImageCentreIntegrateur", R::Graphic, "Centre intégrateur", "MemoAideCentreIntegrateur"},
    {"ImageVoieInhibitrice", R::Graphic, "Voie motrice inhibitrice", "MemoAideVoieInhibitrice"},
    {"ImageCapteur", R::Graphic, "Capteur : écart nul", "MemoAideCapteur"},
    {"ImageVoieStimulatrice", R::Graphic, "Voie motrice stimulatrice", "MemoAideVoieStimulatrice"},
    {"ImageEffecteurInhibiteur", R::Graphic, "Effecteur inhibiteur", "MemoAideEffecteur"},
    {"ImageEffecteurStimulateur", R::Graphic, "Effecteur stimulateur", "MemoAideEffecteur"},
    {"ImageVoieSensitive", R::Graphic, "Voie sensitive", "MemoAideVoieSensitive"},
    {"SpeedButtonEnregSensitif", R::CheckBox, "Enregistrement : Voie sensitive",
     "MemoAideEnregSensitif"},
    {"SpeedButtonEnregStimulateur", R::CheckBox, "Enregistrement : Voie motrice stimulatrice",
     "MemoAideEnregStimulateur"},
    {"SpeedButtonEnregInhibiteur", R::CheckBox, "Enregistrement : Voie motrice inhibitrice",
     "MemoAideEnregInhibiteur"},
    {"PanelCapteur", R::Pane, "", nullptr},
    {"LabelCapteur", R::StaticText, "Capteur", "MemoAideCapteur"},
    {"PanelVoieSensitive", R::Pane, "", nullptr},
    {"LabelVoieSensitive", R::StaticText, "Voie sensitive", "MemoAideVoieSensitive"},
    {"PanelCentreIntegrateur", R::Pane, "", nullptr},
    {"LabelCentreIntegrateur", R::StaticText, "Centre intégrateur", "MemoAideCentreIntegrateur"},
    {"PanelVoieStimulatrice", R::Pane, "", nullptr},
    {"LabelVoieStimulatrice", R::StaticText, "Voie motrice stimulatrice",
     "MemoAideVoieStimulatrice"},
    {"PanelVoieInhibitrice", R::Pane, "", nullptr},
    {"LabelVoieInhibitrice", R::StaticText, "Voie motrice inhibitrice", "MemoAideVoieInhibitrice"},
    {"PanelEffecteurStimulateur", R::Pane, "", nullptr},
    {"LabelEffecteurStimulateur", R::StaticText, "Effecteur stimulateur", "MemoAideEffecteur"},
    {"EditValeurReglee", R::EditableText, "Valeur réglée (en u.a)", "MemoAideValeurReglee"},
    {"EditValeurConsigne", R::EditableText, "Valeur consigne (en u.a)",
     "MemoAideStaticTextValeurConsigne"},
    {"ButtonMarche", R::Button, "Marche", "MemoAideButtonMarche"},
    {"ComboBoxSysteme", R::ComboBox, "Système de régulation", nullptr},
    {"TrackBarVitesse", R::Slider, "Vitesse", "MemoAideTrackBarVitesse"},
    {"PanelValeurConsigne", R::Pane, "", nullptr},
    {"LabelValeurConsigne", R::StaticText, "Valeur consigne", "MemoAideStaticTextValeurConsigne"},
    {"ScrollBarValeurReglee", R::Slider, "Valeur réglée (en u.a)", "MemoAideValeurReglee"},
    {"ScrollBarValeurConsigne", R::Slider, "Valeur consigne (en u.a)",
     "MemoAideStaticTextValeurConsigne"},
    {"PanelValeurReglee", R::Pane, "", nullptr},
    {"LabelValeurReglee", R::StaticText, "Valeur réglée", "MemoAideValeurReglee"},
    {"ButtonAProposDe", R::Button, "à propos de", "MemoAideAProposDe"},
    {"PanelEffecteurInhibiteur", R::Pane, "", nullptr},
    {"LabelEffecteurInhibiteur", R::StaticText, "Effecteur inhibiteur", "MemoAideEffecteur"},
    {"ButtonQuitter", R::Button, "Quitter", "MemoAideButtonQuitter"},
    {"StatusBar1", R::StatusBar, "", nullptr},
    {"PanelAProposDe", R::Pane, "À propos de", nullptr},
    {"ButtonFermerAProposDe", R::Button, "Fermer", nullptr},
    {"MemoAProposDe", R::EditableText, "Coordonnées de l'auteur", nullptr},
};

// What each note says, as one line (the notes' own line breaks and repeated
// blanks read as one blank).
const std::pair<const char *, const char *> textesDesNotes[] = {
    {"MemoSpeedButtonAide",
     "Lorsque ce bouton est enfoncé le curseur de la souris indique par un point "
     "d'interrogation les objets sur lesquels vous pouvez cliquer pour obtenir des "
     "informations."},
    {"MemoAideCapteur", "Le capteur est sensible aux variations de la valeur réglée. Lors d'une "
                        "variation, il émet un message sensitif. (Cliquer pour fermer)"},
    {"MemoAideVoieSensitive",
     "La liaison sensitive est le support de propagation du message sensitif du capteur "
     "jusqu'au centre intégrateur."},
    {"MemoAideCentreIntegrateur",
     "Le centre intégrateur émet, selon les messages sensitifs qu'il reçoit, soit un message "
     "stimulateur, soit un message inhibiteur."},
    {"MemoAideVoieStimulatrice",
     "La voie stimulatrice est le support de la transmission du message stimulateur du centre "
     "intégrateur jusqu'à l'effecteur stimulateur."},
    {"MemoAideVoieInhibitrice",
     "La voie inhibitrice est le support de la transmission du message inhibiteur du centre "
     "intégrateur jusqu'à l'effecteur inhibiteur."},
    {"MemoAideEffecteur", "Les effecteurs interviennent directement ou indirectement sur la "
                          "valeur réglée soit en l'augmentant soit en la diminuant."},
    {"MemoAideValeurReglee",
     "Pour un paramètre donné, la valeur réglée doit être maintenue à la valeur consigne. Vous "
     "pouvez simuler une perturbation en faisant glisser le curseur correspondant."},
    {"MemoAideStaticTextValeurConsigne",
     "La valeur consigne est la valeur à laquelle un paramètre doit être maintenu. Le système "
     "de régulation permet de ramener la valeur réglée à la valeur consigne à la suite d'une "
     "perturbation."},
    {"MemoAIdeLAbelPerturbation", "Une perturbation est un évènement qui modifie la valeur "
                                  "réglée. Pour simuler une perturbation utiliser le curseur ou "
                                  "la zone d'édition."},
    {"MemoAideButtonMarche", "Permet de déclencher ou d'arrêter le mécanisme."},
    {"MemoAIdeSpeedButtonSOn", "Cliquer sur ce bouton pour mettre ou enlever le son."},
    {"MemoAideTrackBarVitesse", "Déplacer le curseur pour modifier la vitesse de l'animation."},
    {"MemoAideAProposDe",
     "Ce bouton permet d'obtenir le coordonnées de l'auteur de cette application."},
    {"MemoAideButtonQuitter", "Ce bouton permet de quitter l'application."},
    {"MemoAideEnreg", "Permet de réinitialiser les enregistrements."},
    {"MemoAideEnregSensitif", "Affiche l'enregistrement des messages sensitifs."},
    {"MemoAideEnregStimulateur", "Affiche l'enregistrement des messages stimulateurs."},
    {"MemoAideEnregInhibiteur", "Affiche l'enregistrement des messages inhibiteurs."},
    {"MemoAideCourbe", "Affiche au cours du temps la valeur réglée (trait bleu-vert) et la "
                       "valeur consigne (trait vert olive)."},
    {"MemoAideExperiences",
     "Ctrl+E ou clic droit sur un élément du schéma : le détruire, sectionner une voie ou rendre "
     "un effecteur insensible, puis observer la régulation. Rétablir tout pour réparer. Un nerf "
     "sensitif envoie sans cesse des messages : s'il se tait, le centre croit la valeur très "
     "basse et la fait monter."},
    {"MemoAideExport", "Clic droit sur les enregistrements pour les copier, les enregistrer "
                       "(image ou valeurs) ou les imprimer. Clic droit ailleurs : séances "
                       "et déroulés (Ctrl+J rejoue)."},
};

QString texteDeLaNote(const QString &note)
{
    for (const auto &[memo, texte] : textesDesNotes) {
        if (note == QLatin1String(memo))
            return QString::fromUtf8(texte);
    }
    return QStringLiteral("(note inconnue)");
}

// The help notes themselves, named alike; their text is what they say.
const char *const notes[] = {
    "MemoAideCapteur",
    "MemoSpeedButtonAide",
    "MemoAideValeurReglee",
    "MemoAideVoieStimulatrice",
    "MemoAideCentreIntegrateur",
    "MemoAideButtonMarche",
    "MemoAideVoieInhibitrice",
    "MemoAideVoieSensitive",
    "MemoAideTrackBarVitesse",
    "MemoAIdeSpeedButtonSOn",
    "MemoAIdeLAbelPerturbation",
    "MemoAideAProposDe",
    "MemoAideStaticTextValeurConsigne",
    "MemoAideEffecteur",
    "MemoAideEnregSensitif",
    "MemoAideEnregStimulateur",
    "MemoAideEnregInhibiteur",
    "MemoAideCourbe",
    "MemoAideExport",
    "MemoAideExperiences",
    "MemoAideButtonQuitter",
    "MemoAideEnreg",
};

// The controls in the order Tab visits them in the window as it starts.
const QStringList ordreTab{
    "MemoProtocole",
    "EditValeurReglee",
    "EditValeurConsigne",
    "ButtonMarche",
    "ComboBoxSysteme",
    "TrackBarVitesse",
    "ScrollBarValeurReglee",
    "ScrollBarValeurConsigne",
    "ButtonAProposDe",
    "ButtonQuitter",
    "SpeedButtonAide",
    "SpeedButtonSon",
    "SpeedButtonEnregSensitif",
    "SpeedButtonEnregStimulateur",
    "SpeedButtonEnregInhibiteur",
    "SpeedButtonEnreg",
    "SpeedButtonCourbe",
};

QString nomAccessible(QWidget *widget)
{
    // On Linux Qt names a combo box by its text and leaves its label to a
    // relation; the name given is the control's own.
    if (qobject_cast<QComboBox *>(widget))
        return widget->accessibleName();
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QString texteAccessible(QWidget *widget, QAccessible::Text texte)
{
    return QAccessible::queryAccessibleInterface(widget)->text(texte);
}

// The element of the window that has the focus (a list's inner text field
// counts as the list).
QString elementAuFocus(TForm1 &form)
{
    for (QWidget *w = QApplication::focusWidget(); w && w != &form; w = w->parentWidget()) {
        if (ordreTab.contains(w->objectName()))
            return w->objectName();
    }
    return QString();
}

} // namespace

class TestAccessibilite : public QObject
{
    Q_OBJECT

private slots:
    void everyElementListed();
    void elementRead_data();
    void elementRead();
    void namesAndUnitsFollowTheSystem_data();
    void namesAndUnitsFollowTheSystem();
    void tabVisitsTheControlsInOrder();
    void valueBarKeys_data();
    void valueBarKeys();
    void glyphTogglesFromTheKeyboard();
    void picturesNotDrawnReadAsInvisible();
    void sensorAnnouncesANewClassOnly();
};

void TestAccessibilite::everyElementListed()
{
    Fenetre f;
    QStringList connus;
    for (const Attendu &a : attendus)
        connus << QString::fromUtf8(a.element);
    for (const char *note : notes)
        connus << QString::fromLatin1(note);
    for (QWidget *widget : f.form.findChildren<QWidget *>()) {
        const QString nom = widget->objectName();
        // The menus are windows of their own, which Qt describes.
        if (!nom.isEmpty() && !nom.startsWith(QLatin1String("qt_")) && !widget->isWindow())
            QVERIFY2(connus.contains(nom), qPrintable(nom));
    }
}

void TestAccessibilite::elementRead_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("note");
    for (const Attendu &a : attendus)
        QTest::addRow("%s", a.element) << QString::fromUtf8(a.element) << int(a.role)
                                       << QString::fromUtf8(a.nom) << QString::fromLatin1(a.note);
    for (const char *note : notes)
        QTest::addRow("%s", note) << QString::fromLatin1(note) << int(R::EditableText)
                                  << QStringLiteral("Note d'aide") << QString();
}

void TestAccessibilite::elementRead()
{
    QFETCH(QString, element);
    QFETCH(int, role);
    QFETCH(QString, nom);
    QFETCH(QString, note);
    Fenetre f;
    auto *widget = f.form.findChild<QWidget *>(element);
    QVERIFY(widget);
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(interface);
    QCOMPARE(int(interface->role()), role);
    QCOMPARE(nomAccessible(widget), nom);
    QCOMPARE(interface->text(QAccessible::Description),
             note.isEmpty() ? QString() : texteDeLaNote(note));
}

void TestAccessibilite::namesAndUnitsFollowTheSystem_data()
{
    QTest::addColumn<QString>("systeme");
    QTest::addColumn<QStringList>("noms");  // sensor, regulated value, sensory toggle, effector
    QTest::addColumn<QString>("valeur");    // the regulated value as read
    QTest::addColumn<QString>("auMinimum"); // the sensor, value bar at its minimum

    QTest::addRow("body temperature")
        << "Homéothermie"
        << QStringList{"Capteurs hypothalamiques : écart nul", "Température (°C)",
                       "Enregistrement : Voie nerveuse",
                       "Glandes sudoripares, Circulation périphérique"}
        << "37 °C"
        << "valeur réglée trop basse, écart de classe 5 sur 5";
    QTest::addRow("blood glucose")
        << "Glycémie directe"
        << QStringList{"Cellules alpha et béta du pancréas : écart nul", "Glycémie (mg.L-1)",
                       "Enregistrement : Sensibilité directe", "Cellules hépatiques (stockage)"}
        << "1000 mg.L-1"
        // 400 below the set point on a range of 2400: class 1.
        << "valeur réglée trop basse, écart de classe 1 sur 5";
}

void TestAccessibilite::namesAndUnitsFollowTheSystem()
{
    QFETCH(QString, systeme);
    QFETCH(QStringList, noms);
    QFETCH(QString, valeur);
    QFETCH(QString, auMinimum);
    Fenetre f;
    TForm1 &form = f.form;
    tapeSysteme(form, systeme);

    QCOMPARE((QStringList{nomAccessible(form.ImageCapteur), nomAccessible(form.EditValeurReglee),
                          nomAccessible(form.SpeedButtonEnregSensitif),
                          nomAccessible(form.ImageEffecteurInhibiteur)}),
             noms);
    QCOMPARE(nomAccessible(form.ScrollBarValeurReglee), noms[1]);
    QCOMPARE(texteAccessible(form.EditValeurReglee, QAccessible::Value), valeur);
    QCOMPARE(texteAccessible(form.ScrollBarValeurReglee, QAccessible::Value), valeur);
    QCOMPARE(texteAccessible(form.ScrollBarValeurConsigne, QAccessible::Value), valeur);

    // The sensor says its deviation once the regulation sees one.
    form.ScrollBarValeurReglee->setValue(form.ScrollBarValeurReglee->minimum());
    form.TimerCapteurTimer();
    QCOMPARE(nomAccessible(form.ImageCapteur),
             noms[0].section(QStringLiteral(" : "), 0, 0) + QStringLiteral(" : ") + auMinimum);
}

// Each control reached shows that it has the focus: it looks otherwise than
// just before.
void TestAccessibilite::tabVisitsTheControlsInOrder()
{
    Fenetre f;
    QVERIFY(f.montre());
    const auto aspect = [&f](int i) {
        return f.form.findChild<QWidget *>(ordreTab[i % ordreTab.size()])->grab().toImage();
    };
    const QImage memoSansFocus = aspect(0); // the window opens with its focus here
    f.form.ButtonMarche->setFocus(Qt::TabFocusReason);
    f.form.MemoProtocole->setFocus(Qt::TabFocusReason);
    QVERIFY(aspect(0) != memoSansFocus);
    QStringList visites{elementAuFocus(f.form)};
    for (int i = 1; i < ordreTab.size(); ++i) {
        const QImage avant = aspect(i);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visites << elementAuFocus(f.form);
        QVERIFY2(aspect(i) != avant, qPrintable(ordreTab[i]));
    }
    QCOMPARE(visites, ordreTab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(elementAuFocus(f.form), ordreTab.first());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(elementAuFocus(f.form), ordreTab.last());
}

// A bar clicked on its slider takes the focus without moving; its keys then
// run the same chain of handlers as a drag.
void TestAccessibilite::valueBarKeys_data()
{
    QTest::addColumn<bool>("consigne");
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("reglee"); // the regulated value afterwards

    QTest::addRow("Left") << false << int(Qt::Key_Left) << 49 << 49;
    QTest::addRow("Right") << false << int(Qt::Key_Right) << 51 << 51;
    QTest::addRow("Page Up") << false << int(Qt::Key_PageUp) << 60 << 60;
    QTest::addRow("Page Down") << false << int(Qt::Key_PageDown) << 40 << 40;
    QTest::addRow("Home") << false << int(Qt::Key_Home) << 0 << 0;
    QTest::addRow("End") << false << int(Qt::Key_End) << 100 << 100;
    // Moved onto the regulated value, the set point takes one more: its field
    // already read that, so the bar stays where the key put it.
    QTest::addRow("set point, Left onto the regulated value")
        << true << int(Qt::Key_Left) << 50 << 50;
}

void TestAccessibilite::valueBarKeys()
{
    QFETCH(bool, consigne);
    QFETCH(int, touche);
    QFETCH(int, position);
    QFETCH(int, reglee);
    Fenetre f;
    TForm1 &form = f.form;
    QVERIFY(f.montre());
    tapeSysteme(form, QStringLiteral("Schéma général (nerveux)"));
    if (consigne) // one unit above the regulated value (50)
        form.ScrollBarValeurConsigne->setValue(51);
    ScrollBar *barre = consigne ? form.ScrollBarValeurConsigne : form.ScrollBarValeurReglee;
    const int avant = barre->value();

    QStyleOptionSlider option;
    option.initFrom(barre);
    option.orientation = Qt::Horizontal;
    option.minimum = barre->minimum();
    option.maximum = barre->maximum();
    option.sliderPosition = barre->value();
    option.sliderValue = barre->value();
    option.pageStep = barre->pageStep();
    const QRect curseur = barre->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                         QStyle::SC_ScrollBarSlider, barre);
    QTest::mouseClick(barre, Qt::LeftButton, {}, curseur.center());
    QVERIFY(barre->hasFocus());
    QCOMPARE(barre->value(), avant);

    QTest::keyClick(barre, Qt::Key(touche));
    QCOMPARE(barre->value(), position);
    QCOMPARE(form.etat().ValeurReglee, reglee);
    QCOMPARE(form.EditValeurReglee->text(), QString::number(reglee));
    QCOMPARE(form.etat().Ecart, form.etat().ValeurConsigne - reglee);
    if (consigne) {
        QCOMPARE(form.EditValeurConsigne->text(), QStringLiteral("51"));
        QCOMPARE(form.etat().ValeurConsigne, 51);
    }
}

// Space works a toggle or the reset button as a click does, help mode
// included; the focus shows on the button; in help mode, reaching an element
// from the keyboard shows its note as hovering does.
void TestAccessibilite::glyphTogglesFromTheKeyboard()
{
    Fenetre f;
    TForm1 &form = f.form;
    QVERIFY(f.montre());

    const QImage sansFocus = form.SpeedButtonEnregStimulateur->grab().toImage();
    form.SpeedButtonEnregStimulateur->setFocus(Qt::TabFocusReason);
    QVERIFY(form.SpeedButtonEnregStimulateur->hasFocus());
    QVERIFY(form.SpeedButtonEnregStimulateur->grab().toImage() != sansFocus);
    QTest::keyClick(form.SpeedButtonEnregStimulateur, Qt::Key_Space);
    QVERIFY(form.SpeedButtonEnregStimulateur->isChecked());
    QVERIFY(!form.EnregStimulateur->isHidden());

    form.SpeedButtonAide->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.SpeedButtonAide, Qt::Key_Space);
    QVERIFY(form.SpeedButtonAide->isChecked());
    QVERIFY(!form.MemoSpeedButtonAide->isHidden());

    form.ButtonQuitter->setFocus(Qt::TabFocusReason);
    QVERIFY(!form.MemoAideButtonQuitter->isHidden());
    QVERIFY(form.MemoSpeedButtonAide->isHidden());

    form.SpeedButtonEnreg->setFocus(Qt::TabFocusReason);
    form.MemoAideEnreg->hide();
    form.etat().PositionEnreg = 30;
    QTest::keyClick(form.SpeedButtonEnreg, Qt::Key_Space);
    QVERIFY(!form.MemoAideEnreg->isHidden());
    QVERIFY(f.messages.asked.isEmpty());
    QCOMPARE(form.etat().PositionEnreg, 30);
}

// The lightning flashes, the sensor blinks and the effectors flash by being
// drawn or not: a screen reader reads a picture not drawn as not showing.
void TestAccessibilite::picturesNotDrawnReadAsInvisible()
{
    Fenetre f;
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    const auto invisible = [](QWidget *image) {
        return QAccessible::queryAccessibleInterface(image)->state().invisible;
    };
    // At start-up nothing perturbs the value: no lightning.
    QVERIFY(invisible(f.form.ImageEclair1));
    QVERIFY(invisible(f.form.ImageEclair2));
    QVERIFY(!invisible(f.form.ImageCapteur));
    QVERIFY(!invisible(f.form.ImageEffecteurStimulateur));

    // A perturbation: the lightning pictures take turns, and the sensor blinks.
    f.form.ButtonMarche->click();
    f.form.ScrollBarValeurReglee->setValue(20);
    f.form.TimerPerturbationTimer();
    QVERIFY(!invisible(f.form.ImageEclair1));
    QVERIFY(invisible(f.form.ImageEclair2));
    f.form.TimerPerturbationTimer();
    QVERIFY(invisible(f.form.ImageEclair1));
    QVERIFY(!invisible(f.form.ImageEclair2));
    f.form.TimerCapteurTimer();
    QVERIFY(invisible(f.form.ImageCapteur));
    f.form.TimerCapteurTimer();
    QVERIFY(!invisible(f.form.ImageCapteur));
}

// A screen reader hears the sensor's deviation again when its class changes,
// and only then: the sensor ticks up to a thousand times a second.
void TestAccessibilite::sensorAnnouncesANewClassOnly()
{
    Fenetre f;
    QSignalSpy annonces(f.form.ImageCapteur, &ImageControl::stateInWordsChanged);
    f.form.ButtonMarche->click();
    f.form.TimerCapteurTimer();
    f.form.TimerCapteurTimer();
    QCOMPARE(annonces.size(), 0);
    f.form.ScrollBarValeurReglee->setValue(20);
    f.form.TimerCapteurTimer();
    f.form.TimerCapteurTimer();
    QCOMPARE(annonces.size(), 1);
    QCOMPARE(nomAccessible(f.form.ImageCapteur).section(QStringLiteral(" : "), 1),
             QStringLiteral("valeur réglée trop basse, écart de classe 3 sur 5"));
}

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
