// SPDX-License-Identifier: Apache-2.0
#include "app/language.h"
#include "app/ui/form_main.h"
#include "link/dispatcher.h"
#include "link/link_observer.h"
#include "link/link_timing.h"
#include "network/discovery_exchange.h"
#include "network/ui/form_net_setup.h"
#include "tests/ui_common/recording_transport.h"
#include "ui_common/message_box.h"

#include "tests/support/no_real_devices.h"
#include "tests/support/when_modal.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>
#include <QWheelEvent>

using lb::InterfaceKind;
using lb::TFormMain;

namespace {

// A port on 127.0.0.1 on which nobody listens.
quint16 ClosedPort() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) return 0;
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

QPushButton* Button(TFormMain& form, const char* name) {
    return form.findChild<QPushButton*>(name);
}
QComboBox* Interfaces(TFormMain& form) {
    return form.findChild<QComboBox*>("ComboBoxInterFace");
}

// An observer whose message pump tries to start a second operation, as a click or timer
// delivered during a transfer would.
class ReenteringObserver final : public lb::LinkObserver {
public:
    explicit ReenteringObserver(TFormMain*& form) : m_form(form) {}
    void pumpEvents() override {
        if (!m_form) return;
        nestedResults.append(m_form->RunWithMainWindowDisabled(lb::kOpLeaveLineMode));
        enabledAfterNested.append(m_form->isEnabled());
    }
    QList<int> nestedResults;
    QList<bool> enabledAfterNested;

private:
    TFormMain*& m_form;
};

}   // namespace

class TestFormMain : public QObject {
    Q_OBJECT
private slots:
    void init() { lb::test::InstallAbsentDevices(); }
    void cleanup() { lb::SetLanguageIndex(lb::kEnglish); }

    void startsWithoutPrinterSilently() {
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form({InterfaceKind::Usb, {}, 9100, QSize(1280, 1024)});
        form.RunFirstContact();
        QCOMPARE(answers.shown().size(), 0);
        QVERIFY(form.windowTitle().startsWith("LabelBench "));
        QCOMPARE(form.size(), QSize(709, 577));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(form.isEnabled());

        QComboBox* interfaces = Interfaces(form);
        QVERIFY(interfaces);
        QCOMPARE(interfaces->count(), 4);
        const QStringList items = {interfaces->itemText(0), interfaces->itemText(1), interfaces->itemText(2),
                                   interfaces->itemText(3)};
        QCOMPARE(items, QStringList({"USB", "COM", "LPT", "ETHERNET"}));
        QCOMPARE(interfaces->currentIndex(), 0);
        QCOMPARE(form.selectedInterface(), InterfaceKind::Usb);
        QVERIFY(!Button(form, "ButtonInterFace")->isEnabled());
        QVERIFY(Button(form, "ButtonLineModeOut")->isEnabled());

        auto* pages = form.findChild<QTabWidget*>("PageControl1");
        QVERIFY(pages);
        QCOMPARE(pages->count(), 4);
        QCOMPARE(pages->tabText(0), QString("Printer Configuration"));
        QCOMPARE(pages->tabText(1), QString("File Manager"));
        QCOMPARE(pages->tabText(2), QString("Bitmap Font Manager"));
        QCOMPARE(pages->tabText(3), QString("Command Tool"));
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(pages->y(), 48);

        // The cleared configuration: every setting blank, the counters 0.
        QCOMPARE(form.findChild<QLineEdit*>("EditWidth")->text(), QString());
        QCOMPARE(form.findChild<QLineEdit*>("EditSpeed")->text(), QString());
        QCOMPARE(form.findChild<QComboBox*>("ComboBoxMediaSensor")->currentIndex(), -1);
        QCOMPARE(form.findChild<QComboBox*>("ComboBoxMediaSensor")->count(), 4);
        QCOMPARE(form.findChild<QComboBox*>("ComboBoxMediaSensor")->itemText(0), QString());
        QCOMPARE(form.findChild<QLineEdit*>("EditCuttingCounter")->text(), QString("0"));
        QVERIFY(form.findChild<QLineEdit*>("EditDensityBase")->isHidden());
        QCOMPARE(form.findChild<QTabWidget*>("PageControlConfig")->tabText(3), QString("Interface"));
        QCOMPARE(Button(form, "ButtonRead")->text(), QString("Get"));
        QCOMPARE(form.printerConfig().ConfigRead, uint8_t(0));
    }

    void startOptionsSelectTheLink() {
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form({InterfaceKind::Ethernet, "127.0.0.1", ClosedPort(), {}});
        form.RunFirstContact();
        QCOMPARE(form.selectedInterface(), InterfaceKind::Ethernet);
        QCOMPARE(Interfaces(form)->currentIndex(), 3);
        QVERIFY(Button(form, "ButtonInterFace")->isEnabled());
        QCOMPARE(QByteArray(form.networkTarget().host), QByteArray("127.0.0.1"));
        QCOMPARE(answers.shown().size(), 0);   // the refused start-up contact is silent
        // but the status bar says what to do next.
        QCOMPARE(form.statusPanelText(2),
                 QString("No printer answered on ETHERNET — choose the interface and "
                         "press Get, or start with --demo to try LabelBench"));
    }

    // The start-up contact: link check (open, close), leave line mode (ESC Z CR LF), then
    // the configuration read — on the interface selected, without any message.
    void firstContactOnAPresentDevice() {
        lb::ScopedMessageBoxAnswers answers;
        lb::test::ScopedRecordingDevice device(InterfaceKind::Usb);
        TFormMain form;
        form.RunFirstContact();
        const QStringList events = device.log().events;
        QVERIFY2(events.size() >= 5, qPrintable(events.join(", ")));
        QCOMPARE(events.mid(0, 5), QStringList({"open", "close", "open", "write 1b5a0d0a", "close"}));
        QCOMPARE(answers.shown().size(), 0);
    }

    // The window is up before the printer is contacted, disabled with the interface it tries
    // in the status bar; afterwards it is enabled and the bar shows its panels again.
    void firstContactRunsInTheShownWindow_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("message");
        QTest::newRow("USB") << 0 << "Looking for the printer on USB…";
        QTest::newRow("COM") << 1 << "Looking for the printer on COM…";
        QTest::newRow("LPT") << 2 << "Looking for the printer on LPT…";
        QTest::newRow("ETHERNET") << 3 << "Looking for the printer on ETHERNET…";
    }
    void firstContactRunsInTheShownWindow() {
        QFETCH(int, index);
        QFETCH(QString, message);
        const auto kind = InterfaceKind(index);
        lb::ScopedMessageBoxAnswers answers;
        lb::test::ScopedRecordingDevice device(kind);
        TFormMain form({kind, "127.0.0.1", 9100, QSize(1280, 1024)});
        QCOMPARE(device.log().events, QStringList());   // nothing before the window is shown
        form.show();
        auto* bar = form.findChild<QStatusBar*>("StatusBar1");
        QStringList seen;
        device.log().onChunk = [&] {
            seen.append(QStringLiteral("%1 %2 %3")
                            .arg(form.isVisible())
                            .arg(form.isEnabled())
                            .arg(bar->currentMessage()));
        };
        form.RunFirstContact();
        QCOMPARE(device.log().events.mid(0, 5),
                 QStringList({"open", "close", "open", "write 1b5a0d0a", "close"}));
        QCOMPARE(seen.value(0), QStringLiteral("1 0 ") + message);
        QVERIFY(form.isEnabled());
        QCOMPARE(bar->currentMessage(), QString());
        QVERIFY(form.findChild<QLabel*>("StatusPanel1")->isVisible());
        QCOMPARE(form.statusPanelText(1), QString("COM1 9600,N,8,1 RTS "));
        QCOMPARE(answers.shown().size(), 0);
    }

    void informationFieldsAreReadOnly_data() {
        QTest::addColumn<QString>("edit");
        for (const char* name :
             {"EditVersion", "EditSerial", "EditChecksum", "EditCuttingCounter", "EditResetCuttingCounter",
              "EditMilage", "EditResetMilage", "EditPrinterStatus"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void informationFieldsAreReadOnly() {
        QFETCH(QString, edit);
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form;
        auto* field = form.findChild<QLineEdit*>(edit);
        QVERIFY(field);
        const QString before = field->text();
        field->setFocus();
        QTest::keyClicks(field, "12");
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), before);
        QVERIFY(field->isReadOnly());
    }

    // On a short screen the wheel over an unfocused list scrolls the window; only a list
    // with the focus changes its item.
    void wheelChangesOnlyAFocusedList_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("focused");
        QTest::newRow("Media Sensor without focus") << "ComboBoxMediaSensor" << false;
        QTest::newRow("Media Sensor with focus") << "ComboBoxMediaSensor" << true;
        QTest::newRow("Interface without focus") << "ComboBoxInterFace" << false;
    }
    void wheelChangesOnlyAFocusedList() {
        QFETCH(QString, list);
        QFETCH(bool, focused);
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form({InterfaceKind::Usb, {}, 9100, QSize(1024, 600)});
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* box = form.findChild<QComboBox*>(list);
        auto* scroll = form.findChild<QScrollBar*>("ScrollBar1");
        box->setCurrentIndex(1);
        (focused ? static_cast<QWidget*>(box) : Button(form, "ButtonRead"))->setFocus();
        QCOMPARE(box->hasFocus(), focused);

        const QPointF at(4, 4);
        QWheelEvent down(at, box->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        // Delivered as QTest delivers keys: as from the window system, so it may travel up.
        QSpontaneKeyEvent::setSpontaneous(&down);
        qApp->notify(box, &down);
        QCOMPARE(box->currentIndex(), focused ? 2 : 1);
        QCOMPARE(scroll->value() > 0, !focused);
    }

    void interfaceSelectionEnablesSetup_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("setupEnabled");
        QTest::newRow("USB") << 0 << false;
        QTest::newRow("COM") << 1 << true;
        QTest::newRow("LPT") << 2 << true;
        QTest::newRow("ETHERNET") << 3 << true;
    }
    void interfaceSelectionEnablesSetup() {
        QFETCH(int, index);
        QFETCH(bool, setupEnabled);
        lb::ScopedMessageBoxAnswers answers;
        lb::test::ScopedRecordingDevice device(InterfaceKind::Usb);
        TFormMain form;
        // Away and back, so that every row sees a change of selection.
        Interfaces(form)->setCurrentIndex(index == 3 ? 2 : 3);
        const qsizetype eventsBefore = device.log().events.size();
        Interfaces(form)->setCurrentIndex(index);
        QCOMPARE(Button(form, "ButtonInterFace")->isEnabled(), setupEnabled);
        QCOMPARE(form.selectedInterface(), InterfaceKind(index));
        QCOMPARE(device.log().events.size(), eventsBefore);   // nothing is sent on a change
    }

    void statusBarPanels() {
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form;
        QCOMPARE(form.statusPanelText(0), QString("LPT1"));
        QCOMPARE(form.statusPanelText(1), QString("COM1 9600,N,8,1 RTS "));
        QCOMPARE(form.statusPanelText(2), QString());
        QCOMPARE(form.findChild<QLabel*>("StatusPanel0")->width(), 80);
        QCOMPARE(form.findChild<QLabel*>("StatusPanel1")->width(), 200);
        QCOMPARE(form.findChild<QLabel*>("StatusPanel2")->width(), 250);

        auto* timer = form.findChild<QTimer*>("Timer1");
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(timer->isActive());
        const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9));
        form.setClock([when] { return when; });
        QVERIFY(form.statusPanelText(3) != TFormMain::StatusClockText(when, QLocale::system()));
        form.Timer1Timer();
        QCOMPARE(form.statusPanelText(3), TFormMain::StatusClockText(when, QLocale::system()));
    }

    // The length limits are for typing: a longer value from the printer is shown whole.
    void lengthLimitsNeverCutAShownValue() {
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form;
        auto* darkness = form.findChild<QLineEdit*>("EditDarknessZ");
        QTest::keyClicks(darkness, "123");
        QCOMPARE(darkness->text(), QString("12"));
        QCOMPARE(form.findChild<QLineEdit*>("EditControlPrefixZ")->maxLength(), 1);

        lb::PrinterConfig config = form.printerConfig();
        config.ZLeftPosition = {1, -123456};
        config.Speed = {1, 2.2f};
        form.ShowConfig(config);
        QCOMPARE(form.findChild<QLineEdit*>("EditLeftPositionZ")->text(), QString("-123456"));
        QCOMPARE(form.findChild<QLineEdit*>("EditSpeed")->text(), QString("2.20000004768372"));
        // Shown again, the value is collected unchanged.
        lb::PrinterConfig back = form.printerConfig();
        QVERIFY(form.CollectConfig(back));
        QCOMPARE(back.ZLeftPosition.value, -123456);
        QCOMPARE(float(back.Speed.value), 2.2f);
    }

    void lptDisablesStatusAndRead() {
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form;
        QVERIFY(Button(form, "ButtonGetStatus")->isEnabled());
        QVERIFY(Button(form, "ButtonRead")->isEnabled());
        Interfaces(form)->setCurrentIndex(2);
        QVERIFY(!Button(form, "ButtonGetStatus")->isEnabled());
        QVERIFY(!Button(form, "ButtonRead")->isEnabled());
        QVERIFY(Button(form, "ButtonConfigSet")->isEnabled());
        Interfaces(form)->setCurrentIndex(3);
        QVERIFY(Button(form, "ButtonGetStatus")->isEnabled());
        QVERIFY(Button(form, "ButtonRead")->isEnabled());
        // Run anyway, the status query gives 3 at once on the parallel port.
        Interfaces(form)->setCurrentIndex(2);
        QCOMPARE(form.RunWithMainWindowDisabled(lb::kOpQueryStatus, nullptr), int(lb::kDataReceivingError));
    }

    void screenFit_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("scrolls");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("1024x600") << QSize(1024, 600) << QSize(729, 477) << true << QPoint(147, 61);
        QTest::newRow("1366x767") << QSize(1366, 767) << QSize(729, 477) << true << QPoint(318, 145);
        QTest::newRow("1024x768") << QSize(1024, 768) << QSize(709, 577) << false << QPoint(157, 95);
        QTest::newRow("1280x1024") << QSize(1280, 1024) << QSize(709, 577) << false << QPoint(285, 223);
        QTest::newRow("smaller than the window")
            << QSize(640, 400) << QSize(729, 477) << true << QPoint(-44, -38);
    }
    void screenFit() {
        QFETCH(QSize, screen);
        QFETCH(QSize, client);
        QFETCH(bool, scrolls);
        QFETCH(QPoint, topLeft);
        const lb::ScreenFit fit = lb::FitToScreen(QSize(729, 577), QRect(QPoint(0, 0), screen));
        QCOMPARE(fit.clientSize, client);
        QCOMPARE(fit.scrollBarShown, scrolls);
        QCOMPARE(fit.topLeft, topLeft);

        lb::ScopedMessageBoxAnswers answers;
        TFormMain form({InterfaceKind::Usb, {}, 9100, screen});
        form.show();
        QCOMPARE(form.size(), client);
        auto* bar = form.findChild<QScrollBar*>("ScrollBar1");
        QCOMPARE(bar->isVisible(), scrolls);
        QCOMPARE(bar->isEnabled(), scrolls);
        if (!scrolls) return;
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->x() + bar->width(), 729);
        bar->setValue(100);
        QCOMPARE(form.findChild<QWidget*>("PageControl1")->y(), -52);
        QCOMPARE(form.findChild<QWidget*>("GroupBoxInterFace")->y(), -100);
        QCOMPARE(form.findChild<QWidget*>("GroupBoxLanguage")->y(), -100);
        QCOMPARE(form.findChild<QWidget*>("RadioGroupUnit")->y(), -100);
        // Scrolled to the end, the bottom of the pages is in view above the status bar.
        auto* pages = form.findChild<QWidget*>("PageControl1");
        QVERIFY(pages->y() + pages->height() <= form.findChild<QWidget*>("StatusBar1")->y());
        bar->setValue(0);
        QCOMPARE(pages->y(), 48);
        // One click on the bar's arrow moves the content a useful step, not one pixel.
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(pages->y(), 48 - 20);
    }

    // Setup on COM and LPT edits the records in their dialogs; the panels follow after Set
    // and stay as they were after Cancel.
    void setupRefreshesThePanels_data() {
        QTest::addColumn<int>("interfaceIndex");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("expected");
        QTest::newRow("COM 115200, Set") << 1 << "ComboBoxBaudRate"
                                         << "115200"
                                         << "ButtonSet" << 1 << "COM1 115200,N,8,1 RTS ";
        QTest::newRow("COM 115200, Cancel") << 1 << "ComboBoxBaudRate"
                                            << "115200"
                                            << "ButtonCancel" << 1 << "COM1 9600,N,8,1 RTS ";
        QTest::newRow("LPT3, Set") << 2 << "ComboBoxLPT"
                                   << "LPT3"
                                   << "ButtonSet" << 0 << "LPT3";
        QTest::newRow("LPT3, Cancel") << 2 << "ComboBoxLPT"
                                      << "LPT3"
                                      << "ButtonCancel" << 0 << "LPT1";
    }
    void setupRefreshesThePanels() {
        QFETCH(int, interfaceIndex);
        QFETCH(QString, list);
        QFETCH(QString, item);
        QFETCH(QString, button);
        QFETCH(int, panel);
        QFETCH(QString, expected);
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form;
        Interfaces(form)->setCurrentIndex(interfaceIndex);
        bool answered = false;
        lb::test::WhenModal<QWidget> whenModal([&](QWidget*) {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* combo = dialog->findChild<QComboBox*>(list);
            QVERIFY(combo);
            combo->setCurrentIndex(combo->findText(item));
            QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
            answered = true;
        });
        QTest::mouseClick(Button(form, "ButtonInterFace"), Qt::LeftButton);
        QVERIFY(answered);
        QCOMPARE(form.statusPanelText(panel), expected);
    }

    void statusClockText_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "05/03/2024 14:07:09";
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "05.03.24 14:07:09";
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "3/5/24 2:07:09 PM";
    }
    void statusClockText() {
        QFETCH(QLocale, locale);
        QFETCH(QString, expected);
        QCOMPARE(TFormMain::StatusClockText(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)), locale), expected);
    }

    // The TCP/IP Setup dialog stores host and port on Exit only; closed otherwise, it keeps
    // the address an empty host got on opening (no printer answered its discovery).
    void ethernetSetupEditsTheTarget_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("Exit") << true;
        QTest::newRow("closed") << false;
    }
    void ethernetSetupEditsTheTarget() {
        QFETCH(bool, confirm);
        // Every datagram to a socket of this test's that never answers.
        QUdpSocket silent;
        QVERIFY(silent.bind(QHostAddress::LocalHost, 0));
        lb::DiscoveryEndpoint endpoint =
            lb::SingleDestinationEndpoint(QHostAddress::LocalHost, silent.localPort());
        endpoint.quietMs = endpoint.replyWaitMs = 10;
        lb::ScopedDiscoveryEndpoint scoped(endpoint);
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form;
        Interfaces(form)->setCurrentIndex(3);
        bool sawEditor = false;
        lb::test::WhenModal<lb::TFormNetSetup> whenModal([&](lb::TFormNetSetup* editor) {
            sawEditor = true;
            QTRY_VERIFY(!editor->busy());
            auto* host = editor->findChild<QLineEdit*>("EditIPAddr");
            auto* port = editor->findChild<QLineEdit*>("EditPort");
            QVERIFY(host && port);
            QCOMPARE(port->text(), QString("9100"));
            QCOMPARE(host->text(), QString("192.168.1.100"));
            host->clear();
            QTest::keyClicks(host, "127.0.0.1");
            port->setText("9200");
            if (confirm)
                QTest::mouseClick(editor->findChild<QPushButton*>("ButtonExit"), Qt::LeftButton);
            else
                editor->reject();
        });
        QTest::mouseClick(Button(form, "ButtonInterFace"), Qt::LeftButton);
        QVERIFY(sawEditor);
        QCOMPARE(QByteArray(form.networkTarget().host),
                 confirm ? QByteArray("127.0.0.1") : QByteArray("192.168.1.100"));
        QCOMPARE(form.networkTarget().port, confirm ? 9200 : 9100);
        QCOMPARE(answers.shown().size(), 0);
        QVERIFY(silent.hasPendingDatagrams());   // the discovery went to the test's socket
    }

    // No printer behind the target: the click shows "Port Open Error" while the window is
    // disabled, and the window is usable again afterwards.
    void outOfLineModeToAClosedPort_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("English") << lb::kEnglish << "Port Open Error";
        QTest::newRow("Portuguese") << lb::kPortuguese << "Erro de Abertura de Porta";
    }
    void outOfLineModeToAClosedPort() {
        QFETCH(int, language);
        QFETCH(QString, message);
        lb::SetLanguageIndex(language);
        lb::LinkTiming timing;
        timing.tcpConnectTimeoutMs = 5000;
        lb::ScopedLinkTiming scopedTiming(timing);
        const quint16 port = ClosedPort();
        QVERIFY(port != 0);
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form({InterfaceKind::Ethernet, "127.0.0.1", port, {}});
        QCOMPARE(answers.shown().size(), 0);

        QList<bool> enabledWhileShown;
        answers.setOnShown([&](const lb::ShownMessage&) { enabledWhileShown.append(form.isEnabled()); });
        QTest::mouseClick(Button(form, "ButtonLineModeOut"), Qt::LeftButton);
        QCOMPARE(answers.shownTexts(), QStringList{message});
        QCOMPARE(enabledWhileShown, QList<bool>{false});
        QVERIFY(form.isEnabled());
    }

    void outOfLineModeOnLptNeedsNoReply() {
        lb::ScopedMessageBoxAnswers answers;
        lb::test::ScopedRecordingDevice device(InterfaceKind::Lpt);
        TFormMain form({InterfaceKind::Lpt, {}, 9100, {}});
        device.log().events.clear();
        QTest::mouseClick(Button(form, "ButtonLineModeOut"), Qt::LeftButton);
        QCOMPARE(device.log().events, QStringList({"open", "write 1b5a0d0a", "close"}));
        QCOMPARE(answers.shown().size(), 0);
        QVERIFY(form.isEnabled());
    }

    // A second action arriving while the first one pumps the message loop starts nothing,
    // shows nothing and leaves the window disabled until the first one ends.
    void secondActionDuringATransferStartsNothing() {
        lb::ScopedMessageBoxAnswers answers;
        lb::test::ScopedRecordingDevice device(InterfaceKind::Usb);
        TFormMain* formPointer = nullptr;
        ReenteringObserver observer(formPointer);
        lb::SetLinkObserver(&observer);
        TFormMain form;
        formPointer = &form;
        device.log().events.clear();
        const int result = form.RunWithMainWindowDisabled(lb::kOpLeaveLineMode);
        lb::SetLinkObserver(nullptr);
        QCOMPARE(result, int(lb::kLinkOk));
        QCOMPARE(observer.nestedResults, QList<int>{int(lb::kOperationBusy)});
        QCOMPARE(observer.enabledAfterNested, QList<bool>{false});
        QCOMPARE(device.log().events, QStringList({"open", "write 1b5a0d0a", "close"}));
        QCOMPARE(answers.shown().size(), 0);
        QVERIFY(form.isEnabled());
    }
};

QTEST_MAIN(TestFormMain)
#include "tst_form_main.moc"
