// SPDX-License-Identifier: Apache-2.0
// The printer password: firmware above edition 100 holds one, reads it back as the report
// PASSWORD and sets it with DIAGNOSTIC PASSWORD "x".

#include "sim/capability.h"
#include "sim/simulated_printer.h"

namespace lb::sim {

void AddPasswordCapability(CapabilityRegistry& r) {
    r.addReport("PASSWORD", [](const Profile& p) -> std::optional<QByteArray> {
        // Only firmware that can hold a password knows the keyword.
        if (!p.holdsPassword()) return std::nullopt;
        return p.password;
    });
    // Answers the frame "1" when set, "0" when the text is not quoted; firmware without a
    // password does not answer.
    r.addCommand("DIAGNOSTIC PASSWORD", [](Exchange& x, const QByteArray& arguments) {
        if (!x.printer().profile().holdsPassword()) return;
        QByteArray password;
        const bool accepted = QuotedText(arguments, password) && x.printer().setPassword(password);
        x.replyFrame(accepted ? "1" : "0");
    });
}

}   // namespace lb::sim
