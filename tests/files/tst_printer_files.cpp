// SPDX-License-Identifier: Apache-2.0
// The file manager's operations on the link: the bytes of a download, a format and a file
// read, the memory information sequence and its failures, and the printer file names.

#include "files/file_types.h"
#include "files/memory_info.h"
#include "files/printer_files.h"
#include "link/dispatcher.h"
#include "link/link_timing.h"
#include "tests/link/scripted_transport.h"
#include "tests/support/short_timing.h"

#include <QtTest>

#include <cstring>
#include <memory>

using namespace lb;

Q_DECLARE_METATYPE(lb::MemoryDevice)

namespace {

QByteArray Frame(const QByteArray& data) {
    return "{" + QByteArray::number(data.size()) + "|" + data + "}";
}

// The replies of a whole memory information sequence, and the commands it must send.
struct MemoryScript {
    QList<QByteArray> replies;
    QByteArray commands;
};

MemoryScript WholeSequence() {
    MemoryScript s;
    s.commands = "\r\nDIAGNOSTIC INTERFACE USB\r\n";
    s.replies << Frame("OK");
    const struct {
        char letter;
        const char* physical;
        const char* free;
        QList<QByteArray> names;
    } memories[] = {
        {'D', "8192", " 8100 KB", {"A.BMP", "B.DAT"}},
        {'F', "+4096", "-1", {}},
        {'C', "x", nullptr, {"CARD.TTF"}},
    };
    for (const auto& m : memories) {
        s.commands += QByteArray("DIAGNOSTIC REPORT ") + m.letter + "PHYSPACE\r\n";
        s.replies << Frame(m.physical);
        if (m.free) {
            s.commands += QByteArray("DIAGNOSTIC REPORT ") + m.letter + "FREESPACE\r\n";
            s.replies << Frame(m.free);
        }
        s.commands += QByteArray("DIAGNOSTIC REPORT ") + m.letter + "FILELIST\r\n";
        for (const QByteArray& name : m.names)
            s.replies << Frame(name);
        s.replies << Frame("");
    }
    return s;
}

std::unique_ptr<MemoryInfoSet> ClearedSet() {
    auto set = std::make_unique<MemoryInfoSet>();
    std::memset(set->data(), 0, sizeof(MemoryInfoSet));
    return set;
}

QString WriteTemp(QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return QString();
    return path;
}

}   // namespace

class TestPrinterFiles : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(10)};

private slots:
    void proposal_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cut to 8") << "/home/t/mylogo_large.bmp" << int(kFileTypeBmp) << "mylogo_l.BMP";
        QTest::newRow("dot left takes the extension") << "my.logo.bmp" << int(kFileTypeBmp) << "my.BMP";
        QTest::newRow("case kept") << "Logo.bmp" << int(kFileTypeBmp) << "Logo.BMP";
        QTest::newRow("type without extension") << "data.txt" << int(kFileTypeData) << "data";
        QTest::newRow("no type") << "/x/archive.tar.gz" << kNoFileType << "archive";
        QTest::newRow("no extension at all") << "FIRMWARE12" << int(kFileTypeBasic) << "FIRMWARE.BAS";
        QTest::newRow("folder with a dot") << "/a.b/font" << int(kFileTypeTrueTypeFont) << "font.TTF";
    }
    void proposal() {
        QFETCH(QString, path);
        QFETCH(int, type);
        QFETCH(QString, expected);
        QCOMPARE(ProposePrinterFileName(path, type), expected);
    }

    void nameProblems_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << "LOGO.BMP" << false;
        QTest::newRow("Latin-1 letter") << QString::fromUtf8("Ü.BMP") << false;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("quote") << "A\".BMP" << true;
        QTest::newRow("line break") << "A\r\nKILL" << true;
        QTest::newRow("NUL") << QString(QChar(0)) + "A" << true;
        QTest::newRow("beyond Latin-1") << QString::fromUtf8("€.BMP") << true;
    }
    void nameProblems() {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        QCOMPARE(!PrinterFileNameProblem(name).isEmpty(), refused);
    }

    void downloadHeader_data() {
        QTest::addColumn<MemoryDevice>("memory");
        QTest::addColumn<uint>("size");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("DRAM: no prefix")
            << MemoryDevice::Dram << 1024u << QByteArray("DOWNLOAD \"A.BMP\",1024,");
        QTest::newRow("FLASH") << MemoryDevice::Flash << 7u << QByteArray("DOWNLOAD F,\"A.BMP\",7,");
        QTest::newRow("CARD, empty file")
            << MemoryDevice::Card << 0u << QByteArray("DOWNLOAD E,\"A.BMP\",0,");
        QTest::newRow("beyond 2 GiB is not negative")
            << MemoryDevice::Flash << 3221225472u << QByteArray("DOWNLOAD F,\"A.BMP\",3221225472,");
    }
    void downloadHeader() {
        QFETCH(MemoryDevice, memory);
        QFETCH(uint, size);
        QFETCH(QByteArray, expected);
        QCOMPARE(DownloadHeader(memory, "A.BMP", size), expected);
    }

    void download_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<MemoryDevice>("memory");
        QTest::addColumn<QByteArray>("header");
        // The data goes out as it is: NUL, ESC and line ends included.
        QTest::newRow("binary to DRAM") << QByteArray("\x00\x1b!R\r\nKILL\xff", 10) << MemoryDevice::Dram
                                        << QByteArray("DOWNLOAD \"LOGO.BMP\",10,");
        QTest::newRow("empty file to CARD")
            << QByteArray() << MemoryDevice::Card << QByteArray("DOWNLOAD E,\"LOGO.BMP\",0,");
        QTest::newRow("several chunks to FLASH")
            << QByteArray(5000, 'x') << MemoryDevice::Flash << QByteArray("DOWNLOAD F,\"LOGO.BMP\",5000,");
    }
    void download() {
        QFETCH(QByteArray, content);
        QFETCH(MemoryDevice, memory);
        QFETCH(QByteArray, header);
        QTemporaryDir dir;
        const DownloadRequest request{WriteTemp(dir, "logo.bmp", content), "LOGO.BMP", memory};
        TransportScript script;
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        QCOMPARE(RunPrinterOperation(kOpDownloadFile, InterfaceKind::Usb,
                                     const_cast<DownloadRequest*>(&request), 0),
                 int(kLinkOk));
        QCOMPARE(script.written(), header + content);
        QCOMPARE(script.fills, 0);   // no reply is read
        QCOMPARE(script.closes, 1);
    }

    void downloadRefused_data() {
        QTest::addColumn<QString>("source");   // "" for a file that is there
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("memory");
        QTest::addColumn<int>("expected");
        QTest::newRow("missing source")
            << "/nonexistent/x.bmp" << QByteArray("X.BMP") << 1 << int(kFileOpenError);
        QTest::newRow("folder as source") << "/" << QByteArray("X.BMP") << 1 << int(kFileOpenError);
        QTest::newRow("quote in the name") << "" << QByteArray("X\".BMP") << 1 << int(kUnknownError);
        QTest::newRow("line end in the name") << "" << QByteArray("X\r\n") << 1 << int(kUnknownError);
        QTest::newRow("empty name") << "" << QByteArray() << 1 << int(kUnknownError);
        QTest::newRow("no such memory") << "" << QByteArray("X.BMP") << 3 << int(kUnknownError);
    }
    void downloadRefused() {
        QFETCH(QString, source);
        QFETCH(QByteArray, name);
        QFETCH(int, memory);
        QFETCH(int, expected);
        QTemporaryDir dir;
        if (source.isEmpty()) source = WriteTemp(dir, "x.bmp", "data");
        DownloadRequest request{source, name, static_cast<MemoryDevice>(memory)};
        TransportScript script;
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        QCOMPARE(RunPrinterOperation(kOpDownloadFile, InterfaceKind::Usb, &request, 0), expected);
        QCOMPARE(script.opens, 0);   // nothing sent
    }

    void downloadWriteFails_data() {
        QTest::addColumn<int>("failWriteAt");
        QTest::newRow("header") << 0;
        QTest::newRow("data, the header sent") << 1;
    }
    void downloadWriteFails() {
        QFETCH(int, failWriteAt);
        QTemporaryDir dir;
        DownloadRequest request{WriteTemp(dir, "x.bmp", "data"), "X.BMP", MemoryDevice::Flash};
        TransportScript script;
        script.failWriteAt = failWriteAt;
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        QCOMPARE(RunPrinterOperation(kOpDownloadFile, InterfaceKind::Usb, &request, 0),
                 int(kDataTransmissionError));
        QCOMPARE(script.closes, 1);
    }

    void format_data() {
        QTest::addColumn<int>("memory");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("DRAM") << 0 << QByteArray("KILL \"*.*\"\r\n");
        QTest::newRow("FLASH") << 1 << QByteArray("KILL F,\"*.*\"\r\n");
        QTest::newRow("CARD") << 2 << QByteArray("KILL E,\"*.*\"\r\n");
        QTest::newRow("no such memory: nothing") << 3 << QByteArray();
    }
    void format() {
        QFETCH(int, memory);
        QFETCH(QByteArray, expected);
        TransportScript script;
        ScopedScriptedTransport t(InterfaceKind::Ethernet, &script);
        const int result = RunPrinterOperation(kOpFormatMemory, InterfaceKind::Ethernet, nullptr, memory);
        QCOMPARE(result, expected.isEmpty() ? int(kUnknownError) : int(kLinkOk));
        QCOMPARE(script.written(), expected);
        QCOMPARE(script.fills, 0);
    }

    void memoryInformation() {
        const MemoryScript s = WholeSequence();
        TransportScript script;
        script.segments = s.replies;
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        auto set = ClearedSet();
        QCOMPARE(RunPrinterOperation(kOpMemoryInfo, InterfaceKind::Usb, set->data(), 0), int(kLinkOk));
        QCOMPARE(script.written(), s.commands);
        const MemoryInfo& dram = (*set)[0];
        const MemoryInfo& flash = (*set)[1];
        const MemoryInfo& card = (*set)[2];
        QCOMPARE(QByteArray(dram.fileList), QByteArray("A.BMP\r\nB.DAT\r\n"));
        QCOMPARE(FileListNames(dram), (QList<QByteArray>{"A.BMP", "B.DAT"}));
        QCOMPARE(
            (QList<int>{dram.physicalSpaceKnown, dram.physicalSpace, dram.freeSpaceKnown, dram.freeSpace}),
            (QList<int>{1, 8192, 1, 8100}));
        QCOMPARE((QList<int>{flash.physicalSpace, flash.freeSpace}), (QList<int>{4096, -1}));
        QCOMPARE(FileListNames(flash), QList<QByteArray>());
        // The card's free space is not asked for; a reply without digits is 0.
        QCOMPARE((QList<int>{card.physicalSpaceKnown, card.physicalSpace, card.freeSpaceKnown}),
                 (QList<int>{1, 0, 0}));
        QCOMPARE(FileListNames(card), QList<QByteArray>{"CARD.TTF"});
        QCOMPARE(script.closes, 1);
    }

    // The replies stop after a number of frames: the step that misses its reply ends the
    // operation with 3, and what was read before it stays.
    void memoryInformationStops_data() {
        QTest::addColumn<int>("frames");
        QTest::addColumn<QList<int>>("known");   // the six known bytes, DRAM first
        QTest::addColumn<bool>("dramList");
        QTest::newRow("no announcement reply") << 0 << QList<int>{0, 0, 0, 0, 0, 0} << false;
        QTest::newRow("DRAM free space missing") << 2 << QList<int>{1, 0, 0, 0, 0, 0} << false;
        QTest::newRow("DRAM list cut off") << 4 << QList<int>{1, 1, 0, 0, 0, 0} << false;
        QTest::newRow("FLASH physical space missing") << 6 << QList<int>{1, 1, 0, 0, 0, 0} << true;
        QTest::newRow("FLASH list missing") << 8 << QList<int>{1, 1, 1, 1, 0, 0} << true;
    }
    void memoryInformationStops() {
        QFETCH(int, frames);
        QFETCH(QList<int>, known);
        QFETCH(bool, dramList);
        TransportScript script;
        script.segments = WholeSequence().replies.mid(0, frames);
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        auto set = ClearedSet();
        QCOMPARE(RunPrinterOperation(kOpMemoryInfo, InterfaceKind::Usb, set->data(), 0),
                 int(kDataReceivingError));
        QList<int> got;
        for (const MemoryInfo& m : *set)
            got << m.physicalSpaceKnown << m.freeSpaceKnown;
        QCOMPARE(got, known);
        QCOMPARE(FileListNames((*set)[0]).size(), dramList ? 2 : 0);
        QCOMPARE(script.closes, 1);
    }

    void fileListThatDoesNotFit() {
        // 200 names of 400 bytes: more than the 64 KiB list holds.
        TransportScript script;
        script.segments << Frame("OK") << Frame("1") << Frame("1");
        for (int i = 0; i < 200; ++i)
            script.segments << Frame(QByteArray(400, 'a' + i % 26));
        script.segments << Frame("");
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        auto set = ClearedSet();
        QCOMPARE(RunPrinterOperation(kOpMemoryInfo, InterfaceKind::Usb, set->data(), 0),
                 int(kDataReceivingError));
        QCOMPARE(FileListNames((*set)[0]), QList<QByteArray>());
        QCOMPARE(int((*set)[0].physicalSpaceKnown), 1);
    }

    void fetch_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("a file") << Frame("line 1\r\nline 2") << 1024 << int(kLinkOk)
                                << QByteArray("line 1\r\nline 2");
        QTest::newRow("no such file") << Frame("") << 1024 << int(kLinkOk) << QByteArray();
        QTest::newRow("exactly fits") << Frame("abc") << 5 << int(kLinkOk) << QByteArray("abc");
        QTest::newRow("one byte too many") << Frame("abcd") << 5 << int(kDataReceivingError) << QByteArray();
        QTest::newRow("no reply") << QByteArray() << 1024 << int(kDataReceivingError) << QByteArray();
    }
    void fetch() {
        QFETCH(QByteArray, reply);
        QFETCH(int, capacity);
        QFETCH(int, result);
        QFETCH(QByteArray, data);
        TransportScript script;
        if (!reply.isEmpty()) script.segments << reply;
        ScopedScriptedTransport t(InterfaceKind::Com, &script);
        QByteArray buffer(capacity, '\0');
        FileReadRequest request{capacity, -1, "Dump.txt", buffer.data()};
        QCOMPARE(RunPrinterOperation(kOpFetchFile, InterfaceKind::Com, &request, 0), result);
        // No announcement: a line end, then the command.
        QCOMPARE(script.written(), QByteArray("\r\nDIAGNOSTIC FILE \"Dump.txt\"\r\n\r\n"));
        QCOMPARE(request.length, int(data.size()));
        if (result == kLinkOk) QCOMPARE(QByteArray(buffer.constData(), request.length), data);
    }

    void fetchRefused_data() {
        QTest::addColumn<QByteArray>("name");   // 16 bytes are copied into the request
        QTest::addColumn<int>("capacity");
        QTest::newRow("quote") << QByteArray("a\"b") << 1024;
        QTest::newRow("line end") << QByteArray("a\r\nSELFTEST") << 1024;
        QTest::newRow("not terminated") << QByteArray(16, 'a') << 1024;
        QTest::newRow("empty") << QByteArray() << 1024;
        QTest::newRow("buffer too small") << QByteArray("Dump.txt") << 1;
    }
    void fetchRefused() {
        QFETCH(QByteArray, name);
        QFETCH(int, capacity);
        TransportScript script;
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        QByteArray buffer(16, '\0');
        FileReadRequest request{capacity, 0, {}, buffer.data()};
        std::memcpy(request.fileName, name.constData(), std::min<size_t>(16, size_t(name.size())));
        QCOMPARE(RunPrinterOperation(kOpFetchFile, InterfaceKind::Usb, &request, 0), int(kUnknownError));
        QCOMPARE(script.opens, 0);
    }
};

QTEST_GUILESS_MAIN(TestPrinterFiles)
#include "tst_printer_files.moc"
