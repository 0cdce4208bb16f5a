// SPDX-License-Identifier: Apache-2.0
#include "sim/sim_server.h"

#include "sim/server_thread.h"
#include "sim/transcript_file.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QMutexLocker>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWaitCondition>

namespace lb::sim {

namespace {

// One accepted connection. The socket and the reply queue belong to the server thread;
// the session is read by other threads under Impl::mutex.
struct Connection {
    int number = 0;   // 1 for the first connection of the server
    QString peer;
    std::shared_ptr<PrinterSession> session;
    QPointer<QTcpSocket> socket;
    QList<PrinterSession::Output> queue;   // replies not yet written, in order
    bool waiting = false;                  // a delayed reply is on its timer
    bool ended = false;
};

}   // namespace

struct SimServer::Impl {
    explicit Impl(Profile profile) : printer(std::move(profile)) {}

    SimulatedPrinter printer;

    mutable QMutex mutex;   // guards everything below, and every session
    mutable QWaitCondition connectionEnded;
    Faults faults;
    QString transcriptPath;
    QList<std::shared_ptr<Connection>> connections;
    int endedCount = 0;
    quint16 port = 0;

    ServerThread thread{QStringLiteral("labelbench-sim")};
    QTcpServer* server = nullptr;   // server thread only

    // All of these run on the server thread.
    void accept();
    void received(const std::shared_ptr<Connection>& c);
    void pump(const std::shared_ptr<Connection>& c);
    void write(const std::shared_ptr<Connection>& c, const PrinterSession::Output& out);
    void finish(const std::shared_ptr<Connection>& c);
    void shutdown();
};

void SimServer::Impl::accept() {
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        // Every write of ours is its own segment: a reply split into segments stays split.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        auto c = std::make_shared<Connection>();
        c->socket = socket;
        c->peer = QStringLiteral("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort());
        {
            QMutexLocker lock(&mutex);
            c->session = std::make_shared<PrinterSession>(printer, faults);
            connections.append(c);
            c->number = int(connections.size());
        }
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, c] { received(c); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, c] { finish(c); });
        if (socket->bytesAvailable() > 0) received(c);
        if (socket->state() != QAbstractSocket::ConnectedState) finish(c);
    }
}

void SimServer::Impl::received(const std::shared_ptr<Connection>& c) {
    if (!c->socket || c->ended) return;
    const QByteArray bytes = c->socket->readAll();
    if (bytes.isEmpty()) return;
    PrinterSession::Output out;
    {
        QMutexLocker lock(&mutex);
        out = c->session->feed(bytes);
    }
    if (out.segments.isEmpty() && !out.close) return;
    c->queue.append(out);
    pump(c);
}

void SimServer::Impl::pump(const std::shared_ptr<Connection>& c) {
    while (!c->waiting && !c->queue.isEmpty() && c->socket) {
        const PrinterSession::Output out = c->queue.takeFirst();
        if (out.delayMs > 0) {
            // The timer belongs to the socket: it is dropped with the connection.
            c->waiting = true;
            QTimer::singleShot(out.delayMs, c->socket.data(), [this, c, out] {
                c->waiting = false;
                write(c, out);
                pump(c);
            });
            return;
        }
        write(c, out);
    }
}

void SimServer::Impl::write(const std::shared_ptr<Connection>& c, const PrinterSession::Output& out) {
    QTcpSocket* socket = c->socket;
    if (!socket || socket->state() != QAbstractSocket::ConnectedState) return;
    for (const QByteArray& segment : out.segments) {
        if (socket->state() != QAbstractSocket::ConnectedState) return;   // the peer went away
        socket->write(segment);
        socket->flush();
        if (out.segments.size() > 1 && socket->bytesToWrite() > 0) socket->waitForBytesWritten(1000);
    }
    if (out.close) {
        socket->flush();
        // Closes once everything written has gone out; finish() follows on disconnected.
        socket->disconnectFromHost();
    }
}

void SimServer::Impl::finish(const std::shared_ptr<Connection>& c) {
    if (c->ended) return;
    QTcpSocket* socket = c->socket;
    QByteArray transcript;
    QString path;
    {
        QMutexLocker lock(&mutex);
        if (socket) {
            // What arrived with the end of the connection is still part of it.
            const QByteArray rest = socket->readAll();
            if (!rest.isEmpty()) c->session->feed(rest);
        }
        c->ended = true;
        transcript = c->session->transcript();
        path = transcriptPath;
    }
    c->queue.clear();
    if (socket) {
        QObject::disconnect(socket, nullptr, nullptr, nullptr);
        socket->abort();
        socket->deleteLater();
    }
    c->socket = nullptr;

    if (!path.isEmpty()) {
        AppendTranscript(path,
                         QStringLiteral("labelbench-sim connection %1 from %2").arg(c->number).arg(c->peer),
                         transcript);
    }
    QMutexLocker lock(&mutex);
    ++endedCount;
    connectionEnded.wakeAll();
}

void SimServer::Impl::shutdown() {
    if (server) server->close();
    QList<std::shared_ptr<Connection>> all;
    {
        QMutexLocker lock(&mutex);
        all = connections;
    }
    for (const auto& c : all)
        finish(c);
    delete server;
    server = nullptr;
}

SimServer::SimServer(Profile profile, Faults faults) : m_impl(std::make_unique<Impl>(std::move(profile))) {
    m_impl->faults = std::move(faults);
}

SimServer::~SimServer() {
    stop();
}

bool SimServer::start(quint16 port) {
    stop();
    Impl& d = *m_impl;
    const quint16 bound = d.thread.start([&d, port](QObject* context) -> quint16 {
        d.server = new QTcpServer(context);
        if (!d.server->listen(QHostAddress::LocalHost, port)) {
            delete d.server;
            d.server = nullptr;
            return 0;
        }
        QObject::connect(d.server, &QTcpServer::newConnection, d.server, [&d] { d.accept(); });
        return d.server->serverPort();
    });
    if (bound == 0) return false;
    QMutexLocker lock(&d.mutex);
    d.port = bound;
    return true;
}

void SimServer::stop() {
    Impl& d = *m_impl;
    d.thread.stop([&d] { d.shutdown(); });
    QMutexLocker lock(&d.mutex);
    d.port = 0;
}

quint16 SimServer::port() const {
    QMutexLocker lock(&m_impl->mutex);
    return m_impl->port;
}

void SimServer::setFaults(const Faults& faults) {
    QMutexLocker lock(&m_impl->mutex);
    m_impl->faults = faults;
}

void SimServer::setTranscriptFile(const QString& path) {
    QMutexLocker lock(&m_impl->mutex);
    m_impl->transcriptPath = path;
}

SimulatedPrinter& SimServer::printer() {
    return m_impl->printer;
}

int SimServer::connectionCount() const {
    QMutexLocker lock(&m_impl->mutex);
    return int(m_impl->connections.size());
}

QList<QByteArray> SimServer::transcripts() const {
    QMutexLocker lock(&m_impl->mutex);
    QList<QByteArray> all;
    for (const auto& c : m_impl->connections)
        all.append(c->session->transcript());
    return all;
}

QList<QList<Command>> SimServer::commands() const {
    QMutexLocker lock(&m_impl->mutex);
    QList<QList<Command>> all;
    for (const auto& c : m_impl->connections)
        all.append(c->session->commands());
    return all;
}

bool SimServer::waitForClosedConnections(int count, int timeoutMs) const {
    QMutexLocker lock(&m_impl->mutex);
    QDeadlineTimer deadline(timeoutMs);
    while (m_impl->endedCount < count)
        if (!m_impl->connectionEnded.wait(&m_impl->mutex, deadline)) break;
    return m_impl->endedCount >= count;
}

}   // namespace lb::sim
