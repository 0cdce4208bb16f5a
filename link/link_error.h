#pragma once

#include <QString>

namespace lb {

// The message of a LinkError (1..6) in a language; empty for any other code.
QString LinkErrorText(int code, int languageIndex);
// The same in English, for the command line.
QString LinkErrorTextEnglish(int code);

// The progress window's caption.
QString CommunicatingCaption(int languageIndex);

}   // namespace lb
