// SPDX-License-Identifier: Apache-2.0
#pragma once
// One connection to the simulated printer: it cuts what arrives into commands (ESC sequences
// and text lines), hands each to the printer's capabilities, frames their replies and plays
// the fault knobs. What the commands mean lives in the capability files (sim/capability.h).

#include <QByteArray>
#include <QList>
#include <QSet>
#include <functional>

namespace lb::sim {

class Exchange;
class SimulatedPrinter;

// Named ways for the printer to misbehave.
struct Faults {
    enum class Malformed {
        None,
        MissingClosingBrace,   // data complete, then a byte other than "}"
        TooManyDigits,         // a 32-digit length field
        OversizedLength,       // announces 5000 data bytes and sends them
        NoSeparator,           // digits followed by a byte other than "|"
    };
    int replyDelayMs = 0;           // before each reply
    bool oneByteSegments = false;   // every reply byte is its own write (and TCP segment)
    QByteArray noiseBeforeFrame;    // sent ahead of every framed reply
    Malformed malformed = Malformed::None;
    QSet<QByteArray> silentKeywords;   // report keywords that get no answer at all
    int closeAfterCommands = -1;       // close the connection once this many commands arrived
    bool framesTwice = false;          // every framed reply sent twice (a retransmission, an echo)
};

// A recognised command, in arrival order.
struct Command {
    enum class Kind { TextLine, Escape } kind = Kind::TextLine;
    QByteArray bytes;   // a text line without its CR LF; an escape sequence as sent
};

// Takes raw bytes that follow a command (a download's data) before they are interpreted:
// returns how many of them it took; taking fewer than it was offered ends it, and the rest
// is read as commands again.
using ByteSink = std::function<qsizetype(Exchange&, const QByteArray& bytes)>;

// One connection's interpreter.
//  - The ESC sequences the capabilities know are recognised where a line would begin; any
//    other ESC begins an ordinary line.
//  - Everything else forms lines ended by LF (trailing CRs dropped; blank lines are no
//    command). A line of 64 KiB without LF is taken as one command. A capability's command
//    without line end (a header such as DOWNLOAD …,size,) is a command as soon as it is whole.
//  - "DIAGNOSTIC REPORT K" for a silent keyword K gets no answer; every other command goes
//    to the capabilities, whose framed replies carry the frame faults.
//  - closeAfterCommands = N: the Nth command is still answered, then the Output asks for the
//    close and nothing after it is interpreted (it stays in the transcript).
//  - Raw transfers (firmware, VQX files) come without any command around them, on a fresh
//    connection. So a connection whose first command (blank lines aside) is one no capability
//    knows, or whose first bytes can no longer begin one, is taken as such a transfer: every
//    byte it sends, from its first on, becomes the printer's new lastFirmware(). A connection
//    that begins with a known command is a conversation, and unknown lines in it (a label
//    job's) are no firmware. Either way the bytes are interpreted as always.
//  - While the printer has a command taker (its dump mode, SimulatedPrinter::setCommandTaker),
//    each command is offered to it first, and one it takes is neither executed nor taken for
//    the beginning of a raw transfer.
class PrinterSession {
public:
    PrinterSession(SimulatedPrinter& printer, Faults faults);

    struct Output {
        QList<QByteArray> segments;   // each one write, in order (oneByteSegments: one byte each)
        int delayMs = 0;              // wait before writing them
        bool close = false;           // close the connection after writing them
    };
    // Consumes bytes in any split; returns what the printer answers to the commands they complete.
    Output feed(const QByteArray& bytes);

    const QByteArray& transcript() const { return m_transcript; }   // every byte received
    const QList<Command>& commands() const { return m_commands; }
    bool closed() const { return m_closed; }

private:
    class Reply;

    void interpret(Output& out, const QByteArray& bytes);
    void command(Output& out, Command::Kind kind, const QByteArray& bytes);
    bool silenced(const QByteArray& line) const;
    void endLine(Output& out);
    bool takeHeaderByte(Output& out, char byte);
    void addReply(Output& out, const QByteArray& bytes) const;
    void addFramedReply(Output& out, const QByteArray& data) const;

    SimulatedPrinter& m_printer;
    Faults m_faults;
    QSet<QByteArray> m_silent;   // silentKeywords in upper case
    QByteArray m_transcript;
    QByteArray m_pending;   // the unfinished text line
    QByteArray m_escape;    // the unfinished ESC sequence
    ByteSink m_sink;        // raw bytes a command asked for
    QList<Command> m_commands;
    bool m_closed = false;
    // What this connection is, once its first bytes tell.
    enum class Kind { Undecided, Conversation, RawTransfer } m_kind = Kind::Undecided;
};

// Frames data as the printer does: "{" length "|" data "}".
QByteArray Frame(const QByteArray& data);

}   // namespace lb::sim
