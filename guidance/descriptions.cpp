// SPDX-License-Identifier: GPL-3.0-or-later
#include "guidance/descriptions.h"

#include "app/tform1.h"
#include "app/window_services/memo.h"

namespace {

struct Description
{
    QWidget *element;
    Memo *note;
};

} // namespace

void decritAvecLesNotes(TForm1 &form)
{
    // The note each element shows when hovered in help mode, or, for a
    // control that shows one when used there, that note.
    const Description descriptions[] = {
        {form.ImageCapteur, form.MemoAideCapteur},
        {form.LabelCapteur, form.MemoAideCapteur},
        {form.ImageVoieSensitive, form.MemoAideVoieSensitive},
        {form.LabelVoieSensitive, form.MemoAideVoieSensitive},
        {form.ImageCentreIntegrateur, form.MemoAideCentreIntegrateur},
        {form.LabelCentreIntegrateur, form.MemoAideCentreIntegrateur},
        {form.ImageVoieStimulatrice, form.MemoAideVoieStimulatrice},
        {form.LabelVoieStimulatrice, form.MemoAideVoieStimulatrice},
        {form.ImageVoieInhibitrice, form.MemoAideVoieInhibitrice},
        {form.LabelVoieInhibitrice, form.MemoAideVoieInhibitrice},
        {form.ImageEffecteurStimulateur, form.MemoAideEffecteur},
        {form.LabelEffecteurStimulateur, form.MemoAideEffecteur},
        {form.ImageEffecteurInhibiteur, form.MemoAideEffecteur},
        {form.LabelEffecteurInhibiteur, form.MemoAideEffecteur},
        {form.EditValeurReglee, form.MemoAideValeurReglee},
        {form.LabelValeurReglee, form.MemoAideValeurReglee},
        {form.ScrollBarValeurReglee, form.MemoAideValeurReglee},
        {form.EditValeurConsigne, form.MemoAideStaticTextValeurConsigne},
        {form.LabelValeurConsigne, form.MemoAideStaticTextValeurConsigne},
        {form.ScrollBarValeurConsigne, form.MemoAideStaticTextValeurConsigne},
        {form.ImageEclair1, form.MemoAIdeLAbelPerturbation},
        {form.ImageEclair2, form.MemoAIdeLAbelPerturbation},
        {form.LabelPerturbation, form.MemoAIdeLAbelPerturbation},
        {form.ButtonMarche, form.MemoAideButtonMarche},
        {form.SpeedButtonSon, form.MemoAIdeSpeedButtonSOn},
        {form.SpeedButtonAide, form.MemoSpeedButtonAide},
        {form.TrackBarVitesse, form.MemoAideTrackBarVitesse},
        {form.ButtonAProposDe, form.MemoAideAProposDe},
        {form.ButtonQuitter, form.MemoAideButtonQuitter},
        {form.SpeedButtonEnreg, form.MemoAideEnreg},
        {form.SpeedButtonEnregSensitif, form.MemoAideEnregSensitif},
        {form.SpeedButtonEnregStimulateur, form.MemoAideEnregStimulateur},
        {form.SpeedButtonEnregInhibiteur, form.MemoAideEnregInhibiteur},
        {form.SpeedButtonCourbe, form.MemoAideCourbe},
        {form.EnregCourbe, form.MemoAideCourbe},
        {form.EnregSensitif, form.MemoAideExport},
        {form.EnregStimulateur, form.MemoAideExport},
        {form.EnregInhibiteur, form.MemoAideExport},
        {form.EnregPerturbation, form.MemoAideExport},
    };
    for (const Description &d : descriptions)
        d.element->setAccessibleDescription(d.note->toPlainText().simplified());
}
