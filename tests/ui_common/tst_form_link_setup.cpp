// SPDX-License-Identifier: Apache-2.0
// The RS232 Setup and LPT Setup dialogs: what they load, what Set writes, what Cancel keeps.

#include "link/ui/form_lpt_setup.h"
#include "link/ui/form_rs232_setup.h"
#include "link/ui/port_choices.h"
#include "ui_common/message_box.h"

#include "tests/support/when_modal.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>
#include <memory>

using namespace lb;

namespace {

bool SameRecord(const SerialSettings& a, const SerialSettings& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

SerialSettings WithPort(const char* name) {
    SerialSettings s = DefaultSerialSettings();
    CopyToField(s.portName, name, std::strlen(name));
    return s;
}

// Runs action on the modal dialog of type T once it is up; a failed check in it closes it.
template <typename T>
[[nodiscard]] std::unique_ptr<lb::test::WhenModal<T>> WhenShown(std::function<void(T*)> action) {
    return std::make_unique<lb::test::WhenModal<T>>(std::move(action));
}

QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

}   // namespace

class TestFormLinkSetup : public QObject {
    Q_OBJECT

private slots:
    void rs232Layout() {
        SerialSettings s = DefaultSerialSettings();
        TFormRs232Setup dialog(&s, QStringList{});
        QCOMPARE(dialog.windowTitle(), QString("RS232 Setup"));
        auto* port = dialog.findChild<QComboBox*>("ComboBoxComPort");
        QVERIFY(port);
        QCOMPARE(port->count(), 30);
        QCOMPARE(port->itemText(0), QString("COM1"));
        QCOMPARE(port->itemText(29), QString("COM30"));
        QCOMPARE(Items(dialog.findChild<QComboBox*>("ComboBoxBaudRate")),
                 (QStringList{"2400", "4800", "9600", "19200", "38400", "57600", "115200", ""}));
        QCOMPARE(Items(dialog.findChild<QComboBox*>("ComboBoxDataBit")), (QStringList{"7", "8"}));
        QCOMPARE(Items(dialog.findChild<QComboBox*>("ComboBoxParity")), (QStringList{"None", "Odd", "Even"}));
        QCOMPARE(Items(dialog.findChild<QComboBox*>("ComboBoxStopBit")), (QStringList{"1", "1.5", "2"}));
        QCOMPARE(Items(dialog.findChild<QComboBox*>("ComboBoxHdShak")),
                 (QStringList{"None", "RTS", "RTS/CTS"}));
        QCOMPARE(Items(dialog.findChild<QComboBox*>("ComboBoxSWShak")), (QStringList{"None", "Xon/Xoff"}));
        QVERIFY(dialog.findChild<QPushButton*>("ButtonSet"));
        QVERIFY(dialog.findChild<QPushButton*>("ButtonCancel"));
    }

    void rs232Load_data() {
        QTest::addColumn<QByteArray>("port");
        QTest::addColumn<int>("portItem");
        QTest::newRow("COM1") << QByteArray("COM1") << 0;
        QTest::newRow("COM7") << QByteArray("COM7") << 6;
        QTest::newRow("COM12") << QByteArray("COM12") << 11;
        QTest::newRow("COM30") << QByteArray("COM30") << 29;
        QTest::newRow("a device path selects nothing") << QByteArray("/dev/ttyUSB0") << -1;
        QTest::newRow("COM31 selects nothing") << QByteArray("COM31") << -1;
    }
    void rs232Load() {
        // Loading and pressing Set without changes keeps the record as it was.
        QFETCH(QByteArray, port);
        QFETCH(int, portItem);
        SerialSettings s = WithPort(port.constData());
        s.baudIndex = 6;
        s.parityIndex = 2;
        s.softwareHandshakeIndex = 1;
        const SerialSettings before = s;
        TFormRs232Setup dialog(&s, QStringList{});
        QCOMPARE(dialog.findChild<QComboBox*>("ComboBoxComPort")->currentIndex(), portItem);
        QCOMPARE(dialog.findChild<QComboBox*>("ComboBoxBaudRate")->currentIndex(), 6);
        QCOMPARE(dialog.findChild<QComboBox*>("ComboBoxDataBit")->currentIndex(), 1);
        QCOMPARE(dialog.findChild<QComboBox*>("ComboBoxParity")->currentIndex(), 2);
        QCOMPARE(dialog.findChild<QComboBox*>("ComboBoxHdShak")->currentIndex(), 1);
        QCOMPARE(dialog.findChild<QComboBox*>("ComboBoxSWShak")->currentIndex(), 1);
        QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonSet"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(SameRecord(s, before));
    }

    void rs232Set() {
        // Through the main window's call: choices are written by Set.
        SerialSettings s = DefaultSerialSettings();
        const auto shown1 = WhenShown<TFormRs232Setup>([](TFormRs232Setup* d) {
            d->findChild<QComboBox*>("ComboBoxComPort")->setCurrentIndex(11);
            d->findChild<QComboBox*>("ComboBoxBaudRate")->setCurrentIndex(7);
            d->findChild<QComboBox*>("ComboBoxDataBit")->setCurrentIndex(0);
            d->findChild<QComboBox*>("ComboBoxParity")->setCurrentIndex(1);
            d->findChild<QComboBox*>("ComboBoxStopBit")->setCurrentIndex(2);
            d->findChild<QComboBox*>("ComboBoxHdShak")->setCurrentIndex(2);
            d->findChild<QComboBox*>("ComboBoxSWShak")->setCurrentIndex(1);
            QTest::mouseClick(d->findChild<QPushButton*>("ButtonSet"), Qt::LeftButton);
        });
        QVERIFY(EditSerialSettings(s, nullptr));
        QCOMPARE(QByteArray(s.portName), QByteArray("COM12"));
        QCOMPARE(s.baudIndex, 7);
        QCOMPARE(s.dataBitsIndex, 0);
        QCOMPARE(s.parityIndex, 1);
        QCOMPARE(s.stopBitsIndex, 2);
        QCOMPARE(s.hardwareHandshakeIndex, 2);
        QCOMPARE(s.softwareHandshakeIndex, 1);
    }

    void rs232Cancel_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Escape key") << true;
    }
    void rs232Cancel() {
        QFETCH(bool, escape);
        SerialSettings s = WithPort("COM3");
        const SerialSettings before = s;
        const auto shown2 = WhenShown<TFormRs232Setup>([escape](TFormRs232Setup* d) {
            d->findChild<QComboBox*>("ComboBoxComPort")->setCurrentIndex(20);
            d->findChild<QComboBox*>("ComboBoxBaudRate")->setCurrentIndex(0);
            if (escape)
                QTest::keyClick(d, Qt::Key_Escape);
            else
                QTest::mouseClick(d->findChild<QPushButton*>("ButtonCancel"), Qt::LeftButton);
        });
        QVERIFY(!EditSerialSettings(s, nullptr));
        QVERIFY(SameRecord(s, before));
    }

    void lptLayout() {
        ParallelPortName n = DefaultParallelPortName();
        TFormLPTSetup dialog(&n, QStringList{});
        QCOMPARE(dialog.windowTitle(), QString("LPT Setup"));
        QCOMPARE(dialog.size(), QSize(321, 37));
        QCOMPARE(Items(dialog.findChild<QComboBox*>("ComboBoxLPT")),
                 (QStringList{"LPT1", "LPT2", "LPT3", "LPT4"}));
    }

    void lptRoundTrip_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("item");
        QTest::newRow("LPT1") << QByteArray("LPT1") << 0;
        QTest::newRow("LPT3") << QByteArray("LPT3") << 2;
        QTest::newRow("LPT4") << QByteArray("LPT4") << 3;
    }
    void lptRoundTrip() {
        QFETCH(QByteArray, name);
        QFETCH(int, item);
        ParallelPortName n = DefaultParallelPortName();
        CopyToField(n.name, name.constData(), std::size_t(name.size()));
        TFormLPTSetup dialog(&n, QStringList{});
        QCOMPARE(dialog.findChild<QComboBox*>("ComboBoxLPT")->currentIndex(), item);
        std::memset(n.name, 'x', 8);   // Set writes the name afresh
        QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonSet"), Qt::LeftButton);
        QCOMPARE(QByteArray(n.name), name);
    }

    void lptSetAndCancel() {
        ParallelPortName n = DefaultParallelPortName();
        const auto shown3 = WhenShown<TFormLPTSetup>([](TFormLPTSetup* d) {
            d->findChild<QComboBox*>("ComboBoxLPT")->setCurrentIndex(1);
            QTest::mouseClick(d->findChild<QPushButton*>("ButtonSet"), Qt::LeftButton);
        });
        QVERIFY(EditParallelPortName(n, nullptr));
        QCOMPARE(QByteArray(n.name), QByteArray("LPT2"));

        const auto shown4 = WhenShown<TFormLPTSetup>([](TFormLPTSetup* d) {
            d->findChild<QComboBox*>("ComboBoxLPT")->setCurrentIndex(3);
            QTest::mouseClick(d->findChild<QPushButton*>("ButtonCancel"), Qt::LeftButton);
        });
        QVERIFY(!EditParallelPortName(n, nullptr));
        QCOMPARE(QByteArray(n.name), QByteArray("LPT2"));
    }

    void lptPathKeptBySet() {
        // A device path (given on the command line) is not one of the items: Set keeps it.
        ParallelPortName n = DefaultParallelPortName();
        CopyToField(n.name, "/dev/usb/lp0", 12);
        TFormLPTSetup dialog(&n, QStringList{});
        QCOMPARE(dialog.findChild<QComboBox*>("ComboBoxLPT")->currentIndex(), -1);
        QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonSet"), Qt::LeftButton);
        QCOMPARE(QByteArray(n.name), QByteArray("/dev/usb/lp0"));
    }

    // The system's devices follow the fixed items, which keep their places; a device that
    // is one of them, repeats or does not fit the record is left out. A listed device
    // loads as its item and Set writes it back.
    void portListsOfferTheDevices_data() {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<QStringList>("devices");
        QTest::addColumn<QStringList>("added");
        QTest::newRow("serial") << true
                                << QStringList{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyACM0", "/dev/ttyUSB0",
                                               "/dev/serial/by-id/usb-FTDI_FT232R-if00"}
                                << QStringList{"/dev/ttyUSB0", "/dev/ttyACM0"};
        QTest::newRow("parallel") << false << QStringList{"/dev/usb/lp0", "/dev/lp0", "/dev/lp7"}
                                  << QStringList{"/dev/usb/lp0", "/dev/lp7"};
    }
    void portListsOfferTheDevices() {
        QFETCH(bool, serial);
        QFETCH(QStringList, devices);
        QFETCH(QStringList, added);
        const QByteArray last = added.last().toLatin1();
        SerialSettings s = WithPort(last.constData());
        ParallelPortName n{};
        CopyToField(n.name, last.constData(), std::size_t(last.size()));
        std::unique_ptr<QDialog> dialog;
        if (serial)
            dialog = std::make_unique<TFormRs232Setup>(&s, devices);
        else
            dialog = std::make_unique<TFormLPTSetup>(&n, devices);
        auto* box = dialog->findChild<QComboBox*>(serial ? "ComboBoxComPort" : "ComboBoxLPT");
        const qsizetype fixed = serial ? 30 : 4;
        const QStringList items = Items(box);
        QCOMPARE(items.mid(fixed), added);
        QCOMPARE(items.value(fixed - 1), QString(serial ? "COM30" : "LPT4"));
        QCOMPARE(box->currentIndex(), int(items.size() - 1));
        std::memset(s.portName, 0, sizeof s.portName);
        std::memset(n.name, 0, sizeof n.name);
        QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonSet"), Qt::LeftButton);
        QCOMPARE(QByteArray(serial ? s.portName : n.name), last);
    }

    void parallelDevicesPresent() {
        QTemporaryDir dev;
        QVERIFY(QDir(dev.path()).mkdir("usb"));
        for (const char* name : {"usb/lp1", "usb/lp0", "lp10", "lp2", "lpt", "tty0"}) {
            QFile file(dev.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(SystemParallelDevices(dev.path()),
                 QStringList({dev.filePath("usb/lp0"), dev.filePath("usb/lp1"), dev.filePath("lp2"),
                              dev.filePath("lp10")}));
    }

    // A path typed into the list is taken when it fits its field; a longer one, or one with a
    // control character, is refused with a message and the dialog stays open.
    void typedPortName_data() {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");
        QTest::newRow("serial pty") << true << "/dev/pts/3" << true;
        QTest::newRow("serial 23 characters") << true << "/dev/" + QString(18, 'x') << true;
        QTest::newRow("serial 24 characters") << true << "/dev/" + QString(19, 'x') << false;
        QTest::newRow("serial control character") << true << "/dev/tty\tUSB0" << false;
        QTest::newRow("parallel path") << false << "/dev/usb/lp1" << true;
        QTest::newRow("parallel 255 characters") << false << "/dev/" + QString(250, 'x') << true;
        QTest::newRow("parallel 256 characters") << false << "/dev/" + QString(251, 'x') << false;
        QTest::newRow("parallel DEL") << false << "/dev/lp\x7f" << false;
    }
    void typedPortName() {
        QFETCH(bool, serial);
        QFETCH(QString, typed);
        QFETCH(bool, taken);
        lb::ScopedMessageBoxAnswers answers;
        SerialSettings s = DefaultSerialSettings();
        ParallelPortName n = DefaultParallelPortName();
        std::unique_ptr<QDialog> dialog;
        if (serial)
            dialog = std::make_unique<TFormRs232Setup>(&s, QStringList{});
        else
            dialog = std::make_unique<TFormLPTSetup>(&n, QStringList{});
        dialog->show();
        auto* box = dialog->findChild<QComboBox*>(serial ? "ComboBoxComPort" : "ComboBoxLPT");
        QVERIFY(box->isEditable());
        box->setEditText(typed);   // as typed or pasted
        QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonSet"), Qt::LeftButton);
        const QByteArray name(serial ? s.portName : n.name);
        QCOMPARE(name, taken ? typed.toLatin1() : QByteArray(serial ? "COM1" : "LPT1"));
        QCOMPARE(dialog->isVisible(), !taken);
        QCOMPARE(answers.shown().size(), taken ? 0 : 1);
    }
};

QTEST_MAIN(TestFormLinkSetup)
#include "tst_form_link_setup.moc"
