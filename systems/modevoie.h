// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The mode of a pathway, kept in the tag of its picture.
enum ModeVoie : int
{
    ModeAbsent = 0,
    ModeNerveux = 1,
    ModeHormonal = 2
};
