// SPDX-License-Identifier: Apache-2.0
#pragma once
// The table of labelbench-cli's commands. Each subsystem's file returns its commands; the
// registry lists those files once, parses every command's options with QCommandLineParser and
// builds the --help texts from the table.

#include "cli/cli_app.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QCommandLineParser;

namespace lb::cli {

// Texts in these tables are QT_TRANSLATE_NOOP("LabelBenchCli", ...).
struct CommandOption {
    const char* name = nullptr;          // without the dashes: "unit" is --unit
    const char* valueName = nullptr;     // "inch|mm"; nullptr for a flag
    const char* description = nullptr;   // one line, or several separated by '\n'
    bool required = false;               // shown without brackets; missing is bad usage
};

struct CommandArgument {
    const char* name = nullptr;   // "FILE"
    const char* description = nullptr;
    bool optional = false;   // may be left out; only arguments after every required one
};

class CommandRun;
using CommandFunction = int (*)(const CommandRun& run);

struct Command {
    const char* name = nullptr;
    const char* summary = nullptr;   // the line in labelbench-cli --help
    const char* help = nullptr;      // what COMMAND --help says below the synopsis
    std::vector<CommandOption> options{};
    std::vector<CommandArgument> arguments{};   // each given once, in this order, unless optional
    CommandFunction run = nullptr;
    // A command with subcommands ("memory list") runs none of its own: its first argument
    // names the subcommand, which has its own options, arguments and help.
    std::vector<Command> subcommands{};
    // With --hosts: a command that works without a printer is refused, and so is one that
    // would ask a question: always (asksUnless ""), or unless its option asksUnless is given.
    bool printerless = false;
    const char* asksUnless = nullptr;
};

// What a command's run function gets: the streams, the selected link and its parsed
// command line. The link settings are registered before the function runs.
class CommandRun {
public:
    CommandRun(const CliStreams& streams, InterfaceKind kind, QString path, const QCommandLineParser& parser,
               QStringList arguments)
        : m_streams(streams), m_kind(kind), m_path(std::move(path)), m_parser(parser),
          m_arguments(std::move(arguments)) {}

    const CliStreams& streams() const { return m_streams; }
    InterfaceKind kind() const { return m_kind; }
    // The positional arguments, one per CommandArgument.
    const QStringList& arguments() const { return m_arguments; }
    bool isSet(const char* option) const;
    // The option's value (options with a value are given at most once), nullopt when absent.
    std::optional<QString> value(const char* option) const;
    // Bad usage of this command: the message and "Try 'labelbench-cli COMMAND --help'".
    int usage(const QString& message) const;

private:
    const CliStreams& m_streams;
    InterfaceKind m_kind;
    QString m_path;   // "labelbench-cli memory list"
    const QCommandLineParser& m_parser;
    QStringList m_arguments;
};

// The commands of each subsystem, in the order labelbench-cli --help lists them.
std::vector<Command> LinkCommands();
std::vector<Command> ConfigCommands();
std::vector<Command> FunctionCommands();
std::vector<Command> FileCommands();
std::vector<Command> SensorCommands();
std::vector<Command> FontCommands();
// build-font, download-font and show-font draw with the desktop's fonts: labelbench-cli
// makes a QGuiApplication for them only.
bool IsFontCommand(const QString& name);

// Every command, built once.
const std::vector<Command>& Commands();

// Runs one command line (without the program name) against a table of commands: the link
// options before the command, then the command with its own options. Returns the exit status.
int RunCommandLine(const std::vector<Command>& commands, const QStringList& arguments,
                   const CliStreams& streams);

}   // namespace lb::cli
