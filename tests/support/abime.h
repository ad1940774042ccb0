// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRandomGenerator>

// A good file damaged as a disk or a transfer damages it, for the readers'
// fuzzing: cut short (`coupe`), or a few bytes changed at random.
inline void abime(QByteArray &octets, QRandomGenerator &hasard, bool coupe)
{
    if (coupe) {
        octets.truncate(hasard.bounded(octets.size()));
        return;
    }
    for (int n = hasard.bounded(1, 8); n > 0; --n)
        octets[hasard.bounded(octets.size())] = char(hasard.bounded(256));
}
