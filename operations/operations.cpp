// SPDX-License-Identifier: Apache-2.0
// The one place that knows every subsystem: which function each OperationCode runs. The
// rules around every operation (busy, LPT, progress) are the link's own.

#include "config/password.h"
#include "config/printer_status.h"
#include "config/read_configuration.h"
#include "config/write_configuration.h"
#include "files/memory_info.h"
#include "files/printer_files.h"
#include "functions/dump_text.h"
#include "functions/printer_clock.h"
#include "functions/printer_functions.h"
#include "functions/sensor_calibration.h"
#include "functions/test_page.h"
#include "link/dispatcher.h"
#include "network/ethernet_settings.h"

namespace lb {
namespace {

int Dispatch(uint32_t code, InterfaceKind kind, void* data, int32_t extra) {
    switch (code) {
    case kOpQueryStatus:
        return QueryStatus(kind, static_cast<PrinterStatus*>(data));
    case kOpReadConfiguration:
        return ReadConfiguration(kind, static_cast<PrinterConfig*>(data));
    case kOpReadPassword:
        return ReadPassword(kind, static_cast<char*>(data));
    case kOpSendPassword:
        return SendPassword(kind, static_cast<const char*>(data));
    case kOpWriteConfiguration:
        return WriteConfiguration(kind, static_cast<const PrinterConfig*>(data), extra);
    case kOpFactoryDefault:
        return FactoryDefault(kind);
    case kOpDumpText:
        return DumpText(kind, static_cast<const DumpTextSettings*>(data));
    case kOpSetClock:
        return SetPrinterClock(kind, static_cast<const RtcSettings*>(data));
    case kOpReadClock:
        return ReadPrinterClock(kind, static_cast<RtcSettings*>(data));
    case kOpSelfTest:
        return PrintConfigurationPage(kind);
    case kOpResetPrinter:
        return ResetPrinter(kind);
    case kOpMemoryInfo:
        return ReadMemoryInformation(kind, static_cast<MemoryInfo*>(data));
    case kOpDownloadFile:
        return DownloadFile(kind, static_cast<const DownloadRequest*>(data));
    case kOpFormatMemory:
        return FormatMemory(kind, extra);
    case kOpFetchFile:
        return ReadPrinterFile(kind, static_cast<FileReadRequest*>(data));
    case kOpSendRawBlock:
        if (extra < 0 || (extra > 0 && !data)) return kUnknownError;
        return SendRawBlock(kind, static_cast<const uint8_t*>(data), static_cast<uint32_t>(extra));
    case kOpSendRawBlockReadReply:
        return SendRawBlockReadReply(kind, static_cast<RawBlockExchange*>(data));
    case kOpPrintTestPage:
        return PrintTestPage(kind, static_cast<const TestPageRequest*>(data));
    case kOpSetAddress:
        return SetNetworkAddress(kind, static_cast<const EthernetSettings*>(data));
    case kOpSetPrinterName:
        return SetNetworkPrinterName(kind, static_cast<const EthernetSettings*>(data));
    case kOpNetworkReports:
        return ReadNetworkSettings(kind, static_cast<EthernetSettings*>(data));
    case kOpIgnoreAutoBas:
        return IgnoreAutoBas(kind);
    case kOpLinkCheck:
        return CheckLink(kind);
    case kOpLeaveLineMode:
        return LeaveLineMode(kind);
    case kOpSensorCalibration:
        return CalibrateSensor(kind, static_cast<const SensorCalibration*>(data));
    case kOpSensorSettings:
        return ReadSensorSettings(kind, static_cast<SensorCalibration*>(data));
    case kOpSensorReadings:
        return ReadSensorReadings(kind, static_cast<SensorReadings*>(data));
    default:
        // Operations that are not built yet.
        return kUnknownError;
    }
}

}   // namespace

int RunPrinterOperation(uint32_t code, InterfaceKind kind, void* data, int32_t extra) {
    return RunOperationWithRules(code, kind, data, extra, &Dispatch);
}

}   // namespace lb
