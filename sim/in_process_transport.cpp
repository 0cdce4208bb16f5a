// SPDX-License-Identifier: Apache-2.0
#include "sim/in_process_transport.h"

#include <cstring>

namespace lb::sim {

namespace {

// Any value other than kNoLink serves; a distinct one shows that the link passes it on.
constexpr LinkHandle kInProcessHandle = 7;

}   // namespace

class InProcessTransport final : public Transport {
public:
    InProcessTransport(SimulatedPrinter* printer, Faults faults, InProcessStats* stats,
                       QList<std::shared_ptr<PrinterSession>>* sessions)
        : m_printer(printer), m_faults(std::move(faults)), m_stats(stats), m_sessions(sessions) {}

    LinkHandle open(const LinkSettingsView&) override {
        close();
        m_session = std::make_shared<PrinterSession>(*m_printer, m_faults);
        if (m_sessions) m_sessions->append(m_session);
        if (m_stats) ++m_stats->opens;
        return kInProcessHandle;
    }

    void close() override {
        m_session.reset();
        m_output.clear();
        m_readPos = 0;
    }

    int64_t writeChunk(const uint8_t* bytes, uint32_t length) override {
        if (m_stats) m_stats->chunkSizes.append(length);
        if (!m_session || m_session->closed()) return -1;
        const PrinterSession::Output out =
            m_session->feed(QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(length)));
        for (const QByteArray& segment : out.segments)
            m_output.append(segment);
        return length;
    }

    bool peerGone() const override { return !m_session || m_session->closed(); }

    void discardArrived() override {
        m_output.clear();
        m_readPos = 0;
    }

    uint32_t fill(uint8_t* buffer, uint32_t maxLength, int) override {
        if (m_stats) ++m_stats->fills;
        const qsizetype available = m_output.size() - m_readPos;
        const qsizetype n = std::min<qsizetype>(available, maxLength);
        if (n <= 0) return 0;
        std::memcpy(buffer, m_output.constData() + m_readPos, size_t(n));
        m_readPos += n;
        if (m_readPos == m_output.size()) {
            m_output.clear();
            m_readPos = 0;
        }
        return static_cast<uint32_t>(n);
    }

private:
    SimulatedPrinter* m_printer;
    Faults m_faults;
    InProcessStats* m_stats;
    QList<std::shared_ptr<PrinterSession>>* m_sessions;
    std::shared_ptr<PrinterSession> m_session;
    QByteArray m_output;   // replies not yet read; m_readPos bytes of it were taken
    qsizetype m_readPos = 0;
};

std::unique_ptr<Transport> MakeInProcessTransport(SimulatedPrinter* printer, Faults faults,
                                                  InProcessStats* stats,
                                                  QList<std::shared_ptr<PrinterSession>>* sessions) {
    return std::make_unique<InProcessTransport>(printer, std::move(faults), stats, sessions);
}

}   // namespace lb::sim
