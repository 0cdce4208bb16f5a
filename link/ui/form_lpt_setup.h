#pragma once
// "LPT Setup": chooses the parallel port, editing the main window's ParallelPortName in place.

#include "link/link_types.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TFormLPTSetup;
}

namespace lb {

class TFormLPTSetup : public QDialog {
    Q_OBJECT
public:
    explicit TFormLPTSetup(ParallelPortName* name, QWidget* parent = nullptr);
    ~TFormLPTSetup() override;

    void ButtonSetClick();
    void ButtonCancelClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::TFormLPTSetup> m_ui;
    ParallelPortName* m_name;
};

// Shows the dialog modally; true when Set was pressed (name then holds the choice).
bool EditParallelPortName(ParallelPortName& name, QWidget* parent);

}   // namespace lb
