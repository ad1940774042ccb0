// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/bureau.h"

#include "app/seances.h"
#include "app/tform1.h"

void Bureau::montre(TForm1 &form)
{
    form.showMaximized();
}

void Bureau::ouvreSeanceDeDepart(TForm1 &form, const QString &seance)
{
    if (!seance.isEmpty())
        form.seances()->ouvre(seance);
}
