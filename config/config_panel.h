// SPDX-License-Identifier: Apache-2.0
#pragma once
// The configuration panel without its widgets: which control shows which item of the record,
// how a value becomes the control's text or list position, and how the user's text becomes a
// value again. The window walks PanelFields() and only moves texts and positions.

#include "config/config_text.h"
#include "config/printer_config.h"

#include <QString>
#include <QStringList>
#include <span>
#include <variant>

namespace lb {

enum class PanelKind {
    Speed,         // float in the general text form; a ',' typed for the point is accepted
    FloatText,     // float in the general text form
    FloatLength,   // float dots, shown and typed in the selected unit
    IntLength,     // integer dots, shown and typed in the selected unit
    Number,        // integer
    Base,          // read-only integer, shown only when not 0; never collected
    CutterPiece,   // integer, shown only while the post-print action is "CUTTER"
    Character,     // one character
    ListPlusOne,   // list position = value + 1 (position 0 is the empty item)
    List,          // list position = value
};

using PanelItem =
    std::variant<IntItem PrinterConfig::*, FloatItem PrinterConfig::*, ByteItem PrinterConfig::*>;

struct PanelField {
    const char* control;   // the widget's object name ("EditWidth")
    const char* name;      // the record's field name ("PaperWidth")
    int32_t page;          // ConfigPage: 0 Common, 1 Z, 2 D, 3 Interface
    PanelKind kind;
    PanelItem item;
    int maxLength = 0;                         // edits: longest text the control takes, 0 for no limit
    std::span<const char* const> items = {};   // lists: the English items after the empty one
};

// Every control of the panel in the order the panel shows and collects them.
std::span<const PanelField> PanelFields();
const PanelField* FindPanelField(const char* control);

inline bool IsPanelList(const PanelField& field) {
    return field.kind == PanelKind::ListPlusOne || field.kind == PanelKind::List;
}
// A list's English item texts after the leading empty item.
QStringList PanelListItems(const PanelField& field);

// What an edit shows for the record: empty for an absent item.
QString PanelEditText(const PrinterConfig& config, const PanelField& field, LengthUnit unit);
// The position a list shows: -1 (blank) for an absent item or a value without an item.
int PanelListIndex(const PrinterConfig& config, const PanelField& field);
// Whether a base edit is shown at all (present and not 0).
bool PanelBaseVisible(const PrinterConfig& config, const PanelField& field);

// Takes an edit's text into the record: an empty text makes the item absent, anything else
// must convert. On a conversion error the record is left as it was, *error holds the
// message and the result is false. Base fields are never collected.
bool CollectPanelText(PrinterConfig& config, const PanelField& field, const QString& text, LengthUnit unit,
                      QString* error);
// Takes a list's position into the record: 0 or -1 makes the item absent.
void CollectPanelIndex(PrinterConfig& config, const PanelField& field, int index);

}   // namespace lb
