// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/fichiers.h"
#include "systems/registresystemes.h"

#include "app/deroules.h"
#include "app/editeursystemes.h"
#include "app/seances.h"
#include "app/window_services/accessibility.h"
#include "app/window_services/edgealignment.h"
#include "app/window_services/framepacer.h"
#include "app/window_services/intervaltimer.h"
#include "app/window_services/layoutfonts.h"
#include "app/window_services/markerlayer.h"
#include "guidance/descriptions.h"
#include "guidance/textesaide.h"

TForm1::TForm1(MessageService &messages, Beeper &beeper, QWidget *parent)
    : QWidget(parent), m_messages(messages), m_beeper(beeper),
      m_registre(new RegistreSystemes(this)),
      m_fichiers(std::make_unique<Fichiers>(*this, messages))
{
    loadWindowFontFamily();
    installAccessibleInterfaces();
    setupUi(this);
    applyLayoutFonts(this);
    remplitTextesAide(*this);
    decritAvecLesNotes(*this);
    setUpAccessibility();
    // The window opens with the focus on the first element of the keyboard
    // order, the instructions, whatever joined the order after it.
    MemoProtocole->setFocus();

    // The timers carry no stored interval: they are created running at one
    // second, and start-up stops them before any handler is connected.
    const auto makeTimer = [this](const char *name) {
        auto *timer = new IntervalTimer(this);
        timer->setObjectName(QString::fromLatin1(name));
        timer->setInterval(1000);
        return timer;
    };
    TimerCapteur = makeTimer("TimerCapteur");
    TimerPerturbation = makeTimer("TimerPerturbation");
    TimerVoieSensitive = makeTimer("TimerVoieSensitive");
    TimerVoieInhibitrice = makeTimer("TimerVoieInhibitrice");
    TimerVoieStimulatrice = makeTimer("TimerVoieStimulatrice");

    // Only the status bar and the two splitters follow the window's size.
    alignToEdge(StatusBar1, Edge::Bottom);
    alignToEdge(Splitter1, Edge::Left);
    alignToEdge(Splitter2, Edge::Left);
    auto *pacer = new FramePacer(this);

    FormCreate();
    m_situation.changeValeurs(ScrollBarValeurReglee->value(), ScrollBarValeurConsigne->value());
    m_situation.changeVitesse(TrackBarVitesse->value());

    // Connected only now, so that nothing of the stored state or of start-up
    // runs a handler.
    connectHandlers();
    connectHoverHandlers();
    setUpExport();
    setUpCourbe();
    setUpExperiences();
    m_editeurSystemes = new EditeurSystemes(*this, *m_registre, m_messages);
    m_seances = new Seances(*this, *m_registre, m_messages);
    // After the sensor's handlers: it counts the ticks they made.
    m_deroules = new Deroules(*this, m_messages);
    // A system picked from the list is no longer the lesson that was open.
    connect(this, &TForm1::systemeChoisi, m_seances, &Seances::oublie);
    setUpMenus();
    // Above every element of the scheme, as the messages were drawn when each
    // was a picture of its own.
    m_calqueMessages = new MarkerLayer(GroupBoxSystemeReglant);
    m_calqueMessages->followFrames(pacer);
}

TForm1::~TForm1() = default;

// Closing the window ends the program: the mechanism stops, and its timers stay
// silent even when a question that was open as the window closed is answered
// afterwards in a way that would start them again.
void TForm1::closeEvent(QCloseEvent *event)
{
    SuspendreMecanisme();
    for (IntervalTimer *timer : Minuteries())
        timer->blockSignals(true);
    QWidget::closeEvent(event);
}

void TForm1::connectHandlers()
{
    connect(ButtonMarche, &QPushButton::clicked, this, &TForm1::ButtonMarcheClick);
    connect(ScrollBarValeurReglee, &QScrollBar::valueChanged, this,
            &TForm1::ScrollBarValeurRegleeChange);
    connect(ScrollBarValeurConsigne, &QScrollBar::valueChanged, this,
            &TForm1::ScrollBarValeurConsigneChange);
    connect(EditValeurReglee, &QLineEdit::textChanged, this, &TForm1::EditValeurRegleeChange);
    connect(EditValeurConsigne, &QLineEdit::textChanged, this, &TForm1::EditValeurConsigneChange);
    connect(TrackBarVitesse, &QSlider::valueChanged, this, &TForm1::TrackBarVitesseChange);
    connect(ComboBoxSysteme, &SortedComboBox::userTextChanged, this,
            &TForm1::ComboBoxSystemeChange);

    connect(SpeedButtonAide, &GlyphButton::clicked, this, &TForm1::SpeedButtonAideClick);
    connect(SpeedButtonEnreg, &GlyphButton::clicked, this, &TForm1::SpeedButtonEnregClick);
    connect(SpeedButtonEnregSensitif, &GlyphButton::clicked, this,
            &TForm1::SpeedButtonEnregSensitifClick);
    connect(SpeedButtonEnregStimulateur, &GlyphButton::clicked, this,
            &TForm1::SpeedButtonEnregStimulateurClick);
    connect(SpeedButtonEnregInhibiteur, &GlyphButton::clicked, this,
            &TForm1::SpeedButtonEnregInhibiteurClick);
    connect(SpeedButtonCourbe, &GlyphButton::clicked, this, &TForm1::SpeedButtonCourbeClick);
    connect(ButtonAProposDe, &QPushButton::clicked, this, &TForm1::ButtonAProposDeClick);
    connect(ButtonFermerAProposDe, &QPushButton::clicked, this,
            &TForm1::ButtonFermerAProposDeClick);
    connect(ButtonQuitter, &QPushButton::clicked, this, &TForm1::ButtonQuitterClick);

    connect(TimerCapteur, &IntervalTimer::timeout, this, &TForm1::TimerCapteurTimer);
    connect(TimerCapteur, &IntervalTimer::timeout, this, [this] {
        if (m_instantsMenes)
            AvanceLesVoies();
    });
    connect(TimerPerturbation, &IntervalTimer::timeout, this, &TForm1::TimerPerturbationTimer);
    connect(TimerVoieSensitive, &IntervalTimer::timeout, this, &TForm1::TimerVoieSensitiveTimer);
    connect(TimerVoieStimulatrice, &IntervalTimer::timeout, this,
            &TForm1::TimerVoieStimulatriceTimer);
    connect(TimerVoieInhibitrice, &IntervalTimer::timeout, this,
            &TForm1::TimerVoieInhibitriceTimer);
}
