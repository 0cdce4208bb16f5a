#include "sim/simulated_printer.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <functional>

namespace lb::sim {

namespace {

const QByteArray kStatusQuery("\x1b\x21\x3f", 3);
const QByteArray kStatusDetail("\x1b\x21\x53\x0d\x0a", 5);
const QByteArray kReset("\x1b\x21\x52", 3);
const QByteArray kIgnoreAutoBas("\x1b\x21\x43", 3);
const QByteArray kLeaveLineMode("\x1b\x5a\x0d\x0a", 4);

const QList<QByteArray>& EscapeSequences() {
    static const QList<QByteArray> all{kStatusQuery, kStatusDetail, kReset, kIgnoreAutoBas, kLeaveLineMode};
    return all;
}

// A line this long without LF is taken as one command, so that a block without line ends
// (a raw download) never makes the pending line grow without bound.
constexpr qsizetype kMaxPendingLine = 64 * 1024;

// Data bytes an OversizedLength frame announces and sends.
constexpr qsizetype kOversizedLength = 5000;

// Words of a text line: the first one, and the rest with its leading blanks removed.
std::pair<QByteArray, QByteArray> SplitFirstWord(const QByteArray& line) {
    const QByteArray trimmed = line.trimmed();
    const qsizetype space = trimmed.indexOf(' ');
    if (space < 0) return {trimmed.toUpper(), QByteArray()};
    return {trimmed.left(space).toUpper(), trimmed.mid(space + 1).trimmed()};
}

// The text between the first and the last double quote; false when there are not two.
bool QuotedText(const QByteArray& text, QByteArray& out) {
    const qsizetype first = text.indexOf('"');
    const qsizetype last = text.lastIndexOf('"');
    if (first < 0 || last <= first) return false;
    out = text.mid(first + 1, last - first - 1);
    return true;
}

QByteArray MalformedFrame(const QByteArray& data, Faults::Malformed kind) {
    switch (kind) {
    case Faults::Malformed::None:
        break;
    case Faults::Malformed::MissingClosingBrace:
        return "{" + QByteArray::number(data.size()) + "|" + data + "]";
    case Faults::Malformed::TooManyDigits:
        // The value is right; only the field is one digit longer than a reader accepts.
        return "{" + QByteArray::number(data.size()).rightJustified(32, '0') + "|" + data + "}";
    case Faults::Malformed::OversizedLength: {
        QByteArray padded = data.left(kOversizedLength);
        padded.append(QByteArray(kOversizedLength - padded.size(), '#'));
        return "{" + QByteArray::number(kOversizedLength) + "|" + padded + "}";
    }
    case Faults::Malformed::NoSeparator:
        return "{" + QByteArray::number(data.size()) + ":" + data + "}";
    }
    return Frame(data);
}

}   // namespace

QByteArray Frame(const QByteArray& data) {
    return "{" + QByteArray::number(data.size()) + "|" + data + "}";
}

// ---------------------------------------------------------------------------------------------
// Profile

Profile Profile::Default() {
    Profile p;
    p.edition = 104;
    p.serialNumber = "LB4203A0012345";
    p.password.clear();
    p.interfaceReply = "OK";
    p.statusByte = 0x00;
    p.statusDetail = QByteArray(8, '\0');
    // Identity and counters.
    p.reports = {
        {"DPI", "203"},
        {"VERSION", "LB-4203 V1.04 EZ"},
        {"MILAGE", "1.25"},
        {"RESETMILAGE", "0.37"},
        {"CHECKSUM", "8A3C45D1"},
        {"CUTCOUNTER", "1520"},
        {"RESETCUTCOUNTER", "230"},
        // Native settings (lengths in dots at 203 dpi: 4 x 2 inch labels, 3 mm gap).
        {"SPEED", "4.0"},
        {"DENSITY", "8"},
        {"DENSITYBASE", "8"},
        {"PAPERWIDTH", "812"},
        {"PAPERHEIGHT", "406"},
        {"SENSORMODE", "0"},
        {"GAPSIZE", "24"},
        {"GAPOFFSET", "0"},
        {"PRINTOUT", "1"},
        {"CUTTERPIECE", "1"},
        {"REFERENCEX", "0"},
        {"REFERENCEY", "0"},
        {"DIRCTION", "0"},
        {"MIRROR", "0"},
        {"OFFSET", "0"},
        {"OFFSETBASE", "0"},
        {"SHIFT", "0"},
        {"SHIFTBASE", "0"},
        {"SHIFTX", "0"},
        {"SHIFTXBASE", "0"},
        {"RIBBON", "1"},
        {"RIBBONSENSOR", "1"},
        {"RIBBONENCODER", "1"},
        {"CODEPAGE", "850"},
        {"COUNTRY", "001"},
        {"HEAD", "1"},
        {"REPRINT", "1"},
        {"MAXLENGTH", "2030"},
        {"GAPINTEN", "5"},
        {"BLINEINTEN", "6"},
        {"CONINTEN", "4"},
        {"AUTOTHRESHOLD", "1"},
        // Z emulation.
        {"ZDARKNESS", "15"},
        {"ZSPEED", "C"},
        {"ZPOSITION", "0"},
        {"ZPRINTMODE", "T"},
        {"ZLABELWIDTH", "812"},
        {"ZCONTROL", "~"},
        {"ZFORMAT", "^"},
        {"ZDELIMITER", ","},
        {"ZFEEDPOWERUP", "F"},
        {"ZFEEDHEADCLOSE", "F"},
        {"ZLABELTOP", "0"},
        {"ZLABELSHIFT", "0"},
        // D emulation.
        {"DHEAT", "10"},
        {"DSPEED", "G"},
        {"DLABELWIDTH", "812"},
        {"DPRESENTSENSOR", "N"},
        {"DCUTTEREQUIPPED", "N"},
        {"DCONTROLCODES", "S"},
        {"DCOLUMNOFFSET", "0"},
        {"DROWOFFSET", "0"},
        // Serial port.
        {"BAUDRATE", "9600"},
        {"DATABIT", "8"},
        {"PARITY", "None"},
        {"STOPBIT", "1"},
    };
    return p;
}

namespace {

// Keywords that firmware below the given edition has no answer for.
const QList<QByteArray>& EmulationKeywords() {
    static const QList<QByteArray> keywords{
        "ZDARKNESS",      "ZSPEED",          "ZPOSITION",     "ZPRINTMODE",    "ZLABELWIDTH",
        "ZCONTROL",       "ZFORMAT",         "ZDELIMITER",    "ZFEEDPOWERUP",  "ZFEEDHEADCLOSE",
        "ZLABELTOP",      "ZLABELSHIFT",     "DHEAT",         "DSPEED",        "DLABELWIDTH",
        "DPRESENTSENSOR", "DCUTTEREQUIPPED", "DCONTROLCODES", "DCOLUMNOFFSET", "DROWOFFSET"};
    return keywords;
}
const QList<QByteArray> kCutterKeywords{"CUTCOUNTER", "MAXLENGTH"};                         // from 102
const QList<QByteArray> kRibbonKeywords{"RESETMILAGE", "RESETCUTCOUNTER", "RIBBONSENSOR",   // from 103
                                        "RIBBONENCODER", "AUTOTHRESHOLD"};

}   // namespace

Profile Profile::ForEdition(int edition) {
    Profile p = Default();
    p.edition = edition;
    auto set = [&p](std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [key, value] : values)
            p.reports.insert(key, value);
    };
    auto drop = [&p](const QList<QByteArray>& keys) {
        for (const QByteArray& key : keys)
            p.reports.remove(key);
    };
    if (edition >= 104) return p;
    if (edition >= 103) {
        // 200 dpi, a European set-up.
        p.serialNumber = "LB4200C0007311";
        set({{"DPI", "200"},
             {"VERSION", "LB-4200 V1.03"},
             {"PAPERWIDTH", "787"},
             {"PAPERHEIGHT", "394"},
             {"SENSORMODE", "1"},
             {"CODEPAGE", "8859-15"},
             {"COUNTRY", "049"},
             {"BAUDRATE", "115200"},
             {"PARITY", "Even"},
             {"STOPBIT", "2"},
             {"ZSPEED", "D"},
             {"ZPRINTMODE", "C"},
             {"DSPEED", "W"},
             {"DCONTROLCODES", "2"},
             {"RIBBONENCODER", "0"},
             {"AUTOTHRESHOLD", "0"},
             {"RESETMILAGE", "12.50"},
             {"RESETCUTCOUNTER", "7"}});
        return p;
    }
    drop(kRibbonKeywords);
    if (edition >= 102) {
        // 600 dpi, with a cutter.
        p.serialNumber = "LB4600A0000815";
        set({{"DPI", "600"},          {"VERSION", "LB-4600 V1.02"},
             {"MILAGE", "0.85"},      {"PAPERWIDTH", "2400"},
             {"PAPERHEIGHT", "1200"}, {"GAPSIZE", "71"},
             {"PRINTOUT", "3"},       {"CUTTERPIECE", "2"},
             {"CODEPAGE", "1252"},    {"BAUDRATE", "38400"},
             {"DATABIT", "7"},        {"PARITY", "Odd"},
             {"ZSPEED", "A"},         {"ZPRINTMODE", "D"},
             {"ZFEEDPOWERUP", "C"},   {"ZFEEDHEADCLOSE", "N"},
             {"DSPEED", "e"},         {"DCUTTEREQUIPPED", "E"},
             {"CUTCOUNTER", "96"},    {"MAXLENGTH", "6000"}});
        return p;
    }
    drop(kCutterKeywords);
    if (edition >= 100) {
        // 203 dpi, the first firmware with the emulations; numeric Z speed.
        p.serialNumber = "LB4203A0000100";
        set({{"VERSION", "LB-4203 V1.00"},
             {"SPEED", "3.5"},
             {"DENSITY", "10"},
             {"CODEPAGE", "437"},
             {"COUNTRY", "044"},
             {"BAUDRATE", "19200"},
             {"ZSPEED", "5"},
             {"ZPRINTMODE", "P"},
             {"ZCONTROL", "#"},
             {"ZFEEDPOWERUP", "L"},
             {"DSPEED", "C"},
             {"DPRESENTSENSOR", "A"},
             {"DCONTROLCODES", "1"}});
        return p;
    }
    // 300 dpi, no emulations.
    drop(EmulationKeywords());
    p.serialNumber = "LB4300B0000042";
    set({{"DPI", "300"},
         {"VERSION", "LB-4300 V0.99"},
         {"PAPERWIDTH", "1200"},
         {"PAPERHEIGHT", "600"},
         {"SENSORMODE", "2"},
         {"CODEPAGE", "USA"},
         {"BAUDRATE", "9600"}});
    return p;
}

// JSON profile format (every key optional; absent keys keep the Default() values, and the
// reports given are merged into the default reports; texts are taken as Latin-1 bytes):
//   {
//     "edition": 104,                        firmware edition, answers EDITION
//     "reports": {"DPI": "300", ...},        reply data by report keyword; null removes a
//                                            keyword (older firmware gives no answer)
//     "interfaceReply": "OK",                data of the DIAGNOSTIC INTERFACE reply
//     "statusByte": 0,                       0..255, answer to ESC ! ?
//     "statusDetail": [0,0,0,0,12,0,0,0],    exactly 8 values 0..255, answer to ESC ! S
//     "password": "",                        the printer's password (edition above 100)
//     "serialNumber": "LB4203A0012345"       the line that answers OUT _SERIAL$
//   }
bool Profile::LoadFromFile(const QString& path, Profile& out, QString* error) {
    auto fail = [error](const QString& message) {
        if (error) *error = message;
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (doc.isNull()) return fail(QStringLiteral("%1: %2").arg(path, parseError.errorString()));
    if (!doc.isObject()) return fail(QStringLiteral("%1: the profile must be a JSON object").arg(path));
    const QJsonObject o = doc.object();

    Profile p = Default();
    auto byteValue = [&](const char* key, int& value) {
        if (!o.contains(QLatin1String(key))) return true;
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isDouble() || v.toDouble() != double(v.toInt()) || v.toInt() < 0 || v.toInt() > 255)
            return false;
        value = v.toInt();
        return true;
    };
    auto textValue = [&](const char* key, QByteArray& value) {
        if (!o.contains(QLatin1String(key))) return true;
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isString()) return false;
        value = v.toString().toLatin1();
        return true;
    };

    if (o.contains(QLatin1String("edition"))) {
        const QJsonValue v = o.value(QLatin1String("edition"));
        if (!v.isDouble() || v.toDouble() != double(v.toInt()))
            return fail(QStringLiteral("\"edition\" must be an integer"));
        p.edition = v.toInt();
    }
    int status = p.statusByte;
    if (!byteValue("statusByte", status))
        return fail(QStringLiteral("\"statusByte\" must be an integer 0..255"));
    p.statusByte = uint8_t(status);
    if (o.contains(QLatin1String("statusDetail"))) {
        const QJsonValue v = o.value(QLatin1String("statusDetail"));
        const QJsonArray a = v.toArray();
        if (!v.isArray() || a.size() != 8)
            return fail(QStringLiteral("\"statusDetail\" must be an array of 8 bytes"));
        QByteArray detail;
        for (const QJsonValue& b : a) {
            if (!b.isDouble() || b.toDouble() != double(b.toInt()) || b.toInt() < 0 || b.toInt() > 255)
                return fail(QStringLiteral("\"statusDetail\" must be an array of 8 bytes"));
            detail.append(char(b.toInt()));
        }
        p.statusDetail = detail;
    }
    if (!textValue("interfaceReply", p.interfaceReply))
        return fail(QStringLiteral("\"interfaceReply\" must be a text"));
    if (!textValue("password", p.password)) return fail(QStringLiteral("\"password\" must be a text"));
    if (!textValue("serialNumber", p.serialNumber))
        return fail(QStringLiteral("\"serialNumber\" must be a text"));
    if (o.contains(QLatin1String("reports"))) {
        const QJsonValue v = o.value(QLatin1String("reports"));
        if (!v.isObject()) return fail(QStringLiteral("\"reports\" must be an object of texts"));
        const QJsonObject reports = v.toObject();
        for (auto it = reports.begin(); it != reports.end(); ++it) {
            const QByteArray key = it.key().toLatin1().toUpper();
            if (it.value().isNull()) {
                p.reports.remove(key);   // firmware that does not know the keyword
                continue;
            }
            if (!it.value().isString())
                return fail(QStringLiteral("report \"%1\" must be a text or null").arg(it.key()));
            p.reports.insert(key, it.value().toString().toLatin1());
        }
    }
    out = p;
    return true;
}

// ---------------------------------------------------------------------------------------------
// SimulatedPrinter

namespace {

// Commands that change the printer, by their first word. Each later capability (SET,
// SPEED, DOWNLOAD, KILL …) adds its entry here.
using CommandHandler = std::function<void(Profile&, const QByteArray& arguments)>;

// A report the firmware knows takes the new value; one it does not know stays unknown.
void SetReport(Profile& p, const char* keyword, const QByteArray& value) {
    const auto it = p.reports.find(keyword);
    if (it != p.reports.end()) *it = value;
}

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
        // The intensity of the sensor that is selected.
        static const char* const intensities[] = {"GAPINTEN", "BLINEINTEN", "CONINTEN"};
        const int mode = p.reports.value("SENSORMODE").toInt();
        if (mode >= 0 && mode <= 2) SetReport(p, intensities[mode], value);
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

// The native configuration commands.
const QHash<QByteArray, CommandHandler>& CommandHandlers() {
    static const QHash<QByteArray, CommandHandler> handlers{
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
    return handlers;
}

}   // namespace

SimulatedPrinter::SimulatedPrinter(Profile profile) : m_profile(std::move(profile)) {}

Profile SimulatedPrinter::profile() const {
    QMutexLocker lock(&m_mutex);
    return m_profile;
}

void SimulatedPrinter::setProfile(const Profile& profile) {
    QMutexLocker lock(&m_mutex);
    m_profile = profile;
}

void SimulatedPrinter::apply(const Command& command) {
    if (command.kind != Command::Kind::TextLine) return;
    const QByteArray& line = command.bytes;
    if (line.startsWith('\x10') || line.startsWith('\x1e')) {
        QMutexLocker lock(&m_mutex);
        ApplyZ(m_profile, line);
        return;
    }
    if (line.startsWith('\x02') || line.startsWith('~')) {
        QMutexLocker lock(&m_mutex);
        ApplyD(m_profile, line);
        return;
    }
    const auto [word, arguments] = SplitFirstWord(command.bytes);
    const auto it = CommandHandlers().constFind(word);
    if (it == CommandHandlers().constEnd()) return;
    QMutexLocker lock(&m_mutex);
    (*it)(m_profile, arguments);
}

QByteArray SimulatedPrinter::reportReply(const QByteArray& keyword, bool* known) const {
    QMutexLocker lock(&m_mutex);
    const QByteArray key = keyword.toUpper();
    bool found = true;
    QByteArray reply;
    if (key == "EDITION") {
        reply = QByteArray::number(m_profile.edition);
    } else if (key == "PASSWORD") {
        // Only firmware that can hold a password knows the keyword.
        found = m_profile.edition > 100;
        if (found) reply = m_profile.password;
    } else {
        const auto it = m_profile.reports.constFind(key);
        found = it != m_profile.reports.constEnd();
        if (found) reply = *it;
    }
    if (known) *known = found;
    return reply;
}

bool SimulatedPrinter::setPassword(const QByteArray& password) {
    QMutexLocker lock(&m_mutex);
    if (m_profile.edition <= 100) return false;
    m_profile.password = password;
    return true;
}

// ---------------------------------------------------------------------------------------------
// PrinterSession

PrinterSession::PrinterSession(SimulatedPrinter& printer, Faults faults)
    : m_printer(printer), m_faults(std::move(faults)) {
    for (const QByteArray& k : m_faults.silentKeywords)
        m_silent.insert(k.toUpper());
}

void PrinterSession::addReply(Output& out, const QByteArray& bytes) const {
    if (bytes.isEmpty()) return;
    if (m_faults.oneByteSegments) {
        for (char c : bytes)
            out.segments.append(QByteArray(1, c));
    } else {
        out.segments.append(bytes);
    }
    out.delayMs = m_faults.replyDelayMs;
}

void PrinterSession::addFramedReply(Output& out, const QByteArray& data) const {
    addReply(out, m_faults.noiseBeforeFrame + MalformedFrame(data, m_faults.malformed));
}

void PrinterSession::command(Output& out, Command::Kind kind, const QByteArray& bytes) {
    if (m_closed) return;
    Command c;
    c.kind = kind;
    c.bytes = bytes;
    m_commands.append(c);

    if (kind == Command::Kind::Escape) {
        if (bytes == kStatusQuery) {
            addReply(out, QByteArray(1, char(m_printer.profile().statusByte)));
        } else if (bytes == kStatusDetail) {
            addReply(out, m_printer.profile().statusDetail);
        } else {
            m_printer.apply(c);
        }
    } else {
        textLine(out, c);
    }

    if (m_faults.closeAfterCommands >= 0 && m_commands.size() >= m_faults.closeAfterCommands) {
        m_closed = true;
        out.close = true;
    }
}

void PrinterSession::textLine(Output& out, const Command& c) {
    const auto [word, rest] = SplitFirstWord(c.bytes);
    if (word == "DIAGNOSTIC") {
        const auto [what, argument] = SplitFirstWord(rest);
        if (what == "INTERFACE") {
            addFramedReply(out, m_printer.profile().interfaceReply);
            return;
        }
        if (what == "REPORT") {
            const QByteArray keyword = argument.toUpper();
            if (m_silent.contains(keyword)) return;
            bool known = false;
            const QByteArray data = m_printer.reportReply(keyword, &known);
            // Firmware without the keyword does not answer at all.
            if (known) addFramedReply(out, data);
            return;
        }
        if (what == "PASSWORD") {
            QByteArray password;
            if (m_printer.profile().edition <= 100) return;   // firmware without a password
            const bool accepted = QuotedText(argument, password) && m_printer.setPassword(password);
            addFramedReply(out, accepted ? "1" : "0");
            return;
        }
    } else if (word == "OUT" && rest.toUpper() == "_SERIAL$") {
        // A plain reply line, not a frame.
        addReply(out, m_printer.profile().serialNumber + "\r\n");
        return;
    }
    m_printer.apply(c);
}

void PrinterSession::endLine(Output& out) {
    QByteArray line = m_pending;
    m_pending.clear();
    while (line.endsWith('\r'))
        line.chop(1);
    // The CR LF that opens a report sequence, or a blank line, is no command.
    if (line.isEmpty()) return;
    command(out, Command::Kind::TextLine, line);
}

PrinterSession::Output PrinterSession::feed(const QByteArray& bytes) {
    Output out;
    m_transcript.append(bytes);
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size && !m_closed) {
        if (!m_escape.isEmpty()) {
            // Inside a possible ESC sequence: one byte at a time (they are at most 5 long).
            m_escape.append(data[i]);
            ++i;
            bool prefix = false;
            bool complete = false;
            for (const QByteArray& s : EscapeSequences()) {
                if (s == m_escape)
                    complete = true;
                else if (s.startsWith(m_escape))
                    prefix = true;
            }
            if (complete) {
                const QByteArray sequence = m_escape;
                m_escape.clear();
                command(out, Command::Kind::Escape, sequence);
            } else if (!prefix) {
                // Not a sequence of ours: its bytes begin an ordinary line. The last byte
                // may end that line, so it goes through the line rules again.
                m_pending = m_escape.left(m_escape.size() - 1);
                m_escape.clear();
                --i;
                if (data[i] != '\n') {
                    m_pending.append(data[i]);
                    ++i;
                }
            }
            continue;
        }
        if (m_pending.isEmpty() && data[i] == '\x1b') {
            m_escape.append(data[i]);
            ++i;
            continue;
        }
        // Line bytes: take everything up to the next LF at once.
        const char* lf = static_cast<const char*>(memchr(data + i, '\n', size_t(size - i)));
        const qsizetype end = lf ? lf - data : size;
        const qsizetype room = kMaxPendingLine - m_pending.size();
        if (end - i >= room) {
            m_pending.append(data + i, room);
            i += room;
            endLine(out);
            continue;
        }
        m_pending.append(data + i, end - i);
        i = end;
        if (lf) {
            ++i;
            endLine(out);
        }
    }
    return out;
}

}   // namespace lb::sim
