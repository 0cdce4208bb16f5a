// SPDX-License-Identifier: Apache-2.0
// The man pages say what the programs' --help says: every option and every command on both,
// read from the scdoc sources (packaging/man/*.1.scd, whose header comment tells how) and from
// the help texts as they are printed, so that a new option or command is found without a list
// here.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <map>

namespace {

struct Program {
    const char* name;
    const char* path;
};

const Program kPrograms[] = {{"labelbench", LABELBENCH_GUI_PATH},
                             {"labelbench-cli", LABELBENCH_CLI_PATH},
                             {"labelbench-sim", LABELBENCH_SIM_PATH}};

QString PathOf(const QString& program) {
    for (const Program& p : kPrograms)
        if (program == QLatin1String(p.name)) return QString::fromLocal8Bit(p.path);
    return {};
}

struct Output {
    int exitCode = -1;
    QString out;
};

Output Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(PathOf(program), arguments);
    Output output;
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return output;
    }
    output.exitCode = process.exitCode();
    output.out = QString::fromUtf8(process.readAllStandardOutput());
    return output;
}

// --- The help texts -------------------------------------------------------------------------

// What a --help text lists: the options of its rows and the first words of its command rows.
// A section starts with a line such as "Options:" or "Link options:"; its rows are the lines
// indented by exactly two spaces, a row's left column ends at the first two spaces.
struct HelpLists {
    QSet<QString> options;
    QStringList commands;
    QString exitStatusText;   // what follows "Exit status:"
};

const QRegularExpression kHelpOption(QStringLiteral("(?:^|[\\s,\\[|])(--?[A-Za-z][A-Za-z0-9-]*)"));

void AddOptions(const QString& text, QSet<QString>& options) {
    for (const QRegularExpressionMatch& m : kHelpOption.globalMatch(text))
        options.insert(m.captured(1));
}

HelpLists ReadHelp(const QString& help) {
    HelpLists lists;
    QString section;
    bool usage = false;
    const QStringList lines = help.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        // "Exit status: ..." runs to the next blank line; a command's help may go on after it.
        if (line.startsWith(u"Exit status:")) {
            qsizetype end = i;
            while (end < lines.size() && !lines[end].trimmed().isEmpty())
                ++end;
            lists.exitStatusText += lines.mid(i, end - i).join(u' ').mid(int(qstrlen("Exit status:")));
            i = end;
            continue;
        }
        if (line.startsWith(u"Usage:")) {
            usage = true;
            AddOptions(line.mid(6), lists.options);
            continue;
        }
        // "Usage: labelbench-cli ..." may go on with "       labelbench-cli --help | --version".
        if (usage && line.startsWith(u' ') && !line.trimmed().isEmpty()) {
            AddOptions(line, lists.options);
            continue;
        }
        usage = false;
        if (!line.isEmpty() && !line.front().isSpace() && line.endsWith(u':')) {
            section = line;
            continue;
        }
        if (!line.startsWith(u"  ") || line.size() < 3 || line[2].isSpace()) continue;
        const QString row = line.mid(2);
        if (section == u"Commands:") {
            lists.commands.append(row.section(u' ', 0, 0));
        } else if (section != u"Arguments:") {
            const qsizetype gap = row.indexOf(QStringLiteral("  "));
            AddOptions(gap < 0 ? row : row.left(gap), lists.options);
        }
    }
    return lists;
}

// The statuses an "Exit status:" text names: "0 success; 1-6 the printer error; ..."
QStringList ExitStatuses(const QString& text) {
    static const QRegularExpression status(QStringLiteral("(?:^|;)\\s*(\\d+(?:-\\d+)?)\\s"));
    QStringList statuses;
    for (const QRegularExpressionMatch& m : status.globalMatch(text))
        statuses.append(m.captured(1));
    return statuses;
}

// Every command of labelbench-cli with its subcommands ("rtc", "rtc get", ...) and what its
// --help lists; empty when a help could not be read.
std::map<QString, HelpLists> CliCommandHelps(QString* problem) {
    std::map<QString, HelpLists> helps;
    QStringList pending =
        ReadHelp(Run(QStringLiteral("labelbench-cli"), {QStringLiteral("--help")}).out).commands;
    while (!pending.isEmpty()) {
        const QString path = pending.takeFirst();
        const Output help =
            Run(QStringLiteral("labelbench-cli"), path.split(u' ') << QStringLiteral("--help"));
        if (help.exitCode != 0) {
            *problem = QStringLiteral("labelbench-cli %1 --help exits with %2").arg(path).arg(help.exitCode);
            return {};
        }
        const HelpLists lists = ReadHelp(help.out);
        for (const QString& sub : lists.commands)
            pending.append(path + u' ' + sub);
        helps[path] = lists;
    }
    return helps;
}

// --- The man pages --------------------------------------------------------------------------

struct PageLists {
    QSet<QString> options;                       // under OPTIONS
    std::map<QString, QSet<QString>> commands;   // under COMMANDS, with their options
    QStringList exitStatuses;                    // under EXIT STATUS
};

QString PageSource(const QString& program) {
    return QStringLiteral(LABELBENCH_MAN_DIR "/%1.1.scd").arg(program);
}

// Bold options: "*--json*", "*-h*", "[*--unit* _inch_|_mm_]".
const QRegularExpression kPageOption(QStringLiteral("(?:^|[\\s\\[(|,])\\*(--?[A-Za-z][A-Za-z0-9-]*)"));

void AddPageOptions(const QString& line, QSet<QString>& options) {
    for (const QRegularExpressionMatch& m : kPageOption.globalMatch(line))
        options.insert(m.captured(1));
}

PageLists ReadPage(const QString& program, QString* problem) {
    PageLists lists;
    QFile file(PageSource(program));
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("cannot read %1").arg(file.fileName());
        return lists;
    }
    static const QRegularExpression commandLine(QStringLiteral("^\\*([a-z][a-z0-9 -]*)\\*"));
    static const QRegularExpression statusLine(QStringLiteral("^\\*(\\d+(?:-\\d+)?)\\*"));
    QString section, command;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u"# ")) {
            section = line.mid(2).trimmed();
            command.clear();
            continue;
        }
        if (section == u"OPTIONS") {
            if (line.startsWith(u"*-")) AddPageOptions(line, lists.options);
        } else if (section == u"COMMANDS") {
            if (line.startsWith(u"##")) {
                command.clear();
            } else if (const QRegularExpressionMatch m = commandLine.match(line); m.hasMatch()) {
                command = m.captured(1).simplified();
                AddPageOptions(line, lists.commands[command]);
            } else if (!command.isEmpty() && line.startsWith(u'\t')) {
                AddPageOptions(line, lists.commands[command]);
            } else if (!line.trimmed().isEmpty()) {
                command.clear();   // a paragraph of the section's own
            }
        } else if (section == u"EXIT STATUS") {
            if (const QRegularExpressionMatch m = statusLine.match(line); m.hasMatch())
                lists.exitStatuses.append(m.captured(1));
        }
    }
    return lists;
}

// "--foo is in labelbench-cli rtc --help but not on the man page (...)", one line per item.
QStringList Differences(const QSet<QString>& help, const QSet<QString>& page, const QString& helpName,
                        const QString& pageName) {
    QStringList problems;
    QStringList missing = QStringList(help.begin(), help.end());
    missing.sort();
    for (const QString& item : missing)
        if (!page.contains(item))
            problems.append(
                QStringLiteral("%1 is in `%2` but not on the man page %3").arg(item, helpName, pageName));
    QStringList extra = QStringList(page.begin(), page.end());
    extra.sort();
    for (const QString& item : extra)
        if (!help.contains(item))
            problems.append(
                QStringLiteral("%1 is on the man page %2 but not in `%3`").arg(item, pageName, helpName));
    return problems;
}

QString Report(const QStringList& problems) {
    return u'\n' + problems.join(u'\n');
}

}   // namespace

class TestManPages : public QObject {
    Q_OBJECT
private slots:
    // The one version of the project, as each program prints it.
    void versions_data() {
        QTest::addColumn<QString>("program");
        for (const Program& p : kPrograms)
            QTest::newRow(p.name) << QString::fromLatin1(p.name);
    }
    void versions() {
        QFETCH(QString, program);
        const Output version = Run(program, {QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out.trimmed().section(u' ', -1), QStringLiteral(LABELBENCH_VERSION_TEXT));
    }

    // What the pages say of --help-all where --help lists it: it prints and exits, as --help
    // does, rather than starting the window or the simulated printer.
    void helpAllPrints_data() { versions_data(); }
    void helpAllPrints() {
        QFETCH(QString, program);
        if (!ReadHelp(Run(program, {QStringLiteral("--help")}).out)
                 .options.contains(QStringLiteral("--help-all")))
            QSKIP("no --help-all");
        const Output help = Run(program, {QStringLiteral("--help-all")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(ReadHelp(help.out).options.contains(QStringLiteral("--version")), qPrintable(help.out));
    }

    // The options before any command: a program's OPTIONS section against its --help.
    void options_data() { versions_data(); }
    void options() {
        QFETCH(QString, program);
        const Output help = Run(program, {QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        const HelpLists fromHelp = ReadHelp(help.out);
        QVERIFY2(!fromHelp.options.isEmpty(), qPrintable(program + " --help lists no option:\n" + help.out));
        QString problem;
        const PageLists page = ReadPage(program, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        const QStringList problems = Differences(fromHelp.options, page.options, program + " --help",
                                                 PageSource(program) + " (OPTIONS)");
        QVERIFY2(problems.isEmpty(), qPrintable(Report(problems)));
    }

    // labelbench-cli's commands and subcommands, each with its own options.
    void cliCommands() {
        QString problem;
        const std::map<QString, HelpLists> helps = CliCommandHelps(&problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(helps.size() > 1);
        const PageLists page = ReadPage(QStringLiteral("labelbench-cli"), &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        const QString pageName = PageSource(QStringLiteral("labelbench-cli"));

        QSet<QString> helpCommands, pageCommands;
        for (const auto& [path, lists] : helps)
            helpCommands.insert(path);
        for (const auto& [path, options] : page.commands)
            pageCommands.insert(path);
        QStringList problems =
            Differences(helpCommands, pageCommands, QStringLiteral("labelbench-cli [COMMAND] --help"),
                        pageName + " (COMMANDS)");
        for (const auto& [path, lists] : helps) {
            const auto onPage = page.commands.find(path);
            if (onPage == page.commands.end()) continue;   // reported above
            problems += Differences(lists.options, onPage->second, "labelbench-cli " + path + " --help",
                                    pageName + " (COMMANDS, " + path + ")");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(Report(problems)));
    }

    // Every exit status labelbench-cli --help names is explained on the page (the page may
    // say more: 74, which --help leaves out).
    void cliExitStatuses() {
        const HelpLists help =
            ReadHelp(Run(QStringLiteral("labelbench-cli"), {QStringLiteral("--help")}).out);
        const QStringList fromHelp = ExitStatuses(help.exitStatusText);
        QVERIFY2(fromHelp.contains(QStringLiteral("0")),
                 qPrintable("no exit statuses read from labelbench-cli --help: " + help.exitStatusText));
        QString problem;
        const PageLists page = ReadPage(QStringLiteral("labelbench-cli"), &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QStringList problems;
        for (const QString& status : fromHelp)
            if (!page.exitStatuses.contains(status))
                problems.append(
                    QStringLiteral("exit status %1 is in `labelbench-cli --help` but not under EXIT "
                                   "STATUS on the man page %2")
                        .arg(status, PageSource(QStringLiteral("labelbench-cli"))));
        QVERIFY2(problems.isEmpty(), qPrintable(Report(problems)));
    }

    // The reader above finds what it should: a help text and a page of known content.
    void readersFindEveryItem() {
        const HelpLists help =
            ReadHelp(QStringLiteral("Usage: x [OPTIONS] COMMAND\n"
                                    "       x --help | --version\n\n"
                                    "Link options:\n"
                                    "  --host HOST   the host\n"
                                    "  --usb-vid XXXX  one\n"
                                    "                  --not-this continued\n"
                                    "  -h, --help    help\n\n"
                                    "Commands:\n"
                                    "  send FILE [--reply-ms N]\n"
                                    "                 send --nor-this\n"
                                    "  rtc COMMAND   the clock\n\n"
                                    "Exit status: 0 success; 1-6 error;\n8 none; 130 interrupted.\n"));
        QCOMPARE(help.options, (QSet<QString>{"--help", "--version", "--host", "--usb-vid", "-h"}));
        QCOMPARE(help.commands, (QStringList{"send", "rtc"}));
        QCOMPARE(ExitStatuses(help.exitStatusText), (QStringList{"0", "1-6", "8", "130"}));
        const QSet<QString> left{"--a", "--b"};
        QCOMPARE(Differences(left, QSet<QString>{"--a", "--c"}, "h", "p"),
                 (QStringList{"--b is in `h` but not on the man page p",
                              "--c is on the man page p but not in `h`"}));
    }
};

QTEST_GUILESS_MAIN(TestManPages)
#include "tst_man_pages.moc"
