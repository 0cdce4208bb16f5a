#include "config/printer_status.h"

namespace lb {

int QueryStatus(InterfaceKind, PrinterStatus*) { return kUnknownError; }

} // namespace lb
