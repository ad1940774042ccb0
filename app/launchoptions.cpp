// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/launchoptions.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {
// The window's stored outer size: the whole layout must stay in view.
constexpr QSize storedOuterSize(648, 460);
constexpr double minimumZoom = 1;
constexpr double maximumZoom = 4;

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
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
            continue;
        }
        QString value;
        if (argument.startsWith(zoomOption + QLatin1Char('=')))
            value = argument.mid(zoomOption.size() + 1);
        else if (argument == zoomOption && i + 1 < arguments.size())
            value = arguments[++i];
        else if (argument != zoomOption)
            continue;
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
    return QStringLiteral("Utilisation : systemes-regulation [--zoom=auto|FACTEUR]\n"
                          "Simulation de systèmes de régulation physiologiques.\n"
                          "\n"
                          "  --zoom=auto     agrandit la fenêtre autant que l'écran le permet\n"
                          "                  (projection en classe)\n"
                          "  --zoom=FACTEUR  agrandit la fenêtre de ce facteur, de 1 à 4\n"
                          "                  (décimales permises : 1.5 ou 1,5)\n"
                          "  -h, --help      affiche cette aide\n");
}

double fittingZoom(QSize available)
{
    const double fit = std::min(double(available.width()) / storedOuterSize.width(),
                                double(available.height()) / storedOuterSize.height());
    return std::clamp(std::floor(fit * 100) / 100, minimumZoom, maximumZoom);
}

void applyZoom(double zoom, int &argc, char **argv)
{
    if (zoom == 0)
        return;
    if (zoom == zoomAuto) {
        QGuiApplication probe(argc, argv);
        const QScreen *screen = QGuiApplication::primaryScreen();
        zoom = screen ? fittingZoom(screen->availableGeometry().size()) : 1;
    }
    // The zoom comes on top of any scaling the desktop already asks of Qt.
    bool ok = false;
    const double desktop = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    qputenv("QT_SCALE_FACTOR", QByteArray::number((ok && desktop > 0 ? desktop : 1) * zoom));
}
