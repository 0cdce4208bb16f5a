// SPDX-License-Identifier: Apache-2.0
#pragma once
// The media sensor: reading its settings (operation 23) and its raw readings (operation 24),
// the calibration commands (operation 10), and the evaluation of an assisted calibration.

#include "link/link_types.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

namespace lb {

enum SensorMediaType : int32_t {
    kMediaGap = 0,
    kMediaBlackMark = 1,
    kMediaContinuous = 2,
    kMediaAutoSelection = 3,
};
enum SensorCalibrationMode : int32_t {
    kSensorAutoCalibration = 0,
    kSensorManualSetup = 1,
};

#pragma pack(push, 1)
// What the calibration dialog decided, and the settings read before it opened.
struct SensorCalibration {
    uint8_t Confirmed;         // 1 when closed with Calibrate or Set
    int32_t MediaType;         // SensorMediaType
    int32_t Mode;              // SensorCalibrationMode
    int32_t Threshold;         // the sensor's reference value
    int32_t Intensity;         // the sensor's intensity level
    int32_t PaperHeightDots;   // 0: not given
    int32_t GapDots;           // gap or black mark size; 0: not given
    int32_t DotsPerUnit;       // printer dots per user unit
};

constexpr int kMaxSensorReadings = 128;
// The sensor's raw value at every intensity level: reading i is level i.
struct SensorReadings {
    int32_t MediaType;
    int32_t Count;
    int32_t Readings[kMaxSensorReadings];
};
#pragma pack(pop)
static_assert(sizeof(SensorCalibration) == 29);
static_assert(offsetof(SensorCalibration, MediaType) == 1);
static_assert(offsetof(SensorCalibration, Mode) == 5);
static_assert(offsetof(SensorCalibration, Threshold) == 9);
static_assert(offsetof(SensorCalibration, Intensity) == 13);
static_assert(offsetof(SensorCalibration, PaperHeightDots) == 17);
static_assert(offsetof(SensorCalibration, GapDots) == 21);
static_assert(offsetof(SensorCalibration, DotsPerUnit) == 25);
static_assert(sizeof(SensorReadings) == 520);
static_assert(offsetof(SensorReadings, Readings) == 8);

// Operation 23: the announcement, SENSORMODE (above 2 stored as 2), the intensity of that
// media, and from edition 104 on THRESHOLD. Fields are stored as they are read. Returns 0,
// 1, 2 or 3 (0 when the EDITION exchange fails or the edition is below 104).
int ReadSensorSettings(InterfaceKind kind, SensorCalibration* calibration);

// Operation 24: BLINESENSOR for black mark, else GAPSENSOR (no announcement); frames of at
// most 64 bytes until an empty one. Returns 0, 1, 2 or 3.
int ReadSensorReadings(InterfaceKind kind, SensorReadings* readings);

// The command text of operation 10; empty for a Mode other than 0 or 1.
QByteArray SensorCalibrationCommands(const SensorCalibration& calibration);
// Operation 10: SensorCalibrationCommands in one write; an empty text sends nothing and
// returns 0. Returns 0, 1 or 2.
int CalibrateSensor(InterfaceKind kind, const SensorCalibration* calibration);

// The assisted calibration's proposal.
struct SensorProposal {
    bool ok = false;            // false: "Can't calibration"
    int32_t intensity = 0;      // the level to set
    int32_t threshold = 0;      // the reference value to set
    int32_t labelReading = 0;   // the readings at that level (two passes only)
    int32_t linerReading = 0;
};
// The smallest difference between label and liner (or black mark) that can be told apart.
constexpr int32_t kMinSensorDifference = 96;
// Gap or black mark: the level where label and liner differ most (the first of equal ones).
SensorProposal ProposeFromTwoPasses(const SensorReadings& liner, const SensorReadings& label);
// Continuous media: one pass over the media.
SensorProposal ProposeContinuous(const SensorReadings& readings);

}   // namespace lb
