// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the beep: made and used without a sound device (as on a test
// machine), it does no harm and writes nothing to the console.
#include "app/window_services/audiobeeper.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTest>

namespace {
QStringList printed;

void recordMessage(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    printed.append(QStringLiteral("%1: %2").arg(QLatin1String(context.category), message));
}
} // namespace

class TestAudioBeeper : public QObject
{
    Q_OBJECT

private slots:
    void beepsQuietlyAndHarmlessly_data()
    {
        QTest::addColumn<bool>("askDeviceFirst");
        // The sound back-end is looked up once per run: the first row meets it.
        QTest::addRow("beep first") << false;
        QTest::addRow("device asked first") << true;
    }

    void beepsQuietlyAndHarmlessly()
    {
        QFETCH(bool, askDeviceFirst);
        printed.clear();
        bool hasDevice = false;
        const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
        {
            AudioBeeper beeper;
            if (askDeviceFirst)
                hasDevice = beeper.hasDevice();
            for (int i = 0; i < 50; ++i)
                beeper.beep();
            if (!askDeviceFirst)
                hasDevice = beeper.hasDevice();
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        qInstallMessageHandler(previous);
        QCOMPARE(hasDevice, !QMediaDevices::defaultAudioOutput().isNull());
        QVERIFY2(printed.isEmpty(), qPrintable(printed.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestAudioBeeper)
#include "tst_audiobeeper.moc"
