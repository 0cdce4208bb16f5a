// SPDX-License-Identifier: Apache-2.0
#pragma once
// "Dump Text Setup": where the printer's dump mode puts what it receives — printed, a file
// on the memory card, or the printer file "Dump.txt" fetched into a computer file. The
// dialog only fills the caller's record.

#include "functions/dump_text.h"

#include <QDialog>
#include <memory>

class QButtonGroup;
class QEvent;

namespace Ui {
class TFormDumpTextSetup;
}

namespace lb {

class TFormDumpTextSetup : public QDialog {
    Q_OBJECT
public:
    explicit TFormDumpTextSetup(QWidget* parent = nullptr);
    ~TFormDumpTextSetup() override;

    // Places the dialog at (left, top) and selects the record's mode (Confirmed becomes 0);
    // the file name field keeps its designed text. settings must outlive the dialog.
    void Open(int left, int top, DumpTextSettings* settings);

public slots:
    void RadioGroupDumpModeClick();
    void ButtonOKClick();
    void ButtonCancelClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyFileNameState(int mode);

    std::unique_ptr<Ui::TFormDumpTextSetup> m_ui;
    QButtonGroup* m_mode = nullptr;
    DumpTextSettings* m_settings = nullptr;
};

}   // namespace lb
