// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "link/link_types.h"

namespace lb {

struct PrinterConfig;

// Operation 1: reads the printer's whole configuration into config. On failure config may
// hold a partial read; callers read into a scratch record and keep it only on success.
int ReadConfiguration(InterfaceKind kind, PrinterConfig* config);

// The printer's identity and wear only, in at most nine exchanges: Version, Milage, Checksum,
// SerialNumber, Edition (0 when the firmware does not answer it), and from the editions that
// have them CutCounter, ResetMilage and ResetCutCounter. The other fields are left as they were.
int ReadPrinterIdentity(InterfaceKind kind, PrinterConfig* config);

// The resolution rounding: dots per millimetre to one decimal (203 dpi gives 8.0). False
// when the resolution gives no usable value (zero, or beyond any printer's range).
bool DotsPerMmFromDpi(float dpi, float& dotsPerMm);

}   // namespace lb
