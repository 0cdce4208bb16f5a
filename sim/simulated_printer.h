#pragma once
// The simulated printer: a profile, the state it implies, and a byte-stream interpreter
// that consumes what LabelBench sends and produces the printer's replies.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QSet>
#include <QString>
#include <cstdint>

namespace lb::sim {

// What the printer is: its firmware edition and the reply data of each report keyword.
struct Profile {
    int edition = 104;
    // "DPI" -> "203" answers "DIAGNOSTIC REPORT DPI\r\n" with the frame "{3|203}".
    QMap<QByteArray, QByteArray> reports;
    // Data of the frame that answers "DIAGNOSTIC INTERFACE …".
    QByteArray interfaceReply = "OK";
    uint8_t statusByte = 0x00;                       // answer to ESC ! ?
    QByteArray statusDetail = QByteArray(8, '\0');   // answer to ESC ! S CR LF
    QByteArray password;                             // empty: no password set
    QByteArray serialNumber;                         // the line that answers "OUT _SERIAL$"

    static Profile Default();   // a typical edition-104, 203 dpi printer
    // A printer of the given firmware edition, answering the report keywords that edition
    // knows: below 100 no Z or D emulation, below 102 no CUTCOUNTER or MAXLENGTH, below 103
    // no RESETMILAGE, RESETCUTCOUNTER, RIBBONSENSOR, RIBBONENCODER or AUTOTHRESHOLD. The
    // shipped profiles 99, 100, 102, 103 and 104 differ in resolution and in some settings
    // (sim/profiles/edition-N.json hold the same profiles); another edition takes the
    // keywords of the nearest shipped one below it.
    static Profile ForEdition(int edition);
    // Reads a JSON profile: {"edition":104,"reports":{"DPI":"203",…},"statusByte":0,…}.
    // Keys that are absent keep their Default() values (the format is described beside the
    // implementation).
    static bool LoadFromFile(const QString& path, Profile& out, QString* error);
};

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
};

// A recognised command, in arrival order.
struct Command {
    enum class Kind { TextLine, Escape } kind = Kind::TextLine;
    QByteArray bytes;   // a text line without its CR LF; an escape sequence as sent
};

// The printer's lasting state, shared by every connection. Thread-safe.
class SimulatedPrinter {
public:
    explicit SimulatedPrinter(Profile profile = Profile::Default());
    Profile profile() const;
    void setProfile(const Profile& profile);
    // Applies a native configuration command (SPEED, DENSITY, SIZE, GAP, BLINE, REFERENCE,
    // DIRECTION, OFFSET, SHIFT, CODEPAGE, COUNTRY, LIMITFEED, SET …) to the reports, so that a
    // written setting reads back; no reply. Lengths in inch or mm become dots at the profile's
    // resolution. A report keyword the firmware does not know stays unknown. Z emulation
    // lines (behind the prefix bytes 0x10 or 0x1E: SD, PR, TA, MM, PW, CT, CC, CD, MF, LT,
    // LS) and D emulation lines (behind STX or '~': KZH, KZP, Kc with LW, PS, CE, CC, CO, RO
    // in hundredths of an inch) set the emulation reports the same way.
    void apply(const Command& command);
    // EDITION and PASSWORD come from the profile's edition and password; PASSWORD is known
    // only to editions above 100.
    QByteArray reportReply(const QByteArray& keyword, bool* known) const;
    // "DIAGNOSTIC PASSWORD": false (nothing changed) on an edition of 100 or less.
    bool setPassword(const QByteArray& password);

private:
    mutable QMutex m_mutex;
    Profile m_profile;
};

// One connection's interpreter.
//  - ESC ! ?, ESC ! S CR LF, ESC ! R, ESC ! C and ESC Z CR LF are recognised where a line
//    would begin; ESC ! ? answers the status byte, ESC ! S the 8 detail bytes (both unframed).
//  - Everything else forms lines ended by LF (trailing CRs dropped; blank lines are no
//    command). A line of 64 KiB without LF is taken as one command.
//  - "DIAGNOSTIC INTERFACE …" answers a frame of the interface reply; "DIAGNOSTIC REPORT K"
//    a frame of K's data, or nothing for a keyword the firmware does not know;
//    "DIAGNOSTIC PASSWORD \"x\"" sets the password to x and answers the frame "1" ("0" when
//    the text is not quoted; editions of 100 or less do not answer); "OUT _SERIAL$" answers
//    the serial number as a line. Other lines go to SimulatedPrinter::apply.
//  - closeAfterCommands = N: the Nth command is still answered, then the Output asks for the
//    close and nothing after it is interpreted (it stays in the transcript).
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
    void command(Output& out, Command::Kind kind, const QByteArray& bytes);
    void textLine(Output& out, const Command& command);
    void endLine(Output& out);
    void addReply(Output& out, const QByteArray& bytes) const;
    void addFramedReply(Output& out, const QByteArray& data) const;

    SimulatedPrinter& m_printer;
    Faults m_faults;
    QSet<QByteArray> m_silent;   // silentKeywords in upper case
    QByteArray m_transcript;
    QByteArray m_pending;   // the unfinished text line
    QByteArray m_escape;    // the unfinished ESC sequence
    QList<Command> m_commands;
    bool m_closed = false;
};

// Frames data as the printer does: "{" length "|" data "}".
QByteArray Frame(const QByteArray& data);

}   // namespace lb::sim
