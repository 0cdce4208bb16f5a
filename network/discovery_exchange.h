// SPDX-License-Identifier: Apache-2.0
#pragma once
// Sending the discovery protocol's requests and collecting the replies (UDP), synchronously on
// the calling thread, as the TCP/IP Setup dialog and the command line need it.
//
// Every call blocks until its action is over (a discovery: until the network has been quiet
// twice for quietMs; each request of a change: at most replyWaitMs for its reply). While it
// waits it lets the registered LinkObserver (link/link_observer.h) pump events every few
// milliseconds, so a window stays painted; the caller disables what could start a second
// action. A call made while another one runs (from a pumped event) sends nothing and returns
// NetworkResult::Busy.
//
// Where the datagrams go is one injectable DiscoveryEndpoint. Its defaults are the limited
// broadcast address and the multicast group 224.0.0.251 on port 22368; tests, benchmarks and
// the demo set a loopback endpoint before anything is sent.

#include "network/discovery_protocol.h"

#include <QHostAddress>
#include <QList>
#include <functional>
#include <memory>

class QUdpSocket;

namespace lb {

struct DiscoveryEndpoint {
    // A discovery sends its request to the first destination and collects, then to the
    // second and collects again. Factory default and every request of a change go to the
    // first destination.
    QHostAddress firstDestination{QHostAddress::Broadcast};
    QHostAddress secondDestination{QStringLiteral("224.0.0.251")};
    quint16 port = kDiscoveryPort;
    int quietMs = 1000;       // a discovery's collection ends after this long without a datagram
    int replyWaitMs = 3000;   // the wait for the one reply to each request of a change
    // A discovery ends after this long however much still answers, and lists at most
    // maxPrinters replies: a responder that keeps answering must not hold it.
    int discoveryMaxMs = 8000;
    int maxPrinters = 1024;
};

// 255.255.255.255 and 224.0.0.251, port 22368, 1 s and 3 s.
DiscoveryEndpoint DefaultDiscoveryEndpoint();
// Every datagram to one address and port, with the default waits (the demo's responder).
DiscoveryEndpoint SingleDestinationEndpoint(const QHostAddress& address, quint16 port);

const DiscoveryEndpoint& CurrentDiscoveryEndpoint();
void SetDiscoveryEndpoint(const DiscoveryEndpoint& endpoint);

// Sets an endpoint for one scope and puts the previous one back at its end.
class ScopedDiscoveryEndpoint {
public:
    explicit ScopedDiscoveryEndpoint(const DiscoveryEndpoint& endpoint)
        : m_saved(CurrentDiscoveryEndpoint()) {
        SetDiscoveryEndpoint(endpoint);
    }
    ~ScopedDiscoveryEndpoint() { SetDiscoveryEndpoint(m_saved); }
    ScopedDiscoveryEndpoint(const ScopedDiscoveryEndpoint&) = delete;
    ScopedDiscoveryEndpoint& operator=(const ScopedDiscoveryEndpoint&) = delete;

private:
    DiscoveryEndpoint m_saved;
};

enum class NetworkResult {
    Done,           // sent (what answered, if anything, is in the results)
    NoSocket,       // no datagram socket could be made: nothing sent, no message due
    Busy,           // another network action is under way: nothing sent
    InvalidInput,   // a field of the settings cannot be sent (InvalidEthernetField): nothing sent
    SendFailed,     // the system refused a datagram (no route, no network); the rest not sent
    Cancelled,      // the user cancelled a wait; the rest not sent
};

// Whether a discovery, factory default or change is under way at this moment.
bool NetworkActionRunning();

// The discovery: the discover request with the sequence's value to the first destination,
// every reply of at least 32 bytes collected until quiet, the same request to the second
// destination and collected again. printers is emptied, then gets one entry per reply, in
// arrival order (a printer that answers both requests is there twice); onReply, if given, is
// called with each as it arrives. On Done the sequence moves on. SendFailed only when neither
// request could be sent; when one could, what answered it is listed and the result is Done.
// cut, when given, tells whether the time or the count limit ended the collection early.
enum class DiscoveryCut { None, Time, Count };
NetworkResult Discover(RequestSequence& sequence, QList<DiscoveredPrinter>& printers,
                       const std::function<void(const DiscoveredPrinter&)>& onReply = {},
                       DiscoveryCut* cut = nullptr);

// The factory-default request to the printer with this MAC, once; no reply awaited. On Done
// the sequence moves on; SendFailed when the system refused the datagram.
NetworkResult SendFactoryDefault(RequestSequence& sequence, const MacBytes& mac);

// What the two reads of a change returned.
struct RemoteReadResult {
    NetworkResult result = NetworkResult::Done;
    bool ipSettingsAnswered = false;    // a reply of at least 32 bytes to the read of the IP settings
    bool addressModeAnswered = false;   // the same for the address mode
};

// One change of settings of the printer with this MAC, in two halves because a dialog runs
// between them. Its one socket and its one 2048-byte request buffer (ChangeRequestBuffer)
// live as long as the object; it sends with the sequence's value at construction.
class RemoteSettingsChange {
public:
    RemoteSettingsChange(const RequestSequence& sequence, const MacBytes& mac);
    ~RemoteSettingsChange();
    RemoteSettingsChange(const RemoteSettingsChange&) = delete;
    RemoteSettingsChange& operator=(const RemoteSettingsChange&) = delete;

    // The read of the IP settings and that of the address mode, each followed by a wait of at
    // most replyWaitMs for one datagram. What answers goes into settings (ApplyIpSettingsReply,
    // ApplyAddressModeReply); a field without an answer keeps its value. MacText is set from
    // the MAC; PrinterName is the caller's (the name the printer was listed with).
    RemoteReadResult readSettings(EthernetSettings& settings);

    // The four writes, in order: the printer name, the IP settings, the address mode and the
    // final write, each followed by the wait for one reply, whose content is ignored. All four
    // go out whichever field was changed; the rest as read. InvalidInput, with nothing sent,
    // when InvalidEthernetField(settings, true, true) names a field. On Done the sequence moves
    // on; SendFailed when the system refused one of them (those after it are not sent, and the
    // printer applies nothing before the final write). Call it once, after readSettings.
    NetworkResult writeSettings(const EthernetSettings& settings, RequestSequence& sequence);

    // The change's buffer, for tests.
    const ChangeRequestBuffer& buffer() const { return m_buffer; }

private:
    bool ensureSocket();

    ChangeRequestBuffer m_buffer;
    MacBytes m_mac;
    std::unique_ptr<QUdpSocket> m_socket;
};

}   // namespace lb
