#pragma once
// The one entry point of every printer action.

#include "link/link_types.h"

#include <cstdint>

namespace lb {

enum OperationCode : uint32_t {
    kOpQueryStatus = 0,
    kOpReadConfiguration = 1,
    kOpReadPassword = 2,
    kOpSendPassword = 3,
    kOpWriteConfiguration = 4,
    kOpFactoryDefault = 5,
    kOpDumpText = 6,
    kOpSelfTest = 7,
    kOpSetClock = 8,
    kOpReadClock = 9,
    kOpSensorCalibration = 10,
    kOpResetPrinter = 11,
    kOpMemoryInfo = 12,
    kOpDownloadFile = 13,
    kOpSendRawBlock = 14,
    kOpFormatMemory = 15,
    kOpPrintTestPage = 16,
    kOpIgnoreAutoBas = 17,
    kOpSetAddress = 18,
    kOpSetPrinterName = 19,
    kOpNetworkReports = 20,
    kOpLinkCheck = 21,
    kOpFetchFile = 22,
    kOpSensorSettings = 23,
    kOpSensorReadings = 24,
    kOpLeaveLineMode = 25,
};
constexpr uint32_t kLastOperationCode = 25;

// Runs one printer operation on the given interface. data points at the record the
// operation fills or sends; extra is its integer argument (byte count of a raw block,
// 1 = show progress for a configuration read, the page of a configuration write).
// Returns 0 or a LinkError. While an operation is under way, a further call starts
// nothing and returns kOperationBusy.
int RunPrinterOperation(uint32_t code, InterfaceKind kind, void* data, int32_t extra);

bool PrinterOperationRunning();

// The operations that belong to the link itself.
int SendRawBlock(InterfaceKind kind, const uint8_t* bytes, uint32_t length);   // 14
int CheckLink(InterfaceKind kind);                                             // 21
int LeaveLineMode(InterfaceKind kind);                                         // 25
// The shape shared by every operation that sends one command and reads nothing: open,
// write, close. 1 when the link cannot be opened, 2 when the write fails.
int SendOneCommand(InterfaceKind kind, const uint8_t* bytes, uint32_t length);
int SendOneCommand(InterfaceKind kind, const char* text);

}   // namespace lb
