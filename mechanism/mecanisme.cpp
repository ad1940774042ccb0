// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/intervaltimer.h"
#include "app/window_services/markerlayer.h"

namespace {

int intervalleVitesse(int position)
{
    return 1001 - 100 * position;
}
int pasVitesse(int position)
{
    return 5 * position + 5;
}
// While the instants are driven a message moves the middle speed's step,
// whatever the slider says: it sets only how often the instants come.
constexpr int pasInstantMene = 30;

} // namespace

bool TForm1::SystemeSansEffecteurInhibiteur() const
{
    return ComboBoxSysteme->currentText() == QStringLiteral("Intégrité de l'organisme");
}

// Both effectors back on, except the inhibiting one when the system has none
// (the integrity of the organism, or a teacher's without an inhibiting side).
// Showing a control already shown costs nothing.
void TForm1::showEffectors()
{
    ImageEffecteurStimulateur->setShown(true);
    ImageEffecteurStimulateur->show();
    if (!SystemeSansEffecteurInhibiteur() && !PanelEffecteurInhibiteur->isHidden()) {
        ImageEffecteurInhibiteur->setShown(true);
        ImageEffecteurInhibiteur->show();
    }
}

void TForm1::ReprendreMecanisme()
{
    ButtonMarche->setText(QStringLiteral("Arrêt"));
    m_etat.IntervalleAnimation = intervalleVitesse(TrackBarVitesse->value());
    // The pathway timers are started by the messages themselves.
    TimerCapteur->setInterval(m_etat.IntervalleAnimation);
    m_etat.MecanismeEnMarche = true;
}

void TForm1::SuspendreMecanisme()
{
    ButtonMarche->setText(QStringLiteral("Marche"));
    for (IntervalTimer *timer : Minuteries())
        timer->setInterval(0);
    ImageEclair1->setShown(false);
    ImageEclair2->setShown(false);
    LabelPerturbation->hide();
    // The sensor blinks and the effectors flash while running: a stopped
    // scheme shows them all.
    ImageCapteur->setShown(true);
    showEffectors();
    m_etat.MecanismeEnMarche = false;
    // The leg flags are left as they are: every new message sets its first
    // leg anew.
    m_etat.InfluxMoteur.reset();
    m_etat.InfluxSensitif.reset();
}

void TForm1::ButtonMarcheClick()
{
    if (SpeedButtonAide->isChecked())
        SpeedButtonAide->setChecked(false);
    if (ButtonMarche->text() == QStringLiteral("Arrêt"))
        SuspendreMecanisme();
    else
        ReprendreMecanisme();
    AfficheLeMemo(nullptr);
}

void TForm1::TimerPerturbationTimer()
{
    // The two lightning pictures take turns.
    const bool premier = ImageEclair1->isShown();
    ImageEclair1->setShown(!premier);
    ImageEclair2->setShown(premier);
}

void TForm1::TrackBarVitesseChange()
{
    m_situation.changeVitesse(TrackBarVitesse->value());
    if (SpeedButtonAide->isChecked()) {
        MemoAideTrackBarVitesse->show();
        return;
    }
    noteChangementDeVitesse();
    const int position = TrackBarVitesse->value();
    m_etat.PasDeplacement = m_instantsMenes ? pasInstantMene : pasVitesse(position);
    m_etat.IntervalleAnimation = intervalleVitesse(position);
    // Running timers take the new pace; stopped ones stay stopped.
    for (IntervalTimer *timer :
         {TimerVoieSensitive, TimerVoieStimulatrice, TimerVoieInhibitrice, TimerCapteur}) {
        if (timer->isRunning())
            timer->setInterval(m_etat.IntervalleAnimation);
    }
}

void TForm1::AvanceLesVoies()
{
    if (TimerVoieSensitive->isRunning())
        TimerVoieSensitiveTimer();
    if (TimerVoieStimulatrice->isRunning())
        TimerVoieStimulatriceTimer();
    if (TimerVoieInhibitrice->isRunning())
        TimerVoieInhibitriceTimer();
}

void TForm1::meneLesInstants(bool menes)
{
    m_instantsMenes = menes;
    for (IntervalTimer *timer : {TimerVoieSensitive, TimerVoieStimulatrice, TimerVoieInhibitrice})
        timer->setDriven(menes);
    m_etat.PasDeplacement = menes ? pasInstantMene : pasVitesse(TrackBarVitesse->value());
}

void TForm1::placeValeurs(int reglee, int consigne)
{
    {
        // Neither bar's handler may move the other value on the way.
        const QSignalBlocker a(ScrollBarValeurReglee);
        const QSignalBlocker b(ScrollBarValeurConsigne);
        const QSignalBlocker c(EditValeurReglee);
        const QSignalBlocker d(EditValeurConsigne);
        ScrollBarValeurReglee->setValue(reglee);
        ScrollBarValeurConsigne->setValue(consigne);
        EditValeurReglee->setValue(reglee);
        EditValeurConsigne->setValue(consigne);
    }
    m_situation.changeValeurs(ScrollBarValeurReglee->value(), ScrollBarValeurConsigne->value());
    EditValeurRegleeChange();
}

// A hormonal trace starts at mid-height of its strip.
void TForm1::placeTraces()
{
    const auto miHauteur = [](ModeVoie mode, ImageControl *enregistrement, int &cible, int &trace) {
        if (mode != ModeHormonal)
            return;
        cible = enregistrement->height() / 2;
        trace = cible;
    };
    const ConfigurationSysteme &systeme = m_situation.systeme();
    miHauteur(systeme.ModeVoieSensitive, EnregSensitif, m_etat.NiveauCibleSensitif,
              m_etat.NiveauTraceSensitif);
    miHauteur(systeme.ModeVoieStimulatrice, EnregStimulateur, m_etat.NiveauCibleStimulateur,
              m_etat.NiveauTraceStimulateur);
    miHauteur(systeme.ModeVoieInhibitrice, EnregInhibiteur, m_etat.NiveauCibleInhibiteur,
              m_etat.NiveauTraceInhibiteur);
}
