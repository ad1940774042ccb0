// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/francais.h"
#include "app/launchoptions.h"
#include "app/tform1.h"
#include "app/uniformlook.h"
#include "app/window_services/intervaltimer.h"
#include "app/window_services/layoutfonts.h"
#include "app/window_services/messageservice.h"
#include "systems/registresystemes.h"
// Where the window lives, chosen here once: a web page or a desktop.
#ifdef Q_OS_WASM
#include "app/page.h"
using Lieu = Page;
#else
#include "app/bureau.h"
using Lieu = Bureau;
#endif

#include <QElapsedTimer>
#include <QIcon>
#include <QLoggingCategory>
#include <QTimer>

#include <cstdio>
#include <memory>

// Start-up as it goes, for whoever needs to know that the window came up
// (QT_LOGGING_RULES="regulation.startup.debug=true"); silent otherwise.
Q_LOGGING_CATEGORY(lcStartup, "regulation.startup", QtWarningMsg)
// The sensor's ticks a second, once a second while it ticks
// (QT_LOGGING_RULES="regulation.cadence.debug=true"): the top speed measured
// where no benchmark runs, in a web page.
Q_LOGGING_CATEGORY(lcCadence, "regulation.cadence", QtWarningMsg)

namespace {
void reportTickRate(TForm1 &form)
{
    auto *report = new QTimer(&form);
    auto ticks = std::make_shared<long>(0);
    auto clock = std::make_shared<QElapsedTimer>();
    QObject::connect(form.TimerCapteur, &IntervalTimer::timeout, report, [ticks] { ++*ticks; });
    QObject::connect(report, &QTimer::timeout, report, [ticks, clock] {
        const qint64 ms = clock->restart();
        if (*ticks > 0 && ms > 0)
            qCDebug(lcCadence, "%.0f ticks/s", double(*ticks) * 1000.0 / double(ms));
        *ticks = 0;
    });
    clock->start();
    report->start(1000);
}
} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const LaunchOptions options = parseLaunchOptions(arguments);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", options.error.toLocal8Bit().constData());
        return 2;
    }
    if (options.help) {
        std::fputs(usageText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    chooseFontEngine(options);
    const QString notice = applyZoom(options.zoom, argc, argv);
    if (!notice.isEmpty())
        std::fprintf(stderr, "%s\n", notice.toLocal8Bit().constData());

    Application application(argc, argv);
    if (!parleFrancais())
        std::fputs("systemes-regulation: traduction française de Qt introuvable, les "
                   "dialogues de fichiers et d'impression restent en anglais\n",
                   stderr);
    QApplication::setApplicationName(QStringLiteral("systemes-regulation"));
    QApplication::setDesktopFileName(QStringLiteral("org.systemesregulation.SystemesRegulation"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/icon-128.png")));
    applyUniformStyle(options);
    QApplication::setFont(windowFont());

    MessageBoxService messages;
    // Made first, with the settings that keep the teachers' own systems, so
    // that they outlive the window.
    Lieu lieu;
    TForm1 form(messages, lieu.beeper());
    form.registre().utiliseReglages(lieu.reglages());
    if (lcCadence().isDebugEnabled())
        reportTickRate(form);
    lieu.montre(form);
    // Logged from the event loop, a warning's about a bad lesson included.
    QTimer::singleShot(0, &form, [&form] {
        qCDebug(lcStartup, "window shown, %d x %d, titled %s", form.width(), form.height(),
                qUtf8Printable(form.windowTitle()));
        qCDebug(lcStartup, "teachers' systems: %s",
                qUtf8Printable(form.registre().nomsEnseignant().join(QStringLiteral(", "))));
    });
    // The lesson named at start is the first look: opened before the window's
    // first paint. Its path is taken again from Qt, which reads it unmangled
    // where the local encoding cannot hold every name.
    lieu.ouvreSeanceDeDepart(form, parseLaunchOptions(QCoreApplication::arguments()).seance);
    return QApplication::exec();
}
