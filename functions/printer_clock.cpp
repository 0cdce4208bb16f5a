// SPDX-License-Identifier: Apache-2.0
#include "functions/printer_clock.h"

#include "link/command_format.h"
#include "link/printer_link.h"
#include "link/reply_number.h"

#include <QDate>
#include <QTime>
#include <iterator>

namespace lb {

namespace {

std::function<QDateTime()>& ClockOverride() {
    static std::function<QDateTime()> now;
    return now;
}

}   // namespace

int ReadPrinterClock(InterfaceKind kind, RtcSettings* settings) {
    if (!settings) return kUnknownError;
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    char reply[kReplyBufferSize];
    uint32_t length = 0;
    int result = SendInterfaceAnnouncement(handle, kind, reply, sizeof reply);

    static const char* const kReports[] = {
        "DIAGNOSTIC REPORT YEAR\r\n",      "DIAGNOSTIC REPORT MONTH\r\n",  "DIAGNOSTIC REPORT DATE\r\n",
        "DIAGNOSTIC REPORT HOUR\r\n",      "DIAGNOSTIC REPORT MINUTE\r\n", "DIAGNOSTIC REPORT SECOND\r\n",
        "DIAGNOSTIC REPORT RTCFORMAT\r\n",
    };
    // The record is packed: its fields are set by value, in the order of the reports.
    void (*const kStore[])(RtcSettings&, int32_t) = {
        [](RtcSettings& s, int32_t v) { s.Year = v; },   [](RtcSettings& s, int32_t v) { s.Month = v; },
        [](RtcSettings& s, int32_t v) { s.Date = v; },   [](RtcSettings& s, int32_t v) { s.Hour = v; },
        [](RtcSettings& s, int32_t v) { s.Minute = v; }, [](RtcSettings& s, int32_t v) { s.Second = v; },
        [](RtcSettings& s, int32_t v) { s.Format = v; },
    };
    static_assert(std::size(kReports) == std::size(kStore));
    for (size_t i = 0; result == kLinkOk && i < std::size(kReports); ++i) {
        result = SendCommandReadReply(handle, kind, kReports[i], reply, sizeof reply, length);
        if (result == kLinkOk) kStore[i](*settings, LeadingInt(reply));
    }
    CloseLink(kind, handle);
    return result;
}

QByteArray PrinterClockCommands(const RtcSettings& s) {
    QByteArray text;
    text += FormatCommand("@YEAR = \"%d\"\r\n", {int(s.Year % 100)});
    text += FormatCommand("@MONTH = \"%d\"\r\n", {int(s.Month)});
    text += FormatCommand("@DATE = \"%d\"\r\n", {int(s.Date)});
    text += FormatCommand("@HOUR = \"%d\"\r\n", {int(s.Hour)});
    text += FormatCommand("@MINUTE = \"%d\"\r\n", {int(s.Minute)});
    text += FormatCommand("@SECOND = \"%d\"\r\n", {int(s.Second)});
    text += FormatCommand("SET RTCFORMAT %d\r\n", {int(s.Format)});
    return text;
}

int SetPrinterClock(InterfaceKind kind, const RtcSettings* settings) {
    if (!settings) return kUnknownError;
    const QByteArray text = PrinterClockCommands(*settings);
    return SendOneCommand(kind, reinterpret_cast<const uint8_t*>(text.constData()), uint32_t(text.size()));
}

QDateTime LocalNow() {
    const std::function<QDateTime()>& now = ClockOverride();
    return now ? now() : QDateTime::currentDateTime();
}

ScopedLocalClock::ScopedLocalClock(std::function<QDateTime()> now) : m_saved(std::move(ClockOverride())) {
    ClockOverride() = std::move(now);
}

ScopedLocalClock::~ScopedLocalClock() {
    ClockOverride() = std::move(m_saved);
}

void SetClockFields(RtcSettings& settings, const QDateTime& local) {
    const QDate d = local.date();
    const QTime t = local.time();
    settings.Year = d.year();
    settings.Month = d.month();
    settings.Date = d.day();
    settings.Hour = t.hour();
    settings.Minute = t.minute();
    settings.Second = t.second();
}

std::optional<qint64> PrinterClockOffsetSeconds(const RtcSettings& settings, const QDateTime& now) {
    const QDate date(settings.Year, settings.Month, settings.Date);
    const QTime time(settings.Hour, settings.Minute, settings.Second);
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    // Both are wall-clock times of the same place: compared as such, not across a zone, and
    // as UTC times, which know no daylight saving, so that a change between them counts no
    // hour and a printer time inside the skipped hour is taken as it reads.
    const QDateTime here(now.date(), now.time(), Qt::UTC);
    return here.secsTo(QDateTime(date, time, Qt::UTC));
}

}   // namespace lb
