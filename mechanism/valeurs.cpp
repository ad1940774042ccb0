// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/intervaltimer.h"

// The edits hold the reference values: whichever changes, both are read again.
void TForm1::EditValeurRegleeChange()
{
    m_etat.ValeurConsigne = EditValeurConsigne->value();
    m_etat.ValeurReglee = EditValeurReglee->value();

    // The bar clamps the value; when it moves, the nested handlers leave the
    // clamped value in the edit and in ValeurReglee.
    if (ScrollBarValeurReglee->isEnabled())
        ScrollBarValeurReglee->setValue(m_etat.ValeurReglee);

    m_etat.Ecart = m_etat.ValeurConsigne - m_etat.ValeurReglee;

    m_etat.PasEffecteur =
        (ScrollBarValeurReglee->maximum() - ScrollBarValeurReglee->minimum()) / 20;
    if (m_etat.PasEffecteur == 0)
        m_etat.PasEffecteur = 2;
    // One more unit for an even deviation; the integrity of the organism
    // takes it for an odd one.
    const bool ecartImpair = m_etat.Ecart % 2 != 0;
    if (SystemeSansEffecteurInhibiteur() ? ecartImpair : !ecartImpair)
        ++m_etat.PasEffecteur;

    if (!m_etat.MecanismeEnMarche)
        return;
    if (m_etat.ClasseEcart != 0) {
        TimerPerturbation->setInterval(10);
        LabelPerturbation->show();
        m_etat.Perturbation = m_etat.ClasseEcart > 0 ? 1 : -1;
    } else {
        TimerPerturbation->setInterval(0);
        LabelPerturbation->hide();
        m_etat.Perturbation = 0;
    }
}

void TForm1::EditValeurConsigneChange()
{
    m_etat.ValeurConsigne = EditValeurConsigne->value();
    m_etat.ValeurReglee = EditValeurReglee->value();

    if (ScrollBarValeurConsigne->isEnabled())
        ScrollBarValeurConsigne->setValue(m_etat.ValeurConsigne);

    m_etat.Ecart = m_etat.ValeurConsigne - m_etat.ValeurReglee;

    if (!m_etat.MecanismeEnMarche)
        return;
    if (m_etat.ClasseEcart != 0) {
        TimerPerturbation->setInterval(10);
        LabelPerturbation->show();
    } else {
        // A new set point moves the regulated value off it by one unit, so
        // the loop has something to correct.
        const int valeur = EditValeurReglee->value() + 1;
        EditValeurReglee->setValue(valeur);
        TimerPerturbation->setInterval(0);
        LabelPerturbation->hide();
    }
}

void TForm1::ScrollBarValeurRegleeChange()
{
    m_situation.changeValeurs(ScrollBarValeurReglee->value(), ScrollBarValeurConsigne->value());
    EditValeurReglee->setValue(ScrollBarValeurReglee->value());
}

void TForm1::ScrollBarValeurConsigneChange()
{
    m_situation.changeValeurs(ScrollBarValeurReglee->value(), ScrollBarValeurConsigne->value());
    m_etat.ValeurConsigne = ScrollBarValeurConsigne->value();
    // The set point is never taken equal to the regulated value from the bar.
    if (m_etat.ValeurConsigne == m_etat.ValeurReglee)
        ++m_etat.ValeurConsigne;
    EditValeurConsigne->setValue(m_etat.ValeurConsigne);
}
