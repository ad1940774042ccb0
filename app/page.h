// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_services/webpage.h"

class QString;
class TForm1;

// The window as a web page: beeps in the browser, the page filled and titled
// after the window, its end said in the page, and the lesson its address
// names opened at start.
class Page
{
public:
    Beeper &beeper() { return m_beeper; }
    void montre(TForm1 &form);
    // `seance`: a file of the page's own files, or empty for the lesson the
    // address names, if any.
    void ouvreSeanceDeDepart(TForm1 &form, const QString &seance);

private:
    WebAudioBeeper m_beeper;
};
