// SPDX-License-Identifier: Apache-2.0
// The panel's conversions: what each kind of control shows for a record, and what the
// user's text becomes.

#include "config/config_panel.h"

#include <QTest>
#include <cstring>

using namespace lb;

namespace {

PrinterConfig Cleared() {
    PrinterConfig c{};
    ClearConfig(c);
    return c;
}

// A record as read from a 203 dpi printer.
PrinterConfig At203() {
    PrinterConfig c = Cleared();
    c.Dpi = 203.0f;
    c.DotsPerMm = 8.0f;
    return c;
}

const PanelField& Field(const char* control) {
    const PanelField* f = FindPanelField(control);
    if (!f) qFatal("no control %s", control);
    return *f;
}

}   // namespace

class TestConfigPanel : public QObject {
    Q_OBJECT
private slots:
    void everyControlOnce() {
        QStringList controls;
        for (const PanelField& f : PanelFields())
            controls.append(QString::fromLatin1(f.control));
        QCOMPARE(controls.size(), 56);
        QCOMPARE(controls.removeDuplicates(), 0);
        QCOMPARE(PanelListItems(Field("ComboBoxCodePage")).size(), 36);
        QCOMPARE(PanelListItems(Field("ComboBoxCountryCode")).size(), 22);
        QCOMPARE(PanelListItems(Field("ComboBoxDensity")).last(), QString("15"));
    }

    void editTexts_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("unit");   // 0 inch, 1 mm
        QTest::addColumn<QString>("text");
        QTest::newRow("speed 3.0") << "EditSpeed" << 0 << "3";
        QTest::newRow("speed 2.2f") << "EditSpeed" << 0 << "2.20000004768372";
        QTest::newRow("width 812 inch") << "EditWidth" << 0 << "4.00";
        QTest::newRow("width 812 mm") << "EditWidth" << 1 << "101.50";
        QTest::newRow("integer length") << "EditPrintWidthZ" << 0 << "4.00";
        QTest::newRow("density base 0 hidden") << "EditDensityBase" << 0 << "";
        QTest::newRow("offset base 5") << "EditOffsetBase" << 0 << "5";
        QTest::newRow("cutter piece under TEAR") << "EditCutterPiece" << 0 << "";
        QTest::newRow("prefix") << "EditControlPrefixZ" << 0 << "~";
        QTest::newRow("absent") << "EditReferenceX" << 0 << "";
        QTest::newRow("number") << "EditReferenceY" << 0 << "-12";
    }
    void editTexts() {
        QFETCH(QString, control);
        QFETCH(int, unit);
        QFETCH(QString, text);
        PrinterConfig c = At203();
        c.Speed = {1, control == "EditSpeed" && QTest::currentDataTag() == QByteArray("speed 2.2f") ? 2.2f
                                                                                                    : 3.0f};
        c.PaperWidth = {1, 812.0f};
        c.ZPrintWidth = {1, 812};
        c.DensityBase = {1, 0};
        c.OffsetBase = {1, 5};
        c.PrintOut = {1, 1};   // TEAR
        c.CutterPiece = {1, 4};
        c.ZControlPrefix = {1, '~'};
        c.ReferenceY = {1, -12};
        const QByteArray name = control.toLatin1();
        QCOMPARE(PanelEditText(c, Field(name.constData()), unit ? LengthUnit::Mm : LengthUnit::Inch), text);
    }

    void cutterPieceShowsOnlyUnderCutter() {
        PrinterConfig c = At203();
        c.CutterPiece = {1, 4};
        c.PrintOut = {1, 3};
        QCOMPARE(PanelEditText(c, Field("EditCutterPiece"), LengthUnit::Inch), QString("4"));
        c.PrintOut.present = 0;
        QCOMPARE(PanelEditText(c, Field("EditCutterPiece"), LengthUnit::Inch), QString());
    }

    void listPositions_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("index");
        QTest::newRow("list+1, 0") << "ComboBoxDensity" << true << 0 << 1;
        QTest::newRow("list+1, last") << "ComboBoxDensity" << true << 15 << 16;
        QTest::newRow("list+1, past the end") << "ComboBoxDensity" << true << 16 << -1;
        QTest::newRow("code page 36: no name matched") << "ComboBoxCodePage" << true << 36 << -1;
        QTest::newRow("negative") << "ComboBoxMediaSensor" << true << -1 << -1;
        QTest::newRow("absent") << "ComboBoxMediaSensor" << false << 1 << -1;
        QTest::newRow("list, 1") << "ComboBoxPrintModeZ" << true << 1 << 1;
        QTest::newRow("list, 0 is the empty item") << "ComboBoxPrintModeZ" << true << 0 << -1;
        QTest::newRow("baud 115200") << "ComboBoxBaudrate" << true << 8 << 8;
        QTest::newRow("baud past the end") << "ComboBoxBaudrate" << true << 9 << -1;
        QTest::newRow("int32 max") << "ComboBoxDensity" << true << std::numeric_limits<int32_t>::max() << -1;
    }
    void listPositions() {
        QFETCH(QString, control);
        QFETCH(bool, present);
        QFETCH(int, value);
        QFETCH(int, index);
        const QByteArray name = control.toLatin1();
        const PanelField& f = Field(name.constData());
        PrinterConfig c = At203();
        (c.*std::get<IntItem PrinterConfig::*>(f.item)) = {uint8_t(present), value};
        QCOMPARE(PanelListIndex(c, f), index);
    }

    void collectLists_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("value");
        QTest::newRow("list+1") << "ComboBoxMediaSensor" << 2 << true << 1;
        QTest::newRow("list") << "ComboBoxPrintModeZ" << 2 << true << 2;
        QTest::newRow("empty item") << "ComboBoxMediaSensor" << 0 << false << 0;
        QTest::newRow("no selection") << "ComboBoxBaudrate" << -1 << false << 0;
    }
    void collectLists() {
        QFETCH(QString, control);
        QFETCH(int, index);
        QFETCH(bool, present);
        QFETCH(int, value);
        const QByteArray name = control.toLatin1();
        const PanelField& f = Field(name.constData());
        PrinterConfig c = At203();
        (c.*std::get<IntItem PrinterConfig::*>(f.item)) = {1, 77};
        CollectPanelIndex(c, f, index);
        const IntItem& item = c.*std::get<IntItem PrinterConfig::*>(f.item);
        QCOMPARE(bool(item.present), present);
        if (present) QCOMPARE(item.value, value);
    }

    void collectNumbers_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");   // NaN: absent
        const double absent = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("speed with a comma") << "EditSpeed" << 0 << "2,5" << 2.5;
        QTest::newRow("D speed") << "EditPrintSpeedD" << 0 << "4.5" << 4.5;
        QTest::newRow("width inch") << "EditWidth" << 0 << "4.00" << 812.0;
        QTest::newRow("width mm") << "EditWidth" << 1 << "101.5" << 812.0;
        QTest::newRow("Z width truncated") << "EditPrintWidthZ" << 0 << "2.99" << 606.0;
        QTest::newRow("D offset negative truncated") << "EditColumnOffsetD" << 0 << "-0.01" << -2.0;
        QTest::newRow("number") << "EditReferenceX" << 0 << "-15" << -15.0;
        QTest::newRow("number with blanks") << "EditReferenceX" << 0 << " 7 " << 7.0;
        QTest::newRow("int32 max") << "EditGapInten" << 0 << "2147483647" << 2147483647.0;
        QTest::newRow("empty is absent") << "EditReferenceX" << 0 << "" << absent;
        QTest::newRow("character") << "EditDelimiterCharZ" << 0 << ";" << double(';');
        QTest::newRow("cutter piece") << "EditCutterPiece" << 0 << "3" << 3.0;
    }
    void collectNumbers() {
        QFETCH(QString, control);
        QFETCH(int, unit);
        QFETCH(QString, text);
        QFETCH(double, value);
        const QByteArray name = control.toLatin1();
        const PanelField& f = Field(name.constData());
        PrinterConfig c = At203();
        QString error;
        QVERIFY(CollectPanelText(c, f, text, unit ? LengthUnit::Mm : LengthUnit::Inch, &error));
        QVERIFY(error.isEmpty());
        std::visit(
            [&](auto member) {
                const auto& item = c.*member;
                QCOMPARE(bool(item.present), !std::isnan(value));
                if (!std::isnan(value)) QCOMPARE(double(item.value), value);
            },
            f.item);
    }

    // A text that is not a number stops the collection with the conversion message and
    // leaves the item as it was.
    void collectRefusesBadNumbers_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters in an integer") << "EditReferenceX"
                                               << "12a"
                                               << "'12a' is not a valid integer value";
        QTest::newRow("a fraction for an integer") << "EditGapInten"
                                                   << "1.5"
                                                   << "'1.5' is not a valid integer value";
        QTest::newRow("beyond int32") << "EditGapInten"
                                      << "2147483648"
                                      << "'2147483648' is not a valid integer value";
        QTest::newRow("hexadecimal") << "EditOffset"
                                     << "0x10"
                                     << "'0x10' is not a valid integer value";
        QTest::newRow("blank only") << "EditOffset"
                                    << " "
                                    << "' ' is not a valid integer value";
        QTest::newRow("comma outside speed") << "EditWidth"
                                             << "4,0"
                                             << "'4,0' is not a valid floating point value";
        QTest::newRow("two commas in speed") << "EditSpeed"
                                             << "2,5,1"
                                             << "'2,5,1' is not a valid floating point value";
        QTest::newRow("inf") << "EditHeight"
                             << "inf"
                             << "'inf' is not a valid floating point value";
        QTest::newRow("nan") << "EditPrintSpeedD"
                             << "nan"
                             << "'nan' is not a valid floating point value";
        QTest::newRow("beyond float32") << "EditMaximumLength"
                                        << "1e39"
                                        << "'1e39' is not a valid floating point value";
        QTest::newRow("dots beyond int32") << "EditLabelWidthD"
                                           << "1e8"
                                           << "'1e8' is not a valid floating point value";
    }
    void collectRefusesBadNumbers() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QString, message);
        const QByteArray name = control.toLatin1();
        const PanelField& f = Field(name.constData());
        PrinterConfig c = At203();
        const PrinterConfig before = c;
        QString error;
        QVERIFY(!CollectPanelText(c, f, text, LengthUnit::Inch, &error));
        QCOMPARE(error, message);
        QVERIFY(std::memcmp(&c, &before, sizeof c) == 0);
    }

    void baseFieldsAreNeverCollected() {
        PrinterConfig c = At203();
        c.DensityBase = {1, 8};
        QString error;
        QVERIFY(CollectPanelText(c, Field("EditDensityBase"), "", LengthUnit::Inch, &error));
        QVERIFY(CollectPanelText(c, Field("EditDensityBase"), "x", LengthUnit::Inch, &error));
        QCOMPARE(c.DensityBase.present, uint8_t(1));
        QCOMPARE(c.DensityBase.value, 8);
    }

    // A character beyond Latin-1 cannot go into the 8-bit record as typed.
    void characterBeyondLatin1() {
        PrinterConfig c = At203();
        QString error;
        QVERIFY(CollectPanelText(c, Field("EditFormatPrefixZ"), QString(QChar(0x20AC)), LengthUnit::Inch,
                                 &error));
        QCOMPARE(c.ZFormatPrefix.value, '?');
        QVERIFY(
            CollectPanelText(c, Field("EditFormatPrefixZ"), QString(QChar(0xE9)), LengthUnit::Inch, &error));
        QCOMPARE(uchar(c.ZFormatPrefix.value), uchar(0xE9));
    }
};

QTEST_APPLESS_MAIN(TestConfigPanel)
#include "tst_config_panel.moc"
