// SPDX-License-Identifier: GPL-3.0-or-later
// Guards that an error escaping a handler is reported as one line on standard
// error and does not end the program.
#include "app/application.h"

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

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
