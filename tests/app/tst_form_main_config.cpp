// SPDX-License-Identifier: Apache-2.0
// The Printer Configuration page driven by its controls against the simulated printer on
// 127.0.0.1: read, units, set, clear, save and load, status, password gate, test page.

#include "app/ui/form_main.h"
#include "config/config_file.h"
#include "config/ui/printer_configuration_page.h"
#include "config/write_configuration.h"
#include "functions/test_page.h"
#include "link/link_timing.h"
#include "sim/sim_server.h"
#include "tests/support/no_real_devices.h"
#include "tests/support/short_timing.h"
#include "tests/support/when_modal.h"
#include "ui_common/file_dialog.h"
#include "ui_common/message_box.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using lb::InterfaceKind;
using lb::TFormMain;
using lb::sim::SimServer;

namespace {

constexpr int kWaitMs = 10000;   // only a bound for a broken run

using lb::test::WhenModal;

// The main window against a simulated printer of the given profile.
struct Bench {
    explicit Bench(lb::sim::Profile profile = lb::sim::Profile::Default())
        : timing(lb::test::ShortLinkTiming(2000)), printer(std::move(profile)) {
        printer.start(0);
        form = std::make_unique<TFormMain>(
            lb::StartOptions{InterfaceKind::Ethernet, "127.0.0.1", printer.port(), QSize(1280, 1024)});
        // The first contact: link check, leave line mode, read.
        form->RunFirstContact();
        printer.waitForClosedConnections(3, kWaitMs);
        settled = printer.connectionCount();
    }

    template <typename T = QWidget> T* get(const char* name) { return form->findChild<T*>(name); }
    void click(const char* name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    void type(const char* edit, const QString& text) {
        auto* e = get<QLineEdit>(edit);
        e->setFocus();
        e->selectAll();
        e->del();
        QTest::keyClicks(e, text);
    }
    QString text(const char* edit) { return get<QLineEdit>(edit)->text(); }
    // Waits for the connections that followed the start-up and gives their transcripts.
    QList<QByteArray> newTranscripts(int count) {
        if (!printer.waitForClosedConnections(settled + count, kWaitMs)) return {};
        return printer.transcripts().mid(settled);
    }
    int newConnections() const { return printer.connectionCount() - settled; }

    lb::ScopedLinkTiming timing;
    lb::ScopedMessageBoxAnswers answers;
    lb::ScopedFileDialogAnswers files;
    SimServer printer;
    std::unique_ptr<TFormMain> form;
    int settled = 0;
};

lb::sim::Profile WithPassword(const QByteArray& password) {
    lb::sim::Profile p = lb::sim::Profile::Default();
    p.password = password;
    return p;
}

QByteArray Joined(const QList<QByteArray>& commands) {
    QByteArray all;
    for (const QByteArray& c : commands)
        all += c;
    return all;
}

}   // namespace

class TestFormMainConfig : public QObject {
    Q_OBJECT
private slots:
    void init() { lb::test::InstallAbsentDevices(); }
    void startUpShowsTheReadConfiguration() {
        Bench b;
        QCOMPARE(b.form->printerConfig().ConfigRead, uint8_t(1));
        QCOMPARE(b.text("EditSpeed"), QString("4"));
        QCOMPARE(b.text("EditWidth"), QString("4.00"));
        QCOMPARE(b.text("EditHeight"), QString("2.00"));
        QCOMPARE(b.get<QComboBox>("ComboBoxMediaSensor")->currentText(), QString("GAP"));
        QCOMPARE(b.get<QComboBox>("ComboBoxCodePage")->currentText(), QString("850"));
        QCOMPARE(b.text("EditVersion"), QString("LB-4203 V1.04 EZ"));
        QCOMPARE(b.text("EditCuttingCounter"), QString("1520"));
        QCOMPARE(b.text("EditResetCuttingCounter"), QString("230"));
        QCOMPARE(b.text("EditMilage"), QString("1.25"));
        QCOMPARE(b.text("EditResetMilage"), QString("0.37"));
        QCOMPARE(b.get<QLabel>("LabelKm")->text(), QString("Km"));
        QCOMPARE(b.form->statusPanelText(2), QString("Configuration read (edition 104)"));
        // Post-print action TEAR: the cutter piece stays empty although it was read.
        QCOMPARE(b.get<QComboBox>("ComboBoxPrintOut")->currentText(), QString("TEAR"));
        QCOMPARE(b.text("EditCutterPiece"), QString());
        // A base of 0 is hidden, one of 8 is shown.
        QVERIFY(b.get("EditOffsetBase")->isHidden());
        QVERIFY(!b.get("EditDensityBase")->isHidden());
        QCOMPARE(b.text("EditDensityBase"), QString("8"));
        QCOMPARE(b.answers.shown().size(), 0);
    }

    // Read into mm, then switching to inch relabels only; the numbers follow at the next read.
    void readAndUnits() {
        Bench b;
        QTest::mouseClick(b.get<QRadioButton>("RadioButtonUnitMm"), Qt::LeftButton);
        QCOMPARE(b.get<QLabel>("LabelUnit1")->text(), QString("mm"));
        QCOMPARE(b.get<QLabel>("LabelUnit9")->text(), QString("mm"));
        QCOMPARE(b.text("EditWidth"), QString("4.00"));   // not converted by the switch
        b.click("ButtonRead");
        QCOMPARE(b.text("EditWidth"), QString("101.50"));
        QCOMPARE(b.text("EditMaximumLength"), QString("253.75"));
        QCOMPARE(b.newConnections(), 1);
        QCOMPARE(b.answers.shown().size(), 0);
    }

    // Set writes the page on top, from the stored record with the panel's values, and
    // nothing of the other pages. The printer then reads back what was typed.
    void setWritesThePageOnTop_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("Common speed with a comma") << 0 << "EditSpeed"
                                                   << "2,5"
                                                   << "2.5";
        QTest::newRow("Common width") << 0 << "EditWidth"
                                      << "3.5"
                                      << "3.50";
        QTest::newRow("Z darkness") << 1 << "EditDarknessZ"
                                    << "12"
                                    << "12";
        QTest::newRow("Z print width") << 1 << "EditPrintWidthZ"
                                       << "2.99"
                                       << "2.99";
        QTest::newRow("D heat") << 2 << "EditHeatD"
                                << "7"
                                << "7";
        QTest::newRow("Interface baud") << 3 << "ComboBoxBaudrate"
                                        << "19200"
                                        << "19200";
    }
    void setWritesThePageOnTop() {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, readBack);
        Bench b;
        b.get<QTabWidget>("PageControlConfig")->setCurrentIndex(page);
        const QByteArray name = control.toLatin1();
        if (auto* list = b.get<QComboBox>(name.constData()))
            list->setCurrentIndex(list->findText(typed));
        else
            b.get<QLineEdit>(name.constData())->setText(typed);

        // The record the panel stands for: the read one with the typed value.
        lb::PrinterConfig expected = b.form->printerConfig();
        QVERIFY(b.form->CollectConfig(expected));
        const QByteArray commands = Joined(lb::ConfigurationCommands(expected, page));
        QVERIFY(!commands.isEmpty());

        b.click("ButtonConfigSet");
        const QList<QByteArray> sent = b.newTranscripts(2);   // password read, then the write
        QCOMPARE(sent.size(), 2);
        QVERIFY(sent[0].contains("DIAGNOSTIC REPORT PASSWORD"));
        QCOMPARE(sent[1], commands);
        QCOMPARE(b.answers.shown().size(), 0);
        QVERIFY(b.form->statusPanelText(2).contains(QRegularExpression(" written: [1-9][0-9]* settings$")));
        // The stored record is not changed by Set.
        QVERIFY(b.form->printerConfig().ConfigRead == 1);

        b.click("ButtonRead");
        if (auto* list = b.get<QComboBox>(name.constData()))
            QCOMPARE(list->currentText(), readBack);
        else
            QCOMPARE(b.text(name.constData()), readBack);
    }

    void setWithOnlyTheTypedValuesOfThePage() {
        Bench b;
        b.get<QLineEdit>("EditSpeed")->setText("2,5");
        b.click("ButtonConfigSet");
        const QList<QByteArray> sent = b.newTranscripts(2);
        QCOMPARE(sent.size(), 2);
        QVERIFY(sent[1].startsWith("SPEED 2.5\r\nDENSITY 8\r\nSIZE 4.00,2.00\r\n"));
        QVERIFY(!sent[1].contains("SET COM1"));
        QVERIFY(!sent[1].contains("~SD"));
    }

    void badNumberStopsSetAndSave_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("integer") << "EditReferenceX"
                                 << "12a"
                                 << "Reference: '12a' is not a number";
        QTest::newRow("float") << "EditWidth"
                               << "4,0"
                               << "Paper Width: '4,0' is not a number";
        QTest::newRow("speed") << "EditSpeed"
                               << "x"
                               << "Speed: 'x' is not a number";
    }
    void badNumberStopsSetAndSave() {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Bench b;
        const QByteArray name = control.toLatin1();
        b.type(name.constData(), typed);
        b.click("ButtonConfigSet");
        QCOMPARE(b.answers.shownTexts(), QStringList{message});
        QVERIFY(b.form->statusPanelText(2).endsWith(" not written"));
        // The gate asked for the password; nothing else reached the printer.
        const QList<QByteArray> sent = b.newTranscripts(1);
        QCOMPARE(sent.size(), 1);
        QVERIFY(!sent[0].contains("SET ") && !sent[0].contains("SPEED"));
        QTest::qWait(50);
        QCOMPARE(b.newConnections(), 1);

        // Save stops before the file is touched: an existing file keeps its bytes.
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.dcf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old bytes");
        file.close();
        b.files.setNextAnswer(path);
        b.form->configurationPage()->ButtonSaveClick();
        QCOMPARE(b.files.requests().size(), 1);
        QCOMPARE(b.answers.shownTexts().size(), 2);
        QCOMPARE(b.answers.shownTexts().last(), message);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old bytes"));
    }

    // A number the panel takes but no command can carry: named, and nothing is written.
    void unsendableNumberStopsSet() {
        Bench b;
        b.type("EditSpeed", "3e38");
        b.click("ButtonConfigSet");
        QCOMPARE(b.answers.shownTexts(),
                 QStringList{"Speed holds 3e+38, which cannot be sent to the printer"});
        const QList<QByteArray> sent = b.newTranscripts(1);   // the gate's password read only
        QCOMPARE(sent.size(), 1);
        QVERIFY(!sent[0].contains("SPEED"));
        QTest::qWait(50);
        QCOMPARE(b.newConnections(), 1);
    }

    void clearEmptiesThePanelAndSendsNothing() {
        Bench b;
        b.click("ButtonClear");
        QCOMPARE(b.text("EditSpeed"), QString());   // 3.0, but absent
        QCOMPARE(b.text("EditWidth"), QString());
        QCOMPARE(b.get<QComboBox>("ComboBoxMediaSensor")->currentIndex(), -1);
        QCOMPARE(b.text("EditControlPrefixZ"), QString());
        QCOMPARE(b.text("EditVersion"), QString());
        QCOMPARE(b.text("EditCuttingCounter"), QString("0"));
        QCOMPARE(b.form->printerConfig().ConfigRead, uint8_t(0));
        QTest::qWait(50);
        QCOMPARE(b.newConnections(), 0);
    }

    // Save, change everything, load: the panel and the record come back; saving again
    // gives the same bytes.
    void saveAndLoadRoundTrip() {
        Bench b;
        QTest::mouseClick(b.get<QRadioButton>("RadioButtonUnitMm"), Qt::LeftButton);
        b.click("ButtonRead");
        b.type("EditGapInten", "9");   // saved although never sent
        QTemporaryDir dir;
        const QString first = dir.filePath("first.dcf");
        const QString second = dir.filePath("second");   // the dialog adds .dcf
        b.files.setNextAnswer(first);
        b.click("ButtonSave");
        QCOMPARE(b.files.requests().size(), 1);
        QCOMPARE(b.files.requests().last().name, QString("SaveDialog1"));
        QFile saved(first);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray image = saved.readAll();
        QCOMPARE(image.size(), lb::kConfigFileSize);
        QCOMPARE(image.left(12), QByteArray("\xaa\x55\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00", 12));

        b.click("ButtonClear");
        QTest::mouseClick(b.get<QRadioButton>("RadioButtonUnitInch"), Qt::LeftButton);
        b.files.setNextAnswer(first);
        b.click("ButtonLoad");
        QCOMPARE(b.files.requests().size(), 2);
        QCOMPARE(b.files.requests().last().name, QString("OpenDialog1"));
        QVERIFY(b.get<QRadioButton>("RadioButtonUnitMm")->isChecked());
        QCOMPARE(b.get<QLabel>("LabelUnit3")->text(), QString("mm"));
        QCOMPARE(b.text("EditWidth"), QString("101.50"));
        QCOMPARE(b.text("EditGapInten"), QString("9"));
        QCOMPARE(b.text("EditVersion"), QString("LB-4203 V1.04 EZ"));
        QCOMPARE(b.form->printerConfig().ConfigRead, uint8_t(1));
        b.files.setNextAnswer(second);
        b.click("ButtonSave");
        QFile again(second + ".dcf");
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), image);
        QCOMPARE(b.answers.shown().size(), 0);
        QCOMPARE(b.newConnections(), 1);   // only the read
    }

    void loadRefusesAForeignFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("SPEED 4\r\nDENSITY 8\r\n");
        QTest::newRow("wrong magic") << QByteArray(lb::kConfigFileSize, '\0');
        QTest::newRow("short") << QByteArray("\xaa\x55\x00\x00\x01\x00", 6);
    }
    void loadRefusesAForeignFile() {
        QFETCH(QByteArray, content);
        Bench b;
        QTemporaryDir dir;
        const QString path = dir.filePath("foreign.dcf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const QByteArray before(reinterpret_cast<const char*>(&b.form->printerConfig()),
                                sizeof(lb::PrinterConfig));
        b.files.setNextAnswer(path);
        b.click("ButtonLoad");
        QCOMPARE(b.answers.shownTexts(), QStringList{"File Data Error"});
        QCOMPARE(
            QByteArray(reinterpret_cast<const char*>(&b.form->printerConfig()), sizeof(lb::PrinterConfig)),
            before);
        QCOMPARE(b.text("EditWidth"), QString("4.00"));
    }

    void getStatusShowsOneWord_data() {
        QTest::addColumn<int>("statusByte");
        QTest::addColumn<QByteArray>("detail");
        QTest::addColumn<QString>("word");
        QTest::newRow("ready") << 0x00 << QByteArray(8, '\0') << "Ready";
        QTest::newRow("head open and printing") << 0x21 << QByteArray(8, '\0') << "Head Open";
        QTest::newRow("encoder wins") << 0x08 << QByteArray("\0\0\0\0\x0c\0\0\0", 8) << "Ribbon Encoder Err.";
        QTest::newRow("out of ribbon") << 0x08 << QByteArray("\0\0\0\0\x04\0\0\0", 8) << "Out of Ribbon";
        QTest::newRow("bit 6 alone") << 0x40 << QByteArray(8, '\0') << "Ready";
    }
    void getStatusShowsOneWord() {
        QFETCH(int, statusByte);
        QFETCH(QByteArray, detail);
        QFETCH(QString, word);
        lb::sim::Profile profile = lb::sim::Profile::Default();
        profile.statusByte = uint8_t(statusByte);
        profile.statusDetail = detail;
        Bench b(profile);
        b.click("ButtonGetStatus");
        QCOMPARE(b.text("EditPrinterStatus"), word);
        QCOMPARE(b.newTranscripts(1), QList<QByteArray>{QByteArray("\x1b!?\x1b!S\r\n")});
    }

    // The gate in front of Factory Default: the right entry sends INITIALPRINTER; a wrong
    // one says "Incorrect" and keeps the dialog open; Cancel and Escape send nothing.
    void passwordGate_data() {
        QTest::addColumn<QStringList>("entries");   // typed in turn; "<cancel>", "<escape>"
        QTest::addColumn<bool>("sent");
        QTest::addColumn<int>("incorrect");
        QTest::newRow("right") << QStringList{"Secret"} << true << 0;
        QTest::newRow("wrong case, then right") << QStringList{"secret", "Secret"} << true << 1;
        QTest::newRow("wrong, then cancel") << QStringList{"nope", "<cancel>"} << false << 1;
        QTest::newRow("escape") << QStringList{"<escape>"} << false << 0;
    }
    void passwordGate() {
        QFETCH(QStringList, entries);
        QFETCH(bool, sent);
        QFETCH(int, incorrect);
        Bench b(WithPassword("Secret"));
        QPoint dialogAt;
        QStringList remaining = entries;
        WhenModal<QDialog> answer(
            [&](QDialog* dialog) {
                dialogAt = dialog->pos();
                const QString entry = remaining.takeFirst();
                if (entry == "<cancel>") {
                    QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonCancel"), Qt::LeftButton);
                } else if (entry == "<escape>") {
                    QTest::keyClick(dialog, Qt::Key_Escape);
                } else {
                    auto* edit = dialog->findChild<QLineEdit*>("EditPassword");
                    QCOMPARE(edit->echoMode(), QLineEdit::Password);
                    edit->clear();
                    QTest::keyClicks(edit, entry);
                    QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
                }
            },
            int(entries.size()), [](QDialog* dialog) { return dialog->objectName() == "TFormPassword"; });
        b.click("ButtonInitial");
        QVERIFY(remaining.isEmpty());
        QCOMPARE(b.answers.shownTexts().count("Incorrect"), incorrect);
        const QRect frame = b.form->frameGeometry();
        // At a third of the main window (the headless platform may shift a frame by a pixel).
        const QPoint third(frame.x() + frame.width() / 3, frame.y() + frame.height() / 3);
        QVERIFY2((dialogAt - third).manhattanLength() <= 2,
                 qPrintable(QString("%1,%2").arg(dialogAt.x()).arg(dialogAt.y())));
        const QList<QByteArray> transcripts = b.newTranscripts(sent ? 2 : 1);
        QCOMPARE(transcripts.size(), sent ? 2 : 1);
        if (sent) QCOMPARE(transcripts[1], QByteArray("INITIALPRINTER\r\n"));
        QTest::qWait(50);
        QCOMPARE(b.newConnections(), sent ? 2 : 1);
    }

    void factoryDefaultWithoutPasswordAsksNothing() {
        Bench b;
        b.click("ButtonInitial");
        const QList<QByteArray> sent = b.newTranscripts(2);
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent[1], QByteArray("INITIALPRINTER\r\n"));
        QCOMPARE(b.answers.shown().size(), 0);
    }

    void passwordSetup_data() {
        QTest::addColumn<QByteArray>("current");
        QTest::addColumn<QStringList>("steps");    // "old|new" pairs, or "<cancel>"
        QTest::addColumn<QByteArray>("command");   // empty: nothing sent
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("change") << QByteArray("Secret") << QStringList{"Secret|abc"}
                                << QByteArray("DIAGNOSTIC PASSWORD \"abc\"\r\n") << QStringList{};
        QTest::newRow("remove") << QByteArray("Secret") << QStringList{"Secret|"}
                                << QByteArray("DIAGNOSTIC PASSWORD \"\"\r\n") << QStringList{};
        QTest::newRow("set a first one") << QByteArray() << QStringList{"|new"}
                                         << QByteArray("DIAGNOSTIC PASSWORD \"new\"\r\n") << QStringList{};
        QTest::newRow("wrong old, then cancel") << QByteArray("Secret") << QStringList{"secret|x", "<cancel>"}
                                                << QByteArray() << QStringList{"Incorrect"};
        QTest::newRow("same again") << QByteArray("Secret") << QStringList{"Secret|Secret"} << QByteArray()
                                    << QStringList{};
        QTest::newRow("quote refused")
            << QByteArray("Secret") << QStringList{"Secret|a\"b", "<cancel>"} << QByteArray()
            << QStringList{"The new password can have at most 999 characters, none "
                           "of them a double quote or a control character (such "
                           "as a line break, a tab or ESC)."};
    }
    void passwordSetup() {
        QFETCH(QByteArray, current);
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, command);
        QFETCH(QStringList, messages);
        Bench b(WithPassword(current));
        QStringList remaining = steps;
        WhenModal<QDialog> answer(
            [&](QDialog* dialog) {
                const QString step = remaining.takeFirst();
                if (step == "<cancel>") {
                    QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonCancel"), Qt::LeftButton);
                } else {
                    const QStringList parts = step.split('|');
                    for (auto* secret : dialog->findChildren<QLineEdit*>())
                        QCOMPARE(secret->echoMode(), QLineEdit::Password);
                    QTest::keyClicks(dialog->findChild<QLineEdit*>("EditOldPassword"), parts[0]);
                    QTest::keyClicks(dialog->findChild<QLineEdit*>("EditNewPassword"), parts[1]);
                    QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
                }
            },
            int(steps.size()), [](QDialog* dialog) { return dialog->objectName() == "TFormPasswordSetup"; });
        b.click("ButtonPassword");
        QVERIFY(remaining.isEmpty());
        QCOMPARE(b.answers.shownTexts(), messages);
        const int expected = command.isEmpty() ? 1 : 2;
        const QList<QByteArray> sent = b.newTranscripts(expected);
        QCOMPARE(sent.size(), expected);
        if (!command.isEmpty()) QCOMPARE(sent[1], command);
        QTest::qWait(50);
        QCOMPARE(b.newConnections(), expected);
    }

    void testPageNeedsAReadAndAPaperSize() {
        Bench b;
        b.type("EditWidth", "");
        b.click("ButtonTestPatern");
        QCOMPARE(b.answers.shownTexts(), QStringList{"Please Enter Paper Width"});
        b.type("EditWidth", "4");
        b.type("EditHeight", "");
        b.click("ButtonTestPatern");
        QCOMPARE(b.answers.shownTexts().last(), QString("Please Enter Paper Height"));
        QTest::qWait(50);
        QCOMPARE(b.newConnections(), 0);

        b.type("EditHeight", "1");   // only tested for being empty
        b.click("ButtonTestPatern");
        const QList<QByteArray> sent = b.newTranscripts(1);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0], lb::TestPageText(lb::TestPageRequestFromConfig(b.form->printerConfig())));
        QVERIFY(sent[0].startsWith("CLS\r\nDIRECTION 0,0\r\nBOX "));

        b.click("ButtonClear");
        b.click("ButtonTestPatern");
        QCOMPARE(b.answers.shownTexts().last(), QString("Please Read Printer Config First"));
    }
};

QTEST_MAIN(TestFormMainConfig)
#include "tst_form_main_config.moc"
