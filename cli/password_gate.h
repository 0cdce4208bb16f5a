// SPDX-License-Identifier: Apache-2.0
#pragma once
// The password gate in front of the commands that change the printer.

#include "cli/command_registry.h"

#include <functional>

namespace lb::cli {

// The --password option of a gated command.
CommandOption PasswordGateOption();

// Passes the gate with the command's --password, then runs action (an operation returning 0
// or a LinkError). Returns the exit status; a refused gate sends nothing and gives 7.
int RunGated(const CommandRun& run, const std::function<int()>& action);

}   // namespace lb::cli
