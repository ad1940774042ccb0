// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <cstdio>
#include <exception>

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "systemes-regulation: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "systemes-regulation: unknown error\n");
    }
    std::fflush(stderr);
    return false;
}
