// SPDX-License-Identifier: Apache-2.0
#pragma once
// Operation 16: the test page, a box with a Code 39 bar code and the word TEST inside it.

#include "link/link_types.h"

#include <QByteArray>

namespace lb {

struct PrinterConfig;

// What the page is laid out from. The layout's constants (margin 2 units, offsets 2, 4 and 6
// units, the TEXT threshold of 20 units, the bar-width switch above 8 dots per unit) are
// those of a millimetre, so the callers pass the printer's dots per millimetre as scale and
// the label size in millimetres: the page then fills the label at every resolution.
struct TestPageRequest {
    float scale = 0;    // printer dots per unit of width and height
    float width = 0;    // label width in units
    float height = 0;   // label height in units
};

// The request for the printer described by config: scale = DotsPerMm, width and height =
// PaperWidth and PaperHeight (stored in dots) converted to millimetres. A config without a
// resolution or a paper size gives a request that TestPageText refuses.
TestPageRequest TestPageRequestFromConfig(const PrinterConfig& config);

// Largest label side in dots the page is laid out for; beyond it the integer layout would
// overflow, so such requests are refused.
constexpr int kTestPageMaxDots = 1000000;

// The whole page text, or an empty array when the request is unusable: a scale, width or
// height that is not a finite number above zero, or a label side above kTestPageMaxDots.
QByteArray TestPageText(const TestPageRequest& request);

// Operation 16: prints the test page described by request. Returns 0 or a LinkError: 1 when
// the link cannot be opened, 2 when the write fails, 5 (nothing opened) for a null or
// unusable request.
int PrintTestPage(InterfaceKind kind, const TestPageRequest* request);

}   // namespace lb
