// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/modevoie.h"

#include <array>
#include <bitset>

// The experiments a pupil can make on the loop, each on one element of the
// scheme, set and undone independently.
enum class Experience
{
    CapteurDetruit,
    VoieSensitiveCoupee,
    CentreDetruit,
    VoieStimulatriceCoupee,
    VoieInhibitriceCoupee,
    EffecteurStimulateurInsensible,
    EffecteurInhibiteurInsensible,
};

inline constexpr std::array<Experience, 7> toutesExperiences{
    Experience::CapteurDetruit,
    Experience::VoieSensitiveCoupee,
    Experience::CentreDetruit,
    Experience::VoieStimulatriceCoupee,
    Experience::VoieInhibitriceCoupee,
    Experience::EffecteurStimulateurInsensible,
    Experience::EffecteurInhibiteurInsensible,
};

// The experiments in force. None at start: the loop is whole.
class Experiences
{
public:
    bool contient(Experience e) const { return m_actives.test(std::size_t(e)); }
    void change(Experience e, bool active) { m_actives.set(std::size_t(e), active); }
    void retablit() { m_actives.reset(); }
    bool aucune() const { return m_actives.none(); }
    bool operator==(const Experiences &) const = default;

    // The sensor is lost when destroyed, and with the centre where it is part
    // of it (direct sensitivity: no sensory pathway).
    bool capteurPerdu(ModeVoie sensitive) const
    {
        return contient(Experience::CapteurDetruit) ||
               (sensitive == ModeAbsent && contient(Experience::CentreDetruit));
    }

    // Nothing the sensor measures reaches the centre.
    bool centreSansInformation(ModeVoie sensitive) const
    {
        return capteurPerdu(sensitive) || contient(Experience::VoieSensitiveCoupee);
    }

    // A sensory nerve fires all the time, so its silence is information: the
    // centre reads it as the lowest value and stimulates as hard as it can.
    // A hormone that no longer comes says nothing.
    bool silenceLuCommeMinimum(ModeVoie sensitive) const
    {
        return sensitive == ModeNerveux && centreSansInformation(sensitive) &&
               !contient(Experience::CentreDetruit);
    }

    // Whether a pathway (0 sensory, 1 stimulating, 2 inhibiting) carries
    // nothing where it is recorded: past its own experiment, or because what
    // feeds it is lost. Under a silent sensory nerve only the stimulating
    // pathway carries.
    bool voieMuette(int voie, ModeVoie sensitive) const
    {
        if (voie == 0)
            return centreSansInformation(sensitive);
        if (contient(Experience::CentreDetruit) ||
            contient(voie == 1 ? Experience::VoieStimulatriceCoupee
                               : Experience::VoieInhibitriceCoupee))
            return true;
        if (!centreSansInformation(sensitive))
            return false;
        return voie == 2 || !silenceLuCommeMinimum(sensitive);
    }

private:
    std::bitset<7> m_actives;
};
