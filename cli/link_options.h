#pragma once
// The link options that come before the command: which interface, and its settings.

#include "link/link_types.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace lb::cli {

struct LinkOptions {
    InterfaceKind kind = InterfaceKind::Usb;
    QByteArray host;
    int port = 9100;
    // The serial and parallel settings start from the main window's defaults.
    SerialSettings serial = DefaultSerialSettings();
    ParallelPortName parallel = DefaultParallelPortName();
    QList<QByteArray> usbVendorIds;   // empty: the product's identifiers
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

// The link settings live for the whole run, as the main window's do.
void RegisterLinkOptions(const LinkOptions& options);

// "--interface usb|com|lpt|ethernet" and its description, one pair per option.
QList<std::pair<QString, QString>> LinkOptionsHelp();

}   // namespace lb::cli
