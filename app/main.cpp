// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"
#include "app/window_services/audiobeeper.h"
#include "app/window_services/layoutfonts.h"
#include "app/window_services/messageservice.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <exception>

namespace {

// Qt does not let exceptions cross its event loop; one that escapes a handler
// is reported as a line on standard error instead of passing silently.
class Application : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &error) {
            std::fprintf(stderr, "systemes-regulation: %s\n", error.what());
        } catch (...) {
            std::fprintf(stderr, "systemes-regulation: unknown error\n");
        }
        return false;
    }
};

} // namespace

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
