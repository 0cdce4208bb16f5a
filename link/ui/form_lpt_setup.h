// SPDX-License-Identifier: Apache-2.0
#pragma once
// "LPT Setup": chooses the parallel port, editing the main window's ParallelPortName in place.

#include "link/link_types.h"

#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui {
class TFormLPTSetup;
}

namespace lb {

class TFormLPTSetup : public QDialog {
    Q_OBJECT
public:
    // The list offers LPT1..LPT4 and the parallel printer devices present.
    explicit TFormLPTSetup(ParallelPortName* name, QWidget* parent = nullptr);
    // The same with the devices given (tests).
    TFormLPTSetup(ParallelPortName* name, const QStringList& devices, QWidget* parent = nullptr);
    ~TFormLPTSetup() override;

    void ButtonSetClick();
    void ButtonCancelClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::TFormLPTSetup> m_ui;
    ParallelPortName* m_name;
    QString m_unlistedPort;   // the record's name when no item stands for it
};

// Shows the dialog modally; true when Set was pressed (name then holds the choice).
bool EditParallelPortName(ParallelPortName& name, QWidget* parent);

}   // namespace lb
