// SPDX-License-Identifier: Apache-2.0
#pragma once
// The "Printer Configuration" page: the configuration panel with Get, Clear, Set, Save and
// Load, the printer's information and its status.

#include "ui_common/page_context.h"

#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

class QEvent;

namespace Ui {
class PrinterConfigurationPage;
}

namespace lb {

class PrinterConfigurationPage : public QWidget {
    Q_OBJECT
public:
    explicit PrinterConfigurationPage(PageContext context, QWidget* parent = nullptr);
    ~PrinterConfigurationPage() override;

    // The box of another subsystem shown above the status box.
    void placeBesidePanel(QWidget* box);

    // Fills the panel and the information box from config.
    void ShowConfig(const PrinterConfig& config);
    // Reads the panel into config. A text that is not a number shows its conversion message
    // and gives false; the caller then stops.
    bool CollectConfig(PrinterConfig& config);
    void ShowStatus(const PrinterStatus& status);
    // The status bar tells that a configuration of this edition was read.
    void tellConfigurationRead(int32_t edition);

    // Get and Get Status only where the interface can answer.
    void setReadable(bool readable);
    // The unit's caption beside every length.
    void setUnitCaption(const QString& caption);

public slots:
    void ButtonReadClick();
    void ButtonClearClick();
    void ButtonConfigSetClick();
    void ButtonSaveClick();
    void ButtonLoadClick();
    void ButtonGetStatusClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::PrinterConfigurationPage> m_ui;
    PageContext m_context;
    // Each dialog starts where it was last left, as the dialogs of the window did.
    QString m_unitCaption;   // under the lengths, in the current language
    QString m_saveDirectory;
    QString m_openDirectory;
};

}   // namespace lb
