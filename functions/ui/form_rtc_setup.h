// SPDX-License-Identifier: Apache-2.0
#pragma once
// "RTC Setup": the printer's clock and time-stamp format as read, to be edited or replaced
// by the computer's local time. The dialog only fills the caller's record; the caller
// writes the clock after it closes.

#include "functions/printer_clock.h"

#include <QDialog>
#include <memory>

class QButtonGroup;
class QEvent;
class QLineEdit;

namespace Ui {
class TFormRTCSetup;
}

namespace lb {

class TFormRTCSetup : public QDialog {
    Q_OBJECT
public:
    explicit TFormRTCSetup(QWidget* parent = nullptr);
    ~TFormRTCSetup() override;

    // Places the dialog at (left, top) and shows the record (Confirmed becomes 0), with how
    // far its time is from the computer's. settings must outlive the dialog.
    void Open(int left, int top, RtcSettings* settings);

    // How far the printer's clock is from the computer's, for a person ("printer clock 37 s
    // behind this computer"); empty when the printer's fields are no valid time.
    static QString ClockOffsetText(const RtcSettings& settings, const QDateTime& now);

public slots:
    void ButtonSetSysTimeClick();
    void ButtonSetClick();
    void ButtonCancelClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showFields(const RtcSettings& settings);

    std::unique_ptr<Ui::TFormRTCSetup> m_ui;
    QButtonGroup* m_format = nullptr;
    RtcSettings* m_settings = nullptr;
};

}   // namespace lb
