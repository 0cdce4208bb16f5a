// SPDX-License-Identifier: Apache-2.0
#include "link/command_format.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace lb {

namespace {

void AppendPadded(QByteArray& out, const char* text, std::size_t length, int width, bool zeros) {
    const int pad = width - int(length);
    if (pad > 0) {
        // A zero pad goes after the sign: "%04d" of -5 is "-005".
        if (zeros && length > 0 && text[0] == '-') {
            out += '-';
            ++text;
            --length;
        }
        out += QByteArray(pad, zeros ? '0' : ' ');
    }
    out.append(text, qsizetype(length));
}

}   // namespace

QByteArray CommandInteger(int64_t value) {
    char text[24];
    const auto r = std::to_chars(text, text + sizeof text, value);
    return QByteArray(text, r.ptr - text);
}

QByteArray CommandFixed(double value, int decimals) {
    if (!std::isfinite(value) || decimals < 0 || decimals > kMaxCommandDecimals) return {};
    // A sign, the largest double's 309 digits before the point, the point and the decimals.
    QByteArray text(311 + decimals, Qt::Uninitialized);
    const auto r =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc()) return {};
    text.truncate(r.ptr - text.constData());
    return text;
}

QByteArray FormatCommand(const char* format, std::initializer_list<CommandArg> args) {
    QByteArray out;
    const CommandArg* arg = args.begin();
    auto next = [&]() -> const CommandArg::Value* {
        if (arg == args.end()) {
            Q_ASSERT_X(false, "FormatCommand", "missing argument");
            return nullptr;
        }
        return &(arg++)->value();
    };
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        ++p;
        if (*p == '%') {
            out += '%';
            continue;
        }
        const bool zeros = *p == '0';
        if (zeros) ++p;
        int width = 0;
        while (*p >= '0' && *p <= '9')
            width = width * 10 + (*p++ - '0');
        int decimals = -1;
        if (*p == '.') {
            decimals = 0;
            for (++p; *p >= '0' && *p <= '9'; ++p)
                decimals = decimals * 10 + (*p - '0');
        }
        const CommandArg::Value* v = next();
        QByteArray text;
        // A conversion that fails writes nothing, not even its padding: a NaN padded with
        // zeros would reach the printer as a number.
        bool written = false;
        switch (*p) {
        case 'd':
            if (v && std::holds_alternative<int64_t>(*v)) {
                text = CommandInteger(std::get<int64_t>(*v));
                written = true;
            } else {
                Q_ASSERT_X(false, "FormatCommand", "%d takes an integer");
            }
            break;
        case 'f':
            if (v && std::holds_alternative<double>(*v)) {
                text = CommandFixed(std::get<double>(*v), decimals < 0 ? 6 : decimals);
                written = !text.isEmpty();
            } else {
                Q_ASSERT_X(false, "FormatCommand", "%f takes a real");
            }
            break;
        case 'c':
            if (v && std::holds_alternative<char>(*v)) {
                text = QByteArray(1, std::get<char>(*v));
                written = true;
            } else {
                Q_ASSERT_X(false, "FormatCommand", "%c takes a character");
            }
            break;
        case 's':
            if (v && std::holds_alternative<const char*>(*v)) {
                text = std::get<const char*>(*v);
                written = true;
            } else {
                Q_ASSERT_X(false, "FormatCommand", "%s takes a text");
            }
            break;
        default:
            Q_ASSERT_X(false, "FormatCommand", "unknown conversion");
            if (!*p) return out;
            break;
        }
        // As printf, the 0 flag pads numbers with zeros and texts with spaces.
        if (written)
            AppendPadded(out, text.constData(), std::size_t(text.size()), width,
                         zeros && (*p == 'd' || *p == 'f'));
    }
    Q_ASSERT_X(arg == args.end(), "FormatCommand", "too many arguments");
    return out;
}

bool IsQuotableText(const QByteArray& text) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '"') return false;
    }
    return true;
}

}   // namespace lb
