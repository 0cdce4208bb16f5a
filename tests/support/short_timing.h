#pragma once
// Link waits short enough that no test sleeps through a real time-out.

#include "link/link_timing.h"

namespace lb::test {

// Every read wait set to waitMs, connects bounded at 2 s, no list or progress pauses.
inline LinkTiming ShortLinkTiming(int waitMs) {
    LinkTiming t;
    t.usbReadTimeoutMs = t.comReadTimeoutMs = t.tcpTimeoutMs = waitMs;
    t.tcpConnectTimeoutMs = 2000;
    t.replyListPauseMs = 0;
    t.progressHidePauseMs = 0;
    return t;
}

}   // namespace lb::test
