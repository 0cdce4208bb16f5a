// SPDX-License-Identifier: Apache-2.0
#pragma once
// What the link layer needs of each interface's transport.

#include "link/link_types.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace lb {

struct LinkSettingsView {
    const SerialSettings* serial = nullptr;
    const ParallelPortName* parallel = nullptr;
    const NetworkTarget* network = nullptr;
};

class Transport {
public:
    virtual ~Transport() = default;
    // Opens the device or connection; returns the handle or kNoLink.
    virtual LinkHandle open(const LinkSettingsView& settings) = 0;
    virtual void close() = 0;
    // Writes one chunk synchronously; returns how many bytes went out, or -1 on an error.
    virtual int64_t writeChunk(const uint8_t* bytes, uint32_t length) = 0;
    // One read of at most maxLength bytes, waiting at most timeoutMs for the first byte.
    // Returns the number of bytes stored (0: nothing arrived or the peer is gone).
    virtual uint32_t fill(uint8_t* buffer, uint32_t maxLength, int timeoutMs) = 0;
    // Drops what has already arrived and not been read, without waiting for more. A device
    // that cannot tell without a wait (USB) drops nothing.
    virtual void discardArrived() {}
    // Whether the other end has closed the connection (a fill that returned nothing then
    // did not merely wait out its time).
    virtual bool peerGone() const { return false; }
    // Why the last open, write or read failed, for a person: the link and the system's
    // reason ("ETHERNET 192.168.1.20:9100: connection refused"). Empty when not known.
    virtual QString lastErrorText() const { return {}; }
};

// Replaces the transport used for a kind (the in-process simulator, a fake device).
// Passing nullptr restores the built-in transport. Must not be called while a link is open.
void SetTransport(InterfaceKind kind, std::unique_ptr<Transport> transport);

// The built-in transports.
std::unique_ptr<Transport> MakeTcpTransport();
std::unique_ptr<Transport> MakeSerialTransport();     // COM: SerialSettings at every open
std::unique_ptr<Transport> MakeParallelTransport();   // LPT: write-only, one write per block
std::unique_ptr<Transport> MakeUsbTransport();        // USB: through CurrentUsbBackend()
// A transport whose device is never present: every open fails.
std::unique_ptr<Transport> MakeAbsentTransport();

}   // namespace lb
