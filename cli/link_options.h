// SPDX-License-Identifier: Apache-2.0
#pragma once
// The link options that come before the command: which interface, and its settings.

#include "link/link_types.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace lb::cli {

// One printer of a fleet: its host and TCP port.
struct HostPort {
    QByteArray host;
    int port = 0;   // 0 until the options are read: then --port's value
    friend bool operator==(const HostPort&, const HostPort&) = default;
};

struct LinkOptions {
    InterfaceKind kind = InterfaceKind::Usb;
    QByteArray host;
    int port = 9100;
    // The serial and parallel settings start from the main window's defaults.
    SerialSettings serial = DefaultSerialSettings();
    ParallelPortName parallel = DefaultParallelPortName();
    QList<QByteArray> usbVendorIds;   // empty: the product's identifiers
    // --hosts and --hosts-file: the command runs against each of these printers over
    // Ethernet, jobs at a time. Empty: one printer, as the other options say.
    QList<HostPort> hosts;
    int jobs = 16;
    int replyTimeoutMs = 0;   // the reply wait on Ethernet; 0: the link's own
};

struct LinkCommandLine {
    LinkOptions link;
    bool help = false;      // --help or -h before the command
    bool version = false;   // --version before the command
    QStringList command;    // the command and everything after it
    QString problem;        // what was wrong; empty when the options are fine
};

// Parses the link options in front of the command; the first argument that is not an option
// is the command, and nothing after it is read as a link option.
LinkCommandLine ParseLinkOptions(const QStringList& arguments);

// Whether name (without dashes) is a link option, for telling that it goes before the command.
bool IsLinkOptionName(const QString& name);

// The link settings live for the whole run, as the main window's do; each thread that serves
// a printer registers its own.
void RegisterLinkOptions(const LinkOptions& options);

// The printers of a --hosts text ("HOST[:PORT],…", "[v6]:PORT" for an IPv6 address) or of a
// --hosts-file's text: one HOST[:PORT] a line, blank lines and "#" comments allowed, or the
// JSON list that discover --json prints (each printer's ipAddress). A printer listed twice is
// kept once, at its first place. Returns an empty text, or what is wrong.
QString ReadHostList(const QString& text, bool file, QList<HostPort>& hosts);

// "--interface usb|com|lpt|ethernet" and its description, one pair per option.
QList<std::pair<QString, QString>> LinkOptionsHelp();

}   // namespace lb::cli
