// SPDX-License-Identifier: Apache-2.0
#pragma once
// The printer's settings password: reading it (operation 2), setting it (operation 3), and
// the decisions of the password gate and of Password Setup, shared by the windows and the
// command line. The program holds no password of its own: it compares the user's entry with
// the text the printer reports.

#include "link/link_types.h"

#include <QByteArray>
#include <QString>

namespace lb {

constexpr int kPasswordBufferSize = 1024;
// A typed password as the printer's 8-bit text. False when it holds a character beyond
// Latin-1, which no printer password can contain.
bool PasswordBytes(const QString& text, QByteArray& bytes);
// "DIAGNOSTIC PASSWORD \"" + password + "\"\r\n" must fit a 1024-byte buffer with its NUL.
constexpr int kPasswordCommandOverhead = 24;
constexpr int kMaxPasswordLength = kPasswordBufferSize - 1 - kPasswordCommandOverhead;   // 999

// Operation 2: the printer's password into buffer (kPasswordBufferSize bytes); empty when
// none is set or the printer cannot report one (edition 100 or less). The buffer is emptied
// first and stays empty on any failure. nullptr gives kUnknownError without opening the link.
int ReadPassword(InterfaceKind kind, char* buffer);
// The first firmware edition that holds a password.
constexpr int32_t kFirstPasswordEdition = 101;
// ReadPassword, also telling the edition the printer reported (0 when the read failed before
// it). For callers outside the windows that must know whether a password can be set at all.
int ReadPasswordAndEdition(InterfaceKind kind, char* buffer, int32_t* edition);

// Whether a new password can go between the double quotes of its command: at most
// kMaxPasswordLength bytes, no '"' and no control character (ESC ! R would reset the
// printer, CR LF would end the command). Callers check it first and tell the user.
bool IsSendablePassword(const QByteArray& password);
// "DIAGNOSTIC PASSWORD \"<password>\"\r\n". Only meaningful for a sendable password.
QByteArray PasswordCommand(const QByteArray& password);

// Operation 3: sets the printer's password to text (NUL-terminated) and reads one framed
// reply, whose content is ignored. A text that is not sendable (or nullptr) is refused with
// kUnknownError and nothing is sent; the link is not opened.
int SendPassword(InterfaceKind kind, const char* text);

// How the password dialog was left. Escape and the window manager's close count as Cancelled.
enum class GateAnswer { Confirmed, Cancelled };

// The password dialog's OK check: exact, case-sensitive.
bool PasswordEntryMatches(const QByteArray& printerPassword, const QByteArray& entry);

// The gate in front of every operation that changes the printer. No password set: passes
// (no dialog is needed). Otherwise only a confirmed entry equal to the printer's password
// passes; a cancelled or closed dialog never does, whatever its entry.
bool PasswordGatePasses(const QByteArray& printerPassword, GateAnswer answer, const QByteArray& entry);
// Whether the gate needs to ask the user at all.
inline bool PasswordGateNeedsDialog(const QByteArray& printerPassword) {
    return !printerPassword.isEmpty();
}

// What Password Setup does with the user's old and new entries.
enum class PasswordSetupDecision {
    Send,               // send the new password
    Unchanged,          // the new password equals the current one: nothing to send
    WrongOldPassword,   // "Incorrect": nothing is sent
    NotSendable,        // the new password cannot go into its command: nothing is sent
};
// current is the printer's password (empty when none is set; then the old entry must be
// empty too).
PasswordSetupDecision DecidePasswordSetup(const QByteArray& current, const QByteArray& oldEntry,
                                          const QByteArray& newEntry);

}   // namespace lb
