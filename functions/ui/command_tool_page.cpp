#include "functions/ui/command_tool_page.h"

#include "ui_command_tool_page.h"

#include <QEvent>

namespace lb {

CommandToolPage::CommandToolPage(PageContext context, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::CommandToolPage>()), m_context(std::move(context)) {
    m_ui->setupUi(this);
}

CommandToolPage::~CommandToolPage() = default;

void CommandToolPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

}   // namespace lb
