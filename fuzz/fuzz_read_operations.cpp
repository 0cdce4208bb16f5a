// SPDX-License-Identifier: Apache-2.0
// The printer operations that read replies, each through the dispatcher as a window or the
// command line starts it, on whatever the printer sends back; then what the front ends do
// with the record read (the panel's texts, the commands written back, the file names …).
//
// Input: one byte choosing the operation, one byte for the kind (low two bits) and a
// parameter (the rest: a buffer's capacity, the media type, an encoding), then the bytes the
// printer sends, whatever was asked.

#include "fuzz_transport.h"

#include "config/config_text.h"
#include "config/password.h"
#include "config/printer_config.h"
#include "config/printer_status.h"
#include "config/write_configuration.h"
#include "files/memory_info.h"
#include "files/printer_files.h"
#include "functions/command_text.h"
#include "functions/printer_clock.h"
#include "functions/sensor_calibration.h"
#include "functions/test_page.h"
#include "link/dispatcher.h"
#include "network/ethernet_settings.h"

#include <QDateTime>
#include <QTimeZone>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

using namespace lb;

namespace {

void ReadConfig(InterfaceKind kind) {
    PrinterConfig config{};
    ClearConfig(config);
    if (RunPrinterOperation(kOpReadConfiguration, kind, &config, 1) != kLinkOk) return;
    ConfigInformationRows(config);
    ConfigItemRows(config, LengthUnit::Inch);
    ConfigItemRows(config, LengthUnit::Mm);
    ConfigJson(config);
    for (int32_t page = kPageCommon; page <= kPageInterface; ++page) {
        ConfigurationProblem(config, page);
        ConfigurationCommands(config, page);
    }
    DSettingsList(config);
    TestPageText(TestPageRequestFromConfig(config));
}

void ReadStatus(InterfaceKind kind) {
    PrinterStatus status{};
    if (RunPrinterOperation(kOpQueryStatus, kind, &status, 0) == kLinkOk) StatusText(status);
}

void ReadPasswordText(InterfaceKind kind) {
    // The buffer is exactly as large as the operation is told it is.
    const auto buffer = std::make_unique<char[]>(kPasswordBufferSize);
    int32_t edition = 0;
    if (ReadPasswordAndEdition(kind, buffer.get(), &edition) != kLinkOk) return;
    const QByteArray password(buffer.get(), qsizetype(strnlen(buffer.get(), kPasswordBufferSize)));
    PasswordGatePasses(password, GateAnswer::Confirmed, password);
    DecidePasswordSetup(password, password, "new");
}

void ReadClock(InterfaceKind kind) {
    RtcSettings rtc{};
    if (RunPrinterOperation(kOpReadClock, kind, &rtc, 0) != kLinkOk) return;
    PrinterClockCommands(rtc);
    const QDateTime now(QDate(2024, 2, 29), QTime(12, 0), QTimeZone::utc());
    PrinterClockOffsetSeconds(rtc, now);
}

void ReadMemories(InterfaceKind kind) {
    // 192 KiB: kept for the whole run, cleared for each input as the callers clear it.
    static MemoryInfo* memories = new MemoryInfo[kMemoryDeviceCount];
    std::memset(static_cast<void*>(memories), 0, sizeof(MemoryInfo) * kMemoryDeviceCount);
    RunPrinterOperation(kOpMemoryInfo, kind, memories, 0);
    for (int i = 0; i < kMemoryDeviceCount; ++i)
        FileListNames(memories[i]);
}

void ReadNetwork(InterfaceKind kind) {
    EthernetSettings settings = EmptyEthernetSettings();
    if (RunPrinterOperation(kOpNetworkReports, kind, &settings, 0) != kLinkOk) return;
    InvalidEthernetFieldMessage(InvalidEthernetField(settings, true, true), settings);
    NetworkAddressCommand(settings);
    NetworkNameCommand(settings);
}

void FetchFile(InterfaceKind kind, uint8_t parameter) {
    const int32_t capacity = parameter < 8 ? parameter : int32_t(parameter) * 16;
    const auto buffer = std::make_unique<char[]>(std::size_t(capacity));
    FileReadRequest request{};
    request.capacity = capacity;
    request.buffer = buffer.get();
    std::memcpy(request.fileName, "Dump.txt", sizeof "Dump.txt");
    RunPrinterOperation(kOpFetchFile, kind, &request, 0);
}

void ReadSensor(InterfaceKind kind, uint8_t parameter) {
    SensorCalibration calibration{};
    if (RunPrinterOperation(kOpSensorSettings, kind, &calibration, 0) == kLinkOk)
        SensorCalibrationCommands(calibration);
    SensorReadings readings{};
    readings.MediaType = parameter % 4;
    if (RunPrinterOperation(kOpSensorReadings, kind, &readings, 0) != kLinkOk) return;
    ProposeContinuous(readings);
    ProposeFromTwoPasses(readings, readings);
}

void RawReply(InterfaceKind kind, uint8_t parameter) {
    static const uint8_t kBlock[] = "~!T\r\n";
    RawBlockExchange exchange;
    exchange.bytes = kBlock;
    exchange.length = sizeof kBlock - 1;
    exchange.quietMs = 0;
    exchange.maxReply = uint32_t(parameter) * 64;
    if (RunPrinterOperation(kOpSendRawBlockReadReply, kind, &exchange, 0) != kLinkOk) return;
    ReplyDisplayText(exchange.reply, parameter % int(CommandTextEncodings().size()));
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const auto kind = static_cast<InterfaceKind>(data[1] & 3);
    const uint8_t parameter = data[1] >> 2;
    fuzz::SetReplies(data + 2, size - 2);
    switch (data[0] % 9) {
    case 0:
        ReadConfig(kind);
        break;
    case 1:
        ReadStatus(kind);
        break;
    case 2:
        ReadPasswordText(kind);
        break;
    case 3:
        ReadClock(kind);
        break;
    case 4:
        ReadMemories(kind);
        break;
    case 5:
        ReadNetwork(kind);
        break;
    case 6:
        FetchFile(kind, parameter);
        break;
    case 7:
        ReadSensor(kind, parameter);
        break;
    default:
        RawReply(kind, parameter);
        break;
    }
    return 0;
}
