#include "config/write_configuration.h"

namespace lb {

int WriteConfiguration(InterfaceKind, const PrinterConfig*, int32_t) { return kUnknownError; }

} // namespace lb
