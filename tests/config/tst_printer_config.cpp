// SPDX-License-Identifier: Apache-2.0
// The configuration record as bytes (it is also the configuration file's payload), its
// cleared state, the reply tables and the leading-number rules of the replies.

#include "config/printer_config.h"
#include "config/read_configuration.h"

#include <QtTest>
#include <cfloat>
#include <climits>
#include <cstring>
#include <functional>

using namespace lb;

using Setter = std::function<void(PrinterConfig&)>;
Q_DECLARE_METATYPE(Setter)

namespace {

QByteArray Bytes(const PrinterConfig& c) {
    return QByteArray(reinterpret_cast<const char*>(&c), sizeof c);
}

QByteArray Le32(int32_t v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((uint32_t(v) >> (8 * i)) & 0xFF);
    return b;
}
QByteArray LeFloat(float f) {
    int32_t bits;
    std::memcpy(&bits, &f, 4);
    return Le32(bits);
}

}   // namespace

class TestPrinterConfig : public QObject {
    Q_OBJECT

private slots:
    void recordSize() { QCOMPARE(sizeof(PrinterConfig), std::size_t(661)); }

    // Each field written alone must land at its file offset, in little-endian order, and
    // touch no other byte.
    void layout_data() {
        QTest::addColumn<Setter>("set");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Edition") << Setter([](PrinterConfig& c) { c.Edition = 0x01020304; }) << 0
                                 << Le32(0x01020304);
        QTest::newRow("ConfigRead") << Setter([](PrinterConfig& c) { c.ConfigRead = 1; }) << 4
                                    << QByteArray("\x01");
        QTest::newRow("Dpi") << Setter([](PrinterConfig& c) { c.Dpi = 203.0f; }) << 5 << LeFloat(203.0f);
        QTest::newRow("DotsPerMm") << Setter([](PrinterConfig& c) { c.DotsPerMm = 8.0f; }) << 9
                                   << LeFloat(8.0f);
        QTest::newRow("CutCounter") << Setter([](PrinterConfig& c) { c.CutCounter = 1520; }) << 13
                                    << Le32(1520);
        QTest::newRow("ResetCutCounter")
            << Setter([](PrinterConfig& c) { c.ResetCutCounter = -2; }) << 17 << Le32(-2);
        QTest::newRow("Version end") << Setter([](PrinterConfig& c) { c.Version[255] = 'V'; }) << 276
                                     << QByteArray("V");
        QTest::newRow("Milage") << Setter([](PrinterConfig& c) { c.Milage[0] = 'M'; }) << 277
                                << QByteArray("M");
        QTest::newRow("ResetMilage") << Setter([](PrinterConfig& c) { c.ResetMilage[0] = 'R'; }) << 293
                                     << QByteArray("R");
        QTest::newRow("Checksum") << Setter([](PrinterConfig& c) { c.Checksum[0] = 'C'; }) << 309
                                  << QByteArray("C");
        QTest::newRow("SerialNumber end")
            << Setter([](PrinterConfig& c) { c.SerialNumber[63] = 'S'; }) << 388 << QByteArray("S");
        QTest::newRow("UnitIsInch") << Setter([](PrinterConfig& c) { c.UnitIsInch = 1; }) << 549
                                    << QByteArray("\x01");

#define INT_ROW(field, at)                                                                                   \
    QTest::newRow(#field) << Setter([](PrinterConfig& c) {                                                   \
        c.field = {1, 100000 + at};                                                                          \
    }) << at << (QByteArray("\x01") + Le32(100000 + at))
#define FLOAT_ROW(field, at)                                                                                 \
    QTest::newRow(#field) << Setter([](PrinterConfig& c) {                                                   \
        c.field = {1, float(at) + 0.5f};                                                                     \
    }) << at << (QByteArray("\x01") + LeFloat(float(at) + 0.5f))
#define BYTE_ROW(field, at)                                                                                  \
    QTest::newRow(#field) << Setter([](PrinterConfig& c) { c.field = {1, 'x'}; }) << at << QByteArray("\x01x")
        FLOAT_ROW(Speed, 389);
        INT_ROW(Density, 394);
        INT_ROW(DensityBase, 399);
        FLOAT_ROW(PaperWidth, 404);
        FLOAT_ROW(PaperHeight, 409);
        INT_ROW(SensorMode, 414);
        FLOAT_ROW(GapSize, 419);
        FLOAT_ROW(GapOffset, 424);
        INT_ROW(PrintOut, 429);
        INT_ROW(CutterPiece, 434);
        INT_ROW(ReferenceX, 439);
        INT_ROW(ReferenceY, 444);
        INT_ROW(Direction, 449);
        INT_ROW(Mirror, 454);
        INT_ROW(Offset, 459);
        INT_ROW(OffsetBase, 464);
        INT_ROW(ShiftY, 469);
        INT_ROW(ShiftYBase, 474);
        INT_ROW(ShiftX, 479);
        INT_ROW(ShiftXBase, 484);
        INT_ROW(Ribbon, 489);
        INT_ROW(RibbonSensor, 494);
        INT_ROW(RibbonEncoder, 499);
        INT_ROW(CodePage, 504);
        INT_ROW(Country, 509);
        INT_ROW(HeadSensor, 514);
        INT_ROW(Reprint, 519);
        FLOAT_ROW(MaxLength, 524);
        INT_ROW(GapInten, 529);
        INT_ROW(BlineInten, 534);
        INT_ROW(ContinuousInten, 539);
        INT_ROW(AutoThreshold, 544);
        INT_ROW(ZDarkness, 550);
        INT_ROW(ZSpeed, 555);
        INT_ROW(ZTearOff, 560);
        INT_ROW(ZPrintMode, 565);
        INT_ROW(ZPrintWidth, 570);
        BYTE_ROW(ZControlPrefix, 575);
        BYTE_ROW(ZFormatPrefix, 577);
        BYTE_ROW(ZDelimiter, 579);
        INT_ROW(ZMediaPowerUp, 581);
        INT_ROW(ZHeadClose, 586);
        INT_ROW(ZLabelTop, 591);
        INT_ROW(ZLeftPosition, 596);
        INT_ROW(DHeat, 601);
        FLOAT_ROW(DPrintSpeed, 606);
        INT_ROW(DLabelWidth, 611);
        INT_ROW(DPresentSensor, 616);
        INT_ROW(DCutterEquipped, 621);
        INT_ROW(DControlCodes, 626);
        INT_ROW(DColumnOffset, 631);
        INT_ROW(DRowOffset, 636);
        INT_ROW(BaudRate, 641);
        INT_ROW(DataBits, 646);
        INT_ROW(Parity, 651);
        INT_ROW(StopBits, 656);
#undef INT_ROW
#undef FLOAT_ROW
#undef BYTE_ROW
    }
    void layout() {
        QFETCH(Setter, set);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        PrinterConfig c;
        std::memset(&c, 0, sizeof c);
        set(c);
        QByteArray expected(661, '\0');
        expected.replace(offset, bytes.size(), bytes);
        QCOMPARE(Bytes(c).toHex(' '), expected.toHex(' '));
    }

    void clearConfig_data() {
        QTest::addColumn<int>("unitIsInch");
        QTest::newRow("unit inch kept") << 1;
        QTest::newRow("unit mm kept") << 0;
    }
    void clearConfig() {
        QFETCH(int, unitIsInch);
        PrinterConfig c;
        std::memset(&c, 0xA5, sizeof c);
        c.UnitIsInch = uint8_t(unitIsInch);
        ClearConfig(c);

        QByteArray expected(661, '\0');
        expected.replace(5, 4, LeFloat(200.0f));
        expected.replace(9, 4, LeFloat(11.8f));
        expected.replace(390, 4, LeFloat(3.0f));
        expected[549] = char(unitIsInch);
        expected[576] = '~';
        expected[578] = '^';
        expected[580] = ',';
        QByteArray actual = Bytes(c);
        // Only the first byte of each text is significant.
        for (const auto& [start, size] : {std::pair{21, 256}, {277, 16}, {293, 16}, {309, 16}, {325, 64}}) {
            QCOMPARE(actual[start], '\0');
            actual.replace(start + 1, size - 1, QByteArray(size - 1, '\0'));
        }
        QCOMPARE(actual.toHex(' '), expected.toHex(' '));
    }

    void tableSizes() {
        QCOMPARE(CodePageNames.size(), std::size_t(36));
        QCOMPARE(CountryCodes.size(), std::size_t(22));
        QCOMPARE(BaudRateNames.size(), std::size_t(9));
        QCOMPARE(DataBitsNames.size(), std::size_t(2));
        QCOMPARE(ParityNames.size(), std::size_t(3));
        QCOMPARE(StopBitsNames.size(), std::size_t(2));
    }

    void tableIndex_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("index");
        QTest::newRow("code page first") << "codepage" << QByteArray("USA") << 0;
        QTest::newRow("code page 437") << "codepage" << QByteArray("437") << 9;
        QTest::newRow("code page 1252") << "codepage" << QByteArray("1252") << 18;
        QTest::newRow("code page 8859-1") << "codepage" << QByteArray("8859-1") << 25;
        QTest::newRow("code page last") << "codepage" << QByteArray("8859-15") << 35;
        QTest::newRow("code page case-sensitive") << "codepage" << QByteArray("usa") << 36;
        QTest::newRow("code page prefix only") << "codepage" << QByteArray("8859") << 36;
        QTest::newRow("code page trailing blank") << "codepage" << QByteArray("850 ") << 36;
        QTest::newRow("code page NUL inside") << "codepage" << QByteArray("USA\0X", 5) << 36;
        QTest::newRow("code page empty") << "codepage" << QByteArray() << 36;
        QTest::newRow("country first") << "country" << QByteArray("001") << 0;
        QTest::newRow("country last") << "country" << QByteArray("358") << 21;
        QTest::newRow("country without zeros") << "country" << QByteArray("1") << 22;
        QTest::newRow("baud placeholder") << "baud" << QByteArray("0") << 0;
        QTest::newRow("baud 9600") << "baud" << QByteArray("9600") << 4;
        QTest::newRow("baud 115200") << "baud" << QByteArray("115200") << 8;
        QTest::newRow("baud unknown") << "baud" << QByteArray("14400") << 9;
        QTest::newRow("data bits 7") << "databits" << QByteArray("7") << 0;
        QTest::newRow("data bits 8") << "databits" << QByteArray("8") << 1;
        QTest::newRow("data bits 9") << "databits" << QByteArray("9") << 2;
        QTest::newRow("parity None") << "parity" << QByteArray("None") << 0;
        QTest::newRow("parity Even") << "parity" << QByteArray("Even") << 2;
        QTest::newRow("parity lower case") << "parity" << QByteArray("even") << 3;
        QTest::newRow("stop bits 2") << "stopbits" << QByteArray("2") << 1;
        QTest::newRow("stop bits 1.5") << "stopbits" << QByteArray("1.5") << 2;
    }
    void tableIndex() {
        QFETCH(QString, table);
        QFETCH(QByteArray, reply);
        QFETCH(int, index);
        const char* data = reply.constData();
        const std::size_t n = std::size_t(reply.size());
        int32_t actual = -1;
        if (table == "codepage") actual = TableIndex(CodePageNames, data, n);
        if (table == "country") actual = TableIndex(CountryCodes, data, n);
        if (table == "baud") actual = TableIndex(BaudRateNames, data, n);
        if (table == "databits") actual = TableIndex(DataBitsNames, data, n);
        if (table == "parity") actual = TableIndex(ParityNames, data, n);
        if (table == "stopbits") actual = TableIndex(StopBitsNames, data, n);
        QCOMPARE(actual, index);
    }

    void leadingInt_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << QByteArray("42") << 42;
        QTest::newRow("blanks and sign") << QByteArray(" \t\r\n-17abc") << -17;
        QTest::newRow("plus") << QByteArray("+8") << 8;
        QTest::newRow("fraction cut") << QByteArray("12.9") << 12;
        QTest::newRow("exponent ignored") << QByteArray("1e3") << 1;
        QTest::newRow("hex is 0") << QByteArray("0x1A") << 0;
        QTest::newRow("letters") << QByteArray("abc") << 0;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("sign alone") << QByteArray("-") << 0;
        QTest::newRow("blank after sign") << QByteArray("- 5") << 0;
        QTest::newRow("int max") << QByteArray("2147483647") << INT_MAX;
        QTest::newRow("int min") << QByteArray("-2147483648") << INT_MIN;
        QTest::newRow("too large held") << QByteArray("99999999999999999999") << INT_MAX;
        QTest::newRow("too small held") << QByteArray("-99999999999999999999") << INT_MIN;
    }
    void leadingInt() {
        QFETCH(QByteArray, text);
        QFETCH(int, value);
        QCOMPARE(LeadingInt(text.constData()), value);
    }

    void leadingFloat_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<float>("value");
        QTest::newRow("plain") << QByteArray("4.0") << 4.0f;
        QTest::newRow("blanks, sign, unit") << QByteArray("  -2.5mm") << -2.5f;
        QTest::newRow("integer") << QByteArray("812") << 812.0f;
        QTest::newRow("trailing point") << QByteArray("3.") << 3.0f;
        QTest::newRow("leading point") << QByteArray("+.25") << 0.25f;
        QTest::newRow("exponent") << QByteArray("1e2") << 100.0f;
        QTest::newRow("negative exponent") << QByteArray("25E-1x") << 2.5f;
        QTest::newRow("incomplete exponent") << QByteArray("1e+") << 1.0f;
        QTest::newRow("decimal comma") << QByteArray("1,5") << 1.0f;
        QTest::newRow("letters") << QByteArray("fast") << 0.0f;
        QTest::newRow("point alone") << QByteArray(".") << 0.0f;
        QTest::newRow("empty") << QByteArray() << 0.0f;
        QTest::newRow("inf is no number") << QByteArray("inf") << 0.0f;
        QTest::newRow("nan is no number") << QByteArray("nan") << 0.0f;
        QTest::newRow("hex is 0") << QByteArray("0x10") << 0.0f;
        QTest::newRow("too large held") << QByteArray("1e999") << FLT_MAX;
        QTest::newRow("beyond float held") << QByteArray("-1e39") << -FLT_MAX;
        QTest::newRow("too small is 0") << QByteArray("1e-999") << 0.0f;
    }
    void leadingFloat() {
        QFETCH(QByteArray, text);
        QFETCH(float, value);
        QCOMPARE(LeadingFloat(text.constData()), value);
    }

    void dotsPerMm_data() {
        QTest::addColumn<float>("dpi");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<float>("dotsPerMm");
        QTest::newRow("203") << 203.0f << true << 8.0f;
        QTest::newRow("300") << 300.0f << true << 11.8f;
        QTest::newRow("600") << 600.0f << true << 23.6f;
        QTest::newRow("200") << 200.0f << true << 7.9f;
        QTest::newRow("25 rounds up") << 25.0f << true << 1.0f;
        QTest::newRow("0") << 0.0f << false << 0.0f;
        QTest::newRow("0.2 gives no dots") << 0.2f << false << 0.0f;
        QTest::newRow("-0.2 gives no dots") << -0.2f << false << 0.0f;
        QTest::newRow("beyond range") << 1.0e30f << false << 0.0f;
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << false << 0.0f;
        QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << false << 0.0f;
    }
    void dotsPerMm() {
        QFETCH(float, dpi);
        QFETCH(bool, ok);
        QFETCH(float, dotsPerMm);
        float actual = -1.0f;
        QCOMPARE(DotsPerMmFromDpi(dpi, actual), ok);
        if (ok)
            QCOMPARE(actual, dotsPerMm);
        else
            QCOMPARE(actual, -1.0f);
    }
};

QTEST_GUILESS_MAIN(TestPrinterConfig)
#include "tst_printer_config.moc"
