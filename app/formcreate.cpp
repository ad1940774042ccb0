// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/intervaltimer.h"
#include "app/window_services/memo.h"
#include "mechanism/tableclassesecart.h"
#include "systems/cataloguesystemes.h"

#include <QtMath>

void TForm1::FormCreate()
{
    for (ImageControl *image : {ImageVoieSensitive, ImageVoieStimulatrice, ImageVoieInhibitrice,
                                ImageEffecteurStimulateur, ImageEffecteurInhibiteur})
        image->setTag(1);

    for (ImageControl *enregistrement :
         {EnregSensitif, EnregStimulateur, EnregInhibiteur, EnregPerturbation})
        enregistrement->hide();

    for (IntervalTimer *timer : Minuteries())
        timer->setInterval(0);

    m_etat.PasDeplacement = 25;

    TrackBarVitesse->setMaximum(10);
    TrackBarVitesse->setValue(qRound(TrackBarVitesse->maximum() * 0.5));
    m_etat.IntervalleAnimation = 1001 - 100 * TrackBarVitesse->value();

    ButtonMarche->setText(QStringLiteral("Marche"));
    m_etat.MecanismeEnMarche = false;

    for (Memo *memo : {MemoAideEnreg,
                       MemoAideButtonQuitter,
                       MemoAideEnregSensitif,
                       MemoAideEnregStimulateur,
                       MemoAideEnregInhibiteur,
                       MemoSpeedButtonAide,
                       MemoAideStaticTextValeurConsigne,
                       MemoAIdeLAbelPerturbation,
                       MemoAideValeurReglee,
                       MemoAideButtonMarche,
                       MemoAIdeSpeedButtonSOn,
                       MemoAideTrackBarVitesse,
                       MemoAideCentreIntegrateur,
                       MemoAideVoieStimulatrice,
                       MemoAideVoieInhibitrice,
                       MemoAideCapteur,
                       MemoAideVoieSensitive,
                       MemoAideEffecteur,
                       MemoAideAProposDe,
                       MemoAideCourbe,
                       MemoAideExport,
                       MemoAideExperiences})
        memo->hide();

    LabelPerturbation->hide();
    PanelAProposDe->hide();

    PeintCapteur(couleurClasse(0));
    ImageCapteur->setShown(true);
    ImageEclair1->setShown(false);
    ImageEclair2->setShown(false);

    // Setting the text runs no change handler: no system is applied at
    // start-up, the scheme keeps its stored texts and ranges.
    ComboBoxSysteme->clear();
    // The list sorts its items whatever order they come in.
    for (const SystemeCatalogue &systeme : CatalogueSystemes)
        ComboBoxSysteme->addItem(systeme.nom);
    ComboBoxSysteme->setCurrentIndex(
        ComboBoxSysteme->findText(QStringLiteral("Schéma général (nerveux)")));

    setWindowTitle(QStringLiteral("Systèmes de régulation"));

    m_etat.PeriodeSensitive = 40;
    m_etat.PeriodeStimulatrice = 40;
    m_etat.PeriodeInhibitrice = 40;
}
