// SPDX-License-Identifier: Apache-2.0
#pragma once
// The USB printer as the link sees it: a list of present devices with path-like
// identities, and the bulk endpoints of one opened device. The libusb backend is the
// product's; tests put a fake device behind the same interface.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>

namespace lb {

struct UsbDeviceEntry {
    // "usb#vid_xxxx&pid_yyyy#<bus>-<port path>": the identity the selection looks at.
    QByteArray path;
    QString product;       // the product string; empty when it cannot be read
    QString description;   // the manufacturer and ids; empty when nothing is known
};

class UsbBackend {
public:
    enum class Result { Ok, Timeout, Gone };

    virtual ~UsbBackend() = default;
    // The devices present now, in the system's order. Empty when there is no USB bus.
    virtual QList<UsbDeviceEntry> enumerate() = 0;
    // Opens the device with this path and claims its printer interface (bulk in and out).
    virtual bool open(const QByteArray& path) = 0;
    virtual void close() = 0;
    // Largest packet of the bulk-in endpoint: a read asks for at least this much, so that
    // no packet overflows the buffer.
    virtual int readPacketSize() const = 0;
    // One bulk transfer each. transferred holds what went through, also on time-out.
    virtual Result write(const uint8_t* bytes, int length, int timeoutMs, int& transferred) = 0;
    virtual Result read(uint8_t* buffer, int capacity, int timeoutMs, int& transferred) = 0;
    // Why the last open failed, for a person ("permission denied: …"). Empty when not known.
    virtual QString lastErrorText() const { return {}; }
};

// The program-wide backend (libusb unless replaced). Passing nullptr restores libusb.
// Must not be replaced while a USB link is open.
UsbBackend& CurrentUsbBackend();
void SetUsbBackend(std::unique_ptr<UsbBackend> backend);
std::unique_ptr<UsbBackend> MakeLibusbBackend();

// The devices of the last enumeration, at most 256, each with its display name: the
// product string, else the description, else the path (at most 255 bytes of UTF-8).
class UsbDeviceList {
public:
    static constexpr int kMaxDevices = 256;
    static constexpr int kMaxTextBytes = 255;

    // Refills the list from the backend; returns the count.
    int enumerate(UsbBackend& backend);
    int count() const { return int(m_paths.size()); }
    const QByteArray& path(int index) const { return m_paths.at(index); }
    const QString& displayName(int index) const { return m_names.at(index); }

private:
    QList<QByteArray> m_paths;
    QList<QString> m_names;
};

UsbDeviceList& ProgramUsbDeviceList();

// The accepted vendor identifiers, four lower-case hex digits each, in the order they are
// tried. The product's two come from the build; a rebadged printer may need others.
QList<QByteArray> AcceptedUsbVendorIds();
void SetAcceptedUsbVendorIds(const QList<QByteArray>& ids);   // empty: the product's
bool IsUsbVendorIdText(const QByteArray& text);               // four lower-case hex digits

// Whether the four characters after the separator that follows the first "vid" of path
// (case-sensitive) equal vendorId.
bool UsbPathHasVendor(const QByteArray& path, const QByteArray& vendorId);
// Enumerates and picks the first device carrying the first identifier, else (enumerating
// again) the first carrying the second, and so on. Empty when none is present.
QByteArray SelectUsbDevice(UsbBackend& backend, UsbDeviceList& list, const QList<QByteArray>& vendorIds);

}   // namespace lb
