// SPDX-License-Identifier: Apache-2.0
#include "functions/sensor_calibration.h"

#include "link/command_format.h"
#include "link/printer_link.h"
#include "link/reply_number.h"

#include <algorithm>
#include <cstdlib>

namespace lb {

namespace {

// A reading frame carries at most 64 data bytes; a frame carries at most capacity - 2.
constexpr uint32_t kReadingFrameCapacity = 64 + 2;
// Frames read past the 128 readings that are kept: they are read and dropped up to the empty
// frame, but a peer that never ends the list must not hold the read for ever.
constexpr int kMaxDroppedReadingFrames = 4096;

// One report as a decimal integer. (The record is packed: its members are never bound to
// references, so the value comes back through a local.)
int ReadReportInt(LinkHandle handle, InterfaceKind kind, const char* command, int32_t& value) {
    char reply[kReplyBufferSize];
    uint32_t length = 0;
    const int result = SendCommandReadReply(handle, kind, command, reply, sizeof reply, length);
    if (result == kLinkOk) value = LeadingInt(reply);
    return result;
}

int ReadSettings(LinkHandle handle, InterfaceKind kind, SensorCalibration& c) {
    char scratch[kReplyBufferSize];
    int result = SendInterfaceAnnouncement(handle, kind, scratch, sizeof scratch);
    if (result != kLinkOk) return result;

    int32_t value = 0;
    result = ReadReportInt(handle, kind, "DIAGNOSTIC REPORT SENSORMODE\r\n", value);
    if (result != kLinkOk) return result;
    // Later firmware knows more media than the three this program sets up.
    const int32_t mediaType = std::min<int32_t>(value, kMediaContinuous);
    c.MediaType = mediaType;

    static const char* const kIntensityReports[] = {"DIAGNOSTIC REPORT GAPINTEN\r\n",
                                                    "DIAGNOSTIC REPORT BLINEINTEN\r\n",
                                                    "DIAGNOSTIC REPORT CONINTEN\r\n"};
    // A negative mode names no sensor: there is no intensity to ask for.
    if (mediaType >= 0) {
        result = ReadReportInt(handle, kind, kIntensityReports[mediaType], value);
        if (result != kLinkOk) return result;
        c.Intensity = value;
    }

    // Firmware before edition 104 has no threshold report; a printer that does not say its
    // edition is taken as such.
    int32_t edition = 0;
    if (ReadReportInt(handle, kind, "DIAGNOSTIC REPORT EDITION\r\n", edition) != kLinkOk || edition < 104)
        return kLinkOk;
    result = ReadReportInt(handle, kind, "DIAGNOSTIC REPORT THRESHOLD\r\n", value);
    if (result != kLinkOk) return result;
    c.Threshold = value;
    return kLinkOk;
}

// The frames up to the empty one into r (which is filled only when the whole list arrived).
int ReadReadings(LinkHandle handle, InterfaceKind kind, SensorReadings& r) {
    DiscardStaleInput(handle, kind);
    if (SendCommand(handle, kind,
                    r.MediaType == kMediaBlackMark ? "DIAGNOSTIC REPORT BLINESENSOR\r\n"
                                                   : "DIAGNOSTIC REPORT GAPSENSOR\r\n") != kLinkOk)
        return kDataTransmissionError;
    SensorReadings read{};
    read.MediaType = r.MediaType;
    int count = 0;
    int dropped = 0;
    for (;;) {
        char frame[kReadingFrameCapacity];
        uint32_t length = 0;
        if (!ReadFramedReply(handle, kind, frame, sizeof frame, length)) return kDataReceivingError;
        if (length == 0) break;
        // The record holds 128 readings: the first 128 are kept, the rest read and dropped.
        if (count < kMaxSensorReadings)
            read.Readings[count++] = LeadingInt(frame);
        else if (++dropped > kMaxDroppedReadingFrames)
            return kDataReceivingError;
    }
    read.Count = count;
    r = read;
    return kLinkOk;
}

// The number of readings a record really holds, whatever its Count field says.
int ValidCount(const SensorReadings& r) {
    const int32_t count = r.Count;
    return std::clamp<int32_t>(count, 0, kMaxSensorReadings);
}

}   // namespace

int ReadSensorSettings(InterfaceKind kind, SensorCalibration* calibration) {
    if (!calibration) return kUnknownError;
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    const int result = ReadSettings(handle, kind, *calibration);
    CloseLink(kind, handle);
    return result;
}

int ReadSensorReadings(InterfaceKind kind, SensorReadings* readings) {
    if (!readings) return kUnknownError;
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    const int result = ReadReadings(handle, kind, *readings);
    CloseLink(kind, handle);
    return result;
}

QByteArray SensorCalibrationCommands(const SensorCalibration& c) {
    const int32_t mediaType = c.MediaType;
    const int32_t mode = c.Mode;
    const int32_t height = c.PaperHeightDots;
    const int32_t gap = c.GapDots;
    const int32_t intensity = c.Intensity;
    const int32_t threshold = c.Threshold;

    QByteArray text;
    if (mode == kSensorAutoCalibration) {
        if (mediaType != kMediaContinuous && height != 0 && gap != 0) {
            // The printer is told the label's sizes and measures the sensor itself.
            text = "SET SENSOR_REF MANUAL\r\n";
            if (mediaType == kMediaGap)
                text += FormatCommand("GAPDETECT %d,%d\r\n", {height, gap});
            else if (mediaType == kMediaBlackMark)
                text += FormatCommand("BLINEDETECT %d,%d\r\n", {height, gap});
            else if (mediaType == kMediaAutoSelection)
                text += FormatCommand("AUTODETECT %d,%d\r\n", {height, gap});
            return text;
        }
        text = "SET SENSOR_REF AUTO\r\n";
        switch (mediaType) {
        case kMediaGap:
            text += "GAPDETECT\r\n";
            break;
        case kMediaBlackMark:
            text += "BLINEDETECT\r\n";
            break;
        case kMediaContinuous:
            text += "GAP 0.12,0\r\nGAP 0,0\r\n";
            break;
        case kMediaAutoSelection:
            text += "AUTODETECT\r\n";
            break;
        default:
            break;
        }
        return text;
    }
    if (mode == kSensorManualSetup) {
        text = "SET SENSOR_REF MANUAL\r\n";
        switch (mediaType) {
        case kMediaGap:
            text += "GAP 0.08,0\r\n";
            break;
        case kMediaBlackMark:
            text += "BLINE 0.08,0\r\n";
            break;
        case kMediaContinuous:
            text += "GAP 0,0\r\n";
            break;
        default:
            break;
        }
        if (intensity != 0 && threshold != 0)
            text += FormatCommand("SET GAP %d,%d\r\n", {intensity, threshold});
        else if (intensity != 0)
            text += FormatCommand("SET GAP %d\r\n", {intensity});
        return text;
    }
    return text;
}

int CalibrateSensor(InterfaceKind kind, const SensorCalibration* calibration) {
    if (!calibration) return kUnknownError;
    const QByteArray text = SensorCalibrationCommands(*calibration);
    if (text.isEmpty()) return kLinkOk;
    return SendOneCommand(kind, reinterpret_cast<const uint8_t*>(text.constData()),
                          static_cast<uint32_t>(text.size()));
}

SensorProposal ProposeFromTwoPasses(const SensorReadings& liner, const SensorReadings& label) {
    // Only the levels both passes read: a label pass with fewer readings has nothing to
    // compare beyond its own.
    const int count = std::min(ValidCount(liner), ValidCount(label));
    int best = -1;
    int64_t bestDifference = -1;
    for (int i = 0; i < count; ++i) {
        const int64_t d = std::llabs(int64_t(label.Readings[i]) - int64_t(liner.Readings[i]));
        if (d > bestDifference) {   // an equal later difference keeps the earlier level
            bestDifference = d;
            best = i;
        }
    }
    SensorProposal p;
    if (best < 0 || bestDifference < kMinSensorDifference) return p;
    p.ok = true;
    p.intensity = best;
    p.labelReading = label.Readings[best];
    p.linerReading = liner.Readings[best];
    // Integer division toward zero.
    p.threshold = static_cast<int32_t>((int64_t(p.labelReading) + int64_t(p.linerReading)) / 2);
    return p;
}

SensorProposal ProposeContinuous(const SensorReadings& readings) {
    SensorProposal p;
    const int n = ValidCount(readings);
    // Below two readings there is no level to compare the first one with.
    if (n < 2) return p;
    // The record is packed: its readings are read by index, never through a pointer.
    auto r = [&readings](int i) -> int32_t { return readings.Readings[i]; };
    // The comparison value is the pass's last reading: the sign of s tells whether the
    // readings fall (s > 0) or rise (s < 0) from the lowest to the highest intensity.
    const int64_t s = int64_t(r(1)) - int64_t(r(n - 1));
    int i = n - 1;
    while (i > 1) {
        if (s < 0 && r(i) < 768) break;
        if (s > 0 && r(i) > 256) break;
        --i;
    }
    p.ok = true;
    p.intensity = (i + 1) >> 1;
    p.threshold = static_cast<int32_t>((int64_t(r(i)) + (s > 0 ? 768 : 256)) >> 1);
    p.labelReading = r(i);
    return p;
}

}   // namespace lb
