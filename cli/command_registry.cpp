// SPDX-License-Identifier: Apache-2.0
#include "cli/command_registry.h"

#include "cli/cli_output.h"
#include "cli/fleet.h"
#include "cli/link_options.h"
#include "link/link_observer.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <algorithm>

namespace lb::cli {
namespace {

const QString kProgram = QStringLiteral("labelbench-cli");

// Draws "[#####     ]  50%" on stderr while a long transfer runs.
class ProgressBarObserver : public LinkObserver {
public:
    explicit ProgressBarObserver(QTextStream* err) : m_err(err) {}
    void progressShown() override { m_visible = true; }
    void progressChanged(int value) override {
        if (!m_visible || value == m_last) return;
        m_last = value;
        const int filled = value * 40 / 100;
        *m_err << '\r' << '[' << QString(filled, '#') << QString(40 - filled, ' ') << "] "
               << qSetFieldWidth(3) << value << qSetFieldWidth(0) << '%';
        m_err->flush();
    }
    void progressHidden() override {
        if (m_visible && m_last >= 0) {
            *m_err << '\n';
            m_err->flush();
        }
        m_visible = false;
        m_last = -1;
    }

private:
    QTextStream* m_err;
    bool m_visible = false;
    int m_last = -1;
};

using Rows = QList<std::pair<QString, QString>>;

// "  left  text" rows with every text starting in one column; a left side wider than maxLeft
// puts its text on the next line, and a text's further lines are indented to the column too.
QString Columns(const Rows& rows, int maxLeft) {
    int width = 0;
    for (const auto& row : rows)
        if (row.first.size() <= maxLeft) width = std::max(width, int(row.first.size()));
    const QString indent(2 + width + 2, ' ');
    QString out;
    for (const auto& [left, text] : rows) {
        out += "  " + left;
        if (!text.isEmpty()) {
            out += left.size() > width ? '\n' + indent : QString(width + 2 - left.size(), ' ');
            out += QString(text).replace('\n', '\n' + indent);
        }
        out += '\n';
    }
    return out;
}

QString OptionText(const CommandOption& option) {
    QString text = QStringLiteral("--") + option.name;
    if (option.valueName) text += ' ' + QLatin1String(option.valueName);
    return text;
}

// "B" or, when it may be left out, "[B]".
QString ArgumentText(const CommandArgument& argument) {
    const QString name = QLatin1String(argument.name);
    return argument.optional ? '[' + name + ']' : name;
}

qsizetype RequiredArguments(const Command& c) {
    return std::count_if(c.arguments.begin(), c.arguments.end(),
                         [](const CommandArgument& argument) { return !argument.optional; });
}

// "show-config FILE [--unit inch|mm] [--json]": the arguments, then the options as declared.
QString Synopsis(const Command& c, const QString& path) {
    QString text = path;
    if (!c.subcommands.empty()) return text + ' ' + CliText::tr("COMMAND");
    for (const CommandArgument& argument : c.arguments)
        text += ' ' + ArgumentText(argument);
    for (const CommandOption& option : c.options)
        text += ' ' + (option.required ? OptionText(option) : '[' + OptionText(option) + ']');
    return text;
}

Rows CommandRows(const std::vector<Command>& commands) {
    Rows rows;
    for (const Command& c : commands)
        rows.append({Synopsis(c, c.name), Translated(c.summary)});
    return rows;
}

QString OverallHelp(const std::vector<Command>& commands) {
    QString text = CliText::tr("Usage: labelbench-cli [LINK OPTIONS] COMMAND [ARGS]\n"
                               "       labelbench-cli --help | --version") +
                   "\n\n" + CliText::tr("Link options:") + '\n' + Columns(LinkOptionsHelp(), 34) + '\n' +
                   CliText::tr("Commands:") + '\n' + Columns(CommandRows(commands), 13) + '\n';
    text += CliText::tr("COMMAND --help describes a command.\n"
                        "Exit status: 0 success; 1-6 the printer error shown on stderr; 7 password refused;\n"
                        "8 an assisted calibration found no usable level; 9 with --hosts, some printer\n"
                        "failed (each printer's line or block tells its own status); 10 diff-config found\n"
                        "differences; 64 bad usage or bad input (nothing sent); 74 the output could not\n"
                        "be written; 130 interrupted by Ctrl-C (the link closed, no output file).\n");
    return text;
}

// path is the command as typed, without the program: "password", "memory list".
QString CommandHelp(const Command& c, const QString& path) {
    QString text = Synopsis(c, path) + '\n' + Translated(c.help) + '\n';
    Rows arguments, options;
    for (const CommandArgument& argument : c.arguments)
        arguments.append({argument.name, Translated(argument.description)});
    for (const CommandOption& option : c.options)
        options.append({OptionText(option), Translated(option.description)});
    if (!arguments.isEmpty()) text += '\n' + CliText::tr("Arguments:") + '\n' + Columns(arguments, 20);
    if (!options.isEmpty()) text += '\n' + CliText::tr("Options:") + '\n' + Columns(options, 24);
    if (!c.subcommands.empty())
        text += '\n' + CliText::tr("Commands:") + '\n' + Columns(CommandRows(c.subcommands), 13);
    return text;
}

int PrintHelp(const CliStreams& s, const QString& text) {
    *s.out << text;
    s.out->flush();
    return 0;
}

const QCommandLineOption kHelpOption(QStringList{"h", "help"});

// What QCommandLineParser found wrong with a command's arguments, in the words of this program.
QString ParseProblem(const QCommandLineParser& parser, const Command& c, const QStringList& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        // A value can only be missing after the last argument.
        const QString last = arguments.isEmpty() ? QString() : arguments.last();
        for (const CommandOption& option : c.options)
            if (option.valueName && last == QStringLiteral("--") + option.name)
                return CliText::tr("%1 takes a value").arg(last);
        return parser.errorText();
    }
    const QString& name = unknown.first();
    if (IsLinkOptionName(name))
        return CliText::tr("--%1 is a link option: give it before the command").arg(name);
    return CliText::tr("unknown option %1").arg((name.size() == 1 ? "-" : "--") + name);
}

QString ArgumentCountProblem(const Command& c, const QString& path) {
    const int count = int(c.arguments.size());
    if (count == 0) return CliText::tr("%1 takes no argument").arg(path);
    QStringList names;
    for (const CommandArgument& argument : c.arguments)
        names.append(ArgumentText(argument));
    if (count == 1) return CliText::tr("%1 takes one argument, %2").arg(path, names.first());
    const qsizetype required = RequiredArguments(c);
    if (required < count)
        return CliText::tr("%1 takes %2 to %3 arguments: %4")
            .arg(path)
            .arg(required)
            .arg(count)
            .arg(names.join(' '));
    return CliText::tr("%1 takes %2 arguments: %3").arg(path).arg(count).arg(names.join(' '));
}

struct Dispatch {
    const CliStreams& streams;
    const LinkOptions& link;
};

int RunCommand(const Command& c, const QString& path, const QStringList& arguments, bool help,
               const Dispatch& d);

bool HasOption(const Command& c, const char* name) {
    return std::any_of(c.options.begin(), c.options.end(),
                       [name](const CommandOption& option) { return qstrcmp(option.name, name) == 0; });
}

// The options whose value names a file the command writes.
constexpr const char* kOutputFileOptions[] = {"save", "out", "backup"};

// The command's arguments for one printer: each output file named for it.
QStringList PrinterArguments(const QStringList& arguments, const HostPort& printer) {
    QStringList result = arguments;
    for (qsizetype i = 0; i < result.size(); ++i)
        for (const char* name : kOutputFileOptions) {
            const QString option = QStringLiteral("--") + QLatin1String(name);
            if (result[i] == option && i + 1 < result.size()) {
                result[i + 1] = PrinterFileName(result[i + 1], printer);
                ++i;
                break;
            }
            if (result[i].startsWith(option + '='))
                result[i] = option + '=' + PrinterFileName(result[i].mid(option.size() + 1), printer);
        }
    return result;
}

// The command on every printer of --hosts, once its command line has been found sound and
// nothing would stop it before the printer: what cannot work on a fleet is refused here, before
// any printer is contacted.
int RunOnFleet(const Command& c, const QString& path, const QStringList& arguments, bool fleetJson,
               const QCommandLineParser& parser, const Dispatch& d) {
    const CliStreams& s = d.streams;
    const QString helpOf = kProgram + ' ' + path;
    const LinkOptions& link = d.link;
    if (c.printerless || (path == QLatin1String("diff-config") && parser.positionalArguments().size() == 2))
        return Usage(s, CliText::tr("%1 does not talk to a printer: --hosts does not apply").arg(path),
                     helpOf);
    if (c.asksUnless && (!*c.asksUnless || !parser.isSet(c.asksUnless))) {
        if (!*c.asksUnless)
            return Usage(s, CliText::tr("%1 asks questions: it cannot run with --hosts").arg(path), helpOf);
        return Usage(s,
                     CliText::tr("%1 asks first: give --%2 to run it with --hosts").arg(path, c.asksUnless),
                     helpOf);
    }
    for (const char* name : kOutputFileOptions) {
        if (!HasOption(c, name) || !parser.isSet(name) || link.hosts.size() < 2) continue;
        if (!parser.value(name).contains(QLatin1String("{host}")))
            return Usage(s,
                         CliText::tr("--%1 must name a file for each printer: put {host} (and {port} if you "
                                     "like) in it, as in before-{host}.dcf")
                             .arg(name),
                         helpOf);
    }
    const bool readsInput = parser.positionalArguments().contains(QStringLiteral("-"));
    return RunFleet(
        link.hosts, link.jobs, fleetJson, readsInput ? s.in : nullptr,
        [&](const HostPort& printer, const CliStreams& streams) {
            LinkOptions one = link;
            one.hosts.clear();
            one.host = printer.host;
            one.port = printer.port;
            return RunCommand(c, path, PrinterArguments(arguments, printer), false, {streams, one});
        },
        s);
}

int RunCommand(const Command& c, const QString& path, const QStringList& givenArguments, bool help,
               const Dispatch& d) {
    const CliStreams& s = d.streams;
    const QString helpOf = kProgram + ' ' + path;
    // On a fleet, --json asks for the JSON lines also of a command that prints no JSON.
    QStringList arguments = givenArguments;
    const bool fleet = !d.link.hosts.isEmpty() && c.subcommands.empty();
    const bool fleetJson =
        fleet && (HasOption(c, "json") ? arguments.contains(QStringLiteral("--json"))
                                       : arguments.removeAll(QStringLiteral("--json")) > 0);
    QCommandLineParser parser;
    parser.addOption(kHelpOption);
    if (!c.subcommands.empty()) {
        if (c.printerless && !d.link.hosts.isEmpty() && !help)
            return Usage(s, CliText::tr("%1 does not talk to a printer: --hosts does not apply").arg(path),
                         helpOf);
        // Everything after the subcommand's name is the subcommand's.
        parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
        const bool parsed = parser.parse(QStringList{kProgram} + arguments);
        help = help || parser.isSet(kHelpOption);
        const QStringList rest = parser.positionalArguments();
        if (!parsed && !help) return Usage(s, ParseProblem(parser, c, arguments), helpOf);
        if (rest.isEmpty()) {
            if (help) return PrintHelp(s, CommandHelp(c, path));
            return Usage(s, CliText::tr("%1 needs a command").arg(path), helpOf);
        }
        const auto sub =
            std::find_if(c.subcommands.begin(), c.subcommands.end(),
                         [&](const Command& candidate) { return rest.first() == candidate.name; });
        if (sub == c.subcommands.end())
            return Usage(s, CliText::tr("unknown command %1 %2").arg(path, rest.first()), helpOf);
        return RunCommand(*sub, path + ' ' + sub->name, rest.mid(1), help, d);
    }

    for (const CommandOption& option : c.options)
        parser.addOption(option.valueName ? QCommandLineOption(option.name, QString(), option.valueName)
                                          : QCommandLineOption(option.name));
    const bool parsed = parser.parse(QStringList{kProgram} + arguments);
    // --help anywhere after the command, unless it is an option's value.
    if (help || parser.isSet(kHelpOption)) return PrintHelp(s, CommandHelp(c, path));
    if (!parsed) return Usage(s, ParseProblem(parser, c, arguments), helpOf);
    for (const CommandOption& option : c.options) {
        if (option.valueName && parser.values(option.name).size() > 1)
            return Usage(s, CliText::tr("--%1 given twice").arg(option.name), helpOf);
        if (option.required && !parser.isSet(option.name))
            return Usage(s, CliText::tr("%1 needs %2").arg(path, OptionText(option)), helpOf);
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() < RequiredArguments(c) || positional.size() > qsizetype(c.arguments.size()))
        return Usage(s, ArgumentCountProblem(c, path), helpOf);

    if (fleet) return RunOnFleet(c, path, arguments, fleetJson, parser, d);
    RegisterLinkOptions(d.link);
    ProgressBarObserver bar(s.err);
    ScopedObserver observer(s.progressBar ? static_cast<LinkObserver*>(&bar) : nullptr);
    return c.run(CommandRun(s, d.link.kind, helpOf, parser, positional));
}

}   // namespace

bool CommandRun::isSet(const char* option) const {
    return m_parser.isSet(option);
}

std::optional<QString> CommandRun::value(const char* option) const {
    if (!m_parser.isSet(option)) return std::nullopt;
    return m_parser.value(option);
}

int CommandRun::usage(const QString& message) const {
    return Usage(m_streams, message, m_path);
}

// The network commands (cli/net_commands.cpp).
std::vector<Command> NetworkCommands();

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = [] {
        std::vector<Command> all;
        for (std::vector<Command> (*files)() : {LinkCommands, FunctionCommands, SensorCommands,
                                                ConfigCommands, FileCommands, FontCommands, NetworkCommands})
            for (Command& c : files())
                all.push_back(std::move(c));
        return all;
    }();
    return commands;
}

int RunCommandLine(const std::vector<Command>& commands, const QStringList& arguments, const CliStreams& s) {
    const LinkCommandLine line = ParseLinkOptions(arguments);
    if (!line.problem.isEmpty()) return Usage(s, line.problem);
    if (line.version) return PrintHelp(s, kProgram + QStringLiteral(" " LABELBENCH_VERSION_TEXT "\n"));
    if (line.command.isEmpty()) {
        if (line.help) return PrintHelp(s, OverallHelp(commands));
        return Usage(s, CliText::tr("no command given"));
    }
    const QString& name = line.command.first();
    const auto it =
        std::find_if(commands.begin(), commands.end(), [&](const Command& c) { return name == c.name; });
    if (it == commands.end()) return Usage(s, CliText::tr("unknown command %1").arg(name));
    return RunCommand(*it, it->name, line.command.mid(1), line.help, {s, line.link});
}

}   // namespace lb::cli
