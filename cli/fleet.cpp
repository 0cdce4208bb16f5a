// SPDX-License-Identifier: Apache-2.0
#include "cli/fleet.h"

#include "cli/cli_output.h"
#include "link/link_timing.h"
#include "link/printer_link.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QMutex>
#include <QTextStream>
#include <QThread>
#include <QWaitCondition>
#include <atomic>
#include <memory>
#include <vector>

namespace lb::cli {
namespace {

struct PrinterRun {
    bool done = false;
    int exit = 0;
    QString out;
    QString err;
};

// A JSON value as compact text, escaped as every --json output is.
QByteArray ValueText(const QJsonValue& value) {
    const QByteArray list = JsonText(QJsonDocument(QJsonArray{value}), QJsonDocument::Compact);
    return list.mid(1, list.size() - 2);
}

// What the printer's run printed, as the result of its JSON line.
QJsonValue Result(const QString& out) {
    if (out.trimmed().isEmpty()) return QJsonValue::Null;
    const QJsonDocument document = QJsonDocument::fromJson(out.toUtf8());
    if (document.isObject()) return document.object();
    if (document.isArray()) return document.array();
    return out;
}

QString Line(const HostPort& printer, const PrinterRun& r) {
    const QString error = r.err.trimmed();
    return QStringLiteral("{\"host\": %1, \"port\": %2, \"exit\": %3, \"error\": %4, \"result\": %5}\n")
        .arg(QString::fromUtf8(ValueText(QString::fromLatin1(printer.host))))
        .arg(printer.port)
        .arg(r.exit)
        .arg(QString::fromUtf8(ValueText(error.isEmpty() ? QJsonValue() : QJsonValue(error))),
             QString::fromUtf8(ValueText(Result(r.out))));
}

QString Block(const HostPort& printer, const PrinterRun& r) {
    QString text =
        QStringLiteral("== %1:%2 ==\n").arg(Printable(QString::fromLatin1(printer.host))).arg(printer.port);
    text += r.out;
    if (!r.out.isEmpty() && !r.out.endsWith('\n')) text += '\n';
    text += r.err;
    if (!r.err.isEmpty() && !r.err.endsWith('\n')) text += '\n';
    if (r.exit != 0) text += CliText::tr("(exit status %1)").arg(r.exit) + '\n';
    return text + '\n';
}

}   // namespace

QString PrinterFileName(const QString& pattern, const HostPort& printer) {
    QString name = pattern;
    // A host name or address never holds a '/', so the name stays in the folder given.
    name.replace(QLatin1String("{host}"), QString::fromLatin1(printer.host).replace(':', '_'));
    name.replace(QLatin1String("{port}"), QString::number(printer.port));
    return name;
}

int RunFleet(const QList<HostPort>& hosts, int jobs, bool json, QIODevice* input, const RunOnePrinter& run,
             const CliStreams& s) {
    const QByteArray inputBytes = input ? input->readAll() : QByteArray();
    const LinkTiming timing = CurrentLinkTiming();
    std::vector<PrinterRun> runs(std::size_t(hosts.size()));
    QMutex mutex;
    QWaitCondition finished;
    std::atomic<qsizetype> next{0};

    auto work = [&] {
        for (qsizetype i = next++; i < hosts.size(); i = next++) {
            SetLinkTiming(timing);
            PrinterRun r;
            {
                QTextStream out(&r.out), err(&r.err);
                QBuffer in;
                in.setData(inputBytes);
                in.open(QIODevice::ReadOnly);
                CliStreams streams{&out, &err, input ? &in : nullptr, false};
                r.exit = run(hosts[i], streams);
            }
            // The next printer on this thread starts from a closed link.
            ReleaseThreadLink();
            QMutexLocker lock(&mutex);
            r.done = true;
            runs[std::size_t(i)] = std::move(r);
            finished.wakeAll();
        }
    };
    std::vector<std::unique_ptr<QThread>> threads;
    const int count = int(std::min<qsizetype>(jobs, hosts.size()));
    for (int t = 0; t < count; ++t) {
        threads.emplace_back(QThread::create(work));
        threads.back()->setObjectName(QStringLiteral("printer-%1").arg(t + 1));
        threads.back()->start();
    }

    // Each printer's output as soon as it and every printer before it are done. A command that
    // every printer's run refuses alike before sending anything (a value the command's own
    // checks refuse) is bad usage, told once: such outputs wait until another result comes.
    int succeeded = 0;
    bool allRefusedAlike = true;
    QList<PrinterRun> refusals;
    auto print = [&](qsizetype i, const PrinterRun& r) {
        *s.out << (json ? Line(hosts[i], r) : Block(hosts[i], r));
        s.out->flush();
    };
    for (qsizetype i = 0; i < hosts.size(); ++i) {
        PrinterRun r;
        {
            QMutexLocker lock(&mutex);
            while (!runs[std::size_t(i)].done)
                finished.wait(&mutex);
            r = std::move(runs[std::size_t(i)]);
        }
        if (r.exit == 0) ++succeeded;
        if (allRefusedAlike && r.exit == kExitUsage && r.out.isEmpty() &&
            (refusals.isEmpty() || refusals.first().err == r.err)) {
            refusals.append(r);
            continue;
        }
        allRefusedAlike = false;
        for (qsizetype k = 0; k < refusals.size(); ++k)
            print(k, refusals[k]);
        refusals.clear();
        print(i, r);
    }
    for (const auto& thread : threads)
        thread->wait();
    if (allRefusedAlike) {
        *s.err << refusals.first().err;
        s.err->flush();
        return kExitUsage;
    }
    if (!json) {
        *s.out << CliText::tr("%1 of %2 printers succeeded").arg(succeeded).arg(hosts.size()) << '\n';
        s.out->flush();
    }
    return succeeded == hosts.size() ? 0 : kExitSomePrintersFailed;
}

}   // namespace lb::cli
