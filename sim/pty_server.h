// SPDX-License-Identifier: Apache-2.0
#pragma once
// The simulated printer on a pseudo-terminal: the serial link opens the slave side as it
// would open a COM port, and a thread runs the printer's byte interpreter on the master.

#include "sim/simulated_printer.h"

#include <QByteArray>
#include <QList>
#include <memory>

namespace lb::sim {

class PtyServer {
public:
    explicit PtyServer(Profile profile = Profile::Default(), Faults faults = {});
    ~PtyServer();   // stops

    // Creates the pseudo-terminal and starts serving it. False when none can be had.
    bool start();
    // Hangs the line up: the slave's device goes away and its open users get errors.
    void stop();
    bool running() const;
    // The device to open, e.g. "/dev/pts/3"; empty when not running.
    QByteArray slavePath() const;

    void setFaults(const Faults& faults);   // for what arrives from now on
    SimulatedPrinter& printer();

    // Everything received since start, and the commands recognised (thread-safe). One
    // session serves the whole life of the line, as one printer behind one cable does.
    QByteArray transcript() const;
    QList<Command> commands() const;
    // Waits until the transcript holds at least count bytes.
    bool waitForTranscript(qsizetype count, int timeoutMs) const;
    // The line was hung up by a closeAfterCommands fault (or stop()).
    bool hungUp() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}   // namespace lb::sim
