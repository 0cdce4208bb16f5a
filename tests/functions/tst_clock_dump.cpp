// SPDX-License-Identifier: Apache-2.0
// The printer's clock and dump mode: the command texts, operations 6, 8 and 9, the "RTC Setup"
// and "Dump Text Setup" dialogs, and the main window's two buttons against the simulated
// printer on 127.0.0.1.

#include "app/ui/form_main.h"
#include "functions/dump_text.h"
#include "functions/printer_clock.h"
#include "functions/ui/form_dump_text_setup.h"
#include "functions/ui/form_rtc_setup.h"
#include "link/dispatcher.h"
#include "link/transport.h"
#include "sim/in_process_transport.h"
#include "sim/sim_server.h"
#include "tests/support/no_real_devices.h"
#include "tests/support/screenshot.h"
#include "tests/support/short_timing.h"
#include "tests/support/when_modal.h"
#include "ui_common/file_dialog.h"
#include "ui_common/message_box.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using lb::DumpTextSettings;
using lb::InterfaceKind;
using lb::RtcSettings;
using lb::TFormDumpTextSetup;
using lb::TFormRTCSetup;

namespace {

constexpr int kWaitMs = 10000;   // only a bound for a broken run
const char* const kClockEdits[] = {"EditYear", "EditMonth",  "EditDate",
                                   "EditHour", "EditMinute", "EditSecond"};

RtcSettings Clock(int y, int mo, int d, int h, int mi, int s, int format) {
    RtcSettings r{};
    r.Year = y;
    r.Month = mo;
    r.Date = d;
    r.Hour = h;
    r.Minute = mi;
    r.Second = s;
    r.Format = format;
    return r;
}

DumpTextSettings Dump(int mode, const QByteArray& name) {
    DumpTextSettings d = lb::DefaultDumpTextSettings();
    d.Mode = mode;
    lb::SetDumpFileName(d, name);
    return d;
}

template <typename T = QWidget> T* Get(QWidget* in, const char* name) {
    return in->findChild<T*>(name);
}
void Click(QWidget* in, const char* button) {
    QTest::mouseClick(Get<QAbstractButton>(in, button), Qt::LeftButton);
}
// A radio button clicked on its indicator (a stretched button's middle is no hit).
void Choose(QWidget* in, const char* radio) {
    auto* r = Get<QRadioButton>(in, radio);
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2));
}
QStringList ClockTexts(QWidget* dialog) {
    QStringList texts;
    for (const char* edit : kClockEdits)
        texts.append(Get<QLineEdit>(dialog, edit)->text());
    return texts;
}

// The main window on a simulated printer; the first contact is over.
struct Bench {
    Bench() : timing(lb::test::ShortLinkTiming(2000)) {
        printer.start(0);
        form = std::make_unique<lb::TFormMain>(lb::StartOptions{InterfaceKind::Ethernet, "127.0.0.1",
                                                                printer.port(), lb::test::TestWindowSize()});
        form->RunFirstContact();
        printer.waitForClosedConnections(3, kWaitMs);
        before = printer.connectionCount();
    }
    // What the connections since the first contact carried.
    QList<QByteArray> sent() const { return printer.transcripts().mid(before); }
    bool waitForConnections(int count) const {
        return printer.waitForClosedConnections(before + count, kWaitMs);
    }

    lb::ScopedLinkTiming timing;
    lb::ScopedMessageBoxAnswers answers;
    lb::sim::SimServer printer;
    std::unique_ptr<lb::TFormMain> form;
    int before = 0;
};

}   // namespace

class TestClockDump : public QObject {
    Q_OBJECT

    lb::test::ScopedNoRealDevices m_noDevices;

private slots:
    void commandTexts_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("clock 2012-07-04 09:05:00, format 4")
            << lb::PrinterClockCommands(Clock(2012, 7, 4, 9, 5, 0, 4))
            << QByteArray("@YEAR = \"12\"\r\n@MONTH = \"7\"\r\n@DATE = \"4\"\r\n@HOUR = \"9\"\r\n"
                          "@MINUTE = \"5\"\r\n@SECOND = \"0\"\r\nSET RTCFORMAT 4\r\n");
        QTest::newRow("year 2005 is 5, values as entered")
            << lb::PrinterClockCommands(Clock(2005, 13, 0, 99, -1, 60, 9)).left(41)
            << QByteArray("@YEAR = \"5\"\r\n@MONTH = \"13\"\r\n@DATE = \"0\"\r\n");
        QTest::newRow("print") << lb::DumpTextCommand(Dump(lb::kDumpPrint, "LOG1.TXT"))
                               << QByteArray("DUMP_TEXT PRINT,");
        QTest::newRow("card") << lb::DumpTextCommand(Dump(lb::kDumpToCard, "LOG1.TXT"))
                              << QByteArray("DUMP_TEXT SAVE 1000,E,\"LOG1.TXT\",");
        QTest::newRow("file mode names Dump.txt") << lb::DumpTextCommand(Dump(lb::kDumpToFile, "LOG1.TXT"))
                                                  << QByteArray("DUMP_TEXT SAVE 1000,\"Dump.txt\",");
        QTest::newRow("an unknown mode too")
            << lb::DumpTextCommand(Dump(7, "X")) << QByteArray("DUMP_TEXT SAVE 1000,\"Dump.txt\",");
        for (const QByteArray& bad : {QByteArray("A\"B.TXT"), QByteArray("A\r\nB"), QByteArray("A\x1b!R"),
                                      QByteArray("ABCDEFGH.TXTX")})
            QTest::newRow(("card name refused: " + bad.toPercentEncoding()).constData())
                << lb::DumpTextCommand(Dump(lb::kDumpToCard, bad)) << QByteArray();
    }
    void commandTexts() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(text, expected);
        if (expected == "DUMP_TEXT PRINT,") QCOMPARE(text.size(), 16);
    }

    // The seven reports in order; the first that fails ends the read, keeping what came.
    void readClock_data() {
        QTest::addColumn<QByteArray>("silent");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("fieldsRead");
        QTest::newRow("all answered") << QByteArray() << int(lb::kLinkOk) << 7;
        QTest::newRow("HOUR unanswered") << QByteArray("HOUR") << int(lb::kDataReceivingError) << 3;
    }
    void readClock() {
        QFETCH(QByteArray, silent);
        QFETCH(int, result);
        QFETCH(int, fieldsRead);
        lb::ScopedLinkTiming timing(lb::test::ShortLinkTiming(10));
        lb::sim::Faults faults;
        if (!silent.isEmpty()) faults.silentKeywords.insert(silent);
        lb::sim::SimulatedPrinter printer;
        printer.apply({lb::sim::Command::Kind::TextLine, "SET RTCFORMAT 3"});
        QList<std::shared_ptr<lb::sim::PrinterSession>> sessions;
        lb::SetTransport(InterfaceKind::Usb,
                         lb::sim::MakeInProcessTransport(&printer, faults, nullptr, &sessions));

        RtcSettings read = Clock(-1, -1, -1, -1, -1, -1, -1);
        const int got = lb::RunPrinterOperation(lb::kOpReadClock, InterfaceKind::Usb, &read, 0);
        lb::SetTransport(InterfaceKind::Usb, nullptr);
        QCOMPARE(got, result);
        const int32_t fields[] = {read.Year,   read.Month,  read.Date,  read.Hour,
                                  read.Minute, read.Second, read.Format};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(fields[i] != -1, i < fieldsRead);
        QVERIFY(read.Year >= 2026);
        if (fieldsRead == 7) QCOMPARE(read.Format, 3);
        QCOMPARE(sessions.size(), 1);
        QVERIFY(sessions.first()->transcript().endsWith(
            fieldsRead == 7
                ? "DIAGNOSTIC REPORT YEAR\r\nDIAGNOSTIC REPORT MONTH\r\nDIAGNOSTIC REPORT DATE\r\n"
                  "DIAGNOSTIC REPORT HOUR\r\nDIAGNOSTIC REPORT MINUTE\r\nDIAGNOSTIC REPORT SECOND\r\n"
                  "DIAGNOSTIC REPORT RTCFORMAT\r\n"
                : "DIAGNOSTIC REPORT DATE\r\nDIAGNOSTIC REPORT HOUR\r\n"));
    }

    void clockOffsetText_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("text");
        QTest::newRow("behind") << -37 << "printer clock 37 s behind this computer";
        QTest::newRow("ahead") << 7325 << "printer clock 2 h 2 min ahead of this computer";
        QTest::newRow("agrees") << 0 << "printer clock agrees with this computer";
    }
    void clockOffsetText() {
        QFETCH(int, offset);
        QFETCH(QString, text);
        const QDateTime now(QDate(2026, 12, 9), QTime(10, 0, 0));
        RtcSettings printer{};
        lb::SetClockFields(printer, now.addSecs(offset));
        QCOMPARE(TFormRTCSetup::ClockOffsetText(printer, now), text);
        QCOMPARE(TFormRTCSetup::ClockOffsetText(RtcSettings{}, now), QString());   // nothing read
    }

    // A reported format beyond the five items selects none, and Set sends it back unless an
    // item is picked.
    void unknownFormat_data() {
        QTest::addColumn<int>("reported");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<int>("sent");
        QTest::newRow("kept") << 7 << QString() << 7;
        QTest::newRow("picked") << 7 << "RadioGroupFormatType2" << 2;
        QTest::newRow("known") << 4 << QString() << 4;
    }
    void unknownFormat() {
        QFETCH(int, reported);
        QFETCH(QString, pick);
        QFETCH(int, sent);
        RtcSettings record = Clock(2012, 7, 4, 9, 5, 0, reported);
        TFormRTCSetup dialog;
        dialog.Open(0, 0, &record);
        bool anyChecked = false;
        for (QRadioButton* r : dialog.findChildren<QRadioButton*>())
            anyChecked = anyChecked || r->isChecked();
        QCOMPARE(anyChecked, reported < lb::kRtcFormatCount);
        if (!pick.isEmpty()) Choose(&dialog, pick.toLatin1().constData());
        Click(&dialog, "ButtonSet");
        QCOMPARE(int(record.Confirmed), 1);
        QCOMPARE(record.Format, sent);
    }

    // RTC Setup: read, shown with the offset, edited, gated, written in one write.
    void rtcButton() {
        Bench b;
        const QDateTime local(QDate(2012, 7, 4), QTime(9, 5, 0));
        lb::ScopedLocalClock clock([&] { return local; });
        QStringList shown;
        QString offset;
        lb::test::WhenModal<TFormRTCSetup> answer([&](TFormRTCSetup* d) {
            shown = ClockTexts(d);
            offset = Get<QLabel>(d, "LabelClockOffset")->text();
            lb::test::Shoot(d, "rtc-setup");
            Click(d, "ButtonSetSysTime");
            Choose(d, "RadioGroupFormatType4");
            Click(d, "ButtonSet");
        });
        QMetaObject::invokeMethod(
            b.form.get(), [&] { Click(b.form.get(), "ButtonRTCSetTime"); }, Qt::QueuedConnection);
        QTRY_COMPARE_WITH_TIMEOUT(answer.runs(), 1, kWaitMs);
        QVERIFY(b.waitForConnections(3));   // read, password, write
        QVERIFY(b.answers.shown().isEmpty());
        QCOMPARE(shown.first().toInt(), QDate::currentDate().year());
        QVERIFY2(offset.contains("ahead of this computer"), qPrintable(offset));
        QCOMPARE(b.sent().last(), lb::PrinterClockCommands(Clock(2012, 7, 4, 9, 5, 0, 4)));
    }

    // No printer: the message, then the dialog with zeros and "Disable Timestamp"; Get
    // System Time and Cancel send nothing.
    void rtcButtonWithoutPrinter() {
        Bench b;
        b.printer.stop();
        QStringList shown;
        bool disabled = false;
        lb::test::WhenModal<TFormRTCSetup> answer([&](TFormRTCSetup* d) {
            shown = ClockTexts(d);
            disabled = Get<QRadioButton>(d, "RadioGroupFormatType0")->isChecked();
            QVERIFY(Get<QLabel>(d, "LabelClockOffset")->isHidden());
            Click(d, "ButtonSetSysTime");
            Click(d, "ButtonCancel");
        });
        QMetaObject::invokeMethod(
            b.form.get(), [&] { Click(b.form.get(), "ButtonRTCSetTime"); }, Qt::QueuedConnection);
        QTRY_COMPARE_WITH_TIMEOUT(answer.runs(), 1, kWaitMs);
        QCOMPARE(b.answers.shownTexts(), QStringList{"Port Open Error"});
        QCOMPARE(shown, QStringList(6, "0"));
        QVERIFY(disabled);
        QTest::qWait(50);
        QCOMPARE(b.answers.shown().size(), 1);   // no gate, no write
        QVERIFY(b.form->isEnabled());
    }

    void dumpFileNameState_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("from Print Label") << "RadioGroupDumpMode0" << false;
        QTest::newRow("from Save to SD Card") << "RadioGroupDumpMode1" << true;
    }
    void dumpFileNameState() {
        QFETCH(QString, first);
        QFETCH(bool, enabled);
        DumpTextSettings settings = lb::DefaultDumpTextSettings();
        TFormDumpTextSetup dialog;
        dialog.Open(0, 0, &settings);
        QVERIFY(!Get<QLineEdit>(&dialog, "EditFileName")->isEnabled());
        Choose(&dialog, first.toLatin1().constData());
        Choose(&dialog, "RadioGroupDumpMode2");
        QCOMPARE(Get<QLineEdit>(&dialog, "EditFileName")->isEnabled(), enabled);
        QCOMPARE(settings.Mode, int(lb::kDumpToFile));
    }

    // Dump Text: the dialog's choice, the command, and in file mode the fetch of Dump.txt
    // into the chosen file.
    void dumpButton_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("loadAnswer");   // to "Press OK to load file."
        QTest::addColumn<bool>("badFolder");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("print") << "RadioGroupDumpMode0"
                               << "" << 0 << false << QByteArray("DUMP_TEXT PRINT,") << QStringList();
        QTest::newRow("card") << "RadioGroupDumpMode1"
                              << "LOG1.TXT" << 0 << false << QByteArray("DUMP_TEXT SAVE 1000,E,\"LOG1.TXT\",")
                              << QStringList();
        QTest::newRow("file, fetched")
            << "RadioGroupDumpMode2"
            << "" << int(QMessageBox::Ok) << false << QByteArray("DUMP_TEXT SAVE 1000,\"Dump.txt\",")
            << QStringList{"Press OK to load file."};
        QTest::newRow("file, not fetched")
            << "RadioGroupDumpMode2"
            << "" << int(QMessageBox::Cancel) << false << QByteArray("DUMP_TEXT SAVE 1000,\"Dump.txt\",")
            << QStringList{"Press OK to load file."};
        QTest::newRow("file, not writable")
            << "RadioGroupDumpMode2"
            << "" << int(QMessageBox::Ok) << true << QByteArray("DUMP_TEXT SAVE 1000,\"Dump.txt\",")
            << QStringList{"Press OK to load file.", "File Open Error"};
    }
    void dumpButton() {
        QFETCH(QString, mode);
        QFETCH(QString, name);
        QFETCH(int, loadAnswer);
        QFETCH(bool, badFolder);
        QFETCH(QByteArray, command);
        QFETCH(QStringList, messages);
        Bench b;
        const QByteArray dumped("line one\r\n\x80\xff line two\r\n");
        QTemporaryDir folder;
        const QString target = badFolder ? folder.filePath("gone/dump.txt") : folder.filePath("dump.txt");
        lb::ScopedFileDialogAnswers files;
        files.setNextAnswer(target);
        if (loadAnswer) b.answers.setNextAnswer(QMessageBox::StandardButton(loadAnswer));
        bool windowDisabledAtBox = false;
        // What the printer dumps arrives while the question is shown.
        b.answers.setOnShown([&](const lb::ShownMessage&) {
            windowDisabledAtBox = !b.form->isEnabled();
            QVERIFY(b.waitForConnections(1));   // the dump command has been served
            b.printer.printer().edit(
                [&](lb::sim::Profile& p) { p.memories[lb::sim::Memory::Dram].store("Dump.txt", dumped); });
        });

        lb::test::WhenModal<TFormDumpTextSetup> answer([&](TFormDumpTextSetup* d) {
            Choose(d, mode.toLatin1().constData());
            if (!name.isEmpty()) Get<QLineEdit>(d, "EditFileName")->setText(name);
            if (name == "LOG1.TXT") lb::test::Shoot(d, "dump-text-setup");
            Click(d, "ButtonOK");
        });
        QMetaObject::invokeMethod(
            b.form.get(), [&] { Click(b.form.get(), "ButtonDump"); }, Qt::QueuedConnection);
        QTRY_COMPARE_WITH_TIMEOUT(answer.runs(), 1, kWaitMs);
        const bool fetch = loadAnswer == int(QMessageBox::Ok);
        QVERIFY(b.waitForConnections(fetch ? 2 : 1));
        QTRY_VERIFY_WITH_TIMEOUT(b.form->isEnabled(), kWaitMs);
        QCOMPARE(b.answers.shownTexts(), messages);
        QCOMPARE(b.sent().first(), command);
        QCOMPARE(b.sent().size(), fetch ? 2 : 1);
        if (!messages.isEmpty()) QVERIFY(windowDisabledAtBox);
        QCOMPARE(QFile::exists(target), fetch && !badFolder);
        if (fetch && !badFolder) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), dumped);
        }
    }

    // A card name that would break the quoted command: a message, the dialog stays open,
    // and nothing is sent.
    void dumpBadCardName() {
        Bench b;
        int opened = 0;
        lb::test::WhenModal<TFormDumpTextSetup> answer([&](TFormDumpTextSetup* d) {
            ++opened;
            Choose(d, "RadioGroupDumpMode1");
            Get<QLineEdit>(d, "EditFileName")->setText("A\"B.TXT");
            Click(d, "ButtonOK");
            QVERIFY(d->isVisible());
            Click(d, "ButtonCancel");
        });
        QMetaObject::invokeMethod(
            b.form.get(), [&] { Click(b.form.get(), "ButtonDump"); }, Qt::QueuedConnection);
        QTRY_COMPARE_WITH_TIMEOUT(answer.runs(), 1, kWaitMs);
        QTest::qWait(50);
        QCOMPARE(b.answers.shown().size(), 1);
        QVERIFY(b.sent().isEmpty());
        QCOMPARE(b.printer.connectionCount(), b.before);
    }
};

QTEST_MAIN(TestClockDump)
#include "tst_clock_dump.moc"
