// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

// The value axis of the curve: lines at round values, about five over the range.

// 1, 2 or 5 times a power of ten: the smallest step that cuts the range into
// at most five intervals.
int pasGraduation(int minimum, int maximum);

// The multiples of that step from the minimum to the maximum.
QList<int> graduations(int minimum, int maximum);
