// SPDX-License-Identifier: Apache-2.0
#include "config/config_diff.h"

#include "config/write_configuration.h"

#include <cstring>

namespace lb {
namespace {

struct Caption {
    const char* name;        // the record's field name
    const char* label;       // the label's object name on the configuration page
    const char* caption;     // its English caption
    const char* qualifier;   // which of the label's controls, or nullptr
};

// The labels of printer_configuration_page.ui, in English.
const Caption kCaptions[] = {
    {"Speed", "LabelSpeed", "Speed", nullptr},
    {"Density", "LabelDensity", "Density", nullptr},
    {"DensityBase", "LabelDensity", "Density", "base"},
    {"PaperWidth", "LabelWidth", "Paper Width", nullptr},
    {"PaperHeight", "LabelHeight", "Paper Height", nullptr},
    {"SensorMode", "LabelSensorType", "Media Sensor", nullptr},
    {"GapSize", "LabelVerticalGap", "Gap", nullptr},
    {"GapOffset", "LabelGapOffset", "Gap Offset", nullptr},
    {"PrintOut", "LabelPrintOut", "Post-Print Action", nullptr},
    {"CutterPiece", "LabelCutterPiece", "Cut Piece", nullptr},
    {"ReferenceX", "LabelReference", "Reference", "X"},
    {"ReferenceY", "LabelReference", "Reference", "Y"},
    {"Direction", "LabelDirection", "Direction", nullptr},
    {"Mirror", "LabelDirection", "Direction", "mirror"},
    {"Offset", "LabelOffset", "Offset", nullptr},
    {"OffsetBase", "LabelOffset", "Offset", "base"},
    {"ShiftX", "LabelShiftX", "Shift X", nullptr},
    {"ShiftXBase", "LabelShiftX", "Shift X", "base"},
    {"ShiftY", "LabelShiftY", "Shift Y", nullptr},
    {"ShiftYBase", "LabelShiftY", "Shift Y", "base"},
    {"Ribbon", "LabelRibbon", "Ribbon", nullptr},
    {"RibbonSensor", "LabelRibbonSensor", "Ribbon Sensor", nullptr},
    {"RibbonEncoder", "LabelRibbonEncoder", "Ribbon Encoder Err.", nullptr},
    {"CodePage", "LabelCodePage", "Code Page", nullptr},
    {"Country", "LabelCountryCode", "Country Code", nullptr},
    {"HeadSensor", "LabelHead", "Head-up Sensor", nullptr},
    {"Reprint", "LabelReprint", "Reprint After Error", nullptr},
    {"MaxLength", "LabelMaximumLength", "Maximum Length", nullptr},
    {"GapInten", "LabelGapInten", "Gap Inten.", nullptr},
    {"BlineInten", "LabelBlineInten", "Bline Inten.", nullptr},
    {"ContinuousInten", "LabelContinuousInten", "Continuous Inten.", nullptr},
    {"AutoThreshold", "LabelThresholdDetection", "Threshold Detection", nullptr},
    {"ZDarkness", "LabelDarknessZ", "Darkness", nullptr},
    {"ZSpeed", "LabelPrintSpeedZ", "Print Speed", nullptr},
    {"ZTearOff", "LabelTearOffZ", "Tear Off", nullptr},
    {"ZPrintMode", "LabelPrintModeZ", "Print Mode", nullptr},
    {"ZPrintWidth", "LabelPrintWidthZ", "Print Width", nullptr},
    {"ZControlPrefix", "LabelControlPrefixZ", "Control Prefix", nullptr},
    {"ZFormatPrefix", "LabelFormatPrefixZ", "Format Prefix", nullptr},
    {"ZDelimiter", "LabelDelimiterCharZ", "Delimiter Char", nullptr},
    {"ZMediaPowerUp", "LabelMediaPowerUpZ", "Media Power Up", nullptr},
    {"ZHeadClose", "LabelHeadCloseZ", "Head Close", nullptr},
    {"ZLabelTop", "LabelLabelTopZ", "Label Top", nullptr},
    {"ZLeftPosition", "LabelLeftPositionZ", "Left Position", nullptr},
    {"DHeat", "LabelHeatD", "Heat", nullptr},
    {"DPrintSpeed", "LabelPrintSpeedD", "Print Speed", nullptr},
    {"DLabelWidth", "LabelLabelWidthD", "Label Width", nullptr},
    {"DPresentSensor", "LabelPresentSensorD", "Present Sensor", nullptr},
    {"DCutterEquipped", "LabelCutterEquippedD", "Cutter Equipped", nullptr},
    {"DControlCodes", "LabelControlCodesD", "Control Codes", nullptr},
    {"DColumnOffset", "LabelColumnOffsetD", "Column Offset", nullptr},
    {"DRowOffset", "LabelRowOffsetD", "Row Offset", nullptr},
    {"BaudRate", "LabelBaudrate", "Baud Rate", nullptr},
    {"DataBits", "LabelDataBit", "Data Bits", nullptr},
    {"Parity", "LabelParity", "Parity", nullptr},
    {"StopBits", "LabelStopBit", "Stop Bit(s)", nullptr},
};

const Caption* CaptionOf(const PanelField& field) {
    for (const Caption& caption : kCaptions)
        if (std::strcmp(caption.name, field.name) == 0) return &caption;
    return nullptr;
}

bool IsLength(const PanelField& field) {
    return field.kind == PanelKind::FloatLength || field.kind == PanelKind::IntLength;
}

bool Present(const PrinterConfig& c, const PanelField& field) {
    return std::visit([&](auto member) { return (c.*member).present != 0; }, field.item);
}

// Values compared as numbers, and a NaN equal to the same NaN. A zero equals a negative
// zero: the panel shows both as "0", and the text form cannot tell them apart.
bool SameValue(const PrinterConfig& a, const PrinterConfig& b, const PanelField& field) {
    return std::visit(
        [&](auto member) {
            const auto va = (a.*member).value;
            const auto vb = (b.*member).value;
            return va == vb || std::memcmp(&va, &vb, sizeof va) == 0;
        },
        field.item);
}

// The stored value as a number or a character.
QString ValueText(const PrinterConfig& c, const PanelField& field) {
    if (auto member = std::get_if<IntItem PrinterConfig::*>(&field.item))
        return QString::number((c.*(*member)).value);
    if (auto member = std::get_if<FloatItem PrinterConfig::*>(&field.item))
        return GeneralFloatText(double((c.*(*member)).value));
    const ByteItem& item = c.*std::get<ByteItem PrinterConfig::*>(field.item);
    return QString(QChar(uchar(item.value)));
}

QString DotsText(const PrinterConfig& c, const PanelField& field) {
    return QStringLiteral("%1 dots").arg(ValueText(c, field));
}

}   // namespace

QString SettingCaption(const PanelField& field) {
    const Caption* caption = CaptionOf(field);
    QString text = QLatin1String(caption ? caption->caption : field.name);
    if (caption && caption->qualifier) text += QStringLiteral(" (%1)").arg(QLatin1String(caption->qualifier));
    if (field.page == kPageZ) text += QStringLiteral(" (Z)");
    if (field.page == kPageD) text += QStringLiteral(" (D)");
    return text;
}

const char* SettingLabel(const PanelField& field) {
    const Caption* caption = CaptionOf(field);
    return caption ? caption->label : nullptr;
}

std::optional<QString> SettingText(const PrinterConfig& c, const PanelField& field, LengthUnit unit) {
    if (!Present(c, field)) return std::nullopt;
    QString text = PanelShownText(c, field, unit);
    if (IsLength(field))
        return text.isEmpty() ? DotsText(c, field) : text + (unit == LengthUnit::Inch ? " in" : " mm");
    return text.isEmpty() ? ValueText(c, field) : text;
}

QList<ConfigDifference> ConfigDifferences(const PrinterConfig& a, const PrinterConfig& b, LengthUnit unit) {
    QList<ConfigDifference> differences;
    for (const PanelField& field : PanelFields()) {
        const bool inA = Present(a, field);
        const bool inB = Present(b, field);
        if (!inA && !inB) continue;
        if (inA && inB && SameValue(a, b, field)) continue;
        ConfigDifference d{QLatin1String(field.name), SettingCaption(field), SettingText(a, field, unit),
                           SettingText(b, field, unit)};
        if (d.a && d.b && *d.a == *d.b && IsLength(field)) {
            *d.a += QStringLiteral(" (%1)").arg(DotsText(a, field));
            *d.b += QStringLiteral(" (%1)").arg(DotsText(b, field));
        }
        differences.append(d);
    }
    return differences;
}

}   // namespace lb
