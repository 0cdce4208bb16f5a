// SPDX-License-Identifier: Apache-2.0
// The Bitmap Font Manager page driven by its controls in the main window, against the simulated
// printer on 127.0.0.1: the presets, the font and its character set, the settings refused
// before a build, encode tables, Save Font, Download Font and the preview window.

#include "app/ui/form_main.h"
#include "files/printer_files.h"
#include "fonts/bitmap_font.h"
#include "fonts/font_rules.h"
#include "fonts/glyph_surface.h"
#include "fonts/ui/bitmap_font_manager_page.h"
#include "fonts/ui/form_preview_font.h"
#include "sim/sim_server.h"
#include "tests/support/no_real_devices.h"
#include "tests/support/screenshot.h"
#include "tests/support/short_timing.h"
#include "tests/support/when_modal.h"
#include "ui_common/file_dialog.h"
#include "ui_common/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using lb::InterfaceKind;

namespace {

constexpr int kWaitMs = 10000;   // only a bound for a broken run
const QString kParameterError = QStringLiteral("Font Parameter Error");

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The main window on the simulated printer, started in a folder of its own (where TEMP.BMF
// goes), on the Bitmap Font Manager page; fonts are chosen without the dialog.
struct Bench {
    Bench() : timing(lb::test::ShortLinkTiming(2000)), startedIn(QDir::currentPath()) {
        QDir::setCurrent(dir.path());
        printer.start(0);
        form = std::make_unique<lb::TFormMain>(lb::StartOptions{InterfaceKind::Ethernet, "127.0.0.1",
                                                                printer.port(), lb::test::TestWindowSize()});
        page = form->fontManagerPage();
        page->setFontChooser([this] { return chosen; });
    }
    ~Bench() { QDir::setCurrent(startedIn); }

    template <typename T = QWidget> T* get(const char* name) { return form->findChild<T*>(name); }
    void click(const char* name) { QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton); }
    QString text(const char* edit) { return get<QLineEdit>(edit)->text(); }
    void type(const char* edit, const QString& text) { get<QLineEdit>(edit)->setText(text); }
    void choose(const char* combo, int index) { get<QComboBox>(combo)->setCurrentIndex(index); }
    void selectFont(const QFont& font) {
        chosen = font;
        click("ButtonSelectFont");
    }
    // Save Font into the folder; the file's bytes (empty when none was written).
    QByteArray saveFont(const QString& name = QStringLiteral("saved.bmf")) {
        files.setNextAnswer(dir.filePath(name));
        click("ButtonSaveFont");
        return Read(dir.filePath(name));
    }
    QString tempFont() const { return dir.filePath(QStringLiteral("TEMP.BMF")); }

    lb::ScopedLinkTiming timing;
    lb::ScopedMessageBoxAnswers answers;
    lb::ScopedFileDialogAnswers files;
    QTemporaryDir dir;
    QString startedIn;
    lb::sim::SimServer printer;
    std::unique_ptr<lb::TFormMain> form;
    lb::BitmapFontManagerPage* page = nullptr;
    std::optional<QFont> chosen;
};

QFont Font(const QString& family, int pixels = 20) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QByteArray Codes(const lb::BitmapFontFile& font) {
    QByteArray codes;
    for (const lb::BitmapFontGlyph& glyph : font.glyphs) {
        codes.append(char(glyph.firstByte));
        if (font.header.doubleByte) codes.append(char(glyph.secondByte));
    }
    return codes;
}

}   // namespace

class TestBitmapFontPage : public QObject {
    Q_OBJECT
private slots:
    void init() { lb::test::InstallAbsentDevices(); }

    // The page as built: the initial font's family as the platform resolves it, 32..127,
    // FLASH, FONT001. Full ASCII presets 32..255 and Custom keeps them.
    void initialStateAndMapping() {
        Bench b;
        QCOMPARE(b.text("EditWinFontName"), lb::InitialFontFamily());
        QVERIFY(b.get<QLineEdit>("EditWinFontName")->isReadOnly());
        QCOMPARE(b.text("EditPrinterFontName"), QString("FONT001"));
        QCOMPARE(b.get<QComboBox>("ComboBoxMemoryDevice")->currentText(), QString("FLASH"));
        QCOMPARE(b.get<QComboBox>("ComboBoxFontPitch")->currentIndex(), int(lb::kVariablePitch));
        QVERIFY(b.get<QRadioButton>("RadioGroupAsiaFontEncode0")->isChecked());
        QCOMPARE(b.text("EditCharStart") + ".." + b.text("EditCharEnd"), QString("32..127"));
        b.choose("ComboBoxSEncode", 1);
        QCOMPARE(b.text("EditCharStart") + ".." + b.text("EditCharEnd"), QString("32..255"));
        b.choose("ComboBoxSEncode", 2);
        QCOMPARE(b.text("EditCharStart") + ".." + b.text("EditCharEnd"), QString("32..255"));
    }

    // Each encode enables its own group and presets the pitch, whatever was chosen before.
    void encodeChoice_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("encode");
        QTest::addColumn<int>("pitch");
        QTest::addColumn<QString>("enabled");   // the one group of the three that is
        QTest::newRow("Asian") << 0 << 1 << int(lb::kFixedPitch) << "RadioGroupAsiaFontEncode";
        QTest::newRow("back to Standard") << 1 << 0 << int(lb::kVariablePitch) << "GroupBoxSatndEncode";
        QTest::newRow("table") << 1 << 2 << int(lb::kVariablePitch) << "GroupBoxEncodeTable";
        QTest::newRow("Asian table") << 0 << 3 << int(lb::kFixedPitch) << "GroupBoxEncodeTable";
    }
    void encodeChoice() {
        QFETCH(int, from);
        QFETCH(int, encode);
        QFETCH(int, pitch);
        QFETCH(QString, enabled);
        Bench b;
        b.choose("ComboBoxFontEncode", from);
        b.choose("ComboBoxFontPitch", 1 - PitchOf(from));
        b.choose("ComboBoxFontEncode", encode);
        QCOMPARE(b.get<QComboBox>("ComboBoxFontPitch")->currentIndex(), pitch);
        for (const char* group : {"GroupBoxSatndEncode", "RadioGroupAsiaFontEncode", "GroupBoxEncodeTable"})
            QCOMPARE(b.get(group)->isEnabled(), enabled == group);
    }

    // A chosen font fills the read-only edits, proposes the cell from "W" and an italic width
    // only for plain italic or bold italic; the printer font name starts again as FONT001.
    void selectFont_data() {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("italicProposed");
        QTest::newRow("italic") << false << false << true;
        QTest::newRow("bold italic") << true << false << true;
        QTest::newRow("bold italic underlined") << true << true << false;
    }
    void selectFont() {
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        QFETCH(bool, italicProposed);
        Bench b;
        b.type("EditPrinterFontName", "MINE");
        QFont font = Font("DejaVu Sans", 24);
        font.setItalic(true);
        font.setBold(bold);
        font.setUnderline(underline);
        b.selectFont(font);
        QCOMPARE(b.text("EditWinFontName"), QString("DejaVu Sans"));
        QCOMPARE(b.text("EditWinFontSize"), QString::number(QFontInfo(font).pointSize()));
        const int width = b.text("EditFontWidth").toInt();
        QVERIFY(width > 10);
        QCOMPARE(b.text("EditItalicWidth").toInt(), italicProposed ? width * 3 / 10 : 0);
        QCOMPARE(b.text("EditPrinterFontName"), QString("FONT001"));
        QCOMPARE(b.page->ImageGet().font().family(), QString("DejaVu Sans"));
    }

    // An Asian encode reads the codes in its code page's character set, also when the code
    // page changes under it; a font without that script is noted, and Save Font asks first.
    // Single-byte codes need no Asian script.
    void asianCharset_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("encode");
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QString>("charset");
        QTest::addColumn<bool>("noted");
        QTest::newRow("CJK font, Big5") << "WenQuanYi Micro Hei" << 1 << 0 << "Big5" << false;
        QTest::newRow("Latin font, Big5") << "DejaVu Sans" << 1 << 0 << "Big5" << true;
        QTest::newRow("Latin font, Asian table, Hangul") << "DejaVu Sans" << 3 << 2 << "Hangul" << true;
        QTest::newRow("Latin font, back to Standard") << "DejaVu Sans" << 0 << 2 << "Hangul" << false;
    }
    void asianCharset() {
        QFETCH(QString, family);
        QFETCH(int, encode);
        QFETCH(int, codePage);
        QFETCH(QString, charset);
        QFETCH(bool, noted);
        Bench b;
        b.selectFont(Font(family, 16));
        b.choose("ComboBoxFontEncode", lb::kAsianFontEncode);
        b.click(QStringLiteral("RadioGroupAsiaFontEncode%1").arg(codePage).toLatin1().constData());
        b.choose("ComboBoxFontEncode", encode);
        QCOMPARE(b.get<QComboBox>("ComboBoxCharset")->currentText(), charset);
        QCOMPARE(b.page->ImageGet().charset(), b.get<QComboBox>("ComboBoxCharset")->currentIndex());
        QCOMPARE(b.get("LabelScriptNote")->isVisibleTo(b.page), noted);
        if (!noted) return;
        QVERIFY(b.get<QLabel>("LabelScriptNote")->text().contains(charset));
        b.get<QPlainTextEdit>("MemoFontTable")->setPlainText("AB");
        QVERIFY(b.saveFont().isEmpty());   // answered No
        QCOMPARE(b.answers.shown().size(), 1);
        QCOMPARE(b.answers.shown().at(0).buttons, QMessageBox::Yes | QMessageBox::No);
    }

    // Settings that cannot be built are refused before the password gate: nothing is created
    // or sent. A text that is no integer shows the conversion's error alone.
    void refusedSettings_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("encode");
        QTest::addColumn<QString>("message");
        QTest::newRow("start 300") << "EditCharStart"
                                   << "300" << 0 << kParameterError;
        QTest::newRow("empty start") << "EditCharStart"
                                     << "" << 0 << kParameterError;
        QTest::newRow("start 3x") << "EditCharStart"
                                  << "3x" << 0 << "Character Start ASCII: '3x' is not a number";
        QTest::newRow("negative height") << "EditFontHeight"
                                         << "-1" << 1 << kParameterError;
        QTest::newRow("width beyond the surface") << "EditFontWidth"
                                                  << "3000" << 0 << kParameterError;
        QTest::newRow("empty italic width") << "EditItalicWidth"
                                            << "" << 0 << kParameterError;
        QTest::newRow("italic width 1.5") << "EditItalicWidth"
                                          << "1.5" << 0 << "Italic Width: '1.5' is not a number";
        QTest::newRow("quote in font name") << "EditPrinterFontName"
                                            << "A\"B" << 0 << kParameterError;
        QTest::newRow("empty memo table") << ""
                                          << "" << 2 << kParameterError;
        QTest::newRow("By File, no table loaded") << "CheckBoxFileTable"
                                                  << "" << 2 << kParameterError;
        QTest::newRow("Asian table of one byte") << "MemoFontTable"
                                                 << "A" << 3 << kParameterError;
    }
    void refusedSettings() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(int, encode);
        QFETCH(QString, message);
        Bench b;
        b.choose("ComboBoxFontEncode", encode);
        const QByteArray name = control.toLatin1();
        if (auto* edit = b.get<QLineEdit>(name.constData())) edit->setText(text);
        if (auto* memo = b.get<QPlainTextEdit>(name.constData())) memo->setPlainText(text);
        if (auto* box = b.get<QCheckBox>(name.constData())) box->setChecked(true);
        b.click("ButtonDowloadFont");
        QCOMPARE(b.answers.shownTexts(), QStringList{message});
        QVERIFY(!QFile::exists(b.tempFont()));
        QCOMPARE(b.printer.connectionCount(), 0);
        QVERIFY(b.form->isEnabled());
    }

    // A table's characters in the memo's order, line breaks dropped; an Asian table in pairs
    // of its character set's bytes, an odd last byte left out.
    void memoTable_data() {
        QTest::addColumn<int>("encode");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QByteArray>("codes");
        QTest::newRow("X Y, line break, Z") << 2 << "XY\nZ" << QByteArray("XYZ");
        QTest::newRow("Latin-1 beyond ASCII") << 2 << "\u00c4 \u00e9" << QByteArray("\xC4 \xE9");
        QTest::newRow("Big5, five bytes") << 3 << "\u4e2d\u6587\nX" << QByteArray("\xA4\xA4\xA4\xE5");
    }
    void memoTable() {
        QFETCH(int, encode);
        QFETCH(QString, memo);
        QFETCH(QByteArray, codes);
        Bench b;
        b.selectFont(Font("WenQuanYi Micro Hei", 16));
        b.choose("ComboBoxFontEncode", encode);
        b.get<QPlainTextEdit>("MemoFontTable")->setPlainText(memo);
        lb::BitmapFontFile font;
        QVERIFY(lb::ParseBitmapFont(b.saveFont(), font));
        QCOMPARE(b.answers.shownTexts(), QStringList());
        QCOMPARE(Codes(font), codes);
        QCOMPARE(font.header.hasIndex, uint8_t(1));
    }

    // Load: the text up to the first zero byte, read in the character set, "By File" ticked
    // and the file used as the table. Save: the memo's lines with CR LF in the character set; a
    // character the set cannot hold writes nothing.
    void tableLoadAndSave() {
        Bench b;
        b.choose("ComboBoxFontEncode", 3);   // Big5
        const QString table = b.dir.filePath("table.txt");
        QFile file(table);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xA4\xA4\r\n\xA4\xE5\0junk", 11);
        file.close();
        b.files.setNextAnswer(table);
        b.click("ButtonFontTblLoad");
        QCOMPARE(b.get<QPlainTextEdit>("MemoFontTable")->toPlainText(), QString("\u4e2d\n\u6587"));
        QVERIFY(b.get<QCheckBox>("CheckBoxFileTable")->isChecked());
        QCOMPARE(b.page->TableFilePath(), table);
        // By file: all the file's bytes but its control bytes; the zero byte ends no table.
        QCOMPARE(b.page->ReadEncodeTable(), 8);

        b.get<QPlainTextEdit>("MemoFontTable")->setPlainText("\u6587\nAB");
        b.files.setNextAnswer(b.dir.filePath("saved.txt"));
        b.click("ButtonFontTblSave");
        QCOMPARE(Read(b.dir.filePath("saved.txt")), QByteArray("\xA4\xE5\r\nAB"));

        b.get<QPlainTextEdit>("MemoFontTable")->setPlainText("A\u0416");
        b.files.setNextAnswer(b.dir.filePath("refused.txt"));
        b.click("ButtonFontTblSave");
        QCOMPARE(b.answers.shown().size(), 1);
        QVERIFY2(b.answers.shown().at(0).text.contains("U+0416"), qPrintable(b.answers.shown().at(0).text));
        QVERIFY(!QFile::exists(b.dir.filePath("refused.txt")));
    }

    // Download Font: the gate, then TEMP.BMF built where the program started and sent under
    // the printer font name into the chosen memory. A range the builder refuses passes the gate
    // and is refused then: nothing sent.
    void download_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("memory");
        QTest::addColumn<QByteArray>("prefix");   // of the header; null: nothing sent
        QTest::newRow("defaults") << "32"
                                  << "127" << 1 << QByteArray("DOWNLOAD F,\"FONT001\",");
        QTest::newRow("DRAM") << "65"
                              << "70" << 0 << QByteArray("DOWNLOAD \"FONT001\",");
        QTest::newRow("200..100") << "200"
                                  << "100" << 1 << QByteArray();
    }
    void download() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, memory);
        QFETCH(QByteArray, prefix);
        Bench b;
        b.type("EditCharStart", start);
        b.type("EditCharEnd", end);
        b.choose("ComboBoxMemoryDevice", memory);
        b.click("ButtonDowloadFont");
        QVERIFY(b.form->isEnabled());
        if (prefix.isNull()) {
            QCOMPARE(b.answers.shownTexts(), QStringList{"Make Font Error"});
            QVERIFY(b.printer.waitForClosedConnections(1, kWaitMs));   // the gate's password read
            QCOMPARE(b.printer.connectionCount(), 1);
            QVERIFY(!QFile::exists(b.tempFont()));
            return;
        }
        QCOMPARE(b.answers.shownTexts(), QStringList());
        QVERIFY(b.printer.waitForClosedConnections(2, kWaitMs));
        const QByteArray font = Read(b.tempFont());
        lb::BitmapFontFile parsed;
        QVERIFY(lb::ParseBitmapFont(font, parsed));
        QCOMPARE(int(parsed.glyphs.size()), end.toInt() - start.toInt() + 1);
        QCOMPARE(b.printer.transcripts().at(1), prefix + QByteArray::number(font.size()) + ',' + font);
        QVERIFY(b.printer.printer().profile().memories[memory].find("FONT001"));
    }

    // Save Font builds where the user chooses without a word to the printer: no gate.
    void saveFont_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("32..127") << "32" << QStringList();
        QTest::newRow("200..127") << "200" << QStringList{"Make Font Error"};
    }
    void saveFont() {
        QFETCH(QString, start);
        QFETCH(QStringList, shown);
        Bench b;
        b.type("EditCharStart", start);
        const QByteArray font = b.saveFont();
        QCOMPARE(b.answers.shownTexts(), shown);
        QCOMPARE(font.isEmpty(), !shown.isEmpty());
        QCOMPARE(b.files.requests().size(), 1);
        QVERIFY(b.files.requests().at(0).save);
        QCOMPARE(b.printer.connectionCount(), 0);
        QVERIFY(b.form->isEnabled());
    }

    // The chart: code 0's cell stays empty, 'A' is drawn in its cell, the grid's lines are
    // there; the built font's tab shows the page's font read back from its file.
    void preview() {
        Bench b;
        QImage chart;
        QString built;
        bool sheetShown = false;
        lb::test::WhenModal<lb::TFormPreviewFont> answer([&](lb::TFormPreviewFont* d) {
            chart = d->findChild<QLabel*>("ImagePreview")->pixmap().toImage();
            QCOMPARE(d->windowTitle(), QString("Preview Font"));
            QTest::mouseClick(d->findChild<QPushButton*>("ButtonBuildFont"), Qt::LeftButton);
            built = d->findChild<QLabel*>("LabelBuiltFont")->text();
            sheetShown = !d->findChild<QLabel*>("ImageBuiltFont")->pixmap().isNull();
            QTest::mouseClick(d->findChild<QPushButton*>("ButtonExit"), Qt::LeftButton);
        });
        b.click("ButtonPreviewFont");
        QCOMPARE(answer.runs(), 1);
        QCOMPARE(chart.size(), QSize(320, 480));
        auto ink = [&](int left, int top, int width, int height) {
            int count = 0;
            for (int y = top; y < top + height; ++y)
                for (int x = left; x < left + width; ++x)
                    count += chart.pixelColor(x, y) != Qt::white;
            return count;
        };
        QCOMPARE(ink(0, 0, 20, 30), 0);       // code 0
        QVERIFY(ink(21, 121, 18, 28) > 0);    // 'A': row 4, column 1
        QCOMPARE(ink(20, 0, 1, 480), 480);    // a vertical line
        QCOMPARE(ink(0, 450, 320, 1), 320);   // the last horizontal one
        QCOMPARE(ink(300, 0, 1, 480) + ink(0, 30, 320, 1), 480 + 320);
        QVERIFY2(built.startsWith("96 characters"), qPrintable(built));
        QVERIFY(sheetShown);
        QCOMPARE(b.printer.connectionCount(), 0);
    }

    // Not a test: the page for each encode, the chart and a Traditional Chinese font's
    // bitmaps, on the screen, when LABELBENCH_SHOTS names a folder.
    void screenshots() {
        if (!qEnvironmentVariableIsSet("LABELBENCH_SHOTS")) QSKIP("LABELBENCH_SHOTS is not set");
        Bench b;
        b.form->show();
        b.get<QTabWidget>("PageControl1")->setCurrentIndex(2);
        b.selectFont(Font("WenQuanYi Micro Hei", 16));
        const char* const names[] = {"standard", "asian", "table", "asian-table"};
        for (int encode = 0; encode < lb::kFontEncodeCount; ++encode) {
            b.choose("ComboBoxFontEncode", encode);
            if (encode >= 2) b.get<QPlainTextEdit>("MemoFontTable")->setPlainText("\u4e2d\u6587\nABC");
            lb::test::Shoot(b.form.get(), QStringLiteral("font-page-%1").arg(names[encode]));
        }
        // A short screen scrolls the pages: their foot must be there too.
        if (auto* bar = b.get<QScrollBar>("ScrollBar1"); bar->isVisible()) {
            bar->setValue(bar->maximum());
            lb::test::Shoot(b.form.get(), "font-page-scrolled");
            bar->setValue(0);
        }
        b.selectFont(Font("DejaVu Sans", 16));
        b.choose("ComboBoxFontEncode", 1);
        lb::test::Shoot(b.form.get(), "font-page-missing-script");
        b.selectFont(Font("WenQuanYi Micro Hei", 16));
        b.choose("ComboBoxFontEncode", 1);
        lb::test::WhenModal<lb::TFormPreviewFont> answer([&](lb::TFormPreviewFont* d) {
            lb::test::Shoot(d, "font-preview-chart");
            QTest::mouseClick(d->findChild<QPushButton*>("ButtonBuildFont"), Qt::LeftButton);
            lb::test::Shoot(d, "font-preview-built-tc");
            d->close();
        });
        b.click("ButtonPreviewFont");
        QCOMPARE(answer.runs(), 1);
    }

private:
    static int PitchOf(int encode) { return lb::PitchPresetForEncode(encode); }
};

QTEST_MAIN(TestBitmapFontPage)
#include "tst_bitmap_font_page.moc"
