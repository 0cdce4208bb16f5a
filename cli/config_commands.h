// SPDX-License-Identifier: Apache-2.0
#pragma once
// What the configuration's commands share with the other commands: a configuration read
// kept as a configuration file, as read-config --save makes it (download --backup too).

#include "cli/command_registry.h"
#include "config/config_text.h"
#include "config/printer_config.h"
#include "link/link_types.h"

#include <QString>
#include <optional>

namespace lb::cli {

// --unit into unit: left empty when the option is not given. Returns the exit status of a
// bad value, after its message; nullopt to go on.
std::optional<int> ReadUnit(const CommandRun& run, std::optional<LengthUnit>& unit);

// Reads the printer's configuration with lengths in unit into config and, when save is given,
// writes it as a configuration file with that unit, in the form the name's extension says
// (.json: text; otherwise .dcf). Returns 0, the read's LinkError
// (nothing saved), or kFileOpenError when the file cannot be written (an existing one is left
// as it was; saveError, when given, then tells the system's reason). Prints nothing.
int ReadConfigAndSave(InterfaceKind kind, LengthUnit unit, const std::optional<QString>& save,
                      PrinterConfig& config, QString* saveError = nullptr);

}   // namespace lb::cli
