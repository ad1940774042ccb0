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

#include <algorithm>
#include <cmath>
#include <utility>

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

// The scheme's captions and the widths of their stored boxes, in pixels, as
// the bitmap face draws them at 11 pixels.
const std::pair<const char *, int> storedCaptions[] = {
    {"Capteur", 37},
    {"Voie sensitive", 65},
    {"Centre intégrateur", 84},
    {"Voie motrice stimulatrice", 113},
    {"Voie motrice inhibitrice", 105},
    {"Effecteur stimulateur", 96},
    {"Effecteur inhibiteur", 88},
    {"Valeur réglée", 62},
};

// The outline face is a few per cent wider than the bitmap one, by how much
// depends on the font engine (Windows' hints it wider than FreeType): it is
// narrowed just enough for every caption of the scheme to keep within its
// stored box, and so are the notes' lines.
int layoutStretch()
{
    static const int stretch = [] {
        QFont font{QString::fromLatin1(fallbackFamily)};
        font.setPixelSize(11);
        int candidate = 96;
        for (; candidate > 80; --candidate) {
            font.setStretch(candidate);
            const QFontMetrics metrics(font);
            const bool fits = std::all_of(
                std::begin(storedCaptions), std::end(storedCaptions), [&metrics](const auto &c) {
                    return metrics.horizontalAdvance(QString::fromUtf8(c.first)) <= c.second;
                });
            if (fits)
                break;
        }
        return candidate;
    }();
    return stretch;
}

void narrowToLayout(QFont &font)
{
    if (!font.bold() && loadWindowFontFamily() != QLatin1String(windowFaceFamily))
        font.setStretch(layoutStretch());
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
