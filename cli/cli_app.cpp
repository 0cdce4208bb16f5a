// SPDX-License-Identifier: Apache-2.0
#include "cli/cli_app.h"

#include "cli/command_registry.h"

namespace lb::cli {

int RunCli(const QStringList& arguments, const CliStreams& streams) {
    return RunCommandLine(Commands(), arguments, streams);
}

}   // namespace lb::cli
