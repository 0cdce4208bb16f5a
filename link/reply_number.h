// SPDX-License-Identifier: Apache-2.0
#pragma once
// Numbers in the printer's replies.

#include <cstdint>

namespace lb {

// The leading-number rules of the replies: optional leading white space, an optional sign
// and the decimal number up to the first other character; 0 when there is none. Values
// beyond the type's range are held at its limits.
int32_t LeadingInt(const char* text);
float LeadingFloat(const char* text);

}   // namespace lb
