// SPDX-License-Identifier: Apache-2.0
// labelbench-cli build-font, download-font and show-font: the page's defaults, refusals that
// leave no file and send nothing, the warning for a font without its character set's script,
// the downloaded font as the printer stores it, and a font file read back.

#include "cli/cli_app.h"
#include "fonts/bitmap_font.h"
#include "fonts/font_rules.h"
#include "fonts/glyph_surface.h"
#include "sim/sim_server.h"
#include "tests/support/cli_run.h"
#include "tests/support/short_timing.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace lb;
using lb::sim::Memory;
using lb::sim::SimServer;
using lb::test::ReadFile;

namespace {}   // namespace

class TestFontCli : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(500)};
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    static QStringList link(const SimServer& server) {
        return {"--host", "127.0.0.1", "--port", QString::number(server.port())};
    }

private slots:
    // Arial 13 px (or its substitute), 32..127, variable pitch, the probe's cell: the font the
    // page builds before anything is changed.
    void buildFontDefaults() {
        const test::CliRun r = test::RunCliWith({"build-font", "--out", path("default.bmf")});
        QCOMPARE(r.exitCode, 0);
        GlyphSurface surface;
        const ProbeSize probe = MeasureProbe(surface, kStandardEncode);
        FontParameters p;
        p.pitch = kVariablePitch;
        p.firstCode = 32;
        p.lastCode = 127;
        p.cellWidth = probe.width;
        p.cellHeight = probe.height;
        p.filePath = path("core.bmf");
        p.surface = &surface;
        QVERIFY(BuildBitmapFont(p));
        QCOMPARE(ReadFile(path("default.bmf")), ReadFile(p.filePath));

        const test::CliRun shown = test::RunCliWith({"show-font", path("default.bmf"), "--json"});
        QCOMPARE(shown.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(shown.out.toUtf8()).object();
        QCOMPARE(json["kind"].toString(), "single-byte");
        QCOMPARE(json["pitch"].toString(), "variable");
        QCOMPARE(json["cellWidth"].toInt(), probe.width);
        QCOMPARE(json["lastCode"].toInt(), 127);
        QCOMPARE(json["glyphs"].toInt(), 96);
        QCOMPARE(json["codePage"].isNull(), true);
    }

    void refusedLeavesNoFile_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("200..100") << QStringList{"--start", "200", "--end", "100"} << 64
                                  << "Font Parameter Error";
        QTest::newRow("start 300") << QStringList{"--start", "300"} << 64 << "Font Parameter Error";
        QTest::newRow("width 3000") << QStringList{"--width", "3000"} << 64 << "Font Parameter Error";
        QTest::newRow("variable full Asian")
            << QStringList{"--encode", "asian", "--pitch", "variable"} << 64 << "Font Parameter Error";
        QTest::newRow("empty table") << QStringList{"--encode", "table", "--table", "/nonexistent"} << 64
                                     << "Font Parameter Error";
        QTest::newRow("table without file") << QStringList{"--encode", "table"} << 64 << "--table";
        QTest::newRow("unknown charset") << QStringList{"--charset", "klingon"} << 64 << "--charset";
        QTest::newRow("start with asian")
            << QStringList{"--encode", "asian", "--start", "1"} << 64 << "--start";
        QTest::newRow("start 3x") << QStringList{"--start", "3x"} << 64 << "--start";
    }
    void refusedLeavesNoFile() {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QString out = path("refused.bmf");
        const test::CliRun r = test::RunCliWith(QStringList{"build-font", "--out", out} + options);
        QCOMPARE(r.exitCode, status);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));

        SimServer server;
        QVERIFY(server.start());
        const test::CliRun d = test::RunCliWith(link(server) << "download-font" << options);
        QCOMPARE(d.exitCode, status);
        QCOMPARE(server.connectionCount(), 0);
    }

    // A font without the character set's script is built all the same: a warning on stderr
    // names the font and the character set.
    void missingScriptWarns_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("warning");   // what stderr names; empty: nothing on stderr
        const QStringList big5Table{"--encode", "asian-table", "--code-page", "tc", "--table"};
        QTest::newRow("Latin font, Big5 table")
            << QStringList{"--family", "DejaVu Sans"} + big5Table << "DejaVu Sans|Big5|\u4E2D";
        QTest::newRow("CJK font, Big5 table")
            << QStringList{"--family", "WenQuanYi Micro Hei"} + big5Table << "";
        QTest::newRow("Latin font, Thai")
            << QStringList{"--family", "DejaVu Sans", "--charset", "thai"} << "DejaVu Sans|Thai|\u0E01";
        QTest::newRow("Latin font, Hebrew")
            << QStringList{"--family", "DejaVu Sans", "--charset", "hebrew"} << "";
    }
    void missingScriptWarns() {
        QFETCH(QStringList, options);
        QFETCH(QString, warning);
        if (options.endsWith("--table")) {
            QFile table(path("big5.txt"));
            QVERIFY(table.open(QIODevice::WriteOnly));
            table.write("\xA4\xA4\xA4\x40");   // 中 一
            table.close();
            options << table.fileName();
        }
        const QString out = path("script.bmf");
        QFile::remove(out);
        const test::CliRun r = test::RunCliWith(QStringList{"build-font", "--out", out} + options);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QFile::exists(out));
        if (warning.isEmpty()) {
            QCOMPARE(r.err, QString());
            return;
        }
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.startsWith("labelbench-cli: warning: "), qPrintable(r.err));
        for (const QString& named : warning.split('|'))
            QVERIFY2(r.err.contains(named), qPrintable(r.err));
    }

    void unwritableFile() {
        const test::CliRun r = test::RunCliWith({"build-font", "--out", path("no/such/dir/f.bmf")});
        QCOMPARE(r.exitCode, 4);
        QVERIFY(r.err.contains("File Open Error"));
    }

    // The printer stores exactly the font build-font writes, under the name given.
    void downloadFont_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("memory");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("defaults") << QStringList{} << int(Memory::Flash) << QByteArray("FONT001");
        QTest::newRow("DRAM, fixed, named")
            << QStringList{"--memory", "dram", "--pitch", "fixed", "--name", "MY FONT", "--mapping", "full"}
            << int(Memory::Dram) << QByteArray("MY FONT");
    }
    void downloadFont() {
        QFETCH(QStringList, options);
        QFETCH(int, memory);
        QFETCH(QByteArray, name);
        QStringList fontOptions = options;
        if (const qsizetype at = fontOptions.indexOf("--memory"); at >= 0) fontOptions.remove(at, 2);
        if (const qsizetype at = fontOptions.indexOf("--name"); at >= 0) fontOptions.remove(at, 2);
        QCOMPARE(
            test::RunCliWith(QStringList{"build-font", "--out", path("built.bmf")} + fontOptions).exitCode,
            0);

        SimServer server;
        QVERIFY(server.start());
        const test::CliRun r = test::RunCliWith(link(server) << "download-font" << options);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(server.waitForClosedConnections(2, 5000));
        const sim::Profile printer = server.printer().profile();
        const sim::MemoryFile* stored = printer.memories[std::size_t(memory)].find(name);
        QVERIFY(stored);
        QCOMPARE(stored->data, ReadFile(path("built.bmf")));
        // No temporary font is left behind.
        QCOMPARE(QDir::temp().entryList({"labelbench-font-*"}), QStringList());
    }

    void refusedNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("quote") << "A\"B";
        QTest::newRow("line feed") << "A\nB";
        QTest::newRow("carriage return") << "A\rB";
        QTest::newRow("tab") << "A\tB";
        QTest::newRow("32 characters") << QString(32, 'F');
        QTest::newRow("empty") << QString();
    }
    void refusedNames() {
        QFETCH(QString, name);
        SimServer server;
        QVERIFY(server.start());
        const test::CliRun r = test::RunCliWith(link(server) << "download-font"
                                                             << "--name" << name);
        QCOMPARE(r.exitCode, 64);
        QCOMPARE(server.connectionCount(), 0);
    }

    void showFontRefusesTruncated() {
        QCOMPARE(test::RunCliWith({"build-font", "--out", path("whole.bmf")}).exitCode, 0);
        QFile cut(path("cut.bmf"));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(ReadFile(path("whole.bmf")).chopped(1));
        cut.close();
        const test::CliRun r = test::RunCliWith({"show-font", cut.fileName(), "--png", path("cut.png")});
        QCOMPARE(r.exitCode, 64);
        QVERIFY(!QFile::exists(path("cut.png")));
        QCOMPARE(test::RunCliWith({"show-font", path("whole.bmf"), "--png", path("whole.png")}).exitCode, 0);
        QVERIFY(!QImage(path("whole.png")).isNull());
    }
};

QTEST_MAIN(TestFontCli)
#include "tst_font_cli.moc"
