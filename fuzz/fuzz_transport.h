// SPDX-License-Identifier: Apache-2.0
#pragma once
// A device whose replies are the fuzzer's bytes: the scripted transport of the link tests,
// cut down to what a fuzz run needs. Every kind's transport is replaced once, so that no
// real device, port or socket is ever opened; writes are taken and dropped, fills hand out
// the input as far as it goes and then report that nothing more arrives, at once.

#include "link/link_timing.h"
#include "link/printer_link.h"
#include "link/transport.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace lb::fuzz {

struct ReplyBytes {
    const uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t offset = 0;
};

class FuzzTransport final : public Transport {
public:
    explicit FuzzTransport(ReplyBytes* replies) : m_replies(replies) {}
    LinkHandle open(const LinkSettingsView&) override { return 42; }
    void close() override {}
    int64_t writeChunk(const uint8_t*, uint32_t length) override { return length; }
    uint32_t fill(uint8_t* buffer, uint32_t maxLength, int) override {
        const std::size_t left = m_replies->size - m_replies->offset;
        const auto n = static_cast<uint32_t>(std::min<std::size_t>(maxLength, left));
        if (n == 0) return 0;   // the wait runs out
        std::memcpy(buffer, m_replies->data + m_replies->offset, n);
        m_replies->offset += n;
        return n;
    }

private:
    ReplyBytes* m_replies;
};

// No pauses and no waits: the fuzz transport answers at once anyway, but the list, progress
// and file-read pauses would sleep.
inline LinkTiming NoWaitTiming() {
    LinkTiming t;
    t.usbReadTimeoutMs = t.comReadTimeoutMs = t.tcpTimeoutMs = 0;
    t.tcpConnectTimeoutMs = 0;
    t.replyListPauseMs = 0;
    t.progressHidePauseMs = 0;
    t.fileReadSettleMs = t.fileReadCommandPauseMs = 0;
    t.devicePerByteMs = 0;
    t.deviceBaseMs = t.parallelIdleMs = 0;
    return t;
}

// The replies of the current input. Installed behind all four kinds on first use.
inline ReplyBytes& Replies() {
    static ReplyBytes* replies = [] {
        auto* r = new ReplyBytes;
        for (InterfaceKind kind :
             {InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Lpt, InterfaceKind::Ethernet})
            SetTransport(kind, std::make_unique<FuzzTransport>(r));
        SetLinkTiming(NoWaitTiming());
        return r;
    }();
    return *replies;
}

inline void SetReplies(const uint8_t* data, std::size_t size) {
    ReplyBytes& r = Replies();
    r.data = data;
    r.size = size;
    r.offset = 0;
}

}   // namespace lb::fuzz
