// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

namespace lb {

// The message of a LinkError (1..6) in the current language; empty for any other code.
QString LinkErrorText(int code);
// The same in English, for the command line.
QString LinkErrorTextEnglish(int code);
// What to show beside the message of code: which link failed and why (LastLinkErrorDetail)
// for the link's own errors 1..3, nothing for any other code.
QString LinkErrorDetail(int code);

// The progress window's caption.
QString CommunicatingCaption();

}   // namespace lb
