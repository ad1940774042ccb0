// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

    // Whether a pathway (0 sensory, 1 stimulating, 2 inhibiting) carries
    // nothing where it is recorded: past its own experiment, or because what
    // feeds it (the sensor, the sensory pathway, the centre) is lost.
    bool voieMuette(int voie) const
    {
        const bool rienNeParvientAuCentre =
            contient(Experience::CapteurDetruit) || contient(Experience::VoieSensitiveCoupee);
        if (voie == 0)
            return rienNeParvientAuCentre;
        const bool centrePerdu = rienNeParvientAuCentre || contient(Experience::CentreDetruit);
        return centrePerdu || contient(voie == 1 ? Experience::VoieStimulatriceCoupee
                                                 : Experience::VoieInhibitriceCoupee);
    }

private:
    std::bitset<7> m_actives;
};
