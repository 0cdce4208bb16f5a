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
    m_profile.sensor.alternateMs = 0;
}

UnderSensor SimulatedPrinter::underSensor() const {
    QMutexLocker lock(&m_mutex);
    return m_profile.sensor.underNow();
}

void SimulatedPrinter::setAlternateUnderSensorMs(int ms) {
    QMutexLocker lock(&m_mutex);
    MediaSensor& sensor = m_profile.sensor;
    sensor.under = sensor.underNow();
    sensor.alternateMs = qMax(0, ms);
    sensor.alternateSinceMs = MediaSensor::SteadyNowMs();
}

bool SimulatedPrinter::setPassword(const QByteArray& password) {
    QMutexLocker lock(&m_mutex);
    if (!m_profile.holdsPassword()) return false;
    m_profile.password = password;
    return true;
}

}   // namespace lb::sim
