// SPDX-License-Identifier: Apache-2.0
// The Sensor Calibration dialog against the simulated printer on 127.0.0.1: what Open shows,
// the main window's flow around it, the assisted calibration's three clicks with the media
// moved under the sensor between them, and ticks or clicks that arrive during a reading.

#include "app/ui/form_main.h"
#include "functions/sensor_calibration.h"
#include "functions/ui/form_sensor_calibrate.h"
#include "functions/ui/sensor_chart.h"
#include "link/link_observer.h"
#include "sim/sim_server.h"
#include "tests/support/no_real_devices.h"
#include "tests/support/short_timing.h"
#include "tests/support/when_modal.h"
#include "ui_common/message_box.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>

using lb::InterfaceKind;
using lb::SensorCalibration;
using lb::TFormSensorCalibrate;
using lb::sim::UnderSensor;

namespace {

constexpr int kWaitMs = 10000;   // only a bound for a broken run
const char* const kMediaRadios[] = {"RadioGroupMediaTypeGap", "RadioGroupMediaTypeBlackMark",
                                    "RadioGroupMediaTypeContinuous", "RadioGroupMediaTypeAuto"};

// The main window on a simulated printer; the first contact has read its configuration.
struct Bench {
    explicit Bench(lb::sim::Profile profile = lb::sim::Profile::Default())
        : timing(lb::test::ShortLinkTiming(2000)), printer(std::move(profile)) {
        printer.start(0);
        form = std::make_unique<lb::TFormMain>(
            lb::StartOptions{InterfaceKind::Ethernet, "127.0.0.1", printer.port(), QSize(1280, 1024)});
        form->RunFirstContact();
        printer.waitForClosedConnections(3, kWaitMs);
    }
    // The sensor's curves at 16 levels: liner[i] = liner0 + 10 i, label[i] = liner[i] + apart[i].
    void setSensor(int liner0, const QList<int>& apart, UnderSensor under) {
        printer.printer().edit([&](lb::sim::Profile& p) {
            lb::sim::SensorCurve curve;
            for (int i = 0; i < apart.size(); ++i) {
                curve.liner.append(liner0 + 10 * i);
                curve.label.append(liner0 + 10 * i + apart[i]);
            }
            p.sensor.gap = p.sensor.blackMark = curve;
            p.sensor.under = under;
            p.sensor.turnsEachPass = false;
        });
    }
    void put(UnderSensor under) {
        printer.printer().edit([&](lb::sim::Profile& p) { p.sensor.under = under; });
    }

    lb::ScopedLinkTiming timing;
    lb::ScopedMessageBoxAnswers answers;
    lb::sim::SimServer printer;
    std::unique_ptr<lb::TFormMain> form;
};

template <typename T = QWidget> T* Get(QWidget* in, const char* name) {
    return in->findChild<T*>(name);
}
QString Text(QWidget* in, const char* edit) {
    return Get<QLineEdit>(in, edit)->text();
}
void Click(QWidget* in, const char* button) {
    QTest::mouseClick(Get<QAbstractButton>(in, button), Qt::LeftButton);
}

// Clicks a media type's button on its indicator (a stretched button's middle is no hit).
void Choose(QWidget* in, int media) {
    auto* radio = Get<QRadioButton>(in, kMediaRadios[media]);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    QVERIFY(radio->isChecked());
}

// Runs a function from inside every message pump of an operation, as a tick or a click
// delivered during a transfer would.
struct PumpAction final : lb::LinkObserver {
    explicit PumpAction(std::function<void()> a) : action(std::move(a)) {}
    void pumpEvents() override { action(); }
    std::function<void()> action;
};

// Shows the dialog under a real display and saves the screen's picture of it, when
// LABELBENCH_SENSOR_SHOTS names a folder (for looking at it; no test depends on it).
void Shoot(TFormSensorCalibrate& dialog, const QString& name) {
    const QString folder = qEnvironmentVariable("LABELBENCH_SENSOR_SHOTS");
    if (folder.isEmpty()) return;
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) return;
    QTest::qWait(500);   // the window manager's frame
    const QRect frame = dialog.frameGeometry();
    const QSize screen = dialog.screen()->size();
    dialog.screen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
        .save(QDir(folder).filePath(
            QStringLiteral("sensor-%1-%2x%3.png").arg(name).arg(screen.width()).arg(screen.height())));
}

}   // namespace

class TestFormSensorCalibrate : public QObject {
    Q_OBJECT
private slots:
    void init() { lb::test::InstallAbsentDevices(); }

    // Open shows the record: the unit by its dots per unit, the settings only when not 0, the
    // media type; Confirmed starts at 0.
    void open_data() {
        QTest::addColumn<int>("dotsPerUnit");
        QTest::addColumn<int>("media");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<int>("intensity");
        QTest::addColumn<QString>("unit");
        QTest::newRow("100 is mm, zeros empty") << 100 << 2 << 0 << 0 << "mm";
        QTest::newRow("101 is inch") << 101 << 1 << 350 << 5 << "inch";
        QTest::newRow("203 dpi, threshold only") << 203 << 0 << 420 << 0 << "inch";
    }
    void open() {
        QFETCH(int, dotsPerUnit);
        QFETCH(int, media);
        QFETCH(int, threshold);
        QFETCH(int, intensity);
        QFETCH(QString, unit);
        SensorCalibration record{1, media, 0, threshold, intensity, 0, 0, dotsPerUnit};
        TFormSensorCalibrate dialog;
        dialog.Open(10, 20, &record, InterfaceKind::Ethernet);
        QCOMPARE(record.Confirmed, uint8_t(0));
        QCOMPARE(Get<QLabel>(&dialog, "LabelUnit1")->text(), unit);
        QCOMPARE(Get<QLabel>(&dialog, "LabelUnit2")->text(), unit);
        QCOMPARE(Text(&dialog, "EditReference"), threshold ? QString::number(threshold) : QString());
        QCOMPARE(Text(&dialog, "EditInten"), intensity ? QString::number(intensity) : QString());
        QVERIFY(Get<QRadioButton>(&dialog, kMediaRadios[media])->isChecked());
        QCOMPARE(Get<QComboBox>(&dialog, "ComboBoxSnesorInt")->currentText(), QString("3"));
        QCOMPARE(dialog.pos(), QPoint(10, 20));
        // Asked to open beyond the screen's corner, it opens on the screen.
        dialog.Open(100000, 100000, &record, InterfaceKind::Ethernet);
        QVERIFY(dialog.screen()->availableGeometry().contains(dialog.geometry()));
    }

    // The main window's button: the settings read, the dialog, the password read, the
    // commands. Cancel sends nothing after the settings; an edition-103 printer has no
    // threshold to show.
    void buttonFlow_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("media");
        QTest::addColumn<QStringList>("typed");   // EditHeight, EditGap, EditInten, EditReference
        QTest::addColumn<QString>("threshold");   // EditReference at open
        QTest::addColumn<QByteArray>("sent");     // null: nothing after the settings
        QTest::newRow("Calibrate 4 x 0.12 inch at 203 dpi")
            << 104 << "ButtonCalib" << 0 << QStringList{"4", "0.12", "", ""} << "350"
            << QByteArray("SET SENSOR_REF MANUAL\r\nGAPDETECT 812,24\r\n");
        QTest::newRow("Calibrate continuous")
            << 104 << "ButtonCalib" << 2 << QStringList{"4", "0.12", "", ""} << "350"
            << QByteArray("SET SENSOR_REF AUTO\r\nGAP 0.12,0\r\nGAP 0,0\r\n");
        QTest::newRow("Set black mark 5, 0")
            << 104 << "ButtonSet" << 1 << QStringList{"", "", "5", "0"} << "350"
            << QByteArray("SET SENSOR_REF MANUAL\r\nBLINE 0.08,0\r\nSET GAP 5\r\n");
        QTest::newRow("Cancel") << 104 << "ButtonCancel" << 0 << QStringList{"4", "0.12", "5", "7"} << "350"
                                << QByteArray();
        QTest::newRow("edition 103: no threshold")
            << 103 << "ButtonCancel" << 1 << QStringList{"", "", "", ""} << "" << QByteArray();
    }
    void buttonFlow() {
        QFETCH(int, edition);
        QFETCH(QString, button);
        QFETCH(int, media);
        QFETCH(QStringList, typed);
        QFETCH(QString, threshold);
        QFETCH(QByteArray, sent);
        Bench b(lb::sim::Profile::ForEdition(edition));
        QString seen;
        lb::test::WhenModal<TFormSensorCalibrate> answer([&](TFormSensorCalibrate* dialog) {
            seen = Text(dialog, "EditReference");
            Choose(dialog, media);
            const char* edits[] = {"EditHeight", "EditGap", "EditInten", "EditReference"};
            for (int i = 0; i < 4; ++i)
                Get<QLineEdit>(dialog, edits[i])->setText(typed[i]);
            Click(dialog, button.toLatin1().constData());
        });
        Click(b.form.get(), "ButtonSensorCalibrate");
        QCOMPARE(answer.runs(), 1);
        QCOMPARE(seen, threshold);
        QCOMPARE(b.answers.shown().size(), 0);
        // The settings; then the password read and the commands.
        const int expected = 3 + (sent.isNull() ? 1 : 3);
        QVERIFY(b.printer.waitForClosedConnections(expected, kWaitMs));
        QCOMPARE(b.printer.connectionCount(), expected);
        QVERIFY(b.printer.transcripts().at(3).contains("DIAGNOSTIC REPORT SENSORMODE\r\n"));
        if (!sent.isNull()) QCOMPARE(b.printer.transcripts().last(), sent);
        QVERIFY(b.form->isEnabled());
    }

    // A number the conversion refuses shows its message and leaves the record unconfirmed
    // and the dialog open.
    void refusedNumber_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, const char* button, const char* edit, const char* text,
                            const QString& message) {
            QTest::newRow(tag) << QString(button) << QString(edit) << QString(text) << message;
        };
        row("height not a number", "ButtonCalib", "EditHeight", "4,5", "Paper Height: '4,5' is not a number");
        row("gap infinite", "ButtonCalib", "EditGap", "inf", "Gap: 'inf' is not a number");
        row("height negative", "ButtonCalib", "EditHeight", "-1", "Paper Height: '-1' is out of range");
        row("height beyond int32 dots", "ButtonCalib", "EditHeight", "1e8",
            "Paper Height: '1e8' is out of range");
        row("intensity empty", "ButtonSet", "EditInten", "", "Sensor Intension: '' is not a number");
        row("threshold negative", "ButtonSet", "EditReference", "-5",
            "Threshold Value: '-5' is out of range");
    }
    void refusedNumber() {
        QFETCH(QString, button);
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, message);
        lb::ScopedMessageBoxAnswers answers;
        SensorCalibration record{0, 0, 0, 350, 5, 0, 0, 203};
        TFormSensorCalibrate dialog;
        dialog.Open(0, 0, &record, InterfaceKind::Ethernet);
        dialog.show();
        Get<QLineEdit>(&dialog, edit.toLatin1().constData())->setText(text);
        Click(&dialog, button.toLatin1().constData());
        QCOMPARE(answers.shownTexts(), QStringList{message});
        QCOMPARE(record.Confirmed, uint8_t(0));
        QCOMPARE(record.Intensity, 5);
        QVERIFY(dialog.isVisible());
    }

    // The assisted calibration: first click over the liner (or black mark), second after the
    // live readings, third over the label. Nothing is sent but the sensor reports.
    void assisted_data() {
        QTest::addColumn<int>("media");
        QTest::addColumn<QList<int>>("apart");       // label minus liner at each level
        QTest::addColumn<QStringList>("proposed");   // EditInten, EditReference; empty: failed
        const QList<int> peak = {0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 180, 160, 140, 120, 100};
        // At level 10: liner 200, label 400; (200 + 400) / 2 = 300.
        QTest::newRow("gap") << 0 << peak << QStringList{"10", "300"};
        QTest::newRow("black mark") << 1 << peak << QStringList{"10", "300"};
        QTest::newRow("exactly 96 at level 4, first of equals")
            << 0 << QList<int>{0, 10, -50, 90, 96, 95, -96, 0, 0, 0, 0, 0, 0, 0, 0, 0}
            << QStringList{"4", "188"};
        QTest::newRow("95 at most fails") << 0 << QList<int>(16, -95) << QStringList();
    }
    void assisted() {
        QFETCH(int, media);
        QFETCH(QList<int>, apart);
        QFETCH(QStringList, proposed);
        Bench b;
        b.setSensor(100, apart, UnderSensor::Liner);
        SensorCalibration record{0, 2, 0, 0, 0, 0, 0, 203};
        TFormSensorCalibrate dialog(b.form.get());
        dialog.Open(0, 0, &record, InterfaceKind::Ethernet);
        dialog.show();   // laid out, so that a click lands on its control
        auto* combo = Get<QComboBox>(&dialog, "ComboBoxSnesorInt");
        auto* message = Get<QLabel>(&dialog, "LabelMessage");
        Choose(&dialog, media);

        Click(&dialog, "ButtonManualCalibration");
        QCOMPARE(dialog.ManualCalibrationStep(), 1);
        QCOMPARE(message->text(),
                 media == 0 ? QString("Put linner please") : QString("Put black mark please"));
        QCOMPARE(Get<QPushButton>(&dialog, "ButtonManualCalibration")->text(), QString("Next"));
        QCOMPARE(combo->count(), 16);
        combo->setCurrentIndex(7);
        dialog.Timer1Timer();
        QCOMPARE(Text(&dialog, "EditCurrentReading"), QString::number(100 + 70));

        Click(&dialog, "ButtonManualCalibration");
        QCOMPARE(dialog.ManualCalibrationStep(), 2);
        QCOMPARE(message->text(), QString("Put label please"));
        b.put(UnderSensor::Label);
        dialog.Timer1Timer();
        QCOMPARE(Text(&dialog, "EditCurrentReading"), QString::number(170 + apart[7]));

        Click(&dialog, "ButtonManualCalibration");
        QCOMPARE(dialog.ManualCalibrationStep(), 0);
        QVERIFY(!dialog.timer()->isActive());
        QCOMPARE(Get<QPushButton>(&dialog, "ButtonManualCalibration")->text(), QString("Calibrate"));
        QCOMPARE(dialog.chart()->labelPass().size(), 16);
        QCOMPARE(dialog.chart()->hasProposal(), !proposed.isEmpty());
        QCOMPARE(dialog.chart()->note().isEmpty(), !proposed.isEmpty());   // why it failed
        QCOMPARE(b.printer.connectionCount(), 3 + 3);
        QCOMPARE(b.printer.transcripts().last(), media == 1 ? QByteArray("DIAGNOSTIC REPORT BLINESENSOR\r\n")
                                                            : QByteArray("DIAGNOSTIC REPORT GAPSENSOR\r\n"));
        if (proposed.isEmpty() || QByteArray(QTest::currentDataTag()) == "gap")
            Shoot(dialog, proposed.isEmpty() ? "failed" : "complete");
        if (proposed.isEmpty()) {
            QCOMPARE(b.answers.shownTexts(), QStringList{"Can't calibration"});
            QVERIFY(message->isHidden());
            return;
        }
        QCOMPARE(b.answers.shown().size(), 0);
        QCOMPARE((QStringList{Text(&dialog, "EditInten"), Text(&dialog, "EditReference")}), proposed);
        QCOMPARE(message->text(), QString("Calibration is complete"));
        QVERIFY(!Get<QLabel>(&dialog, "LabelGapValue")->isHidden());
    }

    // Continuous media: one reading, the proposal at once, the step stays 0. "Auto
    // Selection" cannot be calibrated: a message, nothing read, the step unchanged.
    void continuousAndAutoSelection() {
        Bench b;
        b.setSensor(100, QList<int>(16, 0), UnderSensor::Label);
        SensorCalibration record{0, 0, 0, 0, 0, 0, 0, 203};
        TFormSensorCalibrate dialog(b.form.get());
        dialog.Open(0, 0, &record, InterfaceKind::Ethernet);
        dialog.show();   // laid out, so that a click lands on its control
        Choose(&dialog, 2);
        Click(&dialog, "ButtonManualCalibration");
        QCOMPARE(dialog.ManualCalibrationStep(), 0);
        // Rising readings 100..250: the highest level is already below 768.
        QCOMPARE(Text(&dialog, "EditInten"), QString("8"));
        QCOMPARE(Text(&dialog, "EditReference"), QString::number((250 + 256) / 2));
        QCOMPARE(Get<QLabel>(&dialog, "LabelLabelValue")->text(), QString("250"));

        Choose(&dialog, 0);
        Click(&dialog, "ButtonManualCalibration");
        Choose(&dialog, 3);
        Click(&dialog, "ButtonManualCalibration");
        QCOMPARE(b.answers.shownTexts(), QStringList{"Can't calibration"});
        QCOMPARE(dialog.ManualCalibrationStep(), 1);
        QCOMPARE(b.printer.connectionCount(), 3 + 2);
    }

    // A tick or a click delivered while a reading pumps the message loop starts nothing and
    // shows nothing: the click does not move the step on, the tick leaves the reading shown.
    void tickOrClickDuringAReading() {
        Bench b;
        b.setSensor(100, QList<int>(16, 200), UnderSensor::Liner);
        SensorCalibration record{0, 0, 0, 0, 0, 0, 0, 203};
        TFormSensorCalibrate dialog(b.form.get());
        dialog.Open(0, 0, &record, InterfaceKind::Ethernet);
        dialog.show();   // laid out, so that a click lands on its control
        QList<int> stepsSeen;
        PumpAction during([&] {
            dialog.Timer1Timer();
            dialog.ButtonManualCalibrationClick();
            stepsSeen.append(dialog.ManualCalibrationStep());
        });
        lb::ScopedObserver observer(&during);
        Click(&dialog, "ButtonManualCalibration");   // step 0's reading
        QCOMPARE(dialog.ManualCalibrationStep(), 1);
        dialog.Timer1Timer();   // the live reading, with clicks and ticks inside it
        QCOMPARE(dialog.ManualCalibrationStep(), 1);
        QVERIFY(!stepsSeen.isEmpty());
        QVERIFY(!stepsSeen.contains(2));
        QCOMPARE(Text(&dialog, "EditCurrentReading"), QString::number(130));
        QCOMPARE(b.answers.shown().size(), 0);
        QCOMPARE(b.printer.connectionCount(), 3 + 2);
    }
};

QTEST_MAIN(TestFormSensorCalibrate)
#include "tst_form_sensor_calibrate.moc"
