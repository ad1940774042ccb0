// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/francais.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool parleFrancais()
{
    const QLocale francais(QLocale::French, QLocale::France);
    QLocale::setDefault(francais);
    auto *traduction = new QTranslator(QCoreApplication::instance());
    for (const QString &dossier :
         {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (traduction->load(francais, QStringLiteral("qtbase"), QStringLiteral("_"), dossier))
            return QCoreApplication::installTranslator(traduction);
    }
    delete traduction;
    return false;
}
