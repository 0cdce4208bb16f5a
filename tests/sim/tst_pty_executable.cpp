// SPDX-License-Identifier: Apache-2.0
// labelbench-sim --pty: prints the device it serves, and answers on it as the printer.

#include <QProcess>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

class TestPtyExecutable : public QObject {
    Q_OBJECT

private slots:
    void servesPseudoTerminal() {
        QProcess sim;
        sim.start(LABELBENCH_SIM_PATH, {"--pty"});
        QVERIFY(sim.waitForStarted());
        QVERIFY(sim.waitForReadyRead(5000));
        const QByteArray line = sim.readLine().trimmed();
        QVERIFY2(line.startsWith("labelbench-sim serving /dev/"), line.constData());
        const QByteArray path = line.mid(line.indexOf('/'));

        const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY);
        QVERIFY(fd >= 0);
        termios tio{};
        QCOMPARE(::tcgetattr(fd, &tio), 0);
        ::cfmakeraw(&tio);
        QCOMPARE(::tcsetattr(fd, TCSANOW, &tio), 0);
        const QByteArray command = "DIAGNOSTIC INTERFACE COM\r\n";
        QCOMPARE(::write(fd, command.constData(), size_t(command.size())), ssize_t(command.size()));
        QByteArray reply;
        while (!reply.endsWith('}')) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 5000) <= 0) break;
            char buffer[64];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0) break;
            reply.append(buffer, n);
        }
        ::close(fd);
        QCOMPARE(reply, QByteArray("{2|OK}"));
        sim.terminate();
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPtyExecutable)
#include "tst_pty_executable.moc"
