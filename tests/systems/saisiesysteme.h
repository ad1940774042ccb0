// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/tform1.h"
#include "cataloguereference.h"

#include <QLineEdit>
#include <QStringList>
#include <QTest>

// Types a text letter by letter, accented letters included (QTest's own
// typing knows only ASCII).
inline void tapeTexte(QWidget *widget, const QString &texte)
{
    for (const QChar lettre : texte) {
        if (lettre.unicode() < 0x80)
            QTest::keyClick(widget, lettre.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(lettre.toUpper().unicode()),
                                QString(lettre), Qt::NoModifier);
    }
}

// Replaces the text of the system list by typing it, as the pupil would.
inline void tapeSysteme(TForm1 &form, const QString &texte)
{
    QLineEdit *saisie = form.ComboBoxSysteme->lineEdit();
    saisie->selectAll();
    tapeTexte(saisie, texte);
}

inline QStringList nomsCatalogue()
{
    QStringList noms;
    for (const SystemeReference &systeme : systemesReference)
        noms << QString::fromUtf8(systeme.nom);
    return noms;
}

// One data row per system, tagged and carrying its name.
inline void ajouteLignesSystemes()
{
    QTest::addColumn<QString>("nom");
    for (const QString &nom : nomsCatalogue())
        QTest::addRow("%s", qPrintable(nom)) << nom;
}
