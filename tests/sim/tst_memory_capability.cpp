// SPDX-License-Identifier: Apache-2.0
// The simulated printer's memories: space reports and file lists, DOWNLOAD into each memory
// (binary data in any split), KILL, DIAGNOSTIC FILE, raw firmware transfers, and the
// memories of a JSON profile.

#include "sim/simulated_printer.h"
#include "tests/sim/session_output.h"

#include <QTemporaryFile>
#include <QtTest>

using namespace lb::sim;

namespace {

using lb::sim::test::FedInPieces;

// DRAM and FLASH both hold a SAME.TXT (case aside); CARD holds nothing.
Profile MemoryProfile() {
    Profile p = Profile::Default();
    p.reports["DPI"] = "203";
    p.memories[Memory::Dram] = {100, 90, {{"A.BMP", "BM12"}, {"Same.txt", "dram"}}};
    p.memories[Memory::Flash] = {200, 150, {{"X.BAS", "CLS\r\n"}, {"SAME.TXT", "flash"}}};
    p.memories[Memory::Card] = {300, 1, {}};
    return p;
}

// What one fresh connection gets back for input fed in pieces.
QByteArray Talk(SimulatedPrinter& printer, const QByteArray& input, int pieceSize = 1, Faults faults = {}) {
    PrinterSession session(printer, std::move(faults));
    return FedInPieces(session, input, pieceSize);
}

QStringList Names(const Memory& m) {
    QStringList names;
    for (const MemoryFile& f : m.files)
        names << QString::fromLatin1(f.name);
    return names;
}

// Every byte value, and bytes that would be commands outside a download.
QByteArray BinaryData(qsizetype size) {
    QByteArray data("\x1b!?\r\nDOWNLOAD \"Z\",3,\r\nKILL \"*.*\"\r\n\x1b!R\r\n\n");
    for (qsizetype i = 0; data.size() < size; ++i)
        data.append(char(i));
    return data.left(size);
}

}   // namespace

class TestMemoryCapability : public QObject {
    Q_OBJECT

private slots:
    void reports_data() {
        QTest::addColumn<QByteArray>("keyword");
        QTest::addColumn<QByteArray>("silent");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("DRAM size") << QByteArray("DPHYSPACE") << QByteArray() << QByteArray("{3|100}");
        QTest::newRow("DRAM free") << QByteArray("DFREESPACE") << QByteArray() << QByteArray("{2|90}");
        QTest::newRow("FLASH size") << QByteArray("FPHYSPACE") << QByteArray() << QByteArray("{3|200}");
        QTest::newRow("FLASH free") << QByteArray("FFREESPACE") << QByteArray() << QByteArray("{3|150}");
        QTest::newRow("CARD size") << QByteArray("CPHYSPACE") << QByteArray() << QByteArray("{3|300}");
        QTest::newRow("CARD free") << QByteArray("CFREESPACE") << QByteArray() << QByteArray("{1|1}");
        QTest::newRow("DRAM files") << QByteArray("DFILELIST") << QByteArray()
                                    << QByteArray("{5|A.BMP}{8|Same.txt}{0|}");
        QTest::newRow("FLASH files") << QByteArray("FFILELIST") << QByteArray()
                                     << QByteArray("{5|X.BAS}{8|SAME.TXT}{0|}");
        QTest::newRow("CARD without files") << QByteArray("CFILELIST") << QByteArray() << QByteArray("{0|}");
        QTest::newRow("FLASH list silenced")
            << QByteArray("FFILELIST") << QByteArray("ffilelist") << QByteArray();
        QTest::newRow("FLASH size silenced")
            << QByteArray("FPHYSPACE") << QByteArray("FPHYSPACE") << QByteArray();
    }
    void reports() {
        QFETCH(QByteArray, keyword);
        QFETCH(QByteArray, silent);
        QFETCH(QByteArray, reply);
        SimulatedPrinter printer(MemoryProfile());
        Faults faults;
        if (!silent.isEmpty()) faults.silentKeywords = {silent};
        // The next report is answered all the same.
        QCOMPARE(Talk(printer, "DIAGNOSTIC REPORT " + keyword + "\r\nDIAGNOSTIC REPORT DPI\r\n", 1, faults),
                 reply + "{3|203}");
    }

    // The data is stored byte for byte, however it arrives, and what follows it is a command.
    void download_data() {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<int>("memory");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("pieceSize");
        QTest::addColumn<int>("freeKB");
        QTest::addColumn<QStringList>("files");
        // 1025 bytes take 2 KB.
        QTest::newRow("DRAM, 1-byte pieces") << QByteArray() << int(Memory::Dram) << QByteArray("N.BIN")
                                             << 1025 << 1 << 88 << QStringList{"A.BMP", "Same.txt", "N.BIN"};
        QTest::newRow("FLASH, one piece")
            << QByteArray("F,") << int(Memory::Flash) << QByteArray("N.BIN") << 1025 << 100000 << 148
            << QStringList{"X.BAS", "SAME.TXT", "N.BIN"};
        QTest::newRow("CARD, not below 0") << QByteArray("E,") << int(Memory::Card) << QByteArray("N.BIN")
                                           << 3000 << 7 << 0 << QStringList{"N.BIN"};
        QTest::newRow("empty file") << QByteArray("F,") << int(Memory::Flash) << QByteArray("EMPTY.DAT") << 0
                                    << 1 << 150 << QStringList{"X.BAS", "SAME.TXT", "EMPTY.DAT"};
        // The 4 bytes of the old A.BMP are given back, the new file's 2 KB taken.
        QTest::newRow("same name replaces") << QByteArray() << int(Memory::Dram) << QByteArray("a.bmp")
                                            << 2048 << 3 << 89 << QStringList{"Same.txt", "a.bmp"};
    }
    void download() {
        QFETCH(QByteArray, prefix);
        QFETCH(int, memory);
        QFETCH(QByteArray, name);
        QFETCH(int, size);
        QFETCH(int, pieceSize);
        QFETCH(int, freeKB);
        QFETCH(QStringList, files);
        SimulatedPrinter printer(MemoryProfile());
        const QByteArray data = BinaryData(size);
        const QByteArray input = "DOWNLOAD " + prefix + '"' + name + "\"," + QByteArray::number(size) + "," +
                                 data + "DIAGNOSTIC REPORT DPI\r\n";
        QCOMPARE(Talk(printer, input, pieceSize), QByteArray("{3|203}"));
        const Profile p = printer.profile();
        const Memory& m = p.memories[memory];
        QCOMPARE(Names(m), files);
        QVERIFY(m.find(name));
        QCOMPARE(m.find(name)->data, data);
        QCOMPARE(m.freeKB, freeKB);
        for (int other = 0; other < Memory::kCount; ++other)
            if (other != memory) QCOMPARE(Names(p.memories[other]), Names(MemoryProfile().memories[other]));
    }

    void malformedDownloadStoresNothing_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("no quotes") << QByteArray("DOWNLOAD A.BIN,3,");
        QTest::newRow("negative size") << QByteArray("DOWNLOAD \"A.BIN\",-3,");
        QTest::newRow("size not a number") << QByteArray("DOWNLOAD F,\"A.BIN\",3x,");
        QTest::newRow("unknown memory") << QByteArray("DOWNLOAD Q,\"A.BIN\",3,");
        QTest::newRow("no size") << QByteArray("DOWNLOAD \"A.BAS\"");
        QTest::newRow("empty name") << QByteArray("DOWNLOAD \"\",3,");
    }
    void malformedDownloadStoresNothing() {
        QFETCH(QByteArray, header);
        SimulatedPrinter printer(MemoryProfile());
        QCOMPARE(Talk(printer, header + "abc\r\nDIAGNOSTIC REPORT DPI\r\n"), QByteArray("{3|203}"));
        for (int m = 0; m < Memory::kCount; ++m) {
            QCOMPARE(Names(printer.profile().memories[m]), Names(MemoryProfile().memories[m]));
            QCOMPARE(printer.profile().memories[m].freeKB, MemoryProfile().memories[m].freeKB);
        }
    }

    // More than a printer could hold: the announced bytes are taken and dropped.
    void oversizedDownloadIsDropped() {
        SimulatedPrinter printer(MemoryProfile());
        PrinterSession session(printer, {});
        QCOMPARE(FedInPieces(session, "DOWNLOAD \"BIG\",300000000,DIAGNOSTIC REPORT DPI\r\n", 5),
                 QByteArray());
        QVERIFY(!printer.profile().memories[Memory::Dram].find("BIG"));
    }

    void kill_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("memory");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("freeKB");
        QTest::newRow("DRAM") << QByteArray("KILL \"*.*\"\r\n") << int(Memory::Dram) << QStringList() << 100;
        QTest::newRow("FLASH") << QByteArray("KILL F,\"*.*\"\r\n") << int(Memory::Flash) << QStringList()
                               << 200;
        QTest::newRow("CARD") << QByteArray("KILL E,\"*.*\"\r\n") << int(Memory::Card) << QStringList()
                              << 300;
        QTest::newRow("one file") << QByteArray("KILL F,\"x.bas\"\r\n") << int(Memory::Flash)
                                  << QStringList{"SAME.TXT"} << 151;
        QTest::newRow("no such file")
            << QByteArray("KILL \"NONE\"\r\n") << int(Memory::Dram) << QStringList{"A.BMP", "Same.txt"} << 90;
    }
    void kill() {
        QFETCH(QByteArray, command);
        QFETCH(int, memory);
        QFETCH(QStringList, files);
        QFETCH(int, freeKB);
        SimulatedPrinter printer(MemoryProfile());
        QCOMPARE(Talk(printer, command), QByteArray());
        const Profile p = printer.profile();
        QCOMPARE(Names(p.memories[memory]), files);
        QCOMPARE(p.memories[memory].freeKB, freeKB);
        for (int other = 0; other < Memory::kCount; ++other)
            if (other != memory) QCOMPARE(Names(p.memories[other]), Names(MemoryProfile().memories[other]));
    }

    void diagnosticFile_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("in FLASH") << QByteArray("X.BAS") << QByteArray("{5|CLS\r\n}");
        QTest::newRow("DRAM before FLASH, case aside") << QByteArray("SAME.txt") << QByteArray("{4|dram}");
        QTest::newRow("absent") << QByteArray("Dump.txt") << QByteArray("{0|}");
    }
    void diagnosticFile() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, reply);
        SimulatedPrinter printer(MemoryProfile());
        QCOMPARE(Talk(printer, "\r\nDIAGNOSTIC FILE \"" + name + "\"\r\n\r\n"), reply);
    }

    // A fresh connection that begins with bytes no capability knows is a raw transfer: all its
    // bytes are the new firmware image. A conversation leaves the image as it is.
    void rawBytesAreTheLastFirmware_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<int>("pieceSize");
        const QByteArray binary = "\x7f"
                                  "LBFW\r\n\r\n\x1b\x01\r\nSET RIBBON OFF\r\n" +
                                  BinaryData(300);
        QTest::newRow("binary, 1-byte pieces") << binary << 1;
        QTest::newRow("binary, one piece") << binary << 100000;
        QTest::newRow("blank line first") << "\r\n" + binary << 3;
        QTest::newRow("no line end") << QByteArray("\x93\x00\x01VQX", 6) << 1;
        QTest::newRow("unknown ESC sequence first") << QByteArray("\x1b\x7f\x02\r\nxyz") << 1;
    }
    void rawBytesAreTheLastFirmware() {
        QFETCH(QByteArray, image);
        QFETCH(int, pieceSize);
        SimulatedPrinter printer(MemoryProfile());
        Talk(printer, "OLD IMAGE\r\n");
        Talk(printer, image, pieceSize);
        QCOMPARE(printer.lastFirmware(), image);
        Talk(printer, "\r\nDIAGNOSTIC INTERFACE USB\r\nCLS\r\nDOWNLOAD \"A\",1,\x7f");
        Talk(printer, "\r\nDIAGNOSTIC FILE \"A\"\r\n\r\n");
        QCOMPARE(printer.lastFirmware(), image);
    }

    void profileMemoriesFromJson() {
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(
            R"({"memories": {"DRAM": {"physicalKB": 64, "files": [{"name": "A.TXT", "text": "hi\r\n"}]},
                                     "FLASH": {"freeKB": 7, "files": [{"name": "B.BIN", "base64": "AP8b"}]}}})");
        file.close();
        Profile p;
        QString error;
        QVERIFY2(Profile::LoadFromFile(file.fileName(), p, &error), qPrintable(error));
        const Profile base = Profile::Default();
        QCOMPARE(p.memories[Memory::Dram].physicalKB, 64);
        QCOMPARE(p.memories[Memory::Dram].freeKB, base.memories[Memory::Dram].freeKB);
        QCOMPARE(Names(p.memories[Memory::Dram]), QStringList{"A.TXT"});
        QCOMPARE(p.memories[Memory::Dram].files[0].data, QByteArray("hi\r\n"));
        QCOMPARE(p.memories[Memory::Flash].physicalKB, base.memories[Memory::Flash].physicalKB);
        QCOMPARE(p.memories[Memory::Flash].freeKB, 7);
        QCOMPARE(p.memories[Memory::Flash].files[0].data, QByteArray("\x00\xff\x1b", 3));
        QCOMPARE(Names(p.memories[Memory::Card]), Names(base.memories[Memory::Card]));
        // The demo printer has something to show in every memory.
        for (const Memory& m : base.memories)
            QVERIFY(!m.files.isEmpty());
    }

    void badProfileMemoriesAreRefused_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("unknown memory") << QByteArray(R"({"memories": {"SD": {}}})");
        QTest::newRow("negative size") << QByteArray(R"({"memories": {"DRAM": {"freeKB": -1}}})");
        QTest::newRow("text and base64")
            << QByteArray(R"({"memories": {"CARD": {"files": [{"name": "A", "text": "", "base64": ""}]}}})");
        QTest::newRow("no data") << QByteArray(R"({"memories": {"CARD": {"files": [{"name": "A"}]}}})");
        QTest::newRow("bad base64") << QByteArray(
            R"({"memories": {"CARD": {"files": [{"name": "A", "base64": "*"}]}}})");
        QTest::newRow("quote in name") << QByteArray(
            "{\"memories\": {\"CARD\": {\"files\": [{\"name\": \"A\\\"B\", \"text\": \"\"}]}}}");
        QTest::newRow("same name twice") << QByteArray(
            R"({"memories": {"CARD": {"files": [{"name": "a", "text": ""}, {"name": "A", "text": ""}]}}})");
    }
    void badProfileMemoriesAreRefused() {
        QFETCH(QByteArray, json);
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(json);
        file.close();
        Profile p;
        QString error;
        QVERIFY(!Profile::LoadFromFile(file.fileName(), p, &error));
        QVERIFY(error.contains(QLatin1String("memories")));
    }
};

QTEST_GUILESS_MAIN(TestMemoryCapability)
#include "tst_memory_capability.moc"
