// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The program's application object. Qt does not let exceptions cross its event
// loop: one that escapes a handler is reported as one line on standard error
// instead of passing silently, and the program goes on.
class Application : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override;
};
