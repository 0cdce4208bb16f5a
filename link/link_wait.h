// SPDX-License-Identifier: Apache-2.0
#pragma once
// Long waits on the printer, made of short slices with the message loop run between them, so
// that the window keeps painting, its clock keeps going and the user can cancel the wait.

#include <QString>
#include <functional>

namespace lb {

// The longest a wait blocks the message loop, and so the longest a cancel waits to be seen.
constexpr int kWaitSliceMs = 100;

// What one slice of a wait found.
enum class SliceResult { Ready, KeepWaiting, Broken };
enum class WaitResult { Ready, TimedOut, Broken, Cancelled };

// Calls slice(ms) with at most kWaitSliceMs until it reports Ready or Broken, until timeoutMs
// have passed or until a cancel is requested. Between slices the observer pumps the message
// loop and hears how long the wait has lasted. A timeout of 0 still tries one slice.
WaitResult WaitInSlices(int timeoutMs, const std::function<SliceResult(int sliceMs)>& slice);

// The user's cancel of the printer action under way: every wait ends within a slice, and
// every open, write and wait after it fails at once until the flag is cleared. Requesting is
// safe from a signal handler. The front end clears the flag when it starts a new action.
void RequestLinkCancel() noexcept;
bool LinkCancelRequested() noexcept;
void ClearLinkCancel() noexcept;

// The reason shown for a link that was cancelled ("cancelled").
QString LinkCancelledReason();

}   // namespace lb
