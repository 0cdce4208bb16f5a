// SPDX-License-Identifier: Apache-2.0
// The native configuration commands (SPEED, DENSITY, SIZE, GAP, BLINE, REFERENCE, DIRECTION,
// OFFSET, SHIFT, CODEPAGE, COUNTRY, LIMITFEED, SET …): each changes the reports, so that a
// written setting reads back; none answers. Lengths in inch or mm become dots at the
// profile's resolution. A report keyword the firmware does not know stays unknown.

#include "sim/capability.h"
#include "sim/simulated_printer.h"

namespace lb::sim {

namespace {

using Setting = void (*)(Profile&, const QByteArray& arguments);

// "4.00" or "101.50 mm" as printer dots at the profile's resolution.
QByteArray Dots(const Profile& p, const QByteArray& length) {
    QByteArray text = length.trimmed();
    const double dpi = p.reports.value("DPI").toDouble();
    double factor = dpi;   // inch
    if (text.endsWith("mm")) {
        text.chop(2);
        factor = dpi / 25.4;
    }
    return QByteArray::number(qRound(text.trimmed().toDouble() * factor));
}

// "12 dot" or "12": the number alone.
QByteArray Number(const QByteArray& text) {
    QByteArray t = text.trimmed();
    if (t.endsWith("dot")) t.chop(3);
    return t.trimmed();
}

void SetGapOrBline(Profile& p, const QByteArray& arguments, const char* mode) {
    const QList<QByteArray> parts = arguments.split(',');
    if (parts.size() != 2) return;
    const QByteArray size = Dots(p, parts[0]);
    const QByteArray offset = Dots(p, parts[1]);
    // GAP 0,0 selects continuous media.
    const bool continuous = qstrcmp(mode, "0") == 0 && size == "0" && offset == "0";
    SetReport(p, "SENSORMODE", continuous ? "2" : mode);
    SetReport(p, "GAPSIZE", size);
    SetReport(p, "GAPOFFSET", offset);
}

// SET TEAR / PEEL / CUTTER: one post-print action at a time.
void SetPrintOut(Profile& p, const QByteArray& action, const QByteArray& value) {
    const int mode = action == "TEAR" ? 1 : action == "PEEL" ? 2 : 3;
    const bool off = value.toUpper() == "OFF";
    if (off) {
        if (p.reports.value("PRINTOUT").toInt() == mode) SetReport(p, "PRINTOUT", "0");
        return;
    }
    SetReport(p, "PRINTOUT", QByteArray::number(mode));
    if (mode == 3) SetReport(p, "CUTTERPIECE", value.toUpper() == "ON" ? QByteArray("1") : value);
}

void ApplySet(Profile& p, const QByteArray& arguments) {
    const auto [what, value] = SplitFirstWord(arguments);
    const QByteArray upper = value.toUpper();
    const QByteArray onOff = upper == "ON" ? "1" : "0";
    static const QHash<QByteArray, const char*> switches{{"RIBBON", "RIBBON"},
                                                         {"RIBBONEND", "RIBBONSENSOR"},
                                                         {"ENCODER", "RIBBONENCODER"},
                                                         {"HEAD", "HEAD"},
                                                         {"REPRINT", "REPRINT"}};
    if (switches.contains(what)) {
        SetReport(p, switches.value(what), onOff);
    } else if (what == "TEAR" || what == "PEEL" || what == "CUTTER") {
        SetPrintOut(p, what, value);
    } else if (what == "GAP") {
        // "SET GAP intensity[,threshold]": the intensity of the sensor that is selected, and
        // its threshold.
        static const char* const intensities[] = {"GAPINTEN", "BLINEINTEN", "CONINTEN"};
        const QList<QByteArray> parts = value.split(',');
        const int mode = p.reports.value("SENSORMODE").toInt();
        if (mode >= 0 && mode <= 2) SetReport(p, intensities[mode], parts[0].trimmed());
        if (parts.size() == 2) SetReport(p, "THRESHOLD", parts[1].trimmed());
    } else if (what == "SENSOR_REF") {
        SetReport(p, "AUTOTHRESHOLD", upper == "AUTO" ? "1" : "0");
    } else if (what == "COM1") {
        // "96,N,8,1": rate code, parity letter, data bits, stop bits.
        const QList<QByteArray> parts = value.split(',');
        if (parts.size() != 4) return;
        static const QHash<QByteArray, QByteArray> rates{{"12", "1200"},  {"24", "2400"},   {"48", "4800"},
                                                         {"96", "9600"},  {"19", "19200"},  {"38", "38400"},
                                                         {"56", "57600"}, {"115", "115200"}};
        static const QHash<QByteArray, QByteArray> parities{{"N", "None"}, {"O", "Odd"}, {"E", "Even"}};
        if (rates.contains(parts[0])) SetReport(p, "BAUDRATE", rates.value(parts[0]));
        if (parities.contains(parts[1])) SetReport(p, "PARITY", parities.value(parts[1]));
        SetReport(p, "DATABIT", parts[2]);
        SetReport(p, "STOPBIT", parts[3]);
    }
}

const std::pair<const char*, Setting> kSettings[] = {
    {"SPEED", [](Profile& p, const QByteArray& a) { SetReport(p, "SPEED", a); }},
    {"DENSITY", [](Profile& p, const QByteArray& a) { SetReport(p, "DENSITY", a); }},
    {"SIZE",
     [](Profile& p, const QByteArray& a) {
         const QList<QByteArray> parts = a.split(',');
         if (parts.size() != 2) return;
         SetReport(p, "PAPERWIDTH", Dots(p, parts[0]));
         SetReport(p, "PAPERHEIGHT", Dots(p, parts[1]));
     }},
    {"GAP", [](Profile& p, const QByteArray& a) { SetGapOrBline(p, a, "0"); }},
    {"BLINE", [](Profile& p, const QByteArray& a) { SetGapOrBline(p, a, "1"); }},
    {"REFERENCE",
     [](Profile& p, const QByteArray& a) {
         const QList<QByteArray> parts = a.split(',');
         if (parts.size() != 2) return;
         SetReport(p, "REFERENCEX", parts[0].trimmed());
         SetReport(p, "REFERENCEY", parts[1].trimmed());
     }},
    {"DIRECTION",
     [](Profile& p, const QByteArray& a) {
         const QList<QByteArray> parts = a.split(',');
         SetReport(p, "DIRCTION", parts[0].trimmed());
         if (parts.size() > 1) SetReport(p, "MIRROR", parts[1].trimmed());
     }},
    {"OFFSET", [](Profile& p, const QByteArray& a) { SetReport(p, "OFFSET", Number(a)); }},
    {"SHIFT",
     [](Profile& p, const QByteArray& a) {
         const QList<QByteArray> parts = a.split(',');
         if (parts.size() == 1) {
             SetReport(p, "SHIFT", parts[0].trimmed());
             return;
         }
         SetReport(p, "SHIFTX", parts[0].trimmed());
         SetReport(p, "SHIFT", parts[1].trimmed());
     }},
    {"CODEPAGE", [](Profile& p, const QByteArray& a) { SetReport(p, "CODEPAGE", a); }},
    {"COUNTRY", [](Profile& p, const QByteArray& a) { SetReport(p, "COUNTRY", a); }},
    {"LIMITFEED", [](Profile& p, const QByteArray& a) { SetReport(p, "MAXLENGTH", Number(a)); }},
    {"SET", ApplySet},
};

}   // namespace

void AddConfigCapability(CapabilityRegistry& r) {
    // setting is copied in by an init-capture: clang 14 cannot capture a structured binding.
    for (const auto& [word, setting] : kSettings)
        r.addCommand(word, [setting = setting](Exchange& x, const QByteArray& arguments) {
            x.printer().edit([&](Profile& p) { setting(p, arguments); });
        });
}

}   // namespace lb::sim
