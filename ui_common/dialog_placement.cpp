// SPDX-License-Identifier: Apache-2.0
#include "ui_common/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace lb {
namespace {

// Room for the window manager's border and title bar, not known before the dialog is shown.
constexpr int kFrameAllowance = 8;
constexpr int kTitleAllowance = 32;

}   // namespace

void PlaceDialogOnScreen(QWidget* dialog, int left, int top) {
    dialog->adjustSize();
    QPoint at(left, top);
    const QScreen* screen = QGuiApplication::screenAt(at) ? QGuiApplication::screenAt(at) : dialog->screen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        at.setX(
            std::max(area.left(), std::min(at.x(), area.right() + 1 - dialog->width() - kFrameAllowance)));
        at.setY(
            std::max(area.top(), std::min(at.y(), area.bottom() + 1 - dialog->height() - kTitleAllowance)));
    }
    dialog->move(at);
}

}   // namespace lb
