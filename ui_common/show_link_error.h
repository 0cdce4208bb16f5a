#pragma once

class QWidget;

namespace lb {

// Shows the current language's message of a LinkError (1..6) in a modal box with an OK
// button and returns when it is closed; for 1..3 the box also tells which link failed and
// why (LinkErrorDetail). Any other code, kOperationBusy among them, shows nothing.
void ShowLinkError(int code, QWidget* parent = nullptr);

}   // namespace lb
