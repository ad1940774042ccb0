// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

// One row per deviation class, from -5 to 5: the colour of the sensor and of
// the sensory marker, the spacing of the impulse marks of the nervous
// recordings and the levels of the hormonal ones.
struct ClasseEcartLigne
{
    std::uint8_t Rouge;
    std::uint8_t Vert;
    std::uint8_t Bleu;
    std::uint8_t PeriodeSensitive;
    std::uint8_t PeriodeStimulatrice;
    std::uint8_t PeriodeInhibitrice;
    std::uint8_t NiveauSensitif;
    std::uint8_t NiveauStimulateur;
    std::uint8_t NiveauInhibiteur;
};

constexpr int ClasseEcartMin = -5;
constexpr int ClasseEcartMax = 5;

extern const std::array<ClasseEcartLigne, 11> TableClassesEcart;

// The row of a class in -5..5.
const ClasseEcartLigne &ligneClasse(int classeEcart);
QColor couleurClasse(int classeEcart);
// The deviation a class stands for, in words, for a pupil who cannot see the
// sensor's colour.
QString ecartEnMots(int classeEcart);
