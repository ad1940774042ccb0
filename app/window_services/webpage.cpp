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
// not be fetched. Lessons dropped on the page wait in regulationDepots, the
// oldest first; `dropped` asks for the oldest.
EM_JS(int, regulation_lesson_name, (int dropped, char *into, int room), {
    var lesson = dropped ? (globalThis.regulationDepots || [])[0] : globalThis.regulationSeance;
    if (!lesson)
        return -1;
    stringToUTF8(lesson.nom, into, room);
    return lengthBytesUTF8(lesson.nom);
});

// Copies at most `room` bytes into `into`, and returns how many the lesson has.
EM_JS(int, regulation_lesson_bytes, (int dropped, char *into, int room), {
    var octets =
        dropped ? globalThis.regulationDepots[0].octets : globalThis.regulationSeance.octets;
    if (!octets)
        return -1;
    HEAPU8.set(octets.subarray(0, room), into);
    return octets.length;
});

EM_JS(void, regulation_lesson_taken, (), { globalThis.regulationDepots.shift(); });

EM_JS(void, regulation_title, (const char *title), { document.title = UTF8ToString(title); });

// Local storage holds text: the content goes as base64, so that any byte
// comes back as it was. A browser that refuses storage throws.
EM_JS(int, regulation_kept_size, (const char *key), {
    try {
        var kept = localStorage.getItem(UTF8ToString(key));
        return kept == null ? 0 : lengthBytesUTF8(kept);
    } catch (e) {
        return 0;
    }
});

EM_JS(void, regulation_kept, (const char *key, char *into, int room), {
    try {
        var kept = localStorage.getItem(UTF8ToString(key));
        if (kept != null)
            stringToUTF8(kept, into, room);
    } catch (e) {
    }
});

EM_JS(int, regulation_keep, (const char *key, const char *content), {
    try {
        localStorage.setItem(UTF8ToString(key), UTF8ToString(content));
        return 1;
    } catch (e) {
        return 0;
    }
});

void showWindowTitleInPage(const QString &title)
{
    // The window's title marks a lesson's literal "[*]" twice.
    regulation_title(
        QString(title).replace(QLatin1String("[*][*]"), QLatin1String("[*]")).toUtf8().constData());
}

namespace {

std::optional<LessonFromPage> lessonKeptByPage(bool dropped, qsizetype room)
{
    const int nameBytes = regulation_lesson_name(dropped, nullptr, 0);
    if (nameBytes < 0)
        return std::nullopt;
    QByteArray name(nameBytes + 1, Qt::Uninitialized);
    regulation_lesson_name(dropped, name.data(), int(name.size()));
    name.chop(1);
    LessonFromPage lesson{QString::fromUtf8(name), std::nullopt};
    const int size = regulation_lesson_bytes(dropped, nullptr, 0);
    if (size >= 0) {
        QByteArray content(std::min<qsizetype>(size, room), Qt::Uninitialized);
        regulation_lesson_bytes(dropped, content.data(), int(content.size()));
        lesson.content = content;
    }
    return lesson;
}

} // namespace

std::optional<LessonFromPage> lessonFromPage(qsizetype room)
{
    return lessonKeptByPage(false, room);
}

std::optional<LessonFromPage> lessonDroppedOnPage(qsizetype room)
{
    auto lesson = lessonKeptByPage(true, room);
    if (lesson)
        regulation_lesson_taken();
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

QByteArray keptInBrowser(const char *key)
{
    const int size = regulation_kept_size(key);
    if (size <= 0)
        return {};
    QByteArray base64(size + 1, Qt::Uninitialized);
    regulation_kept(key, base64.data(), int(base64.size()));
    base64.chop(1);
    return QByteArray::fromBase64(base64);
}

bool keepInBrowser(const char *key, const QByteArray &content)
{
    return regulation_keep(key, content.toBase64().constData()) != 0;
}
