// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/pleinevitesse.h"

#include "app/deroules.h"
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

void rejoueSansFin(TForm1 &form)
{
    const ScrollBar *reglee = form.ScrollBarValeurReglee;
    const int etendue = reglee->maximum() - reglee->minimum();
    Deroule deroule{form.situation().valeurReglee(),
                    form.situation().valeurConsigne(),
                    {},
                    form.EnregSensitif->width()};
    for (int top = 25; top < deroule.fin; top += 25) {
        EtapeDeroule etape;
        etape.top = top;
        etape.valeur = reglee->minimum() + (top % 2 ? etendue / 5 : 4 * etendue / 5);
        deroule.etapes << etape;
    }
    form.situation().changeDeroule(deroule);
    Deroules &deroules = form.deroules();
    // Started again once the tick that ended it is over.
    QObject::connect(&deroules, &Deroules::rejoueJusquAuBout, &deroules, &Deroules::RejouerDeroule,
                     Qt::QueuedConnection);
    deroules.RejouerDeroule();
}

std::array<VoieAuTic, 3> voiesAuTic(TForm1 &form)
{
    return {{
        {form.TimerVoieSensitive, &TForm1::TimerVoieSensitiveTimer},
        {form.TimerVoieStimulatrice, &TForm1::TimerVoieStimulatriceTimer},
        {form.TimerVoieInhibitrice, &TForm1::TimerVoieInhibitriceTimer},
    }};
}
