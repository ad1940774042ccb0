// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_services/beeper.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What the program asks of the web page it runs in.

// The beep, played by the browser's own audio. Browsers keep a page silent
// until it is first clicked or typed in: beeps asked for before that are
// dropped, never queued for later.
class WebAudioBeeper : public Beeper
{
public:
    void beep() override;
};

class QWidget;

// Shows the program's window as the page: without a frame of its own (the
// page bears the title), filling the page, and following it when the
// browser's window is resized.
void showAsPage(QWidget *window);

// The lesson the page's address names (…/index.html?seance=NOM.regulation),
// which the page has fetched from beside itself: its name and its bytes,
// never more than `room` of them (a longer lesson is refused whatever its
// length). Nothing when the address names none; no bytes when the page could
// not fetch it.
struct LessonFromPage
{
    QString name;
    std::optional<QByteArray> content;
};
std::optional<LessonFromPage> lessonFromPage(qsizetype room);
// The next lesson file dropped on the page, which the page has read: taken
// from the page's queue, as above (its bytes always read).
std::optional<LessonFromPage> lessonDroppedOnPage(qsizetype room);

// The page's title (its tab, its bookmark) is the window's: the lesson open.
void showWindowTitleInPage(const QString &title);

// The program has ended ("Quitter" answered yes): the page says that it can be
// closed, in place of the empty window.
void announceProgramEnded();

// What the browser keeps for this site between visits (its local storage),
// under a key: empty when nothing is kept, or when the browser keeps nothing
// (a private window may refuse); kept returns false then.
QByteArray keptInBrowser(const char *key);
bool keepInBrowser(const char *key, const QByteArray &content);
