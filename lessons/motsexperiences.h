// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mechanism/experiences.h"

#include <QString>
#include <QStringList>

class SituationCourante;

// The experiments in the system's own words: what the menus, the status
// bar, the screen reader, the recorded columns and the exports say of them.

// The element as the scheme labels it, with its role where another element
// of the scheme bears the same label ("Muscle cardiaque (effecteur
// inhibiteur)").
QString nomElement(const SituationCourante &situation, Experience experience);
// The lesion as a noun: "section" or "blocage" of a pathway (after its
// mode), "insensibilité" of an effector, "destruction" of an organ.
QString lesion(const SituationCourante &situation, Experience experience);
// The action that sets it: "Sectionner : Nerf orthosympathique".
QString texteAction(const SituationCourante &situation, Experience experience);
// What the pupil will see, in a sentence.
QString explication(const SituationCourante &situation, Experience experience);
// The experiments in force, one each ("section : Nerf orthosympathique").
QStringList experiencesEnMots(const SituationCourante &situation);
// They in one sentence, as the status bar shows them; empty with none.
QString phraseExperiences(const SituationCourante &situation);
