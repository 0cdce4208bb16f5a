#include "ui_common/show_link_error.h"

#include "link/link_error.h"
#include "ui_common/message_box.h"

namespace lb {

void ShowLinkError(int code, QWidget* parent) {
    const QString text = LinkErrorText(code);
    if (text.isEmpty()) return;
    MessageBox::show(QMessageBox::NoIcon, parent, QString(), text, QMessageBox::Ok, QMessageBox::Ok,
                     LinkErrorDetail(code));
}

}   // namespace lb
