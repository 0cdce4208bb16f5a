// SPDX-License-Identifier: Apache-2.0
#pragma once
// The simulated printer on TCP loopback, served from its own thread so that LabelBench's
// blocking link on the calling thread can talk to it in the same process.

#include "sim/simulated_printer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

namespace lb::sim {

class SimServer {
public:
    explicit SimServer(Profile profile = Profile::Default(), Faults faults = {});
    ~SimServer();   // stops

    // Listens on 127.0.0.1 (port 0: a free port) on a background thread. False when the
    // port cannot be bound.
    bool start(quint16 port = 0);
    void stop();
    quint16 port() const;

    // Faults for connections accepted from now on.
    void setFaults(const Faults& faults);
    // Writes each connection's transcript to this file when the connection ends (appending):
    // a line "=== labelbench-sim connection N from HOST:PORT: B bytes ===", the B bytes
    // received, and a LF.
    void setTranscriptFile(const QString& path);

    SimulatedPrinter& printer();

    // Thread-safe views of the connections so far, in order of acceptance.
    int connectionCount() const;
    QList<QByteArray> transcripts() const;
    QList<QList<Command>> commands() const;
    // Waits until count connections have ended and everything they sent was consumed.
    bool waitForClosedConnections(int count, int timeoutMs) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}   // namespace lb::sim
