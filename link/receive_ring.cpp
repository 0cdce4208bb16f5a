// SPDX-License-Identifier: Apache-2.0
#include "link/receive_ring.h"

#include <cstring>

namespace lb {

uint32_t ReceiveRing::append(const uint8_t* bytes, uint32_t length) {
    const uint32_t room = kSize - m_count;
    if (length > room) length = room;
    uint32_t done = 0;
    while (done < length) {
        uint32_t run = kSize - m_writePos;
        if (run > length - done) run = length - done;
        std::memcpy(m_data + m_writePos, bytes + done, run);
        m_writePos = (m_writePos + run) % kSize;
        done += run;
    }
    m_count += length;
    return length;
}

bool ReceiveRing::take(uint8_t& out) {
    if (m_count == 0) return false;
    out = m_data[m_readPos];
    m_readPos = (m_readPos + 1) % kSize;
    --m_count;
    return true;
}

}   // namespace lb
