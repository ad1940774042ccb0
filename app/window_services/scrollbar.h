// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>

// A horizontal value bar whose change handler (valueChanged) runs only when the
// position really changes, whether the pupil or the program moved it.
class ScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ScrollBar(QWidget *parent = nullptr);

    // Sets position, minimum and maximum in one operation: the position is
    // clamped into the new range and valueChanged is emitted at most once, with
    // the final position, and only if it differs from the old one. A maximum
    // below the minimum is refused and changes nothing.
    void setParams(int position, int minimum, int maximum);
};
