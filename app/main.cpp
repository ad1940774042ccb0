// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/tform1.h"
#include "app/window_services/audiobeeper.h"
#include "app/window_services/layoutfonts.h"
#include "app/window_services/messageservice.h"

#include <QIcon>

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("systemes-regulation"));
    QApplication::setDesktopFileName(QStringLiteral("org.systemesregulation.SystemesRegulation"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/icon-128.png")));
    QApplication::setFont(windowFont());

    MessageBoxService messages;
    AudioBeeper beeper;
    TForm1 form(messages, beeper);
    form.showMaximized();
    return QApplication::exec();
}
