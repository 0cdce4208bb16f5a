// SPDX-License-Identifier: Apache-2.0
#include "config/printer_status.h"

#include "link/printer_link.h"

#include <QtGlobal>

namespace lb {

PrinterStatus DecodeStatusByte(uint8_t statusByte) {
    PrinterStatus s{};
    uint8_t* flags = reinterpret_cast<uint8_t*>(&s);
    for (int bit = 0; bit < 8; ++bit)
        flags[bit] = (statusByte >> bit) & 1u;
    return s;
}

void ApplyStatusDetail(PrinterStatus& status, const uint8_t (&detail)[kStatusDetailSize]) {
    const uint8_t ribbon = detail[kStatusDetailRibbon];
    // An encoder fault hides the out-of-ribbon bit.
    status.ribbonEncoderError = (ribbon & 0x08) ? 1 : 0;
    status.outOfRibbon = (!(ribbon & 0x08) && (ribbon & 0x04)) ? 1 : 0;
}

int QueryStatus(InterfaceKind kind, PrinterStatus* status) {
    if (!status) return kUnknownError;
    static const uint8_t kStatusQuery[] = {0x1B, 0x21, 0x3F};
    static const uint8_t kDetailQuery[] = {0x1B, 0x21, 0x53, 0x0D, 0x0A};

    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    if (!WriteLink(handle, kind, kStatusQuery, sizeof kStatusQuery)) {
        CloseLink(kind, handle);
        return kDataTransmissionError;
    }
    uint8_t statusByte = 0;
    if (!ReadLinkByte(handle, kind, statusByte)) {
        CloseLink(kind, handle);
        return kDataReceivingError;
    }
    // Decoded into a local record so that a query failing half-way leaves the caller's
    // stored status (saved with the configuration) as it was.
    PrinterStatus result = DecodeStatusByte(statusByte);
    if (!WriteLink(handle, kind, kDetailQuery, sizeof kDetailQuery)) {
        CloseLink(kind, handle);
        return kDataTransmissionError;
    }
    // Older firmware does not answer ESC ! S; that is no error.
    uint8_t detail[kStatusDetailSize] = {};
    if (ReadLinkBytes(handle, kind, detail, kStatusDetailSize)) ApplyStatusDetail(result, detail);
    CloseLink(kind, handle);
    *status = result;
    return kLinkOk;
}

StatusWord StatusWordOf(const PrinterStatus& s) {
    // Highest priority first.
    if (s.headOpen) return StatusWord::HeadOpen;
    if (s.otherError) return StatusWord::OtherError;
    if (s.ribbonError && s.outOfRibbon) return StatusWord::OutOfRibbon;
    if (s.ribbonError && s.ribbonEncoderError) return StatusWord::RibbonEncoderError;
    if (s.outOfPaper) return StatusWord::OutOfPaper;
    if (s.paperJam) return StatusWord::PaperJam;
    if (s.pause) return StatusWord::Pause;
    if (s.printing) return StatusWord::Printing;
    return StatusWord::Ready;
}

const char* StatusWordSource(StatusWord word) {
    switch (word) {
    case StatusWord::Printing:
        return QT_TRANSLATE_NOOP("lb::PrinterStatus", "Printing");
    case StatusWord::Pause:
        return QT_TRANSLATE_NOOP("lb::PrinterStatus", "Pause");
    case StatusWord::PaperJam:
        return QT_TRANSLATE_NOOP("lb::PrinterStatus", "Paper Jam");
    case StatusWord::OutOfPaper:
        return QT_TRANSLATE_NOOP("lb::PrinterStatus", "Out of Paper");
    case StatusWord::RibbonEncoderError:
        return QT_TRANSLATE_NOOP("lb::PrinterStatus", "Ribbon Encoder Err.");
    case StatusWord::OutOfRibbon:
        return QT_TRANSLATE_NOOP("lb::PrinterStatus", "Out of Ribbon");
    case StatusWord::OtherError:
        return QT_TRANSLATE_NOOP("lb::PrinterStatus", "Other Error");
    case StatusWord::HeadOpen:
        return QT_TRANSLATE_NOOP("lb::PrinterStatus", "Head Open");
    case StatusWord::Ready:
        break;
    }
    return QT_TRANSLATE_NOOP("lb::PrinterStatus", "Ready");
}

QString StatusText(const PrinterStatus& status) {
    return QString::fromLatin1(StatusWordSource(StatusWordOf(status)));
}

}   // namespace lb
