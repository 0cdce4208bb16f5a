// SPDX-License-Identifier: Apache-2.0
// The ETHERNET link: one TCP connection per operation, held here between open and close.

#include "link/link_timing.h"
#include "link/link_wait.h"
#include "link/transport.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <memory>

namespace lb {
namespace {

// The socket's error in a technician's words; Qt's own text for the rarer ones.
QString SocketReason(const QTcpSocket& socket, int waitedMs) {
    switch (socket.error()) {
    case QAbstractSocket::ConnectionRefusedError:
        return QCoreApplication::translate("lb::Link",
                                           "connection refused (is the printer on and is the port right?)");
    case QAbstractSocket::HostNotFoundError:
        return QCoreApplication::translate("lb::Link", "host not found");
    case QAbstractSocket::SocketTimeoutError:
        return QCoreApplication::translate("lb::Link", "timed out: no answer within %1 ms").arg(waitedMs);
    case QAbstractSocket::RemoteHostClosedError:
        return QCoreApplication::translate("lb::Link", "the printer closed the connection");
    default:
        return socket.errorString();
    }
}

class TcpTransport final : public Transport {
public:
    LinkHandle open(const LinkSettingsView& settings) override {
        close();
        m_link = QStringLiteral("ETHERNET");
        m_error.clear();
        if (!settings.network) return kNoLink;
        const QString host =
            QString::fromLatin1(settings.network->host, int(FieldLength(settings.network->host)));
        const int port = settings.network->port;
        if (host.isEmpty()) return fail(QCoreApplication::translate("lb::Link", "no printer address is set"));
        m_link = QStringLiteral("ETHERNET %1:%2").arg(host).arg(port);
        if (port <= 0 || port > 65535)
            return fail(QCoreApplication::translate("lb::Link", "%1 is not a TCP port").arg(port));

        m_socket = std::make_unique<QTcpSocket>();
        // Unbuffered: a chunk goes straight to the system's send call, and only what it did
        // not take is left to the waits below.
        m_socket->connectToHost(host, static_cast<quint16>(port),
                                QIODevice::ReadWrite | QIODevice::Unbuffered);
        const int connectMs = CurrentLinkTiming().tcpConnectTimeoutMs;
        const WaitResult connected = WaitInSlices(connectMs, [this](int ms) {
            if (m_socket->waitForConnected(ms)) return SliceResult::Ready;
            return m_socket->state() == QAbstractSocket::UnconnectedState ? SliceResult::Broken
                                                                          : SliceResult::KeepWaiting;
        });
        if (connected != WaitResult::Ready || m_socket->state() != QAbstractSocket::ConnectedState) {
            const QString reason =
                connected == WaitResult::Cancelled ? LinkCancelledReason()
                : connected == WaitResult::TimedOut
                    ? QCoreApplication::translate("lb::Link", "timed out: no answer within %1 ms")
                          .arg(connectMs)
                    : SocketReason(*m_socket, connectMs);
            close();
            return fail(reason);
        }
        return kEthernetHandle;
    }

    void close() override {
        if (!m_socket) return;
        // Every chunk was handed to the system before its write returned, so nothing is lost.
        m_socket->abort();
        m_socket.reset();
    }

    int64_t writeChunk(const uint8_t* bytes, uint32_t length) override {
        if (!m_socket) return -1;
        const LinkTiming& t = CurrentLinkTiming();
        if (m_socket->state() != QAbstractSocket::ConnectedState) return fail(SocketReason(*m_socket, 0));
        if (length == 0) return 0;
        if (m_socket->write(reinterpret_cast<const char*>(bytes), length) != length)
            return fail(SocketReason(*m_socket, 0));
        int idleAttempts = 0;
        while (m_socket->bytesToWrite() > 0) {
            const qint64 pending = m_socket->bytesToWrite();
            const WaitResult written = WaitInSlices(t.tcpTimeoutMs, [this](int ms) {
                if (m_socket->waitForBytesWritten(ms)) return SliceResult::Ready;
                return m_socket->state() == QAbstractSocket::ConnectedState ? SliceResult::KeepWaiting
                                                                            : SliceResult::Broken;
            });
            if (written == WaitResult::Ready) {
                idleAttempts = 0;
                continue;
            }
            if (written == WaitResult::Cancelled) return fail(LinkCancelledReason());
            if (m_socket->state() != QAbstractSocket::ConnectedState) return fail(SocketReason(*m_socket, 0));
            // The peer accepted nothing within the wait: try again, a bounded number of times.
            if (m_socket->bytesToWrite() == pending && ++idleAttempts >= t.tcpZeroSendAttempts) {
                return fail(QCoreApplication::translate("lb::Link", "the printer took no data for %1 ms")
                                .arg(qint64(t.tcpTimeoutMs) * idleAttempts));
            }
        }
        return length;
    }

    uint32_t fill(uint8_t* buffer, uint32_t maxLength, int timeoutMs) override {
        if (!m_socket) return 0;
        if (m_socket->bytesAvailable() == 0) {
            const WaitResult arrived = WaitInSlices(timeoutMs, [this](int ms) {
                if (m_socket->waitForReadyRead(ms)) return SliceResult::Ready;
                return m_socket->state() == QAbstractSocket::ConnectedState ? SliceResult::KeepWaiting
                                                                            : SliceResult::Broken;
            });
            if (arrived == WaitResult::Cancelled) {
                fail(LinkCancelledReason());
                return 0;
            }
            if (arrived != WaitResult::Ready) {
                noReply(timeoutMs);
                return 0;
            }
        }
        const qint64 got = m_socket->read(reinterpret_cast<char*>(buffer), maxLength);
        if (got > 0) return static_cast<uint32_t>(got);
        noReply(timeoutMs);
        return 0;
    }

    bool peerGone() const override {
        return !m_socket || m_socket->state() != QAbstractSocket::ConnectedState;
    }

    void discardArrived() override {
        // What the socket has taken in; a closed connection is left for the send or read
        // that follows to report, as it would without this.
        if (m_socket) m_socket->readAll();
    }

    QString lastErrorText() const override { return m_error; }

    ~TcpTransport() override { close(); }

private:
    LinkHandle fail(const QString& reason) {
        m_error = m_link + QStringLiteral(": ") + reason;
        return kNoLink;
    }

    void noReply(int waitedMs) {
        if (m_socket->state() == QAbstractSocket::ConnectedState)
            fail(QCoreApplication::translate("lb::Link", "no reply within %1 ms").arg(waitedMs));
        else
            fail(SocketReason(*m_socket, waitedMs));
    }

    std::unique_ptr<QTcpSocket> m_socket;
    QString m_link;    // "ETHERNET host:port", for the error texts
    QString m_error;   // why the last call failed
};

class AbsentTransport final : public Transport {
public:
    LinkHandle open(const LinkSettingsView&) override { return kNoLink; }
    void close() override {}
    int64_t writeChunk(const uint8_t*, uint32_t) override { return -1; }
    uint32_t fill(uint8_t*, uint32_t, int) override { return 0; }
};

}   // namespace

std::unique_ptr<Transport> MakeTcpTransport() {
    return std::make_unique<TcpTransport>();
}
std::unique_ptr<Transport> MakeAbsentTransport() {
    return std::make_unique<AbsentTransport>();
}

}   // namespace lb
