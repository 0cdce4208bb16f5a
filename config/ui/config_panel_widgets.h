// SPDX-License-Identifier: Apache-2.0
#pragma once
// The configuration panel's controls: filling them from a record and reading them back.
// The controls are found by their object names below root.

#include "config/config_text.h"

#include <QString>

class QWidget;

namespace lb {

struct PrinterConfig;

// Gives every list its empty first item and its items, every edit its length limit, and
// makes the base fields read-only.
void SetUpConfigPanel(QWidget* root);

// Shows the record's items in the controls (absent items blank; base fields visible only
// when not 0; lengths in unit).
void ShowConfigInPanel(QWidget* root, const PrinterConfig& config, LengthUnit unit);

// Collects the controls into config in the panel's order. On a text that is not a number
// it stops there (the items before it are already updated), puts the message into *error
// and returns false.
bool CollectConfigFromPanel(QWidget* root, PrinterConfig& config, LengthUnit unit, QString* error);

}   // namespace lb
