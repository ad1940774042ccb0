// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_services/audiobeeper.h"

#include <QSettings>

class QString;
class TForm1;

// The window on a computer's desktop: beeps on the sound card, maximized on
// the screen, the lesson named on the command line opened at start.
class Bureau
{
public:
    Beeper &beeper() { return m_beeper; }
    // The user's settings, which keep the teachers' systems (never beside the
    // program, which may be read-only).
    QSettings *reglages() { return &m_reglages; }
    void montre(TForm1 &form);
    // `seance`: the file the command line names, or empty.
    void ouvreSeanceDeDepart(TForm1 &form, const QString &seance);

private:
    AudioBeeper m_beeper;
    QSettings m_reglages{QSettings::NativeFormat, QSettings::UserScope,
                         QStringLiteral("systemes-regulation"),
                         QStringLiteral("systemes-regulation")};
};
