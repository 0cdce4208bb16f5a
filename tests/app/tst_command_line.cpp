// SPDX-License-Identifier: Apache-2.0
// labelbench's command line where there is no display: what only prints must still work.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void printsWithoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stdoutHas");
        QTest::addColumn<QString>("stderrHas");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "--interface <kind>"
                                << "";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "LabelBench "
                                   << "";
        QTest::newRow("toolkit options are not ours to refuse")
            << QStringList{"-platform", "xcb", "-style=fusion", "-reverse", "--help"} << 0
            << "Service utility for thermal label printers."
            << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 64 << ""
                                        << "Unknown option 'bogus'";
        QTest::newRow("bad port") << QStringList{"--port", "0"} << 64 << ""
                                  << "--port needs a number";
        QTest::newRow("stray argument") << QStringList{"label.txt"} << 64 << ""
                                        << "unexpected argument";
        QTest::newRow("demo with a link") << QStringList{"--demo", "--interface", "usb"} << 64 << ""
                                          << "--demo chooses the link itself";
    }
    void printsWithoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, stdoutHas);
        QFETCH(QString, stderrHas);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(LABELBENCH_GUI_PATH), arguments);
        QVERIFY(program.waitForFinished(30000));
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == exitCode, qPrintable(err));
        QVERIFY2(out.contains(stdoutHas), qPrintable(out));
        QVERIFY2(err.contains(stderrHas), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
