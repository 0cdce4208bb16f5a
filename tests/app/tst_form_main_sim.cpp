// SPDX-License-Identifier: Apache-2.0
// The main window against the simulated printer on 127.0.0.1.

#include "app/ui/form_main.h"
#include "link/link_timing.h"
#include "network/discovery_exchange.h"
#include "network/ui/form_net_setup.h"
#include "sim/sim_server.h"
#include "tests/support/short_timing.h"
#include "ui_common/message_box.h"

#include "tests/support/no_real_devices.h"
#include "tests/support/when_modal.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

using lb::InterfaceKind;
using lb::TFormMain;

namespace {

const QByteArray kLeaveLineMode("\x1b\x5a\x0d\x0a", 4);
constexpr int kWaitMs = 10000;   // only a bound for a broken run; the exchanges take milliseconds

lb::LinkTiming ShortTiming() {
    return lb::test::ShortLinkTiming(2000);
}

}   // namespace

class TestFormMainSim : public QObject {
    Q_OBJECT
private slots:
    void init() { lb::test::InstallAbsentDevices(); }
    // Link check (a connection with nothing sent), then leave line mode, then whatever the
    // configuration read sends; no message in any case.
    void firstContactOnTheSimulatedPrinter() {
        lb::ScopedLinkTiming timing(ShortTiming());
        lb::sim::SimServer printer;
        QVERIFY(printer.start(0));
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form({InterfaceKind::Ethernet, "127.0.0.1", printer.port(), {}});
        form.RunFirstContact();
        QVERIFY(printer.waitForClosedConnections(2, kWaitMs));
        const QList<QByteArray> transcripts = printer.transcripts();
        QVERIFY(transcripts.size() >= 2);
        QCOMPARE(transcripts.at(0), QByteArray());
        QCOMPARE(transcripts.at(1), kLeaveLineMode);
        QCOMPARE(answers.shown().size(), 0);
        QVERIFY(form.isEnabled());
    }

    // The user's way: pick ETHERNET, give the target in Setup, click Out of Line Mode. The
    // printer receives exactly ESC Z CR LF on one connection.
    void outOfLineModeThroughSetup() {
        lb::ScopedLinkTiming timing(ShortTiming());
        lb::sim::SimServer printer;
        QVERIFY(printer.start(0));
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form;   // USB at start: nothing reaches the simulated printer
        form.findChild<QComboBox*>("ComboBoxInterFace")->setCurrentIndex(3);

        // The dialog's discovery goes to a socket of this test's that never answers.
        QUdpSocket silent;
        QVERIFY(silent.bind(QHostAddress::LocalHost, 0));
        lb::DiscoveryEndpoint endpoint =
            lb::SingleDestinationEndpoint(QHostAddress::LocalHost, silent.localPort());
        endpoint.quietMs = endpoint.replyWaitMs = 10;
        lb::ScopedDiscoveryEndpoint scoped(endpoint);
        lb::test::WhenModal<lb::TFormNetSetup> whenModal([&](lb::TFormNetSetup* editor) {
            QTRY_VERIFY(!editor->busy());
            auto* host = editor->findChild<QLineEdit*>("EditIPAddr");
            host->clear();
            QTest::keyClicks(host, "127.0.0.1");
            editor->findChild<QLineEdit*>("EditPort")->setText(QString::number(printer.port()));
            QTest::mouseClick(editor->findChild<QPushButton*>("ButtonExit"), Qt::LeftButton);
        });
        QTest::mouseClick(form.findChild<QPushButton*>("ButtonInterFace"), Qt::LeftButton);
        QCOMPARE(form.networkTarget().port, int(printer.port()));

        QTest::mouseClick(form.findChild<QPushButton*>("ButtonLineModeOut"), Qt::LeftButton);
        QVERIFY(printer.waitForClosedConnections(1, kWaitMs));
        QCOMPARE(printer.connectionCount(), 1);
        QCOMPARE(printer.transcripts(), QList<QByteArray>{kLeaveLineMode});
        QCOMPARE(answers.shown().size(), 0);
        QVERIFY(form.isEnabled());
    }

    // The function buttons that send one command each.
    void functionButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Out of Line Mode") << "ButtonLineModeOut" << kLeaveLineMode;
        QTest::newRow("Reset Printer") << "ButtonRestPrinter" << QByteArray("\x1b\x21\x52", 3);
        QTest::newRow("Configuration Page") << "ButtonSelfTest" << QByteArray("SELFTEST\r\n");
        QTest::newRow("Ignore AUTO.BAS") << "ButtonIgnoreAuto" << QByteArray("\x1b\x21\x43", 3);
    }

    void functionButtons() {
        QFETCH(QString, button);
        QFETCH(QByteArray, bytes);
        lb::ScopedLinkTiming timing(ShortTiming());
        lb::sim::SimServer printer;
        QVERIFY(printer.start(0));
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form({InterfaceKind::Ethernet, "127.0.0.1", printer.port(), {}});
        // The first contact: link check, leave line mode, configuration read.
        form.RunFirstContact();
        QVERIFY(printer.waitForClosedConnections(3, kWaitMs));
        const int before = 3;
        QCOMPARE(printer.connectionCount(), before);
        QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
        QVERIFY(printer.waitForClosedConnections(before + 1, kWaitMs));
        QCOMPARE(printer.transcripts().last(), bytes);
        QCOMPARE(answers.shown().size(), 0);
        QVERIFY(form.isEnabled());
    }
};

QTEST_MAIN(TestFormMainSim)
#include "tst_form_main_sim.moc"
