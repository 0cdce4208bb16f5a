// SPDX-License-Identifier: Apache-2.0
#pragma once
// A USB backend with scripted devices, reads and write outcomes.

#include "link/usb_backend.h"

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <cstring>

struct FakeUsbState {
    QList<lb::UsbDeviceEntry> devices;
    int enumerations = 0;
    QByteArray opened;               // path of the open device; empty when closed
    QList<QByteArray> openedPaths;   // every successful open
    bool openFails = false;
    int packetSize = 64;
    QList<QByteArray> packets;   // what successive reads deliver (at most the capacity each)
    int reads = 0;
    QList<QByteArray> writes;   // every write's bytes
    int acceptLimit = -1;       // a write takes at most this many bytes, then times out
    bool gone = false;          // the device was unplugged
    QString openError;          // the backend's reason for a failed open
};

class FakeUsbBackend final : public lb::UsbBackend {
public:
    explicit FakeUsbBackend(FakeUsbState* state) : m_s(state) {}
    QList<lb::UsbDeviceEntry> enumerate() override {
        ++m_s->enumerations;
        return m_s->devices;
    }
    bool open(const QByteArray& path) override {
        if (m_s->openFails || m_s->gone) return false;
        m_s->opened = path;
        m_s->openedPaths.append(path);
        return true;
    }
    void close() override { m_s->opened.clear(); }
    int readPacketSize() const override { return m_s->packetSize; }
    QString lastErrorText() const override { return m_s->openError; }
    Result write(const uint8_t* bytes, int length, int, int& transferred) override {
        transferred = 0;
        if (m_s->gone) return Result::Gone;
        const int n = m_s->acceptLimit >= 0 ? std::min(length, m_s->acceptLimit) : length;
        m_s->writes.append(QByteArray(reinterpret_cast<const char*>(bytes), n));
        transferred = n;
        return n == length ? Result::Ok : Result::Timeout;
    }
    Result read(uint8_t* buffer, int capacity, int, int& transferred) override {
        ++m_s->reads;
        transferred = 0;
        if (m_s->gone) return Result::Gone;
        if (m_s->packets.isEmpty()) return Result::Timeout;
        const QByteArray packet = m_s->packets.takeFirst();
        transferred = std::min<int>(capacity, int(packet.size()));
        std::memcpy(buffer, packet.constData(), size_t(transferred));
        return Result::Ok;
    }

private:
    FakeUsbState* m_s;
};

inline lb::UsbDeviceEntry UsbDevice(const char* path, const char* product = "",
                                    const char* description = "") {
    lb::UsbDeviceEntry e;
    e.path = path;
    e.product = QString::fromUtf8(product);
    e.description = QString::fromUtf8(description);
    return e;
}
