// SPDX-License-Identifier: Apache-2.0
// The table of commands: every command's help, and commands with subcommands.

#include "cli/command_registry.h"
#include "tests/support/cli_run.h"

#include <QTextStream>
#include <QtTest>

using namespace lb;
using namespace lb::cli;

namespace {

QStringList g_ran;   // the subcommands that ran, with their arguments

int RecordRun(const CommandRun& run) {
    g_ran.append(run.arguments().join(' ') + (run.isSet("all") ? " --all" : ""));
    return 0;
}

// A command in the shape the memory commands will have.
const std::vector<Command>& MemoryTable() {
    static const std::vector<Command> table = {
        {.name = "memory",
         .summary = "the printer's memories",
         .help = "Lists and formats the printer's memories.",
         .subcommands = {{.name = "list", .summary = "list the files", .help = "Lists.", .run = RecordRun},
                         {.name = "format",
                          .summary = "format a memory",
                          .help = "Formats.",
                          .options = {{"all", nullptr, "every file"}},
                          .arguments = {{"DEVICE", "dram, flash or card"}},
                          .run = RecordRun},
                         {.name = "compare",
                          .summary = "compare two memories",
                          .help = "Compares.",
                          .arguments = {{"A", "a memory"}, {"B", "another memory", true}},
                          .run = RecordRun}}},
    };
    return table;
}

test::CliRun RunTable(const QStringList& args) {
    test::CliRun r;
    QTextStream out(&r.out), err(&r.err);
    CliStreams s;
    s.out = &out;
    s.err = &err;
    r.exitCode = RunCommandLine(MemoryTable(), args, s);
    out.flush();
    err.flush();
    return r;
}

void AddCommandRows(const std::vector<Command>& commands, const QStringList& path) {
    for (const Command& c : commands) {
        const QStringList words = path + QStringList{c.name};
        QTest::newRow(qPrintable(words.join(' '))) << words << QString(c.summary);
        AddCommandRows(c.subcommands, words);
    }
}

}   // namespace

class TestCommandTable : public QObject {
    Q_OBJECT

private slots:
    void everyCommandHasHelp_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("summary");
        AddCommandRows(Commands(), {});
    }
    void everyCommandHasHelp() {
        QFETCH(QStringList, words);
        QFETCH(QString, summary);
        QVERIFY(!summary.isEmpty());
        const test::CliRun r = test::RunCliWith(words + QStringList{"--help"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QString());
        QVERIFY2(r.out.startsWith(words.join(' ')), qPrintable(r.out));
        if (words.size() == 1) QVERIFY(test::RunCliWith({"--help"}).out.contains("  " + words.first()));
    }

    void subcommands_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("ran");   // the recorded run, empty when none
        QTest::addColumn<QString>("out");   // the start of the help, empty when none
        QTest::newRow("list") << QStringList{"memory", "list"} << 0 << ""
                              << "";
        QTest::newRow("format with option after the argument")
            << QStringList{"memory", "format", "flash", "--all"} << 0 << "flash --all"
            << "";
        QTest::newRow("group help lists its commands") << QStringList{"memory", "--help"} << 0 << ""
                                                       << "memory COMMAND\nLists and formats";
        QTest::newRow("subcommand help") << QStringList{"memory", "format", "--help"} << 0 << ""
                                         << "memory format DEVICE [--all]\nFormats.";
        QTest::newRow("help before the command") << QStringList{"--help", "memory", "list"} << 0 << ""
                                                 << "memory list\nLists.";
        QTest::newRow("no subcommand") << QStringList{"memory"} << 64 << ""
                                       << "";
        QTest::newRow("unknown subcommand") << QStringList{"memory", "erase"} << 64 << ""
                                            << "";
        QTest::newRow("missing argument") << QStringList{"memory", "format"} << 64 << ""
                                          << "";
        QTest::newRow("option of another subcommand") << QStringList{"memory", "list", "--all"} << 64 << ""
                                                      << "";
        QTest::newRow("optional argument left out") << QStringList{"memory", "compare", "dram"} << 0 << "dram"
                                                    << "";
        QTest::newRow("optional argument given")
            << QStringList{"memory", "compare", "dram", "card"} << 0 << "dram card"
            << "";
        QTest::newRow("optional argument in brackets")
            << QStringList{"memory", "compare", "--help"} << 0 << ""
            << "memory compare A [B]\nCompares.";
        QTest::newRow("one argument too many")
            << QStringList{"memory", "compare", "dram", "card", "flash"} << 64 << ""
            << "";
        QTest::newRow("required argument missing") << QStringList{"memory", "compare"} << 64 << ""
                                                   << "";
        QTest::newRow("link option after the command")
            << QStringList{"memory", "list", "--host", "127.0.0.1"} << 64 << ""
            << "";
    }
    void subcommands() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, ran);
        QFETCH(QString, out);
        g_ran.clear();
        const test::CliRun r = RunTable(args);
        QCOMPARE(r.exitCode, exitCode);
        const bool runs = exitCode == 0 && out.isEmpty();
        QCOMPARE(g_ran, runs ? QStringList{ran} : QStringList{});
        if (!out.isEmpty()) QVERIFY2(r.out.startsWith(out), qPrintable(r.out));
        if (exitCode == 64) QVERIFY2(r.err.startsWith("labelbench-cli: "), qPrintable(r.err));
        if (exitCode == 64 && args.value(1) == "compare")
            QVERIFY2(r.err.startsWith("labelbench-cli: memory compare takes 1 to 2 arguments: A [B]\n"),
                     qPrintable(r.err));
        if (args.endsWith("--help") && args.size() == 2) {
            QVERIFY(r.out.contains("  list"));
            QVERIFY(r.out.contains("  format DEVICE [--all]"));
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandTable)
#include "tst_command_table.moc"
