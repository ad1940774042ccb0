// SPDX-License-Identifier: GPL-3.0-or-later
// How the window reads to assistive technology: names that follow the
// labels of the chosen system, the list's field, the sensor's state in words.
#include "app/tform1.h"

#include "mechanism/tableclassesecart.h"

void TForm1::setUpAccessibility()
{
    NommeSelonEtiquettes();
    // The list's text field takes the focus for the list; on Linux a screen
    // reader names the list by its text, so the field carries the list's name.
    ComboBoxSysteme->lineEdit()->setAccessibleName(ComboBoxSysteme->accessibleName());
    ImageCapteur->setStateInWords([this] { return ecartEnMots(m_etat.ClasseEcart); });
}

// Assistive technology names the scheme's pictures, the recording toggles and
// the value controls after the labels a sighted pupil reads beside them, and
// reads the values in the unit the scheme shows.
void TForm1::NommeSelonEtiquettes()
{
    const std::pair<QWidget *, AutoSizeLabel *> images[] = {
        {ImageCapteur, LabelCapteur},
        {ImageVoieSensitive, LabelVoieSensitive},
        {ImageCentreIntegrateur, LabelCentreIntegrateur},
        {ImageVoieStimulatrice, LabelVoieStimulatrice},
        {ImageVoieInhibitrice, LabelVoieInhibitrice},
        {ImageEffecteurStimulateur, LabelEffecteurStimulateur},
        {ImageEffecteurInhibiteur, LabelEffecteurInhibiteur},
    };
    for (const auto &[image, label] : images)
        image->setAccessibleName(label->caption());

    const std::pair<GlyphButton *, AutoSizeLabel *> enregistrements[] = {
        {SpeedButtonEnregSensitif, LabelVoieSensitive},
        {SpeedButtonEnregStimulateur, LabelVoieStimulatrice},
        {SpeedButtonEnregInhibiteur, LabelVoieInhibitrice},
    };
    for (const auto &[bouton, label] : enregistrements)
        bouton->setAccessibleName(QStringLiteral("Enregistrement : ") + label->caption());

    // Named as the label reads ("en u.a"); the values in the bare unit ("u.a").
    const QString etiquette = LabelUnites->caption();
    const QString reglee = LabelValeurReglee->caption() + QStringLiteral(" (") + etiquette + u')';
    const QString consigne =
        LabelValeurConsigne->caption() + QStringLiteral(" (") + etiquette + u')';
    EditValeurReglee->setAccessibleName(reglee);
    ScrollBarValeurReglee->setAccessibleName(reglee);
    EditValeurConsigne->setAccessibleName(consigne);
    ScrollBarValeurConsigne->setAccessibleName(consigne);
    QString unite = etiquette;
    if (unite.startsWith(QLatin1String("en ")))
        unite.remove(0, 3);
    for (ValueEdit *edit : {EditValeurReglee, EditValeurConsigne})
        edit->setUnit(unite);
    for (ScrollBar *barre : {ScrollBarValeurReglee, ScrollBarValeurConsigne})
        barre->setUnit(unite);
}
