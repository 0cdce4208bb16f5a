// SPDX-License-Identifier: Apache-2.0
#pragma once
// Two configurations compared setting by setting, in the words of the configuration page:
// each setting's caption and the texts its control shows.

#include "config/config_panel.h"
#include "config/config_text.h"
#include "config/printer_config.h"

#include <QList>
#include <QString>
#include <optional>

namespace lb {

struct ConfigDifference {
    QString key;                // the record's field name ("GapSize")
    QString caption;            // SettingCaption ("Gap")
    std::optional<QString> a;   // SettingText of the first configuration; nothing when absent
    std::optional<QString> b;
};

// The English caption of the label in front of the setting's control on the configuration
// page ("Paper Width"). Where a label stands before several controls the caption says which
// ("Reference (Y)", "Direction (mirror)", "Density (base)"), and the Z and D pages' settings
// say their page ("Print Speed (Z)"), so that every setting has a caption of its own. The
// command line stays English, so these are not translated.
QString SettingCaption(const PanelField& field);
// The object name of that label ("LabelVerticalGap" for the gap size).
const char* SettingLabel(const PanelField& field);

// What the setting's control shows for it: an edit's text or a list's item, a length with
// its unit ("0.12 in", "3.05 mm"). Where the control shows nothing for a present value (a
// base of 0, a list value without an item, a cut piece while the action is not "CUTTER"), the
// value itself: "0", "36", and lengths in dots ("812 dots") when the resolution is not
// usable. Nothing when the setting is absent.
std::optional<QString> SettingText(const PrinterConfig& config, const PanelField& field, LengthUnit unit);

// The settings (every control of the panel, in its order) whose values differ, with the texts
// of SettingText: present on one side only, or present on both with other values (a NaN
// equals the same NaN, 0 equals -0). Two absent settings are equal. Lengths whose texts come
// out equal although their values differ (below the texts' hundredths) show their dots too:
// "4.00 in (812 dots)" against "4.00 in (812.5 dots)".
QList<ConfigDifference> ConfigDifferences(const PrinterConfig& a, const PrinterConfig& b, LengthUnit unit);

}   // namespace lb
