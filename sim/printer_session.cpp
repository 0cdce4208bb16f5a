// SPDX-License-Identifier: Apache-2.0
#include "sim/printer_session.h"

#include "sim/capability.h"
#include "sim/simulated_printer.h"

#include <cstring>

namespace lb::sim {

namespace {

// A line this long without LF is taken as one command, so that a block without line ends
// (a raw download) never makes the pending line grow without bound.
constexpr qsizetype kMaxPendingLine = 64 * 1024;

// A command without line end has a short header; a longer line is an ordinary one.
constexpr qsizetype kMaxHeaderLength = 256;

// Data bytes an OversizedLength frame announces and sends.
constexpr qsizetype kOversizedLength = 5000;

QByteArray MalformedFrame(const QByteArray& data, Faults::Malformed kind) {
    switch (kind) {
    case Faults::Malformed::None:
        break;
    case Faults::Malformed::MissingClosingBrace:
        return "{" + QByteArray::number(data.size()) + "|" + data + "]";
    case Faults::Malformed::TooManyDigits:
        // The value is right; only the field is one digit longer than a reader accepts.
        return "{" + QByteArray::number(data.size()).rightJustified(32, '0') + "|" + data + "}";
    case Faults::Malformed::OversizedLength: {
        QByteArray padded = data.left(kOversizedLength);
        padded.append(QByteArray(kOversizedLength - padded.size(), '#'));
        return "{" + QByteArray::number(kOversizedLength) + "|" + padded + "}";
    }
    case Faults::Malformed::NoSeparator:
        return "{" + QByteArray::number(data.size()) + ":" + data + "}";
    }
    return Frame(data);
}

}   // namespace

QByteArray Frame(const QByteArray& data) {
    return "{" + QByteArray::number(data.size()) + "|" + data + "}";
}

// The handlers' view of the session while they serve one command.
class PrinterSession::Reply final : public Exchange {
public:
    Reply(PrinterSession& session, Output& out) : m_session(session), m_out(out) {}
    SimulatedPrinter& printer() override { return m_session.m_printer; }
    void replyFrame(const QByteArray& data) override { m_session.addFramedReply(m_out, data); }
    void reply(const QByteArray& bytes) override { m_session.addReply(m_out, bytes); }
    void takeBytes(ByteSink sink) override { m_session.m_sink = std::move(sink); }

private:
    PrinterSession& m_session;
    Output& m_out;
};

PrinterSession::PrinterSession(SimulatedPrinter& printer, Faults faults)
    : m_printer(printer), m_faults(std::move(faults)) {
    for (const QByteArray& k : m_faults.silentKeywords)
        m_silent.insert(k.toUpper());
}

void PrinterSession::addReply(Output& out, const QByteArray& bytes) const {
    if (bytes.isEmpty()) return;
    if (m_faults.oneByteSegments) {
        for (char c : bytes)
            out.segments.append(QByteArray(1, c));
    } else {
        out.segments.append(bytes);
    }
    out.delayMs = m_faults.replyDelayMs;
}

void PrinterSession::addFramedReply(Output& out, const QByteArray& data) const {
    const QByteArray frame = m_faults.noiseBeforeFrame + MalformedFrame(data, m_faults.malformed);
    // The copy goes out with the frame, as a retransmitted segment arrives beside the first.
    addReply(out, m_faults.framesTwice ? frame + frame : frame);
}

// "DIAGNOSTIC REPORT K" for a keyword the fault silences: no answer, as from firmware
// that lacks it.
bool PrinterSession::silenced(const QByteArray& line) const {
    if (m_silent.isEmpty()) return false;
    const auto [word, rest] = SplitFirstWord(line);
    if (word != "DIAGNOSTIC") return false;
    const auto [what, keyword] = SplitFirstWord(rest);
    return what == "REPORT" && m_silent.contains(keyword.toUpper());
}

void PrinterSession::command(Output& out, Command::Kind kind, const QByteArray& bytes) {
    if (m_closed) return;
    Command c;
    c.kind = kind;
    c.bytes = bytes;
    m_commands.append(c);

    bool known = true;
    // The dump mode takes what it keeps before anything is executed.
    const bool taken = m_printer.offerToTaker(c);
    if (!taken && (kind == Command::Kind::Escape || !silenced(bytes))) {
        Reply reply(*this, out);
        known = m_printer.capabilities().run(reply, c);
    }
    if (m_kind == Kind::Undecided) m_kind = known ? Kind::Conversation : Kind::RawTransfer;

    if (m_faults.closeAfterCommands >= 0 && m_commands.size() >= m_faults.closeAfterCommands) {
        m_closed = true;
        out.close = true;
    }
}

void PrinterSession::endLine(Output& out) {
    QByteArray line = m_pending;
    m_pending.clear();
    while (line.endsWith('\r'))
        line.chop(1);
    // The CR LF that opens a report sequence, or a blank line, is no command.
    if (line.isEmpty()) return;
    command(out, Command::Kind::TextLine, line);
}

// While the unfinished line may still be the header of a command without line end, its
// bytes are taken one at a time, so that the header is served the moment it is whole.
// False when byte does not continue such a header.
bool PrinterSession::takeHeaderByte(Output& out, char byte) {
    const CapabilityRegistry& capabilities = m_printer.capabilities();
    if (!capabilities.hasHeaderCommands() || byte == '\n' || m_pending.size() >= kMaxHeaderLength ||
        m_printer.hasCommandTaker())
        return false;
    const QByteArray line = m_pending + byte;
    const CapabilityRegistry::Match match = capabilities.matchHeader(line);
    if (match == CapabilityRegistry::Match::No) return false;
    m_pending = line;
    if (match == CapabilityRegistry::Match::Whole) {
        m_pending.clear();
        command(out, Command::Kind::TextLine, line);
    }
    return true;
}

PrinterSession::Output PrinterSession::feed(const QByteArray& bytes) {
    Output out;
    const bool wasRaw = m_kind == Kind::RawTransfer;
    m_transcript.append(bytes);
    interpret(out, bytes);
    if (m_kind == Kind::Undecided && !m_pending.isEmpty() && !m_printer.hasCommandTaker() &&
        !m_printer.capabilities().mayBeginCommand(m_pending))
        m_kind = Kind::RawTransfer;
    if (m_kind == Kind::RawTransfer) {
        if (wasRaw)
            m_printer.appendFirmware(bytes);
        else
            m_printer.beginFirmware(m_transcript);   // this feed is in it already
    }
    return out;
}

void PrinterSession::interpret(Output& out, const QByteArray& bytes) {
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size && !m_closed) {
        if (m_sink) {
            // Raw bytes a command asked for: not interpreted.
            const QByteArray rest = bytes.mid(i);
            Reply reply(*this, out);
            const qsizetype taken = qBound<qsizetype>(0, m_sink(reply, rest), rest.size());
            i += taken;
            if (taken < rest.size()) m_sink = nullptr;
            continue;
        }
        if (!m_escape.isEmpty()) {
            // Inside a possible ESC sequence: one byte at a time (they are short).
            m_escape.append(data[i]);
            ++i;
            const CapabilityRegistry::Match match = m_printer.capabilities().matchEscape(m_escape);
            if (match == CapabilityRegistry::Match::Whole) {
                const QByteArray sequence = m_escape;
                m_escape.clear();
                command(out, Command::Kind::Escape, sequence);
            } else if (match == CapabilityRegistry::Match::No) {
                // Not a sequence of ours: its bytes begin an ordinary line. The last byte
                // may end that line, so it goes through the line rules again.
                m_pending = m_escape.left(m_escape.size() - 1);
                m_escape.clear();
                --i;
                if (data[i] != '\n') {
                    m_pending.append(data[i]);
                    ++i;
                }
            }
            continue;
        }
        if (m_pending.isEmpty() && data[i] == '\x1b') {
            m_escape.append(data[i]);
            ++i;
            continue;
        }
        if (takeHeaderByte(out, data[i])) {
            ++i;
            continue;
        }
        // Line bytes: take everything up to the next LF at once.
        const char* lf = static_cast<const char*>(memchr(data + i, '\n', size_t(size - i)));
        const qsizetype end = lf ? lf - data : size;
        const qsizetype room = kMaxPendingLine - m_pending.size();
        if (end - i >= room) {
            m_pending.append(data + i, room);
            i += room;
            endLine(out);
            continue;
        }
        m_pending.append(data + i, end - i);
        i = end;
        if (lf) {
            ++i;
            endLine(out);
        }
    }
}

}   // namespace lb::sim
