// The USB link: the first present printer with an accepted vendor identifier, through the
// program's USB backend, in 64-byte writes and reads of up to 64 bytes.

#include "link/link_timing.h"
#include "link/transport.h"
#include "link/usb_backend.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <memory>

namespace lb {
namespace {

class UsbTransport final : public Transport {
public:
    LinkHandle open(const LinkSettingsView&) override {
        close();
        UsbBackend& backend = CurrentUsbBackend();
        const QByteArray path = SelectUsbDevice(backend, ProgramUsbDeviceList(), AcceptedUsbVendorIds());
        if (path.isEmpty() || !backend.open(path)) return kNoLink;
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
        const UsbBackend::Result r = CurrentUsbBackend().write(
            bytes, int(length), CurrentLinkTiming().deviceWriteBoundMs(length), transferred);
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
            backend.read(reinterpret_cast<uint8_t*>(packet.data()), int(packet.size()), timeoutMs, got);
            if (got <= 0) return 0;
            m_held = packet.left(std::min<int>(got, int(packet.size())));
        }
        const uint32_t n = std::min<uint32_t>(maxLength, uint32_t(m_held.size()));
        std::memcpy(buffer, m_held.constData(), n);
        m_held.remove(0, n);
        return n;
    }

    ~UsbTransport() override { close(); }

private:
    bool m_open = false;
    QByteArray m_held;
};

}   // namespace

std::unique_ptr<Transport> MakeUsbTransport() {
    return std::make_unique<UsbTransport>();
}

}   // namespace lb
