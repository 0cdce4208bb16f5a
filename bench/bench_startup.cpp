// SPDX-License-Identifier: Apache-2.0
// Time from process start to the main window shown, with no printer attached, headless.
// Starts labelbench with --exit-after-show on the offscreen platform and waits for its
// "shown" line, printed once the window is up and before the printer is looked for; the
// process exits when that start-up contact is over.
//
//   bench_startup [path/to/labelbench] [rounds=11]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString program = args.size() > 1 ? args[1] : QStringLiteral(LABELBENCH_GUI_PATH);
    const int rounds = args.size() > 2 ? std::max(1, args[2].toInt()) : 11;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    std::vector<double> shown;
    std::vector<double> total;
    for (int i = 0; i < rounds + 1; ++i) {   // the first round warms the file cache
        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer timer;
        timer.start();
        process.start(program, {QStringLiteral("--exit-after-show")});
        if (!process.waitForStarted(5000)) {
            std::fprintf(stderr, "cannot start %s\n", qPrintable(program));
            return 1;
        }
        double shownMs = -1;
        QByteArray out;
        while (process.state() != QProcess::NotRunning || process.bytesAvailable()) {
            process.waitForReadyRead(50);
            out += process.readAllStandardOutput();
            if (shownMs < 0 && out.contains("shown")) shownMs = double(timer.nsecsElapsed()) / 1e6;
            if (process.state() == QProcess::NotRunning && !process.bytesAvailable()) break;
            if (timer.elapsed() > 20000) {
                process.kill();
                break;
            }
        }
        process.waitForFinished(5000);
        const double totalMs = double(timer.nsecsElapsed()) / 1e6;
        if (shownMs < 0) {
            std::fprintf(stderr, "round %d: no \"shown\" line\n", i);
            return 1;
        }
        if (i == 0) continue;
        shown.push_back(shownMs);
        total.push_back(totalMs);
    }
    std::sort(shown.begin(), shown.end());
    std::sort(total.begin(), total.end());
    std::printf("start to window shown: median %.1f ms (min %.1f, max %.1f) over %d runs; goal < 300 ms\n",
                shown[shown.size() / 2], shown.front(), shown.back(), rounds);
    std::printf("start to process exit (after the start-up contact): median %.1f ms\n",
                total[total.size() / 2]);
    return 0;
}
