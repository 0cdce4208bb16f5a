// SPDX-License-Identifier: Apache-2.0
// The media sensor: its raw readings at every intensity level over what lies under it
// (GAPSENSOR, BLINESENSOR), and the printer's own calibration (GAPDETECT, BLINEDETECT,
// AUTODETECT), which measures the curves and stores the sensor mode, the intensity and the
// threshold so that they read back. GAP, BLINE and SET GAP / SET SENSOR_REF are the
// configuration capability's: they change the same reports.

#include "sim/capability.h"
#include "sim/simulated_printer.h"

#include <cstdlib>

namespace lb::sim {

namespace {

// What the printer's calibration finds: the level where label and liner differ most.
struct Measured {
    int level = -1;
    int64_t difference = -1;
    int64_t threshold = 0;
};

Measured Measure(const SensorCurve& curve) {
    Measured m;
    const qsizetype levels = qMin(curve.liner.size(), curve.label.size());
    for (qsizetype i = 0; i < levels; ++i) {
        const int64_t d = std::llabs(int64_t(curve.label[i]) - int64_t(curve.liner[i]));
        if (d <= m.difference) continue;
        m.level = int(i);
        m.difference = d;
        m.threshold = (int64_t(curve.label[i]) + int64_t(curve.liner[i])) / 2;
    }
    return m;
}

// "812,24": the label height and the gap in dots; nothing else is read as sizes.
void StoreSizes(Profile& p, const QByteArray& arguments) {
    const QList<QByteArray> parts = arguments.split(',');
    if (parts.size() != 2) return;
    bool heightOk = false, gapOk = false;
    const int height = parts[0].trimmed().toInt(&heightOk);
    const int gap = parts[1].trimmed().toInt(&gapOk);
    if (!heightOk || !gapOk) return;
    SetReport(p, "PAPERHEIGHT", QByteArray::number(height));
    SetReport(p, "GAPSIZE", QByteArray::number(gap));
}

void Detect(Profile& p, bool blackMark, const QByteArray& arguments) {
    const Measured m = Measure(blackMark ? p.sensor.blackMark : p.sensor.gap);
    SetReport(p, "SENSORMODE", blackMark ? "1" : "0");
    StoreSizes(p, arguments);
    if (m.level < 0) return;
    SetReport(p, blackMark ? "BLINEINTEN" : "GAPINTEN", QByteArray::number(m.level));
    SetReport(p, "THRESHOLD", QByteArray::number(m.threshold));
}

// One frame per level, then an empty frame.
QList<QByteArray> ReadingFrames(const Profile& p, bool blackMark) {
    QList<QByteArray> frames;
    for (const int32_t reading : p.sensor.readingsOfPass(blackMark))
        frames.append(QByteArray::number(reading));
    frames.append(QByteArray());
    return frames;
}

}   // namespace

void AddSensorCapability(CapabilityRegistry& r) {
    r.addReportList("GAPSENSOR", [](const Profile& p) { return std::optional(ReadingFrames(p, false)); });
    r.addReportList("BLINESENSOR", [](const Profile& p) { return std::optional(ReadingFrames(p, true)); });

    r.addCommand("GAPDETECT", [](Exchange& x, const QByteArray& arguments) {
        x.printer().edit([&](Profile& p) { Detect(p, false, arguments); });
    });
    r.addCommand("BLINEDETECT", [](Exchange& x, const QByteArray& arguments) {
        x.printer().edit([&](Profile& p) { Detect(p, true, arguments); });
    });
    // The printer tells the media by itself: it finds the black mark media it was set up
    // for, and labels with gaps otherwise.
    r.addCommand("AUTODETECT", [](Exchange& x, const QByteArray& arguments) {
        x.printer().edit([&](Profile& p) { Detect(p, p.reports.value("SENSORMODE") == "1", arguments); });
    });
}

}   // namespace lb::sim
