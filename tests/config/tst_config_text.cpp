// SPDX-License-Identifier: Apache-2.0
// The configuration as the panel shows it: lengths in the chosen unit, list texts, hidden
// controls, and the JSON form with null for absent settings.

#include "config/config_text.h"

#include <QJsonArray>
#include <QtTest>
#include <cstring>
#include <functional>

using namespace lb;

namespace {

// A 203-dpi record (DotsPerMm 8.0) with one change applied, carried as its bytes.
QByteArray Record(const std::function<void(PrinterConfig&)>& change) {
    PrinterConfig c;
    ClearConfig(c);
    c.Dpi = 203.0f;
    c.DotsPerMm = 8.0f;
    change(c);
    return QByteArray(reinterpret_cast<const char*>(&c), sizeof c);
}

PrinterConfig FromBytes(const QByteArray& bytes) {
    PrinterConfig c;
    std::memcpy(&c, bytes.constData(), sizeof c);
    return c;
}

// The text of the named row; a null QString when there is no such row.
QString RowText(const QList<ConfigTextRow>& rows, const QString& name) {
    for (const ConfigTextRow& row : rows)
        if (row.name == name) return row.text;
    return {};
}

}   // namespace

class TestConfigText : public QObject {
    Q_OBJECT

private slots:
    void itemText_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<bool>("mm");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");   // null: no row
        auto add = [](const char* tag, bool mm, const char* name, const char* text,
                      const std::function<void(PrinterConfig&)>& change) {
            QTest::newRow(tag) << Record(change) << mm << QString(name) << (text ? QString(text) : QString());
        };
        add("width inch", false, "PaperWidth", "4.00", [](PrinterConfig& c) { c.PaperWidth = {1, 812.0f}; });
        add("width mm", true, "PaperWidth", "101.50", [](PrinterConfig& c) { c.PaperWidth = {1, 812.0f}; });
        add("width absent", false, "PaperWidth", nullptr,
            [](PrinterConfig& c) { c.PaperWidth.value = 812.0f; });
        add("gap inch rounds", false, "GapSize", "0.12", [](PrinterConfig& c) { c.GapSize = {1, 24.0f}; });
        add("half rounds up", true, "GapOffset", "0.13", [](PrinterConfig& c) { c.GapOffset = {1, 1.0f}; });
        add("negative half", true, "GapOffset", "-0.13", [](PrinterConfig& c) { c.GapOffset = {1, -1.0f}; });
        add("no negative zero", true, "GapOffset", "0.00", [](PrinterConfig& c) {
            c.GapOffset = {1, -0.01f};
        });
        add("integer length", false, "ZPrintWidth", "2.99", [](PrinterConfig& c) {
            c.ZPrintWidth = {1, 606};
        });
        add("column offset mm", true, "DColumnOffset", "-1.50", [](PrinterConfig& c) {
            c.DColumnOffset = {1, -12};
        });
        add("no length without factor", true, "MaxLength", nullptr, [](PrinterConfig& c) {
            c.MaxLength = {1, 100.0f};
            c.DotsPerMm = 0.0f;
        });
        add("speed 3", false, "Speed", "3", [](PrinterConfig& c) { c.Speed.present = 1; });
        add("speed 2.2 widened", false, "Speed", "2.20000004768372", [](PrinterConfig& c) {
            c.Speed = {1, 2.2f};
        });
        add("speed default absent", false, "Speed", nullptr, [](PrinterConfig&) {});
        add("d speed", false, "DPrintSpeed", "2.5", [](PrinterConfig& c) { c.DPrintSpeed = {1, 2.5f}; });
        add("density 0", false, "Density", "0", [](PrinterConfig& c) { c.Density = {1, 0}; });
        add("density 15", false, "Density", "15", [](PrinterConfig& c) { c.Density = {1, 15}; });
        add("density 16 no item", false, "Density", nullptr, [](PrinterConfig& c) { c.Density = {1, 16}; });
        add("sensor", false, "SensorMode", "Black Mark", [](PrinterConfig& c) { c.SensorMode = {1, 1}; });
        add("code page last", false, "CodePage", "8859-15", [](PrinterConfig& c) { c.CodePage = {1, 35}; });
        add("code page unmatched", false, "CodePage", nullptr, [](PrinterConfig& c) {
            c.CodePage = {1, 36};
        });
        add("country", false, "Country", "049", [](PrinterConfig& c) { c.Country = {1, 17}; });
        add("threshold", false, "AutoThreshold", "AUTO", [](PrinterConfig& c) { c.AutoThreshold = {1, 1}; });
        add("baud placeholder", false, "BaudRate", nullptr, [](PrinterConfig& c) { c.BaudRate = {1, 0}; });
        add("baud 1200", false, "BaudRate", "1200", [](PrinterConfig& c) { c.BaudRate = {1, 1}; });
        add("baud 115200", false, "BaudRate", "115200", [](PrinterConfig& c) { c.BaudRate = {1, 8}; });
        add("data bits", false, "DataBits", "8", [](PrinterConfig& c) { c.DataBits = {1, 1}; });
        add("parity", false, "Parity", "Even", [](PrinterConfig& c) { c.Parity = {1, 2}; });
        add("stop bits", false, "StopBits", "1", [](PrinterConfig& c) { c.StopBits = {1, 0}; });
        add("z print mode", false, "ZPrintMode", "Tear Off", [](PrinterConfig& c) { c.ZPrintMode = {1, 1}; });
        add("z print mode 0", false, "ZPrintMode", nullptr, [](PrinterConfig& c) { c.ZPrintMode = {1, 0}; });
        add("z power up", false, "ZMediaPowerUp", "No Motion", [](PrinterConfig& c) {
            c.ZMediaPowerUp = {1, 4};
        });
        add("d present sensor", false, "DPresentSensor", "ON", [](PrinterConfig& c) {
            c.DPresentSensor = {1, 2};
        });
        add("d control codes", false, "DControlCodes", "Alternate-2", [](PrinterConfig& c) {
            c.DControlCodes = {1, 3};
        });
        add("z prefix", false, "ZControlPrefix", "~", [](PrinterConfig& c) { c.ZControlPrefix.present = 1; });
        add("z prefix absent", false, "ZFormatPrefix", nullptr, [](PrinterConfig&) {});
        add("density base 0 hidden", false, "DensityBase", nullptr, [](PrinterConfig& c) {
            c.DensityBase = {1, 0};
        });
        add("offset base", false, "OffsetBase", "-3", [](PrinterConfig& c) { c.OffsetBase = {1, -3}; });
        add("cutter piece under cutter", false, "CutterPiece", "2", [](PrinterConfig& c) {
            c.PrintOut = {1, 3};
            c.CutterPiece = {1, 2};
        });
        add("cutter piece under tear", false, "CutterPiece", nullptr, [](PrinterConfig& c) {
            c.PrintOut = {1, 1};
            c.CutterPiece = {1, 2};
        });
        add("number", false, "ZLeftPosition", "-9999", [](PrinterConfig& c) {
            c.ZLeftPosition = {1, -9999};
        });
    }
    void itemText() {
        QFETCH(QByteArray, record);
        QFETCH(bool, mm);
        QFETCH(QString, name);
        QFETCH(QString, text);
        const QList<ConfigTextRow> rows =
            ConfigItemRows(FromBytes(record), mm ? LengthUnit::Mm : LengthUnit::Inch);
        QCOMPARE(RowText(rows, name), text);
        for (const ConfigTextRow& row : rows)
            QVERIFY2(!row.text.isEmpty(), qPrintable(row.name));
    }

    void clearedRecordShowsNoSetting() {
        PrinterConfig c;
        ClearConfig(c);
        QVERIFY(ConfigItemRows(c, LengthUnit::Inch).isEmpty());
        const QList<ConfigTextRow> info = ConfigInformationRows(c);
        QCOMPARE(info.size(), 7);
        QCOMPARE(info.at(0).name, QString("Version"));
        QCOMPARE(info.at(0).text, QString());
        QCOMPARE(info.at(5).name, QString("CutCounter"));
        QCOMPARE(info.at(5).text, QString("0"));
    }

    void textWithoutNulStaysInItsField() {
        PrinterConfig c;
        ClearConfig(c);
        std::memset(c.Checksum, 'C', sizeof c.Checksum);   // no NUL: the next field must not show
        std::memcpy(c.SerialNumber, "SN1", 4);
        const QList<ConfigTextRow> info = ConfigInformationRows(c);
        QCOMPARE(RowText(info, "Checksum"), QString(16, 'C'));
        QCOMPARE(RowText(info, "SerialNumber"), QString("SN1"));
    }

    void json() {
        PrinterConfig c;
        ClearConfig(c);
        c.UnitIsInch = 0;
        c.Edition = 104;
        c.Speed = {1, 2.5f};
        c.CodePage = {1, 36};
        c.ZDelimiter.present = 1;
        std::memcpy(c.Version, "V1.04", 6);
        const QJsonObject o = ConfigJson(c);
        QCOMPARE(o.value("Edition").toInt(), 104);
        QCOMPARE(o.value("Dpi").toDouble(), 200.0);
        QCOMPARE(o.value("Version").toString(), QString("V1.04"));
        QCOMPARE(o.value("Speed").toDouble(), 2.5);
        QCOMPARE(o.value("CodePage").toInt(), 36);
        QCOMPARE(o.value("ZDelimiter").toString(), QString(","));
        QVERIFY(o.value("ZControlPrefix").isNull());
        QVERIFY(o.value("PaperWidth").isNull());
        QVERIFY(o.value("StopBits").isNull());
        QCOMPARE(o.value("UnitIsInch").toInt(), 0);
        // Header fields, UnitIsInch and one key per setting.
        QCOMPARE(o.size(), 11 + 1 + 56);
    }
};

QTEST_GUILESS_MAIN(TestConfigText)
#include "tst_config_text.moc"
