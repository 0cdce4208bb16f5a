// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "link/link_types.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

namespace lb {

struct PrinterConfig;

// The configuration pages a write sends, by their index in the panel.
enum ConfigPage : int32_t { kPageCommon = 0, kPageZ = 1, kPageD = 2, kPageInterface = 3 };

// The serial-rate codes of "SET COM1", by BaudRate index.
inline constexpr std::array<const char*, 9> BaudRateCodes{"0",  "12", "24", "48", "96",
                                                          "19", "38", "56", "115"};

// The largest real a command carries: beyond it a value comes from a damaged or crafted file
// and would go out as a runaway number.
constexpr double kMaxCommandReal = 1000000.0;

// Why one page cannot be written as it stands, naming the item: a real that is not finite or
// whose command number lies beyond +-kMaxCommandReal, or a length whose resolution is not
// usable. Empty when the page can be written.
QString ConfigurationProblem(const PrinterConfig& config, int32_t page);

// The commands that write the present items of one page, in sending order; each entry is
// one send. Empty for a page with nothing to write, for a page outside 0..3 and for a page
// with a ConfigurationProblem.
QList<QByteArray> ConfigurationCommands(const PrinterConfig& config, int32_t page);

// The D emulation's settings list ("LW0400;PSY;"), empty when no item of it is present.
QByteArray DSettingsList(const PrinterConfig& config);

// The D emulation's speed letter for a speed value ('G' outside the letters' range).
char DSpeedLetter(float speed);

// Operation 4: sends the present items of one page of config as printer commands. No reply
// is read. kUnknownError, without opening the link, for a missing record or a page outside
// 0..3, and for a page with a ConfigurationProblem (nothing is sent).
int WriteConfiguration(InterfaceKind kind, const PrinterConfig* config, int32_t page);

}   // namespace lb
