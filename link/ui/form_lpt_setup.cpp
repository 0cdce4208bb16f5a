// SPDX-License-Identifier: Apache-2.0
#include "link/ui/form_lpt_setup.h"

#include "link/serial_port_settings.h"
#include "link/ui/port_choices.h"
#include "ui_common/message_box.h"
#include "ui_form_lpt_setup.h"

#include <QCompleter>
#include <QEvent>
#include <QLineEdit>

namespace lb {

TFormLPTSetup::TFormLPTSetup(ParallelPortName* name, QWidget* parent)
    : TFormLPTSetup(name, SystemParallelDevices(), parent) {}

TFormLPTSetup::TFormLPTSetup(ParallelPortName* name, const QStringList& devices, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormLPTSetup>()), m_name(name) {
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Fixed, at the size its captions need in the current language.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // LPTn first, at item n-1; then the devices present, and any other path can be typed.
    m_ui->ComboBoxLPT->addItems(ParallelPortItems(devices));
    if (QCompleter* completer = m_ui->ComboBoxLPT->completer())
        completer->setCaseSensitivity(Qt::CaseSensitive);
    if (m_name) {
        // "LPT3" selects item 2, a listed device its item. Any other name selects nothing but
        // stays in view, and Set keeps it unless something else is typed.
        const QString current = QString::fromLocal8Bit(m_name->name, qsizetype(FieldLength(m_name->name)));
        const int number = PortNumber(m_name->name, sizeof m_name->name, "LPT", 4);
        const int item = number > 0 ? number - 1 : m_ui->ComboBoxLPT->findText(current, Qt::MatchExactly);
        m_ui->ComboBoxLPT->setCurrentIndex(item);
        if (item < 0) {
            m_unlistedPort = current;
            m_ui->ComboBoxLPT->setEditText(current);
        }
    } else {
        m_ui->ComboBoxLPT->setCurrentIndex(-1);
    }
    // Typing replaces the shown name rather than adding to it.
    if (QLineEdit* edit = m_ui->ComboBoxLPT->lineEdit()) edit->selectAll();

    connect(m_ui->ButtonSet, &QPushButton::clicked, this, &TFormLPTSetup::ButtonSetClick);
    connect(m_ui->ButtonCancel, &QPushButton::clicked, this, &TFormLPTSetup::ButtonCancelClick);
}

TFormLPTSetup::~TFormLPTSetup() = default;

void TFormLPTSetup::ButtonSetClick() {
    if (m_name) {
        // The list's text: an item ("LPTn" is item n-1) or a typed device path.
        const PortChoice port =
            ChoosePort(m_ui->ComboBoxLPT->currentText(), m_unlistedPort, sizeof m_name->name);
        if (port.action == PortChoice::Action::Refuse) {
            MessageBox::warning(this, MessageBox::defaultTitle(), port.problem);
            return;   // the dialog stays open with the text to correct
        }
        if (port.action == PortChoice::Action::Write)
            CopyToField(m_name->name, port.name.constData(), std::size_t(port.name.size()));
    }
    accept();
}

void TFormLPTSetup::ButtonCancelClick() {
    reject();
}

void TFormLPTSetup::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

bool EditParallelPortName(ParallelPortName& name, QWidget* parent) {
    TFormLPTSetup dialog(&name, parent);
    return dialog.exec() == QDialog::Accepted;
}

}   // namespace lb
