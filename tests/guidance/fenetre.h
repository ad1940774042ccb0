// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/tform1.h"
#include "app/window_services/intervaltimer.h"
#include "countingbeeper.h"
#include "scriptedmessages.h"

#include <QApplication>
#include <QTest>

// The window with scripted questions and counted beeps, and the ways the
// guidance tests set the mechanism up.
struct Fenetre
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form{messages, beeper};

    // Shown and active, so that the keyboard reaches it.
    bool montre()
    {
        form.show();
        QApplication::setActiveWindow(&form);
        return QTest::qWaitForWindowActive(&form);
    }

    QWidget *element(const QString &nom) { return form.findChild<QWidget *>(nom); }

    bool aucuneMinuterie()
    {
        for (IntervalTimer *timer : form.findChildren<IntervalTimer *>()) {
            if (timer->isRunning())
                return false;
        }
        return true;
    }

    // Starts the mechanism below the set point and runs it until a motor
    // message travels, with a sensory one behind it.
    void lanceDesMessages()
    {
        form.ScrollBarValeurReglee->setValue(20);
        form.ReprendreMecanisme();
        form.TimerCapteurTimer();
        // The sensory route is a few hundred pixels long.
        for (int pas = 0; pas < 1000 && form.etat().InfluxSensitif; ++pas)
            form.TimerVoieSensitiveTimer();
        QVERIFY2(!form.etat().InfluxSensitif, "the sensory message never reached the centre");
        form.TimerCapteurTimer();
    }
};
