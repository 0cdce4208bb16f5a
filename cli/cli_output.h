// SPDX-License-Identifier: Apache-2.0
#pragma once
// What every command prints on failure, and texts made safe for a terminal.

#include "cli/cli_app.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QString>

class QIODevice;

namespace lb::cli {

// The context of the command line's texts for translators: tables hold
// QT_TRANSLATE_NOOP("LabelBenchCli", ...) and are shown through Translated().
class CliText {
    Q_DECLARE_TR_FUNCTIONS(LabelBenchCli)
};
inline QString Translated(const char* text) {
    return QCoreApplication::translate("LabelBenchCli", text);
}

// A printer error: its English message (the same in every language, for scripts), then which
// link failed and why on a second line. Returns the error code as the exit status.
int Fail(const CliStreams& s, int code);

// Bad usage: the message and where to find help ("labelbench-cli" or "labelbench-cli COMMAND").
// Returns kExitUsage; nothing was sent.
int Usage(const CliStreams& s, const QString& message,
          const QString& helpOf = QStringLiteral("labelbench-cli"));

// Input that cannot be used, such as a file's value the printer cannot be sent. Returns
// kExitUsage; nothing was sent.
int BadInput(const CliStreams& s, const QString& message);

// A text from a file, a printer or a device as a terminal line: control characters (C0, DEL
// and C1) are shown escaped, so a crafted text can neither forge lines nor reach the terminal
// as an escape sequence.
QString Printable(const QString& text);

// A JSON document's text with DEL and the C1 controls escaped (\u007f, \u0080…\u009f) as
// well as the C0 ones Qt escapes: a crafted name cannot reach the terminal raw through --json.
QByteArray JsonText(const QJsonDocument& document, QJsonDocument::JsonFormat format);

// Whether the command's standard input is a terminal a question can be asked on.
bool InputIsTerminal(QIODevice* in);

}   // namespace lb::cli
