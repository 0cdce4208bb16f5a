// SPDX-License-Identifier: Apache-2.0
#include "config/password.h"

#include "config/printer_config.h"
#include "link/command_format.h"
#include "link/printer_link.h"

#include <cstring>

namespace lb {

int ReadPassword(InterfaceKind kind, char* buffer) {
    return ReadPasswordAndEdition(kind, buffer, nullptr);
}

int ReadPasswordAndEdition(InterfaceKind kind, char* buffer, int32_t* edition) {
    if (!buffer) return kUnknownError;
    if (edition) *edition = 0;
    buffer[0] = '\0';
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;

    char scratch[kReplyBufferSize];
    uint32_t length = 0;
    int result = SendInterfaceAnnouncement(handle, kind, scratch, sizeof scratch);
    if (result == kLinkOk)
        result = SendCommandReadReply(handle, kind, "DIAGNOSTIC REPORT EDITION\r\n", scratch, sizeof scratch,
                                      length);
    const int32_t reported = result == kLinkOk ? LeadingInt(scratch) : 0;
    if (result == kLinkOk && edition) *edition = reported;
    // Only firmware above edition 100 can hold a password; older firmware is not asked.
    if (result == kLinkOk && reported >= kFirstPasswordEdition) {
        result = SendCommandReadReply(handle, kind, "DIAGNOSTIC REPORT PASSWORD\r\n", scratch, sizeof scratch,
                                      length);
        // A frame carries at most capacity - 2 bytes, so the text and its NUL always fit.
        if (result == kLinkOk) std::memcpy(buffer, scratch, length + 1);
    }
    CloseLink(kind, handle);
    return result;
}

bool PasswordBytes(const QString& text, QByteArray& bytes) {
    return Latin1Bytes(text, bytes);
}

bool IsSendablePassword(const QByteArray& password) {
    return password.size() <= kMaxPasswordLength && IsQuotableText(password);
}

QByteArray PasswordCommand(const QByteArray& password) {
    return QByteArray("DIAGNOSTIC PASSWORD \"") + password + "\"\r\n";
}

int SendPassword(InterfaceKind kind, const char* text) {
    if (!text) return kUnknownError;
    // Scan at most one byte past the longest sendable password.
    const QByteArray password(text, qsizetype(strnlen(text, kMaxPasswordLength + 1)));
    if (!IsSendablePassword(password)) return kUnknownError;

    const QByteArray command = PasswordCommand(password);
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    int result = kLinkOk;
    if (!WriteLink(handle, kind, command)) {
        result = kDataTransmissionError;
    } else {
        char reply[kReplyBufferSize];
        uint32_t length = 0;
        if (!ReadFramedReply(handle, kind, reply, sizeof reply, length)) result = kDataReceivingError;
    }
    CloseLink(kind, handle);
    return result;
}

bool PasswordEntryMatches(const QByteArray& printerPassword, const QByteArray& entry) {
    return entry == printerPassword;
}

bool PasswordGatePasses(const QByteArray& printerPassword, GateAnswer answer, const QByteArray& entry) {
    if (printerPassword.isEmpty()) return true;
    return answer == GateAnswer::Confirmed && PasswordEntryMatches(printerPassword, entry);
}

PasswordSetupDecision DecidePasswordSetup(const QByteArray& current, const QByteArray& oldEntry,
                                          const QByteArray& newEntry) {
    if (!PasswordEntryMatches(current, oldEntry)) return PasswordSetupDecision::WrongOldPassword;
    if (newEntry == current) return PasswordSetupDecision::Unchanged;
    if (!IsSendablePassword(newEntry)) return PasswordSetupDecision::NotSendable;
    return PasswordSetupDecision::Send;
}

}   // namespace lb
