#include "link/link_error.h"

#include "link/link_types.h"
#include "link/printer_link.h"

#include <QCoreApplication>

namespace lb {
namespace {

// The messages of LinkError 1..6. "Data Transmission Error", "File Open Error" and "Unknown
// Error" stay English in every language, so they are not offered for translation.
struct ErrorText {
    const char* text;
    bool translated;
};
constexpr ErrorText kErrorTexts[] = {
    {QT_TRANSLATE_NOOP("LinkError", "Port Open Error"), true},
    {"Data Transmission Error", false},
    {QT_TRANSLATE_NOOP("LinkError", "Data Receiving Error"), true},
    {"File Open Error", false},
    {"Unknown Error", false},
    {QT_TRANSLATE_NOOP("LinkError", "Please Read Printer Config First"), true},
};

const ErrorText* Entry(int code) {
    return code >= 1 && code <= 6 ? &kErrorTexts[code - 1] : nullptr;
}

}   // namespace

QString LinkErrorText(int code) {
    const ErrorText* e = Entry(code);
    if (!e) return {};
    return e->translated ? QCoreApplication::translate("LinkError", e->text) : QString::fromLatin1(e->text);
}

QString LinkErrorTextEnglish(int code) {
    const ErrorText* e = Entry(code);
    return e ? QString::fromLatin1(e->text) : QString();
}

QString LinkErrorDetail(int code) {
    const bool fromTheLink =
        code == kPortOpenError || code == kDataTransmissionError || code == kDataReceivingError;
    return fromTheLink ? LastLinkErrorDetail() : QString();
}

QString CommunicatingCaption() {
    return QCoreApplication::translate("TFormProcess", "Communicating...");
}

}   // namespace lb
