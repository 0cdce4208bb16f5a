// SPDX-License-Identifier: Apache-2.0
#pragma once
// A device that is always present and takes every byte, recording what happens to it.

#include "link/transport.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <memory>

namespace lb::test {

struct DeviceLog {
    QStringList events;   // "open", "close", "write 1b5a0d0a" (hex of each chunk)
    QByteArray written;   // every byte written, in order
    // Called at every chunk, before it is taken (to look at the windows meanwhile).
    std::function<void()> onChunk;
};

class RecordingTransport final : public Transport {
public:
    explicit RecordingTransport(DeviceLog* log) : m_log(log) {}

    LinkHandle open(const LinkSettingsView&) override {
        m_log->events.append(QStringLiteral("open"));
        return 7;
    }
    void close() override { m_log->events.append(QStringLiteral("close")); }
    int64_t writeChunk(const uint8_t* bytes, uint32_t length) override {
        if (m_log->onChunk) m_log->onChunk();
        const QByteArray chunk(reinterpret_cast<const char*>(bytes), qsizetype(length));
        m_log->events.append(QStringLiteral("write ") + QString::fromLatin1(chunk.toHex()));
        m_log->written += chunk;
        return length;
    }
    uint32_t fill(uint8_t*, uint32_t, int) override { return 0; }

private:
    DeviceLog* m_log;
};

// Puts a recording device behind a kind for the life of the object.
class ScopedRecordingDevice {
public:
    explicit ScopedRecordingDevice(InterfaceKind kind) : m_kind(kind) {
        SetTransport(kind, std::make_unique<RecordingTransport>(&m_log));
    }
    // Back to a device that is never present, not to the real one.
    ~ScopedRecordingDevice() { SetTransport(m_kind, MakeAbsentTransport()); }
    ScopedRecordingDevice(const ScopedRecordingDevice&) = delete;
    ScopedRecordingDevice& operator=(const ScopedRecordingDevice&) = delete;

    DeviceLog& log() { return m_log; }

private:
    InterfaceKind m_kind;
    DeviceLog m_log;
};

}   // namespace lb::test
