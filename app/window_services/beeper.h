// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The short alert sound of the program.
class Beeper
{
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};
