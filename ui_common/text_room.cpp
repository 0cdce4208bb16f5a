// SPDX-License-Identifier: Apache-2.0
#include "ui_common/text_room.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QVariant>
#include <QWidget>

namespace lb {
namespace {

constexpr const char* kDesignedMinimumWidth = "lbDesignedMinimumWidth";
constexpr int kListArrowRoom = 30;   // a closed list's frame and arrow beside its text
// The designed boxes keep their inner margins a little tighter than their layouts' own
// minimum; a need within that is the design's, not a longer caption's.
constexpr int kDesignedBoxSlack = 12;

}   // namespace

void GrowMinimumWidthsToText(QWidget* root) {
    // Inner controls first, so that a box with a designed width learns its content's need.
    const QList<QWidget*> all = root->findChildren<QWidget*>();
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        QWidget* w = *it;
        auto* combo = qobject_cast<QComboBox*>(w);
        const auto* label = qobject_cast<QLabel*>(w);
        const bool sized = (combo && !combo->isEditable()) || qobject_cast<QAbstractButton*>(w) ||
                           (label && !label->wordWrap() && label->pixmap().isNull()) || w->layout();
        if (!sized) continue;
        QVariant designed = w->property(kDesignedMinimumWidth);
        if (!designed.isValid()) {
            designed = w->minimumWidth();
            w->setProperty(kDesignedMinimumWidth, designed);
            // A list is as wide as its chosen item needs, not its longest one.
            if (combo) combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        }
        int need = 0;
        if (combo) {
            need = combo->fontMetrics().horizontalAdvance(combo->currentText()) + kListArrowRoom;
        } else if (w->layout()) {
            if (designed.toInt() <= 0) continue;   // its layout passes its content's need on
            w->layout()->invalidate();
            need = w->layout()->totalMinimumSize().width();
            if (need <= designed.toInt() + kDesignedBoxSlack) continue;
        } else {
            if (designed.toInt() <= 0) continue;   // the layout already gives it its text's width
            need = w->sizeHint().width();
        }
        w->setMinimumWidth(std::max(designed.toInt(), need));
    }
}

}   // namespace lb
