// SPDX-License-Identifier: Apache-2.0
// Operations 2 and 3 and the decisions of the password gate and of Password Setup.

#include "config/password.h"
#include "link/dispatcher.h"
#include "link/printer_link.h"
#include "sim/in_process_transport.h"
#include "tests/link/scripted_transport.h"
#include "tests/support/short_timing.h"

#include <QtTest>
#include <cstring>

using namespace lb;

Q_DECLARE_METATYPE(lb::GateAnswer)
Q_DECLARE_METATYPE(lb::PasswordSetupDecision)

namespace {

const QByteArray kAnnouncement("\r\nDIAGNOSTIC INTERFACE USB\r\n");
const QByteArray kEditionReport("DIAGNOSTIC REPORT EDITION\r\n");
const QByteArray kPasswordReport("DIAGNOSTIC REPORT PASSWORD\r\n");

QByteArray Framed(const QByteArray& data) {
    return "{" + QByteArray::number(data.size()) + "|" + data + "}";
}

}   // namespace

class TestPassword : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{lb::test::ShortLinkTiming(300)};
    SerialSettings m_serial = DefaultSerialSettings();
    ParallelPortName m_parallel = DefaultParallelPortName();
    NetworkTarget m_target = DefaultNetworkTarget();

private slots:
    void initTestCase() { RegisterLinkSettings(&m_serial, &m_parallel, &m_target); }
    void cleanup() { SetTransport(InterfaceKind::Usb, nullptr); }

    // The simulated printer of each edition: PASSWORD is asked only above edition 100.
    void readFromSimulatedPrinter_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QByteArray>("transcript");
        QTest::newRow("99") << 99 << QByteArray("Secret") << QByteArray() << kAnnouncement + kEditionReport;
        QTest::newRow("100") << 100 << QByteArray("Secret") << QByteArray() << kAnnouncement + kEditionReport;
        QTest::newRow("101") << 101 << QByteArray("Secret") << QByteArray("Secret")
                             << kAnnouncement + kEditionReport + kPasswordReport;
        QTest::newRow("102") << 102 << QByteArray("Secret") << QByteArray("Secret")
                             << kAnnouncement + kEditionReport + kPasswordReport;
        QTest::newRow("104 without password")
            << 104 << QByteArray() << QByteArray() << kAnnouncement + kEditionReport + kPasswordReport;
    }

    void readFromSimulatedPrinter() {
        QFETCH(int, edition);
        QFETCH(QByteArray, password);
        QFETCH(QByteArray, expected);
        QFETCH(QByteArray, transcript);
        sim::Profile profile = sim::Profile::Default();
        profile.edition = edition;
        profile.password = password;
        sim::SimulatedPrinter printer(profile);
        sim::InProcessStats stats;
        QList<std::shared_ptr<sim::PrinterSession>> sessions;
        SetTransport(InterfaceKind::Usb, sim::MakeInProcessTransport(&printer, {}, &stats, &sessions));
        char buffer[kPasswordBufferSize];
        std::strcpy(buffer, "stale");
        QCOMPARE(RunPrinterOperation(kOpReadPassword, InterfaceKind::Usb, buffer, 0), 0);
        QCOMPARE(QByteArray(buffer), expected);
        QCOMPARE(sessions.size(), 1);
        QCOMPARE(sessions.first()->transcript(), transcript);
    }

    // Scripted replies: the edition's leading number decides, and every failure leaves the
    // buffer empty.
    void readScripted_data() {
        QTest::addColumn<bool>("openFails");
        QTest::addColumn<QList<QByteArray>>("segments");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QByteArray>("written");
        const QByteArray all = kAnnouncement + kEditionReport + kPasswordReport;
        const QByteArray two = kAnnouncement + kEditionReport;
        const QByteArray ok = Framed("OK");
        QTest::newRow("cannot open") << true << QList<QByteArray>{} << 1 << QByteArray() << QByteArray();
        QTest::newRow("no announcement reply")
            << false << QList<QByteArray>{} << 3 << QByteArray() << kAnnouncement;
        QTest::newRow("no edition reply") << false << QList<QByteArray>{ok} << 3 << QByteArray() << two;
        QTest::newRow("no password reply")
            << false << QList<QByteArray>{ok, Framed("102")} << 3 << QByteArray() << all;
        QTest::newRow("malformed password reply")
            << false << QList<QByteArray>{ok, Framed("102"), "{6|Sec"} << 3 << QByteArray() << all;
        QTest::newRow("edition with spaces and a suffix")
            << false << QList<QByteArray>{ok, Framed(" 101abc"), Framed("Pw")} << 0 << QByteArray("Pw")
            << all;
        QTest::newRow("edition without digits")
            << false << QList<QByteArray>{ok, Framed("V1")} << 0 << QByteArray() << two;
        QTest::newRow("negative edition")
            << false << QList<QByteArray>{ok, Framed("-102")} << 0 << QByteArray() << two;
        QTest::newRow("huge edition")
            << false << QList<QByteArray>{ok, Framed("99999999999999999999"), Framed("x")} << 0
            << QByteArray("x") << all;
        QTest::newRow("password of 1022 bytes")
            << false << QList<QByteArray>{ok, Framed("102"), Framed(QByteArray(1022, 'p'))} << 0
            << QByteArray(1022, 'p') << all;
        QTest::newRow("password of 1023 bytes does not fit")
            << false << QList<QByteArray>{ok, Framed("102"), Framed(QByteArray(1023, 'p'))} << 3
            << QByteArray() << all;
    }

    void readScripted() {
        QFETCH(bool, openFails);
        QFETCH(QList<QByteArray>, segments);
        QFETCH(int, result);
        QFETCH(QByteArray, expected);
        QFETCH(QByteArray, written);
        TransportScript script;
        script.openFails = openFails;
        script.segments = segments;
        ScopedScriptedTransport transport(InterfaceKind::Usb, &script);
        char buffer[kPasswordBufferSize];
        std::strcpy(buffer, "stale");
        QCOMPARE(RunPrinterOperation(kOpReadPassword, InterfaceKind::Usb, buffer, 0), result);
        QCOMPARE(QByteArray(buffer), expected);
        QCOMPARE(script.written(), written);
        QCOMPARE(script.closes, openFails ? 0 : 1);
    }

    void readOnLptIsEmptyWithoutOpening() {
        TransportScript script;
        ScopedScriptedTransport transport(InterfaceKind::Lpt, &script);
        char buffer[kPasswordBufferSize];
        std::strcpy(buffer, "stale");
        QCOMPARE(RunPrinterOperation(kOpReadPassword, InterfaceKind::Lpt, buffer, 0), 0);
        QCOMPARE(buffer[0], '\0');
        QCOMPARE(script.opens, 0);
        QCOMPARE(ReadPassword(InterfaceKind::Usb, nullptr), int(kUnknownError));
    }

    void sendWritesTheCommand_data() {
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("plain") << QByteArray("abc") << QByteArray("DIAGNOSTIC PASSWORD \"abc\"\r\n");
        QTest::newRow("empty removes it") << QByteArray() << QByteArray("DIAGNOSTIC PASSWORD \"\"\r\n");
        QTest::newRow("spaces, comma, 8-bit")
            << QByteArray("a b,\xe9") << QByteArray("DIAGNOSTIC PASSWORD \"a b,\xe9\"\r\n");
        QTest::newRow("longest: 999 bytes")
            << QByteArray(999, 'x') << "DIAGNOSTIC PASSWORD \"" + QByteArray(999, 'x') + "\"\r\n";
    }

    // Exact bytes, one framed reply whose content does not matter.
    void sendWritesTheCommand() {
        QFETCH(QByteArray, password);
        QFETCH(QByteArray, command);
        QCOMPARE(command.size() <= kPasswordBufferSize - 1, true);
        QCOMPARE(PasswordCommand(password), command);
        for (const QByteArray& reply : {Framed("1"), Framed("0"), Framed("")}) {
            TransportScript script;
            script.segments = {reply};
            ScopedScriptedTransport transport(InterfaceKind::Usb, &script);
            QCOMPARE(RunPrinterOperation(kOpSendPassword, InterfaceKind::Usb, password.data(), 0), 0);
            QCOMPARE(script.written(), command);
            QCOMPARE(script.closes, 1);
        }
    }

    void sendFailures_data() {
        QTest::addColumn<bool>("openFails");
        QTest::addColumn<int>("failWriteAt");
        QTest::addColumn<QList<QByteArray>>("segments");
        QTest::addColumn<int>("result");
        QTest::newRow("cannot open") << true << -1 << QList<QByteArray>{} << 1;
        QTest::newRow("not written") << false << 0 << QList<QByteArray>{} << 2;
        QTest::newRow("no reply") << false << -1 << QList<QByteArray>{} << 3;
        QTest::newRow("unframed reply") << false << -1 << QList<QByteArray>{"1\r\n"} << 3;
    }

    void sendFailures() {
        QFETCH(bool, openFails);
        QFETCH(int, failWriteAt);
        QFETCH(QList<QByteArray>, segments);
        QFETCH(int, result);
        TransportScript script;
        script.openFails = openFails;
        script.failWriteAt = failWriteAt;
        script.segments = segments;
        ScopedScriptedTransport transport(InterfaceKind::Usb, &script);
        QCOMPARE(SendPassword(InterfaceKind::Usb, "abc"), result);
        QCOMPARE(script.closes, openFails ? 0 : 1);
        QVERIFY(!LinkIsOpen());
    }

    void unsendablePasswords_data() {
        QTest::addColumn<QByteArray>("password");
        QTest::newRow("double quote") << QByteArray("a\"b");
        QTest::newRow("CR") << QByteArray("a\rb");
        QTest::newRow("LF") << QByteArray("a\nb");
        QTest::newRow("CR LF and a new command") << QByteArray("x\"\r\nINITIALPRINTER\r\n");
        // ESC ! R inside the quotes would reset the printer; no control character is sent.
        QTest::newRow("ESC ! R") << QByteArray("a\x1b!Rb");
        QTest::newRow("TAB") << QByteArray("a\tb");
        QTest::newRow("BEL") << QByteArray("a\ab");
        QTest::newRow("DEL") << QByteArray("a\x7f");
        QTest::newRow("unit separator") << QByteArray("\x1f");
        QTest::newRow("1000 bytes") << QByteArray(1000, 'x');
        QTest::newRow("very long") << QByteArray(5000, 'x');
    }

    // Refused before the link is opened: nothing reaches the printer.
    void unsendablePasswords() {
        QFETCH(QByteArray, password);
        QVERIFY(!IsSendablePassword(password));
        TransportScript script;
        script.segments = {Framed("1")};
        ScopedScriptedTransport transport(InterfaceKind::Usb, &script);
        QCOMPARE(RunPrinterOperation(kOpSendPassword, InterfaceKind::Usb, password.data(), 0),
                 int(kUnknownError));
        QCOMPARE(script.opens, 0);
        QCOMPARE(script.written(), QByteArray());
    }

    void nulAndNullAreRefused() {
        QVERIFY(!IsSendablePassword(QByteArray("a\0b", 3)));
        QVERIFY(IsSendablePassword(QByteArray()));
        QVERIFY(IsSendablePassword(QByteArray(999, 'x')));
        TransportScript script;
        ScopedScriptedTransport transport(InterfaceKind::Usb, &script);
        QCOMPARE(SendPassword(InterfaceKind::Usb, nullptr), int(kUnknownError));
        QCOMPARE(script.opens, 0);
    }

    // Set, read back, remove, read back against the simulated printer.
    void roundTrip() {
        sim::SimulatedPrinter printer(sim::Profile::Default());
        sim::InProcessStats stats;
        SetTransport(InterfaceKind::Usb, sim::MakeInProcessTransport(&printer, {}, &stats));
        char buffer[kPasswordBufferSize];
        QCOMPARE(SendPassword(InterfaceKind::Usb, "N3w pass"), 0);
        QCOMPARE(ReadPassword(InterfaceKind::Usb, buffer), 0);
        QCOMPARE(QByteArray(buffer), QByteArray("N3w pass"));
        QCOMPARE(SendPassword(InterfaceKind::Usb, ""), 0);
        QCOMPARE(ReadPassword(InterfaceKind::Usb, buffer), 0);
        QCOMPARE(QByteArray(buffer), QByteArray());
    }

    void gate_data() {
        QTest::addColumn<QByteArray>("printer");
        QTest::addColumn<GateAnswer>("answer");
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("passes");
        QTest::newRow("no password, no dialog")
            << QByteArray() << GateAnswer::Cancelled << QByteArray() << true;
        QTest::newRow("no password, anything")
            << QByteArray() << GateAnswer::Confirmed << QByteArray("x") << true;
        QTest::newRow("right entry") << QByteArray("Secret") << GateAnswer::Confirmed << QByteArray("Secret")
                                     << true;
        QTest::newRow("case differs")
            << QByteArray("Secret") << GateAnswer::Confirmed << QByteArray("secret") << false;
        QTest::newRow("trailing space")
            << QByteArray("Secret") << GateAnswer::Confirmed << QByteArray("Secret ") << false;
        QTest::newRow("prefix") << QByteArray("Secret") << GateAnswer::Confirmed << QByteArray("Sec")
                                << false;
        QTest::newRow("empty entry") << QByteArray("Secret") << GateAnswer::Confirmed << QByteArray()
                                     << false;
        QTest::newRow("cancelled with the right entry")
            << QByteArray("Secret") << GateAnswer::Cancelled << QByteArray("Secret") << false;
        // A password that looks like a dialog's result word must not open the gate by itself.
        QTest::newRow("password 'ok', cancelled")
            << QByteArray("ok") << GateAnswer::Cancelled << QByteArray() << false;
        QTest::newRow("password 'cancel', cancelled")
            << QByteArray("cancel") << GateAnswer::Cancelled << QByteArray("cancel") << false;
    }

    void gate() {
        QFETCH(QByteArray, printer);
        QFETCH(GateAnswer, answer);
        QFETCH(QByteArray, entry);
        QFETCH(bool, passes);
        QCOMPARE(PasswordGatePasses(printer, answer, entry), passes);
        QCOMPARE(PasswordGateNeedsDialog(printer), !printer.isEmpty());
    }

    void setupDecision_data() {
        QTest::addColumn<QByteArray>("current");
        QTest::addColumn<QByteArray>("oldEntry");
        QTest::addColumn<QByteArray>("newEntry");
        QTest::addColumn<PasswordSetupDecision>("decision");
        using D = PasswordSetupDecision;
        QTest::newRow("first password") << QByteArray() << QByteArray() << QByteArray("abc") << D::Send;
        QTest::newRow("old given but none set")
            << QByteArray() << QByteArray("abc") << QByteArray("x") << D::WrongOldPassword;
        QTest::newRow("change") << QByteArray("abc") << QByteArray("abc") << QByteArray("xyz") << D::Send;
        QTest::newRow("remove") << QByteArray("abc") << QByteArray("abc") << QByteArray() << D::Send;
        QTest::newRow("wrong old") << QByteArray("abc") << QByteArray("ABC") << QByteArray("xyz")
                                   << D::WrongOldPassword;
        QTest::newRow("wrong old, unsendable new")
            << QByteArray("abc") << QByteArray("abd") << QByteArray("x\"y") << D::WrongOldPassword;
        QTest::newRow("same as old") << QByteArray("abc") << QByteArray("abc") << QByteArray("abc")
                                     << D::Unchanged;
        QTest::newRow("none stays none") << QByteArray() << QByteArray() << QByteArray() << D::Unchanged;
        QTest::newRow("quote") << QByteArray("abc") << QByteArray("abc") << QByteArray("x\"y")
                               << D::NotSendable;
        QTest::newRow("too long") << QByteArray() << QByteArray() << QByteArray(1000, 'x') << D::NotSendable;
    }

    void setupDecision() {
        QFETCH(QByteArray, current);
        QFETCH(QByteArray, oldEntry);
        QFETCH(QByteArray, newEntry);
        QFETCH(PasswordSetupDecision, decision);
        QCOMPARE(DecidePasswordSetup(current, oldEntry, newEntry), decision);
    }
};

QTEST_GUILESS_MAIN(TestPassword)
#include "tst_password.moc"
