// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/tform1.h"
#include "app/window_services/intervaltimer.h"

// One moment of the event loop: every running timer ticks once, the sensor
// first, as they would at a common interval.
inline void unInstant(TForm1 &form)
{
    if (form.TimerCapteur->isRunning())
        form.TimerCapteurTimer();
    form.AvanceLesVoies();
}
