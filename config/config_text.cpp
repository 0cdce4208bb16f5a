// SPDX-License-Identifier: Apache-2.0
#include "config/config_text.h"

#include "config/config_panel.h"
#include "link/interface_status.h"

#include <QJsonValue>
#include <QStringList>
#include <cmath>
#include <cstring>

namespace lb {
namespace {

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

QString PanelShownText(const PrinterConfig& c, const PanelField& field, LengthUnit unit) {
    if (!IsPanelList(field)) return PanelEditText(c, field, unit);
    const int index = PanelListIndex(c, field);
    return index > 0 ? QString::fromLatin1(field.items[std::size_t(index - 1)]) : QString();
}

QList<ConfigTextRow> ConfigItemRows(const PrinterConfig& c, LengthUnit unit) {
    QList<ConfigTextRow> rows;
    for (const PanelField& field : PanelFields()) {
        const QString text = PanelShownText(c, field, unit);
        if (!text.isEmpty()) rows.append({QString::fromLatin1(field.name), text});
    }
    return rows;
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
