// SPDX-License-Identifier: Apache-2.0
#include "link/usb_backend.h"

#include <QCoreApplication>
#include <libusb.h>

// The product's identifiers come from the build (link/CMakeLists.txt).
#if !defined(LABELBENCH_USB_VID_1) || !defined(LABELBENCH_USB_VID_2)
#error "LABELBENCH_USB_VID_1 and LABELBENCH_USB_VID_2 are set by the build"
#endif

namespace lb {
namespace {

constexpr uint8_t kPrinterClass = 7;

QString CutToBytes(const QString& text, int maxBytes) {
    QString cut = text;
    while (cut.toUtf8().size() > maxBytes)
        cut.chop(1);
    return cut;
}

QByteArray DevicePath(libusb_device* device, const libusb_device_descriptor& d) {
    uint8_t ports[8];
    const int depth = libusb_get_port_numbers(device, ports, int(sizeof ports));
    QByteArray where = QByteArray::number(libusb_get_bus_number(device));
    if (depth > 0) {
        where += '-';
        for (int i = 0; i < depth; ++i) {
            if (i) where += '.';
            where += QByteArray::number(ports[i]);
        }
    } else {
        where += ':' + QByteArray::number(libusb_get_device_address(device));
    }
    const auto hex4 = [](uint16_t v) { return QByteArray::number(v, 16).rightJustified(4, '0'); };
    return "usb#vid_" + hex4(d.idVendor) + "&pid_" + hex4(d.idProduct) + '#' + where;
}

QString StringDescriptor(libusb_device_handle* handle, uint8_t index) {
    if (!handle || index == 0) return {};
    unsigned char text[256];
    const int n = libusb_get_string_descriptor_ascii(handle, index, text, int(sizeof text));
    if (n <= 0) return {};
    return QString::fromLatin1(reinterpret_cast<const char*>(text), n).trimmed();
}

struct Endpoints {
    int interface = -1;
    uint8_t in = 0;
    uint8_t out = 0;
    int inPacket = 64;
};

// The printer-class interface with a bulk pair; else the first interface with one.
Endpoints FindBulkInterface(libusb_device* device) {
    Endpoints best;
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(device, &config) != 0 || !config) return best;
    for (int i = 0; i < config->bNumInterfaces; ++i) {
        const libusb_interface& iface = config->interface[i];
        for (int a = 0; a < iface.num_altsetting; ++a) {
            const libusb_interface_descriptor& alt = iface.altsetting[a];
            Endpoints e;
            e.interface = alt.bInterfaceNumber;
            for (int k = 0; k < alt.bNumEndpoints; ++k) {
                const libusb_endpoint_descriptor& ep = alt.endpoint[k];
                if ((ep.bmAttributes & 0x03) != LIBUSB_TRANSFER_TYPE_BULK) continue;
                if (ep.bEndpointAddress & LIBUSB_ENDPOINT_IN) {
                    if (!e.in) {
                        e.in = ep.bEndpointAddress;
                        e.inPacket = ep.wMaxPacketSize > 0 ? ep.wMaxPacketSize : 64;
                    }
                } else if (!e.out) {
                    e.out = ep.bEndpointAddress;
                }
            }
            if (!e.in || !e.out) continue;
            if (alt.bInterfaceClass == kPrinterClass) {
                libusb_free_config_descriptor(config);
                return e;
            }
            if (best.interface < 0) best = e;
        }
    }
    libusb_free_config_descriptor(config);
    return best;
}

// A libusb error in a technician's words.
QString LibusbReason(int rc) {
    switch (rc) {
    case LIBUSB_ERROR_ACCESS:
        return QCoreApplication::translate("lb::Link",
                                           "permission denied: install the udev rule "
                                           "60-labelbench-printers.rules from packaging/ (see the README), "
                                           "then replug the printer");
    case LIBUSB_ERROR_BUSY:
        return QCoreApplication::translate("lb::Link", "in use by another program");
    case LIBUSB_ERROR_NO_DEVICE:
    case LIBUSB_ERROR_NOT_FOUND:
        return QCoreApplication::translate("lb::Link", "the device is gone");
    default:
        return QString::fromUtf8(libusb_strerror(rc));
    }
}

UsbBackend::Result FromLibusb(int rc) {
    if (rc == 0) return UsbBackend::Result::Ok;
    if (rc == LIBUSB_ERROR_TIMEOUT) return UsbBackend::Result::Timeout;
    return UsbBackend::Result::Gone;
}

class LibusbBackend final : public UsbBackend {
public:
    ~LibusbBackend() override {
        close();
        if (m_context) libusb_exit(m_context);
    }

    QList<UsbDeviceEntry> enumerate() override {
        QList<UsbDeviceEntry> entries;
        if (!context()) return entries;
        libusb_device** devices = nullptr;
        const ssize_t count = libusb_get_device_list(m_context, &devices);
        for (ssize_t i = 0; i < count; ++i) {
            libusb_device_descriptor d{};
            if (libusb_get_device_descriptor(devices[i], &d) != 0) continue;
            UsbDeviceEntry e;
            e.path = DevicePath(devices[i], d);
            libusb_device_handle* h = nullptr;
            // Reading the strings needs the device opened; without the right it stays unnamed.
            if (libusb_open(devices[i], &h) != 0) h = nullptr;
            e.product = StringDescriptor(h, d.iProduct);
            const QString maker = StringDescriptor(h, d.iManufacturer);
            if (!maker.isEmpty())
                e.description = QStringLiteral("%1 USB device %2:%3")
                                    .arg(maker)
                                    .arg(d.idVendor, 4, 16, QLatin1Char('0'))
                                    .arg(d.idProduct, 4, 16, QLatin1Char('0'));
            if (h) libusb_close(h);
            entries.append(e);
        }
        if (devices) libusb_free_device_list(devices, 1);
        return entries;
    }

    bool open(const QByteArray& path) override {
        close();
        m_error.clear();
        if (!context()) {
            m_error = QCoreApplication::translate("lb::Link", "USB cannot be used on this system");
            return false;
        }
        libusb_device** devices = nullptr;
        const ssize_t count = libusb_get_device_list(m_context, &devices);
        libusb_device* found = nullptr;
        for (ssize_t i = 0; i < count && !found; ++i) {
            libusb_device_descriptor d{};
            if (libusb_get_device_descriptor(devices[i], &d) == 0 && DevicePath(devices[i], d) == path)
                found = devices[i];
        }
        bool ok = false;
        int rc = LIBUSB_ERROR_NO_DEVICE;
        if (found) m_endpoints = FindBulkInterface(found);
        if (!found) {
            m_error = LibusbReason(rc);
        } else if (m_endpoints.interface < 0) {
            m_error = QCoreApplication::translate("lb::Link", "the device has no printer interface");
        } else if ((rc = libusb_open(found, &m_handle)) != 0) {
            m_error = LibusbReason(rc);
        } else {
            // The kernel's printer driver (usblp) holds the interface; it is given back
            // when the interface is released.
            libusb_set_auto_detach_kernel_driver(m_handle, 1);
            rc = libusb_claim_interface(m_handle, m_endpoints.interface);
            ok = rc == 0;
            if (!ok) {
                m_error = LibusbReason(rc);
                libusb_close(m_handle);
                m_handle = nullptr;
            }
        }
        if (devices) libusb_free_device_list(devices, 1);
        return ok;
    }

    void close() override {
        if (!m_handle) return;
        libusb_release_interface(m_handle, m_endpoints.interface);
        libusb_close(m_handle);
        m_handle = nullptr;
    }

    int readPacketSize() const override { return m_endpoints.inPacket; }
    QString lastErrorText() const override { return m_error; }

    Result write(const uint8_t* bytes, int length, int timeoutMs, int& transferred) override {
        transferred = 0;
        if (!m_handle) return Result::Gone;
        const int rc = libusb_bulk_transfer(m_handle, m_endpoints.out, const_cast<uint8_t*>(bytes), length,
                                            &transferred, unsigned(timeoutMs > 0 ? timeoutMs : 1));
        return FromLibusb(rc);
    }

    Result read(uint8_t* buffer, int capacity, int timeoutMs, int& transferred) override {
        transferred = 0;
        if (!m_handle) return Result::Gone;
        const int rc = libusb_bulk_transfer(m_handle, m_endpoints.in, buffer, capacity, &transferred,
                                            unsigned(timeoutMs > 0 ? timeoutMs : 1));
        return FromLibusb(rc);
    }

private:
    // Made at first use and kept; a machine without a USB bus fails here every time.
    libusb_context* context() {
        if (!m_context && libusb_init(&m_context) != 0) m_context = nullptr;
        return m_context;
    }

    libusb_context* m_context = nullptr;
    libusb_device_handle* m_handle = nullptr;
    Endpoints m_endpoints;
    QString m_error;   // why the last open failed
};

struct UsbGlobals {
    std::unique_ptr<UsbBackend> backend;
    QList<QByteArray> vendorIds;
    UsbDeviceList list;
};

UsbGlobals& Globals() {
    static UsbGlobals* globals = new UsbGlobals;
    return *globals;
}

}   // namespace

UsbBackend& CurrentUsbBackend() {
    UsbGlobals& g = Globals();
    if (!g.backend) g.backend = MakeLibusbBackend();
    return *g.backend;
}

void SetUsbBackend(std::unique_ptr<UsbBackend> backend) {
    Globals().backend = std::move(backend);
}

std::unique_ptr<UsbBackend> MakeLibusbBackend() {
    return std::make_unique<LibusbBackend>();
}

int UsbDeviceList::enumerate(UsbBackend& backend) {
    m_paths.clear();
    m_names.clear();
    const QList<UsbDeviceEntry> entries = backend.enumerate();
    for (const UsbDeviceEntry& e : entries) {
        if (m_paths.size() == kMaxDevices) break;
        QString name = !e.product.isEmpty()       ? e.product
                       : !e.description.isEmpty() ? e.description
                                                  : QString::fromLatin1(e.path);
        m_paths.append(e.path);
        m_names.append(CutToBytes(name, kMaxTextBytes));
    }
    return count();
}

UsbDeviceList& ProgramUsbDeviceList() {
    return Globals().list;
}

bool IsUsbVendorIdText(const QByteArray& text) {
    if (text.size() != 4) return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

QList<QByteArray> AcceptedUsbVendorIds() {
    const QList<QByteArray>& set = Globals().vendorIds;
    if (!set.isEmpty()) return set;
    return {QByteArrayLiteral(LABELBENCH_USB_VID_1), QByteArrayLiteral(LABELBENCH_USB_VID_2)};
}

void SetAcceptedUsbVendorIds(const QList<QByteArray>& ids) {
    Globals().vendorIds = ids;
}

bool UsbPathHasVendor(const QByteArray& path, const QByteArray& vendorId) {
    const qsizetype marker = path.indexOf("vid");
    if (marker < 0) return false;
    const qsizetype start = marker + 4;   // "vid" and the separator
    if (start + vendorId.size() > path.size()) return false;
    return path.mid(start, vendorId.size()) == vendorId;
}

QByteArray SelectUsbDevice(UsbBackend& backend, UsbDeviceList& list, const QList<QByteArray>& vendorIds) {
    for (const QByteArray& id : vendorIds) {
        if (id.isEmpty()) continue;
        list.enumerate(backend);
        for (int i = 0; i < list.count(); ++i)
            if (UsbPathHasVendor(list.path(i), id)) return list.path(i);
    }
    return {};
}

}   // namespace lb
