// SPDX-License-Identifier: Apache-2.0
#include "config/printer_config.h"

#include <cstring>

namespace lb {

void ClearConfig(PrinterConfig& config) {
    const uint8_t unitIsInch = config.UnitIsInch;   // the panel's choice survives a clear
    std::memset(&config, 0, sizeof config);
    config.UnitIsInch = unitIsInch;
    config.Dpi = 200.0f;
    config.DotsPerMm = 11.8f;
    config.Speed.value = 3.0f;
    config.ZControlPrefix.value = '~';
    config.ZFormatPrefix.value = '^';
    config.ZDelimiter.value = ',';
}

int32_t TableIndex(const char* const* table, std::size_t count, const char* reply, std::size_t length) {
    for (std::size_t i = 0; i < count; ++i) {
        // The whole reply must match, so a NUL inside the data never makes a prefix equal.
        if (std::strlen(table[i]) == length && std::memcmp(table[i], reply, length) == 0)
            return static_cast<int32_t>(i);
    }
    return static_cast<int32_t>(count);
}

}   // namespace lb
