// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>

namespace lb {

// The receive buffer of one reading interface: a fixed 65536-byte ring. It is refilled only
// when empty, and one refill adds at most one transport read (at most 4096 bytes), so it
// never overflows.
class ReceiveRing {
public:
    static constexpr uint32_t kSize = 65536;

    void reset() { m_writePos = m_readPos = m_count = 0; }
    uint32_t count() const { return m_count; }
    uint32_t readPosition() const { return m_readPos; }
    uint32_t writePosition() const { return m_writePos; }

    // Appends bytes at the write position, wrapping at the end. Bytes beyond the free space
    // are dropped and the number actually stored is returned.
    uint32_t append(const uint8_t* bytes, uint32_t length);
    // Takes one byte from the read position; false when the ring is empty.
    bool take(uint8_t& out);

    // Places both positions, for tests of the wrap-around.
    void resetAt(uint32_t position) {
        m_writePos = m_readPos = position % kSize;
        m_count = 0;
    }

private:
    uint8_t m_data[kSize];
    uint32_t m_writePos = 0;
    uint32_t m_readPos = 0;
    uint32_t m_count = 0;
};

}   // namespace lb
