// SPDX-License-Identifier: Apache-2.0
#include "link/printer_link.h"

#include "link/link_timing.h"
#include "link/link_wait.h"
#include "link/receive_ring.h"
#include "link/transport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace lb {
namespace {

struct ProgressState {
    bool active = false;
    ProgressMode mode = StepPerWrite;
    int stepPerWrite = 0;
    int value = 0;
};

struct LinkState {
    LinkSettingsView settings;
    std::array<std::unique_ptr<Transport>, 4> transports;
    ReceiveRing usbRing;
    ReceiveRing comRing;
    ReceiveRing ethernetRing;
    bool open = false;
    ProgressState progress;
    LinkObserver* observer = nullptr;
    LinkTiming timing;
    QString detail;   // why the link failed last
    // The last reply that failed did so by a wait run out, the peer still there (not a
    // closed connection, a rejected frame or a cancel).
    bool replyTimedOut = false;
};

// Each thread has a link of its own, so that several printers can be served at once, one per
// thread. The rings are 64 KiB each: the state lives on the heap, made at first use; the
// main thread's lives as long as the process.
thread_local LinkState* t_state = nullptr;

LinkState& State() {
    if (!t_state) t_state = new LinkState;
    return *t_state;
}

int Index(InterfaceKind kind) {
    return static_cast<int>(kind);
}

Transport& TransportFor(InterfaceKind kind) {
    auto& slot = State().transports[Index(kind)];
    if (!slot) {
        switch (kind) {
        case InterfaceKind::Usb:
            slot = MakeUsbTransport();
            break;
        case InterfaceKind::Com:
            slot = MakeSerialTransport();
            break;
        case InterfaceKind::Lpt:
            slot = MakeParallelTransport();
            break;
        case InterfaceKind::Ethernet:
            slot = MakeTcpTransport();
            break;
        }
    }
    return *slot;
}

// Chunk size of a kind's writes; 0 means the whole block in one write.
uint32_t ChunkSize(InterfaceKind kind) {
    switch (kind) {
    case InterfaceKind::Usb:
    case InterfaceKind::Com:
        return 64;
    case InterfaceKind::Ethernet:
        return 512;
    case InterfaceKind::Lpt:
        return 0;
    }
    return 0;
}

// Bytes one refill may add, and how long it may wait.
uint32_t FillSize(InterfaceKind kind) {
    switch (kind) {
    case InterfaceKind::Usb:
        return 64;
    case InterfaceKind::Com:
        return 1;
    case InterfaceKind::Ethernet:
        return 4096;
    case InterfaceKind::Lpt:
        return 0;
    }
    return 0;
}

int FillTimeout(InterfaceKind kind) {
    const LinkTiming& t = State().timing;
    switch (kind) {
    case InterfaceKind::Usb:
        return t.usbReadTimeoutMs;
    case InterfaceKind::Com:
        return t.comReadTimeoutMs;
    case InterfaceKind::Ethernet:
        return t.tcpTimeoutMs;
    case InterfaceKind::Lpt:
        return 0;
    }
    return 0;
}

void Pump() {
    if (LinkObserver* o = State().observer) o->pumpEvents();
}

void Pause(int ms) {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

// A failed transport call: its own account of the link and the reason.
bool TransportFailed(const Transport& transport) {
    State().detail = transport.lastErrorText();
    return false;
}

// A reply that arrived but is not what the protocol allows.
bool ReplyRejected(const QString& why) {
    State().detail = why;
    State().replyTimedOut = false;
    return false;
}

// A link the user cancelled: every further step of the operation fails at once.
bool Cancelled(InterfaceKind kind) {
    if (!LinkCancelRequested()) return false;
    static const char* const kNames[] = {"USB", "COM", "LPT", "ETHERNET"};
    State().detail = QStringLiteral("%1: %2").arg(QLatin1String(kNames[Index(kind)]), LinkCancelledReason());
    return true;
}

QString NotAFrame() {
    return QCoreApplication::translate("lb::Link", "The reply is not a valid frame.");
}

void NotifyProgress() {
    if (LinkObserver* o = State().observer) o->progressChanged(State().progress.value);
}

}   // namespace

void ReleaseThreadLink() {
    delete t_state;
    t_state = nullptr;
}

const LinkTiming& CurrentLinkTiming() {
    return State().timing;
}
void SetLinkTiming(const LinkTiming& timing) {
    State().timing = timing;
}

void SetLinkObserver(LinkObserver* observer) {
    State().observer = observer;
}
LinkObserver* CurrentLinkObserver() {
    return State().observer;
}

void SetTransport(InterfaceKind kind, std::unique_ptr<Transport> transport) {
    if (!IsValidInterfaceKind(kind)) return;
    State().transports[Index(kind)] = std::move(transport);
}

void RegisterLinkSettings(SerialSettings* serial, ParallelPortName* parallel, NetworkTarget* network) {
    LinkState& s = State();
    s.settings.serial = serial;
    s.settings.parallel = parallel;
    s.settings.network = network;
    s.progress.active = false;
    s.progress.stepPerWrite = 0;
}

ReceiveRing* ReceiveRingOf(InterfaceKind kind) {
    switch (kind) {
    case InterfaceKind::Usb:
        return &State().usbRing;
    case InterfaceKind::Com:
        return &State().comRing;
    case InterfaceKind::Ethernet:
        return &State().ethernetRing;
    case InterfaceKind::Lpt:
        return nullptr;
    }
    return nullptr;
}

bool LinkIsOpen() {
    return State().open;
}

QString LastLinkErrorDetail() {
    return State().detail;
}
void SetLastLinkErrorDetail(const QString& detail) {
    State().detail = detail;
}

LinkHandle OpenLink(InterfaceKind kind) {
    LinkState& s = State();
    s.detail.clear();
    if (!IsValidInterfaceKind(kind) || Cancelled(kind)) return kNoLink;
    Transport& transport = TransportFor(kind);
    const LinkHandle handle = transport.open(s.settings);
    if (handle == kNoLink) {
        TransportFailed(transport);
        return kNoLink;
    }
    if (ReceiveRing* ring = ReceiveRingOf(kind)) ring->reset();
    s.open = true;
    return handle;
}

bool LastReplyTimedOut() {
    return State().replyTimedOut;
}

void DiscardStaleInput(LinkHandle handle, InterfaceKind kind) {
    ReceiveRing* ring = ReceiveRingOf(kind);
    if (handle == kNoLink || !ring) return;
    ring->reset();
    TransportFor(kind).discardArrived();
}

void CloseLink(InterfaceKind kind, LinkHandle handle) {
    if (!IsValidInterfaceKind(kind) || handle == kNoLink) return;
    TransportFor(kind).close();
    State().open = false;
}

bool WriteLink(LinkHandle handle, InterfaceKind kind, const uint8_t* bytes, uint32_t length) {
    AdvanceProgress(StepPerWrite, 0);
    if (!IsValidInterfaceKind(kind) || handle == kNoLink) return false;
    Transport& transport = TransportFor(kind);

    if (kind == InterfaceKind::Lpt) {
        const int64_t written = transport.writeChunk(bytes, length);
        if (written < static_cast<int64_t>(length)) return TransportFailed(transport);
        AdvanceProgress(PercentOfBlock, 100);
        Pump();
        return true;
    }

    const uint32_t chunk = ChunkSize(kind);
    uint32_t done = 0;
    while (done < length) {
        const uint32_t n = length - done < chunk ? length - done : chunk;
        if (transport.writeChunk(bytes + done, n) != static_cast<int64_t>(n))
            return TransportFailed(transport);
        done += n;
        AdvanceProgress(PercentOfBlock, static_cast<int>(uint64_t(done) * 100 / length));
        Pump();
        if (done < length && Cancelled(kind)) return false;
    }
    if (kind == InterfaceKind::Ethernet && length > 0) AdvanceProgress(PercentOfBlock, 100);
    return true;
}

bool ReadLinkByte(LinkHandle handle, InterfaceKind kind, uint8_t& out) {
    if (handle == kNoLink) return false;
    ReceiveRing* ring = ReceiveRingOf(kind);
    if (!ring) {
        if (kind != InterfaceKind::Lpt) return false;
        return ReplyRejected(QCoreApplication::translate("lb::Link", "LPT: the parallel port cannot read."));
    }
    if (ring->count() == 0) {
        if (Cancelled(kind)) return false;
        uint8_t chunk[4096];
        Transport& transport = TransportFor(kind);
        const uint32_t got = transport.fill(chunk, FillSize(kind), FillTimeout(kind));
        ring->append(chunk, got);
        if (got == 0) {
            State().replyTimedOut = !transport.peerGone() && !LinkCancelRequested();
            return TransportFailed(transport);
        }
    }
    return ring->take(out);
}

QByteArray ReadLinkUntilQuiet(LinkHandle handle, InterfaceKind kind, int quietMs, uint32_t maxBytes) {
    QByteArray reply;
    ReceiveRing* ring = ReceiveRingOf(kind);
    if (handle == kNoLink || !ring) return reply;
    uint8_t byte = 0;
    while (uint32_t(reply.size()) < maxBytes && ring->take(byte))
        reply.append(char(byte));
    Transport& transport = TransportFor(kind);
    uint8_t chunk[4096];
    while (uint32_t(reply.size()) < maxBytes) {
        const uint32_t room = std::min<uint32_t>(maxBytes - uint32_t(reply.size()), FillSize(kind));
        const uint32_t got =
            transport.fill(chunk, std::min<uint32_t>(room, sizeof chunk), std::max(quietMs, 0));
        if (got == 0) break;
        reply.append(reinterpret_cast<const char*>(chunk), qsizetype(got));
    }
    return reply;
}

bool ReadLinkBytes(LinkHandle handle, InterfaceKind kind, uint8_t* buffer, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i)
        if (!ReadLinkByte(handle, kind, buffer[i])) return false;
    return true;
}

namespace {

// A frame into buffer; a frame longer than capacity allows is refused with tooLong (its %1
// the data bytes allowed), or with the single reply's message.
bool ReadFrame(LinkHandle handle, InterfaceKind kind, char* buffer, uint32_t capacity, uint32_t& length,
               const char* tooLong, uint32_t allowed);

}   // namespace

bool ReadFramedReply(LinkHandle handle, InterfaceKind kind, char* buffer, uint32_t capacity,
                     uint32_t& length) {
    return ReadFrame(handle, kind, buffer, capacity, length, nullptr, capacity >= 2 ? capacity - 2 : 0);
}

namespace {

bool ReadFrame(LinkHandle handle, InterfaceKind kind, char* buffer, uint32_t capacity, uint32_t& length,
               const char* tooLong, uint32_t allowed) {
    uint8_t byte = 0;
    uint32_t skipped = 0;
    for (;;) {
        if (!ReadLinkByte(handle, kind, byte)) return false;
        if (byte == '{') break;
        if (++skipped > kMaxSkippedBeforeFrame)
            return ReplyRejected(
                QCoreApplication::translate("lb::Link", "More than %1 bytes arrived without a reply frame.")
                    .arg(kMaxSkippedBeforeFrame));
    }

    // The length field: at most 31 digits. Collection stops after the 32nd, which then
    // fails the separator check below.
    char digits[kMaxLengthDigits + 2];
    int digitCount = 0;
    bool got = false;
    while ((got = ReadLinkByte(handle, kind, byte)) && byte >= '0' && byte <= '9') {
        digits[digitCount++] = static_cast<char>(byte);
        if (digitCount > kMaxLengthDigits) break;
    }
    if (!got) return false;
    if (byte != '|' || digitCount > kMaxLengthDigits) return ReplyRejected(NotAFrame());

    int64_t value = 0;
    for (int i = 0; i < digitCount; ++i) {
        value = value * 10 + (digits[i] - '0');
        if (value > INT32_MAX) break;
    }
    if (value > INT32_MAX || value >= int64_t(capacity) - 1) {
        return ReplyRejected(tooLong ? QCoreApplication::translate("lb::Link", tooLong).arg(allowed)
                                     : QCoreApplication::translate(
                                           "lb::Link", "The reply is longer than the %1 bytes it may have.")
                                           .arg(allowed));
    }

    const uint32_t dataLength = static_cast<uint32_t>(value);
    if (!ReadLinkBytes(handle, kind, reinterpret_cast<uint8_t*>(buffer), dataLength)) return false;
    if (!ReadLinkByte(handle, kind, byte)) return false;
    if (byte != '}') return ReplyRejected(NotAFrame());
    buffer[dataLength] = '\0';
    length = dataLength;
    return true;
}

}   // namespace

bool ReadReplyLine(LinkHandle handle, InterfaceKind kind, char* buffer, uint32_t& length) {
    // A line that ends at the read time-out is a whole line, not a failure to report.
    const QString detailBefore = State().detail;
    uint32_t n = 0;
    uint32_t crs = 0;
    uint8_t byte = 0;
    bool timedOut = true;
    while (ReadLinkByte(handle, kind, byte)) {
        if (byte == '\r') {
            // Dropped, but counted (kReplyLineMaxCrs): endless CRs must not hold the read.
            if (++crs > kReplyLineMaxCrs) {
                buffer[n] = '\0';
                length = n;
                return ReplyRejected(
                    QCoreApplication::translate("lb::Link", "The reply line carries more than %1 CRs.")
                        .arg(kReplyLineMaxCrs));
            }
            continue;
        }
        if (byte == '\n') {
            timedOut = false;
            break;
        }
        if (n == kReplyLineMax) {
            buffer[n] = '\0';
            length = n;
            return ReplyRejected(
                QCoreApplication::translate("lb::Link", "The reply line is longer than %1 characters.")
                    .arg(kReplyLineMax));
        }
        buffer[n++] = static_cast<char>(byte);
    }
    if (timedOut) State().detail = detailBefore;
    buffer[n] = '\0';
    length = n;
    return true;
}

int SendCommand(LinkHandle handle, InterfaceKind kind, const char* text) {
    const bool ok = WriteLink(handle, kind, reinterpret_cast<const uint8_t*>(text),
                              static_cast<uint32_t>(std::strlen(text)));
    return ok ? kLinkOk : kDataTransmissionError;
}

int SendCommandReadReply(LinkHandle handle, InterfaceKind kind, const char* text, char* buffer,
                         uint32_t capacity, uint32_t& length) {
    DiscardStaleInput(handle, kind);
    if (SendCommand(handle, kind, text) != kLinkOk) return kDataTransmissionError;
    return ReadFramedReply(handle, kind, buffer, capacity, length) ? kLinkOk : kDataReceivingError;
}

int SendCommandReadReplyList(LinkHandle handle, InterfaceKind kind, const char* text, char* buffer,
                             uint32_t capacity, uint32_t& total) {
    DiscardStaleInput(handle, kind);
    if (SendCommand(handle, kind, text) != kLinkOk) return kDataTransmissionError;
    // Bounded by bytes, by frames and by time: a printer that trickles endless small frames
    // must not hold the read.
    QElapsedTimer elapsed;
    elapsed.start();
    uint32_t fill = 0;
    for (int frames = 0;; ++frames) {
        if (frames == kMaxReplyListFrames) {
            ReplyRejected(QCoreApplication::translate("lb::Link", "The list has more than %1 entries.")
                              .arg(kMaxReplyListFrames));
            return kDataReceivingError;
        }
        if (elapsed.elapsed() > State().timing.replyListMaxMs) {
            ReplyRejected(QCoreApplication::translate("lb::Link", "The list did not end within %1 s.")
                              .arg(State().timing.replyListMaxMs / 1000));
            return kDataReceivingError;
        }
        Pause(State().timing.replyListPauseMs);
        const int64_t room = int64_t(capacity) - fill - 2;
        uint32_t frameLength = 0;
        if (!ReadFrame(handle, kind, buffer + fill, room > 0 ? static_cast<uint32_t>(room) : 0, frameLength,
                       QT_TRANSLATE_NOOP("lb::Link", "The list is longer than the %1 bytes it may have."),
                       capacity >= 2 ? capacity - 2 : 0))
            return kDataReceivingError;
        if (frameLength == 0) {
            total = fill;
            return kLinkOk;
        }
        fill += frameLength;
        buffer[fill] = '\r';
        buffer[fill + 1] = '\n';
        buffer[fill + 2] = '\0';
        fill += 2;
    }
}

void PauseLink(int ms) {
    Pause(ms);
}

const char* InterfaceAnnouncement(InterfaceKind kind) {
    switch (kind) {
    case InterfaceKind::Usb:
        return "\r\nDIAGNOSTIC INTERFACE USB\r\n";
    case InterfaceKind::Com:
        return "\r\nDIAGNOSTIC INTERFACE COM\r\n";
    case InterfaceKind::Lpt:
        return "\r\nDIAGNOSTIC INTERFACE LPT\r\n";
    case InterfaceKind::Ethernet:
        return "\r\nDIAGNOSTIC INTERFACE NET\r\n";
    }
    return nullptr;
}

int SendInterfaceAnnouncement(LinkHandle handle, InterfaceKind kind, char* buffer, uint32_t capacity) {
    const char* text = InterfaceAnnouncement(kind);
    if (!text) return kDataTransmissionError;
    uint32_t length = 0;
    return SendCommandReadReply(handle, kind, text, buffer, capacity, length);
}

void ShowProgress(ProgressMode mode, int firstStep, int stepPerWrite) {
    ProgressState& p = State().progress;
    p.mode = mode;
    p.stepPerWrite = stepPerWrite;
    p.active = true;
    p.value = 0;
    if (LinkObserver* o = State().observer) o->progressShown();
    p.value = firstStep < 0 ? 0 : (firstStep > 100 ? 100 : firstStep);
    NotifyProgress();
}

void AdvanceProgress(ProgressMode mode, int value) {
    ProgressState& p = State().progress;
    if (!p.active || mode != p.mode) return;
    int next = mode == StepPerWrite ? p.value + p.stepPerWrite : value;
    if (next > 100) next = 100;
    if (next < 0) next = 0;
    p.value = next;
    NotifyProgress();
}

void HideProgress() {
    Pause(State().timing.progressHidePauseMs);
    ProgressState& p = State().progress;
    const bool wasActive = p.active;
    p.active = false;
    p.value = 100;
    if (!wasActive) return;
    NotifyProgress();
    if (LinkObserver* o = State().observer) o->progressHidden();
}

bool ProgressActive() {
    return State().progress.active;
}
int ProgressValue() {
    return State().progress.value;
}

int SendOneCommand(InterfaceKind kind, const uint8_t* bytes, uint32_t length) {
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    const bool ok = WriteLink(handle, kind, bytes, length);
    CloseLink(kind, handle);
    return ok ? kLinkOk : kDataTransmissionError;
}

int SendOneCommand(InterfaceKind kind, const char* text) {
    return SendOneCommand(kind, reinterpret_cast<const uint8_t*>(text),
                          static_cast<uint32_t>(std::strlen(text)));
}

}   // namespace lb
