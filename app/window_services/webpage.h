// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_services/beeper.h"

// What the program asks of the web page it runs in.

// The beep, played by the browser's own audio. Browsers keep a page silent
// until it is first clicked or typed in: beeps asked for before that are
// dropped, never queued for later.
class WebAudioBeeper : public Beeper
{
public:
    void beep() override;
};

class QString;
class QWidget;

// Shows the program's window as the page: without a frame of its own (the
// page bears the title), filling the page, and following it when the
// browser's window is resized.
void showAsPage(QWidget *window);

// The lesson the page's address names (…/index.html?seance=NOM.regulation),
// which the page has fetched from beside itself: written to a file of that
// name, whose path is returned, so that it opens as a file named at start
// does. Empty when the address names none; a path to no file when the page
// could not fetch it.
QString lessonFromPage();

// The page's title (its tab, its bookmark) is the window's: the lesson open.
void showWindowTitleInPage(const QString &title);

// The program has ended ("Quitter" answered yes): the page says that it can be
// closed, in place of the empty window.
void announceProgramEnded();
