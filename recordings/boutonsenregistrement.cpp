// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/messageservice.h"
#include "recordings/voiesenregistrees.h"
#include "systems/modevoie.h"

#include <initializer_list>

namespace {

// A recording toggle shows or hides its strips; the first toggle to go down
// while the others are up starts a clean recording.
void basculeEnregistrement(TForm1 &form, GlyphButton *bouton,
                           std::initializer_list<QWidget *> bandes)
{
    if (!bouton->isChecked()) {
        for (QWidget *bande : bandes)
            bande->hide();
        return;
    }
    for (QWidget *bande : bandes)
        bande->show();
    int enfonces = 0;
    for (const GlyphButton *toggle :
         {form.SpeedButtonEnregSensitif, form.SpeedButtonEnregStimulateur,
          form.SpeedButtonEnregInhibiteur, form.SpeedButtonCourbe})
        enfonces += toggle->isChecked() ? 1 : 0;
    if (enfonces == 1)
        form.InitialiseEnregistrements();
}

} // namespace

void TForm1::SpeedButtonEnregSensitifClick()
{
    if (ModeVoie(ImageVoieSensitive->tag()) == ModeAbsent) {
        // Put back up before the notice: the mechanism keeps running behind
        // it, and a toggle left down would move the recording on meanwhile.
        SpeedButtonEnregSensitif->setChecked(false);
        messages().ask(this, MessageKind::Information,
                       QStringLiteral("Pas d'enregistrement si la sensibilité est directe"),
                       MessageButtons::Ok);
        return;
    }
    basculeEnregistrement(*this, SpeedButtonEnregSensitif, {EnregSensitif, EnregPerturbation});
}

void TForm1::SpeedButtonEnregStimulateurClick()
{
    basculeEnregistrement(*this, SpeedButtonEnregStimulateur, {EnregStimulateur});
}

void TForm1::SpeedButtonEnregInhibiteurClick()
{
    basculeEnregistrement(*this, SpeedButtonEnregInhibiteur, {EnregInhibiteur});
}

void TForm1::SpeedButtonCourbeClick()
{
    basculeEnregistrement(*this, SpeedButtonCourbe, {GroupBoxCourbe});
}

void TForm1::SpeedButtonEnregClick()
{
    if (SpeedButtonAide->isChecked()) {
        MemoAideEnreg->show();
        return;
    }
    if (!enregistrementEnCours(*this))
        return;
    SuspendreMecanisme();
    if (messages().ask(this, MessageKind::Information,
                       QStringLiteral("Effacer ces enregistrements ?"),
                       MessageButtons::OuiNon) == MessageAnswer::Oui)
        InitialiseEnregistrements();
    // Whatever the answer, the mechanism runs afterwards.
    ReprendreMecanisme();
}
