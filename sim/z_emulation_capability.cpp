// SPDX-License-Identifier: Apache-2.0
// The Z emulation: lines behind the control prefix 0x10 or the format prefix 0x1E set the
// emulation's reports (SD, PR, TA, MM, PW, CT, CC, CD, MF, LT, LS).

#include "sim/capability.h"
#include "sim/simulated_printer.h"

#include <QSet>

namespace lb::sim {

namespace {

// The Z emulation: commands behind the control prefix 0x10 or the format prefix 0x1E, two
// letters and their parameters ("SD15", "MF,L"). XA, XZ and JUS (start, end, save) change
// nothing here. MF takes the power-up action, then the head-close action behind the
// delimiter; an empty first parameter leaves the power-up action as it was.
void ApplyZ(Profile& p, const QByteArray& line) {
    static const QSet<char> feedActions{'F', 'C', 'L', 'N'};
    QByteArray normalised = line;
    normalised.replace('\x10', '\x1e');
    for (const QByteArray& part : normalised.split('\x1e')) {
        if (part.size() < 2) continue;
        const QByteArray name = part.left(2).toUpper();
        const QByteArray value = part.mid(2);
        auto number = [&](const char* keyword) {
            bool ok = false;
            const int v = value.toInt(&ok);
            if (ok) SetReport(p, keyword, QByteArray::number(v));
        };
        auto character = [&](const char* keyword) {
            if (value.size() == 1) SetReport(p, keyword, value);
        };
        if (name == "SD") {
            number("ZDARKNESS");
        } else if (name == "PR") {
            number("ZSPEED");
        } else if (name == "TA") {
            number("ZPOSITION");
        } else if (name == "MM") {
            if (value == "T" || value == "P" || value == "C") SetReport(p, "ZPRINTMODE", value);
        } else if (name == "PW") {
            number("ZLABELWIDTH");
        } else if (name == "CT") {
            character("ZCONTROL");
        } else if (name == "CC") {
            character("ZFORMAT");
        } else if (name == "CD") {
            character("ZDELIMITER");
        } else if (name == "MF") {
            // Parameters are separated by the printer's delimiter as it is at this moment.
            const QByteArray delimiter = p.reports.value("ZDELIMITER", ",");
            const QList<QByteArray> parameters =
                delimiter.size() == 1 ? value.split(delimiter[0]) : QList<QByteArray>{value};
            auto action = [&](qsizetype i, const char* keyword) {
                if (i < parameters.size() && parameters[i].size() == 1 &&
                    feedActions.contains(parameters[i][0]))
                    SetReport(p, keyword, parameters[i]);
            };
            action(0, "ZFEEDPOWERUP");
            action(1, "ZFEEDHEADCLOSE");
        } else if (name == "LT") {
            number("ZLABELTOP");
        } else if (name == "LS") {
            number("ZLABELSHIFT");
        }
    }
}

}   // namespace

void AddZEmulationCapability(CapabilityRegistry& r) {
    for (char prefix : {'\x10', '\x1e'})
        r.addLinePrefix(prefix, [](Exchange& x, const QByteArray& line) {
            x.printer().edit([&](Profile& p) { ApplyZ(p, line); });
        });
}

}   // namespace lb::sim
