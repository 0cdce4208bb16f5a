// SPDX-License-Identifier: Apache-2.0
#pragma once
// Answers modal windows from a timer while the click that opened them waits in their event
// loop. A check that fails inside the answer closes the window, so a failure ends the test
// instead of leaving the dialog open until the ctest time-out.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

namespace lb::test {

// Closes a modal window the way a user's Escape would: a dialog is rejected.
inline void CloseModal(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else if (window)
        window->close();
}

// Runs action on the active modal window of type T (and, when accepts is given, only on one
// it accepts), up to times times, polling every few milliseconds while it lives.
template <typename T = QDialog> class WhenModal {
public:
    explicit WhenModal(std::function<void(T*)> action, int times = 1, std::function<bool(T*)> accepts = {})
        : m_action(std::move(action)), m_accepts(std::move(accepts)), m_times(times) {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    ~WhenModal() { m_timer.stop(); }
    WhenModal(const WhenModal&) = delete;
    WhenModal& operator=(const WhenModal&) = delete;

    int runs() const { return m_runs; }

private:
    void poll() {
        QPointer<T> window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window || (m_accepts && !m_accepts(window))) return;
        if (++m_runs >= m_times) m_timer.stop();
        m_action(window);
        if (QTest::currentTestFailed()) {
            m_timer.stop();
            // The answer may have left the window open, or have opened another on top.
            if (window) CloseModal(window);
            for (int i = 0; i < 8 && QApplication::activeModalWidget(); ++i)
                CloseModal(QApplication::activeModalWidget());
        }
    }

    QTimer m_timer;
    std::function<void(T*)> m_action;
    std::function<bool(T*)> m_accepts;
    int m_times = 1;
    int m_runs = 0;
};

}   // namespace lb::test
