// SPDX-License-Identifier: Apache-2.0
// The dump mode: after DUMP_TEXT the printer keeps every text line it receives as plain text
// instead of executing it, printed or stored as a file, until it is reset (ESC ! R) or set
// back to its factory settings (INITIALPRINTER), or, this simulator's choice, until the file
// it dumps into is fetched (DIAGNOSTIC FILE "name"): the capture is then over, and the next
// Get is not caught in it.

#include "sim/capability.h"
#include "sim/simulated_printer.h"

namespace lb::sim {

namespace {

// Where a dump goes: printed, or a file of a memory.
struct DumpTarget {
    bool print = false;
    Memory::Id memory = Memory::Dram;
    QByteArray name;
};

// "PRINT,", "SAVE 1000,E,"NAME"," (a card file) or "SAVE 1000,"NAME"," (a DRAM file), as what
// follows DUMP_TEXT; nothing for anything else, such as a header that is not whole yet.
std::optional<DumpTarget> ParseTarget(const QByteArray& arguments) {
    const QByteArray text = arguments.trimmed();
    if (text.compare("PRINT,", Qt::CaseInsensitive) == 0) return DumpTarget{true, Memory::Dram, {}};
    const QByteArray save = "SAVE 1000,";
    if (text.left(save.size()).toUpper() != save) return std::nullopt;
    DumpTarget target;
    QByteArray rest = text.mid(save.size());
    if (rest.left(2).toUpper() == "E,") {
        target.memory = Memory::Card;
        rest = rest.mid(2);
    }
    // The name ends at the next quote; the header ends at the comma after it.
    if (!rest.startsWith('"')) return std::nullopt;
    const qsizetype close = rest.indexOf('"', 1);
    if (close < 1 || rest.mid(close + 1) != ",") return std::nullopt;
    target.name = rest.mid(1, close - 1);
    if (target.name.isEmpty()) return std::nullopt;
    return target;
}

bool DumpHeaderEnd(const QByteArray& line) {
    return ParseTarget(SplitFirstWord(line).second).has_value();
}

const QByteArray kReset("\x1b\x21\x52", 3);

// The dump mode's taker. The interface announcement and DIAGNOSTIC FILE still answer (that is
// how the dump of a file is fetched), ESC sequences are still served, and a reset,
// INITIALPRINTER or the fetch of the dump's file ends the mode and is executed. Every other line is kept with
// CR LF. Blank lines are no command and are not kept: a fetch and every report sequence begin with one.
SimulatedPrinter::CommandTaker DumpTaker(DumpTarget target) {
    return [target](SimulatedPrinter& printer, const Command& c) {
        if (c.kind == Command::Kind::Escape) {
            if (c.bytes == kReset) printer.setCommandTaker(nullptr);
            return false;
        }
        const auto [word, rest] = SplitFirstWord(c.bytes);
        if (word == "DIAGNOSTIC") {
            const auto [what, quoted] = SplitFirstWord(rest);
            QByteArray name;
            if (!target.print && what == "FILE" && QuotedText(quoted, name) && name == target.name)
                printer.setCommandTaker(nullptr);
            return false;
        }
        if (word == "INITIALPRINTER") {
            printer.setCommandTaker(nullptr);
            return false;
        }
        const QByteArray text = c.bytes + "\r\n";
        if (target.print)
            printer.appendPrintedText(text);
        else
            printer.edit([&](Profile& p) { p.memories[target.memory].append(target.name, text); });
        return true;
    };
}

}   // namespace

void AddDumpCapability(CapabilityRegistry& r) {
    // The command comes without line end. A file dump begins its file anew.
    r.addHeaderCommand("DUMP_TEXT", DumpHeaderEnd, [](Exchange& x, const QByteArray& arguments) {
        const std::optional<DumpTarget> target = ParseTarget(arguments);
        if (!target) return;
        if (!target->print)
            x.printer().edit(
                [&](Profile& p) { p.memories[target->memory].store(target->name, QByteArray()); });
        x.printer().setCommandTaker(DumpTaker(*target));
    });
}

}   // namespace lb::sim
