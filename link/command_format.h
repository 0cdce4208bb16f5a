// SPDX-License-Identifier: Apache-2.0
#pragma once
// Printer command texts, independent of the desktop's locale.
//
// Qt sets the C library's locale from the environment, so printf("%.2f") writes "4,00" on a
// German desktop and the printer reads a different number. Every number that goes into a
// printer command is formatted here instead, with std::to_chars, which knows no locale.

#include <QByteArray>
#include <cstdint>
#include <initializer_list>
#include <variant>

namespace lb {

// One argument of FormatCommand.
class CommandArg {
public:
    CommandArg(int v) : m_value(int64_t(v)) {}
    CommandArg(long v) : m_value(int64_t(v)) {}
    CommandArg(long long v) : m_value(int64_t(v)) {}
    CommandArg(unsigned v) : m_value(int64_t(v)) {}
    CommandArg(double v) : m_value(v) {}
    CommandArg(char v) : m_value(v) {}
    CommandArg(const char* v) : m_value(v ? v : "") {}
    CommandArg(const QByteArray& v) : m_value(v.constData()) {}

    using Value = std::variant<int64_t, double, char, const char*>;
    const Value& value() const { return m_value; }

private:
    Value m_value;
};

// printf-style formatting of a command for the conversions the printer's commands use:
// %d, %.Nf, %s, %c and %%, each with an optional width; the 0 flag pads %d and %f with
// zeros after the sign (%03d, %04d, %06.2f), the others with spaces. A conversion whose
// argument has another type, a missing argument or an unknown conversion is a programming
// error: it asserts in debug builds and writes nothing for that conversion. A non-finite %f,
// or one with more than kMaxCommandDecimals decimals, writes nothing, padding included;
// builders refuse such values before they format.
QByteArray FormatCommand(const char* format, std::initializer_list<CommandArg> args);

// Every decimal a double can have: beyond it printf writes only zeros.
constexpr int kMaxCommandDecimals = 1074;

// The decimal text of an integer, and of a real with a fixed number of decimals (rounded
// as printf rounds); empty for a non-finite value or decimals outside 0..kMaxCommandDecimals.
QByteArray CommandInteger(int64_t value);
QByteArray CommandFixed(double value, int decimals);

// Whether a text may go between the double quotes of a printer command: no '"' and no
// control character (below 0x20, or 0x7F). A quote would end the text early, CR or LF
// end the command, NUL ends the C string, ESC starts a printer sequence (ESC ! R resets).
bool IsQuotableText(const QByteArray& text);

}   // namespace lb
