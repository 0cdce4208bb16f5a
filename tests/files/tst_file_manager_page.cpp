// SPDX-License-Identifier: Apache-2.0
// The File Manager page driven by its controls in the main window, against the simulated
// printer on 127.0.0.1: Browse, Download, Get with the memory views, Format, Font View.

#include "app/ui/form_main.h"
#include "files/file_types.h"
#include "files/printer_files.h"
#include "files/ui/file_manager_page.h"
#include "sim/sim_server.h"
#include "tests/support/no_real_devices.h"
#include "tests/support/short_timing.h"
#include "tests/support/when_modal.h"
#include "ui_common/file_dialog.h"
#include "ui_common/message_box.h"

#include <QComboBox>
#include <QFile>
#include <QFontDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using lb::InterfaceKind;
using lb::sim::Memory;

namespace {

constexpr int kWaitMs = 10000;   // only a bound for a broken run

const char* const kDeviceRadios[] = {"RadioGroupDeviceDram", "RadioGroupDeviceFlash", "RadioGroupDeviceCard"};
const char* const kFormatRadios[] = {"RadioGroupFormatDeviceDram", "RadioGroupFormatDeviceFlash",
                                     "RadioGroupFormatDeviceCard"};

// The main window on the demo printer's profile, on the File Manager page; no first contact,
// so every connection the printer sees is one a click made.
struct Bench {
    explicit Bench(int waitMs = 2000) : timing(lb::test::ShortLinkTiming(waitMs)) {
        printer.start(0);
        form = std::make_unique<lb::TFormMain>(
            lb::StartOptions{InterfaceKind::Ethernet, "127.0.0.1", printer.port(), QSize(1280, 1024)});
    }

    template <typename T = QWidget> T* get(const char* name) { return form->findChild<T*>(name); }
    void click(const char* name) { QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton); }
    QString text(const char* edit) { return get<QLineEdit>(edit)->text(); }
    QStringList listed() {
        QStringList items;
        for (int i = 0; i < get<QListWidget>("ListBoxFileList")->count(); ++i)
            items.append(get<QListWidget>("ListBoxFileList")->item(i)->text());
        return items;
    }
    QString file(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    // Chooses the type and answers Browse with path (empty: cancel).
    void browse(int type, const QString& path) {
        get<QComboBox>("ComboBoxFileType")->setCurrentIndex(type);
        files.setNextAnswer(path);
        click("ButtonBrowse");
    }
    QList<QByteArray> transcripts(int count) {
        if (!printer.waitForClosedConnections(count, kWaitMs)) return {};
        return printer.transcripts();
    }

    lb::ScopedLinkTiming timing;
    lb::ScopedMessageBoxAnswers answers;
    lb::ScopedFileDialogAnswers files;
    lb::sim::SimServer printer;
    std::unique_ptr<lb::TFormMain> form;
    QTemporaryDir dir;
};

// What the page should show for one memory of the printer's profile.
void CompareView(Bench& b, const Memory& memory, bool freeSpaceShown) {
    QCOMPARE(b.text("EditPhysicalSpace"), QString::number(memory.physicalKB));
    QCOMPARE(b.text("EditFreeSpace"), freeSpaceShown ? QString::number(memory.freeKB) : QString());
    QStringList names;
    for (const lb::sim::MemoryFile& f : memory.files)
        names.append(QString::fromLatin1(f.name));
    QCOMPARE(b.listed(), names);
}

}   // namespace

class TestFileManagerPage : public QObject {
    Q_OBJECT
private slots:
    void init() { lb::test::InstallAbsentDevices(); }

    // A choice fills size and proposal and enables Download; a fonts Browse starts in the
    // system's font folder, every other one where the program started; a cancel or a file
    // that cannot be opened leaves Download disabled.
    void browse() {
        Bench b;
        QCOMPARE(b.get<QComboBox>("ComboBoxFileType")->currentIndex(), -1);
        QCOMPARE(b.get<QComboBox>("ComboBoxDevice")->currentText(), QString("FLASH"));
        QVERIFY(!b.get("ButtonDownload")->isEnabled());

        b.browse(lb::kFileTypeTrueTypeFont, b.file("Sans Serif Bold.ttf", QByteArray(1234, 'x')));
        QCOMPARE(b.text("EditFileSize"), QString("1234"));
        QCOMPARE(b.text("EditFileName"), QString("Sans Ser.TTF"));
        QVERIFY(b.get("ButtonDownload")->isEnabled());
        const QString fonts = lb::SystemFontDirectory();
        QCOMPARE(b.files.requests().at(0).directory, fonts.isEmpty() ? b.form->startupDirectory() : fonts);
        QCOMPARE(b.files.requests().at(0).filter, QString("*.TTF"));

        b.browse(lb::kFileTypeBmp, QString());
        QCOMPARE(b.files.requests().at(1).directory, b.form->startupDirectory());
        QVERIFY(!b.get("ButtonDownload")->isEnabled());

        b.browse(lb::kFileTypeBmp, b.dir.filePath("gone.bmp"));
        QCOMPARE(b.answers.shownTexts(), QStringList{"Open File Error"});
        QVERIFY(!b.get("ButtonDownload")->isEnabled());
        QCOMPARE(b.printer.connectionCount(), 0);
    }

    // Download: the name's checks come before the password gate (no connection at all); a
    // named file goes out as header plus bytes into the chosen memory, firmware as it is.
    void download_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("device");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("header");   // before the file's bytes; none: not sent
        QTest::newRow("BMP into FLASH")
            << int(lb::kFileTypeBmp) << "" << 1 << "" << QByteArray("DOWNLOAD F,\"mylogo_l.BMP\",54,");
        QTest::newRow("typed name into DRAM")
            << int(lb::kFileTypeData) << "ABC.DAT" << 0 << "" << QByteArray("DOWNLOAD \"ABC.DAT\",54,");
        QTest::newRow("13 characters")
            << int(lb::kFileTypeBmp) << "ABCDEFGHI.BMP" << 1 << "File name too long" << QByteArray();
        QTest::newRow("quote in name") << int(lb::kFileTypeBmp) << "A\"B.BMP" << 1
                                       << lb::PrinterFileNameProblem("A\"B.BMP") << QByteArray();
        QTest::newRow("firmware, name unused") << int(lb::kFileTypeFirmware) << "A\"B" << 2
                                               << "Please Wait Led change to Green..." << QByteArray("");
    }
    void download() {
        QFETCH(int, type);
        QFETCH(QString, name);
        QFETCH(int, device);
        QFETCH(QString, message);
        QFETCH(QByteArray, header);
        Bench b;
        const QByteArray bytes = "BM" + QByteArray(52, '\x7f');
        b.browse(type, b.file("mylogo_large.bmp", bytes));
        if (!name.isEmpty()) b.get<QLineEdit>("EditFileName")->setText(name);
        b.get<QComboBox>("ComboBoxDevice")->setCurrentIndex(device);
        b.click("ButtonDownload");

        if (header.isNull()) {
            QCOMPARE(b.answers.shownTexts(), QStringList{message});
            QCOMPARE(b.printer.connectionCount(), 0);
            return;
        }
        QCOMPARE(b.answers.shownTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        // The password read of the gate, then the file.
        const QList<QByteArray> sent = b.transcripts(2);
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent.at(1), header + bytes);
        if (lb::FileTypeAt(type).raw)
            QCOMPARE(b.printer.printer().lastFirmware(), bytes);
        else
            QVERIFY(b.printer.printer().profile().memories[device].find(b.text("EditFileName").toLatin1()));
    }

    // Get shows DRAM; the radio group switches the view without a word to the printer.
    void getAndViews() {
        Bench b;
        const lb::sim::Profile profile = b.printer.printer().profile();
        QVERIFY(b.listed().isEmpty());
        b.click("ButtonGet");
        QCOMPARE(b.transcripts(1).size(), 1);
        CompareView(b, profile.memories[Memory::Dram], true);
        for (int device : {2, 1, 0}) {
            b.click(kDeviceRadios[device]);
            CompareView(b, profile.memories[device], device != Memory::Card);
        }
        QCOMPARE(b.printer.connectionCount(), 1);
        QCOMPARE(b.answers.shown().size(), 0);
    }

    // A failure in FLASH's list shows the error and keeps the view; a radio click then shows
    // what was read before the failure: all of DRAM, FLASH's numbers, nothing of CARD.
    void failedGetKeepsTheView() {
        Bench b(1000);   // the silent keyword waits out this read time-out
        const lb::sim::Profile before = b.printer.printer().profile();
        b.click("ButtonGet");
        b.printer.printer().edit([](lb::sim::Profile& p) { p.memories[Memory::Dram].store("NEW.DAT", "x"); });
        lb::sim::Faults faults;
        faults.silentKeywords = {"FFILELIST"};
        b.printer.setFaults(faults);
        b.click("ButtonGet");
        QCOMPARE(b.answers.shownTexts(), QStringList{"Data Receiving Error"});
        CompareView(b, before.memories[Memory::Dram], true);

        const lb::sim::Profile after = b.printer.printer().profile();
        b.click(kDeviceRadios[Memory::Dram]);
        CompareView(b, after.memories[Memory::Dram], true);
        QVERIFY(b.listed().contains("NEW.DAT"));
        b.click(kDeviceRadios[Memory::Flash]);
        QCOMPARE(b.text("EditPhysicalSpace"), QString::number(after.memories[Memory::Flash].physicalKB));
        QCOMPARE(b.text("EditFreeSpace"), QString::number(after.memories[Memory::Flash].freeKB));
        QVERIFY(b.listed().isEmpty());
        b.click(kDeviceRadios[Memory::Card]);
        QCOMPARE(b.text("EditPhysicalSpace"), QString());
        QVERIFY(b.listed().isEmpty());
    }

    // Format asks first: Cancel sends nothing, not even the password read; OK passes the gate
    // and sends the memory's KILL. The list is not refreshed.
    void format_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("device");
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << 1 << QByteArray();
        QTest::newRow("OK, FLASH") << int(QMessageBox::Ok) << 1 << QByteArray("KILL F,\"*.*\"\r\n");
        QTest::newRow("OK, DRAM") << int(QMessageBox::Ok) << 0 << QByteArray("KILL \"*.*\"\r\n");
        QTest::newRow("OK, CARD") << int(QMessageBox::Ok) << 2 << QByteArray("KILL E,\"*.*\"\r\n");
    }
    void format() {
        QFETCH(int, answer);
        QFETCH(int, device);
        QFETCH(QByteArray, command);
        Bench b;
        b.click("ButtonGet");
        const QStringList shown = b.listed();
        b.click(kFormatRadios[device]);
        b.answers.setNextAnswer(QMessageBox::StandardButton(answer));
        b.click("ButtonFileFormat");
        QCOMPARE(b.answers.shownTexts(), QStringList{"Are you sure?"});
        QCOMPARE(b.answers.shown().at(0).buttons, QMessageBox::Ok | QMessageBox::Cancel);
        if (command.isNull()) {
            QCOMPARE(b.printer.connectionCount(), 1);
            return;
        }
        const QList<QByteArray> sent = b.transcripts(3);
        QCOMPARE(sent.size(), 3);
        QCOMPARE(sent.at(2), command);
        QVERIFY(b.printer.printer().profile().memories[device].files.isEmpty());
        QCOMPARE(b.listed(), shown);
    }

    // Font View opens the window's one font dialog; only OK changes its next selection.
    void fontView() {
        Bench b;
        auto* dialog = b.form->findChild<QFontDialog*>("FontDialog1");
        QVERIFY(dialog);
        const QFont initial = dialog->currentFont();
        QFont chosen = initial;
        chosen.setPointSize(initial.pointSize() + 7);
        for (const bool ok : {false, true}) {
            lb::test::WhenModal<QFontDialog> answer([&](QFontDialog* shown) {
                QCOMPARE(shown, dialog);
                shown->setCurrentFont(chosen);
                ok ? shown->accept() : shown->reject();
            });
            b.click("ButtonFontView");
            QCOMPARE(answer.runs(), 1);
            QCOMPARE(dialog->currentFont().pointSize(), (ok ? chosen : initial).pointSize());
        }
        QCOMPARE(b.printer.connectionCount(), 0);
    }
};

QTEST_MAIN(TestFileManagerPage)
#include "tst_file_manager_page.moc"
