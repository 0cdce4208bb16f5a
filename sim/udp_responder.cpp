// SPDX-License-Identifier: Apache-2.0
#include "sim/udp_responder.h"

#include "sim/server_thread.h"

#include <QDeadlineTimer>
#include <QMutexLocker>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QWaitCondition>
#include <algorithm>
#include <cstring>
#include <optional>

namespace lb::sim {

namespace {

// The protocol's layout, as a printer reads it (kept apart from LabelBench's own builders,
// so that a test against the simulator catches a wrong offset on either side).
constexpr int kHeaderSize = 32;
constexpr int kAddressing = 7;
constexpr int kKind = 8;
constexpr int kTargetMac = 22;
constexpr int kReadItem = 32;
constexpr int kWriteItem = 34;
constexpr int kIpAddress = 69;
constexpr int kSubnetMask = 73;
constexpr int kGateway = 77;
constexpr int kPrinterName = 176;
constexpr int kAddressMode = 942;
constexpr int kAddressModeAux = 948;
constexpr int kSettingsReplySize = 1064;
constexpr int kState = 40;
constexpr int kFlags = 41;
constexpr int kReplyAddress = 44;
constexpr int kModelName = 52;
constexpr int kModelNameMax = 31;   // its field ends where the name begins
constexpr int kReplyName = 84;
constexpr int kDiscoverReplySize = kReplyName + 64;

enum Kind { kFactoryDefault = 1, kDiscover = 2, kRead = 3, kWrite = 4 };
enum Item { kItemName = 0, kItemIpSettings = 4, kItemAddressMode = 5, kItemFinal = 7 };

using Address = NetworkInterface::Address;

int Kind16(const QByteArray& d) {
    return (uint8_t(d[kKind]) << 8) | uint8_t(d[kKind + 1]);
}

Address AddressAt(const QByteArray& d, int at) {
    Address a{};
    std::memcpy(a.data(), d.constData() + at, a.size());
    return a;
}

void PutAddress(QByteArray& d, int at, const Address& a) {
    std::memcpy(d.data() + at, a.data(), a.size());
}

void PutText(QByteArray& d, int at, const QByteArray& text, int max) {
    const QByteArray cut = text.left(max);
    std::memcpy(d.data() + at, cut.constData(), size_t(cut.size()));
}

// The request's header, with this printer's MAC: the start of every answer.
QByteArray ReplyStart(const QByteArray& request, const NetworkInterface& n, int size) {
    QByteArray reply(size, '\0');
    std::memcpy(reply.data(), request.constData(), kHeaderSize);
    std::memcpy(reply.data() + kTargetMac, n.mac.data(), n.mac.size());
    return reply;
}

// What a printer holds between the first write of a change and the final one.
struct PendingWrite {
    std::optional<QByteArray> name;
    std::optional<std::array<Address, 3>> addresses;
    std::optional<bool> dhcp;
};

}   // namespace

NetworkInterface NumberedNetworkInterface(int number) {
    NetworkInterface n;
    if (number <= 1) return n;
    const int k = std::min(number, 255) - 1;
    n.mac[5] = uint8_t(k + 1);
    n.name = "LABELPRINTER-" + QByteArray::number(k + 1);
    n.address[3] = uint8_t(100 + std::min(k, 150));
    n.dhcpLease[3] = uint8_t(57 + std::min(k, 150));
    return n;
}

QByteArray DiscoverReplyOf(const Profile& p, const QByteArray& request) {
    QByteArray reply = ReplyStart(request.leftJustified(kHeaderSize, '\0'), p.network, kDiscoverReplySize);
    reply[kState] = char(p.network.state);
    reply[kFlags] = char(p.network.flags);
    PutAddress(reply, kReplyAddress, p.network.addressInUse());
    // The model: the first word of the firmware's version text ("LB-4203 V1.04 EZ").
    const QByteArray model = p.reports.value("VERSION").split(' ').first();
    PutText(reply, kModelName, model.isEmpty() ? QByteArray("LB") : model, kModelNameMax);
    PutText(reply, kReplyName, p.network.name, kDiscoverReplySize - kReplyName - 1);
    return reply;
}

struct UdpResponder::Impl {
    QList<SimulatedPrinter*> printers;
    QList<PendingWrite> pending;   // by printer; server thread only

    mutable QMutex mutex;   // guards received
    mutable QWaitCondition servedOne;
    QList<QByteArray> received;
    quint16 port = 0;

    ServerThread thread{QStringLiteral("labelbench-sim-udp")};
    QUdpSocket* socket = nullptr;   // server thread only

    void readAll();
    // The answers of every printer to one datagram.
    QList<QByteArray> serve(const QByteArray& request);
    std::optional<QByteArray> serveOne(int index, const QByteArray& request);
};

void UdpResponder::Impl::readAll() {
    while (socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket->receiveDatagram();
        const QByteArray request = datagram.data();
        const QList<QByteArray> answers = serve(request);
        for (const QByteArray& answer : answers)
            socket->writeDatagram(answer, datagram.senderAddress(), quint16(datagram.senderPort()));
        QMutexLocker lock(&mutex);
        received.append(request);
        servedOne.wakeAll();
    }
}

QList<QByteArray> UdpResponder::Impl::serve(const QByteArray& request) {
    QList<QByteArray> answers;
    // A printer takes a request only with the header it knows.
    if (request.size() < kHeaderSize || request[0] != 0 || request[1] != kHeaderSize || request[6] != 8)
        return answers;
    for (int i = 0; i < printers.size(); ++i)
        if (std::optional<QByteArray> answer = serveOne(i, request)) answers.append(*answer);
    return answers;
}

std::optional<QByteArray> UdpResponder::Impl::serveOne(int index, const QByteArray& request) {
    SimulatedPrinter& printer = *printers[index];
    const Profile p = printer.profile();
    const NetworkInterface& n = p.network;
    const int kind = Kind16(request);
    if (request[kAddressing] == 0) {
        if (kind == kDiscover) return DiscoverReplyOf(p, request);
        return std::nullopt;
    }
    if (request[kAddressing] != 2 ||
        std::memcmp(request.constData() + kTargetMac, n.mac.data(), n.mac.size()) != 0)
        return std::nullopt;

    PendingWrite& held = pending[index];
    switch (kind) {
    case kFactoryDefault:
        held = {};
        printer.edit([](Profile& q) { q.network.resetToFactory(); });
        return std::nullopt;
    case kRead: {
        if (request.size() < kReadItem + 2) return std::nullopt;
        QByteArray reply = ReplyStart(request, n, kSettingsReplySize);
        if (request[kReadItem] == kItemIpSettings) {
            PutAddress(reply, kIpAddress, n.addressInUse());
            PutAddress(reply, kSubnetMask, n.mask);
            PutAddress(reply, kGateway, n.gateway);
        } else if (request[kReadItem] == kItemAddressMode) {
            reply[kAddressMode] = char(n.dhcp ? 8 : 1);
            reply[kAddressModeAux] = char(n.dhcp ? 4 : 1);
        } else {
            return std::nullopt;
        }
        return reply;
    }
    case kWrite: {
        if (request.size() < kSettingsReplySize) return std::nullopt;
        switch (request[kWriteItem]) {
        case kItemName: {
            const QByteArray rest = request.mid(kPrinterName);
            const qsizetype zero = rest.indexOf('\0');
            held.name = rest.left(zero < 0 ? rest.size() : zero).left(63);
            break;
        }
        case kItemIpSettings:
            held.addresses = {AddressAt(request, kIpAddress), AddressAt(request, kSubnetMask),
                              AddressAt(request, kGateway)};
            break;
        case kItemAddressMode:
            held.dhcp = uint8_t(request[kAddressMode]) == 8;
            break;
        case kItemFinal: {
            const PendingWrite change = held;
            held = {};
            printer.edit([&](Profile& q) {
                if (change.name) q.network.name = *change.name;
                if (change.dhcp) q.network.dhcp = *change.dhcp;
                // Under DHCP the address the printer was told is kept for a later static setting.
                if (change.addresses) {
                    q.network.address = (*change.addresses)[0];
                    q.network.mask = (*change.addresses)[1];
                    q.network.gateway = (*change.addresses)[2];
                }
            });
            break;
        }
        default:
            return std::nullopt;
        }
        return ReplyStart(request, n, kHeaderSize);
    }
    default:
        return std::nullopt;
    }
}

UdpResponder::UdpResponder(QList<SimulatedPrinter*> printers) : m_impl(std::make_unique<Impl>()) {
    m_impl->printers = std::move(printers);
    m_impl->pending.resize(m_impl->printers.size());
}

UdpResponder::~UdpResponder() {
    stop();
}

bool UdpResponder::start(quint16 port, const QHostAddress& address) {
    stop();
    // Never a real interface: the simulated printers answer on loopback only.
    if (!address.isLoopback() || address.protocol() != QAbstractSocket::IPv4Protocol) return false;
    Impl& d = *m_impl;
    const quint16 bound = d.thread.start([&d, port, address](QObject* context) -> quint16 {
        d.socket = new QUdpSocket(context);
        if (!d.socket->bind(address, port)) {
            delete d.socket;
            d.socket = nullptr;
            return 0;
        }
        QObject::connect(d.socket, &QUdpSocket::readyRead, d.socket, [&d] { d.readAll(); });
        return d.socket->localPort();
    });
    if (bound == 0) return false;
    QMutexLocker lock(&d.mutex);
    d.port = bound;
    return true;
}

void UdpResponder::stop() {
    Impl& d = *m_impl;
    d.thread.stop([&d] {
        delete d.socket;
        d.socket = nullptr;
    });
    QMutexLocker lock(&d.mutex);
    d.port = 0;
}

quint16 UdpResponder::port() const {
    QMutexLocker lock(&m_impl->mutex);
    return m_impl->port;
}

QList<QByteArray> UdpResponder::received() const {
    QMutexLocker lock(&m_impl->mutex);
    return m_impl->received;
}

bool UdpResponder::waitForReceived(int count, int timeoutMs) const {
    QMutexLocker lock(&m_impl->mutex);
    QDeadlineTimer deadline(timeoutMs);
    while (m_impl->received.size() < count)
        if (!m_impl->servedOne.wait(&m_impl->mutex, deadline)) break;
    return m_impl->received.size() >= count;
}

}   // namespace lb::sim
