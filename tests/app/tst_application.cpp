// SPDX-License-Identifier: GPL-3.0-or-later
// Guards that an error escaping a handler is reported as one line on standard
// error and does not end the program, and the command line's options.
#include "app/application.h"
#include "app/launchoptions.h"
#include "lessons/fichierseance.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <stdexcept>
#ifdef _WIN32
#include <io.h>
#define dup _dup
#define dup2 _dup2
#define close _close
#define STDERR_FILENO 2
#else
#include <unistd.h>
#endif

namespace {

class Lanceur : public QObject
{
public:
    bool avecMessage = true;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (avecMessage)
            throw std::runtime_error("valeur illisible");
        throw 42;
    }
};

// Runs f with standard error sent to a file, and returns what was written.
template <typename F> QByteArray erreurStandard(F f)
{
    QTemporaryFile fichier;
    if (!fichier.open())
        return {};
    std::fflush(stderr);
    const int sauvegarde = dup(STDERR_FILENO);
    dup2(fichier.handle(), STDERR_FILENO);
    f();
    std::fflush(stderr);
    dup2(sauvegarde, STDERR_FILENO);
    close(sauvegarde);
    fichier.seek(0);
    return fichier.readAll();
}

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void escapedErrorIsOneLine_data();
    void escapedErrorIsOneLine();
    void launchOptions_data();
    void launchOptions();
    void qtChoicesAreNoted_data();
    void qtChoicesAreNoted();
    void fittingZoom_data();
    void fittingZoom();
    void programRefusesABadZoom_data();
    void programRefusesABadZoom();
    void programTakesQtOptions_data();
    void programTakesQtOptions();
};

void TestApplication::escapedErrorIsOneLine_data()
{
    QTest::addColumn<bool>("avecMessage");
    QTest::addColumn<QByteArray>("ligne");
    QTest::addRow("standard exception")
        << true << QByteArray("systemes-regulation: valeur illisible\n");
    QTest::addRow("anything else") << false << QByteArray("systemes-regulation: unknown error\n");
}

void TestApplication::escapedErrorIsOneLine()
{
    QFETCH(bool, avecMessage);
    QFETCH(QByteArray, ligne);

    Lanceur lanceur;
    lanceur.avecMessage = avecMessage;
    const QByteArray ecrit = erreurStandard([&] {
        QCoreApplication::postEvent(&lanceur, new QEvent(QEvent::User));
        QCoreApplication::sendPostedEvents(&lanceur, QEvent::User);
    });
    QCOMPARE(ecrit, ligne);

    // The loop goes on: the next event is delivered as usual.
    QTimer::singleShot(0, &lanceur, [&] { lanceur.setObjectName(QStringLiteral("encore")); });
    QTRY_COMPARE(lanceur.objectName(), QStringLiteral("encore"));
}

void TestApplication::launchOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("zoom"); // 0: none, -1: auto
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("seance");
    QTest::addRow("nothing") << QStringList{} << 0.0 << false << false << QString();
    QTest::addRow("a lesson among options")
        << QStringList{"-platform", "offscreen", "--zoom", "2", "diabete.regulation"} << 2.0
        << false << false << "diabete.regulation";
    QTest::addRow("a lesson after the options' end")
        << QStringList{"--zoom=2", "--", "-fievre.regulation"} << 2.0 << false << false
        << "-fievre.regulation";
    QTest::addRow("two lessons") << QStringList{"a.regulation", "b.regulation"} << 0.0 << false
                                 << true << QString();
    QTest::addRow("Qt's own options")
        << QStringList{"-platform", "offscreen", "--style=fusion", "-reverse", "-display", ":0"}
        << 0.0 << false << false << QString();
    QTest::addRow("Qt's option before the zoom")
        << QStringList{"-platform", "offscreen", "--zoom=2"} << 2.0 << false << false << QString();
    QTest::addRow("auto") << QStringList{"--zoom=auto"} << -1.0 << false << false << QString();
    QTest::addRow("factor") << QStringList{"--zoom=2"} << 2.0 << false << false << QString();
    QTest::addRow("separate value")
        << QStringList{"--zoom", "1.5"} << 1.5 << false << false << QString();
    QTest::addRow("decimal comma")
        << QStringList{"--zoom=1,25"} << 1.25 << false << false << QString();
    QTest::addRow("lowest") << QStringList{"--zoom=1"} << 1.0 << false << false << QString();
    QTest::addRow("highest") << QStringList{"--zoom=4"} << 4.0 << false << false << QString();
    QTest::addRow("help") << QStringList{"--help"} << 0.0 << true << false << QString();
    QTest::addRow("short help") << QStringList{"-h"} << 0.0 << true << false << QString();
    QTest::addRow("word") << QStringList{"--zoom=abc"} << 0.0 << false << true << QString();
    QTest::addRow("zero") << QStringList{"--zoom=0"} << 0.0 << false << true << QString();
    QTest::addRow("too large") << QStringList{"--zoom=9"} << 0.0 << false << true << QString();
    QTest::addRow("just below") << QStringList{"--zoom=0.99"} << 0.0 << false << true << QString();
    QTest::addRow("not a number") << QStringList{"--zoom=nan"} << 0.0 << false << true << QString();
    QTest::addRow("infinite") << QStringList{"--zoom=inf"} << 0.0 << false << true << QString();
    QTest::addRow("empty") << QStringList{"--zoom="} << 0.0 << false << true << QString();
    QTest::addRow("no value") << QStringList{"--zoom"} << 0.0 << false << true << QString();
    QTest::addRow("misspelt") << QStringList{"--zom=2"} << 0.0 << false << true << QString();
    QTest::addRow("unknown flag") << QStringList{"-x"} << 0.0 << false << true << QString();
    QTest::addRow("a flag of Qt's given a value")
        << QStringList{"-reverse=1"} << 0.0 << false << true << QString();
}

void TestApplication::launchOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(double, zoom);
    QFETCH(bool, help);
    QFETCH(bool, refused);
    QFETCH(QString, seance);
    const LaunchOptions options =
        parseLaunchOptions(QStringList{QStringLiteral("systemes-regulation")} + arguments);
    QCOMPARE(!options.error.isEmpty(), refused);
    if (refused) {
        QVERIFY(!options.error.contains(QLatin1Char('\n')));
        QVERIFY2(options.error.contains(arguments.last().section(QLatin1Char('='), 0, 0)),
                 qPrintable(options.error));
        return;
    }
    QCOMPARE(options.zoom, zoom);
    QCOMPARE(options.help, help);
    QCOMPARE(options.seance, seance);
}

// The look is left to Qt only when the command line names a platform or a
// style: options that merely begin alike do not count.
void TestApplication::qtChoicesAreNoted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("platform");
    QTest::addColumn<bool>("style");
    QTest::addRow("none") << QStringList{"--zoom=2", "-reverse"} << false << false;
    QTest::addRow("platform") << QStringList{"-platform", "windows"} << true << false;
    QTest::addRow("platform attached") << QStringList{"--platform=offscreen"} << true << false;
    QTest::addRow("style") << QStringList{"-style", "windows"} << false << true;
    QTest::addRow("style attached") << QStringList{"--style=fusion"} << false << true;
    QTest::addRow("alike names") << QStringList{"-platformpluginpath", "p", "-platformtheme=t",
                                                "-stylesheet", "s.qss"}
                                 << false << false;
}

void TestApplication::qtChoicesAreNoted()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, platform);
    QFETCH(bool, style);
    const LaunchOptions options =
        parseLaunchOptions(QStringList{QStringLiteral("systemes-regulation")} + arguments);
    QVERIFY(options.error.isEmpty());
    QCOMPARE(options.platformChosen, platform);
    QCOMPARE(options.styleChosen, style);
}

// The client area with the curve shown is 640 x 590 (the curve's box ends at
// row 571, the status bar is 19 high under it); the frame and title bar take
// 16 x 40 screen pixels at any zoom.
void TestApplication::fittingZoom_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<double>("zoom");
    QTest::addRow("projector, 1920 x 1080") << QSize(1920, 1080) << 1.76; // 1040 / 590
    QTest::addRow("with a panel, 1920 x 1040") << QSize(1920, 1040) << 1.69;
    QTest::addRow("laptop, 1366 x 728") << QSize(1366, 728) << 1.16;
    QTest::addRow("narrow, 1000 x 2000") << QSize(1000, 2000) << 1.53; // 984 / 640
    QTest::addRow("small screen") << QSize(640, 480) << 1.0;
    QTest::addRow("4K screen") << QSize(3840, 2160) << 3.59;
}

void TestApplication::fittingZoom()
{
    QFETCH(QSize, available);
    QFETCH(double, zoom);
    QCOMPARE(::fittingZoom(available), zoom);
}

// The program itself: a bad zoom is one line on standard error and status 2;
// the usage is in French.
void TestApplication::programRefusesABadZoom_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::addRow("word") << "--zoom=abc" << 2 << "« abc »";
    QTest::addRow("zero") << "--zoom=0" << 2 << "« 0 »";
    QTest::addRow("nine") << "--zoom=9" << 2 << "« 9 »";
    QTest::addRow("misspelt option") << "--zom=2" << 2 << "« --zom=2 »";
    QTest::addRow("two lessons") << "a.regulation b.regulation" << 2 << "« b.regulation »";
    QTest::addRow("help") << "--help" << 0 << "Utilisation : systemes-regulation";
}

void TestApplication::programRefusesABadZoom()
{
    QFETCH(QString, argument);
    QFETCH(int, status);
    QFETCH(QString, output);
    QProcess program;
    program.start(QStringLiteral(REGULATION_PROGRAM), argument.split(QLatin1Char(' ')));
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    if (status == 0) {
        QVERIFY2(out.startsWith(output), qPrintable(out));
        QVERIFY(out.contains(QLatin1String("--zoom=auto")));
        QVERIFY(err.isEmpty());
    } else {
        QVERIFY(out.isEmpty());
        QCOMPARE(err.count(QLatin1Char('\n')), 1);
        QVERIFY2(err.contains(output), qPrintable(err));
    }
}

// Qt's options reach the program with and without the zoom: with no display
// to open, the program runs only if "-platform offscreen" reached Qt. Qt's
// offscreen screen is 800 x 800: a zoom of 2 does not fit, 1.22 does
// ((800 - 16) / 640).
void TestApplication::programTakesQtOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("titre");
    const QString titre = QStringLiteral("Systèmes de régulation");
    QTest::addRow("no zoom") << QStringList{"-platform", "offscreen"} << QString() << titre;
    QTest::addRow("auto") << QStringList{"--zoom=auto", "-platform", "offscreen"} << QString()
                          << titre;
    QTest::addRow("too large") << QStringList{"-platform", "offscreen", "--zoom=2"}
                               << "zoom ramené à 1,22" << titre;
    // A lesson named on the command line is the first look.
    QTest::addRow("a lesson") << QStringList{"-platform", "offscreen", "fievre.regulation"}
                              << QString() << "fievre — " + titre;
    QTest::addRow("a bad lesson") << QStringList{"-platform", "offscreen", "absente.regulation"}
                                  << QString() << titre;
}

void TestApplication::programTakesQtOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, notice);
    QFETCH(QString, titre);
    QTemporaryDir dossier;
    Situation fievre;
    fievre.systeme = QStringLiteral("Homéothermie");
    fievre.valeurConsigne = 39;
    {
        QFile lecon(dossier.filePath(QStringLiteral("fievre.regulation")));
        QVERIFY(lecon.open(QIODevice::WriteOnly));
        lecon.write(ecritSeance(fievre));
    }
    QProcess program;
    program.setWorkingDirectory(dossier.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR"})
        environment.remove(QString::fromLatin1(name));
    // The program says when its window is shown and its event loop runs: a
    // start that hangs says nothing.
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("regulation.startup.debug=true"));
    // On Windows a windowed program logs to the debugger unless told otherwise.
    environment.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(REGULATION_PROGRAM), arguments);
    QVERIFY(program.waitForStarted());
    QString err;
    QElapsedTimer attente;
    attente.start();
    while (!err.contains(QLatin1String("regulation.startup: window shown")) &&
           program.state() == QProcess::Running && attente.elapsed() < 20000) {
        program.waitForReadyRead(500);
        err += QString::fromLocal8Bit(program.readAllStandardError());
    }
    QVERIFY2(
        program.state() == QProcess::Running,
        qPrintable(QStringLiteral("ended with status %1: %2").arg(program.exitCode()).arg(err)));
    QVERIFY2(err.contains(QLatin1String("regulation.startup: window shown")),
             qPrintable(QStringLiteral("no window shown in 20 s: ") + err));
    QVERIFY2(err.contains(QRegularExpression(
                 QStringLiteral(", titled %1\r?\n").arg(QRegularExpression::escape(titre)))),
             qPrintable(err));
    program.kill();
    program.waitForFinished();
    // Qt's own warnings aside (no runtime folder here), what the program says.
    const QStringList said =
        (err + QString::fromLocal8Bit(program.readAllStandardError()))
            .split(QLatin1Char('\n'))
            .filter(QRegularExpression(QStringLiteral("^systemes-regulation")));
    QCOMPARE(said.size(), notice.isEmpty() ? 0 : 1);
    if (!notice.isEmpty())
        QVERIFY2(said.first().contains(notice), qPrintable(said.first()));
}

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
