// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/webpage.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <algorithm>

#include <emscripten.h>

// The same tone as on the desktop: 1000 Hz for 30 ms, its ends faded over
// 3 ms so that it starts and stops without a click. At a 1 ms tick beeps are
// asked for far faster than they play: a few tones scheduled ahead keep the
// sound continuous without queueing seconds of it.
EM_JS(void, regulation_beep, (), {
    var audio = globalThis.regulationAudio || (globalThis.regulationAudio = {beeps : 0});
    if (!audio.context) {
        var Context = globalThis.AudioContext || globalThis.webkitAudioContext;
        if (!Context)
            return;
        audio.context = new Context();
        audio.scheduledEnd = 0;
        var resume = function()
        {
            audio.context.resume();
        };
        document.addEventListener('pointerdown', resume, true);
        document.addEventListener('keydown', resume, true);
    }
    var context = audio.context;
    if (context.state != 'running')
        return;
    var tone = 0.030, fade = 0.003, now = context.currentTime;
    if (audio.scheduledEnd > now + 4 * tone)
        return;
    var start = Math.max(now, audio.scheduledEnd);
    var oscillator = context.createOscillator();
    oscillator.frequency.value = 1000;
    var gain = context.createGain();
    gain.gain.setValueAtTime(0, start);
    gain.gain.linearRampToValueAtTime(0.4, start + fade);
    gain.gain.setValueAtTime(0.4, start + tone - fade);
    gain.gain.linearRampToValueAtTime(0, start + tone);
    oscillator.connect(gain);
    gain.connect(context.destination);
    oscillator.start(start);
    oscillator.stop(start + tone);
    audio.scheduledEnd = start + tone;
    audio.beeps++;
});

// The page provides regulationEnded(); a page of another's making may not.
EM_JS(void, regulation_ended, (), {
    if (typeof globalThis.regulationEnded == 'function')
        globalThis.regulationEnded();
});

// The page keeps the lesson as {nom, octets}; octets is null when it could
// not be fetched.
EM_JS(int, regulation_lesson_name, (char *into, int room), {
    var lesson = globalThis.regulationSeance;
    if (!lesson)
        return -1;
    stringToUTF8(lesson.nom, into, room);
    return lengthBytesUTF8(lesson.nom);
});

// Copies at most `room` bytes into `into`, and returns how many the lesson has.
EM_JS(int, regulation_lesson_bytes, (char *into, int room), {
    var octets = globalThis.regulationSeance.octets;
    if (!octets)
        return -1;
    HEAPU8.set(octets.subarray(0, room), into);
    return octets.length;
});

EM_JS(void, regulation_title, (const char *title), { document.title = UTF8ToString(title); });

void showWindowTitleInPage(const QString &title)
{
    // The window's title marks a lesson's literal "[*]" twice.
    regulation_title(
        QString(title).replace(QLatin1String("[*][*]"), QLatin1String("[*]")).toUtf8().constData());
}

std::optional<LessonFromPage> lessonFromPage(qsizetype room)
{
    const int nameBytes = regulation_lesson_name(nullptr, 0);
    if (nameBytes < 0)
        return std::nullopt;
    QByteArray name(nameBytes + 1, Qt::Uninitialized);
    regulation_lesson_name(name.data(), int(name.size()));
    name.chop(1);
    LessonFromPage lesson{QString::fromUtf8(name), std::nullopt};
    const int size = regulation_lesson_bytes(nullptr, 0);
    if (size >= 0) {
        QByteArray content(std::min<qsizetype>(size, room), Qt::Uninitialized);
        regulation_lesson_bytes(content.data(), int(content.size()));
        lesson.content = content;
    }
    return lesson;
}

// Qt 6.4 in a page mislays the pointer under a scale factor (it looks for
// the window under a click with the page's pixels against the zoomed
// window's geometry): the page's zoom is the browser's own, which Qt follows
// crisply, and the window fills the page at its own size.
void showAsPage(QWidget *window)
{
    window->showFullScreen();
}

void WebAudioBeeper::beep()
{
    regulation_beep();
}

void announceProgramEnded()
{
    regulation_ended();
}
