// SPDX-License-Identifier: Apache-2.0
#pragma once
// The progress window of long printer exchanges, and the observer through which the link
// layer drives it and lets the message loop run.

#include "link/link_observer.h"

#include <QWidget>
#include <memory>

class QProgressBar;
class QPushButton;

namespace Ui {
class TFormProcess;
}

namespace lb {

// A small window with one bar, 0..100, and a Cancel button that ends the exchange's wait
// (RequestLinkCancel). The window manager cannot close it: it goes away when the exchange ends.
class TFormProcess : public QWidget {
    Q_OBJECT
public:
    explicit TFormProcess(QWidget* parent = nullptr);
    ~TFormProcess() override;

    QProgressBar* progressBar() const;
    QPushButton* cancelButton() const;
    // A wait without steps: the bar moves to and fro instead of filling.
    void showBusy();
    void ButtonCancelClick();
    // Places the window in the middle of the primary screen.
    void centreOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::unique_ptr<Ui::TFormProcess> m_ui;
};

// The GUI's LinkObserver: a TFormProcess while progress is shown, and processEvents() as
// the link's message pump.
class GuiLinkObserver : public LinkObserver {
public:
    GuiLinkObserver();
    ~GuiLinkObserver() override;
    GuiLinkObserver(const GuiLinkObserver&) = delete;
    GuiLinkObserver& operator=(const GuiLinkObserver&) = delete;

    void progressShown() override;
    void progressChanged(int value) override;
    void progressHidden() override;
    void pumpEvents() override;
    // A wait that has lasted kOfferCancelAfterMs without a progress window brings one up,
    // busy, so that it can be cancelled; it goes with the action.
    void waiting(int elapsedMs) override;
    void actionFinished() override;

    static constexpr int kOfferCancelAfterMs = 1000;

    // The window that is up, or nullptr.
    TFormProcess* window() const { return m_window.get(); }

private:
    std::unique_ptr<TFormProcess> m_window;
    bool m_windowForWait = false;   // brought up by a long wait, not by the exchange's progress
};

}   // namespace lb
