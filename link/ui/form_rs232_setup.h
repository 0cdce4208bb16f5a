// SPDX-License-Identifier: Apache-2.0
#pragma once
// "RS232 Setup": edits the main window's SerialSettings in place.

#include "link/link_types.h"

#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui {
class TFormRs232Setup;
}

namespace lb {

class TFormRs232Setup : public QDialog {
    Q_OBJECT
public:
    // Shows the record; it is written only by Set. The port list offers COM1..COM30 and the
    // serial devices the system reports.
    explicit TFormRs232Setup(SerialSettings* settings, QWidget* parent = nullptr);
    // The same with the devices given (tests).
    TFormRs232Setup(SerialSettings* settings, const QStringList& devices, QWidget* parent = nullptr);
    ~TFormRs232Setup() override;

    void ButtonSetClick();
    void ButtonCancelClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void loadSettings();

    std::unique_ptr<Ui::TFormRs232Setup> m_ui;
    SerialSettings* m_settings;
    QString m_unlistedPort;   // the record's port name when no item stands for it
};

// Shows the dialog modally; true when Set was pressed (settings then hold the choice).
bool EditSerialSettings(SerialSettings& settings, QWidget* parent);

}   // namespace lb
