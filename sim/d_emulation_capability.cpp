// SPDX-License-Identifier: Apache-2.0
// The D emulation: lines behind STX or '~' set the emulation's reports (KZH heat, KZP speed,
// Kc with LW, PS, CE, CC, CO, RO in hundredths of an inch).

#include "sim/capability.h"
#include "sim/simulated_printer.h"

namespace lb::sim {

namespace {

// Hundredths of an inch as dots at the profile's resolution.
QByteArray DotsFromHundredths(const Profile& p, const QByteArray& hundredths) {
    const double dpi = p.reports.value("DPI").toDouble();
    return QByteArray::number(qRound(hundredths.toDouble() * dpi / 100.0));
}

// The D emulation: STX or '~', then K and the command; the '~' form may end in '|'.
// KZH heat, KZP speed letter, Kc a list of settings "LW0400;PSY;…".
void ApplyD(Profile& p, const QByteArray& line) {
    QByteArray body = line.mid(1);
    if (body.endsWith('|')) body.chop(1);
    if (body.startsWith("KZH")) {
        bool ok = false;
        const int heat = body.mid(3).toInt(&ok);
        if (ok) SetReport(p, "DHEAT", QByteArray::number(heat));
    } else if (body.startsWith("KZP")) {
        if (body.size() == 4) SetReport(p, "DSPEED", body.mid(3));
    } else if (body.startsWith("Kc")) {
        static const QHash<QByteArray, const char*> lengths{
            {"LW", "DLABELWIDTH"}, {"CO", "DCOLUMNOFFSET"}, {"RO", "DROWOFFSET"}};
        static const QHash<QByteArray, const char*> switches{{"PS", "DPRESENTSENSOR"},
                                                             {"CE", "DCUTTEREQUIPPED"}};
        for (const QByteArray& item : body.mid(2).split(';')) {
            const QByteArray name = item.left(2);
            const QByteArray value = item.mid(2);
            if (lengths.contains(name)) {
                SetReport(p, lengths.value(name), DotsFromHundredths(p, value));
            } else if (switches.contains(name)) {
                if (value == "Y") SetReport(p, switches.value(name), "E");
                if (value == "N") SetReport(p, switches.value(name), "N");
            } else if (name == "CC") {
                if (value == "S" || value == "1" || value == "2") SetReport(p, "DCONTROLCODES", value);
            }
        }
    }
}

}   // namespace

void AddDEmulationCapability(CapabilityRegistry& r) {
    for (char prefix : {'\x02', '~'})
        r.addLinePrefix(prefix, [](Exchange& x, const QByteArray& line) {
            x.printer().edit([&](Profile& p) { ApplyD(p, line); });
        });
}

}   // namespace lb::sim
