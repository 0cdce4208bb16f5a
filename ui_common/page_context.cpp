// SPDX-License-Identifier: Apache-2.0
#include "ui_common/page_context.h"

#include <QWidget>

namespace lb {

QPoint PageContext::dialogPosition() const {
    if (!dialogParent) return {};
    const QRect frame = dialogParent->window()->frameGeometry();
    return {frame.x() + frame.width() / 3, frame.y() + frame.height() / 3};
}

}   // namespace lb
