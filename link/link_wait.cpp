// SPDX-License-Identifier: Apache-2.0
#include "link/link_wait.h"

#include "link/link_observer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <atomic>

namespace lb {
namespace {

// Lock-free, so that a signal handler may set it.
std::atomic<bool> g_cancel{false};
static_assert(std::atomic<bool>::is_always_lock_free);

}   // namespace

WaitResult WaitInSlices(int timeoutMs, const std::function<SliceResult(int sliceMs)>& slice) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (LinkCancelRequested()) return WaitResult::Cancelled;
        const qint64 left = std::max<qint64>(0, timeoutMs - waited.elapsed());
        const SliceResult result = slice(int(std::min<qint64>(left, kWaitSliceMs)));
        if (result == SliceResult::Ready) return WaitResult::Ready;
        if (result == SliceResult::Broken) return WaitResult::Broken;
        if (waited.elapsed() >= timeoutMs) return WaitResult::TimedOut;
        if (LinkObserver* observer = CurrentLinkObserver()) {
            observer->waiting(int(std::min<qint64>(waited.elapsed(), INT32_MAX)));
            observer->pumpEvents();
        }
    }
}

void RequestLinkCancel() noexcept {
    g_cancel.store(true);
}

bool LinkCancelRequested() noexcept {
    return g_cancel.load();
}

void ClearLinkCancel() noexcept {
    g_cancel.store(false);
}

QString LinkCancelledReason() {
    return QCoreApplication::translate("lb::Link", "cancelled");
}

}   // namespace lb
