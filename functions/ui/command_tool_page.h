#pragma once
// The "Command Tool" page: commands typed or loaded and sent to the printer.

#include "ui_common/page_context.h"

#include <QWidget>
#include <memory>

class QEvent;

namespace Ui {
class CommandToolPage;
}

namespace lb {

class CommandToolPage : public QWidget {
    Q_OBJECT
public:
    explicit CommandToolPage(PageContext context, QWidget* parent = nullptr);
    ~CommandToolPage() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::CommandToolPage> m_ui;
    PageContext m_context;
};

}   // namespace lb
