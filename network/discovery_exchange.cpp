// SPDX-License-Identifier: Apache-2.0
#include "network/discovery_exchange.h"

#include "link/link_observer.h"
#include "link/link_wait.h"

#include <QElapsedTimer>
#include <QUdpSocket>
#include <algorithm>

namespace lb {

namespace {

// How often a wait lets the window repaint.
constexpr int kPumpSliceMs = 20;

DiscoveryEndpoint& EndpointState() {
    static DiscoveryEndpoint endpoint;
    return endpoint;
}

bool g_running = false;

// Marks one network action as running for its scope; false when one already is.
class RunningAction {
public:
    RunningAction() : m_owner(!g_running) { g_running = true; }
    ~RunningAction() {
        if (!m_owner) return;
        g_running = false;
        if (LinkObserver* observer = CurrentLinkObserver()) observer->actionFinished();
    }
    RunningAction(const RunningAction&) = delete;
    RunningAction& operator=(const RunningAction&) = delete;
    explicit operator bool() const { return m_owner; }

private:
    bool m_owner;
};

// Whether a datagram can be read within ms, the window kept painted meanwhile. False at once
// once the user has cancelled the action.
bool WaitForDatagram(QUdpSocket& socket, int ms) {
    return WaitInSlices(ms, [&socket](int slice) {
               if (socket.hasPendingDatagrams()) return SliceResult::Ready;
               socket.waitForReadyRead(std::min(slice, kPumpSliceMs));
               return socket.hasPendingDatagrams() ? SliceResult::Ready : SliceResult::KeepWaiting;
           }) == WaitResult::Ready;
}

// One datagram, as a 2048-byte receive buffer takes it (a longer one is cut).
QByteArray ReceiveDatagram(QUdpSocket& socket) {
    QByteArray bytes(kDatagramBufferSize, '\0');
    const qint64 length = socket.readDatagram(bytes.data(), bytes.size());
    bytes.truncate(length > 0 ? qsizetype(length) : 0);
    return bytes;
}

// An unconnected IPv4 datagram socket on a port the system chooses; the printers answer to it.
bool OpenSocket(QUdpSocket& socket) {
    return socket.bind(QHostAddress(QHostAddress::AnyIPv4), 0);
}

bool Send(QUdpSocket& socket, const QByteArray& datagram, const QHostAddress& to, quint16 port) {
    return socket.writeDatagram(datagram, to, port) == datagram.size();
}

}   // namespace

DiscoveryEndpoint DefaultDiscoveryEndpoint() {
    return DiscoveryEndpoint{};
}

DiscoveryEndpoint SingleDestinationEndpoint(const QHostAddress& address, quint16 port) {
    DiscoveryEndpoint endpoint;
    endpoint.firstDestination = endpoint.secondDestination = address;
    endpoint.port = port;
    return endpoint;
}

const DiscoveryEndpoint& CurrentDiscoveryEndpoint() {
    return EndpointState();
}

void SetDiscoveryEndpoint(const DiscoveryEndpoint& endpoint) {
    EndpointState() = endpoint;
}

bool NetworkActionRunning() {
    return g_running;
}

NetworkResult Discover(RequestSequence& sequence, QList<DiscoveredPrinter>& printers,
                       const std::function<void(const DiscoveredPrinter&)>& onReply, DiscoveryCut* cut) {
    if (cut) *cut = DiscoveryCut::None;
    RunningAction running;
    if (!running) return NetworkResult::Busy;
    printers.clear();
    QUdpSocket socket;
    if (!OpenSocket(socket)) return NetworkResult::NoSocket;
    // A copy: a pumped event must not redirect a discovery half-way.
    const DiscoveryEndpoint endpoint = CurrentDiscoveryEndpoint();
    const QByteArray request = DiscoverRequest(sequence.value());
    QElapsedTimer elapsed;
    elapsed.start();
    DiscoveryCut stopped = DiscoveryCut::None;
    bool sent = false;
    for (const QHostAddress& destination : {endpoint.firstDestination, endpoint.secondDestination}) {
        if (stopped != DiscoveryCut::None) break;
        if (!Send(socket, request, destination, endpoint.port)) continue;
        sent = true;
        // Until the network has been quiet for the whole period, or the limits are reached.
        for (;;) {
            const qint64 left = endpoint.discoveryMaxMs - elapsed.elapsed();
            if (left <= 0) {
                stopped = DiscoveryCut::Time;
                break;
            }
            if (!WaitForDatagram(socket, int(std::min<qint64>(endpoint.quietMs, left)))) {
                if (elapsed.elapsed() >= endpoint.discoveryMaxMs && socket.hasPendingDatagrams())
                    stopped = DiscoveryCut::Time;
                break;
            }
            const QByteArray reply = ReceiveDatagram(socket);
            if (const std::optional<DiscoveredPrinter> printer = ParseDiscoveryReply(reply)) {
                if (printers.size() >= endpoint.maxPrinters) {
                    stopped = DiscoveryCut::Count;
                    break;
                }
                printers.append(*printer);
                if (onReply) onReply(*printer);
            }
        }
    }
    if (cut) *cut = stopped;
    if (!sent) return NetworkResult::SendFailed;
    sequence.advance();
    return LinkCancelRequested() ? NetworkResult::Cancelled : NetworkResult::Done;
}

NetworkResult SendFactoryDefault(RequestSequence& sequence, const MacBytes& mac) {
    RunningAction running;
    if (!running) return NetworkResult::Busy;
    QUdpSocket socket;
    if (!OpenSocket(socket)) return NetworkResult::NoSocket;
    const DiscoveryEndpoint& endpoint = CurrentDiscoveryEndpoint();
    if (!Send(socket, FactoryDefaultRequest(sequence.value(), mac), endpoint.firstDestination, endpoint.port))
        return NetworkResult::SendFailed;
    sequence.advance();
    return NetworkResult::Done;
}

RemoteSettingsChange::RemoteSettingsChange(const RequestSequence& sequence, const MacBytes& mac)
    : m_buffer(sequence.value(), mac), m_mac(mac) {}

RemoteSettingsChange::~RemoteSettingsChange() = default;

bool RemoteSettingsChange::ensureSocket() {
    if (m_socket) return true;
    auto socket = std::make_unique<QUdpSocket>();
    if (!OpenSocket(*socket)) return false;
    m_socket = std::move(socket);
    return true;
}

RemoteReadResult RemoteSettingsChange::readSettings(EthernetSettings& settings) {
    RemoteReadResult read;
    RunningAction running;
    if (!running) {
        read.result = NetworkResult::Busy;
        return read;
    }
    if (!ensureSocket()) {
        read.result = NetworkResult::NoSocket;
        return read;
    }
    SetEthernetText(settings.MacText, FormatMacText(m_mac));
    const DiscoveryEndpoint endpoint = CurrentDiscoveryEndpoint();
    // One request, then its reply within the wait: a datagram that is not its answer (a stray
    // discovery reply, an echo, a late reply to another read) is dropped and the wait goes on.
    // Nothing when no answer came.
    auto exchange = [&](const QByteArray& request, QByteArray& reply) {
        if (!Send(*m_socket, request, endpoint.firstDestination, endpoint.port)) return false;
        QElapsedTimer waited;
        waited.start();
        for (qint64 left = endpoint.replyWaitMs; left > 0; left = endpoint.replyWaitMs - waited.elapsed()) {
            if (!WaitForDatagram(*m_socket, int(left))) break;
            const QByteArray datagram = ReceiveDatagram(*m_socket);
            if (IsSettingsReplyTo(datagram, request)) {
                reply = datagram;
                break;
            }
        }
        return true;
    };
    // A reply left from an earlier exchange is not an answer to these reads.
    while (m_socket->hasPendingDatagrams())
        ReceiveDatagram(*m_socket);
    QByteArray reply;
    if (!exchange(m_buffer.readIpSettings(), reply)) {
        read.result = NetworkResult::SendFailed;
        return read;
    }
    read.ipSettingsAnswered = ApplyIpSettingsReply(reply, settings);
    reply.clear();
    if (!exchange(m_buffer.readAddressMode(), reply)) {
        read.result = NetworkResult::SendFailed;
        return read;
    }
    read.addressModeAnswered = ApplyAddressModeReply(reply, settings);
    if (LinkCancelRequested()) read.result = NetworkResult::Cancelled;
    return read;
}

NetworkResult RemoteSettingsChange::writeSettings(const EthernetSettings& settings,
                                                  RequestSequence& sequence) {
    RunningAction running;
    if (!running) return NetworkResult::Busy;
    if (InvalidEthernetField(settings, true, true) != EthernetField::None) return NetworkResult::InvalidInput;
    if (!ensureSocket()) return NetworkResult::NoSocket;
    const DiscoveryEndpoint endpoint = CurrentDiscoveryEndpoint();
    const QByteArray requests[] = {
        m_buffer.writePrinterName(EthernetText(settings.PrinterName)),
        m_buffer.writeIpSettings(DottedAddressOrAllOnes(EthernetText(settings.IpAddress)),
                                 DottedAddressOrAllOnes(EthernetText(settings.SubnetMask)),
                                 DottedAddressOrAllOnes(EthernetText(settings.Gateway))),
        m_buffer.writeAddressMode(settings.Dhcp == 1),
        m_buffer.finalWrite(),
    };
    for (const QByteArray& request : requests) {
        // The printer applies the change at the final write: a cancel before it changes nothing.
        if (LinkCancelRequested()) return NetworkResult::Cancelled;
        if (!Send(*m_socket, request, endpoint.firstDestination, endpoint.port))
            return NetworkResult::SendFailed;
        // The printer's answer carries nothing that is used.
        if (WaitForDatagram(*m_socket, endpoint.replyWaitMs)) ReceiveDatagram(*m_socket);
    }
    sequence.advance();
    return NetworkResult::Done;
}

}   // namespace lb
