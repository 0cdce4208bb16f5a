// SPDX-License-Identifier: Apache-2.0
#include "cli/password_gate.h"

#include "cli/cli_output.h"
#include "config/password.h"
#include "link/dispatcher.h"
#include "link/link_error.h"

#include <QTextStream>

namespace lb::cli {

int CheckPasswordGate(InterfaceKind kind, const std::optional<QByteArray>& entry) {
    char password[kPasswordBufferSize];
    const int result = RunPrinterOperation(kOpReadPassword, kind, password, 0);
    if (result != kLinkOk) return result;
    // A missing --password is a dialog that was never confirmed.
    const GateAnswer answer = entry ? GateAnswer::Confirmed : GateAnswer::Cancelled;
    return PasswordGatePasses(QByteArray(password), answer, entry.value_or(QByteArray()))
               ? 0
               : kExitPasswordRefused;
}

CommandOption PasswordGateOption() {
    return {"password", "TEXT",
            QT_TRANSLATE_NOOP("LabelBenchCli",
                              "the printer's password, when it has one (exit status 7 when it\n"
                              "differs or is missing; nothing is sent then)")};
}

int RunGated(const CommandRun& run, const std::function<int()>& action) {
    const CliStreams& s = run.streams();
    std::optional<QByteArray> entry;
    if (const std::optional<QString> given = run.value("password")) {
        QByteArray bytes;
        if (!PasswordBytes(*given, bytes))
            return run.usage(CliText::tr("--password holds a character outside Latin-1"));
        entry = bytes;
    }
    const int gate = CheckPasswordGate(run.kind(), entry);
    if (gate == kExitPasswordRefused) {
        *s.err << "labelbench-cli: "
               << (entry ? CliText::tr("Incorrect: --password does not match the printer's password; "
                                       "nothing was sent")
                         : CliText::tr("Incorrect: the printer's password was not given; nothing was sent"))
               << '\n';
        s.err->flush();
        return kExitPasswordRefused;
    }
    if (gate != kLinkOk) return Fail(s, gate);
    const int result = action();
    return result == kLinkOk ? 0 : Fail(s, result);
}

}   // namespace lb::cli
