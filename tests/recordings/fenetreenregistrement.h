// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A window to drive without showing it, and ways to read its strips.
#include "app/tform1.h"
#include "app/window_services/canvas.h"
#include "app/window_services/intervaltimer.h"
#include "countingbeeper.h"
#include "scriptedmessages.h"
#include "systems/modevoie.h"

#include <QColor>
#include <QImage>

#include <functional>

// Scripted answers that can also run something while a question is open, as
// the event loop of a real message box would.
class MessagesPendantQuestion : public ScriptedMessages
{
public:
    MessageAnswer ask(QWidget *parent, MessageKind kind, const QString &text,
                      MessageButtons buttons) override
    {
        if (pendant)
            pendant();
        return ScriptedMessages::ask(parent, kind, text, buttons);
    }

    std::function<void()> pendant;
};

struct FenetreEnregistrement
{
    MessagesPendantQuestion messages;
    CountingBeeper beeper;
    TForm1 form{messages, beeper};

    template <typename T> T *element(const QString &nom) { return form.findChild<T *>(nom); }

    // Notes whether the sensor timer is stopped when a question is asked.
    void notePendantQuestion(bool &arrete)
    {
        messages.pendant = [this, &arrete] { arrete = !form.TimerCapteur->isRunning(); };
    }

    void tics(int nombre)
    {
        for (int i = 0; i < nombre; ++i)
            form.TimerCapteurTimer();
    }
};

inline const QColor noir(0, 0, 0);
inline const QColor blanc(255, 255, 255);
inline const QColor aqua(0, 255, 255);
inline const QColor citron(0, 255, 0);
inline const QColor rouge(255, 0, 0);
inline const QColor gris(128, 128, 128);
inline const QColor olive(128, 128, 0);

inline QColor pixelBande(ImageControl *bande, int x, int y)
{
    return bande->image().pixelColor(x, y);
}
