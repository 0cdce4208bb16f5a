// SPDX-License-Identifier: Apache-2.0
#pragma once
// The "Printer Function" box: the printer's one-shot functions.

#include "functions/printer_clock.h"
#include "network/ethernet_settings.h"
#include "ui_common/page_context.h"

#include <QGroupBox>
#include <memory>

class QEvent;

namespace Ui {
class PrinterFunctionBox;
}

namespace lb {

class PrinterFunctionBox : public QGroupBox {
    Q_OBJECT
public:
    explicit PrinterFunctionBox(PageContext context, QWidget* parent = nullptr);
    ~PrinterFunctionBox() override;

public slots:
    void ButtonSensorCalibrateClick();
    void ButtonEthernetClick();
    void ButtonRTCSetTimeClick();
    void ButtonDumpClick();
    void ButtonInitialClick();
    void ButtonRestPrinterClick();
    void ButtonTestPaternClick();
    void ButtonSelfTestClick();
    void ButtonIgnoreAutoClick();
    void ButtonLineModeOutClick();
    void ButtonPasswordClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void fetchDump();

    std::unique_ptr<Ui::PrinterFunctionBox> m_ui;
    PageContext m_context;
    // The clock as last read or set; it lives as long as the window.
    RtcSettings m_rtcSettings{};
    // The network settings as last read and edited; they live as long as the window.
    EthernetSettings m_ethernetSettings = EmptyEthernetSettings();
};

}   // namespace lb
