#include "config/read_configuration.h"

namespace lb {

int ReadConfiguration(InterfaceKind, PrinterConfig*) { return kUnknownError; }

} // namespace lb
