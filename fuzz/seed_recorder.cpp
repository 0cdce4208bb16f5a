// SPDX-License-Identifier: Apache-2.0
// Writes the seed corpora under fuzz/corpus/: what the simulated printer answers each reading
// operation (recorded behind the in-process transport, so no socket is opened), configuration
// files of its editions, fonts made by the builder, its discovery datagrams, and a few typed
// texts. Run by hand when a reader learns a new reply:
//   cmake --build BUILD --target fuzz_seed_recorder && BUILD/fuzz/fuzz_seed_recorder fuzz/corpus

#include "config/config_file.h"
#include "config/password.h"
#include "config/printer_config.h"
#include "config/printer_status.h"
#include "files/memory_info.h"
#include "files/printer_files.h"
#include "fonts/bitmap_font.h"
#include "fonts/font_rules.h"
#include "fonts/glyph_surface.h"
#include "functions/printer_clock.h"
#include "functions/sensor_calibration.h"
#include "link/dispatcher.h"
#include "link/printer_link.h"
#include "link/transport.h"
#include "network/discovery_protocol.h"
#include "network/ethernet_settings.h"
#include "sim/in_process_transport.h"
#include "sim/simulated_printer.h"
#include "sim/udp_responder.h"

#include "fuzz_transport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

using namespace lb;
using namespace lb::sim;

namespace {

QDir g_root;

void Write(const char* target, const QString& name, const QByteArray& bytes) {
    g_root.mkpath(QString::fromLatin1(target));
    QFile file(g_root.filePath(QString::fromLatin1(target) + u'/' + name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

// The in-process printer behind a kind, every byte it sends kept.
class RecordingTransport final : public Transport {
public:
    RecordingTransport(std::unique_ptr<Transport> inner, QByteArray* received)
        : m_inner(std::move(inner)), m_received(received) {}
    LinkHandle open(const LinkSettingsView& settings) override { return m_inner->open(settings); }
    void close() override { m_inner->close(); }
    int64_t writeChunk(const uint8_t* bytes, uint32_t length) override {
        return m_inner->writeChunk(bytes, length);
    }
    uint32_t fill(uint8_t* buffer, uint32_t maxLength, int timeoutMs) override {
        const uint32_t n = m_inner->fill(buffer, maxLength, timeoutMs);
        m_received->append(reinterpret_cast<const char*>(buffer), qsizetype(n));
        return n;
    }

private:
    std::unique_ptr<Transport> m_inner;
    QByteArray* m_received;
};

// What the printer sends while the steps run on kind.
QByteArray Record(SimulatedPrinter& printer, InterfaceKind kind, const std::function<void()>& steps) {
    QByteArray received;
    InProcessStats stats;
    SetTransport(
        kind, std::make_unique<RecordingTransport>(MakeInProcessTransport(&printer, {}, &stats), &received));
    steps();
    SetTransport(kind, MakeAbsentTransport());
    return received;
}

QByteArray Prefix(uint8_t first, uint8_t second) {
    QByteArray p;
    p.append(char(first));
    p.append(char(second));
    return p;
}

const char* KindName(InterfaceKind kind) {
    static const char* const kNames[] = {"usb", "com", "lpt", "net"};
    return kNames[int(kind)];
}

// fuzz_read_operations: operation byte, kind and parameter byte, the printer's bytes. The
// steps are those the target runs for the operation.
void ReadOperationSeeds() {
    const char* target = "fuzz_read_operations";
    for (int edition : {99, 100, 102, 103, 104}) {
        SimulatedPrinter printer(Profile::ForEdition(edition));
        const QByteArray reply = Record(printer, InterfaceKind::Usb, [] {
            PrinterConfig config{};
            ClearConfig(config);
            RunPrinterOperation(kOpReadConfiguration, InterfaceKind::Usb, &config, 1);
        });
        Write(target, QStringLiteral("config-usb-edition-%1").arg(edition), Prefix(0, 0) + reply);
    }
    SimulatedPrinter printer;
    for (InterfaceKind kind : {InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Ethernet}) {
        const uint8_t k = uint8_t(kind);
        auto seed = [&](uint8_t op, uint8_t parameter, const char* name, const std::function<void()>& steps) {
            Write(target, QStringLiteral("%1-%2").arg(QLatin1String(name), QLatin1String(KindName(kind))),
                  Prefix(op, uint8_t(k | parameter << 2)) + Record(printer, kind, steps));
        };
        seed(1, 0, "status", [kind] {
            PrinterStatus status{};
            RunPrinterOperation(kOpQueryStatus, kind, &status, 0);
        });
        printer.edit([](Profile& p) { p.password = "secret"; });
        seed(2, 0, "password", [kind] {
            char buffer[kPasswordBufferSize];
            int32_t edition = 0;
            ReadPasswordAndEdition(kind, buffer, &edition);
        });
        seed(3, 0, "clock", [kind] {
            RtcSettings rtc{};
            RunPrinterOperation(kOpReadClock, kind, &rtc, 0);
        });
        seed(4, 0, "memories", [kind] {
            static MemoryInfo memories[kMemoryDeviceCount];
            std::memset(static_cast<void*>(memories), 0, sizeof memories);
            RunPrinterOperation(kOpMemoryInfo, kind, memories, 0);
        });
        seed(5, 0, "network", [kind] {
            EthernetSettings settings = EmptyEthernetSettings();
            RunPrinterOperation(kOpNetworkReports, kind, &settings, 0);
        });
        for (const auto& [media, name] :
             {std::pair{kMediaGap, "sensor-gap"}, std::pair{kMediaBlackMark, "sensor-black-mark"}})
            seed(7, media, name, [kind, media = media] {
                SensorCalibration calibration{};
                RunPrinterOperation(kOpSensorSettings, kind, &calibration, 0);
                SensorReadings readings{};
                readings.MediaType = media;
                RunPrinterOperation(kOpSensorReadings, kind, &readings, 0);
            });
    }
    // The file and the raw block's answer are not the simulator's to give: as a printer sends them.
    Write(target, QStringLiteral("fetch-file-usb"), Prefix(6, 63 << 2) + "{24|SIZE 4,2.5\r\nGAP 0.12,0\r\n}");
    Write(target, QStringLiteral("fetch-file-short-buffer"), Prefix(6, 2 << 2) + "{3|abc}");
    Write(target, QStringLiteral("raw-reply-usb"), Prefix(8, 4 << 2) + "TDP-244 V1.0\r\n\x1b!?OK\r\n");
    Write(target, QStringLiteral("raw-reply-net-big5"),
          Prefix(8, uint8_t(3 | 3 << 2)) + "\xa4\xa4\xa4\xe5\r\n");
}

// fuzz_reply_readers: reader, capacity, the device's bytes.
void ReplyReaderSeeds() {
    const char* target = "fuzz_reply_readers";
    SimulatedPrinter printer;
    const QByteArray config = Record(printer, InterfaceKind::Usb, [] {
        PrinterConfig c{};
        RunPrinterOperation(kOpReadConfiguration, InterfaceKind::Usb, &c, 0);
    });
    Write(target, QStringLiteral("frames-config"), Prefix(0x00, 120) + config);
    Write(target, QStringLiteral("frames-small-capacity"), Prefix(0x10, 5) + "{3|203}{0|}{2|OK}");
    Write(target, QStringLiteral("frames-noise-first"), Prefix(0x30, 40) + "\r\nECHO{4|8.00}");
    Write(target, QStringLiteral("lines"), Prefix(0x01, 0) + "A123456789\r\nSECOND\n\r\r\nlast");
    Write(target, QStringLiteral("list-files"), Prefix(0x02, 60) + "{5|A.BAS}{8|LOGO.BMP}{0|}{2|X1}{0|}");
    Write(target, QStringLiteral("list-com"), Prefix(0x12, 200) + "{9|DUMP.TXT}{0|}");
    Write(target, QStringLiteral("announcement"), Prefix(0x03, 100) + "{2|OK}{2|OK}");
    Write(target, QStringLiteral("raw"), Prefix(0x04, 30) + "TSPL2 printer ready\r\n");
    Write(target, QStringLiteral("bytes-status"),
          Prefix(0x05, 9) + QByteArray("\x00\x00\x00\x00\x04\x00\x00\x00\x00", 9));
}

// fuzz_config_file: the files Save Config writes for each edition, in both units.
void ConfigFileSeeds() {
    for (int edition : {99, 100, 102, 103, 104}) {
        SimulatedPrinter printer(Profile::ForEdition(edition));
        PrinterConfig config{};
        ClearConfig(config);
        PrinterStatus status{};
        Record(printer, InterfaceKind::Usb, [&] {
            RunPrinterOperation(kOpReadConfiguration, InterfaceKind::Usb, &config, 0);
            RunPrinterOperation(kOpQueryStatus, InterfaceKind::Usb, &status, 0);
        });
        const int32_t unit = edition % 2 ? kUnitInch : kUnitMm;
        Write("fuzz_config_file", QStringLiteral("edition-%1.dcf").arg(edition),
              BuildConfigFile(config, status, unit));
    }
}

// fuzz_bitmap_font: fonts the builder makes, and the header of a full Asian font of empty cells.
void FontSeeds(GlyphSurface& surface) {
    const char* target = "fuzz_bitmap_font";
    QTemporaryDir dir;
    auto build = [&](FontParameters p, const char* name) {
        p.filePath = dir.filePath(QString::fromLatin1(name));
        p.surface = &surface;
        if (!BuildBitmapFont(p)) {
            std::fprintf(stderr, "cannot build %s: %s\n", name, qPrintable(FontParametersProblem(p)));
            std::exit(1);
        }
        QFile file(p.filePath);
        if (!file.open(QIODevice::ReadOnly)) std::exit(1);
        Write(target, QString::fromLatin1(name), file.readAll());
    };
    surface.setFont(InitialFont(), kAnsiCharset);
    FontParameters fixed;
    fixed.firstCode = 'A';
    fixed.lastCode = 'H';
    fixed.cellWidth = 8;
    fixed.cellHeight = 10;
    build(fixed, "fixed-a-h.fnt");
    FontParameters variable = fixed;
    variable.pitch = kVariablePitch;
    variable.firstCode = '0';
    variable.lastCode = '9';
    variable.italicWidth = 3;
    build(variable, "variable-digits.fnt");
    static const uint8_t kTable[] = {'W', 'i', '1', 0xC4, 0xE9};
    FontParameters table = fixed;
    table.byTable = 1;
    table.table = kTable;
    table.tableCount = int(sizeof kTable);
    build(table, "table.fnt");
    surface.setFont(InitialFont(), CharsetOfAsianCodePage(int(AsianCodePage::TraditionalChinese)));
    static const uint8_t kBig5[] = {0xA4, 0xA4, 0xA4, 0xE5};
    FontParameters asianTable = table;
    asianTable.encode = kDoubleByteEncode;
    asianTable.pitch = kFixedPitch;
    asianTable.cellWidth = asianTable.cellHeight = 12;
    asianTable.table = kBig5;
    asianTable.tableCount = 2;
    build(asianTable, "asian-table.fnt");
    surface.setFont(InitialFont(), kAnsiCharset);

    for (int codePage = 0; codePage < kAsianCodePageCount; ++codePage) {
        FontParameters asian;
        asian.encode = kDoubleByteEncode;
        asian.codePage = uint8_t(codePage);
        asian.cellWidth = 16;
        asian.cellHeight = 0;
        asian.characterCount = HalfWidthCount(codePage) + AsianGridCount(codePage);
        BitmapFontHeader header{};
        WriteFontHeader(asian, header);
        Write(target, QStringLiteral("asian-empty-cells-%1.fnt").arg(codePage),
              QByteArray(reinterpret_cast<const char*>(&header), sizeof header));
    }
}

// fuzz_discovery_replies: parser byte (0 discover, 1 settings), then the datagram.
void DiscoverySeeds() {
    const char* target = "fuzz_discovery_replies";
    for (int number : {1, 2, 3}) {
        Profile profile = Profile::Default();
        profile.network = NumberedNetworkInterface(number);
        if (number == 3) {
            profile.network.state = 3;
            profile.network.flags = 0x04;
        }
        Write(target, QStringLiteral("discover-%1").arg(number),
              QByteArray(1, '\0') + DiscoverReplyOf(profile, DiscoverRequest(uint32_t(number))));
    }
    // The replies to the two reads: the request's header with the printer's MAC, then the
    // asked settings, in a 1064-byte datagram.
    const NetworkInterface n;
    ChangeRequestBuffer requests(7, n.mac);
    auto reply = [&](const QByteArray& request) {
        QByteArray r(kWriteRequestLength, '\0');
        std::memcpy(r.data(), request.constData(), kDiscoveryHeaderSize);
        std::memcpy(r.data() + datagram::kTargetMac, n.mac.data(), n.mac.size());
        return r;
    };
    QByteArray ip = reply(requests.readIpSettings());
    std::memcpy(ip.data() + datagram::kIpAddress, n.address.data(), 4);
    std::memcpy(ip.data() + datagram::kSubnetMask, n.mask.data(), 4);
    std::memcpy(ip.data() + datagram::kGateway, n.gateway.data(), 4);
    Write(target, QStringLiteral("ip-settings"), QByteArray(1, '\1') + ip);
    Write(target, QStringLiteral("ip-settings-short"), QByteArray(1, '\1') + ip.left(75));
    QByteArray mode = reply(requests.readAddressMode());
    mode[datagram::kAddressMode] = 8;
    mode[datagram::kAddressModeAux] = 4;
    Write(target, QStringLiteral("address-mode-dhcp"), QByteArray(1, '\1') + mode);
}

void TextSeeds() {
    const char* const addresses[] = {
        "192.168.1.100",     "010.000.001.001",   "255.255.255.255", "1.2.3.4 and more", "1.2.3.4.5",
        "00:1a:2B:3c:4D:5e", "02:00:00:00:00:01", "printer.local",   "LABEL-1",          "0.0.0.0"};
    int i = 0;
    for (const char* text : addresses)
        Write("fuzz_addresses", QStringLiteral("text-%1").arg(++i), QByteArray(text));

    // fuzz_encode_table: flags (double-byte, from a file, character set), then the table.
    const char* target = "fuzz_encode_table";
    Write(target, QStringLiteral("memo-ansi"), QByteArray(1, char(0 << 2)) + "ABCabc0123\xc3\x84\xc3\xa9");
    Write(target, QStringLiteral("memo-big5"), QByteArray(1, char(1 | 1 << 2)) + "\xe4\xb8\xad\xe6\x96\x87");
    Write(target, QStringLiteral("memo-shift-jis"),
          QByteArray(1, char(1 | 4 << 2)) + "\xe3\x81\x82\xe3\x81\x84");
    Write(target, QStringLiteral("file-crlf"), QByteArray(1, char(2)) + "ABC\r\nDEF\r\n\tG");
    Write(target, QStringLiteral("file-gbk"), QByteArray(1, char(3 | 2 << 2)) + "\xd6\xd0\xce\xc4\r\n");
}

}   // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
        return 2;
    }
    g_root = QDir(QString::fromLocal8Bit(argv[1]));
    SetLinkTiming(fuzz::NoWaitTiming());
    for (InterfaceKind kind :
         {InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Lpt, InterfaceKind::Ethernet})
        SetTransport(kind, MakeAbsentTransport());
    GlyphSurface surface;
    ReadOperationSeeds();
    ReplyReaderSeeds();
    ConfigFileSeeds();
    FontSeeds(surface);
    DiscoverySeeds();
    TextSeeds();
    return 0;
}
