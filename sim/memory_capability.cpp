// SPDX-License-Identifier: Apache-2.0
// The printer's memories DRAM, FLASH and CARD: their sizes and file lists as reports,
// DOWNLOAD of a file into one of them, KILL of their files, and DIAGNOSTIC FILE, which
// reads a stored file back.

#include "sim/capability.h"
#include "sim/simulated_printer.h"

#include <algorithm>
#include <memory>

namespace lb::sim {

namespace {

// A printer runs out of memory long before this; a larger download is taken and dropped.
constexpr qint64 kMaxDownload = qint64(256) << 20;

// The letter of a memory in the report keywords (DPHYSPACE, FFILELIST, CFREESPACE).
constexpr char kReportLetter[Memory::kCount] = {'D', 'F', 'C'};

// The memory a file command names by its prefix: none for DRAM, "F," for FLASH, "E," for
// CARD. rest is what follows the prefix. False when the text starts with neither a prefix
// nor a quote.
bool Target(const QByteArray& arguments, Memory::Id& id, QByteArray& rest) {
    const QByteArray text = arguments.trimmed();
    if (text.startsWith('"')) {
        id = Memory::Dram;
        rest = text;
        return true;
    }
    const qsizetype comma = text.indexOf(',');
    if (comma < 0) return false;
    const QByteArray prefix = text.left(comma).trimmed().toUpper();
    if (prefix != "F" && prefix != "E") return false;
    id = prefix == "F" ? Memory::Flash : Memory::Card;
    rest = text.mid(comma + 1).trimmed();
    return rest.startsWith('"');
}

// "[F,|E,]"NAME",SIZE," as memory, name and size; false for anything else (no quotes, a
// size that is negative, not a number, or not followed by its comma).
bool DownloadHeader(const QByteArray& arguments, Memory::Id& id, QByteArray& name, qint64& size) {
    QByteArray rest;
    if (!Target(arguments, id, rest)) return false;
    const qsizetype close = rest.indexOf('"', 1);
    if (close < 0) return false;
    name = rest.mid(1, close - 1);
    const QByteArray tail = rest.mid(close + 1);
    if (!tail.startsWith(',') || !tail.endsWith(',') || tail.size() < 3) return false;
    const QByteArray digits = tail.mid(1, tail.size() - 2);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    bool ok = false;
    size = digits.toLongLong(&ok);
    return ok && !name.isEmpty();
}

// The header is whole at the comma after the size; until then it may still grow.
bool DownloadHeaderEnd(const QByteArray& line) {
    Memory::Id id = Memory::Dram;
    QByteArray name;
    qint64 size = 0;
    const auto [word, arguments] = SplitFirstWord(line);
    return line.endsWith(',') && DownloadHeader(arguments, id, name, size);
}

// Takes the size bytes of a download (in any pieces) and stores them as one file once the
// last one arrives. Too large a download is taken all the same, and dropped.
ByteSink DownloadSink(Memory::Id id, const QByteArray& name, qint64 size) {
    struct State {
        QByteArray data;
        qint64 left = 0;
    };
    auto state = std::make_shared<State>();
    state->left = size;
    const bool keep = size <= kMaxDownload;
    if (keep) state->data.reserve(qsizetype(size));
    return [state, keep, id, name](Exchange& x, const QByteArray& bytes) -> qsizetype {
        const qsizetype n = qsizetype(qMin<qint64>(state->left, bytes.size()));
        if (n == 0) return 0;
        if (keep) state->data.append(bytes.constData(), n);
        state->left -= n;
        if (state->left == 0 && keep)
            x.printer().edit([&](Profile& p) { p.memories[id].store(name, std::move(state->data)); });
        return n;
    };
}

// KILL "*.*" empties a memory; KILL "NAME" deletes one file.
void Kill(Exchange& x, const QByteArray& arguments) {
    Memory::Id id = Memory::Dram;
    QByteArray rest, name;
    if (!Target(arguments, id, rest) || !QuotedText(rest, name)) return;
    x.printer().edit([&](Profile& p) {
        if (name == "*.*")
            p.memories[id].clear();
        else
            p.memories[id].remove(name);
    });
}

}   // namespace

void AddMemoryCapability(CapabilityRegistry& r) {
    for (int i = 0; i < Memory::kCount; ++i) {
        const QByteArray letter(1, kReportLetter[i]);
        r.addReport(letter + "PHYSPACE", [i](const Profile& p) {
            return std::optional(QByteArray::number(p.memories[i].physicalKB));
        });
        r.addReport(letter + "FREESPACE", [i](const Profile& p) {
            return std::optional(QByteArray::number(p.memories[i].freeKB));
        });
        // One frame per name, in the order of storage, then an empty frame.
        r.addReportList(letter + "FILELIST", [i](const Profile& p) {
            QList<QByteArray> frames;
            for (const MemoryFile& f : p.memories[i].files)
                frames.append(f.name);
            frames.append(QByteArray());
            return std::optional(frames);
        });
    }

    r.addHeaderCommand("DOWNLOAD", DownloadHeaderEnd, [](Exchange& x, const QByteArray& arguments) {
        Memory::Id id = Memory::Dram;
        QByteArray name;
        qint64 size = 0;
        // A malformed header, or a line such as DOWNLOAD "A.BAS" that has no size: nothing
        // is stored and what follows is read as commands.
        if (!DownloadHeader(arguments, id, name, size)) return;
        if (size == 0) {
            x.printer().edit([&](Profile& p) { p.memories[id].store(name, QByteArray()); });
            return;
        }
        x.takeBytes(DownloadSink(id, name, size));
    });

    r.addCommand("KILL", Kill);

    // The stored file's bytes in one frame, looked for in DRAM, FLASH and CARD in turn; an
    // empty frame when there is none.
    r.addCommand("DIAGNOSTIC FILE", [](Exchange& x, const QByteArray& arguments) {
        QByteArray name;
        if (!QuotedText(arguments, name)) {
            x.replyFrame(QByteArray());
            return;
        }
        const QByteArray data = x.printer().edit([&](Profile& p) {
            for (const Memory& m : p.memories)
                if (const MemoryFile* f = m.find(name)) return f->data;
            return QByteArray();
        });
        x.replyFrame(data);
    });
}

}   // namespace lb::sim
