// SPDX-License-Identifier: Apache-2.0
#pragma once
// The numbers a person types into an edit, as every window reads them, and the messages for
// a text that is not one.

#include <QString>
#include <cstdint>

namespace lb {

// The conversion errors, with the user's text in place of %1.
QString NotAnIntegerMessage(const QString& text);
QString NotAFloatMessage(const QString& text);

// Decimal integers within int32, and decimal floating point numbers that are finite (no
// "inf", "nan" or hexadecimal, which a printer command cannot carry). Blanks around the
// number are allowed; value changes only when the text converts.
bool PanelTextToInt(const QString& text, int32_t& value);
bool PanelTextToDouble(const QString& text, double& value);

}   // namespace lb
