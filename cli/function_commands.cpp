// The printer's one-shot functions.

#include "cli/cli_output.h"
#include "cli/command_registry.h"
#include "cli/password_gate.h"
#include "config/printer_config.h"
#include "functions/test_page.h"
#include "link/dispatcher.h"
#include "link/link_error.h"

namespace lb::cli {
namespace {

int RunOperation(const CommandRun& run, uint32_t code) {
    const int result = RunPrinterOperation(code, run.kind(), nullptr, 0);
    return result == kLinkOk ? 0 : Fail(run.streams(), result);
}

int RunLeaveLineMode(const CommandRun& run) {
    return RunOperation(run, kOpLeaveLineMode);
}
int RunSelfTest(const CommandRun& run) {
    return RunOperation(run, kOpSelfTest);
}
int RunReset(const CommandRun& run) {
    return RunOperation(run, kOpResetPrinter);
}
int RunIgnoreAutoBas(const CommandRun& run) {
    return RunOperation(run, kOpIgnoreAutoBas);
}

int RunTestPage(const CommandRun& run) {
    const CliStreams& s = run.streams();
    // The page is laid out from the label the printer reports, so it is read first.
    PrinterConfig config{};
    ClearConfig(config);
    int result = RunPrinterOperation(kOpReadConfiguration, run.kind(), &config, 0);
    if (result != kLinkOk) return Fail(s, result);
    if (!config.PaperWidth.present) return run.usage(CliText::tr("Please Enter Paper Width"));
    if (!config.PaperHeight.present) return run.usage(CliText::tr("Please Enter Paper Height"));
    TestPageRequest request = TestPageRequestFromConfig(config);
    result = RunPrinterOperation(kOpPrintTestPage, run.kind(), &request, 0);
    return result == kLinkOk ? 0 : Fail(s, result);
}

int RunFactoryDefault(const CommandRun& run) {
    return RunGated(run, [&] { return RunPrinterOperation(kOpFactoryDefault, run.kind(), nullptr, 0); });
}

}   // namespace

std::vector<Command> FunctionCommands() {
    return {
        {.name = "line-mode-out",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "make the printer leave line mode"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                   "Sends ESC Z CR LF, which makes the printer leave line mode."),
         .run = RunLeaveLineMode},
        {.name = "self-test",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "print the configuration page"),
         .help =
             QT_TRANSLATE_NOOP("LabelBenchCli", "Sends SELFTEST; the printer prints its configuration page."),
         .run = RunSelfTest},
        {.name = "reset",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "reset the printer"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli", "Sends ESC ! R; the printer resets."),
         .run = RunReset},
        {.name = "ignore-auto",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "start without running AUTO.BAS"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                   "Sends ESC ! C; the printer skips its AUTO.BAS start-up program."),
         .run = RunIgnoreAutoBas},
        {.name = "test-page",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "read the configuration, then print a test page"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                   "Reads the printer's configuration, then prints a test page sized to its\n"
                                   "label (paper width and height from the read)."),
         .run = RunTestPage},
        {.name = "factory-default",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "return the printer to its factory settings"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                   "Sends INITIALPRINTER; the printer returns to its factory settings."),
         .options = {PasswordGateOption()},
         .run = RunFactoryDefault},
    };
}

}   // namespace lb::cli
