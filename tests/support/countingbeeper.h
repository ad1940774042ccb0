// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_services/beeper.h"

// A beep that is only counted, for tests that check when the program beeps.
class CountingBeeper : public Beeper
{
public:
    void beep() override { ++count; }

    int count = 0;
};
