// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mechanism/experiences.h"

#include <QList>
#include <QString>

#include <optional>

// A sequence ("déroulé") the teacher records and the pupils replay: from its
// starting values, each change the teacher made, at the sensor tick it was
// made, counted from the sequence's start. Replayed on the same loop, it
// gives the same rows whatever the speed: steps fall on ticks, not on time.

inline constexpr int etapesDerouleMax = 200;
inline constexpr int libelleEtapeMax = 40;

struct EtapeDeroule
{
    enum class Action
    {
        ValeurReglee,   // the regulated value moved to `valeur`
        ValeurConsigne, // the set point moved to `valeur`
        Experience,     // `experience` set (valeur 1) or undone (valeur 0)
        RetablirTout,   // every experiment undone
        GarderReference // the curve kept as the reference
    };
    int top = 0;
    Action action = Action::ValeurReglee;
    int valeur = 0; // in the system's steps, or 0/1 for an experiment
    Experience experience = Experience::CapteurDetruit;
    QString libelle; // the teacher's few words («  repas  »), may be empty

    bool operator==(const EtapeDeroule &) const = default;
};

struct Deroule
{
    int valeurReglee = 0;
    int valeurConsigne = 0;
    QList<EtapeDeroule> etapes;
    // The tick at which the teacher ended it: a replay stops there.
    int fin = 0;

    bool operator==(const Deroule &) const = default;
};

// Where a replay is: the next step to apply. Each sensor tick asks for the
// steps of its tick, in the order they were made.
class LectureDeroule
{
public:
    explicit LectureDeroule(const Deroule &deroule) : m_deroule(deroule) {}

    // The steps made at that tick (the ticks asked for only increase).
    QList<EtapeDeroule> etapesAuTop(int top);
    bool finie() const { return m_suivante >= m_deroule.etapes.size(); }
    // The tick at which the replay stops.
    int fin() const { return m_deroule.fin; }

private:
    Deroule m_deroule;
    qsizetype m_suivante = 0;
};

// What is wrong with a step read from a file: its field and why, as a
// lesson's faults are said. `precedente` is the step before it (none for
// the first); `topMax` the strips' width; the values' range in steps.
struct DefautEtape
{
    QString champ;
    QString raison;
    bool operator==(const DefautEtape &) const = default;
};
std::optional<DefautEtape> defautEtape(const EtapeDeroule &etape, const EtapeDeroule *precedente,
                                       int topMax, int minimum, int maximum);
// What the curve's mark and the values' column call a step: its label, or
// else what it did, an experiment in the system's words (its lesion and its
// element, as the scheme names them).
QString nomEtape(const EtapeDeroule &etape, const QString &lesion, const QString &element);
