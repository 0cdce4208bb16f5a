// SPDX-License-Identifier: Apache-2.0
#include "functions/assisted_calibration.h"

namespace lb {

bool AssistedCalibration::CanCalibrate(int32_t mediaType) {
    return mediaType == kMediaGap || mediaType == kMediaBlackMark || mediaType == kMediaContinuous;
}

AssistedCalibration::Next AssistedCalibration::begin(int32_t mediaType) {
    reset();
    if (!CanCalibrate(mediaType)) return Next::Done;
    m_mediaType = mediaType;
    m_step = kFirstPass;
    switch (mediaType) {
    case kMediaContinuous:
        return Next::ReadMedia;
    case kMediaBlackMark:
        return Next::PutBlackMark;
    default:
        return Next::PutLiner;
    }
}

AssistedCalibration::Next AssistedCalibration::take(const SensorReadings& reading) {
    switch (m_step) {
    case kFirstPass:
        m_firstPass = reading;
        if (m_mediaType == kMediaContinuous) {
            m_proposal = ProposeContinuous(m_firstPass);
            m_step = kNotStarted;
            return Next::Done;
        }
        m_step = kLabelPass;
        return Next::PutLabel;
    case kLabelPass:
        m_labelPass = reading;
        m_proposal = ProposeFromTwoPasses(m_firstPass, m_labelPass);
        m_step = kNotStarted;
        return Next::Done;
    case kNotStarted:
        break;
    }
    m_proposal = SensorProposal{};
    return Next::Done;
}

void AssistedCalibration::reset() {
    m_step = kNotStarted;
    m_mediaType = kMediaGap;
    m_firstPass = SensorReadings{};
    m_labelPass = SensorReadings{};
    m_proposal = SensorProposal{};
}

}   // namespace lb
