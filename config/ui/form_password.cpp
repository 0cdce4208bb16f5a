// SPDX-License-Identifier: Apache-2.0
#include "config/ui/form_password.h"

#include "config/password.h"
#include "ui_common/message_box.h"
#include "ui_form_password.h"

namespace lb {

bool EntryMatchesPassword(const QString& entry, const QByteArray& printerPassword) {
    QByteArray bytes;
    return PasswordBytes(entry, bytes) && PasswordEntryMatches(printerPassword, bytes);
}

TFormPassword::TFormPassword(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TFormPassword>()) {
    m_ui->setupUi(this);
    // A fixed border and no title-bar buttons: the dialog ends through OK or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // Fixed, at the size its captions need in the current language.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_ui->ButtonOK, &QPushButton::clicked, this, &TFormPassword::ButtonOKClick);
    connect(m_ui->ButtonCancel, &QPushButton::clicked, this, &TFormPassword::ButtonCancelClick);
}

TFormPassword::~TFormPassword() = default;

void TFormPassword::prepare(const QPoint& topLeft, const QByteArray& printerPassword) {
    move(topLeft);
    m_printerPassword = printerPassword;
    m_confirmed = false;
    m_ui->EditPassword->clear();
    m_ui->EditPassword->setFocus();
}

void TFormPassword::ButtonOKClick() {
    if (!EntryMatchesPassword(m_ui->EditPassword->text(), m_printerPassword)) {
        MessageBox::plain(this, MessageBox::defaultTitle(), tr("Incorrect"));
        m_ui->EditPassword->selectAll();
        m_ui->EditPassword->setFocus();
        return;
    }
    m_confirmed = true;
    accept();
}

void TFormPassword::ButtonCancelClick() {
    m_confirmed = false;
    reject();
}

}   // namespace lb
