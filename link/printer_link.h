// SPDX-License-Identifier: Apache-2.0
#pragma once
// The link-independent command exchange: opening and closing a link by interface kind,
// chunked writes with progress and message pumping, the receive rings, the reply framing
// and the composite send/receive calls used by every printer operation.
//
// A framed reply is "{", 0 to 31 decimal digits giving the data length, "|", the data,
// "}". Bytes before the opening brace are skipped.

#include "link/link_observer.h"
#include "link/link_types.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace lb {

class ReceiveRing;

constexpr uint32_t kReplyBufferSize = 1024;   // the usual report buffer
constexpr uint32_t kReplyLineMax = 1024;      // longest reply line; its buffer holds one more
constexpr int kMaxLengthDigits = 31;          // longest length field of a framed reply
// CRs a reply line may carry besides its characters: one beside each character it may hold.
// They are dropped, but counted, so that a peer sending CRs without end cannot hold a read
// whose wait restarts with every byte; a line is at most 2 * kReplyLineMax bytes before LF.
constexpr uint32_t kReplyLineMaxCrs = kReplyLineMax;
// Bytes skipped ahead of a frame's opening brace before the reply is given up: an echo or
// line noise passes, a peer that never sends a frame does not hold the read for ever.
constexpr uint32_t kMaxSkippedBeforeFrame = 65536;
// A reply list holds at most this many frames (the closing empty one included).
constexpr int kMaxReplyListFrames = 4096;

// The main window's three settings records; read at every OpenLink.
void RegisterLinkSettings(SerialSettings* serial, ParallelPortName* parallel, NetworkTarget* network);
// The link state (settings, transports, timing, observer, last error) belongs to the calling
// thread. A thread that served a printer calls this before it ends: it closes and drops its
// transports and forgets its settings.
void ReleaseThreadLink();

LinkHandle OpenLink(InterfaceKind kind);
// Before a query that reads a reply: what arrived before it was sent (a reply sent twice, an
// echo) is not its answer, and is dropped, from the receive buffer and from the device.
void DiscardStaleInput(LinkHandle handle, InterfaceKind kind);
// Whether the last reply that could not be read failed because nothing came within the
// wait, the peer still connected: a printer that does not answer, not one that closed the
// connection or sent something malformed.
bool LastReplyTimedOut();
void CloseLink(InterfaceKind kind, LinkHandle handle);

bool WriteLink(LinkHandle handle, InterfaceKind kind, const uint8_t* bytes, uint32_t length);
inline bool WriteLink(LinkHandle handle, InterfaceKind kind, const QByteArray& bytes) {
    return WriteLink(handle, kind, reinterpret_cast<const uint8_t*>(bytes.constData()),
                     static_cast<uint32_t>(bytes.size()));
}

bool ReadLinkByte(LinkHandle handle, InterfaceKind kind, uint8_t& out);
bool ReadLinkBytes(LinkHandle handle, InterfaceKind kind, uint8_t* buffer, uint32_t count);

// Whatever arrives, as it comes, until nothing more has for quietMs (or maxBytes have):
// the printer's free answer to a command typed by hand. Empty when nothing came.
QByteArray ReadLinkUntilQuiet(LinkHandle handle, InterfaceKind kind, int quietMs, uint32_t maxBytes);

// One whole frame into buffer: at most capacity - 2 data bytes, followed by a NUL. False
// also when more than kMaxSkippedBeforeFrame bytes precede the opening brace.
bool ReadFramedReply(LinkHandle handle, InterfaceKind kind, char* buffer, uint32_t capacity,
                     uint32_t& length);
// One line, CRs dropped, up to LF or a read time-out. buffer holds at least kReplyLineMax + 1
// bytes. False only when the line is longer than kReplyLineMax characters or carries more
// than kReplyLineMaxCrs CRs.
bool ReadReplyLine(LinkHandle handle, InterfaceKind kind, char* buffer, uint32_t& length);

// Writes the text up to its NUL. Returns 0 or kDataTransmissionError.
int SendCommand(LinkHandle handle, InterfaceKind kind, const char* text);
// SendCommand, then one framed reply. Returns 0, 2 or 3.
int SendCommandReadReply(LinkHandle handle, InterfaceKind kind, const char* text, char* buffer,
                         uint32_t capacity, uint32_t& length);
// SendCommand, then frames until an empty one; their data joined, each followed by "\r\n".
int SendCommandReadReplyList(LinkHandle handle, InterfaceKind kind, const char* text, char* buffer,
                             uint32_t capacity, uint32_t& total);

// The shape shared by every operation that sends one command and reads nothing: open,
// write, close. 1 when the link cannot be opened, 2 when the write fails.
int SendOneCommand(InterfaceKind kind, const uint8_t* bytes, uint32_t length);
int SendOneCommand(InterfaceKind kind, const char* text);

// Waits between two steps of an exchange that the printer needs time for (LinkTiming).
void PauseLink(int ms);

// The first command of every report sequence ("\r\nDIAGNOSTIC INTERFACE USB\r\n" …).
// nullptr for a kind outside 0..3.
const char* InterfaceAnnouncement(InterfaceKind kind);
// Sends the announcement and reads (and ignores) its framed reply into a work buffer of
// the given capacity. Returns 0, 2 or 3.
int SendInterfaceAnnouncement(LinkHandle handle, InterfaceKind kind, char* buffer, uint32_t capacity);

// The progress window.
void ShowProgress(ProgressMode mode, int firstStep, int stepPerWrite);
void AdvanceProgress(ProgressMode mode, int value);
void HideProgress();
bool ProgressActive();
int ProgressValue();

// Why the link failed last, for a person: the link and the system's reason of a failed open,
// write or read, or what was wrong with a reply. Cleared at every OpenLink and at the start
// of every printer operation; shown beside the message of a LinkError 1..3.
QString LastLinkErrorDetail();
void SetLastLinkErrorDetail(const QString& detail);

// The receive ring of a reading kind (nullptr for LPT and invalid kinds); for tests.
ReceiveRing* ReceiveRingOf(InterfaceKind kind);
// Whether a link is open at the moment.
bool LinkIsOpen();

}   // namespace lb
