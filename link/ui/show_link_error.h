#pragma once

class QWidget;

namespace lb {

// Shows the current language's message of a LinkError (1..6) in a modal box with an OK
// button and returns when it is closed. Any other code, kOperationBusy among them, shows
// nothing.
void ShowLinkError(int code, QWidget* parent = nullptr);

}   // namespace lb
