// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uniformlook.h"

#include "app/launchoptions.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

void chooseFontEngine(const LaunchOptions &options)
{
#ifdef Q_OS_WIN
    // Windows' own engine measures the window face a pixel wider than the
    // stored captions allow; FreeType, built into Qt, draws the shipped faces
    // as on Linux.
    if (!options.platformChosen && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#else
    Q_UNUSED(options)
#endif
}

void applyUniformStyle(const LaunchOptions &options)
{
    if (options.styleChosen || !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        return;
    QStyle *style = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!style)
        return;
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
}
