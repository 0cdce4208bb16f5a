// SPDX-License-Identifier: Apache-2.0
#pragma once

class QWidget;

namespace lb {

// Shows the current language's message of a LinkError (1..6) in a modal box with an OK
// button and returns when it is closed; for 1..3 the box also tells which link failed and
// why (LinkErrorDetail), and the status bar tells the same (TellOutcome). Any other code,
// kOperationBusy among them, shows nothing. After an operation the user cancelled there is
// no box: the status bar says "Cancelled".
void ShowLinkError(int code, QWidget* parent = nullptr);

}   // namespace lb
