// SPDX-License-Identifier: Apache-2.0
#include "config/ui/form_password_setup.h"

#include "config/password.h"
#include "config/ui/form_password.h"
#include "ui_common/message_box.h"
#include "ui_form_password_setup.h"

namespace lb {

TFormPasswordSetup::TFormPasswordSetup(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormPasswordSetup>()) {
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // Fixed, at the size its captions need in the current language.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_ui->ButtonOK, &QPushButton::clicked, this, &TFormPasswordSetup::ButtonOKClick);
    connect(m_ui->ButtonCancel, &QPushButton::clicked, this, &TFormPasswordSetup::ButtonCancelClick);
}

TFormPasswordSetup::~TFormPasswordSetup() = default;

void TFormPasswordSetup::prepare(const QPoint& topLeft, const QByteArray& currentPassword) {
    move(topLeft);
    m_password = currentPassword;
    m_ui->EditOldPassword->clear();
    m_ui->EditNewPassword->clear();
    m_ui->EditOldPassword->setFocus();
}

void TFormPasswordSetup::ButtonOKClick() {
    if (!EntryMatchesPassword(m_ui->EditOldPassword->text(), m_password)) {
        MessageBox::plain(this, MessageBox::defaultTitle(), tr("Incorrect"));
        m_ui->EditOldPassword->selectAll();
        m_ui->EditOldPassword->setFocus();
        return;
    }
    // The new password goes between double quotes in a printer command: refuse what would
    // break the command, rather than cut it or send it mangled.
    QByteArray entry;
    if (!PasswordBytes(m_ui->EditNewPassword->text(), entry) || !IsSendablePassword(entry)) {
        MessageBox::warning(this, MessageBox::defaultTitle(),
                            tr("The new password can have at most %1 characters, none of them a double "
                               "quote or a control character (such as a line break, a tab or ESC).")
                                .arg(kMaxPasswordLength));
        m_ui->EditNewPassword->setFocus();
        return;
    }
    m_password = entry;
    accept();
}

void TFormPasswordSetup::ButtonCancelClick() {
    reject();
}

}   // namespace lb
