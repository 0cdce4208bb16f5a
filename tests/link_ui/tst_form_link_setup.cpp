// The RS232 Setup and LPT Setup dialogs: what they load, what Set writes, what Cancel keeps.

#include "link/ui/form_lpt_setup.h"
#include "link/ui/form_rs232_setup.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>

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

// Runs action on the modal dialog of type T once it is up.
template <typename T> void WhenShown(std::function<void(T*)> action) {
    QTimer::singleShot(0, [action] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<T*>(w); d && d->isVisible()) return action(d);
    });
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
        TFormRs232Setup dialog(&s);
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
        TFormRs232Setup dialog(&s);
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
        WhenShown<TFormRs232Setup>([](TFormRs232Setup* d) {
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
        WhenShown<TFormRs232Setup>([escape](TFormRs232Setup* d) {
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
        TFormLPTSetup dialog(&n);
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
        TFormLPTSetup dialog(&n);
        QCOMPARE(dialog.findChild<QComboBox*>("ComboBoxLPT")->currentIndex(), item);
        std::memset(n.name, 'x', 8);   // Set writes the name afresh
        QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonSet"), Qt::LeftButton);
        QCOMPARE(QByteArray(n.name), name);
    }

    void lptSetAndCancel() {
        ParallelPortName n = DefaultParallelPortName();
        WhenShown<TFormLPTSetup>([](TFormLPTSetup* d) {
            d->findChild<QComboBox*>("ComboBoxLPT")->setCurrentIndex(1);
            QTest::mouseClick(d->findChild<QPushButton*>("ButtonSet"), Qt::LeftButton);
        });
        QVERIFY(EditParallelPortName(n, nullptr));
        QCOMPARE(QByteArray(n.name), QByteArray("LPT2"));

        WhenShown<TFormLPTSetup>([](TFormLPTSetup* d) {
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
        TFormLPTSetup dialog(&n);
        QCOMPARE(dialog.findChild<QComboBox*>("ComboBoxLPT")->currentIndex(), -1);
        QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonSet"), Qt::LeftButton);
        QCOMPARE(QByteArray(n.name), QByteArray("/dev/usb/lp0"));
    }
};

QTEST_MAIN(TestFormLinkSetup)
#include "tst_form_link_setup.moc"
