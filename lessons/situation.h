// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/deroule.h"
#include "mechanism/experiences.h"
#include "recordings/releve.h"
#include "systems/configurationsysteme.h"

#include <QImage>
#include <QList>
#include <QMap>
#include <QString>

#include <array>
#include <optional>

// Everything a lesson keeps of what was on the screen: enough to show it
// again and to go on from it. A field the file left out is empty here and
// takes its start-up value when the lesson is opened.
struct Situation
{
    QString systeme; // a name of the list
    // A teacher's own system, described whole: the lesson brings it along.
    std::optional<ConfigurationSysteme> systemeEnseignant;
    std::optional<int> valeurConsigne;
    std::optional<int> valeurReglee;
    std::optional<int> vitesse; // the speed slider's position
    std::optional<bool> son;
    Experiences experiences;
    // The teacher's instructions, shown in place of the standard ones.
    QString consignesActivite;

    // The recording toggles down: sensory, stimulating, inhibiting, curve.
    std::array<bool, 4> enregistrementsAffiches{};
    int colonne = 0; // the strips' drawing column
    bool vitesseModifiee = false;
    QList<LigneReleve> releve;
    // The strips as drawn: sensory, stimulating, inhibiting, perturbation,
    // and the curve's surface (null when not kept); each hormonal trace's
    // level, in rows (none given: the system's starting levels).
    std::array<QImage, 5> bandes;
    std::optional<std::array<int, 3>> niveauxTraces;
    QMap<int, int> reference;
    QString situationReference;
    // The sequence the teacher recorded, to replay.
    std::optional<Deroule> deroule;

    bool operator==(const Situation &) const = default;
};
