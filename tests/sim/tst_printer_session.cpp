// SPDX-License-Identifier: Apache-2.0
// The simulated printer's interpreter: commands in any split, ESC sequences, replies, faults,
// and the printer profile.

#include "sim/simulated_printer.h"
#include "tests/sim/session_output.h"

#include <QTemporaryFile>
#include <QtTest>

using lb::sim::Command;
using lb::sim::Faults;
using lb::sim::Frame;
using lb::sim::PrinterSession;
using lb::sim::Profile;
using lb::sim::SimulatedPrinter;

Q_DECLARE_METATYPE(Faults::Malformed)

namespace {

using lb::sim::test::Joined;

const QByteArray kStatusQuery("\x1b\x21\x3f", 3);
const QByteArray kStatusDetail("\x1b\x21\x53\x0d\x0a", 5);
const QByteArray kReset("\x1b\x21\x52", 3);
const QByteArray kIgnoreAutoBas("\x1b\x21\x43", 3);
const QByteArray kLeaveLineMode("\x1b\x5a\x0d\x0a", 4);

Profile TestProfile() {
    Profile p = Profile::Default();
    p.reports["DPI"] = "203";
    p.reports["VERSION"] = "V1.23 EZ";
    p.statusByte = 0x21;
    p.statusDetail = QByteArray("\x01\x02\x03\x04\x0c\x06\x07\x08", 8);
    return p;
}

// A conversation with every kind of reply: announcement, report, unknown keyword, status
// byte, status detail, serial line.
const QByteArray kConversation = QByteArray("\r\nDIAGNOSTIC INTERFACE USB\r\n"
                                            "DIAGNOSTIC REPORT DPI\r\n"
                                            "DIAGNOSTIC REPORT NOSUCHKEY\r\n") +
                                 kStatusQuery + kStatusDetail + "OUT _SERIAL$\r\nSELFTEST\r\n";
const QByteArray kConversationReply = QByteArray("{2|OK}{3|203}") + char(0x21) +
                                      QByteArray("\x01\x02\x03\x04\x0c\x06\x07\x08", 8) +
                                      "LB4203A0012345\r\n";

QList<Command> ConversationCommands() {
    return {{Command::Kind::TextLine, "DIAGNOSTIC INTERFACE USB"},
            {Command::Kind::TextLine, "DIAGNOSTIC REPORT DPI"},
            {Command::Kind::TextLine, "DIAGNOSTIC REPORT NOSUCHKEY"},
            {Command::Kind::Escape, kStatusQuery},
            {Command::Kind::Escape, kStatusDetail},
            {Command::Kind::TextLine, "OUT _SERIAL$"},
            {Command::Kind::TextLine, "SELFTEST"}};
}

bool SameCommands(const QList<Command>& a, const QList<Command>& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].kind != b[i].kind || a[i].bytes != b[i].bytes) return false;
    return true;
}

QString Describe(const QList<Command>& commands) {
    QStringList parts;
    for (const Command& c : commands)
        parts << QString::fromLatin1((c.kind == Command::Kind::Escape ? "ESC:" : "TXT:") +
                                     c.bytes.toHex(' '));
    return parts.join(QLatin1String(" / "));
}

}   // namespace

class TestPrinterSession : public QObject {
    Q_OBJECT

private slots:
    void frame_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("framed");
        QTest::newRow("resolution") << QByteArray("203") << QByteArray("{3|203}");
        QTest::newRow("empty") << QByteArray() << QByteArray("{0|}");
        QTest::newRow("binary data") << QByteArray("{|}\0\n", 5) << QByteArray("{5|{|}\0\n}", 9);
    }
    void frame() {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, framed);
        QCOMPARE(Frame(data), framed);
    }

    void anySplitGivesTheSameConversation_data() {
        QTest::addColumn<int>("pieceSize");
        for (int size : {1, 2, 3, 5, 7, 64, 4096})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }
    void anySplitGivesTheSameConversation() {
        QFETCH(int, pieceSize);
        SimulatedPrinter printer(TestProfile());
        PrinterSession session(printer, {});
        QByteArray reply;
        for (qsizetype i = 0; i < kConversation.size(); i += pieceSize)
            reply += Joined(session.feed(kConversation.mid(i, pieceSize)));
        QCOMPARE(reply, kConversationReply);
        QVERIFY2(SameCommands(session.commands(), ConversationCommands()),
                 qPrintable(Describe(session.commands())));
        QCOMPARE(session.transcript(), kConversation);
        QVERIFY(!session.closed());
    }

    void everyTwoWaySplit() {
        SimulatedPrinter printer(TestProfile());
        for (qsizetype cut = 0; cut <= kConversation.size(); ++cut) {
            PrinterSession session(printer, {});
            QByteArray reply = Joined(session.feed(kConversation.left(cut)));
            reply += Joined(session.feed(kConversation.mid(cut)));
            QVERIFY2(reply == kConversationReply, qPrintable(QString("cut at %1").arg(cut)));
            QVERIFY2(SameCommands(session.commands(), ConversationCommands()),
                     qPrintable(QString("cut at %1").arg(cut)));
        }
    }

    void escapeSequences_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QList<Command>>("commands");
        using K = Command::Kind;
        QTest::newRow("status query")
            << kStatusQuery << QByteArray(1, char(0x21)) << QList<Command>{{K::Escape, kStatusQuery}};
        QTest::newRow("status detail") << kStatusDetail << QByteArray("\x01\x02\x03\x04\x0c\x06\x07\x08", 8)
                                       << QList<Command>{{K::Escape, kStatusDetail}};
        QTest::newRow("reset") << kReset << QByteArray() << QList<Command>{{K::Escape, kReset}};
        QTest::newRow("ignore AUTO.BAS")
            << kIgnoreAutoBas << QByteArray() << QList<Command>{{K::Escape, kIgnoreAutoBas}};
        QTest::newRow("leave line mode")
            << kLeaveLineMode << QByteArray() << QList<Command>{{K::Escape, kLeaveLineMode}};
        QTest::newRow("two queries back to back")
            << kStatusQuery + kStatusQuery << QByteArray(2, char(0x21))
            << QList<Command>{{K::Escape, kStatusQuery}, {K::Escape, kStatusQuery}};
        QTest::newRow("sequence, then a line")
            << kReset + "SELFTEST\r\n"
            << QByteArray() << QList<Command>{{K::Escape, kReset}, {K::TextLine, "SELFTEST"}};
        QTest::newRow("unknown ESC sequence is a line") << QByteArray("\x1b\x41\x42\r\n") << QByteArray()
                                                        << QList<Command>{{K::TextLine, "\x1b\x41\x42"}};
        QTest::newRow("broken sequence ended by LF")
            << QByteArray("\x1b\x21\n") << QByteArray() << QList<Command>{{K::TextLine, "\x1b\x21"}};
        QTest::newRow("ESC inside a line is data")
            << QByteArray("TEXT \x1b\x21\x3f\r\n") << QByteArray()
            << QList<Command>{{K::TextLine, QByteArray("TEXT \x1b\x21\x3f")}};
        QTest::newRow("status detail without its LF waits")
            << QByteArray("\x1b\x21\x53\x0d", 4) << QByteArray() << QList<Command>{};
    }
    void escapeSequences() {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, reply);
        QFETCH(QList<Command>, commands);
        SimulatedPrinter printer(TestProfile());
        {
            PrinterSession whole(printer, {});
            QCOMPARE(Joined(whole.feed(input)), reply);
            QVERIFY2(SameCommands(whole.commands(), commands), qPrintable(Describe(whole.commands())));
        }
        PrinterSession byByte(printer, {});
        QByteArray got;
        for (char c : input)
            got += Joined(byByte.feed(QByteArray(1, c)));
        QCOMPARE(got, reply);
        QVERIFY2(SameCommands(byByte.commands(), commands), qPrintable(Describe(byByte.commands())));
    }

    void lineEnds_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("CR LF") << QByteArray("A\r\nB\r\n") << QList<QByteArray>{"A", "B"};
        QTest::newRow("LF alone") << QByteArray("A\nB\n") << QList<QByteArray>{"A", "B"};
        QTest::newRow("blank lines are no command")
            << QByteArray("\r\n\r\nA\r\n\n\r\n") << QList<QByteArray>{"A"};
        QTest::newRow("unfinished line waits") << QByteArray("A\r\nB") << QList<QByteArray>{"A"};
        QTest::newRow("NUL bytes are data")
            << QByteArray("A\0B\r\n", 5) << QList<QByteArray>{QByteArray("A\0B", 3)};
    }
    void lineEnds() {
        QFETCH(QByteArray, input);
        QFETCH(QList<QByteArray>, lines);
        SimulatedPrinter printer;
        PrinterSession session(printer, {});
        session.feed(input);
        QList<QByteArray> got;
        for (const Command& c : session.commands())
            got << c.bytes;
        QCOMPARE(got, lines);
    }

    void reports_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("known keyword")
            << QByteArray("DIAGNOSTIC REPORT VERSION\r\n") << QByteArray("{8|V1.23 EZ}");
        QTest::newRow("edition from the profile")
            << QByteArray("DIAGNOSTIC REPORT EDITION\r\n") << QByteArray("{3|104}");
        QTest::newRow("no password set")
            << QByteArray("DIAGNOSTIC REPORT PASSWORD\r\n") << QByteArray("{0|}");
        QTest::newRow("unknown keyword: no answer")
            << QByteArray("DIAGNOSTIC REPORT FOO\r\n") << QByteArray();
        QTest::newRow("any interface") << QByteArray("DIAGNOSTIC INTERFACE COM\r\n") << QByteArray("{2|OK}");
        QTest::newRow("configuration command: no answer") << QByteArray("SET RIBBON ON\r\n") << QByteArray();
        QTest::newRow("serial number line")
            << QByteArray("OUT _SERIAL$\r\n") << QByteArray("LB4203A0012345\r\n");
    }
    void reports() {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, reply);
        SimulatedPrinter printer(TestProfile());
        PrinterSession session(printer, {});
        QCOMPARE(Joined(session.feed(command)), reply);
        QCOMPARE(session.commands().size(), 1);
    }

    void defaultProfileAnswersTheConfigurationKeywords() {
        // Every keyword LabelBench reads for a configuration of an edition-104 printer.
        const QList<QByteArray> keywords{"DPI",
                                         "VERSION",
                                         "MILAGE",
                                         "CHECKSUM",
                                         "SPEED",
                                         "DENSITY",
                                         "DENSITYBASE",
                                         "PAPERWIDTH",
                                         "PAPERHEIGHT",
                                         "SENSORMODE",
                                         "GAPSIZE",
                                         "GAPOFFSET",
                                         "PRINTOUT",
                                         "CUTTERPIECE",
                                         "REFERENCEX",
                                         "REFERENCEY",
                                         "DIRCTION",
                                         "MIRROR",
                                         "OFFSET",
                                         "OFFSETBASE",
                                         "SHIFT",
                                         "SHIFTBASE",
                                         "RIBBON",
                                         "CODEPAGE",
                                         "COUNTRY",
                                         "HEAD",
                                         "GAPINTEN",
                                         "BLINEINTEN",
                                         "CONINTEN",
                                         "BAUDRATE",
                                         "DATABIT",
                                         "PARITY",
                                         "STOPBIT",
                                         "REPRINT",
                                         "SHIFTX",
                                         "SHIFTXBASE",
                                         "EDITION",
                                         "ZDARKNESS",
                                         "ZSPEED",
                                         "ZPOSITION",
                                         "ZPRINTMODE",
                                         "ZLABELWIDTH",
                                         "ZCONTROL",
                                         "ZFORMAT",
                                         "ZDELIMITER",
                                         "ZFEEDPOWERUP",
                                         "ZFEEDHEADCLOSE",
                                         "ZLABELTOP",
                                         "ZLABELSHIFT",
                                         "DHEAT",
                                         "DSPEED",
                                         "DLABELWIDTH",
                                         "DPRESENTSENSOR",
                                         "DCUTTEREQUIPPED",
                                         "DCONTROLCODES",
                                         "DCOLUMNOFFSET",
                                         "DROWOFFSET",
                                         "CUTCOUNTER",
                                         "MAXLENGTH",
                                         "RESETMILAGE",
                                         "RESETCUTCOUNTER",
                                         "RIBBONSENSOR",
                                         "RIBBONENCODER",
                                         "AUTOTHRESHOLD",
                                         "PASSWORD"};
        SimulatedPrinter printer;
        for (const QByteArray& k : keywords) {
            bool known = false;
            const QByteArray data = printer.reportReply(k, &known);
            QVERIFY2(known, k.constData());
            // Texts read straight into 16-byte fields must fit them.
            if (k == "MILAGE" || k == "RESETMILAGE" || k == "CHECKSUM")
                QVERIFY2(data.size() <= 14, k.constData());
        }
        bool known = true;
        printer.reportReply("NOSUCHKEY", &known);
        QVERIFY(!known);
    }

    void passwordIsSetAndReadBack() {
        SimulatedPrinter printer;
        {
            PrinterSession session(printer, {});
            QCOMPARE(Joined(session.feed("DIAGNOSTIC PASSWORD \"s3cr\xe9t\"\r\n")), QByteArray("{1|1}"));
        }
        // The printer keeps it for the next connection.
        PrinterSession next(printer, {});
        QCOMPARE(Joined(next.feed("DIAGNOSTIC REPORT PASSWORD\r\n")), QByteArray("{6|s3cr\xe9t}"));
        QCOMPARE(Joined(next.feed("DIAGNOSTIC PASSWORD \"\"\r\n")), QByteArray("{1|1}"));
        QCOMPARE(Joined(next.feed("DIAGNOSTIC REPORT PASSWORD\r\n")), QByteArray("{0|}"));
        // A text without its quotes changes nothing.
        QCOMPARE(Joined(next.feed("DIAGNOSTIC PASSWORD abc\r\n")), QByteArray("{1|0}"));
        QCOMPARE(printer.profile().password, QByteArray());
    }

    void oldFirmwareHasNoPassword() {
        Profile p = Profile::Default();
        p.edition = 100;
        SimulatedPrinter printer(p);
        PrinterSession session(printer, {});
        QCOMPARE(Joined(session.feed("DIAGNOSTIC REPORT EDITION\r\n")), QByteArray("{3|100}"));
        QCOMPARE(Joined(session.feed("DIAGNOSTIC REPORT PASSWORD\r\n")), QByteArray());
        QCOMPARE(Joined(session.feed("DIAGNOSTIC PASSWORD \"x\"\r\n")), QByteArray());
        QCOMPARE(printer.profile().password, QByteArray());
    }

    void malformedFrames_data() {
        QTest::addColumn<Faults::Malformed>("kind");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("none") << Faults::Malformed::None << QByteArray("{3|203}");
        QTest::newRow("missing closing brace")
            << Faults::Malformed::MissingClosingBrace << QByteArray("{3|203]");
        QTest::newRow("32 digits") << Faults::Malformed::TooManyDigits
                                   << QByteArray("{" + QByteArray(31, '0') + "3|203}");
        QTest::newRow("no separator") << Faults::Malformed::NoSeparator << QByteArray("{3:203}");
        QTest::newRow("oversized") << Faults::Malformed::OversizedLength
                                   << QByteArray("{5000|203" + QByteArray(4997, '#') + "}");
    }
    void malformedFrames() {
        QFETCH(Faults::Malformed, kind);
        QFETCH(QByteArray, reply);
        Faults f;
        f.malformed = kind;
        SimulatedPrinter printer(TestProfile());
        PrinterSession session(printer, f);
        QCOMPARE(Joined(session.feed("DIAGNOSTIC REPORT DPI\r\n")), reply);
        // Status bytes are no frames and stay as they are.
        QCOMPARE(Joined(session.feed(kStatusQuery)), QByteArray(1, char(0x21)));
    }

    void noiseGoesBeforeFramesOnly() {
        Faults f;
        f.noiseBeforeFrame = "\r\nxy";
        SimulatedPrinter printer(TestProfile());
        PrinterSession session(printer, f);
        QCOMPARE(Joined(session.feed("\r\nDIAGNOSTIC INTERFACE NET\r\nDIAGNOSTIC REPORT DPI\r\n")),
                 QByteArray("\r\nxy{2|OK}\r\nxy{3|203}"));
        QCOMPARE(Joined(session.feed(kStatusQuery)), QByteArray(1, char(0x21)));
        QCOMPARE(Joined(session.feed("OUT _SERIAL$\r\n")), QByteArray("LB4203A0012345\r\n"));
    }

    void oneByteSegmentsAndDelay() {
        Faults f;
        f.oneByteSegments = true;
        f.replyDelayMs = 250;
        SimulatedPrinter printer(TestProfile());
        PrinterSession session(printer, f);
        const PrinterSession::Output out = session.feed("DIAGNOSTIC REPORT DPI\r\n");
        QCOMPARE(out.segments.size(), 7);
        for (const QByteArray& s : out.segments)
            QCOMPARE(s.size(), 1);
        QCOMPARE(Joined(out), QByteArray("{3|203}"));
        QCOMPARE(out.delayMs, 250);
        QVERIFY(!out.close);
        // No reply, nothing to wait for.
        QCOMPARE(session.feed("SELFTEST\r\n").delayMs, 0);
    }

    void silentKeywords() {
        Faults f;
        f.silentKeywords = {"REPRINT", "edition"};
        SimulatedPrinter printer(TestProfile());
        PrinterSession session(printer, f);
        QCOMPARE(Joined(session.feed("DIAGNOSTIC REPORT REPRINT\r\n")), QByteArray());
        QCOMPARE(Joined(session.feed("DIAGNOSTIC REPORT EDITION\r\n")), QByteArray());
        QCOMPARE(Joined(session.feed("DIAGNOSTIC REPORT DPI\r\n")), QByteArray("{3|203}"));
        QCOMPARE(session.commands().size(), 3);
    }

    void closeAfterCommands_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("reply");
        // Announcement, report, status query, reset, report.
        QTest::newRow("1") << 1 << QByteArray("{2|OK}");
        QTest::newRow("2") << 2 << QByteArray("{2|OK}{3|203}");
        QTest::newRow("3: an escape counts") << 3 << QByteArray("{2|OK}{3|203}\x21");
        QTest::newRow("4: an escape without reply counts") << 4 << QByteArray("{2|OK}{3|203}\x21");
        QTest::newRow("more than sent") << 9 << QByteArray("{2|OK}{3|203}\x21{8|V1.23 EZ}");
    }
    void closeAfterCommands() {
        QFETCH(int, count);
        QFETCH(QByteArray, reply);
        Faults f;
        f.closeAfterCommands = count;
        SimulatedPrinter printer(TestProfile());
        const QByteArray input = "\r\nDIAGNOSTIC INTERFACE NET\r\nDIAGNOSTIC REPORT DPI\r\n" + kStatusQuery +
                                 kReset + "DIAGNOSTIC REPORT VERSION\r\n";
        PrinterSession session(printer, f);
        const PrinterSession::Output out = session.feed(input);
        QCOMPARE(Joined(out), reply);
        const bool closes = count <= 5;
        QCOMPARE(out.close, closes);
        QCOMPARE(session.closed(), closes);
        QCOMPARE(session.commands().size(), qMin(count, 5));
        // Whatever comes later is received but not answered.
        const PrinterSession::Output later = session.feed("DIAGNOSTIC REPORT DPI\r\n");
        QCOMPARE(later.segments.isEmpty(), closes);
        QCOMPARE(later.close, false);
        QCOMPARE(session.transcript(), input + "DIAGNOSTIC REPORT DPI\r\n");
    }

    void longLineWithoutLineEndIsBounded() {
        // A raw block without any LF is cut into 64 KiB commands instead of growing forever.
        SimulatedPrinter printer;
        PrinterSession session(printer, {});
        const QByteArray block(8 * 1024 * 1024, 'x');
        for (qsizetype i = 0; i < block.size(); i += 512)
            session.feed(block.mid(i, 512));
        QCOMPARE(session.commands().size(), 128);
        for (const Command& c : session.commands())
            QCOMPARE(c.bytes.size(), 64 * 1024);
        QCOMPARE(session.transcript().size(), block.size());
        // The interpreter is still in step afterwards.
        QCOMPARE(Joined(session.feed("\r\nDIAGNOSTIC REPORT DPI\r\n")), QByteArray("{3|203}"));
    }

    void binaryDataDoesNotBreakTheInterpreter() {
        // Every byte value, repeated, as in a font or image download.
        QByteArray block;
        for (int round = 0; round < 64; ++round)
            for (int b = 0; b < 256; ++b)
                block.append(char(b));
        SimulatedPrinter printer(TestProfile());
        PrinterSession session(printer, {});
        const QByteArray header("DOWNLOAD \"A.BMP\",16384,");
        session.feed(header);
        session.feed(block);
        QCOMPARE(session.transcript(), header + block);
        // A fresh line is understood again.
        QCOMPARE(Joined(session.feed("\r\nDIAGNOSTIC REPORT DPI\r\n")), QByteArray("{3|203}"));
    }

    void profileFromJson() {
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(R"({"edition": 99, "reports": {"DPI": "300", "extra": "1"}, "statusByte": 8,
                      "statusDetail": [0,0,0,0,12,0,0,0], "password": "pw", "interfaceReply": "HI",
                      "serialNumber": "S1"})");
        file.close();
        Profile p;
        QString error;
        QVERIFY2(Profile::LoadFromFile(file.fileName(), p, &error), qPrintable(error));
        QCOMPARE(p.edition, 99);
        QCOMPARE(p.reports.value("DPI"), QByteArray("300"));
        QCOMPARE(p.reports.value("EXTRA"), QByteArray("1"));
        QCOMPARE(p.reports.value("VERSION"), Profile::Default().reports.value("VERSION"));   // merged
        QCOMPARE(p.statusByte, uint8_t(8));
        QCOMPARE(p.statusDetail, QByteArray("\0\0\0\0\x0c\0\0\0", 8));
        QCOMPARE(p.password, QByteArray("pw"));
        QCOMPARE(p.interfaceReply, QByteArray("HI"));
        QCOMPARE(p.serialNumber, QByteArray("S1"));
    }

    void shippedOldFirmwareProfile() {
        Profile p;
        QString error;
        QVERIFY2(Profile::LoadFromFile(QStringLiteral(LABELBENCH_TEST_PROFILE_DIR "/old-firmware.json"), p,
                                       &error),
                 qPrintable(error));
        SimulatedPrinter printer(p);
        PrinterSession session(printer, {});
        QCOMPARE(Joined(session.feed("DIAGNOSTIC REPORT DPI\r\n")), QByteArray("{3|300}"));
        // null in the profile: keywords this firmware has no answer for.
        QCOMPARE(Joined(session.feed("DIAGNOSTIC REPORT REPRINT\r\n")), QByteArray());
        QCOMPARE(Joined(session.feed("DIAGNOSTIC REPORT SHIFTX\r\n")), QByteArray());
        QCOMPARE(Joined(session.feed("DIAGNOSTIC REPORT PASSWORD\r\n")), QByteArray());
        QCOMPARE(Joined(session.feed("DIAGNOSTIC REPORT EDITION\r\n")), QByteArray("{2|99}"));
    }

    void badProfiles_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray("{edition: 1");
        QTest::newRow("not an object") << QByteArray("[1,2]");
        QTest::newRow("edition as text") << QByteArray(R"({"edition": "104"})");
        QTest::newRow("status byte too large") << QByteArray(R"({"statusByte": 256})");
        QTest::newRow("detail of 7 bytes") << QByteArray(R"({"statusDetail": [0,0,0,0,0,0,0]})");
        QTest::newRow("detail byte negative") << QByteArray(R"({"statusDetail": [0,0,0,0,-1,0,0,0]})");
        QTest::newRow("report not a text") << QByteArray(R"({"reports": {"DPI": 203}})");
        QTest::newRow("password not a text") << QByteArray(R"({"password": 1})");
    }
    void badProfiles() {
        QFETCH(QByteArray, json);
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(json);
        file.close();
        Profile p = Profile::Default();
        p.edition = 7;   // untouched on failure
        QString error;
        QVERIFY(!Profile::LoadFromFile(file.fileName(), p, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(p.edition, 7);
    }

    void missingProfileFile() {
        Profile p;
        QString error;
        QVERIFY(!Profile::LoadFromFile(QStringLiteral("/nonexistent/profile.json"), p, &error));
        QVERIFY(error.contains(QLatin1String("/nonexistent/profile.json")));
    }
};

QTEST_GUILESS_MAIN(TestPrinterSession)
#include "tst_printer_session.moc"
