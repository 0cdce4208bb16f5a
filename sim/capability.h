// SPDX-License-Identifier: Apache-2.0
#pragma once
// What the simulated printer can do, one capability per file: each registers the commands
// it serves (by their first word, or their first two words), the report keywords whose data
// it computes, the ESC sequences it knows, and the line prefixes it takes (the emulations).
// The session and the printer find them here, so a new capability is a new file, declared and
// listed in sim/capabilities.cpp; neither the session nor the other capabilities change.

#include "sim/printer_session.h"
#include "sim/profile.h"

#include <QHash>
#include <functional>
#include <optional>
#include <utility>

namespace lb::sim {

// What a handler may do while it serves one command.
class Exchange {
public:
    virtual ~Exchange() = default;
    // The printer's lasting state; change it through SimulatedPrinter::edit.
    virtual SimulatedPrinter& printer() = 0;
    // Answers data in a frame; the session adds the frame faults (noise, malformed frames).
    virtual void replyFrame(const QByteArray& data) = 0;
    // Answers bytes as they are: a status byte, a reply line.
    virtual void reply(const QByteArray& bytes) = 0;
    // The raw bytes that follow this command go to sink (see ByteSink) instead of being
    // read as commands.
    virtual void takeBytes(ByteSink sink) = 0;
};

class CapabilityRegistry {
public:
    // Serves one command. arguments: what follows the key words, blanks around it removed;
    // a line prefix's handler gets the whole line, an ESC sequence's handler the sequence.
    using CommandHandler = std::function<void(Exchange&, const QByteArray& arguments)>;
    // The data of a report keyword, or nothing when this firmware does not know it. Runs
    // under the printer's lock: it must not call the printer.
    using ReportHandler = std::function<std::optional<QByteArray>(const Profile&)>;
    // The data of each frame of a report keyword that answers several (a file list), or
    // nothing when this firmware does not know it. Runs under the printer's lock too.
    using ReportListHandler = std::function<std::optional<QList<QByteArray>>(const Profile&)>;
    // True once an unfinished line holds the whole header of a command without line end.
    using HeaderEnd = std::function<bool(const QByteArray& line)>;

    // Each add refuses a key that is taken already, or is malformed, and notes it in
    // conflicts(); the first registration stays.
    //
    // One word ("SET") or two ("DIAGNOSTIC PASSWORD"); a line whose first two words have a
    // command goes to it, and only otherwise to the command of its first word.
    bool addCommand(const QByteArray& words, CommandHandler handler);
    // A command of one word that is sent without line end: its line is served as soon as
    // end() says the header is whole (DOWNLOAD "A.BMP",1024, and then 1024 raw bytes).
    bool addHeaderCommand(const QByteArray& word, HeaderEnd end, CommandHandler handler);
    // Lines that begin with this byte (the emulations' command prefixes), before any word.
    bool addLinePrefix(char first, CommandHandler handler);
    // A report keyword whose data is computed; any other keyword answers the profile's report.
    bool addReport(const QByteArray& keyword, ReportHandler handler);
    // A report keyword answered by several frames, computed.
    bool addReportList(const QByteArray& keyword, ReportListHandler handler);
    // An ESC sequence (it begins with ESC), recognised where a line would begin. Where one
    // sequence is the beginning of another, the shorter one wins.
    bool addEscape(const QByteArray& sequence, CommandHandler handler);
    const QList<QByteArray>& conflicts() const { return m_conflicts; }

    // Serves a command with the handler it belongs to; a command nobody knows changes nothing
    // and gives false.
    bool run(Exchange& exchange, const Command& command) const;
    // The data of a keyword answered by one frame (a list keyword gives nothing here).
    std::optional<QByteArray> report(const Profile& profile, const QByteArray& keyword) const;
    // The frames that answer a keyword: one for a single report, a list's frames otherwise.
    std::optional<QList<QByteArray>> reportFrames(const Profile& profile, const QByteArray& keyword) const;
    // False once an unfinished line can no longer become a command of these capabilities:
    // no line prefix of theirs, and a first word that begins none of their commands.
    bool mayBeginCommand(const QByteArray& unfinishedLine) const;

    enum class Match { No, Partly, Whole };
    // bytes (from ESC on) against the ESC sequences: one of them, the beginning of one, or neither.
    Match matchEscape(const QByteArray& bytes) const;
    // An unfinished line against the commands without line end: a whole header, a line
    // that may still become one, or neither.
    Match matchHeader(const QByteArray& unfinishedLine) const;
    bool hasHeaderCommands() const { return !m_headers.isEmpty(); }

private:
    bool refuse(const QByteArray& what);

    QHash<QByteArray, CommandHandler> m_commands;   // by "WORD" or "WORD WORD"
    QHash<QByteArray, HeaderEnd> m_headers;         // by word; the handler is in m_commands
    QHash<char, CommandHandler> m_prefixes;
    QHash<QByteArray, ReportHandler> m_reports;
    QHash<QByteArray, ReportListHandler> m_reportLists;
    QHash<QByteArray, CommandHandler> m_escapes;
    QList<QByteArray> m_conflicts;
};

// Helpers the capabilities share.

// Words of a text line: the first one in upper case, and the rest with its blanks removed.
std::pair<QByteArray, QByteArray> SplitFirstWord(const QByteArray& line);
// The text between the first and the last double quote; false when there are not two.
bool QuotedText(const QByteArray& text, QByteArray& out);
// A report the firmware knows takes the new value; one it does not know stays unknown.
void SetReport(Profile& p, const char* keyword, const QByteArray& value);

}   // namespace lb::sim
