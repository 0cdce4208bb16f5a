#pragma once
// The "Bitmap Font Manager" page: bitmap fonts built and sent to the printer.

#include "ui_common/page_context.h"

#include <QWidget>
#include <memory>

class QEvent;

namespace Ui {
class BitmapFontManagerPage;
}

namespace lb {

class BitmapFontManagerPage : public QWidget {
    Q_OBJECT
public:
    explicit BitmapFontManagerPage(PageContext context, QWidget* parent = nullptr);
    ~BitmapFontManagerPage() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::BitmapFontManagerPage> m_ui;
    PageContext m_context;
};

}   // namespace lb
