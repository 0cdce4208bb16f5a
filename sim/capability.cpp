// SPDX-License-Identifier: Apache-2.0
#include "sim/capability.h"

namespace lb::sim {

namespace {

// The bytes QByteArray::trimmed() removes: a first word is found after them.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}   // namespace

std::pair<QByteArray, QByteArray> SplitFirstWord(const QByteArray& line) {
    const QByteArray trimmed = line.trimmed();
    const qsizetype space = trimmed.indexOf(' ');
    if (space < 0) return {trimmed.toUpper(), QByteArray()};
    return {trimmed.left(space).toUpper(), trimmed.mid(space + 1).trimmed()};
}

bool QuotedText(const QByteArray& text, QByteArray& out) {
    const qsizetype first = text.indexOf('"');
    const qsizetype last = text.lastIndexOf('"');
    if (first < 0 || last <= first) return false;
    out = text.mid(first + 1, last - first - 1);
    return true;
}

void SetReport(Profile& p, const char* keyword, const QByteArray& value) {
    const auto it = p.reports.find(keyword);
    if (it != p.reports.end()) *it = value;
}

bool CapabilityRegistry::refuse(const QByteArray& what) {
    m_conflicts.append(what);
    return false;
}

bool CapabilityRegistry::addCommand(const QByteArray& words, CommandHandler handler) {
    const auto [first, rest] = SplitFirstWord(words);
    const auto [second, more] = SplitFirstWord(rest);
    const QByteArray key = second.isEmpty() ? first : first + ' ' + second;
    if (first.isEmpty() || !more.isEmpty() || !handler || m_commands.contains(key))
        return refuse("command " + words);
    m_commands.insert(key, std::move(handler));
    return true;
}

bool CapabilityRegistry::addHeaderCommand(const QByteArray& word, HeaderEnd end, CommandHandler handler) {
    const QByteArray key = word.trimmed().toUpper();
    if (key.isEmpty() || key.contains(' ') || !end || !handler || m_commands.contains(key))
        return refuse("header command " + word);
    m_commands.insert(key, std::move(handler));
    m_headers.insert(key, std::move(end));
    return true;
}

bool CapabilityRegistry::addLinePrefix(char first, CommandHandler handler) {
    if (!handler || m_prefixes.contains(first)) return refuse("line prefix " + QByteArray(1, first).toHex());
    m_prefixes.insert(first, std::move(handler));
    return true;
}

bool CapabilityRegistry::addReport(const QByteArray& keyword, ReportHandler handler) {
    const QByteArray key = keyword.toUpper();
    if (key.isEmpty() || !handler || m_reports.contains(key) || m_reportLists.contains(key))
        return refuse("report " + keyword);
    m_reports.insert(key, std::move(handler));
    return true;
}

bool CapabilityRegistry::addReportList(const QByteArray& keyword, ReportListHandler handler) {
    const QByteArray key = keyword.toUpper();
    if (key.isEmpty() || !handler || m_reports.contains(key) || m_reportLists.contains(key))
        return refuse("report list " + keyword);
    m_reportLists.insert(key, std::move(handler));
    return true;
}

bool CapabilityRegistry::addEscape(const QByteArray& sequence, CommandHandler handler) {
    if (sequence.size() < 2 || sequence[0] != '\x1b' || !handler || m_escapes.contains(sequence))
        return refuse("ESC sequence " + sequence.toHex(' '));
    m_escapes.insert(sequence, std::move(handler));
    return true;
}

bool CapabilityRegistry::run(Exchange& exchange, const Command& command) const {
    if (command.kind == Command::Kind::Escape) {
        const auto it = m_escapes.constFind(command.bytes);
        if (it == m_escapes.constEnd()) return false;
        (*it)(exchange, command.bytes);
        return true;
    }
    const QByteArray& line = command.bytes;
    if (!line.isEmpty()) {
        const auto it = m_prefixes.constFind(line[0]);
        if (it != m_prefixes.constEnd()) {
            (*it)(exchange, line);
            return true;
        }
    }
    const auto [first, rest] = SplitFirstWord(line);
    const auto [second, arguments] = SplitFirstWord(rest);
    if (!second.isEmpty()) {
        const auto it = m_commands.constFind(first + ' ' + second);
        if (it != m_commands.constEnd()) {
            (*it)(exchange, arguments);
            return true;
        }
    }
    const auto it = m_commands.constFind(first);
    if (it == m_commands.constEnd()) return false;
    (*it)(exchange, rest);
    return true;
}

std::optional<QByteArray> CapabilityRegistry::report(const Profile& profile,
                                                     const QByteArray& keyword) const {
    const QByteArray key = keyword.toUpper();
    const auto computed = m_reports.constFind(key);
    if (computed != m_reports.constEnd()) return (*computed)(profile);
    const auto it = profile.reports.constFind(key);
    if (it != profile.reports.constEnd()) return *it;
    return std::nullopt;
}

std::optional<QList<QByteArray>> CapabilityRegistry::reportFrames(const Profile& profile,
                                                                  const QByteArray& keyword) const {
    const auto list = m_reportLists.constFind(keyword.toUpper());
    if (list != m_reportLists.constEnd()) return (*list)(profile);
    const std::optional<QByteArray> data = report(profile, keyword);
    if (!data) return std::nullopt;
    return QList<QByteArray>{*data};
}

bool CapabilityRegistry::mayBeginCommand(const QByteArray& unfinishedLine) const {
    if (!unfinishedLine.isEmpty() && m_prefixes.contains(unfinishedLine[0])) return true;
    // Only the first word decides, and no command word is this long: a long line costs no
    // more than a short one.
    constexpr qsizetype kLongestWord = 64;
    const QByteArray head = unfinishedLine.left(4 * kLongestWord);
    qsizetype start = 0;
    while (start < head.size() && IsBlank(head[start]))
        ++start;
    const qsizetype space = head.indexOf(' ', start);
    const qsizetype length = (space < 0 ? head.size() : space) - start;
    if (length > kLongestWord) return false;
    const QByteArray word = head.mid(start, length).toUpper();
    for (auto it = m_commands.keyBegin(); it != m_commands.keyEnd(); ++it) {
        const qsizetype end = it->indexOf(' ');
        const QByteArray keyWord = end < 0 ? *it : it->left(end);
        if (space < 0 ? keyWord.startsWith(word) : keyWord == word) return true;
    }
    return false;
}

CapabilityRegistry::Match CapabilityRegistry::matchEscape(const QByteArray& bytes) const {
    if (m_escapes.contains(bytes)) return Match::Whole;
    for (auto it = m_escapes.keyBegin(); it != m_escapes.keyEnd(); ++it)
        if (it->startsWith(bytes)) return Match::Partly;
    return Match::No;
}

CapabilityRegistry::Match CapabilityRegistry::matchHeader(const QByteArray& unfinishedLine) const {
    qsizetype start = 0;
    while (start < unfinishedLine.size() && IsBlank(unfinishedLine[start]))
        ++start;
    const QByteArray text = unfinishedLine.mid(start);
    Match match = Match::No;
    for (auto it = m_headers.constBegin(); it != m_headers.constEnd(); ++it) {
        const QByteArray& word = it.key();
        if (text.size() <= word.size()) {
            // Not yet past the word: it may still become it.
            if (word.startsWith(text.toUpper())) match = Match::Partly;
            continue;
        }
        if (text.left(word.size()).toUpper() != word || text[word.size()] != ' ') continue;
        if ((*it)(unfinishedLine)) return Match::Whole;
        match = Match::Partly;
    }
    return match;
}

}   // namespace lb::sim
