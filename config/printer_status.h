// SPDX-License-Identifier: Apache-2.0
#pragma once
// The printer's status flags: the ESC ! ? status byte and the ESC ! S detail bytes, and the
// one status word the window and the command line show for them.

#include "link/link_types.h"

#include <QString>
#include <cstddef>
#include <cstdint>

namespace lb {

#pragma pack(push, 1)
// Each byte is 0 or 1. Stored in the configuration file right before the PrinterConfig.
struct PrinterStatus {
    uint8_t headOpen;             // status bit 0
    uint8_t paperJam;             // status bit 1
    uint8_t outOfPaper;           // status bit 2
    uint8_t ribbonError;          // status bit 3
    uint8_t pause;                // status bit 4
    uint8_t printing;             // status bit 5
    uint8_t bit6;                 // status bit 6, never shown
    uint8_t otherError;           // status bit 7
    uint8_t ribbonEncoderError;   // detail byte 4, bit 3
    uint8_t outOfRibbon;          // detail byte 4, bit 2, only when bit 3 is clear
};
static_assert(sizeof(PrinterStatus) == 10);
static_assert(offsetof(PrinterStatus, headOpen) == 0);
static_assert(offsetof(PrinterStatus, paperJam) == 1);
static_assert(offsetof(PrinterStatus, outOfPaper) == 2);
static_assert(offsetof(PrinterStatus, ribbonError) == 3);
static_assert(offsetof(PrinterStatus, pause) == 4);
static_assert(offsetof(PrinterStatus, printing) == 5);
static_assert(offsetof(PrinterStatus, bit6) == 6);
static_assert(offsetof(PrinterStatus, otherError) == 7);
static_assert(offsetof(PrinterStatus, ribbonEncoderError) == 8);
static_assert(offsetof(PrinterStatus, outOfRibbon) == 9);
#pragma pack(pop)

constexpr int kStatusDetailSize = 8;     // bytes that answer ESC ! S
constexpr int kStatusDetailRibbon = 4;   // the detail byte that carries the ribbon flags

// Bytes 0..7 from the status byte's bits 0..7; the two detail flags cleared.
PrinterStatus DecodeStatusByte(uint8_t statusByte);
// Sets the ribbon encoder / out-of-ribbon flags from the eight detail bytes.
void ApplyStatusDetail(PrinterStatus& status, const uint8_t (&detail)[kStatusDetailSize]);

// Operation 0: ESC ! ? and its status byte, then ESC ! S CR LF and its eight detail bytes.
// A missing or short detail answer is not an error: the detail flags stay 0. *status is
// written only when the query succeeds; nullptr gives kUnknownError without opening the link.
int QueryStatus(InterfaceKind kind, PrinterStatus* status);

// The one status word shown for a set of flags.
enum class StatusWord {
    Ready,
    Printing,
    Pause,
    PaperJam,
    OutOfPaper,
    RibbonEncoderError,
    OutOfRibbon,
    OtherError,
    HeadOpen,
};

// The word by priority: Head Open, Other Error, Out of Ribbon, Ribbon Encoder Err., Out of
// Paper, Paper Jam, Pause, Printing, Ready. Bit 6 is never shown; a ribbon error without
// either detail flag names nothing.
StatusWord StatusWordOf(const PrinterStatus& status);
// The English text of a word ("Ready", "Head Open" …), marked for translation in the
// context "lb::PrinterStatus" so that a window can show it with QCoreApplication::translate.
const char* StatusWordSource(StatusWord word);
// The English status text, for the command line: StatusWordSource(StatusWordOf(status)).
QString StatusText(const PrinterStatus& status);

}   // namespace lb
