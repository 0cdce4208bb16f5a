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
    *s.err << "labelbench-cli: " << message << '\n' << CliText::tr("Try '%1 --help'.").arg(helpOf) << '\n';
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

}   // namespace lb::cli
