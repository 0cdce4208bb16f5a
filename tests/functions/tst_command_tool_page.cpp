// SPDX-License-Identifier: Apache-2.0
// The Command Tool page driven by its controls in the main window, against the simulated
// printer on 127.0.0.1: editor pages, Send, Send File, Load and Save with their encodings,
// the replies, and the buttons during a send.

#include "app/ui/form_main.h"
#include "functions/command_text.h"
#include "functions/ui/command_tool_page.h"
#include "link/link_observer.h"
#include "sim/sim_server.h"
#include "tests/support/no_real_devices.h"
#include "tests/support/short_timing.h"
#include "ui_common/file_dialog.h"
#include "ui_common/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringEncoder>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <memory>

using lb::InterfaceKind;

namespace {

constexpr int kWaitMs = 10000;   // only a bound for a broken run

struct Bench {
    Bench() : timing(lb::test::ShortLinkTiming(2000)) {
        printer.start(0);
        form = std::make_unique<lb::TFormMain>(
            lb::StartOptions{InterfaceKind::Ethernet, "127.0.0.1", printer.port(), QSize(1280, 1024)});
        // Shown, so that the page is laid out and told when it is shown.
        form->show();
        tab(3);
    }

    void tab(int index) { form->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(index); }

    template <typename T = QWidget> T* get(const char* name) { return form->findChild<T*>(name); }
    void click(const char* name) { QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton); }
    QPlainTextEdit* editor() { return get<QPlainTextEdit>("RichEditTText"); }
    // What the editor holds, line ends as LF (no-break spaces kept).
    QString text() { return editor()->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n'); }
    void chooseEncoding(const char* converter) {
        const auto encodings = lb::CommandTextEncodings();
        for (int i = 0; i < int(encodings.size()); ++i)
            if (qstrcmp(encodings[std::size_t(i)].converter, converter) == 0)
                get<QComboBox>("ComboBoxTextEncoding")->setCurrentIndex(i);
    }
    QString file(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    void clickWithFile(const char* button, const QString& path) {
        files.setNextAnswer(path);
        click(button);
    }
    // The bytes of the first connection.
    QByteArray sent() {
        if (!printer.waitForClosedConnections(1, kWaitMs)) return "(no connection)";
        return printer.transcripts().value(0);
    }

    lb::ScopedLinkTiming timing;
    lb::ScopedMessageBoxAnswers answers;
    lb::ScopedFileDialogAnswers files;
    lb::sim::SimServer printer;
    std::unique_ptr<lb::TFormMain> form;
    QTemporaryDir dir;
};

// The printable bytes that Windows-1252 defines above 0x7F, in lines of 16 with CR LF.
QByteArray Windows1252File() {
    QByteArray bytes;
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
        bytes.append(char(b));
        if (b % 16 == 15) bytes.append("\r\n");
    }
    return bytes;
}

// Calls a send from inside the running one, as a click delivered by the link's event
// pumping would.
class SecondClick : public lb::LinkObserver {
public:
    explicit SecondClick(Bench& b) : m_b(b) {}
    void progressShown() override {
        for (const char* button : {"ButtonSend", "ButtonSendFile", "ButtonLoadFile", "ButtonSaveFile"})
            if (m_b.get(button)->isEnabled()) enabledDuringSend.append(button);
        m_b.files.setNextAnswer(m_b.file("more.prn", "MORE\r\n"));
        QMetaObject::invokeMethod(m_b.form->commandToolPage(), "ButtonSendClick");
        QMetaObject::invokeMethod(m_b.form->commandToolPage(), "ButtonSendFileClick");
        ++calls;
    }
    QStringList enabledDuringSend;
    int calls = 0;

private:
    Bench& m_b;
};

}   // namespace

class TestCommandToolPage : public QObject {
    Q_OBJECT
private slots:
    void init() { lb::test::InstallAbsentDevices(); }

    // The encodings offered, by the names this machine's converters know, each both ways.
    void encodingsExist() {
        QStringList names;
        for (const lb::CommandTextEncoding& e : lb::CommandTextEncodings()) {
            names.append(QString::fromLatin1(e.converter));
            QVERIFY2(QStringEncoder(e.converter).isValid() && QStringDecoder(e.converter).isValid(),
                     e.converter);
        }
        QCOMPARE(names, QStringList({"windows-1252", "UTF-8", "Big5", "GBK", "windows-31j", "windows-949"}));
        Bench b;
        QCOMPARE(b.get<QComboBox>("ComboBoxTextEncoding")->currentIndex(), lb::kDefaultCommandTextEncoding);
    }

    // The current page again keeps the editor as it is (undo history too); page 1, 2 and
    // back restores each page's text. No word goes to the printer.
    void editorPages() {
        Bench b;
        lb::CommandToolPage* page = b.form->commandToolPage();
        QVERIFY(b.get<QRadioButton>("RadioGroupSelect1")->isChecked());
        QTest::keyClicks(b.editor(), "SIZE 4,3");
        b.click("RadioGroupSelect1");
        QCOMPARE(b.text(), QString("SIZE 4,3"));
        QVERIFY(b.editor()->document()->isUndoAvailable());
        b.click("RadioGroupSelect2");
        QCOMPARE(b.text(), QString());
        QTest::keyClicks(b.editor(), "CLS");
        b.click("RadioGroupSelect1");
        QCOMPARE(b.text(), QString("SIZE 4,3"));
        QCOMPARE(page->editorPageText(1), QString("CLS"));
        QCOMPARE(page->currentEditorPage(), 0);
        b.click("RadioGroupSelect2");
        QCOMPARE(b.text(), QString("CLS"));
        QCOMPARE(b.printer.connectionCount(), 0);
    }

    // Send: the selection or the whole text, CR LF line ends, nothing added, in the chosen
    // encoding; a character the encoding cannot hold is named and nothing is sent.
    void send_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selectFrom");   // -1: no selection
        QTest::addColumn<int>("selectTo");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QByteArray>("bytes");   // null: refused
        QTest::addColumn<QString>("refused");
        QTest::newRow("whole text") << "SIZE 4,3\nCLS\n"
                                    << -1 << 0 << "windows-1252" << QByteArray("SIZE 4,3\r\nCLS\r\n") << "";
        QTest::newRow("selection only")
            << "SIZE 4,3\nCLS\nPRINT 1" << 7 << 12 << "windows-1252" << QByteArray("3\r\nCLS") << "";
        QTest::newRow("empty editor") << "" << -1 << 0 << "windows-1252" << QByteArray("") << "";
        QTest::newRow("euro in 1252")
            << "TEXT \"€\"" << -1 << 0 << "windows-1252" << QByteArray("TEXT \"\x80\"") << "";
        QTest::newRow("chinese in 1252")
            << "A€中" << -1 << 0 << "windows-1252" << QByteArray() << "中 (U+4E2D)";
        QTest::newRow("UTF-8") << "中" << -1 << 0 << "UTF-8" << QByteArray("\xe4\xb8\xad") << "";
        QTest::newRow("Big5") << "中€" << -1 << 0 << "Big5" << QByteArray("\xa4\xa4\xa3\xe1") << "";
        QTest::newRow("GBK") << "中€" << -1 << 0 << "GBK" << QByteArray("\xd6\xd0\x80") << "";
        QTest::newRow("932 with NEC signs")
            << "①" << -1 << 0 << "windows-31j" << QByteArray("\x87\x40") << "";
        QTest::newRow("949, not ICU's CP949")
            << "똠" << -1 << 0 << "windows-949" << QByteArray("\x8c\x63") << "";
        QTest::newRow("no emoji in GBK") << "A😀" << -1 << 0 << "GBK" << QByteArray() << "😀 (U+1F600)";
        QTest::newRow("no look-alike in 1252")
            << "ā" << -1 << 0 << "windows-1252" << QByteArray() << "ā (U+0101)";
    }
    void send() {
        QFETCH(QString, text);
        QFETCH(int, selectFrom);
        QFETCH(int, selectTo);
        QFETCH(QString, encoding);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refused);
        Bench b;
        b.chooseEncoding(encoding.toLatin1().constData());
        b.editor()->setPlainText(text);
        if (selectFrom >= 0) {
            QTextCursor cursor = b.editor()->textCursor();
            cursor.setPosition(selectFrom);
            cursor.setPosition(selectTo, QTextCursor::KeepAnchor);
            b.editor()->setTextCursor(cursor);
        }
        b.click("ButtonSend");
        if (bytes.isNull()) {
            QCOMPARE(b.printer.connectionCount(), 0);
            QCOMPARE(b.answers.shown().size(), 1);
            QVERIFY2(b.answers.shown().at(0).text.contains(refused),
                     qPrintable(b.answers.shown().at(0).text));
        } else {
            QCOMPARE(b.sent(), bytes);
            QCOMPARE(b.answers.shown().size(), 0);
        }
        QCOMPARE(b.text(), text);
    }

    // Load appends up to the first zero byte, twice when loaded twice; Send File sends every
    // byte; a file that cannot be opened is told in English.
    void loadAndSendFile() {
        Bench b;
        const QString file = b.file("zero.prn", QByteArray("CLS\r\nPRINT\0 1\r\n", 15));
        b.editor()->setPlainText("SIZE 4,3\n");
        b.clickWithFile("ButtonLoadFile", file);
        b.clickWithFile("ButtonLoadFile", file);
        QCOMPARE(b.text(), QString("SIZE 4,3\nCLS\nPRINTCLS\nPRINT"));
        QCOMPARE(b.printer.connectionCount(), 0);
        b.clickWithFile("ButtonSendFile", file);
        QCOMPARE(b.sent(), QByteArray("CLS\r\nPRINT\0 1\r\n", 15));
        QCOMPARE(b.files.requests().at(0).name, QString("OpenDialog1"));
        QCOMPARE(b.files.requests().at(0).directory, b.form->startupDirectory());

        for (const char* button : {"ButtonSendFile", "ButtonLoadFile"})
            b.clickWithFile(button, b.dir.filePath("gone.prn"));
        QCOMPARE(b.answers.shownTexts(), QStringList({"Open file Error!!!", "Open file Error!!!"}));
        QCOMPARE(b.printer.connectionCount(), 1);
    }

    // A Windows-1252 file loaded and sent or saved unedited goes out byte for byte.
    void windows1252RoundTrip() {
        Bench b;
        const QByteArray bytes = Windows1252File();
        b.clickWithFile("ButtonLoadFile", b.file("western.prn", bytes));
        QVERIFY(b.text().contains(QChar(0xA0)));
        b.click("ButtonSend");
        QCOMPARE(b.sent(), bytes);
        const QString saved = b.dir.filePath("saved.prn");
        b.clickWithFile("ButtonSaveFile", saved);
        QFile f(saved);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytes);
        QCOMPARE(b.files.requests().at(1).name, QString("SaveDialog1"));
        QCOMPARE(b.answers.shown().size(), 0);
    }

    // Save refuses what the encoding cannot hold before asking for a file, and tells when
    // the file cannot be written.
    void saveFailures() {
        Bench b;
        b.editor()->setPlainText("中");
        b.click("ButtonSaveFile");
        QCOMPARE(b.files.requests().size(), 0);
        b.chooseEncoding("UTF-8");
        b.clickWithFile("ButtonSaveFile", b.dir.filePath("no/such/folder/x.prn"));
        QCOMPARE(b.answers.shown().size(), 2);
        QVERIFY(b.answers.shown().at(0).text.contains("中 (U+4E2D)"));
        QCOMPARE(b.answers.shown().at(1).text, QString("The file could not be saved."));
    }

    // Show replies: the printer's answer with CR LF as a line break and other control bytes
    // in hex; a silent printer shows that there was no answer.
    void showReplies_data() {
        QTest::addColumn<QByteArray>("report");   // null: the printer stays silent
        QTest::addColumn<QString>("shown");
        QTest::newRow("framed DPI") << QByteArray("203") << "{3|203}";
        QTest::newRow("control bytes") << QByteArray("2\x1b"
                                                     "03\r\nX\n")
                                       << "{8|2<1B>03\nX<0A>}";
        QTest::newRow("silent") << QByteArray() << "No answer.";
    }
    void showReplies() {
        QFETCH(QByteArray, report);
        QFETCH(QString, shown);
        Bench b;
        if (report.isNull()) {
            lb::sim::Faults faults;
            faults.silentKeywords = {"DPI"};
            b.printer.setFaults(faults);
        } else {
            b.printer.printer().edit([&](lb::sim::Profile& p) { p.reports["DPI"] = report; });
        }
        QVERIFY(!b.get<QCheckBox>("CheckBoxShowReplies")->isChecked());
        b.click("CheckBoxShowReplies");
        QTest::keyClicks(b.editor(), "DIAGNOSTIC REPORT DPI");
        QTest::keyClick(b.editor(), Qt::Key_Return);
        b.click("ButtonSend");
        QCOMPARE(b.sent(), QByteArray("DIAGNOSTIC REPORT DPI\r\n"));
        QCOMPARE(b.get<QPlainTextEdit>("MemoReplies")->toPlainText(), shown);
        QCOMPARE(b.answers.shown().size(), 0);
    }

    // The parallel port cannot read: no replies to ask for there.
    void noRepliesOnLpt() {
        Bench b;
        auto* check = b.get<QCheckBox>("CheckBoxShowReplies");
        b.tab(0);
        b.get<QComboBox>("ComboBoxInterFace")->setCurrentIndex(int(InterfaceKind::Lpt));
        b.tab(3);
        QVERIFY(!check->isEnabled());
        b.get<QComboBox>("ComboBoxInterFace")->setCurrentIndex(int(InterfaceKind::Ethernet));
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(b.form->commandToolPage(), &enter);
        QVERIFY(check->isEnabled());
    }

    // While a send runs the page's buttons are off, and a send delivered meanwhile starts
    // nothing and shows nothing; afterwards the buttons are back.
    void buttonsOffDuringSend() {
        Bench b;
        SecondClick observer(b);
        lb::ScopedObserver scoped(&observer);
        b.editor()->setPlainText("CLS\n");
        b.click("ButtonSend");
        QCOMPARE(observer.calls, 1);
        QCOMPARE(observer.enabledDuringSend, QStringList());
        QCOMPARE(b.sent(), QByteArray("CLS\r\n"));
        QCOMPARE(b.printer.connectionCount(), 1);
        QCOMPARE(b.answers.shown().size(), 0);
        QVERIFY(b.get("ButtonSend")->isEnabled() && b.get("ButtonSendFile")->isEnabled());
    }
};

QTEST_MAIN(TestCommandToolPage)
#include "tst_command_tool_page.moc"
