// SPDX-License-Identifier: Apache-2.0
#pragma once
// The assisted sensor calibration's steps: what must lie under the sensor for the next
// reading, the passes read over the liner (or black mark) and over the label, and the
// proposal they give. The calibration dialog moves it on with its button and its live
// readings, labelbench-cli with Enter; both read the sensor themselves and hand it the
// readings.

#include "functions/sensor_calibration.h"

#include <cstdint>

namespace lb {

class AssistedCalibration {
public:
    // Which reading the calibration waits for.
    enum Step : int {
        kNotStarted = 0,   // none: nothing under way, or the last calibration finished
        kFirstPass = 1,    // the liner, the black mark, or the continuous media
        kLabelPass = 2,    // the label (gap and black mark media)
    };
    // What the caller does next.
    enum class Next {
        ReadMedia,      // read the continuous media as it lies
        PutLiner,       // ask for the liner under the sensor, then read
        PutBlackMark,   // ask for the black mark under the sensor, then read
        PutLabel,       // ask for the label under the sensor, then read
        Done,           // finished: proposal() says whether and how it can be calibrated
    };

    // Gap, black mark and continuous media can be calibrated from readings; the printer's
    // own choice of media cannot.
    static bool CanCalibrate(int32_t mediaType);

    // Starts over for the media, forgetting any pass read before. Done at once, with no
    // proposal, for a media that cannot be calibrated.
    Next begin(int32_t mediaType);
    // The reading of the step's pass. Continuous media is finished with its first pass, gap
    // and black mark media with the label pass; then the step is back at kNotStarted. A
    // reading with no calibration under way is not kept: Done, with no proposal.
    Next take(const SensorReadings& reading);
    // Back to kNotStarted, nothing read, no proposal.
    void reset();

    Step step() const { return m_step; }
    int32_t mediaType() const { return m_mediaType; }
    const SensorReadings& firstPass() const { return m_firstPass; }
    const SensorReadings& labelPass() const { return m_labelPass; }
    // The finished calibration's proposal; not ok until one finishes with a usable level.
    const SensorProposal& proposal() const { return m_proposal; }

private:
    Step m_step = kNotStarted;
    int32_t m_mediaType = kMediaGap;
    SensorReadings m_firstPass{};
    SensorReadings m_labelPass{};
    SensorProposal m_proposal;
};

}   // namespace lb
