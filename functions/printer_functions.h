// SPDX-License-Identifier: Apache-2.0
#pragma once
// One-shot printer functions that send a single command and read nothing.

#include "link/link_types.h"

namespace lb {

int FactoryDefault(InterfaceKind kind);           // "INITIALPRINTER\r\n"
int PrintConfigurationPage(InterfaceKind kind);   // "SELFTEST\r\n"
int ResetPrinter(InterfaceKind kind);             // ESC ! R
int IgnoreAutoBas(InterfaceKind kind);            // ESC ! C

}   // namespace lb
