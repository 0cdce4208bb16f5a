// SPDX-License-Identifier: Apache-2.0
// The LPT link: a write-only device that takes each block in one synchronous write.

#include "link/link_timing.h"
#include "link/serial_port_settings.h"
#include "link/transport.h"

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <time.h>
#include <unistd.h>

namespace lb {
namespace {

// A device whose reader went away (a FIFO standing in for the port) answers a write with
// SIGPIPE, which would end the program. It is held back for the write and then discarded.
class ScopedSigpipeBlock {
public:
    ScopedSigpipeBlock() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigemptyset(&pending);
        m_wasPending = sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_saved);
    }
    ~ScopedSigpipeBlock() {
        if (!m_wasPending) {
            const timespec none{0, 0};
            while (sigtimedwait(&m_pipe, nullptr, &none) > 0) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_saved, nullptr);
    }
    ScopedSigpipeBlock(const ScopedSigpipeBlock&) = delete;
    ScopedSigpipeBlock& operator=(const ScopedSigpipeBlock&) = delete;

private:
    sigset_t m_pipe;
    sigset_t m_saved;
    bool m_wasPending = false;
};

class ParallelTransport final : public Transport {
public:
    LinkHandle open(const LinkSettingsView& settings) override {
        close();
        m_error.clear();
        if (!settings.parallel) return kNoLink;
        const QByteArray name(settings.parallel->name, qsizetype(FieldLength(settings.parallel->name)));
        const QByteArray device = ParallelDevicePath(*settings.parallel);
        // "LPT1 (/dev/lp0)"; a device path stands for itself.
        m_link = QString::fromLocal8Bit(name.isEmpty() ? QByteArray("LPT") : name);
        if (!device.isEmpty() && device != name) m_link += " (" + QString::fromLocal8Bit(device) + ')';
        if (device.isEmpty())
            return fail(QCoreApplication::translate("lb::Link",
                                                    "not a parallel port (LPT1 to LPT4, or a device path)"));
        // Existing devices only (no O_CREAT). Non-blocking, so that a FIFO without a reader
        // fails at once instead of holding the open; writes wait with poll() below.
        const int fd = ::open(device.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            if (errno == EACCES || errno == EPERM)
                return fail(QCoreApplication::translate(
                    "lb::Link", "permission denied: the user needs to be in group lp (then log in again)"));
            return fail(qt_error_string(errno));
        }
        // Not shared: a port another program holds is busy.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return fail(QCoreApplication::translate("lb::Link", "in use by another program"));
        }
        m_fd = fd;
        return LinkHandle(fd);
    }

    void close() override {
        if (m_fd < 0) return;
        ::close(m_fd);
        m_fd = -1;
    }

    // The whole block; returns how many bytes went out (-1 when none could be written).
    int64_t writeChunk(const uint8_t* bytes, uint32_t length) override {
        if (m_fd < 0) return -1;
        const int idleMs = CurrentLinkTiming().parallelIdleMs;
        ScopedSigpipeBlock noSigpipe;
        uint32_t done = 0;
        while (done < length) {
            const ssize_t n = ::write(m_fd, bytes + done, length - done);
            if (n > 0) {
                done += uint32_t(n);
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
                fail(qt_error_string(errno));
                break;
            }
            // The device takes nothing at the moment: wait, but not for ever.
            pollfd p{m_fd, POLLOUT, 0};
            int ready = 0;
            do {
                ready = ::poll(&p, 1, idleMs);
            } while (ready < 0 && errno == EINTR);
            if (ready == 0) {
                fail(QCoreApplication::translate(
                         "lb::Link", "the printer took no data for %1 ms (out of paper, or off line?)")
                         .arg(idleMs));
                break;
            }
            if (ready < 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL))) {
                fail(QCoreApplication::translate("lb::Link", "the device is gone"));
                break;
            }
        }
        if (done == 0 && length > 0) return -1;
        return done;
    }

    QString lastErrorText() const override { return m_error; }

    // The parallel port cannot read.
    uint32_t fill(uint8_t*, uint32_t, int) override { return 0; }

    ~ParallelTransport() override { close(); }

private:
    LinkHandle fail(const QString& reason) {
        m_error = m_link + QStringLiteral(": ") + reason;
        return kNoLink;
    }

    int m_fd = -1;
    QString m_link;    // "LPT1 (/dev/lp0)", for the error texts
    QString m_error;   // why the last call failed
};

}   // namespace

std::unique_ptr<Transport> MakeParallelTransport() {
    return std::make_unique<ParallelTransport>();
}

}   // namespace lb
