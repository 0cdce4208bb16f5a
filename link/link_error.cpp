// SPDX-License-Identifier: Apache-2.0
#include "link/link_error.h"

#include "link/link_types.h"
#include "link/printer_link.h"

#include <QCoreApplication>

namespace lb {
namespace {

// The messages of LinkError 1..6: English in every language but Portuguese, which has its own
// set (the translation files hold the English text as the other languages' translation).
constexpr const char* kErrorTexts[] = {
    QT_TRANSLATE_NOOP("LinkError", "Port Open Error"),
    QT_TRANSLATE_NOOP("LinkError", "Data Transmission Error"),
    QT_TRANSLATE_NOOP("LinkError", "Data Receiving Error"),
    QT_TRANSLATE_NOOP("LinkError", "File Open Error"),
    QT_TRANSLATE_NOOP("LinkError", "Unknown Error"),
    QT_TRANSLATE_NOOP("LinkError", "Please Read Printer Config First"),
};

const char* Entry(int code) {
    return code >= 1 && code <= 6 ? kErrorTexts[code - 1] : nullptr;
}

}   // namespace

QString LinkErrorText(int code) {
    const char* e = Entry(code);
    return e ? QCoreApplication::translate("LinkError", e) : QString();
}

QString LinkErrorTextEnglish(int code) {
    const char* e = Entry(code);
    return e ? QString::fromLatin1(e) : QString();
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
