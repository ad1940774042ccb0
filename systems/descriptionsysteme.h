// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/validationsysteme.h"

#include <QJsonObject>

#include <optional>

// A system described in JSON, as a lesson file and the user's settings keep a
// teacher's own: one object whose fields are ConfigurationSysteme's, by their
// names ("TexteCapteur": text, "ModeVoieSensitive": 0 absent, 1 nervous,
// 2 hormonal, "ModeEffecteurInhibiteur": 0 or 1, "Decimales": 0 to 3, 0 when
// absent, "ValeurMin": a number in the unit with at most those decimals...).
QJsonObject descriptionEnJson(const ConfigurationSysteme &systeme);

// The description the object holds, every field of the right type, or the
// first field that is missing or of another type. Whether the system can be
// used is valideSysteme()'s to say.
struct LectureDescription
{
    std::optional<ConfigurationSysteme> systeme;
    DefautSysteme defaut;
};
LectureDescription lisDescription(const QJsonObject &objet);
