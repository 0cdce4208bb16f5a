// SPDX-License-Identifier: Apache-2.0
#include "ui_common/wheel_guard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

namespace lb {
namespace {

class WheelGuard final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel) return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->hasFocus()) return false;
        // Ignored and filtered: the application hands the event on to the parent.
        event->ignore();
        return true;
    }
};

const char* const kGuardName = "WheelGuard";

void Protect(QWidget* widget, QObject* guard) {
    // Qt::WheelFocus, the lists' default, would hand them the focus on the first turn.
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->removeEventFilter(guard);   // installed once, however often this is called
    widget->installEventFilter(guard);
}

}   // namespace

void TakeWheelOnlyWithFocus(QWidget* root) {
    if (!root) return;
    // One filter per root, living as long as the widgets it watches.
    auto* guard = root->findChild<QObject*>(QLatin1String(kGuardName), Qt::FindDirectChildrenOnly);
    if (!guard) {
        guard = new WheelGuard(root);
        guard->setObjectName(QLatin1String(kGuardName));
    }
    if (qobject_cast<QComboBox*>(root) || qobject_cast<QAbstractSpinBox*>(root)) Protect(root, guard);
    for (QComboBox* list : root->findChildren<QComboBox*>())
        Protect(list, guard);
    for (QAbstractSpinBox* field : root->findChildren<QAbstractSpinBox*>())
        Protect(field, guard);
}

}   // namespace lb
