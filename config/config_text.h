// SPDX-License-Identifier: Apache-2.0
#pragma once
// The configuration as the panel shows it, as plain texts: for the command line and for
// anything else that shows a record without the panel's controls.

#include "config/printer_config.h"

#include <QJsonObject>
#include <QList>
#include <QString>

namespace lb {

struct PanelField;

enum class LengthUnit { Inch, Mm };

struct ConfigTextRow {
    QString name;   // the record's field name ("PaperWidth")
    QString text;   // what the panel's control shows ("4.00")
};

// The general floating-point form: shortest text with up to 15 significant digits (3.0
// gives "3", the float nearest 2.2 gives "2.20000004768372").
QString GeneralFloatText(double value);
// A length in dots in the unit: dots ÷ Dpi (inch) or ÷ DotsPerMm (mm), two decimals.
// Empty when the factor is not a positive number.
QString LengthText(double dots, const PrinterConfig& config, LengthUnit unit);

// The "Printer Information" box: Version, Milage, ResetMilage, Checksum, SerialNumber,
// CutCounter, ResetCutCounter. Texts end at their first NUL or at their field's end.
QList<ConfigTextRow> ConfigInformationRows(const PrinterConfig& config);
// What the panel's control of the field shows: a list's item text (empty for none), an
// edit's text.
QString PanelShownText(const PrinterConfig& config, const PanelField& field, LengthUnit unit);
// Every setting whose control shows a text, in the panel's order. Absent items, list values
// without an item, base values of 0 and a cutter piece not under "CUTTER" show nothing and
// have no row.
QList<ConfigTextRow> ConfigItemRows(const PrinterConfig& config, LengthUnit unit);

// Every field by its name; a setting is its value or null when absent, a text a string, a
// prefix character a one-character string.
QJsonObject ConfigJson(const PrinterConfig& config);

}   // namespace lb
