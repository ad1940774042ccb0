// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the stored layout: every element's kind, parent, place and size,
// their stacking and keyboard order, texts that fit their stored boxes, the
// panels' frames, independent toggles, read-only edits, and only the frame
// following the window's size.
#include "app/tform1.h"
#include "app/window_services/layoutfonts.h"
#include "app/window_services/panel.h"
#include "countingbeeper.h"
#include "scriptedmessages.h"

#include <QAbstractItemView>
#include <QTest>

namespace {

// The 84 elements of the window as the layout stores them: creation order,
// name, kind, parent, geometry (left, top, width, height) and keyboard order
// within the parent (-1 where the kind takes none).
struct ElementStocke
{
    int numero;
    const char *nom;
    const char *genre;
    const char *parent;
    int x, y, largeur, hauteur;
    int tab;
};

const ElementStocke elementsStockes[] = {
    {1, "SpeedButtonSon", "glyph button", "Form1", 297, 15, 25, 25, -1},
    {2, "Splitter2", "splitter", "Form1", 3, 0, 3, 434, -1},
    {3, "Splitter1", "splitter", "Form1", 0, 0, 3, 434, -1},
    {4, "LabelSon", "label", "Form1", 296, 1, 23, 13, -1},
    {5, "LabelVitesse", "label", "Form1", 379, 1, 42, 13, -1},
    {6, "LabelAide", "label", "Form1", 205, 0, 26, 13, -1},
    {7, "LabelUnites", "label", "Form1", 75, 191, 30, 13, -1},
    {8, "SpeedButtonAide", "glyph button", "Form1", 206, 16, 25, 26, -1},
    {9, "ImageEclair2", "image", "Form1", 195, 100, 32, 20, -1},
    {10, "ImageEclair1", "image", "Form1", 194, 100, 32, 40, -1},
    {11, "LabelPerturbation", "label", "Form1", 130, 125, 70, 13, -1},
    {12, "SpeedButtonEnreg", "glyph button", "Form1", 27, 235, 25, 28, -1},
    {13, "GroupBox1", "group box", "Form1", 15, 279, 568, 155, 30},
    {14, "EnregSensitif", "image", "GroupBox1", 7, 13, 550, 40, -1},
    {15, "EnregStimulateur", "image", "GroupBox1", 7, 56, 550, 40, -1},
    {16, "EnregInhibiteur", "image", "GroupBox1", 7, 98, 550, 40, -1},
    {17, "EnregPerturbation", "image", "GroupBox1", 7, 139, 550, 10, -1},
    {18, "MemoProtocole", "memo", "Form1", 9, 38, 193, 87, 0},
    {19, "GroupBoxSystemeReglant", "group box", "Form1", 226, 43, 359, 222, 1},
    {20, "ImageCentreIntegrateur", "image", "GroupBoxSystemeReglant", 271, 63, 82, 82, -1},
    {21, "ImageVoieInhibitrice", "image", "GroupBoxSystemeReglant", 22, 138, 302, 75, -1},
    {22, "ImageCapteur", "image", "GroupBoxSystemeReglant", 15, 80, 47, 19, -1},
    {23, "ImageVoieStimulatrice", "image", "GroupBoxSystemeReglant", 59, 141, 251, 43, -1},
    {24, "ImageEffecteurInhibiteur", "image", "GroupBoxSystemeReglant", 9, 123, 30, 30, -1},
    {25, "ImageEffecteurStimulateur", "image", "GroupBoxSystemeReglant", 46, 122, 30, 30, -1},
    {26, "ImageVoieSensitive", "image", "GroupBoxSystemeReglant", 26, 32, 300, 50, -1},
    {27, "SpeedButtonEnregSensitif", "glyph button", "GroupBoxSystemeReglant", 120, 20, 20, 17, -1},
    {28, "SpeedButtonEnregStimulateur", "glyph button", "GroupBoxSystemeReglant", 159, 159, 20, 17,
     -1},
    {29, "SpeedButtonEnregInhibiteur", "glyph button", "GroupBoxSystemeReglant", 161, 186, 20, 17,
     -1},
    {30, "PanelCapteur", "panel", "GroupBoxSystemeReglant", 70, 78, 43, 20, 0},
    {31, "LabelCapteur", "label", "PanelCapteur", 1, 1, 37, 13, -1},
    {32, "PanelVoieSensitive", "panel", "GroupBoxSystemeReglant", 144, 22, 68, 16, 1},
    {33, "LabelVoieSensitive", "label", "PanelVoieSensitive", 1, 2, 65, 13, -1},
    {34, "PanelCentreIntegrateur", "panel", "GroupBoxSystemeReglant", 181, 101, 88, 17, 2},
    {35, "LabelCentreIntegrateur", "label", "PanelCentreIntegrateur", 2, 2, 84, 13, -1},
    {36, "PanelVoieStimulatrice", "panel", "GroupBoxSystemeReglant", 181, 160, 117, 15, 3},
    {37, "LabelVoieStimulatrice", "label", "PanelVoieStimulatrice", 2, 2, 113, 13, -1},
    {38, "PanelVoieInhibitrice", "panel", "GroupBoxSystemeReglant", 183, 186, 110, 16, 4},
    {39, "LabelVoieInhibitrice", "label", "PanelVoieInhibitrice", 3, 1, 105, 13, -1},
    {40, "PanelEffecteurStimulateur", "panel", "GroupBoxSystemeReglant", 44, 158, 98, 17, 5},
    {41, "LabelEffecteurStimulateur", "label", "PanelEffecteurStimulateur", 2, 2, 96, 13, -1},
    {42, "EditValeurReglee", "edit", "Form1", 183, 144, 32, 21, 2},
    {43, "EditValeurConsigne", "edit", "Form1", 184, 166, 32, 21, 3},
    {44, "ButtonMarche", "button", "Form1", 233, 15, 60, 25, 4},
    {45, "ComboBoxSysteme", "drop-down list", "Form1", 9, 16, 195, 21, 5},
    {46, "TrackBarVitesse", "track bar", "Form1", 326, 13, 152, 30, 6},
    {47, "PanelValeurConsigne", "panel", "Form1", 9, 167, 58, 39, 7},
    {48, "LabelValeurConsigne", "label", "PanelValeurConsigne", 3, 3, 48, 29, -1},
    {49, "ScrollBarValeurReglee", "scroll bar", "Form1", 71, 145, 110, 16, 8},
    {50, "ScrollBarValeurConsigne", "scroll bar", "Form1", 71, 167, 110, 16, 9},
    {51, "PanelValeurReglee", "panel", "Form1", 214, 145, 67, 18, 10},
    {52, "LabelValeurReglee", "label", "PanelValeurReglee", 2, 2, 62, 13, -1},
    {53, "MemoAideCapteur", "memo", "Form1", 312, 101, 287, 46, 11},
    {54, "MemoSpeedButtonAide", "memo", "Form1", 61, 41, 308, 49, 12},
    {55, "MemoAideValeurReglee", "memo", "Form1", 119, 221, 259, 63, 13},
    {56, "MemoAideVoieStimulatrice", "memo", "Form1", 221, 268, 364, 37, 14},
    {57, "MemoAideCentreIntegrateur", "memo", "Form1", 258, 126, 321, 39, 15},
    {58, "MemoAideButtonMarche", "memo", "Form1", 26, 53, 242, 29, 16},
    {59, "MemoAideVoieInhibitrice", "memo", "Form1", 225, 254, 347, 38, 17},
    {60, "MemoAideVoieSensitive", "memo", "Form1", 236, 132, 344, 34, 18},
    {61, "MemoAideTrackBarVitesse", "memo", "Form1", 349, 81, 169, 37, 19},
    {62, "MemoAIdeSpeedButtonSOn", "memo", "Form1", 166, 75, 266, 39, 20},
    {63, "ButtonAProposDe", "button", "Form1", 477, 14, 69, 24, 21},
    {64, "MemoAIdeLAbelPerturbation", "memo", "Form1", 94, 129, 177, 62, 22},
    {65, "PanelEffecteurInhibiteur", "panel", "Form1", 168, 201, 92, 16, 23},
    {66, "LabelEffecteurInhibiteur", "label", "PanelEffecteurInhibiteur", 2, 1, 88, 13, -1},
    {67, "MemoAideAProposDe", "memo", "Form1", 394, 43, 136, 51, 24},
    {68, "MemoAideStaticTextValeurConsigne", "memo", "Form1", 9, 208, 361, 54, 25},
    {69, "MemoAideEffecteur", "memo", "Form1", 49, 237, 207, 52, 26},
    {70, "MemoAideEnregSensitif", "memo", "Form1", 87, 65, 228, 23, 27},
    {71, "MemoAideEnregStimulateur", "memo", "Form1", 139, 215, 246, 24, 28},
    {72, "MemoAideEnregInhibiteur", "memo", "Form1", 139, 226, 244, 24, 29},
    {73, "ButtonQuitter", "button", "Form1", 548, 14, 37, 24, 31},
    {74, "MemoAideButtonQuitter", "memo", "Form1", 378, 57, 206, 28, 32},
    {75, "MemoAideEnreg", "memo", "Form1", 70, 235, 208, 26, 33},
    {76, "StatusBar1", "status bar", "Form1", 0, 434, 624, 19, -1},
    {77, "PanelAProposDe", "panel", "Form1", 180, 69, 297, 196, 35},
    {78, "ButtonFermerAProposDe", "button", "PanelAProposDe", 200, 160, 75, 25, 0},
    {79, "MemoAProposDe", "memo", "PanelAProposDe", 27, 29, 246, 112, 1},
    {80, "TimerCapteur", "timer", "Form1", 0, 0, 0, 0, -1},
    {81, "TimerPerturbation", "timer", "Form1", 0, 0, 0, 0, -1},
    {82, "TimerVoieSensitive", "timer", "Form1", 0, 0, 0, 0, -1},
    {83, "TimerVoieInhibitrice", "timer", "Form1", 0, 0, 0, 0, -1},
    {84, "TimerVoieStimulatrice", "timer", "Form1", 0, 0, 0, 0, -1},
};

// The class that builds each kind of element.
const char *classeDuGenre(const QString &genre)
{
    static const QHash<QString, const char *> classes{
        {"label", "AutoSizeLabel"},
        {"panel", "Panel"},
        {"group box", "QGroupBox"},
        {"image", "ImageControl"},
        {"glyph button", "GlyphButton"},
        {"button", "QPushButton"},
        {"edit", "QLineEdit"},
        {"memo", "Memo"},
        {"scroll bar", "ScrollBar"},
        {"track bar", "QSlider"},
        {"drop-down list", "SortedComboBox"},
        {"status bar", "QStatusBar"},
        {"splitter", "QFrame"},
        {"timer", "IntervalTimer"},
    };
    return classes.value(genre);
}

// The windowed kinds lie above the others of the same parent.
bool fenetre(const ElementStocke &e)
{
    return e.tab >= 0 || QByteArray(e.genre) == "status bar";
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void storedElement_data();
    void storedElement();
    void stackingAndKeyboardOrder();
    void panelFrames_data();
    void panelFrames();
    void listRowsAreThirteenPixels();
    void setPointLabelFillsItsPanel();
    void labelsFitTheirStoredWidth_data();
    void labelsFitTheirStoredWidth();
    void notesAndPanelCoverTheScheme_data();
    void notesAndPanelCoverTheScheme();
    void togglesAreIndependent();
    void resetButtonSpringsBack();
    void editsRefuseTyping();
    void onlyTheFrameFollowsTheWindow();
};

void TestLayout::storedElement_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("genre");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometrie");
    for (const ElementStocke &e : elementsStockes)
        QTest::addRow("%d %s", e.numero, e.nom)
            << QString::fromLatin1(e.nom) << QString::fromLatin1(e.genre)
            << QString::fromLatin1(e.parent) << QRect(e.x, e.y, e.largeur, e.hauteur);
}

void TestLayout::storedElement()
{
    QFETCH(QString, nom);
    QFETCH(QString, genre);
    QFETCH(QString, parent);
    QFETCH(QRect, geometrie);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);

    QObject *element = form.findChild<QObject *>(nom);
    QVERIFY(element);
    QVERIFY2(element->inherits(classeDuGenre(genre)), element->metaObject()->className());
    QCOMPARE(element->parent()->objectName(), parent);
    auto *widget = qobject_cast<QWidget *>(element);
    if (!widget)
        return;
    // The children of a panel with a single border stand in its client area,
    // inside its two-pixel sunken edge.
    QPoint origine;
    if (auto *panneau = qobject_cast<Panel *>(widget->parentWidget()))
        origine = panneau->singleBorder() ? QPoint(2, 2) : QPoint();
    // The status bar, aligned to the bottom edge, spans the window's width.
    if (widget == form.StatusBar1)
        geometrie.setWidth(form.width());
    QCOMPARE(widget->geometry().translated(-origine), geometrie);
}

// Among the elements of one parent a later one lies above an earlier one, and
// the windowed kinds above the others; Tab visits the elements of one parent
// that take the focus in their stored order.
void TestLayout::stackingAndKeyboardOrder()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    QHash<QString, const ElementStocke *> stockes;
    for (const ElementStocke &e : elementsStockes)
        stockes.insert(QString::fromLatin1(e.nom), &e);

    QList<QWidget *> parents{&form};
    parents << form.findChildren<QWidget *>();
    for (QWidget *parent : parents) {
        QList<const ElementStocke *> empilement;
        for (QObject *enfant : parent->children()) {
            if (enfant->isWidgetType() && stockes.contains(enfant->objectName()))
                empilement << stockes.value(enfant->objectName());
        }
        QList<const ElementStocke *> attendu = empilement;
        std::stable_sort(attendu.begin(), attendu.end(), [](auto *a, auto *b) {
            return std::pair(fenetre(*a), a->numero) < std::pair(fenetre(*b), b->numero);
        });
        QCOMPARE(empilement, attendu);
    }

    QHash<QWidget *, QList<int>> ordreParParent;
    for (QWidget *w = form.nextInFocusChain(); w != &form; w = w->nextInFocusChain()) {
        const ElementStocke *e = stockes.value(w->objectName());
        if (e && e->tab >= 0 && (w->focusPolicy() & Qt::TabFocus))
            ordreParParent[w->parentWidget()] << e->tab;
    }
    QVERIFY(!ordreParParent.isEmpty());
    for (const QList<int> &ordre : std::as_const(ordreParParent))
        QVERIFY2(std::is_sorted(ordre.begin(), ordre.end()),
                 qPrintable(QString::number(ordre.first())));
}

// The lines of a panel's frame from the outside in, on its top and left sides
// and on its bottom and right sides: the two of a single border's sunken
// edge, then the light and shadow of a raised or lowered bevel, then the
// border in the panel's colour.
void TestLayout::panelFrames_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QStringList>("hautGauche");
    QTest::addColumn<QStringList>("basDroite");

    QTest::addRow("set point: single border, raised, border width 2")
        << "PanelValeurConsigne" << QStringList{"Dark", "Shadow", "Light", "Window", "Window"}
        << QStringList{"Light", "Midlight", "Dark", "Window", "Window"};
    QTest::addRow("sensor: single border, lowered")
        << "PanelCapteur" << QStringList{"Dark", "Shadow", "Dark"}
        << QStringList{"Light", "Midlight", "Light"};
    QTest::addRow("sensory pathway: lowered")
        << "PanelVoieSensitive" << QStringList{"Dark", "Window"} << QStringList{"Light", "Window"};
    QTest::addRow("About: raised")
        << "PanelAProposDe" << QStringList{"Light", "Window"} << QStringList{"Dark", "Window"};
}

void TestLayout::panelFrames()
{
    QFETCH(QString, nom);
    QFETCH(QStringList, hautGauche);
    QFETCH(QStringList, basDroite);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    auto *panneau = form.findChild<QWidget *>(nom);
    QVERIFY(panneau);
    const QPalette &p = panneau->palette();
    const QHash<QString, QRgb> couleurs{{"Light", p.color(QPalette::Light).rgb()},
                                        {"Dark", p.color(QPalette::Dark).rgb()},
                                        {"Shadow", p.color(QPalette::Shadow).rgb()},
                                        {"Midlight", p.color(QPalette::Midlight).rgb()},
                                        {"Window", p.color(QPalette::Window).rgb()}};
    QVERIFY(couleurs["Light"] != couleurs["Dark"] && couleurs["Window"] != couleurs["Dark"]);
    // Read beside the children, which cover the middle of the panel.
    for (QWidget *enfant : panneau->findChildren<QWidget *>())
        enfant->hide();
    const QImage image = panneau->grab().toImage();
    const int w = image.width() - 1, h = image.height() - 1;
    for (int i = 0; i < hautGauche.size(); ++i) {
        const QRgb tl = couleurs[hautGauche[i]], br = couleurs[basDroite[i]];
        QCOMPARE(QColor(image.pixel(i, h / 2)), QColor(tl));
        QCOMPARE(QColor(image.pixel(w / 2, i)), QColor(tl));
        QCOMPARE(QColor(image.pixel(w - i, h / 2 + 1)), QColor(br));
        QCOMPARE(QColor(image.pixel(w / 2 + 1, h - i)), QColor(br));
    }
}

// Inside the sunken edge, the raised bevel and the border two pixels wide.
void TestLayout::setPointLabelFillsItsPanel()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    QCOMPARE(form.PanelValeurConsigne->innerRect(), QRect(5, 5, 48, 29));
    QCOMPARE(form.LabelValeurConsigne->geometry(), form.PanelValeurConsigne->innerRect());
}

void TestLayout::listRowsAreThirteenPixels()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Whatever the face and its size, the rows of the open list keep their
    // stored height.
    QFont grande(QStringLiteral("FreeSans"));
    grande.setPixelSize(24);
    form.ComboBoxSysteme->setFont(grande);
    form.ComboBoxSysteme->showPopup();
    QAbstractItemView *liste = form.ComboBoxSysteme->view();
    QTRY_VERIFY(liste->isVisible());
    QCOMPARE(form.ComboBoxSysteme->count(), 6);
    for (int ligne = 0; ligne < form.ComboBoxSysteme->count(); ++ligne) {
        const QRect rangee = liste->visualRect(liste->model()->index(ligne, 0));
        QCOMPARE(rangee.height(), 13);
        QCOMPARE(rangee.top(), liste->visualRect(liste->model()->index(0, 0)).top() + 13 * ligne);
    }
    form.ComboBoxSysteme->hidePopup();
}

void TestLayout::labelsFitTheirStoredWidth_data()
{
    QTest::addColumn<QString>("nom");
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    for (QLabel *label : form.findChildren<QLabel *>()) {
        if (!label->objectName().startsWith(QLatin1String("Label")))
            continue;
        QTest::newRow(qPrintable(label->objectName())) << label->objectName();
    }
}

void TestLayout::labelsFitTheirStoredWidth()
{
    QFETCH(QString, nom);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    auto *label = form.findChild<QLabel *>(nom);
    QVERIFY(label);
    label->ensurePolished();
    const QFontMetrics metrics(label->font());
    // The window's face, or the outline face that carries its bold texts.
    const QString famille = QFontInfo(label->font()).family();
    QVERIFY2(famille == loadWindowFontFamily() || famille == QLatin1String("FreeSans"),
             qPrintable(famille));
    if (label->wordWrap()) {
        const QRect texte = metrics.boundingRect(QRect(0, 0, label->width(), 1000),
                                                 Qt::TextWordWrap, label->text());
        QVERIFY2(texte.height() <= label->height(), qPrintable(QString::number(texte.height())));
    } else {
        const int largeur = metrics.horizontalAdvance(label->text());
        QVERIFY2(largeur <= label->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(largeur).arg(label->width())));
    }
}

void TestLayout::notesAndPanelCoverTheScheme_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QPoint>("point"); // in the window, inside the note and the scheme
    QTest::addRow("sensor note") << "MemoAideCapteur" << QPoint(330, 130);
    QTest::addRow("inhibiting note") << "MemoAideVoieInhibitrice" << QPoint(300, 260);
    QTest::addRow("centre note") << "MemoAideCentreIntegrateur" << QPoint(400, 140);
    QTest::addRow("About panel") << "PanelAProposDe" << QPoint(300, 100);
}

void TestLayout::notesAndPanelCoverTheScheme()
{
    QFETCH(QString, nom);
    QFETCH(QPoint, point);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    auto *dessus = form.findChild<QWidget *>(nom);
    QVERIFY(dessus);
    QVERIFY(form.GroupBoxSystemeReglant->geometry().contains(point));
    dessus->show();
    QWidget *touche = form.childAt(point);
    QVERIFY(touche);
    QVERIFY2(touche == dessus || dessus->isAncestorOf(touche), qPrintable(touche->objectName()));
}

void TestLayout::togglesAreIndependent()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    // Same group number, different parents: never release each other.
    form.SpeedButtonAide->click();
    form.SpeedButtonEnregStimulateur->click();
    QVERIFY(form.SpeedButtonAide->isChecked());
    QVERIFY(form.SpeedButtonEnregStimulateur->isChecked());
    form.SpeedButtonSon->click();
    QVERIFY(form.SpeedButtonSon->isChecked());
    QVERIFY(form.SpeedButtonAide->isChecked());
    // A second click releases each.
    form.SpeedButtonSon->click();
    form.SpeedButtonEnregStimulateur->click();
    QVERIFY(!form.SpeedButtonSon->isChecked());
    QVERIFY(!form.SpeedButtonEnregStimulateur->isChecked());
    QVERIFY(form.SpeedButtonAide->isChecked());
}

void TestLayout::resetButtonSpringsBack()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.SpeedButtonEnreg->click();
    QVERIFY(!form.SpeedButtonEnreg->isChecked());
    QVERIFY(!form.SpeedButtonEnreg->isCheckable());
}

void TestLayout::editsRefuseTyping()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    for (QLineEdit *edit : {form.EditValeurReglee, form.EditValeurConsigne}) {
        QTest::keyClicks(edit, QStringLiteral("7x"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("50"));
    }
    QCOMPARE(form.etat().ValeurReglee, 0); // no handler ran
}

void TestLayout::onlyTheFrameFollowsTheWindow()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    QList<QPair<QWidget *, QRect>> avant;
    for (QWidget *widget : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        avant << qMakePair(widget, widget->geometry());

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.resize(1100, 800);
    QTRY_COMPARE(form.height(), 800);
    QCOMPARE(form.StatusBar1->geometry(), QRect(0, 800 - 19, 1100, 19));
    QCOMPARE(form.Splitter1->geometry(), QRect(0, 0, 3, 800 - 19));
    QCOMPARE(form.Splitter2->geometry(), QRect(3, 0, 3, 800 - 19));
    for (const auto &[widget, geometrie] : avant) {
        if (widget == form.StatusBar1 || widget == form.Splitter1 || widget == form.Splitter2)
            continue;
        QCOMPARE(widget->geometry(), geometrie);
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
