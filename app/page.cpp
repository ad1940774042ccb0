// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/page.h"

#include "app/seances.h"
#include "app/tform1.h"
#include "lessons/fichierseance.h"

#include <QGuiApplication>

void Page::montre(TForm1 &form)
{
    // A web page cannot be closed by its program: it says that it may be.
    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, announceProgramEnded);
    showAsPage(&form);
    QObject::connect(&form, &QWidget::windowTitleChanged, showWindowTitleInPage);
}

void Page::ouvreSeanceDeDepart(TForm1 &form, const QString &seance)
{
    if (!seance.isEmpty()) {
        form.seances()->ouvre(seance);
        return;
    }
    // The lesson comes with the page's address, as bytes: one more than a
    // lesson may hold is enough to refuse a longer one.
    const auto page = lessonFromPage(tailleMaxSeance + 1);
    if (!page)
        return;
    if (page->content)
        form.seances()->ouvreContenu(page->name, *page->content);
    else
        form.seances()->refuse(page->name, QStringLiteral("la page n'a pas pu le télécharger."));
}
