// SPDX-License-Identifier: Apache-2.0
#pragma once
// A file-size limit for the running test, as a full disk would impose one: writes beyond it
// fail with EFBIG (SIGXFSZ is ignored meanwhile). The old limit comes back at scope end.

#include <csignal>
#include <sys/resource.h>

namespace lb::test {

class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~ScopedFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;
    bool active() const { return m_ok; }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = SIG_DFL;
    bool m_ok = false;
};

}   // namespace lb::test
