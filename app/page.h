// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_services/webpage.h"

#include <memory>

class QSettings;
class QString;
class TForm1;

// The window as a web page: beeps in the browser, the page filled and titled
// after the window, its end said in the page, the teachers' systems kept in
// the browser between visits, and the lesson its address names opened at
// start.
class Page
{
public:
    Page();
    ~Page();
    Beeper &beeper() { return m_beeper; }
    // The settings that keep the teachers' systems: what the browser kept of
    // them at the last visit.
    QSettings *reglages() { return m_reglages.get(); }
    void montre(TForm1 &form);
    // `seance`: a file of the page's own files, or empty for the lesson the
    // address names, if any.
    void ouvreSeanceDeDepart(TForm1 &form, const QString &seance);

private:
    WebAudioBeeper m_beeper;
    std::unique_ptr<QSettings> m_reglages;
};
