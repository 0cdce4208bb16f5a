// SPDX-License-Identifier: Apache-2.0
#include "sim/simulated_printer.h"

#include "sim/capability.h"

namespace lb::sim {

namespace {

// For commands served outside a connection: nobody reads the replies.
class DroppedReplies final : public Exchange {
public:
    explicit DroppedReplies(SimulatedPrinter& printer) : m_printer(printer) {}
    SimulatedPrinter& printer() override { return m_printer; }
    void replyFrame(const QByteArray&) override {}
    void reply(const QByteArray&) override {}
    void takeBytes(ByteSink) override {}

private:
    SimulatedPrinter& m_printer;
};

}   // namespace

SimulatedPrinter::SimulatedPrinter(Profile profile, const CapabilityRegistry& capabilities)
    : m_profile(std::move(profile)), m_capabilities(capabilities) {}

Profile SimulatedPrinter::profile() const {
    QMutexLocker lock(&m_mutex);
    return m_profile;
}

void SimulatedPrinter::setProfile(const Profile& profile) {
    QMutexLocker lock(&m_mutex);
    m_profile = profile;
}

void SimulatedPrinter::apply(const Command& command) {
    DroppedReplies exchange(*this);
    m_capabilities.run(exchange, command);
}

QByteArray SimulatedPrinter::reportReply(const QByteArray& keyword, bool* known) const {
    QMutexLocker lock(&m_mutex);
    const std::optional<QByteArray> data = m_capabilities.report(m_profile, keyword);
    if (known) *known = data.has_value();
    return data.value_or(QByteArray());
}

std::optional<QList<QByteArray>> SimulatedPrinter::reportFrames(const QByteArray& keyword) const {
    QMutexLocker lock(&m_mutex);
    return m_capabilities.reportFrames(m_profile, keyword);
}

QByteArray SimulatedPrinter::lastFirmware() const {
    QMutexLocker lock(&m_mutex);
    return m_firmware;
}

void SimulatedPrinter::beginFirmware(const QByteArray& bytes) {
    QMutexLocker lock(&m_mutex);
    m_firmware = bytes;
}

void SimulatedPrinter::appendFirmware(const QByteArray& bytes) {
    QMutexLocker lock(&m_mutex);
    m_firmware.append(bytes);
}

void SimulatedPrinter::setUnderSensor(UnderSensor under) {
    QMutexLocker lock(&m_mutex);
    m_profile.sensor.under = under;
    m_profile.sensor.turnsEachPass = false;
}

void SimulatedPrinter::setSensorTurnsEachPass() {
    QMutexLocker lock(&m_mutex);
    m_profile.sensor.turnsEachPass = true;
    m_profile.sensor.lastPassMs = -1;
}

void SimulatedPrinter::setClockOffsetSeconds(qint64 seconds) {
    QMutexLocker lock(&m_mutex);
    m_profile.clock.offsetSeconds = seconds;
}

qint64 SimulatedPrinter::clockOffsetSeconds() const {
    QMutexLocker lock(&m_mutex);
    return m_profile.clock.offsetSeconds;
}

QDateTime SimulatedPrinter::clockNow() const {
    QMutexLocker lock(&m_mutex);
    return m_profile.clock.now();
}

void SimulatedPrinter::setComputerClock(std::function<QDateTime()> now) {
    QMutexLocker lock(&m_mutex);
    m_profile.clock.computerNow = std::move(now);
}

void SimulatedPrinter::setCommandTaker(CommandTaker taker) {
    QMutexLocker lock(&m_mutex);
    m_taker = std::move(taker);
}

bool SimulatedPrinter::hasCommandTaker() const {
    QMutexLocker lock(&m_mutex);
    return bool(m_taker);
}

bool SimulatedPrinter::offerToTaker(const Command& command) {
    CommandTaker taker;
    {
        QMutexLocker lock(&m_mutex);
        taker = m_taker;
    }
    // A copy: the taker may replace or remove itself while it runs.
    return taker && taker(*this, command);
}

QByteArray SimulatedPrinter::printedText() const {
    QMutexLocker lock(&m_mutex);
    return m_printed;
}

void SimulatedPrinter::appendPrintedText(const QByteArray& text) {
    QMutexLocker lock(&m_mutex);
    m_printed.append(text);
}

bool SimulatedPrinter::setPassword(const QByteArray& password) {
    QMutexLocker lock(&m_mutex);
    if (!m_profile.holdsPassword()) return false;
    m_profile.password = password;
    return true;
}

}   // namespace lb::sim
