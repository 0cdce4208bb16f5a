// SPDX-License-Identifier: Apache-2.0
// The typed and received texts of network addresses: dotted IPv4 addresses, MAC addresses,
// the host of the Ethernet link and the printer's network name.

#include "link/link_types.h"
#include "network/ethernet_settings.h"
#include "network/network_address.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace lb;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));

    const std::optional<Ipv4Bytes> address = ParseDottedAddress(text);
    Check(DottedAddressOrAllOnes(text) == address.value_or(kFailedAddress));
    if (IsDottedAddressText(text)) Check(address.has_value());
    if (address) {
        // Written out again, an address reads back as itself and may be sent as it is.
        const QByteArray written = FormatDottedAddress(*address);
        Check(ParseDottedAddress(written) == address && IsDottedAddressText(written));
        Check(FormatDottedAddress(address->data()) == written);
    }

    const std::optional<MacBytes> mac = ParseMacText(text);
    if (mac) {
        // Only the exact form is taken: it comes back as it was typed, in upper case.
        Check(FormatMacText(*mac) == text.toUpper());
        Check(ParseMacText(FormatMacText(*mac)) == mac);
    }

    // The host field of the Ethernet link and the name typed for the printer.
    const QString typed = QString::fromUtf8(text);
    if (IsNetworkHostText(typed)) {
        NetworkTarget target = DefaultNetworkTarget();
        QByteArray bytes;
        Check(Latin1Bytes(typed, bytes) &&
              CopyToField(target.host, bytes.constData(), std::size_t(bytes.size())));
    }
    if (IsNetworkNameText(typed)) {
        EthernetSettings settings = EmptyEthernetSettings();
        QByteArray bytes;
        Check(Latin1Bytes(typed, bytes) && SetEthernetText(settings.PrinterName, bytes));
        Check(!NetworkNameCommand(settings).isEmpty());
    }
    return 0;
}
