// SPDX-License-Identifier: Apache-2.0
// The dispatcher's rules and the operations of the link itself.

#include "app/language.h"
#include "link/dispatcher.h"
#include "link/link_error.h"
#include "link/link_timing.h"
#include "link/printer_link.h"
#include "scripted_transport.h"
#include "tests/support/short_timing.h"

#include <QtTest>

using namespace lb;

Q_DECLARE_METATYPE(lb::InterfaceKind)

namespace {
LinkTiming NoWaits() {
    return lb::test::ShortLinkTiming(10);
}
}   // namespace

class TestDispatcher : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{NoWaits()};

private slots:
    void oneCommandOperations_data() {
        QTest::addColumn<uint>("code");
        QTest::addColumn<InterfaceKind>("kind");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray lineModeOut("\x1b\x5a\x0d\x0a", 4);
        for (InterfaceKind kind :
             {InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Lpt, InterfaceKind::Ethernet}) {
            const QByteArray k = QByteArray::number(int(kind));
            QTest::newRow("25 leave line mode/" + k) << 25u << kind << lineModeOut;
            QTest::newRow("11 reset/" + k) << 11u << kind << QByteArray("\x1b\x21\x52", 3);
            QTest::newRow("17 ignore AUTO.BAS/" + k) << 17u << kind << QByteArray("\x1b\x21\x43", 3);
            QTest::newRow("7 self test/" + k) << 7u << kind << QByteArray("SELFTEST\r\n");
            QTest::newRow("5 factory default/" + k) << 5u << kind << QByteArray("INITIALPRINTER\r\n");
        }
    }

    void oneCommandOperations() {
        QFETCH(uint, code);
        QFETCH(InterfaceKind, kind);
        QFETCH(QByteArray, bytes);
        TransportScript script;
        ScopedScriptedTransport t(kind, &script);
        QCOMPARE(RunPrinterOperation(code, kind, nullptr, 0), 0);
        QCOMPARE(script.written(), bytes);
        QCOMPARE(script.opens, 1);
        QCOMPARE(script.closes, 1);
        QCOMPARE(script.fills, 0);
    }

    void oneCommandFailures() {
        TransportScript absent;
        absent.openFails = true;
        {
            ScopedScriptedTransport t(InterfaceKind::Usb, &absent);
            QCOMPARE(RunPrinterOperation(kOpLeaveLineMode, InterfaceKind::Usb, nullptr, 0),
                     int(kPortOpenError));
            QCOMPARE(absent.closes, 0);   // a failed open needs no close
        }
        TransportScript broken;
        broken.failWriteAt = 0;
        ScopedScriptedTransport t(InterfaceKind::Usb, &broken);
        QCOMPARE(RunPrinterOperation(kOpResetPrinter, InterfaceKind::Usb, nullptr, 0),
                 int(kDataTransmissionError));
        QCOMPARE(broken.closes, 1);
    }

    void codeAboveTheLast() {
        TransportScript script;
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        QCOMPARE(RunPrinterOperation(kLastOperationCode + 1, InterfaceKind::Usb, nullptr, 0),
                 int(kUnknownError));
        QCOMPARE(RunPrinterOperation(0xFFFFFFFFu, InterfaceKind::Usb, nullptr, 0), int(kUnknownError));
        QCOMPARE(script.opens, 0);
    }

    void parallelRules() {
        TransportScript script;
        ScopedScriptedTransport t(InterfaceKind::Lpt, &script);
        QCOMPARE(RunPrinterOperation(kOpQueryStatus, InterfaceKind::Lpt, nullptr, 0),
                 int(kDataReceivingError));
        QCOMPARE(RunPrinterOperation(kOpReadConfiguration, InterfaceKind::Lpt, nullptr, 1),
                 int(kDataReceivingError));
        char password[32] = "previous";
        QCOMPARE(RunPrinterOperation(kOpReadPassword, InterfaceKind::Lpt, password, 0), 0);
        QCOMPARE(password[0], '\0');
        QCOMPARE(script.opens, 0);
    }

    void linkCheck() {
        TransportScript script;
        {
            ScopedScriptedTransport t(InterfaceKind::Ethernet, &script);
            QCOMPARE(RunPrinterOperation(kOpLinkCheck, InterfaceKind::Ethernet, nullptr, 0), 0);
            QCOMPARE(script.opens, 1);
            QCOMPARE(script.closes, 1);
            QVERIFY(script.chunks.isEmpty());
        }
        TransportScript absent;
        absent.openFails = true;
        ScopedScriptedTransport t(InterfaceKind::Usb, &absent);
        QCOMPARE(RunPrinterOperation(kOpLinkCheck, InterfaceKind::Usb, nullptr, 0), int(kPortOpenError));
    }

    void absentDevicesFailToOpen() {
        // Until their links are built, USB, COM and LPT behave as if no device were present.
        for (InterfaceKind kind : {InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Lpt})
            QCOMPARE(RunPrinterOperation(kOpLinkCheck, kind, nullptr, 0), int(kPortOpenError));
    }

    void rawBlock() {
        TransportScript script;
        ScopedScriptedTransport t(InterfaceKind::Ethernet, &script);
        RecordingObserver observer;
        ScopedObserver o(&observer);
        QByteArray block(1300, 'z');
        QCOMPARE(
            RunPrinterOperation(kOpSendRawBlock, InterfaceKind::Ethernet, block.data(), int(block.size())),
            0);
        QCOMPARE(script.written(), block);
        QCOMPARE(observer.shown, 1);
        QCOMPARE(observer.hidden, 1);
        QCOMPARE(observer.values, (QList<int>{3, 39, 78, 100, 100, 100}));
        QVERIFY(!ProgressActive());
    }

    void rawBlockOfZeroBytes() {
        TransportScript script;
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        RecordingObserver observer;
        ScopedObserver o(&observer);
        QCOMPARE(RunPrinterOperation(kOpSendRawBlock, InterfaceKind::Usb, nullptr, 0), 0);
        QCOMPARE(script.opens, 1);
        QCOMPARE(script.closes, 1);
        QVERIFY(script.chunks.isEmpty());
        QCOMPARE(observer.shown, 1);
        QCOMPARE(observer.hidden, 1);
    }

    void rawBlockFailures() {
        TransportScript absent;
        absent.openFails = true;
        RecordingObserver observer;
        ScopedObserver o(&observer);
        {
            ScopedScriptedTransport t(InterfaceKind::Usb, &absent);
            QByteArray block(10, 'a');
            QCOMPARE(RunPrinterOperation(kOpSendRawBlock, InterfaceKind::Usb, block.data(), 10),
                     int(kPortOpenError));
            QCOMPARE(observer.shown, 0);   // nothing shown when the link never opened
        }
        TransportScript broken;
        broken.failWriteAt = 2;
        ScopedScriptedTransport t(InterfaceKind::Usb, &broken);
        QByteArray block(1000, 'a');
        QCOMPARE(RunPrinterOperation(kOpSendRawBlock, InterfaceKind::Usb, block.data(), 1000),
                 int(kDataTransmissionError));
        QCOMPARE(broken.chunks.size(), 2);
        QCOMPARE(broken.closes, 1);
        QCOMPARE(observer.hidden, observer.shown);
        QVERIFY(!ProgressActive());
        QCOMPARE(RunPrinterOperation(kOpSendRawBlock, InterfaceKind::Usb, block.data(), -1),
                 int(kUnknownError));
    }

    void progressAroundConfigurationRead() {
        // The read is not built yet, but the window rule already holds: shown only for extra 1,
        // hidden whatever the result.
        RecordingObserver observer;
        ScopedObserver o(&observer);
        RunPrinterOperation(kOpReadConfiguration, InterfaceKind::Ethernet, nullptr, 0);
        QCOMPARE(observer.shown, 0);
        RunPrinterOperation(kOpReadConfiguration, InterfaceKind::Ethernet, nullptr, 1);
        QCOMPARE(observer.shown, 1);
        QCOMPARE(observer.hidden, 1);
        QVERIFY(!ProgressActive());
    }

    void noSecondOperationWhileOneRuns() {
        TransportScript script;
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        RecordingObserver observer;
        ScopedObserver o(&observer);
        QList<int> nested;
        // A click or timer delivered while the transfer pumps the message loop.
        observer.onPump = [&] {
            nested.append(RunPrinterOperation(kOpResetPrinter, InterfaceKind::Usb, nullptr, 0));
        };
        QByteArray block(200, 'b');
        QCOMPARE(RunPrinterOperation(kOpSendRawBlock, InterfaceKind::Usb, block.data(), 200), 0);
        QCOMPARE(nested, (QList<int>{kOperationBusy, kOperationBusy, kOperationBusy, kOperationBusy}));
        QCOMPARE(script.written(), block);   // nothing of the nested call went out
        QCOMPARE(script.opens, 1);
        QVERIFY(!PrinterOperationRunning());
        observer.onPump = nullptr;
        QCOMPARE(RunPrinterOperation(kOpResetPrinter, InterfaceKind::Usb, nullptr, 0), 0);
    }

    void errorTexts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("1 en") << 1 << 0 << "Port Open Error";
        QTest::newRow("2 en") << 2 << 0 << "Data Transmission Error";
        QTest::newRow("3 en") << 3 << 0 << "Data Receiving Error";
        QTest::newRow("4 en") << 4 << 0 << "File Open Error";
        QTest::newRow("5 en") << 5 << 0 << "Unknown Error";
        QTest::newRow("6 en") << 6 << 0 << "Please Read Printer Config First";
        QTest::newRow("1 pt") << 1 << 5 << "Erro de Abertura de Porta";
        QTest::newRow("2 pt") << 2 << 5 << QString::fromUtf8("Erro de Transmissão de Dados");
        QTest::newRow("5 ru") << 5 << 9 << "Unknown Error";
        QTest::newRow("3 pt") << 3 << 5 << QString::fromUtf8("Erro de Recepção de Dados");
        QTest::newRow("6 pt") << 6 << 5
                              << QString::fromUtf8(
                                     "Por favor, primeiro obtenha as configurações da impressora.");
        QTest::newRow("1 de") << 1 << 6 << "Port Open Error";
        QTest::newRow("0") << 0 << 0 << QString();
        QTest::newRow("7") << 7 << 0 << QString();
        QTest::newRow("busy") << int(kOperationBusy) << 0 << QString();
    }

    void errorTexts() {
        QFETCH(int, code);
        QFETCH(int, language);
        QFETCH(QString, text);
        SetLanguageIndex(language);
        const QString shown = LinkErrorText(code);
        SetLanguageIndex(kEnglish);
        QCOMPARE(shown, text);
    }
};

QTEST_GUILESS_MAIN(TestDispatcher)
#include "tst_dispatcher.moc"
