// SPDX-License-Identifier: Apache-2.0
#include "config/ui/config_panel_widgets.h"

#include "config/config_panel.h"
#include "ui_common/field_caption.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWidget>
#include <algorithm>

namespace lb {
namespace {

template <typename T> T* Control(QWidget* root, const PanelField& field) {
    return root->findChild<T*>(QString::fromLatin1(field.control));
}

}   // namespace

void SetUpConfigPanel(QWidget* root) {
    for (const PanelField& field : PanelFields()) {
        if (IsPanelList(field)) {
            if (auto* list = Control<QComboBox>(root, field)) {
                const QSignalBlocker blocker(list);
                list->clear();
                list->addItem(QString());
                list->addItems(PanelListItems(field));
                list->setCurrentIndex(-1);
            }
            continue;
        }
        auto* edit = Control<QLineEdit>(root, field);
        if (!edit) continue;
        if (field.maxLength > 0) edit->setMaxLength(field.maxLength);
        if (field.kind == PanelKind::Base) {
            edit->setReadOnly(true);
            edit->hide();
        }
    }
}

void ShowConfigInPanel(QWidget* root, const PrinterConfig& config, LengthUnit unit) {
    for (const PanelField& field : PanelFields()) {
        if (IsPanelList(field)) {
            if (auto* list = Control<QComboBox>(root, field))
                list->setCurrentIndex(PanelListIndex(config, field));
            continue;
        }
        auto* edit = Control<QLineEdit>(root, field);
        if (!edit) continue;
        // The limit is for typing: a value read from the printer is never cut to fit it.
        const QString text = PanelEditText(config, field, unit);
        if (field.maxLength > 0) edit->setMaxLength(std::max<int>(field.maxLength, int(text.size())));
        edit->setText(text);
        if (field.kind == PanelKind::Base) edit->setVisible(PanelBaseVisible(config, field));
    }
}

// The label of the edits whose label is not named after them.
static QString PanelLabelName(const PanelField& field) {
    const QLatin1String control(field.control);
    if (control == QLatin1String("EditGapSize")) return QStringLiteral("LabelVerticalGap");
    if (control.startsWith(QLatin1String("EditReference"))) return QStringLiteral("LabelReference");
    return {};
}

bool CollectConfigFromPanel(QWidget* root, PrinterConfig& config, LengthUnit unit, QString* error) {
    config.UnitIsInch = unit == LengthUnit::Inch ? 1 : 0;
    for (const PanelField& field : PanelFields()) {
        if (IsPanelList(field)) {
            if (auto* list = Control<QComboBox>(root, field))
                CollectPanelIndex(config, field, list->currentIndex());
            continue;
        }
        auto* edit = Control<QLineEdit>(root, field);
        if (edit && !CollectPanelText(config, field, edit->text(), unit, error)) {
            // The refusal names the field by its caption.
            if (error) *error = NotANumberMessage(edit, PanelLabelName(field));
            return false;
        }
    }
    return true;
}

}   // namespace lb
