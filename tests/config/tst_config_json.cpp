// SPDX-License-Identifier: Apache-2.0
// The configuration as text: every shipped printer's configuration round-trips exactly, a
// text that is not a configuration is refused naming its key, and configuration files are
// written by their name's extension and read by their content.

#include "config/config_file.h"
#include "config/config_json.h"
#include "config/config_text.h"
#include "config/read_configuration.h"
#include "link/printer_link.h"
#include "link/transport.h"
#include "sim/in_process_transport.h"
#include "tests/config/sample_config.h"
#include "tests/support/short_timing.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>
#include <cfloat>
#include <cstring>
#include <functional>
#include <limits>

using namespace lb;
using lb::sim::Profile;

using Edit = std::function<void(QJsonObject&)>;
using lb::test::ReadFile;
using lb::test::WriteFile;
Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(lb::ConfigTextError)

namespace {

QByteArray Bytes(const PrinterConfig& c) {
    return QByteArray(reinterpret_cast<const char*>(&c), sizeof c);
}

PrinterConfig Sample() {
    PrinterConfig c = lb::test::SampleConfig(1);
    c.PaperWidth = {1, 812.0f};
    c.ZDelimiter = {1, ';'};
    return c;
}

QJsonObject SampleObject() {
    return ConfigJson(Sample());
}

}   // namespace

class TestConfigJson : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(10)};
    sim::SimulatedPrinter m_printer;

private slots:
    void cleanup() { SetTransport(InterfaceKind::Usb, nullptr); }

    // What each shipped printer reports comes back from its text byte for byte, in either unit.
    void everyProfileRoundTrips_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("unitIsInch");
        // The shipped editions, and an old firmware's that lacks most of the reports.
        const QDir dir(QStringLiteral(LABELBENCH_SIM_PROFILE_DIR));
        QStringList paths;
        for (const QString& file : dir.entryList({"*.json"}, QDir::Files, QDir::Name))
            paths.append(dir.filePath(file));
        QVERIFY(paths.size() >= 5);
        paths.append(QStringLiteral(LABELBENCH_TEST_PROFILE_DIR "/old-firmware.json"));
        for (const QString& path : paths)
            for (int inch : {1, 0})
                QTest::addRow("%s %s", qPrintable(QFileInfo(path).fileName()), inch ? "inch" : "mm")
                    << path << inch;
    }
    void everyProfileRoundTrips() {
        QFETCH(QString, path);
        QFETCH(int, unitIsInch);
        Profile profile;
        QString error;
        QVERIFY2(Profile::LoadFromFile(path, profile, &error), qPrintable(error));
        m_printer.setProfile(profile);
        SetTransport(InterfaceKind::Usb, sim::MakeInProcessTransport(&m_printer, {}, nullptr, nullptr));
        PrinterConfig read{};
        read.UnitIsInch = uint8_t(unitIsInch);
        ClearConfig(read);
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &read), int(kLinkOk));

        QByteArray text;
        QVERIFY(BuildConfigText(read, text));
        QCOMPARE(QJsonDocument::fromJson(text).object(), ConfigJson(read));   // the form --json prints
        PrinterConfig parsed;
        ConfigTextProblem problem;
        QVERIFY2(ParseConfigText(text, parsed, &problem), qPrintable(problem.message));
        QCOMPARE(Bytes(parsed), Bytes(read));
        QByteArray again;
        QVERIFY(BuildConfigText(parsed, again));
        QCOMPARE(again, text);
    }

    // float32 → JSON double → float32 keeps every bit, at the edges of the type too.
    void floatsRoundTripExactly_data() {
        QTest::addColumn<float>("value");
        QTest::newRow("0.1") << 0.1f;
        QTest::newRow("11.8") << 11.8f;
        QTest::newRow("1/3") << 1.0f / 3.0f;
        QTest::newRow("negative") << -2.675f;
        QTest::newRow("largest") << FLT_MAX;
        QTest::newRow("smallest normal") << FLT_MIN;
        QTest::newRow("smallest subnormal") << std::numeric_limits<float>::denorm_min();
        QTest::newRow("next above 1") << std::nextafter(1.0f, 2.0f);
    }
    void floatsRoundTripExactly() {
        QFETCH(float, value);
        PrinterConfig c = Sample();
        c.Speed.value = value;
        c.DotsPerMm = value;
        c.GapOffset = {1, -value};
        QByteArray text;
        QVERIFY(BuildConfigText(c, text));
        PrinterConfig back;
        QVERIFY(ParseConfigText(text, back));
        QCOMPARE(Bytes(back), Bytes(c));
    }

    // A hand-written number that is no float32 is taken as the nearest one.
    void numbersBecomeTheNearestFloat() {
        QJsonObject o = SampleObject();
        o["Speed"] = 4.1;
        o["GapSize"] = 3;
        PrinterConfig c;
        QVERIFY(ConfigFromJson(o, c));
        QCOMPARE(float(c.Speed.value), 4.1f);
        QCOMPARE(float(c.GapSize.value), 3.0f);
        QCOMPARE(c.GapSize.present, uint8_t(1));
    }

    // JSON has no sign of zero: a -0 is written as 0, and nothing else changes.
    void negativeZeroIsWrittenAsZero() {
        PrinterConfig c = Sample();
        c.Speed.value = -0.0f;
        QByteArray text;
        QVERIFY(BuildConfigText(c, text));
        PrinterConfig back;
        QVERIFY(ParseConfigText(text, back));
        QCOMPARE(float(back.Speed.value), 0.0f);
        QVERIFY(!std::signbit(back.Speed.value));
        back.Speed.value = -0.0f;
        QCOMPARE(Bytes(back), Bytes(c));
    }

    void refusesNamingTheKey_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<ConfigTextError>("error");
        QTest::addColumn<QString>("message");
        using E = ConfigTextError;
        auto set = [](const char* key, QJsonValue v) { return Edit([=](QJsonObject& o) { o[key] = v; }); };
        QTest::newRow("unknown key") << set("Sped", 4) << E::UnknownKey << "unknown key \"Sped\"";
        QTest::newRow("missing key") << Edit([](QJsonObject& o) { o.remove("GapOffset"); }) << E::MissingKey
                                     << "\"GapOffset\" is missing";
        QTest::newRow("text for a setting")
            << set("Speed", "fast") << E::WrongType << "\"Speed\" must be a number or null";
        QTest::newRow("fraction for an integer")
            << set("Density", 8.5) << E::WrongType << "\"Density\" must be an integer or null";
        QTest::newRow("true for an integer")
            << set("Density", true) << E::WrongType << "\"Density\" must be an integer or null";
        QTest::newRow("null header") << set("Edition", QJsonValue()) << E::WrongType
                                     << "\"Edition\" must be an integer";
        QTest::newRow("null resolution")
            << set("Dpi", QJsonValue()) << E::WrongType << "\"Dpi\" must be a number";
        QTest::newRow("number for a text")
            << set("Version", 1.04) << E::WrongType << "\"Version\" must be a text";
        QTest::newRow("two characters for a prefix")
            << set("ZDelimiter", ";;") << E::WrongType
            << "\"ZDelimiter\" must be a text of one character or null";
        QTest::newRow("beyond int32") << set("ReferenceX", 2147483648.0) << E::OutOfRange
                                      << "\"ReferenceX\" holds 2147483648, outside -2147483648 to 2147483647";
        QTest::newRow("unit 2") << set("UnitIsInch", 2) << E::OutOfRange
                                << "\"UnitIsInch\" holds 2, outside 0 to 1";
        QTest::newRow("code page beyond the table")
            << set("CodePage", 37) << E::OutOfRange << "\"CodePage\" holds 37, outside 0 to 36";
        QTest::newRow("negative baud rate")
            << set("BaudRate", -1) << E::OutOfRange << "\"BaudRate\" holds -1, outside 0 to 9";
        QTest::newRow("beyond float32") << set("Speed", 1e39) << E::OutOfRange
                                        << "\"Speed\" holds 1e+39, beyond the range of its float field";
        QTest::newRow("version too long") << set("Version", QString(257, 'V')) << E::TooLong
                                          << "\"Version\" holds 257 characters; its field takes at most 256";
        QTest::newRow("serial number too long")
            << set("SerialNumber", QString(65, '7')) << E::TooLong
            << "\"SerialNumber\" holds 65 characters; its field takes at most 64";
        QTest::newRow("beyond Latin-1") << set("Checksum", QString::fromUtf8("3F\u20AC")) << E::OutOfRange
                                        << "\"Checksum\" holds a character outside Latin-1";
        QTest::newRow("NUL in a text") << set("Milage", QString::fromLatin1("12\0km", 5)) << E::OutOfRange
                                       << "\"Milage\" holds a NUL character";
        QTest::newRow("prefix beyond Latin-1")
            << set("ZControlPrefix", QString::fromUtf8("\u2248")) << E::OutOfRange
            << "\"ZControlPrefix\" holds a character outside Latin-1";
    }
    void refusesNamingTheKey() {
        QFETCH(Edit, edit);
        QFETCH(ConfigTextError, error);
        QFETCH(QString, message);
        QJsonObject o = SampleObject();
        edit(o);
        PrinterConfig c = Sample();
        c.Density = {1, 77};
        const QByteArray before = Bytes(c);
        ConfigTextProblem problem;
        QVERIFY(!ConfigFromJson(o, c, &problem));
        QCOMPARE(problem.error, error);
        QCOMPARE(problem.message, message);
        QVERIFY(message.contains('"' + problem.key + '"'));
        QCOMPARE(Bytes(c), before);   // nothing taken
        // The same through the file's bytes.
        QVERIFY(!ParseConfigText(QJsonDocument(o).toJson(), c, &problem));
        QCOMPARE(problem.message, message);
    }

    void refusesWhatIsNoObject_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<ConfigTextError>("error");
        QTest::newRow("cut short") << QJsonDocument(SampleObject()).toJson().chopped(3)
                                   << ConfigTextError::Syntax;
        QTest::newRow("array") << QByteArray("[1, 2]") << ConfigTextError::NotAnObject;
        QTest::newRow("too large") << QByteArray("{") + QByteArray(kMaxConfigTextSize, ' ') + "}"
                                   << ConfigTextError::TooLarge;
    }
    void refusesWhatIsNoObject() {
        QFETCH(QByteArray, text);
        QFETCH(ConfigTextError, error);
        PrinterConfig c = Sample();
        ConfigTextProblem problem;
        QVERIFY(!ParseConfigText(text, c, &problem));
        QCOMPARE(problem.error, error);
        QCOMPARE(problem.key, QString());
        QVERIFY(!problem.message.isEmpty());
    }

    // A text may fill its whole field, as a file's field may; the record then has no NUL there.
    void textFillsItsField() {
        QJsonObject o = SampleObject();
        o["Checksum"] = QString(16, 'C');
        o["Version"] = QString::fromLatin1("V\xe9rsion \x7f\x01");
        PrinterConfig c;
        QVERIFY(ConfigFromJson(o, c));
        QCOMPARE(QByteArray(c.Checksum, 16), QByteArray(16, 'C'));
        QCOMPARE(QByteArray(c.Version), QByteArray("V\xe9rsion \x7f\x01"));
        QCOMPARE(ConfigJson(c), o);
    }

    // A byte order mark and blanks before the object are fine.
    void byteOrderMarkIsAllowed() {
        PrinterConfig c;
        QVERIFY(ParseConfigText("\xEF\xBB\xBF\r\n  " + QJsonDocument(SampleObject()).toJson(), c));
        QCOMPARE(Bytes(c), Bytes(Sample()));
    }

    void notFiniteIsNotWritten_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<float>("value");
        QTest::newRow("speed nan") << "Speed" << std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("dpi infinite") << "Dpi" << std::numeric_limits<float>::infinity();
        QTest::newRow("print speed -infinite") << "DPrintSpeed" << -std::numeric_limits<float>::infinity();
    }
    void notFiniteIsNotWritten() {
        QFETCH(QString, key);
        QFETCH(float, value);
        PrinterConfig c = Sample();
        if (key == "Speed") c.Speed.value = value;
        if (key == "Dpi") c.Dpi = value;
        if (key == "DPrintSpeed") c.DPrintSpeed = {1, value};
        QByteArray text = "old";
        ConfigTextProblem problem;
        QVERIFY(!BuildConfigText(c, text, &problem));
        QCOMPARE(problem.error, ConfigTextError::NotCarried);
        QCOMPARE(problem.key, key);
        QCOMPARE(text, QByteArray("old"));
        // An absent setting's value is not carried, so it does not matter.
        if (key != "Dpi") {
            (key == "Speed" ? c.Speed.present : c.DPrintSpeed.present) = 0;
            QVERIFY(BuildConfigText(c, text));
        }
    }

    void formByContentAndName_data() {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<bool>("text");
        QTest::newRow("object") << QByteArray("{\"Edition\"") << true;
        QTest::newRow("blanks first") << QByteArray(" \t\r\n{") << true;
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF{") << true;
        QTest::newRow("dcf") << BuildConfigFile(Sample(), {}, kUnitInch) << false;
        QTest::newRow("array") << QByteArray("[{}]") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void formByContentAndName() {
        QFETCH(QByteArray, start);
        QFETCH(bool, text);
        QCOMPARE(LooksLikeConfigText(start), text);
    }

    // Written by the name's extension, read by the content: either file loads whatever its name.
    void filesByExtensionAndContent_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("text");
        QTest::newRow(".json") << "printer.json" << true;
        QTest::newRow(".JSON") << "PRINTER.JSON" << true;
        QTest::newRow(".dcf") << "printer.dcf" << false;
        QTest::newRow("no extension") << "printer" << false;
        QTest::newRow(".json.dcf") << "printer.json.dcf" << false;
    }
    void filesByExtensionAndContent() {
        QFETCH(QString, name);
        QFETCH(bool, text);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        PrinterStatus status{};
        status.paperJam = 1;
        PrinterConfig saved = Sample();
        saved.UnitIsInch = 0;
        ConfigFileDetail detail;
        QCOMPARE(SaveConfigFile(path, saved, status, kUnitMm, nullptr, &detail), ConfigFileResult::Ok);
        QCOMPARE(detail.form, text ? ConfigFileForm::Text : ConfigFileForm::Binary);
        const QByteArray bytes = ReadFile(path);
        QByteArray expected;
        if (text)
            QVERIFY(BuildConfigText(saved, expected));
        else
            expected = BuildConfigFile(saved, status, kUnitMm);
        QCOMPARE(bytes, expected);

        // Renamed to the other extension, it still loads as what it is.
        const QString other = dir.filePath(text ? "renamed.dcf" : "renamed.json");
        QVERIFY(QFile::rename(path, other));
        PrinterConfig loaded{};
        PrinterStatus loadedStatus{};
        loadedStatus.headOpen = 1;
        int32_t unit = kUnitInch;
        QCOMPARE(LoadConfigFile(other, loaded, loadedStatus, unit, nullptr, &detail), ConfigFileResult::Ok);
        QCOMPARE(detail.form, text ? ConfigFileForm::Text : ConfigFileForm::Binary);
        QCOMPARE(Bytes(loaded), Bytes(saved));
        QCOMPARE(unit, kUnitMm);
        QCOMPARE(loadedStatus.paperJam, uint8_t(text ? 0 : 1));   // the text form has no status
        QCOMPARE(loadedStatus.headOpen, uint8_t(0));
    }

    // A refused text changes nothing and tells the key; a foreign file stays "File Data Error".
    void loadRefusesBadFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QJsonObject unknown = SampleObject();
        unknown["Colour"] = "red";
        QTest::newRow("unknown key") << QJsonDocument(unknown).toJson() << "unknown key \"Colour\"";
        QTest::newRow("not JSON") << QByteArray("{ Speed: 4 }") << "not valid JSON: ";
        QTest::newRow("foreign") << QByteArray("SPEED 4\r\n") << "";
        QTest::newRow("too large") << QByteArray("{") + QByteArray(kMaxConfigTextSize, '\n') + "}"
                                   << "the text is larger than 1048576 bytes";
    }
    void loadRefusesBadFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.json");
        WriteFile(path, content);
        PrinterConfig c = Sample();
        PrinterStatus status{};
        status.pause = 1;
        int32_t unit = kUnitMm;
        QString error;
        QCOMPARE(LoadConfigFile(path, c, status, unit, &error), ConfigFileResult::DataError);
        if (message.isEmpty())
            QCOMPARE(error, QString());   // not a configuration file: nothing more to say
        else
            QVERIFY2(error.startsWith(message), qPrintable(error));
        QCOMPARE(Bytes(c), Bytes(Sample()));
        QCOMPARE(status.pause, uint8_t(1));
        QCOMPARE(unit, kUnitMm);
    }

    // A value the text cannot carry writes nothing: an existing file keeps its bytes.
    void saveRefusesWhatTheTextCannotCarry() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.json");
        WriteFile(path, "old bytes");
        PrinterConfig c = Sample();
        c.PaperWidth.value = std::numeric_limits<float>::infinity();
        QString error;
        ConfigFileDetail detail;
        QCOMPARE(SaveConfigFile(path, c, {}, kUnitInch, &error, &detail), ConfigFileResult::DataError);
        QCOMPARE(detail.problem.key, QString("PaperWidth"));
        QCOMPARE(error, QString("\"PaperWidth\" holds inf, which the text form cannot carry"));
        QCOMPARE(ReadFile(path), QByteArray("old bytes"));
    }
};

QTEST_GUILESS_MAIN(TestConfigJson)
#include "tst_config_json.moc"
