// SPDX-License-Identifier: Apache-2.0
// The configuration page's Save and Load with both forms of a configuration file, and the
// captions diff-config gives the settings against the page's labels.

#include "config/config_diff.h"
#include "config/config_file.h"
#include "config/config_json.h"
#include "config/ui/printer_configuration_page.h"
#include "tests/config/sample_config.h"
#include "tests/support/test_files.h"
#include "ui_common/file_dialog.h"
#include "ui_common/message_box.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <limits>

using namespace lb;
using lb::test::ReadFile;

namespace {

PrinterConfig Sample() {
    PrinterConfig c = lb::test::SampleConfig(0);
    c.PaperWidth = {1, 812.0f};
    c.ZDelimiter = {1, ';'};
    return c;
}

QByteArray Bytes(const PrinterConfig& c) {
    return QByteArray(reinterpret_cast<const char*>(&c), sizeof c);
}

// The page on its own, with the records and the unit a main window would keep.
struct Bench {
    PrinterConfig config = Sample();
    PrinterStatus status{};
    LengthUnit unit = LengthUnit::Mm;
    ScopedFileDialogAnswers files;
    ScopedMessageBoxAnswers answers;
    std::unique_ptr<PrinterConfigurationPage> page;

    Bench() {
        PageContext context;
        context.unit = [this] { return unit; };
        context.setUnit = [this](LengthUnit u) { unit = u; };
        context.printerConfig = &config;
        context.printerStatus = &status;
        page = std::make_unique<PrinterConfigurationPage>(context);
        page->ShowConfig(config);
    }
    QString text(const char* control) const {
        const auto* edit = page->findChild<QLineEdit*>(QString::fromLatin1(control));
        return edit ? edit->text() : QString();
    }
};

}   // namespace

class TestConfigPageFiles : public QObject {
    Q_OBJECT

private slots:
    // Save as .json writes the text form; Load brings it back, unit and all, and leaves the
    // status shown as it was (the text has none).
    void saveAndLoadText() {
        Bench b;
        QTemporaryDir dir;
        const QString path = dir.filePath("printer.json");
        b.files.setNextAnswer(path);
        b.page->ButtonSaveClick();
        QCOMPARE(b.answers.shown().size(), 0);
        QVERIFY(b.files.requests().last().filter.contains("*.json"));
        QByteArray expected;
        QVERIFY(BuildConfigText(b.config, expected));
        QCOMPARE(ReadFile(path), expected);

        const PrinterConfig saved = b.config;
        b.page->ButtonClearClick();
        b.unit = LengthUnit::Inch;
        b.status.headOpen = 1;
        b.page->ShowStatus(b.status);
        b.files.setNextAnswer(path);
        b.page->ButtonLoadClick();
        QCOMPARE(b.answers.shown().size(), 0);
        QCOMPARE(b.files.requests().last().name, QString("OpenDialog1"));
        QVERIFY(b.files.requests().last().filter.startsWith("*.dcf *.json ("));
        QCOMPARE(Bytes(b.config), Bytes(saved));
        QCOMPARE(b.unit, LengthUnit::Mm);
        QCOMPARE(b.text("EditWidth"), QString("101.50"));
        QCOMPARE(b.text("EditDelimiterCharZ"), QString(";"));
        QCOMPARE(b.status.headOpen, uint8_t(1));
        QCOMPARE(b.page->findChild<QLineEdit*>("EditPrinterStatus")->text(), QString("Head Open"));
    }

    // A text form the page cannot take: its key is named, and nothing changes.
    void loadRefusesNamingTheKey() {
        Bench b;
        QTemporaryDir dir;
        const QString path = dir.filePath("hand-made.dcf");   // read by its content, not its name
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QJsonObject o = ConfigJson(b.config);
        o["Speed"] = "fast";
        f.write(QJsonDocument(o).toJson());
        f.close();
        const QByteArray before = Bytes(b.config);
        b.files.setNextAnswer(path);
        b.page->ButtonLoadClick();
        QCOMPARE(b.answers.shownTexts(),
                 QStringList{"File Data Error\n\nThe entry Speed is unknown, missing or holds a value that "
                             "cannot be used."});
        QCOMPARE(Bytes(b.config), before);
    }

    // A resolution JSON cannot hold: named, and an existing file keeps its bytes.
    void saveRefusesWhatTheTextCannotCarry() {
        Bench b;
        b.config.PaperWidth.present = 0;   // no length to convert with it
        b.config.Dpi = std::numeric_limits<float>::quiet_NaN();
        b.page->ShowConfig(b.config);
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.json");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old bytes");
        f.close();
        b.files.setNextAnswer(path);
        b.page->ButtonSaveClick();
        QCOMPARE(b.answers.shownTexts(),
                 QStringList{"Dpi holds a value a .json file cannot hold; nothing was saved."});
        QCOMPARE(ReadFile(path), QByteArray("old bytes"));
    }

    // diff-config's captions are the English captions of the labels, on the setting's tab.
    void captionsAreThePageLabels_data() {
        QTest::addColumn<int>("index");
        const auto fields = PanelFields();
        for (int i = 0; i < int(fields.size()); ++i)
            QTest::newRow(fields[std::size_t(i)].name) << i;
    }
    void captionsAreThePageLabels() {
        QFETCH(int, index);
        const PanelField& field = PanelFields()[std::size_t(index)];
        Bench b;
        const auto* label = b.page->findChild<QLabel*>(QLatin1String(SettingLabel(field)));
        QVERIFY2(label, SettingLabel(field));
        const QString caption = SettingCaption(field);
        QVERIFY2(caption == label->text() || caption.startsWith(label->text() + " ("), qPrintable(caption));
        const auto* tabs = b.page->findChild<QTabWidget*>("PageControlConfig");
        QVERIFY(tabs->widget(field.page)->isAncestorOf(label));
    }
};

QTEST_MAIN(TestConfigPageFiles)
#include "tst_config_page_files.moc"
