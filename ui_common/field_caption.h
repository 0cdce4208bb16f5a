// SPDX-License-Identifier: Apache-2.0
#pragma once
// Refusals that name the field a person typed into.

#include <QString>

class QLineEdit;

namespace lb {

// The caption a person knows an edit by: the text of the label whose buddy it is, else of the
// label called labelName, else of the label named after it ("EditSpeed" → "LabelSpeed"); without
// accelerator or trailing colon. Empty when there is none.
QString FieldCaption(const QLineEdit* edit, const QString& labelName = QString());

// "Speed: 'abc' is not a number", in the current language; the text alone when the field has
// no caption.
QString NotANumberMessage(const QLineEdit* edit, const QString& labelName = QString());

// "Gap: '-1' is out of range", alike.
QString OutOfRangeMessage(const QLineEdit* edit, const QString& labelName = QString());

}   // namespace lb
