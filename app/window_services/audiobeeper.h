// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_services/beeper.h"

#include <QObject>

#include <memory>

// A beep made by the program itself and played on one open audio stream, so
// that beeps asked for every millisecond stay audible and cheap. With no audio
// device it stays silent and harmless.
class AudioBeeper : public QObject, public Beeper
{
    Q_OBJECT

public:
    explicit AudioBeeper(QObject *parent = nullptr);
    ~AudioBeeper() override;

    void beep() override;
    bool hasDevice() const;

private:
    void open();

    struct Stream;
    std::unique_ptr<Stream> m_stream;
};
