// SPDX-License-Identifier: Apache-2.0
#include "config/write_configuration.h"

#include "config/printer_config.h"
#include "link/command_format.h"
#include "link/printer_link.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>
#include <optional>

namespace lb {

namespace {

// The Z commands always use these bytes as control and format prefix, whatever prefixes
// the printer is set to, and each ends with "save settings" (XA, JUS, XZ).
const QByteArray kZControlPrefix("\x10", 1);
const QByteArray kZControlSuffix("\x1eXA\x1eJUS\x1eXZ");
const QByteArray kZFormatPrefix("\x1eXA\x1e");
const QByteArray kZFormatSuffix("\x1eJUS\x1eXZ");

constexpr char kZFeedActions[] = {'F', 'C', 'L', 'N'};   // 1..4
constexpr char kZPrintModes[] = {'T', 'P', 'C'};         // 1..3
constexpr char kDControlCodes[] = {'S', '1', '2'};       // 1..3

// The command texts' printf conventions, without the desktop's locale.
template <typename... Arguments> QByteArray Format(const char* format, Arguments... arguments) {
    return FormatCommand(format, {CommandArg(arguments)...});
}

// A length in dots divided by the resolution; nothing when the resolution is not usable
// (a record loaded from a damaged file), which would print "inf" into the command.
std::optional<double> PerUnit(float dots, float unit) {
    if (!(unit > 0.0f) || !std::isfinite(unit)) return std::nullopt;
    return double(dots) / double(unit);
}

// Hundredths of an inch, rounded; nothing when the result does not fit the command's number.
std::optional<int> Hundredths(int32_t dots, float dpi) {
    if (!(dpi > 0.0f) || !std::isfinite(dpi)) return std::nullopt;
    const double v = std::trunc(double(dots) * 100.0 / double(dpi) + 0.5);
    if (v < double(std::numeric_limits<int>::min()) || v > double(std::numeric_limits<int>::max()))
        return std::nullopt;
    return int(v);
}

// A letter of a 1-based table; 0 when the value has none.
template <std::size_t N> char Letter(const char (&table)[N], int32_t value) {
    return value >= 1 && value <= int32_t(N) ? table[value - 1] : '\0';
}

// A table text by index; nullptr for an index outside the table (the reader keeps a reply
// it does not know as the table's length).
template <std::size_t N> const char* Entry(const std::array<const char*, N>& table, int32_t index) {
    return index >= 0 && index < int32_t(N) ? table[std::size_t(index)] : nullptr;
}

// A prefix character that cannot be sent: NUL ends the command text, CR and LF end its line.
bool Sendable(char c) {
    return c != '\0' && c != '\r' && c != '\n';
}

const char* OnOff(int32_t value) {
    return value != 0 ? "ON" : "OFF";
}

QList<QByteArray> CommonCommands(const PrinterConfig& c) {
    QList<QByteArray> out;
    const bool inch = c.UnitIsInch == 1;
    const float unit = inch ? c.Dpi : c.DotsPerMm;

    if (c.Speed.present) out << Format("SPEED %.1f\r\n", double(c.Speed.value));
    if (c.Density.present) out << Format("DENSITY %d\r\n", c.Density.value);
    if (c.PaperWidth.present && c.PaperHeight.present) {
        const auto w = PerUnit(c.PaperWidth.value, unit);
        const auto h = PerUnit(c.PaperHeight.value, unit);
        if (w && h) out << Format(inch ? "SIZE %.2f,%.2f\r\n" : "SIZE %.2f mm,%.2f mm\r\n", *w, *h);
    }
    if (c.SensorMode.present) {
        const int32_t mode = c.SensorMode.value;
        if ((mode == 0 || mode == 1) && c.GapSize.present && c.GapOffset.present) {
            const auto size = PerUnit(c.GapSize.value, unit);
            const auto offset = PerUnit(c.GapOffset.value, unit);
            if (size && offset) {
                const char* format = mode == 0 ? (inch ? "GAP %.2f,%.2f\r\n" : "GAP %.2f mm,%.2f mm\r\n")
                                               : (inch ? "BLINE %.2f,%.2f\r\n" : "BLINE %.2f mm,%.2f mm\r\n");
                out << Format(format, *size, *offset);
            }
        } else if (mode == 2) {
            out << QByteArray("GAP 0,0\r\n");
        }
    }
    if (c.PrintOut.present) {
        switch (c.PrintOut.value) {
        case 0:
            out << QByteArray("SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER OFF\r\n");
            break;
        case 1:
            out << QByteArray("SET TEAR ON\r\nSET PEEL OFF\r\nSET CUTTER OFF\r\n");
            break;
        case 2:
            out << QByteArray("SET TEAR OFF\r\nSET PEEL ON\r\nSET CUTTER OFF\r\n");
            break;
        case 3: {
            const int32_t pieces =
                c.CutterPiece.present && c.CutterPiece.value != 0 ? c.CutterPiece.value : 1;
            out << Format("SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER %d\r\n", pieces);
            break;
        }
        default:
            break;
        }
    }
    if (c.ReferenceX.present && c.ReferenceY.present)
        out << Format("REFERENCE %d,%d\r\n", c.ReferenceX.value, c.ReferenceY.value);
    if (c.Direction.present) {
        out << (c.Mirror.present ? Format("DIRECTION %d,%d\r\n", c.Direction.value, c.Mirror.value)
                                 : Format("DIRECTION %d\r\n", c.Direction.value));
    }
    if (c.Offset.present) out << Format("OFFSET %d dot\r\n", c.Offset.value);
    if (c.ShiftX.present || c.ShiftY.present) {
        const int32_t x = c.ShiftX.present ? c.ShiftX.value : 0;
        const int32_t y = c.ShiftY.present ? c.ShiftY.value : 0;
        out << (c.ShiftX.present ? Format("SHIFT %d,%d\r\n", x, y) : Format("SHIFT %d\r\n", y));
    }
    if (c.Ribbon.present) out << Format("SET RIBBON %s\r\n", OnOff(c.Ribbon.value));
    if (c.RibbonSensor.present) out << Format("SET RIBBONEND %s\r\n", OnOff(c.RibbonSensor.value));
    if (c.RibbonEncoder.present) out << Format("SET ENCODER %s\r\n", OnOff(c.RibbonEncoder.value));
    if (c.CodePage.present) {
        if (const char* name = Entry(CodePageNames, c.CodePage.value)) out << Format("CODEPAGE %s\r\n", name);
    }
    if (c.Country.present) {
        if (const char* code = Entry(CountryCodes, c.Country.value)) out << Format("COUNTRY %s\r\n", code);
    }
    if (c.HeadSensor.present) out << Format("SET HEAD %s\r\n", OnOff(c.HeadSensor.value));
    if (c.Reprint.present) out << Format("SET REPRINT %s\r\n", OnOff(c.Reprint.value));
    if (c.MaxLength.present) out << Format("LIMITFEED %.2f dot\r\n", double(c.MaxLength.value));
    // The intensity of the selected sensor, only when both the mode and that intensity are
    // known: a cleared record holds 0 in both, and "SET GAP 0" would overwrite the printer's
    // real intensity and can break gap detection.
    if (c.SensorMode.present) {
        const IntItem* intensity = c.SensorMode.value == 0   ? &c.GapInten
                                   : c.SensorMode.value == 1 ? &c.BlineInten
                                   : c.SensorMode.value == 2 ? &c.ContinuousInten
                                                             : nullptr;
        if (intensity && intensity->present) out << Format("SET GAP %d\r\n", int32_t(intensity->value));
    }
    if (c.AutoThreshold.present)
        out << QByteArray(c.AutoThreshold.value != 0 ? "SET SENSOR_REF AUTO\r\n"
                                                     : "SET SENSOR_REF MANUAL\r\n");
    return out;
}

QList<QByteArray> ZCommands(const PrinterConfig& c) {
    QList<QByteArray> out;
    const char* cp = kZControlPrefix.constData();
    const char* cs = kZControlSuffix.constData();
    const char* fp = kZFormatPrefix.constData();
    const char* fs = kZFormatSuffix.constData();

    if (c.ZDarkness.present) out << Format("%sSD%d%s\r\n", cp, c.ZDarkness.value, cs);
    if (c.ZSpeed.present) out << Format("%sPR%d%s\r\n", fp, c.ZSpeed.value, fs);
    if (c.ZTearOff.present) out << Format("%sTA%03d%s\r\n", cp, c.ZTearOff.value, cs);
    if (c.ZPrintMode.present) {
        if (const char mode = Letter(kZPrintModes, c.ZPrintMode.value))
            out << Format("%sMM%c%s\r\n", fp, mode, fs);
    }
    if (c.ZPrintWidth.present) out << Format("%sPW%d%s\r\n", fp, c.ZPrintWidth.value, fs);
    if (c.ZControlPrefix.present && Sendable(c.ZControlPrefix.value))
        out << Format("%sCT%c%s\r\n", cp, c.ZControlPrefix.value, cs);
    if (c.ZFormatPrefix.present && Sendable(c.ZFormatPrefix.value))
        out << Format("%sCC%c%s\r\n", cp, c.ZFormatPrefix.value, cs);
    if (c.ZDelimiter.present && Sendable(c.ZDelimiter.value))
        out << Format("%sCD%c%s\r\n", cp, c.ZDelimiter.value, cs);
    if (c.ZMediaPowerUp.present) {
        if (const char action = Letter(kZFeedActions, c.ZMediaPowerUp.value))
            out << Format("%sMF%c%s\r\n", fp, action, fs);
    }
    if (c.ZHeadClose.present) {
        // The delimiter leaves the power-up action as it is and gives only the head-close one.
        const char delimiter = Sendable(c.ZDelimiter.value) ? c.ZDelimiter.value : ',';
        if (const char action = Letter(kZFeedActions, c.ZHeadClose.value))
            out << Format("%sMF%c%c%s\r\n", fp, delimiter, action, fs);
    }
    if (c.ZLabelTop.present) out << Format("%sLT%d%s\r\n", fp, c.ZLabelTop.value, fs);
    if (c.ZLeftPosition.present) out << Format("%sLS%d%s\r\n", fp, c.ZLeftPosition.value, fs);
    return out;
}

// One D command in the emulation's three control-code conventions: STX … CR, ~ … CR, ~ … |.
QByteArray ThreeCopies(const QByteArray& body) {
    return "\x02" + body + "\r\r\n~" + body + "\r\r\n~" + body + "|\r\n";
}

QList<QByteArray> DCommands(const PrinterConfig& c) {
    QList<QByteArray> out;
    if (c.DHeat.present) out << ThreeCopies(Format("KZH%02d", c.DHeat.value));
    if (c.DPrintSpeed.present) out << ThreeCopies(Format("KZP%c", DSpeedLetter(c.DPrintSpeed.value)));
    const QByteArray list = DSettingsList(c);
    if (!list.isEmpty()) out << ThreeCopies("Kc" + list);
    return out;
}

QList<QByteArray> InterfaceCommands(const PrinterConfig& c) {
    if (!c.BaudRate.present || !c.DataBits.present || !c.Parity.present || !c.StopBits.present) return {};
    const char* rate = Entry(BaudRateCodes, c.BaudRate.value);
    const char* parity = Entry(ParityNames, c.Parity.value);
    const char* dataBits = Entry(DataBitsNames, c.DataBits.value);
    const char* stopBits = Entry(StopBitsNames, c.StopBits.value);
    // A setting the reader did not recognise cannot be written back.
    if (!rate || !parity || !dataBits || !stopBits) return {};
    return {Format("SET COM1 %s,%c,%c,%c\r\n", rate, parity[0], dataBits[0], stopBits[0])};
}

}   // namespace

char DSpeedLetter(float speed) {
    const double v = speed;
    if (v >= 0.75 && v < 12.5) return char('A' + int(std::trunc((v - 0.75) * 2.0)));
    if (v >= 12.5 && v < 15.5) return char('X' + int(std::trunc(v - 12.5)));
    if (v >= 15.5 && v < 20.5) return char('a' + int(std::trunc(v - 15.5)));
    return 'G';
}

QByteArray DSettingsList(const PrinterConfig& c) {
    QByteArray list;
    // Lengths go in hundredths of an inch, always from Dpi, whatever the panel's unit.
    auto length = [&](const char* format, const IntItem& item) {
        if (!item.present) return;
        if (const auto v = Hundredths(item.value, c.Dpi)) list += Format(format, *v);
    };
    auto yesNo = [&](const char* format, const IntItem& item) {
        if (item.present && (item.value == 1 || item.value == 2))
            list += Format(format, item.value == 2 ? 'Y' : 'N');
    };
    length("LW%04d;", c.DLabelWidth);
    yesNo("PS%c;", c.DPresentSensor);
    yesNo("CE%c;", c.DCutterEquipped);
    if (c.DControlCodes.present) {
        if (const char code = Letter(kDControlCodes, c.DControlCodes.value)) list += Format("CC%c;", code);
    }
    length("CO%04d;", c.DColumnOffset);
    length("RO%04d;", c.DRowOffset);
    return list;
}

QString ConfigurationProblem(const PrinterConfig& c, int32_t page) {
    auto translated = [](const char* text) {
        return QCoreApplication::translate("ConfigurationWriter", text);
    };
    auto number = [&](const char* name, double value) -> QString {
        if (std::isfinite(value) && std::fabs(value) <= kMaxCommandReal) return {};
        return translated(QT_TRANSLATE_NOOP("ConfigurationWriter",
                                            "%1 holds %2, which cannot be sent to the printer"))
            .arg(QLatin1String(name), QString::number(value));
    };
    auto unusable = [&](const char* name, const char* resolution) {
        return translated(QT_TRANSLATE_NOOP(
                              "ConfigurationWriter",
                              "%1 cannot be converted for the printer: the resolution %2 is not usable"))
            .arg(QLatin1String(name), QLatin1String(resolution));
    };
    QString problem;
    auto check = [&](const QString& p) {
        if (problem.isEmpty()) problem = p;
    };
    if (page == kPageCommon) {
        const bool inch = c.UnitIsInch == 1;
        const float unit = inch ? c.Dpi : c.DotsPerMm;
        const char* unitName = inch ? "Dpi" : "DotsPerMm";
        // A length as its command carries it.
        auto length = [&](const char* name, const FloatItem& item) {
            if (const auto v = PerUnit(item.value, unit))
                check(number(name, *v));
            else
                check(unusable(name, unitName));
        };
        if (c.Speed.present) check(number("Speed", double(c.Speed.value)));
        if (c.PaperWidth.present && c.PaperHeight.present) {
            length("PaperWidth", c.PaperWidth);
            length("PaperHeight", c.PaperHeight);
        }
        if (c.SensorMode.present && (c.SensorMode.value == 0 || c.SensorMode.value == 1) &&
            c.GapSize.present && c.GapOffset.present) {
            length("GapSize", c.GapSize);
            length("GapOffset", c.GapOffset);
        }
        if (c.MaxLength.present) check(number("MaxLength", double(c.MaxLength.value)));
    } else if (page == kPageD) {
        if (c.DPrintSpeed.present && !std::isfinite(c.DPrintSpeed.value))
            check(number("DPrintSpeed", double(c.DPrintSpeed.value)));
        for (const auto& [name, item] :
             {std::pair<const char*, const IntItem*>{"DLabelWidth", &c.DLabelWidth},
              {"DColumnOffset", &c.DColumnOffset},
              {"DRowOffset", &c.DRowOffset}}) {
            if (item->present && !Hundredths(item->value, c.Dpi)) check(unusable(name, "Dpi"));
        }
    }
    return problem;
}

namespace {

// The page's commands, the values already checked.
QList<QByteArray> PageCommands(const PrinterConfig& config, int32_t page) {
    switch (page) {
    case kPageCommon:
        return CommonCommands(config);
    case kPageZ:
        return ZCommands(config);
    case kPageD:
        return DCommands(config);
    case kPageInterface:
        return InterfaceCommands(config);
    default:
        return {};
    }
}

}   // namespace

QList<QByteArray> ConfigurationCommands(const PrinterConfig& config, int32_t page) {
    if (!ConfigurationProblem(config, page).isEmpty()) return {};
    return PageCommands(config, page);
}

int WriteConfiguration(InterfaceKind kind, const PrinterConfig* config, int32_t page) {
    if (!config || page < kPageCommon || page > kPageInterface) return kUnknownError;
    // A value the printer cannot be sent is refused before anything goes out.
    if (!ConfigurationProblem(*config, page).isEmpty()) return kUnknownError;
    const QList<QByteArray> commands = PageCommands(*config, page);
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    int result = kLinkOk;
    for (const QByteArray& command : commands) {
        // Commands never hold a NUL, so the text form sends every byte.
        result = SendCommand(handle, kind, command.constData());
        if (result != kLinkOk) break;
    }
    CloseLink(kind, handle);
    return result;
}

}   // namespace lb
