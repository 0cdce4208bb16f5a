// SPDX-License-Identifier: Apache-2.0
// The capability registry: a capability added beside the standard ones (as a later file
// adds one) is served by an unchanged session: commands of one or two words, computed
// report keywords, ESC sequences, and a command without line end that takes raw bytes.

#include "sim/capability.h"
#include "sim/simulated_printer.h"
#include "tests/sim/session_output.h"

#include <QRegularExpression>
#include <QtTest>

#include <memory>

using namespace lb::sim;

namespace {

using lb::sim::test::FedInPieces;
using lb::sim::test::Joined;

// STORE "NAME",SIZE, and SIZE raw bytes, kept as the report NAME: a command of the shape of
// a file download, whose header has no line end.
void AddStore(CapabilityRegistry& r) {
    const auto whole = [](const QByteArray& line) {
        static const QRegularExpression header(QStringLiteral("^\\s*STORE \"[^\"]*\",\\d+,$"),
                                               QRegularExpression::CaseInsensitiveOption);
        return header.match(QString::fromLatin1(line)).hasMatch();
    };
    r.addHeaderCommand("STORE", whole, [](Exchange& x, const QByteArray& arguments) {
        QByteArray name;
        QuotedText(arguments, name);
        const qsizetype size = arguments.mid(arguments.lastIndexOf('"') + 2).chopped(1).toLongLong();
        auto block = std::make_shared<QByteArray>();
        x.takeBytes([=](Exchange& y, const QByteArray& bytes) {
            const qsizetype n = qMin(size - block->size(), bytes.size());
            block->append(bytes.left(n));
            if (n > 0 && block->size() == size)
                y.printer().edit([&](Profile& p) { p.reports[name] = *block; });
            return n;
        });
    });
}

}   // namespace

class TestCapabilities : public QObject {
    Q_OBJECT

private slots:
    void addedCapabilityIsServed_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("two words before one")
            << QByteArray("LAN NAME \"LB\"\r\n") << QByteArray("name \"LB\"");
        QTest::newRow("one word") << QByteArray("lan dhcp\r\n") << QByteArray("lan dhcp");
        QTest::newRow("computed keyword")
            << QByteArray("DIAGNOSTIC REPORT humidity\r\n") << QByteArray("{2|55}");
        QTest::newRow("profile keyword") << QByteArray("DIAGNOSTIC REPORT DPI\r\n") << QByteArray("{3|203}");
        QTest::newRow("new ESC sequence") << QByteArray("\x1b!T") << QByteArray("T");
        QTest::newRow("standard ESC sequence") << QByteArray("\x1b!?") << QByteArray(1, '\0');
        QTest::newRow("standard command")
            << QByteArray("SET RIBBON OFF\r\nDIAGNOSTIC REPORT RIBBON\r\n") << QByteArray("{1|0}");
    }
    void addedCapabilityIsServed() {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, reply);
        CapabilityRegistry r = StandardCapabilities();
        QVERIFY(r.addCommand("LAN", [](Exchange& x, const QByteArray& a) { x.reply("lan " + a); }));
        QVERIFY(r.addCommand("lan  name", [](Exchange& x, const QByteArray& a) { x.reply("name " + a); }));
        QVERIFY(r.addReport("HUMIDITY", [](const Profile&) { return std::optional(QByteArray("55")); }));
        QVERIFY(r.addEscape("\x1b!T", [](Exchange& x, const QByteArray&) { x.reply("T"); }));
        SimulatedPrinter printer(Profile::Default(), r);
        PrinterSession session(printer, {});
        QCOMPARE(FedInPieces(session, input, 1), reply);
    }

    // A download's data is not read as commands, whatever it holds and however it arrives;
    // what follows it is.
    void commandWithoutLineEndTakesItsBytes_data() {
        QTest::addColumn<int>("pieceSize");
        for (int size : {1, 2, 5, 64, 100000})
            QTest::addRow("%d", size) << size;
    }
    void commandWithoutLineEndTakesItsBytes() {
        QFETCH(int, pieceSize);
        QByteArray block("x\r\nDIAGNOSTIC REPORT DPI\r\n\x1b!?");
        for (int b = 0; b < 256; ++b)
            block.append(char(b));
        const QByteArray header = "STORE \"A.BIN\"," + QByteArray::number(block.size()) + ",";
        const QByteArray input = "DIAGNOSTIC REPORT DPI\r\n" + header + block + "DIAGNOSTIC REPORT A.BIN\r\n";
        CapabilityRegistry r = StandardCapabilities();
        AddStore(r);
        QVERIFY(r.conflicts().isEmpty());
        SimulatedPrinter printer(Profile::Default(), r);
        PrinterSession session(printer, {});
        QCOMPARE(FedInPieces(session, input, pieceSize), "{3|203}" + Frame(block));
        QCOMPARE(session.commands().size(), 3);
        QCOMPARE(session.commands()[1].bytes, header);
        QCOMPARE(session.transcript(), input);
    }

    void lineThatIsNoHeaderStaysALine() {
        CapabilityRegistry r = StandardCapabilities();
        AddStore(r);
        QVERIFY(r.conflicts().isEmpty());
        SimulatedPrinter printer(Profile::Default(), r);
        PrinterSession session(printer, {});
        const QByteArray input("STORE \"A.BAS\"\r\nSTORES 1,2,\r\nDIAGNOSTIC REPORT DPI\r\n");
        QCOMPARE(FedInPieces(session, input, 1), QByteArray("{3|203}"));
        QCOMPARE(session.commands().size(), 3);
        QCOMPARE(session.commands()[0].bytes, QByteArray("STORE \"A.BAS\""));
        QCOMPARE(session.commands()[1].bytes, QByteArray("STORES 1,2,"));
    }

    // Two capabilities that claim one key: the second is refused and named, the first stays.
    void takenOrMalformedKeysAreRefused() {
        CapabilityRegistry r = StandardCapabilities();
        const auto nothing = [](Exchange&, const QByteArray&) {};
        QVERIFY(StandardCapabilities().conflicts().isEmpty());
        QVERIFY(!r.addCommand("set", nothing));
        QVERIFY(!r.addCommand("DIAGNOSTIC   REPORT", nothing));
        QVERIFY(!r.addCommand("LAN IP ADDRESS", nothing));
        QVERIFY(!r.addHeaderCommand(
            "SET", [](const QByteArray&) { return true; }, nothing));
        QVERIFY(!r.addReport("edition", [](const Profile&) { return std::optional(QByteArray("1")); }));
        QVERIFY(!r.addEscape("!?", nothing));
        QVERIFY(!r.addEscape("\x1b!?", nothing));
        QVERIFY(!r.addLinePrefix('~', nothing));
        QCOMPARE(r.conflicts().size(), 8);
        SimulatedPrinter printer(Profile::Default(), r);
        PrinterSession session(printer, {});
        QCOMPARE(Joined(session.feed(
                     "SET RIBBON OFF\r\nDIAGNOSTIC REPORT RIBBON\r\nDIAGNOSTIC REPORT EDITION\r\n")),
                 QByteArray("{1|0}{3|104}"));
    }
};

QTEST_GUILESS_MAIN(TestCapabilities)
#include "tst_capabilities.moc"
