// SPDX-License-Identifier: Apache-2.0
#include "functions/ui/form_dump_text_setup.h"

#include "files/printer_files.h"
#include "ui_common/dialog_placement.h"
#include "ui_common/message_box.h"
#include "ui_form_dump_text_setup.h"

#include <QButtonGroup>
#include <QEvent>

namespace lb {

TFormDumpTextSetup::TFormDumpTextSetup(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormDumpTextSetup>()) {
    m_ui->setupUi(this);
    // A fixed border with only the close button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    m_mode = new QButtonGroup(this);
    m_mode->addButton(m_ui->RadioGroupDumpMode0, kDumpPrint);
    m_mode->addButton(m_ui->RadioGroupDumpMode1, kDumpToCard);
    m_mode->addButton(m_ui->RadioGroupDumpMode2, kDumpToFile);
    m_ui->RadioGroupDumpMode0->setChecked(true);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_mode, &QButtonGroup::idClicked, this, &TFormDumpTextSetup::RadioGroupDumpModeClick);
    connect(m_ui->ButtonOK, &QPushButton::clicked, this, &TFormDumpTextSetup::ButtonOKClick);
    connect(m_ui->ButtonCancel, &QPushButton::clicked, this, &TFormDumpTextSetup::ButtonCancelClick);
}

TFormDumpTextSetup::~TFormDumpTextSetup() = default;

void TFormDumpTextSetup::Open(int left, int top, DumpTextSettings* settings) {
    m_settings = settings;
    if (settings) {
        settings->Confirmed = 0;
        applyFileNameState(settings->Mode);
    }
    m_ui->retranslateUi(this);
    PlaceDialogOnScreen(this, left, top);
}

// Print disables the name and card enables it; file mode leaves it as it was, since the
// printer file is "Dump.txt" whatever it says.
void TFormDumpTextSetup::applyFileNameState(int mode) {
    if (QAbstractButton* item = m_mode->button(mode)) item->setChecked(true);
    if (mode == kDumpPrint) m_ui->EditFileName->setEnabled(false);
    if (mode == kDumpToCard) m_ui->EditFileName->setEnabled(true);
}

void TFormDumpTextSetup::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void TFormDumpTextSetup::RadioGroupDumpModeClick() {
    const int mode = m_mode->checkedId();
    if (m_settings) m_settings->Mode = mode;
    applyFileNameState(mode);
}

void TFormDumpTextSetup::ButtonOKClick() {
    if (!m_settings) return;
    const int mode = m_mode->checkedId();
    const QString name = m_ui->EditFileName->text();
    // The card name goes between the quotes of the printer's command: one that would end
    // the command early is refused here, and the dialog stays open.
    if (mode == kDumpToCard) {
        QString problem = PrinterFileNameProblem(name);
        if (problem.isEmpty() && name.size() > kMaxDumpFileName)
            problem = QStringLiteral("File name too long");   // English in every language
        if (!problem.isEmpty()) {
            MessageBox::warning(this, MessageBox::defaultTitle(), problem);
            return;
        }
    }
    m_settings->Mode = mode;
    SetDumpFileName(*m_settings, name.toLatin1());
    m_settings->Confirmed = 1;
    accept();
}

void TFormDumpTextSetup::ButtonCancelClick() {
    if (m_settings) m_settings->Confirmed = 0;
    reject();
}

}   // namespace lb
