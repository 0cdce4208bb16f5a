#include "fonts/ui/bitmap_font_manager_page.h"

#include "ui_bitmap_font_manager_page.h"

#include <QEvent>

namespace lb {

BitmapFontManagerPage::BitmapFontManagerPage(PageContext context, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::BitmapFontManagerPage>()), m_context(std::move(context)) {
    m_ui->setupUi(this);
}

BitmapFontManagerPage::~BitmapFontManagerPage() = default;

void BitmapFontManagerPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

}   // namespace lb
