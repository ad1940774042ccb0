// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the French of Qt's own dialogs: the file dialog a pupil saves with
// shows French buttons whatever the machine's language.
#include "app/francais.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLocale>
#include <QTest>

class TestFrancais : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // An English machine: the program must not follow it.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(parleFrancais());
    }

    void saveDialogInFrench()
    {
        QFileDialog dialogue;
        dialogue.setOption(QFileDialog::DontUseNativeDialog);
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.show();
        QStringList boutons;
        for (const QAbstractButton *bouton : dialogue.findChild<QDialogButtonBox *>()->buttons())
            boutons << bouton->text().remove(QLatin1Char('&'));
        boutons.sort();
        QCOMPARE(boutons, (QStringList{QStringLiteral("Annuler"), QStringLiteral("Enregistrer")}));
        QCOMPARE(QLocale().language(), QLocale::French);
    }
};

QTEST_MAIN(TestFrancais)
#include "tst_francais.moc"
