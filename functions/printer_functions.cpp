// SPDX-License-Identifier: Apache-2.0
#include "functions/printer_functions.h"

#include "link/printer_link.h"

namespace lb {

int FactoryDefault(InterfaceKind kind) {
    return SendOneCommand(kind, "INITIALPRINTER\r\n");
}

int PrintConfigurationPage(InterfaceKind kind) {
    return SendOneCommand(kind, "SELFTEST\r\n");
}

int ResetPrinter(InterfaceKind kind) {
    static const uint8_t kCommand[] = {0x1B, 0x21, 0x52};
    return SendOneCommand(kind, kCommand, sizeof kCommand);
}

int IgnoreAutoBas(InterfaceKind kind) {
    static const uint8_t kCommand[] = {0x1B, 0x21, 0x43};
    return SendOneCommand(kind, kCommand, sizeof kCommand);
}

}   // namespace lb
