// SPDX-License-Identifier: Apache-2.0
// The 683-byte configuration file: the bytes it holds, what loading accepts, and that a
// refused file changes nothing.

#include "config/config_file.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

using namespace lb;

namespace {

QByteArray Bytes(const char* hex) {
    return QByteArray::fromHex(hex);
}

PrinterConfig Cleared() {
    PrinterConfig c;
    std::memset(&c, 0xCC, sizeof c);   // the bytes behind the empty texts are not significant
    c.UnitIsInch = 1;
    ClearConfig(c);
    return c;
}

QByteArray RecordBytes(const PrinterConfig& c) {
    return QByteArray(reinterpret_cast<const char*>(&c), sizeof c);
}
QByteArray StatusBytes(const PrinterStatus& s) {
    return QByteArray(reinterpret_cast<const char*>(&s), sizeof s);
}

// Outputs filled with a pattern, so that any write to them shows.
struct Outputs {
    PrinterConfig config;
    PrinterStatus status;
    int32_t unit = 0x5A5A5A5A;
    Outputs() {
        std::memset(&config, 0x5A, sizeof config);
        std::memset(&status, 0x5A, sizeof status);
    }
    bool untouched() const {
        return RecordBytes(config) == QByteArray(sizeof config, 0x5A) &&
               StatusBytes(status) == QByteArray(sizeof status, 0x5A) && unit == 0x5A5A5A5A;
    }
};

}   // namespace

class TestConfigFile : public QObject {
    Q_OBJECT

private slots:
    void clearedRecordImage() {
        PrinterStatus status{};
        status.headOpen = 1;
        status.outOfRibbon = 1;
        const QByteArray image = BuildConfigFile(Cleared(), status, kUnitMm);
        QCOMPARE(image.size(), 683);
        QCOMPARE(image.mid(0, 4), Bytes("aa550000"));
        QCOMPARE(image.mid(4, 4), Bytes("01000000"));
        QCOMPARE(image.mid(8, 4), Bytes("01000000"));
        // Record offset n is file offset 12 + n.
        QCOMPARE(image.mid(12 + 0, 5), Bytes("0000000000"));       // Edition, ConfigRead
        QCOMPARE(image.mid(12 + 5, 4), Bytes("00004843"));         // Dpi 200.0
        QCOMPARE(image.mid(12 + 9, 4), Bytes("cdcc3c41"));         // DotsPerMm 11.8
        QCOMPARE(image.at(12 + 21), '\0');                         // empty Version
        QCOMPARE(image.mid(12 + 389, 5), Bytes("0000004040"));     // Speed absent, 3.0
        QCOMPARE(image.at(12 + 549), '\1');                        // UnitIsInch kept by the clear
        QCOMPARE(image.mid(12 + 575, 6), Bytes("007e005e002c"));   // '~', '^', ',' absent
        QCOMPARE(image.mid(673, 10), Bytes("01000000000000000001"));
        // Every present byte is 0.
        for (int offset = 389; offset < 661; offset += 5) {
            if (offset == 549) offset = 550;   // UnitIsInch has no present byte
            if (offset == 575) offset = 581;   // the three character items are two bytes each
            QVERIFY2(image.at(12 + offset) == 0, qPrintable(QString::number(offset)));
        }
    }

    void itemsAtTheirOffsets_data() {
        QTest::addColumn<int>("fileOffset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("edition") << 12 << Bytes("68000000");
        QTest::newRow("paper width") << 12 + 404 << Bytes("0100004b44");   // present, 812.0
        QTest::newRow("code page") << 12 + 504 << Bytes("0123000000");     // present, 35
        QTest::newRow("z delimiter") << 12 + 579 << Bytes("013b");
        QTest::newRow("stop bits") << 12 + 656 << Bytes("01feffffff");   // present, -2: the last 5 bytes
        QTest::newRow("serial") << 12 + 325 << QByteArray("LB42\0", 5);
    }
    void itemsAtTheirOffsets() {
        QFETCH(int, fileOffset);
        QFETCH(QByteArray, bytes);
        PrinterConfig c = Cleared();
        c.Edition = 104;
        c.PaperWidth = {1, 812.0f};
        c.CodePage = {1, 35};
        c.ZDelimiter = {1, ';'};
        c.StopBits = {1, -2};
        std::memcpy(c.SerialNumber, "LB42", 5);
        const QByteArray image = BuildConfigFile(c, PrinterStatus{}, kUnitInch);
        QCOMPARE(image.mid(fileOffset, bytes.size()), bytes);
        QCOMPARE(image.mid(8, 4), Bytes("00000000"));
    }

    void roundTrip() {
        PrinterConfig c;
        for (std::size_t i = 0; i < sizeof c; ++i)
            reinterpret_cast<unsigned char*>(&c)[i] = static_cast<unsigned char>(i * 7 + 3);
        PrinterStatus s;
        for (std::size_t i = 0; i < sizeof s; ++i)
            reinterpret_cast<unsigned char*>(&s)[i] = static_cast<unsigned char>(i & 1);
        const QByteArray image = BuildConfigFile(c, s, kUnitMm);
        QCOMPARE(image.mid(12, 661), RecordBytes(c));
        QCOMPARE(image.mid(673), StatusBytes(s));
        Outputs out;
        QVERIFY(ParseConfigFile(image, out.config, out.status, out.unit));
        QCOMPARE(RecordBytes(out.config), RecordBytes(c));
        QCOMPARE(StatusBytes(out.status), StatusBytes(s));
        QCOMPARE(out.unit, kUnitMm);
    }

    void otherFormatNumberLoads() {
        QByteArray image = BuildConfigFile(Cleared(), PrinterStatus{}, kUnitInch);
        image[4] = 2;
        Outputs out;
        QVERIFY(ParseConfigFile(image, out.config, out.status, out.unit));
        QCOMPARE(out.unit, kUnitInch);
        QCOMPARE(float(out.config.Dpi), 200.0f);
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = BuildConfigFile(Cleared(), PrinterStatus{}, kUnitMm);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("magic only") << good.left(4);
        QTest::newRow("one byte short") << good.left(682);
        QTest::newRow("text file") << QByteArray("Speed=4\nDensity=8\n").leftJustified(683, ' ');
        QByteArray wrong = good;
        wrong[3] = 1;   // AA 55 00 01
        QTest::newRow("fourth magic byte") << wrong;
        wrong = good;
        wrong[0] = char(0x55);
        wrong[1] = char(0xAA);
        QTest::newRow("swapped magic") << wrong;
    }
    void refused() {
        QFETCH(QByteArray, data);
        Outputs out;
        QVERIFY(!ParseConfigFile(data, out.config, out.status, out.unit));
        QVERIFY(out.untouched());
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.dcf");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
        f.close();
        QCOMPARE(LoadConfigFile(path, out.config, out.status, out.unit), ConfigFileResult::DataError);
        QVERIFY(out.untouched());
    }

    void saveAndLoad() {
        QTemporaryDir dir;
        const QString path = dir.filePath("printer.dcf");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(2000, 'x'));   // a longer file is replaced as a whole
        }
        PrinterConfig c = Cleared();
        c.Density = {1, 12};
        PrinterStatus s{};
        s.pause = 1;
        QCOMPARE(SaveConfigFile(path, c, s, kUnitMm), ConfigFileResult::Ok);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), BuildConfigFile(c, s, kUnitMm));
        Outputs out;
        QCOMPARE(LoadConfigFile(path, out.config, out.status, out.unit), ConfigFileResult::Ok);
        QCOMPARE(RecordBytes(out.config), RecordBytes(c));
        QCOMPARE(out.status.pause, uint8_t(1));
        QCOMPARE(out.unit, kUnitMm);
    }

    void unopenableFiles() {
        QTemporaryDir dir;
        Outputs out;
        QCOMPARE(LoadConfigFile(dir.filePath("missing.dcf"), out.config, out.status, out.unit),
                 ConfigFileResult::OpenError);
        QVERIFY(out.untouched());
        const QString inMissingDir = dir.filePath("no/such/dir/printer.dcf");
        QCOMPARE(SaveConfigFile(inMissingDir, Cleared(), PrinterStatus{}, kUnitInch),
                 ConfigFileResult::OpenError);
        QVERIFY(!QFile::exists(inMissingDir));
    }
};

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_config_file.moc"
