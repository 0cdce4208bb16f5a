// SPDX-License-Identifier: Apache-2.0
#pragma once
// The link's waits, as named values. Tests shorten them so that no test sleeps through a
// real time-out; the product always runs with the defaults.

namespace lb {

struct LinkTiming {
    int usbReadTimeoutMs = 3000;   // one USB fill
    int comReadTimeoutMs = 3000;   // one COM fill
    int tcpTimeoutMs = 30000;      // every TCP send, receive and wait
    // The system's connect can take minutes on an unreachable host; we give up after 10 s.
    int tcpConnectTimeoutMs = 10000;
    // A TCP send that accepts no byte within tcpTimeoutMs is tried again; after this many
    // attempts in a row the chunk is given up and the write fails.
    int tcpZeroSendAttempts = 3;
    int replyListPauseMs = 50;   // before each frame of a reply list
    // A reply list ends within this long, pauses included, however its frames trickle in.
    int replyListMaxMs = 120000;
    int progressHidePauseMs = 200;   // before the progress window goes away
    // Reading a printer file: after the opening line end, and again before the command.
    int fileReadSettleMs = 500;
    int fileReadCommandPauseMs = 100;
    // A COM or USB chunk may take as long as the device needs to accept it, but not for
    // ever: devicePerByteMs for each byte plus deviceBaseMs.
    int devicePerByteMs = 10;
    int deviceBaseMs = 3000;
    // The parallel port writes a whole block at once; it fails when the device accepts no
    // byte for this long (a printer out of paper holds the port indefinitely).
    int parallelIdleMs = 3000;

    int deviceWriteBoundMs(unsigned long bytes) const {
        const unsigned long total = static_cast<unsigned long>(devicePerByteMs) * bytes + deviceBaseMs;
        return total > 0x7fffffffUL ? 0x7fffffff : static_cast<int>(total);
    }
};

const LinkTiming& CurrentLinkTiming();
void SetLinkTiming(const LinkTiming& timing);

// Restores the defaults when it goes out of scope.
class ScopedLinkTiming {
public:
    explicit ScopedLinkTiming(const LinkTiming& timing) : m_saved(CurrentLinkTiming()) {
        SetLinkTiming(timing);
    }
    ~ScopedLinkTiming() { SetLinkTiming(m_saved); }
    ScopedLinkTiming(const ScopedLinkTiming&) = delete;
    ScopedLinkTiming& operator=(const ScopedLinkTiming&) = delete;

private:
    LinkTiming m_saved;
};

}   // namespace lb
