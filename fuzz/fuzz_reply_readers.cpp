// SPDX-License-Identifier: Apache-2.0
// The link's reply readers on whatever a device may send: framed replies, reply lines, reply
// lists, the announcement's reply and the free answer of a raw block.
//
// Input: one byte choosing the reader (low nibble) and the kind (bits 4 and 5), one byte for
// the buffer's capacity, then the bytes the device sends. Each buffer is allocated with
// exactly the capacity the reader is told, so a byte written past it is seen.

#include "fuzz_transport.h"

#include "link/printer_link.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace lb;

namespace {

// Small capacities as they are (the edge cases 0, 1 and 2), larger ones in steps.
uint32_t Capacity(uint8_t b) {
    return b < 16 ? b : uint32_t(b) * 9;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const uint8_t mode = data[0] & 0x0F;
    const auto kind = static_cast<InterfaceKind>((data[0] >> 4) & 3);
    const uint32_t capacity = Capacity(data[1]);
    fuzz::SetReplies(data + 2, size - 2);

    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return 0;
    // A reply that ends before the input does is followed by the next one, as a report
    // sequence reads one after another on the same link.
    for (int round = 0; round < 64; ++round) {
        switch (mode % 6) {
        case 0: {
            const auto buffer = std::make_unique<char[]>(capacity);
            uint32_t length = 0;
            if (!ReadFramedReply(handle, kind, buffer.get(), capacity, length)) goto done;
            // At most capacity - 2 data bytes, and the NUL after them.
            Check(capacity >= 2 && length <= capacity - 2 && buffer[length] == '\0');
            break;
        }
        case 1: {
            char* buffer = new char[kReplyLineMax + 1];
            uint32_t length = 0;
            const bool ok = ReadReplyLine(handle, kind, buffer, length);
            Check(length <= kReplyLineMax && buffer[length] == '\0');
            delete[] buffer;
            if (!ok || length == 0) goto done;
            break;
        }
        case 2: {
            const auto buffer = std::make_unique<char[]>(capacity);
            uint32_t total = 0;
            if (SendCommandReadReplyList(handle, kind, "DIAGNOSTIC REPORT FFILELIST\r\n", buffer.get(),
                                         capacity, total) != kLinkOk)
                goto done;
            Check(total < capacity && buffer[total] == '\0' && std::strlen(buffer.get()) <= total);
            break;
        }
        case 3: {
            const auto buffer = std::make_unique<char[]>(capacity);
            if (SendInterfaceAnnouncement(handle, kind, buffer.get(), capacity) != kLinkOk) goto done;
            break;
        }
        case 4: {
            const QByteArray reply = ReadLinkUntilQuiet(handle, kind, 0, capacity);
            Check(uint32_t(reply.size()) <= capacity);
            if (reply.isEmpty()) goto done;
            break;
        }
        default: {
            const auto buffer = std::make_unique<uint8_t[]>(capacity);
            if (!ReadLinkBytes(handle, kind, buffer.get(), capacity) || capacity == 0) goto done;
            break;
        }
        }
    }
done:
    CloseLink(kind, handle);
    return 0;
}
