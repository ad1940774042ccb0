// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/layoutfonts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>
#include <QWidget>

#include <cmath>

namespace {
const char *const windowFaceFile = "ms_sans_serif.ttf";
const char *const windowFaceSystemFolder = "/usr/share/wine/fonts";
const char *const windowFaceFamily = "MS Sans Serif";
const char *const fallbackFamily = "FreeSans";
const char *const fallbackFiles[] = {"FreeSans.ttf", "FreeSansBold.ttf"};

// The faces the program ships beside itself (its Windows folder), if any.
QString shippedFont(const char *file)
{
    const QString path =
        QCoreApplication::applicationDirPath() + QLatin1String("/fonts/") + QLatin1String(file);
    return QFile::exists(path) ? path : QString();
}

// FreeSans comes with the system on Linux, with the program elsewhere.
void registerFallbackFace()
{
    if (QFontDatabase::hasFamily(QLatin1String(fallbackFamily)))
        return;
    for (const char *file : fallbackFiles) {
        const QString path = shippedFont(file);
        if (!path.isEmpty())
            QFontDatabase::addApplicationFont(path);
    }
}

bool screenIsScaled()
{
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
}

// The bitmap face has strikes for 96 dots per inch only: on a scaled screen
// (a HiDPI laptop, the projection zoom) its letters would stay 9 pixels tall in
// boxes twice as wide, so the outline face with the closest metrics serves.
QString registerWindowFace()
{
    registerFallbackFace();
    QString windowFacePath = shippedFont(windowFaceFile);
    if (windowFacePath.isEmpty())
        windowFacePath = QLatin1String(windowFaceSystemFolder) + QLatin1Char('/') +
                         QLatin1String(windowFaceFile);
    if (!screenIsScaled() && QFile::exists(windowFacePath)) {
        const int id = QFontDatabase::addApplicationFont(windowFacePath);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            return families.first();
    }
    // The form names "MS Sans Serif": let that name reach the fallback too.
    QFont::insertSubstitution(QLatin1String(windowFaceFamily), QLatin1String(fallbackFamily));
    return QLatin1String(fallbackFamily);
}

// Some font engines (Windows' with a face the program registered) draw every
// stretch alike: the letters are then brought closer instead.
bool stretchNarrows()
{
    static const bool narrows = [] {
        QFont font{QString::fromLatin1(fallbackFamily)};
        font.setPixelSize(11);
        const QString sample = QStringLiteral("Voie motrice stimulatrice");
        const int normal = QFontMetrics(font).horizontalAdvance(sample);
        font.setStretch(96);
        return QFontMetrics(font).horizontalAdvance(sample) < normal;
    }();
    return narrows;
}

// The outline face is a few per cent wider than the bitmap one: narrowed by as
// much, every caption keeps within its stored box.
void narrowToLayout(QFont &font)
{
    if (font.bold() || loadWindowFontFamily() == QLatin1String(windowFaceFamily))
        return;
    if (stretchNarrows())
        font.setStretch(96);
    else
        font.setLetterSpacing(QFont::AbsoluteSpacing, -0.4);
}

void toLayoutPixels(QWidget *widget)
{
    if (!widget->testAttribute(Qt::WA_SetFont))
        return;
    QFont font = widget->font();
    if (font.pixelSize() > 0 || font.pointSizeF() <= 0)
        return;
    font.setPixelSize(int(std::lround(font.pointSizeF() * 96.0 / 72.0)));
    // The bitmap face has no bold strike and Qt does not embolden it: bold
    // texts (titles, the top row's captions) take the outline fallback's bold.
    if (font.bold() && loadWindowFontFamily() == QLatin1String(windowFaceFamily))
        font.setFamily(QLatin1String(fallbackFamily));
    narrowToLayout(font);
    widget->setFont(font);
}
} // namespace

QString loadWindowFontFamily()
{
    static const QString family = registerWindowFace();
    return family;
}

QFont windowFont()
{
    QFont font(loadWindowFontFamily());
    font.setPixelSize(11);
    narrowToLayout(font);
    return font;
}

void applyLayoutFonts(QWidget *root)
{
    if (!root)
        return;
    toLayoutPixels(root);
    const auto descendants = root->findChildren<QWidget *>();
    for (QWidget *widget : descendants)
        toLayoutPixels(widget);
    // A style sheet fixed its widget's font from the parent's stored one when
    // the form loaded, and keeps it: give it the parent's font as now laid out.
    for (QWidget *widget : descendants) {
        if (!widget->styleSheet().isEmpty() && !widget->testAttribute(Qt::WA_SetFont) &&
            widget->parentWidget())
            widget->setFont(widget->parentWidget()->font());
    }
}
