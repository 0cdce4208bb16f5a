// SPDX-License-Identifier: Apache-2.0
#include "config/config_panel.h"

#include "config/write_configuration.h"
#include "link/number_text.h"

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

namespace lb {
namespace {

using K = PanelKind;
using C = PrinterConfig;

constexpr std::array<const char*, 16> kDensity{"0", "1", "2",  "3",  "4",  "5",  "6",  "7",
                                               "8", "9", "10", "11", "12", "13", "14", "15"};
constexpr std::array<const char*, 3> kSensor{"GAP", "Black Mark", "Continuous"};
constexpr std::array<const char*, 4> kPrintOut{"OFF", "TEAR", "PEEL", "CUTTER"};
constexpr std::array<const char*, 2> kZeroOne{"0", "1"};
constexpr std::array<const char*, 2> kOffOn{"OFF", "ON"};
constexpr std::array<const char*, 2> kThreshold{"FIXED", "AUTO"};
constexpr std::array<const char*, 3> kZPrintMode{"Tear Off", "Peel Off", "Cutter"};
constexpr std::array<const char*, 4> kZMedia{"Feed", "Calibration", "Length", "No Motion"};
constexpr std::array<const char*, 3> kDControl{"Standard", "Alternate", "Alternate-2"};
constexpr std::array<const char*, 8> kBaud{"1200",  "2400",  "4800",  "9600",
                                           "19200", "38400", "57600", "115200"};
constexpr std::array<const char*, 3> kParityItems{"None", "Odd", "Even"};

// The post-print action value whose item is "CUTTER".
constexpr int32_t kPrintOutCutter = 3;

const PanelField kFields[] = {
    // Common
    {"EditSpeed", "Speed", kPageCommon, K::Speed, &C::Speed, 4},
    {"ComboBoxDensity", "Density", kPageCommon, K::ListPlusOne, &C::Density, 0, kDensity},
    {"EditDensityBase", "DensityBase", kPageCommon, K::Base, &C::DensityBase},
    {"EditWidth", "PaperWidth", kPageCommon, K::FloatLength, &C::PaperWidth},
    {"EditHeight", "PaperHeight", kPageCommon, K::FloatLength, &C::PaperHeight},
    {"ComboBoxMediaSensor", "SensorMode", kPageCommon, K::ListPlusOne, &C::SensorMode, 0, kSensor},
    {"EditGapSize", "GapSize", kPageCommon, K::FloatLength, &C::GapSize},
    {"EditGapOffset", "GapOffset", kPageCommon, K::FloatLength, &C::GapOffset},
    {"ComboBoxPrintOut", "PrintOut", kPageCommon, K::ListPlusOne, &C::PrintOut, 0, kPrintOut},
    {"EditCutterPiece", "CutterPiece", kPageCommon, K::CutterPiece, &C::CutterPiece},
    {"EditReferenceX", "ReferenceX", kPageCommon, K::Number, &C::ReferenceX},
    {"EditReferenceY", "ReferenceY", kPageCommon, K::Number, &C::ReferenceY},
    {"ComboBoxDirection", "Direction", kPageCommon, K::ListPlusOne, &C::Direction, 0, kZeroOne},
    {"ComboBoxMirror", "Mirror", kPageCommon, K::ListPlusOne, &C::Mirror, 0, kZeroOne},
    {"EditOffset", "Offset", kPageCommon, K::Number, &C::Offset},
    {"EditOffsetBase", "OffsetBase", kPageCommon, K::Base, &C::OffsetBase},
    {"EditShiftX", "ShiftX", kPageCommon, K::Number, &C::ShiftX},
    {"EditShiftXBase", "ShiftXBase", kPageCommon, K::Base, &C::ShiftXBase},
    {"EditShiftY", "ShiftY", kPageCommon, K::Number, &C::ShiftY},
    {"EditShiftYBase", "ShiftYBase", kPageCommon, K::Base, &C::ShiftYBase},
    {"ComboBoxRibbon", "Ribbon", kPageCommon, K::ListPlusOne, &C::Ribbon, 0, kOffOn},
    {"ComboBoxRibbonSensor", "RibbonSensor", kPageCommon, K::ListPlusOne, &C::RibbonSensor, 0, kOffOn},
    {"ComboBoxRibbonEncoder", "RibbonEncoder", kPageCommon, K::ListPlusOne, &C::RibbonEncoder, 0, kOffOn},
    {"ComboBoxCodePage", "CodePage", kPageCommon, K::ListPlusOne, &C::CodePage, 0, CodePageNames},
    {"ComboBoxCountryCode", "Country", kPageCommon, K::ListPlusOne, &C::Country, 0, CountryCodes},
    {"ComboBoxHead", "HeadSensor", kPageCommon, K::ListPlusOne, &C::HeadSensor, 0, kOffOn},
    {"ComboBoxReprint", "Reprint", kPageCommon, K::ListPlusOne, &C::Reprint, 0, kOffOn},
    {"EditMaximumLength", "MaxLength", kPageCommon, K::FloatLength, &C::MaxLength},
    {"EditGapInten", "GapInten", kPageCommon, K::Number, &C::GapInten},
    {"EditBlineInten", "BlineInten", kPageCommon, K::Number, &C::BlineInten},
    {"EditContinuousInten", "ContinuousInten", kPageCommon, K::Number, &C::ContinuousInten},
    {"ComboBoxThreshold", "AutoThreshold", kPageCommon, K::ListPlusOne, &C::AutoThreshold, 0, kThreshold},
    // Z
    {"EditDarknessZ", "ZDarkness", kPageZ, K::Number, &C::ZDarkness, 2},
    {"EditPrintSpeedZ", "ZSpeed", kPageZ, K::Number, &C::ZSpeed},
    {"EditTearOffZ", "ZTearOff", kPageZ, K::Number, &C::ZTearOff, 4},
    {"ComboBoxPrintModeZ", "ZPrintMode", kPageZ, K::List, &C::ZPrintMode, 0, kZPrintMode},
    {"EditPrintWidthZ", "ZPrintWidth", kPageZ, K::IntLength, &C::ZPrintWidth},
    {"EditControlPrefixZ", "ZControlPrefix", kPageZ, K::Character, &C::ZControlPrefix, 1},
    {"EditFormatPrefixZ", "ZFormatPrefix", kPageZ, K::Character, &C::ZFormatPrefix, 1},
    {"EditDelimiterCharZ", "ZDelimiter", kPageZ, K::Character, &C::ZDelimiter, 1},
    {"ComboBoxMediaPowerUpZ", "ZMediaPowerUp", kPageZ, K::List, &C::ZMediaPowerUp, 0, kZMedia},
    {"ComboBoxHeadCloseZ", "ZHeadClose", kPageZ, K::List, &C::ZHeadClose, 0, kZMedia},
    {"EditLabelTopZ", "ZLabelTop", kPageZ, K::Number, &C::ZLabelTop, 4},
    {"EditLeftPositionZ", "ZLeftPosition", kPageZ, K::Number, &C::ZLeftPosition, 5},
    // D
    {"EditHeatD", "DHeat", kPageD, K::Number, &C::DHeat, 2},
    {"EditPrintSpeedD", "DPrintSpeed", kPageD, K::FloatText, &C::DPrintSpeed},
    {"EditLabelWidthD", "DLabelWidth", kPageD, K::IntLength, &C::DLabelWidth},
    {"ComboBoxPresentSensorD", "DPresentSensor", kPageD, K::List, &C::DPresentSensor, 0, kOffOn},
    {"ComboBoxCutterEquippedD", "DCutterEquipped", kPageD, K::List, &C::DCutterEquipped, 0, kOffOn},
    {"ComboBoxControlCodesD", "DControlCodes", kPageD, K::List, &C::DControlCodes, 0, kDControl},
    {"EditColumnOffsetD", "DColumnOffset", kPageD, K::IntLength, &C::DColumnOffset},
    {"EditRowOffsetD", "DRowOffset", kPageD, K::IntLength, &C::DRowOffset},
    // Interface
    {"ComboBoxBaudrate", "BaudRate", kPageInterface, K::List, &C::BaudRate, 0, kBaud},
    {"ComboBoxDatabit", "DataBits", kPageInterface, K::ListPlusOne, &C::DataBits, 0, DataBitsNames},
    {"ComboBoxParity", "Parity", kPageInterface, K::ListPlusOne, &C::Parity, 0, kParityItems},
    {"ComboBoxStopBit", "StopBits", kPageInterface, K::ListPlusOne, &C::StopBits, 0, StopBitsNames},
};

double Factor(const PrinterConfig& config, LengthUnit unit) {
    return unit == LengthUnit::Inch ? double(config.Dpi) : double(config.DotsPerMm);
}

IntItem& IntOf(PrinterConfig& config, const PanelField& field) {
    return config.*std::get<IntItem PrinterConfig::*>(field.item);
}
const IntItem& IntOf(const PrinterConfig& config, const PanelField& field) {
    return config.*std::get<IntItem PrinterConfig::*>(field.item);
}
FloatItem& FloatOf(PrinterConfig& config, const PanelField& field) {
    return config.*std::get<FloatItem PrinterConfig::*>(field.item);
}
const FloatItem& FloatOf(const PrinterConfig& config, const PanelField& field) {
    return config.*std::get<FloatItem PrinterConfig::*>(field.item);
}
ByteItem& ByteOf(PrinterConfig& config, const PanelField& field) {
    return config.*std::get<ByteItem PrinterConfig::*>(field.item);
}
const ByteItem& ByteOf(const PrinterConfig& config, const PanelField& field) {
    return config.*std::get<ByteItem PrinterConfig::*>(field.item);
}

// The float kinds hold FloatItems except the integer lengths.
bool HoldsFloat(const PanelField& field) {
    return std::holds_alternative<FloatItem PrinterConfig::*>(field.item);
}

// A value that does not fit float32 would become infinity and go out as such.
bool NarrowToFloat(double value, float& out) {
    if (std::fabs(value) > double(std::numeric_limits<float>::max())) return false;
    out = float(value);
    return true;
}

}   // namespace

std::span<const PanelField> PanelFields() {
    return kFields;
}

const PanelField* FindPanelField(const char* control) {
    for (const PanelField& field : kFields)
        if (std::strcmp(field.control, control) == 0) return &field;
    return nullptr;
}

QStringList PanelListItems(const PanelField& field) {
    QStringList items;
    for (const char* item : field.items)
        items.append(QString::fromLatin1(item));
    return items;
}

QString PanelEditText(const PrinterConfig& config, const PanelField& field, LengthUnit unit) {
    switch (field.kind) {
    case K::Speed:
    case K::FloatText: {
        const FloatItem& item = FloatOf(config, field);
        return item.present ? GeneralFloatText(double(item.value)) : QString();
    }
    case K::FloatLength:
    case K::IntLength: {
        if (HoldsFloat(field)) {
            const FloatItem& item = FloatOf(config, field);
            return item.present ? LengthText(double(item.value), config, unit) : QString();
        }
        const IntItem& item = IntOf(config, field);
        return item.present ? LengthText(double(item.value), config, unit) : QString();
    }
    case K::Number: {
        const IntItem& item = IntOf(config, field);
        return item.present ? QString::number(item.value) : QString();
    }
    case K::Base:
        return PanelBaseVisible(config, field) ? QString::number(IntOf(config, field).value) : QString();
    case K::CutterPiece: {
        const IntItem& item = IntOf(config, field);
        const bool cutter = config.PrintOut.present && config.PrintOut.value == kPrintOutCutter;
        return item.present && cutter ? QString::number(item.value) : QString();
    }
    case K::Character: {
        const ByteItem& item = ByteOf(config, field);
        // A NUL would make an edit that looks empty but is not; show it as empty.
        return item.present && item.value != '\0' ? QString(QChar(uchar(item.value))) : QString();
    }
    case K::ListPlusOne:
    case K::List:
        break;
    }
    return {};
}

int PanelListIndex(const PrinterConfig& config, const PanelField& field) {
    const IntItem& item = IntOf(config, field);
    if (!item.present) return -1;
    const int64_t index = field.kind == K::ListPlusOne ? int64_t(item.value) + 1 : int64_t(item.value);
    // Position 0 is the empty item: a value that maps there has no item of its own either.
    if (index < 1 || index > int64_t(field.items.size())) return -1;
    return int(index);
}

bool PanelBaseVisible(const PrinterConfig& config, const PanelField& field) {
    const IntItem& item = IntOf(config, field);
    return item.present && item.value != 0;
}

bool CollectPanelText(PrinterConfig& config, const PanelField& field, const QString& text, LengthUnit unit,
                      QString* error) {
    auto fail = [&](const QString& message) {
        if (error) *error = message;
        return false;
    };
    if (field.kind == K::Base || IsPanelList(field)) return true;

    if (text.isEmpty()) {
        std::visit([&](auto member) { (config.*member).present = 0; }, field.item);
        return true;
    }

    switch (field.kind) {
    case K::Speed:
    case K::FloatText:
    case K::FloatLength: {
        QString number = text;
        if (field.kind == K::Speed) {
            const qsizetype comma = number.indexOf(u',');
            if (comma >= 0) number[comma] = u'.';
        }
        double typed = 0;
        float narrowed = 0;
        if (!PanelTextToDouble(number, typed) || !NarrowToFloat(typed, narrowed))
            return fail(NotAFloatMessage(text));
        float stored = narrowed;
        if (field.kind == K::FloatLength) {
            const double dots = double(narrowed) * Factor(config, unit);
            if (!NarrowToFloat(dots, stored)) return fail(NotAFloatMessage(text));
        }
        FloatOf(config, field) = {1, stored};
        return true;
    }
    case K::IntLength: {
        double typed = 0;
        if (!PanelTextToDouble(text, typed)) return fail(NotAFloatMessage(text));
        const double dots = std::trunc(typed * Factor(config, unit));
        if (!(dots >= std::numeric_limits<int32_t>::min() && dots <= std::numeric_limits<int32_t>::max()))
            return fail(NotAFloatMessage(text));
        IntOf(config, field) = {1, int32_t(dots)};
        return true;
    }
    case K::Number:
    case K::CutterPiece: {
        int32_t value = 0;
        if (!PanelTextToInt(text, value)) return fail(NotAnIntegerMessage(text));
        IntOf(config, field) = {1, value};
        return true;
    }
    case K::Character: {
        const QChar first = text.at(0);
        // The record holds one 8-bit character; anything beyond Latin-1 cannot be sent as typed.
        const char byte = first.unicode() <= 0xFF ? char(first.unicode()) : '?';
        ByteOf(config, field) = {1, byte};
        return true;
    }
    case K::Base:
    case K::ListPlusOne:
    case K::List:
        break;
    }
    return true;
}

void CollectPanelIndex(PrinterConfig& config, const PanelField& field, int index) {
    if (!IsPanelList(field)) return;
    IntItem& item = IntOf(config, field);
    if (index <= 0) {
        item.present = 0;
        return;
    }
    item = {1, field.kind == K::ListPlusOne ? index - 1 : index};
}

}   // namespace lb
