// SPDX-License-Identifier: Apache-2.0
#pragma once
// The one entry point of every printer action.

#include "link/link_types.h"

#include <QByteArray>

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
    // Beyond the original: a raw block, then what the printer answers to it.
    kOpSendRawBlockReadReply = 26,
};
constexpr uint32_t kLastOperationCode = 26;

// Operation 26's argument: the block to send, and the bytes the printer sent back after it.
struct RawBlockExchange {
    const uint8_t* bytes = nullptr;
    uint32_t length = 0;
    // The reply ends once nothing more has arrived for this long, or at maxReply bytes.
    int quietMs = 500;
    uint32_t maxReply = 1u << 20;
    QByteArray reply;
};

// Runs one printer operation on the given interface. data points at the record the
// operation fills or sends; extra is its integer argument (byte count of a raw block,
// 1 = show progress for a configuration read, the page of a configuration write, the memory
// of a format).
// Returns 0 or a LinkError. While an operation is under way, a further call starts
// nothing and returns kOperationBusy.
//
// The rules around every operation are the link's (RunOperationWithRules, below); which
// subsystem's function an OperationCode runs is known only to the operations library,
// above every subsystem, which defines this function.
int RunPrinterOperation(uint32_t code, InterfaceKind kind, void* data, int32_t extra);

// One operation's own work, chosen by its code.
using OperationFunction = int (*)(uint32_t code, InterfaceKind kind, void* data, int32_t extra);
// The dispatcher's rules around run: codes beyond the last give 5; a call while another
// operation is under way gives kOperationBusy; on LPT, status and configuration reads give 3
// without opening and the password read answers "no password"; the configuration read with
// extra 1, the configuration write and the memory information show the progress window.
int RunOperationWithRules(uint32_t code, InterfaceKind kind, void* data, int32_t extra,
                          OperationFunction run);

bool PrinterOperationRunning();
// Whether the user cancelled the last operation's wait (RequestLinkCancel).
bool LastOperationCancelled();

// The operations that belong to the link itself.
int SendRawBlock(InterfaceKind kind, const uint8_t* bytes, uint32_t length);   // 14
// 26: as 14, then the reply read until the printer is quiet. The parallel port cannot read:
// there the reply stays empty.
int SendRawBlockReadReply(InterfaceKind kind, RawBlockExchange* exchange);
int CheckLink(InterfaceKind kind);       // 21
int LeaveLineMode(InterfaceKind kind);   // 25

}   // namespace lb
