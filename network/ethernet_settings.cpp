// SPDX-License-Identifier: Apache-2.0
#include "network/ethernet_settings.h"

#include "link/command_format.h"
#include "link/printer_link.h"
#include "network/network_address.h"

#include <QCoreApplication>
#include <cstring>

namespace lb {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("lb::EthernetSettings", text);
}

bool IsSendableName(const QByteArray& name) {
    return name.size() <= kEthernetTextMax && IsQuotableText(name);
}

}   // namespace

EthernetSettings EmptyEthernetSettings() {
    EthernetSettings settings;
    std::memset(&settings, 0, sizeof settings);
    return settings;
}

EthernetField InvalidEthernetField(const EthernetSettings& settings, bool addresses, bool name) {
    if (addresses) {
        if (!IsDottedAddressText(EthernetText(settings.IpAddress))) return EthernetField::IpAddress;
        if (!IsDottedAddressText(EthernetText(settings.SubnetMask))) return EthernetField::SubnetMask;
        if (!IsDottedAddressText(EthernetText(settings.Gateway))) return EthernetField::Gateway;
    }
    if (name && !IsSendableName(EthernetText(settings.PrinterName))) return EthernetField::PrinterName;
    return EthernetField::None;
}

QString InvalidEthernetFieldMessage(EthernetField field, const EthernetSettings& settings) {
    QByteArray text;
    QString message;
    switch (field) {
    case EthernetField::None:
        return {};
    case EthernetField::IpAddress:
        text = EthernetText(settings.IpAddress);
        message = Tr("The IP address \"%1\" is not an IPv4 address such as 192.168.1.100.");
        break;
    case EthernetField::SubnetMask:
        text = EthernetText(settings.SubnetMask);
        message = Tr("The subnet mask \"%1\" is not an IPv4 address such as 255.255.255.0.");
        break;
    case EthernetField::Gateway:
        text = EthernetText(settings.Gateway);
        message = Tr("The gateway \"%1\" is not an IPv4 address such as 192.168.1.1.");
        break;
    case EthernetField::PrinterName:
        text = EthernetText(settings.PrinterName);
        message = Tr("The printer name \"%1\" cannot be sent: it must not contain a double quote "
                     "or a control character.");
        break;
    }
    // Control characters are shown as their code, so that the message stays one line.
    QString shown;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F)
            shown += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            shown += QChar(u);
    }
    return message.arg(shown);
}

bool IsNetworkNameText(const QString& name) {
    QByteArray bytes;
    return name.size() <= kMaxNetworkNameLength && Latin1Bytes(name, bytes) && IsQuotableText(bytes);
}

QByteArray NetworkAddressCommand(const EthernetSettings& settings) {
    if (settings.Dhcp == 1) return QByteArrayLiteral("NET DHCP\r\n");
    if (InvalidEthernetField(settings, true, false) != EthernetField::None) return {};
    return FormatCommand("NET IP \"%s\",\"%s\",\"%s\"\r\n",
                         {EthernetText(settings.IpAddress), EthernetText(settings.SubnetMask),
                          EthernetText(settings.Gateway)});
}

QByteArray NetworkNameCommand(const EthernetSettings& settings) {
    const QByteArray name = EthernetText(settings.PrinterName);
    if (!IsSendableName(name)) return {};
    return FormatCommand("NET NAME \"%s\"\r\n", {name});
}

int SetNetworkAddress(InterfaceKind kind, const EthernetSettings* settings) {
    if (!settings) return kUnknownError;
    const QByteArray command = NetworkAddressCommand(*settings);
    if (command.isEmpty()) return kUnknownError;
    return SendOneCommand(kind, command.constData());
}

int SetNetworkPrinterName(InterfaceKind kind, const EthernetSettings* settings) {
    if (!settings) return kUnknownError;
    const QByteArray command = NetworkNameCommand(*settings);
    if (command.isEmpty()) return kUnknownError;
    return SendOneCommand(kind, command.constData());
}

int ReadNetworkSettings(InterfaceKind kind, EthernetSettings* settings) {
    if (!settings) return kUnknownError;
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    char reply[kNetworkReplyBufferSize];
    uint32_t length = 0;
    auto report = [&](const char* command) {
        return SendCommandReadReply(handle, kind, command, reply, sizeof reply, length);
    };
    auto text = [&] { return QByteArray(reply, qsizetype(length)); };

    int result = SendInterfaceAnnouncement(handle, kind, reply, sizeof reply);
    if (result == kLinkOk && (result = report("DIAGNOSTIC REPORT CONFIGIP\r\n")) == kLinkOk) {
        SetEthernetText(settings->IpAddress, text());
        settings->Dhcp = text() == "0.0.0.0" ? 1 : 0;
    }
    if (result == kLinkOk && (result = report("DIAGNOSTIC REPORT GATEWAY\r\n")) == kLinkOk)
        SetEthernetText(settings->Gateway, text());
    if (result == kLinkOk && (result = report("DIAGNOSTIC REPORT IPMASK\r\n")) == kLinkOk)
        SetEthernetText(settings->SubnetMask, text());
    if (result == kLinkOk && (result = report("DIAGNOSTIC REPORT LASTUSEDIP\r\n")) == kLinkOk)
        SetEthernetText(settings->CurrentIp, text());
    if (result == kLinkOk) {
        // Older network firmware knows neither name nor MAC: the settings read still count.
        SetEthernetText(settings->PrinterName, {});
        SetEthernetText(settings->MacText, {});
        if (report("DIAGNOSTIC REPORT NETNAME\r\n") == kLinkOk) {
            SetEthernetText(settings->PrinterName, text());
            if (report("DIAGNOSTIC REPORT MACADDR\r\n") == kLinkOk)
                SetEthernetText(settings->MacText, text());
        }
    }
    CloseLink(kind, handle);
    return result;
}

}   // namespace lb
