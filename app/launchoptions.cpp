// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/launchoptions.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Everything the pupil can show must stay in view: the stored layout, the
// curve of the regulated value under the strips (its box ends at row 571) and
// the status bar under it.
constexpr QSize fullClientSize(640, 571 + 19);
// The window's frame and title bar, in screen pixels: they do not grow with
// the zoom.
constexpr QSize frameAllowance(16, 40);
constexpr double minimumZoom = 1;
constexpr double maximumZoom = 4;

// Qt's own options (QGuiApplication, QApplication and the X11 platform), left
// to Qt; those of the first list take a value (as the next argument or after
// "="). Qt also takes them with two dashes.
const char *const qtOptionsWithValue[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "geometry",
                                          "qwindowicon",
                                          "icon",
                                          "qwindowtitle",
                                          "title",
                                          "session",
                                          "display",
                                          "name",
                                          "style",
                                          "stylesheet",
                                          "qmljsdebugger"};
const char *const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// An option's name, without its dashes and any "=value".
QString optionName(const QString &argument)
{
    const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    return name.left(name.indexOf(QLatin1Char('=')));
}

// 0 when the argument is not one of Qt's options, 1 for a flag or an option
// with its value after "=", 2 when the value is the next argument.
int qtOptionLength(const QString &argument)
{
    if (!argument.startsWith(QLatin1Char('-')))
        return 0;
    const QString name = optionName(argument);
    const bool valueAttached = argument.contains(QLatin1Char('='));
    for (const char *option : qtOptionsWithValue) {
        if (name == QLatin1String(option))
            return valueAttached ? 1 : 2;
    }
    for (const char *flag : qtFlags) {
        if (name == QLatin1String(flag) && !valueAttached)
            return 1;
    }
    return 0;
}

// "auto", or a factor written with a point or, as in French, a comma.
bool readZoom(const QString &text, double *zoom)
{
    if (text == QLatin1String("auto")) {
        *zoom = zoomAuto;
        return true;
    }
    bool ok = false;
    const double factor = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !(factor >= minimumZoom && factor <= maximumZoom))
        return false;
    *zoom = factor;
    return true;
}
} // namespace

LaunchOptions parseLaunchOptions(const QStringList &arguments)
{
    LaunchOptions options;
    const QString zoomOption = QStringLiteral("--zoom");
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-'))) {
            if (!options.seance.isEmpty()) {
                options.error = QStringLiteral("systemes-regulation : une seule séance à la fois "
                                               "(« %1 » ouverte, « %2 » en trop).")
                                    .arg(options.seance, argument);
                return options;
            }
            options.seance = argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
            continue;
        }
        if (const int length = qtOptionLength(argument)) {
            const QString name = optionName(argument);
            options.platformChosen |= name == QLatin1String("platform");
            options.styleChosen |= name == QLatin1String("style");
            i += length - 1;
            continue;
        }
        QString value;
        if (argument.startsWith(zoomOption + QLatin1Char('=')))
            value = argument.mid(zoomOption.size() + 1);
        else if (argument == zoomOption && i + 1 < arguments.size())
            value = arguments[++i];
        else if (argument != zoomOption) {
            options.error = QStringLiteral("systemes-regulation : option inconnue « %1 » "
                                           "(systemes-regulation --help en donne la liste).")
                                .arg(argument);
            return options;
        }
        if (value.isEmpty()) {
            options.error = QStringLiteral("systemes-regulation : --zoom attend une valeur : "
                                           "auto ou un nombre de 1 à 4 (par exemple --zoom=1.5).");
            return options;
        }
        if (!readZoom(value, &options.zoom)) {
            options.error = QStringLiteral("systemes-regulation : valeur de --zoom non valable "
                                           "« %1 » : écrire auto ou un nombre de 1 à 4 "
                                           "(par exemple --zoom=1.5).")
                                .arg(value);
            return options;
        }
    }
    return options;
}

QString usageText()
{
    return QStringLiteral("Utilisation : systemes-regulation [--zoom=auto|FACTEUR] "
                          "[SÉANCE.regulation]\n"
                          "Simulation de systèmes de régulation physiologiques.\n"
                          "Une séance nommée s'ouvre au démarrage.\n"
                          "\n"
                          "  --zoom=auto     agrandit la fenêtre autant que l'écran le permet\n"
                          "                  (projection en classe)\n"
                          "  --zoom=FACTEUR  agrandit la fenêtre de ce facteur, de 1 à 4\n"
                          "                  (décimales permises : 1.5 ou 1,5)\n"
                          "  -h, --help      affiche cette aide\n");
}

double fittingZoom(QSize available)
{
    const QSize room = available - frameAllowance;
    const double fit = std::min(double(room.width()) / fullClientSize.width(),
                                double(room.height()) / fullClientSize.height());
    return std::clamp(std::floor(fit * 100) / 100, minimumZoom, maximumZoom);
}

QString applyZoom(double zoom, int argc, char **argv)
{
    if (zoom == 0)
        return {};
    // The zoom comes on top of any scaling the desktop already asks of Qt.
    bool ok = false;
    double desktop = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (!ok || desktop <= 0)
        desktop = 1;

    // A brief look at the screen, on a copy of the arguments: the probe takes
    // Qt's options out of what it is given, and the program needs them all.
    double fitting = maximumZoom;
    {
        std::vector<QByteArray> copies(argv, argv + argc);
        std::vector<char *> probeArgv;
        for (QByteArray &copy : copies)
            probeArgv.push_back(copy.data());
        probeArgv.push_back(nullptr);
        int probeArgc = argc;
        QGuiApplication probe(probeArgc, probeArgv.data());
        // The screen's own scaling (a HiDPI screen, the desktop's) is
        // multiplied by the zoom.
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const qreal ratio = screen->devicePixelRatio();
            fitting =
                fittingZoom((QSizeF(screen->availableGeometry().size()) * ratio).toSize()) / ratio;
        }
    }
    fitting = std::max(minimumZoom, std::floor(fitting * 100) / 100);

    QString notice;
    if (zoom == zoomAuto) {
        zoom = fitting;
    } else if (zoom > fitting) {
        notice = QStringLiteral("systemes-regulation : la fenêtre ne tient pas sur l'écran avec "
                                "--zoom=%1 ; zoom ramené à %2.")
                     .arg(QLocale(QLocale::French).toString(zoom),
                          QLocale(QLocale::French).toString(fitting));
        zoom = fitting;
    }
    qputenv("QT_SCALE_FACTOR", QByteArray::number(desktop * zoom));
    return notice;
}
