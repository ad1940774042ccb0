// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/deroules.h"

#include "app/editeursystemes.h"
#include "systems/registresystemes.h"
#include "systems/valeursysteme.h"

namespace {

// A label takes its new text and sizes itself to it (the effector labels
// wrap within their width and grow downward); its panel then frames it with
// 2 pixels on every side. A teacher's name wider than its room on this
// computer is shortened.
void reetiquette(AutoSizeLabel *label, QWidget *panneau, const QString &texte,
                 const AutoSizeLabel::Fits &tient)
{
    label->setCaption(texte, tient);
    panneau->resize(label->width() + 4, label->height() + 4);
}

// Both value bars follow the system's range and steps. The position and the
// range change in one operation, so the bar's change handling sees only the
// final position, and only when it differs from the old one.
void regleBarre(ScrollBar *barre, const ConfigurationSysteme &configuration)
{
    barre->setParams(configuration.ValeurInitiale, configuration.ValeurMin,
                     configuration.ValeurMax);
    barre->setPageStep(configuration.GrandPas);
    barre->setSingleStep(configuration.PetitPas);
}

} // namespace

void TForm1::ComboBoxSystemeChange()
{
    if (const ConfigurationSysteme *configuration =
            m_registre->systeme(ComboBoxSysteme->currentText())) {
        AppliqueConfiguration(*configuration);
        emit systemeChoisi();
    }
}

// The mechanism and any marker in flight carry on through a change of system.
void TForm1::AppliqueConfiguration(const ConfigurationSysteme &configuration)
{
    // A sequence recorded or replaying was the system's before.
    if (m_deroules)
        m_deroules->abandonne();
    // Another range and unit: the reference goes (the experiments, at the end).
    m_situation.changeSysteme(ComboBoxSysteme->currentText(), configuration);
    // Only a teacher's names are measured: the list's six keep their texts
    // whole, as the stored layout was drawn for them.
    const bool mesure = m_registre->estDeLEnseignant(ComboBoxSysteme->currentText());
    const auto place = [this, mesure](const char *champ) -> AutoSizeLabel::Fits {
        if (!mesure)
            return {};
        return [this, champ](const QString &texte) {
            return m_editeurSystemes->tient(QLatin1String(champ), texte);
        };
    };
    const auto reetiquette = [&place](AutoSizeLabel *label, QWidget *panneau, const QString &texte,
                                      const char *champ) {
        ::reetiquette(label, panneau, texte, place(champ));
    };
    reetiquette(LabelCapteur, PanelCapteur, configuration.TexteCapteur, "TexteCapteur");
    reetiquette(LabelValeurReglee, PanelValeurReglee, configuration.TexteValeurReglee,
                "TexteValeurReglee");

    ImageVoieSensitive->setTag(configuration.ModeVoieSensitive);
    reetiquette(LabelVoieSensitive, PanelVoieSensitive, configuration.TexteVoieSensitive,
                "TexteVoieSensitive");
    // Direct sensitivity has nothing to record; the perturbation strip, shown
    // with the sensory one, stays as it is.
    if (configuration.ModeVoieSensitive == ModeAbsent) {
        SpeedButtonEnregSensitif->setChecked(false);
        EnregSensitif->hide();
    }

    placeTraces();

    reetiquette(LabelCentreIntegrateur, PanelCentreIntegrateur,
                configuration.TexteCentreIntegrateur, "TexteCentreIntegrateur");
    reetiquette(LabelVoieStimulatrice, PanelVoieStimulatrice, configuration.TexteVoieStimulatrice,
                "TexteVoieStimulatrice");
    ImageVoieStimulatrice->setTag(configuration.ModeVoieStimulatrice);
    reetiquette(LabelEffecteurStimulateur, PanelEffecteurStimulateur,
                configuration.TexteEffecteurStimulateur, "TexteEffecteurStimulateur");
    ImageEffecteurStimulateur->setTag(configuration.ModeEffecteurStimulateur);

    // Without an inhibiting pathway its whole side disappears; its toggle
    // keeps its state, and comes back with its strip when it is down.
    ImageVoieInhibitrice->setTag(configuration.ModeVoieInhibitrice);
    if (configuration.ModeVoieInhibitrice != ModeAbsent) {
        reetiquette(LabelVoieInhibitrice, PanelVoieInhibitrice, configuration.TexteVoieInhibitrice,
                    "TexteVoieInhibitrice");
        for (QWidget *element : std::initializer_list<QWidget *>{
                 ImageVoieInhibitrice, LabelVoieInhibitrice, PanelVoieInhibitrice,
                 ImageEffecteurInhibiteur, SpeedButtonEnregInhibiteur})
            element->show();
        EnregInhibiteur->setVisible(SpeedButtonEnregInhibiteur->isChecked());
    } else {
        for (QWidget *element : std::initializer_list<QWidget *>{
                 ImageVoieInhibitrice, ImageEffecteurInhibiteur, EnregInhibiteur,
                 LabelVoieInhibitrice, PanelVoieInhibitrice, SpeedButtonEnregInhibiteur})
            element->hide();
    }

    ImageEffecteurInhibiteur->setTag(configuration.ModeEffecteurInhibiteur);
    const bool effecteurInhibiteur = configuration.ModeEffecteurInhibiteur == 1;
    if (effecteurInhibiteur)
        reetiquette(LabelEffecteurInhibiteur, PanelEffecteurInhibiteur,
                    configuration.TexteEffecteurInhibiteur, "TexteEffecteurInhibiteur");
    for (QWidget *element : std::initializer_list<QWidget *>{
             ImageEffecteurInhibiteur, LabelEffecteurInhibiteur, PanelEffecteurInhibiteur})
        element->setVisible(effecteurInhibiteur);
    // Shown again whole, even in the middle of its flash.
    if (effecteurInhibiteur)
        ImageEffecteurInhibiteur->setShown(true);

    // The values written with the system's decimals (the six systems have
    // none: their fields read as they always did).
    const int decimales = configuration.Decimales;
    const auto texte = [decimales](int v) { return texteValeur(v, decimales); };
    for (ValueEdit *edit : {EditValeurConsigne, EditValeurReglee}) {
        bool lue = false;
        const int valeur = edit->value(&lue);
        edit->setFormat(texte,
                        [decimales](const QString &t) { return valeurDuTexte(t, decimales); });
        if (lue)
            edit->setValue(valeur);
    }
    for (ScrollBar *barre : {ScrollBarValeurConsigne, ScrollBarValeurReglee})
        barre->setFormat(texte);

    // The set point first: its change handling runs while the regulated
    // value still has its old range.
    regleBarre(ScrollBarValeurConsigne, configuration);
    ScrollBarValeurConsigne->setEnabled(true);
    regleBarre(ScrollBarValeurReglee, configuration);

    LabelUnites->setCaption(configuration.TexteUnites, place("TexteUnites"));
    NommeSelonEtiquettes();

    InitialiseEnregistrements();
    // Other organs: the experiments made on the last ones are undone.
    RetablirTout();
    if (m_editeurSystemes)
        m_editeurSystemes->actualiseActions();
}
