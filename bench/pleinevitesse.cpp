// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/pleinevitesse.h"

#include "app/tform1.h"

void lanceAPleineVitesse(TForm1 &form, const QString &systeme)
{
    SortedComboBox *liste = form.ComboBoxSysteme;
    liste->setCurrentIndex(liste->findText(systeme));
    emit liste->textActivated(liste->currentText());

    for (GlyphButton *bouton : {form.SpeedButtonEnregSensitif, form.SpeedButtonEnregStimulateur,
                                form.SpeedButtonEnregInhibiteur}) {
        if (!bouton->isChecked() && !bouton->isHidden())
            bouton->click();
    }

    ScrollBar *reglee = form.ScrollBarValeurReglee;
    reglee->setValue(reglee->minimum() + (reglee->maximum() - reglee->minimum()) / 5);

    form.TrackBarVitesse->setValue(form.TrackBarVitesse->maximum());
    if (!form.etat().MecanismeEnMarche)
        form.ButtonMarche->click();
}

std::array<VoieAuTic, 3> voiesAuTic(TForm1 &form)
{
    return {{
        {form.TimerVoieSensitive, &TForm1::TimerVoieSensitiveTimer},
        {form.TimerVoieStimulatrice, &TForm1::TimerVoieStimulatriceTimer},
        {form.TimerVoieInhibitrice, &TForm1::TimerVoieInhibitriceTimer},
    }};
}
