// SPDX-License-Identifier: Apache-2.0
#pragma once
// The simulated printers' side of the discovery protocol: a UDP socket on a loopback address
// that answers the discover request, the two reads and the four writes like one printer or
// several, each with its own MAC and network settings (NetworkInterface in sim/profile.h,
// shared with the link through the SimulatedPrinter). Served from its own thread, so that
// LabelBench's blocking exchange on the calling thread can talk to it in the same process.
//
// A discover request (addressing 0) is answered by every printer; a request to one printer
// (addressing 2) only by the printer with its target MAC. The writes are held per printer and
// applied together by the final write; a factory default resets the printer's settings and is
// not answered.

#include "sim/simulated_printer.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <memory>

namespace lb::sim {

class UdpResponder {
public:
    // The printers must outlive the responder; they answer in this order.
    explicit UdpResponder(QList<SimulatedPrinter*> printers);
    ~UdpResponder();   // stops

    // Binds address:port (port 0: a free one) on a background thread. Only a loopback
    // address (127.0.0.0/8) is taken: false for any other, and when the port cannot be bound.
    bool start(quint16 port = 0, const QHostAddress& address = QHostAddress(QHostAddress::LocalHost));
    void stop();
    quint16 port() const;

    // The datagrams received so far, in order of arrival (thread-safe).
    QList<QByteArray> received() const;
    // Waits until count datagrams have been received and served.
    bool waitForReceived(int count, int timeoutMs) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The network interface of the n-th simulated printer on one network: the first (1) leaves
// the factory as NetworkInterface does; the n-th has the MAC 02:00:00:00:00:0n (n ≤ 255),
// the name "LABELPRINTER-n" and the addresses .100 + n - 1 and .57 + n - 1.
NetworkInterface NumberedNetworkInterface(int number);

// The datagram a printer answers a discover request with: its MAC at 22, state and flags at
// 40 and 41, its address in use at 44, its model name at 52 and its name at 84.
QByteArray DiscoverReplyOf(const Profile& profile, const QByteArray& request);

}   // namespace lb::sim
