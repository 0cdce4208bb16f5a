// SPDX-License-Identifier: Apache-2.0
// The configuration's commands with the text form: read-config --save and download --backup
// write it by the name, show-config and write-config read it, a text form sends what the
// .dcf of the same read sends, and a refused text sends nothing.

#include "cli/cli_app.h"
#include "config/config_file.h"
#include "config/config_json.h"
#include "sim/sim_server.h"
#include "tests/support/cli_run.h"
#include "tests/support/short_timing.h"
#include "tests/support/test_files.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace lb;
using lb::sim::Profile;
using lb::sim::SimServer;
using lb::test::CliRun;
using lb::test::RunCliWith;

using Edit = std::function<void(QJsonObject&)>;
using lb::test::ReadFile;
using lb::test::WriteFile;
Q_DECLARE_METATYPE(Edit)

namespace {

QStringList Link(const SimServer& server) {
    return {"--host", "127.0.0.1", "--port", QString::number(server.port())};
}

// Saves the simulated printer's configuration under each name, in one read per name.
void SaveReads(int edition, const QString& unit, const QStringList& paths) {
    SimServer server(Profile::ForEdition(edition));
    QVERIFY(server.start());
    for (const QString& path : paths) {
        const CliRun r = RunCliWith(Link(server) << "read-config"
                                                 << "--unit" << unit << "--save" << path);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    }
}

}   // namespace

class TestConfigJsonCli : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(300)};
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    // --save FILE.json writes the text form: the same object --json prints, read back as the
    // .dcf's record.
    void readConfigSavesText_data() {
        QTest::addColumn<QString>("unit");
        QTest::newRow("inch") << "inch";
        QTest::newRow("mm") << "mm";
    }
    void readConfigSavesText() {
        QFETCH(QString, unit);
        SimServer server(Profile::ForEdition(104));
        QVERIFY(server.start());
        const QString text = path("saved-" + unit + ".json");
        const QString image = path("saved-" + unit + ".dcf");
        CliRun r = RunCliWith(Link(server) << "read-config"
                                           << "--json"
                                           << "--unit" << unit << "--save" << text);
        QCOMPARE(r.exitCode, 0);
        const QByteArray file = ReadFile(text);
        QVERIFY(LooksLikeConfigText(file));
        QCOMPARE(QJsonDocument::fromJson(file).object(), QJsonDocument::fromJson(r.out.toUtf8()).object());
        r = RunCliWith(Link(server) << "read-config"
                                    << "--unit" << unit << "--save" << image);
        QCOMPARE(r.exitCode, 0);

        PrinterConfig fromText{}, fromImage{};
        PrinterStatus status{};
        int32_t textUnit = -1, imageUnit = -1;
        QCOMPARE(LoadConfigFile(text, fromText, status, textUnit), ConfigFileResult::Ok);
        QCOMPARE(LoadConfigFile(image, fromImage, status, imageUnit), ConfigFileResult::Ok);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&fromText), sizeof fromText),
                 QByteArray(reinterpret_cast<const char*>(&fromImage), sizeof fromImage));
        QCOMPARE(textUnit, imageUnit);
    }

    // show-config prints a text form as it prints the .dcf, without the status the text has not.
    void showConfigOfText() {
        const QString text = path("show.json");
        const QString image = path("show.dcf");
        SaveReads(103, "mm", {text, image});
        const CliRun fromText = RunCliWith({"show-config", text});
        const CliRun fromImage = RunCliWith({"show-config", image});
        QCOMPARE(fromText.exitCode, 0);
        QCOMPARE(fromImage.exitCode, 0);
        QStringList lines = fromImage.out.split('\n');
        QCOMPARE(lines.takeAt(1), QString("Status: Ready"));
        QCOMPARE(fromText.out.split('\n'), lines);
        QVERIFY(fromText.out.startsWith("Unit: mm\n"));
        QCOMPARE(RunCliWith({"show-config", "--json", text}).out,
                 RunCliWith({"show-config", "--json", image}).out);
    }

    // Every page of every edition: the text form sends the .dcf's bytes.
    void writeConfigSendsTheSameBytes_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("page");
        for (int edition : {99, 103, 104})
            for (const char* unit : {"inch", "mm"})
                for (const char* page : {"common", "z", "d", "interface"})
                    QTest::addRow("%d %s %s", edition, unit, page) << edition << unit << page;
    }
    void writeConfigSendsTheSameBytes() {
        QFETCH(int, edition);
        QFETCH(QString, unit);
        QFETCH(QString, page);
        const QString text = path(QStringLiteral("write-%1-%2.json").arg(edition).arg(unit));
        const QString image = path(QStringLiteral("write-%1-%2.dcf").arg(edition).arg(unit));
        if (!QFile::exists(text)) SaveReads(edition, unit, {text, image});
        QList<QByteArray> sent;
        for (const QString& file : {image, text}) {
            SimServer server(Profile::ForEdition(edition));
            QVERIFY(server.start());
            const CliRun r = RunCliWith(Link(server) << "write-config" << file << "--page" << page);
            QVERIFY2(r.exitCode == 0, qPrintable(r.err));
            // The password gate's connection, then the write's.
            QVERIFY(server.waitForClosedConnections(2, 5000));
            QCOMPARE(server.connectionCount(), 2);
            sent.append(server.transcripts().join("|"));
        }
        QCOMPARE(sent.at(1), sent.at(0));
        if (page == "common") QVERIFY(sent.at(0).contains(unit == "mm" ? " mm,"_qba : "SIZE "_qba));
    }

    // A text form that describes no configuration: named on stderr, exit 64, nothing sent.
    void refusedTextSendsNothing_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("message");
        auto set = [](const char* key, QJsonValue v) { return Edit([=](QJsonObject& o) { o[key] = v; }); };
        QTest::newRow("unknown key") << set("Speeed", 4) << "unknown key \"Speeed\"";
        QTest::newRow("wrong type") << set("Density", "8") << "\"Density\" must be an integer or null";
        QTest::newRow("out of range") << set("CodePage", 99) << "\"CodePage\" holds 99, outside 0 to 36";
        QTest::newRow("too long") << set("SerialNumber", QString(65, 'S'))
                                  << "\"SerialNumber\" holds 65 characters; its field takes at most 64";
        QTest::newRow("control character in a key")
            << set("Speed\x1b[2J", 4) << "unknown key \"Speed\\x1b[2J\"";
    }
    void refusedTextSendsNothing() {
        QFETCH(Edit, edit);
        QFETCH(QString, message);
        const QString good = path("good.json");
        if (!QFile::exists(good)) SaveReads(104, "inch", {good});
        QJsonObject o = QJsonDocument::fromJson(ReadFile(good)).object();
        QVERIFY(!o.isEmpty());
        edit(o);
        const QString bad = path("bad.json");
        WriteFile(bad, QJsonDocument(o).toJson());
        SimServer server(Profile::ForEdition(104));
        QVERIFY(server.start());
        for (const QStringList& args :
             {QStringList{"write-config", bad, "--page", "common"}, QStringList{"show-config", bad}}) {
            const CliRun r = RunCliWith(Link(server) << args);
            QCOMPARE(r.exitCode, cli::kExitUsage);
            QCOMPARE(r.err, "File Data Error\n" + bad + ": " + message + "\n");
            QCOMPARE(r.out, QString());
        }
        QTest::qWait(20);
        QCOMPARE(server.connectionCount(), 0);
    }

    void firmwareBackupAsText() {
        const QString firmware = path("fw.new");
        WriteFile(firmware, QByteArray("\x01\x02firmware", 10));
        SimServer server;
        QVERIFY(server.start());
        const QString backup = path("before.JSON");
        const CliRun r = RunCliWith(Link(server) << "download" << firmware << "--type"
                                                 << "firmware"
                                                 << "--backup" << backup);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(LooksLikeConfigText(ReadFile(backup)));
        const QJsonObject o = QJsonDocument::fromJson(ReadFile(backup)).object();
        QCOMPARE(o.value("Edition").toInt(), 104);
        QCOMPARE(o.value("UnitIsInch").toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestConfigJsonCli)
#include "tst_config_json_cli.moc"
