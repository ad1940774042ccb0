// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_services/beeper.h"
#include "app/window_services/messageservice.h"

#include <QString>

#include <array>

class IntervalTimer;
class TForm1;

// Every question answered Oui: full strips are cleared at each wrap and the
// mechanism goes on, as a teacher who lets the class run would answer.
class ReponsesOui : public MessageService
{
public:
    MessageAnswer ask(QWidget *, MessageKind, const QString &, MessageButtons) override
    {
        return MessageAnswer::Oui;
    }
    QString askSaveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString askOpenFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    bool askPrinter(QWidget *, QPrinter &) override { return false; }
};

class BipMuet : public Beeper
{
public:
    void beep() override {}
};

inline const char *const SystemeNerveux = "Schéma général (nerveux)";
inline const char *const SystemeHormonal = "Schéma général (hormonal)";

// Puts the window in the heaviest state a class produces: the system picked
// in the list, the three strips recording, the regulated value pulled down to
// a fifth of its range (messages travel and effectors act), speed 10 (1 ms),
// and the mechanism running.
void lanceAPleineVitesse(TForm1 &form, const QString &systeme);

// Then a sequence across the strips' width, a value moved every 25 ticks,
// replayed over and over: the loop driven by instants, as a class watches a
// lesson replay itself.
void rejoueSansFin(TForm1 &form);

// The three pathway timers with their tick handlers.
struct VoieAuTic
{
    IntervalTimer *timer;
    void (TForm1::*tic)();
};
std::array<VoieAuTic, 3> voiesAuTic(TForm1 &form);
