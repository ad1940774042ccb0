// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/page.h"

#include "app/seances.h"
#include "app/tform1.h"
#include "lessons/fichierseance.h"

#include "systems/registresystemes.h"

#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QTimer>

namespace {

// In the page's own file system, which lasts one visit; the browser keeps
// its content under the key between visits.
const QString fichierReglages = QStringLiteral("/home/web_user/systemes-regulation.ini");
constexpr char cleReglages[] = "systemes-regulation/reglages";

} // namespace

Page::Page()
{
    QFile fichier(fichierReglages);
    if (fichier.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fichier.write(keptInBrowser(cleReglages));
    fichier.close();
    m_reglages = std::make_unique<QSettings>(fichierReglages, QSettings::IniFormat);
}

Page::~Page() = default;

void Page::montre(TForm1 &form)
{
    // A web page cannot be closed by its program: it says that it may be.
    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, announceProgramEnded);
    showAsPage(&form);
    QObject::connect(&form, &QWidget::windowTitleChanged, showWindowTitleInPage);
    // A lesson file dropped on the page, which the page has read: opened from
    // the event loop, where its questions may be asked, one at a time.
    auto *depots = new QTimer(&form);
    QObject::connect(depots, &QTimer::timeout, &form, [&form, depots] {
        const auto lecon = lessonDroppedOnPage(tailleMaxSeance + 1);
        if (!lecon)
            return;
        depots->stop();
        form.seances()->ouvreContenu(lecon->name, lecon->content.value_or(QByteArray()));
        depots->start();
    });
    depots->start(250);
    // Kept in the browser as soon as they change: a page may be closed at
    // any moment, without a word to its program.
    QObject::connect(&form.registre(), &RegistreSystemes::systemesChanges, &form, [this] {
        m_reglages->sync();
        QFile fichier(fichierReglages);
        if (fichier.open(QIODevice::ReadOnly))
            keepInBrowser(cleReglages, fichier.readAll());
    });
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
