// SPDX-License-Identifier: Apache-2.0
// The real-time clock: its date and time fields and its time-stamp format as reports, the
// printer variables "@YEAR = "12"" … "@SECOND = "0"" that set one field each, and SET
// RTCFORMAT. The clock runs on from what was set (RealTimeClock in sim/profile.h).

#include "sim/capability.h"
#include "sim/simulated_printer.h"

#include <QDate>
#include <QTime>
#include <algorithm>
#include <optional>

namespace lb::sim {

namespace {

// The formats 0 "Disable Timestamp" to 4 "yyyy-mm-dd".
constexpr int kFormatCount = 5;

// A decimal number of at most 9 digits, blanks around it allowed; nothing for anything else.
std::optional<int> SmallNumber(const QByteArray& text) {
    const QByteArray digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return digits.toInt();
}

// A day the new month or year no longer has becomes that month's last one (31 March set to
// February reads 28 or 29 February), so that YEAR, MONTH and DATE can be set one by one.
QDate DateWithDay(int year, int month, int day) {
    return QDate(year, month, std::min(day, QDate(year, month, 1).daysInMonth()));
}

// The reading with one field replaced. A value outside the field's range leaves the reading as
// it was, as a printer keeps its clock running rather than take a time that does not exist;
// the year is two-digit (12 is 2012).
QDateTime WithField(const QDateTime& reading, const QByteArray& field, int value) {
    const QDate d = reading.date();
    const QTime t = reading.time();
    const auto at = [&](const QDate& date, int h, int m, int s) {
        return QDateTime(date, QTime(h, m, s, t.msec()), reading.timeSpec());
    };
    if (field == "YEAR" && value <= 99)
        return at(DateWithDay(2000 + value, d.month(), d.day()), t.hour(), t.minute(), t.second());
    if (field == "MONTH" && value >= 1 && value <= 12)
        return at(DateWithDay(d.year(), value, d.day()), t.hour(), t.minute(), t.second());
    if (field == "DATE" && value >= 1 && value <= d.daysInMonth())
        return at(QDate(d.year(), d.month(), value), t.hour(), t.minute(), t.second());
    if (field == "HOUR" && value <= 23) return at(d, value, t.minute(), t.second());
    if (field == "MINUTE" && value <= 59) return at(d, t.hour(), value, t.second());
    if (field == "SECOND" && value <= 59) return at(d, t.hour(), t.minute(), value);
    return reading;
}

// "@NAME = "VALUE"": the clock's fields; other printer variables change nothing here.
void SetVariable(Exchange& x, const QByteArray& line) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0) return;
    const QByteArray name = line.mid(1, equals - 1).trimmed().toUpper();
    QByteArray text = line.mid(equals + 1);
    QByteArray quoted;
    if (QuotedText(text, quoted)) text = quoted;
    const std::optional<int> value = SmallNumber(text);
    if (!value) return;
    x.printer().edit([&](Profile& p) { p.clock.set(WithField(p.clock.now(), name, *value)); });
}

std::optional<QByteArray> Number(int value) {
    return QByteArray::number(value);
}

}   // namespace

void AddClockCapability(CapabilityRegistry& r) {
    r.addReport("YEAR", [](const Profile& p) { return Number(p.clock.now().date().year()); });
    r.addReport("MONTH", [](const Profile& p) { return Number(p.clock.now().date().month()); });
    r.addReport("DATE", [](const Profile& p) { return Number(p.clock.now().date().day()); });
    r.addReport("HOUR", [](const Profile& p) { return Number(p.clock.now().time().hour()); });
    r.addReport("MINUTE", [](const Profile& p) { return Number(p.clock.now().time().minute()); });
    r.addReport("SECOND", [](const Profile& p) { return Number(p.clock.now().time().second()); });
    r.addReport("RTCFORMAT", [](const Profile& p) { return Number(p.clock.format); });

    r.addLinePrefix('@', SetVariable);
    // The configuration capability serves SET; this key of two words comes first.
    r.addCommand("SET RTCFORMAT", [](Exchange& x, const QByteArray& arguments) {
        const std::optional<int> format = SmallNumber(arguments);
        if (!format || *format >= kFormatCount) return;
        x.printer().edit([&](Profile& p) { p.clock.format = *format; });
    });
}

}   // namespace lb::sim
