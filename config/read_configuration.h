#pragma once

#include "link/link_types.h"

namespace lb {

struct PrinterConfig;

// Operation 1: reads the printer's whole configuration into config. On failure config may
// hold a partial read; callers read into a scratch record and keep it only on success.
int ReadConfiguration(InterfaceKind kind, PrinterConfig* config);

} // namespace lb
