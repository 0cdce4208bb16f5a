// SPDX-License-Identifier: Apache-2.0
#pragma once
// Lists and number fields that take the mouse wheel only while they have the keyboard focus,
// so that turning the wheel over a panel scrolls it instead of changing the value under the
// pointer.

class QWidget;

namespace lb {

// Applies to every QComboBox and QAbstractSpinBox below root (root included): focus by tab
// or click only, and a wheel event without focus is passed on to the parent.
void TakeWheelOnlyWithFocus(QWidget* root);

}   // namespace lb
