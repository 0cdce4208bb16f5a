// SPDX-License-Identifier: Apache-2.0
#include "ui_common/show_link_error.h"

#include "link/dispatcher.h"
#include "link/link_error.h"
#include "ui_common/message_box.h"
#include "ui_common/outcome.h"

#include <QCoreApplication>

namespace lb {

void ShowLinkError(int code, QWidget* parent) {
    // The user cancelled the wait: no box, the status bar says so.
    if (LastOperationCancelled()) {
        TellOutcome([] { return QCoreApplication::translate("lb::Outcome", "Cancelled"); });
        return;
    }
    const QString text = LinkErrorText(code);
    if (text.isEmpty()) return;
    const QString detail = LinkErrorDetail(code);
    TellOutcome([code, detail] {
        const QString message = LinkErrorText(code);
        return detail.isEmpty() ? message : message + QStringLiteral(" — ") + detail;
    });
    MessageBox::show(QMessageBox::NoIcon, parent, QString(), text, QMessageBox::Ok, QMessageBox::Ok, detail);
}

}   // namespace lb
