// SPDX-License-Identifier: Apache-2.0
#pragma once
// A thread of its own for a simulated printer's sockets, so that LabelBench's blocking link on
// the calling thread can talk to it in the same process: start() runs the opening on that
// thread and waits for it, stop() the closing, then ends the thread.

#include <QThread>
#include <functional>

namespace lb::sim {

class ServerThread {
public:
    explicit ServerThread(QString name);
    ~ServerThread();   // stops, without a closing step
    ServerThread(const ServerThread&) = delete;
    ServerThread& operator=(const ServerThread&) = delete;

    // Starts the thread and runs open on it with the thread's context object (the parent for
    // the sockets); open returns the bound port, 0 for a failure, which stops the thread again.
    quint16 start(const std::function<quint16(QObject* context)>& open);
    // Runs close on the thread (when it runs), then ends the thread and deletes the context
    // with everything parented to it.
    void stop(const std::function<void()>& close = {});

private:
    QString m_name;
    QThread m_thread;
    QObject* m_context = nullptr;
};

}   // namespace lb::sim
