// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/memo.h"
#include "app/window_services/mousemoverelay.h"

#include <functional>

namespace {

// In help mode, the note of the element under the pointer replaces the others
// once; while it stays visible the pointer moves over its elements freely.
void survole(TForm1 &form, Memo *memo)
{
    if (!form.SpeedButtonAide->isChecked() || !memo->isHidden())
        return;
    form.AfficheLeMemo(memo);
}

} // namespace

void TForm1::ImageCapteurMouseMove()
{
    survole(*this, MemoAideCapteur);
}
void TForm1::LabelCapteurMouseMove()
{
    survole(*this, MemoAideCapteur);
}
void TForm1::ImageVoieSensitiveMouseMove()
{
    survole(*this, MemoAideVoieSensitive);
}
void TForm1::LabelVoieSensitiveMouseMove()
{
    survole(*this, MemoAideVoieSensitive);
}
void TForm1::ImageCentreIntegrateurMouseMove()
{
    survole(*this, MemoAideCentreIntegrateur);
}
void TForm1::LabelCentreIntegrateurMouseMove()
{
    survole(*this, MemoAideCentreIntegrateur);
}
void TForm1::ImageVoieStimulatriceMouseMove()
{
    survole(*this, MemoAideVoieStimulatrice);
}
void TForm1::LabelVoieStimulatriceMouseMove()
{
    survole(*this, MemoAideVoieStimulatrice);
}
void TForm1::ImageVoieInhibitriceMouseMove()
{
    survole(*this, MemoAideVoieInhibitrice);
}
void TForm1::ImageEffecteurStimulateurMouseMove()
{
    survole(*this, MemoAideEffecteur);
}
void TForm1::LabelEffecteurStimulateurMouseMove()
{
    survole(*this, MemoAideEffecteur);
}
void TForm1::ImageEffecteurInhibiteurMouseMove()
{
    survole(*this, MemoAideEffecteur);
}
void TForm1::LabelEffecteurInhibiteurMouseMove()
{
    survole(*this, MemoAideEffecteur);
}
void TForm1::EditValeurRegleeMouseMove()
{
    survole(*this, MemoAideValeurReglee);
}
void TForm1::LabelValeurRegleeMouseMove()
{
    survole(*this, MemoAideValeurReglee);
}
void TForm1::EditValeurConsigneMouseMove()
{
    survole(*this, MemoAideStaticTextValeurConsigne);
}
void TForm1::LabelValeurConsigneMouseMove()
{
    survole(*this, MemoAideStaticTextValeurConsigne);
}
void TForm1::ButtonMarcheMouseMove()
{
    survole(*this, MemoAideButtonMarche);
}
void TForm1::SpeedButtonSonMouseMove()
{
    survole(*this, MemoAIdeSpeedButtonSOn);
}
void TForm1::ButtonAProposDeMouseMove()
{
    survole(*this, MemoAideAProposDe);
}
void TForm1::ButtonQuitterMouseMove()
{
    survole(*this, MemoAideButtonQuitter);
}
void TForm1::SpeedButtonEnregMouseMove()
{
    survole(*this, MemoAideEnreg);
}
void TForm1::SpeedButtonEnregSensitifMouseMove()
{
    survole(*this, MemoAideEnregSensitif);
}
void TForm1::SpeedButtonEnregStimulateurMouseMove()
{
    survole(*this, MemoAideEnregStimulateur);
}
void TForm1::SpeedButtonEnregInhibiteurMouseMove()
{
    survole(*this, MemoAideEnregInhibiteur);
}
// The curve's toggle and the curve itself share one note.
void TForm1::SpeedButtonCourbeMouseMove()
{
    survole(*this, MemoAideCourbe);
}

// The strips name what can be done with them.
void TForm1::EnregistrementsMouseMove()
{
    survole(*this, MemoAideExport);
}

// Bare area of the window or of the scheme: every note goes.
void TForm1::FormMouseMove()
{
    if (SpeedButtonAide->isChecked())
        AfficheLeMemo(nullptr);
}

void TForm1::GroupBoxSystemeReglantMouseMove()
{
    if (SpeedButtonAide->isChecked())
        AfficheLeMemo(nullptr);
}

// Only the elements below have a hover handler; a move over any other element
// (LabelVoieInhibitrice, LabelPerturbation, the panels, the list, the bars,
// the notes...) changes nothing.
void TForm1::connectHoverHandlers()
{
    using Area = MouseMoveRelay::Area;
    const auto relaie = [this](QWidget *element, void (TForm1::*handler)(),
                               Area area = Area::Whole) {
        new MouseMoveRelay(element, std::bind_front(handler, this), area);
    };
    relaie(ImageCapteur, &TForm1::ImageCapteurMouseMove);
    relaie(LabelCapteur, &TForm1::LabelCapteurMouseMove);
    relaie(ImageVoieSensitive, &TForm1::ImageVoieSensitiveMouseMove);
    relaie(LabelVoieSensitive, &TForm1::LabelVoieSensitiveMouseMove);
    relaie(ImageCentreIntegrateur, &TForm1::ImageCentreIntegrateurMouseMove);
    relaie(LabelCentreIntegrateur, &TForm1::LabelCentreIntegrateurMouseMove);
    relaie(ImageVoieStimulatrice, &TForm1::ImageVoieStimulatriceMouseMove);
    relaie(LabelVoieStimulatrice, &TForm1::LabelVoieStimulatriceMouseMove);
    relaie(ImageVoieInhibitrice, &TForm1::ImageVoieInhibitriceMouseMove);
    relaie(ImageEffecteurStimulateur, &TForm1::ImageEffecteurStimulateurMouseMove);
    relaie(LabelEffecteurStimulateur, &TForm1::LabelEffecteurStimulateurMouseMove);
    relaie(ImageEffecteurInhibiteur, &TForm1::ImageEffecteurInhibiteurMouseMove);
    relaie(LabelEffecteurInhibiteur, &TForm1::LabelEffecteurInhibiteurMouseMove);
    relaie(EditValeurReglee, &TForm1::EditValeurRegleeMouseMove);
    relaie(LabelValeurReglee, &TForm1::LabelValeurRegleeMouseMove);
    relaie(EditValeurConsigne, &TForm1::EditValeurConsigneMouseMove);
    relaie(LabelValeurConsigne, &TForm1::LabelValeurConsigneMouseMove);
    relaie(ButtonMarche, &TForm1::ButtonMarcheMouseMove);
    relaie(SpeedButtonSon, &TForm1::SpeedButtonSonMouseMove);
    relaie(ButtonAProposDe, &TForm1::ButtonAProposDeMouseMove);
    relaie(ButtonQuitter, &TForm1::ButtonQuitterMouseMove);
    relaie(SpeedButtonEnreg, &TForm1::SpeedButtonEnregMouseMove);
    relaie(SpeedButtonEnregSensitif, &TForm1::SpeedButtonEnregSensitifMouseMove);
    relaie(SpeedButtonEnregStimulateur, &TForm1::SpeedButtonEnregStimulateurMouseMove);
    relaie(SpeedButtonEnregInhibiteur, &TForm1::SpeedButtonEnregInhibiteurMouseMove);
    relaie(SpeedButtonCourbe, &TForm1::SpeedButtonCourbeMouseMove);
    relaie(EnregCourbe, &TForm1::SpeedButtonCourbeMouseMove);
    for (QWidget *bande : {EnregSensitif, EnregStimulateur, EnregInhibiteur, EnregPerturbation})
        relaie(bande, &TForm1::EnregistrementsMouseMove);
    relaie(this, &TForm1::FormMouseMove, Area::Bare);
    relaie(GroupBoxSystemeReglant, &TForm1::GroupBoxSystemeReglantMouseMove, Area::Bare);
}
