// SPDX-License-Identifier: Apache-2.0
#pragma once
// The printer's real-time clock: reading it with its time-stamp format (operation 9) and
// setting it (operation 8), and how far it is from the computer's clock.

#include "link/link_types.h"

#include <QByteArray>
#include <QDateTime>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace lb {

// The printer's time-stamp formats; a printer may report a number beyond them.
constexpr int32_t kRtcFormatCount = 5;   // 0 "Disable Timestamp" .. 4 "yyyy-mm-dd"

#pragma pack(push, 1)
struct RtcSettings {
    int32_t Year;    // the full year (2012)
    int32_t Month;   // 1..12
    int32_t Date;    // day of the month
    int32_t Hour;    // 0..23
    int32_t Minute;
    int32_t Second;
    int32_t Format;      // the time-stamp format number
    uint8_t Confirmed;   // 1 when the dialog was closed with Set
};
#pragma pack(pop)
static_assert(sizeof(RtcSettings) == 29);
static_assert(offsetof(RtcSettings, Month) == 4);
static_assert(offsetof(RtcSettings, Second) == 20);
static_assert(offsetof(RtcSettings, Format) == 24);
static_assert(offsetof(RtcSettings, Confirmed) == 28);

// Operation 9: the announcement, then YEAR, MONTH, DATE, HOUR, MINUTE, SECOND and RTCFORMAT,
// each read as a decimal integer into its field. The first failing exchange ends it with
// its error (2 or 3), the fields read so far kept. 1 when the link cannot be opened.
int ReadPrinterClock(InterfaceKind kind, RtcSettings* settings);
// Operation 8: the seven lines of PrinterClockCommands in one write. Returns 0, 1 or 2.
int SetPrinterClock(InterfaceKind kind, const RtcSettings* settings);

// "@YEAR = "12"\r\n" … "SET RTCFORMAT 4\r\n": the year modulo 100, every value as entered
// (no range checks, no leading zeros).
QByteArray PrinterClockCommands(const RtcSettings& settings);

// The computer's local time, as "Get System Time" takes it; tests put their own clock here.
QDateTime LocalNow();
// While one exists, LocalNow() answers now() instead of the system clock.
class ScopedLocalClock {
public:
    explicit ScopedLocalClock(std::function<QDateTime()> now);
    ~ScopedLocalClock();
    ScopedLocalClock(const ScopedLocalClock&) = delete;
    ScopedLocalClock& operator=(const ScopedLocalClock&) = delete;

private:
    std::function<QDateTime()> m_saved;
};

// The settings' date and time fields set from a local time (Format and Confirmed kept).
void SetClockFields(RtcSettings& settings, const QDateTime& local);
// Seconds the printer's clock is ahead of now (negative: behind); nothing when the printer's
// fields are no valid time.
std::optional<qint64> PrinterClockOffsetSeconds(const RtcSettings& settings, const QDateTime& now);

}   // namespace lb
