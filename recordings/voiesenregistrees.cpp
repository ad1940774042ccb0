// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/voiesenregistrees.h"

#include "app/tform1.h"
#include "lessons/motsexperiences.h"

ModeVoie VoieEnregistree::mode() const
{
    return ModeVoie(imageVoie->tag());
}

std::array<VoieEnregistree, 3> voiesEnregistrees(TForm1 &form)
{
    EtatMecanisme &etat = form.etat();
    // The sensory baseline runs one column ahead of the drawing position.
    return {{
        {form.EnregSensitif, form.ImageVoieSensitive, QColor(0, 255, 255),
         QStringLiteral("Voie Sensitive"), 2, etat.PeriodeSensitive, etat.NiveauCibleSensitif,
         etat.NiveauTraceSensitif, &ClasseEcartLigne::NiveauSensitif},
        {form.EnregStimulateur, form.ImageVoieStimulatrice, QColor(0, 255, 0),
         QStringLiteral("Voie Stimulatrice"), 1, etat.PeriodeStimulatrice,
         etat.NiveauCibleStimulateur, etat.NiveauTraceStimulateur,
         &ClasseEcartLigne::NiveauStimulateur},
        {form.EnregInhibiteur, form.ImageVoieInhibitrice, QColor(255, 0, 0),
         QStringLiteral("Voie Inhibitrice"), 1, etat.PeriodeInhibitrice, etat.NiveauCibleInhibiteur,
         etat.NiveauTraceInhibiteur, &ClasseEcartLigne::NiveauInhibiteur},
    }};
}

std::array<QString, 3> nomsDesVoies(const SituationCourante &situation)
{
    // A pathway's name is the one its section gives it.
    return {nomElement(situation, Experience::VoieSensitiveCoupee),
            nomElement(situation, Experience::VoieStimulatriceCoupee),
            nomElement(situation, Experience::VoieInhibitriceCoupee)};
}

bool enregistrementEnCours(const TForm1 &form)
{
    return form.SpeedButtonEnregSensitif->isChecked() ||
           form.SpeedButtonEnregStimulateur->isChecked() ||
           form.SpeedButtonEnregInhibiteur->isChecked() || form.SpeedButtonCourbe->isChecked();
}
