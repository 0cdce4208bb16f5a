// SPDX-License-Identifier: Apache-2.0
#include "sim/pty_server.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace lb::sim {

struct PtyServer::Impl {
    explicit Impl(Profile profile, Faults f) : printer(std::move(profile)), faults(std::move(f)) {}

    SimulatedPrinter printer;
    mutable QMutex mutex;   // guards everything below except the thread's own fds
    mutable QWaitCondition received;
    Faults faults;
    std::unique_ptr<PrinterSession> session;
    QByteArray earlier;   // received by sessions replaced by setFaults()
    QList<Command> earlierCommands;
    QByteArray slavePath;
    bool hungUp = false;

    int master = -1;
    int keeper = -1;          // our own slave descriptor: the line stays up between opens
    int wake[2] = {-1, -1};   // stop() writes here to end the thread's poll
    std::thread thread;

    void run();
    bool writeAll(const QByteArray& bytes);
    // Sleeps ms unless stop() comes first; false when stopping.
    bool sleep(int ms);
    void closeFds();
};

void PtyServer::Impl::closeFds() {
    for (int* fd : {&master, &keeper, &wake[0], &wake[1]}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

bool PtyServer::Impl::sleep(int ms) {
    pollfd p{wake[0], POLLIN, 0};
    return ::poll(&p, 1, ms) == 0;
}

bool PtyServer::Impl::writeAll(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd p[2] = {{master, POLLOUT, 0}, {wake[0], POLLIN, 0}};
            if (::poll(p, 2, 1000) <= 0 || p[1].revents) return false;
            continue;
        }
        return false;
    }
    return true;
}

void PtyServer::Impl::run() {
    char buffer[4096];
    for (;;) {
        pollfd p[2] = {{master, POLLIN, 0}, {wake[0], POLLIN, 0}};
        const int ready = ::poll(p, 2, -1);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0 || p[1].revents) return;
        if (!(p[0].revents & POLLIN)) {
            // Nobody but us holds the slave: nothing to read until someone writes.
            if (p[0].revents & (POLLHUP | POLLERR)) sleep(5);
            continue;
        }
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0) continue;
        PrinterSession::Output out;
        {
            QMutexLocker lock(&mutex);
            out = session->feed(QByteArray(buffer, qsizetype(n)));
            received.wakeAll();
        }
        if (out.delayMs > 0 && !sleep(out.delayMs)) return;
        for (const QByteArray& segment : out.segments)
            if (!writeAll(segment)) return;
        if (out.close) {
            // The printer goes away: hang the line up, as an unplugged adapter does.
            QMutexLocker lock(&mutex);
            hungUp = true;
            ::close(master);
            ::close(keeper);
            master = keeper = -1;
            return;
        }
    }
}

PtyServer::PtyServer(Profile profile, Faults faults)
    : m_impl(std::make_unique<Impl>(std::move(profile), std::move(faults))) {}

PtyServer::~PtyServer() {
    stop();
}

bool PtyServer::start() {
    stop();
    Impl& d = *m_impl;
    d.master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (d.master < 0) return false;
    const char* name = nullptr;
    if (::grantpt(d.master) != 0 || ::unlockpt(d.master) != 0 || !(name = ::ptsname(d.master)) ||
        ::pipe2(d.wake, O_CLOEXEC) != 0) {
        d.closeFds();
        return false;
    }
    const QByteArray path(name);
    d.keeper = ::open(path.constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (d.keeper < 0) {
        d.closeFds();
        return false;
    }
    // Raw from the start: no echo and no CR/LF translation, whoever opens it later.
    termios tio{};
    if (::tcgetattr(d.keeper, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(d.keeper, TCSANOW, &tio);
    }
    ::fcntl(d.master, F_SETFL, ::fcntl(d.master, F_GETFL) | O_NONBLOCK);
    {
        QMutexLocker lock(&d.mutex);
        d.session = std::make_unique<PrinterSession>(d.printer, d.faults);
        d.earlier.clear();
        d.earlierCommands.clear();
        d.slavePath = path;
        d.hungUp = false;
    }
    d.thread = std::thread([&d] { d.run(); });
    return true;
}

void PtyServer::stop() {
    Impl& d = *m_impl;
    if (d.thread.joinable()) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(d.wake[1], &byte, 1);
        d.thread.join();
    }
    QMutexLocker lock(&d.mutex);
    if (!d.slavePath.isEmpty()) d.hungUp = true;
    d.closeFds();
    d.slavePath.clear();
}

bool PtyServer::running() const {
    QMutexLocker lock(&m_impl->mutex);
    return !m_impl->slavePath.isEmpty() && !m_impl->hungUp;
}

QByteArray PtyServer::slavePath() const {
    QMutexLocker lock(&m_impl->mutex);
    return m_impl->slavePath;
}

void PtyServer::setFaults(const Faults& faults) {
    QMutexLocker lock(&m_impl->mutex);
    m_impl->faults = faults;
    if (m_impl->session) {
        // A new interpreter with the new faults; what the old one received stays recorded.
        const QByteArray before = m_impl->session->transcript();
        const QList<Command> commands = m_impl->session->commands();
        m_impl->session = std::make_unique<PrinterSession>(m_impl->printer, faults);
        m_impl->earlier += before;
        m_impl->earlierCommands += commands;
    }
}

SimulatedPrinter& PtyServer::printer() {
    return m_impl->printer;
}

QByteArray PtyServer::transcript() const {
    QMutexLocker lock(&m_impl->mutex);
    return m_impl->earlier + (m_impl->session ? m_impl->session->transcript() : QByteArray());
}

QList<Command> PtyServer::commands() const {
    QMutexLocker lock(&m_impl->mutex);
    QList<Command> all = m_impl->earlierCommands;
    if (m_impl->session) all += m_impl->session->commands();
    return all;
}

bool PtyServer::waitForTranscript(qsizetype count, int timeoutMs) const {
    QDeadlineTimer deadline(timeoutMs);
    QMutexLocker lock(&m_impl->mutex);
    for (;;) {
        const qsizetype have =
            m_impl->earlier.size() + (m_impl->session ? m_impl->session->transcript().size() : 0);
        if (have >= count) return true;
        if (!m_impl->received.wait(&m_impl->mutex, deadline)) return false;
    }
}

bool PtyServer::hungUp() const {
    QMutexLocker lock(&m_impl->mutex);
    return m_impl->hungUp;
}

}   // namespace lb::sim
