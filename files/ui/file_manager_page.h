#pragma once
// The "File Manager" page: the printer's memories and their files.

#include "ui_common/page_context.h"

#include <QWidget>
#include <memory>

class QEvent;

namespace Ui {
class FileManagerPage;
}

namespace lb {

class FileManagerPage : public QWidget {
    Q_OBJECT
public:
    explicit FileManagerPage(PageContext context, QWidget* parent = nullptr);
    ~FileManagerPage() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::FileManagerPage> m_ui;
    PageContext m_context;
};

}   // namespace lb
