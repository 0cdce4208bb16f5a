// SPDX-License-Identifier: Apache-2.0
#include "cli/cli_output.h"

#include "link/link_error.h"
#include "link/link_wait.h"

#include <QFile>
#include <QTextStream>
#include <unistd.h>

namespace lb::cli {

int Fail(const CliStreams& s, int code) {
    // An interrupted run says so once, at its end, instead of the error the cancel caused.
    if (LinkCancelRequested()) return code;
    *s.err << LinkErrorTextEnglish(code) << '\n';
    // Which link failed and why, on a line of its own, so the first line stays the message.
    const QString detail = LinkErrorDetail(code);
    if (!detail.isEmpty()) *s.err << detail << '\n';
    s.err->flush();
    return code;
}

int Usage(const CliStreams& s, const QString& message, const QString& helpOf) {
    // A mistyped argument is echoed in the message: shown escaped, never raw to the terminal.
    *s.err << "labelbench-cli: " << Printable(message) << '\n'
           << CliText::tr("Try '%1 --help'.").arg(Printable(helpOf)) << '\n';
    s.err->flush();
    return kExitUsage;
}

int BadInput(const CliStreams& s, const QString& message) {
    if (LinkCancelRequested()) return kExitUsage;
    // The note ends the sentence, so the message's own full stop is dropped.
    QString text = message;
    while (text.endsWith(u'.'))
        text.chop(1);
    *s.err << "labelbench-cli: " << CliText::tr("%1; nothing was sent").arg(text) << '\n';
    s.err->flush();
    return kExitUsage;
}

bool InputIsTerminal(QIODevice* in) {
    const auto* file = qobject_cast<QFile*>(in);
    return file && file->handle() >= 0 && isatty(file->handle()) == 1;
}

QString Printable(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            out += QStringLiteral("\\x%1").arg(unsigned(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QByteArray JsonText(const QJsonDocument& document, QJsonDocument::JsonFormat format) {
    const QByteArray json = document.toJson(format);
    // Outside strings JSON is plain ASCII, so these bytes stand only inside strings; 0xC2 is
    // always the lead byte of a two-byte character in UTF-8.
    QByteArray out;
    out.reserve(json.size());
    for (qsizetype i = 0; i < json.size(); ++i) {
        const auto b = uint8_t(json[i]);
        if (b == 0x7F) {
            out += "\\u007f";
        } else if (b == 0xC2 && i + 1 < json.size() && uint8_t(json[i + 1]) >= 0x80 &&
                   uint8_t(json[i + 1]) <= 0x9F) {
            out += "\\u00" + QByteArray::number(uint8_t(json[++i]), 16);
        } else {
            out += char(b);
        }
    }
    return out;
}

}   // namespace lb::cli
