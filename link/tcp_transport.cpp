// The ETHERNET link: one TCP connection per operation, held here between open and close.

#include "link/link_timing.h"
#include "link/transport.h"

#include <QTcpSocket>
#include <memory>

namespace lb {
namespace {

class TcpTransport final : public Transport {
public:
    LinkHandle open(const LinkSettingsView& settings) override {
        close();
        if (!settings.network) return kNoLink;
        const QString host =
            QString::fromLatin1(settings.network->host, int(FieldLength(settings.network->host)));
        const int port = settings.network->port;
        if (host.isEmpty() || port <= 0 || port > 65535) return kNoLink;

        m_socket = std::make_unique<QTcpSocket>();
        // Unbuffered: a chunk goes straight to the system's send call, and only what it did
        // not take is left to the waits below.
        m_socket->connectToHost(host, static_cast<quint16>(port),
                                QIODevice::ReadWrite | QIODevice::Unbuffered);
        if (!m_socket->waitForConnected(CurrentLinkTiming().tcpConnectTimeoutMs) ||
            m_socket->state() != QAbstractSocket::ConnectedState) {
            close();
            return kNoLink;
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
        if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState) return -1;
        if (length == 0) return 0;
        if (m_socket->write(reinterpret_cast<const char*>(bytes), length) != length) return -1;
        const LinkTiming& t = CurrentLinkTiming();
        int idleAttempts = 0;
        while (m_socket->bytesToWrite() > 0) {
            const qint64 pending = m_socket->bytesToWrite();
            if (m_socket->waitForBytesWritten(t.tcpTimeoutMs)) {
                idleAttempts = 0;
                continue;
            }
            if (m_socket->state() != QAbstractSocket::ConnectedState) return -1;
            // The peer accepted nothing within the wait: try again, a bounded number of times.
            if (m_socket->bytesToWrite() == pending && ++idleAttempts >= t.tcpZeroSendAttempts) return -1;
        }
        return length;
    }

    uint32_t fill(uint8_t* buffer, uint32_t maxLength, int timeoutMs) override {
        if (!m_socket) return 0;
        if (m_socket->bytesAvailable() == 0 && !m_socket->waitForReadyRead(timeoutMs)) return 0;
        const qint64 got = m_socket->read(reinterpret_cast<char*>(buffer), maxLength);
        return got > 0 ? static_cast<uint32_t>(got) : 0;
    }

    ~TcpTransport() override { close(); }

private:
    std::unique_ptr<QTcpSocket> m_socket;
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
