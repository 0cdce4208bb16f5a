// SPDX-License-Identifier: Apache-2.0
// Status and information: the status bytes, the interface announcement, the reports, the
// edition and the serial number.

#include "sim/capability.h"
#include "sim/simulated_printer.h"

namespace lb::sim {

void AddStatusCapability(CapabilityRegistry& r) {
    // ESC ! ? answers the status byte, ESC ! S CR LF the 8 detail bytes; neither is framed.
    r.addEscape(QByteArray("\x1b\x21\x3f", 3), [](Exchange& x, const QByteArray&) {
        x.reply(QByteArray(1, char(x.printer().profile().statusByte)));
    });
    r.addEscape(QByteArray("\x1b\x21\x53\x0d\x0a", 5),
                [](Exchange& x, const QByteArray&) { x.reply(x.printer().profile().statusDetail); });
    // The announcement of any interface.
    r.addCommand("DIAGNOSTIC INTERFACE",
                 [](Exchange& x, const QByteArray&) { x.replyFrame(x.printer().profile().interfaceReply); });
    r.addCommand("DIAGNOSTIC REPORT", [](Exchange& x, const QByteArray& keyword) {
        // Firmware without the keyword does not answer at all.
        const std::optional<QList<QByteArray>> frames = x.printer().reportFrames(keyword);
        for (const QByteArray& data : frames.value_or(QList<QByteArray>()))
            x.replyFrame(data);
    });
    r.addReport("EDITION", [](const Profile& p) { return std::optional(QByteArray::number(p.edition)); });
    r.addCommand("OUT _SERIAL$", [](Exchange& x, const QByteArray& arguments) {
        // A plain reply line, not a frame.
        if (arguments.isEmpty()) x.reply(x.printer().profile().serialNumber + "\r\n");
    });
}

}   // namespace lb::sim
