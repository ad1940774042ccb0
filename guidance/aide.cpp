// SPDX-License-Identifier: GPL-3.0-or-later
// Placeholder until the help mode lands.
#include "app/tform1.h"

void TForm1::AfficheLeMemo(Memo *) {}
void TForm1::SpeedButtonAideClick() {}
void TForm1::ButtonAProposDeClick() {}
void TForm1::ButtonFermerAProposDeClick() {}
void TForm1::ButtonQuitterClick() {}
void TForm1::connectHoverHandlers() {}
void TForm1::ImageCapteurMouseMove() {}
void TForm1::LabelCapteurMouseMove() {}
void TForm1::ImageVoieSensitiveMouseMove() {}
void TForm1::LabelVoieSensitiveMouseMove() {}
void TForm1::ImageCentreIntegrateurMouseMove() {}
void TForm1::LabelCentreIntegrateurMouseMove() {}
void TForm1::ImageVoieStimulatriceMouseMove() {}
void TForm1::LabelVoieStimulatriceMouseMove() {}
void TForm1::ImageVoieInhibitriceMouseMove() {}
void TForm1::ImageEffecteurStimulateurMouseMove() {}
void TForm1::LabelEffecteurStimulateurMouseMove() {}
void TForm1::ImageEffecteurInhibiteurMouseMove() {}
void TForm1::LabelEffecteurInhibiteurMouseMove() {}
void TForm1::EditValeurRegleeMouseMove() {}
void TForm1::LabelValeurRegleeMouseMove() {}
void TForm1::EditValeurConsigneMouseMove() {}
void TForm1::LabelValeurConsigneMouseMove() {}
void TForm1::ButtonMarcheMouseMove() {}
void TForm1::SpeedButtonSonMouseMove() {}
void TForm1::ButtonAProposDeMouseMove() {}
void TForm1::ButtonQuitterMouseMove() {}
void TForm1::SpeedButtonEnregMouseMove() {}
void TForm1::SpeedButtonEnregSensitifMouseMove() {}
void TForm1::SpeedButtonEnregStimulateurMouseMove() {}
void TForm1::SpeedButtonEnregInhibiteurMouseMove() {}
void TForm1::FormMouseMove() {}
void TForm1::GroupBoxSystemeReglantMouseMove() {}
