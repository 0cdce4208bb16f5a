// SPDX-License-Identifier: Apache-2.0
#include "link/dispatcher.h"

#include "link/link_wait.h"
#include "link/printer_link.h"

#include <QCoreApplication>
#include <cstring>

namespace lb {
namespace {

// Per thread, as the link state is.
thread_local bool g_running = false;
thread_local bool g_lastCancelled = false;

class RunningGuard {
public:
    RunningGuard() { g_running = true; }
    ~RunningGuard() {
        g_running = false;
        g_lastCancelled = LinkCancelRequested();
        if (LinkObserver* observer = CurrentLinkObserver()) observer->actionFinished();
    }
    RunningGuard(const RunningGuard&) = delete;
    RunningGuard& operator=(const RunningGuard&) = delete;
};

}   // namespace

bool PrinterOperationRunning() {
    return g_running;
}

bool LastOperationCancelled() {
    return g_lastCancelled;
}

int RunOperationWithRules(uint32_t code, InterfaceKind kind, void* data, int32_t extra,
                          OperationFunction run) {
    if (code > kLastOperationCode) return kUnknownError;
    // The link layer is not re-entrant: a timer tick or a click delivered while a transfer
    // pumps the message loop must not start a second operation.
    if (g_running) return kOperationBusy;
    RunningGuard guard;
    // What went wrong is told anew for each operation.
    SetLastLinkErrorDetail(QString());

    if (kind == InterfaceKind::Lpt) {
        if (code == kOpQueryStatus || code == kOpReadConfiguration) {
            SetLastLinkErrorDetail(
                QCoreApplication::translate("lb::Link", "LPT: the parallel port cannot read."));
            return kDataReceivingError;
        }
        if (code == kOpReadPassword) {
            // To the password gate an empty text means that no password is set.
            if (data) static_cast<char*>(data)[0] = '\0';
            return kLinkOk;
        }
    }

    const bool withProgress = (code == kOpReadConfiguration && extra == 1) || code == kOpWriteConfiguration ||
                              code == kOpMemoryInfo;
    if (!withProgress) return run(code, kind, data, extra);

    ShowProgress(StepPerWrite, 3, 3);
    const int result = run(code, kind, data, extra);
    HideProgress();
    return result;
}

int SendRawBlock(InterfaceKind kind, const uint8_t* bytes, uint32_t length) {
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    ShowProgress(PercentOfBlock, 3, 3);
    const bool ok = WriteLink(handle, kind, bytes, length);
    HideProgress();
    CloseLink(kind, handle);
    return ok ? kLinkOk : kDataTransmissionError;
}

int SendRawBlockReadReply(InterfaceKind kind, RawBlockExchange* exchange) {
    if (!exchange || (exchange->length > 0 && !exchange->bytes)) return kUnknownError;
    exchange->reply.clear();
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    ShowProgress(PercentOfBlock, 3, 3);
    const bool ok = WriteLink(handle, kind, exchange->bytes, exchange->length);
    HideProgress();
    if (ok && kind != InterfaceKind::Lpt)
        exchange->reply = ReadLinkUntilQuiet(handle, kind, exchange->quietMs, exchange->maxReply);
    CloseLink(kind, handle);
    return ok ? kLinkOk : kDataTransmissionError;
}

int CheckLink(InterfaceKind kind) {
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    CloseLink(kind, handle);
    return kLinkOk;
}

int LeaveLineMode(InterfaceKind kind) {
    static const uint8_t kCommand[] = {0x1B, 0x5A, 0x0D, 0x0A};
    return SendOneCommand(kind, kCommand, sizeof kCommand);
}

}   // namespace lb
