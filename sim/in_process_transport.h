// SPDX-License-Identifier: Apache-2.0
#pragma once
// A transport that talks to a simulated printer in the same thread, for unit tests of the
// link on any interface kind (64-byte USB/COM chunks, 1-byte COM fills) without a device.

#include "link/transport.h"
#include "sim/simulated_printer.h"

#include <memory>

namespace lb::sim {

class InProcessTransport;

struct InProcessStats {
    int opens = 0;
    int fills = 0;                // fill calls
    QList<uint32_t> chunkSizes;   // length of every writeChunk call
};

// The returned transport keeps a pointer to printer and stats (both must outlive it).
// Each open starts a new PrinterSession with the given faults; replies become readable
// at once (delays are not slept). Its sessions are appended to *sessions when given.
std::unique_ptr<Transport> MakeInProcessTransport(SimulatedPrinter* printer, Faults faults,
                                                  InProcessStats* stats,
                                                  QList<std::shared_ptr<PrinterSession>>* sessions = nullptr);

}   // namespace lb::sim
