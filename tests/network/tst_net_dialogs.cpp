// SPDX-License-Identifier: Apache-2.0
// The TCP/IP Setup and Ethernet Setup dialogs driven by their controls: the discovery protocol
// against two simulated printers behind one UDP responder on 127.0.0.1, and the main window's
// Ethernet Setup button over the link to the simulated printer on TCP loopback. No datagram
// leaves the machine: every test runs under a loopback discovery endpoint.

#include "app/ui/form_main.h"
#include "link/link_observer.h"
#include "network/ui/form_ethernet_setup.h"
#include "network/ui/form_net_setup.h"
#include "sim/sim_server.h"
#include "sim/udp_responder.h"
#include "tests/network/loopback_endpoint.h"
#include "tests/support/no_real_devices.h"
#include "tests/support/screenshot.h"
#include "tests/support/short_timing.h"
#include "tests/support/when_modal.h"
#include "ui_common/message_box.h"

#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>
#include <functional>
#include <optional>

using lb::TFormEthernetSetup;
using lb::TFormNetSetup;

namespace {

constexpr int kWaitMs = 10000;   // only a bound for a broken run
const lb::MacBytes kSecondMac = {0x02, 0, 0, 0, 0, 0x02};

QWidget* Get(QWidget* in, const QString& name) {
    return in->findChild<QWidget*>(name);
}
// Near the left edge: a stretched radio button's middle is no hit.
void Click(QWidget* in, const QString& button) {
    QWidget* b = Get(in, button);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}
QLineEdit* Edit(QWidget* in, const QString& name) {
    return in->findChild<QLineEdit*>(name);
}

bool OnLoopbackOnly() {
    const lb::DiscoveryEndpoint& e = lb::CurrentDiscoveryEndpoint();
    return e.firstDestination.isLoopback() && e.secondDestination.isLoopback();
}

// Two printers on one responder, which gets both requests of a discovery: each is listed
// twice. The TCP/IP Setup dialog is open on a target with the given host, its opening
// discovery over.
struct Network {
    explicit Network(const QByteArray& host = {}, bool answering = true) {
        second.edit([](lb::sim::Profile& p) {
            p.network.mac = kSecondMac;
            p.network.name = "PACKING";
            p.network.address = {192, 168, 1, 101};
            p.network.state = 3;
            p.network.flags = 0x41;
        });
        if (answering) responder.start(0);
        endpoint.emplace(lb::test::LoopbackEndpoint(answering ? responder.port() : 9));
        lb::CopyToField(target.host, host.constData(), std::size_t(host.size()));
        if (!OnLoopbackOnly()) return;
        dialog.Open(&target);
        dialog.show();
        ready = QTest::qWaitFor([&] { return !dialog.busy(); }, kWaitMs);
    }
    QTreeWidget* list() { return dialog.findChild<QTreeWidget*>("ListView1"); }
    QStringList row(int i) {
        QStringList texts;
        for (int c = 0; c < 5; ++c)
            texts.append(list()->topLevelItem(i)->text(c));
        return texts;
    }
    QList<QByteArray> received(int count) {
        responder.waitForReceived(count, kWaitMs);
        return responder.received();
    }

    lb::ScopedMessageBoxAnswers answers;
    lb::sim::SimulatedPrinter first, second;
    lb::sim::UdpResponder responder{{&first, &second}};
    std::optional<lb::ScopedDiscoveryEndpoint> endpoint;
    lb::NetworkTarget target = lb::DefaultNetworkTarget();
    TFormNetSetup dialog;
    bool ready = false;
};

struct PumpHook final : lb::LinkObserver {
    std::function<void()> check;
    void pumpEvents() override { check(); }
};

}   // namespace

class TestNetDialogs : public QObject {
    Q_OBJECT

    lb::test::ScopedNoRealDevices m_noDevices;
    // A discovery that no test directed anywhere goes to the discard port of this machine.
    lb::ScopedDiscoveryEndpoint m_stray{lb::test::LoopbackEndpoint(9)};

private slots:
    void init() { QVERIFY(OnLoopbackOnly()); }

    // The opening discovery lists each reply in arrival order; an empty host becomes the first
    // printer's address (or the fallback when nobody answers), a given host stays. A click on
    // a row takes its address. Discover Device lists again with the next sequence number, the
    // dialog busy meanwhile: buttons disabled, the busy cursor, no second action, no close.
    void opening_data() {
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<bool>("answering");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty host") << QByteArray() << true << "192.168.1.100";
        QTest::newRow("host kept") << QByteArray("printer-7") << true << "printer-7";
        QTest::newRow("nobody answers") << QByteArray() << false << "192.168.1.100";
    }
    void opening() {
        QFETCH(QByteArray, host);
        QFETCH(bool, answering);
        QFETCH(QString, shown);
        Network n(host, answering);
        QVERIFY(n.ready);
        QCOMPARE(QString::fromLatin1(n.target.host), shown);
        QCOMPARE(Edit(&n.dialog, "EditIPAddr")->text(), shown);
        QCOMPARE(Edit(&n.dialog, "EditPort")->text(), QString("9100"));
        QCOMPARE(n.list()->topLevelItemCount(), answering ? 4 : 0);
        if (!answering) return;
        const QString model = n.row(0).at(3);
        QCOMPARE(n.row(0),
                 QStringList({"LABELPRINTER", "02:00:00:00:00:01", "192.168.1.100", model, "Ready"}));
        QCOMPARE(n.row(1),
                 QStringList({"PACKING", "02:00:00:00:00:02", "192.168.1.101", model, "Carriage Open"}));
        QCOMPARE(n.row(3), n.row(1));
        QCOMPARE(n.list()->topLevelItem(0)->isSelected(), host.isEmpty());
        if (host.isEmpty()) lb::test::Shoot(&n.dialog, "net-tcpip-setup");

        const QRect second = n.list()->visualItemRect(n.list()->topLevelItem(1));
        QTest::mouseClick(n.list()->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(Edit(&n.dialog, "EditIPAddr")->text(), QString("192.168.1.101"));
        QCOMPARE(QString::fromLatin1(n.target.host), shown);   // stored only by Exit

        int pumps = 0, busy = 0;
        PumpHook hook;
        hook.check = [&] {
            ++pumps;
            const QCursor* cursor = QGuiApplication::overrideCursor();
            busy += !Get(&n.dialog, "ButtonDiscover")->isEnabled() &&
                    !Get(&n.dialog, "ButtonExit")->isEnabled() && cursor && cursor->shape() == Qt::BusyCursor;
            n.dialog.ButtonDiscoverClick();
            n.dialog.ButtonChangeIPClick();
            n.dialog.reject();
        };
        {
            lb::ScopedObserver observer(&hook);
            Click(&n.dialog, "ButtonDiscover");
        }
        QVERIFY(pumps > 0);
        QCOMPARE(busy, pumps);
        QVERIFY(n.dialog.isVisible() && Get(&n.dialog, "ButtonDiscover")->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(n.list()->topLevelItemCount(), 4);
        const QByteArray one = lb::DiscoverRequest(1), two = lb::DiscoverRequest(2);
        QCOMPARE(n.received(4), QList<QByteArray>({one, one, two, two}));
        QVERIFY(n.answers.shown().isEmpty());
    }

    // Factory Default asks first; only Yes sends, to the selected printer, and empties the list.
    void factoryDefault_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("sent");
        QTest::newRow("Yes") << 1 << int(QMessageBox::Yes) << true;
        QTest::newRow("No") << 1 << int(QMessageBox::No) << false;
        QTest::newRow("no row selected") << -1 << int(QMessageBox::Yes) << false;
    }
    void factoryDefault() {
        QFETCH(int, row);
        QFETCH(int, answer);
        QFETCH(bool, sent);
        Network n;
        QVERIFY(n.ready);
        n.list()->clearSelection();
        if (row >= 0) n.list()->setCurrentItem(n.list()->topLevelItem(row));
        n.answers.setNextAnswer(QMessageBox::StandardButton(answer));
        Click(&n.dialog, "ButtonFactoryDefault");
        QCOMPARE(n.answers.shownTexts(), row < 0 ? QStringList() : QStringList{"Are you sure?"});
        QCOMPARE(n.list()->topLevelItemCount(), sent ? 0 : 4);
        const QList<QByteArray> received = n.received(sent ? 3 : 2);
        QCOMPARE(received.size(), sent ? 3 : 2);
        if (!sent) return;
        QCOMPARE(received.last(), lb::FactoryDefaultRequest(2, kSecondMac));
        QCOMPARE(n.second.profile().network.name, QByteArray("LABELPRINTER"));   // reset
    }

    // Change IP Address: two reads fill the Ethernet Setup dialog; the four writes go out only
    // after Set IP or Set Printer Name, all with the change's sequence number; a refused typed
    // text keeps the dialog open and, cancelled then, nothing is written.
    void changeSettings_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("written");
        QTest::newRow("Set IP") << "EditIP"
                                << "192.168.1.150"
                                << "ButtonSetIP" << true;
        QTest::newRow("Set Printer Name") << "EditPrinterName"
                                          << "SHIPPING"
                                          << "ButtonSetPrinterName" << true;
        QTest::newRow("Cancel") << "EditIP"
                                << "192.168.1.150"
                                << "ButtonCancel" << false;
        QTest::newRow("address refused") << "EditIP"
                                         << "1.2.3"
                                         << "ButtonSetIP" << false;
        QTest::newRow("gateway refused") << "EditGateWay"
                                         << "192.168.1.1 x"
                                         << "ButtonSetIP" << false;
        QTest::newRow("name refused") << "EditPrinterName"
                                      << "A\"B"
                                      << "ButtonSetPrinterName" << false;
    }
    void changeSettings() {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, button);
        QFETCH(bool, written);
        Network n;
        QVERIFY(n.ready);
        n.list()->setCurrentItem(n.list()->topLevelItem(1));
        QStringList shown;
        bool stayedOpen = false;
        lb::test::WhenModal<TFormEthernetSetup> answer([&](TFormEthernetSetup* d) {
            for (const char* e : {"EditIP", "EditMask", "EditGateWay", "EditPrinterName", "EditMACAddr"})
                shown.append(Edit(d, e)->text());
            Edit(d, edit)->setText(text);
            Click(d, button);
            stayedOpen = d->isVisible();
            if (stayedOpen) Click(d, "ButtonCancel");
        });
        Click(&n.dialog, "ButtonChangeIP");
        QCOMPARE(answer.runs(), 1);
        QCOMPARE(shown, QStringList({"192.168.1.101", "255.255.255.0", "192.168.1.1", "PACKING",
                                     "02:00:00:00:00:02"}));
        const bool refused = !written && button != "ButtonCancel";
        QCOMPARE(stayedOpen, refused);
        QCOMPARE(n.answers.shown().size(), refused ? 1 : 0);
        if (refused)
            QVERIFY2(n.answers.shownTexts().first().contains(text), qPrintable(n.answers.shownTexts()[0]));

        const QList<QByteArray> sent = n.received(written ? 8 : 4).mid(2);
        QCOMPARE(sent.size(), written ? 6 : 2);
        for (int i = 0; i < sent.size(); ++i) {
            QCOMPARE(int(sent[i].size()), i < 2 ? lb::kReadRequestLength : lb::kWriteRequestLength);
            QCOMPARE(sent[i].mid(12, 2), QByteArray("\x00\x02", 2));   // the sequence number
            QCOMPARE(sent[i].mid(22, 6), QByteArray(reinterpret_cast<const char*>(kSecondMac.data()), 6));
        }
        QCOMPARE(n.list()->topLevelItemCount(), written ? 0 : 4);
        // The final write applied the change: the edited field, the other as read.
        const lb::sim::NetworkInterface after = n.second.profile().network;
        QCOMPARE(QString(lb::FormatDottedAddress(after.address)),
                 written && edit == "EditIP" ? text : "192.168.1.101");
        QCOMPARE(QString(after.name), written && edit == "EditPrinterName" ? text : "PACKING");
    }

    // Web Setup opens "http://" and the typed text; Exit stores host and port and closes, but
    // a port that does not convert shows the conversion's message and keeps the dialog open,
    // the host stored already.
    void webSetupAndExit_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("closed");
        QTest::newRow("stored") << "127.0.0.9"
                                << "9200" << true;
        QTest::newRow("port not a number") << ""
                                           << "91x" << false;
    }
    void webSetupAndExit() {
        QFETCH(QString, host);
        QFETCH(QString, port);
        QFETCH(bool, closed);
        Network n("printer-7");
        QVERIFY(n.ready);
        QStringList opened;
        n.dialog.setUrlOpener([&](const QUrl& u) { opened.append(u.toString()); });
        Edit(&n.dialog, "EditIPAddr")->setText(host);
        Edit(&n.dialog, "EditPort")->setText(port);
        Click(&n.dialog, "ButtonBrowser");
        QCOMPARE(opened, QStringList{"http://" + host});
        Click(&n.dialog, "ButtonExit");
        QCOMPARE(n.dialog.isVisible(), !closed);
        QCOMPARE(QString::fromLatin1(n.target.host), host);
        QCOMPARE(n.target.port, closed ? 9200 : 9100);
        QCOMPARE(n.answers.shownTexts(), closed ? QStringList() : QStringList{"Port: '91x' is not a number"});
    }

    // The main window's Ethernet Setup: operation 20 fills the dialog (DHCP: the address in
    // use, the address fields disabled until "Static IP"); after Set IP or Set Printer Name
    // and the password gate exactly one command goes out; Cancel or a refused gate, none.
    void ethernetButton_data() {
        QTest::addColumn<bool>("dhcp");
        QTest::addColumn<bool>("toStatic");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QByteArray>("command");   // empty: nothing written
        const QByteArray netIp("NET IP \"192.168.1.57\",\"255.255.255.0\",\"192.168.1.1\"\r\n");
        QTest::newRow("DHCP") << true << false << "ButtonSetIP" << QByteArray() << QByteArray("NET DHCP\r\n");
        QTest::newRow("DHCP to static") << true << true << "ButtonSetIP" << QByteArray() << netIp;
        QTest::newRow("name") << false << false << "ButtonSetPrinterName" << QByteArray()
                              << QByteArray("NET NAME \"LABELPRINTER\"\r\n");
        QTest::newRow("Cancel") << false << false << "ButtonCancel" << QByteArray() << QByteArray();
        QTest::newRow("gate refused")
            << true << false << "ButtonSetIP" << QByteArray("Secret") << QByteArray();
    }
    void ethernetButton() {
        QFETCH(bool, dhcp);
        QFETCH(bool, toStatic);
        QFETCH(QString, button);
        QFETCH(QByteArray, password);
        QFETCH(QByteArray, command);
        lb::ScopedLinkTiming timing(lb::test::ShortLinkTiming(2000));
        lb::ScopedMessageBoxAnswers answers;
        lb::sim::Profile profile = lb::sim::Profile::Default();
        profile.network.dhcp = dhcp;
        profile.password = password;
        lb::sim::SimServer printer(profile);
        QVERIFY(printer.start(0));
        lb::TFormMain form({lb::InterfaceKind::Ethernet, "127.0.0.1", printer.port(),
                            QGuiApplication::primaryScreen()->size()});
        if (qEnvironmentVariableIsSet("LABELBENCH_SHOTS")) form.show();
        QStringList shown;
        lb::test::WhenModal<TFormEthernetSetup> answer([&](TFormEthernetSetup* d) {
            QCOMPARE(d->findChild<QRadioButton*>("RadioGroupDHCP0")->isChecked(), dhcp);
            shown << Edit(d, "EditIP")->text() << QString::number(Get(d, "EditGateWay")->isEnabled());
            if (QTest::currentDataTag() == QByteArray("DHCP") ||
                QTest::currentDataTag() == QByteArray("name"))
                lb::test::Shoot(d, dhcp ? "net-ethernet-dhcp" : "net-ethernet-static");
            if (toStatic) Click(d, "RadioGroupDHCP1");
            shown << QString::number(Get(d, "LabelIP")->isEnabled());
            Click(d, button);
        });
        lb::test::WhenModal<QDialog> gate([](QDialog* d) { Click(d, "ButtonCancel"); }, 1,
                                          [](QDialog* d) { return d->objectName() == "TFormPassword"; });
        Click(&form, "ButtonEthernet");
        QCOMPARE(answer.runs(), 1);
        QCOMPARE(shown, QStringList({dhcp ? "192.168.1.57" : "192.168.1.100", dhcp ? "0" : "1",
                                     dhcp && !toStatic ? "0" : "1"}));
        QCOMPARE(gate.runs(), password.isEmpty() ? 0 : 1);
        // The reports; then, when confirmed, the password's read and the one command.
        const int connections = button == "ButtonCancel" ? 1 : command.isEmpty() ? 2 : 3;
        QVERIFY(printer.waitForClosedConnections(connections, kWaitMs));
        QTest::qWait(50);
        QCOMPARE(printer.connectionCount(), connections);
        QVERIFY(printer.transcripts().first().contains("DIAGNOSTIC REPORT CONFIGIP\r\n"));
        if (!command.isEmpty()) QCOMPARE(printer.transcripts().last(), command);
        QVERIFY(answers.shown().isEmpty());
        QVERIFY(form.isEnabled());
    }
};

QTEST_MAIN(TestNetDialogs)
#include "tst_net_dialogs.moc"
