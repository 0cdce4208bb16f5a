#include "files/ui/file_manager_page.h"

#include "ui_file_manager_page.h"

#include <QEvent>

namespace lb {

FileManagerPage::FileManagerPage(PageContext context, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::FileManagerPage>()), m_context(std::move(context)) {
    m_ui->setupUi(this);
}

FileManagerPage::~FileManagerPage() = default;

void FileManagerPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

}   // namespace lb
