// SPDX-License-Identifier: GPL-3.0-or-later
// regulation-figures FIGURE [ARGUMENT]: measures one whole-program figure and
// prints it as "name value unit". bench/run.sh runs each one several times.
//   premiere-image          start to first frame of the maximised window
//   cadence SECONDS         sensor ticks at speed 10, window hidden
//   cadence-montree SECONDS the same with the window shown maximised
//   cadence-deroule SECONDS the same hidden, a sequence replaying all along
//   memoire TICKS           resident memory over TICKS sensor ticks
//   seance TIMES            saving and opening a lesson with full strips
#include "bench/figures.h"

#include "app/window_services/layoutfonts.h"

#include <QApplication>
#include <QFont>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    // As the program itself starts (app/main.cpp).
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("systemes-regulation"));
    QApplication::setFont(windowFont());

    const char *figure = argc > 1 ? argv[1] : "";
    const char *argument = argc > 2 ? argv[2] : nullptr;
    if (std::strcmp(figure, "premiere-image") == 0)
        return mesurePremiereImage();
    if (std::strcmp(figure, "cadence") == 0)
        return mesureCadence(false, argument ? std::atof(argument) : 5.0);
    if (std::strcmp(figure, "cadence-montree") == 0)
        return mesureCadence(true, argument ? std::atof(argument) : 5.0);
    if (std::strcmp(figure, "cadence-deroule") == 0)
        return mesureCadence(false, argument ? std::atof(argument) : 5.0, true);
    if (std::strcmp(figure, "memoire") == 0)
        return mesureMemoire(argument ? std::atol(argument) : 1000000L);
    if (std::strcmp(figure, "seance") == 0)
        return mesureSeance(argument ? std::max(1, std::atoi(argument)) : 11);
    std::fprintf(stderr,
                 "usage: %s premiere-image | cadence[-montree|-deroule] SECONDS | memoire TICKS | "
                 "seance TIMES\n",
                 argv[0]);
    return 2;
}
