// SPDX-License-Identifier: Apache-2.0
#pragma once
// How the link layer reaches the front end: the progress window and the message loop.
// The GUI implements it with TFormProcess and processEvents(), the CLI with a bar on
// stderr, tests with a recorder.

namespace lb {

enum ProgressMode : int { StepPerWrite = 0, PercentOfBlock = 1 };

class LinkObserver {
public:
    virtual ~LinkObserver() = default;
    // The progress window is created and shown (bar at 0, range 0..100).
    virtual void progressShown() {}
    // The bar moved to value (0..100).
    virtual void progressChanged(int value) { (void)value; }
    // The progress window is destroyed.
    virtual void progressHidden() {}
    // Let the message loop process every pending message once.
    virtual void pumpEvents() {}
    // A wait on the printer has lasted elapsedMs so far (told between its slices): the front
    // end may offer to cancel it.
    virtual void waiting(int elapsedMs) { (void)elapsedMs; }
    // The printer operation or network action is over: what was offered for it goes.
    virtual void actionFinished() {}
};

// The observer stays registered until replaced; nullptr means nobody is listening.
void SetLinkObserver(LinkObserver* observer);
LinkObserver* CurrentLinkObserver();

// Registers an observer for one scope and puts the previous one back at its end.
class ScopedObserver {
public:
    explicit ScopedObserver(LinkObserver* observer) : m_saved(CurrentLinkObserver()) {
        SetLinkObserver(observer);
    }
    ~ScopedObserver() { SetLinkObserver(m_saved); }
    ScopedObserver(const ScopedObserver&) = delete;
    ScopedObserver& operator=(const ScopedObserver&) = delete;

private:
    LinkObserver* m_saved;
};

}   // namespace lb
