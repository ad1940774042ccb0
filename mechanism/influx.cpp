// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/beeper.h"
#include "app/window_services/intervaltimer.h"
#include "app/window_services/markerlayer.h"
#include "mechanism/trajets.h"

#include <algorithm>

namespace {

const QColor noir(0, 0, 0);

// The route of the messages on the pathway an experiment cuts.
const trajets::Trajet &trajetCoupe(Experience coupure)
{
    return coupure == Experience::VoieSensitiveCoupee      ? trajets::trajetSensitif
           : coupure == Experience::VoieStimulatriceCoupee ? trajets::trajetStimulateur
                                                           : trajets::trajetInhibiteur;
}

} // namespace

// On the line the messages follow across the pathway, halfway along it: a
// route that moves takes its cut with it.
QPoint TForm1::pointDeCoupure(Experience coupure) const
{
    const ImageControl *voie = coupure == Experience::VoieSensitiveCoupee ? ImageVoieSensitive
                               : coupure == Experience::VoieStimulatriceCoupee
                                   ? ImageVoieStimulatrice
                                   : ImageVoieInhibitrice;
    return trajets::milieuTraversee(trajetCoupe(coupure), voie->geometry());
}

// A message that reaches a cut (or the place where a blocked hormone is no
// longer released) stops there and vanishes; its pathway's timer waits for
// the next one. True when it did.
bool TForm1::arreteALaCoupure(Experience coupure, std::unique_ptr<Marker> &influx,
                              IntervalTimer *minuterie)
{
    if (!influx || !m_situation.experiences().contient(coupure))
        return false;
    const trajets::Trajet &trajet = trajetCoupe(coupure);
    // The crossing leg: rightwards along the top for the sensory pathway,
    // leftwards along the bottom for the motor ones.
    bool &traverse = m_etat.*trajet.jambes[1].phase;
    const int sens = trajet.jambes[1].sens;
    const int milieu = influx->x() + influx->width() / 2;
    if (!traverse || sens * (milieu - pointDeCoupure(coupure).x()) < 0)
        return false;
    influx.reset();
    traverse = false;
    minuterie->setInterval(0);
    return true;
}

void TForm1::TimerVoieSensitiveTimer()
{
    if (arreteALaCoupure(Experience::VoieSensitiveCoupee, m_etat.InfluxSensitif,
                         TimerVoieSensitive))
        return;
    if (SpeedButtonSon->isChecked())
        m_beeper.beep();
    if (!trajets::avance(m_etat, trajets::trajetSensitif, m_etat.InfluxSensitif.get(),
                         ImageVoieSensitive->geometry(), m_etat.PasDeplacement))
        return;

    // Arrival at the integrating centre.
    m_etat.InfluxSensitif.reset();
    // A destroyed centre takes the message in and sends nothing on.
    if (m_situation.experiences().contient(Experience::CentreDetruit)) {
        TimerVoieSensitive->setInterval(0);
        return;
    }
    // One motor message at a time: this sensory message is dropped and the
    // sensory timer goes on ticking until the next one leaves the sensor.
    if (m_etat.InfluxMoteur)
        return;

    TimerVoieSensitive->setInterval(0);
    EnvoieMessageMoteur();
}

void TForm1::EnvoieMessageMoteur()
{
    // A silent sensory nerve reads as the lowest value: the centre
    // stimulates, whatever the value really is.
    const int ecart = m_situation.experiences().silenceLuCommeMinimum(m_situation.modeSensitif())
                          ? 1
                          : m_etat.Ecart;
    if (ecart == 0)
        return; // on the set point, nothing leaves the centre

    const bool stimule = ecart > 0;
    const trajets::Trajet &trajet =
        stimule ? trajets::trajetStimulateur : trajets::trajetInhibiteur;
    const ImageControl *voie = stimule ? ImageVoieStimulatrice : ImageVoieInhibitrice;
    m_etat.InfluxMoteur = trajets::nouvelInflux(m_calqueMessages, trajet, voie->geometry(), noir,
                                                QStringLiteral("Message moteur"));
    m_etat.InfluxMoteur->show();
    m_etat.*trajet.jambes[0].phase = true;
    TimerVoieStimulatrice->setInterval(stimule ? m_etat.IntervalleAnimation : 0);
    TimerVoieInhibitrice->setInterval(stimule ? 0 : m_etat.IntervalleAnimation);
}

void TForm1::TimerVoieStimulatriceTimer()
{
    if (arreteALaCoupure(Experience::VoieStimulatriceCoupee, m_etat.InfluxMoteur,
                         TimerVoieStimulatrice))
        return;
    if (trajets::avance(m_etat, trajets::trajetStimulateur, m_etat.InfluxMoteur.get(),
                        ImageVoieStimulatrice->geometry(), m_etat.PasDeplacement))
        ActionEffecteur(ImageEffecteurStimulateur, +1);
}

void TForm1::TimerVoieInhibitriceTimer()
{
    if (arreteALaCoupure(Experience::VoieInhibitriceCoupee, m_etat.InfluxMoteur,
                         TimerVoieInhibitrice))
        return;
    if (trajets::avance(m_etat, trajets::trajetInhibiteur, m_etat.InfluxMoteur.get(),
                        ImageVoieInhibitrice->geometry(), m_etat.PasDeplacement))
        ActionEffecteur(ImageEffecteurInhibiteur, -1);
}

// The motor message reaches its effector: the effector flashes off until the
// next sensor tick and moves the regulated value one step towards the set
// point. The motor timer keeps running with no leg to act on.
void TForm1::ActionEffecteur(ImageControl *effecteur, int sens)
{
    m_etat.InfluxMoteur.reset();
    // An insensitive effector receives the message and does nothing.
    if (m_situation.experiences().contient(effecteur == ImageEffecteurStimulateur
                                               ? Experience::EffecteurStimulateurInsensible
                                               : Experience::EffecteurInhibiteurInsensible))
        return;
    effecteur->setShown(false);
    // The value never leaves its bar's range, even when nothing corrects it
    // any more.
    m_etat.ValeurReglee =
        std::clamp(m_etat.ValeurReglee + sens * m_etat.PasEffecteur,
                   ScrollBarValeurReglee->minimum(), ScrollBarValeurReglee->maximum());
    if (ScrollBarValeurReglee->isEnabled())
        ScrollBarValeurReglee->setValue(m_etat.ValeurReglee);
    EditValeurReglee->setValue(m_etat.ValeurReglee);
}
