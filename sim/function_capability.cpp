// SPDX-License-Identifier: Apache-2.0
// The one-shot printer functions. The simulated printer recognises them; none of them
// changes anything that can be read back.

#include "sim/capability.h"

namespace lb::sim {

void AddFunctionCapability(CapabilityRegistry& r) {
    const CapabilityRegistry::CommandHandler nothing = [](Exchange&, const QByteArray&) {};
    r.addEscape(QByteArray("\x1b\x21\x52", 3), nothing);       // reset
    r.addEscape(QByteArray("\x1b\x21\x43", 3), nothing);       // ignore AUTO.BAS
    r.addEscape(QByteArray("\x1b\x5a\x0d\x0a", 4), nothing);   // leave line mode
    r.addCommand("INITIALPRINTER", nothing);                   // factory default
    r.addCommand("SELFTEST", nothing);                         // configuration page
}

}   // namespace lb::sim
