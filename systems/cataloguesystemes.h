// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/configurationsysteme.h"

#include <array>

// A system of the list: its exact name there and its configuration.
struct SystemeCatalogue
{
    QString nom;
    ConfigurationSysteme configuration;
};

extern const std::array<SystemeCatalogue, 6> CatalogueSystemes;

// The system whose name is exactly nom (same characters, same case), or
// nullptr when the text names no system.
const ConfigurationSysteme *trouveSysteme(const QString &nom);
