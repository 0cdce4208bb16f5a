// SPDX-License-Identifier: Apache-2.0
#pragma once
// Link waits short enough that no test sleeps through a real time-out.

#include "link/link_timing.h"

namespace lb::test {

// Every read wait and device write bound set to waitMs (plus 1 ms a byte), connects bounded at 2 s, no list,
// progress or file-read pauses.
inline LinkTiming ShortLinkTiming(int waitMs) {
    LinkTiming t;
    t.usbReadTimeoutMs = t.comReadTimeoutMs = t.tcpTimeoutMs = waitMs;
    t.tcpConnectTimeoutMs = 2000;
    t.replyListPauseMs = 0;
    t.progressHidePauseMs = 0;
    t.fileReadSettleMs = t.fileReadCommandPauseMs = 0;
    t.devicePerByteMs = 1;
    t.deviceBaseMs = t.parallelIdleMs = waitMs;
    return t;
}

}   // namespace lb::test
