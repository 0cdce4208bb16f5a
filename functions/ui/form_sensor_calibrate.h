// SPDX-License-Identifier: Apache-2.0
#pragma once
// "Sensor Calibration": the printer calibrates its media sensor itself (optionally told the
// label height and gap), or the user sets intensity and threshold, or the dialog proposes
// them from the sensor's readings over liner (or black mark) and label. The dialog only
// fills the caller's record; the caller sends the commands after it closes.

#include "functions/assisted_calibration.h"
#include "functions/sensor_calibration.h"
#include "link/link_types.h"

#include <QDialog>
#include <memory>

class QButtonGroup;
class QEvent;
class QTimer;

namespace Ui {
class TFormSensorCalibrate;
}

namespace lb {

class SensorChart;

class TFormSensorCalibrate : public QDialog {
    Q_OBJECT
public:
    explicit TFormSensorCalibrate(QWidget* parent = nullptr);
    ~TFormSensorCalibrate() override;

    // Places the dialog at (left, top), shows the record's settings (Confirmed becomes 0) and
    // keeps the interface for the dialog's own sensor readings. record must outlive the
    // dialog. An assisted calibration left unfinished before starts over.
    void Open(int left, int top, SensorCalibration* record, InterfaceKind kind);

    // The assisted calibration's step (AssistedCalibration::Step: 0, 1 or 2).
    int ManualCalibrationStep() const;

    SensorChart* chart() const;
    QTimer* timer() const { return m_timer; }

public slots:
    void ButtonCalibClick();
    void ButtonSetClick();
    void ButtonCancelClick();
    void ButtonManualCalibrationClick();
    void Timer1Timer();

public:
    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    int selectedMediaType() const;
    void showResultLabels(bool paper, bool gap);
    void showMessage(const QString& text);
    void showFirstPass(const SensorReadings& pass);

    std::unique_ptr<Ui::TFormSensorCalibrate> m_ui;
    QButtonGroup* m_mediaType = nullptr;
    QTimer* m_timer = nullptr;   // Timer1
    SensorCalibration* m_record = nullptr;
    InterfaceKind m_interface = InterfaceKind::Usb;
    SensorReadings m_live{};   // filled by the timer
    AssistedCalibration m_calibration;
};

}   // namespace lb
