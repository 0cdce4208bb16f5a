// SPDX-License-Identifier: Apache-2.0
// The USB link: the first present printer with an accepted vendor identifier, through the
// program's USB backend, in 64-byte writes and reads of up to 64 bytes.

#include "link/link_timing.h"
#include "link/link_wait.h"
#include "link/transport.h"
#include "link/usb_backend.h"

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <memory>

namespace lb {
namespace {

class UsbTransport final : public Transport {
public:
    LinkHandle open(const LinkSettingsView&) override {
        close();
        m_error.clear();
        m_link = QStringLiteral("USB");
        UsbBackend& backend = CurrentUsbBackend();
        const QList<QByteArray> ids = AcceptedUsbVendorIds();
        const QByteArray path = SelectUsbDevice(backend, ProgramUsbDeviceList(), ids);
        if (path.isEmpty()) {
            QStringList vids;
            for (const QByteArray& id : ids)
                vids.append(QString::fromLatin1(id));
            fail(QCoreApplication::translate("lb::Link", "no device with an accepted vendor identifier (%1)")
                     .arg(vids.join(QStringLiteral(", "))));
            return kNoLink;
        }
        m_link = QStringLiteral("USB ") + QString::fromLatin1(path);
        if (!backend.open(path)) {
            const QString reason = backend.lastErrorText();
            fail(reason.isEmpty() ? QCoreApplication::translate("lb::Link", "the device cannot be opened")
                                  : reason);
            return kNoLink;
        }
        m_open = true;
        m_held.clear();
        return 1;
    }

    void close() override {
        if (!m_open) return;
        CurrentUsbBackend().close();
        m_open = false;
        m_held.clear();
    }

    int64_t writeChunk(const uint8_t* bytes, uint32_t length) override {
        if (!m_open) return -1;
        if (length == 0) return 0;
        // The device gets as long as a serial port would to take the chunk; a printer that
        // takes nothing fails the write instead of holding the program.
        int transferred = 0;
        const int boundMs = CurrentLinkTiming().deviceWriteBoundMs(length);
        const UsbBackend::Result r = CurrentUsbBackend().write(bytes, int(length), boundMs, transferred);
        if (r == UsbBackend::Result::Gone)
            fail(QCoreApplication::translate("lb::Link", "the device is gone"));
        if (r == UsbBackend::Result::Timeout)
            fail(QCoreApplication::translate("lb::Link", "the printer took no data for %1 ms").arg(boundMs));
        if (r == UsbBackend::Result::Gone && transferred == 0) return -1;
        return std::clamp<int64_t>(transferred, 0, length);
    }

    uint32_t fill(uint8_t* buffer, uint32_t maxLength, int timeoutMs) override {
        if (!m_open || maxLength == 0) return 0;
        if (m_held.isEmpty()) {
            // A bulk packet may be larger than one fill: read a whole packet and keep what
            // does not fit for the next fill, so that nothing overflows or is lost.
            UsbBackend& backend = CurrentUsbBackend();
            QByteArray packet(std::max<int>(backend.readPacketSize(), int(maxLength)), '\0');
            int got = 0;
            const WaitResult arrived = WaitInSlices(timeoutMs, [&](int ms) {
                // libusb reads a time-out of 0 as no limit at all.
                const UsbBackend::Result r = backend.read(reinterpret_cast<uint8_t*>(packet.data()),
                                                          int(packet.size()), std::max(ms, 1), got);
                if (got > 0) return SliceResult::Ready;
                return r == UsbBackend::Result::Gone ? SliceResult::Broken : SliceResult::KeepWaiting;
            });
            if (arrived != WaitResult::Ready) {
                fail(arrived == WaitResult::Cancelled ? LinkCancelledReason()
                     : arrived == WaitResult::Broken
                         ? QCoreApplication::translate("lb::Link", "the device is gone")
                         : QCoreApplication::translate("lb::Link", "no reply within %1 ms").arg(timeoutMs));
                return 0;
            }
            m_held = packet.left(std::min<int>(got, int(packet.size())));
        }
        const uint32_t n = std::min<uint32_t>(maxLength, uint32_t(m_held.size()));
        std::memcpy(buffer, m_held.constData(), n);
        m_held.remove(0, n);
        return n;
    }

    QString lastErrorText() const override { return m_error; }

    ~UsbTransport() override { close(); }

private:
    void fail(const QString& reason) { m_error = m_link + QStringLiteral(": ") + reason; }

    bool m_open = false;
    QByteArray m_held;
    QString m_link;    // "USB usb#vid_1203&pid_0001#1-2", for the error texts
    QString m_error;   // why the last call failed
};

}   // namespace

std::unique_ptr<Transport> MakeUsbTransport() {
    return std::make_unique<UsbTransport>();
}

}   // namespace lb
