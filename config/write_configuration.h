#pragma once

#include "link/link_types.h"

namespace lb {

struct PrinterConfig;

// The configuration pages a write sends, by their index in the panel.
enum ConfigPage : int32_t { kPageCommon = 0, kPageZ = 1, kPageD = 2, kPageInterface = 3 };

// Operation 4: sends the present items of one page of config as printer commands.
int WriteConfiguration(InterfaceKind kind, const PrinterConfig* config, int32_t page);

} // namespace lb
