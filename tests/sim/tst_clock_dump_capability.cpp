// SPDX-License-Identifier: Apache-2.0
// The simulated printer's clock and dump mode: the seven clock reports, the @ lines and SET
// RTCFORMAT that change them, the clock running on; what the dump mode keeps for each target,
// what it still serves, and what ends it.

#include "sim/simulated_printer.h"
#include "tests/sim/session_output.h"

#include <QtTest>
#include <memory>

using namespace lb::sim;

namespace {

QByteArray Talk(SimulatedPrinter& printer, const QByteArray& input) {
    PrinterSession session(printer, {});
    return test::FedInPieces(session, input, 3);
}

const QByteArray kClockReports =
    "DIAGNOSTIC REPORT YEAR\r\nDIAGNOSTIC REPORT MONTH\r\nDIAGNOSTIC REPORT DATE\r\n"
    "DIAGNOSTIC REPORT HOUR\r\nDIAGNOSTIC REPORT MINUTE\r\nDIAGNOSTIC REPORT SECOND\r\n"
    "DIAGNOSTIC REPORT RTCFORMAT\r\n";

QByteArray Frames(const QList<QByteArray>& values) {
    QByteArray all;
    for (const QByteArray& v : values)
        all += Frame(v);
    return all;
}

}   // namespace

class TestClockDumpCapability : public QObject {
    Q_OBJECT

private slots:
    // The computer's clock stands at 2026-03-31 23:59:58 while the commands go, then moves
    // on by `later` seconds.
    void clock_data() {
        QTest::addColumn<QByteArray>("commands");
        QTest::addColumn<int>("later");
        QTest::addColumn<QList<QByteArray>>("reports");
        using R = QList<QByteArray>;
        QTest::newRow("the computer's time")
            << QByteArray() << 0 << R{"2026", "3", "31", "23", "59", "58", "0"};
        QTest::newRow("the seven lines")
            << QByteArray("@YEAR = \"12\"\r\n@MONTH = \"7\"\r\n@DATE = \"4\"\r\n@HOUR = \"9\"\r\n"
                          "@MINUTE = \"5\"\r\n@SECOND = \"0\"\r\nSET RTCFORMAT 4\r\n")
            << 0 << R{"2012", "7", "4", "9", "5", "0", "4"};
        QTest::newRow("runs on from what was set")
            << QByteArray("@SECOND = \"30\"\r\n") << 45 << R{"2026", "4", "1", "0", "0", "15", "0"};
        QTest::newRow("a day February lacks")
            << QByteArray("@MONTH = \"2\"\r\n") << 0 << R{"2026", "2", "28", "23", "59", "58", "0"};
        QTest::newRow("out of range or no number: ignored")
            << QByteArray("@MONTH = \"13\"\r\n@DATE = \"0\"\r\n@HOUR = \"24\"\r\n@SECOND = \"x\"\r\n"
                          "@YEAR = \"2012\"\r\nSET RTCFORMAT 5\r\nSET RTCFORMAT -1\r\n")
            << 0 << R{"2026", "3", "31", "23", "59", "58", "0"};
    }
    void clock() {
        QFETCH(QByteArray, commands);
        QFETCH(int, later);
        QFETCH(QList<QByteArray>, reports);
        SimulatedPrinter printer;
        auto now = std::make_shared<QDateTime>(QDate(2026, 3, 31), QTime(23, 59, 58));
        printer.setComputerClock([now] { return *now; });
        QVERIFY(Talk(printer, commands).isEmpty());
        *now = now->addSecs(later);
        // A later connection reads the same clock.
        QCOMPARE(Talk(printer, kClockReports), Frames(reports));
    }

    // The header arrives without line end; what follows it is kept, not executed, in this and
    // later connections; the announcement, DIAGNOSTIC FILE and ESC sequences are still served.
    // A reset or INITIALPRINTER ends it, and so does the fetch of a dump's file (end empty).
    void dump_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("memory");   // -1: printed
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("end");
        QTest::newRow("print") << QByteArray("DUMP_TEXT PRINT,") << -1 << QByteArray()
                               << QByteArray("\x1b!R");
        QTest::newRow("print, ended by INITIALPRINTER")
            << QByteArray("DUMP_TEXT PRINT,") << -1 << QByteArray() << QByteArray("INITIALPRINTER\r\n");
        QTest::newRow("card") << QByteArray("DUMP_TEXT SAVE 1000,E,\"LOG1.TXT\",") << int(Memory::Card)
                              << QByteArray("LOG1.TXT") << QByteArray();
        QTest::newRow("file") << QByteArray("DUMP_TEXT SAVE 1000,\"Dump.txt\",") << int(Memory::Dram)
                              << QByteArray("Dump.txt") << QByteArray();
    }
    void dump() {
        QFETCH(QByteArray, header);
        QFETCH(int, memory);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, end);
        SimulatedPrinter printer;
        const QByteArray kept = "SPEED 2\r\nKILL \"*.*\"\r\nDOWNLOAD \"A\",2,AB\r\n@SECOND = \"7\"\r\n";
        QVERIFY(Talk(printer, header + kept).isEmpty());
        QCOMPARE(Talk(printer, "\r\nDIAGNOSTIC INTERFACE NET\r\n\x1b!?TEXT 10,10,\"A\"\r\n"),
                 Frame("OK") + QByteArray(1, '\0'));
        const QByteArray text = kept + "TEXT 10,10,\"A\"\r\n";
        const QByteArray fetch = "\r\nDIAGNOSTIC FILE \"" + name + "\"\r\n\r\n";
        if (memory < 0) {
            QCOMPARE(printer.printedText(), text);
        } else {
            // Another file's fetch is served and ends nothing.
            QCOMPARE(Talk(printer, "\r\nDIAGNOSTIC FILE \"NONE.TXT\"\r\n\r\n"), Frame(""));
            QVERIFY(printer.hasCommandTaker());
            QCOMPARE(Talk(printer, fetch), Frame(text));
            // KILL was kept, not executed; a file of the dump's name is replaced.
            const Memory before = Profile::Default().memories[memory];
            QCOMPARE(printer.profile().memories[memory].files.size(),
                     before.files.size() + (before.find(name) ? 0 : 1));
        }
        QCOMPARE(printer.reportReply("SPEED", nullptr), QByteArray("4.0"));
        QCOMPARE(printer.clockOffsetSeconds(), qint64(0));

        // Ended: commands are executed again and nothing more is kept.
        QVERIFY(Talk(printer, end + "SPEED 3\r\n").isEmpty());
        QCOMPARE(printer.reportReply("SPEED", nullptr), QByteArray("3"));
        if (memory < 0)
            QCOMPARE(printer.printedText(), text);
        else
            QCOMPARE(Talk(printer, fetch), Frame(text));
    }
};

QTEST_GUILESS_MAIN(TestClockDumpCapability)
#include "tst_clock_dump_capability.moc"
