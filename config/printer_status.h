#pragma once

#include "link/link_types.h"

namespace lb {

struct PrinterStatus;

// Operation 0: the status byte and the eight detail bytes, decoded into status.
int QueryStatus(InterfaceKind kind, PrinterStatus* status);

} // namespace lb
