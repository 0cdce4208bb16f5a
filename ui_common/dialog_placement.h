// SPDX-License-Identifier: Apache-2.0
#pragma once
// Where a dialog opened from the main window goes: at the point its caller names, but kept
// on the screen (on a small screen a third of the main window's width leaves too little
// room on its right).

class QWidget;

namespace lb {

// Sizes the dialog to its contents and moves it to (left, top), or as near as fits.
void PlaceDialogOnScreen(QWidget* dialog, int left, int top);

}   // namespace lb
