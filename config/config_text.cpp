#include "config/config_text.h"

#include <QJsonValue>
#include <QStringList>
#include <cmath>
#include <cstring>
#include <initializer_list>

namespace lb {
namespace {

template <std::size_t N> QString FieldText(const char (&field)[N]) {
    // A loaded file may hold a text without its NUL: never read past the field.
    const void* end = std::memchr(field, 0, N);
    const std::size_t length = end ? std::size_t(static_cast<const char*>(end) - field) : N;
    return QString::fromLatin1(field, qsizetype(length));
}

QStringList Names(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* n : names)
        list.append(QString::fromLatin1(n));
    return list;
}
template <std::size_t N> QStringList Names(const std::array<const char*, N>& names) {
    QStringList list;
    for (const char* n : names)
        list.append(QString::fromLatin1(n));
    return list;
}

QStringList NumberNames(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i)
        list.append(QString::number(i));
    return list;
}

// The lists' texts without their leading empty item.
const QStringList kOffOn = Names({"OFF", "ON"});
const QStringList kZeroOne = Names({"0", "1"});

class RowBuilder {
public:
    RowBuilder(const PrinterConfig& config, LengthUnit unit) : m_config(config), m_unit(unit) {}
    QList<ConfigTextRow> rows;

    void add(const char* name, const QString& text) {
        if (!text.isEmpty()) rows.append({QString::fromLatin1(name), text});
    }
    void number(const char* name, const IntItem& item) {
        if (item.present) add(name, QString::number(item.value));
    }
    void floatText(const char* name, const FloatItem& item) {
        if (item.present) add(name, GeneralFloatText(double(item.value)));
    }
    template <typename T> void length(const char* name, const ConfigItem<T>& item) {
        if (item.present) add(name, LengthText(double(item.value), m_config, m_unit));
    }
    // Item 0 of every list is empty: list+1 shows value v as item v + 1, list as item v.
    void listPlusOne(const char* name, const IntItem& item, const QStringList& texts) {
        if (item.present && item.value >= 0 && item.value < texts.size()) add(name, texts[item.value]);
    }
    void list(const char* name, const IntItem& item, const QStringList& texts) {
        if (item.present && item.value >= 1 && item.value <= texts.size()) add(name, texts[item.value - 1]);
    }
    void base(const char* name, const IntItem& item) {
        if (item.present && item.value != 0) add(name, QString::number(item.value));
    }
    void character(const char* name, const ByteItem& item) {
        if (item.present && item.value != '\0') add(name, QString(QChar(uchar(item.value))));
    }

private:
    const PrinterConfig& m_config;
    LengthUnit m_unit;
};

QJsonValue Item(const IntItem& item) {
    return item.present ? QJsonValue(item.value) : QJsonValue();
}
QJsonValue Item(const FloatItem& item) {
    return item.present ? QJsonValue(double(item.value)) : QJsonValue();
}
QJsonValue Item(const ByteItem& item) {
    return item.present ? QJsonValue(QString(QChar(uchar(item.value)))) : QJsonValue();
}

}   // namespace

QString GeneralFloatText(double value) {
    return QString::number(value, 'g', 15);
}

QString LengthText(double dots, const PrinterConfig& config, LengthUnit unit) {
    const double factor = unit == LengthUnit::Inch ? double(config.Dpi) : double(config.DotsPerMm);
    if (!(factor > 0.0) || !std::isfinite(factor)) return {};
    // Halves round away from zero; + 0.0 turns a negative zero into "0.00".
    const double hundredths = std::round(dots / factor * 100.0);
    return QString::number(hundredths / 100.0 + 0.0, 'f', 2);
}

QList<ConfigTextRow> ConfigInformationRows(const PrinterConfig& c) {
    return {{"Version", FieldText(c.Version)},
            {"Milage", FieldText(c.Milage)},
            {"ResetMilage", FieldText(c.ResetMilage)},
            {"Checksum", FieldText(c.Checksum)},
            {"SerialNumber", FieldText(c.SerialNumber)},
            {"CutCounter", QString::number(c.CutCounter)},
            {"ResetCutCounter", QString::number(c.ResetCutCounter)}};
}

QList<ConfigTextRow> ConfigItemRows(const PrinterConfig& c, LengthUnit unit) {
    static const QStringList density = NumberNames(16);
    static const QStringList sensor = Names({"GAP", "Black Mark", "Continuous"});
    static const QStringList printOut = Names({"OFF", "TEAR", "PEEL", "CUTTER"});
    static const QStringList threshold = Names({"FIXED", "AUTO"});
    static const QStringList zPrintMode = Names({"Tear Off", "Peel Off", "Cutter"});
    static const QStringList zMedia = Names({"Feed", "Calibration", "Length", "No Motion"});
    static const QStringList dControl = Names({"Standard", "Alternate", "Alternate-2"});
    static const QStringList baud =
        Names({"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"});
    constexpr int32_t kPrintOutCutter = 3;

    RowBuilder r(c, unit);
    // Common
    r.floatText("Speed", c.Speed);
    r.listPlusOne("Density", c.Density, density);
    r.base("DensityBase", c.DensityBase);
    r.length("PaperWidth", c.PaperWidth);
    r.length("PaperHeight", c.PaperHeight);
    r.listPlusOne("SensorMode", c.SensorMode, sensor);
    r.length("GapSize", c.GapSize);
    r.length("GapOffset", c.GapOffset);
    r.listPlusOne("PrintOut", c.PrintOut, printOut);
    // The cutter piece edit only shows under "CUTTER".
    if (c.PrintOut.present && c.PrintOut.value == kPrintOutCutter) r.number("CutterPiece", c.CutterPiece);
    r.number("ReferenceX", c.ReferenceX);
    r.number("ReferenceY", c.ReferenceY);
    r.listPlusOne("Direction", c.Direction, kZeroOne);
    r.listPlusOne("Mirror", c.Mirror, kZeroOne);
    r.number("Offset", c.Offset);
    r.base("OffsetBase", c.OffsetBase);
    r.number("ShiftX", c.ShiftX);
    r.base("ShiftXBase", c.ShiftXBase);
    r.number("ShiftY", c.ShiftY);
    r.base("ShiftYBase", c.ShiftYBase);
    r.listPlusOne("Ribbon", c.Ribbon, kOffOn);
    r.listPlusOne("RibbonSensor", c.RibbonSensor, kOffOn);
    r.listPlusOne("RibbonEncoder", c.RibbonEncoder, kOffOn);
    r.listPlusOne("CodePage", c.CodePage, Names(CodePageNames));
    r.listPlusOne("Country", c.Country, Names(CountryCodes));
    r.listPlusOne("HeadSensor", c.HeadSensor, kOffOn);
    r.listPlusOne("Reprint", c.Reprint, kOffOn);
    r.length("MaxLength", c.MaxLength);
    r.number("GapInten", c.GapInten);
    r.number("BlineInten", c.BlineInten);
    r.number("ContinuousInten", c.ContinuousInten);
    r.listPlusOne("AutoThreshold", c.AutoThreshold, threshold);
    // Z
    r.number("ZDarkness", c.ZDarkness);
    r.number("ZSpeed", c.ZSpeed);
    r.number("ZTearOff", c.ZTearOff);
    r.list("ZPrintMode", c.ZPrintMode, zPrintMode);
    r.length("ZPrintWidth", c.ZPrintWidth);
    r.character("ZControlPrefix", c.ZControlPrefix);
    r.character("ZFormatPrefix", c.ZFormatPrefix);
    r.character("ZDelimiter", c.ZDelimiter);
    r.list("ZMediaPowerUp", c.ZMediaPowerUp, zMedia);
    r.list("ZHeadClose", c.ZHeadClose, zMedia);
    r.number("ZLabelTop", c.ZLabelTop);
    r.number("ZLeftPosition", c.ZLeftPosition);
    // D
    r.number("DHeat", c.DHeat);
    r.floatText("DPrintSpeed", c.DPrintSpeed);
    r.length("DLabelWidth", c.DLabelWidth);
    r.list("DPresentSensor", c.DPresentSensor, kOffOn);
    r.list("DCutterEquipped", c.DCutterEquipped, kOffOn);
    r.list("DControlCodes", c.DControlCodes, dControl);
    r.length("DColumnOffset", c.DColumnOffset);
    r.length("DRowOffset", c.DRowOffset);
    // Interface
    r.list("BaudRate", c.BaudRate, baud);
    r.listPlusOne("DataBits", c.DataBits, Names(DataBitsNames));
    r.listPlusOne("Parity", c.Parity, Names(ParityNames));
    r.listPlusOne("StopBits", c.StopBits, Names(StopBitsNames));
    return r.rows;
}

QJsonObject ConfigJson(const PrinterConfig& c) {
    QJsonObject o;
    o["Edition"] = c.Edition;
    o["ConfigRead"] = int(c.ConfigRead);
    o["Dpi"] = double(c.Dpi);
    o["DotsPerMm"] = double(c.DotsPerMm);
    o["CutCounter"] = c.CutCounter;
    o["ResetCutCounter"] = c.ResetCutCounter;
    o["Version"] = FieldText(c.Version);
    o["Milage"] = FieldText(c.Milage);
    o["ResetMilage"] = FieldText(c.ResetMilage);
    o["Checksum"] = FieldText(c.Checksum);
    o["SerialNumber"] = FieldText(c.SerialNumber);
#define LB_ITEM(field) o[QStringLiteral(#field)] = Item(c.field)
    LB_ITEM(Speed);
    LB_ITEM(Density);
    LB_ITEM(DensityBase);
    LB_ITEM(PaperWidth);
    LB_ITEM(PaperHeight);
    LB_ITEM(SensorMode);
    LB_ITEM(GapSize);
    LB_ITEM(GapOffset);
    LB_ITEM(PrintOut);
    LB_ITEM(CutterPiece);
    LB_ITEM(ReferenceX);
    LB_ITEM(ReferenceY);
    LB_ITEM(Direction);
    LB_ITEM(Mirror);
    LB_ITEM(Offset);
    LB_ITEM(OffsetBase);
    LB_ITEM(ShiftY);
    LB_ITEM(ShiftYBase);
    LB_ITEM(ShiftX);
    LB_ITEM(ShiftXBase);
    LB_ITEM(Ribbon);
    LB_ITEM(RibbonSensor);
    LB_ITEM(RibbonEncoder);
    LB_ITEM(CodePage);
    LB_ITEM(Country);
    LB_ITEM(HeadSensor);
    LB_ITEM(Reprint);
    LB_ITEM(MaxLength);
    LB_ITEM(GapInten);
    LB_ITEM(BlineInten);
    LB_ITEM(ContinuousInten);
    LB_ITEM(AutoThreshold);
    o["UnitIsInch"] = int(c.UnitIsInch);
    LB_ITEM(ZDarkness);
    LB_ITEM(ZSpeed);
    LB_ITEM(ZTearOff);
    LB_ITEM(ZPrintMode);
    LB_ITEM(ZPrintWidth);
    LB_ITEM(ZControlPrefix);
    LB_ITEM(ZFormatPrefix);
    LB_ITEM(ZDelimiter);
    LB_ITEM(ZMediaPowerUp);
    LB_ITEM(ZHeadClose);
    LB_ITEM(ZLabelTop);
    LB_ITEM(ZLeftPosition);
    LB_ITEM(DHeat);
    LB_ITEM(DPrintSpeed);
    LB_ITEM(DLabelWidth);
    LB_ITEM(DPresentSensor);
    LB_ITEM(DCutterEquipped);
    LB_ITEM(DControlCodes);
    LB_ITEM(DColumnOffset);
    LB_ITEM(DRowOffset);
    LB_ITEM(BaudRate);
    LB_ITEM(DataBits);
    LB_ITEM(Parity);
    LB_ITEM(StopBits);
#undef LB_ITEM
    return o;
}

}   // namespace lb
