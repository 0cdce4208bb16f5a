// SPDX-License-Identifier: Apache-2.0
#pragma once
// A small configuration of a 203 dpi printer of edition 104 for the tests of the text form,
// the comparison and the page's files: a few settings present, the rest absent.

#include "config/printer_config.h"

#include <cstring>

namespace lb::test {

inline PrinterConfig SampleConfig(uint8_t unitIsInch) {
    PrinterConfig c{};
    ClearConfig(c);
    c.UnitIsInch = unitIsInch;
    c.ConfigRead = 1;
    c.Edition = 104;
    c.Dpi = 203.0f;
    c.DotsPerMm = 8.0f;
    std::memcpy(c.Version, "LB-4203 V1.04", 14);
    c.Speed = {1, 4.0f};
    c.CodePage = {1, 10};
    return c;
}

}   // namespace lb::test
